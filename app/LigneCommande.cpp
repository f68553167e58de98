#include "app/LigneCommande.h"

#include "app/Console.h"
#include "app/Demarrage.h"
#include "app/HorsEcran.h"
#include "app/RenduCommande.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace {

// The options, described in the catalogue's language once one is installed.
struct Options
{
    QCommandLineOption aide, version, rendu, format, fichier, couper;

    explicit Options(QCommandLineParser &analyse)
        : aide(analyse.addHelpOption()), version(analyse.addVersionOption()),
          rendu(QStringLiteral("render"),
                LigneCommande::tr(
                    "Écrit le pseudo que CODE décrit, sans fenêtre ; - lit un code par ligne sur "
                    "l'entrée standard et répond à chacune dès qu'elle est lue."),
                QStringLiteral("CODE")),
          format(QStringLiteral("format"),
                 LigneCommande::tr(
                     "Avec --render : text (ce que le jeu affiche), html, ansi (couleurs du "
                     "terminal) ou png (image, avec --output). Par défaut : text."),
                 QStringLiteral("FORMAT"), QStringLiteral("text")),
          fichier(QStringLiteral("output"),
                  LigneCommande::tr(
                      "Avec --format png : le fichier PNG (numéroté -1, -2 … pour l'entrée "
                      "standard)."),
                  LigneCommande::tr("FICHIER")),
          couper(QStringLiteral("cut"),
                 LigneCommande::tr(
                     "Avec --render : ne garde que ce que le jeu garde (45 caractères de code)."))
    {
        analyse.setApplicationDescription(
            LigneCommande::tr("Colore et met en forme un pseudo Trackmania et écrit son code."));
        analyse.addOptions({rendu, format, fichier, couper});
        // Qt's own options (-platform, -style …) are left to QApplication.
        analyse.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
    }

    bool Repond(const QCommandLineParser &analyse) const
    {
        for (const QCommandLineOption *option :
             {&aide, &version, &rendu, &format, &fichier, &couper})
            if (analyse.isSet(*option))
                return true;
        return false;
    }
};

int Refuser(const QString &raison)
{
    Console::Ecrire(stderr, QStringLiteral("vivarel: %1\n").arg(raison));
    return 2;
}

const QStringList Formats = {"text", "html", "ansi", "png"};

// Strict, unlike the window's start: a script wants to hear of a mistyped option.
int Rendre(const QCommandLineParser &analyse, bool compris, const Options &o)
{
    const int choisi = int(Formats.indexOf(analyse.value(o.format)));
    if (!compris)
        return Refuser(analyse.errorText());
    if (!analyse.isSet(o.rendu))
        return Refuser(LigneCommande::tr("--format, --output et --cut vont avec --render"));
    if (!analyse.positionalArguments().isEmpty())
        return Refuser(LigneCommande::tr("argument inattendu : %1")
                           .arg(analyse.positionalArguments().first()));
    if (choisi < 0)
        return Refuser(LigneCommande::tr("--format vaut text, html, ansi ou png"));
    if (choisi == RenduCommande::Png && analyse.value(o.fichier).isEmpty())
        return Refuser(LigneCommande::tr("--format png demande --output %1")
                           .arg(LigneCommande::tr("FICHIER")));
    return RenduCommande::Executer(analyse.value(o.rendu), RenduCommande::Format(choisi),
                                   analyse.value(o.fichier), analyse.isSet(o.couper));
}

// The application object the answer needs, for Qt's and the program's catalogues; for an image
// one that draws, offscreen.
std::unique_ptr<QCoreApplication> Application(bool dessin, int &argc, char *argv[])
{
    if (!dessin)
        return std::make_unique<QCoreApplication>(argc, argv);
    HorsEcran::Preparer();
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    HorsEcran::AppliquerPolice();
    return application;
}

} // namespace

int LigneCommande::Traiter(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Vivarel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIVAREL_VERSION));
#ifdef Q_OS_WASM
    // A page has no command line, and always a display: the window opens.
    return -1;
#endif
    const QStringList arguments = Console::Arguments(argc, argv);

    // A first reading, with no application object yet: does the command line answer, or does
    // the window open (its application object comes later, and needs a display)?
    bool repond = false;
    bool dessin = false;
    {
        QCommandLineParser apercu;
        const Options o(apercu);
        const bool compris = apercu.parse(arguments);
        repond = o.Repond(apercu);
        // Only an image that will be drawn needs an application object that draws.
        dessin = compris && apercu.isSet(o.rendu) &&
                 apercu.value(o.format) == Formats.at(RenduCommande::Png) &&
                 !apercu.value(o.fichier).isEmpty() && apercu.positionalArguments().isEmpty();
    }
#ifdef Q_OS_UNIX
    const bool affichage = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
                           arguments.contains(QStringLiteral("-platform")) ||
                           !qEnvironmentVariableIsEmpty("DISPLAY") ||
                           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    const bool affichage = true;
#endif
    if (!repond && affichage)
        return -1;

    // The window will not open: the answer speaks the window's language.
    const auto application = Application(dessin, argc, argv);
    QTranslator traducteur;
    QTranslator traducteurQt;
    Demarrage::InstallerTraduction(traducteur, traducteurQt, QLocale::system().name());
    if (!repond) {
        Console::Ecrire(
            stderr, LigneCommande::tr("Vivarel : aucun affichage (DISPLAY et WAYLAND_DISPLAY sont "
                                      "vides) : lancez Vivarel depuis un bureau.\n"));
        return 1;
    }
    QCommandLineParser analyse;
    const Options o(analyse);
    const bool compris = analyse.parse(arguments);
    if (analyse.isSet(o.aide)) {
        // "Usage: vivarel", not the path it was started by.
        QString aide = analyse.helpText();
        const qsizetype chemin = aide.indexOf(arguments.first());
        if (chemin >= 0 && chemin < aide.indexOf(u'\n'))
            aide.replace(chemin, arguments.first().size(), QFileInfo(arguments.first()).fileName());
        Console::Ecrire(stdout, aide);
        return 0;
    }
    if (analyse.isSet(o.version)) {
        Console::Ecrire(stdout, QByteArrayLiteral("Vivarel " VIVAREL_VERSION "\n"));
        return 0;
    }
    return Rendre(analyse, compris, o);
}
