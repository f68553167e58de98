#include "app/Collection.h"

#include "app/FichierJoueur.h"

#include <QLockFile>

Collection::Collection(const QString &chemin) : Chemin(chemin)
{
    const FichierJoueur::Lecture fichier = FichierJoueur::Lire(Chemin);
    if (fichier.etat == FichierJoueur::Absent)
        return;
    const CollectionPseudos::Lecture lecture = CollectionPseudos::Lire(fichier.contenu);
    Liste = lecture.entrees;
    if (fichier.etat == FichierJoueur::Lisible && lecture.lisible && lecture.ignorees == 0)
        return;
    const QString aCote = FichierJoueur::MettreDeCote(Chemin);
    Bloquee = aCote.isEmpty();
    const QString perdues = lecture.ignorees > 0
                                ? tr(" (%n entrée(s) illisible(s))", nullptr, lecture.ignorees)
                                : QString();
    Avertissements
        << (Bloquee ? tr("Mes pseudos (%1) sont illisibles%2 : Vivarel ne les modifiera pas.")
                          .arg(Chemin, perdues)
                    : tr("Mes pseudos (%1) étaient illisibles%2 : le fichier est gardé sous %3.")
                          .arg(Chemin, perdues, aCote));
    if (!Bloquee && !Liste.isEmpty())
        Modifier([](QList<Entree> &) {});
}

Collection::~Collection() = default;

// Under the lock, on what the file holds now, so that what another window wrote meanwhile is
// kept, its deletions included; the file is written whole or not at all. Where there is no
// file, or a damaged one (moved aside first), on what this collection holds.
bool Collection::Modifier(const std::function<void(QList<Entree> &)> &changement)
{
    QLockFile verrou(Chemin + QStringLiteral(".lock"));
    verrou.setStaleLockTime(10000);
    const bool verrouille = !Bloquee && verrou.tryLock(5000);
    const FichierJoueur::Lecture fichier =
        Bloquee ? FichierJoueur::Lecture{} : FichierJoueur::Lire(Chemin);
    const CollectionPseudos::Lecture lecture = CollectionPseudos::Lire(fichier.contenu);
    if (fichier.etat == FichierJoueur::Lisible && lecture.lisible && lecture.ignorees == 0)
        Liste = lecture.entrees;
    else if (fichier.etat != FichierJoueur::Absent && FichierJoueur::MettreDeCote(Chemin).isEmpty())
        Bloquee = true;
    changement(Liste);
    const bool ecrit =
        verrouille && !Bloquee && FichierJoueur::Ecrire(Chemin, CollectionPseudos::Ecrire(Liste));
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
    for (const Entree &entree : Liste)
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
