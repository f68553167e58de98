// The HTML form where it lands: fragments pasted into one page and shown by headless Chromium,
// whose visible text and computed styles are read back and held against the decoder.
#include "SansAvertissement.h"
#include "encoder/CalculPseudo.h"
#include "encoder/DecodeurPseudo.h"
#include "encoder/FormesTexte.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Nicknames as players write them, and codes written to do harm.
const QStringList Codes = {
    QStringLiteral("$f00Viva$0cfrel"),
    QStringLiteral("$i$o$f80Spe$fa0ed$z ster"),
    QStringLiteral("$w$00fW$n$0f0N$m$f0fM$t caps $tend"),
    QStringLiteral("$s$fffShadow$l[https://x.y]Link$l"),
    QStringLiteral("¬  Šĸу…   three"),
    QStringLiteral("  lead and trail  "),
    QStringLiteral("$0c0لاعب $fffplayer"),
    QStringLiteral("$fff😀 $$100 &amp; &lt;"),
    QStringLiteral("abc\u202edef"),
    QStringLiteral("$f00\u202e$0f0\u202eone more"),
    QStringLiteral("<script>window.ran=1</script>"),
    QStringLiteral("\"'><img src=x onerror=\"window.ran=1\">"),
    QStringLiteral("$l[javascript:window.ran=1]click$l"),
    QStringLiteral("a\rb\nc\tc\x1b[2Jd\x07"),
    QStringLiteral("<style>*{color:red}</style><b>bold?</b>"),
};

// For each fragment: its visible text, each span's text and computed look, any element that is
// not the fragment's own, whether the page's own text after it still reads left to right.
const char *Lecture = R"(
window.ran = 0;
const resultats = [];
document.querySelectorAll('.fragment').forEach(function (d) {
  const apres = d.nextElementSibling.firstChild;
  const plage = document.createRange();
  const x = function (i) { plage.setStart(apres, i); plage.setEnd(apres, i + 1);
                           return plage.getBoundingClientRect().x; };
  resultats.push({
    texte: d.innerText,
    spans: Array.from(d.querySelectorAll('span')).map(function (s) {
      const c = getComputedStyle(s);
      return [s.textContent, c.color, c.fontStyle, c.fontWeight, c.textTransform, c.fontStretch];
    }),
    autres: Array.from(d.querySelectorAll('*')).filter(function (e) {
      return e.tagName !== 'SPAN' && e.tagName !== 'BDI'; }).length,
    apres: d.nextElementSibling.textContent,
    gaucheADroite: x(0) < x(4)
  });
});
document.getElementById('resultat').textContent = btoa(unescape(encodeURIComponent(
  JSON.stringify({ran: window.ran, scripts: document.scripts.length, fragments: resultats}))));
)";

QString Couleur(const DecodeurPseudo::Passage &passage)
{
    if (passage.niveaux[0] < 0)
        return QStringLiteral("rgb(0, 0, 0)");
    const QColor c = CalculPseudo::CouleurNiveaux(passage.niveaux);
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

} // namespace

class TestBrowser : public QObject
{
    Q_OBJECT

private slots:
    void init() { RefuserAvertissements(); }
    void fragmentsShowAsTheGame();
};

void TestBrowser::fragmentsShowAsTheGame()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        QSKIP("no Chromium here (./build.sh installs it)");
    QTemporaryDir dossier;
    QString page = QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head>"
                                  "<body style=\"color:#000;font:16px sans-serif\">");
    for (const QString &code : Codes)
        page += QStringLiteral("<p><span class=\"fragment\">%1</span><span>AFTER</span></p>")
                    .arg(FormesTexte::Html(code));
    page += QStringLiteral("<pre id=\"resultat\"></pre><script>%1</script></body></html>")
                .arg(QLatin1String(Lecture));
    QFile fichier(dossier.filePath(QStringLiteral("page.html")));
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(page.toUtf8());
    fichier.close();

    QProcess navigateur;
    navigateur.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                                "--no-first-run", "--disable-background-networking",
                                "--disable-component-update", "--disable-sync",
                                "--user-data-dir=" + dossier.filePath(QStringLiteral("profil")),
                                "--dump-dom", QUrl::fromLocalFile(fichier.fileName()).toString()});
    QVERIFY(navigateur.waitForFinished(60000));
    const QString dom = QString::fromUtf8(navigateur.readAllStandardOutput());
    const QRegularExpressionMatch trouve =
        QRegularExpression(QStringLiteral("<pre id=\"resultat\">([A-Za-z0-9+/=]+)</pre>"))
            .match(dom);
    QVERIFY2(trouve.hasMatch(), qPrintable(navigateur.readAllStandardError().right(2000)));
    const QJsonObject resultat =
        QJsonDocument::fromJson(QByteArray::fromBase64(trouve.captured(1).toLatin1())).object();

    QCOMPARE(resultat[QStringLiteral("ran")].toInt(), 0);
    QCOMPARE(resultat[QStringLiteral("scripts")].toInt(), 1);
    const QJsonArray fragments = resultat[QStringLiteral("fragments")].toArray();
    QCOMPARE(fragments.size(), Codes.size());
    for (int i = 0; i < Codes.size(); ++i) {
        const QJsonObject vu = fragments[i].toObject();
        const DecodeurPseudo::Lecture lecture = DecodeurPseudo::Lire(Codes[i]);
        const QList<DecodeurPseudo::Passage> passages = DecodeurPseudo::Passages(lecture);
        const QJsonArray spans = vu[QStringLiteral("spans")].toArray();
        QCOMPARE(spans.size(), passages.size());
        QString visible;
        for (int j = 0; j < passages.size(); ++j) {
            const DecodeurPseudo::Passage &p = passages[j];
            const QString texte = FormesTexte::Lisible(lecture.texte.mid(p.debut, p.longueur));
            const int largeur = CalculPseudo::Largeur(p.style);
            const QJsonArray attendu = {
                texte,
                Couleur(p),
                CalculPseudo::Italique(p.style) ? "italic" : "normal",
                CalculPseudo::Gras(p.style) ? "700" : "400",
                CalculPseudo::Majuscules(p.style) ? "uppercase" : "none",
                largeur == 0   ? "100%"
                : largeur == 1 ? QStringLiteral("%1%").arg(CalculPseudo::EtirementLarge)
                               : QStringLiteral("%1%").arg(CalculPseudo::EtirementSerre)};
            QCOMPARE(spans[j].toArray(), attendu);
            visible += CalculPseudo::Majuscules(p.style) ? texte.toUpper() : texte;
        }
        QCOMPARE(vu[QStringLiteral("texte")].toString(), visible);
        QCOMPARE(vu[QStringLiteral("autres")].toInt(), 0);
        QCOMPARE(vu[QStringLiteral("apres")].toString(), QStringLiteral("AFTER"));
        QVERIFY2(vu[QStringLiteral("gaucheADroite")].toBool(), qPrintable(Codes[i]));
    }
}

QTEST_GUILESS_MAIN(TestBrowser)
#include "tst_browser.moc"
