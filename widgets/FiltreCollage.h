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

    // The same cleaning for runs that come from elsewhere (a code read back): the text on one
    // line, without controls, each visible character in one format.
    static QList<Morceau> Nettoyer(const QList<Morceau> &morceaux);

private:
    struct Brut;
    static void LireHtml(const QString &html, Brut &brut);
    static QList<Morceau> Terminer(Brut &brut);
    static void NettoyerBrut(Brut &brut);
    static void UnifierGraphemes(Brut &brut);
};

#endif
