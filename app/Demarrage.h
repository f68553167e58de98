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

    // Loads the catalogue for `nomLocale` from "Lang/" (fr_FR.qm, fr_FR, fr.qm, fr, ...) and
    // installs the translator whether or not a catalogue was found.
    static void InstallerTraduction(QTranslator &traducteur, const QString &nomLocale);
};

#endif
