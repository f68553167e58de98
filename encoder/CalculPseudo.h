#ifndef CALCULPSEUDO_H
#define CALCULPSEUDO_H

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <array>
#include <vector>

class QTextDocument;
class QTextEdit;

// Reads the nickname editor's formatting into one slot per character and turns it into the
// game's formatting-code string.
class CalculPseudo : public QObject
{
public:
    // The game keeps at most this many characters of a nickname; it is also the table's size.
    static constexpr int NombreCases = 45;

    // The capture reads the width of the whole nickname from these font stretches.
    static constexpr int EtirementNormal = 110;
    static constexpr int EtirementLarge = 160;
    static constexpr int EtirementSerre = 62;

    // Uncoloured nickname text is drawn in this colour, and the capture reads it as no colour.
    // None of its channels is a multiple of 17, so no picked or gradient colour can equal it.
    static constexpr QRgb CouleurPseudoParDefaut = qRgb(252, 195, 35);

    // A style code is the width (0 normal, 1 wide, 2 narrow) plus these for each effect.
    static constexpr int StyleItalique = 10;
    static constexpr int StyleGras = 100;
    static constexpr int StyleMajuscules = 1000;
    // A style code's digits, from the units up: width (0 normal, 1 wide, 2 narrow), italic,
    // bold, capitals.
    static int Largeur(int style) { return style % 10; }
    static bool Italique(int style) { return style / StyleItalique % 10; }
    static bool Gras(int style) { return style / StyleGras % 10; }
    static bool Majuscules(int style) { return style / StyleMajuscules % 10; }

    // Bold in the editor: clearly heavier than the nickname's own weight (500).
    static constexpr int PoidsGras = QFont::Bold;

    CalculPseudo();
    ~CalculPseudo() override;

    void LireAttributs(QTextEdit *editeur, QColor couleurParDefaut);
    QString GenererCode(QString texte);

    // The length of the code if the visible characters between the boundaries `caracteres`
    // took the colour levels `niveaux`, one per character; the table stays as it is.
    int LongueurAvecNiveaux(const QString &texte, const QList<int> &caracteres,
                            const std::vector<std::array<int, 3>> &niveaux) const;

    // The character format that the capture reads back as these levels and this style: no
    // colour is drawn in `sansCouleur`; the width only when `largeur` is set, as it is
    // otherwise the whole nickname's.
    static QTextCharFormat FormatPour(const std::array<int, 3> &niveaux, int style,
                                      const QColor &sansCouleur, bool largeur);

    // Fills the table from a nickname read back from a code, one entry per character; what
    // lies past the table is left out.
    void DefinirCases(const std::vector<std::array<int, 3>> &niveaux,
                      const std::vector<int> &styles);

    // The game shows 16 levels per channel: level of a channel value 0..255, rounded to nearest.
    static int NiveauCanal(int valeur) { return (valeur + 8) / 17; }
    // The channel value that shows a level exactly (l × 255 / 15).
    static int ValeurNiveau(int niveau) { return niveau * 255 / 15; }
    // The opaque colour of three channel levels.
    static QColor CouleurNiveaux(const std::array<int, 3> &niveaux)
    {
        return QColor(ValeurNiveau(niveaux[0]), ValeurNiveau(niveaux[1]), ValeurNiveau(niveaux[2]));
    }

    // A cursor on the document that selects the single character at `position`. Positions,
    // not QTextCursor::Right steps: a step crosses a whole grapheme cluster (a letter with its
    // combining mark, a surrogate pair), which would shift every slot after it.
    // Its charFormat() is that character's format, setCharFormat() writes that character.
    static QTextCursor CurseurSurCaractere(QTextDocument *document, int position);

    QString PseudoOut;
    int Niveaux[3][NombreCases];
    int Styles[NombreCases];

private:
    void LireCase(int k, const QTextCharFormat &format, const QColor &couleurParDefaut);
    QString Prefixe(int n) const;
};

#endif
