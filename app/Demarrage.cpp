#include "app/Demarrage.h"

#include "app/Console.h"
#include "app/ControleFichiers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QResource>
#include <QTranslator>

#include <cstdio>
#include <functional>

namespace {

const QString Ressources = QStringLiteral("Gui.rcc");
const QString DossierTraductions = QStringLiteral("Lang/");
constexpr qint64 TailleMax = 64 * 1024 * 1024;

// The file QTranslator::load(nomLocale, dossier) takes: fr_FR.qm, fr_FR, fr.qm, fr.
QString CheminTraduction(const QString &dossier, QString nom)
{
    for (;;) {
        for (const QString &essai : {nom + QStringLiteral(".qm"), nom})
            if (QFileInfo(dossier + essai).isFile())
                return dossier + essai;
        const int coupure =
            int(qMax(nom.lastIndexOf(QLatin1Char('_')), nom.lastIndexOf(QLatin1Char('.'))));
        if (coupure <= 0)
            return QString();
        nom.truncate(coupure);
    }
}

// Whether Qt can be given `chemin`; otherwise one line says which file and why.
bool FichierSur(const QString &chemin, const std::function<QString(const QByteArray &)> &probleme)
{
    const QFileInfo info(chemin);
    QFile fichier(chemin);
    QString pourquoi;
    if (!info.isFile())
        pourquoi = QStringLiteral("ce n'est pas un fichier");
    else if (info.size() > TailleMax)
        pourquoi = QStringLiteral("trop gros");
    else if (!fichier.open(QIODevice::ReadOnly))
        pourquoi = QStringLiteral("illisible");
    else if (info.size() == 0)
        pourquoi = QStringLiteral("vide");
    else
        pourquoi = probleme(fichier.readAll());
    if (pourquoi.isEmpty())
        return true;
    Console::Ecrire(stderr,
                    QStringLiteral("Vivarel : « %1 » ignoré (%2).\n").arg(chemin, pourquoi));
    return false;
}

} // namespace

void Demarrage::EnregistrerRessourcesExternes()
{
    if (QFileInfo::exists(Ressources) &&
        FichierSur(Ressources, ControleFichiers::ProblemeRessources))
        QResource::registerResource(Ressources, QString());
}

void Demarrage::InstallerTraduction(QTranslator &traducteur, QTranslator &traducteurQt,
                                    const QString &nomLocale)
{
    QString chemin = CheminTraduction(DossierTraductions, nomLocale);
    if (chemin.isEmpty())
        chemin = CheminTraduction(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                      DossierTraductions,
                                  nomLocale);
    bool charge = !chemin.isEmpty() && FichierSur(chemin, ControleFichiers::ProblemeTraduction) &&
                  traducteur.load(chemin);
    // The catalogues built in: French, German, and English for every other language.
    QString langue = nomLocale.left(2);
    if (langue != QLatin1String("fr") && langue != QLatin1String("de"))
        langue = QStringLiteral("en");
    if (!charge)
        charge = traducteur.load(QStringLiteral(":/i18n/vivarel_%1.qm").arg(langue));
    QCoreApplication::installTranslator(&traducteur);

    if (!traducteur.language().isEmpty())
        langue = traducteur.language().section(QLatin1Char('_'), 0, 0);
    // From Qt's folder, or else built in, where there is no such folder (a page).
    if (traducteurQt.load(QStringLiteral("qtbase_") + langue,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        traducteurQt.load(QStringLiteral("qtbase_") + langue, QStringLiteral(":/i18n-qt")))
        QCoreApplication::installTranslator(&traducteurQt);
}
