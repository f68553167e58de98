#include "encoder/CollectionPseudos.h"

#include "encoder/ListeJson.h"

#include <QJsonObject>

namespace {

const QString Cle = QStringLiteral("nicknames");

// A name and a code, each a string; the date is kept when it reads.
std::optional<CollectionPseudos::Entree> LireEntree(const QJsonObject &objet)
{
    const QJsonValue nom = objet.value(QLatin1String("name"));
    const QJsonValue code = objet.value(QLatin1String("code"));
    if (!nom.isString() || nom.toString().isEmpty() || !code.isString())
        return std::nullopt;
    return CollectionPseudos::Entree{
        nom.toString(), code.toString(),
        QDateTime::fromString(objet.value(QLatin1String("date")).toString(), Qt::ISODate)};
}

} // namespace

CollectionPseudos::Lecture CollectionPseudos::Lire(const QByteArray &json)
{
    return ListeJson::LireEntrees<Lecture>(json, Cle, LireEntree);
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
