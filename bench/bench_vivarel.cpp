// Times what the player waits for, on a shown window with real events: a keystroke, the
// formatting commands, a large paste. Each figure stands beside the same action on a bare
// shown QTextEdit holding the same document, measured in the same run, as a ratio: these
// machines are too noisy for absolute times to compare from run to run.
#include "encoder/CalculPseudo.h"
#include "encoder/DecodeurPseudo.h"
#include "tests/SansAvertissement.h"
#include "widgets/QTextEdit_Perso.h"
#include "window/Fen_Principale.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

// Every character differs from its neighbour in colour, italic and width, the costliest code;
// or, plain, the whole text in the default colour.
void Remplir(QTextEdit *editeur, int longueur, bool melange)
{
    QString texte;
    for (int i = 0; i < longueur; ++i)
        texte += i % 7 == 3 ? u'$' : QChar(u'a' + i % 26);
    editeur->setPlainText(texte);
    const int etirements[] = {CalculPseudo::EtirementNormal, CalculPseudo::EtirementLarge,
                              CalculPseudo::EtirementSerre};
    QTextCursor bloc(editeur->document());
    bloc.beginEditBlock();
    for (int i = 0; i < longueur; ++i) {
        QTextCharFormat format;
        format.setForeground(melange
                                 ? QColor(17 * (i % 16), 17 * ((i * 5) % 16), 17 * ((i * 11) % 16))
                                 : QColor(CalculPseudo::CouleurPseudoParDefaut));
        if (melange) {
            format.setFontItalic(i % 2);
            format.setFontStretch(etirements[i % 3]);
        }
        CalculPseudo::CurseurSurCaractere(editeur->document(), i).setCharFormat(format);
        if (!melange)
            break;
    }
    if (!melange) {
        QTextCursor tout(editeur->document());
        tout.select(QTextCursor::Document);
        QTextCharFormat format;
        format.setForeground(QColor(CalculPseudo::CouleurPseudoParDefaut));
        tout.mergeCharFormat(format);
    }
    bloc.endEditBlock();
    editeur->moveCursor(QTextCursor::End);
}

// Median of `fois` runs of `action`, in milliseconds, each run's painting included; `entre`
// runs untimed between two runs.
double Mediane(
    int fois, const std::function<void()> &action, const std::function<void()> &entre = [] {})
{
    std::vector<double> temps;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        action();
        QCoreApplication::processEvents();
        temps.push_back(chrono.nsecsElapsed() / 1e6);
        entre();
        QCoreApplication::processEvents();
    }
    std::nth_element(temps.begin(), temps.begin() + fois / 2, temps.end());
    return temps[fois / 2];
}

void Rapporter(const char *quoi, double fenetre, double nu)
{
    qInfo("%-58s %9.3f ms   bare %9.3f ms   ratio %5.2f", quoi, fenetre, nu, fenetre / nu);
}

// A bare editor set up as the nickname field is: one line, no scroll bars, its font and size.
void CommeLeChamp(QTextEdit *nu, const QTextEdit *champ)
{
    nu->setFont(champ->font());
    nu->setLineWrapMode(QTextEdit::NoWrap);
    nu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nu->resize(champ->size());
}

struct Fenetre
{
    Fen_Principale fenetre;
    QTextEdit *editeur = fenetre.findChild<QTextEdit *>(QStringLiteral("editeurPseudo"));
    QTextEdit nu;
    // The floor of a field over its shadow: two editors, the one below copying each edit of
    // the one above by its span, and nothing else of the window.
    QTextEdit_Perso ombre;
    QTextEdit_Perso *dessus = new QTextEdit_Perso;

    Fenetre(int longueur, bool melange)
    {
        fenetre.show();
        CommeLeChamp(&nu, editeur);
        nu.show();
        CommeLeChamp(&ombre, editeur);
        CommeLeChamp(dessus, editeur);
        dessus->setParent(&ombre);
        dessus->move(-1, -1);
        ombre.SuivreEnOmbre(dessus->document(), QBrush(QColor(0, 0, 0, 150)));
        ombre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        QVERIFY(QTest::qWaitForWindowExposed(&nu));
        QVERIFY(QTest::qWaitForWindowExposed(&ombre));
        Remplir(editeur, longueur, melange);
        Remplir(&nu, longueur, melange);
        Remplir(dessus, longueur, melange);
        QCoreApplication::processEvents();
    }
    void ToutSelectionner()
    {
        QTextCursor tout = editeur->textCursor();
        tout.select(QTextCursor::Document);
        editeur->setTextCursor(tout);
    }
    void Cliquer(const char *bouton)
    {
        fenetre.findChild<QAbstractButton *>(QLatin1String(bouton))->click();
    }
};

// A letter typed at the end of the text, taken back untimed before the next one.
double Frappe(QTextEdit *editeur, std::vector<double> *temps = nullptr)
{
    const int longueur = editeur->toPlainText().size();
    const auto action = [editeur] { QTest::keyClick(editeur, Qt::Key_X); };
    const auto entre = [editeur, longueur] {
        if (editeur->toPlainText().size() != longueur + 1)
            qFatal("the keystroke did not reach the editor");
        QTest::keyClick(editeur, Qt::Key_Backspace);
    };
    if (!temps)
        return Mediane(31, action, entre);
    temps->push_back(Mediane(1, action, entre));
    return temps->back();
}

// The same keystroke on each editor in turn, round after round, so that the machine's noise
// falls on all alike; the median of each.
std::vector<double> FrappesAlternees(const std::vector<QTextEdit *> &editeurs)
{
    std::vector<std::vector<double>> temps(editeurs.size());
    for (int tour = 0; tour < 61; ++tour)
        for (size_t i = 0; i < editeurs.size(); ++i)
            Frappe(editeurs[i], &temps[i]);
    std::vector<double> medianes;
    for (std::vector<double> &t : temps) {
        std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
        medianes.push_back(t[t.size() / 2]);
    }
    return medianes;
}

} // namespace

class BenchVivarel : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void captureEtGeneration();
    void frappe_data();
    void frappe();
    void commande_data();
    void commande();
    void grandCollage();
    void importer_data();
    void importer();
    void apercu_data();
    void apercu();
    void renduEnLignes_data();
    void renduEnLignes();
};

void BenchVivarel::captureEtGeneration()
{
    QTextEdit editeur;
    Remplir(&editeur, CalculPseudo::NombreCases, true);
    CalculPseudo calcul;
    QBENCHMARK {
        calcul.LireAttributs(&editeur, QColor(CalculPseudo::CouleurPseudoParDefaut));
        calcul.GenererCode(editeur.toPlainText());
    }
}

void BenchVivarel::frappe_data()
{
    QTest::addColumn<int>("longueur");
    QTest::addColumn<bool>("melange");
    QTest::newRow("45 characters, mixed formatting") << 45 << true;
    QTest::newRow("4,500 characters, plain") << 4500 << false;
    QTest::newRow("4,500 characters, every one formatted differently") << 4500 << true;
}

void BenchVivarel::frappe()
{
    QFETCH(int, longueur);
    QFETCH(bool, melange);
    Fenetre f(longueur, melange);
    const std::vector<double> t = FrappesAlternees({f.editeur, &f.nu, f.dessus});
    Rapporter(qPrintable(QStringLiteral("one keystroke, ") + QTest::currentDataTag()), t[0], t[1]);
    Rapporter("  the floor: field and shadow alone", t[2], t[1]);
}

void BenchVivarel::commande_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<int>("longueur");
    QTest::addColumn<bool>("melange");
    // 45 characters never fit with a colour: that row is the search alone; 20 plain ones fit
    // and are coloured.
    QTest::newRow("fit to 45 over 45, six colours") << "boutonAjuster" << 45 << true;
    QTest::newRow("fit to 45 over 20 plain, six colours") << "boutonAjuster" << 20 << false;
    for (int longueur : {45, 450}) {
        QTest::addRow("gradient over %d", longueur) << "boutonDegrade" << longueur << true;
        QTest::addRow("italic over %d", longueur) << "boutonEffet" << longueur << true;
        QTest::addRow("reset over %d", longueur) << "boutonReinitialiser" << longueur << true;
    }
}

// A command has no bare counterpart: its figure is absolute.
void BenchVivarel::commande()
{
    QFETCH(QString, bouton);
    QFETCH(int, longueur);
    QFETCH(bool, melange);
    Fenetre f(longueur, melange);
    if (bouton == QStringLiteral("boutonAjuster"))
        for (int i = 0; i < 4; ++i)
            f.Cliquer("boutonAjouterCouleur");
    f.ToutSelectionner();
    const double temps = Mediane(21, [&] { f.Cliquer(qPrintable(bouton)); });
    qInfo("%-58s %9.3f ms", QTest::currentDataTag(), temps);
}

void BenchVivarel::grandCollage()
{
    const QString texte = QString(100000, u'a');
    double temps[2];
    double frappe[2];
    Fenetre f(0, false);
    QTextEdit *editeurs[2] = {f.editeur, &f.nu};
    for (int i = 0; i < 2; ++i) {
        auto *donnees = new QMimeData;
        donnees->setText(texte);
        QApplication::clipboard()->setMimeData(donnees);
        QElapsedTimer chrono;
        chrono.start();
        QTest::keyClick(editeurs[i], Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
        temps[i] = chrono.nsecsElapsed() / 1e6;
        QCOMPARE(editeurs[i]->toPlainText().size(), texte.size());
        frappe[i] = Frappe(editeurs[i]);
    }
    Rapporter("paste of 100,000 characters", temps[0], temps[1]);
    Rapporter("one keystroke after it", frappe[0], frappe[1]);
}

void BenchVivarel::importer_data()
{
    QTest::addColumn<QString>("code");
    QString court;
    while (court.size() < CalculPseudo::NombreCases)
        court += QStringLiteral("$f00a$i$0fb$o$tc$$");
    QTest::newRow("a 45-character code") << court.left(CalculPseudo::NombreCases);
    QTest::newRow("a 100,000-character code")
        << court.repeated(100000 / court.size() + 1).left(100000);
}

// Decoding and filling the editor, its refresh and repaint included.
void BenchVivarel::importer()
{
    QFETCH(QString, code);
    Fenetre f(0, false);
    const double temps =
        Mediane(code.size() > 1000 ? 5 : 31, [&] { f.fenetre.ImporterCode(code); });
    qInfo("%-58s %9.3f ms", qPrintable(QStringLiteral("import of ") + QTest::currentDataTag()),
          temps);
}

void BenchVivarel::apercu_data()
{
    QTest::addColumn<int>("longueur");
    QTest::addColumn<bool>("melange");
    QTest::newRow("45 characters, mixed formatting") << 45 << true;
    // Its code stays within what the game keeps, so every keystroke redraws the preview.
    QTest::newRow("30 plain characters") << 30 << false;
}

// What the game preview adds to a keystroke: the same keystrokes with the preview shown, then
// hidden.
void BenchVivarel::apercu()
{
    QFETCH(int, longueur);
    QFETCH(bool, melange);
    Fenetre f(longueur, melange);
    QWidget *apercu = f.fenetre.findChild<QWidget *>(QStringLiteral("apercuJeu"));
    double avec = 0, sans = 0;
    for (int tour = 0; tour < 3; ++tour) {
        apercu->show();
        avec += Frappe(f.editeur) / 3;
        apercu->hide();
        sans += Frappe(f.editeur) / 3;
    }
    qInfo("%-58s %9.3f ms   without %9.3f ms   cost %6.3f ms",
          qPrintable(QStringLiteral("preview, one keystroke, ") + QTest::currentDataTag()), avec,
          sans, avec - sans);
}

void BenchVivarel::renduEnLignes_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("text") << "text";
    QTest::newRow("html") << "html";
}

// `vivarel --render -` over 100,000 nicknames, each line answered as it is read, the process's
// start included, beside the decoder alone over the same lines.
void BenchVivarel::renduEnLignes()
{
    QFETCH(QString, format);
    const int nombre = 100000;
    QStringList lignes;
    for (int i = 0; i < nombre; ++i)
        lignes << QStringLiteral("$f%1%2Player $i$0cf%3 $l[x]team$l")
                      .arg(i % 16, 0, 16)
                      .arg(i % 10)
                      .arg(i);
    const QByteArray entree = lignes.join(u'\n').toUtf8() + '\n';
    QElapsedTimer chrono;
    chrono.start();
    QProcess vivarel;
    vivarel.start(QStringLiteral(PROGRAMME), {"--render", "-", "--format", format});
    vivarel.write(entree);
    vivarel.closeWriteChannel();
    QVERIFY(vivarel.waitForFinished(60000));
    const double programme = chrono.nsecsElapsed() / 1e6;
    QCOMPARE(vivarel.readAllStandardOutput().count('\n'), nombre);
    chrono.restart();
    for (const QString &ligne : lignes)
        DecodeurPseudo::Lire(ligne);
    qInfo("%-58s %9.3f ms   decoder alone %9.3f ms",
          qPrintable(QStringLiteral("render 100,000 lines as ") + format), programme,
          chrono.nsecsElapsed() / 1e6);
}

QTEST_MAIN(BenchVivarel)
#include "bench_vivarel.moc"
