#include "widgets/EtapesDegrade.h"

#include "widgets/MiseEnPageEtroite.h"

#include "encoder/Degrade.h"
#include "widgets/QFrame_Perso.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Added colours are half the size of the start and end squares.
constexpr int TailleEtape = 40;

// A square with what names it or removes it underneath.
QVBoxLayout *Colonne(QWidget *carre, QWidget *dessous)
{
    auto *colonne = new QVBoxLayout;
    colonne->addWidget(carre, 0, Qt::AlignHCenter | Qt::AlignBottom);
    colonne->addWidget(dessous, 0, Qt::AlignHCenter);
    return colonne;
}

} // namespace

EtapesDegrade::EtapesDegrade(QLabel *libelleDepart, QFrame_Perso *depart, QLabel *libelleArrivee,
                             QFrame_Perso *arrivee)
    : Depart(depart), Arrivee(arrivee), Rangee(new QHBoxLayout(this)),
      BoutonAjouter(new QToolButton)
{
    Rangee->setContentsMargins(0, 0, 0, 0);
    // The steps read left to right on a phone too.
    MiseEnPageEtroite::GarderRangees(this);
    BoutonAjouter->setText(QStringLiteral("+"));
    BoutonAjouter->setFixedSize(TailleEtape, TailleEtape);
    Rangee->addLayout(Colonne(depart, libelleDepart));
    Rangee->addLayout(Colonne(arrivee, libelleArrivee));
    Rangee->addWidget(BoutonAjouter, 0, Qt::AlignTop);
    Rangee->addStretch();
    BoutonAjouter->setObjectName(QStringLiteral("boutonAjouterCouleur"));
    BoutonAjouter->setToolTip(tr("Ajouter une couleur au dégradé"));
    connect(BoutonAjouter, &QToolButton::clicked, this, &EtapesDegrade::Ajouter);
    connect(depart, &QFrame_Perso::CouleurChoisie, this, &EtapesDegrade::Modifiees);
    connect(arrivee, &QFrame_Perso::CouleurChoisie, this, &EtapesDegrade::Modifiees);
}

EtapesDegrade::~EtapesDegrade() = default;

QList<QColor> EtapesDegrade::Couleurs() const
{
    QList<QColor> couleurs{Depart->RecupererCouleur()};
    for (const QFrame_Perso *carre : Intermediaires)
        couleurs << carre->RecupererCouleur();
    return couleurs << Arrivee->RecupererCouleur();
}

void EtapesDegrade::DefinirCouleurs(const QList<QColor> &couleurs)
{
    if (couleurs.size() < 2)
        return;
    while (Intermediaires.size() + 2 <
           std::min<qsizetype>(couleurs.size(), Degrade::NombreCouleursMax))
        Ajouter();
    while (Intermediaires.size() + 2 > couleurs.size())
        Retraits.last()->click();
    Depart->DefinirCouleur(couleurs.first());
    Arrivee->DefinirCouleur(couleurs.last());
    for (int i = 0; i < Intermediaires.size(); ++i)
        Intermediaires[i]->DefinirCouleur(couleurs[i + 1]);
}

QList<QWidget *> EtapesDegrade::OrdreClavier() const
{
    return {Depart, Arrivee, BoutonAjouter};
}

// The new colour goes just before the end square; it starts black, like the others.
void EtapesDegrade::Ajouter()
{
    if (Intermediaires.size() + 2 >= Degrade::NombreCouleursMax)
        return;
    auto *carre = new QFrame_Perso;
    carre->setObjectName(QStringLiteral("carreIntermediaire%1").arg(Intermediaires.size() + 1));
    carre->setFixedSize(TailleEtape, TailleEtape);
    carre->DefinirLibelle(tr("Couleur intermédiaire %1").arg(Intermediaires.size() + 1));
    auto *retirer = new QToolButton;
    retirer->setText(QStringLiteral("−"));
    retirer->setToolTip(tr("Retirer cette couleur du dégradé"));
    retirer->setFixedWidth(TailleEtape);
    auto *colonne = Colonne(carre, retirer);
    Rangee->insertLayout(int(Intermediaires.size()) + 1, colonne);
    // Reached with Tab where it stands: just before the end square.
    setTabOrder(Arrivee->previousInFocusChain(), carre);
    setTabOrder(carre, retirer);
    Intermediaires << carre;
    Retraits << retirer;

    connect(carre, &QFrame_Perso::CouleurChoisie, this, &EtapesDegrade::Modifiees);
    connect(retirer, &QToolButton::clicked, this, [this, carre, retirer, colonne] {
        Intermediaires.removeOne(carre);
        Retraits.removeOne(retirer);
        delete colonne;
        carre->deleteLater();
        retirer->deleteLater(); // it is the button being clicked
        BoutonAjouter->setEnabled(true);
        emit Modifiees();
    });
    BoutonAjouter->setEnabled(Intermediaires.size() + 2 < Degrade::NombreCouleursMax);
    emit Modifiees();
}
