#include "encoder/CollectionPseudos.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QLatin1String Format("vivarel-nicknames");

} // namespace

CollectionPseudos::Lecture CollectionPseudos::Lire(const QByteArray &json)
{
    QJsonParseError erreur;
    const QJsonDocument document = QJsonDocument::fromJson(json, &erreur);
    const QJsonValue liste = document.object().value(QLatin1String("nicknames"));
    Lecture lecture;
    if (erreur.error != QJsonParseError::NoError || !liste.isArray())
        return lecture;
    lecture.lisible = true;
    for (const QJsonValue &valeur : liste.toArray()) {
        const QJsonObject objet = valeur.toObject();
        const QJsonValue nom = objet.value(QLatin1String("name"));
        const QJsonValue code = objet.value(QLatin1String("code"));
        if (!nom.isString() || nom.toString().isEmpty() || !code.isString()) {
            ++lecture.ignorees;
            continue;
        }
        lecture.entrees.append(
            {nom.toString(), code.toString(),
             QDateTime::fromString(objet.value(QLatin1String("date")).toString(), Qt::ISODate)});
    }
    return lecture;
}

QByteArray CollectionPseudos::Ecrire(const QList<Entree> &entrees)
{
    QJsonArray liste;
    for (const Entree &entree : entrees)
        liste.append(
            QJsonObject{{QStringLiteral("name"), entree.nom},
                        {QStringLiteral("code"), entree.code},
                        {QStringLiteral("date"), entree.date.toUTC().toString(Qt::ISODate)}});
    return QJsonDocument(QJsonObject{{QStringLiteral("format"), Format},
                                     {QStringLiteral("version"), 1},
                                     {QStringLiteral("nicknames"), liste}})
        .toJson();
}

int CollectionPseudos::Indice(const QList<Entree> &entrees, const QString &nom)
{
    for (int i = 0; i < entrees.size(); ++i)
        if (entrees[i].nom == nom)
            return i;
    return -1;
}

QString CollectionPseudos::NomLibre(const QString &nom, const QList<Entree> &entrees)
{
    QString libre = nom;
    for (int n = 2; Indice(entrees, libre) >= 0; ++n)
        libre = QStringLiteral("%1 (%2)").arg(nom).arg(n);
    return libre;
}

int CollectionPseudos::Fusionner(QList<Entree> &entrees, const QList<Entree> &nouvelles)
{
    int ajoutees = 0;
    for (Entree entree : nouvelles) {
        if (entrees.contains(entree))
            continue;
        entree.nom = NomLibre(entree.nom, entrees);
        entrees.append(entree);
        ++ajoutees;
    }
    return ajoutees;
}
