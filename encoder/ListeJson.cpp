#include "encoder/ListeJson.h"

#include <QJsonDocument>
#include <QJsonObject>

std::optional<QJsonArray> ListeJson::Lire(const QByteArray &json, const QString &cle)
{
    QJsonParseError erreur;
    const QJsonDocument document = QJsonDocument::fromJson(json, &erreur);
    const QJsonValue liste = document.object().value(cle);
    if (erreur.error != QJsonParseError::NoError || !liste.isArray())
        return std::nullopt;
    return liste.toArray();
}

QByteArray ListeJson::Ecrire(const QString &format, const QString &cle, const QJsonArray &liste)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("format"), format},
                                     {QStringLiteral("version"), 1},
                                     {cle, liste}})
        .toJson();
}
