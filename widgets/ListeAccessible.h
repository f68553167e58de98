#ifndef LISTEACCESSIBLE_H
#define LISTEACCESSIBLE_H

#include <QAccessibleWidget>
#include <QPointer>

class QComboBox;

// A non-editable combo box as Qt presents one (its list as only child, an action that opens
// it, named by its current item where screen readers look for a label elsewhere), labelled by a
// widget of the caller's choosing instead of only by a QLabel buddy. Its text is the current
// item, read-only: where a label names the box, Orca reads its value there.
class ListeAccessible : public QAccessibleWidget, public QAccessibleTextInterface
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
    void *interface_cast(QAccessible::InterfaceType type) override;

    QString text(int debut, int fin) const override;
    int characterCount() const override;
    void selection(int, int *debut, int *fin) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *debut, int *fin) const override;

private:
    QComboBox *Liste() const;

    QPointer<QWidget> Legende;
};

#endif
