#ifndef CATALOGUECARACTERES_H
#define CATALOGUECARACTERES_H

// The built-in catalogue of characters a keyboard does not easily type, as UTF-8 literals.
// Every character lies in the Basic Multilingual Plane, so each is one QChar.
struct CatalogueCaracteres
{
    static constexpr int NombreLettres = 26;

    static const char *const Alphabet;
    // Characters that look like the letter at the same index of Alphabet.
    static const char *const Ressemblants[NombreLettres];
    static const char *const DoublesLettres;
    static const char *const Smileys;
    static const char *const Autres;
};

#endif
