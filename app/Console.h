#ifndef CONSOLE_H
#define CONSOLE_H

#include <QByteArray>
#include <QStringList>

#include <cstdio>

// The terminal as the command line meets it, the same bytes on every system: arguments in
// full Unicode, output in UTF-8 with "\n" line ends, input read a line at a time. On Windows a
// console is written and read in UTF-16, so that it shows every character whatever its code
// page.
struct Console
{
    static QStringList Arguments(int argc, char *argv[]);
    // `utf8` on `flux` (stdout or stderr); false when it could not be written whole.
    static bool Ecrire(std::FILE *flux, const QByteArray &utf8);
    static bool Ecrire(std::FILE *flux, const QString &texte)
    {
        return Ecrire(flux, texte.toUtf8());
    }
    // Whether `flux` is a terminal (a console on Windows) rather than a file or a pipe.
    static bool EstTerminal(std::FILE *flux);
    // One line of standard input as it arrives, without its line break, as UTF-8; false at the
    // end, or when it could not be read (`*echec`, with errno).
    static bool LireLigne(QByteArray *ligne, bool *echec);
    // Before writing: a reader that stops reading (`| head -1`) makes a write fail with EPIPE
    // rather than end the program with a signal.
    static void IgnorerLecteurParti();
};

#endif
