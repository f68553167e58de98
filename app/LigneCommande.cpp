#include "app/LigneCommande.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

int LigneCommande::Traiter(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Vivarel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIVAREL_VERSION));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser analyse;
    analyse.setApplicationDescription(
        QStringLiteral("Colore et met en forme un pseudo Trackmania et écrit son code."));
    const QCommandLineOption aide = analyse.addHelpOption();
    const QCommandLineOption version = analyse.addVersionOption();
    // Qt's own options (-platform, -style …) are left to QApplication.
    analyse.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    (void)analyse.parse(arguments);
    if (analyse.isSet(aide)) {
        // Without an application object Qt does not know the program's name yet.
        std::fputs(qPrintable(analyse.helpText().replace(QStringLiteral("<executable_name>"),
                                                         QFileInfo(arguments.first()).fileName())),
                   stdout);
        return 0;
    }
    if (analyse.isSet(version)) {
        std::printf("Vivarel %s\n", VIVAREL_VERSION);
        return 0;
    }

#ifdef Q_OS_UNIX
    const bool plateformeChoisie = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
                                   arguments.contains(QStringLiteral("-platform"));
    if (!plateformeChoisie && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("Vivarel : aucun affichage (DISPLAY et WAYLAND_DISPLAY sont vides) : "
                   "lancez Vivarel depuis un bureau.\n",
                   stderr);
        return 1;
    }
#endif
    return -1;
}
