#ifndef SORTIECODE_H
#define SORTIECODE_H

#include "encoder/DecodeurPseudo.h"

#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <QWidget>

class ApercuJeu;
class LigneMessage;
class QMimeData;
class QPushButton;
class QStackedWidget;

// Everything around the code to copy: "Copier", "Importer un code…", a short message, the
// preview of what the game keeps, and the offer to import a code just pasted as text.
class SortieCode : public QWidget
{
    Q_OBJECT

public:
    SortieCode();
    ~SortieCode() override;

    // The code the window now shows; an offer to import goes away with the edit that changed it.
    void Afficher(const QString &code);
    // Offers to import `texte` when it holds codes, without blocking anything.
    void ProposerImport(const QString &texte);
    void Informer(const QString &message);

    // Says what an import left out, if anything.
    void AnnoncerImport(const QList<DecodeurPseudo::Omission> &omis);
    // The width a line needs to show a whole 45-character code.
    static int LargeurCode(const QFontMetrics &metriques);

    // Shows "Copier le lien", which copies a link to `page` that carries the code: only a page
    // has an address to give.
    void ProposerLien(const QString &page);

    // Its buttons, for the window's Tab chain.
    QList<QWidget *> OrdreClavier() const;

    void Copier();
    void CopierLien();
    void CopierImage();
    void EnregistrerImage();
    void CopierHtml();
    void DemanderCode();

signals:
    void ImportDemande(const QString &code);
    // The browser refused to copy the code: the player is to copy it from its line.
    void CopieRefusee();

private:
    void MontrerMessage(const QString &message);
    void Envoyer(QMimeData *donnees, const QString &fait);
    QImage Image() const;

    QString Code;
    QString CodePropose;
    QString Page;
    QPushButton *BoutonCopier;
    QPushButton *BoutonCopierLien;
    QPushButton *BoutonImporter;
    QPushButton *BoutonCopierImage;
    QPushButton *BoutonEnregistrerImage;
    QPushButton *BoutonCopierHtml;
    LigneMessage *Message;
    ApercuJeu *Apercu;
    QWidget *Offre;
    QStackedWidget *Zone;
};

#endif
