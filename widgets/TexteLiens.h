#ifndef TEXTELIENS_H
#define TEXTELIENS_H

#include <QLabel>
#include <QList>

// A page's help, justified and wrapped, whose links the keyboard reaches: Tab goes from one to
// the next and Enter opens it in the browser. Screen readers find each link as one, and hear
// of it when the keyboard reaches it (Accessibilite describes it so, once installed).
class TexteLiens : public QLabel
{
    Q_OBJECT

public:
    struct Lien
    {
        QString texte;
        QString adresse;
        int debut; // in the text as read, without markup
    };

    explicit TexteLiens(const QString &texte);

    QList<Lien> Liens() const;
    // The link the keyboard is on, or -1.
    int LienActif() const;
    void Ouvrir(int lien);

protected:
    void focusInEvent(QFocusEvent *evenement) override;
    bool focusNextPrevChild(bool suivant) override;

private:
    void AnnoncerLienActif();
};

#endif
