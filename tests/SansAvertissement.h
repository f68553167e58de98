#ifndef SANSAVERTISSEMENT_H
#define SANSAVERTISSEMENT_H

#include <QRegularExpression>
#include <QTest>

// A Qt warning is a fault: each test function fails on one (call this from init()), except
// this notice, which speaks of the platform and not of the program.
inline void RefuserAvertissements()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(
        "^(?!\\s*("
        "This plugin does not support propagateSizeHints\\(\\)" // offscreen has no window manager
        "))")));
}

#endif
