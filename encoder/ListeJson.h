#ifndef LISTEJSON_H
#define LISTEJSON_H

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// The shape every list the player keeps is written in:
//   {"format": "<format>", "version": 1, "<cle>": [ ...entries... ]}
class ListeJson
{
public:
    // The entries, or none when `json` is not JSON of this shape.
    static std::optional<QJsonArray> Lire(const QByteArray &json, const QString &cle);
    static QByteArray Ecrire(const QString &format, const QString &cle, const QJsonArray &liste);

    // Each entry through `lireEntree`, which gives none for an entry it cannot read; `Lecture`
    // counts those, and says whether `json` was of this shape at all.
    template <typename Lecture, typename LireEntree>
    static Lecture LireEntrees(const QByteArray &json, const QString &cle, LireEntree lireEntree)
    {
        Lecture lecture;
        const std::optional<QJsonArray> liste = Lire(json, cle);
        if (!liste)
            return lecture;
        lecture.lisible = true;
        for (const QJsonValue &valeur : *liste) {
            if (const auto entree = lireEntree(valeur.toObject()))
                lecture.entrees << *entree;
            else
                ++lecture.ignorees;
        }
        return lecture;
    }

    // Where the entry called `nom` is, or -1.
    template <typename Entree> static int Indice(const QList<Entree> &entrees, const QString &nom)
    {
        for (int i = 0; i < entrees.size(); ++i)
            if (entrees[i].nom == nom)
                return i;
        return -1;
    }
};

#endif
