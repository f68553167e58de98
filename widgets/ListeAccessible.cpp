#include "widgets/ListeAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

ListeAccessible::ListeAccessible(QComboBox *liste, QWidget *legende)
    : QAccessibleWidget(liste, QAccessible::ComboBox), Legende(legende)
{
}

QComboBox *ListeAccessible::Liste() const
{
    return static_cast<QComboBox *>(widget());
}

// On Linux the name is the current item and the label comes through the relation; elsewhere
// screen readers read the name alone.
QString ListeAccessible::text(QAccessible::Text t) const
{
#ifndef Q_OS_UNIX
    if (t == QAccessible::Name)
        return QAccessibleWidget::text(t);
#endif
    if (t == QAccessible::Name || t == QAccessible::Value)
        return Liste()->currentText();
    return QAccessibleWidget::text(t);
}

QAccessible::State ListeAccessible::state() const
{
    QAccessible::State etat = QAccessibleWidget::state();
    etat.expandable = true;
    etat.expanded = Liste()->view()->isVisible();
    return etat;
}

int ListeAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface *ListeAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(Liste()->view()) : nullptr;
}

int ListeAccessible::indexOfChild(const QAccessibleInterface *enfant) const
{
    return enfant && enfant->object() == Liste()->view() ? 0 : -1;
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
ListeAccessible::relations(QAccessible::Relation match) const
{
    auto liens = QAccessibleWidget::relations(match);
    if (Legende && (match & QAccessible::Label))
        liens.append({QAccessible::queryAccessibleInterface(Legende), QAccessible::Label});
    return liens;
}

QStringList ListeAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ListeAccessible::doAction(const QString &action)
{
    if (action != showMenuAction() && action != pressAction())
        return;
    if (Liste()->view()->isVisible())
        Liste()->hidePopup();
    else
        Liste()->showPopup();
}
