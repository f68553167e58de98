#include "app/FichierJoueur.h"

#include "app/Plateforme.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

FichierJoueur::Lecture FichierJoueur::Lire(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile fichier(chemin);
    if (!info.isFile() || info.size() > TailleMax || !fichier.open(QIODevice::ReadOnly))
        return {Illisible, {}};
    // The size may have changed since it was asked: read no more than the limit.
    const QByteArray contenu = fichier.read(TailleMax + 1);
    if (contenu.size() > TailleMax || fichier.error() != QFileDevice::NoError)
        return {Illisible, {}};
    return {Lisible, contenu};
}

QString FichierJoueur::MettreDeCote(const QString &chemin)
{
    const QString aCote =
        chemin + QStringLiteral(".damaged-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    if (!QDir().rename(chemin, aCote))
        return QString();
    Plateforme::Stocker(chemin);
    Plateforme::Stocker(aCote);
    return aCote;
}

bool FichierJoueur::Ecrire(const QString &chemin, const QByteArray &contenu)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QSaveFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() &&
           fichier.commit() && Plateforme::Stocker(chemin);
}
