#include "widgets/TexteLiensAccessible.h"

#include "widgets/LienAccessible.h"
#include "widgets/TexteLiens.h"

#include <QTextDocument>

TexteLiensAccessible::TexteLiensAccessible(TexteLiens *texte)
    : QAccessibleWidget(texte, QAccessible::StaticText)
{
}

TexteLiensAccessible::~TexteLiensAccessible()
{
    for (const QAccessible::Id lien : std::as_const(Liens))
        QAccessible::deleteAccessibleInterface(lien);
}

TexteLiens *TexteLiensAccessible::Texte() const
{
    return static_cast<TexteLiens *>(widget());
}

QString TexteLiensAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    QTextDocument document;
    document.setHtml(Texte()->text());
    return document.toPlainText();
}

// As many children as the text has links, should its text have changed.
void TexteLiensAccessible::Actualiser() const
{
    const qsizetype nombre = Texte()->Liens().size();
    while (Liens.size() > nombre)
        QAccessible::deleteAccessibleInterface(Liens.takeLast());
    while (Liens.size() < nombre)
        Liens.append(QAccessible::registerAccessibleInterface(
            new LienAccessible(Texte(), int(Liens.size()))));
}

int TexteLiensAccessible::childCount() const
{
    Actualiser();
    return int(Liens.size());
}

QAccessibleInterface *TexteLiensAccessible::child(int index) const
{
    Actualiser();
    return index >= 0 && index < Liens.size() ? QAccessible::accessibleInterface(Liens[index])
                                              : nullptr;
}

int TexteLiensAccessible::indexOfChild(const QAccessibleInterface *enfant) const
{
    Actualiser();
    for (int i = 0; i < Liens.size(); ++i)
        if (QAccessible::accessibleInterface(Liens[i]) == enfant)
            return i;
    return -1;
}
