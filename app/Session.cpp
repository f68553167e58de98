#include "app/Session.h"

#include "app/FichierJoueur.h"
#include "app/Reglages.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

#include <cstdio>

Session::Session(const QString &fichierReglages) : Ecriture([this] { Ecrire(); })
{
    FenetrePrincipale.setWindowTitle(QStringLiteral("Trackmania Vivarel"));
    FenetrePrincipale.setWindowIcon(QIcon(QStringLiteral(":/GUI/IMG/IconeVVRL.png")));
    FenetrePrincipale.DefinirEtat(OuvrirReglages(
        fichierReglages.isEmpty() ? QSettings(QSettings::IniFormat, QSettings::UserScope,
                                              QStringLiteral("Vivarel"), QStringLiteral("Vivarel"))
                                        .fileName()
                                  : fichierReglages));
    connect(&FenetrePrincipale, &Fen_Principale::EtatModifie, &Ecriture, &Sauvegarde::Signaler);
    connect(&Signaux, &SignauxFin::FinDemandee, this, &Session::Fermer);
}

Session::~Session() = default;

// A settings file that cannot be read, or holds a value that cannot, is moved aside whole and
// the program starts with what could be read; when it cannot even be moved, nothing is written
// over it this time.
EtatFenetre Session::OuvrirReglages(const QString &chemin)
{
    EtatFenetre etat;
    const FichierJoueur::Etat fichier = FichierJoueur::Lire(chemin).etat;
    if (fichier == FichierJoueur::Absent) {
        Reglages = std::make_unique<QSettings>(chemin, QSettings::IniFormat);
        return etat;
    }
    if (fichier == FichierJoueur::Lisible) {
        auto lus = std::make_unique<QSettings>(chemin, QSettings::IniFormat);
        QStringList illisibles;
        if (lus->status() == QSettings::NoError)
            etat = Reglages::Lire(*lus, &illisibles);
        if (lus->status() == QSettings::NoError && illisibles.isEmpty()) {
            Reglages = std::move(lus);
            return etat;
        }
    }
    const QString aCote = FichierJoueur::MettreDeCote(chemin);
    Avertissements << (aCote.isEmpty()
                           ? tr("Les réglages (%1) sont illisibles : Vivarel ne les "
                                "modifiera pas.")
                                 .arg(chemin)
                           : tr("Les réglages (%1) étaient illisibles : ils sont gardés "
                                "sous %2.")
                                 .arg(chemin, aCote));
    if (!aCote.isEmpty())
        Reglages = std::make_unique<QSettings>(chemin, QSettings::IniFormat);
    return etat;
}

void Session::Montrer()
{
    FenetrePrincipale.show();
    for (const QString &avis : Avertissements) {
        std::fprintf(stderr, "Vivarel : %s\n", qPrintable(avis));
        FenetrePrincipale.Avertir(avis);
    }
}

void Session::Ecrire()
{
    if (!Reglages)
        return;
    Reglages::Enregistrer(FenetrePrincipale, *Reglages);
    Reglages->sync();
}

void Session::Terminer()
{
    Ecriture.Terminer();
}

// As the window's close button does.
void Session::Fermer()
{
    FenetrePrincipale.close();
    QCoreApplication::quit();
}
