#include "encoder/Degrade.h"

#include "encoder/CalculPseudo.h"

#include <algorithm>
#include <cmath>

namespace {

using Valeurs = std::array<float, 3>;

// The level values (0..15, unrounded) of a two-colour run, mixed in RGB. They are kept in
// single precision, as the gradient has always computed them: many land exactly on a half
// level, and which way they round depends on it. Each expression is evaluated in double and
// stored once.
std::vector<Valeurs> ValeursRunRVB(const QColor &depart, const QColor &arrivee, int pas,
                                   int longueur)
{
    std::vector<Valeurs> niveaux(std::max(longueur, 0));
    const int canauxDepart[3] = {depart.red(), depart.green(), depart.blue()};
    const int canauxArrivee[3] = {arrivee.red(), arrivee.green(), arrivee.blue()};
    for (int canal = 0; canal < 3 && longueur > 0; ++canal) {
        const float increment = float(double(canauxArrivee[canal] - canauxDepart[canal]) /
                                      double(float(longueur)) * double(float(pas)));
        std::vector<float> valeurs(longueur);
        valeurs[0] = float(canauxDepart[canal]);
        // One counter for the three channels: they hold and step together.
        for (int i = 1, tenue = 0; i < longueur - 1; ++i) {
            if (tenue < pas - 1) {
                valeurs[i] = valeurs[i - 1];
                ++tenue;
            } else {
                valeurs[i] = float(double(valeurs[i - 1]) + double(increment));
                tenue = 0;
            }
        }
        valeurs[longueur - 1] = float(canauxArrivee[canal]);
        for (int i = 0; i < longueur; ++i)
            niveaux[i][canal] = float(double(valeurs[i]) / 255.0 * 15.0);
    }
    return niveaux;
}

// The same run mixed in another space: the position along the run holds and steps where the
// RGB channels would, by step ÷ length, and the colour is the one at that position.
std::vector<Valeurs> ValeursRun(const QColor &depart, const QColor &arrivee, int pas, int longueur,
                                Melange melange)
{
    if (melange == Melange::RVB)
        return ValeursRunRVB(depart, arrivee, pas, longueur);
    std::vector<Valeurs> niveaux(std::max(longueur, 0));
    double t = 0;
    for (int i = 0, tenue = 0; i < longueur; ++i) {
        if (i == longueur - 1) {
            t = 1;
        } else if (i > 0 && tenue < pas - 1) {
            ++tenue;
        } else if (i > 0) {
            t += double(pas) / longueur;
            tenue = 0;
        }
        const EspacesCouleur::Triplet c = EspacesCouleur::Melanger(depart, arrivee, t, melange);
        for (int canal = 0; canal < 3; ++canal)
            niveaux[i][canal] = float(c[canal] / 255.0 * 15.0);
    }
    return niveaux;
}

Degrade::Niveaux Arrondir(const Valeurs &valeurs)
{
    Degrade::Niveaux niveaux;
    for (int canal = 0; canal < 3; ++canal)
        niveaux[canal] = int(std::floor(double(valeurs[canal]) + 0.5)); // halves go up
    return niveaux;
}

// The characters the gradient counts, by index in the selection; all of them when the
// selection holds nothing but left-alone characters.
QList<int> Comptes(const QList<bool> &espaces)
{
    QList<int> comptes;
    for (int i = 0; i < espaces.size(); ++i)
        if (!espaces[i])
            comptes << i;
    if (comptes.isEmpty())
        for (int i = 0; i < espaces.size(); ++i)
            comptes << i;
    return comptes;
}

// The values of the counted characters through every colour: run j goes from colour j to
// colour j + 1 over the characters round(j (n - 1) / (k - 1)) to the next such one, both
// included; a later run writes over the character it shares with the one before.
std::vector<Valeurs> ValeursPassantPar(const QList<QColor> &couleurs, int pas, int n,
                                       Melange melange)
{
    std::vector<Valeurs> valeurs(n);
    const int k = int(couleurs.size());
    auto coupure = [n, k](int j) { return int(std::lround(double(j) * (n - 1) / (k - 1))); };
    for (int j = 0; j + 1 < k; ++j) {
        const std::vector<Valeurs> run =
            ValeursRun(couleurs[j], couleurs[j + 1], pas, coupure(j + 1) - coupure(j) + 1, melange);
        std::copy(run.begin(), run.end(), valeurs.begin() + coupure(j));
    }
    // Stops that fall on the first character (fewer characters than colours): it still
    // keeps the start colour.
    if (n > 1)
        valeurs[0] = ValeursRun(couleurs[0], couleurs[0], 1, 1, melange)[0];
    return valeurs;
}

// A left-alone character takes the colour of the character before it, or of the first
// counted one.
void Etendre(std::vector<Degrade::Niveaux> &niveaux, const QList<int> &comptes)
{
    for (int i = 0, c = 0, precedent = comptes.first(); i < int(niveaux.size()); ++i) {
        if (c < comptes.size() && comptes[c] == i) {
            precedent = i;
            ++c;
        } else {
            niveaux[i] = niveaux[precedent];
        }
    }
}

// The largest difference between `niveaux` and the ideal levels of the counted characters.
double EcartAuxIdeaux(const std::vector<Degrade::Niveaux> &niveaux,
                      const std::vector<Degrade::Ideal> &ideaux, const QList<int> &comptes)
{
    double ecart = 0;
    for (int c = 0; c < int(ideaux.size()); ++c)
        for (int canal = 0; canal < 3; ++canal)
            ecart = std::max(ecart, std::abs(niveaux[comptes[c]][canal] - ideaux[c][canal]));
    return ecart;
}

} // namespace

std::vector<Degrade::Niveaux> Degrade::Calculer(const QList<QColor> &couleurs, int pas,
                                                const QList<bool> &espaces, Melange melange)
{
    std::vector<Niveaux> niveaux(espaces.size());
    const QList<int> comptes = Comptes(espaces);
    if (comptes.isEmpty() || couleurs.size() < 2)
        return niveaux;
    const std::vector<Valeurs> valeurs =
        ValeursPassantPar(couleurs, pas, int(comptes.size()), melange);
    for (int c = 0; c < comptes.size(); ++c)
        niveaux[comptes[c]] = Arrondir(valeurs[c]);
    Etendre(niveaux, comptes);
    return niveaux;
}

std::vector<Degrade::Ideal> Degrade::Ideaux(const QList<QColor> &couleurs,
                                            const QList<bool> &espaces, Melange melange)
{
    const QList<int> comptes = Comptes(espaces);
    std::vector<Ideal> ideaux;
    if (couleurs.size() < 2)
        return ideaux;
    for (const Valeurs &v : ValeursPassantPar(couleurs, 1, int(comptes.size()), melange))
        ideaux.push_back({v[0], v[1], v[2]});
    return ideaux;
}

double Degrade::Ecart(const std::vector<Niveaux> &niveaux, const QList<QColor> &couleurs,
                      const QList<bool> &espaces, Melange melange)
{
    return EcartAuxIdeaux(niveaux, Ideaux(couleurs, espaces, melange), Comptes(espaces));
}

// For every number of colour changes, the change points that keep the largest difference
// from the ideal smallest (a dynamic programme over segments of the counted characters, each
// segment one colour, the level per channel halfway between the segment's extremes); then the
// closest of those and of every uniform step whose code fits.
std::optional<std::vector<Degrade::Niveaux>>
Degrade::Ajuster(const QList<QColor> &couleurs, const QList<bool> &espaces,
                 const std::function<int(const std::vector<Niveaux> &)> &longueurCode,
                 Melange melange)
{
    const QList<int> comptes = Comptes(espaces);
    const int n = int(comptes.size());
    // More counted characters than the game keeps: the text alone is already too long.
    if (n == 0 || n > CalculPseudo::NombreCases || couleurs.size() < 2)
        return std::nullopt;
    const std::vector<Ideal> ideaux = Ideaux(couleurs, espaces, melange);

    // Characters a..b-1 in one colour: per channel the level halfway between their extremes,
    // and the largest difference that leaves.
    std::vector<std::vector<Niveaux>> couleur(n, std::vector<Niveaux>(n + 1));
    std::vector<std::vector<double>> ecart(n, std::vector<double>(n + 1, 0));
    for (int a = 0; a < n; ++a) {
        Ideal bas = ideaux[a], haut = ideaux[a];
        for (int b = a + 1; b <= n; ++b) {
            for (int canal = 0; canal < 3; ++canal) {
                bas[canal] = std::min(bas[canal], ideaux[b - 1][canal]);
                haut[canal] = std::max(haut[canal], ideaux[b - 1][canal]);
                const int niveau =
                    std::clamp(int(std::lround((bas[canal] + haut[canal]) / 2)), 0, 15);
                couleur[a][b][canal] = niveau;
                ecart[a][b] = std::max({ecart[a][b], niveau - bas[canal], haut[canal] - niveau});
            }
        }
    }

    // meilleur[s][b]: the smallest difference over characters 0..b-1 in s segments, the last
    // of which starts at debut[s][b].
    const double infini = 1e9;
    std::vector<std::vector<double>> meilleur(n + 1, std::vector<double>(n + 1, infini));
    std::vector<std::vector<int>> debut(n + 1, std::vector<int>(n + 1, 0));
    meilleur[0][0] = 0;
    for (int s = 1; s <= n; ++s)
        for (int b = s; b <= n; ++b)
            for (int a = s - 1; a < b; ++a) {
                const double e = std::max(meilleur[s - 1][a], ecart[a][b]);
                if (e < meilleur[s][b]) {
                    meilleur[s][b] = e;
                    debut[s][b] = a;
                }
            }

    std::optional<std::vector<Niveaux>> choix;
    double ecartChoisi = infini;
    auto essayer = [&](const std::vector<Niveaux> &niveaux) {
        const double e = EcartAuxIdeaux(niveaux, ideaux, comptes);
        if (e < ecartChoisi && longueurCode(niveaux) <= CalculPseudo::NombreCases) {
            ecartChoisi = e;
            choix = niveaux;
        }
    };
    for (int s = 1; s <= n; ++s) {
        std::vector<Niveaux> niveaux(espaces.size());
        for (int b = n, t = s; t > 0; b = debut[t][b], --t)
            for (int c = debut[t][b]; c < b; ++c)
                niveaux[comptes[c]] = couleur[debut[t][b]][b];
        Etendre(niveaux, comptes);
        essayer(niveaux);
    }
    for (int pas = 1; pas <= PasMax; ++pas)
        essayer(Calculer(couleurs, pas, espaces, melange));
    return choix;
}
