#include "encoder/Graphemes.h"

#include <QTextBoundaryFinder>

QList<int> Graphemes::Frontieres(const QString &texte, int debut, int fin)
{
    if (texte.isEmpty())
        return {0};
    QTextBoundaryFinder chercheur(QTextBoundaryFinder::Grapheme, texte);
    chercheur.setPosition(qBound(0, debut, int(texte.size())));
    if (!chercheur.isAtBoundary())
        chercheur.toPreviousBoundary();

    QList<int> frontieres{int(chercheur.position())};
    while (frontieres.last() < fin) {
        const int suivante = int(chercheur.toNextBoundary());
        if (suivante < 0)
            break;
        frontieres << suivante;
    }
    return frontieres;
}
