#include "BoiteModale.h"
#include "FenetreTest.h"
#include "Police.h"
#include "SansAvertissement.h"
#include "app/Demarrage.h"
#include "encoder/DecodeurPseudo.h"
#include "encoder/Graphemes.h"
#include "widgets/ApercuJeu.h"
#include "widgets/PressePapiers.h"
#include "widgets/QFrame_Perso.h"
#include "window/PageCaracteres.h"
#include "window/PageCouleur.h"
#include "window/PageDegrade.h"
#include "window/PageEffet.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QSpinBox>
#include <QTabWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QColor Defaut = QColor(CalculPseudo::CouleurPseudoParDefaut);

QStringList Items(QComboBox *liste)
{
    QStringList items;
    for (int i = 0; i < liste->count(); ++i)
        items << liste->itemText(i);
    return items;
}

void Coller(QTextEdit *editeur, QMimeData *donnees)
{
    QApplication::clipboard()->setMimeData(donnees);
    editeur->paste();
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void defaultValues();
    void editorsLieOneOverTheOther();
    void firstCharacterTakesDefaultColour_data();
    void firstCharacterTakesDefaultColour();
    void shadowCopiesTextInTranslucentBlack();
    void countLabelWarnsPast45();
    void countDisplayShowsTrueLength();
    void pastePlainTextIsColoured();
    void pasteKeepsItsOwnColours();
    void pasteOfBlackRichTextKeepsItsItalics();
    void emptiedEditorColoursAgain();
    void lookAlikeListFollowsLetter_data();
    void lookAlikeListFollowsLetter();
    void reselectingLetterKeepsList();
    void otherSymbolsHoldCombiningMarks();
    void insertTakesCheckedCategory_data();
    void insertTakesCheckedCategory();
    void insertReplacesSelection();
    void insertTakesColourOfStretch();
    void insertIntoEmptyEditorIsLikeTyping();
    void swatchChangeLeavesNicknameAlone();
    void importReplacesNickname_data();
    void importReplacesNickname();
    void importKeepsMarksApart_data();
    void importKeepsMarksApart();
    void pasteOffersImport();
    void copyAndPreview();
    void copySaysWhatTheClipboardDid_data();
    void copySaysWhatTheClipboardDid();
    void keyboardReachesEverything();
    void catalogueHasGlyphs();
    void longMessageKeepsTheWindow();
    void pageDefaultValues_data();
    void pageDefaultValues();
    void keystrokeRepaintsOnlyWhatChanged_data();
    void keystrokeRepaintsOnlyWhatChanged();
    void quitShortcutCloses();
    void everyControlHasAName();
    void noFrenchUnderAnotherLanguage_data();
    void noFrenchUnderAnotherLanguage();
};

void TestWindow::defaultValues()
{
    FenetreTest f;
    QVERIFY(f.sortie->text().isEmpty());
    QVERIFY(f.sortie->isReadOnly());
    QCOMPARE(f.compteur->intValue(), 0);
    QCOMPARE(f.compteur->digitCount(), 2);
    QCOMPARE(f.labelCompteur->text(), QStringLiteral("Nombre de caractères actuels:"));
    QVERIFY(f.editeur->toPlainText().isEmpty());
    // The window grows to give the gradient page all it needs.
    f.fenetre.show();
    QVERIFY(f.fenetre.minimumHeight() >= 460);
    auto *degrade = f.Trouver<QWidget>("pageDegrade");
    f.Trouver<QTabWidget>("onglets")->setCurrentWidget(degrade);
    QVERIFY(degrade->height() >= degrade->minimumSizeHint().height());
    f.Trouver<QTabWidget>("onglets")->setCurrentIndex(0);

    auto *onglets = f.Trouver<QTabWidget>("onglets");
    QCOMPARE(onglets->count(), 5);
    const QStringList titres = {"Caractère spécial", "Couleur uniforme", "Dégradé de couleur",
                                "Effet sur le texte", "Mes pseudos"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(onglets->tabText(i), titres[i]);
    QCOMPARE(onglets->currentIndex(), 0);

    QVERIFY(f.Trouver<QRadioButton>("radioRessemblant")->isChecked());
    QVERIFY(!f.Trouver<QRadioButton>("radioDoubleLettre")->isChecked());
    QVERIFY(!f.Trouver<QRadioButton>("radioSmiley")->isChecked());
    QVERIFY(!f.Trouver<QRadioButton>("radioAutre")->isChecked());
    QVERIFY(f.Trouver<QRadioButton>("radioNormal")->isChecked());
    QVERIFY(!f.Trouver<QRadioButton>("radioSerre")->isChecked());
    QVERIFY(!f.Trouver<QRadioButton>("radioLarge")->isChecked());
    QVERIFY(!f.Trouver<QCheckBox>("caseItalique")->isChecked());

    auto *pas = f.Trouver<QSpinBox>("pasDegrade");
    QCOMPARE(pas->minimum(), 1);
    QCOMPARE(pas->maximum(), 20);
    QCOMPARE(pas->value(), 1);
    QCOMPARE(pas->text(), QStringLiteral("Changer de couleur tout les 1 caractère(s)."));

    auto *lettres = f.Trouver<QComboBox>("listeLettres");
    QCOMPARE(Items(lettres).join(QString()), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    QCOMPARE(lettres->currentText(), QStringLiteral("A"));
    auto *ressemblants = f.Trouver<QComboBox>("listeRessemblants");
    QCOMPARE(ressemblants->count(), 50);
    QCOMPARE(ressemblants->currentText(), QStringLiteral("À"));
    QCOMPARE(f.Trouver<QComboBox>("listeDoublesLettres")->count(), 29);
    QCOMPARE(f.Trouver<QComboBox>("listeSmileys")->count(), 15);
    QCOMPARE(f.Trouver<QComboBox>("listeAutres")->count(), 385);

    for (const char *nom : {"carreCouleur", "carreDepart", "carreArrivee"}) {
        auto *carre = f.Trouver<QFrame>(nom);
        QCOMPARE(carre->size(), QSize(80, 80));
        QCOMPARE(carre->palette().brush(QPalette::Window).color(), QColor(Qt::black));
    }
    QVERIFY(f.Trouver<QLabel>("aideCaracteres")->openExternalLinks());
    QVERIFY(f.Trouver<QLabel>("aideCaracteres")
                ->text()
                .contains("viewtopic.php?t=24189'>de cette page web.</a>"));
}

void TestWindow::editorsLieOneOverTheOther()
{
    FenetreTest f;
    QCOMPARE(f.editeur->parentWidget(), f.ombre);
    QCOMPARE(f.editeur->pos(), QPoint(-1, -1));
    QCOMPARE(f.ombre->minimumWidth(), 501); // wider with the window
    QVERIFY(f.ombre->height() >= 32);
    QCOMPARE(f.editeur->size(), f.ombre->size());
    QCOMPARE(f.editeur->palette().brush(QPalette::Active, QPalette::Base).color().alpha(), 0);
    QCOMPARE(f.editeur->palette().brush(QPalette::Inactive, QPalette::Base).color().alpha(), 0);
    QCOMPARE(f.editeur->font(), f.ombre->font());
    QCOMPARE(f.editeur->font().stretch(), CalculPseudo::EtirementNormal);
    QCOMPARE(f.editeur->font().family(), QStringLiteral("Arial"));
    QCOMPARE(f.editeur->font().pointSize(), 16);
    QVERIFY(f.ombre->isReadOnly());
    QVERIFY(!f.editeur->isReadOnly());
}

void TestWindow::firstCharacterTakesDefaultColour_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("code");
    QTest::newRow("letter") << "V"
                            << "V";
    QTest::newRow("dollar") << "$"
                            << "$$";
    QTest::newRow("word") << "Vivarel"
                          << "Vivarel";
}

void TestWindow::firstCharacterTakesDefaultColour()
{
    QFETCH(QString, tape);
    QFETCH(QString, code);
    FenetreTest f;
    f.Taper(tape);
    for (int i = 0; i < tape.size(); ++i)
        QCOMPARE(f.Couleur(i), Defaut);
    QCOMPARE(f.sortie->text(), code);
    QCOMPARE(f.compteur->intValue(), code.size());
}

void TestWindow::shadowCopiesTextInTranslucentBlack()
{
    FenetreTest f;
    f.Taper(QStringLiteral("Ab$cd"));
    QTextCharFormat format;
    format.setFontItalic(true);
    format.setForeground(QColor(255, 0, 0));
    CalculPseudo::CurseurSurCaractere(f.editeur->document(), 1).mergeCharFormat(format);

    QCOMPARE(f.ombre->toPlainText(), QStringLiteral("Ab$cd"));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(f.Format(i, f.ombre).foreground().color(), QColor(0, 0, 0, 150));
        QCOMPARE(f.Format(i, f.ombre).fontItalic(), i == 1);
    }
}

void TestWindow::countLabelWarnsPast45()
{
    FenetreTest f;
    const QPalette normale = f.labelCompteur->palette();
    auto *alerte = f.Trouver<QLabel>("alerteLimite");
    const auto alerteMontree = [&] { return alerte->isVisibleTo(&f.fenetre); };
    f.Taper(QString(45, u'a'));
    QCOMPARE(f.compteur->intValue(), 45);
    QCOMPARE(f.labelCompteur->text(), QStringLiteral("Nombre de caractères actuels:"));
    QVERIFY(!alerteMontree());

    f.Taper(QStringLiteral("$")); // 47 with the doubled dollar
    QCOMPARE(f.compteur->intValue(), 47);
    QCOMPARE(f.labelCompteur->text(), QStringLiteral("Attention, il y a trop de caractères!"));
    for (auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(f.labelCompteur->palette().color(groupe, QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(f.compteur->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(f.compteur->segmentStyle(), QLCDNumber::Filled);
    // What a screen reader reads out as it shows.
    QVERIFY(alerteMontree());
    QCOMPARE(QAccessible::queryAccessibleInterface(alerte)->role(), QAccessible::Notification);
    QVERIFY(alerte->accessibleName().startsWith(f.labelCompteur->text()));

    QTest::keyClick(f.editeur, Qt::Key_Backspace);
    f.Taper(QStringLiteral("b")); // 46
    QCOMPARE(f.compteur->intValue(), 46);
    QCOMPARE(f.labelCompteur->palette().color(QPalette::WindowText), QColor(Qt::red));

    QTest::keyClick(f.editeur, Qt::Key_Backspace);
    QCOMPARE(f.compteur->intValue(), 45);
    QCOMPARE(f.labelCompteur->text(), QStringLiteral("Nombre de caractères actuels:"));
    QCOMPARE(f.labelCompteur->palette().color(QPalette::WindowText),
             normale.color(QPalette::WindowText));
    QCOMPARE(f.compteur->palette().color(QPalette::WindowText),
             normale.color(QPalette::WindowText));
    QVERIFY(!alerteMontree());
}

void TestWindow::countDisplayShowsTrueLength()
{
    FenetreTest f;
    f.Taper(QString(99, u'a'));
    QCOMPARE(f.compteur->intValue(), 99);
    QCOMPARE(f.compteur->digitCount(), 2);
    f.Taper(QStringLiteral("a"));
    QCOMPARE(f.compteur->intValue(), 100);
    QVERIFY(f.compteur->digitCount() >= 3);
    f.Taper(QString(1000, u'$'));
    QCOMPARE(f.compteur->intValue(), 2100);
    QCOMPARE(f.sortie->text().size(), 2100);

    f.Selectionner(0, f.editeur->toPlainText().size() - 3);
    QTest::keyClick(f.editeur, Qt::Key_Delete);
    QCOMPARE(f.compteur->intValue(), 6);
    QCOMPARE(f.compteur->digitCount(), 2);
}

void TestWindow::pastePlainTextIsColoured()
{
    FenetreTest f;
    auto *donnees = new QMimeData;
    donnees->setText(QStringLiteral("Bob$"));
    Coller(f.editeur, donnees);
    QCOMPARE(f.editeur->toPlainText(), QStringLiteral("Bob$"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(f.Couleur(i), Defaut);
    QCOMPARE(f.sortie->text(), QStringLiteral("Bob$$"));
}

void TestWindow::pasteKeepsItsOwnColours()
{
    FenetreTest f;
    auto *donnees = new QMimeData;
    donnees->setHtml(QStringLiteral("ab<span style=\"color:#ff0000\">c</span>"));
    Coller(f.editeur, donnees);
    QCOMPARE(f.editeur->toPlainText(), QStringLiteral("abc"));
    QCOMPARE(f.Couleur(0), Defaut); // no colour of its own: the colour at the cursor
    QCOMPARE(f.Couleur(2), QColor(255, 0, 0));
    QCOMPARE(f.sortie->text(), QStringLiteral("ab$f00c"));
}

void TestWindow::pasteOfBlackRichTextKeepsItsItalics()
{
    FenetreTest f;
    auto *donnees = new QMimeData;
    donnees->setHtml(QStringLiteral("<i>ab</i>cd"));
    Coller(f.editeur, donnees);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(f.Couleur(i), Defaut);
    QCOMPARE(f.sortie->text(), QStringLiteral("$iab$zcd"));
}

void TestWindow::emptiedEditorColoursAgain()
{
    FenetreTest f;
    f.Taper(QStringLiteral("xy"));
    f.Selectionner(0, 2);
    QTest::keyClick(f.editeur, Qt::Key_Delete);
    QVERIFY(f.sortie->text().isEmpty());
    QCOMPARE(f.compteur->intValue(), 0);

    auto *donnees = new QMimeData;
    donnees->setHtml(QStringLiteral("<span style=\"color:#000000\">zz</span>"));
    Coller(f.editeur, donnees);
    QCOMPARE(f.Couleur(0), Defaut);
    QCOMPARE(f.Couleur(1), Defaut);
    QCOMPARE(f.sortie->text(), QStringLiteral("zz"));
}

void TestWindow::lookAlikeListFollowsLetter_data()
{
    QTest::addColumn<int>("lettre");
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QString>("premier");
    QTest::addColumn<QString>("dernier");
    QTest::newRow("Q") << 16 << 3 << "φ"
                       << "ҩ";
    QTest::newRow("E") << 4 << 63 << "È"
                       << "巳";
    QTest::newRow("F ends with the vowel sign alone") << 5 << 5 << "ſ" << QString(QChar(0x093F));
    QTest::newRow("L holds the brackets") << 11 << 13 << "Ĺ"
                                          << ")";
    QTest::newRow("Z") << 25 << 15 << "Ź"
                       << "之";
}

void TestWindow::lookAlikeListFollowsLetter()
{
    QFETCH(int, lettre);
    QFETCH(int, nombre);
    QFETCH(QString, premier);
    QFETCH(QString, dernier);
    FenetreTest f;
    auto *ressemblants = f.Trouver<QComboBox>("listeRessemblants");
    ressemblants->setCurrentIndex(3);
    f.Trouver<QComboBox>("listeLettres")->setCurrentIndex(lettre);
    QCOMPARE(ressemblants->count(), nombre);
    QCOMPARE(ressemblants->currentIndex(), 0);
    QCOMPARE(ressemblants->itemText(0), premier);
    QCOMPARE(ressemblants->itemText(nombre - 1), dernier);
}

void TestWindow::reselectingLetterKeepsList()
{
    FenetreTest f;
    auto *lettres = f.Trouver<QComboBox>("listeLettres");
    auto *ressemblants = f.Trouver<QComboBox>("listeRessemblants");
    lettres->setCurrentIndex(16);
    ressemblants->setCurrentIndex(2);
    lettres->setCurrentIndex(16);
    QCOMPARE(ressemblants->count(), 3);
    QCOMPARE(ressemblants->currentIndex(), 2);
}

void TestWindow::otherSymbolsHoldCombiningMarks()
{
    FenetreTest f;
    const QStringList autres = Items(f.Trouver<QComboBox>("listeAutres"));
    // Items are counted from 1: item 27 is the thousands sign, 28 to 30 the three marks.
    QCOMPARE(autres[26], QString(QChar(0x0482)));
    QCOMPARE(autres[27], QString(QChar(0x0484)));
    QCOMPARE(autres[28], QString(QChar(0x0483)));
    QCOMPARE(autres[29], QString(QChar(0x0485)));
    QCOMPARE(autres.count(QStringLiteral("±")), 2);
    QCOMPARE(autres.count(QStringLiteral("ฉ")), 2);
    QCOMPARE(autres[307], QStringLiteral("ฉ"));
}

void TestWindow::insertTakesCheckedCategory_data()
{
    QTest::addColumn<QString>("categorie");
    QTest::addColumn<QString>("liste");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("insere");
    QTest::newRow("look-alike") << "radioRessemblant"
                                << "listeRessemblants" << 1 << "Á";
    QTest::newRow("double letter") << "radioDoubleLettre"
                                   << "listeDoublesLettres" << 0 << "Ĳ";
    QTest::newRow("smiley") << "radioSmiley"
                            << "listeSmileys" << 14 << "〠";
    QTest::newRow("other") << "radioAutre"
                           << "listeAutres" << 384 << "ױ";
}

void TestWindow::insertTakesCheckedCategory()
{
    QFETCH(QString, categorie);
    QFETCH(QString, liste);
    QFETCH(int, item);
    QFETCH(QString, insere);
    FenetreTest f;
    // Every other list points somewhere else, so a wrong one would show.
    for (const char *nom :
         {"listeRessemblants", "listeDoublesLettres", "listeSmileys", "listeAutres"})
        f.Trouver<QComboBox>(nom)->setCurrentIndex(2);
    f.Trouver<QComboBox>(qPrintable(liste))->setCurrentIndex(item);
    f.Trouver<QRadioButton>(qPrintable(categorie))->click();
    f.Trouver<QPushButton>("boutonInserer")->click();
    QCOMPARE(f.editeur->toPlainText(), insere);
    QCOMPARE(f.sortie->text(), insere);
}

void TestWindow::insertReplacesSelection()
{
    FenetreTest f;
    f.Taper(QStringLiteral("abcd"));
    f.Selectionner(1, 3);
    f.Trouver<QPushButton>("boutonInserer")->click();
    QCOMPARE(f.editeur->toPlainText(), QStringLiteral("aÀd"));
    QCOMPARE(f.sortie->text(), QStringLiteral("aÀd"));
}

void TestWindow::insertTakesColourOfStretch()
{
    FenetreTest f;
    f.Taper(QStringLiteral("abcd"));
    QTextCursor rouge(f.editeur->document());
    rouge.setPosition(1);
    rouge.setPosition(3, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(QColor(255, 0, 0));
    rouge.mergeCharFormat(format);
    f.PlacerCurseur(2);
    f.Trouver<QPushButton>("boutonInserer")->click();
    QCOMPARE(f.editeur->toPlainText(), QStringLiteral("abÀcd"));
    QCOMPARE(f.Couleur(2), QColor(255, 0, 0));
    QCOMPARE(f.sortie->text(), QStringLiteral("a$f00bÀc$zd"));
}

void TestWindow::insertIntoEmptyEditorIsLikeTyping()
{
    FenetreTest f;
    f.Trouver<QPushButton>("boutonInserer")->click();
    QCOMPARE(f.editeur->toPlainText(), QStringLiteral("À"));
    QCOMPARE(f.Couleur(0), Defaut);
    QCOMPARE(f.sortie->text(), QStringLiteral("À"));
    QCOMPARE(f.compteur->intValue(), 1);
}

void TestWindow::swatchChangeLeavesNicknameAlone()
{
    FenetreTest f;
    f.fenetre.show();
    f.Taper(QStringLiteral("Bob"));
    f.Selectionner(0, 2);
    BoiteModale boite;
    for (const char *nom : {"carreCouleur", "carreDepart", "carreArrivee"}) {
        boite.Attendre(QColor(255, 0, 0));
        QTest::mouseClick(f.Trouver<QFrame>(nom), Qt::LeftButton);
        boite.Laisser();
        QVERIFY(boite.vue);
    }
    QCOMPARE(f.sortie->text(), QStringLiteral("Bob"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(f.Couleur(i), Defaut);
}

void TestWindow::importReplacesNickname_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("sortie"); // what Vivarel writes for it
    QTest::addColumn<QString>("message");
    QTest::newRow("written by others") << "$F00Red$I$0fGreen"
                                       << "$f00Red$i$0f0Green"
                                       << "Code importé.";
    QTest::newRow("bold, capitals, widths") << "$w$oa$tb$nc"
                                            << "$w$oa$tb$nc"
                                            << "Code importé.";
    QTest::newRow("shadow and link left out")
        << "$s$l[x]go$l!"
        << "go!"
        << "Code importé. Laissé de côté : l'ombre ($s), que Vivarel ne sait pas écrire, un "
           "lien « x », dont le texte est gardé.";
    QTest::newRow("controls and tabs") << "a b	c"
                                       << "a b c"
                                       << "Code importé.";
    QTest::newRow("100,000 characters")
        << QString(100000, u'$') << QString(100000, u'$') << "Code importé.";
    QTest::newRow("cancelled") << QString() << "Bob"
                               << "";
}

// The nickname becomes the code's as one undo step; cancelling changes nothing.
void TestWindow::importReplacesNickname()
{
    QFETCH(QString, code);
    QFETCH(QString, sortie);
    QFETCH(QString, message);
    FenetreTest f;
    f.Taper(QStringLiteral("Bob"));
    BoiteModale boite;
    boite.Attendre(QColor(), code);
    f.Trouver<QPushButton>("boutonImporter")->click();
    boite.Laisser();
    QVERIFY(boite.vue);
    QVERIFY(boite.largeurSaisie >= f.sortie->fontMetrics().horizontalAdvance(QString(45, u'f')));
    QCOMPARE(f.sortie->text(), sortie);
    QCOMPARE(f.Trouver<LigneMessage>("messageSortie")->text(), message);
    if (code.isNull())
        return;
    f.editeur->undo();
    QCOMPARE(f.sortie->text(), QStringLiteral("Bob"));
    QVERIFY(f.Trouver<QRadioButton>("radioNormal")->isChecked());
}

void TestWindow::importKeepsMarksApart_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("debutCaractere"); // a visible character whose parts differ
    QTest::newRow("Thai and Devanagari") << QString::fromUtf8("$fff๖เя$f60ै$fff๔") << 2;
    QTest::newRow("Hangul jamo") << QString::fromUtf8("$o$n$222ᄀᄆ$dddᄆ$222ᄂ") << 1;
    QTest::newRow("Devanagari in Latin") << QString::fromUtf8("$fffhe$f3bि$fffest") << 1;
    QTest::newRow("Latin accent") << QString::fromUtf8("e$f00\u0301$ix") << 0;
    QTest::newRow("ZWJ emoji") << QString::fromUtf8("$f00👩$0f0\u200d💻") << 0;
}

// A code that colours a mark apart from its letter comes back as the game reads it; a command
// over such a character still takes it whole.
void TestWindow::importKeepsMarksApart()
{
    QFETCH(QString, code);
    QFETCH(int, debutCaractere);
    FenetreTest f;
    f.fenetre.ImporterCode(code);
    const DecodeurPseudo::Lecture attendu = DecodeurPseudo::Lire(code);
    const DecodeurPseudo::Lecture lu = DecodeurPseudo::Lire(f.sortie->text());
    QCOMPARE(lu.texte, attendu.texte);
    QVERIFY(lu.niveaux == attendu.niveaux);
    QVERIFY(lu.styles == attendu.styles);

    f.Selectionner(debutCaractere, debutCaractere + 1);
    f.Trouver<QPushButton>("boutonReinitialiser")->click();
    const QList<int> caractere =
        Graphemes::Frontieres(f.editeur->toPlainText(), debutCaractere, debutCaractere + 1);
    QVERIFY(caractere.last() > debutCaractere + 1);
    for (int p = caractere.first(); p < caractere.last(); ++p)
        QVERIFY(f.Format(p) == f.Format(caractere.first()));
}

// A paste stays text; when it holds codes the window offers to read them, until the next edit.
void TestWindow::pasteOffersImport()
{
    FenetreTest f;
    auto *offre = f.Trouver<QWidget>("offreImport");
    for (const QString &colle : {QStringLiteral("Bob"), QStringLiteral("$f00Red$oX")}) {
        auto *donnees = new QMimeData;
        donnees->setText(colle);
        Coller(f.editeur, donnees);
        QCOMPARE(offre->isVisibleTo(&f.fenetre), colle != QStringLiteral("Bob"));
    }
    QCOMPARE(f.sortie->text(), QStringLiteral("Bob$$f00Red$$oX"));
    f.Trouver<QPushButton>("boutonOffre")->click();
    QCOMPARE(f.sortie->text(), QStringLiteral("$f00Red$oX"));
    f.Taper(QStringLiteral("!"));
    QVERIFY(!offre->isVisibleTo(&f.fenetre));
}

// "Copier" puts the whole code on the clipboard; the preview draws only what the game keeps.
void TestWindow::copyAndPreview()
{
    FenetreTest f;
    BoiteModale boite;
    boite.Attendre(QColor(), "$f00ab$o$tcd$z" + QString(50, u'x'));
    f.Trouver<QPushButton>("boutonImporter")->click();
    boite.Laisser();
    f.Trouver<QPushButton>("boutonCopier")->click();
    QCOMPARE(QApplication::clipboard()->text(), f.sortie->text());
    QCOMPARE(f.Trouver<LigneMessage>("messageSortie")->text(), QStringLiteral("Code copié."));
    auto *apercu = f.fenetre.findChild<ApercuJeu *>(QStringLiteral("apercuJeu"));
    f.fenetre.show();
    QVERIFY(f.sortie->width() >
            f.sortie->fontMetrics().horizontalAdvance(f.sortie->text().left(45)));
    // "$f00ab$o$tcd$z" takes 14 of the game's 45 characters.
    QCOMPARE(apercu->TexteAffiche(), "abCD" + QString(45 - 14, u'x'));
}

void TestWindow::copySaysWhatTheClipboardDid_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("donne");
    QTest::addColumn<QString>("fait");
    QTest::addColumn<bool>("pris");
    const QList<QStringList> boutons = {{"boutonCopier", "Viva$$rel", "Code copié."},
                                        {"boutonCopierHtml", "Viva$rel", "Code copié en HTML."},
                                        {"boutonCopierImage", "image", "Image copiée."}};
    for (const QStringList &b : boutons)
        for (const bool pris : {true, false})
            QTest::addRow("%s %s", qPrintable(b[0]), pris ? "taken" : "refused")
                << b[0] << b[1] << b[2] << pris;
}

// A copy the clipboard refused is never said to be done; a refused code waits selected in its
// line for the player's own copy.
void TestWindow::copySaysWhatTheClipboardDid()
{
    QFETCH(QString, bouton);
    QFETCH(QString, donne);
    QFETCH(QString, fait);
    QFETCH(bool, pris);
    FenetreTest f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
    f.Taper(QStringLiteral("Viva$rel"));
    QString recu;
    const auto avant =
        PressePapiers::Remplacer([&](QMimeData *donnees, const PressePapiers::Resultat &resultat) {
            recu = donnees->hasImage() ? QStringLiteral("image") : donnees->text();
            recu += donnees->hasHtml() ? QStringLiteral(" html") : QString();
            delete donnees;
            resultat(pris);
        });
    const auto retour = qScopeGuard([&] { PressePapiers::Remplacer(avant); });
    f.Trouver<QPushButton>(qPrintable(bouton))->click();
    QCOMPARE(recu, donne + (bouton.endsWith("Html") ? " html" : ""));
    const QString message = f.Trouver<LigneMessage>("messageSortie")->text();
    QCOMPARE(message == fait, pris);
    const bool pourCopie = !pris && !bouton.endsWith("Image");
    QCOMPARE(f.sortie->hasFocus() && f.sortie->selectedText() == f.sortie->text(), pourCopie);
    QCOMPARE(message.contains("Ctrl+C"), pourCopie);
}

// Tab walks the gradient page in reading order, an added colour where it stands; every button
// and square says what it does; a square opens its dialog from the keyboard.
void TestWindow::keyboardReachesEverything()
{
    FenetreTest f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
    f.Trouver<QTabWidget>("onglets")->setCurrentIndex(2);
    f.Trouver<QAbstractButton>("boutonAjouterCouleur")->click();
    QCoreApplication::processEvents(); // the added square shows
    f.editeur->setFocus();
    QStringList parcours;
    for (int i = 0; i < 21; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        parcours << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(parcours, (QStringList{"boutonReinitialiser",
                                    "qt_tabwidget_tabbar",
                                    "carreDepart",
                                    "carreIntermediaire1",
                                    "",
                                    "carreArrivee",
                                    "boutonAjouterCouleur",
                                    "comboMelange",
                                    "comboPreReglages",
                                    "boutonEnregistrerDegrade",
                                    "pasDegrade",
                                    "caseEspaces",
                                    "boutonDegrade",
                                    "boutonAjuster",
                                    "ligneSortie",
                                    "boutonCopier",
                                    "boutonImporter",
                                    "boutonCopierImage",
                                    "boutonEnregistrerImage",
                                    "boutonCopierHtml",
                                    "editeurPseudo"}));
    for (QWidget *w : f.fenetre.findChildren<QWidget *>())
        if (qobject_cast<QPushButton *>(w) || qobject_cast<QFrame_Perso *>(w))
            QVERIFY2(!w->toolTip().isEmpty(), qPrintable(w->objectName()));

    BoiteModale boite;
    boite.Attendre(QColor(255, 0, 0));
    f.Trouver<QWidget>("carreDepart")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    boite.Laisser();
    QVERIFY(boite.vue);
    QCOMPARE(f.Trouver<QFrame_Perso>("carreDepart")->RecupererCouleur(), QColor(255, 0, 0));
}

// Every character the catalogue offers is drawn by some installed font, not as a box.
void TestWindow::catalogueHasGlyphs()
{
    FenetreTest f;
    // Each font's own character map: asking a font for a character in a script it cannot
    // shape (as QFontMetrics does) makes Qt warn.
    QList<QRawFont> polices;
    for (const QString &famille : QFontDatabase::families())
        polices << QRawFont::fromFont(QFont(famille));
    QStringList sansGlyphe;
    for (QComboBox *liste : f.fenetre.findChildren<QComboBox *>()) {
        for (int lettre = 0; lettre < 26; ++lettre) {
            if (liste->objectName() == QStringLiteral("listeRessemblants"))
                f.Trouver<QComboBox>("listeLettres")->setCurrentIndex(lettre);
            for (const QString &item : Items(liste)) {
                const char32_t c = item.toUcs4().value(0);
                if (std::none_of(polices.begin(), polices.end(),
                                 [c](const QRawFont &p) { return p.supportsCharacter(c); }))
                    sansGlyphe << QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar(u'0'));
            }
            if (liste->objectName() != QStringLiteral("listeRessemblants"))
                break;
        }
    }
    sansGlyphe.removeDuplicates();
    QVERIFY2(sansGlyphe.isEmpty(), qPrintable(sansGlyphe.join(u' ')));
}

using Verification = std::function<void()>;
Q_DECLARE_METATYPE(Verification)

void TestWindow::pageDefaultValues_data()
{
    QTest::addColumn<Verification>("verifier");
    QTest::newRow("special characters") << Verification([] {
        PageCaracteres page;
        QSignalSpy insertion(&page, &PageCaracteres::InsertionDemandee);
        page.findChild<QPushButton *>(QStringLiteral("boutonInserer"))->click();
        QCOMPARE(insertion.value(0).value(0).toString(), QStringLiteral("À"));
        QCOMPARE(page.OrdreClavier().size(), 11);
    });
    QTest::newRow("uniform colour") << Verification([] {
        PageCouleur page;
        QCOMPARE(page.Couleur(), QColor(Qt::black));
        QSignalSpy demande(&page, &PageCouleur::ColorationDemandee);
        page.findChild<QPushButton *>(QStringLiteral("boutonColorier"))->click();
        QCOMPARE(demande.count(), 1);
    });
    QTest::newRow("gradient") << Verification([] {
        PageDegrade page;
        QCOMPARE(page.Couleurs(), QList<QColor>(2, QColor(Qt::black)));
        QCOMPARE(page.Pas(), 1);
        QVERIFY(!page.IgnorerEspaces());
        QSignalSpy modifies(&page, &PageDegrade::ParametresModifies);
        page.DefinirPas(3);
        QCOMPARE(modifies.count(), 1);
    });
    QTest::newRow("effects") << Verification([] {
        PageEffet page;
        QVERIFY(!page.Italique() && !page.Gras() && !page.Majuscules());
        QSignalSpy espacement(&page, &PageEffet::EspacementDemande);
        page.findChild<QRadioButton *>(QStringLiteral("radioLarge"))->click();
        QCOMPARE(espacement.value(0).value(0).toInt(), CalculPseudo::EtirementLarge);
        page.MontrerEspacement(CalculPseudo::EtirementSerre);
        QVERIFY(page.findChild<QRadioButton *>(QStringLiteral("radioSerre"))->isChecked());
        QCOMPARE(espacement.count(), 1);
    });
}

// Each page on its own, as it starts and with what it asks for.
void TestWindow::pageDefaultValues()
{
    QFETCH(Verification, verifier);
    verifier();
}

// A message quoting a long link neither widens the window nor moves the rows below it; its
// whole text stays in reach.
void TestWindow::longMessageKeepsTheWindow()
{
    FenetreTest f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    const QRect fenetre = f.fenetre.geometry();
    const QPoint compteur = f.compteur->mapTo(&f.fenetre, QPoint());
    const QString cible = QStringLiteral("https://www.example.com/") + QString(500, u'a');
    f.fenetre.ImporterCode(QStringLiteral("$l[%1]Link$l").arg(cible));
    QTest::qWait(20);
    auto *message = f.Trouver<LigneMessage>("messageSortie");
    QVERIFY(message->text().contains(cible));
    QVERIFY(message->toolTip().contains(cible));
    QCOMPARE(f.fenetre.geometry(), fenetre);
    QCOMPARE(f.compteur->mapTo(&f.fenetre, QPoint()), compteur);
    f.Taper(QStringLiteral("!"));
    QVERIFY(message->text().isEmpty());
    QCOMPARE(f.compteur->mapTo(&f.fenetre, QPoint()), compteur);
}

// What one event loop turn paints of a window, in its coordinates, and how often it asks for
// a layout.
struct Releve : QObject
{
    explicit Releve(QWidget *f) : fenetre(f) { qApp->installEventFilter(this); }
    ~Releve() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *objet, QEvent *event) override
    {
        auto *w = qobject_cast<QWidget *>(objet);
        if (!w || w->window() != fenetre)
            return false;
        if (event->type() == QEvent::Paint)
            peint += static_cast<QPaintEvent *>(event)->region().translated(
                w->mapTo(fenetre, QPoint(0, 0)));
        if (event->type() == QEvent::LayoutRequest)
            demandes << w->objectName();
        return false;
    }

    qint64 Aire() const
    {
        qint64 aire = 0;
        for (const QRect &r : peint)
            aire += qint64(r.width()) * r.height();
        return aire;
    }

    QWidget *fenetre;
    QRegion peint;
    QStringList demandes;
};

void TestWindow::keystrokeRepaintsOnlyWhatChanged_data()
{
    QTest::addColumn<int>("page");
    for (int page = 0; page < 5; ++page)
        QTest::addRow("page %d", page) << page;
}

// One typed character repaints the field and its shadow, the code, its count and the preview,
// nothing else, and lays nothing out again.
void TestWindow::keystrokeRepaintsOnlyWhatChanged()
{
    QFETCH(int, page);
    FenetreTest f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    f.Trouver<QTabWidget>("onglets")->setCurrentIndex(page);
    f.Taper(QStringLiteral("Bonjour les amis"));
    QTest::qWait(50);
    Releve releve(&f.fenetre);
    f.Taper(QStringLiteral("x"));
    QTest::qWait(50);
    QCOMPARE(f.sortie->text(), QStringLiteral("Bonjour les amisx"));
    QVERIFY2(releve.demandes.isEmpty(),
             (releve.demandes.join(u' ').toUtf8() + Police(&f.fenetre)).constData());
    const qint64 fenetre = qint64(f.fenetre.width()) * f.fenetre.height();
    QVERIFY2(releve.Aire() * 5 <= fenetre, (QByteArray::number(releve.Aire()) + " of " +
                                            QByteArray::number(fenetre) + Police(&f.fenetre))
                                               .constData());
}

// Ctrl+Q, wherever the focus is, closes the window as its close button does.
void TestWindow::quitShortcutCloses()
{
    FenetreTest f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
    f.Trouver<QTabWidget>("onglets")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!f.fenetre.isVisible());
}

// What a screen reader says for each control the keyboard reaches, on every page, and for the
// widgets that show the result: never nothing. A swatch's name follows its colour.
void TestWindow::everyControlHasAName()
{
    FenetreTest f;
    f.fenetre.show();
    auto *onglets = f.Trouver<QTabWidget>("onglets");
    QStringList sansNom;
    for (int page = 0; page < onglets->count(); ++page) {
        onglets->setCurrentIndex(page);
        for (QWidget *w : f.fenetre.findChildren<QWidget *>()) {
            const bool resultat =
                QStringList{"ligneSortie", "compteur", "apercuJeu"}.contains(w->objectName());
            // A spin box's own line is named through the box.
            if (!w->isVisible() || (w->focusPolicy() == Qt::NoFocus && !resultat) ||
                qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
                continue;
            if (QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
                sansNom << w->objectName() + u'/' + QLatin1String(w->metaObject()->className());
        }
    }
    sansNom.removeDuplicates();
    QVERIFY2(sansNom.isEmpty(), qPrintable(sansNom.join(u' ')));
    auto *carre = f.Trouver<QFrame_Perso>("carreDepart");
    carre->DefinirCouleur(QColor(255, 0, 0));
    QVERIFY(QAccessible::queryAccessibleInterface(carre)
                ->text(QAccessible::Name)
                .endsWith(QStringLiteral("rouge vif (#ff0000)")));
}

namespace {

// The French catalogue's source texts that the current translators turn into something else,
// each cut to its longest stretch between arguments, without mnemonics, found as whole words.
QList<QRegularExpression> TextesFrancais()
{
    QFile fichier(QStringLiteral(CATALOGUE_FR));
    if (!fichier.open(QIODevice::ReadOnly))
        qFatal("cannot read the French catalogue");
    QXmlStreamReader xml(&fichier);
    QList<QRegularExpression> textes;
    QString contexte;
    int nombre = -1;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.name() == QLatin1String("message")) {
            nombre = xml.attributes().hasAttribute(QLatin1String("numerus")) ? 2 : -1;
        } else if (xml.name() == QLatin1String("name")) {
            contexte = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            const QString source = xml.readElementText();
            const QByteArray utf8 = source.toUtf8();
            if (QCoreApplication::translate(qPrintable(contexte), utf8.constData(), nullptr,
                                            nombre) == source)
                continue;
            QString morceau;
            for (const QString &m :
                 QString(source).remove(u'&').split(QRegularExpression(QStringLiteral("%[0-9n]"))))
                if (m.trimmed().size() > morceau.size())
                    morceau = m.trimmed();
            if (morceau.contains(QRegularExpression(QStringLiteral("\\w\\w"))))
                textes << QRegularExpression(QStringLiteral("(?<!\\w)") +
                                             QRegularExpression::escape(morceau) +
                                             QStringLiteral("(?!\\w)"));
        }
    }
    return textes;
}

// Every text a widget shows or says, tab titles and list entries included.
QStringList TextesMontres(const QWidget *racine)
{
    QStringList textes{racine->windowTitle()};
    QList<const QWidget *> widgets{racine};
    for (const QWidget *w : racine->findChildren<QWidget *>())
        widgets << w;
    for (const QWidget *w : widgets) {
        for (const char *propriete :
             {"text", "title", "placeholderText", "prefix", "suffix", "labelText", "toolTip",
              "accessibleName", "accessibleDescription"})
            textes << w->property(propriete).toString();
        if (auto *barre = qobject_cast<const QTabBar *>(w))
            for (int i = 0; i < barre->count(); ++i)
                textes << barre->tabText(i);
        if (auto *liste = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < liste->count(); ++i)
                textes << liste->itemText(i);
    }
    return textes;
}

} // namespace

// Under English or German, no text the window or its dialogs show is left in French.
void TestWindow::noFrenchUnderAnotherLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("English") << "en_GB";
    QTest::newRow("German") << "de_DE";
}

void TestWindow::noFrenchUnderAnotherLanguage()
{
    QFETCH(QString, locale);
    QTranslator traducteur, traducteurQt;
    Demarrage::InstallerTraduction(traducteur, traducteurQt, locale);
    const QList<QRegularExpression> francais = TextesFrancais();
    QStringList montres;
    {
        FenetreTest f;
        f.fenetre.show();
        f.Taper(QStringLiteral("Bonjour"));
        f.Selectionner(0, 3);
        auto *onglets = f.Trouver<QTabWidget>("onglets");
        for (int page = 0; page < onglets->count(); ++page) {
            onglets->setCurrentIndex(page);
            montres << TextesMontres(&f.fenetre);
        }
        // The dialogs: a colour picker, the import box, the naming box, and a warning.
        BoiteModale boite;
        const auto ouvrir = [&](QWidget *bouton) {
            boite.Attendre();
            QTest::mouseClick(bouton, Qt::LeftButton);
            // Still open once the click returned: no box waits in a loop of its own, which
            // the page could not run.
            QVERIFY(QApplication::activeModalWidget());
            boite.Laisser();
            QVERIFY(boite.vue);
            montres << boite.titre << boite.texte;
        };
        ouvrir(f.Trouver<QFrame_Perso>("carreDepart"));
        ouvrir(f.Trouver<QPushButton>("boutonImporter"));
        ouvrir(f.Trouver<QPushButton>("boutonEnregistrer"));
        f.PlacerCurseur(0);
        ouvrir(f.Trouver<QPushButton>("boutonColorier"));
    }
    QCoreApplication::removeTranslator(&traducteur);
    QCoreApplication::removeTranslator(&traducteurQt);
    QStringList restes;
    for (const QString &texte : montres)
        for (const QRegularExpression &f : francais)
            if (QString(texte).remove(u'&').contains(f))
                restes << texte;
    restes.removeDuplicates();
    QVERIFY2(!francais.isEmpty() && restes.isEmpty(), qPrintable(restes.join(u'\n')));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
