#ifndef CONSOLE_H
#define CONSOLE_H

#include <QByteArray>
#include <QStringList>

#include <cstdio>

// The terminal as the command line meets it, the same bytes on every system: arguments in
// full Unicode, output in UTF-8 with "\n" line ends, input read whole. On Windows a console is
// written and read in UTF-16, so that it shows every character whatever its code page.
struct Console
{
    static QStringList Arguments(int argc, char *argv[]);
    // `utf8` on `flux` (stdout or stderr); false when it could not be written whole.
    static bool Ecrire(std::FILE *flux, const QByteArray &utf8);
    static bool Ecrire(std::FILE *flux, const QString &texte)
    {
        return Ecrire(flux, texte.toUtf8());
    }
    // Standard input to its end, as UTF-8; false in `lu` when it could not be read.
    static QByteArray LireEntree(bool *lu);
};

#endif
