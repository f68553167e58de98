#include "window/PageEffet.h"

#include "encoder/CalculPseudo.h"
#include "window/Construction.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PageEffet::PageEffet()
    : RadioNormal(Nouveau<QRadioButton>("radioNormal", tr("Normal"))),
      RadioSerre(Nouveau<QRadioButton>("radioSerre", tr("Serré"))),
      RadioLarge(Nouveau<QRadioButton>("radioLarge", tr("Large"))),
      CaseItalique(Nouveau<QCheckBox>("caseItalique", tr("Texte en italique"))),
      CaseGras(Nouveau<QCheckBox>("caseGras", tr("Texte en gras"))),
      CaseMajuscules(Nouveau<QCheckBox>("caseMajuscules", tr("Texte en majuscules"))),
      BoutonEffet(Nouveau<QPushButton>("boutonEffet", tr("&Appliquer sur le texte sélectionné")))
{
    RadioNormal->setChecked(true);
    BoutonEffet->setToolTip(tr("Applique au texte sélectionné les effets cochés"));
    Disposer();

    for (QRadioButton *radio : {RadioLarge, RadioSerre, RadioNormal})
        connect(radio, &QRadioButton::clicked, this, &PageEffet::AppliquerGrosseurTexte);
    connect(BoutonEffet, &QPushButton::clicked, this, &PageEffet::EffetsDemandes);
}

PageEffet::~PageEffet() = default;

void PageEffet::Disposer()
{
    auto *colonne = new QVBoxLayout;
    colonne->addWidget(Nouveau<QLabel>("labelEspacement", tr("Espacement des caractères:")), 0,
                       Qt::AlignBottom);
    colonne->addWidget(RadioNormal);
    colonne->addWidget(RadioSerre);
    colonne->addWidget(RadioLarge);
    colonne->addWidget(NouvelleAide(
        "aideEspacement",
        tr("Attention, Vivarel ne gère l'espacement des caractères que sur le pseudo dans sa "
           "globalité.<br />C'est le seul effet pour lequel vous ne pouvez pas sélectionner les "
           "caractères à modifier.")));
    auto *grille = new QGridLayout(this);
    grille->addLayout(colonne, 0, 0, 4, 1);
    grille->addWidget(CaseItalique, 0, 1, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    grille->addWidget(CaseGras, 1, 1, 1, 1, Qt::AlignLeft);
    grille->addWidget(CaseMajuscules, 2, 1, 1, 1, Qt::AlignLeft);
    grille->addWidget(BoutonEffet, 3, 1, 1, 1, Qt::AlignCenter | Qt::AlignTop);
}

bool PageEffet::Italique() const
{
    return CaseItalique->isChecked();
}

bool PageEffet::Gras() const
{
    return CaseGras->isChecked();
}

bool PageEffet::Majuscules() const
{
    return CaseMajuscules->isChecked();
}

void PageEffet::MontrerEspacement(int etirement)
{
    QRadioButton *choisi = etirement == CalculPseudo::EtirementLarge   ? RadioLarge
                           : etirement == CalculPseudo::EtirementSerre ? RadioSerre
                                                                       : RadioNormal;
    if (!choisi->isChecked())
        choisi->setChecked(true);
}

void PageEffet::AppliquerGrosseurTexte()
{
    emit EspacementDemande(RadioLarge->isChecked()   ? CalculPseudo::EtirementLarge
                           : RadioSerre->isChecked() ? CalculPseudo::EtirementSerre
                                                     : CalculPseudo::EtirementNormal);
}

QList<QWidget *> PageEffet::OrdreClavier() const
{
    return {RadioNormal, RadioSerre,     RadioLarge, CaseItalique,
            CaseGras,    CaseMajuscules, BoutonEffet};
}
