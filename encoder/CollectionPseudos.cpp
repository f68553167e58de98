#include "encoder/CollectionPseudos.h"

#include "encoder/ListeJson.h"

#include <QJsonObject>

namespace {

const QString Cle = QStringLiteral("nicknames");

} // namespace

CollectionPseudos::Lecture CollectionPseudos::Lire(const QByteArray &json)
{
    const std::optional<QJsonArray> liste = ListeJson::Lire(json, Cle);
    Lecture lecture;
    if (!liste)
        return lecture;
    lecture.lisible = true;
    for (const QJsonValue &valeur : *liste) {
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
    return ListeJson::Ecrire(QStringLiteral("vivarel-nicknames"), Cle, liste);
}

int CollectionPseudos::Indice(const QList<Entree> &entrees, const QString &nom)
{
    return ListeJson::Indice(entrees, nom);
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
