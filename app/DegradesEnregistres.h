#ifndef DEGRADESENREGISTRES_H
#define DEGRADESENREGISTRES_H

#include "app/Depot.h"
#include "encoder/CollectionDegrades.h"

#include <QObject>
#include <QStringList>

// The gradients the player saved, kept beside the nicknames with the same care.
class DegradesEnregistres : public QObject
{
    Q_OBJECT

public:
    using Entree = CollectionDegrades::Entree;

    explicit DegradesEnregistres(const QString &chemin);
    ~DegradesEnregistres() override;

    QList<Entree> Entrees() const { return Fichier.Liste; }
    // What went wrong at start, once; empty when nothing did.
    QStringList Avis() const { return Avertissements; }

    // Keeps `degrade` under its name, replacing one of that name.
    void Enregistrer(const CollectionDegrades::Entree &degrade);
    void Supprimer(const QString &nom);

signals:
    void Changes();

private:
    Depot<CollectionDegrades> Fichier;
    QStringList Avertissements;
};

#endif
