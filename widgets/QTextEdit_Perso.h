#ifndef QTEXTEDIT_PERSO_H
#define QTEXTEDIT_PERSO_H

#include <QBrush>
#include <QTextEdit>

// A one-line text edit, without scroll bars, that keeps a partner's scroll position equal to
// its own, so that the nickname and its drop shadow stay aligned however far the nickname
// scrolls. It never loads what its text points to.
class QTextEdit_Perso : public QTextEdit
{
public:
    QTextEdit_Perso();
    ~QTextEdit_Perso() override;

    // Pairing is one way: the caller pairs both editors.
    void DefinirPartenaire(QTextEdit *partenaire);

    // Makes this editor's text a copy of `modele`'s, every run in the same format but drawn
    // in `encre`: the drop shadow of `modele`.
    void ReproduireEnOmbre(const QTextDocument *modele, const QBrush &encre);
    // The same, then kept so after every change of `modele`, copying only the span that
    // changed: a keystroke costs the edit, not the whole nickname.
    void SuivreEnOmbre(const QTextDocument *modele, const QBrush &encre);

    // The height that shows one line in any of `polices`, upright or italic, descenders
    // included.
    int HauteurUneLigne(std::initializer_list<QFont> polices) const;

protected:
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    QVariant loadResource(int type, const QUrl &name) override;

private:
    void ReproduireSpan(int position, int retires, int ajoutes);
    void CopierMorceaux(QTextCursor &curseur, int debut, int fin);

    QTextEdit *Partenaire = nullptr;
    const QTextDocument *Modele = nullptr;
    QBrush Encre;
    QMetaObject::Connection Suivi;
};

#endif
