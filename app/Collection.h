#ifndef COLLECTION_H
#define COLLECTION_H

#include "encoder/CollectionPseudos.h"

#include <QObject>
#include <QStringList>

#include <functional>

// The player's nicknames, kept in one file of the user's data folder. Every change re-reads
// the file and applies itself to what it holds, under a lock, then writes it whole: two
// windows open at once both keep what they added. A file that cannot be read, or holds an
// entry that cannot, is kept aside whole; the collection starts with the entries it could read.
class Collection : public QObject
{
    Q_OBJECT

public:
    using Entree = CollectionPseudos::Entree;

    explicit Collection(const QString &chemin);
    ~Collection() override;

    QList<Entree> Entrees() const { return Liste; }
    // What went wrong at start, once; empty when nothing did.
    QStringList Avis() const { return Avertissements; }

    // Keeps `code` under `nom`, replacing an entry of that name.
    void Enregistrer(const QString &nom, const QString &code);
    void Renommer(const QString &ancien, const QString &nouveau);
    void Supprimer(const QStringList &noms);
    // Writes the entries named (all of them when none is) to a file of the same form.
    bool Exporter(const QString &fichier, const QStringList &noms) const;
    // Adds what such a file holds; a name already taken gets a suffix. How many were added,
    // or -1 when the file could not be read.
    int Importer(const QString &fichier);

signals:
    void Changee();

private:
    bool Modifier(const std::function<void(QList<Entree> &)> &changement);

    QString Chemin;
    QList<Entree> Liste;
    QStringList Avertissements;
    bool Bloquee = false; // its file could not be read nor moved: it is left alone
};

#endif
