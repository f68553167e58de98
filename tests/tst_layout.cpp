// Run once per desktop set-up (see CMakeLists.txt): the default font, QT_SCALE_FACTOR 1.5 and
// 2, a 12-point application font (VIVAREL_POLICE_TEST=12), and a phone's screen held upright.
// Full screen, the window fits the screen: 800x600 and a phone sideways scroll, the scaled
// screens and the phone upright are narrower than the window, which folds into a column.
#include "FenetreTest.h"
#include "SansAvertissement.h"
#include "app/Demarrage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void initTestCase();
    void defaultValues();
    void everyPageFits_data();
    void everyPageFits();
    void fieldAndOutputGrowWithTheWindow();
    void leavingFullScreenGivesTheLayoutBack();
    void noBareBandInATallWindow_data();
    void noBareBandInATallWindow();
};

void TestLayout::initTestCase()
{
    const int points = qEnvironmentVariableIntValue("VIVAREL_POLICE_TEST");
    if (points > 0) {
        QFont police = QApplication::font();
        police.setPointSize(points);
        QApplication::setFont(police);
    }
}

void TestLayout::defaultValues()
{
    FenetreTest f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    QVERIFY(f.ombre->width() >= 501);
    QCOMPARE(f.editeur->geometry(), f.ombre->rect().translated(-1, -1));
}

void TestLayout::everyPageFits_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("plein");
    for (const bool plein : {false, true})
        for (const QString locale : {"fr_FR", "en_GB", "de_DE"})
            for (int page = 0; page < 5; ++page)
                QTest::addRow("%s page %d%s", qPrintable(locale), page, plein ? " full screen" : "")
                    << locale << page << plein;
}

// No two visible widgets side by side overlap, and every label and button has the room it
// asks for, on every page, in every language; full screen, nothing lies beyond the screen's
// width.
void TestLayout::everyPageFits()
{
    QFETCH(QString, locale);
    QFETCH(int, page);
    QFETCH(bool, plein);
    QTranslator traducteur, traducteurQt;
    Demarrage::InstallerTraduction(traducteur, traducteurQt, locale);
    const auto retirer = qScopeGuard([&] {
        QCoreApplication::removeTranslator(&traducteur);
        QCoreApplication::removeTranslator(&traducteurQt);
    });
    FenetreTest f;
    if (plein)
        f.fenetre.setWindowState(Qt::WindowFullScreen);
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    f.Trouver<QTabWidget>("onglets")->setCurrentIndex(page);
    for (int tour = 0; tour < 3; ++tour) // a text set on the way asks for room again
        QCoreApplication::processEvents();
    if (plein) {
        FenetreTest large;
        large.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&large.fenetre));
        const QSize minimum = large.fenetre.minimumSizeHint();
        const QRect ecran = f.fenetre.screen()->availableGeometry();
        QCOMPARE(f.fenetre.size(), f.fenetre.screen()->geometry().size());
        // Shorter than the window, it scrolls; narrower (its scroll bar's width taken), each
        // label stands above its field.
        const bool courte = ecran.height() < minimum.height();
        const bool etroite =
            ecran.width() -
                (courte ? f.fenetre.style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0) <
            minimum.width();
        QCOMPARE(f.fenetre.findChild<QScrollArea *>("defilement") != nullptr, courte || etroite);
        const auto *label = f.Trouver<QWidget>("labelPseudo");
        QCOMPARE(label->mapTo(&f.fenetre, QPoint(0, label->height())).y() <=
                     f.ombre->mapTo(&f.fenetre, QPoint()).y(),
                 etroite);
        // Nothing lies beyond the screen's width, unless a button's own text is wider than the
        // screen leaves it inside two frames (Wine's Tahoma, at 400 pixels): then the window
        // scrolls sideways too.
        int bouton = 0;
        for (const QAbstractButton *b : f.fenetre.findChildren<QAbstractButton *>())
            bouton = qMax(bouton, b->minimumSizeHint().width());
        const int cadres = 4 * f.fenetre.style()->pixelMetric(QStyle::PM_LayoutLeftMargin) +
                           f.fenetre.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        for (const QWidget *w : f.fenetre.findChildren<QWidget *>())
            if (w->isVisible() && bouton + cadres <= ecran.width())
                QVERIFY2(w->mapTo(&f.fenetre, QPoint(w->width(), 0)).x() <= ecran.width(),
                         qPrintable(w->objectName()));
    }

    QList<QWidget *> conteneurs{&f.fenetre};
    for (QWidget *w : f.fenetre.findChildren<QWidget *>())
        if (w->layout() && w->isVisible())
            conteneurs << w;
    for (QWidget *conteneur : conteneurs) {
        QList<QWidget *> enfants;
        for (QObject *o : conteneur->children())
            if (o->isWidgetType() && static_cast<QWidget *>(o)->isVisible())
                enfants << static_cast<QWidget *>(o);
        for (int i = 0; i < enfants.size(); ++i)
            for (int j = i + 1; j < enfants.size(); ++j)
                QVERIFY2(!enfants[i]->geometry().intersects(enfants[j]->geometry()),
                         qPrintable(enfants[i]->objectName() + " / " + enfants[j]->objectName() +
                                    " in " + conteneur->objectName()));
    }
    // Every push button in sight has its own Alt+letter.
    QList<QKeySequence> raccourcis;
    for (QPushButton *bouton : f.fenetre.findChildren<QPushButton *>())
        if (bouton->isVisible()) {
            const QKeySequence raccourci = QKeySequence::mnemonic(bouton->text());
            QVERIFY2(!raccourci.isEmpty() && !raccourcis.contains(raccourci),
                     qPrintable(bouton->text()));
            raccourcis << raccourci;
        }
    for (QWidget *w : f.fenetre.findChildren<QWidget *>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)))
            continue;
        // A tab bar too narrow for its tabs squeezes its own scroll arrows.
        if (qobject_cast<QTabBar *>(w->parentWidget()))
            continue;
        auto *label = qobject_cast<QLabel *>(w);
        const QSize voulu =
            label && label->wordWrap()
                ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                : w->sizeHint();
        QVERIFY2(
            w->width() >= voulu.width() && w->height() >= voulu.height(),
            qPrintable(QStringLiteral("%1 [%2] %3x%4 < %5x%6")
                           .arg(w->objectName(), label ? label->text().left(30)
                                                       : static_cast<QAbstractButton *>(w)->text())
                           .arg(w->width())
                           .arg(w->height())
                           .arg(voulu.width())
                           .arg(voulu.height())));
    }
}

// Made wider, the window gives the room to the nickname field and the output line.
void TestLayout::fieldAndOutputGrowWithTheWindow()
{
    FenetreTest f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    const int champ = f.ombre->width(), sortie = f.sortie->width();
    f.fenetre.resize(f.fenetre.width() + 200, f.fenetre.height());
    QCoreApplication::processEvents();
    QVERIFY(f.ombre->width() > champ);
    QVERIFY(f.sortie->width() > sortie);
    QCOMPARE(f.editeur->size(), f.ombre->size());
}

// A window full screen on a screen too small for it, then shown as usual, has its layout back:
// each widget where it was, give or take the few pixels a grid's columns may share otherwise.
void TestLayout::leavingFullScreenGivesTheLayoutBack()
{
    FenetreTest f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    const QSize taille = f.fenetre.size();
    QList<QWidget *> widgets;
    QList<QRect> avant;
    for (QWidget *w : f.fenetre.findChildren<QWidget *>())
        if (w->isVisible())
            widgets << w, avant << QRect(w->mapTo(&f.fenetre, QPoint()), w->size());
    f.fenetre.setWindowState(Qt::WindowFullScreen);
    QCoreApplication::processEvents();
    f.fenetre.setWindowState(Qt::WindowNoState);
    f.fenetre.resize(taille);
    QCoreApplication::processEvents();
    for (int i = 0; i < widgets.size(); ++i) {
        QVERIFY(widgets[i]->isVisible());
        const QRect apres(widgets[i]->mapTo(&f.fenetre, QPoint()), widgets[i]->size());
        const QPoint ecart = apres.bottomRight() - avant[i].bottomRight();
        QVERIFY2((apres.topLeft() - avant[i].topLeft()).manhattanLength() <= 8 &&
                     ecart.manhattanLength() <= 8,
                 qPrintable(widgets[i]->objectName()));
    }
    QVERIFY(!f.fenetre.findChild<QScrollArea *>("defilement"));
    QCOMPARE(QApplication::focusWidget(), f.editeur);
}

void TestLayout::noBareBandInATallWindow_data()
{
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<int>("page");
    for (const QSize taille : {QSize(1366, 740), QSize(1920, 1050), QSize(1100, 1900)})
        for (int page = 0; page < 5; ++page)
            QTest::addRow("%dx%d page %d", taille.width(), taille.height(), page) << taille << page;
}

// However tall the window, no band of bare background parts its rows, from below the banner (a
// picture with margins of its own) down to the count: the room left over lies below them all.
void TestLayout::noBareBandInATallWindow()
{
    QFETCH(QSize, taille);
    QFETCH(int, page);
    FenetreTest f;
    f.fenetre.resize(taille);
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    f.Trouver<QTabWidget>("onglets")->setCurrentIndex(page);
    QCoreApplication::processEvents();
    const QImage image = f.fenetre.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal echelle = image.devicePixelRatio();
    const auto bas = [&](const char *nom) {
        const QWidget *w = f.Trouver<QWidget>(nom);
        return int(w->mapTo(&f.fenetre, QPoint(0, w->height())).y() * echelle);
    };
    const int fin = bas("ligneLongueur");
    const QRgb fond = f.fenetre.palette().color(QPalette::Window).rgb();
    int bande = 0, plusLongue = 0;
    for (int y = bas("banniere"); y < fin; ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const bool nue =
            std::all_of(ligne, ligne + image.width(), [&](QRgb p) { return p == fond; });
        bande = nue ? bande + 1 : 0;
        plusLongue = qMax(plusLongue, bande);
    }
    QVERIFY2(plusLongue <= 3 * f.fenetre.fontMetrics().lineSpacing() * echelle,
             qPrintable(QStringLiteral("a bare band %1 pixels tall").arg(plusLongue)));
    // Nor do the pages grow: the rows keep the height they ask for.
    const auto *onglets = f.Trouver<QTabWidget>("onglets");
    QCOMPARE(onglets->height(), onglets->hasHeightForWidth()
                                    ? onglets->heightForWidth(onglets->width())
                                    : onglets->sizeHint().height());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
