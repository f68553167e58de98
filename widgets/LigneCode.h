#ifndef LIGNECODE_H
#define LIGNECODE_H

#include <QLineEdit>

// The line the code is copied from: read-only, wide enough for a whole 45-character code and
// holding a code of any length. It shows every keystroke's new code, so it is kept cheap: its
// panel is drawn once and copied, and a code of Latin letters, digits and signs alone (nearly
// every code) is laid out without shaping, which it does not need.
class LigneCode : public QLineEdit
{
    Q_OBJECT

public:
    LigneCode();

    void Afficher(const QString &code);
    // The whole code selected, the keyboard here: ready for the player's own copy.
    void MontrerPourCopie();

private:
    bool SansFaconnage = false;
};

#endif
