#ifndef DESSINJEU_H
#define DESSINJEU_H

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QTextLayout>

class QPainter;

// A nickname as the game draws it: the code cut where the game cuts it, read back as the game
// reads it, laid out in its colours, italics, bold, capitals and widths, to be drawn on the
// game's dark ground. One place decides how a run looks, for the preview and the collection.
class DessinJeu
{
public:
    // The game draws text with no colour of its own in white, on a dark ground.
    static const QColor Fond;
    static constexpr int Marge = 4;

    void Disposer(const QString &code, const QFont &police);
    // Draws the line with its top left corner at `origine`.
    void Dessiner(QPainter *peintre, const QPointF &origine) const;

    // The characters drawn, capitals applied.
    QString TexteAffiche() const;
    // The line's own size, without the margins.
    QSizeF Taille() const;

    // The font the preview draws in: half as large again as the application's.
    static QFont PoliceApercu();
    // What the game keeps of `code`, drawn on its dark ground with margins, at `echelle`
    // device pixels per pixel.
    static QImage Image(const QString &code, qreal echelle);

private:
    QTextLayout Disposition;
};

#endif
