#ifndef PLATEFORME_H
#define PLATEFORME_H

#include <QString>

// What differs between a desktop program and the same program as a page.
struct Plateforme
{
    // The page's address, fragment included; empty on the desktop, which has no address.
    static QString AdressePage();
};

#endif
