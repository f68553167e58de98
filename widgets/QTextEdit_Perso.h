#ifndef QTEXTEDIT_PERSO_H
#define QTEXTEDIT_PERSO_H

#include <QTextEdit>

// A text edit that keeps a partner's vertical scroll position equal to its own, so that the
// nickname and its drop shadow stay aligned when the nickname wraps.
class QTextEdit_Perso : public QTextEdit
{
public:
    QTextEdit_Perso();
    ~QTextEdit_Perso() override;

    // Pairing is one way: the caller pairs both editors.
    void DefinirPartenaire(QTextEdit *partenaire);

protected:
    void scrollContentsBy(int dx, int dy) override;

private:
    QTextEdit *Partenaire = nullptr;
};

#endif
