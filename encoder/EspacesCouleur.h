#ifndef ESPACESCOULEUR_H
#define ESPACESCOULEUR_H

#include <QColor>

#include <array>

// How a gradient mixes two colours. RVB draws a straight line through the sRGB cube; OKLab
// (Björn Ottosson, 2020) through a space where equal steps look equal, so red to green no
// longer passes through a muddy olive; Teinte goes round the hue circle in OKLCH, lightness
// and chroma in straight lines, so red to blue passes through magenta rather than grey.
enum class Melange { RVB, OKLab, Teinte };

class EspacesCouleur
{
public:
    using Triplet = std::array<double, 3>;

    // sRGB channels 0..1, with its transfer curve, to OKLab (L, a, b) and back; the way back
    // is not clamped.
    static Triplet Oklab(const Triplet &srgb);
    static Triplet Srgb(const Triplet &oklab);
    // OKLab to OKLCH (L, C, h in radians) and back.
    static Triplet Oklch(const Triplet &oklab);
    static Triplet DepuisOklch(const Triplet &oklch);

    // The colour at `t` (0..1) from `depart` to `arrivee`, mixed as `melange` says, as sRGB
    // channels 0..255 clamped to the cube.
    static Triplet Melanger(const QColor &depart, const QColor &arrivee, double t, Melange melange);
};

#endif
