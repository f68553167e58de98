#include "widgets/Accessibilite.h"

#include "widgets/ListeAccessible.h"
#include "widgets/TexteLiens.h"
#include "widgets/TexteLiensAccessible.h"

#include <QAccessibleWidget>
#include <QComboBox>

#include <memory>

namespace {

const char ProprieteRole[] = "vivarelRoleAccessible";
const char ProprieteLegende[] = "vivarelLegende";

// Qt calls a widget focusable by its focus policy, even where its focus proxy takes the focus.
class InterfaceMarquee : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State etat = QAccessibleWidget::state();
        if (widget()->focusProxy())
            etat.focusable = etat.focused = false;
        return etat;
    }
};

} // namespace

void Accessibilite::Legender(QComboBox *liste, QWidget *legende)
{
    liste->setProperty(ProprieteLegende, QVariant::fromValue<QObject *>(legende));
    Marquer(liste, QAccessible::ComboBox);
    // Qt 6.4 tells of a new item by a change of name and of a selection the box cannot show;
    // as a change of its text, screen readers read the new item out.
    auto ancien = std::make_shared<QString>(liste->currentText());
    QObject::connect(liste, &QComboBox::currentTextChanged, liste,
                     [liste, ancien](const QString &nouveau) {
                         QAccessibleTextUpdateEvent evenement(liste, 0, *ancien, nouveau);
                         QAccessible::updateAccessibility(&evenement);
                         *ancien = nouveau;
                     });
}

void Accessibilite::Decorer(QWidget *decor)
{
    Marquer(decor, QAccessible::Client);
}

void Accessibilite::Envelopper(QWidget *enveloppe)
{
    Marquer(enveloppe, QAccessible::Client);
}

void Accessibilite::Annoncer(QWidget *annonce)
{
    // AT-SPI clients present a notification that shows (ARIA's "alert" maps to it there); the
    // Alert event and role, Qt's bridge drops or leaves unread.
    Marquer(annonce, QAccessible::Notification);
}

void Accessibilite::Encadrer(QWidget *fenetre)
{
    Marquer(fenetre, QAccessible::Window);
}

void Accessibilite::Installer()
{
    static const bool installee = (QAccessible::installFactory(Interface), true);
    Q_UNUSED(installee);
}

void Accessibilite::Marquer(QWidget *widget, QAccessible::Role role)
{
    Installer();
    widget->setProperty(ProprieteRole, int(role));
    // Qt may have described it already, as it was being filled: that description goes.
    if (QAccessibleInterface *ancienne = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(ancienne));
}

// Called for each class of the object, most derived first, before Qt's own factory.
QAccessibleInterface *Accessibilite::Interface(const QString &, QObject *objet)
{
    auto *widget = qobject_cast<QWidget *>(objet);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(ProprieteRole);
    if (role.isValid()) {
        if (auto *liste = qobject_cast<QComboBox *>(widget))
            return new ListeAccessible(
                liste,
                qobject_cast<QWidget *>(widget->property(ProprieteLegende).value<QObject *>()));
        return new InterfaceMarquee(widget, QAccessible::Role(role.toInt()));
    }
    if (auto *texte = qobject_cast<TexteLiens *>(widget))
        return new TexteLiensAccessible(texte);
    return nullptr;
}
