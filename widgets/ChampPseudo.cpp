#include "widgets/ChampPseudo.h"

#include "encoder/CalculPseudo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

ChampPseudo::ChampPseudo()
{
    setTabChangesFocus(true);
}

ChampPseudo::~ChampPseudo() = default;

// What typed text takes at this cursor: the format there, with the default nickname colour
// where it has none (only an empty field has none).
QTextCharFormat ChampPseudo::FormatDeSaisie(const QTextCursor &curseur) const
{
    QTextCharFormat format = curseur.charFormat();
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        format.setForeground(
            QBrush(QColor(CalculPseudo::CouleurPseudoParDefaut), Qt::SolidPattern));
    return format;
}

// Changes only the format the next typed character takes, never the document.
void ChampPseudo::PreparerSaisie()
{
    const QTextCursor curseur = textCursor();
    if (!curseur.hasSelection() && !curseur.charFormat().hasProperty(QTextFormat::ForegroundBrush))
        setCurrentCharFormat(FormatDeSaisie(curseur));
}

void ChampPseudo::keyPressEvent(QKeyEvent *event)
{
    // One line: Enter, in any combination, inserts nothing and goes on to the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    PreparerSaisie();
    QTextEdit_Perso::keyPressEvent(event);
}

void ChampPseudo::inputMethodEvent(QInputMethodEvent *event)
{
    PreparerSaisie();
    QTextEdit_Perso::inputMethodEvent(event);
}

void ChampPseudo::InsererTexte(const QString &texte)
{
    QTextCursor curseur = textCursor();
    curseur.beginEditBlock();
    curseur.removeSelectedText();
    curseur.insertText(texte, FormatDeSaisie(curseur));
    curseur.endEditBlock();
    setTextCursor(curseur);
}

bool ChampPseudo::canInsertFromMimeData(const QMimeData *source) const
{
    return source && (source->hasText() || source->hasHtml());
}

// Ctrl+V, the middle button, drops and the context menu all come here.
void ChampPseudo::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly() || !source)
        return;
    const QList<FiltreCollage::Morceau> morceaux = FiltreCollage::Lire(*source);
    if (morceaux.isEmpty())
        return;
    QTextCursor curseur = textCursor();
    Inserer(curseur, morceaux, true);
    QString texte;
    for (const FiltreCollage::Morceau &morceau : morceaux)
        texte += morceau.texte;
    emit TexteColle(texte);
}

void ChampPseudo::RemplacerTout(const QList<FiltreCollage::Morceau> &morceaux)
{
    QTextCursor curseur(document());
    curseur.select(QTextCursor::Document);
    Inserer(curseur, FiltreCollage::Nettoyer(morceaux, FiltreCollage::ParUnite), false);
}

// Each run over the format typed text would take there, in one edit. A paste into an empty
// field that is black throughout (text copied from a page usually is) takes the default
// colour, as typed text would, when `noirSansCouleur`.
void ChampPseudo::Inserer(QTextCursor &curseur, const QList<FiltreCollage::Morceau> &morceaux,
                          bool noirSansCouleur)
{
    curseur.beginEditBlock();
    curseur.removeSelectedText();
    const QTextCharFormat saisie = FormatDeSaisie(curseur);
    bool noir = noirSansCouleur && document()->isEmpty();
    for (const FiltreCollage::Morceau &morceau : morceaux)
        noir = noir && (!morceau.format.hasProperty(QTextFormat::ForegroundBrush) ||
                        morceau.format.foreground().color() == QColor(Qt::black));

    for (const FiltreCollage::Morceau &morceau : morceaux) {
        QTextCharFormat format = saisie;
        format.merge(morceau.format);
        if (noir)
            format.setForeground(saisie.foreground());
        curseur.insertText(morceau.texte, format);
    }
    curseur.endEditBlock();
    setTextCursor(curseur);
    ensureCursorVisible();
}
