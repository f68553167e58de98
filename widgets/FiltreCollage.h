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

private:
    struct Brut;
    static void LireHtml(const QString &html, Brut &brut);
    static void Nettoyer(Brut &brut);
    static void UnifierGraphemes(Brut &brut);
};

#endif
