#ifndef SESSION_H
#define SESSION_H

#include "app/Collection.h"
#include "app/DegradesEnregistres.h"
#include "app/Plateforme.h"
#include "app/Sauvegarde.h"
#include "app/SignauxFin.h"
#include "window/Fen_Principale.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QSettings;

// One run of the program around its window: what the player left last time is read back,
// what changes is written shortly after (and at the end), and a request to end (a signal, or
// closing the window) ends it the normal way. A file that cannot be read is never overwritten.
class Session : public QObject
{
    Q_OBJECT

public:
    // Without paths, the user's own settings file and data folder. A page's address (none on
    // the desktop) offers links, and the nickname its fragment carries is opened.
    explicit Session(const QString &fichierReglages = QString(),
                     const QString &dossierDonnees = QString(),
                     const QString &adressePage = Plateforme::AdressePage());
    ~Session() override;

    Fen_Principale &Fenetre() { return FenetrePrincipale; }
    // What could not be read at start, once, for the terminal and the window.
    QStringList Avis() const { return Avertissements; }
    // How many times what changed was written.
    int Ecritures() const { return Ecriture.Ecritures(); }
    void Montrer();
    // Writes what is pending; the program ends after it.
    void Terminer();

private:
    EtatFenetre OuvrirReglages(const QString &chemin);
    void Ecrire();
    void Fermer();
    void RelierPseudos();
    void RelierDegrades();

    Fen_Principale FenetrePrincipale;
    std::unique_ptr<QSettings> Reglages;
    Sauvegarde Ecriture;
    SignauxFin Signaux;
    std::unique_ptr<Collection> Pseudos;
    std::unique_ptr<DegradesEnregistres> Degrades;
    QStringList Avertissements;
};

#endif
