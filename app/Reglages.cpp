#include "app/Reglages.h"

#include "window/Fen_Principale.h"

#include <QSettings>

#include <array>
#include <utility>

namespace {

// The spacing is stored under the names its buttons have always had.
const std::array<std::pair<int, const char *>, 3> Espacements = {{
    {CalculPseudo::EtirementNormal, "radioNormal"},
    {CalculPseudo::EtirementLarge, "radioLarge"},
    {CalculPseudo::EtirementSerre, "radioSerre"},
}};

} // namespace

void Reglages::Ecrire(const EtatFenetre &etat, QSettings &reglages)
{
    reglages.setValue("pseudo", etat.pseudo);
    reglages.setValue("couleur", etat.couleur);
    QVariantList degrade;
    for (const QColor &couleur : etat.degrade)
        degrade << couleur;
    reglages.setValue("degrade", degrade);
    reglages.setValue("pas", etat.pas);
    for (const auto &[etirement, nom] : Espacements)
        if (etat.espacement == etirement)
            reglages.setValue("espacement", nom);
    reglages.setValue("onglet", etat.onglet);
}

EtatFenetre Reglages::Lire(const QSettings &reglages)
{
    EtatFenetre etat;
    etat.pseudo = reglages.value("pseudo").toString();
    etat.couleur = reglages.value("couleur").value<QColor>();
    for (const QVariant &valeur : reglages.value("degrade").toList())
        if (valeur.value<QColor>().isValid())
            etat.degrade << valeur.value<QColor>();
    etat.pas = reglages.value("pas", 1).toInt();
    for (const auto &[etirement, nom] : Espacements)
        if (reglages.value("espacement").toString() == QLatin1String(nom))
            etat.espacement = etirement;
    etat.onglet = reglages.value("onglet", 0).toInt();
    return etat;
}

void Reglages::Enregistrer(const Fen_Principale &fenetre, QSettings &reglages)
{
    Ecrire(fenetre.Etat(), reglages);
}

void Reglages::Restaurer(Fen_Principale &fenetre, const QSettings &reglages)
{
    fenetre.DefinirEtat(Lire(reglages));
}
