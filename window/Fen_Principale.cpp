#include "window/Fen_Principale.h"

#include "encoder/DecodeurPseudo.h"
#include "encoder/Graphemes.h"
#include "widgets/ChampPseudo.h"
#include "widgets/EtapeAnnulation.h"
#include "widgets/EtapesDegrade.h"
#include "widgets/QFrame_Perso.h"
#include "widgets/SortieCode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <limits>
#include <utility>

namespace {

const char AdresseForum[] = "https://www.tm-forum.com/fr/forum/viewtopic.php?t=24189";

// Widgets are created without a parent; the layouts give them one. The name lets tests and
// style sheets find them.
template <typename Widget, typename... Arguments>
Widget *Nouveau(const char *nom, Arguments &&...arguments)
{
    auto *widget = new Widget(std::forward<Arguments>(arguments)...);
    widget->setObjectName(QLatin1String(nom));
    return widget;
}

QLabel *NouvelleAide(const char *nom, const QString &texte)
{
    auto *aide = Nouveau<QLabel>(nom, texte);
    aide->setWordWrap(true);
    aide->setAlignment(Qt::AlignJustify);
    return aide;
}

// One item per UTF-16 unit, in string order: a combining mark is an item of its own.
void RemplirListe(QComboBox *liste, const QString &caracteres)
{
    for (const QChar caractere : caracteres)
        liste->addItem(QString(caractere));
}

QFont PoliceDuPseudo(int etirement)
{
    QFont police;
    police.setFamily(QStringLiteral("Arial"));
    police.setPointSize(16);
    police.setStretch(etirement);
    return police;
}

// Weight 60 on the old 0..99 scale, a little heavier than normal; Qt 6 maps it for us.
void PoidsSoixante(QFont &police)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    police.setLegacyWeight(60);
    QT_WARNING_POP
}

} // namespace

Fen_Principale::Fen_Principale() : QWidget(nullptr)
{
    AssignerCatalogue();
    CouleurTransparente = QColor(0, 0, 0, 0);
    CouleurParDefaut = QColor(CalculPseudo::CouleurPseudoParDefaut);

    CreerWidgets();
    ConstruirePolices();
    ConstruireCadre();
    RemplirListes();
    ReglerTailles();

    EditeurPseudo->setFont(PoliceNormale);
    EditeurOmbre->setFont(PoliceNormale);
    LigneSortie->setReadOnly(true);
    LigneSortie->setMaxLength(std::numeric_limits<int>::max());
    EditeurOmbre->setReadOnly(true);
    EditeurOmbre->setFocusPolicy(Qt::NoFocus);
    EditeurOmbre->document()->setUndoRedoEnabled(false);
    EditeurPseudo->setFocus();
    OrdonnerClavier();

    // Last, so that building the window runs no slot: the output stays empty until the
    // nickname first changes.
    Connecter();
}

Fen_Principale::~Fen_Principale() = default;

void Fen_Principale::AssignerCatalogue()
{
    Alphabet = QString::fromUtf8(CatalogueCaracteres::Alphabet);
    for (int i = 0; i < CatalogueCaracteres::NombreLettres; ++i)
        ListesRessemblants[i] = QString::fromUtf8(CatalogueCaracteres::Ressemblants[i]);
    DoublesLettres = QString::fromUtf8(CatalogueCaracteres::DoublesLettres);
    Smileys = QString::fromUtf8(CatalogueCaracteres::Smileys);
    Autres = QString::fromUtf8(CatalogueCaracteres::Autres);
}

void Fen_Principale::CreerWidgets()
{
    BoutonInserer = Nouveau<QPushButton>("boutonInserer", tr("&Insérer"));
    BoutonColorier = Nouveau<QPushButton>("boutonColorier", tr("&Colorier le texte sélectionné!"));
    BoutonDegrade =
        Nouveau<QPushButton>("boutonDegrade", tr("&Appliquer le dégradé sur le texte sélectionné"));
    BoutonReinitialiser =
        Nouveau<QPushButton>("boutonReinitialiser", tr("&Réinitialiser le texte sélectionné"));
    BoutonEffet = Nouveau<QPushButton>("boutonEffet", tr("&Appliquer sur le texte sélectionné"));
    BoutonAjuster = Nouveau<QPushButton>("boutonAjuster", tr("A&juster à 45 caractères"));

    RadioRessemblant =
        Nouveau<QRadioButton>("radioRessemblant", tr("Caractère ressemblant à une lettre:"));
    RadioDoubleLettre = Nouveau<QRadioButton>("radioDoubleLettre", tr("Double lettre:"));
    RadioSmiley = Nouveau<QRadioButton>("radioSmiley", tr("Smiley:"));
    RadioAutre = Nouveau<QRadioButton>("radioAutre", tr("Autre:"));
    RadioRessemblant->setChecked(true);

    RadioNormal = Nouveau<QRadioButton>("radioNormal", tr("Normal"));
    RadioSerre = Nouveau<QRadioButton>("radioSerre", tr("Serré"));
    RadioLarge = Nouveau<QRadioButton>("radioLarge", tr("Large"));
    RadioNormal->setChecked(true);

    ListeLettres = Nouveau<QComboBox>("listeLettres");
    ListeRessemblants = Nouveau<QComboBox>("listeRessemblants");
    ListeDoublesLettres = Nouveau<QComboBox>("listeDoublesLettres");
    ListeSmileys = Nouveau<QComboBox>("listeSmileys");
    ListeAutres = Nouveau<QComboBox>("listeAutres");

    PasDegrade = Nouveau<QSpinBox>("pasDegrade");
    CaseItalique = Nouveau<QCheckBox>("caseItalique", tr("Texte en italique"));
    CaseGras = Nouveau<QCheckBox>("caseGras", tr("Texte en gras"));
    CaseMajuscules = Nouveau<QCheckBox>("caseMajuscules", tr("Texte en majuscules"));
    CaseEspaces = Nouveau<QCheckBox>("caseEspaces", tr("Ignorer les espaces"));
    Compteur = Nouveau<QLCDNumber>("compteur", 2u);
    Banniere = Nouveau<QLabel>("banniere");
    Banniere->setPixmap(QPixmap(QStringLiteral(":/GUI/IMG/TitreLogiciel.png")));

    CreerTextes();
    CarreCouleur = Nouveau<QFrame_Perso>("carreCouleur");
    CarreDepart = Nouveau<QFrame_Perso>("carreDepart");
    CarreArrivee = Nouveau<QFrame_Perso>("carreArrivee");
    Etapes = Nouveau<EtapesDegrade>("etapesDegrade", LabelCouleurDepart, CarreDepart,
                                    LabelCouleurArrivee, CarreArrivee);
    CreerEditeurs();
    LigneSortie = Nouveau<QLineEdit>("ligneSortie");
    Sortie = Nouveau<SortieCode>("sortieCode");
    CreerConteneurs();
}

void Fen_Principale::CreerTextes()
{
    LabelPseudo = Nouveau<QLabel>("labelPseudo", tr("Votre Pseudo:"));
    LabelSortie = Nouveau<QLabel>("labelSortie", tr("Texte à copier-coller dans trackmania:"));
    LabelLimite =
        Nouveau<QLabel>("labelLimite", tr("Ce champ ne doit pas dépasser 45 caractères."));
    LabelCompteur = Nouveau<QLabel>("labelCompteur", tr("Nombre de caractères actuels:"));
    LabelCouleur = Nouveau<QLabel>("labelCouleur", tr("Sélectionnez une couleur:"));
    LabelCouleurDepart =
        Nouveau<QLabel>("labelCouleurDepart", tr("Sélectionnez la couleur de départ:"));
    LabelCouleurArrivee =
        Nouveau<QLabel>("labelCouleurArrivee", tr("Sélectionnez la couleur d'arrivée:"));
    AideDegrade = NouvelleAide(
        "aideDegrade",
        tr("Le paramètre ci-dessus permet de faire varier la vitesse du dégradé.<br />Si vous "
           "changez de couleur tous les caractères, le dégradé sera beau mais très consommateur "
           "en nombre de caractères.<br /><strong>Si vous dépassez le nombre de caractères maxi, "
           "essayez d'augmenter ce paramètre.</strong>"));
    AideCouleur = NouvelleAide(
        "aideCouleur",
        tr("Attention, le nombre de couleurs affichables dans un pseudo est limité dans "
           "Trackmania.<br /><strong>Le carré ci-contre vous affiche la couleur telle qu'elle "
           "sera visible dans Trackmania.</strong> Cette couleur peut donc légèrement varier de "
           "celle que vous choisissez de manière précise dans la boite de dialogue."));
    AideCaracteres = NouvelleAide(
        "aideCaracteres",
        tr("Attention, selon les caractéristiques de votre système, <strong>certains caractères "
           "spéciaux peuvent ne pas s'afficher correctement.</strong> C'est le cas si un carré "
           "blanc est visble à la place du caractère attendu.<br />Si vous ne visualisez pas un "
           "caractère qui vous intéresse, essayez de le copier-coller directement dans "
           "Trackmania à partir ") +
            QStringLiteral("<a href = '%1'>").arg(QLatin1String(AdresseForum)) +
            tr("de cette page web.") + QStringLiteral("</a>"));
    AideCaracteres->setOpenExternalLinks(true);
    LabelCout = Nouveau<QLabel>("labelCout");
    // The gradient page's texts keep their lines, which <br /> already breaks: a wrapped label
    // asks for its height only once laid out, too late for the tab's own size.
    AideDegrade->setWordWrap(false);
    MessageAjustement = Nouveau<QLabel>("messageAjustement");
    LabelEspacement = Nouveau<QLabel>("labelEspacement", tr("Espacement des caractères:"));
    AideEspacement = NouvelleAide(
        "aideEspacement",
        tr("Attention, Vivarel ne gère l'espacement des caractères que sur le pseudo dans sa "
           "globalité.<br />C'est le seul effet pour lequel vous ne pouvez pas sélectionner les "
           "caractères à modifier."));
}

void Fen_Principale::CreerConteneurs()
{
    Onglets = Nouveau<QTabWidget>("onglets");
    PageCaracteres = Nouveau<QWidget>("pageCaracteres");
    PageCouleur = Nouveau<QWidget>("pageCouleur");
    PageDegrade = Nouveau<QWidget>("pageDegrade");
    PageEffet = Nouveau<QWidget>("pageEffet");

    DispositionFenetre = new QVBoxLayout;
    RangeePseudo = new QHBoxLayout;
    RangeeSortie = new QHBoxLayout;
    RangeeCompteur = new QHBoxLayout;
    GrilleCaracteres = new QGridLayout;
    GrilleCouleur = new QGridLayout;
    GrilleDegrade = new QGridLayout;
    GrilleEffet = new QGridLayout;
    ColonneEspacement = new QVBoxLayout;
}

// The nickname editor lies inside the shadow editor, so that the shadow's text shows through
// its transparent base one pixel right of and below the typed text. Pair them before anything
// else can scroll either.
void Fen_Principale::CreerEditeurs()
{
    EditeurOmbre = Nouveau<QTextEdit_Perso>("editeurOmbre");
    EditeurPseudo = Nouveau<ChampPseudo>("editeurPseudo");
    EditeurPseudo->setParent(EditeurOmbre);
    EditeurOmbre->DefinirPartenaire(EditeurPseudo);
    EditeurPseudo->DefinirPartenaire(EditeurOmbre);
}

// The stretch carries the nickname's width into the code; the narrow font keeps the default
// weight.
void Fen_Principale::ConstruirePolices()
{
    PoliceNormale = PoliceDuPseudo(CalculPseudo::EtirementNormal);
    PoidsSoixante(PoliceNormale);
    PoliceLarge = PoliceDuPseudo(CalculPseudo::EtirementLarge);
    PoidsSoixante(PoliceLarge);
    PoliceSerree = PoliceDuPseudo(CalculPseudo::EtirementSerre);
}

void Fen_Principale::ConstruireCadre()
{
    DispositionFenetre->addWidget(Banniere);

    RangeePseudo->addWidget(LabelPseudo);
    RangeePseudo->addWidget(EditeurOmbre);
    RangeePseudo->addWidget(BoutonReinitialiser, 0, Qt::AlignCenter);
    DispositionFenetre->addLayout(RangeePseudo);

    DispositionFenetre->addWidget(Onglets);
    Onglets->addTab(PageCaracteres, tr("Caractère spécial"));
    Onglets->addTab(PageCouleur, tr("Couleur uniforme"));
    Onglets->addTab(PageDegrade, tr("Dégradé de couleur"));
    Onglets->addTab(PageEffet, tr("Effet sur le texte"));
    ConstruirePageCaracteres();
    ConstruirePageCouleur();
    ConstruirePageDegrade();
    ConstruirePageEffet();

    RangeeSortie->addWidget(LabelSortie);
    RangeeSortie->addWidget(LigneSortie);
    DispositionFenetre->addLayout(RangeeSortie);
    DispositionFenetre->addWidget(Sortie);

    RangeeCompteur->addWidget(LabelLimite);
    RangeeCompteur->addWidget(LabelCompteur, 0, Qt::AlignRight);
    RangeeCompteur->addWidget(Compteur, 0, Qt::AlignLeft);
    DispositionFenetre->addLayout(RangeeCompteur);

    setLayout(DispositionFenetre);
}

void Fen_Principale::ConstruirePageCaracteres()
{
    PageCaracteres->setLayout(GrilleCaracteres);
    GrilleCaracteres->addWidget(RadioRessemblant, 0, 0, 1, 1);
    GrilleCaracteres->addWidget(RadioDoubleLettre, 1, 0, 1, 1);
    GrilleCaracteres->addWidget(RadioSmiley, 2, 0, 1, 1);
    GrilleCaracteres->addWidget(RadioAutre, 3, 0, 1, 1);
    GrilleCaracteres->addWidget(ListeLettres, 0, 1, 1, 1);
    GrilleCaracteres->addWidget(ListeRessemblants, 0, 2, 1, 1);
    GrilleCaracteres->addWidget(ListeDoublesLettres, 1, 1, 1, 2);
    GrilleCaracteres->addWidget(ListeSmileys, 2, 1, 1, 2);
    GrilleCaracteres->addWidget(ListeAutres, 3, 1, 1, 2);
    GrilleCaracteres->addWidget(BoutonInserer, 4, 0, 1, 6, Qt::AlignCenter);
    GrilleCaracteres->addWidget(AideCaracteres, 0, 3, 4, 3);
}

void Fen_Principale::ConstruirePageCouleur()
{
    PageCouleur->setLayout(GrilleCouleur);
    GrilleCouleur->addWidget(LabelCouleur, 0, 0, 1, 1, Qt::AlignRight);
    GrilleCouleur->addWidget(CarreCouleur, 0, 1, 1, 1, Qt::AlignLeft);
    GrilleCouleur->addWidget(BoutonColorier, 1, 0, 1, 4, Qt::AlignCenter);
    GrilleCouleur->addWidget(AideCouleur, 0, 2, 1, 2);
}

void Fen_Principale::ConstruirePageDegrade()
{
    PageDegrade->setLayout(GrilleDegrade);
    GrilleDegrade->addWidget(Etapes, 0, 0, 1, 3);
    GrilleDegrade->addWidget(PasDegrade, 1, 0);
    GrilleDegrade->addWidget(CaseEspaces, 1, 1);
    GrilleDegrade->addWidget(LabelCout, 1, 2);
    GrilleDegrade->addWidget(AideDegrade, 2, 0, 1, 3);
    GrilleDegrade->addWidget(BoutonDegrade, 3, 0);
    GrilleDegrade->addWidget(BoutonAjuster, 3, 1);
    GrilleDegrade->addWidget(MessageAjustement, 3, 2);
    GrilleDegrade->setColumnStretch(2, 1);
}

void Fen_Principale::ConstruirePageEffet()
{
    PageEffet->setLayout(GrilleEffet);
    GrilleEffet->addLayout(ColonneEspacement, 0, 0, 4, 1);
    ColonneEspacement->addWidget(LabelEspacement, 0, Qt::AlignBottom);
    ColonneEspacement->addWidget(RadioNormal);
    ColonneEspacement->addWidget(RadioSerre);
    ColonneEspacement->addWidget(RadioLarge);
    ColonneEspacement->addWidget(AideEspacement);
    GrilleEffet->addWidget(CaseItalique, 0, 1, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    GrilleEffet->addWidget(CaseGras, 1, 1, 1, 1, Qt::AlignLeft);
    GrilleEffet->addWidget(CaseMajuscules, 2, 1, 1, 1, Qt::AlignLeft);
    GrilleEffet->addWidget(BoutonEffet, 3, 1, 1, 1, Qt::AlignCenter | Qt::AlignTop);
}

void Fen_Principale::RemplirListes()
{
    RemplirListe(ListeLettres, Alphabet);
    RemplirListe(ListeRessemblants, ListesRessemblants[0]);
    RemplirListe(ListeDoublesLettres, DoublesLettres);
    RemplirListe(ListeSmileys, Smileys);
    RemplirListe(ListeAutres, Autres);
}

void Fen_Principale::ReglerTailles()
{
    // The window is never smaller than what it holds: the gradient page, the preview and the
    // import offer need more than the 460 pixels it once had.
    DispositionFenetre->setSizeConstraint(QLayout::SetMinimumSize);
    // At least 501 pixels wide, wider with the window; the nickname editor follows the
    // shadow's size, one pixel up and left.
    EditeurOmbre->setMinimumWidth(501);
    EditeurOmbre->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    EditeurOmbre->setFixedHeight(
        qMax(32, EditeurOmbre->HauteurUneLigne({PoliceNormale, PoliceLarge, PoliceSerree})));
    EditeurPseudo->setGeometry(QRect(QPoint(-1, -1), EditeurOmbre->size()));
    // A whole 45-character code in sight.
    const QString codeType = QStringLiteral("$0123456789abcdefgimnotwz");
    LigneSortie->setMinimumWidth(LigneSortie->fontMetrics().horizontalAdvance(codeType) *
                                     CalculPseudo::NombreCases / int(codeType.size()) +
                                 4 * LigneSortie->fontMetrics().averageCharWidth());
    Banniere->setAlignment(Qt::AlignHCenter);
    // Filled segments in the text colour, twice the text's height: readable at a glance.
    Compteur->setSegmentStyle(QLCDNumber::Filled);
    Compteur->setMinimumHeight(2 * Compteur->fontMetrics().height());
    for (QFrame_Perso *carre : {CarreCouleur, CarreDepart, CarreArrivee})
        carre->setFixedSize(80, 80);
    PasDegrade->setMinimumWidth(290); // its height, and more width, from its text

    QPalette transparente;
    transparente.setBrush(QPalette::All, QPalette::Base,
                          QBrush(CouleurTransparente, Qt::SolidPattern));
    EditeurPseudo->setPalette(transparente);

    PasDegrade->setMinimum(1);
    PasDegrade->setMaximum(20);
    PasDegrade->setValue(1);
    PasDegrade->setPrefix(QStringLiteral("Changer de couleur tout les "));
    PasDegrade->setSuffix(QStringLiteral(" caractère(s)."));
}

// Tab goes through the window in reading order; every button says what it does.
void Fen_Principale::OrdonnerClavier()
{
    const QList<QWidget *> ordre = {
        EditeurPseudo,
        BoutonReinitialiser,
        Onglets,
        RadioRessemblant,
        ListeLettres,
        ListeRessemblants,
        RadioDoubleLettre,
        ListeDoublesLettres,
        RadioSmiley,
        ListeSmileys,
        RadioAutre,
        ListeAutres,
        BoutonInserer,
        CarreCouleur,
        BoutonColorier,
        CarreDepart,
        CarreArrivee,
        Etapes->findChild<QWidget *>(QStringLiteral("boutonAjouterCouleur")),
        PasDegrade,
        CaseEspaces,
        BoutonDegrade,
        BoutonAjuster,
        RadioNormal,
        RadioSerre,
        RadioLarge,
        CaseItalique,
        CaseGras,
        CaseMajuscules,
        BoutonEffet,
        LigneSortie,
        Sortie->findChild<QWidget *>(QStringLiteral("boutonCopier")),
        Sortie->findChild<QWidget *>(QStringLiteral("boutonImporter"))};
    for (int i = 0; i + 1 < ordre.size(); ++i)
        setTabOrder(ordre[i], ordre[i + 1]);

    BoutonReinitialiser->setToolTip(tr("Rend au texte sélectionné l'aspect du texte tapé"));
    BoutonInserer->setToolTip(tr("Met le caractère choisi à la place du curseur"));
    BoutonColorier->setToolTip(tr("Donne au texte sélectionné la couleur du carré"));
    BoutonDegrade->setToolTip(tr("Colore le texte sélectionné en dégradé"));
    BoutonAjuster->setToolTip(
        tr("Place les changements de couleur pour que le code tienne en 45 caractères"));
    BoutonEffet->setToolTip(tr("Applique au texte sélectionné les effets cochés"));
}

void Fen_Principale::Connecter()
{
    connect(EditeurPseudo, &QTextEdit::textChanged, this, &Fen_Principale::MettreAJourPseudoOut);
    connect(ListeLettres, &QComboBox::currentIndexChanged, this,
            &Fen_Principale::ChangerListeCaracteresSpeciaux);
    connect(BoutonInserer, &QPushButton::clicked, this, &Fen_Principale::InsererCaractereChoisi);
    connect(BoutonColorier, &QPushButton::clicked, this, &Fen_Principale::AppliquerCouleurUnie);
    connect(BoutonDegrade, &QPushButton::clicked, this, &Fen_Principale::AppliquerCouleurDeg);
    connect(BoutonReinitialiser, &QPushButton::clicked, this, &Fen_Principale::ReinitialiserTexte);
    connect(BoutonEffet, &QPushButton::clicked, this, &Fen_Principale::AppliquerItalique);
    connect(RadioLarge, &QRadioButton::clicked, this, &Fen_Principale::AppliquerGrosseurTexte);
    connect(RadioSerre, &QRadioButton::clicked, this, &Fen_Principale::AppliquerGrosseurTexte);
    connect(RadioNormal, &QRadioButton::clicked, this, &Fen_Principale::AppliquerGrosseurTexte);
    connect(BoutonAjuster, &QPushButton::clicked, this, &Fen_Principale::AjusterDegrade);
    connect(EditeurPseudo, &ChampPseudo::TexteColle, Sortie, &SortieCode::ProposerImport);
    connect(Sortie, &SortieCode::ImportDemande, this, &Fen_Principale::ImporterCode);
    connect(Etapes, &EtapesDegrade::Modifiees, this, &Fen_Principale::MettreAJourCout);
    connect(PasDegrade, &QSpinBox::valueChanged, this, &Fen_Principale::MettreAJourCout);
    connect(CaseEspaces, &QCheckBox::toggled, this, &Fen_Principale::MettreAJourCout);
    connect(EditeurPseudo, &QTextEdit::selectionChanged, this, &Fen_Principale::MettreAJourCout);
    connect(Onglets, &QTabWidget::currentChanged, this, &Fen_Principale::MettreAJourCout);

    // Undo and redo reach the nickname wherever the focus is, a button just pressed included;
    // the field, when it has the focus, takes the keys first.
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, EditeurPseudo,
            &QTextEdit::undo);
    connect(new QShortcut(QKeySequence::Redo, this), &QShortcut::activated, EditeurPseudo,
            &QTextEdit::redo);
}

// Runs after every change of the nickname editor, text or formatting alike, and after every
// undo and redo. What has not changed is not set again: each setting repaints.
void Fen_Principale::MettreAJourPseudoOut()
{
    MettreAJourOmbre();
    const QString texte = EditeurPseudo->toPlainText();
    Calcul.LireAttributs(EditeurPseudo, CouleurParDefaut);
    const QString code = Calcul.GenererCode(texte);
    if (LigneSortie->text() != code)
        LigneSortie->setText(code);
    AfficherLongueur(code.size());
    Sortie->Afficher(code);
    MettreAJourCout();
}

// Widens the display past two digits rather than let it keep a stale number; past the game's
// limit the label warns in red.
void Fen_Principale::AfficherLongueur(int longueur)
{
    const int chiffres = qMax(2, int(QString::number(longueur).size()));
    if (Compteur->digitCount() != chiffres)
        Compteur->setDigitCount(chiffres);
    if (Compteur->intValue() != longueur)
        Compteur->display(longueur);

    const bool tropLong = longueur > CalculPseudo::NombreCases;
    const QString etiquette = tropLong ? tr("Attention, il y a trop de caractères!")
                                       : tr("Nombre de caractères actuels:");
    if (LabelCompteur->text() == etiquette)
        return;
    LabelCompteur->setText(etiquette);
    QPalette palette;
    if (tropLong)
        palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::red, Qt::SolidPattern));
    LabelCompteur->setPalette(palette);
    Compteur->setPalette(palette);
}

// The shadow is the nickname in translucent black, laid 1 pixel right of and below it.
void Fen_Principale::MettreAJourOmbre()
{
    EditeurOmbre->ReproduireEnOmbre(EditeurPseudo->document(),
                                    QBrush(QColor(0, 0, 0, 150), Qt::SolidPattern));
}

void Fen_Principale::ChangerListeCaracteresSpeciaux(int NumLettre)
{
    if (NumLettre < 0 || NumLettre >= int(ListesRessemblants.size()))
        return;
    ListeRessemblants->clear();
    RemplirListe(ListeRessemblants, ListesRessemblants[NumLettre]);
}

void Fen_Principale::InsererCaractereChoisi()
{
    if (RadioRessemblant->isChecked())
        EditeurPseudo->InsererTexte(ListeRessemblants->currentText());
    if (RadioDoubleLettre->isChecked())
        EditeurPseudo->InsererTexte(ListeDoublesLettres->currentText());
    if (RadioSmiley->isChecked())
        EditeurPseudo->InsererTexte(ListeSmileys->currentText());
    if (RadioAutre->isChecked())
        EditeurPseudo->InsererTexte(ListeAutres->currentText());
}

// The first step of every command that works on a selection. It gives the boundaries of the
// selected visible characters, the selection widened to whole ones.
bool Fen_Principale::SelectionPresente(const QString &message, QList<int> &caracteres)
{
    const int debut = EditeurPseudo->textCursor().selectionStart();
    const int fin = EditeurPseudo->textCursor().selectionEnd();
    if (debut != fin) {
        caracteres = Graphemes::Frontieres(EditeurPseudo->toPlainText(), debut, fin);
        return true;
    }
    QMessageBox::warning(this, tr("Attention"), message, QMessageBox::Ok, QMessageBox::NoButton);
    return false;
}

// The guard of the three colouring commands, which share their message.
bool Fen_Principale::SelectionAColorier(QList<int> &caracteres)
{
    return SelectionPresente(
        tr("Veuillez sélectionner la partie du texte à colorier avant de cliquer sur le bouton."),
        caracteres);
}

// Rewrites each selected visible character's format, all its units alike, in one edit: one
// refresh and one undo step for the whole command. The editor's cursor and selection stay
// where the player left them.
void Fen_Principale::ModifierChaqueCaractere(
    const QList<int> &caracteres, const std::function<void(QTextCharFormat &, int)> &modifier)
{
    QTextDocument *document = EditeurPseudo->document();
    QTextCursor caractere(document);
    caractere.beginEditBlock();
    for (int j = 0; j + 1 < caracteres.size(); ++j) {
        QTextCharFormat format =
            CalculPseudo::CurseurSurCaractere(document, caracteres[j]).charFormat();
        modifier(format, j);
        caractere.setPosition(caracteres[j]);
        caractere.setPosition(caracteres[j + 1], QTextCursor::KeepAnchor);
        caractere.setCharFormat(format);
    }
    caractere.endEditBlock();
}

void Fen_Principale::AppliquerCouleurUnie()
{
    QList<int> caracteres;
    if (!SelectionAColorier(caracteres))
        return;
    QTextCursor selection(EditeurPseudo->document());
    selection.setPosition(caracteres.first());
    selection.setPosition(caracteres.last(), QTextCursor::KeepAnchor);
    QTextCharFormat couleur;
    couleur.setForeground(QBrush(CarreCouleur->RecupererCouleur(), Qt::SolidPattern));
    selection.mergeCharFormat(couleur);
}

// Colours the selection from the start swatch to the end swatch, changing colour every N
// visible characters.
void Fen_Principale::AppliquerCouleurDeg()
{
    QList<int> caracteres;
    if (!SelectionAColorier(caracteres))
        return;

    ColorerNiveaux(caracteres,
                   Degrade::Calculer(Etapes->Couleurs(), PasDegrade->value(),
                                     CaracteresLaisses(EditeurPseudo->toPlainText(), caracteres)));
}

// The same gradient, its colour changes placed so that the whole code fits the game's limit.
// When nothing can fit, nothing changes and the page says why.
void Fen_Principale::AjusterDegrade()
{
    QList<int> caracteres;
    if (!SelectionAColorier(caracteres))
        return;

    const QString texte = EditeurPseudo->toPlainText();
    const auto niveaux =
        Degrade::Ajuster(Etapes->Couleurs(), CaracteresLaisses(texte, caracteres),
                         [&](const std::vector<Degrade::Niveaux> &essai) {
                             return Calcul.LongueurAvecNiveaux(texte, caracteres, essai);
                         });
    if (!niveaux) {
        const int texteSeul = int(texte.size() + texte.count(u'$'));
        MessageAjustement->setText(
            texteSeul > CalculPseudo::NombreCases
                ? tr("Impossible d'ajuster : le texte seul fait déjà %1 caractères.").arg(texteSeul)
                : tr("Impossible d'ajuster : même une seule couleur dépasse 45 caractères."));
        return;
    }
    ColorerNiveaux(caracteres, *niveaux);
    MessageAjustement->setText(
        tr("Dégradé ajusté : le code fait %1 caractères.").arg(LigneSortie->text().size()));
}

// Spaces, when the player asks, are left to the gradient's colour before them.
QList<bool> Fen_Principale::CaracteresLaisses(const QString &texte,
                                              const QList<int> &caracteres) const
{
    QList<bool> laisses;
    for (int j = 0; j + 1 < caracteres.size(); ++j)
        laisses << (CaseEspaces->isChecked() && texte.at(caracteres[j]).isSpace());
    return laisses;
}

void Fen_Principale::ColorerNiveaux(const QList<int> &caracteres,
                                    const std::vector<Degrade::Niveaux> &niveaux)
{
    ModifierChaqueCaractere(caracteres, [&niveaux](QTextCharFormat &format, int j) {
        const QColor couleur(CalculPseudo::ValeurNiveau(niveaux[j][0]),
                             CalculPseudo::ValeurNiveau(niveaux[j][1]),
                             CalculPseudo::ValeurNiveau(niveaux[j][2]), 255);
        format.setForeground(QBrush(couleur, Qt::SolidPattern));
    });
}

// What the code would be with the gradient as it is set up, shown on the gradient page only:
// elsewhere it would cost every keystroke for nothing.
void Fen_Principale::MettreAJourCout()
{
    MessageAjustement->clear();
    if (Onglets->currentWidget() != PageDegrade)
        return;
    const QTextCursor curseur = EditeurPseudo->textCursor();
    if (!curseur.hasSelection()) {
        LabelCout->setText(tr("Sélectionnez du texte pour voir la longueur du code."));
        return;
    }
    const QString texte = EditeurPseudo->toPlainText();
    const QList<int> caracteres =
        Graphemes::Frontieres(texte, curseur.selectionStart(), curseur.selectionEnd());
    const int longueur =
        Calcul.LongueurAvecNiveaux(texte, caracteres,
                                   Degrade::Calculer(Etapes->Couleurs(), PasDegrade->value(),
                                                     CaracteresLaisses(texte, caracteres)));
    LabelCout->setText(tr("Le code fera %1 caractères").arg(longueur));
}

// Takes the selection back to the look of freshly typed text. The width stays the whole
// nickname's: no stretch is written into the characters.
void Fen_Principale::ReinitialiserTexte()
{
    QList<int> caracteres;
    if (!SelectionPresente(
            tr("Veuillez sélectionner la partie du texte à réinitialiser avant de cliquer sur le "
               "bouton."),
            caracteres))
        return;

    ModifierChaqueCaractere(caracteres, [this](QTextCharFormat &format, int) {
        format.setForeground(QBrush(CouleurParDefaut, Qt::SolidPattern));
        format.setFont(PoliceNormale);
        format.clearProperty(QTextFormat::FontStretch);
        format.setFontItalic(false);
        format.setFontCapitalization(QFont::MixedCase);
    });
}

void Fen_Principale::AppliquerItalique()
{
    QList<int> caracteres;
    if (!SelectionPresente(
            tr("Veuillez sélectionner la partie du texte à mettre en forme avant de cliquer sur "
               "le bouton."),
            caracteres))
        return;

    // Each box sets its effect or takes it off; bold is clearly heavier than the nickname's
    // own weight, which the reset writes back.
    const bool italique = CaseItalique->isChecked();
    const bool gras = CaseGras->isChecked();
    const bool majuscules = CaseMajuscules->isChecked();
    const int poidsNormal = PoliceNormale.weight();
    ModifierChaqueCaractere(caracteres, [=](QTextCharFormat &format, int) {
        format.setFontItalic(italique);
        format.setFontWeight(gras ? CalculPseudo::PoidsGras : poidsNormal);
        format.setFontCapitalization(majuscules ? QFont::AllUppercase : QFont::MixedCase);
    });
}

// The spacing is the editors' widget font, which every character takes its stretch from. It is
// no edit of the document, so it goes on the undo stack as a step of its own.
void Fen_Principale::AppliquerGrosseurTexte()
{
    ChangerEspacement(RadioLarge->isChecked()   ? PoliceLarge
                      : RadioSerre->isChecked() ? PoliceSerree
                                                : PoliceNormale);
}

void Fen_Principale::ChangerEspacement(const QFont &police)
{
    const QFont ancienne = EditeurPseudo->font();
    ChoisirPolice(police);
    if (ancienne != police)
        EditeurPseudo->document()->appendUndoItem(
            new EtapeAnnulation([this, ancienne] { ChoisirPolice(ancienne); },
                                [this, police] { ChoisirPolice(police); }));
}

// Replaces the nickname with the one `code` gives, spacing included, as one undo step, and
// says what it had to leave out. The first character's width becomes the whole nickname's;
// only characters of another width carry their own.
void Fen_Principale::ImporterCode(const QString &code)
{
    const DecodeurPseudo::Lecture lecture = DecodeurPseudo::Lire(code);
    const int largeur = lecture.styles.empty() ? 0 : lecture.styles.front() % 10;
    QList<FiltreCollage::Morceau> morceaux;
    for (int i = 0; i < lecture.texte.size(); ++i)
        morceaux.append(
            {lecture.texte.mid(i, 1),
             CalculPseudo::FormatPour(lecture.niveaux[i], lecture.styles[i], CouleurParDefaut,
                                      lecture.styles[i] % 10 != largeur)});
    QTextCursor bloc(EditeurPseudo->document());
    bloc.beginEditBlock();
    ChangerEspacement(largeur == 1 ? PoliceLarge : largeur == 2 ? PoliceSerree : PoliceNormale);
    EditeurPseudo->RemplacerTout(morceaux);
    bloc.endEditBlock();

    QStringList omis;
    for (const DecodeurPseudo::Omission &omission : lecture.omis)
        omis << (omission.genre == DecodeurPseudo::Omission::Ombre
                     ? tr("l'ombre ($s), que Vivarel ne sait pas écrire")
                     : tr("un lien « %1 », dont le texte est gardé").arg(omission.cible));
    Sortie->Informer(
        omis.isEmpty()
            ? tr("Code importé.")
            : tr("Code importé. Laissé de côté : %1.").arg(omis.join(QStringLiteral(", "))));
}

// A font change is no document edit, so the refresh is called here.
void Fen_Principale::ChoisirPolice(const QFont &police)
{
    EditeurPseudo->setFont(police);
    EditeurOmbre->setFont(police);
    EditeurPseudo->ensureCursorVisible();
    QRadioButton *choisi = police.stretch() == CalculPseudo::EtirementLarge   ? RadioLarge
                           : police.stretch() == CalculPseudo::EtirementSerre ? RadioSerre
                                                                              : RadioNormal;
    choisi->setChecked(true);
    MettreAJourPseudoOut();
}
