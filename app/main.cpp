#include "app/Demarrage.h"
#include "app/LigneCommande.h"
#include "app/Plateforme.h"
#include "app/PressePapiersPage.h"
#include "app/Session.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Before QApplication, which needs a display: --help and --version need none.
    if (const int sortie = LigneCommande::Traiter(argc, argv); sortie >= 0)
        return sortie;
    QApplication application(argc, argv);
    Plateforme::Marquer("vivarel-qt");
    Plateforme::PreparerPolices();
    Plateforme::Marquer("vivarel-polices");
    Plateforme::PreparerFichiers();
    PressePapiersPage::Installer();
    Plateforme::OuvrirStockage();

    Demarrage::EnregistrerRessourcesExternes();
    QTranslator traducteur;
    QTranslator traducteurQt;
    Demarrage::InstallerTraduction(traducteur, traducteurQt, QLocale::system().name());
    Plateforme::Marquer("vivarel-traductions");

    // Built after the translator is installed: the window translates its texts once, here.
    Session session;
    Plateforme::Marquer("vivarel-fenetre-construite");
    Plateforme::MarquerPremierDessin(&session.Fenetre(), "vivarel-fenetre-dessinee");
    session.Montrer();
    Plateforme::Marquer("vivarel-fenetre-montree");
    const int retour = application.exec();
    session.Terminer();
    return retour;
}
