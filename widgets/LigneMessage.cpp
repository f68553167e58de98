#include "widgets/LigneMessage.h"

#include <QPainter>

LigneMessage::LigneMessage(const QString &exemple) : Exemple(exemple)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

LigneMessage::~LigneMessage() = default;

void LigneMessage::setText(const QString &texte)
{
    if (texte == Texte)
        return;
    Texte = texte;
    setAccessibleName(texte);
    MettreAJourBulle();
    update();
}

void LigneMessage::DefinirAlerte(bool alerte)
{
    if (alerte == Alerte)
        return;
    Alerte = alerte;
    update();
}

QSize LigneMessage::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(Exemple), minimumSizeHint().height()};
}

// Four characters' width, measured on a digit: a face's own average width can be anything
// (Wine's Tahoma gives hundreds of pixels, which once made the window thousands wide).
QSize LigneMessage::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(QLatin1Char('0')) * 4, fontMetrics().height()};
}

void LigneMessage::paintEvent(QPaintEvent *)
{
    if (Texte.isEmpty())
        return;
    QPainter peintre(this);
    if (Alerte)
        peintre.setPen(Qt::red);
    const QString vu = fontMetrics().elidedText(Texte, Qt::ElideRight, width());
    peintre.drawText(rect(), int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine, vu);
}

void LigneMessage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    MettreAJourBulle();
}

// The whole text where it is cut, so that nothing said is lost.
void LigneMessage::MettreAJourBulle()
{
    const bool coupe = fontMetrics().horizontalAdvance(Texte) > width();
    const QString bulle = coupe ? Texte : QString();
    if (toolTip() != bulle)
        setToolTip(bulle);
}
