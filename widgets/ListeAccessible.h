#ifndef LISTEACCESSIBLE_H
#define LISTEACCESSIBLE_H

#include <QAccessibleWidget>
#include <QPointer>

class QComboBox;

// A non-editable combo box as Qt presents one (its list as only child, an action that opens
// it, named by its current item where screen readers look for a label elsewhere), labelled by a
// widget of the caller's choosing instead of only by a QLabel buddy.
class ListeAccessible : public QAccessibleWidget
{
public:
    ListeAccessible(QComboBox *liste, QWidget *legende);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *enfant) const override;
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;
    QStringList actionNames() const override;
    void doAction(const QString &action) override;

private:
    QComboBox *Liste() const;

    QPointer<QWidget> Legende;
};

#endif
