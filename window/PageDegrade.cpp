#include "window/PageDegrade.h"

#include "encoder/CalculPseudo.h"
#include "widgets/Accessibilite.h"
#include "widgets/BandeDegrade.h"
#include "widgets/EtapesDegrade.h"
#include "widgets/LigneMessage.h"
#include "widgets/ListeDegrades.h"
#include "widgets/QFrame_Perso.h"
#include "window/Construction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>

namespace {

QFrame_Perso *NouveauCarre(const char *nom, const QString &libelle)
{
    auto *carre = Nouveau<QFrame_Perso>(nom);
    carre->setFixedSize(80, 80);
    carre->DefinirLibelle(libelle);
    return carre;
}

} // namespace

PageDegrade::PageDegrade()
    : Etapes(Nouveau<EtapesDegrade>(
          "etapesDegrade",
          Nouveau<QLabel>("labelCouleurDepart", tr("Sélectionnez la couleur de départ:")),
          NouveauCarre("carreDepart", tr("Couleur de départ")),
          Nouveau<QLabel>("labelCouleurArrivee", tr("Sélectionnez la couleur d'arrivée:")),
          NouveauCarre("carreArrivee", tr("Couleur d'arrivée")))),
      Bande(Nouveau<BandeDegrade>("bandeDegrade")),
      ComboMelange(Nouveau<QComboBox>("comboMelange")),
      Preselections(Nouveau<ListeDegrades>("listeDegrades")),
      PasDegrade(Nouveau<QSpinBox>("pasDegrade")),
      CaseEspaces(Nouveau<QCheckBox>("caseEspaces", tr("Ignorer les espaces"))),
      LabelCout(Nouveau<LigneMessage>("labelCout",
                                      tr("Sélectionnez du texte pour voir la longueur du code."))),
      BoutonDegrade(Nouveau<QPushButton>("boutonDegrade",
                                         tr("&Appliquer le dégradé sur le texte sélectionné"))),
      BoutonAjuster(Nouveau<QPushButton>("boutonAjuster", tr("A&juster à 45 caractères"))),
      MessageAjustement(Nouveau<LigneMessage>("messageAjustement"))
{
    PasDegrade->setMinimum(1);
    PasDegrade->setMaximum(Degrade::PasMax);
    PasDegrade->setValue(1);
    PasDegrade->setPrefix(tr("Changer de couleur tout les "));
    PasDegrade->setSuffix(tr(" caractère(s)."));
    PasDegrade->setMinimumWidth(290); // its height, and more width, from its text
    PasDegrade->setAccessibleName(tr("Pas du dégradé"));
    ComboMelange->addItems({tr("RVB"), tr("Perceptuel (OKLab)"), tr("Teinte (arc-en-ciel)")});
    ComboMelange->setToolTip(tr("Comment passer d'une couleur à la suivante"));
    BoutonDegrade->setToolTip(tr("Colore le texte sélectionné en dégradé"));
    BoutonAjuster->setToolTip(
        tr("Place les changements de couleur pour que le code tienne en 45 caractères"));
    Disposer();

    connect(BoutonDegrade, &QPushButton::clicked, this, &PageDegrade::DegradeDemande);
    connect(BoutonAjuster, &QPushButton::clicked, this, &PageDegrade::AjustementDemande);
    connect(Etapes, &EtapesDegrade::Modifiees, this, &PageDegrade::Modifie);
    connect(PasDegrade, &QSpinBox::valueChanged, this, &PageDegrade::Modifie);
    connect(ComboMelange, &QComboBox::currentIndexChanged, this, &PageDegrade::Modifie);
    connect(CaseEspaces, &QCheckBox::toggled, this, &PageDegrade::ParametresModifies);
    connect(Preselections, &ListeDegrades::Choisi, this, &PageDegrade::Choisir);
    connect(Preselections, &ListeDegrades::SuppressionDemandee, this,
            &PageDegrade::SuppressionDegradeDemandee);
    connect(Preselections, &ListeDegrades::EnregistrementDemande, this, [this](const QString &nom) {
        CollectionDegrades::Entree degrade = Reglage();
        degrade.nom = nom;
        emit EnregistrementDegradeDemande(degrade);
    });
}

PageDegrade::~PageDegrade() = default;

// The stops and their strip; blend and presets; step, option and length; the help under the
// step it describes; apply and fit with what the fit said.
void PageDegrade::Disposer()
{
    // The help keeps its lines, which <br /> already breaks: a wrapped label asks for its
    // height only once laid out, too late for the tab's own size.
    QLabel *aide = NouvelleAide(
        "aideDegrade",
        tr("Le paramètre ci-dessus permet de faire varier la vitesse du dégradé.<br />Si vous "
           "changez de couleur tous les caractères, le dégradé sera beau mais très consommateur "
           "en nombre de caractères.<br /><strong>Si vous dépassez le nombre de caractères maxi, "
           "essayez d'augmenter ce paramètre.</strong>"));
    aide->setWordWrap(false);
    auto *melange = Nouveau<QLabel>("labelMelange", tr("Mélange"));
    melange->setBuddy(ComboMelange);
    Accessibilite::Legender(ComboMelange, melange);
    auto *choix = new QHBoxLayout;
    choix->addWidget(melange);
    choix->addWidget(ComboMelange);
    choix->addSpacing(12);
    choix->addWidget(Preselections, 1);
    auto *grille = new QGridLayout(this);
    grille->addWidget(Etapes, 0, 0, 1, 3);
    grille->addWidget(Bande, 1, 0, 1, 3);
    grille->addLayout(choix, 2, 0, 1, 3);
    grille->addWidget(PasDegrade, 3, 0);
    grille->addWidget(CaseEspaces, 3, 1);
    grille->addWidget(LabelCout, 3, 2);
    grille->addWidget(aide, 4, 0, 1, 3);
    grille->addWidget(BoutonDegrade, 5, 0);
    grille->addWidget(BoutonAjuster, 5, 1);
    grille->addWidget(MessageAjustement, 5, 2);
    grille->setColumnStretch(2, 1);
}

QList<QColor> PageDegrade::Couleurs() const
{
    return Etapes->Couleurs();
}

void PageDegrade::DefinirCouleurs(const QList<QColor> &couleurs)
{
    Etapes->DefinirCouleurs(couleurs);
}

int PageDegrade::Pas() const
{
    return PasDegrade->value();
}

void PageDegrade::DefinirPas(int pas)
{
    PasDegrade->setValue(pas);
}

bool PageDegrade::IgnorerEspaces() const
{
    return CaseEspaces->isChecked();
}

Melange PageDegrade::MelangeChoisi() const
{
    return Melange(ComboMelange->currentIndex());
}

void PageDegrade::DefinirMelange(Melange melange)
{
    ComboMelange->setCurrentIndex(int(melange));
}

CollectionDegrades::Entree PageDegrade::Reglage() const
{
    return {QString(), Couleurs(), MelangeChoisi(), Pas()};
}

void PageDegrade::AfficherEnregistres(const QList<CollectionDegrades::Entree> &enregistres)
{
    Preselections->AfficherEnregistres(enregistres);
}

// Changed by hand, the gradient is no longer the one the list names.
void PageDegrade::Modifie()
{
    if (!EnChoix)
        Preselections->Oublier();
    emit ParametresModifies();
}

// A preset sets the stops and the blend, a saved gradient its step too; nothing is applied.
void PageDegrade::Choisir(const CollectionDegrades::Entree &degrade)
{
    QSignalBlocker bloque(this);
    EnChoix = true;
    DefinirCouleurs(degrade.couleurs);
    DefinirMelange(degrade.melange);
    if (degrade.pas > 0)
        DefinirPas(degrade.pas);
    EnChoix = false;
    bloque.unblock();
    emit ParametresModifies();
}

void PageDegrade::AfficherCout(std::optional<int> longueur,
                               const std::vector<Degrade::Niveaux> &niveaux)
{
    Bande->Afficher(niveaux);
    LabelCout->setText(longueur ? tr("Le code fera %1 caractères").arg(*longueur)
                                : tr("Sélectionnez du texte pour voir la longueur du code."));
}

void PageDegrade::AfficherAjustement(std::optional<int> longueurCode, int texteSeul)
{
    MessageAjustement->setText(
        longueurCode ? tr("Dégradé ajusté : le code fait %1 caractères.").arg(*longueurCode)
        : texteSeul > CalculPseudo::NombreCases
            ? tr("Impossible d'ajuster : le texte seul fait déjà %1 caractères.").arg(texteSeul)
            : tr("Impossible d'ajuster : même une seule couleur dépasse 45 caractères."));
}

void PageDegrade::EffacerMessage()
{
    MessageAjustement->clear();
}

QList<QWidget *> PageDegrade::OrdreClavier() const
{
    return Etapes->OrdreClavier() + QList<QWidget *>{ComboMelange} + Preselections->OrdreClavier() +
           QList<QWidget *>{PasDegrade, CaseEspaces, BoutonDegrade, BoutonAjuster};
}
