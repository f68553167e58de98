#ifndef PRESSEPAPIERSPAGE_H
#define PRESSEPAPIERSPAGE_H

// The clipboard of a page, the same in every browser. Qt listens for the browser's copy, cut
// and paste events on the document in Chromium only, on its canvas elsewhere, where the hidden
// field that holds the keyboard focus keeps them from arriving; and it cannot tell whether the
// browser took a copy. Nothing to do on the desktop.
struct PressePapiersPage
{
    // Before the window: every copy, cut and paste of the page goes to Qt, once, whatever the
    // browser; the program's own copies say whether the browser took them.
    static void Installer();
};

#endif
