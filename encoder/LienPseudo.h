#ifndef LIENPSEUDO_H
#define LIENPSEUDO_H

#include <QString>

// A link that carries a nickname: the page's address with the nickname's code as its fragment,
// which a browser never sends to the server.
struct LienPseudo
{
    // `page` (its own fragment dropped) carrying `code`.
    static QString Lien(const QString &page, const QString &code);
    // The code `lien` carries; null when its fragment is missing or empty.
    static QString Code(const QString &lien);
};

#endif
