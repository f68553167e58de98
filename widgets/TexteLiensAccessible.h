#ifndef TEXTELIENSACCESSIBLE_H
#define TEXTELIENSACCESSIBLE_H

#include <QAccessibleWidget>
#include <QList>

class TexteLiens;

// A help text as screen readers meet it: its words, and each link in it as a child of its own.
class TexteLiensAccessible : public QAccessibleWidget
{
public:
    explicit TexteLiensAccessible(TexteLiens *texte);
    ~TexteLiensAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *enfant) const override;

private:
    TexteLiens *Texte() const;
    void Actualiser() const;

    // The links' interfaces belong to Qt's registry once registered; they are taken out of it
    // here, with the text's.
    mutable QList<QAccessible::Id> Liens;
};

#endif
