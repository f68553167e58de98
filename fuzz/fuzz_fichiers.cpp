// Any bytes as a resource file and as a translation catalogue: when the checks accept them,
// Qt must be able to use them without crashing (every resource read, every message looked up).
#include "app/ControleFichiers.h"

#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <QTranslator>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    const QByteArray fichier(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    if (ControleFichiers::ProblemeRessources(fichier).isEmpty() &&
        QResource::registerResource(reinterpret_cast<const uchar *>(fichier.constData()),
                                    QStringLiteral("/essai"))) {
        QDirIterator parcours(QStringLiteral(":/essai"), QDir::AllEntries,
                              QDirIterator::Subdirectories);
        while (parcours.hasNext()) {
            QFile lu(parcours.next());
            if (lu.open(QIODevice::ReadOnly))
                lu.readAll();
        }
        QResource::unregisterResource(reinterpret_cast<const uchar *>(fichier.constData()),
                                      QStringLiteral("/essai"));
    }
    QTranslator traducteur;
    if (ControleFichiers::ProblemeTraduction(fichier).isEmpty() &&
        traducteur.load(reinterpret_cast<const uchar *>(fichier.constData()), int(taille))) {
        for (const char *contexte : {"Fen_Principale", "SortieCode", "", "a"})
            for (const char *texte : {"Votre Pseudo:", "Attention", "", "x", "Copier"})
                traducteur.translate(contexte, texte);
    }
    return 0;
}
