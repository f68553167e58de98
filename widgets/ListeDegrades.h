#ifndef LISTEDEGRADES_H
#define LISTEDEGRADES_H

#include "encoder/CollectionDegrades.h"

#include <QWidget>

class QComboBox;
class QPushButton;

// "Préréglages": the built-in gradients, then those the player saved, which can be saved
// anew under a name and deleted. Choosing one applies nothing: it only says which.
class ListeDegrades : public QWidget
{
    Q_OBJECT

public:
    using Entree = CollectionDegrades::Entree;

    ListeDegrades();
    ~ListeDegrades() override;

    // The saved gradients, after the built-in ones.
    void AfficherEnregistres(const QList<Entree> &enregistres);
    // The gradient was changed by hand: the list no longer names it.
    void Oublier();

    QList<QWidget *> OrdreClavier() const;

signals:
    void Choisi(const CollectionDegrades::Entree &degrade);
    // The player named the gradient to save (and agreed to replace one of that name).
    void EnregistrementDemande(const QString &nom);
    void SuppressionDemandee(const QString &nom);

private:
    void Choisir(int indice);
    void Enregistrer();
    void EnregistrerSous(const QString &nom);
    void Supprimer();
    // The saved gradient the list shows, if it shows one.
    const Entree *Enregistre() const;

    QComboBox *Liste;
    QPushButton *BoutonEnregistrer;
    QPushButton *BoutonSupprimer;
    QList<Entree> PreReglages;
    QList<Entree> Enregistres;
};

#endif
