#include "app/Collection.h"

#include "app/FichierJoueur.h"

Collection::Collection(const QString &chemin) : Fichier(chemin)
{
    if (Fichier.Abime)
        Avertissements << Fichier.Avis(
            tr("Mes pseudos (%1) sont illisibles%2 : Vivarel ne les modifiera pas."),
            tr("Mes pseudos (%1) étaient illisibles%2 : le fichier est gardé sous %3."),
            tr(" (%n entrée(s) illisible(s))", nullptr, Fichier.Ignorees));
}

Collection::~Collection() = default;

bool Collection::Modifier(const std::function<void(QList<Entree> &)> &changement)
{
    const bool ecrit = Fichier.Modifier(changement);
    emit Changee();
    return ecrit;
}

void Collection::Enregistrer(const QString &nom, const QString &code)
{
    Modifier([&](QList<Entree> &entrees) {
        const int i = CollectionPseudos::Indice(entrees, nom);
        if (i >= 0)
            entrees.removeAt(i);
        entrees.append({nom, code, QDateTime::currentDateTimeUtc()});
    });
}

void Collection::Renommer(const QString &ancien, const QString &nouveau)
{
    Modifier([&](QList<Entree> &entrees) {
        const int i = CollectionPseudos::Indice(entrees, ancien);
        if (i >= 0 && CollectionPseudos::Indice(entrees, nouveau) < 0)
            entrees[i].nom = nouveau;
    });
}

void Collection::Supprimer(const QStringList &noms)
{
    Modifier([&](QList<Entree> &entrees) {
        entrees.removeIf([&](const Entree &e) { return noms.contains(e.nom); });
    });
}

bool Collection::Exporter(const QString &fichier, const QStringList &noms) const
{
    QList<Entree> choisies;
    for (const Entree &entree : Fichier.Liste)
        if (noms.isEmpty() || noms.contains(entree.nom))
            choisies.append(entree);
    return FichierJoueur::Ecrire(fichier, CollectionPseudos::Ecrire(choisies));
}

int Collection::Importer(const QString &fichier)
{
    const FichierJoueur::Lecture lu = FichierJoueur::Lire(fichier);
    const CollectionPseudos::Lecture lecture = CollectionPseudos::Lire(lu.contenu);
    if (lu.etat != FichierJoueur::Lisible || !lecture.lisible)
        return -1;
    int ajoutees = 0;
    Modifier([&](QList<Entree> &entrees) {
        ajoutees = CollectionPseudos::Fusionner(entrees, lecture.entrees);
    });
    return ajoutees;
}
