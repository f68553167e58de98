#include "widgets/BanniereTitre.h"

#include <QPainter>
#include <QPainterPath>

BanniereTitre::BanniereTitre(const QString &sousTitre)
    : Image(QStringLiteral(":/GUI/IMG/TitreLogiciel.png")), Texte(sousTitre)
{
    setAccessibleName(sousTitre);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

BanniereTitre::~BanniereTitre() = default;

QSize BanniereTitre::sizeHint() const
{
    return Image.deviceIndependentSize().toSize().expandedTo(QSize(550, 117));
}

QSize BanniereTitre::minimumSizeHint() const
{
    return sizeHint();
}

// The image is centred; the subtitle's baseline lies 96 pixels down it, where it was drawn into
// the image before.
void BanniereTitre::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QPointF origine((width() - 550) / 2.0, 0);
    peintre.drawPixmap(origine, Image);
    QFont petite(QStringLiteral("Liberation Sans"));
    petite.setPixelSize(16);
    QPainterPath chemin;
    chemin.addText(QPointF((width() - QFontMetricsF(petite).horizontalAdvance(Texte)) / 2, 96),
                   petite, Texte);
    peintre.strokePath(
        chemin, QPen(QColor(255, 255, 255, 230), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.fillPath(chemin, QColor(50, 50, 50));
}
