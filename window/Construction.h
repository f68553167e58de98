#ifndef CONSTRUCTION_H
#define CONSTRUCTION_H

#include <QLabel>

#include <utility>

// Widgets are created without a parent; the layouts give them one. The name lets tests and
// style sheets find them.
template <typename Widget, typename... Arguments>
Widget *Nouveau(const char *nom, Arguments &&...arguments)
{
    auto *widget = new Widget(std::forward<Arguments>(arguments)...);
    widget->setObjectName(QLatin1String(nom));
    return widget;
}

// A page's help: justified, wrapped to the page's width.
inline QLabel *NouvelleAide(const char *nom, const QString &texte)
{
    auto *aide = Nouveau<QLabel>(nom, texte);
    aide->setWordWrap(true);
    aide->setAlignment(Qt::AlignJustify);
    return aide;
}

#endif
