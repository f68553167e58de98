#ifndef ACCESSIBILITE_H
#define ACCESSIBILITE_H

#include <QAccessible>

class QComboBox;
class QWidget;

// What screen readers are told where Qt's own description says too little or too much. Each
// call marks a widget before assistive tools first ask for it; the first call installs the
// factory that reads the marks.
class Accessibilite
{
public:
    // The combo box is introduced by `legende`'s text (a radio button's caption, or a label),
    // as a label set with QLabel::setBuddy introduces its buddy, and its current item is read
    // as its value.
    static void Legender(QComboBox *liste, QWidget *legende);
    // Drawn for the eye only: neither a field nor a control, and what it says of its text is
    // not passed on. What it holds is presented as usual.
    static void Decorer(QWidget *decor);
    // Holds controls and is none itself, a filler that screen readers pass over; where its focus
    // goes to a focus proxy inside it (a tab widget's tab bar), it does not claim the focus.
    static void Envelopper(QWidget *enveloppe);
    // Read out by screen readers each time it shows.
    static void Annoncer(QWidget *annonce);
    // A window built on a plain QWidget: a frame named by its title, as a QMainWindow or a
    // dialog is, not a nameless filler.
    static void Encadrer(QWidget *fenetre);
    // For the widgets described by their class (TexteLiens), which do not call on this class:
    // any call above installs it, as the window's first does.
    static void Installer();

private:
    static void Marquer(QWidget *widget, QAccessible::Role role);
    static QAccessibleInterface *Interface(const QString &classe, QObject *objet);
};

#endif
