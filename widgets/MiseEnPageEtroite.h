#ifndef MISEENPAGEETROITE_H
#define MISEENPAGEETROITE_H

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QScrollArea>
#include <QSize>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLayout;
class QLayoutItem;
class QWidget;
class QWindow;

// A window shown full screen (as a page's always is) on a screen smaller than its minimum size,
// a phone's: there it scrolls, by finger too, and on a screen narrower than it, each row of
// controls becomes a column, each grid a single column in reading order, long labels wrap, and
// the widths some widgets ask for are released. A window that is not full screen, or on a
// screen that holds it, keeps its own minimum size and layout.
class MiseEnPageEtroite : public QObject
{
    Q_OBJECT

public:
    // `souples`: widgets whose minimum width holds only in the wide arrangement.
    MiseEnPageEtroite(QWidget *fenetre, const QList<QWidget *> &souples);
    ~MiseEnPageEtroite() override;
    // A widget whose own rows stay rows (a strip of gradient steps), wherever it is.
    static void GarderRangees(QWidget *widget);

    bool Etroite() const { return !Rangees.isEmpty() || !Cases.isEmpty(); }
    bool Defilante() const { return Defilement != nullptr; }

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    struct Case
    {
        QGridLayout *Grille;
        QLayoutItem *Element;
        int Ligne, Colonne, Lignes, Colonnes;
    };

    void Suivre();
    void Adapter();
    void Replier(int largeur);
    void Deplier();
    void Defiler();
    void Fixer();
    void Rendre(const QPointer<QWidget> &focus);
    bool Gardee(const QLayout *disposition) const;
    bool Gardee(const QWidget *proprietaire) const;
    static void Deplacer(QLayout *disposition, QWidget *vers);
    static void Placer(QGridLayout *grille, QLayoutItem *element, int ligne, int colonne,
                       int lignes, int colonnes);

    QWidget *Fenetre;
    QPointer<QWindow> Suivie;
    QPointer<QScrollArea> Defilement;
    QSize MinimumLarge;
    QList<QBoxLayout *> Rangees;
    QList<Case> Cases;
    QHash<QGridLayout *, QList<int>> Etirements;
    QHash<QWidget *, int> Largeurs;
    QList<QWidget *> Souples;
    QList<QLabel *> Retours;
    QList<QWidget *> Hauteurs;
};

#endif
