#include "app/ControleFichiers.h"

#include <QList>
#include <QSet>

namespace {

// Reads big-endian numbers inside [debut, fin) of the file; any read past it makes it bad.
class Lecteur
{
public:
    Lecteur(const QByteArray &fichier, qint64 debut = 0, qint64 fin = -1)
        : Octets(fichier), Debut(debut), Fin(fin < 0 ? fichier.size() : fin)
    {
    }

    bool Contient(qint64 position, qint64 longueur) const
    {
        return position >= 0 && longueur >= 0 && Debut + position <= Fin - longueur &&
               Debut + position >= Debut;
    }
    quint64 Lire(qint64 position, int octets)
    {
        if (!Contient(position, octets)) {
            Mauvais = true;
            return 0;
        }
        quint64 valeur = 0;
        for (int i = 0; i < octets; ++i)
            valeur = (valeur << 8) | quint8(Octets[Debut + position + i]);
        return valeur;
    }
    qint64 Taille() const { return Fin - Debut; }

    bool Mauvais = false;

private:
    const QByteArray &Octets;
    qint64 Debut;
    qint64 Fin;
};

// The size a compressed resource announces: zlib's data starts with it; zstd's frame header
// may carry it. -1 when it is missing, too large to be honest, or outside the data.
qint64 TailleDecompressee(Lecteur &lecteur, qint64 debut, qint64 taille, bool zstd)
{
    constexpr qint64 Plafond = 64 * 1024 * 1024;
    if (!zstd) {
        const qint64 annonce = taille >= 4 ? qint64(lecteur.Lire(debut, 4)) : -1;
        return annonce <= Plafond ? annonce : -1;
    }
    if (taille < 6 || lecteur.Lire(debut, 4) != 0x28B52FFD) // the frame's magic, little-endian
        return -1;
    const int descripteur = int(lecteur.Lire(debut + 4, 1));
    const bool unSegment = descripteur & 0x20;
    const int octetsTaille[] = {unSegment ? 1 : 0, 2, 4, 8};
    const int octetsDictionnaire[] = {0, 1, 2, 4};
    const qint64 champ = debut + 5 + (unSegment ? 0 : 1) + octetsDictionnaire[descripteur & 3];
    const int octets = octetsTaille[descripteur >> 6];
    if (octets == 0 || champ + octets > debut + taille)
        return -1;
    quint64 annonce = 0; // little-endian
    for (int i = octets - 1; i >= 0; --i)
        annonce = (annonce << 8) | lecteur.Lire(champ + i, 1);
    if (octets == 2)
        annonce += 256;
    return annonce <= quint64(Plafond) ? qint64(annonce) : -1;
}

} // namespace

// "qres", version, then the offsets of the tree, the data and the names. Every node reachable
// from the root (what a lookup can reach) must lie in the file, with its name and, for a file,
// its data.
QString ControleFichiers::ProblemeRessources(const QByteArray &fichier)
{
    Lecteur lecteur(fichier);
    if (!fichier.startsWith("qres"))
        return QStringLiteral("ce n'est pas un fichier de ressources");
    const quint64 version = lecteur.Lire(4, 4);
    const qint64 arbre = qint64(lecteur.Lire(8, 4));
    const qint64 donnees = qint64(lecteur.Lire(12, 4));
    const qint64 noms = qint64(lecteur.Lire(16, 4));
    if (version >= 3)
        lecteur.Lire(20, 4); // the flags
    if (lecteur.Mauvais || version < 1 || version > 3)
        return QStringLiteral("en-tête abîmé");
    const int tailleNoeud = version == 1 ? 14 : 22;

    QList<qint64> aVoir{0};
    QSet<qint64> vus;
    while (!aVoir.isEmpty() && !lecteur.Mauvais) {
        const qint64 noeud = aVoir.takeLast();
        if (vus.contains(noeud) || vus.size() > fichier.size())
            return QStringLiteral("arborescence abîmée");
        vus.insert(noeud);
        const qint64 position = arbre + noeud * tailleNoeud;
        if (!lecteur.Contient(position, tailleNoeud))
            return QStringLiteral("arborescence hors du fichier");
        if (noeud != 0) {
            // A name must be one step of a path: an empty one, "." or ".." or one holding a
            // "/" would make a path walk in circles.
            const qint64 nom = noms + qint64(lecteur.Lire(position, 4));
            const qint64 longueur = qint64(lecteur.Lire(nom, 2));
            QString texte;
            for (qint64 i = 0; i < longueur && !lecteur.Mauvais; ++i)
                texte += QChar(char16_t(lecteur.Lire(nom + 6 + 2 * i, 2)));
            if (texte.isEmpty() || texte == QLatin1String(".") || texte == QLatin1String("..") ||
                texte.contains(u'/'))
                return QStringLiteral("nom abîmé");
        }
        const quint64 drapeaux = lecteur.Lire(position + 4, 2);
        if (drapeaux & 0x02) { // a directory: its children follow one another
            const qint64 nombre = qint64(lecteur.Lire(position + 6, 4));
            const qint64 premier = qint64(lecteur.Lire(position + 10, 4));
            if (!lecteur.Contient(arbre + (premier + nombre) * tailleNoeud - 1, 1) && nombre > 0)
                return QStringLiteral("arborescence hors du fichier");
            for (qint64 enfant = premier; enfant < premier + nombre; ++enfant)
                aVoir << enfant;
        } else {
            const qint64 donnee = donnees + qint64(lecteur.Lire(position + 10, 4));
            const qint64 taille = qint64(lecteur.Lire(donnee, 4));
            lecteur.Lire(donnee + 4 + taille - 1, 1);
            // Qt allocates the size a compressed file announces before it inflates it.
            if ((drapeaux & 0x01) && TailleDecompressee(lecteur, donnee + 4, taille, false) < 0)
                return QStringLiteral("donnée compressée abîmée");
            if ((drapeaux & 0x04) && TailleDecompressee(lecteur, donnee + 4, taille, true) < 0)
                return QStringLiteral("donnée compressée abîmée");
        }
    }
    return lecteur.Mauvais ? QStringLiteral("noms ou données hors du fichier") : QString();
}

// A magic number, then sections (a tag, a length, the data). Qt reads a message by an offset
// from the hash table, then tags and lengths one after the other up to the end tag, and a
// context through its own table: all of these must stay inside their section.
QString ControleFichiers::ProblemeTraduction(const QByteArray &fichier)
{
    static const char magie[] = "\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd";
    if (!fichier.startsWith(QByteArray(magie, 16)))
        return QStringLiteral("ce n'est pas un catalogue de traduction");
    qint64 sections[256] = {};
    qint64 longueurs[256] = {};
    Lecteur entete(fichier);
    for (qint64 position = 16; position + 5 <= fichier.size();) {
        const int etiquette = int(entete.Lire(position, 1));
        const qint64 longueur = qint64(entete.Lire(position + 1, 4));
        if (etiquette == 0 || longueur == 0)
            break;
        if (longueur > fichier.size() - position - 5)
            return QStringLiteral("section hors du fichier");
        sections[etiquette] = position + 5;
        longueurs[etiquette] = longueur;
        position += 5 + longueur;
    }

    enum { Contextes = 0x2f, Empreintes = 0x42, Messages = 0x69 };
    Lecteur messages(fichier, sections[Messages], sections[Messages] + longueurs[Messages]);
    Lecteur empreintes(fichier, sections[Empreintes], sections[Empreintes] + longueurs[Empreintes]);
    for (qint64 entree = 0; entree + 8 <= empreintes.Taille(); entree += 8) {
        qint64 m = qint64(empreintes.Lire(entree + 4, 4));
        if (m >= messages.Taille())
            return QStringLiteral("message hors du fichier");
        for (int etiquette = int(messages.Lire(m, 1)); etiquette != 1 && !messages.Mauvais;
             etiquette = int(messages.Lire(m, 1))) {
            ++m;
            if (etiquette == 5) { // obsolete: four bytes
                m += 4;
            } else if (etiquette == 3 || (etiquette >= 6 && etiquette <= 8)) {
                const qint64 longueur = qint64(messages.Lire(m, 4));
                m += 4;
                messages.Lire(m + longueur - 1, longueur > 0 ? 1 : 0);
                m += longueur;
            } else {
                break; // Qt stops reading there
            }
            if (m >= messages.Taille())
                break;
        }
        if (messages.Mauvais)
            return QStringLiteral("message abîmé");
    }

    if (longueurs[Contextes] > 0) {
        Lecteur contextes(fichier, sections[Contextes], sections[Contextes] + longueurs[Contextes]);
        const qint64 table = qint64(contextes.Lire(0, 2));
        if (table == 0 || !contextes.Contient(2, 2 * table))
            return QStringLiteral("table des contextes abîmée");
        for (qint64 g = 0; g < table; ++g) {
            const qint64 decalage = qint64(contextes.Lire(2 + 2 * g, 2));
            if (decalage == 0)
                continue;
            qint64 c = 2 + 2 * table + 2 * decalage;
            for (qint64 longueur = qint64(contextes.Lire(c, 1));
                 longueur != 0 && !contextes.Mauvais; longueur = qint64(contextes.Lire(c, 1))) {
                contextes.Lire(c + longueur, 1);
                c += 1 + longueur;
            }
            if (contextes.Mauvais)
                return QStringLiteral("table des contextes abîmée");
        }
    }
    return QString();
}
