#include "widgets/CompteurMemorise.h"

#include <QPainter>
#include <QPixmapCache>

CompteurMemorise::CompteurMemorise(uint chiffres) : QLCDNumber(chiffres) {}

void CompteurMemorise::paintEvent(QPaintEvent *evenement)
{
    if (EnDessin)
        return QLCDNumber::paintEvent(evenement);
    const qreal ratio = devicePixelRatio();
    const QString cle = QStringLiteral("vivarel-compteur-%1-%2-%3x%4-%5-%6-%7-%8")
                            .arg(QString::number(value()), QString::number(digitCount()))
                            .arg(width())
                            .arg(height())
                            .arg(palette().cacheKey())
                            .arg(int(segmentStyle()))
                            .arg(ratio)
                            .arg(int(isEnabled()));
    QPixmap image;
    if (!QPixmapCache::find(cle, &image)) {
        image = QPixmap(size() * ratio);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        EnDessin = true;
        render(&image, QPoint(), QRegion(), RenderFlags());
        EnDessin = false;
        QPixmapCache::insert(cle, image);
    }
    QPainter(this).drawPixmap(0, 0, image);
}
