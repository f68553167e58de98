#include "window/Fen_Principale.h"

#include "widgets/Accessibilite.h"
#include "widgets/BanniereTitre.h"
#include "widgets/ChampPseudo.h"
#include "widgets/CommandesPseudo.h"
#include "widgets/Demandes.h"
#include "widgets/LigneCode.h"
#include "widgets/MiseEnPageEtroite.h"
#include "widgets/SortieCode.h"
#include "window/Construction.h"
#include "window/LigneLongueur.h"
#include "window/PageCaracteres.h"
#include "window/PageCollection.h"
#include "window/PageCouleur.h"
#include "window/PageDegrade.h"
#include "window/PageEffet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

Fen_Principale::Fen_Principale() : QWidget(nullptr)
{
    Accessibilite::Encadrer(this);
    CreerWidgets();
    ConstruireCadre();
    ReglerTailles();
    OrdonnerClavier();
    EditeurPseudo->setFocus();

    // Last, so that building the window runs no slot: the output stays empty until the
    // nickname first changes.
    Connecter();
}

Fen_Principale::~Fen_Principale() = default;

void Fen_Principale::CreerWidgets()
{
    Banniere =
        Nouveau<BanniereTitre>("banniere", tr("Couleurs, dégradés et effets pour votre pseudo"));
    LabelPseudo = Nouveau<QLabel>("labelPseudo", tr("Votre Pseudo:"));
    CreerEditeurs();
    BoutonReinitialiser =
        Nouveau<QPushButton>("boutonReinitialiser", tr("&Réinitialiser le texte sélectionné"));
    Onglets = Nouveau<QTabWidget>("onglets");
    OngletCaracteres = Nouveau<PageCaracteres>("pageCaracteres");
    OngletCouleur = Nouveau<PageCouleur>("pageCouleur");
    OngletDegrade = Nouveau<PageDegrade>("pageDegrade");
    OngletEffet = Nouveau<PageEffet>("pageEffet");
    OngletPseudos = Nouveau<PageCollection>("pagePseudos");
    LabelSortie = Nouveau<QLabel>("labelSortie", tr("Texte à copier-coller dans trackmania:"));
    LigneSortie = Nouveau<LigneCode>("ligneSortie");
    Sortie = Nouveau<SortieCode>("sortieCode");
    Longueur = Nouveau<LigneLongueur>("ligneLongueur");
}

// The nickname editor lies inside the shadow editor, so that the shadow's text shows through
// its transparent base one pixel right of and below the typed text. Pair them before anything
// else can scroll either. The shadow is the nickname in translucent black, and follows each
// edit of it.
void Fen_Principale::CreerEditeurs()
{
    EditeurOmbre = Nouveau<QTextEdit_Perso>("editeurOmbre");
    EditeurPseudo = Nouveau<ChampPseudo>("editeurPseudo");
    EditeurPseudo->setParent(EditeurOmbre);
    EditeurOmbre->DefinirPartenaire(EditeurPseudo);
    EditeurPseudo->DefinirPartenaire(EditeurOmbre);
    EditeurOmbre->setReadOnly(true);
    // The shadow repeats the field for the eye; screen readers hear the field alone.
    Accessibilite::Decorer(EditeurOmbre);
    EditeurOmbre->setFocusPolicy(Qt::NoFocus);
    EditeurOmbre->document()->setUndoRedoEnabled(false);
    EditeurOmbre->SuivreEnOmbre(EditeurPseudo->document(),
                                QBrush(QColor(0, 0, 0, 150), Qt::SolidPattern));
    Commandes = new CommandesPseudo(EditeurPseudo, EditeurOmbre, Calcul);
    Commandes->setParent(this);
    const QFont &normale = Commandes->Police(CalculPseudo::EtirementNormal);
    EditeurPseudo->setFont(normale);
    EditeurOmbre->setFont(normale);
}

void Fen_Principale::ConstruireCadre()
{
    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(Banniere);

    auto *rangeePseudo = new QHBoxLayout;
    rangeePseudo->addWidget(LabelPseudo);
    rangeePseudo->addWidget(EditeurOmbre);
    rangeePseudo->addWidget(BoutonReinitialiser, 0, Qt::AlignCenter);
    disposition->addLayout(rangeePseudo);

    disposition->addWidget(Onglets);
    Onglets->addTab(OngletCaracteres, tr("Caractère spécial"));
    Onglets->addTab(OngletCouleur, tr("Couleur uniforme"));
    Onglets->addTab(OngletDegrade, tr("Dégradé de couleur"));
    Onglets->addTab(OngletEffet, tr("Effet sur le texte"));
    Onglets->addTab(OngletPseudos, tr("Mes pseudos"));

    auto *rangeeSortie = new QHBoxLayout;
    rangeeSortie->addWidget(LabelSortie);
    rangeeSortie->addWidget(LigneSortie);
    disposition->addLayout(rangeeSortie);
    disposition->addWidget(Sortie);
    disposition->addWidget(Longueur);
    // A tall window keeps its rows together, at the height they ask for, the room left below
    // them: spread out, the code, its buttons and the preview drifted apart.
    for (QWidget *rangee : {static_cast<QWidget *>(Onglets), static_cast<QWidget *>(Sortie)})
        rangee->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    disposition->addStretch();
    // A phone's screen, the page's on one.
    new MiseEnPageEtroite(this, {Banniere, EditeurOmbre, LigneSortie});
    // The window is never smaller than what it holds: the gradient page, the preview and the
    // import offer need more than the 460 pixels it once had.
    disposition->setSizeConstraint(QLayout::SetMinimumSize);
}

void Fen_Principale::ReglerTailles()
{
    // At least 501 pixels wide, wider with the window; the nickname editor follows the
    // shadow's size, one pixel up and left.
    EditeurOmbre->setMinimumWidth(501);
    EditeurOmbre->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    EditeurOmbre->setFixedHeight(
        qMax(32, EditeurOmbre->HauteurUneLigne({Commandes->Police(CalculPseudo::EtirementNormal),
                                                Commandes->Police(CalculPseudo::EtirementLarge),
                                                Commandes->Police(CalculPseudo::EtirementSerre)})));
    EditeurPseudo->setGeometry(QRect(QPoint(-1, -1), EditeurOmbre->size()));
    QPalette transparente;
    transparente.setBrush(QPalette::All, QPalette::Base, QBrush(QColor(0, 0, 0, 0)));
    EditeurPseudo->setPalette(transparente);

    // Names for screen readers; the field lies inside its shadow, away from its label.
    EditeurPseudo->setAccessibleName(tr("Votre pseudo"));
    Onglets->setAccessibleName(tr("Outils"));
    Accessibilite::Envelopper(Onglets);
    // The pages' stack, which Orca would announce as a "layered pane" on the way to each page.
    Accessibilite::Envelopper(Onglets->findChild<QStackedWidget *>());
    LabelSortie->setBuddy(LigneSortie);
}

// Tab goes through the window in reading order.
void Fen_Principale::OrdonnerClavier()
{
    const QList<QWidget *> ordre = QList<QWidget *>{EditeurPseudo, BoutonReinitialiser, Onglets} +
                                   OngletCaracteres->OrdreClavier() +
                                   OngletCouleur->OrdreClavier() + OngletDegrade->OrdreClavier() +
                                   OngletEffet->OrdreClavier() + QList<QWidget *>{LigneSortie} +
                                   Sortie->OrdreClavier();
    for (int i = 0; i + 1 < ordre.size(); ++i)
        setTabOrder(ordre[i], ordre[i + 1]);
    BoutonReinitialiser->setToolTip(tr("Rend au texte sélectionné l'aspect du texte tapé"));
}

void Fen_Principale::Connecter()
{
    connect(EditeurPseudo, &QTextEdit::textChanged, this, &Fen_Principale::MettreAJourPseudoOut);
    connect(BoutonReinitialiser, &QPushButton::clicked, this, &Fen_Principale::ReinitialiserTexte);
    connect(OngletCaracteres, &PageCaracteres::InsertionDemandee, Commandes,
            &CommandesPseudo::Inserer);
    connect(OngletCouleur, &PageCouleur::ColorationDemandee, this,
            &Fen_Principale::AppliquerCouleurUnie);
    connect(OngletDegrade, &PageDegrade::DegradeDemande, this,
            &Fen_Principale::AppliquerCouleurDeg);
    connect(OngletDegrade, &PageDegrade::AjustementDemande, this, &Fen_Principale::AjusterDegrade);
    connect(OngletEffet, &PageEffet::EffetsDemandes, this, &Fen_Principale::AppliquerItalique);
    connect(OngletEffet, &PageEffet::EspacementDemande, Commandes,
            &CommandesPseudo::ChangerEspacement);
    // A font change is no edit of the document: the refresh is called for it.
    connect(Commandes, &CommandesPseudo::EspacementChange, OngletEffet,
            &PageEffet::MontrerEspacement);
    connect(Commandes, &CommandesPseudo::EspacementChange, this,
            &Fen_Principale::MettreAJourPseudoOut);
    connect(EditeurPseudo, &ChampPseudo::TexteColle, Sortie, &SortieCode::ProposerImport);
    connect(Sortie, &SortieCode::ImportDemande, this, &Fen_Principale::ImporterCode);
    connect(Sortie, &SortieCode::CopieRefusee, LigneSortie, &LigneCode::MontrerPourCopie);
    connect(OngletPseudos, &PageCollection::ChargementDemande, this, &Fen_Principale::ImporterCode);

    connect(OngletDegrade, &PageDegrade::ParametresModifies, this,
            &Fen_Principale::MettreAJourCout);
    connect(EditeurPseudo, &QTextEdit::selectionChanged, this, &Fen_Principale::MettreAJourCout);
    connect(Onglets, &QTabWidget::currentChanged, this, &Fen_Principale::MettreAJourCout);

    connect(EditeurPseudo, &QTextEdit::textChanged, this, &Fen_Principale::EtatModifie);
    connect(Commandes, &CommandesPseudo::EspacementChange, this, &Fen_Principale::EtatModifie);
    connect(OngletCouleur, &PageCouleur::CouleurModifiee, this, &Fen_Principale::EtatModifie);
    connect(OngletDegrade, &PageDegrade::ParametresModifies, this, &Fen_Principale::EtatModifie);
    connect(Onglets, &QTabWidget::currentChanged, this, &Fen_Principale::EtatModifie);

    // Undo and redo reach the nickname wherever the focus is, a button just pressed included;
    // the field, when it has the focus, takes the keys first.
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, EditeurPseudo,
            &QTextEdit::undo);
    connect(new QShortcut(QKeySequence::Redo, this), &QShortcut::activated, EditeurPseudo,
            &QTextEdit::redo);
    // As the close button does, so that what is remembered is saved. Ctrl+Q even where the
    // platform names no key for quitting.
    QList<QKeySequence> quitter = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quitter.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        quitter << QKeySequence(Qt::CTRL | Qt::Key_Q);
    auto *raccourci = new QShortcut(this);
    raccourci->setKeys(quitter);
    connect(raccourci, &QShortcut::activated, this, &QWidget::close);
}

// Runs after every change of the nickname editor, text or formatting alike, and after every
// undo and redo. What has not changed is not set again: each setting repaints, and a changed
// label lays the window out again.
void Fen_Principale::MettreAJourPseudoOut()
{
    const QString texte = EditeurPseudo->toPlainText();
    Calcul.LireAttributs(EditeurPseudo, QColor(CalculPseudo::CouleurPseudoParDefaut));
    const QString code = Calcul.GenererCode(texte);
    LigneSortie->Afficher(code);
    Longueur->AfficherLongueur(int(code.size()));
    Sortie->Afficher(code);
    MettreAJourCout();
}

// What the code would be with the gradient as it is set up, shown on the gradient page only:
// elsewhere it would cost every keystroke for nothing.
void Fen_Principale::MettreAJourCout()
{
    OngletDegrade->EffacerMessage();
    if (Onglets->currentWidget() != OngletDegrade)
        return;
    const QList<int> caracteres = Commandes->Selection();
    if (caracteres.isEmpty())
        return OngletDegrade->AfficherCout(std::nullopt);
    const auto niveaux =
        Commandes->NiveauxDegrade(caracteres, OngletDegrade->Couleurs(), OngletDegrade->Pas(),
                                  OngletDegrade->IgnorerEspaces(), OngletDegrade->MelangeChoisi());
    OngletDegrade->AfficherCout(Commandes->LongueurDegrade(caracteres, niveaux), niveaux);
}

// The first step of every command that works on a selection. It gives the boundaries of the
// selected visible characters, the selection widened to whole ones.
bool Fen_Principale::SelectionPresente(const QString &message, QList<int> &caracteres)
{
    caracteres = Commandes->Selection();
    if (!caracteres.isEmpty())
        return true;
    Demandes::Avertir(this, tr("Attention"), message);
    return false;
}

// The guard of the three colouring commands, which share their message.
bool Fen_Principale::SelectionAColorier(QList<int> &caracteres)
{
    return SelectionPresente(
        tr("Veuillez sélectionner la partie du texte à colorier avant de cliquer sur le bouton."),
        caracteres);
}

void Fen_Principale::AppliquerCouleurUnie()
{
    QList<int> caracteres;
    if (SelectionAColorier(caracteres))
        Commandes->Colorier(caracteres, OngletCouleur->Couleur());
}

void Fen_Principale::AppliquerCouleurDeg()
{
    QList<int> caracteres;
    if (SelectionAColorier(caracteres))
        Commandes->AppliquerDegrade(caracteres, OngletDegrade->Couleurs(), OngletDegrade->Pas(),
                                    OngletDegrade->IgnorerEspaces(),
                                    OngletDegrade->MelangeChoisi());
}

// When nothing can fit, nothing changes and the page says why.
void Fen_Principale::AjusterDegrade()
{
    QList<int> caracteres;
    if (!SelectionAColorier(caracteres))
        return;
    const auto longueur =
        Commandes->Ajuster(caracteres, OngletDegrade->Couleurs(), OngletDegrade->IgnorerEspaces(),
                           OngletDegrade->MelangeChoisi());
    const QString texte = EditeurPseudo->toPlainText();
    OngletDegrade->AfficherAjustement(longueur, int(texte.size() + texte.count(u'$')));
}

void Fen_Principale::ReinitialiserTexte()
{
    QList<int> caracteres;
    if (SelectionPresente(
            tr("Veuillez sélectionner la partie du texte à réinitialiser avant de cliquer sur le "
               "bouton."),
            caracteres))
        Commandes->Reinitialiser(caracteres);
}

void Fen_Principale::AppliquerItalique()
{
    QList<int> caracteres;
    if (SelectionPresente(
            tr("Veuillez sélectionner la partie du texte à mettre en forme avant de cliquer sur "
               "le bouton."),
            caracteres))
        Commandes->AppliquerEffets(caracteres, OngletEffet->Italique(), OngletEffet->Gras(),
                                   OngletEffet->Majuscules());
}

// Says what it had to leave out.
void Fen_Principale::ImporterCode(const QString &code)
{
    Sortie->AnnoncerImport(Commandes->Importer(code).omis);
}

void Fen_Principale::ProposerLien(const QString &page)
{
    Sortie->ProposerLien(page);
}

void Fen_Principale::Avertir(const QString &avis)
{
    Sortie->Informer(avis);
}

EtatFenetre Fen_Principale::Etat() const
{
    return {LigneSortie->text(),           OngletCouleur->Couleur(), OngletDegrade->Couleurs(),
            OngletDegrade->Pas(),          Commandes->Espacement(),  Onglets->currentIndex(),
            OngletDegrade->MelangeChoisi()};
}

void Fen_Principale::DefinirEtat(const EtatFenetre &etat)
{
    if (etat.couleur.isValid())
        OngletCouleur->DefinirCouleur(etat.couleur);
    OngletDegrade->DefinirCouleurs(etat.degrade);
    OngletDegrade->DefinirPas(etat.pas);
    OngletDegrade->DefinirMelange(etat.melange);
    Commandes->ChangerEspacement(etat.espacement);
    Onglets->setCurrentIndex(etat.onglet);
    if (!etat.pseudo.isEmpty())
        ImporterCode(etat.pseudo);
    EditeurPseudo->document()->clearUndoRedoStacks();
    Sortie->Informer(QString());
}
