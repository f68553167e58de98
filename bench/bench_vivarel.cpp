// Times what the player waits for: one capture + generation, one keystroke's refresh, and the
// formatting commands over a whole 45-character nickname.
#include "encoder/CalculPseudo.h"
#include "window/Fen_Principale.h"

#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

namespace {

// Every character differs from its neighbour in colour, italic and width, the costliest code.
void RemplirMelange(QTextEdit *editeur, int longueur)
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
        format.setForeground(QColor(17 * (i % 16), 17 * ((i * 5) % 16), 17 * ((i * 11) % 16)));
        format.setFontItalic(i % 2);
        format.setFontStretch(etirements[i % 3]);
        CalculPseudo::CurseurSurCaractere(editeur->document(), i).setCharFormat(format);
    }
    bloc.endEditBlock();
}

struct Fenetre
{
    Fen_Principale fenetre;
    QTextEdit *editeur = fenetre.findChild<QTextEdit *>(QStringLiteral("editeurPseudo"));

    explicit Fenetre(int longueur)
    {
        RemplirMelange(editeur, longueur);
        QTextCursor tout = editeur->textCursor();
        tout.select(QTextCursor::Document);
        editeur->setTextCursor(tout);
    }
    void Cliquer(const char *bouton)
    {
        fenetre.findChild<QPushButton *>(QLatin1String(bouton))->click();
    }
};

} // namespace

class BenchVivarel : public QObject
{
    Q_OBJECT

private slots:
    void captureEtGeneration();
    void rafraichissement_data();
    void rafraichissement();
    void commande_data();
    void commande();
};

void BenchVivarel::captureEtGeneration()
{
    QTextEdit editeur;
    RemplirMelange(&editeur, CalculPseudo::NombreCases);
    CalculPseudo calcul;
    QBENCHMARK {
        calcul.LireAttributs(&editeur, QColor(CalculPseudo::CouleurPseudoParDefaut));
        calcul.GenererCode(editeur.toPlainText());
    }
}

void BenchVivarel::rafraichissement_data()
{
    QTest::addColumn<int>("longueur");
    for (int longueur : {45, 450, 4500})
        QTest::addRow("%d characters", longueur) << longueur;
}

void BenchVivarel::rafraichissement()
{
    QFETCH(int, longueur);
    Fenetre f(longueur);
    QBENCHMARK {
        QMetaObject::invokeMethod(&f.fenetre, "MettreAJourPseudoOut");
    }
}

void BenchVivarel::commande_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::newRow("gradient") << "boutonDegrade";
    QTest::newRow("reset") << "boutonReinitialiser";
    QTest::newRow("italic") << "boutonEffet";
}

void BenchVivarel::commande()
{
    QFETCH(QString, bouton);
    Fenetre f(CalculPseudo::NombreCases);
    QBENCHMARK {
        f.Cliquer(qPrintable(bouton));
    }
}

QTEST_MAIN(BenchVivarel)
#include "bench_vivarel.moc"
