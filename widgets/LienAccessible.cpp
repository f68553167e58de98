#include "widgets/LienAccessible.h"

#include "widgets/TexteLiens.h"

LienAccessible::LienAccessible(TexteLiens *texte, int index) : Texte(texte), Index(index) {}

bool LienAccessible::isValid() const
{
    return Texte && Index < Texte->Liens().size();
}

QWindow *LienAccessible::window() const
{
    return Texte ? Texte->window()->windowHandle() : nullptr;
}

QAccessibleInterface *LienAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(Texte);
}

QString LienAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    const TexteLiens::Lien lien = Texte->Liens().at(Index);
    if (t == QAccessible::Name)
        return lien.texte;
    if (t == QAccessible::Description)
        return lien.adresse;
    return QString();
}

// The whole text's place: Qt does not say where in it a link lies.
QRect LienAccessible::rect() const
{
    return Texte ? QRect(Texte->mapToGlobal(QPoint(0, 0)), Texte->size()) : QRect();
}

QAccessible::State LienAccessible::state() const
{
    QAccessible::State etat;
    etat.linked = true;
    if (!Texte) {
        etat.invalid = true;
        return etat;
    }
    etat.invisible = !Texte->isVisible();
    etat.focusable = Texte->focusPolicy() != Qt::NoFocus;
    etat.focused = Texte->LienActif() == Index;
    return etat;
}

void *LienAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                : nullptr;
}

QStringList LienAccessible::actionNames() const
{
    return {pressAction()};
}

// Opens once the call has returned, so the tool asking is not held up by the browser.
void LienAccessible::doAction(const QString &action)
{
    if (action != pressAction() || !Texte)
        return;
    QMetaObject::invokeMethod(
        Texte, [texte = Texte, index = Index] { texte->Ouvrir(index); }, Qt::QueuedConnection);
}
