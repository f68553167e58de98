#ifndef DEGRADE_H
#define DEGRADE_H

#include "encoder/EspacesCouleur.h"

#include <QColor>
#include <QList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// The stepped gradient's arithmetic, on the game's 16 levels per channel, from the selection's
// visible characters to the levels each one takes. No widget here.
class Degrade
{
public:
    using Niveaux = std::array<int, 3>;
    using Ideal = std::array<double, 3>;

    // At most this many colours: the start, the end and four between them.
    static constexpr int NombreCouleursMax = 6;
    // The longest step: a colour change every 20 characters.
    static constexpr int PasMax = 20;

    // Through every colour of `couleurs` in turn, each pair a gradient of its own over a run of
    // the selection; a character where one run ends and the next starts takes that colour.
    // espaces[i] marks a character the gradient leaves alone: it takes the colour of the
    // character before it and costs no code. Each pair is mixed as `melange` says.
    static std::vector<Niveaux> Calculer(const QList<QColor> &couleurs, int pas,
                                         const QList<bool> &espaces,
                                         Melange melange = Melange::RVB);

    // The unrounded level every counted character would get with a step of 1.
    static std::vector<Ideal> Ideaux(const QList<QColor> &couleurs, const QList<bool> &espaces,
                                     Melange melange = Melange::RVB);

    // How far `niveaux` stray from the ideal gradient: the largest difference, over the
    // counted characters and the three channels.
    static double Ecart(const std::vector<Niveaux> &niveaux, const QList<QColor> &couleurs,
                        const QList<bool> &espaces, Melange melange = Melange::RVB);

    // The gradient closest to the ideal whose code, as `longueurCode` measures it with these
    // levels, fits the game's limit; none when nothing fits.
    static std::optional<std::vector<Niveaux>>
    Ajuster(const QList<QColor> &couleurs, const QList<bool> &espaces,
            const std::function<int(const std::vector<Niveaux> &)> &longueurCode,
            Melange melange = Melange::RVB);
};

#endif
