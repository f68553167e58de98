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
// screen readers read the name alone. Without an item, the name is the label's, as Qt has it.
QString ListeAccessible::text(QAccessible::Text t) const
{
    QString texte;
#ifdef Q_OS_UNIX
    if (t == QAccessible::Name)
        texte = Liste()->currentText();
#endif
    if (t == QAccessible::Value)
        texte = Liste()->currentText();
    return texte.isEmpty() ? QAccessibleWidget::text(t) : texte;
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
    QAccessibleInterface *legende = QAccessible::queryAccessibleInterface(Legende);
    if (legende && (match & QAccessible::Label) &&
        !liens.contains(qMakePair(legende, QAccessible::Relation(QAccessible::Label))))
        liens.append({legende, QAccessible::Label});
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

void *ListeAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ListeAccessible::text(int debut, int fin) const
{
    return Liste()->currentText().mid(debut, fin - debut);
}

int ListeAccessible::characterCount() const
{
    return int(Liste()->currentText().size());
}

void ListeAccessible::selection(int, int *debut, int *fin) const
{
    *debut = *fin = 0;
}

QString ListeAccessible::attributes(int, int *debut, int *fin) const
{
    *debut = 0;
    *fin = characterCount();
    return QString();
}
