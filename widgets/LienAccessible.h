#ifndef LIENACCESSIBLE_H
#define LIENACCESSIBLE_H

#include <QAccessibleInterface>
#include <QPointer>

class TexteLiens;

// One link of a help text: a link named by its words, whose Press action opens it.
class LienAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    LienAccessible(TexteLiens *texte, int index);

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &action) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<TexteLiens> Texte;
    const int Index;
};

#endif
