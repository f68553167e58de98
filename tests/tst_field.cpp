#include "BoiteModale.h"
#include "FenetreTest.h"
#include "Police.h"
#include "SansAvertissement.h"
#include "encoder/Graphemes.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

namespace {

const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
const QString Famille = QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80"
                                          "\x8D\xF0\x9F\x91\xA7");

struct Champ : FenetreTest
{
    Champ() { fenetre.show(); }

    void Cliquer(const char *bouton) { Trouver<QAbstractButton>(bouton)->click(); }

    // Keys for what a keyboard has keys for; the rest as a compose key or an emoji picker
    // sends it.
    void Frapper(const QString &texte)
    {
        if (texte.toLatin1() != texte.toUtf8()) {
            QKeyEvent touche(QEvent::KeyPress, 0, Qt::NoModifier, texte);
            QApplication::sendEvent(editeur, &touche);
            return;
        }
        for (const QChar c : texte)
            if (c == u'\n' || c == u'\t')
                QTest::keyClick(editeur, c == u'\n' ? Qt::Key_Return : Qt::Key_Tab);
            else
                QTest::keyClick(editeur, c.toLatin1());
    }

    // By Ctrl+V, or dropped on the field.
    void Coller(const QString &html, const QString &texte, bool deposer = false)
    {
        auto *donnees = new QMimeData;
        if (!html.isNull())
            donnees->setHtml(html);
        donnees->setText(texte);
        if (deposer) {
            QDragEnterEvent entree(QPoint(5, 5), Qt::CopyAction, donnees, Qt::LeftButton, {});
            QApplication::sendEvent(editeur->viewport(), &entree);
            QDropEvent depot(QPointF(5, 5), Qt::CopyAction, donnees, Qt::LeftButton, {});
            QApplication::sendEvent(editeur->viewport(), &depot);
            delete donnees;
            return;
        }
        QApplication::clipboard()->setMimeData(donnees);
        QTest::keyClick(editeur, Qt::Key_V, Qt::ControlModifier);
    }

    // What a player must be able to trust after any step: the code is the nickname's as a
    // fresh capture reads it, holds nothing the game cannot, and the shadow lies under it.
    void Verifier()
    {
        CalculPseudo calcul;
        calcul.LireAttributs(editeur, QColor(CalculPseudo::CouleurPseudoParDefaut));
        const QString code = calcul.GenererCode(editeur->toPlainText());
        QCOMPARE(sortie->text(), code);
        QCOMPARE(compteur->intValue(), code.size());
        static const QRegularExpression interdit(
            QStringLiteral("[\\x{0}-\\x{1f}\\x{7f}-\\x{9f}\\x{2028}\\x{2029}\\x{fffc}]"));
        QVERIFY2(!code.contains(interdit), qPrintable(code));
        QCOMPARE(QString::fromUtf8(code.toUtf8()), code); // a lone surrogate would not survive
        // No character is left without a colour: black only where the player picked it.
        // The shadow copies each character's look, in its own ink.
        for (int p = 0; p < editeur->toPlainText().size(); ++p) {
            QVERIFY(Format(p).hasProperty(QTextFormat::ForegroundBrush));
            QCOMPARE(Format(p, ombre).font(), Format(p).font());
            QCOMPARE(Format(p, ombre).foreground().color(), QColor(0, 0, 0, 150));
        }
        QCOMPARE(editeur->document()->blockCount(), 1);
        QCOMPARE(ombre->toPlainText(), editeur->toPlainText());
        QCOMPARE(ombre->horizontalScrollBar()->value(), editeur->horizontalScrollBar()->value());
        QCOMPARE(ombre->verticalScrollBar()->value(), editeur->verticalScrollBar()->value());
    }
};

} // namespace

class TestField : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void defaultValues();
    void keysBreakNoLine_data();
    void keysBreakNoLine();
    void pastesAreCleaned_data();
    void pastesAreCleaned();
    void commandsTakeWholeCharacters_data();
    void commandsTakeWholeCharacters();
    void oneUndoStepPerCommand_data();
    void oneUndoStepPerCommand();
    void undoNeverLeavesBlackText();
    void randomSession();
    void drawnAsTheGameShowsIt_data();
    void drawnAsTheGameShowsIt();
};

void TestField::defaultValues()
{
    Champ f;
    QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
    QCOMPARE(QApplication::focusWidget(), f.editeur);
    QCOMPARE(f.ombre->focusPolicy(), Qt::NoFocus);
    for (QTextEdit *e : {f.editeur, f.ombre})
        QVERIFY(!e->horizontalScrollBar()->isVisible() && !e->verticalScrollBar()->isVisible());
    QCOMPARE(f.sortie->maxLength(), std::numeric_limits<int>::max());

    // One italic line with descenders fits at every spacing; the field scrolls sideways to
    // keep the cursor, at the end, in sight.
    f.Taper(QStringLiteral("AEgjpqy").repeated(20));
    f.Selectionner(0, 140);
    f.Trouver<QAbstractButton>("caseItalique")->setChecked(true);
    f.Cliquer("boutonEffet");
    for (const char *espacement : {"radioSerre", "radioLarge", "radioNormal"}) {
        f.Cliquer(espacement);
        QVERIFY(f.editeur->document()->size().height() <= f.editeur->viewport()->height());
        QVERIFY(f.editeur->horizontalScrollBar()->value() > 0);
        QVERIFY(f.editeur->viewport()->rect().contains(f.editeur->cursorRect()));
        f.Verifier();
    }
}

void TestField::keysBreakNoLine_data()
{
    QTest::addColumn<QKeyCombination>("touche");
    QTest::newRow("Return") << QKeyCombination(Qt::Key_Return);
    QTest::newRow("keypad Enter") << (Qt::KeypadModifier | Qt::Key_Enter);
    QTest::newRow("Shift+Return") << (Qt::ShiftModifier | Qt::Key_Return);
    QTest::newRow("Tab") << QKeyCombination(Qt::Key_Tab);
    QTest::newRow("Shift+Tab") << (Qt::ShiftModifier | Qt::Key_Backtab);
    QTest::newRow("Ctrl+Tab") << (Qt::ControlModifier | Qt::Key_Tab);
}

// Nothing breaks the line; Tab and Shift+Tab leave the field, never for the shadow.
void TestField::keysBreakNoLine()
{
    QFETCH(QKeyCombination, touche);
    Champ f;
    QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
    f.Taper(QStringLiteral("ab"));
    QTest::keyClick(f.editeur, touche.key(), touche.keyboardModifiers());
    const bool tab = touche.key() == Qt::Key_Backtab ||
                     (touche.key() == Qt::Key_Tab && touche.keyboardModifiers() == Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget() != f.editeur, tab);
    QVERIFY(QApplication::focusWidget() != f.ombre);
    f.Taper(QStringLiteral("cd"));
    QCOMPARE(f.sortie->text(), QStringLiteral("abcd"));
    f.Verifier();
}

void TestField::pastesAreCleaned_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("code");
    const QString nul;
    QTest::newRow("breaks and tabs") << nul << "a\nb\r\nc\td\fe\vf" + QString(QChar(0x2028)) + "g"
                                     << "a b c d e f g";
    QTest::newRow("controls, objects, lone surrogates")
        << nul
        << "a" + QString(QChar(0)) + "b\x01\x7f" + QChar(0x9b) + QChar(0xFFFC) + "c" +
               QChar(0xD800) + "d" + QChar(0xDC00) + QChar(0xFDD0) + "e"
        << "abcde";
    QTest::newRow("blocks, lists, tables flatten")
        << "<p>ab</p><ul><li>c</li><li>d</li></ul><table><tr><td>e</td><td>f</td></tr>"
           "</table><p>x<br>y</p><hr><p>z</p>"
        << nul << "ab c d e f x y z";
    QTest::newRow("fonts, underline, background, link dropped")
        << "<span style=\"font-family:'Courier New'; font-size:30pt; font-stretch:150%; "
           "text-decoration:underline; background:#ff0\"><a href=\"x\">ab</a></span>"
        << nul << "ab";
    QTest::newRow("colour, italic, bold and capitals kept, no colour takes the cursor's")
        << "<span style=\"color:#ff0000\"><i>a</i><b>b</b></span>"
           "<span style=\"text-transform:uppercase\">c</span>d"
        << nul << "$i$f00a$i$ob$o$t$gc$zd";
    QTest::newRow("translucent colour made opaque")
        << "<span style=\"color:rgba(0,0,255,40%)\">a</span>" << nul << "$00fa";
    QTest::newRow("black into an empty field is plain")
        << "<span style=\"color:#000000\">Bob</span>" << nul << "Bob";
    QTest::newRow("mark split from its letter by colour takes the letter's")
        << "<span style=\"color:#f00\">e</span><b>" + QString(QChar(0x0301)) + "</b>x" << nul
        << "$f00e" + QString(QChar(0x0301)) + "$zx";
    QTest::newRow("emoji split by colour takes one")
        << "<span style=\"color:#f00\">" + Emoji.left(1) + "</span><b>" + Emoji.mid(1) + "</b>x"
        << nul << "$f00" + Emoji + "$zx";
    QTest::newRow("image of a device") << "a<img src=\"/dev/zero\">b" << nul << "ab";
    QTest::newRow("3,000 nested tables")
        << QStringLiteral("<table><tr><td>").repeated(3000) + "x<img src=\"/dev/zero\">y" +
               QStringLiteral("</td></tr></table>").repeated(3000)
        << nul << "xy";
    QTest::newRow("a code longer than a line edit's default")
        << nul << QString(20000, u'$') << QString(40000, u'$');
}

void TestField::pastesAreCleaned()
{
    QFETCH(QString, html);
    QFETCH(QString, texte);
    QFETCH(QString, code);
    for (bool deposer : {false, true}) {
        Champ f;
        QElapsedTimer chrono;
        chrono.start();
        f.Coller(html, texte, deposer);
        QVERIFY2(chrono.elapsed() < 1000, qPrintable(QString::number(chrono.elapsed())));
        QCOMPARE(f.sortie->text(), code);
        f.Verifier();
        // Pasted characters look like typed ones: the nickname's font, italic aside.
        QFont police = f.Format(0).font();
        police.setItalic(false);
        QCOMPARE(police, f.editeur->font());
    }
}

void TestField::commandsTakeWholeCharacters_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("debut"); // inside the visible character
    QTest::addColumn<QList<int>>("frontieres");
    const QString marques = QStringLiteral("e") + QChar(0x0301) + QChar(0x0323);
    const QString peau = QString::fromUtf8("\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD");
    QTest::newRow("surrogate pair") << "a" + Emoji + "b" << 2 << QList<int>{0, 1, 3, 4};
    QTest::newRow("combining marks") << "a" + marques + "b" << 2 << QList<int>{0, 1, 4, 5};
    QTest::newRow("zero-width joiners") << "a" + Famille + "b" << 3 << QList<int>{0, 1, 9, 10};
    QTest::newRow("skin tone") << "a" + peau + "b" << 4 << QList<int>{0, 1, 5, 6};
}

// The gradient counts each visible character as one step and colours all its units alike; a
// selection that starts inside one takes it whole.
void TestField::commandsTakeWholeCharacters()
{
    QFETCH(QString, texte);
    QFETCH(int, debut);
    QFETCH(QList<int>, frontieres);
    Champ f;
    f.Frapper(texte);
    BoiteModale boite;
    boite.Attendre(QColor(0, 0, 255));
    QTest::mouseClick(f.Trouver<QWidget>("carreArrivee"), Qt::LeftButton);
    boite.Laisser();
    f.Trouver<QAbstractButton>("caseItalique")->setChecked(true);
    f.Selectionner(debut, texte.size());
    f.Cliquer("boutonEffet");
    f.Selectionner(0, texte.size());
    f.Cliquer("boutonDegrade");
    const QColor attendues[] = {QColor(0, 0, 0), QColor(0, 0, 85), QColor(0, 0, 255)};
    for (int k = 0; k < 3; ++k)
        for (int p = frontieres[k]; p < frontieres[k + 1]; ++p)
            QCOMPARE((std::pair{f.Couleur(p), f.Format(p).fontItalic()}),
                     (std::pair{attendues[k], k > 0}));
    f.Verifier();
}

void TestField::oneUndoStepPerCommand_data()
{
    QTest::addColumn<QString>("bouton");
    for (const char *bouton :
         {"boutonColorier", "boutonDegrade", "boutonAjuster", "boutonReinitialiser", "boutonEffet",
          "boutonInserer", "radioLarge", "radioSerre"})
        QTest::newRow(bouton) << bouton;
}

void TestField::oneUndoStepPerCommand()
{
    QFETCH(QString, bouton);
    Champ f;
    QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
    f.Taper(QStringLiteral("Vivarel"));
    f.Selectionner(0, 7);
    f.Trouver<QAbstractButton>("caseItalique")->setChecked(true);
    f.Cliquer("boutonEffet");
    f.Trouver<QAbstractButton>("caseItalique")->setChecked(false);
    f.Selectionner(1, 6);
    const QString avant = f.sortie->text();
    f.Cliquer(qPrintable(bouton));
    const QString apres = f.sortie->text();
    QVERIFY(apres != avant);
    // Ctrl+Z with the focus on a button, as a click leaves it.
    f.Trouver<QWidget>("boutonReinitialiser")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.sortie->text(), avant);
    QVERIFY(f.Trouver<QRadioButton>("radioNormal")->isChecked());
    f.Verifier();
    QTest::keyClick(f.editeur, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(f.sortie->text(), apres);
    f.Verifier();
}

// Typing and its colour are one step; undone to nothing and redone, all comes back.
void TestField::undoNeverLeavesBlackText()
{
    Champ f;
    f.Taper(QStringLiteral("Bob"));
    f.editeur->undo();
    f.editeur->undo();
    f.Taper(QStringLiteral("ob"));
    f.Selectionner(0, 2);
    f.Cliquer("boutonDegrade");
    const QString degrade = f.sortie->text();
    QCOMPARE(degrade, QStringLiteral("$000ob"));
    while (f.editeur->document()->isUndoAvailable())
        f.editeur->undo();
    QCOMPARE(f.sortie->text(), QString());
    while (f.editeur->document()->isRedoAvailable())
        f.editeur->redo();
    QCOMPARE(f.sortie->text(), degrade);
    f.Verifier();
}

// Typing, pastes, the commands, undo, redo and spacing in a seeded random order.
void TestField::randomSession()
{
    Champ f;
    BoiteModale boite;
    const char *carres[] = {"carreCouleur", "carreDepart", "carreArrivee"};
    for (int i = 0; i < 3; ++i) {
        boite.Attendre(QColor::fromHsv(120 * i, 255, 255));
        QTest::mouseClick(f.Trouver<QWidget>(carres[i]), Qt::LeftButton);
        boite.Laisser();
    }
    QRandomGenerator hasard(20261207);
    const QStringList morceaux = {
        "a", "Z", "$", " ", Emoji, Famille, "e" + QString(QChar(0x0301)), "\t", "x\ny"};
    const char *boutons[] = {"boutonColorier", "boutonDegrade", "boutonReinitialiser",
                             "boutonEffet",    "boutonInserer", "radioLarge",
                             "radioSerre",     "radioNormal",   "caseItalique"};
    for (int pas = 0; pas < 300; ++pas) {
        // A player's selection starts and ends between visible characters.
        const QString texte = f.editeur->toPlainText();
        const QList<int> bords = Graphemes::Frontieres(texte, 0, texte.size());
        const int debut = hasard.bounded(bords.size());
        f.Selectionner(bords[debut], bords[debut + hasard.bounded(bords.size() - debut)]);
        const QString morceau = morceaux[hasard.bounded(morceaux.size())];
        boite.Attendre(); // a command without a selection warns
        switch (hasard.bounded(6)) {
        case 0:
            f.Frapper(morceau);
            break;
        case 1:
            f.Coller(QStringLiteral("<i style=\"color:#0f0\">%1</i><p>%1</p>").arg(morceau),
                     morceau, pas % 2);
            break;
        case 2:
            f.Cliquer(boutons[hasard.bounded(9)]);
            break;
        case 3:
            QTest::keyClick(f.editeur, Qt::Key_Z, Qt::ControlModifier);
            break;
        case 4:
            QTest::keyClick(f.editeur, Qt::Key_Y, Qt::ControlModifier);
            break;
        default:
            QTest::keyClick(f.editeur, Qt::Key_Backspace);
        }
        boite.Laisser();
        QCoreApplication::processEvents();
        f.Verifier();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("after step %1").arg(pas)));
    }
}

void TestField::drawnAsTheGameShowsIt_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("selection");
    for (const QString style : {"Fusion", "Windows"}) {
        QTest::newRow(qPrintable(style + " typed")) << style << false;
        QTest::newRow(qPrintable(style + " selected")) << style << true;
    }
}

// The typed letters with their shadow one pixel right of and below them, and the style's
// highlight behind them only where the player selected.
void TestField::drawnAsTheGameShowsIt()
{
    QFETCH(QString, style);
    QFETCH(bool, selection);
    const QString avant = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(style));
    const auto retour = qScopeGuard([&] { QApplication::setStyle(avant); });
    Champ f;
    f.Taper(QStringLiteral("Viva$rel"));
    QTest::keyClick(f.editeur, Qt::Key_Left);
    if (selection)
        f.Selectionner(0, 8);
    const QImage image = f.ombre->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto proche = [](QRgb a, QColor b) {
        return qAbs(qRed(a) - b.red()) + qAbs(qGreen(a) - b.green()) + qAbs(qBlue(a) - b.blue()) <
               40;
    };
    const QColor jaune(CalculPseudo::CouleurPseudoParDefaut);
    int surligne = 0, bords = 0, ombres = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            for (auto groupe : {QPalette::Active, QPalette::Inactive})
                surligne += proche(image.pixel(x, y),
                                   f.ombre->palette().color(groupe, QPalette::Highlight));
            if (proche(image.pixel(x, y), jaune) && !proche(image.pixel(x + 1, y + 1), jaune)) {
                ++bords;
                ombres += qGray(image.pixel(x + 1, y + 1)) < 160;
            }
        }
    const QByteArray mesure = QStringLiteral("%1 highlighted, %2 of %3 edges shadowed")
                                  .arg(surligne)
                                  .arg(ombres)
                                  .arg(bords)
                                  .toUtf8() +
                              Police(f.editeur);
    QVERIFY2(selection ? surligne > 100 : surligne == 0, mesure.constData());
    QVERIFY2(selection || (bords > 20 && ombres * 10 >= bords * 8), mesure.constData());
}

QTEST_MAIN(TestField)
#include "tst_field.moc"
