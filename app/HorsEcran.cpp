#include "app/HorsEcran.h"

#include <QByteArray>
#include <QString>

#ifdef Q_OS_WIN
#include <QFontDatabase>
#include <QGuiApplication>

#include <windows.h>
#endif

void HorsEcran::Preparer()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        wchar_t windows[MAX_PATH];
        const UINT longueur = GetWindowsDirectoryW(windows, MAX_PATH);
        if (longueur > 0 && longueur < MAX_PATH)
            qputenv("QT_QPA_FONTDIR",
                    (QString::fromWCharArray(windows, int(longueur)) + QStringLiteral("\\Fonts"))
                        .toLocal8Bit());
    }
#endif
}

void HorsEcran::AppliquerPolice()
{
#ifdef Q_OS_WIN
    // What Windows draws its interface in from Vista on, then before it (and Wine's).
    const QStringList familles = QFontDatabase::families();
    for (const char *famille : {"Segoe UI", "Tahoma", "Arial"}) {
        if (familles.contains(QLatin1String(famille))) {
            QGuiApplication::setFont(QFont(QLatin1String(famille), 9));
            return;
        }
    }
#endif
}
