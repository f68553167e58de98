#include "encoder/LienPseudo.h"

#include <QUrl>

QString LienPseudo::Lien(const QString &page, const QString &code)
{
    QUrl lien(page);
    lien.setFragment(code, QUrl::DecodedMode);
    return lien.toString(QUrl::FullyEncoded);
}

QString LienPseudo::Code(const QString &lien)
{
    const QString code = QUrl(lien).fragment(QUrl::FullyDecoded);
    return code.isEmpty() ? QString() : code;
}
