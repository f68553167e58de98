#ifndef BANDEDEGRADE_H
#define BANDEDEGRADE_H

#include "encoder/Degrade.h"

#include <QColor>
#include <QList>
#include <QWidget>

// What a gradient would give the selection before it is applied: one cell per character, in
// the colour it would take, already on the game's 16 levels.
class BandeDegrade : public QWidget
{
    Q_OBJECT

public:
    BandeDegrade();

    void Afficher(const std::vector<Degrade::Niveaux> &niveaux);
    QList<QColor> Couleurs() const { return Cases; }
    // Where character `i`'s cell is drawn.
    QRect Case(int i) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    QList<QColor> Cases;
};

#endif
