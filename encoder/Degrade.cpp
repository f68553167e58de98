#include "encoder/Degrade.h"

#include <cmath>

// The values are kept in single precision, as the gradient has always computed them: many land
// exactly on a half level, and which way they round depends on it. Each expression is evaluated
// in double and stored once.
std::vector<Degrade::Niveaux> Degrade::Calculer(const QColor &depart, const QColor &arrivee,
                                                int pas, int longueur)
{
    std::vector<Niveaux> niveaux(std::max(longueur, 0));
    if (longueur <= 0)
        return niveaux;
    const int canauxDepart[3] = {depart.red(), depart.green(), depart.blue()};
    const int canauxArrivee[3] = {arrivee.red(), arrivee.green(), arrivee.blue()};

    for (int canal = 0; canal < 3; ++canal) {
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

        for (int i = 0; i < longueur; ++i) {
            const float niveau = float(double(valeurs[i]) / 255.0 * 15.0);
            niveaux[i][canal] = int(std::floor(double(niveau) + 0.5)); // halves go up
        }
    }
    return niveaux;
}
