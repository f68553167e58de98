#include "app/Demarrage.h"
#include "app/LigneCommande.h"
#include "app/Reglages.h"
#include "window/Fen_Principale.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Before QApplication, which needs a display: --help and --version need none.
    if (const int sortie = LigneCommande::Traiter(argc, argv); sortie >= 0)
        return sortie;
    QApplication application(argc, argv);

    Demarrage::EnregistrerRessourcesExternes();
    const QString nomLocale = QLocale::system().name();
    QTranslator traducteur;
    QTranslator traducteurQt;
    Demarrage::InstallerTraduction(traducteur, traducteurQt, nomLocale);

    // Built after the translator is installed: the window translates its texts once, here.
    Fen_Principale fenetre;
    fenetre.setWindowTitle(QStringLiteral("Trackmania Vivarel"));
    fenetre.setWindowIcon(QIcon(QStringLiteral(":/GUI/IMG/IconeVVRL.png")));
    QSettings reglages(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vivarel"),
                       QStringLiteral("Vivarel"));
    Reglages::Restaurer(fenetre, reglages);
    fenetre.show();
    const int retour = application.exec();
    Reglages::Enregistrer(fenetre, reglages);
    return retour;
}
