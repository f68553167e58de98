#ifndef RENDUCOMMANDE_H
#define RENDUCOMMANDE_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// `vivarel --render`: nicknames' codes turned into text, HTML, terminal colours or images, for
// scripts, bots and server logs. The text forms need no display and no application object;
// the image is drawn offscreen.
struct RenduCommande
{
    enum Format { Texte, Html, Ansi, Png };

    // `codes` one per nickname; the output, one line each, on standard output, or for an image
    // in `fichier` (numbered "-1", "-2" … before its extension when there are several). The
    // exit code.
    static int Executer(const QStringList &codes, Format format, const QString &fichier,
                        bool couper, int argc, char *argv[]);
    // One code per line of `entree`, a final line break or carriage return left out.
    static QStringList Lignes(const QByteArray &entree);
    static QString Fichier(const QString &fichier, int numero, int nombre);
};

#endif
