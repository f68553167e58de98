#ifndef REGLAGES_H
#define REGLAGES_H

#include "window/EtatFenetre.h"

#include <QStringList>

class Fen_Principale;
class QSettings;

// What the player finds again at the next start: the nickname (kept as its code and read back
// through the decoder), the colours, the gradient step, the spacing and the open tab.
struct Reglages
{
    static void Ecrire(const EtatFenetre &etat, QSettings &reglages);
    // What could be read; the keys present whose values could not be, in `illisibles`.
    static EtatFenetre Lire(const QSettings &reglages, QStringList *illisibles = nullptr);

    static void Enregistrer(const Fen_Principale &fenetre, QSettings &reglages);
    // The restored nickname is where the player's history starts: nothing to undo.
    static void Restaurer(Fen_Principale &fenetre, const QSettings &reglages);
};

#endif
