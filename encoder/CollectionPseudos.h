#ifndef COLLECTIONPSEUDOS_H
#define COLLECTIONPSEUDOS_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The player's collection of nicknames as plain JSON, the form it is kept and shared in:
//   {"format": "vivarel-nicknames", "version": 1,
//    "nicknames": [{"name": "Race", "code": "$f00Bob", "date": "2026-12-07T16:46:13Z"}]}
// An entry is its name plus its code; its date says when it was saved.
class CollectionPseudos
{
public:
    struct Entree
    {
        QString nom;
        QString code;
        QDateTime date;
        bool operator==(const Entree &o) const { return nom == o.nom && code == o.code; }
    };

    struct Lecture
    {
        bool lisible = false; // JSON of this form; its entries may still be bad
        QList<Entree> entrees;
        int ignorees = 0; // entries that are not a name and a code, each a string
    };

    static Lecture Lire(const QByteArray &json);
    static QByteArray Ecrire(const QList<Entree> &entrees);

    // `nom`, or "nom (2)", "nom (3)" … whichever no entry has.
    static QString NomLibre(const QString &nom, const QList<Entree> &entrees);
    // Adds those of `nouvelles` the collection does not hold yet, a name already taken by
    // another code getting a suffix; gives how many were added.
    static int Fusionner(QList<Entree> &entrees, const QList<Entree> &nouvelles);
    static int Indice(const QList<Entree> &entrees, const QString &nom);
};

#endif
