// What the player makes is kept: written as they go, when the program is ended from outside,
// and never over a file that could not be read. Every file lives in a temporary folder.
#include "BoiteModale.h"
#include "SansAvertissement.h"
#include "app/FichierJoueur.h"
#include "app/Session.h"
#include "encoder/FormesTexte.h"
#include "encoder/LienPseudo.h"
#include "window/PageDegrade.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#else
#include <windows.h>
#endif

namespace {

QString Pseudo(const QString &fichier)
{
    return QSettings(fichier, QSettings::IniFormat).value("pseudo").toString();
}

QTextEdit *Champ(Session &session)
{
    return session.Fenetre().findChild<QTextEdit *>(QStringLiteral("editeurPseudo"));
}

// The program's session in a child process; its first line is the code it shows. `natif`: with
// the system's own windows rather than offscreen ones.
QString Lancer(QProcess &enfant, const QString &fichier, const QString &texte = QString(),
               bool natif = false)
{
    QStringList arguments{fichier, QFileInfo(fichier).absolutePath()};
    if (natif)
        arguments << QStringLiteral("-platform") << QStringLiteral("windows");
    if (!texte.isEmpty())
        arguments << texte;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    enfant.setProcessEnvironment(environnement);
    enfant.start(QStringLiteral(SESSION_ENFANT), arguments);
    if (!enfant.waitForStarted() || !enfant.waitForReadyRead(20000))
        return QStringLiteral("(no answer)");
    return QString::fromLocal8Bit(enfant.readLine()).trimmed();
}

#ifdef Q_OS_WIN
// A logoff or shutdown as Windows does it: it asks each of the program's windows whether the
// session may end, and from then on the process may be ended at any moment, whatever it is
// doing (here at once, before the half-second delay of saving as the player goes).
void FinirSession(QProcess &enfant)
{
    struct Recherche
    {
        DWORD processus;
        QList<HWND> fenetres;
    } recherche{DWORD(enfant.processId()), {}};
    EnumWindows(
        [](HWND fenetre, LPARAM donnees) -> BOOL {
            auto *r = reinterpret_cast<Recherche *>(donnees);
            DWORD processus = 0;
            GetWindowThreadProcessId(fenetre, &processus);
            if (processus == r->processus)
                r->fenetres << fenetre;
            return TRUE;
        },
        LPARAM(&recherche));
    QVERIFY(!recherche.fenetres.isEmpty());
    DWORD_PTR reponse = 0;
    for (HWND fenetre : recherche.fenetres)
        SendMessageTimeoutW(fenetre, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                            5000, &reponse);
    enfant.kill();
}
#endif

} // namespace

class TestStorage : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void defaultValues();
    void shownLaidOut();
    void savedAsTheyGo();
    void endedFromOutside_data();
    void endedFromOutside();
    void damagedSettings_data();
    void damagedSettings();
    void collectionThroughItsPage();
    void collectionSharedAndMerged();
    void savedGradientSurvivesRestart();
    void damagedCollection_data();
    void damagedCollection();
    void linkOpensItsNickname_data();
    void linkOpensItsNickname();

private:
    QTemporaryDir Dossier;
};

void TestStorage::defaultValues()
{
    const QString fichier = Dossier.filePath(QStringLiteral("neuf.ini"));
    Session session(fichier, QFileInfo(fichier).absolutePath());
    QVERIFY(session.Avis().isEmpty());
    QVERIFY(Champ(session)->toPlainText().isEmpty());
    QCOMPARE(session.Ecritures(), 0);
    QVERIFY(!QFile::exists(fichier));
}

// A page paints the window on its next frame, before its event loop runs: anything left to lay
// out after showing would have it painted twice.
void TestStorage::shownLaidOut()
{
    struct Attente : QObject
    {
        int Dispositions = 0;
        bool eventFilter(QObject *, QEvent *evenement) override
        {
            Dispositions += evenement->type() == QEvent::LayoutRequest;
            return false;
        }
    } attente;
    const QString fichier = Dossier.filePath(QStringLiteral("montre.ini"));
    Session session(fichier, QFileInfo(fichier).absolutePath());
    session.Montrer();
    qApp->installEventFilter(&attente);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(attente.Dispositions, 0);
}

// Written shortly after the change, without exiting; a burst of keystrokes a few times only.
void TestStorage::savedAsTheyGo()
{
    const QString fichier = Dossier.filePath(QStringLiteral("auvol.ini"));
    Session session(fichier, QFileInfo(fichier).absolutePath());
    QTest::keyClicks(Champ(session), QStringLiteral("Bonjour"));
    QTRY_COMPARE_WITH_TIMEOUT(Pseudo(fichier), QStringLiteral("Bonjour"),
                              Sauvegarde::AttenteMax + 500);
    const int avant = session.Ecritures();
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(Champ(session), Qt::Key_A);
        QTest::qWait(5);
    }
    QTRY_COMPARE_WITH_TIMEOUT(Pseudo(fichier).size(), 207, Sauvegarde::AttenteMax + 500);
    QVERIFY2(session.Ecritures() - avant <= 6, qPrintable(QString::number(session.Ecritures())));
}

void TestStorage::endedFromOutside_data()
{
    QTest::addColumn<int>("signal");  // 0: the session ends (Windows)
    QTest::addColumn<int>("attente"); // before the signal, in milliseconds
#ifdef Q_OS_UNIX
    QTest::newRow("SIGTERM") << int(SIGTERM) << 0;
    QTest::newRow("SIGINT") << int(SIGINT) << 0;
    QTest::newRow("SIGHUP") << int(SIGHUP) << 0;
    QTest::newRow("SIGKILL past the delay") << int(SIGKILL) << Sauvegarde::AttenteMax + 500;
#else
    QTest::newRow("logoff") << 0 << 0;
#endif
}

// Typed, then ended from outside: the next start finds the nickname.
void TestStorage::endedFromOutside()
{
    QFETCH(int, signal);
    QFETCH(int, attente);
    const QString fichier = Dossier.filePath(QStringLiteral("fin%1.ini").arg(signal));
    QProcess enfant;
    QCOMPARE(Lancer(enfant, fichier, QStringLiteral("Bonjour"), signal == 0),
             QStringLiteral("Bonjour"));
    QTest::qWait(attente);
#ifdef Q_OS_UNIX
    ::kill(pid_t(enfant.processId()), signal);
    const bool tue = signal == SIGKILL;
#else
    FinirSession(enfant);
    const bool tue = true;
#endif
    QVERIFY(enfant.waitForFinished(20000));
    if (!tue) {
        QCOMPARE(enfant.exitStatus(), QProcess::NormalExit);
        QCOMPARE(enfant.exitCode(), 0);
    }
    QProcess suivant;
    QCOMPARE(Lancer(suivant, fichier), QStringLiteral("Bonjour"));
    suivant.kill();
    suivant.waitForFinished();
}

void TestStorage::damagedSettings_data()
{
    QTest::addColumn<QString>("contenu"); // "dir": a folder; "huge": past the size limit
    QTest::addColumn<QString>("pseudo");  // what the program starts with
    QTest::newRow("a folder in its place") << "dir"
                                           << "";
    QTest::newRow("too large") << "huge"
                               << "";
    QTest::newRow("wrong types") << "[General]\npseudo=Bob\npas=abc\ncouleur=zzz\n"
                                 << "Bob";
    QTest::newRow("a code that is not a string") << "[General]\npseudo=a, b\npas=3\n"
                                                 << "";
}

// The program starts with what it could read, says so once, and the damaged file is kept
// whole beside the new one.
void TestStorage::damagedSettings()
{
    QFETCH(QString, contenu);
    QFETCH(QString, pseudo);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("vivarel.ini"));
    QByteArray original = contenu.toLatin1();
    if (contenu == QStringLiteral("dir")) {
        QVERIFY(QDir().mkpath(fichier + QStringLiteral("/dedans")));
    } else {
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (contenu == QStringLiteral("huge"))
            QVERIFY(f.resize(FichierJoueur::TailleMax + 1));
        else
            f.write(original);
    }
    Session session(fichier, QFileInfo(fichier).absolutePath());
    QCOMPARE(Champ(session)->toPlainText(), pseudo);
    QCOMPARE(session.Avis().size(), 1);
    const QStringList aCote =
        QDir(dossier.path()).entryList({QStringLiteral("vivarel.ini.damaged-*")}, QDir::AllEntries);
    QCOMPARE(aCote.size(), 1);
    QFile garde(dossier.filePath(aCote.first()));
    if (contenu != QStringLiteral("dir") && contenu != QStringLiteral("huge")) {
        QVERIFY(garde.open(QIODevice::ReadOnly));
        QCOMPARE(garde.readAll(), original);
    }
    session.Terminer();
    QCOMPARE(Pseudo(fichier), pseudo);
}

// Save, load as one undo step, rename, delete, as a player does on "Mes pseudos".
void TestStorage::collectionThroughItsPage()
{
    QTemporaryDir dossier;
    Session session(dossier.filePath(QStringLiteral("v.ini")), dossier.path());
    Fen_Principale &f = session.Fenetre();
    BoiteModale boite;
    const auto cliquer = [&](const char *nom, const QString &saisie = QString(), int boites = 1) {
        boite.Attendre(QColor(), saisie, boites);
        f.findChild<QPushButton *>(QLatin1String(nom))->click();
        boite.Laisser();
    };
    auto *liste = f.findChild<QListWidget *>(QStringLiteral("listePseudos"));
    QTest::keyClicks(Champ(session), QStringLiteral("Bob"));
    cliquer("boutonEnregistrer", QStringLiteral("Course"));
    QCOMPARE(liste->count(), 1);
    QCOMPARE(liste->item(0)->text(), QStringLiteral("Course"));
    QTest::keyClicks(Champ(session), QStringLiteral("!"));
    cliquer("boutonEnregistrer", QStringLiteral("Course"), 2); // replaced, after a yes
    QVERIFY(boite.texte.contains(QStringLiteral("Course")));
    QCOMPARE(liste->count(), 1);
    QTest::keyClicks(Champ(session), QStringLiteral("?"));
    liste->item(0)->setSelected(true);
    f.findChild<QPushButton *>(QStringLiteral("boutonCharger"))->click();
    QCOMPARE(Champ(session)->toPlainText(), QStringLiteral("Bob!"));
    Champ(session)->undo();
    QCOMPARE(Champ(session)->toPlainText(), QStringLiteral("Bob!?"));
    cliquer("boutonRenommer", QStringLiteral("Équipe"));
    QCOMPARE(liste->item(0)->text(), QStringLiteral("Équipe"));
    liste->item(0)->setSelected(true);
    cliquer("boutonSupprimer");
    QCOMPARE(liste->count(), 0);
    QCOMPARE(Collection(dossier.filePath(QStringLiteral("pseudos.json"))).Entrees().size(), 0);
}

// Two windows writing in turn keep both sets; an export read into an empty collection gives the
// same entries, and a name already taken there gets a suffix.
void TestStorage::collectionSharedAndMerged()
{
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("pseudos.json"));
    Collection une(fichier), autre(fichier);
    une.Enregistrer(QStringLiteral("a"), QStringLiteral("$f00a"));
    autre.Enregistrer(QStringLiteral("b"), QStringLiteral("$0f0b"));
    une.Enregistrer(QStringLiteral("c"), QStringLiteral("c"));
    autre.Supprimer({QStringLiteral("c")});
    une.Enregistrer(QStringLiteral("d"), QStringLiteral("$$d"));
    QStringList noms;
    for (const auto &entree : Collection(fichier).Entrees())
        noms << entree.nom;
    QCOMPARE(noms, QStringList({"a", "b", "d"}));

    const QString partage = dossier.filePath(QStringLiteral("partage.json"));
    QVERIFY(une.Exporter(partage, {}));
    Collection vide(dossier.filePath(QStringLiteral("vide.json")));
    QCOMPARE(vide.Importer(partage), 3);
    QVERIFY(vide.Entrees() == une.Entrees());
    Collection occupee(dossier.filePath(QStringLiteral("occupee.json")));
    occupee.Enregistrer(QStringLiteral("a"), QStringLiteral("autre"));
    QCOMPARE(occupee.Importer(partage), 3);
    QCOMPARE(occupee.Entrees().at(1).nom, QStringLiteral("a (2)"));
    QCOMPARE(occupee.Entrees().at(1).code, QStringLiteral("$f00a"));
}

void TestStorage::damagedCollection_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("contenu"); // "dir": a folder; "huge": past the size limit
    QTest::addColumn<int>("gardes");
    const QByteArray bonne = R"({"name": "bon", "code": "$f00x"})";
    const QString pseudos = QStringLiteral("pseudos.json");
    QTest::newRow("not JSON") << pseudos << QByteArray("{nicknames: [") << 0;
    QTest::newRow("wrong types") << pseudos
                                 << R"({"nicknames": [)" + bonne +
                                        R"(, {"name": "mauvais", "code": 42}, 7]})"
                                 << 1;
    QTest::newRow("not a collection") << pseudos << QByteArray(R"([1, 2])") << 0;
    QTest::newRow("too large") << pseudos << QByteArray("huge") << 0;
    QTest::newRow("a folder in its place") << pseudos << QByteArray("dir") << 0;
    const QString degrades = QStringLiteral("degrades.json");
    QTest::newRow("gradients, not JSON") << degrades << QByteArray("{gradients: [") << 0;
    QTest::newRow("gradients, one bad")
        << degrades << QByteArray(R"({"gradients": [{"name": "a", "colours": ["#f00", "#00f"]},
                                        {"name": "b", "colours": ["#f00"]}]})")
        << 1;
}

// The program starts with the entries it could read and says so once; the file is kept whole
// beside the new one, which holds the good entries.
void TestStorage::damagedCollection()
{
    QFETCH(QString, nom);
    QFETCH(QByteArray, contenu);
    QFETCH(int, gardes);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(nom);
    if (contenu == "dir") {
        QVERIFY(QDir().mkpath(fichier + QStringLiteral("/dedans")));
    } else {
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        contenu == "huge" ? void(f.resize(FichierJoueur::TailleMax + 1)) : void(f.write(contenu));
    }
    Session session(dossier.filePath(QStringLiteral("v.ini")), dossier.path());
    QCOMPARE(session.Avis().size(), 1);
    const bool pseudos = nom == QLatin1String("pseudos.json");
    const int vus =
        pseudos
            ? session.Fenetre().findChild<QListWidget *>(QStringLiteral("listePseudos"))->count()
            : session.Fenetre()
                      .findChild<QComboBox *>(QStringLiteral("comboPreReglages"))
                      ->count() -
                  int(CollectionDegrades::PreReglages().size()) - (gardes > 0);
    QCOMPARE(vus, gardes);
    const QStringList aCote =
        QDir(dossier.path()).entryList({nom + QStringLiteral(".damaged-*")}, QDir::AllEntries);
    QCOMPARE(aCote.size(), 1);
    QFile garde(dossier.filePath(aCote.first()));
    if (contenu != "dir" && contenu != "huge") {
        QVERIFY(garde.open(QIODevice::ReadOnly));
        QCOMPARE(garde.readAll(), contenu);
    }
    QCOMPARE(pseudos ? Collection(fichier).Entrees().size()
                     : DegradesEnregistres(fichier).Entrees().size(),
             gardes);
}

// A gradient saved under a name is there at the next start, replaced when saved again under
// that name, and gone once deleted.
void TestStorage::savedGradientSurvivesRestart()
{
    QTemporaryDir dossier;
    const QString ini = dossier.filePath(QStringLiteral("v.ini"));
    BoiteModale boite;
    {
        Session session(ini, dossier.path());
        auto *liste = session.Fenetre().findChild<QComboBox *>(QStringLiteral("comboPreReglages"));
        auto *enregistrer =
            session.Fenetre().findChild<QPushButton *>(QStringLiteral("boutonEnregistrerDegrade"));
        QTest::keyClick(liste, Qt::Key_Down);
        boite.Attendre(QColor(), QStringLiteral("Lave"));
        enregistrer->click();
        boite.Laisser();
        QTest::keyClick(liste, Qt::Key_Home);
        QTest::keyClick(liste, Qt::Key_Down); // "Feu"
        session.Fenetre().findChild<QSpinBox *>(QStringLiteral("pasDegrade"))->setValue(4);
        boite.Attendre(QColor(), QStringLiteral("Lave"), 2); // the name, then "replace?"
        enregistrer->click();
        boite.Laisser();
        QVERIFY(boite.vue);
    }
    Session session(ini, dossier.path());
    PageDegrade *page = session.Fenetre().PageDegrades();
    page->DefinirPas(1);
    auto *liste = session.Fenetre().findChild<QComboBox *>(QStringLiteral("comboPreReglages"));
    QTest::keyClick(liste, Qt::Key_End);
    QCOMPARE(liste->currentText(), QStringLiteral("Lave"));
    const CollectionDegrades::Entree feu = CollectionDegrades::PreReglages().at(1);
    QCOMPARE(page->Reglage(),
             (CollectionDegrades::Entree{QString(), feu.couleurs, feu.melange, 4}));
    boite.Attendre();
    session.Fenetre().findChild<QPushButton *>(QStringLiteral("boutonSupprimerDegrade"))->click();
    boite.Laisser();
    QCOMPARE(liste->count(), CollectionDegrades::PreReglages().size());
    QVERIFY(
        DegradesEnregistres(dossier.filePath(QStringLiteral("degrades.json"))).Entrees().isEmpty());
}

void TestStorage::linkOpensItsNickname_data()
{
    QTest::addColumn<QString>("page");   // the page's address; none for the desktop
    QTest::addColumn<QString>("ouvert"); // the nickname then in the field
    const QString page = QStringLiteral("http://127.0.0.1:8000/");
    QTest::newRow("desktop") << QString() << "Avant";
    QTest::newRow("no fragment") << page << "Avant";
    QTest::newRow("empty fragment") << page + u'#' << "Avant";
    QTest::newRow("a nickname") << page + QStringLiteral("#%24f00Viva%240cfrel%20%E2%98%85")
                                << QStringLiteral("Vivarel ★");
    QTest::newRow("hostile text, only read")
        << page + QStringLiteral("#<img src=/dev/zero>$l[javascript:x]a$l")
        << "<img src=/dev/zero>a";
}

// A page opened from a link shows the link's nickname as one undo step over the one kept, and
// "Copier le lien" gives a link that carries the nickname shown; a desktop has no such button.
void TestStorage::linkOpensItsNickname()
{
    QFETCH(QString, page);
    QFETCH(QString, ouvert);
    QTemporaryDir dossier;
    const QString ini = dossier.filePath(QStringLiteral("v.ini"));
    {
        Session avant(ini, dossier.path(), QString());
        QTest::keyClicks(Champ(avant), QStringLiteral("Avant"));
        avant.Terminer();
    }
    Session session(ini, dossier.path(), page);
    QCOMPARE(Champ(session)->toPlainText(), ouvert);
    auto *lien = session.Fenetre().findChild<QPushButton *>(QStringLiteral("boutonCopierLien"));
    QCOMPARE(lien->isVisibleTo(&session.Fenetre()), !page.isEmpty());
    if (page.isEmpty())
        return;
    lien->click();
    QCOMPARE(FormesTexte::Texte(LienPseudo::Code(QApplication::clipboard()->text())), ouvert);
    QVERIFY(QApplication::clipboard()->text().startsWith(page.section(u'#', 0, 0)));
    Champ(session)->undo();
    QCOMPARE(Champ(session)->toPlainText(), QStringLiteral("Avant"));
}

QTEST_MAIN(TestStorage)
#include "tst_storage.moc"
