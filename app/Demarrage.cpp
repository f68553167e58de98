#include "app/Demarrage.h"

#include <QCoreApplication>
#include <QResource>
#include <QTranslator>

void Demarrage::EnregistrerRessourcesExternes()
{
    QResource::registerResource(QStringLiteral("Gui.rcc"), QString());
}

void Demarrage::InstallerTraduction(QTranslator &traducteur, const QString &nomLocale)
{
    (void)traducteur.load(nomLocale, QStringLiteral("Lang/"));
    QCoreApplication::installTranslator(&traducteur);
}
