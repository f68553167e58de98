#ifndef DECODEURPSEUDO_H
#define DECODEURPSEUDO_H

#include <QList>
#include <QString>

#include <array>
#include <vector>

// Reads a code string back as the game does, character by character, into the nickname the
// encoder would write it from: its characters, each with colour levels (or none) and a style
// code as CalculPseudo's table holds them. What the encoder cannot write (the shadow, links) is
// left out and listed; the text inside a link is kept.
class DecodeurPseudo
{
public:
    struct Omission
    {
        enum Genre { Ombre, Lien } genre;
        QString cible; // a link's target
        bool operator==(const Omission &o) const { return genre == o.genre && cible == o.cible; }
    };

    struct Lecture
    {
        QString texte;
        std::vector<std::array<int, 3>> niveaux; // per character; -1 throughout for none
        std::vector<int> styles;                 // per character
        QList<Omission> omis;
    };

    // A run of characters that look alike: one colour (or none) and one style code.
    struct Passage
    {
        int debut;
        int longueur;
        std::array<int, 3> niveaux;
        int style;
    };

    static Lecture Lire(const QString &code);
    // The reading cut into runs of equal look, in order.
    static QList<Passage> Passages(const Lecture &lecture);
};

#endif
