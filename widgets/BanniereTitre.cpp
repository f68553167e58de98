#include "widgets/BanniereTitre.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

BanniereTitre::BanniereTitre(const QString &sousTitre)
    : Image(QStringLiteral(":/GUI/IMG/TitreLogiciel.png")), Texte(sousTitre)
{
    setAccessibleName(sousTitre);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

BanniereTitre::~BanniereTitre() = default;

namespace {
const QSize Dessin(550, 117);

qreal Echelle(int largeur)
{
    return qMin(1.0, qreal(largeur) / Dessin.width());
}
} // namespace

QSize BanniereTitre::sizeHint() const
{
    return Image.deviceIndependentSize().toSize().expandedTo(Dessin);
}

QSize BanniereTitre::minimumSizeHint() const
{
    return sizeHint();
}

int BanniereTitre::heightForWidth(int largeur) const
{
    return qCeil(sizeHint().height() * Echelle(largeur));
}

// The image is centred; the subtitle's baseline lies 96 pixels down it, where it was drawn into
// the image before.
void BanniereTitre::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const qreal echelle = Echelle(width());
    peintre.scale(echelle, echelle);
    const qreal largeur = width() / echelle;
    const QPointF origine((largeur - Dessin.width()) / 2.0, 0);
    peintre.drawPixmap(origine, Image);
    QFont petite(QStringLiteral("Liberation Sans"));
    petite.setPixelSize(16);
    QPainterPath chemin;
    chemin.addText(QPointF((largeur - QFontMetricsF(petite).horizontalAdvance(Texte)) / 2, 96),
                   petite, Texte);
    peintre.strokePath(
        chemin, QPen(QColor(255, 255, 255, 230), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.fillPath(chemin, QColor(50, 50, 50));
}
