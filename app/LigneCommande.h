#ifndef LIGNECOMMANDE_H
#define LIGNECOMMANDE_H

#include <QCoreApplication>

// What the program answers on the terminal before it opens anything: --help, --version, and
// one clear line when there is no display to open a window on (Qt would abort instead).
struct LigneCommande
{
    Q_DECLARE_TR_FUNCTIONS(LigneCommande)

public:
    // The exit code when the program stops here, or -1 when it goes on to its window.
    static int Traiter(int argc, char *argv[]);
};

#endif
