#ifndef PAGECOLLECTION_H
#define PAGECOLLECTION_H

#include "encoder/CollectionPseudos.h"

#include <QList>
#include <QWidget>

#include <functional>

class LigneMessage;
class ListeConsigne;
class QPushButton;

// "Mes pseudos": the player's nicknames, newest first, each drawn as the game shows it, and
// what can be done with them. The page asks the player (a name, a confirmation, a file) and
// says what it was asked; the collection itself is kept elsewhere.
class PageCollection : public QWidget
{
    Q_OBJECT

public:
    PageCollection();
    ~PageCollection() override;

    void Afficher(const QList<CollectionPseudos::Entree> &entrees);
    // The names of the selected entries.
    QStringList Choisis() const;
    void AnnoncerExport(bool reussi, int nombre);
    void AnnoncerImport(int ajoutes);
    QList<QWidget *> OrdreClavier() const;

signals:
    void EnregistrementDemande(const QString &nom);
    void ChargementDemande(const QString &code);
    void RenommageDemande(const QString &ancien, const QString &nouveau);
    void SuppressionDemandee(const QStringList &noms);
    void ExportDemande(const QString &fichier, const QStringList &noms);
    void ImportDemande(const QString &fichier);

private slots:
    void Enregistrer();
    void Charger();
    void Renommer();
    void Supprimer();
    void Exporter();
    void Importer();

private:
    void DemanderNom(const QString &titre, const QString &nom,
                     const std::function<void(const QString &)> &suite);
    void Confirmer(const QString &question, const std::function<void()> &suite);

    QList<CollectionPseudos::Entree> Entrees;
    ListeConsigne *Liste;
    QPushButton *BoutonEnregistrer;
    QPushButton *BoutonCharger;
    QPushButton *BoutonRenommer;
    QPushButton *BoutonSupprimer;
    QPushButton *BoutonExporter;
    QPushButton *BoutonImporter;
    LigneMessage *Message;
    // Whether the last export was written, as AnnoncerExport was told.
    bool Exporte = false;
};

#endif
