#ifndef COMPTEURMEMORISE_H
#define COMPTEURMEMORISE_H

#include <QLCDNumber>

// The count as Qt's LCD draws it, each value drawn once per size, palette and style and then
// copied: the count changes on every keystroke, and its antialiased segments and frame cost
// more to draw than the keystroke's own text.
class CompteurMemorise : public QLCDNumber
{
    Q_OBJECT

public:
    explicit CompteurMemorise(uint chiffres);

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    QPixmap Dessiner(qreal ratio);

    // What the copies are drawn from: an unshown LCD set up as this one, since a widget cannot
    // paint itself into an image from inside its own paint event.
    QLCDNumber Modele;
};

#endif
