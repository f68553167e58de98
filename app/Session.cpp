#include "app/Session.h"

#include "app/Console.h"
#include "app/FichierJoueur.h"
#include "app/Reglages.h"
#include "encoder/LienPseudo.h"
#include "window/PageCollection.h"
#include "window/PageDegrade.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QStandardPaths>

Session::Session(const QString &fichierReglages, const QString &dossierDonnees,
                 const QString &adressePage)
    : Ecriture([this] { Ecrire(); })
{
    FenetrePrincipale.setWindowTitle(QStringLiteral("Trackmania Vivarel"));
    FenetrePrincipale.setWindowIcon(QIcon(QStringLiteral(":/GUI/IMG/IconeVVRL.png")));
    FenetrePrincipale.DefinirEtat(OuvrirReglages(
        fichierReglages.isEmpty() ? QSettings(QSettings::IniFormat, QSettings::UserScope,
                                              QStringLiteral("Vivarel"), QStringLiteral("Vivarel"))
                                        .fileName()
                                  : fichierReglages));
    const QString donnees = dossierDonnees.isEmpty()
                                ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                : dossierDonnees;
    Pseudos = std::make_unique<Collection>(donnees + QStringLiteral("/pseudos.json"));
    Degrades = std::make_unique<DegradesEnregistres>(donnees + QStringLiteral("/degrades.json"));
    Avertissements << Pseudos->Avis() << Degrades->Avis();
    if (!Plateforme::StockageLisible())
        Avertissements << tr("Ce navigateur ne rend pas ce que Vivarel y a gardé : Vivarel n'y "
                             "écrira rien.");
    RelierPseudos();
    RelierDegrades();
    connect(&FenetrePrincipale, &Fen_Principale::EtatModifie, &Ecriture, &Sauvegarde::Signaler);
    connect(&Signaux, &SignauxFin::FinDemandee, this, &Session::Fermer);
    // Logging off or shutting down: Windows ends the process soon after the session manager
    // has asked, whatever the program is doing, so what is pending is written before answering.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Session::Terminer);
    // Opened from a link: its nickname, as one undo step over the one the player left, and
    // kept like any change.
    if (!adressePage.isEmpty()) {
        FenetrePrincipale.ProposerLien(adressePage);
        if (const QString code = LienPseudo::Code(adressePage); !code.isNull())
            FenetrePrincipale.ImporterCode(code);
    }
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

// The collection is kept here; the page shows it and says what the player asked of it.
void Session::RelierPseudos()
{
    PageCollection *page = FenetrePrincipale.PagePseudos();
    page->Afficher(Pseudos->Entrees());
    connect(Pseudos.get(), &Collection::Changee, page,
            [this, page] { page->Afficher(Pseudos->Entrees()); });
    connect(page, &PageCollection::EnregistrementDemande, this, [this](const QString &nom) {
        Pseudos->Enregistrer(nom, FenetrePrincipale.Etat().pseudo);
    });
    connect(page, &PageCollection::RenommageDemande, Pseudos.get(), &Collection::Renommer);
    connect(page, &PageCollection::SuppressionDemandee, Pseudos.get(), &Collection::Supprimer);
    connect(page, &PageCollection::ExportDemande, this,
            [this, page](const QString &fichier, const QStringList &noms) {
                page->AnnoncerExport(Pseudos->Exporter(fichier, noms),
                                     noms.isEmpty() ? int(Pseudos->Entrees().size())
                                                    : int(noms.size()));
            });
    connect(page, &PageCollection::ImportDemande, this, [this, page](const QString &fichier) {
        page->AnnoncerImport(Pseudos->Importer(fichier));
    });
}

void Session::RelierDegrades()
{
    PageDegrade *page = FenetrePrincipale.PageDegrades();
    page->AfficherEnregistres(Degrades->Entrees());
    connect(Degrades.get(), &DegradesEnregistres::Changes, page,
            [this, page] { page->AfficherEnregistres(Degrades->Entrees()); });
    connect(page, &PageDegrade::EnregistrementDegradeDemande, Degrades.get(),
            &DegradesEnregistres::Enregistrer);
    connect(page, &PageDegrade::SuppressionDegradeDemandee, Degrades.get(),
            &DegradesEnregistres::Supprimer);
}

void Session::Montrer()
{
    FenetrePrincipale.show();
    // What showing leaves to do (polishing, laying out) is done now: a page draws its first frame
    // before its event loop runs, and would draw the whole window a second time once laid out.
    // Each round lays out the parents of what the last one laid out; the window nests less deep.
    for (int tour = 0; tour < 10; ++tour)
        QCoreApplication::sendPostedEvents();
    for (const QString &avis : Avertissements) {
        Console::Ecrire(stderr, QStringLiteral("Vivarel : %1\n").arg(avis));
        FenetrePrincipale.Avertir(avis);
    }
}

void Session::Ecrire()
{
    if (!Reglages)
        return;
    // In a page, what another tab stored since comes in first, and this one's is stored after.
    Plateforme::Recharger(Reglages->fileName());
    Reglages::Enregistrer(FenetrePrincipale, *Reglages);
    Reglages->sync();
    Plateforme::Stocker(Reglages->fileName());
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
