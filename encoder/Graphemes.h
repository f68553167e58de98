#ifndef GRAPHEMES_H
#define GRAPHEMES_H

#include <QList>
#include <QString>

// What the player sees as one character: a letter with its combining marks, a surrogate pair,
// an emoji sequence joined by zero-width joiners or with a skin-tone modifier. Commands treat
// each as a whole, so that no code ever lands inside one.
class Graphemes
{
public:
    // The boundaries of the visible characters that [debut, fin) touches, widened to whole
    // characters: the first is at or before `debut`, the last at or after `fin`. One more
    // boundary than characters.
    static QList<int> Frontieres(const QString &texte, int debut, int fin);
};

#endif
