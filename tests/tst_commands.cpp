#include "BoiteModale.h"
#include "FenetreTest.h"
#include "SansAvertissement.h"
#include "encoder/CollectionDegrades.h"
#include "encoder/Degrade.h"
#include "encoder/Graphemes.h"
#include "widgets/BandeDegrade.h"
#include "widgets/ChampPseudo.h"
#include "widgets/CommandesPseudo.h"
#include "window/PageDegrade.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace {

const QColor Defaut = QColor(CalculPseudo::CouleurPseudoParDefaut);

QColor Niveaux(int rouge, int vert, int bleu)
{
    return QColor(17 * rouge, 17 * vert, 17 * bleu);
}

// What the player can see of one character: its colour and whether it is italic.
struct Apparence
{
    QColor couleur;
    bool italique;
    bool operator==(const Apparence &o) const
    {
        return couleur == o.couleur && italique == o.italique;
    }
};

char *toString(const Apparence &a)
{
    return QTest::toString(
        QStringLiteral("%1%2").arg(a.couleur.name(QColor::HexArgb), a.italique ? " italic" : ""));
}

struct Commandes : FenetreTest
{
    Commandes() { fenetre.show(); }

    void Cliquer(const char *bouton) { Trouver<QAbstractButton>(bouton)->click(); }

    void ChoisirCouleur(const char *carre, const QColor &couleur)
    {
        BoiteModale boite;
        boite.Attendre(couleur);
        QTest::mouseClick(Trouver<QFrame>(carre), Qt::LeftButton);
        boite.Laisser();
        QVERIFY(boite.vue);
    }

    Apparence Voir(int p) const { return {Couleur(p), Format(p).fontItalic()}; }

    // Gives the whole nickname one look, without touching the player's selection.
    void Tout(const QColor &couleur, bool italique)
    {
        QTextCursor tout(editeur->document());
        tout.select(QTextCursor::Document);
        QTextCharFormat format;
        format.setForeground(couleur);
        format.setFontItalic(italique);
        tout.mergeCharFormat(format);
    }

    void Rafraichir() { QMetaObject::invokeMethod(&fenetre, "MettreAJourPseudoOut"); }
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void defaultValues();
    void guardWithoutSelection_data();
    void guardWithoutSelection();
    void uniformColourBeforeAnyPickIsBlack();
    void colourThenResetRestoresOutput();
    void resetRemovesItalicKeepsSpacing();
    void resetGivesPastedTextTheNicknameFont();
    void resetAcrossParagraphBreak();
    void gradient_data();
    void gradient();
    void italic();
    void tickingAloneChangesNothing();
    void spacing_data();
    void spacing();
    void spacingReclickRefreshesOnce();
    void spacingOnEmptyEditor();
    void refreshCounts_data();
    void refreshCounts();
    void walkStaysOnSelectedPositions_data();
    void walkStaysOnSelectedPositions();
    void effects_data();
    void effects();
    void presetsSetTheirStops();
    void stripShowsWhatApplyingGives_data();
    void stripShowsWhatApplyingGives();
    void fitToFortyFive_data();
    void fitToFortyFive();
    void commandsWithoutWindow_data();
    void commandsWithoutWindow();
};

void TestCommands::defaultValues()
{
    Commandes f;
    QCOMPARE(f.Trouver<QSpinBox>("pasDegrade")->value(), 1);
    QVERIFY(!f.Trouver<QCheckBox>("caseItalique")->isChecked());
    QVERIFY(f.Trouver<QRadioButton>("radioNormal")->isChecked());
    f.Taper(QStringLiteral("abc"));
    QCOMPARE(f.sortie->text(), QStringLiteral("abc"));
}

void TestCommands::guardWithoutSelection_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("message");
    const QString colorier = QStringLiteral(
        "Veuillez sélectionner la partie du texte à colorier avant de cliquer sur le bouton.");
    QTest::newRow("uniform colour") << "boutonColorier" << colorier;
    QTest::newRow("gradient") << "boutonDegrade" << colorier;
    QTest::newRow("reset") << "boutonReinitialiser"
                           << "Veuillez sélectionner la partie du texte à réinitialiser avant de "
                              "cliquer sur le bouton.";
    QTest::newRow("italic") << "boutonEffet"
                            << "Veuillez sélectionner la partie du texte à mettre en forme avant "
                               "de cliquer sur le bouton.";
}

void TestCommands::guardWithoutSelection()
{
    QFETCH(QString, bouton);
    QFETCH(QString, message);
    Commandes f;
    f.Taper(QStringLiteral("a$cd"));
    f.ChoisirCouleur("carreCouleur", QColor(255, 0, 0));
    f.ChoisirCouleur("carreArrivee", QColor(255, 0, 0));
    f.Trouver<QCheckBox>("caseItalique")->setChecked(true);
    f.PlacerCurseur(2);
    const QString sortie = f.sortie->text();
    QList<QTextCharFormat> formats;
    for (int p = 0; p < 4; ++p)
        formats << f.Format(p);

    QSignalSpy modifications(f.editeur, &QTextEdit::textChanged);
    BoiteModale boite;
    boite.Attendre();
    f.Cliquer(qPrintable(bouton));
    boite.Laisser();
    QVERIFY(boite.vue);
    QCOMPARE(boite.titre, QStringLiteral("Attention"));
    QCOMPARE(boite.texte, message);
    QCOMPARE(modifications.count(), 0);
    QCOMPARE(f.sortie->text(), sortie);
    for (int p = 0; p < 4; ++p)
        QCOMPARE(f.Format(p), formats[p]);
}

void TestCommands::uniformColourBeforeAnyPickIsBlack()
{
    Commandes f;
    f.Taper(QStringLiteral("abcd"));
    f.Selectionner(1, 3);
    f.Cliquer("boutonColorier");
    QCOMPARE(f.Couleur(1), QColor(0, 0, 0, 255));
    QCOMPARE(f.Couleur(2), QColor(0, 0, 0, 255));
    QCOMPARE(f.sortie->text(), QStringLiteral("a$000bc$zd"));
    QCOMPARE(f.editeur->textCursor().selectionStart(), 1);
    QCOMPARE(f.editeur->textCursor().selectionEnd(), 3);
}

void TestCommands::colourThenResetRestoresOutput()
{
    Commandes f;
    f.Taper(QStringLiteral("Bob$x"));
    f.Trouver<QRadioButton>("radioLarge")->click();
    const QString avant = f.sortie->text();
    QCOMPARE(avant, QStringLiteral("$wBob$$x"));

    f.ChoisirCouleur("carreCouleur", QColor(160, 200, 40));
    f.Selectionner(1, 4);
    f.Cliquer("boutonColorier");
    QCOMPARE(f.sortie->text(), QStringLiteral("$wB$9c2ob$$$gx"));
    f.Cliquer("boutonReinitialiser");
    QCOMPARE(f.sortie->text(), avant);
}

void TestCommands::resetRemovesItalicKeepsSpacing()
{
    Commandes f;
    f.Taper(QStringLiteral("abcd"));
    f.Tout(QColor(255, 0, 0), true);
    f.Selectionner(1, 3);
    f.Cliquer("boutonReinitialiser");
    QCOMPARE(f.Voir(0), (Apparence{QColor(255, 0, 0), true}));
    QCOMPARE(f.Voir(1), (Apparence{Defaut, false}));
    QCOMPARE(f.Voir(2), (Apparence{Defaut, false}));
    QCOMPARE(f.Voir(3), (Apparence{QColor(255, 0, 0), true}));
    QCOMPARE(f.sortie->text(), QStringLiteral("$i$f00a$zbc$i$f00d"));

    // The reset characters take the spacing chosen afterwards, like all others.
    f.Trouver<QRadioButton>("radioLarge")->click();
    QCOMPARE(f.sortie->text(), QStringLiteral("$w$i$f00a$i$gbc$i$f00d"));
    f.Trouver<QRadioButton>("radioSerre")->click();
    QCOMPARE(f.sortie->text(), QStringLiteral("$n$i$f00a$i$gbc$i$f00d"));
}

void TestCommands::resetGivesPastedTextTheNicknameFont()
{
    Commandes f;
    f.Taper(QStringLiteral("xyz"));
    QTextCharFormat autre;
    autre.setFontFamilies({QStringLiteral("Courier New")});
    autre.setFontPointSize(30);
    autre.setFontWeight(QFont::Bold);
    autre.setFontUnderline(true);
    autre.setFontOverline(true);
    autre.setFontStrikeOut(true);
    QTextCursor tout(f.editeur->document());
    tout.select(QTextCursor::Document);
    tout.mergeCharFormat(autre);
    QVERIFY(f.Format(1).fontUnderline());

    f.Selectionner(0, 3);
    f.Cliquer("boutonReinitialiser");
    for (int p = 0; p < 3; ++p) {
        const QTextCharFormat format = f.Format(p);
        QCOMPARE(format.font().family(), QStringLiteral("Arial"));
        QCOMPARE(format.font().pointSize(), 16);
        QCOMPARE(format.fontWeight(), f.editeur->font().weight());
        QVERIFY(format.fontWeight() > QFont::Normal && format.fontWeight() < QFont::Bold);
        QVERIFY(!format.fontUnderline());
        QVERIFY(!format.fontOverline());
        QVERIFY(!format.fontStrikeOut());
        QVERIFY(!format.hasProperty(QTextFormat::FontStretch));
    }
    QCOMPARE(f.sortie->text(), QStringLiteral("xyz"));
}

// Return breaks no line: the nickname stays one line and the code holds no line break.
void TestCommands::resetAcrossParagraphBreak()
{
    Commandes f;
    f.Taper(QStringLiteral("ab"));
    QTest::keyClick(f.editeur, Qt::Key_Return);
    f.Taper(QStringLiteral("cd"));
    QCOMPARE(f.editeur->toPlainText(), QStringLiteral("abcd"));
    f.Tout(QColor(0, 0, 255), true);
    f.Selectionner(1, 3);
    f.Cliquer("boutonReinitialiser");
    QCOMPARE(f.Voir(0), (Apparence{QColor(0, 0, 255), true}));
    QCOMPARE(f.Voir(1), (Apparence{Defaut, false}));
    QCOMPARE(f.Voir(2), (Apparence{Defaut, false}));
    QCOMPARE(f.Voir(3), (Apparence{QColor(0, 0, 255), true}));
    QCOMPARE(f.sortie->text(), QStringLiteral("$i$00fa$zbc$i$00fd"));
}

void TestCommands::gradient_data()
{
    QTest::addColumn<int>("longueur");
    QTest::addColumn<QColor>("depart");
    QTest::addColumn<QColor>("arrivee");
    QTest::addColumn<int>("pas");
    QTest::addColumn<QList<QColor>>("attendu");

    QTest::newRow("red to blue, every character")
        << 5 << Niveaux(15, 0, 0) << Niveaux(0, 0, 15) << 1
        << QList<QColor>{Niveaux(15, 0, 0), Niveaux(12, 0, 3), Niveaux(9, 0, 6), Niveaux(6, 0, 9),
                         Niveaux(0, 0, 15)};
    QTest::newRow("red to blue, every second character")
        << 5 << Niveaux(15, 0, 0) << Niveaux(0, 0, 15) << 2
        << QList<QColor>{Niveaux(15, 0, 0), Niveaux(15, 0, 0), Niveaux(9, 0, 6), Niveaux(9, 0, 6),
                         Niveaux(0, 0, 15)};

    QList<QColor> gris;
    for (int niveau : {0, 0, 0, 5, 5, 5, 9, 9, 9, 15})
        gris << Niveaux(niveau, niveau, niveau);
    QTest::newRow("black to white, every third")
        << 10 << Niveaux(0, 0, 0) << Niveaux(15, 15, 15) << 3 << gris;

    QList<QColor> demis;
    for (int i = 0; i < 29; ++i)
        demis << Niveaux((i + 1) / 2, (i + 1) / 2, (i + 1) / 2); // halves go up
    demis << Niveaux(15, 15, 15);
    QTest::newRow("thirty characters land on halves")
        << 30 << Niveaux(0, 0, 0) << Niveaux(15, 15, 15) << 1 << demis;

    const int rouges[] = {15, 13, 11, 9, 6, 4, 0};
    const int bleus[] = {0, 2, 4, 6, 9, 11, 15};
    QList<QColor> jauneCyan;
    for (int i = 0; i < 7; ++i)
        jauneCyan << Niveaux(rouges[i], 15, bleus[i]);
    QTest::newRow("yellow to cyan")
        << 7 << Niveaux(15, 15, 0) << Niveaux(0, 15, 15) << 1 << jauneCyan;

    QList<QColor> sansPas(9, Niveaux(0, 0, 0));
    sansPas << Niveaux(15, 15, 15);
    QTest::newRow("step longer than the selection")
        << 10 << Niveaux(0, 0, 0) << Niveaux(15, 15, 15) << 20 << sansPas;
    QTest::newRow("one character gets the end colour")
        << 1 << Niveaux(15, 0, 0) << Niveaux(0, 0, 15) << 1 << QList<QColor>{Niveaux(0, 0, 15)};
    QTest::newRow("two characters") << 2 << Niveaux(15, 0, 0) << Niveaux(0, 0, 15) << 1
                                    << QList<QColor>{Niveaux(15, 0, 0), Niveaux(0, 0, 15)};
    QTest::newRow("equal start and end")
        << 6 << Niveaux(3, 7, 11) << Niveaux(3, 7, 11) << 1 << QList<QColor>(6, Niveaux(3, 7, 11));
}

void TestCommands::gradient()
{
    QFETCH(int, longueur);
    QFETCH(QColor, depart);
    QFETCH(QColor, arrivee);
    QFETCH(int, pas);
    QFETCH(QList<QColor>, attendu);

    Commandes f;
    f.Taper(QStringLiteral("<") + QString(longueur, u'x') + QStringLiteral(">"));
    f.Tout(Defaut, true);
    f.ChoisirCouleur("carreDepart", depart);
    f.ChoisirCouleur("carreArrivee", arrivee);
    f.Trouver<QSpinBox>("pasDegrade")->setValue(pas);
    f.Selectionner(1, longueur + 1);
    f.Cliquer("boutonDegrade");

    QCOMPARE(f.Voir(0), (Apparence{Defaut, true}));
    for (int j = 0; j < longueur; ++j)
        QCOMPARE(f.Voir(j + 1), (Apparence{attendu[j], true}));
    QCOMPARE(f.Voir(longueur + 1), (Apparence{Defaut, true}));
}

void TestCommands::italic()
{
    Commandes f;
    f.Taper(QStringLiteral("abcde"));
    f.ChoisirCouleur("carreCouleur", QColor(0, 255, 0));
    f.Selectionner(1, 2);
    f.Cliquer("boutonColorier");

    f.Trouver<QCheckBox>("caseItalique")->click();
    f.Selectionner(0, 4);
    f.Cliquer("boutonEffet");
    QCOMPARE(f.Voir(1), (Apparence{QColor(0, 255, 0), true}));
    QCOMPARE(f.Voir(3), (Apparence{Defaut, true}));
    QCOMPARE(f.Voir(4), (Apparence{Defaut, false}));
    QCOMPARE(f.sortie->text(), QStringLiteral("$ia$0f0b$gcd$ze"));

    f.Trouver<QCheckBox>("caseItalique")->click();
    f.Selectionner(2, 3);
    f.Cliquer("boutonEffet");
    QCOMPARE(f.Voir(1), (Apparence{QColor(0, 255, 0), true}));
    QCOMPARE(f.Voir(2), (Apparence{Defaut, false}));
    QCOMPARE(f.Voir(3), (Apparence{Defaut, true}));
    QCOMPARE(f.sortie->text(), QStringLiteral("$ia$0f0b$zc$id$ze"));
}

void TestCommands::tickingAloneChangesNothing()
{
    Commandes f;
    f.Taper(QStringLiteral("abc"));
    f.Selectionner(0, 3);
    QSignalSpy modifications(f.editeur, &QTextEdit::textChanged);
    f.Trouver<QCheckBox>("caseItalique")->click();
    f.Trouver<QCheckBox>("caseItalique")->click();
    f.Trouver<QCheckBox>("caseItalique")->click();
    QCOMPARE(modifications.count(), 0);
    QCOMPARE(f.sortie->text(), QStringLiteral("abc"));
}

void TestCommands::spacing_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("etirement");
    QTest::newRow("wide") << "radioLarge"
                          << "$wab$$c" << int(CalculPseudo::EtirementLarge);
    QTest::newRow("narrow") << "radioSerre"
                            << "$nab$$c" << int(CalculPseudo::EtirementSerre);
    QTest::newRow("normal") << "radioNormal"
                            << "ab$$c" << int(CalculPseudo::EtirementNormal);
}

void TestCommands::spacing()
{
    QFETCH(QString, bouton);
    QFETCH(QString, code);
    QFETCH(int, etirement);
    Commandes f;
    f.Trouver<QRadioButton>(bouton == "radioLarge" ? "radioSerre" : "radioLarge")->click();
    f.Taper(QStringLiteral("ab$"));
    f.Selectionner(0, 1); // spacing ignores the selection
    f.Trouver<QRadioButton>(qPrintable(bouton))->click();
    f.PlacerCurseur(3);
    f.Taper(QStringLiteral("c"));
    QCOMPARE(f.sortie->text(), code);
    QCOMPARE(f.editeur->font().stretch(), etirement);
    QCOMPARE(f.ombre->font(), f.editeur->font());
    QCOMPARE(f.Format(3, f.ombre).font().stretch(), etirement);
}

void TestCommands::spacingReclickRefreshesOnce()
{
    Commandes f;
    f.Taper(QStringLiteral("abc"));
    // The shadow follows edits of the nickname only: a spacing already chosen rewrites nothing.
    QSignalSpy ombre(f.ombre, &QTextEdit::textChanged);
    f.Trouver<QRadioButton>("radioNormal")->click();
    QVERIFY(f.Trouver<QRadioButton>("radioNormal")->isChecked());
    QCOMPARE(ombre.count(), 0);
    QCOMPARE(f.sortie->text(), QStringLiteral("abc"));
    f.editeur->undo();
    QCOMPARE(f.sortie->text(), QString());
}

void TestCommands::spacingOnEmptyEditor()
{
    Commandes f;
    f.Trouver<QRadioButton>("radioLarge")->click();
    QCOMPARE(f.sortie->text(), QString());
    QCOMPARE(f.compteur->intValue(), 0);
    f.Taper(QStringLiteral("a"));
    QCOMPARE(f.sortie->text(), QStringLiteral("$wa"));
}

void TestCommands::refreshCounts_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<int>("rafraichissements"); // for 6 selected characters: one edit each
    QTest::newRow("uniform colour") << "boutonColorier" << 1;
    QTest::newRow("reset") << "boutonReinitialiser" << 1;
    QTest::newRow("gradient") << "boutonDegrade" << 1;
    QTest::newRow("italic") << "boutonEffet" << 1;
}

void TestCommands::refreshCounts()
{
    QFETCH(QString, bouton);
    QFETCH(int, rafraichissements);
    Commandes f;
    f.Taper(QStringLiteral("abcdefgh"));
    f.ChoisirCouleur("carreArrivee", QColor(255, 255, 255));
    f.Trouver<QCheckBox>("caseItalique")->setChecked(true);
    f.Tout(QColor(0, 0, 255), false);
    f.Selectionner(1, 7);
    // Every edit of the nickname runs the refresh once, through textChanged.
    QSignalSpy modifications(f.editeur, &QTextEdit::textChanged);
    f.Cliquer(qPrintable(bouton));
    QCOMPARE(modifications.count(), rafraichissements);
    const QString derniere = f.sortie->text();
    f.Rafraichir();
    QCOMPARE(f.sortie->text(), derniere);
}

void TestCommands::walkStaysOnSelectedPositions_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QColor>("couleur");
    QTest::addColumn<bool>("italique");
    QTest::newRow("uniform colour") << "boutonColorier" << QColor(255, 0, 0) << true;
    QTest::newRow("gradient") << "boutonDegrade" << QColor(255, 0, 0) << true;
    QTest::newRow("reset") << "boutonReinitialiser" << Defaut << false;
    QTest::newRow("italic off") << "boutonEffet" << QColor(0, 0, 255) << false;
}

void TestCommands::walkStaysOnSelectedPositions()
{
    QFETCH(QString, bouton);
    QFETCH(QColor, couleur);
    QFETCH(bool, italique);
    Commandes f;
    // F + vowel sign (one cluster) before the selection, a surrogate pair inside it.
    const QString texte = QStringLiteral("F") + QChar(0x093F) + QStringLiteral("ab") +
                          QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("cd");
    f.editeur->insertPlainText(texte);
    QCOMPARE(f.editeur->toPlainText(), texte);
    f.Tout(QColor(0, 0, 255), true);
    for (const char *carre : {"carreCouleur", "carreDepart", "carreArrivee"})
        f.ChoisirCouleur(carre, QColor(255, 0, 0));
    f.Selectionner(3, 7); // b, the pair, c
    f.Cliquer(qPrintable(bouton));

    for (int p = 0; p < texte.size(); ++p) {
        const bool choisi = p >= 3 && p < 7;
        QCOMPARE(f.Voir(p),
                 (choisi ? Apparence{couleur, italique} : Apparence{QColor(0, 0, 255), true}));
    }
    QCOMPARE(f.editeur->textCursor().selectionStart(), 3);
    QCOMPARE(f.editeur->textCursor().selectionEnd(), 7);
}

void TestCommands::effects_data()
{
    QTest::addColumn<QStringList>("cases");
    QTest::addColumn<QString>("code");
    QTest::newRow("bold") << QStringList{"caseGras"} << "a$obcd$ze";
    QTest::newRow("capitals") << QStringList{"caseMajuscules"} << "a$tbcd$ze";
    QTest::newRow("all three") << QStringList{"caseItalique", "caseGras", "caseMajuscules"}
                               << "a$i$o$tbcd$ze";
}

// Bold shows clearly heavier than the nickname, capitals as capitals; a reset takes both off.
void TestCommands::effects()
{
    QFETCH(QStringList, cases);
    QFETCH(QString, code);
    Commandes f;
    f.Taper(QStringLiteral("abcde"));
    for (const QString &nom : cases)
        f.Trouver<QCheckBox>(qPrintable(nom))->setChecked(true);
    f.Selectionner(1, 4);
    f.Cliquer("boutonEffet");
    QCOMPARE(f.sortie->text(), code);
    QCOMPARE(f.Format(2).fontWeight() > f.editeur->font().weight(), cases.contains("caseGras"));
    QCOMPARE(f.Format(2).fontCapitalization() == QFont::AllUppercase,
             cases.contains("caseMajuscules"));
    f.Cliquer("boutonReinitialiser");
    QCOMPARE(f.sortie->text(), QStringLiteral("abcde"));
}

// Choosing a preset with the keyboard sets its stops and blend, and applies nothing.
void TestCommands::presetsSetTheirStops()
{
    Commandes f;
    f.Trouver<QTabWidget>("onglets")->setCurrentIndex(2);
    f.Taper(QStringLiteral("abc"));
    auto *page = f.Trouver<PageDegrade>("pageDegrade");
    auto *liste = f.Trouver<QComboBox>("comboPreReglages");
    QCOMPARE(liste->currentIndex(), -1);
    const QList<CollectionDegrades::Entree> preReglages = CollectionDegrades::PreReglages();
    QVERIFY(preReglages.size() >= 8);
    for (const CollectionDegrades::Entree &preReglage : preReglages) {
        QTest::keyClick(liste, Qt::Key_Down);
        QCOMPARE(liste->currentText(), preReglage.nom);
        QCOMPARE(page->Couleurs(), preReglage.couleurs);
        QCOMPARE(page->MelangeChoisi(), preReglage.melange);
        QCOMPARE(f.sortie->text(), QStringLiteral("abc"));
    }
    // Changed by hand, the gradient is no longer the preset.
    f.Trouver<QSpinBox>("pasDegrade")->setValue(2);
    QCOMPARE(liste->currentIndex(), -1);
}

// The strip shows, character by character, the colour applying the gradient gives.
void TestCommands::stripShowsWhatApplyingGives_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("debut");
    QTest::addColumn<int>("fin");
    QTest::addColumn<int>("preReglage");
    QTest::addColumn<int>("pas");
    QTest::addColumn<bool>("espaces");
    QTest::newRow("rainbow, hue") << "Vivarel Pro" << 0 << 11 << 0 << 1 << false;
    QTest::newRow("fire, OKLab, step 2, spaces") << "Vivarel Pro" << 2 << 9 << 1 << 2 << true;
    QTest::newRow("gold, RGB, step 3, emoji")
        << QString::fromUtf8("a👍🏽b c d e") << 0 << 12 << 7 << 3 << true;
    QTest::newRow("one character") << "xyz" << 1 << 2 << 6 << 1 << false;
}

void TestCommands::stripShowsWhatApplyingGives()
{
    QFETCH(QString, texte);
    QFETCH(int, debut);
    QFETCH(int, fin);
    QFETCH(int, preReglage);
    QFETCH(int, pas);
    QFETCH(bool, espaces);
    Commandes f;
    f.Trouver<QTabWidget>("onglets")->setCurrentIndex(2);
    f.editeur->insertPlainText(texte);
    for (int i = 0; i <= preReglage; ++i)
        QTest::keyClick(f.Trouver<QComboBox>("comboPreReglages"), Qt::Key_Down);
    f.Trouver<QSpinBox>("pasDegrade")->setValue(pas);
    f.Trouver<QCheckBox>("caseEspaces")->setChecked(espaces);
    f.Selectionner(debut, fin);
    auto *bande = f.Trouver<BandeDegrade>("bandeDegrade");
    const QImage image = bande->grab().toImage();
    f.Cliquer("boutonDegrade");
    const QList<int> frontieres = Graphemes::Frontieres(texte, debut, fin);
    QCOMPARE(bande->Couleurs().size(), frontieres.size() - 1);
    for (int i = 0; i + 1 < frontieres.size(); ++i)
        QCOMPARE(image.pixelColor(bande->Case(i).center()), f.Couleur(frontieres[i]));
}

void TestCommands::fitToFortyFive_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("debut");
    QTest::addColumn<int>("fin");
    QTest::addColumn<bool>("vert");     // a green stop between red and blue
    QTest::addColumn<QString>("refus"); // why nothing fits, if nothing does
    QTest::addColumn<int>("melange");
    QTest::newRow("10 characters") << "Vivarel 10" << 0 << 10 << true << QString() << 0;
    QTest::newRow("30 characters, codes around")
        << "ab" + QString(26, u'x') + "yz" << 2 << 28 << false << QString() << 0;
    QTest::newRow("the text alone is too long")
        << QString(50, u'a') << 0 << 10 << true
        << "Impossible d'ajuster : le texte seul fait déjà 50 caractères." << 0;
    QTest::newRow("a single colour overflows")
        << QString(38, u'a') << 10 << 20 << true
        << "Impossible d'ajuster : même une seule couleur dépasse 45 caractères." << 0;
    QTest::newRow("10 characters, OKLab")
        << "Vivarel 10" << 0 << 10 << true << QString() << int(Melange::OKLab);
    QTest::newRow("30 characters, hue")
        << "ab" + QString(26, u'x') + "yz" << 2 << 28 << false << QString() << int(Melange::Teinte);
}

// The fitted gradient's code fits, and it strays from the ideal less than any uniform step
// whose code fits; each step's announced length is the one it gives.
void TestCommands::fitToFortyFive()
{
    QFETCH(QString, texte);
    QFETCH(int, debut);
    QFETCH(int, fin);
    QFETCH(bool, vert);
    QFETCH(QString, refus);
    QFETCH(int, melange);
    Commandes f;
    f.Trouver<QTabWidget>("onglets")->setCurrentIndex(2);
    f.Trouver<QComboBox>("comboMelange")->setCurrentIndex(melange);
    f.Taper(texte);
    f.Trouver<QRadioButton>("radioLarge")->click();
    f.Trouver<QCheckBox>("caseItalique")->setChecked(true);
    f.Selectionner(texte.size() - 1, texte.size());
    f.Cliquer("boutonEffet");
    QList<QColor> couleurs = {QColor(255, 0, 0), QColor(0, 0, 255)};
    f.ChoisirCouleur("carreDepart", couleurs.first());
    f.ChoisirCouleur("carreArrivee", couleurs.last());
    if (vert) {
        f.Cliquer("boutonAjouterCouleur");
        f.ChoisirCouleur("carreIntermediaire1", QColor(0, 255, 0));
        couleurs.insert(1, QColor(0, 255, 0));
    }
    f.Selectionner(debut, fin);
    const QString avant = f.sortie->text();
    f.Cliquer("boutonAjuster");
    if (!refus.isEmpty()) {
        QCOMPARE(f.Trouver<LigneMessage>("messageAjustement")->text(), refus);
        QCOMPARE(f.sortie->text(), avant);
        return;
    }
    QVERIFY(f.sortie->text().size() <= CalculPseudo::NombreCases);
    auto ecart = [&] {
        std::vector<Degrade::Niveaux> niveaux;
        for (int p = debut; p < fin; ++p)
            niveaux.push_back(
                {f.Couleur(p).red() / 17, f.Couleur(p).green() / 17, f.Couleur(p).blue() / 17});
        return Degrade::Ecart(niveaux, couleurs, QList<bool>(fin - debut, false), Melange(melange));
    };
    const double ajuste = ecart();
    double meilleurUniforme = 1e9;
    for (int pas = 1; pas <= 20; ++pas) {
        f.editeur->undo();
        f.Selectionner(debut, fin);
        f.Trouver<QSpinBox>("pasDegrade")->setValue(pas);
        const QString annonce = f.Trouver<LigneMessage>("labelCout")->text();
        f.Cliquer("boutonDegrade");
        QCOMPARE(annonce,
                 QStringLiteral("Le code fera %1 caractères").arg(f.sortie->text().size()));
        if (f.sortie->text().size() <= CalculPseudo::NombreCases)
            meilleurUniforme = std::min(meilleurUniforme, ecart());
    }
    // Here uneven change points do better than any uniform step (none fits the 30).
    QVERIFY2(ajuste < meilleurUniforme, qPrintable(QString::number(meilleurUniforme)));
}

using Commande = std::function<void(CommandesPseudo &, const QList<int> &)>;
Q_DECLARE_METATYPE(Commande)

void TestCommands::commandsWithoutWindow_data()
{
    QTest::addColumn<Commande>("commande");
    QTest::addColumn<QString>("code");
    const QList<QColor> rougeBleu = {Niveaux(15, 0, 0), Niveaux(0, 0, 15)};
    QTest::newRow("colour") << Commande([](CommandesPseudo &c, const QList<int> &s) {
        c.Colorier(s, Niveaux(15, 0, 0));
    }) << "$0f0a$i$f00b$ic$zd";
    QTest::newRow("gradient") << Commande([=](CommandesPseudo &c, const QList<int> &s) {
        c.AppliquerDegrade(s, rougeBleu, 1, false);
    }) << "$0f0a$i$f00b$i$00fc$zd";
    QTest::newRow("fit") << Commande([=](CommandesPseudo &c, const QList<int> &s) {
        QCOMPARE(c.Ajuster(s, rougeBleu, false), std::optional<int>(22));
    }) << "$0f0a$i$f00b$i$00fc$zd";
    QTest::newRow("reset") << Commande([](CommandesPseudo &c, const QList<int> &s) {
        c.Reinitialiser(s);
    }) << "$0f0a$zbcd";
    QTest::newRow("effects") << Commande([](CommandesPseudo &c, const QList<int> &s) {
        c.AppliquerEffets(s, false, true, true);
    }) << "$0f0a$o$tb$gc$zd";
    QTest::newRow("spacing") << Commande([](CommandesPseudo &c, const QList<int> &) {
        c.ChangerEspacement(CalculPseudo::EtirementLarge);
    }) << "$w$0f0a$ib$i$gcd";
    QTest::newRow("insert") << Commande([](CommandesPseudo &c, const QList<int> &) {
        c.Inserer(QStringLiteral("$"));
    }) << "$0f0a$$$zd";
    QTest::newRow("import") << Commande([](CommandesPseudo &c, const QList<int> &) {
        c.Importer(QStringLiteral("$n$f00x"));
    }) << "$n$f00x";
}

// Each command on a small nickname, with no window: what it writes, one undo step, and an undo
// that gives back every character's look exactly.
void TestCommands::commandsWithoutWindow()
{
    QFETCH(Commande, commande);
    QFETCH(QString, code);
    QTextEdit_Perso ombre;
    auto *champ = new ChampPseudo;
    champ->setParent(&ombre);
    CalculPseudo calcul;
    CommandesPseudo commandes(champ, &ombre, calcul);
    // The code, and every character's whole format.
    const auto lire = [&] {
        calcul.LireAttributs(champ, Defaut);
        QList<QTextCharFormat> formats;
        for (int p = 0; p < champ->toPlainText().size(); ++p)
            formats << CalculPseudo::CurseurSurCaractere(champ->document(), p).charFormat();
        return std::make_pair(calcul.GenererCode(champ->toPlainText()), formats);
    };
    commandes.Importer(QStringLiteral("$0f0a$ib$zcd"));
    champ->document()->clearUndoRedoStacks();
    QTextCursor selection(champ->document());
    selection.setPosition(1);
    selection.setPosition(3, QTextCursor::KeepAnchor);
    champ->setTextCursor(selection);
    const auto avant = lire();

    commande(commandes, commandes.Selection());
    const auto apres = lire();
    QCOMPARE(apres.first, code);
    champ->undo();
    QCOMPARE(lire().first, avant.first);
    QVERIFY(lire().second == avant.second);
    QVERIFY(!champ->document()->isUndoAvailable());
    champ->redo();
    QCOMPARE(lire().first, apres.first);
    QVERIFY(lire().second == apres.second);
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
