#include "widgets/ListeConsigne.h"

#include <QPainter>

void ListeConsigne::DefinirConsigne(const QString &consigne)
{
    Consigne = consigne;
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            &ListeConsigne::MettreAJourDescription, Qt::UniqueConnection);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &ListeConsigne::MettreAJourDescription,
            Qt::UniqueConnection);
    connect(model(), &QAbstractItemModel::modelReset, this, &ListeConsigne::MettreAJourDescription,
            Qt::UniqueConnection);
    MettreAJourDescription();
    viewport()->update();
}

void ListeConsigne::paintEvent(QPaintEvent *evenement)
{
    QListWidget::paintEvent(evenement);
    if (count() > 0 || Consigne.isEmpty())
        return;
    QPainter peintre(viewport());
    peintre.setPen(palette().color(QPalette::PlaceholderText));
    const int marge = fontMetrics().height();
    peintre.drawText(viewport()->rect().adjusted(marge, marge, -marge, -marge),
                     int(Qt::AlignCenter) | Qt::TextWordWrap, Consigne);
}

void ListeConsigne::MettreAJourDescription()
{
    const QString description = count() > 0 ? QString() : Consigne;
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}
