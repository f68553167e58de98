#ifndef COMMANDESPSEUDO_H
#define COMMANDESPSEUDO_H

#include "encoder/DecodeurPseudo.h"
#include "encoder/Degrade.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>

#include <optional>

class CalculPseudo;
class ChampPseudo;
class QTextCharFormat;
class QTextEdit;

// Every command on the nickname, each one edit of the field's document: one refresh and one
// undo step, the player's cursor and selection left where they were. Commands on a selection
// take the boundaries of its visible characters (Selection()); asking the player for one is
// the caller's business.
class CommandesPseudo : public QObject
{
    Q_OBJECT

public:
    // `ombre` follows the field's spacing; `calcul` holds the nickname as last read, for
    // measuring codes.
    CommandesPseudo(ChampPseudo *champ, QTextEdit *ombre, const CalculPseudo &calcul);
    ~CommandesPseudo() override;

    // The spacing font for a stretch (110, 160 or 62); another stretch gives the normal one.
    const QFont &Police(int etirement) const;
    // The stretch of the nickname's spacing now.
    int Espacement() const;

    // The boundaries of the selected visible characters, widened to whole ones; empty with no
    // selection.
    QList<int> Selection() const;

    void Colorier(const QList<int> &caracteres, const QColor &couleur);
    void AppliquerDegrade(const QList<int> &caracteres, const QList<QColor> &couleurs, int pas,
                          bool ignorerEspaces, Melange melange = Melange::RVB);
    // The code's length once fitted, or, when nothing fits, none and nothing changes.
    std::optional<int> Ajuster(const QList<int> &caracteres, const QList<QColor> &couleurs,
                               bool ignorerEspaces, Melange melange = Melange::RVB);
    // The levels that gradient would give each of those characters, and how long the code
    // would then be.
    std::vector<Degrade::Niveaux> NiveauxDegrade(const QList<int> &caracteres,
                                                 const QList<QColor> &couleurs, int pas,
                                                 bool ignorerEspaces,
                                                 Melange melange = Melange::RVB) const;
    int LongueurDegrade(const QList<int> &caracteres,
                        const std::vector<Degrade::Niveaux> &niveaux) const;
    void Reinitialiser(const QList<int> &caracteres);
    void AppliquerEffets(const QList<int> &caracteres, bool italique, bool gras, bool majuscules);
    // A step of its own on the undo stack, unless the spacing is that already.
    void ChangerEspacement(int etirement);
    void Inserer(const QString &texte);
    // Replaces the nickname, spacing included, with what `code` describes, as one undo step;
    // gives what it read, what it left out included.
    DecodeurPseudo::Lecture Importer(const QString &code);

signals:
    // The editors' font changed (no edit of the document, so no textChanged), undo included.
    void EspacementChange(int etirement);

private:
    void ModifierChaqueCaractere(const QList<int> &caracteres,
                                 const std::function<void(QTextCharFormat &, int)> &modifier);
    void ColorerNiveaux(const QList<int> &caracteres, const std::vector<Degrade::Niveaux> &niveaux);
    QList<bool> CaracteresLaisses(const QList<int> &caracteres, bool ignorerEspaces) const;
    void ChoisirPolice(const QFont &police);

    ChampPseudo *Champ;
    QTextEdit *Ombre;
    const CalculPseudo &Calcul;
    QFont PoliceNormale;
    QFont PoliceLarge;
    QFont PoliceSerree;
};

#endif
