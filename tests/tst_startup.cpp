#include "SansAvertissement.h"
#include "app/Demarrage.h"
#include "app/HorsEcran.h"
#include "app/Reglages.h"
#include "encoder/FormesTexte.h"
#include "widgets/BanniereTitre.h"
#include "widgets/DessinJeu.h"
#include "widgets/EtapesDegrade.h"
#include "widgets/QFrame_Perso.h"
#include "window/Fen_Principale.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

namespace {

using Fichiers = QMap<QString, QString>;

// Runs the start-up steps from a fresh working directory holding `fichiers` (name -> source
// file to copy, or empty for a file of garbage), then reads the window's nickname caption.
class Demarrer
{
public:
    explicit Demarrer(const Fichiers &fichiers)
    {
        ancien = QDir::currentPath();
        QDir dossier(temporaire.path());
        dossier.mkdir(QStringLiteral("Lang"));
        for (auto it = fichiers.begin(); it != fichiers.end(); ++it) {
            const QString cible = dossier.filePath(it.key());
            if (it.value().isEmpty()) {
                QFile garbage(cible);
                garbage.open(QIODevice::WriteOnly);
                garbage.write("not a Qt file at all\n");
            } else {
                QFile::copy(it.value(), cible);
            }
        }
        QDir::setCurrent(temporaire.path());
    }
    ~Demarrer()
    {
        QResource::unregisterResource(QStringLiteral("Gui.rcc"), QString());
        QDir::setCurrent(ancien);
    }

    QString Legende(const QString &nomLocale)
    {
        Demarrage::EnregistrerRessourcesExternes();
        QTranslator traducteur, traducteurQt;
        Demarrage::InstallerTraduction(traducteur, traducteurQt, nomLocale);
        boutonQt = QCoreApplication::translate("QPlatformTheme", "Cancel");
        Fen_Principale fenetre;
        return fenetre.findChild<QLabel *>(QStringLiteral("labelPseudo"))->text();
    }

    // Qt's own word on a standard button, as its translator gave it.
    QString boutonQt;

private:
    QTemporaryDir temporaire;
    QString ancien;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void defaultValues();
    void catalogueFoundByLocale_data();
    void catalogueFoundByLocale();
    void qtSpeaksTheWindowsLanguage();
    void externalResourcesMountAtRoot();
    void settingsComeBack();
    void damagedFilesNeverKill_data();
    void damagedFilesNeverKill();
    void subtitleReadsOnAnyPalette_data();
    void subtitleReadsOnAnyPalette();
    void commandLine_data();
    void commandLine();
    void renderWithoutDisplay_data();
    void renderWithoutDisplay();
    void renderAnswersEachLine();
    void renderOneAnswerPerLine_data();
    void renderOneAnswerPerLine();
    void renderIntoATerminal();
    void renderFailures_data();
    void renderFailures();
    void renderPng();
};

void TestStartup::defaultValues()
{
    Demarrer depart({});
    QCOMPARE(depart.Legende(QStringLiteral("fr_FR")), QStringLiteral("Votre Pseudo:"));
    QVERIFY(QFile::exists(QStringLiteral(":/GUI/IMG/TitreLogiciel.png")));
    QCOMPARE(QImage(QStringLiteral(":/GUI/IMG/TitreLogiciel.png")).size(), QSize(550, 117));
    QCOMPARE(QImage(QStringLiteral(":/GUI/IMG/IconeVVRL.png")).size(), QSize(128, 128));
}

void TestStartup::catalogueFoundByLocale_data()
{
    const QString qm = QStringLiteral(TRADUCTION_TEST);
    QTest::addColumn<Fichiers>("fichiers");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("legende");
    QTest::newRow("exact name") << Fichiers{{"Lang/fr_FR.qm", qm}} << "fr_FR"
                                << "Your nickname:";
    QTest::newRow("language only") << Fichiers{{"Lang/fr.qm", qm}} << "fr_FR"
                                   << "Your nickname:";
    QTest::newRow("exact name first")
        << Fichiers{{"Lang/fr_FR.qm", qm}, {"Lang/fr.qm", QString()}} << "fr_FR"
        << "Your nickname:";
    QTest::newRow("C locale") << Fichiers{{"Lang/C.qm", qm}} << "C"
                              << "Your nickname:";
    QTest::newRow("other language ignored") << Fichiers{{"Lang/de.qm", qm}} << "fr_FR"
                                            << "Votre Pseudo:";
    QTest::newRow("beside the program, not in Lang") << Fichiers{{"fr.qm", qm}} << "fr_FR"
                                                     << "Votre Pseudo:";
    QTest::newRow("another locale speaks English") << Fichiers{} << "es_ES"
                                                   << "Your nickname:";
    QTest::newRow("German") << Fichiers{} << "de_AT"
                            << "Dein Nickname:";
    QTest::newRow("garbage catalogue and resources")
        << Fichiers{{"Lang/fr_FR.qm", QString()}, {"Gui.rcc", QString()}} << "fr_FR"
        << "Votre Pseudo:";
}

void TestStartup::catalogueFoundByLocale()
{
    QFETCH(Fichiers, fichiers);
    QFETCH(QString, locale);
    QFETCH(QString, legende);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); // missing files are silent
    Demarrer depart(fichiers);
    QCOMPARE(depart.Legende(locale), legende);
}

// Qt's dialogs and buttons follow the window: French, German, English otherwise.
void TestStartup::qtSpeaksTheWindowsLanguage()
{
    Demarrer depart({});
    depart.Legende(QStringLiteral("fr_CA"));
    QCOMPARE(depart.boutonQt, QStringLiteral("Annuler"));
    depart.Legende(QStringLiteral("de_CH"));
    QCOMPARE(depart.boutonQt, QStringLiteral("Abbrechen"));
    depart.Legende(QStringLiteral("es_ES"));
    QCOMPARE(depart.boutonQt, QStringLiteral("Cancel"));
}

void TestStartup::externalResourcesMountAtRoot()
{
    Demarrer depart({{"Gui.rcc", QStringLiteral(RESSOURCES_TEST)}});
    QVERIFY(!QFile::exists(QStringLiteral(":/test/bonjour.txt")));
    depart.Legende(QStringLiteral("fr_FR"));
    QVERIFY(QFile::exists(QStringLiteral(":/test/bonjour.txt")));
    QVERIFY(QFile::exists(QStringLiteral(":/GUI/IMG/IconeVVRL.png")));
}

// Saved in a file of the test's own, never the player's settings.
void TestStartup::settingsComeBack()
{
    QTemporaryDir dossier;
    QSettings reglages(dossier.filePath(QStringLiteral("vivarel.ini")), QSettings::IniFormat);
    const QList<QColor> degrade = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    QString code;
    {
        Fen_Principale fenetre;
        fenetre.findChild<QRadioButton *>(QStringLiteral("radioSerre"))->click();
        fenetre.ImporterCode(QStringLiteral("$n$f00Bob$o$$"));
        fenetre.findChild<QFrame_Perso *>(QStringLiteral("carreCouleur"))
            ->DefinirCouleur(QColor(0, 255, 255));
        fenetre.findChild<EtapesDegrade *>()->DefinirCouleurs(degrade);
        fenetre.findChild<QSpinBox *>()->setValue(7);
        fenetre.findChild<QTabWidget *>()->setCurrentIndex(2);
        code = fenetre.findChild<QLineEdit *>(QStringLiteral("ligneSortie"))->text();
        Reglages::Enregistrer(fenetre, reglages);
    }
    Fen_Principale fenetre; // built on its own, it starts empty
    QVERIFY(fenetre.findChild<QLineEdit *>(QStringLiteral("ligneSortie"))->text().isEmpty());
    Reglages::Restaurer(fenetre, reglages);
    QCOMPARE(fenetre.findChild<QLineEdit *>(QStringLiteral("ligneSortie"))->text(), code);
    QCOMPARE(code, QStringLiteral("$n$f00Bob$o$$"));
    QVERIFY(fenetre.findChild<QRadioButton *>(QStringLiteral("radioSerre"))->isChecked());
    QCOMPARE(fenetre.findChild<QFrame_Perso *>(QStringLiteral("carreCouleur"))->RecupererCouleur(),
             QColor(0, 255, 255));
    QCOMPARE(fenetre.findChild<EtapesDegrade *>()->Couleurs(), degrade);
    QCOMPARE(fenetre.findChild<QSpinBox *>()->value(), 7);
    QCOMPARE(fenetre.findChild<QTabWidget *>()->currentIndex(), 2);
    QVERIFY(!fenetre.findChild<QTextEdit *>(QStringLiteral("editeurPseudo"))
                 ->document()
                 ->isUndoAvailable());
}

void TestStartup::damagedFilesNeverKill_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArrayList>("variantes");
    QTest::addColumn<bool>("refus"); // one at least is refused: the header's first bytes
    // A row a few dozen child processes, so that on a loaded machine under the sanitizers each
    // row stays far from QtTest's time limit, which is per row.
    constexpr int ParRangee = 24;
    for (const auto &[valide, nom] :
         {std::pair<const char *, const char *>{RESSOURCES_TEST, "Gui.rcc"},
          {TRADUCTION_TEST, "Lang/fr.qm"}}) {
        QFile source(QString::fromUtf8(valide));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray octets = source.readAll();
        for (int debut = 0; debut < octets.size(); debut += ParRangee) {
            QByteArrayList variantes;
            for (int i = debut; i < qMin(debut + ParRangee, int(octets.size())); ++i)
                variantes << QByteArray(octets).replace(i, 1, "\xff");
            QTest::addRow("%s, byte %d on", nom, debut) << nom << variantes << (debut == 0);
        }
        QTest::addRow("%s, empty, cut in half, a folder", nom)
            << nom << QByteArrayList{QByteArray(), octets.left(octets.size() / 2), "dossier"}
            << false;
    }
}

// Every byte of a valid file set to 0xff in turn, then the file empty, cut in half and as a
// directory: the program's start-up step, run in a child process on each, never dies, and the
// variants Qt would crash on are skipped with a line that names the file.
void TestStartup::damagedFilesNeverKill()
{
    QFETCH(QString, nom);
    QFETCH(QByteArrayList, variantes);
    QFETCH(bool, refus);
    int ignores = 0;
    QTemporaryDir racine;
    for (int i = 0; i < variantes.size(); i += 2) { // two at a time, one per core
        QDir dossiers[2];
        QProcess demarrages[2];
        for (int j = 0; j < 2 && i + j < variantes.size(); ++j) {
            dossiers[j].setPath(racine.filePath(QString::number(i + j)));
            dossiers[j].mkpath(QStringLiteral("Lang"));
            const QString chemin = dossiers[j].filePath(nom);
            if (variantes[i + j] == "dossier") {
                QDir().mkpath(chemin);
            } else {
                QFile variante(chemin);
                QVERIFY(variante.open(QIODevice::WriteOnly));
                variante.write(variantes[i + j]);
            }
            demarrages[j].setWorkingDirectory(dossiers[j].path());
            demarrages[j].start(QStringLiteral(DEMARRER), QStringList());
        }
        for (int j = 0; j < 2 && i + j < variantes.size(); ++j) {
            QVERIFY(demarrages[j].waitForFinished(60000));
            const QString erreurs = QString::fromUtf8(demarrages[j].readAllStandardError());
            QVERIFY2(demarrages[j].exitStatus() == QProcess::NormalExit &&
                         demarrages[j].exitCode() == 0,
                     qPrintable(QStringLiteral("variant %1: %2").arg(i + j).arg(erreurs)));
            ignores += erreurs.contains(QStringLiteral("« %1 » ignoré").arg(nom));
        }
    }
    QVERIFY(ignores > 0 || !refus);
    // Under Wine a process lets go of its working folder a little after it has ended.
    QTRY_VERIFY_WITH_TIMEOUT(racine.remove(), 10000);
}

void TestStartup::subtitleReadsOnAnyPalette_data()
{
    QTest::addColumn<QColor>("fond");
    QTest::newRow("light window") << QColor(239, 239, 239);
    QTest::newRow("dark window") << QColor(32, 32, 32);
}

// The subtitle's band, drawn over the window's colour, holds strokes far from that colour.
void TestStartup::subtitleReadsOnAnyPalette()
{
    QFETCH(QColor, fond);
    BanniereTitre titre(QStringLiteral("Couleurs, dégradés et effets pour votre pseudo"));
    titre.resize(titre.sizeHint());
    QImage banniere(titre.size(), QImage::Format_ARGB32);
    banniere.fill(fond);
    titre.render(&banniere, QPoint(), QRegion(), QWidget::DrawChildren);
    int ecart = 0;
    for (int y = 80; y < 105; ++y)
        for (int x = 0; x < banniere.width(); ++x)
            ecart = qMax(ecart, qAbs(qGray(banniere.pixel(x, y)) - qGray(fond.rgb())));
    QVERIFY2(ecart > 150, qPrintable(QString::number(ecart)));
}

void TestStartup::commandLine_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("langue"); // LC_ALL
    QTest::addColumn<int>("sortie");
    QTest::addColumn<QString>("texte"); // the start of what it prints
    const QString nom = QFileInfo(PROGRAMME).fileName();
    QTest::newRow("--version") << "--version"
                               << "C" << 0 << "Vivarel 1.0\n";
    QTest::newRow("--help") << "--help"
                            << "C" << 0 << "Usage: " + nom + " [options]\nColours and styles";
#ifdef Q_OS_UNIX
    // The window's language, Qt's own words included.
    QTest::newRow("--help in French")
        << "--help"
        << "fr_FR.UTF-8" << 0 << "Utilisation : " + nom + " [options]\nColore et met";
    QTest::newRow("--help in German")
        << "--help"
        << "de_AT.UTF-8" << 0 << "Aufruf: " + nom + " [Optionen]\nFärbt und gestaltet";
    QTest::newRow("no display") << ""
                                << "C" << 1 << "Vivarel: no display";
    QTest::newRow("no display, in French") << ""
                                           << "fr_FR.UTF-8" << 1 << "Vivarel : aucun affichage";
    QTest::newRow("a bad option, in German")
        << "--format=pdf"
        << "de_DE.UTF-8" << 2 << "vivarel: --format, --output und --cut gehören zu --render\n";
#endif
}

namespace {

// The program with no display at all; what it wrote on each stream.
QProcess *SansAffichage(const QStringList &arguments, const QByteArray &entree = QByteArray(),
                        const QString &langue = QStringLiteral("C"))
{
    auto *vivarel = new QProcess;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"})
        environnement.remove(QLatin1String(variable));
    environnement.insert(QStringLiteral("LC_ALL"), langue);
    vivarel->setProcessEnvironment(environnement);
    vivarel->start(QStringLiteral(PROGRAMME), arguments);
    vivarel->write(entree);
    vivarel->closeWriteChannel();
    vivarel->waitForFinished(20000);
    return vivarel;
}

} // namespace

// Answered on the terminal, with no display at all.
void TestStartup::commandLine()
{
    QFETCH(QString, option);
    QFETCH(QString, langue);
    QFETCH(int, sortie);
    QFETCH(QString, texte);
    std::unique_ptr<QProcess> vivarel(SansAffichage(
        option.isEmpty() ? QStringList() : QStringList{option}, QByteArray(), langue));
    QCOMPARE(vivarel->exitStatus(), QProcess::NormalExit);
    QCOMPARE(vivarel->exitCode(), sortie);
    const QString ecrit =
        QString::fromUtf8(vivarel->readAllStandardOutput() + vivarel->readAllStandardError());
    QVERIFY2(ecrit.startsWith(texte), qPrintable(ecrit));
    QVERIFY2(!ecrit.contains(QChar::ReplacementCharacter), "not UTF-8");
    QVERIFY(!ecrit.contains(u'\r'));
    QCOMPARE(ecrit.count(u'\n') == 1, option != QStringLiteral("--help"));
    QVERIFY2(!ecrit.contains(QStringLiteral("FICHIER")) || langue.startsWith(u'f'), "French");
}

namespace {

using Forme = QString (*)(const QString &);

} // namespace
Q_DECLARE_METATYPE(Forme)

void TestStartup::renderWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("codes"); // one argument, or the lines of standard input
    QTest::addColumn<Forme>("forme");       // what each line must be; none for a refusal
    QStringList mille;
    for (int i = 0; i < 1000; ++i)
        mille << QStringLiteral("$%1%2%3N°%4 $i$$<b>&$l[x]lien$l$")
                     .arg(i % 16, 0, 16)
                     .arg(i % 7)
                     .arg(i % 3)
                     .arg(i);
    const QString long_ = QStringLiteral("$f00") + QString(60, u'a');
    for (const auto &[format, forme] : {std::pair<QString, Forme>{"text", &FormesTexte::Texte},
                                        {"html", &FormesTexte::Html},
                                        {"ansi", &FormesTexte::Ansi}}) {
        QTest::addRow("%s from an argument", qPrintable(format))
            << QStringList{"--format", format} << QStringList{mille[42]} << forme;
        QTest::addRow("%s from 1,000 lines", qPrintable(format))
            << QStringList{"--format", format} << mille << forme;
    }
    // Outside any ANSI code page, which is what Windows hands a program as argv.
    QTest::newRow("an argument in any script")
        << QStringList() << QStringList{QStringLiteral("$f00Ça ★ ǅ ヅ $i$0c0Ж")}
        << Forme(&FormesTexte::Texte);
    QTest::newRow("cut to what the game keeps")
        << QStringList{"--cut"} << QStringList{long_}
        << Forme([](const QString &c) { return FormesTexte::Texte(FormesTexte::Couper(c)); });
    QTest::newRow("unknown format")
        << QStringList{"--format", "pdf"} << QStringList{"a"} << Forme();
    QTest::newRow("unknown option") << QStringList{"--colour"} << QStringList{"a"} << Forme();
    QTest::newRow("png without a file")
        << QStringList{"--format", "png"} << QStringList{"a"} << Forme();
}

// Each line answered on standard output, with no display; a bad option is one line and 2.
void TestStartup::renderWithoutDisplay()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, codes);
    QFETCH(Forme, forme);
    const bool entree = codes.size() > 1;
    const QByteArray lignes = codes.join(u'\n').toUtf8() + '\n';
    std::unique_ptr<QProcess> vivarel(
        SansAffichage(QStringList{"--render", entree ? "-" : codes.first()} + options,
                      entree ? lignes : QByteArray()));
    QCOMPARE(vivarel->exitStatus(), QProcess::NormalExit);
    if (!forme) {
        QCOMPARE(vivarel->exitCode(), 2);
        QCOMPARE(vivarel->readAllStandardError().count('\n'), 1);
        QVERIFY(vivarel->readAllStandardOutput().isEmpty());
        return;
    }
    QCOMPARE(vivarel->exitCode(), 0);
    QStringList attendu;
    for (const QString &code : codes)
        attendu << forme(code);
    QCOMPARE(QString::fromUtf8(vivarel->readAllStandardOutput()), attendu.join(u'\n') + u'\n');
}

// A program talking to it: each line is answered before the next is written.
void TestStartup::renderAnswersEachLine()
{
    std::unique_ptr<QProcess> vivarel(new QProcess);
    vivarel->start(QStringLiteral(PROGRAMME), {"--render", "-", "--format", "html"});
    for (const QString code : {"$f00un", "$i$0f0deux", "", "$$trois"}) {
        vivarel->write(code.toUtf8() + '\n');
        QVERIFY2(vivarel->waitForReadyRead(10000), qPrintable(code));
        while (!vivarel->canReadLine())
            QVERIFY(vivarel->waitForReadyRead(10000));
        QCOMPARE(QString::fromUtf8(vivarel->readLine()), FormesTexte::Html(code) + u'\n');
    }
    vivarel->closeWriteChannel();
    QVERIFY(vivarel->waitForFinished(10000));
    QCOMPARE(vivarel->exitCode(), 0);
}

void TestStartup::renderOneAnswerPerLine_data()
{
    QTest::addColumn<QByteArray>("entree");
    QTest::addColumn<QByteArrayList>("lignes"); // each line as read, without its line break
    QTest::addColumn<QString>("format");
    QByteArray octets;
    for (int octet = 0; octet < 256; ++octet)
        if (octet != '\n')
            octets += char(octet);
    const QByteArray nul("x\0y", 3);
    QTest::newRow("a NUL, in pictures") << nul + "\nsecond\n"
                                        << QByteArrayList{nul, "second"} << "html";
    QTest::newRow("a NUL, exact text") << nul + "\nsecond\n"
                                       << QByteArrayList{nul, "second"} << "text";
    QTest::newRow("every byte") << octets + "\n$f00b\n"
                                << QByteArrayList{octets, "$f00b"} << "html";
    QTest::newRow("no UTF-8") << QByteArray("\xff\xfe$\xc3\n\xc3\n")
                              << QByteArrayList{"\xff\xfe$\xc3", "\xc3"} << "text";
    QTest::newRow("longer than a read") << QByteArray(100000, 'a') + "\nb\n"
                                        << QByteArrayList{QByteArray(100000, 'a'), "b"} << "text";
    QTest::newRow("CRLF, and no break at the end")
        << QByteArray("a\r\n\r\nb") << QByteArrayList{"a", "", "b"} << "text";
}

// Whatever the bytes, N lines in are N answers out, each from its own whole line.
void TestStartup::renderOneAnswerPerLine()
{
    QFETCH(QByteArray, entree);
    QFETCH(QByteArrayList, lignes);
    QFETCH(QString, format);
    std::unique_ptr<QProcess> vivarel(SansAffichage({"--render", "-", "--format", format}, entree));
    QCOMPARE(vivarel->exitCode(), 0);
    QByteArray attendu;
    for (const QByteArray &ligne : lignes)
        attendu += (format == QStringLiteral("html") ? FormesTexte::Html(QString::fromUtf8(ligne))
                                                     : FormesTexte::Texte(QString::fromUtf8(ligne)))
                       .toUtf8() +
                   '\n';
    QCOMPARE(vivarel->readAllStandardOutput(), attendu);
}

// Into a terminal (util-linux's script gives it one), the text form cannot drive it: no escape
// of the nickname's own reaches it, only the pictures of its control characters.
void TestStartup::renderIntoATerminal()
{
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (script.isEmpty())
        QSKIP("no script(1) here to give the program a terminal");
    const QString code = QStringLiteral("$f00a\x1b]0;title\x07\x1b[2Jb\x1b[5m");
    QProcess terminal;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("VIVAREL_CODE"), code);
    terminal.setProcessEnvironment(environnement);
    terminal.start(script, {"-qec", "'" PROGRAMME "' --render \"$VIVAREL_CODE\"", "/dev/null"});
    QVERIFY(terminal.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(terminal.readAllStandardOutput()),
             FormesTexte::TexteLisible(code) + QStringLiteral("\r\n"));
    QVERIFY(!FormesTexte::TexteLisible(code).contains(u'\x1b'));
}

void TestStartup::renderFailures_data()
{
    QTest::addColumn<QString>("entree"); // a file for standard input; none for many lines
    QTest::addColumn<QString>("sortie"); // a file for standard output
    QTest::addColumn<bool>("lecteurParti");
    QTest::addColumn<QString>("message"); // what the one line on stderr names; none: quiet
    QTest::newRow("the reader gone") << ""
                                     << "" << true << "";
#ifdef Q_OS_UNIX
    QTest::newRow("a full disk") << ""
                                 << "/dev/full" << false << "standard output";
    QTest::newRow("a folder for input") << "/"
                                        << "" << false << "standard input";
#endif
}

// A stream that fails gives one line naming it, and 1; a reader that leaves ends it quietly.
void TestStartup::renderFailures()
{
    QFETCH(QString, entree);
    QFETCH(QString, sortie);
    QFETCH(bool, lecteurParti);
    QFETCH(QString, message);
    QProcess vivarel;
    if (!entree.isEmpty())
        vivarel.setStandardInputFile(entree);
    if (!sortie.isEmpty())
        vivarel.setStandardOutputFile(sortie);
    vivarel.start(QStringLiteral(PROGRAMME), {"--render", "-"});
    if (entree.isEmpty()) {
        vivarel.write(QByteArray("$f00un nickname\n").repeated(20000));
        if (lecteurParti) {
            QVERIFY(vivarel.waitForReadyRead(10000));
            vivarel.closeReadChannel(QProcess::StandardOutput);
        }
        vivarel.closeWriteChannel();
    }
    QVERIFY(vivarel.waitForFinished(20000));
    QCOMPARE(vivarel.exitStatus(), QProcess::NormalExit);
    const QString erreurs = QString::fromUtf8(vivarel.readAllStandardError());
    QCOMPARE(vivarel.exitCode(), message.isEmpty() ? 0 : 1);
    QCOMPARE(erreurs.count(u'\n'), message.isEmpty() ? 0 : 1);
    QVERIFY2(erreurs.contains(message), qPrintable(erreurs));
}

// The image is the preview's drawing at twice the scale, one file per line.
void TestStartup::renderPng()
{
    QTemporaryDir dossier;
    const QString code = QStringLiteral("$f00Viva$o$0cfrel");
    const QString fichier = dossier.filePath(QStringLiteral("pseudo.png"));
    std::unique_ptr<QProcess> seul(
        SansAffichage({"--render", code, "--format", "png", "--output", fichier}));
    QCOMPARE(seul->exitCode(), 0);
    HorsEcran::AppliquerPolice();
    const QImage attendue = DessinJeu::Image(code, 2);
    QImage image(fichier);
    image.setDevicePixelRatio(attendue.devicePixelRatio());
    QCOMPARE(image.size(), attendue.size());
    QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
             attendue.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(image.pixelColor(0, 0), DessinJeu::Fond);

    std::unique_ptr<QProcess> lignes(
        SansAffichage({"--render", "-", "--format", "png", "--output", fichier}, "ab\nba\n"));
    QCOMPARE(lignes->exitCode(), 0);
    // Drawn with real glyphs: where every glyph is the same missing-glyph box, "ab" is "ba".
    QVERIFY(QImage(dossier.filePath(QStringLiteral("pseudo-1.png"))) !=
            QImage(dossier.filePath(QStringLiteral("pseudo-2.png"))));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
