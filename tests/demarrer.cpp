// The program's start-up step alone, from the working directory: the optional files, then the
// window, then every resource read and every image decoded. Exits 0 when nothing died.
#include "app/Demarrage.h"
#include "window/Fen_Principale.h"

#include <QApplication>
#include <QDirIterator>
#include <QImage>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Demarrage::EnregistrerRessourcesExternes();
    QTranslator traducteur, traducteurQt;
    Demarrage::InstallerTraduction(traducteur, traducteurQt, QStringLiteral("fr_FR"));
    Fen_Principale fenetre;
    QDirIterator parcours(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    while (parcours.hasNext()) {
        QFile fichier(parcours.next());
        if (fichier.open(QIODevice::ReadOnly))
            fichier.readAll();
        QImage(fichier.fileName()).isNull();
    }
    return 0;
}
