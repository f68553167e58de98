#ifndef DEMARRAGE_H
#define DEMARRAGE_H

#include <QString>

class QTranslator;

// The optional files read at start-up, both relative to the working directory. A missing one
// is not reported: the program then runs with what is compiled in. One that is damaged,
// truncated, empty, unreadable, not a file or huge is skipped with one line on the terminal:
// Qt would trust it and could crash on it.
struct Demarrage
{
    // Mounts "Gui.rcc" at the resource root, beside the compiled-in resources.
    static void EnregistrerRessourcesExternes();

    // The window speaks French under a French locale and English under any other. A catalogue
    // for `nomLocale` in "Lang/" (fr_FR.qm, fr_FR, fr.qm, fr, ...) of the working folder, or
    // else of the program's folder, replaces the embedded one. Qt's own translation of its
    // dialogs, menus and buttons follows the window's language. Both translators are installed
    // whatever was found.
    static void InstallerTraduction(QTranslator &traducteur, QTranslator &traducteurQt,
                                    const QString &nomLocale);
};

#endif
