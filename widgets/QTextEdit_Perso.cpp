#include "widgets/QTextEdit_Perso.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

QTextEdit_Perso::QTextEdit_Perso() : QTextEdit(nullptr)
{
    setLineWrapMode(QTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// The model may outlive the copy: it must not call on a copy half destroyed.
QTextEdit_Perso::~QTextEdit_Perso()
{
    disconnect(Suivi);
}

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
    const int verticalPartenaire = Partenaire->verticalScrollBar()->value();
    const int horizontalPartenaire = Partenaire->horizontalScrollBar()->value();
    QTextEdit::scrollContentsBy(dx, dy);
    const int vertical = verticalScrollBar()->value();
    const int horizontal = horizontalScrollBar()->value();
    if (verticalPartenaire != vertical)
        Partenaire->verticalScrollBar()->setValue(vertical);
    if (horizontalPartenaire != horizontal)
        Partenaire->horizontalScrollBar()->setValue(horizontal);
}

// A partner lying inside this editor (the nickname over its shadow) keeps its size, one pixel
// up and left.
void QTextEdit_Perso::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    if (Partenaire && Partenaire->parentWidget() == this)
        Partenaire->setGeometry(QRect(QPoint(-1, -1), size()));
}

// A shadow draws its text and nothing else. Its own cursor, kept at the start so that no caret
// moves, spans the text once anything is copied in; drawn, that selection would put the style's
// highlight behind every nickname and the shadow in the highlighted text's colour.
void QTextEdit_Perso::paintEvent(QPaintEvent *event)
{
    if (!Modele) {
        QTextEdit::paintEvent(event);
        return;
    }
    const int x = isRightToLeft()
                      ? horizontalScrollBar()->maximum() - horizontalScrollBar()->value()
                      : horizontalScrollBar()->value();
    const QPoint decalage(x, verticalScrollBar()->value());
    QPainter peintre(viewport());
    peintre.translate(-decalage);
    QAbstractTextDocumentLayout::PaintContext contexte;
    contexte.palette = palette();
    contexte.clip = event->rect().translated(decalage);
    peintre.setClipRect(contexte.clip);
    document()->documentLayout()->draw(&peintre, contexte);
}

// A non-null empty answer: with a null one the document would open the file itself.
QVariant QTextEdit_Perso::loadResource(int type, const QUrl &)
{
    return type == QTextDocument::ImageResource ? QVariant(QImage()) : QVariant(QByteArray());
}

int QTextEdit_Perso::HauteurUneLigne(std::initializer_list<QFont> polices) const
{
    qreal ligne = 0;
    for (QFont police : polices) {
        for (bool italique : {false, true}) {
            police.setItalic(italique);
            QTextDocument essai;
            essai.setDocumentMargin(document()->documentMargin());
            essai.setDefaultFont(police);
            essai.setPlainText(QStringLiteral("ÀÉgjpqy"));
            ligne = qMax(ligne, essai.size().height());
        }
    }
    return int(std::ceil(ligne)) + 2 * frameWidth();
}

// Copies runs of equal format rather than characters, in one edit.
void QTextEdit_Perso::ReproduireEnOmbre(const QTextDocument *modele, const QBrush &encre)
{
    Modele = modele;
    Encre = encre;
    QTextCursor curseur(document());
    curseur.beginEditBlock();
    curseur.select(QTextCursor::Document);
    curseur.removeSelectedText();
    CopierMorceaux(curseur, 0, modele->characterCount() - 1);
    curseur.endEditBlock();
}

void QTextEdit_Perso::SuivreEnOmbre(const QTextDocument *modele, const QBrush &encre)
{
    // The shadow's own cursor stays at the start whatever is copied in: a caret that moved
    // would be reported to screen readers, by an editor they are not to hear.
    QTextCursor immobile(document());
    immobile.setKeepPositionOnInsert(true);
    setTextCursor(immobile);
    ReproduireEnOmbre(modele, encre);
    disconnect(Suivi);
    Suivi = connect(modele, &QTextDocument::contentsChange, this, &QTextEdit_Perso::ReproduireSpan);
}

// `modele` changed at `position`: `retires` characters went, `ajoutes` came (a change of format
// counts as both). Qt counts the document's closing separator into a change that reaches the
// end, hence the bounds; should the copy still differ in length, it is made again whole.
void QTextEdit_Perso::ReproduireSpan(int position, int retires, int ajoutes)
{
    const int finOmbre = document()->characterCount() - 1;
    const int finModele = Modele->characterCount() - 1;
    if (position < 0 || position > finOmbre || position > finModele) {
        ReproduireEnOmbre(Modele, Encre);
        return;
    }
    QTextCursor curseur(document());
    curseur.beginEditBlock();
    curseur.setPosition(position);
    curseur.setPosition(position + qMin(retires, finOmbre - position), QTextCursor::KeepAnchor);
    curseur.removeSelectedText();
    CopierMorceaux(curseur, position, position + qMin(ajoutes, finModele - position));
    curseur.endEditBlock();
    if (document()->characterCount() != Modele->characterCount() ||
        document()->blockCount() != Modele->blockCount())
        ReproduireEnOmbre(Modele, Encre);
}

// The model's text between `debut` and `fin`, each run in its own format drawn in the ink.
void QTextEdit_Perso::CopierMorceaux(QTextCursor &curseur, int debut, int fin)
{
    for (QTextBlock bloc = Modele->findBlock(debut); bloc.isValid() && bloc.position() < fin;
         bloc = bloc.next()) {
        for (QTextBlock::iterator morceau = bloc.begin(); !morceau.atEnd(); ++morceau) {
            const QTextFragment fragment = morceau.fragment();
            const int de = qMax(debut, fragment.position());
            const int a = qMin(fin, fragment.position() + fragment.length());
            if (de >= a)
                continue;
            QTextCharFormat format = fragment.charFormat();
            format.setForeground(Encre);
            curseur.insertText(fragment.text().mid(de - fragment.position(), a - de), format);
        }
        const int separateur = bloc.position() + bloc.length() - 1;
        if (bloc.next().isValid() && separateur >= debut && separateur < fin)
            curseur.insertBlock();
    }
}
