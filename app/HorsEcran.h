#ifndef HORSECRAN_H
#define HORSECRAN_H

// Drawing with no window and no display (`--render … --format png`): Qt's offscreen platform,
// with the fonts of the system it runs on.
struct HorsEcran
{
    // Before the application object. On Windows the offscreen platform reads fonts only from
    // QT_QPA_FONTDIR, so it is pointed at the Windows fonts folder unless already set.
    static void Preparer();
    // After it: the desktop's own interface face where the platform offers none (on Windows,
    // as the window's preview would draw); elsewhere the platform's default stays.
    static void AppliquerPolice();
};

#endif
