#include "app/VerrouFichier.h"

#include "app/Plateforme.h"

#include <QLockFile>

#ifdef Q_OS_WASM

VerrouFichier::VerrouFichier(const QString &chemin) : Chemin(chemin) {}

VerrouFichier::~VerrouFichier() = default;

// A page runs each change to its end before any other event, in this tab; another tab's is
// brought in first.
bool VerrouFichier::Prendre()
{
    Plateforme::Recharger(Chemin);
    return true;
}

#else

VerrouFichier::VerrouFichier(const QString &chemin)
    : Chemin(chemin), Verrou(std::make_unique<QLockFile>(chemin + QStringLiteral(".lock")))
{
    Verrou->setStaleLockTime(10000);
}

VerrouFichier::~VerrouFichier() = default;

bool VerrouFichier::Prendre()
{
    return Verrou->tryLock(5000);
}

#endif
