#ifndef BANNIERETITRE_H
#define BANNIERETITRE_H

#include <QPixmap>
#include <QString>
#include <QWidget>

// The banner: the title image, and under the title a subtitle drawn as text, so that it speaks
// the window's language. Dark letters with a light halo read on a light window and a dark one.
class BanniereTitre : public QWidget
{
public:
    explicit BanniereTitre(const QString &sousTitre);
    ~BanniereTitre() override;

    QString SousTitre() const { return Texte; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Narrower than its image (given a smaller minimum width, on a phone), it shrinks whole.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largeur) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap Image;
    QString Texte;
};

#endif
