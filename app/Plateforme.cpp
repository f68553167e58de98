#include "app/Plateforme.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

void Plateforme::AppliquerPolicesPage(const QStringList &dossiers)
{
    for (const QString &chemin : dossiers) {
        const QDir dossier(chemin);
        // Name filters would match through a regular expression, which costs a page a tenth
        // of a second at its start.
        for (const QString &nom : dossier.entryList(QDir::Files, QDir::Name)) {
            if (nom.endsWith(QLatin1String(".ttf")) || nom.endsWith(QLatin1String(".otf")))
                QFontDatabase::addApplicationFont(dossier.filePath(nom));
        }
    }
    const QString liberation = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("Arial"), liberation);
    // At the size Qt's wasm platform gives its own default face.
    QGuiApplication::setFont(QFont(liberation));
}

#ifdef Q_OS_WASM
#include "widgets/DialoguesFichier.h"

#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

#include <emscripten.h>
#include <emscripten/val.h>

namespace {

bool Lisible = true;

// A file of the page's own, for one export or import only.
QString Passage(const QString &nom)
{
    return QDir::tempPath() + QStringLiteral("/vivarel-") + QFileInfo(nom).fileName();
}

void Telecharger(QWidget *, const QString &, const QString &nom, const QString &,
                 const DialoguesFichier::Ecriture &ecrire)
{
    const QString chemin = Passage(nom);
    QFile fichier(chemin);
    if (ecrire(chemin) && fichier.open(QIODevice::ReadOnly))
        QFileDialog::saveFileContent(fichier.readAll(), nom);
    fichier.remove();
    Plateforme::Stocker(chemin);
}

void Choisir(QWidget *, const QString &, const QString &filtre,
             const DialoguesFichier::Lecture &lire)
{
    QFileDialog::getOpenFileContent(filtre, [lire](const QString &nom, const QByteArray &contenu) {
        if (nom.isEmpty())
            return;
        const QString chemin = Passage(nom);
        QFile fichier(chemin);
        if (fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() &&
            fichier.flush())
            lire(chemin);
        fichier.remove();
        Plateforme::Stocker(chemin);
    });
}

} // namespace

// Each file is one item of localStorage, its bytes as the characters 0 to 255, under the
// prefix below and its path.
// clang-format off
EM_JS(int, vivarel_ouvrir_stockage, (), {
    Module.vivarelCle = function(chemin) { return "vivarel:" + chemin; };
    Module.vivarelCharger = function(chemin) {
        var contenu = localStorage.getItem(Module.vivarelCle(chemin));
        if (contenu === null)
            return;
        var octets = new Uint8Array(contenu.length);
        for (var i = 0; i < contenu.length; i++)
            octets[i] = contenu.charCodeAt(i);
        FS.mkdirTree(chemin.substring(0, chemin.lastIndexOf("/")));
        FS.writeFile(chemin, octets);
    };
    try {
        var chemins = [];
        for (var i = 0; i < localStorage.length; i++)
            if (localStorage.key(i).indexOf("vivarel:/") === 0)
                chemins.push(localStorage.key(i).substring(8));
        chemins.forEach(Module.vivarelCharger);
        return 1;
    } catch (e) {
        return 0;
    }
});

EM_JS(void, vivarel_recharger, (const char *chemin), {
    try {
        Module.vivarelCharger(UTF8ToString(chemin));
    } catch (e) {
    }
});

EM_JS(int, vivarel_stocker, (const char *chemin), {
    var nom = UTF8ToString(chemin);
    var octets;
    try {
        octets = FS.readFile(nom);
    } catch (e) {
        localStorage.removeItem(Module.vivarelCle(nom));
        return 1;
    }
    var morceaux = [];
    for (var i = 0; i < octets.length; i += 8192)
        morceaux.push(String.fromCharCode.apply(null, octets.subarray(i, i + 8192)));
    try {
        localStorage.setItem(Module.vivarelCle(nom), morceaux.join(""));
        return 1;
    } catch (e) {
        return 0;
    }
});

// The frame after the next: the one being drawn is on the screen by then.
EM_JS(void, vivarel_marquer_apres_dessin, (const char *etape), {
    var nom = UTF8ToString(etape);
    requestAnimationFrame(() => requestAnimationFrame(() => performance.mark(nom)));
});
// clang-format on

namespace {

// Marks the frame after the one in which the window was first painted: the canvas shows it then.
class PremierDessin : public QObject
{
public:
    PremierDessin(const char *etape, QObject *parent) : QObject(parent), Etape(etape) {}

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Paint && objet == parent()) {
            vivarel_marquer_apres_dessin(Etape);
            deleteLater();
        }
        return false;
    }

private:
    const char *const Etape;
};

} // namespace

QString Plateforme::AdressePage()
{
    return QString::fromStdString(emscripten::val::global("location")["href"].as<std::string>());
}

void Plateforme::PreparerPolices()
{
    AppliquerPolicesPage({QStringLiteral(":/polices")});
}

void Plateforme::PreparerFichiers()
{
    DialoguesFichier::Remplacer(Telecharger, Choisir);
}

void Plateforme::Marquer(const char *etape)
{
    EM_ASM({ performance.mark(UTF8ToString($0)); }, etape);
}

void Plateforme::MarquerPremierDessin(QWidget *fenetre, const char *etape)
{
    fenetre->installEventFilter(new PremierDessin(etape, fenetre));
}

bool Plateforme::OuvrirStockage()
{
    return Lisible = vivarel_ouvrir_stockage();
}

bool Plateforme::StockageLisible()
{
    return Lisible;
}

void Plateforme::Recharger(const QString &chemin)
{
    if (Lisible)
        vivarel_recharger(QFileInfo(chemin).absoluteFilePath().toUtf8().constData());
}

bool Plateforme::Stocker(const QString &chemin)
{
    return !Lisible || vivarel_stocker(QFileInfo(chemin).absoluteFilePath().toUtf8().constData());
}

#else

QString Plateforme::AdressePage()
{
    return QString();
}

void Plateforme::PreparerPolices() {}

void Plateforme::PreparerFichiers() {}

void Plateforme::Marquer(const char *) {}

void Plateforme::MarquerPremierDessin(QWidget *, const char *) {}

bool Plateforme::OuvrirStockage()
{
    return true;
}

bool Plateforme::StockageLisible()
{
    return true;
}

void Plateforme::Recharger(const QString &) {}

bool Plateforme::Stocker(const QString &)
{
    return true;
}

#endif
