#include "widgets/ApercuJeu.h"

#include "encoder/CalculPseudo.h"
#include "encoder/DecodeurPseudo.h"

#include <QEvent>
#include <QPainter>
#include <QTextCharFormat>

namespace {

// The game draws text with no colour of its own in white, on a dark ground.
const QColor Fond(34, 34, 34);
const QColor SansCouleur(Qt::white);
constexpr int Marge = 4;

} // namespace

ApercuJeu::ApercuJeu()
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

ApercuJeu::~ApercuJeu() = default;

// Only what the game keeps decides the drawing: past it, nothing is laid out again.
void ApercuJeu::Afficher(const QString &code)
{
    const QString garde = code.left(CalculPseudo::NombreCases);
    if (garde == Code)
        return;
    Code = garde;
    Disposer();
    update();
}

void ApercuJeu::Disposer()
{
    const DecodeurPseudo::Lecture lecture = DecodeurPseudo::Lire(Code);
    // One range per run of equal look: each range is shaped and drawn on its own.
    QList<QTextLayout::FormatRange> formats;
    for (int debut = 0, fin = 0; debut < lecture.texte.size(); debut = fin) {
        while (fin < lecture.texte.size() && lecture.niveaux[fin] == lecture.niveaux[debut] &&
               lecture.styles[fin] == lecture.styles[debut])
            ++fin;
        formats.append({debut, fin - debut,
                        CalculPseudo::FormatPour(lecture.niveaux[debut], lecture.styles[debut],
                                                 SansCouleur, true)});
    }
    Disposition.clearLayout();
    Disposition.setText(lecture.texte);
    Disposition.setFont(font());
    Disposition.setFormats(formats);
    Disposition.beginLayout();
    QTextLine ligne = Disposition.createLine();
    if (ligne.isValid())
        ligne.setPosition(QPointF(Marge, Marge));
    Disposition.endLayout();
}

QString ApercuJeu::TexteAffiche() const
{
    QString texte;
    const QString source = Disposition.text();
    for (const QTextLayout::FormatRange &f : Disposition.formats())
        texte += f.format.fontCapitalization() == QFont::AllUppercase
                     ? source.mid(f.start, f.length).toUpper()
                     : source.mid(f.start, f.length);
    return texte;
}

QSize ApercuJeu::sizeHint() const
{
    return minimumSizeHint();
}

// Room for a nickname of usual length; a wider window shows more.
QSize ApercuJeu::minimumSizeHint() const
{
    return QSize(QFontMetrics(font()).horizontalAdvance(QString(24, u'n')),
                 QFontMetrics(font()).height()) +
           QSize(2 * Marge, 2 * Marge);
}

void ApercuJeu::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), Fond);
    Disposition.draw(&peintre, QPointF());
}

void ApercuJeu::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        Disposer();
    QWidget::changeEvent(event);
}
