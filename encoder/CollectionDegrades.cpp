#include "encoder/CollectionDegrades.h"

#include "encoder/Degrade.h"
#include "encoder/ListeJson.h"

#include <QJsonObject>

namespace {

const QString Cle = QStringLiteral("gradients");
const QStringList NomsMelange = {QStringLiteral("rgb"), QStringLiteral("oklab"),
                                 QStringLiteral("hue")};

std::optional<CollectionDegrades::Entree> LireEntree(const QJsonObject &objet)
{
    CollectionDegrades::Entree entree;
    entree.nom = objet.value(QLatin1String("name")).toString();
    const QJsonArray couleurs = objet.value(QLatin1String("colours")).toArray();
    const int melange = int(
        NomsMelange.indexOf(objet.value(QLatin1String("blend")).toString(QStringLiteral("rgb"))));
    entree.pas = objet.value(QLatin1String("step")).toInt(1);
    if (entree.nom.isEmpty() || couleurs.size() < 2 ||
        couleurs.size() > Degrade::NombreCouleursMax || melange < 0 || entree.pas < 1 ||
        entree.pas > Degrade::PasMax)
        return std::nullopt;
    entree.melange = Melange(melange);
    for (const QJsonValue &valeur : couleurs) {
        const QColor couleur = QColor::fromString(valeur.toString());
        if (!valeur.isString() || !couleur.isValid())
            return std::nullopt;
        entree.couleurs << couleur;
    }
    return entree;
}

} // namespace

CollectionDegrades::Lecture CollectionDegrades::Lire(const QByteArray &json)
{
    return ListeJson::LireEntrees<Lecture>(json, Cle, LireEntree);
}

QByteArray CollectionDegrades::Ecrire(const QList<Entree> &entrees)
{
    QJsonArray liste;
    for (const Entree &entree : entrees) {
        QJsonArray couleurs;
        for (const QColor &couleur : entree.couleurs)
            couleurs.append(couleur.name());
        liste.append(QJsonObject{{QStringLiteral("name"), entree.nom},
                                 {QStringLiteral("colours"), couleurs},
                                 {QStringLiteral("blend"), NomsMelange[int(entree.melange)]},
                                 {QStringLiteral("step"), entree.pas}});
    }
    return ListeJson::Ecrire(QStringLiteral("vivarel-gradients"), Cle, liste);
}

QList<CollectionDegrades::Entree> CollectionDegrades::PreReglages()
{
    const auto c = [](const char *hex) { return QColor::fromString(QLatin1String(hex)); };
    return {
        {tr("Arc-en-ciel"),
         {c("#f00"), c("#ff0"), c("#0f0"), c("#0ff"), c("#00f"), c("#f0f")},
         Melange::Teinte},
        {tr("Feu"), {c("#800"), c("#f40"), c("#fd0")}, Melange::OKLab},
        {tr("Océan"), {c("#013"), c("#06a"), c("#0dd")}, Melange::OKLab},
        {tr("Coucher de soleil"), {c("#fa0"), c("#f06"), c("#606")}, Melange::OKLab},
        {tr("Glace"), {c("#fff"), c("#aef"), c("#08f")}, Melange::OKLab},
        {tr("Forêt"), {c("#031"), c("#2a2"), c("#ce4")}, Melange::OKLab},
        {tr("Néon"), {c("#f0f"), c("#0ff")}, Melange::Teinte},
        {tr("Or"), {c("#850"), c("#fd4"), c("#ffa")}, Melange::RVB},
    };
}
