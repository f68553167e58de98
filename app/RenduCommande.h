#ifndef RENDUCOMMANDE_H
#define RENDUCOMMANDE_H

#include <QString>

// `vivarel --render`: nicknames' codes turned into text, HTML, terminal colours or images, for
// scripts, bots and server logs. The text forms need no display and no application object;
// the image is drawn offscreen.
struct RenduCommande
{
    enum Format { Texte, Html, Ansi, Png };

    // `code`, or with "-" one code per line of standard input, each answered as soon as it is
    // read, so that a program can talk to it line by line: one line on standard output, or an
    // image in `fichier` (for standard input numbered "-1", "-2" … before its extension; an
    // application object that draws must exist). The exit code: 0, or 1 with one line on
    // standard error naming what could not be read or written and why; a reader that stops
    // reading ends it quietly.
    static int Executer(const QString &code, Format format, const QString &fichier, bool couper);
    // `fichier` numbered before its extension; 0 leaves it as it is.
    static QString Fichier(const QString &fichier, int numero);
};

#endif
