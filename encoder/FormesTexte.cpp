#include "encoder/FormesTexte.h"

#include "encoder/CalculPseudo.h"
#include "encoder/DecodeurPseudo.h"

#include <QStringList>

namespace {

int Canal(const DecodeurPseudo::Passage &passage, int canal)
{
    return CalculPseudo::ValeurNiveau(passage.niveaux[canal]);
}

QString Style(const DecodeurPseudo::Passage &passage)
{
    QStringList proprietes;
    if (passage.niveaux[0] >= 0)
        proprietes << QStringLiteral("color:#%1%2%3")
                          .arg(Canal(passage, 0), 2, 16, QLatin1Char('0'))
                          .arg(Canal(passage, 1), 2, 16, QLatin1Char('0'))
                          .arg(Canal(passage, 2), 2, 16, QLatin1Char('0'));
    if (CalculPseudo::Italique(passage.style))
        proprietes << QStringLiteral("font-style:italic");
    if (CalculPseudo::Gras(passage.style))
        proprietes << QStringLiteral("font-weight:bold");
    if (CalculPseudo::Majuscules(passage.style))
        proprietes << QStringLiteral("text-transform:uppercase");
    if (const int largeur = CalculPseudo::Largeur(passage.style))
        proprietes << QStringLiteral("font-stretch:%1%")
                          .arg(largeur == 1 ? CalculPseudo::EtirementLarge
                                            : CalculPseudo::EtirementSerre);
    return proprietes.join(u';');
}

} // namespace

QString FormesTexte::Lisible(QString texte)
{
    for (QChar &c : texte)
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7f || (c.unicode() >= 0x80 && c.unicode() < 0xa0))
            c = QChar(0x2421);
    return texte;
}

// Half of a character outside the BMP is no character at all: the cut stops before it.
QString FormesTexte::Couper(const QString &code)
{
    const int garde = CalculPseudo::NombreCases;
    return code.left(code.size() > garde && code.at(garde - 1).isHighSurrogate() ? garde - 1
                                                                                 : garde);
}

QString FormesTexte::Texte(const QString &code)
{
    return DecodeurPseudo::Lire(code).texte;
}

QString FormesTexte::TexteLisible(const QString &code)
{
    return Lisible(Texte(code));
}

// In a page as in the game: spaces kept, a right-to-left override kept inside the nickname
// (<bdi> isolates it from the text around), control characters shown as pictures.
QString FormesTexte::Html(const QString &code)
{
    const DecodeurPseudo::Lecture lecture = DecodeurPseudo::Lire(code);
    QString html = QStringLiteral("<bdi style=\"white-space:pre\">");
    for (const DecodeurPseudo::Passage &passage : DecodeurPseudo::Passages(lecture)) {
        const QString style = Style(passage);
        html += (style.isEmpty() ? QStringLiteral("<span>")
                                 : QStringLiteral("<span style=\"%1\">").arg(style)) +
                Lisible(lecture.texte.mid(passage.debut, passage.longueur)).toHtmlEscaped() +
                QStringLiteral("</span>");
    }
    return html + QStringLiteral("</bdi>");
}

QString FormesTexte::Ansi(const QString &code)
{
    const DecodeurPseudo::Lecture lecture = DecodeurPseudo::Lire(code);
    const QString echap = QStringLiteral("\x1b[");
    QString ligne;
    for (const DecodeurPseudo::Passage &passage : DecodeurPseudo::Passages(lecture)) {
        ligne += echap + QStringLiteral("0");
        if (passage.niveaux[0] >= 0)
            ligne += QStringLiteral(";38;2;%1;%2;%3")
                         .arg(Canal(passage, 0))
                         .arg(Canal(passage, 1))
                         .arg(Canal(passage, 2));
        if (CalculPseudo::Gras(passage.style))
            ligne += QStringLiteral(";1");
        if (CalculPseudo::Italique(passage.style))
            ligne += QStringLiteral(";3");
        const QString texte = Lisible(lecture.texte.mid(passage.debut, passage.longueur));
        ligne += u'm' + (CalculPseudo::Majuscules(passage.style) ? texte.toUpper() : texte);
    }
    return ligne + echap + QStringLiteral("0m");
}
