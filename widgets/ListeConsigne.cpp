#include "widgets/ListeConsigne.h"

#include <QPainter>

// The description follows the model once it has settled: changed while the list inserts its
// first row, it crashed the Windows build (seen under Wine).
void ListeConsigne::DefinirConsigne(const QString &consigne)
{
    Consigne = consigne;
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            &ListeConsigne::MettreAJourDescription,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &ListeConsigne::MettreAJourDescription,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    connect(model(), &QAbstractItemModel::modelReset, this, &ListeConsigne::MettreAJourDescription,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
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
