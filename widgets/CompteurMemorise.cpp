#include "widgets/CompteurMemorise.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPixmapCache>

CompteurMemorise::CompteurMemorise(uint chiffres) : QLCDNumber(chiffres) {}

void CompteurMemorise::paintEvent(QPaintEvent *evenement)
{
    // A value too long for the digits keeps the old figure, which only the widget knows.
    if (checkOverflow(value()))
        return QLCDNumber::paintEvent(evenement);
    QPainter peintre(this);
    // The ratio of what is painted on: the screen's, or an image's when the window is grabbed.
    const qreal ratio = peintre.paintEngine()->paintDevice()->devicePixelRatio();
    const QString cle = QStringLiteral("vivarel-compteur-%1-%2-%3x%4-%5-%6-%7-%8-%9")
                            .arg(QString::number(value()), QString::number(digitCount()))
                            .arg(width())
                            .arg(height())
                            .arg(palette().cacheKey())
                            .arg(int(segmentStyle()))
                            .arg(ratio)
                            .arg(int(isEnabled()))
                            .arg(quintptr(style()));
    QPixmap image;
    if (!QPixmapCache::find(cle, &image)) {
        image = Dessiner(ratio);
        QPixmapCache::insert(cle, image);
    }
    peintre.drawPixmap(0, 0, image);
}

QPixmap CompteurMemorise::Dessiner(qreal ratio)
{
    Modele.setStyle(style());
    Modele.setPalette(palette());
    Modele.setFont(font());
    Modele.setEnabled(isEnabled());
    Modele.setFrameStyle(frameStyle());
    Modele.setLineWidth(lineWidth());
    Modele.setMidLineWidth(midLineWidth());
    Modele.setContentsMargins(contentsMargins());
    Modele.setSegmentStyle(segmentStyle());
    Modele.setMode(mode());
    Modele.setSmallDecimalPoint(smallDecimalPoint());
    Modele.setDigitCount(digitCount());
    Modele.display(intValue()); // the count is a whole number
    Modele.resize(size());
    QPixmap image(size() * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    // On the window's own ground, so that the antialiased edges blend as when drawn in place.
    Modele.render(&image, QPoint(), QRegion(), DrawWindowBackground);
    return image;
}
