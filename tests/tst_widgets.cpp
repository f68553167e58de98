#include "BoiteModale.h"
#include "Police.h"
#include "SansAvertissement.h"
#include "widgets/Accessibilite.h"
#include "widgets/ApercuJeu.h"
#include "widgets/CompteurMemorise.h"
#include "widgets/DelegueJeu.h"
#include "widgets/EtapesDegrade.h"
#include "widgets/LigneCode.h"
#include "widgets/ListeConsigne.h"
#include "widgets/PanneauMemorise.h"
#include "widgets/QFrame_Perso.h"
#include "widgets/QTextEdit_Perso.h"
#include "widgets/TexteLiens.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

QColor Fond(const QFrame_Perso &carre)
{
    return carre.palette().brush(QPalette::Window).color();
}

QString Lignes(int nombre)
{
    QStringList lignes;
    for (int i = 0; i < nombre; ++i)
        lignes << QStringLiteral("ligne %1").arg(i);
    return lignes.join(u'\n');
}

// Two paired editors, shown so that their scroll bars have ranges.
struct Paire
{
    QTextEdit_Perso a, b;
    Paire(int lignesA, int lignesB)
    {
        a.DefinirPartenaire(&b);
        b.DefinirPartenaire(&a);
        for (QTextEdit_Perso *e : {&a, &b}) {
            e->resize(200, 80);
            e->show();
        }
        a.setPlainText(Lignes(lignesA) + QString(80, u'x'));
        b.setPlainText(Lignes(lignesB) + QString(80, u'x'));
    }
};

// Stands in for the browser: what the program asks the desktop to open.
class Navigateur : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> ouvertes;

public slots:
    void Ouvrir(const QUrl &adresse) { ouvertes << adresse; }
};

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void defaultValues();
    void emptyListSaysHowToFillIt();
    void drawingsShowTheirColours_data();
    void drawingsShowTheirColours();
    void countDrawsAsAnLcd_data();
    void countDrawsAsAnLcd();
    void codeLineShapesWhatNeedsIt_data();
    void codeLineShapesWhatNeedsIt();
    void swatchSnapsAcceptedColour_data();
    void swatchSnapsAcceptedColour();
    void swatchCancelKeepsColour();
    void swatchIsAButtonToAssistiveTools();
    void helpLinksByKeyboardAndAsLinks();
    void swatchIgnoresOtherButtons_data();
    void swatchIgnoresOtherButtons();
    void verticalScrollIsMirrored();
    void horizontalScrollIsMirrored();
    void shorterPartnerStopsAtItsMaximum();
    void unpairedEditorScrolls();
    void editorLoadsNothing();
    void gradientStopsAddAndRemove();
};

void TestWidgets::defaultValues()
{
    const QFrame_Perso carre;
    QCOMPARE(carre.RecupererCouleur(), QColor(0, 0, 0, 255));
    QCOMPARE(Fond(carre), QColor(Qt::black));
    QVERIFY(carre.autoFillBackground());
    QCOMPARE(carre.frameStyle(), int(QFrame::Box | QFrame::Raised));
    QCOMPARE(carre.cursor().shape(), Qt::PointingHandCursor);
}

void TestWidgets::swatchSnapsAcceptedColour_data()
{
    QTest::addColumn<QColor>("choisie");
    QTest::addColumn<QColor>("attendue");
    QTest::newRow("8 9 255") << QColor(8, 9, 255) << QColor(0, 17, 255);
    QTest::newRow("25 26 136") << QColor(25, 26, 136) << QColor(17, 34, 136);
    QTest::newRow("254 127 128") << QColor(254, 127, 128) << QColor(255, 119, 136);
    QTest::newRow("already on a level") << QColor(51, 0, 238) << QColor(51, 0, 238);
}

void TestWidgets::swatchSnapsAcceptedColour()
{
    QFETCH(QColor, choisie);
    QFETCH(QColor, attendue);
    QFrame_Perso carre;
    carre.show();
    BoiteModale boite;
    boite.Attendre(choisie);
    QTest::mouseClick(&carre, Qt::LeftButton);
    boite.Laisser();
    QVERIFY(boite.vue);
    QCOMPARE(boite.couleurInitiale, QColor(Qt::black));
    QCOMPARE(carre.RecupererCouleur(), attendue);
    QCOMPARE(Fond(carre), attendue);

    // The dialog opens again on the snapped colour, not on the one picked.
    boite.Attendre();
    QTest::mouseClick(&carre, Qt::LeftButton);
    boite.Laisser();
    QCOMPARE(boite.couleurInitiale, attendue);
}

// To a screen reader the square is a push button named after its colour, and Press picks one.
void TestWidgets::swatchIsAButtonToAssistiveTools()
{
    QFrame_Perso carre;
    carre.DefinirLibelle(QStringLiteral("Couleur de départ"));
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(&carre);
    QCOMPARE(interface->role(), QAccessible::Button);
    QVERIFY(interface->text(QAccessible::Name).startsWith(QStringLiteral("Couleur de départ")));
    QAccessibleActionInterface *actions = interface->actionInterface();
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy choisie(&carre, &QFrame_Perso::CouleurChoisie);
    actions->doAction(QAccessibleActionInterface::pressAction());
    BoiteModale boite;
    boite.Attendre(QColor(0x11, 0x22, 0x33));
    QTRY_COMPARE(choisie.count(), 1);
    QVERIFY(boite.vue);
    QCOMPARE(carre.RecupererCouleur(), QColor(0x11, 0x22, 0x33));
}

// Tab reaches each link in turn and Enter opens it; assistive tools see each link as one, and
// press it.
void TestWidgets::helpLinksByKeyboardAndAsLinks()
{
    Accessibilite::Installer();
    QWidget page;
    auto *avant = new QPushButton(QStringLiteral("avant"), &page);
    auto *aide = new TexteLiens(QStringLiteral("Voir <a href='https://a.example/'>la <b>page</b> "
                                               "A</a> ou <a href='https://b.example/'>B</a>."));
    aide->setParent(&page);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    Navigateur navigateur;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &navigateur, "Ouvrir");
    const auto fin =
        qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); });

    avant->setFocus();
    QTest::keyClick(avant, Qt::Key_Tab);
    QCOMPARE(aide->LienActif(), 0);
    QTest::keyClick(aide, Qt::Key_Tab);
    QCOMPARE(aide->LienActif(), 1);
    QTest::keyClick(aide, Qt::Key_Return);
    QCOMPARE(navigateur.ouvertes, QList<QUrl>{QUrl(QStringLiteral("https://b.example/"))});

    QAccessibleInterface *texte = QAccessible::queryAccessibleInterface(aide);
    QCOMPARE(texte->text(QAccessible::Name), QStringLiteral("Voir la page A ou B."));
    QCOMPARE(texte->childCount(), 2);
    QAccessibleInterface *lien = texte->child(0);
    QCOMPARE(lien->role(), QAccessible::Link);
    QCOMPARE(lien->text(QAccessible::Name), QStringLiteral("la page A"));
    QCOMPARE(texte->indexOfChild(lien), 0);
    QVERIFY(texte->child(1)->state().focused);
    lien->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(navigateur.ouvertes.size(), 2);
    QCOMPARE(navigateur.ouvertes.last(), QUrl(QStringLiteral("https://a.example/")));
}

void TestWidgets::swatchCancelKeepsColour()
{
    QFrame_Perso carre;
    carre.show();
    BoiteModale boite;
    boite.Attendre(QColor(25, 26, 136));
    QTest::mouseClick(&carre, Qt::LeftButton);
    boite.Laisser();
    boite.Attendre(); // cancel
    QTest::mouseClick(&carre, Qt::LeftButton);
    boite.Laisser();
    QVERIFY(boite.vue);
    QCOMPARE(carre.RecupererCouleur(), QColor(17, 34, 136));
    QCOMPARE(Fond(carre), QColor(17, 34, 136));
}

void TestWidgets::swatchIgnoresOtherButtons_data()
{
    QTest::addColumn<Qt::MouseButton>("bouton");
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestWidgets::swatchIgnoresOtherButtons()
{
    QFETCH(Qt::MouseButton, bouton);
    QFrame_Perso carre;
    carre.show();
    BoiteModale boite;
    boite.Attendre(QColor(255, 0, 0));
    QTest::mouseClick(&carre, bouton);
    boite.Laisser();
    QCoreApplication::processEvents();
    QVERIFY(!boite.vue);
    QCOMPARE(carre.RecupererCouleur(), QColor(Qt::black));
}

void TestWidgets::verticalScrollIsMirrored()
{
    Paire paire(60, 60);
    QVERIFY(paire.a.verticalScrollBar()->maximum() > 100);
    paire.a.verticalScrollBar()->setValue(100);
    QCOMPARE(paire.b.verticalScrollBar()->value(), 100);
    paire.b.verticalScrollBar()->setValue(40);
    QCOMPARE(paire.a.verticalScrollBar()->value(), 40);
    // Keys scroll too.
    paire.a.setFocus();
    QTest::keyClick(&paire.a, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(paire.a.verticalScrollBar()->value() > 700);
    QCOMPARE(paire.b.verticalScrollBar()->value(), paire.a.verticalScrollBar()->value());
}

// The nickname scrolls sideways on its one line: the shadow follows that way too.
void TestWidgets::horizontalScrollIsMirrored()
{
    Paire paire(60, 60);
    QVERIFY(paire.a.horizontalScrollBar()->maximum() > 30);
    paire.a.horizontalScrollBar()->setValue(30);
    QCOMPARE(paire.b.horizontalScrollBar()->value(), 30);
    QCOMPARE(paire.b.verticalScrollBar()->value(), 0);
    paire.b.horizontalScrollBar()->setValue(10);
    QCOMPARE(paire.a.horizontalScrollBar()->value(), 10);
}

void TestWidgets::shorterPartnerStopsAtItsMaximum()
{
    Paire paire(60, 10);
    const int maximumB = paire.b.verticalScrollBar()->maximum();
    QVERIFY(maximumB > 0);
    QVERIFY(paire.a.verticalScrollBar()->maximum() > maximumB);
    paire.a.verticalScrollBar()->setValue(maximumB + 50);
    QCOMPARE(paire.b.verticalScrollBar()->value(), maximumB);
    QCOMPARE(paire.a.verticalScrollBar()->value(), maximumB);
}

void TestWidgets::unpairedEditorScrolls()
{
    QTextEdit_Perso seul;
    seul.resize(200, 80);
    seul.show();
    seul.setPlainText(Lignes(60));
    seul.verticalScrollBar()->setValue(50);
    QCOMPARE(seul.verticalScrollBar()->value(), 50);
}

// An image pointing at a device would be read without end.
void TestWidgets::editorLoadsNothing()
{
    QTextEdit_Perso editeur;
    editeur.setHtml(QStringLiteral("a<img src=\"/dev/zero\">b"));
    editeur.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editeur));
    QCOMPARE(editeur.toPlainText().size(), 3);
}

void TestWidgets::gradientStopsAddAndRemove()
{
    EtapesDegrade etapes(new QLabel, new QFrame_Perso, new QLabel, new QFrame_Perso);
    QSignalSpy modifiees(&etapes, &EtapesDegrade::Modifiees);
    auto *plus = etapes.findChild<QAbstractButton *>(QStringLiteral("boutonAjouterCouleur"));
    for (int i = 0; i < 5; ++i)
        plus->click();
    QCOMPARE(etapes.Couleurs().size(), 6); // six at most
    QVERIFY(!plus->isEnabled());
    QCOMPARE(modifiees.count(), 4);
    for (QAbstractButton *bouton : etapes.findChildren<QAbstractButton *>())
        if (bouton->text() == QStringLiteral("−")) {
            bouton->click();
            break;
        }
    QCOMPARE(etapes.Couleurs().size(), 5);
    QVERIFY(plus->isEnabled());
    QCOMPARE(modifiees.count(), 5);
}

// A code past plain Latin shows exactly as an ordinary line edit shows it, even after a plain
// code was shown without shaping.
// While empty, the words are drawn in the placeholder colour and read as its description.
void TestWidgets::emptyListSaysHowToFillIt()
{
    ListeConsigne liste;
    liste.resize(300, 200);
    // The placeholder colour as it lands on the list's ground, where the first row is not.
    QImage gris(1, 1, QImage::Format_RGB32);
    gris.fill(liste.palette().color(QPalette::Base));
    QPainter(&gris).fillRect(gris.rect(), liste.palette().color(QPalette::PlaceholderText));
    const auto encre = [&] {
        const QImage image = liste.viewport()->grab().toImage();
        int points = 0;
        for (int y = image.height() / 3; y < image.height() * 2 / 3; ++y)
            for (int x = 0; x < image.width(); ++x)
                points += image.pixel(x, y) == gris.pixel(0, 0);
        return points;
    };
    QCOMPARE(encre(), 0);
    liste.DefinirConsigne(QStringLiteral("Nothing yet: Save keeps one."));
    QVERIFY2(encre() > 5, (QByteArray::number(encre()) + Police(&liste)).constData());
    QCOMPARE(liste.accessibleDescription(), QStringLiteral("Nothing yet: Save keeps one."));
    liste.addItem(QStringLiteral("a"));
    QCOMPARE(encre(), 0);
    QTRY_VERIFY(liste.accessibleDescription().isEmpty());
    liste.clear();
    QVERIFY2(encre() > 5, (QByteArray::number(encre()) + Police(&liste)).constData());
    QTRY_COMPARE(liste.accessibleDescription(), QStringLiteral("Nothing yet: Save keeps one."));
}

void TestWidgets::drawingsShowTheirColours_data()
{
    QTest::addColumn<QString>("dessin");
    QTest::newRow("game preview") << "apercu";
    QTest::newRow("collection entry") << "entree";
    QTest::newRow("colour square") << "carre";
}

// What is on screen: the nickname's colours where its runs are, left to right; the square in
// its colour.
void TestWidgets::drawingsShowTheirColours()
{
    QFETCH(QString, dessin);
    const QString code = QStringLiteral("$f00MMMMMM$00fWWWWWW");
    QImage image;
    if (dessin == QLatin1String("apercu")) {
        ApercuJeu apercu;
        apercu.resize(400, 60);
        apercu.Afficher(code);
        image = apercu.grab().toImage();
    } else if (dessin == QLatin1String("entree")) {
        QListWidget liste;
        liste.setItemDelegate(new DelegueJeu(&liste));
        (new QListWidgetItem(QStringLiteral("nom"), &liste))->setData(Qt::UserRole, code);
        liste.resize(liste.sizeHintForColumn(0) + 40, 120); // the whole entry, whatever the font
        liste.show();
        QVERIFY(QTest::qWaitForWindowExposed(&liste));
        image = liste.viewport()->grab().toImage();
    } else {
        QFrame_Perso carre;
        carre.resize(40, 40);
        carre.DefinirCouleur(QColor(0x44, 0x99, 0xee));
        image = carre.grab().toImage();
        QCOMPARE(image.pixelColor(image.rect().center()), carre.RecupererCouleur());
        return;
    }
    // The first and last column where a colour stands out: its channel strong, the others weak
    // (the glyphs' edges blend with the dark ground).
    const auto colonnes = [&](int (QColor::*canal)() const) {
        int premiere = image.width(), derniere = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if ((c.*canal)() > 110 && c.red() + c.green() + c.blue() - (c.*canal)() < 120) {
                    premiere = qMin(premiere, x);
                    derniere = qMax(derniere, x);
                }
            }
        return std::pair(premiere, derniere);
    };
    const auto [rougeDebut, rougeFin] = colonnes(&QColor::red);
    const auto [bleuDebut, bleuFin] = colonnes(&QColor::blue);
    QVERIFY2(rougeFin >= 0 && bleuFin >= 0, "both runs drawn in their colours");
    QVERIFY(rougeFin < bleuDebut);
}

void TestWidgets::countDrawsAsAnLcd_data()
{
    QTest::addColumn<int>("valeur");
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 2.0})
        for (const int valeur : {0, 7, 45, 46, 123})
            QTest::addRow("%d at %g", valeur, ratio) << valeur << ratio;
}

// Pixel for pixel what a plain QLCDNumber set up alike draws, drawn and then copied.
void TestWidgets::countDrawsAsAnLcd()
{
    QFETCH(int, valeur);
    QFETCH(qreal, ratio);
    const uint chiffres = qMax(2, int(QString::number(valeur).size()));
    CompteurMemorise compteur(chiffres);
    QLCDNumber simple(chiffres);
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::darkBlue);
    const auto images = [&](QLCDNumber &lcd) {
        lcd.setSegmentStyle(QLCDNumber::Filled);
        lcd.setPalette(palette);
        lcd.resize(64, 40);
        lcd.display(valeur);
        QImage image(lcd.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        lcd.render(&image);
        return image;
    };
    const QImage attendue = images(simple);
    QCOMPARE(images(compteur), attendue);
    QCOMPARE(images(compteur), attendue); // from the cache
    int encre = 0;                        // the segments are there, in the palette's ink
    for (int y = 0; y < attendue.height(); ++y)
        for (int x = 0; x < attendue.width(); ++x)
            encre += attendue.pixelColor(x, y) == QColor(Qt::darkBlue);
    QVERIFY2(encre > 40 * ratio * ratio, qPrintable(QString::number(encre)));
}

void TestWidgets::codeLineShapesWhatNeedsIt_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("combining marks") << QStringLiteral("$f00e\u0301\u0327z\u0336");
    QTest::newRow("Thai") << QStringLiteral("$0f0\u0e01\u0e35\u0e48");
    QTest::newRow("Devanagari") << QStringLiteral("\u0915\u094d\u0937\u093f");
}

void TestWidgets::codeLineShapesWhatNeedsIt()
{
    QFETCH(QString, code);
    LigneCode ligne;
    QLineEdit reference;
    PanneauMemorise style;
    reference.setStyle(&style);
    reference.setReadOnly(true);
    reference.setFixedSize(ligne.sizeHint());
    ligne.setFixedSize(ligne.sizeHint());
    ligne.Afficher(QStringLiteral("$f00Plain"));
    ligne.Afficher(code);
    reference.setText(code);
    QCOMPARE(ligne.text(), code);
    QCOMPARE(ligne.grab().toImage(), reference.grab().toImage());
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
