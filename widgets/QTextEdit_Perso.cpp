#include "widgets/QTextEdit_Perso.h"

#include <QImage>
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

// Copies runs of equal format rather than characters, in one edit: the shadow is rebuilt
// after every change of the nickname, so its cost is paid on every keystroke.
void QTextEdit_Perso::ReproduireEnOmbre(const QTextDocument *modele, const QBrush &encre)
{
    QTextCursor curseur(document());
    curseur.beginEditBlock();
    curseur.select(QTextCursor::Document);
    curseur.removeSelectedText();
    for (QTextBlock bloc = modele->begin(); bloc.isValid(); bloc = bloc.next()) {
        if (bloc != modele->begin())
            curseur.insertBlock();
        for (QTextBlock::iterator morceau = bloc.begin(); !morceau.atEnd(); ++morceau) {
            QTextCharFormat format = morceau.fragment().charFormat();
            format.setForeground(encre);
            curseur.insertText(morceau.fragment().text(), format);
        }
    }
    curseur.endEditBlock();
}
