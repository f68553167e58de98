#include "app/DegradesEnregistres.h"

#include "encoder/ListeJson.h"

DegradesEnregistres::DegradesEnregistres(const QString &chemin) : Fichier(chemin)
{
    if (Fichier.Abime)
        Avertissements << Fichier.Avis(
            tr("Mes dégradés (%1) sont illisibles%2 : Vivarel ne les modifiera pas."),
            tr("Mes dégradés (%1) étaient illisibles%2 : le fichier est gardé sous %3."),
            tr(" (%n dégradé(s) illisible(s))", nullptr, Fichier.Ignorees));
}

DegradesEnregistres::~DegradesEnregistres() = default;

void DegradesEnregistres::Enregistrer(const Entree &degrade)
{
    Fichier.Modifier([&](QList<Entree> &entrees) {
        const int i = ListeJson::Indice(entrees, degrade.nom);
        if (i >= 0)
            entrees[i] = degrade;
        else
            entrees.append(degrade);
    });
    emit Changes();
}

void DegradesEnregistres::Supprimer(const QString &nom)
{
    Fichier.Modifier([&](QList<Entree> &entrees) {
        entrees.removeIf([&](const Entree &e) { return e.nom == nom; });
    });
    emit Changes();
}
