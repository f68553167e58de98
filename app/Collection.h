#ifndef COLLECTION_H
#define COLLECTION_H

#include "app/Depot.h"
#include "encoder/CollectionPseudos.h"

#include <QObject>
#include <QStringList>

#include <functional>

// The player's nicknames, kept in one file of the user's data folder with the care `Depot`
// takes.
class Collection : public QObject
{
    Q_OBJECT

public:
    using Entree = CollectionPseudos::Entree;

    explicit Collection(const QString &chemin);
    ~Collection() override;

    QList<Entree> Entrees() const { return Fichier.Liste; }
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

    Depot<CollectionPseudos> Fichier;
    QStringList Avertissements;
};

#endif
