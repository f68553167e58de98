#include "widgets/PanneauMemorise.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOptionFrame>

PanneauMemorise::PanneauMemorise() = default;

PanneauMemorise::~PanneauMemorise() = default;

void PanneauMemorise::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                    QPainter *painter, const QWidget *widget) const
{
    const auto *cadre = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element != PE_PanelLineEdit || !cadre || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal echelle = painter->device()->devicePixelRatioF();
    const QString cle = QStringLiteral("vivarel-panneau-%1x%2-%3-%4-%5-%6-%7")
                            .arg(option->rect.width())
                            .arg(option->rect.height())
                            .arg(uint(option->state))
                            .arg(option->palette.cacheKey())
                            .arg(cadre->lineWidth)
                            .arg(int(option->direction))
                            .arg(echelle);
    QPixmap panneau;
    if (!QPixmapCache::find(cle, &panneau)) {
        panneau = QPixmap(option->rect.size() * echelle);
        panneau.setDevicePixelRatio(echelle);
        panneau.fill(Qt::transparent);
        QStyleOptionFrame copie = *cadre;
        copie.rect = QRect(QPoint(0, 0), option->rect.size());
        QPainter peintre(&panneau);
        QProxyStyle::drawPrimitive(element, &copie, &peintre, widget);
        peintre.end();
        QPixmapCache::insert(cle, panneau);
    }
    painter->drawPixmap(option->rect.topLeft(), panneau);
}
