#include "encoder/NomCouleur.h"

namespace {

// Where each hue's name starts on the colour wheel, in degrees; red closes the circle again.
struct Teinte
{
    int debut;
    const char *nom;
};

constexpr Teinte Teintes[] = {
    {0, QT_TRANSLATE_NOOP("NomCouleur", "rouge")},
    {15, QT_TRANSLATE_NOOP("NomCouleur", "orange")},
    {42, QT_TRANSLATE_NOOP("NomCouleur", "jaune")},
    {68, QT_TRANSLATE_NOOP("NomCouleur", "vert")},
    {150, QT_TRANSLATE_NOOP("NomCouleur", "turquoise")},
    {175, QT_TRANSLATE_NOOP("NomCouleur", "cyan")},
    {200, QT_TRANSLATE_NOOP("NomCouleur", "bleu")},
    {255, QT_TRANSLATE_NOOP("NomCouleur", "violet")},
    {285, QT_TRANSLATE_NOOP("NomCouleur", "magenta")},
    {320, QT_TRANSLATE_NOOP("NomCouleur", "rose")},
    {345, QT_TRANSLATE_NOOP("NomCouleur", "rouge")},
};

QString NomTeinte(int teinte)
{
    const char *nom = Teintes[0].nom;
    for (const Teinte &t : Teintes)
        if (teinte >= t.debut)
            nom = t.nom;
    return QCoreApplication::translate("NomCouleur", nom);
}

} // namespace

QString NomCouleur::Nom(const QColor &couleur)
{
    const QColor hsl = couleur.toHsl();
    const double clarte = hsl.lightnessF();
    const double saturation = hsl.hslSaturationF();
    if (saturation < 0.15 || clarte < 0.08 || clarte > 0.95) {
        if (clarte < 0.08)
            return tr("noir");
        if (clarte < 0.35)
            return tr("gris foncé");
        if (clarte < 0.65)
            return tr("gris");
        return clarte < 0.92 ? tr("gris clair") : tr("blanc");
    }
    const int teinte = hsl.hslHue();
    if (teinte >= 15 && teinte < 42 && clarte < 0.35)
        return tr("brun");
    const QString nom = NomTeinte(teinte);
    if (clarte < 0.3)
        return tr("%1 foncé").arg(nom);
    if (clarte > 0.7)
        return tr("%1 clair").arg(nom);
    return saturation > 0.8 ? tr("%1 vif").arg(nom) : nom;
}
