#ifndef APERCUJEU_H
#define APERCUJEU_H

#include "widgets/DessinJeu.h"
#include <QString>

#include <QString>
#include <QWidget>

// The nickname as the game will show it: the code cut where the game cuts it, read back as
// the game reads it, drawn in its colours, italics, bold, capitals and widths on a dark ground.
// What the game drops past its limit is not drawn.
class ApercuJeu : public QWidget
{
public:
    ApercuJeu();
    ~ApercuJeu() override;

    void Afficher(const QString &code);

    // The characters drawn, capitals applied.
    QString TexteAffiche() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Disposer();

    QString Code;
    DessinJeu Dessin;
};

#endif
