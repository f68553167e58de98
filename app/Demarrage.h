#ifndef DEMARRAGE_H
#define DEMARRAGE_H

#include <QString>

class QTranslator;

// The optional files read at start-up, both relative to the working directory. Neither a
// missing nor an unreadable file is reported: the program then runs with what is compiled in.
struct Demarrage
{
    // Mounts "Gui.rcc" at the resource root, beside the compiled-in resources.
    static void EnregistrerRessourcesExternes();

    // Loads the catalogue for `nomLocale` from "Lang/" (fr_FR.qm, fr_FR, fr.qm, fr, ...) and
    // installs the translator whether or not a catalogue was found.
    static void InstallerTraduction(QTranslator &traducteur, const QString &nomLocale);
};

#endif
