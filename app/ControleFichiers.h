#ifndef CONTROLEFICHIERS_H
#define CONTROLEFICHIERS_H

#include <QByteArray>
#include <QString>

// Qt trusts the compiled resource and translation formats: it follows every offset and length
// they hold without checking it against the file, and a damaged file crashes the program. These
// checks follow the same offsets first, each against the file's size, the way Qt will read them.
// Each returns why the file cannot be used, or nothing.
struct ControleFichiers
{
    static QString ProblemeRessources(const QByteArray &fichier);
    static QString ProblemeTraduction(const QByteArray &fichier);
};

#endif
