#ifndef VERROUFICHIER_H
#define VERROUFICHIER_H

#include <QString>

#include <memory>

class QLockFile;

// Keeps other windows away from a player's file while one re-reads, changes and writes it.
// On the desktop, a lock file beside it. In a page, whose files are kept in the browser's
// storage, taking it brings in what another tab stored since (the write stores this one's).
class VerrouFichier
{
public:
    explicit VerrouFichier(const QString &chemin);
    ~VerrouFichier();

    // Waits a few seconds at most; false when the file stays locked.
    bool Prendre();

private:
    QString Chemin;
    std::unique_ptr<QLockFile> Verrou;
};

#endif
