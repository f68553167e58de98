#include "encoder/EspacesCouleur.h"

#include <algorithm>
#include <cmath>

namespace {

using Triplet = EspacesCouleur::Triplet;

// Below this chroma a colour is taken as grey: its hue means nothing.
constexpr double ChromaGris = 1e-4;

double Lineaire(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Gamma(double c)
{
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

Triplet Produit(const double m[3][3], const Triplet &v)
{
    Triplet r;
    for (int i = 0; i < 3; ++i)
        r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

// Ottosson's published matrices.
constexpr double VersLms[3][3] = {{0.4122214708, 0.5363325363, 0.0514459929},
                                  {0.2119034982, 0.6806995451, 0.1073969566},
                                  {0.0883024619, 0.2817188376, 0.6299787005}};
constexpr double LmsVersLab[3][3] = {{0.2104542553, 0.7936177850, -0.0040720468},
                                     {1.9779984951, -2.4285922050, 0.4505937099},
                                     {0.0259040371, 0.7827717662, -0.8086757660}};
constexpr double LabVersLms[3][3] = {{1, 0.3963377774, 0.2158037573},
                                     {1, -0.1055613458, -0.0638541728},
                                     {1, -0.0894841775, -1.2914855480}};
constexpr double DepuisLms[3][3] = {{4.0767416621, -3.3077115913, 0.2309699292},
                                    {-1.2684380046, 2.6097574011, -0.3413193965},
                                    {-0.0041960863, -0.7034186147, 1.7076147010}};

Triplet Canaux(const QColor &c)
{
    return {c.red() / 255.0, c.green() / 255.0, c.blue() / 255.0};
}

double Lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

// Along the shorter way round; a grey end takes the other end's hue.
Triplet MelangerOklch(Triplet a, Triplet b, double t)
{
    if (a[1] < ChromaGris)
        a[2] = b[2];
    if (b[1] < ChromaGris)
        b[2] = a[2];
    double ecart = std::remainder(b[2] - a[2], 2 * M_PI);
    return {Lerp(a[0], b[0], t), Lerp(a[1], b[1], t), a[2] + ecart * t};
}

} // namespace

Triplet EspacesCouleur::Oklab(const Triplet &srgb)
{
    Triplet lms = Produit(VersLms, {Lineaire(srgb[0]), Lineaire(srgb[1]), Lineaire(srgb[2])});
    for (double &c : lms)
        c = std::cbrt(c);
    return Produit(LmsVersLab, lms);
}

Triplet EspacesCouleur::Srgb(const Triplet &oklab)
{
    Triplet lms = Produit(LabVersLms, oklab);
    for (double &c : lms)
        c = c * c * c;
    const Triplet lineaire = Produit(DepuisLms, lms);
    return {Gamma(lineaire[0]), Gamma(lineaire[1]), Gamma(lineaire[2])};
}

Triplet EspacesCouleur::Oklch(const Triplet &oklab)
{
    return {oklab[0], std::hypot(oklab[1], oklab[2]), std::atan2(oklab[2], oklab[1])};
}

Triplet EspacesCouleur::DepuisOklch(const Triplet &oklch)
{
    return {oklch[0], oklch[1] * std::cos(oklch[2]), oklch[1] * std::sin(oklch[2])};
}

Triplet EspacesCouleur::Melanger(const QColor &depart, const QColor &arrivee, double t,
                                 Melange melange)
{
    const Triplet a = Canaux(depart), b = Canaux(arrivee);
    Triplet srgb;
    if (melange == Melange::RVB) {
        for (int i = 0; i < 3; ++i)
            srgb[i] = Lerp(a[i], b[i], t);
    } else {
        const Triplet labA = Oklab(a), labB = Oklab(b);
        Triplet lab;
        if (melange == Melange::OKLab)
            for (int i = 0; i < 3; ++i)
                lab[i] = Lerp(labA[i], labB[i], t);
        else
            lab = DepuisOklch(MelangerOklch(Oklch(labA), Oklch(labB), t));
        srgb = Srgb(lab);
    }
    for (double &c : srgb)
        c = std::clamp(c, 0.0, 1.0) * 255;
    return srgb;
}
