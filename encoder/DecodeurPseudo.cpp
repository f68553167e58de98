#include "encoder/DecodeurPseudo.h"

#include "encoder/CalculPseudo.h"

namespace {

struct Style
{
    std::array<int, 3> couleur{-1, -1, -1};
    bool italique = false;
    bool gras = false;
    bool ombre = false;
    bool majuscules = false;
    int largeur = 0;

    int Code() const
    {
        return largeur + (italique ? CalculPseudo::StyleItalique : 0) +
               (gras ? CalculPseudo::StyleGras : 0) +
               (majuscules ? CalculPseudo::StyleMajuscules : 0);
    }
};

int Hexa(QChar c)
{
    const char16_t u = c.toLower().unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

// One pass, no recursion: the scopes of $< are a list, so a thousand unclosed ones cost
// nothing more than a thousand characters.
DecodeurPseudo::Lecture DecodeurPseudo::Lire(const QString &code)
{
    Lecture lecture;
    Style style;
    QList<Style> portees;
    bool ombreSignalee = false;
    bool lien = false;
    const int taille = int(code.size());

    for (int i = 0; i < taille; ++i) {
        if (code.at(i) != u'$' || (i + 1 < taille && code.at(i + 1) == u'$')) {
            lecture.texte += code.at(i);
            lecture.niveaux.push_back(style.couleur);
            lecture.styles.push_back(style.Code());
            i += code.at(i) == u'$'; // "$$" is one dollar
            continue;
        }
        if (++i >= taille)
            break; // a "$" at the very end shows nothing

        if (Hexa(code.at(i)) >= 0) {
            std::array<int, 3> couleur{0, 0, 0};
            int chiffres = 0;
            while (chiffres < 3 && i < taille && Hexa(code.at(i)) >= 0)
                couleur[chiffres++] = Hexa(code.at(i++));
            if (chiffres < 3 && i >= taille)
                break;               // a colour cut short by the end shows nothing
            style.couleur = couleur; // short colours are padded with 0
            --i;                     // what follows is read as usual
            continue;
        }

        switch (code.at(i).toLower().unicode()) {
        case u'i':
            style.italique = !style.italique;
            break;
        case u'o':
            style.gras = !style.gras;
            break;
        case u't':
            style.majuscules = !style.majuscules;
            break;
        case u's':
            style.ombre = !style.ombre;
            if (!ombreSignalee)
                lecture.omis.append({Omission::Ombre, QString()});
            ombreSignalee = true;
            break;
        case u'w':
            style.largeur = 1;
            break;
        case u'n':
            style.largeur = 2;
            break;
        case u'm':
            style.largeur = 0;
            break;
        case u'g':
            style.couleur = portees.isEmpty() ? Style().couleur : portees.last().couleur;
            break;
        case u'z':
            style = portees.isEmpty() ? Style() : portees.last();
            lien = false;
            break;
        case u'<':
            portees.append(style);
            break;
        case u'>':
            if (!portees.isEmpty())
                style = portees.takeLast();
            break;
        case u'l':
        case u'h':
        case u'p': {
            // The link goes, and its target is not shown; its text stays.
            QString cible;
            if (i + 1 < taille && code.at(i + 1) == u'[') {
                const int fin = int(code.indexOf(u']', i + 2));
                cible = code.mid(i + 2, fin < 0 ? -1 : fin - i - 2);
                i = fin < 0 ? taille : fin;
            }
            if (!lien)
                lecture.omis.append({Omission::Lien, cible});
            lien = !lien;
            break;
        }
        default:
            // An unknown code and its "$" both vanish, the whole character even where it is
            // two UTF-16 units: half of one would be no character at all.
            i += code.at(i).isHighSurrogate() && i + 1 < taille && code.at(i + 1).isLowSurrogate();
            break;
        }
    }
    return lecture;
}

QList<DecodeurPseudo::Passage> DecodeurPseudo::Passages(const Lecture &lecture)
{
    QList<Passage> passages;
    const int taille = int(lecture.texte.size());
    for (int debut = 0, fin = 0; debut < taille; debut = fin) {
        while (fin < taille && lecture.niveaux[fin] == lecture.niveaux[debut] &&
               lecture.styles[fin] == lecture.styles[debut])
            ++fin;
        passages.append({debut, fin - debut, lecture.niveaux[debut], lecture.styles[debut]});
    }
    return passages;
}
