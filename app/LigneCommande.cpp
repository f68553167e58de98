#include "app/LigneCommande.h"

#include "app/Console.h"
#include "app/RenduCommande.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

int Refuser(const QString &raison)
{
    Console::Ecrire(stderr, QStringLiteral("vivarel: %1\n").arg(raison));
    return 2;
}

// Strict, unlike the window's start: a script wants to hear of a mistyped option.
int Rendre(const QCommandLineParser &analyse, bool compris, const QCommandLineOption &rendu,
           const QCommandLineOption &format, const QCommandLineOption &fichier,
           const QCommandLineOption &couper, int argc, char *argv[])
{
    const QStringList formats = {"text", "html", "ansi", "png"};
    const int choisi = int(formats.indexOf(analyse.value(format)));
    if (!compris)
        return Refuser(analyse.errorText());
    if (!analyse.isSet(rendu))
        return Refuser(QStringLiteral("--format, --output and --cut go with --render"));
    if (!analyse.positionalArguments().isEmpty())
        return Refuser(QStringLiteral("unexpected argument: ") +
                       analyse.positionalArguments().first());
    if (choisi < 0)
        return Refuser(QStringLiteral("--format is text, html, ansi or png"));
    if (choisi == RenduCommande::Png && analyse.value(fichier).isEmpty())
        return Refuser(QStringLiteral("--format png needs --output FILE"));
    return RenduCommande::Executer(analyse.value(rendu), RenduCommande::Format(choisi),
                                   analyse.value(fichier), analyse.isSet(couper), argc, argv);
}

} // namespace

int LigneCommande::Traiter(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Vivarel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIVAREL_VERSION));

    const QStringList arguments = Console::Arguments(argc, argv);
    QCommandLineParser analyse;
    analyse.setApplicationDescription(
        QStringLiteral("Colore et met en forme un pseudo Trackmania et écrit son code."));
    const QCommandLineOption aide = analyse.addHelpOption();
    const QCommandLineOption version = analyse.addVersionOption();
    const QCommandLineOption rendu(
        QStringLiteral("render"),
        QStringLiteral("Écrit le pseudo que CODE décrit, sans fenêtre ; - lit un code par "
                       "ligne sur l'entrée standard."),
        QStringLiteral("CODE"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("Avec --render : text (ce que le jeu affiche), html, ansi (couleurs du "
                       "terminal) ou png (image, avec --output). Par défaut : text."),
        QStringLiteral("FORMAT"), QStringLiteral("text"));
    const QCommandLineOption fichier(
        QStringLiteral("output"),
        QStringLiteral("Avec --format png : le fichier PNG (numéroté -1, -2 … pour plusieurs "
                       "lignes)."),
        QStringLiteral("FICHIER"));
    const QCommandLineOption couper(
        QStringLiteral("cut"),
        QStringLiteral("Avec --render : ne garde que ce que le jeu garde (45 caractères de "
                       "code)."));
    analyse.addOptions({rendu, format, fichier, couper});
    // Qt's own options (-platform, -style …) are left to QApplication.
    analyse.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const bool compris = analyse.parse(arguments);
    if (analyse.isSet(aide)) {
        // Without an application object Qt does not know the program's name yet.
        Console::Ecrire(stdout,
                        analyse.helpText().replace(QStringLiteral("<executable_name>"),
                                                   QFileInfo(arguments.first()).fileName()));
        return 0;
    }
    if (analyse.isSet(version)) {
        Console::Ecrire(stdout, QByteArrayLiteral("Vivarel " VIVAREL_VERSION "\n"));
        return 0;
    }
    if (analyse.isSet(rendu) || analyse.isSet(format) || analyse.isSet(fichier) ||
        analyse.isSet(couper))
        return Rendre(analyse, compris, rendu, format, fichier, couper, argc, argv);

#ifdef Q_OS_UNIX
    const bool plateformeChoisie = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
                                   arguments.contains(QStringLiteral("-platform"));
    if (!plateformeChoisie && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        Console::Ecrire(stderr, QByteArrayLiteral("Vivarel : aucun affichage (DISPLAY et "
                                                  "WAYLAND_DISPLAY sont vides) : lancez Vivarel "
                                                  "depuis un bureau.\n"));
        return 1;
    }
#endif
    return -1;
}
