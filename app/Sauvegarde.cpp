#include "app/Sauvegarde.h"

#include <algorithm>

Sauvegarde::Sauvegarde(std::function<void()> ecrire) : Ecriture(std::move(ecrire))
{
    Minuterie.setSingleShot(true);
    connect(&Minuterie, &QTimer::timeout, this, &Sauvegarde::Ecrire);
}

Sauvegarde::~Sauvegarde() = default;

void Sauvegarde::Signaler()
{
    if (!Minuterie.isActive())
        DepuisPremier.start();
    const qint64 reste = AttenteMax - DepuisPremier.elapsed();
    Minuterie.start(int(std::clamp<qint64>(reste, 0, Calme)));
}

void Sauvegarde::Terminer()
{
    Minuterie.stop();
    Ecrire();
}

void Sauvegarde::Ecrire()
{
    ++NombreEcritures;
    Ecriture();
}
