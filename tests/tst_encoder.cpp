#include "SansAvertissement.h"
#include "encoder/CalculPseudo.h"
#include "encoder/CollectionDegrades.h"
#include "encoder/DecodeurPseudo.h"
#include "encoder/Degrade.h"
#include "encoder/EspacesCouleur.h"
#include "encoder/FormesTexte.h"
#include "encoder/LienPseudo.h"
#include "encoder/NomCouleur.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QtTest>

namespace {

const QColor CouleurDefaut = QColor(CalculPseudo::CouleurPseudoParDefaut);

int EtirementDeLargeur(int largeur)
{
    const int etirements[] = {CalculPseudo::EtirementNormal, CalculPseudo::EtirementLarge,
                              CalculPseudo::EtirementSerre};
    return etirements[largeur];
}

// What one character should carry: a colour given as levels, or none (-1), and a style code.
struct Attributs
{
    int niveaux[3] = {-1, -1, -1};
    int style = 0;
    bool operator==(const Attributs &o) const
    {
        return std::equal(niveaux, niveaux + 3, o.niveaux) && style == o.style;
    }
};

// "f00/10" is red italic normal width, "-/1" is no colour and wide.
Attributs Lire(const QString &description)
{
    Attributs a;
    const QStringList parties = description.split(u'/');
    if (parties[0] != u"-")
        for (int c = 0; c < 3; ++c)
            a.niveaux[c] = parties[0].mid(c, 1).toInt(nullptr, 16);
    a.style = parties[1].toInt();
    return a;
}

// Gives character i of the editor the colour (as 17 × level, or the default colour for none),
// the italic flag and the font stretch that attributs[i] asks for.
void Formater(QTextEdit &editeur, const QString &texte, const QList<Attributs> &attributs)
{
    editeur.setPlainText(texte);
    for (int i = 0; i < attributs.size(); ++i) {
        const Attributs &a = attributs[i];
        QTextCharFormat format;
        format.setForeground(a.niveaux[0] < 0
                                 ? CouleurDefaut
                                 : QColor(17 * a.niveaux[0], 17 * a.niveaux[1], 17 * a.niveaux[2]));
        format.setFontItalic(a.style >= 10);
        format.setFontStretch(EtirementDeLargeur(a.style % 10));
        CalculPseudo::CurseurSurCaractere(editeur.document(), i).setCharFormat(format);
    }
}

Attributs Case(const CalculPseudo &calcul, int k)
{
    Attributs a;
    for (int c = 0; c < 3; ++c)
        a.niveaux[c] = calcul.Niveaux[c][k];
    a.style = calcul.Styles[k];
    return a;
}

// Reads a code string as the game does: what each visible character looks like.
struct Lu
{
    QString texte;
    QList<Attributs> attributs;
};

bool EstHexa(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
}

Lu LireCommeLeJeu(const QString &code)
{
    Lu lu;
    Attributs etat;
    for (int i = 0; i < code.size(); ++i) {
        if (code[i] != u'$') {
            lu.texte += code[i];
            lu.attributs.append(etat);
            continue;
        }
        const QChar suivant = ++i < code.size() ? code[i] : QChar();
        if (suivant == u'$') {
            lu.texte += u'$';
            lu.attributs.append(etat);
        } else if (EstHexa(suivant) && i + 2 < code.size() && EstHexa(code[i + 1]) &&
                   EstHexa(code[i + 2])) {
            for (int c = 0; c < 3; ++c)
                etat.niveaux[c] = code.mid(i + c, 1).toInt(nullptr, 16);
            i += 2;
        } else if (suivant == u'g') {
            std::fill(etat.niveaux, etat.niveaux + 3, -1);
        } else if (suivant == u'i') {
            etat.style += etat.style >= 10 ? -10 : 10;
        } else if (suivant == u'w' || suivant == u'n' || suivant == u'm') {
            etat.style = etat.style / 10 * 10 + (suivant == u'w' ? 1 : suivant == u'n' ? 2 : 0);
        } else if (suivant == u'z') {
            etat = Attributs();
        } else {
            qWarning("unknown code $%s at %d", qPrintable(QString(suivant)), i);
            lu.texte += QStringLiteral("<?>");
        }
    }
    return lu;
}

} // namespace

class TestEncoder : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void defaultValues();
    void linkCarriesTheCode_data();
    void linkCarriesTheCode();
    void oklabPublishedValues_data();
    void oklabPublishedValues();
    void blendedGradient_data();
    void blendedGradient();
    void blendsAvoidMud();
    void savedGradientsForm_data();
    void savedGradientsForm();
    void colourNames_data();
    void colourNames();
    void textForms_data();
    void textForms();
    void workedExamples_data();
    void workedExamples();
    void plainText_data();
    void plainText();
    void captureColour_data();
    void captureColour();
    void captureWidth_data();
    void captureWidth();
    void captureObliqueIsItalic();
    void captureFillsAtMost45Slots();
    void captureFollowsClusters_data();
    void captureFollowsClusters();
    void charactersPast45();
    void roundTripAsTheGameReads();
    void gradientThroughStops_data();
    void gradientThroughStops();
    void decodesAsTheGame_data();
    void decodesAsTheGame();
    void decodeGivesBackEveryCode();
};

void TestEncoder::defaultValues()
{
    const CalculPseudo calcul;
    QVERIFY(calcul.PseudoOut.isNull());
    for (int k = 0; k < CalculPseudo::NombreCases; ++k) {
        QCOMPARE(Case(calcul, k), Attributs());
    }
}

void TestEncoder::workedExamples_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("cases");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("one coloured letter")
        << "abc" << QStringList{"-/0", "f00/0", "-/0"} << "a$f00b$zc";
    QTest::newRow("dollar doubled") << "a$b" << QStringList{"-/0", "-/0", "-/0"} << "a$$b";
    QTest::newRow("italic run") << "abcd" << QStringList{"-/0", "-/10", "-/10", "-/0"}
                                << "a$ibc$zd";
    QTest::newRow("wide nickname") << "abc" << QStringList{"-/1", "-/1", "-/1"} << "$wabc";
    QTest::newRow("colour dropped, width kept")
        << "ab" << QStringList{"f00/1", "-/1"} << "$w$f00a$gb";
    QTest::newRow("italic coloured dollar")
        << "$x" << QStringList{"f00/10", "f00/10"} << "$i$f00$$x";
    QTest::newRow("italic and colour together")
        << "ab" << QStringList{"-/0", "00f/10"} << "a$i$00fb";
    QTest::newRow("colour run then another")
        << "abc" << QStringList{"f00/0", "f00/0", "00f/0"} << "$f00ab$00fc";
    QTest::newRow("colour dropped then plain")
        << "abc" << QStringList{"f00/10", "-/10", "-/0"} << "$i$f00a$gb$zc";
    QTest::newRow("italic switched off") << "ab" << QStringList{"f00/10", "f00/0"} << "$i$f00a$ib";
    QTest::newRow("back to normal width") << "ab" << QStringList{"f00/1", "f00/0"} << "$w$f00a$mb";
    QTest::newRow("width italic colour order")
        << "xyz" << QStringList{"-/0", "08f/11", "08f/11"} << "x$w$i$08fyz";
    QTest::newRow("narrow italic toggles")
        << "abc" << QStringList{"-/2", "-/12", "-/2"} << "$na$ib$ic";
    QTest::newRow("black is a colour") << "ab" << QStringList{"000/0", "-/0"} << "$000a$zb";
    QTest::newRow("lowercase hex digits")
        << "Bob" << QStringList{"ace/0", "ace/0", "-/0"} << "$aceBo$zb";
    QTest::newRow("two dollars") << "$$" << QStringList{"f00/0", "-/0"} << "$f00$$$z$$";
}

void TestEncoder::workedExamples()
{
    QFETCH(QString, texte);
    QFETCH(QStringList, cases);
    QFETCH(QString, attendu);

    QTextEdit editeur;
    QList<Attributs> attributs;
    for (const QString &c : cases)
        attributs.append(Lire(c));
    Formater(editeur, texte, attributs);

    CalculPseudo calcul;
    calcul.LireAttributs(&editeur, CouleurDefaut);
    for (int k = 0; k < attributs.size(); ++k)
        QCOMPARE(Case(calcul, k), attributs[k]);
    QCOMPARE(calcul.GenererCode(editeur.toPlainText()), attendu);
    QCOMPARE(calcul.PseudoOut, attendu);
}

void TestEncoder::plainText_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("dollar alone") << "$"
                                  << "$$";
    QTest::newRow("plain letters") << "Vivarel"
                                   << "Vivarel";
    QTest::newRow("dollars among letters") << "a$$b$"
                                           << "a$$$$b$$";
}

void TestEncoder::plainText()
{
    QFETCH(QString, texte);
    QFETCH(QString, attendu);
    QTextEdit editeur;
    editeur.setPlainText(texte);
    QTextCursor tout(editeur.document());
    tout.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setForeground(CouleurDefaut);
    format.setFontStretch(CalculPseudo::EtirementNormal);
    tout.mergeCharFormat(format);

    CalculPseudo calcul;
    calcul.PseudoOut = QStringLiteral("stale");
    calcul.LireAttributs(&editeur, CouleurDefaut);
    QCOMPARE(calcul.GenererCode(texte), attendu);
    QCOMPARE(calcul.PseudoOut, attendu);
}

void TestEncoder::captureColour_data()
{
    QTest::addColumn<QColor>("couleur"); // invalid: the character never gets a foreground
    QTest::addColumn<QList<int>>("niveaux");
    QTest::newRow("default colour is no colour") << CouleurDefaut << QList<int>{-1, -1, -1};
    QTest::newRow("default colour, other alpha")
        << QColor(252, 195, 35, 200) << QList<int>{15, 11, 2};
    QTest::newRow("never coloured is black") << QColor() << QList<int>{0, 0, 0};
    QTest::newRow("8 and 9") << QColor(8, 9, 0) << QList<int>{0, 1, 0};
    QTest::newRow("246 and 247") << QColor(246, 247, 255) << QList<int>{14, 15, 15};
    QTest::newRow("middle of levels") << QColor(25, 26, 136) << QList<int>{1, 2, 8};
}

void TestEncoder::captureColour()
{
    QFETCH(QColor, couleur);
    QFETCH(QList<int>, niveaux);
    QTextEdit editeur;
    editeur.setPlainText(QStringLiteral("xy"));
    if (couleur.isValid()) {
        QTextCharFormat format;
        format.setForeground(couleur);
        CalculPseudo::CurseurSurCaractere(editeur.document(), 1).mergeCharFormat(format);
    }
    CalculPseudo calcul;
    calcul.LireAttributs(&editeur, CouleurDefaut);
    QCOMPARE((QList<int>{calcul.Niveaux[0][1], calcul.Niveaux[1][1], calcul.Niveaux[2][1]}),
             niveaux);
}

void TestEncoder::captureWidth_data()
{
    QTest::addColumn<int>("etirement"); // 0: the widget font's stretch is never set
    QTest::addColumn<int>("style");
    QTest::newRow("normal") << CalculPseudo::EtirementNormal << 0;
    QTest::newRow("wide") << CalculPseudo::EtirementLarge << 1;
    QTest::newRow("narrow") << CalculPseudo::EtirementSerre << 2;
    QTest::newRow("unset reads as narrow") << 0 << 2;
    QTest::newRow("100 reads as narrow") << 100 << 2;
}

void TestEncoder::captureWidth()
{
    QFETCH(int, etirement);
    QFETCH(int, style);
    QTextEdit editeur;
    QFont police(QStringLiteral("Arial"), 16);
    if (etirement)
        police.setStretch(etirement);
    editeur.setFont(police);
    editeur.setPlainText(QStringLiteral("abc"));
    QTextCharFormat italique;
    italique.setFontItalic(true);
    CalculPseudo::CurseurSurCaractere(editeur.document(), 2).mergeCharFormat(italique);

    CalculPseudo calcul;
    calcul.LireAttributs(&editeur, CouleurDefaut);
    QCOMPARE(calcul.Styles[0], style);
    QCOMPARE(calcul.Styles[1], style);
    QCOMPARE(calcul.Styles[2], style + 10);
}

void TestEncoder::captureObliqueIsItalic()
{
    QTextEdit editeur;
    QFont police(QStringLiteral("Arial"), 16);
    police.setStretch(CalculPseudo::EtirementNormal);
    police.setStyle(QFont::StyleOblique);
    editeur.setFont(police);
    editeur.setPlainText(QStringLiteral("ab"));
    CalculPseudo calcul;
    calcul.LireAttributs(&editeur, CouleurDefaut);
    QCOMPARE(calcul.Styles[0], 10);
    QCOMPARE(calcul.Styles[1], 10);
}

void TestEncoder::captureFillsAtMost45Slots()
{
    // 50 wide italic red characters fill the whole table; a later capture of three plain
    // characters rewrites slots 0 to 2 only.
    QTextEdit editeur;
    QList<Attributs> rouges(50, Lire(QStringLiteral("f00/11")));
    Formater(editeur, QString(50, u'r'), rouges);
    CalculPseudo calcul;
    calcul.LireAttributs(&editeur, CouleurDefaut);
    for (int k = 0; k < CalculPseudo::NombreCases; ++k)
        QCOMPARE(Case(calcul, k), rouges[k]);

    Formater(editeur, QStringLiteral("abc"), QList<Attributs>(3, Lire(QStringLiteral("-/0"))));
    calcul.LireAttributs(&editeur, CouleurDefaut);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(Case(calcul, k), Attributs());
    for (int k = 3; k < CalculPseudo::NombreCases; ++k)
        QCOMPARE(Case(calcul, k), rouges[k]);
}

void TestEncoder::captureFollowsClusters_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("rouge"); // index of the one red character
    QTest::addColumn<QString>("attendu");
    const QString signeVoyelle(QChar(0x093F));
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, two UTF-16 units
    QTest::newRow("after letter + vowel sign")
        << "F" + signeVoyelle + "bc" << 2 << "F" + signeVoyelle + "$f00b$zc";
    QTest::newRow("after a surrogate pair") << "x" + emoji + "bc" << 3 << "x" + emoji + "$f00b$zc";
    QTest::newRow("mark itself coloured")
        << "F" + signeVoyelle + "b" << 1 << "F$f00" + signeVoyelle + "$zb";
}

void TestEncoder::captureFollowsClusters()
{
    QFETCH(QString, texte);
    QFETCH(int, rouge);
    QFETCH(QString, attendu);
    QList<Attributs> attributs(texte.size(), Lire(QStringLiteral("-/0")));
    attributs[rouge] = Lire(QStringLiteral("f00/0"));
    QTextEdit editeur;
    Formater(editeur, texte, attributs);
    CalculPseudo calcul;
    calcul.LireAttributs(&editeur, CouleurDefaut);
    for (int k = 0; k < texte.size(); ++k)
        QCOMPARE(Case(calcul, k), attributs[k]);
    QCOMPARE(calcul.GenererCode(editeur.toPlainText()), attendu);
}

void TestEncoder::charactersPast45()
{
    // Red and blue alternate over 60 characters, with a dollar at index 50.
    QString texte;
    QList<Attributs> attributs;
    for (int i = 0; i < 60; ++i) {
        texte += i == 50 ? u'$' : QChar(u'a' + i % 26);
        attributs.append(Lire(i % 2 ? QStringLiteral("00f/0") : QStringLiteral("f00/0")));
    }
    QTextEdit editeur;
    Formater(editeur, texte, attributs);
    CalculPseudo calcul;
    calcul.LireAttributs(&editeur, CouleurDefaut);
    const QString code = calcul.GenererCode(editeur.toPlainText());

    QString attendu;
    for (int i = 0; i < CalculPseudo::NombreCases; ++i)
        attendu += (i % 2 ? QStringLiteral("$00f") : QStringLiteral("$f00")) + texte[i];
    attendu += texte.mid(45, 5) + QStringLiteral("$$") + texte.mid(51);
    QCOMPARE(code, attendu);
    QCOMPARE(LireCommeLeJeu(code).texte, texte);
}

void TestEncoder::roundTripAsTheGameReads()
{
    QRandomGenerator aleatoire(20261207);
    const QString alphabet = QStringLiteral("ab$Zé0f9 ") + QChar(0x093F);
    QTextEdit editeur;
    CalculPseudo calcul;
    for (int essai = 0; essai < 3000; ++essai) {
        const int longueur = aleatoire.bounded(1, 56);
        // The width is the widget font's in the program, so one per nickname here; per
        // character in a quarter of the runs, to reach every width change the code has.
        const bool largeurParCaractere = essai % 4 == 0;
        const int largeurPseudo = aleatoire.bounded(3);
        QString texte;
        QList<Attributs> attendus;
        QList<QColor> couleurs;
        for (int i = 0; i < longueur; ++i) {
            texte += alphabet[aleatoire.bounded(int(alphabet.size()))];
            Attributs a;
            QColor couleur = CouleurDefaut;
            if (aleatoire.bounded(3) != 0) { // a few colours, so runs of one colour occur
                couleur = QColor::fromRgb(aleatoire.bounded(3) * 120, aleatoire.bounded(256),
                                          aleatoire.bounded(2) * 255);
                a.niveaux[0] = qFloor(couleur.red() / 255.0 * 15 + 0.5);
                a.niveaux[1] = qFloor(couleur.green() / 255.0 * 15 + 0.5);
                a.niveaux[2] = qFloor(couleur.blue() / 255.0 * 15 + 0.5);
            }
            const int largeur = largeurParCaractere ? aleatoire.bounded(3) : largeurPseudo;
            a.style = (aleatoire.bounded(2) ? 10 : 0) + largeur;
            attendus.append(a);
            couleurs.append(couleur);
        }
        editeur.setPlainText(texte);
        for (int i = 0; i < longueur; ++i) {
            QTextCharFormat format;
            format.setForeground(couleurs[i]);
            format.setFontItalic(attendus[i].style >= 10);
            format.setFontStretch(EtirementDeLargeur(attendus[i].style % 10));
            CalculPseudo::CurseurSurCaractere(editeur.document(), i).setCharFormat(format);
        }

        calcul.LireAttributs(&editeur, CouleurDefaut);
        const QString code = calcul.GenererCode(editeur.toPlainText());
        const Lu lu = LireCommeLeJeu(code);
        QCOMPARE(lu.texte, texte);
        for (int i = 0; i < qMin(longueur, int(CalculPseudo::NombreCases)); ++i) {
            if (!(lu.attributs[i] == attendus[i]))
                QFAIL(qPrintable(QStringLiteral("nickname %1, character %2: code %3")
                                     .arg(essai)
                                     .arg(i)
                                     .arg(code)));
        }
    }
}

void TestEncoder::gradientThroughStops_data()
{
    QTest::addColumn<QString>("couleurs"); // levels, "f00 0f0"
    QTest::addColumn<int>("pas");
    QTest::addColumn<QString>("texte"); // its spaces are left alone
    QTest::addColumn<QString>("attendu");
    const QString rvb = "f00 0f0 00f", six = "000 f00 ff0 0f0 0ff 00f";
    QTest::newRow("three colours, 2 characters") << rvb << 1 << "xx"
                                                 << "f00 00f";
    QTest::newRow("three colours, 7 characters") << rvb << 1 << "xxxxxxx"
                                                 << "f00 b40 880 0f0 0b4 088 00f";
    QTest::newRow("three colours, 45 characters, step 22")
        << rvb << 22 << QString(45, u'x')
        << (QStringLiteral("f00 ").repeated(22) + QStringLiteral("0f0 ").repeated(22) + "00f");
    QTest::newRow("six colours, 2 characters") << six << 1 << "xx"
                                               << "000 00f";
    QTest::newRow("six colours, 7 characters") << six << 1 << "xxxxxxx"
                                               << "000 f00 ff0 af0 0f0 0ff 00f";
    QString gris;
    for (int niveau : {0, 2, 3, 5, 6, 8, 9, 11, 12, 15, 14, 12, 11, 9,  8,  6,  5, 3, 0, 0, 0, 0, 0,
                       0, 0, 0, 0, 2, 3, 5, 6,  8,  9,  11, 12, 15, 14, 12, 11, 9, 8, 6, 5, 3, 0})
        gris += QString(3, QString::number(niveau, 16).at(0)) + u' ';
    QTest::newRow("six colours, 45 characters")
        << "000 fff 000 000 fff 000" << 1 << QString(45, u'x') << gris.trimmed();
    QTest::newRow("spaces leading, repeated, trailing") << "000 fff" << 1 << "  ab  c "
                                                        << "000 000 000 555 555 555 fff fff";
}

void TestEncoder::gradientThroughStops()
{
    QFETCH(QString, couleurs);
    QFETCH(int, pas);
    QFETCH(QString, texte);
    QFETCH(QString, attendu);
    QList<QColor> stops;
    for (const QString &niveaux : couleurs.split(u' '))
        stops << QColor(17 * niveaux.mid(0, 1).toInt(nullptr, 16),
                        17 * niveaux.mid(1, 1).toInt(nullptr, 16),
                        17 * niveaux.mid(2, 1).toInt(nullptr, 16));
    QList<bool> espaces;
    for (QChar c : texte)
        espaces << (c == u' ');
    QStringList obtenu;
    for (const Degrade::Niveaux &n : Degrade::Calculer(stops, pas, espaces))
        obtenu << QString::number(n[0], 16) + QString::number(n[1], 16) + QString::number(n[2], 16);
    QCOMPARE(obtenu.join(u' '), attendu);
}

void TestEncoder::decodesAsTheGame_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attributs"); // "f00/10" per character, as the table holds it
    QTest::addColumn<QString>("omis");
    QTest::newRow("upper case") << "$F00Re$I$0F0x"
                                << "Rex" << QStringList{"f00/0", "f00/0", "0f0/10"} << "";
    QTest::newRow("short colours padded") << "$fX$0fY"
                                          << "XY" << QStringList{"f00/0", "0f0/0"} << "";
    QTest::newRow("cut short by the end") << "ab$f"
                                          << "ab" << QStringList{"-/0", "-/0"} << "";
    QTest::newRow("dollar at the end, doubled, unknown")
        << "a$$b$x$"
        << "a$b" << QStringList{"-/0", "-/0", "-/0"} << "";
    QTest::newRow("widths, bold, capitals")
        << "$wa$nb$o$tc$md"
        << "abcd" << QStringList{"-/1", "-/2", "-/1102", "-/1100"} << "";
    QTest::newRow("scope restores") << "$<$f00$ia$>b"
                                    << "ab" << QStringList{"f00/10", "-/0"} << "";
    QTest::newRow("$g and $z inside a scope")
        << "$00f$<$f00$ia$gb$zc$>d"
        << "abcd" << QStringList{"f00/10", "00f/10", "00f/0", "00f/0"} << "";
    QTest::newRow("$> without $<") << "$i$>a"
                                   << "a" << QStringList{"-/10"} << "";
    QTest::newRow("links keep their text")
        << "$l[http://x]go$l!$hup$z"
        << "go!up" << QStringList(5, "-/0") << "lien:http://x lien:";
    QTest::newRow("unclosed target") << "a$p[b$f00c"
                                     << "a" << QStringList{"-/0"} << "lien:b$f00c";
    QTest::newRow("shadow") << "$sa$sb"
                            << "ab" << QStringList{"-/0", "-/0"} << "ombre";
    QTest::newRow("a dollar alone") << "$"
                                    << "" << QStringList() << "";
    QTest::newRow("a thousand unclosed scopes and brackets")
        << QStringLiteral("$<").repeated(1000) + "$l" + QString(1000, u'[') << "" << QStringList()
        << "lien:" + QString(999, u'[');
}

void TestEncoder::decodesAsTheGame()
{
    QFETCH(QString, code);
    QFETCH(QString, texte);
    QFETCH(QStringList, attributs);
    QFETCH(QString, omis);
    const DecodeurPseudo::Lecture lecture = DecodeurPseudo::Lire(code);
    QCOMPARE(lecture.texte, texte);
    QStringList lus;
    for (size_t i = 0; i < lecture.niveaux.size(); ++i) {
        const auto &n = lecture.niveaux[i];
        lus << (n[0] < 0 ? QStringLiteral("-")
                         : QString::number(n[0], 16) + QString::number(n[1], 16) +
                               QString::number(n[2], 16)) +
                   u'/' + QString::number(lecture.styles[i]);
    }
    QCOMPARE(lus, attributs);
    QStringList omissions;
    for (const DecodeurPseudo::Omission &o : lecture.omis)
        omissions << (o.genre == DecodeurPseudo::Omission::Ombre ? QStringLiteral("ombre")
                                                                 : "lien:" + o.cible);
    QCOMPARE(omissions.join(u' '), omis);
}

// Every code Vivarel writes, read back and written again, is the same code.
void TestEncoder::decodeGivesBackEveryCode()
{
    QRandomGenerator hasard(45);
    for (int essai = 0; essai < 3000; ++essai) {
        const int longueur = hasard.bounded(60);
        QString texte;
        std::vector<std::array<int, 3>> niveaux;
        std::vector<int> styles;
        for (int i = 0; i < longueur; ++i) {
            texte += QChar(u"ab$0f Zé"[hasard.bounded(8)]);
            const bool couleur = hasard.bounded(3);
            niveaux.push_back({couleur ? int(hasard.bounded(16)) : -1,
                               couleur ? int(hasard.bounded(16)) : -1,
                               couleur ? int(hasard.bounded(16)) : -1});
            styles.push_back(int(hasard.bounded(3)) + 10 * int(hasard.bounded(2)) +
                             100 * int(hasard.bounded(2)) + 1000 * int(hasard.bounded(2)));
        }
        CalculPseudo ecrit;
        ecrit.DefinirCases(niveaux, styles);
        const QString code = ecrit.GenererCode(texte);
        const DecodeurPseudo::Lecture lecture = DecodeurPseudo::Lire(code);
        QCOMPARE(lecture.texte, texte);
        CalculPseudo reecrit;
        reecrit.DefinirCases(lecture.niveaux, lecture.styles);
        QCOMPARE(reecrit.GenererCode(lecture.texte), code);
    }
}

void TestEncoder::textForms_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("couleurs"); // one per run, "" for none
    QTest::newRow("upper case, short colour, effects")
        << "$F00R$o$iB$0fG$g$tz$wW"
        << "RBGzW" << QStringList{"255;0;0", "255;0;0", "0;255;0", "", ""};
    QTest::newRow("to escape") << "$f00<a href=\"x\">&amp;</a>"
                               << "<a href=\"x\">&amp;</a>" << QStringList{"255;0;0"};
    QTest::newRow("dollars and links") << "$$5 $l[http://x.y/?a<b]go$l!"
                                       << "$5 go!" << QStringList{""};
    QTest::newRow("unknown codes, lone trailing $") << "$qa$>b$"
                                                    << "ab" << QStringList{""};
    QTest::newRow("scopes") << "$<$f00a$>b"
                            << "ab" << QStringList{"255;0;0", ""};
    QTest::newRow("controls") << QStringLiteral("$00fa\x1b[2Jb\x07")
                              << QStringLiteral("a\x1b[2Jb\x07") << QStringList{"0;0;255"};
    // A character outside the BMP is two UTF-16 units: neither a code nor a cut splits it.
    QTest::newRow("$ before an emoji")
        << QStringLiteral("$😀x$f00😀$$😀") << QStringLiteral("x😀$😀") << QStringList{"", "255;0;0"};
    QTest::newRow("a cut across an emoji")
        << QString(44, u'a') + QStringLiteral("😀") << QString(44, u'a') + QStringLiteral("😀")
        << QStringList{""};
    QTest::newRow("100,000 characters")
        << "$0c8" + QString(100000, u'x') << QString(100000, u'x') << QStringList{"0;204;136"};
}

// Text is what the game shows; HTML has one span per run in its colour, every special
// character escaped; the terminal line has the run's colours and cannot be driven by the text.
void TestEncoder::textForms()
{
    QFETCH(QString, code);
    QFETCH(QString, texte);
    QFETCH(QStringList, couleurs);
    QCOMPARE(FormesTexte::Texte(code), texte);

    const QString html = FormesTexte::Html(code);
    QCOMPARE(html.count(QStringLiteral("<span")), couleurs.size());
    QString hors = html;
    hors.remove(QRegularExpression(QStringLiteral(
        "^<bdi style=\"white-space:pre\">|<span( style=\"[^\"]*\")?>|</span>|</bdi>$")));
    QVERIFY(!hors.contains(u'<') && !hors.contains(u'>') && !hors.contains(u'"'));
    QCOMPARE(QTextDocumentFragment::fromHtml(html).toPlainText(), FormesTexte::TexteLisible(code));

    const QString ansi = FormesTexte::Ansi(code);
    QVERIFY(ansi.endsWith(QStringLiteral("\x1b[0m")));
    QCOMPARE(ansi.count(u'\x1b'), couleurs.size() + 1); // no escape of the text's own
    int depuis = 0;
    for (const QString &couleur : couleurs) {
        if (couleur.isEmpty())
            continue;
        depuis = int(ansi.indexOf(QStringLiteral("38;2;") + couleur, depuis));
        QVERIFY2(depuis >= 0, qPrintable(couleur));
    }
    const QString coupe = FormesTexte::Couper(code);
    QVERIFY(coupe.size() <= CalculPseudo::NombreCases);
    QVERIFY(code.startsWith(coupe));
    for (const QString &forme : {texte, html, ansi, coupe, FormesTexte::Texte(coupe)})
        QVERIFY2(QStringView(forme).isValidUtf16(), qPrintable(forme));
}

// Ottosson's own figures; every game colour comes back within 1/255.
void TestEncoder::oklabPublishedValues_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::newRow("white") << "#ffffff" << 1.0 << 0.0 << 0.0;
    QTest::newRow("red") << "#ff0000" << 0.6280 << 0.2249 << 0.1258;
    QTest::newRow("green") << "#00ff00" << 0.8664 << -0.2339 << 0.1795;
    QTest::newRow("blue") << "#0000ff" << 0.4520 << -0.0325 << -0.3115;
}

void TestEncoder::oklabPublishedValues()
{
    QFETCH(QString, hex);
    QFETCH(double, L);
    QFETCH(double, a);
    QFETCH(double, b);
    const QColor c(hex);
    const auto lab = EspacesCouleur::Oklab({c.redF(), c.greenF(), c.blueF()});
    QVERIFY(std::abs(lab[0] - L) < 5e-4 && std::abs(lab[1] - a) < 5e-4 &&
            std::abs(lab[2] - b) < 5e-4);
    for (int niveau = 0; niveau < 16 * 16 * 16; ++niveau) {
        const EspacesCouleur::Triplet srgb{(niveau >> 8) / 15.0, (niveau >> 4 & 15) / 15.0,
                                           (niveau & 15) / 15.0};
        const auto retour = EspacesCouleur::Srgb(
            EspacesCouleur::DepuisOklch(EspacesCouleur::Oklch(EspacesCouleur::Oklab(srgb))));
        for (int i = 0; i < 3; ++i)
            QVERIFY2(std::abs(retour[i] - srgb[i]) < 1 / 255.0,
                     qPrintable(QString::number(niveau)));
    }
}

// Levels worked out apart from the program (a separate implementation of Ottosson's
// conversions, in double precision), one string of three hex digits per character.
void TestEncoder::blendedGradient_data()
{
    QTest::addColumn<int>("melange");
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<int>("pas");
    QTest::addColumn<QString>("attendu");
    const auto ligne = [](const char *nom, Melange m, const char *stops, int pas,
                          const char *attendu) {
        QTest::newRow(nom) << int(m) << QString::fromLatin1(stops).split(u' ') << pas << attendu;
    };
    const Melange ok = Melange::OKLab, h = Melange::Teinte;
    ligne("oklab 2 chars", ok, "f00 0f0", 1, "f00 0f0");
    ligne("oklab 7", ok, "f00 0f0", 1, "f00 e50 e70 d90 cb0 ac0 0f0");
    ligne("oklab 9 step 3", ok, "f00 00f", 3, "f00 f00 f00 b58 b58 b58 65b 65b 00f");
    ligne("oklab 3 stops 7", ok, "f00 ff0 00f", 1, "f00 f60 f90 ff0 bd9 6ac 00f");
    ligne("oklab 3 stops 9 step 3", ok, "f00 ff0 00f", 3, "f00 f00 f00 fb0 ff0 ff0 ff0 59d 00f");
    ligne("oklab 3 stops 2 chars", ok, "000 f80 fff", 3, "000 fff");
    ligne("oklab through black 9", ok, "000 f80 fff", 1, "000 100 420 840 f80 fa5 fb8 fca fff");
    ligne("hue 2 chars", h, "f00 00f", 3, "f00 00f");
    ligne("hue 7", h, "f00 0f0", 1, "f00 f30 f60 f80 ea0 cc0 0f0");
    ligne("hue 9 step 3", h, "f00 0f0", 3, "f00 f00 f00 f60 f60 f60 db0 db0 0f0");
    ligne("hue red to blue 9", h, "f00 00f", 1, "f00 f04 e07 d09 c0b a0c 90e 70f 00f");
    ligne("hue 3 stops 7 step 3", h, "f00 ff0 00f", 3, "f00 f00 f00 ff0 ff0 ff0 00f");
    ligne("hue 3 stops 9", h, "f00 ff0 00f", 1, "f00 f50 f80 fa0 ff0 7e5 0d9 0bd 00f");
    ligne("hue from black takes the other hue", h, "000 f80 fff", 1, "000 210 630 f80 fa6 fc9 fff");
}

void TestEncoder::blendedGradient()
{
    QFETCH(int, melange);
    QFETCH(QStringList, stops);
    QFETCH(int, pas);
    QFETCH(QString, attendu);
    QList<QColor> couleurs;
    for (const QString &stop : stops)
        couleurs << QColor(u'#' + stop);
    QStringList obtenu;
    for (const Degrade::Niveaux &n : Degrade::Calculer(
             couleurs, pas, QList<bool>(attendu.count(u' ') + 1, false), Melange(melange)))
        obtenu << QString::number(n[0] * 256 + n[1] * 16 + n[2], 16).rightJustified(3, u'0');
    QCOMPARE(obtenu.join(u' '), attendu);
}

// Red to green is no muddy olive in OKLab; red to blue goes through magenta, not grey, round
// the hue circle.
void TestEncoder::blendsAvoidMud()
{
    const auto milieu = [](const QList<QColor> &c, Melange m) {
        const Degrade::Niveaux n = Degrade::Calculer(c, 1, QList<bool>(9, false), m)[4];
        return EspacesCouleur::Oklch(
            EspacesCouleur::Oklab({n[0] / 15.0, n[1] / 15.0, n[2] / 15.0}));
    };
    const QList<QColor> rougeVert{Qt::red, Qt::green}, rougeBleu{Qt::red, Qt::blue};
    QVERIFY(milieu(rougeVert, Melange::OKLab)[0] > milieu(rougeVert, Melange::RVB)[0] + 0.05);
    const auto teinte = milieu(rougeBleu, Melange::Teinte);
    QVERIFY(teinte[1] > 0.25); // strongly coloured
    const double degres = teinte[2] * 180 / M_PI;
    QVERIFY2(degres < 0 || degres > 300, qPrintable(QString::number(degres))); // magenta
}

// The saved gradients' file: what is kept, what is refused, and the way back.
void TestEncoder::savedGradientsForm_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("lues");
    QTest::addColumn<int>("ignorees");
    const QByteArray debut = R"({"format": "vivarel-gradients", "version": 1, "gradients": [)";
    QTest::newRow("good") << debut + R"({"name": "Lave", "colours": ["#ff0000", "#ffff00"],
                                        "blend": "hue", "step": 3}]})"
                          << 1 << 0;
    QTest::newRow("one colour, seven, unknown blend, step 0")
        << debut + R"({"name": "a", "colours": ["#ff0000"]},
                      {"name": "b", "colours": ["#f00","#f00","#f00","#f00","#f00","#f00","#f00"]},
                      {"name": "c", "colours": ["#f00", "#0f0"], "blend": "cmyk"},
                      {"name": "d", "colours": ["#f00", "#0f0"], "step": 0},
                      {"name": "e", "colours": ["#f00", "nope"]},
                      {"name": "", "colours": ["#f00", "#0f0"]}, 7]})"
        << 0 << 7;
    QTest::newRow("not this form") << QByteArray(R"({"nicknames": []})") << -1 << 0;
}

void TestEncoder::savedGradientsForm()
{
    QFETCH(QByteArray, json);
    QFETCH(int, lues);
    QFETCH(int, ignorees);
    const CollectionDegrades::Lecture lecture = CollectionDegrades::Lire(json);
    QCOMPARE(lecture.lisible ? int(lecture.entrees.size()) : -1, lues);
    QCOMPARE(lecture.ignorees, ignorees);
    QCOMPARE(CollectionDegrades::Lire(CollectionDegrades::Ecrire(lecture.entrees)).entrees,
             lecture.entrees);
    if (lues > 0)
        QCOMPARE(lecture.entrees.first(),
                 (CollectionDegrades::Entree{"Lave", {Qt::red, Qt::yellow}, Melange::Teinte, 3}));
}

// What a screen reader says for a swatch, on the game's levels.
void TestEncoder::colourNames_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("nom");
    const QList<std::pair<const char *, const char *>> cas = {
        {"#000000", "noir"},       {"#ffffff", "blanc"},       {"#888888", "gris"},
        {"#333333", "gris foncé"}, {"#cccccc", "gris clair"},  {"#ff0000", "rouge vif"},
        {"#ee0022", "rouge vif"},  {"#ff8800", "orange vif"},  {"#663300", "brun"},
        {"#ffff00", "jaune vif"},  {"#00aa00", "vert vif"},    {"#004400", "vert foncé"},
        {"#00ffff", "cyan vif"},   {"#0000ff", "bleu vif"},    {"#99ccff", "bleu clair"},
        {"#8800ff", "violet vif"}, {"#ff00ff", "magenta vif"}, {"#ff0088", "rose vif"},
        {"#996677", "rose"},       {"#33ccaa", "turquoise"},
    };
    for (const auto &[hex, nom] : cas)
        QTest::newRow(hex) << hex << nom;
}

void TestEncoder::colourNames()
{
    QFETCH(QString, hex);
    QFETCH(QString, nom);
    QCOMPARE(NomCouleur::Nom(QColor(hex)), nom);
}

void TestEncoder::linkCarriesTheCode_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("code");
    const QString page = QStringLiteral("https://example.org/vivarel/");
    QTest::newRow("colours and spaces") << page << QStringLiteral("$f00Viva $0cfrel $$ 21");
    QTest::newRow("any script") << page << QStringLiteral("$i★ Ça ヅ 😀\u0301");
    QTest::newRow("what a URL means") << page << QStringLiteral("a#b%20c?d&e=f/g%");
    QTest::newRow("the page's own fragment and query")
        << QStringLiteral("http://127.0.0.1:8000/index.html?x=1#$f00old")
        << QStringLiteral("$0f0new");
}

// Whatever the code, the link carries it back whole, in characters any chat or forum keeps.
void TestEncoder::linkCarriesTheCode()
{
    QFETCH(QString, page);
    QFETCH(QString, code);
    const QString lien = LienPseudo::Lien(page, code);
    QCOMPARE(LienPseudo::Code(lien), code);
    QVERIFY2(lien.startsWith(page.section(u'#', 0, 0) + u'#'), qPrintable(lien));
    QVERIFY2(QRegularExpression(QStringLiteral("^[!-~]+$")).match(lien).hasMatch(),
             qPrintable(lien));
    QVERIFY(LienPseudo::Code(page.section(u'#', 0, 0)).isNull());
    QVERIFY(LienPseudo::Code(page.section(u'#', 0, 0) + u'#').isNull());
}

QTEST_MAIN(TestEncoder)
#include "tst_encoder.moc"
