#ifndef CHAMPPSEUDO_H
#define CHAMPPSEUDO_H

#include "widgets/FiltreCollage.h"
#include "widgets/QTextEdit_Perso.h"

// The nickname field: one line that Enter never breaks and Tab leaves, into which every paste
// and drop comes through one filter, and where text that arrives without a colour takes the
// colour at the cursor (the default nickname colour in an empty field) in the same edit, so
// that undoing the typing never leaves black text behind.
class ChampPseudo : public QTextEdit_Perso
{
    Q_OBJECT

public:
    ChampPseudo();
    ~ChampPseudo() override;

    // Puts `texte` at the cursor, in place of the selection, as one edit.
    void InsererTexte(const QString &texte);

    // Puts `morceaux`, cleaned of controls and breaks as a paste is, in place of the whole
    // nickname, as one edit. Each unit keeps its own look: a code may colour a mark apart from
    // its letter.
    void RemplacerTout(const QList<FiltreCollage::Morceau> &morceaux);

signals:
    // A paste or a drop brought this text in.
    void TexteColle(const QString &texte);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    QTextCharFormat FormatDeSaisie(const QTextCursor &curseur) const;
    void PreparerSaisie();
    void Inserer(QTextCursor &curseur, const QList<FiltreCollage::Morceau> &morceaux,
                 bool noirSansCouleur);
};

#endif
