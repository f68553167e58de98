#ifndef DELEGUEJEU_H
#define DELEGUEJEU_H

#include <QStyledItemDelegate>

// Draws a list entry as its name beside the nickname as the game shows it, the code being the
// entry's Qt::UserRole data.
class DelegueJeu : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *peintre, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    static int LargeurNom(const QStyleOptionViewItem &option);
};

#endif
