#ifndef DEPOT_H
#define DEPOT_H

#include "app/FichierJoueur.h"
#include "app/VerrouFichier.h"

#include <QList>
#include <QString>

#include <functional>

// A list the player keeps in one file of the data folder, in the JSON form `Forme` reads and
// writes (its Entree, Lecture, Lire and Ecrire). Every change re-reads the file and applies
// itself to what it holds, under a lock, then writes it whole: two windows open at once both
// keep what they added. A file that cannot be read, or holds an entry that cannot, is kept
// aside whole; the list starts with the entries it could read.
template <typename Forme> class Depot
{
public:
    using Entree = typename Forme::Entree;

    explicit Depot(const QString &chemin) : Chemin(chemin)
    {
        const FichierJoueur::Lecture fichier = FichierJoueur::Lire(Chemin);
        if (fichier.etat == FichierJoueur::Absent)
            return;
        const typename Forme::Lecture lecture = Forme::Lire(fichier.contenu);
        Liste = lecture.entrees;
        Ignorees = lecture.ignorees;
        if (fichier.etat == FichierJoueur::Lisible && lecture.lisible && Ignorees == 0)
            return;
        Abime = true;
        ACote = FichierJoueur::MettreDeCote(Chemin);
        Bloque = ACote.isEmpty();
        if (!Bloque && !Liste.isEmpty())
            Modifier([](QList<Entree> &) {});
    }

    // Under the lock, on what the file holds now, so that what another window wrote meanwhile
    // is kept, its deletions included; the file is written whole or not at all. Where there is
    // no file, or a damaged one (moved aside first), on what this list holds.
    bool Modifier(const std::function<void(QList<Entree> &)> &changement)
    {
        VerrouFichier verrou(Chemin);
        const bool verrouille = !Bloque && verrou.Prendre();
        const FichierJoueur::Lecture fichier =
            Bloque ? FichierJoueur::Lecture{} : FichierJoueur::Lire(Chemin);
        const typename Forme::Lecture lecture = Forme::Lire(fichier.contenu);
        if (fichier.etat == FichierJoueur::Lisible && lecture.lisible && lecture.ignorees == 0)
            Liste = lecture.entrees;
        else if (fichier.etat != FichierJoueur::Absent &&
                 FichierJoueur::MettreDeCote(Chemin).isEmpty())
            Bloque = true;
        changement(Liste);
        return verrouille && !Bloque && FichierJoueur::Ecrire(Chemin, Forme::Ecrire(Liste));
    }

    // The notice for a damaged file, from texts where %1 is the file, %2 the entries lost
    // (`perdues`, said only when some were) and %3 where it is kept; empty when all is well.
    QString Avis(const QString &bloque, const QString &misDeCote, const QString &perdues) const
    {
        const QString dites = Ignorees > 0 ? perdues : QString();
        if (!Abime)
            return QString();
        return Bloque ? bloque.arg(Chemin, dites) : misDeCote.arg(Chemin, dites, ACote);
    }

    QString Chemin;
    QList<Entree> Liste;
    // What happened at start: the file was damaged (`Ignorees` entries lost), and was moved
    // to `ACote`, or could not be and is left alone from then on (`Bloque`).
    bool Abime = false;
    int Ignorees = 0;
    QString ACote;
    bool Bloque = false;
};

#endif
