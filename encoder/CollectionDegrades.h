#ifndef COLLECTIONDEGRADES_H
#define COLLECTIONDEGRADES_H

#include "encoder/EspacesCouleur.h"

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QString>

// Gradients under a name: the built-in presets, and those the player saved, kept as
//   {"format": "vivarel-gradients", "version": 1,
//    "gradients": [{"name": "Lava", "colours": ["#ff0000", "#ffff00"], "blend": "oklab",
//                   "step": 2}]}
// with "blend" one of "rgb", "oklab" and "hue".
class CollectionDegrades
{
    Q_DECLARE_TR_FUNCTIONS(CollectionDegrades)

public:
    struct Entree
    {
        QString nom;
        QList<QColor> couleurs;
        Melange melange = Melange::RVB;
        int pas = 0; // none for a preset, which leaves the step as it is
        bool operator==(const Entree &o) const
        {
            return nom == o.nom && couleurs == o.couleurs && melange == o.melange && pas == o.pas;
        }
    };

    struct Lecture
    {
        bool lisible = false; // JSON of this form; its entries may still be bad
        QList<Entree> entrees;
        int ignorees = 0; // entries without a name, two to six colours, a known blend or a step
    };

    static Lecture Lire(const QByteArray &json);
    static QByteArray Ecrire(const QList<Entree> &entrees);

    // The built-in gradients, named in the window's language.
    static QList<Entree> PreReglages();
};

#endif
