#include "widgets/TexteLiens.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QFocusEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

TexteLiens::TexteLiens(const QString &texte) : QLabel(texte)
{
    setWordWrap(true);
    setAlignment(Qt::AlignJustify);
    setTextFormat(Qt::RichText);
    setOpenExternalLinks(true);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
}

QList<TexteLiens::Lien> TexteLiens::Liens() const
{
    QTextDocument document;
    document.setHtml(text());
    QList<Lien> liens;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next())
        for (auto morceau = bloc.begin(); !morceau.atEnd(); ++morceau) {
            const QTextFragment fragment = morceau.fragment();
            const QString adresse = fragment.charFormat().anchorHref();
            if (adresse.isEmpty())
                continue;
            // One link may be cut into fragments where its formatting changes.
            if (!liens.isEmpty() && liens.last().adresse == adresse &&
                liens.last().debut + liens.last().texte.size() == fragment.position())
                liens.last().texte += fragment.text();
            else
                liens.append({fragment.text(), adresse, fragment.position()});
        }
    return liens;
}

// The keyboard's link is the one selected, as Qt shows it.
int TexteLiens::LienActif() const
{
    if (!hasFocus() || !hasSelectedText())
        return -1;
    const QList<Lien> liens = Liens();
    for (int i = 0; i < liens.size(); ++i)
        if (liens[i].debut == selectionStart())
            return i;
    return -1;
}

void TexteLiens::Ouvrir(int lien)
{
    const QList<Lien> liens = Liens();
    if (lien < 0 || lien >= liens.size())
        return;
    if (openExternalLinks())
        QDesktopServices::openUrl(QUrl(liens[lien].adresse));
    else
        emit linkActivated(liens[lien].adresse);
}

// Tab lands on the first link, Shift+Tab on the last, as in a browser: the text around them is
// no stop of its own.
void TexteLiens::focusInEvent(QFocusEvent *evenement)
{
    QLabel::focusInEvent(evenement);
    const QList<Lien> liens = Liens();
    const bool avant = evenement->reason() == Qt::TabFocusReason;
    if (!liens.isEmpty() && (avant || evenement->reason() == Qt::BacktabFocusReason)) {
        const Lien &lien = avant ? liens.first() : liens.last();
        setSelection(lien.debut, int(lien.texte.size()));
    }
    AnnoncerLienActif();
}

bool TexteLiens::focusNextPrevChild(bool suivant)
{
    const bool resteIci = QLabel::focusNextPrevChild(suivant);
    if (resteIci)
        AnnoncerLienActif();
    return resteIci;
}

void TexteLiens::AnnoncerLienActif()
{
    const int lien = LienActif();
    if (lien < 0 || !QAccessible::isActive())
        return;
    if (QAccessibleInterface *enfant = QAccessible::queryAccessibleInterface(this)->child(lien)) {
        QAccessibleEvent evenement(enfant, QAccessible::Focus);
        QAccessible::updateAccessibility(&evenement);
    }
}
