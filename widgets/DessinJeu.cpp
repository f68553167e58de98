#include "widgets/DessinJeu.h"

#include "encoder/CalculPseudo.h"
#include "encoder/DecodeurPseudo.h"

#include <QGuiApplication>
#include <QPainter>

#include <QTextCharFormat>
#include <cmath>

const QColor DessinJeu::Fond(34, 34, 34);

void DessinJeu::Disposer(const QString &code, const QFont &police)
{
    const DecodeurPseudo::Lecture lecture =
        DecodeurPseudo::Lire(code.left(CalculPseudo::NombreCases));
    // One range per run of equal look: each range is shaped and drawn on its own.
    QList<QTextLayout::FormatRange> formats;
    for (const DecodeurPseudo::Passage &passage : DecodeurPseudo::Passages(lecture))
        formats.append(
            {passage.debut, passage.longueur,
             CalculPseudo::FormatPour(passage.niveaux, passage.style, QColor(Qt::white), true)});
    Disposition.clearLayout();
    Disposition.setText(lecture.texte);
    Disposition.setFont(police);
    Disposition.setFormats(formats);
    Disposition.beginLayout();
    Disposition.createLine();
    Disposition.endLayout();
}

void DessinJeu::Dessiner(QPainter *peintre, const QPointF &origine) const
{
    Disposition.draw(peintre, origine);
}

QString DessinJeu::TexteAffiche() const
{
    QString texte;
    const QString source = Disposition.text();
    for (const QTextLayout::FormatRange &f : Disposition.formats())
        texte += f.format.fontCapitalization() == QFont::AllUppercase
                     ? source.mid(f.start, f.length).toUpper()
                     : source.mid(f.start, f.length);
    return texte;
}

QSizeF DessinJeu::Taille() const
{
    const QTextLine ligne = Disposition.lineAt(0);
    return ligne.isValid() ? QSizeF(ligne.naturalTextWidth(), ligne.height()) : QSizeF();
}

QFont DessinJeu::PoliceApercu()
{
    QFont police = QGuiApplication::font();
    police.setPointSize(police.pointSize() * 3 / 2);
    return police;
}

QImage DessinJeu::Image(const QString &code, qreal echelle)
{
    DessinJeu dessin;
    dessin.Disposer(code, PoliceApercu());
    const QSizeF taille = dessin.Taille() + QSizeF(2 * Marge, 2 * Marge);
    QImage image(
        QSizeF(std::ceil(taille.width() * echelle), std::ceil(taille.height() * echelle)).toSize(),
        QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(echelle);
    image.fill(Fond);
    QPainter peintre(&image);
    dessin.Dessiner(&peintre, QPointF(Marge, Marge));
    return image;
}
