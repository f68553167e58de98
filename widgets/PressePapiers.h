#ifndef PRESSEPAPIERS_H
#define PRESSEPAPIERS_H

#include <functional>

class QMimeData;

// Where the program's copies go. On the desktop, the system's clipboard, which takes every copy
// at once. A page's browser may refuse one, or take an image only later: there the program
// installs the browser's own way (see Remplacer), and each copy says whether it was taken.
struct PressePapiers
{
    using Resultat = std::function<void(bool copie)>;
    using Ecrivain = std::function<void(QMimeData *donnees, const Resultat &resultat)>;

    // Takes `donnees`; `resultat` is called once, at once or later, with whether they are on the
    // clipboard.
    static void Ecrire(QMimeData *donnees, const Resultat &resultat);
    // Returns the one it replaces.
    static Ecrivain Remplacer(const Ecrivain &ecrivain);
};

#endif
