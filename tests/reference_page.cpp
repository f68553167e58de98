// The Linux build's window as the page draws it, for the browser trial to compare with: the
// same faces (the page's own and Qt's wasm interface face), the same 1000 × 800 screen, French.
// Writes into OUT: page-N.png for each tab as it opens, liste-NAME.png for each list of the
// character page as it drops down, and positions.json, where the trial clicks. Exits 1 when a
// catalogue character has no glyph in these faces.
//   reference_page OUT FONT-FOLDER...   (QT_QPA_PLATFORM=offscreen:configfile=…)
#include "app/Demarrage.h"
#include "app/Session.h"
#include "window/Fen_Principale.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>

#include <cstdio>

namespace {
const int Frappes = 40;

QJsonArray Centre(const QWidget *widget, const QRect &zone, const QWidget *fenetre)
{
    const QPoint c = widget->mapTo(fenetre, zone.center());
    return {c.x(), c.y()};
}

// Characters drawn with no face that has them.
QStringList SansGlyphe(const QComboBox *liste)
{
    QStringList manquants;
    for (int i = 0; i < liste->count(); ++i) {
        QTextLayout mise(liste->itemText(i), liste->view()->font());
        mise.beginLayout();
        mise.createLine();
        mise.endLayout();
        for (const QGlyphRun &suite : mise.glyphRuns())
            if (suite.glyphIndexes().contains(0))
                manquants << liste->itemText(i);
    }
    return manquants;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fputs("reference_page OUT FONT-FOLDER...\n", stderr);
        return 2;
    }
    const QDir sortie(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QDir dossier(QString::fromLocal8Bit(argv[i]));
        for (const QString &nom : dossier.entryList({"*.ttf", "*.otf"}, QDir::Files))
            QFontDatabase::addApplicationFont(dossier.filePath(nom));
    }
    // What the page does at start, and the interface face Qt's wasm platform picks.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QApplication::setFont(QFont(QStringLiteral("Bitstream Vera Sans")));
    QTranslator traducteur, traducteurQt;
    Demarrage::InstallerTraduction(traducteur, traducteurQt, QStringLiteral("fr_FR"));

    Session session(sortie.filePath(QStringLiteral("reglages.ini")), sortie.path(),
                    QStringLiteral("http://127.0.0.1/"));
    Fen_Principale &fenetre = session.Fenetre();
    session.Montrer();
    fenetre.setGeometry(0, 0, 1100, 850);
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return 1;

    QJsonObject positions;
    auto *onglets = fenetre.findChild<QTabWidget *>(QStringLiteral("onglets"));
    QJsonArray pages;
    for (int i = 0; i < onglets->count(); ++i)
        pages << Centre(onglets->tabBar(), onglets->tabBar()->tabRect(i), &fenetre);
    positions[QStringLiteral("languettes")] = pages;
    int echecs = 0;
    for (int i = onglets->count() - 1; i >= 0; --i) {
        onglets->setCurrentIndex(i);
        QTest::qWait(50);
        for (QWidget *widget : fenetre.findChildren<QWidget *>())
            if (!widget->objectName().isEmpty() && widget->isVisibleTo(&fenetre))
                positions[widget->objectName()] = Centre(widget, widget->rect(), &fenetre);
        fenetre.grab().save(sortie.filePath(QStringLiteral("page-%1.png").arg(i)));
    }
    // Every character of the catalogue, the look-alikes of each letter in turn.
    auto *lettres = onglets->widget(0)->findChild<QComboBox *>(QStringLiteral("listeLettres"));
    auto *ressemblants =
        onglets->widget(0)->findChild<QComboBox *>(QStringLiteral("listeRessemblants"));
    QStringList manquants;
    for (int i = lettres->count() - 1; i >= 0; --i) {
        lettres->setCurrentIndex(i);
        manquants << SansGlyphe(ressemblants);
    }
    for (const QComboBox *liste : onglets->widget(0)->findChildren<QComboBox *>())
        manquants << SansGlyphe(liste);
    if (!manquants.isEmpty()) {
        std::fprintf(stderr, "no glyph in the page's faces for %s\n",
                     qPrintable(manquants.join(u' ')));
        ++echecs;
    }
    // The character page, shown first, and its lists dropped down one by one.
    QJsonObject listes;
    for (QComboBox *liste : onglets->widget(0)->findChildren<QComboBox *>()) {
        liste->showPopup();
        QWidget *deroulee = liste->view()->window();
        if (!QTest::qWaitForWindowExposed(deroulee))
            return 1;
        deroulee->grab().save(
            sortie.filePath(QStringLiteral("liste-%1.png").arg(liste->objectName())));
        const QPoint coin = fenetre.mapFromGlobal(deroulee->mapToGlobal(QPoint(0, 0)));
        listes[liste->objectName()] = QJsonArray{coin.x(), coin.y()};
        liste->hidePopup();
    }
    positions[QStringLiteral("listes")] = listes;

    // The trial's gestures, at the same places: a nickname and the first page's character, all
    // of it selected with the mouse and Shift+Home, the second gradient preset applied, italics
    // applied, copied.
    const auto cliquer = [&](const QJsonArray &ou) {
        const QPoint point(ou[0].toInt(), ou[1].toInt());
        QWidget *cible = fenetre.childAt(point);
        QTest::mouseClick(cible, Qt::LeftButton, {}, cible->mapFrom(&fenetre, point));
        QTest::qWait(20);
    };
    const auto touche = [](Qt::Key cle, Qt::KeyboardModifiers avec = {}) {
        QTest::keyClick(QApplication::focusWidget(), cle, avec);
    };
    onglets->setCurrentIndex(0);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Viva$rel 21 "));
    cliquer(positions[QStringLiteral("boutonInserer")].toArray());
    cliquer(positions[QStringLiteral("editeurPseudo")].toArray());
    touche(Qt::Key_End);
    touche(Qt::Key_Home, Qt::ShiftModifier);
    cliquer(pages[2].toArray());
    cliquer(positions[QStringLiteral("comboPreReglages")].toArray());
    touche(Qt::Key_Down);
    touche(Qt::Key_Return);
    cliquer(positions[QStringLiteral("boutonDegrade")].toArray());
    cliquer(pages[3].toArray());
    cliquer(positions[QStringLiteral("caseItalique")].toArray());
    cliquer(positions[QStringLiteral("boutonEffet")].toArray());
    const auto copier = [&](const char *bouton) {
        cliquer(positions[QLatin1String(bouton)].toArray());
        return QApplication::clipboard()->text();
    };
    QJsonObject codes;
    codes[QStringLiteral("gradient")] = copier("boutonCopier");
    // The field's own copy, a paste at its end, an imported code, and the HTML copy's text.
    cliquer(positions[QStringLiteral("editeurPseudo")].toArray());
    touche(Qt::Key_End);
    touche(Qt::Key_Home, Qt::ShiftModifier);
    touche(Qt::Key_C, Qt::ControlModifier);
    codes[QStringLiteral("ctrl+c")] = QApplication::clipboard()->text();
    touche(Qt::Key_End);
    touche(Qt::Key_V, Qt::ControlModifier);
    codes[QStringLiteral("paste")] = copier("boutonCopier");
    cliquer(positions[QStringLiteral("boutonImporter")].toArray());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("$f00Im$0f0port"));
    touche(Qt::Key_Return);
    codes[QStringLiteral("import")] = copier("boutonCopier");
    codes[QStringLiteral("html")] = copier("boutonCopierHtml");
    positions[QStringLiteral("codes")] = codes;
    // A keystroke's own work, its paint left for later, as the page times it.
    cliquer(positions[QStringLiteral("editeurPseudo")].toArray());
    QElapsedTimer chrono;
    chrono.start();
    auto *champ = fenetre.findChild<QWidget *>(QStringLiteral("editeurPseudo"));
    for (int i = 0; i < Frappes; ++i)
        QTest::keyClick(champ, Qt::Key_A);
    positions[QStringLiteral("frappe")] = chrono.nsecsElapsed() / 1e6 / Frappes;
    positions[QStringLiteral("frappes")] = Frappes;
    QSaveFile fichier(sortie.filePath(QStringLiteral("positions.json")));
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(QJsonDocument(positions).toJson()) < 0 || !fichier.commit())
        return 1;
    return echecs ? 1 : 0;
}
