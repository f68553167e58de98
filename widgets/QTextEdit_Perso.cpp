#include "widgets/QTextEdit_Perso.h"

#include <QScrollBar>

QTextEdit_Perso::QTextEdit_Perso() : QTextEdit(nullptr) {}

QTextEdit_Perso::~QTextEdit_Perso() = default;

void QTextEdit_Perso::DefinirPartenaire(QTextEdit *partenaire)
{
    Partenaire = partenaire;
}

void QTextEdit_Perso::scrollContentsBy(int dx, int dy)
{
    if (!Partenaire) {
        QTextEdit::scrollContentsBy(dx, dy);
        return;
    }
    // The partner's position is read before scrolling and compared with ours after it. When
    // the partner clamps to a shorter range, its own mirroring brings us back to its maximum;
    // setting a scroll bar to the value it has emits nothing, so the exchange ends there.
    const int positionPartenaire = Partenaire->verticalScrollBar()->value();
    QTextEdit::scrollContentsBy(dx, dy);
    const int position = verticalScrollBar()->value();
    if (positionPartenaire != position)
        Partenaire->verticalScrollBar()->setValue(position);
}
