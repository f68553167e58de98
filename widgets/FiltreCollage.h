#ifndef FILTRECOLLAGE_H
#define FILTRECOLLAGE_H

#include <QList>
#include <QString>
#include <QTextCharFormat>

class QMimeData;

// What a paste or a drop brings into the one-line nickname: its text on one line, cut into
// runs that carry only what the game can show (an opaque foreground colour, italic, one of
// the nickname's widths). Nothing the content points to is ever loaded.
class FiltreCollage
{
public:
    struct Morceau
    {
        QString texte;
        // Only the properties the content itself sets; the rest comes from the cursor.
        QTextCharFormat format;
    };

    static QList<Morceau> Lire(const QMimeData &donnees);

    // How formats are kept: one per visible character, as a paste gives them, or each unit's
    // own, as a code describes them (a mark may be coloured apart from its letter); the two
    // halves of a surrogate pair always share one.
    enum Unites { ParCaractere, ParUnite };

    // The same cleaning for runs that come from elsewhere (a code read back): the text on one
    // line, without controls.
    static QList<Morceau> Nettoyer(const QList<Morceau> &morceaux, Unites unites);

private:
    struct Brut;
    static void LireHtml(const QString &html, Brut &brut);
    static QList<Morceau> Terminer(Brut &brut, Unites unites);
    static void NettoyerBrut(Brut &brut);
    static void UnifierGraphemes(Brut &brut);
    static void UnifierPaires(Brut &brut);
};

#endif
