#include "app/Console.h"

#include <QString>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>
#endif

namespace {

bool EcrireOctets(std::FILE *flux, const QByteArray &octets)
{
    return std::fwrite(octets.constData(), 1, size_t(octets.size()), flux) ==
               size_t(octets.size()) &&
           std::fflush(flux) == 0;
}

QByteArray LireOctets(bool *lu)
{
    QByteArray octets;
    char morceau[65536];
    size_t nombre;
    while ((nombre = std::fread(morceau, 1, sizeof morceau, stdin)) > 0)
        octets.append(morceau, qsizetype(nombre));
    *lu = !std::ferror(stdin);
    return octets;
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

QByteArray Console::LireEntree(bool *lu)
{
    if (const HANDLE console = ConsoleDe(stdin)) {
        // Typed at the console: UTF-16 until Ctrl+Z.
        QString texte;
        wchar_t morceau[4096];
        DWORD nombre = 0;
        while (ReadConsoleW(console, morceau, DWORD(std::size(morceau)), &nombre, nullptr) &&
               nombre > 0) {
            texte += QString::fromWCharArray(morceau, int(nombre));
            if (const qsizetype fin = texte.indexOf(QChar(0x1a)); fin >= 0) {
                texte.truncate(fin);
                break;
            }
        }
        *lu = true;
        return texte.toUtf8();
    }
    // Text mode would stop at the first Ctrl+Z byte and drop carriage returns.
    _setmode(_fileno(stdin), _O_BINARY);
    return LireOctets(lu);
}

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

QByteArray Console::LireEntree(bool *lu)
{
    return LireOctets(lu);
}

#endif
