#ifndef ETAPESDEGRADE_H
#define ETAPESDEGRADE_H

#include <QColor>
#include <QList>
#include <QWidget>

class QFrame_Perso;
class QHBoxLayout;
class QLabel;
class QToolButton;

// The gradient's colours in a row: the start square, the colours added between, the end
// square. "+" adds a colour before the end, "−" under an added one removes it.
class EtapesDegrade : public QWidget
{
    Q_OBJECT

public:
    EtapesDegrade(QLabel *libelleDepart, QFrame_Perso *depart, QLabel *libelleArrivee,
                  QFrame_Perso *arrivee);
    ~EtapesDegrade() override;

    // From the start colour to the end colour.
    QList<QColor> Couleurs() const;
    // As many colours as given (two to six), from the start colour to the end colour; the
    // squares between are added or removed to match.
    void DefinirCouleurs(const QList<QColor> &couleurs);

    void Ajouter();

    // The start, the end and "+", for the window's Tab chain; added colours place themselves.
    QList<QWidget *> OrdreClavier() const;

signals:
    // A colour was picked, added or removed.
    void Modifiees();

private:
    QFrame_Perso *Depart;
    QFrame_Perso *Arrivee;
    QList<QFrame_Perso *> Intermediaires;
    QList<QToolButton *> Retraits; // the "−" under each of them
    QHBoxLayout *Rangee;
    QToolButton *BoutonAjouter;
};

#endif
