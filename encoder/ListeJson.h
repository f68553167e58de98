#ifndef LISTEJSON_H
#define LISTEJSON_H

#include <QByteArray>
#include <QJsonArray>
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
