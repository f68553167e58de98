#ifndef DEMANDES_H
#define DEMANDES_H

#include <QColor>
#include <QString>

#include <functional>

class QInputDialog;
class QWidget;

// The questions the program asks: a colour, a name, a yes or no, a warning. Each box is
// window-modal and returns at once; what follows an answer runs when the player gives it. No
// box waits in a loop of its own, which a page in the browser could not run.
struct Demandes
{
    static void Couleur(QWidget *parent, const QColor &initiale, const QString &titre,
                        const std::function<void(const QColor &)> &suite);
    // `preparer` sets the box up before it shows.
    static void Texte(QWidget *parent, const QString &titre, const QString &libelle,
                      const QString &valeur, const std::function<void(const QString &)> &suite,
                      const std::function<void(QInputDialog &)> &preparer = {});
    // `suite` runs on yes only.
    static void Question(QWidget *parent, const QString &titre, const QString &question,
                         const std::function<void()> &suite);
    static void Avertir(QWidget *parent, const QString &titre, const QString &message);
};

#endif
