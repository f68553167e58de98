#ifndef DIALOGUESFICHIER_H
#define DIALOGUESFICHIER_H

#include <QString>

#include <functional>

class QWidget;

// Where the player's exported files go and imported ones come from. On the desktop, the
// system's file dialogs, which give a path to write or read. A page has no such paths: there
// the program installs the browser's own ways (a download of what was written, a file the
// player picks), see Remplacer.
struct DialoguesFichier
{
    // Writes what `ecrire` writes at a path (it says whether it could) where the player chooses.
    using Ecriture = std::function<bool(const QString &chemin)>;
    // Reads the file the player chooses, at the path it is given.
    using Lecture = std::function<void(const QString &chemin)>;
    using Enregistreur =
        std::function<void(QWidget *parent, const QString &titre, const QString &nom,
                           const QString &filtre, const Ecriture &ecrire)>;
    using Ouvreur = std::function<void(QWidget *parent, const QString &titre, const QString &filtre,
                                       const Lecture &lire)>;

    static void Enregistrer(QWidget *parent, const QString &titre, const QString &nom,
                            const QString &filtre, const Ecriture &ecrire);
    static void Ouvrir(QWidget *parent, const QString &titre, const QString &filtre,
                       const Lecture &lire);
    static void Remplacer(const Enregistreur &enregistreur, const Ouvreur &ouvreur);
};

#endif
