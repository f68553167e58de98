#ifndef PAGECOULEUR_H
#define PAGECOULEUR_H

#include <QColor>
#include <QList>
#include <QWidget>

class QFrame_Perso;
class QPushButton;

// "Couleur uniforme": one swatch and the button that asks for its colour on the selection.
class PageCouleur : public QWidget
{
    Q_OBJECT

public:
    PageCouleur();
    ~PageCouleur() override;

    QColor Couleur() const;
    void DefinirCouleur(const QColor &couleur);
    QList<QWidget *> OrdreClavier() const;

signals:
    void ColorationDemandee();
    // A colour was picked in the swatch's dialog.
    void CouleurModifiee();

private:
    QFrame_Perso *CarreCouleur;
    QPushButton *BoutonColorier;
};

#endif
