#include "app/RenduCommande.h"

#include "app/Console.h"
#include "encoder/FormesTexte.h"
#include "widgets/DessinJeu.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <cerrno>
#include <cstring>

namespace {

int Echouer(const QString &quoi, const QString &pourquoi)
{
    Console::Ecrire(stderr, QStringLiteral("vivarel: %1: %2\n").arg(quoi, pourquoi));
    return 1;
}

QString Raison()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Into a terminal the text shows control characters as pictures: a nickname must not clear
// the screen or set the window's title. Piped or redirected, it is the decoder's exact text.
QByteArray Ligne(const QString &code, RenduCommande::Format format, bool terminal)
{
    return (format == RenduCommande::Html   ? FormesTexte::Html(code)
            : format == RenduCommande::Ansi ? FormesTexte::Ansi(code)
            : terminal                      ? FormesTexte::TexteLisible(code)
                                            : FormesTexte::Texte(code))
               .toUtf8() +
           '\n';
}

// The image is what the game keeps in any case, as the preview draws it. 0, or the exit code.
int Dessiner(const QString &code, const QString &nom)
{
    QFile fichier(nom);
    if (!fichier.open(QIODevice::WriteOnly))
        return Echouer(nom, fichier.errorString());
    QImageWriter ecriture(&fichier, "PNG");
    if (!ecriture.write(DessinJeu::Image(code, 2)) || !fichier.flush())
        return Echouer(nom, fichier.error() != QFile::NoError ? fichier.errorString()
                                                              : ecriture.errorString());
    return 0;
}

} // namespace

QString RenduCommande::Fichier(const QString &fichier, int numero)
{
    if (numero == 0)
        return fichier;
    const QFileInfo info(fichier);
    const QString suffixe = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    return fichier.left(fichier.size() - suffixe.size()) + QStringLiteral("-%1").arg(numero) +
           suffixe;
}

int RenduCommande::Executer(const QString &code, Format format, const QString &fichier, bool couper)
{
    Console::IgnorerLecteurParti();
    const bool entree = code == QStringLiteral("-");
    const bool terminal = Console::EstTerminal(stdout);
    QByteArray ligne = code.toUtf8();
    bool echec = false;
    for (int numero = 1; entree ? Console::LireLigne(&ligne, &echec) : numero == 1; ++numero) {
        QString lu = QString::fromUtf8(ligne);
        if (couper)
            lu = FormesTexte::Couper(lu);
        if (format == Png) {
            if (const int sortie = Dessiner(lu, Fichier(fichier, entree ? numero : 0)))
                return sortie;
        } else if (!Console::Ecrire(stdout, Ligne(lu, format, terminal))) {
            return errno == EPIPE
                       ? 0
                       : Echouer(QCoreApplication::translate("RenduCommande", "sortie standard"),
                                 Raison());
        }
    }
    return echec
               ? Echouer(QCoreApplication::translate("RenduCommande", "entrée standard"), Raison())
               : 0;
}
