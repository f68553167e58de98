#include "widgets/LigneCode.h"

#include "widgets/PanneauMemorise.h"
#include "widgets/SortieCode.h"

#include <algorithm>
#include <limits>

LigneCode::LigneCode()
{
    setMinimumWidth(SortieCode::LargeurCode(fontMetrics()));
    setReadOnly(true);
    auto *style = new PanneauMemorise;
    style->setParent(this);
    setStyle(style);
    setMaxLength(std::numeric_limits<int>::max());
}

// Below U+0300 no character combines with another nor needs a shaper's rules; past it
// (combining marks, complex scripts, emoji sequences) the text is shaped as everywhere else.
void LigneCode::Afficher(const QString &code)
{
    const bool simple =
        std::all_of(code.begin(), code.end(), [](QChar c) { return c.unicode() < 0x0300; });
    if (simple != SansFaconnage) {
        SansFaconnage = simple;
        QFont police = font();
        police.setStyleStrategy(simple ? QFont::PreferNoShaping : QFont::PreferDefault);
        setFont(police);
    }
    if (text() != code)
        setText(code);
}

void LigneCode::MontrerPourCopie()
{
    setFocus(Qt::OtherFocusReason);
    selectAll();
}
