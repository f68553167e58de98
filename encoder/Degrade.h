#ifndef DEGRADE_H
#define DEGRADE_H

#include <QColor>

#include <array>
#include <vector>

// The stepped gradient's arithmetic, on the game's 16 levels per channel.
class Degrade
{
public:
    using Niveaux = std::array<int, 3>;

    // The levels (red, green, blue) of `longueur` characters going from `depart` to `arrivee`,
    // the colour changing every `pas` characters. The first keeps the start colour, the last
    // takes the end colour exactly.
    static std::vector<Niveaux> Calculer(const QColor &depart, const QColor &arrivee, int pas,
                                         int longueur);
};

#endif
