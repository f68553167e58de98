#ifndef ETATFENETRE_H
#define ETATFENETRE_H

#include "encoder/CalculPseudo.h"
#include "encoder/EspacesCouleur.h"

#include <QColor>
#include <QList>
#include <QString>

// What the window holds that the player finds again at the next start, as one plain value.
struct EtatFenetre
{
    QString pseudo;        // the nickname as its code, read back through the import
    QColor couleur;        // the uniform colour; an invalid one leaves the swatch as it is
    QList<QColor> degrade; // the gradient's stops, two to six; fewer leave them as they are
    int pas = 1;
    int espacement = CalculPseudo::EtirementNormal; // the stretch of the spacing fonts
    int onglet = 0;
    Melange melange = Melange::RVB; // how the gradient mixes its colours
};

#endif
