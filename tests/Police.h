#ifndef POLICE_H
#define POLICE_H

#include <QFontInfo>
#include <QWidget>

// For the message of a test that draws text: the face fontconfig really gave the widget. On a
// machine without the set-up's fonts every label falls back to whatever face it finds.
inline QByteArray Police(const QWidget *widget)
{
    return "; drawn in " + QFontInfo(widget->font()).family().toUtf8();
}

#endif
