#ifndef FICHIERJOUEUR_H
#define FICHIERJOUEUR_H

#include <QByteArray>
#include <QString>

// A file the player's work is kept in (settings, collections). It is read only when it is a
// plain, readable file of sensible size, written whole or not at all, and one that could not
// be read is moved out of the way rather than overwritten.
struct FichierJoueur
{
    enum Etat { Absent, Lisible, Illisible };

    struct Lecture
    {
        Etat etat = Absent;
        QByteArray contenu;
    };

    // Larger than any collection a player makes by hand; a larger file is taken as damaged.
    static constexpr qint64 TailleMax = 16 * 1024 * 1024;

    static Lecture Lire(const QString &chemin);
    // Renames a file that could not be read to "<name>.damaged-<date>"; gives that name, or
    // nothing when it could not be moved (the caller must then leave it alone).
    static QString MettreDeCote(const QString &chemin);
    // Atomically: a reader sees the old file or the new one, never half of one.
    static bool Ecrire(const QString &chemin, const QByteArray &contenu);
};

#endif
