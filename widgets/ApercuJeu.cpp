#include "widgets/ApercuJeu.h"

#include "encoder/CalculPseudo.h"

#include <QEvent>
#include <QPainter>

ApercuJeu::ApercuJeu()
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

ApercuJeu::~ApercuJeu() = default;

// Only what the game keeps decides the drawing: past it, nothing is laid out again.
void ApercuJeu::Afficher(const QString &code)
{
    const QString garde = code.left(CalculPseudo::NombreCases);
    if (garde == Code)
        return;
    Code = garde;
    Disposer();
    update();
}

// A screen reader says what the game will show.
void ApercuJeu::Disposer()
{
    Dessin.Disposer(Code, font());
    setAccessibleDescription(Dessin.TexteAffiche());
}

QString ApercuJeu::TexteAffiche() const
{
    return Dessin.TexteAffiche();
}

QSize ApercuJeu::sizeHint() const
{
    return minimumSizeHint();
}

// Room for a nickname of usual length; a wider window shows more.
QSize ApercuJeu::minimumSizeHint() const
{
    return QSize(QFontMetrics(font()).horizontalAdvance(QString(24, u'n')),
                 QFontMetrics(font()).height()) +
           QSize(2 * DessinJeu::Marge, 2 * DessinJeu::Marge);
}

void ApercuJeu::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), DessinJeu::Fond);
    Dessin.Dessiner(&peintre, QPointF(DessinJeu::Marge, DessinJeu::Marge));
}

void ApercuJeu::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        Disposer();
    QWidget::changeEvent(event);
}
