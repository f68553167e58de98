#ifndef PLATEFORME_H
#define PLATEFORME_H

#include <QString>
#include <QStringList>

class QWidget;

// What differs between a desktop program and the same program as a page.
struct Plateforme
{
    // The page's address, fragment included; empty on the desktop, which has no address.
    static QString AdressePage();
    // Before the window: the faces a page carries, with the nickname's Arial drawn in its
    // metric-compatible Liberation Sans, as fontconfig does on Linux. The desktop uses the
    // system's.
    static void PreparerPolices();
    // What PreparerPolices does with the faces of these folders; also how the Linux build
    // draws the page for comparison. The interface is drawn in Liberation Sans too: the page
    // carries no other face for it.
    static void AppliquerPolicesPage(const QStringList &dossiers);
    // Before the window: in a page, an export is a download of what was written, and an
    // import reads the file the player picks in the browser's own dialog.
    static void PreparerFichiers();

    // A page's files live in the browser's local storage, which every tab of the page shares
    // and reads at once: all of them are brought in before anything is read, one is brought
    // in again before a change re-reads it (what another tab stored since), and kept after
    // each write. When the storage cannot be read, nothing is ever stored over it: false from
    // OuvrirStockage, and StockageLisible() after. Nothing to do on the desktop.
    static bool OuvrirStockage();
    static bool StockageLisible();
    static void Recharger(const QString &chemin);
    // False when the file could not be kept (the browser's quota reached).
    static bool Stocker(const QString &chemin);

    // A step of the start, timed by the browser (a performance mark) for the page's trial.
    static void Marquer(const char *etape);
    // The same once the page shows the window drawn.
    static void MarquerPremierDessin(QWidget *fenetre, const char *etape);
};

#endif
