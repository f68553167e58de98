#include "widgets/DessinJeu.h"

#include "encoder/CalculPseudo.h"
#include "encoder/DecodeurPseudo.h"

#include <QPainter>
#include <QTextCharFormat>

const QColor DessinJeu::Fond(34, 34, 34);

void DessinJeu::Disposer(const QString &code, const QFont &police)
{
    const DecodeurPseudo::Lecture lecture =
        DecodeurPseudo::Lire(code.left(CalculPseudo::NombreCases));
    // One range per run of equal look: each range is shaped and drawn on its own.
    QList<QTextLayout::FormatRange> formats;
    for (int debut = 0, fin = 0; debut < lecture.texte.size(); debut = fin) {
        while (fin < lecture.texte.size() && lecture.niveaux[fin] == lecture.niveaux[debut] &&
               lecture.styles[fin] == lecture.styles[debut])
            ++fin;
        formats.append({debut, fin - debut,
                        CalculPseudo::FormatPour(lecture.niveaux[debut], lecture.styles[debut],
                                                 QColor(Qt::white), true)});
    }
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
