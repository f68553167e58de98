#include "window/PageCouleur.h"

#include "widgets/QFrame_Perso.h"
#include "window/Construction.h"

#include <QGridLayout>
#include <QPushButton>

PageCouleur::PageCouleur()
    : CarreCouleur(Nouveau<QFrame_Perso>("carreCouleur")),
      BoutonColorier(Nouveau<QPushButton>("boutonColorier", tr("&Colorier le texte sélectionné!")))
{
    CarreCouleur->setFixedSize(80, 80);
    CarreCouleur->DefinirLibelle(tr("Couleur uniforme"));
    BoutonColorier->setToolTip(tr("Donne au texte sélectionné la couleur du carré"));

    auto *grille = new QGridLayout(this);
    grille->addWidget(Nouveau<QLabel>("labelCouleur", tr("Sélectionnez une couleur:")), 0, 0, 1, 1,
                      Qt::AlignRight);
    grille->addWidget(CarreCouleur, 0, 1, 1, 1, Qt::AlignLeft);
    grille->addWidget(BoutonColorier, 1, 0, 1, 4, Qt::AlignCenter);
    grille->addWidget(
        NouvelleAide(
            "aideCouleur",
            tr("Attention, le nombre de couleurs affichables dans un pseudo est limité dans "
               "Trackmania.<br /><strong>Le carré ci-contre vous affiche la couleur telle "
               "qu'elle sera visible dans Trackmania.</strong> Cette couleur peut donc "
               "légèrement varier de celle que vous choisissez de manière précise dans la boite "
               "de dialogue.")),
        0, 2, 1, 2);

    connect(BoutonColorier, &QPushButton::clicked, this, &PageCouleur::ColorationDemandee);
    connect(CarreCouleur, &QFrame_Perso::CouleurChoisie, this, &PageCouleur::CouleurModifiee);
}

PageCouleur::~PageCouleur() = default;

QColor PageCouleur::Couleur() const
{
    return CarreCouleur->RecupererCouleur();
}

void PageCouleur::DefinirCouleur(const QColor &couleur)
{
    CarreCouleur->DefinirCouleur(couleur);
}

QList<QWidget *> PageCouleur::OrdreClavier() const
{
    return {CarreCouleur, BoutonColorier};
}
