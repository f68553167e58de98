#ifndef NOMCOULEUR_H
#define NOMCOULEUR_H

#include <QColor>
#include <QCoreApplication>
#include <QString>

// A colour in words, in the window's language ("rouge vif", "bleu clair", "gris foncé"), for
// whoever cannot see the square: a screen reader says it before the hexadecimal code.
class NomCouleur
{
    Q_DECLARE_TR_FUNCTIONS(NomCouleur)

public:
    static QString Nom(const QColor &couleur);
};

#endif
