#include "app/Console.h"

#include <QString>

#include <csignal>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace {

bool EcrireOctets(std::FILE *flux, const QByteArray &octets)
{
    return std::fwrite(octets.constData(), 1, size_t(octets.size()), flux) ==
               size_t(octets.size()) &&
           std::fflush(flux) == 0;
}

// Byte by byte up to the line break, so that a NUL inside a line is kept like any other byte
// and a line of any length is one line.
bool LireLigneOctets(QByteArray *ligne, bool *echec)
{
    ligne->clear();
    int octet;
    while ((octet = std::getc(stdin)) != EOF && octet != '\n')
        ligne->append(char(octet));
    *echec = std::ferror(stdin);
    if (octet == EOF && ligne->isEmpty())
        return false;
    if (ligne->endsWith('\r'))
        ligne->chop(1);
    return true;
}

#ifdef Q_OS_WIN
// The console behind `flux`, or null when it goes to a file or a pipe.
HANDLE ConsoleDe(std::FILE *flux)
{
    const HANDLE poignee = HANDLE(_get_osfhandle(_fileno(flux)));
    DWORD mode = 0;
    return poignee != INVALID_HANDLE_VALUE && GetConsoleMode(poignee, &mode) ? poignee : nullptr;
}
#endif

} // namespace

#ifdef Q_OS_WIN

// argv holds the ANSI code page's rendering of the command line: whatever it lacks is a '?'.
QStringList Console::Arguments(int, char *[])
{
    int nombre = 0;
    LPWSTR *liste = CommandLineToArgvW(GetCommandLineW(), &nombre);
    QStringList arguments;
    for (int i = 0; i < nombre; ++i)
        arguments << QString::fromWCharArray(liste[i]);
    LocalFree(liste);
    return arguments;
}

bool Console::Ecrire(std::FILE *flux, const QByteArray &utf8)
{
    if (const HANDLE console = ConsoleDe(flux)) {
        std::fflush(flux);
        const std::wstring texte = QString::fromUtf8(utf8).toStdWString();
        DWORD ecrits = 0;
        return WriteConsoleW(console, texte.data(), DWORD(texte.size()), &ecrits, nullptr) &&
               ecrits == texte.size();
    }
    // Text mode would turn each "\n" into "\r\n", and the bytes would differ from Linux's.
    _setmode(_fileno(flux), _O_BINARY);
    return EcrireOctets(flux, utf8);
}

bool Console::LireLigne(QByteArray *ligne, bool *echec)
{
    if (const HANDLE console = ConsoleDe(stdin)) {
        // Typed at the console: UTF-16 until the line's end, which a long line reaches only
        // after several reads; Ctrl+Z at the start of a line ends the input.
        *echec = false;
        QString texte;
        wchar_t morceau[4096];
        DWORD nombre = 0;
        while (!texte.endsWith(u'\n')) {
            if (!ReadConsoleW(console, morceau, DWORD(std::size(morceau)), &nombre, nullptr) ||
                nombre == 0)
                break;
            texte += QString::fromWCharArray(morceau, int(nombre));
        }
        if (texte.startsWith(QChar(0x1a)) || texte.isEmpty())
            return false;
        while (texte.endsWith(u'\n') || texte.endsWith(u'\r'))
            texte.chop(1);
        *ligne = texte.toUtf8();
        return true;
    }
    // Text mode would stop at the first Ctrl+Z byte.
    _setmode(_fileno(stdin), _O_BINARY);
    return LireLigneOctets(ligne, echec);
}

bool Console::EstTerminal(std::FILE *flux)
{
    return ConsoleDe(flux) != nullptr;
}

// Windows has no SIGPIPE: a write to a pipe whose reader is gone fails with EPIPE as it is.
void Console::IgnorerLecteurParti() {}

#else

QStringList Console::Arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool Console::Ecrire(std::FILE *flux, const QByteArray &utf8)
{
    return EcrireOctets(flux, utf8);
}

bool Console::EstTerminal(std::FILE *flux)
{
    return ::isatty(fileno(flux));
}

bool Console::LireLigne(QByteArray *ligne, bool *echec)
{
    return LireLigneOctets(ligne, echec);
}

void Console::IgnorerLecteurParti()
{
    std::signal(SIGPIPE, SIG_IGN);
}

#endif
