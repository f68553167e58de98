#include "app/RenduCommande.h"

#include "app/Console.h"
#include "app/HorsEcran.h"

#include "encoder/FormesTexte.h"
#include "widgets/DessinJeu.h"

#include <QFileInfo>
#include <QGuiApplication>

QStringList RenduCommande::Lignes(const QByteArray &entree)
{
    QStringList lignes;
    for (QByteArray ligne : entree.split('\n')) {
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        lignes << QString::fromUtf8(ligne);
    }
    if (entree.endsWith('\n') || entree.isEmpty())
        lignes.removeLast();
    return lignes;
}

QString RenduCommande::Fichier(const QString &fichier, int numero, int nombre)
{
    if (nombre == 1)
        return fichier;
    const QFileInfo info(fichier);
    const QString suffixe = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    return fichier.left(fichier.size() - suffixe.size()) + QStringLiteral("-%1").arg(numero) +
           suffixe;
}

int RenduCommande::Executer(const QStringList &codes, Format format, const QString &fichier,
                            bool couper, int argc, char *argv[])
{
    if (format != Png) {
        QByteArray sortie;
        for (const QString &code : codes) {
            const QString garde = couper ? FormesTexte::Couper(code) : code;
            sortie += (format == Html   ? FormesTexte::Html(garde)
                       : format == Ansi ? FormesTexte::Ansi(garde)
                                        : FormesTexte::Texte(garde))
                          .toUtf8() +
                      '\n';
        }
        return Console::Ecrire(stdout, sortie) ? 0 : 1;
    }
    // The image is what the game keeps in any case, as the preview draws it.
    HorsEcran::Preparer();
    QGuiApplication application(argc, argv);
    HorsEcran::AppliquerPolice();
    for (int i = 0; i < codes.size(); ++i) {
        const QString nom = Fichier(fichier, i + 1, int(codes.size()));
        if (!DessinJeu::Image(codes[i], 2).save(nom, "PNG")) {
            Console::Ecrire(stderr, QStringLiteral("vivarel: cannot write %1\n").arg(nom));
            return 1;
        }
    }
    return 0;
}
