#include "widgets/DelegueJeu.h"

#include "widgets/DessinJeu.h"

#include <QApplication>
#include <QPainter>

int DelegueJeu::LargeurNom(const QStyleOptionViewItem &option)
{
    return option.fontMetrics.averageCharWidth() * 20;
}

void DelegueJeu::paint(QPainter *peintre, const QStyleOptionViewItem &option,
                       const QModelIndex &index) const
{
    QStyleOptionViewItem vue = option;
    initStyleOption(&vue, index);
    const QWidget *liste = option.widget;
    QStyle *style = liste ? liste->style() : QApplication::style();
    // The name as any list draws it, elided to its column; the game's drawing beside it.
    vue.rect.setWidth(LargeurNom(option));
    vue.text = option.fontMetrics.elidedText(vue.text, Qt::ElideRight, vue.rect.width() - 8);
    QStyleOptionViewItem fond = option;
    fond.text.clear();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &fond, peintre, liste);
    style->drawControl(QStyle::CE_ItemViewItem, &vue, peintre, liste);

    const QRect jeu = option.rect.adjusted(LargeurNom(option), 2, -2, -2);
    peintre->save();
    peintre->setClipRect(jeu);
    peintre->fillRect(jeu, DessinJeu::Fond);
    DessinJeu dessin;
    dessin.Disposer(index.data(Qt::UserRole).toString(), option.font);
    dessin.Dessiner(peintre, jeu.topLeft() + QPointF(DessinJeu::Marge, DessinJeu::Marge / 2.0));
    peintre->restore();
}

QSize DelegueJeu::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {LargeurNom(option) + option.fontMetrics.averageCharWidth() * 30,
            option.fontMetrics.height() + DessinJeu::Marge + 4};
}
