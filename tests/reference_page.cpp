// The Linux build's window as the page draws it, for the browser trial to compare with: the
// same faces (the page's own), the screen offscreen is given, in the locale's language. Writes into
// OUT: page-N.png for each tab as it opens, liste-NAME[LETTER].png for each list of the character
// page dropped down, and positions.json: where the trial clicks, what each of its gestures copies,
// a keystroke's time. Exits 1 when a catalogue character cannot be drawn with these faces.
//   reference_page OUT FONT-FOLDER...   (QT_QPA_PLATFORM=offscreen:configfile=…)
#include "app/Demarrage.h"
#include "app/Plateforme.h"
#include "app/Session.h"
#include "window/Fen_Principale.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <cstdio>

namespace {
const int Frappes = 40;

QJsonArray Centre(const QWidget *widget, const QRect &zone, const QWidget *fenetre)
{
    const QPoint c = widget->mapTo(fenetre, zone.center());
    return {c.x(), c.y()};
}

bool Enregistrer(const QDir &sortie, const QJsonObject &positions)
{
    QSaveFile fichier(sortie.filePath(QStringLiteral("positions.json")));
    return fichier.open(QIODevice::WriteOnly) &&
           fichier.write(QJsonDocument(positions).toJson()) >= 0 && fichier.commit();
}

QImage Dessin(const QString &texte, const QFont &police)
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.setFont(police);
    peintre.drawText(image.rect(), Qt::AlignCenter, texte);
    return image;
}

// Items with a character drawn as Qt draws one no face can draw: the first face's missing
// glyph, or an empty square where no face can shape the character's script (a face that has
// the glyph but not the script's OpenType tables counts as none). None of these faces carries
// a private-use character, Bengali or Georgian (the catalogue has none).
QStringList SansGlyphe(const QComboBox *liste)
{
    const QFont police = liste->view()->font();
    QList<QImage> boites;
    for (const char16_t absent : {u'\ue000', u'\u0985', u'\u10a0'})
        boites << Dessin(QString(QChar(absent)), police);
    QStringList manquants;
    for (int i = 0; i < liste->count(); ++i) {
        const QList<uint> caracteres = liste->itemText(i).toUcs4();
        if (std::any_of(caracteres.begin(), caracteres.end(), [&](char32_t c) {
                return QChar::category(c) != QChar::Other_Format &&
                       boites.contains(Dessin(QString::fromUcs4(&c, 1), police));
            }))
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
    QStringList dossiers;
    for (int i = 2; i < argc; ++i)
        dossiers << QString::fromLocal8Bit(argv[i]);
    Plateforme::AppliquerPolicesPage(dossiers);
    QTranslator traducteur, traducteurQt;
    Demarrage::InstallerTraduction(traducteur, traducteurQt, QLocale::system().name());

    Session session(sortie.filePath(QStringLiteral("reglages.ini")), sortie.path(),
                    QStringLiteral("http://127.0.0.1/"));
    Fen_Principale &fenetre = session.Fenetre();
    // The whole screen, as the page shows its window.
    fenetre.setWindowState(Qt::WindowFullScreen);
    session.Montrer();
    const QSize ecran = QGuiApplication::primaryScreen()->size();
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return 1;
    // VIVAREL_FENETRE_SEULE: the window as it opens, alone, for the trial's other screen sizes;
    // then where the field is, the code its keys give, and where "Copier" is once the window
    // is scrolled to its end (the end of a phone's screen).
    if (qEnvironmentVariableIsSet("VIVAREL_FENETRE_SEULE")) {
        if (!fenetre.grab().save(sortie.filePath(QStringLiteral("page-0.png"))))
            return 1;
        auto *champ = fenetre.findChild<QWidget *>(QStringLiteral("editeurPseudo"));
        QJsonObject seule{{"editeurPseudo", Centre(champ, champ->rect(), &fenetre)}};
        QTest::keyClicks(champ, QStringLiteral("Viva$rel"));
        seule[QStringLiteral("code")] =
            fenetre.findChild<QLineEdit *>(QStringLiteral("ligneSortie"))->text();
        if (auto *defilement = fenetre.findChild<QScrollArea *>(QStringLiteral("defilement")))
            defilement->verticalScrollBar()->setValue(defilement->verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
        auto *copier = fenetre.findChild<QWidget *>(QStringLiteral("boutonCopier"));
        seule[QStringLiteral("boutonCopier")] = Centre(copier, copier->rect(), &fenetre);
        return Enregistrer(sortie, seule) ? 0 : 1;
    }

    QJsonObject positions{{"ecran", QJsonArray{ecran.width(), ecran.height()}}};
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
    // The character page, shown first, and its lists dropped down one by one; the look-alikes
    // once for each letter.
    QJsonArray listes;
    const auto derouler = [&](QComboBox *liste, const QString &lettre) {
        liste->showPopup();
        QWidget *deroulee = liste->view()->window();
        if (!QTest::qWaitForWindowExposed(deroulee))
            return false;
        // A list taller than the screen ends where each platform puts the popup's edge: its
        // last 40 pixels are left out.
        const bool coupee = liste->view()->verticalScrollBar()->maximum() > 0;
        const QPoint coin = fenetre.mapFromGlobal(deroulee->mapToGlobal(QPoint(0, 0)));
        const QString image = QStringLiteral("liste-%1%2.png").arg(liste->objectName(), lettre);
        deroulee->grab(deroulee->rect().adjusted(0, 0, 0, coupee ? -40 : 0))
            .save(sortie.filePath(image));
        listes << QJsonObject{{"liste", liste->objectName()},
                              {"lettre", lettre},
                              {"image", image},
                              {"x", coin.x()},
                              {"y", coin.y()}};
        liste->hidePopup();
        return true;
    };
    for (QComboBox *liste : onglets->widget(0)->findChildren<QComboBox *>())
        if (liste != ressemblants && !derouler(liste, QString()))
            return 1;
    for (int i = 0; i < lettres->count(); ++i) {
        lettres->setCurrentIndex(i);
        if (!derouler(ressemblants, lettres->itemText(i)))
            return 1;
    }
    lettres->setCurrentIndex(0);
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
    return Enregistrer(sortie, positions) && !echecs ? 0 : 1;
}
