#ifndef FORMESTEXTE_H
#define FORMESTEXTE_H

#include <QString>

// A nickname's code as the game reads it, written out for the world beyond the game: plain
// text, an HTML fragment, or a terminal line. Any code is safe: it is only read.
class FormesTexte
{
public:
    // What the game shows, codes removed ("$$" is "$", a link keeps its text).
    static QString Texte(const QString &code);
    // The same for a terminal: control characters shown as their pictures, as in Ansi.
    static QString TexteLisible(const QString &code);
    // One <span> per run of equal look: its colour on the game's 16 levels, italic, bold,
    // capitals and width; the text escaped, its control characters as pictures; all in a
    // <bdi> that keeps its spaces.
    static QString Html(const QString &code);
    // The text in 24-bit terminal colours, italic and bold, capitals applied, reset at the end.
    // Control characters are shown as their pictures: the nickname cannot drive the terminal.
    static QString Ansi(const QString &code);

    // Control characters as their pictures (␛ for escape), for a terminal or a page.
    static QString Lisible(QString texte);

    // What the game keeps of a code: its first 45 characters.
    static QString Couper(const QString &code);
};

#endif
