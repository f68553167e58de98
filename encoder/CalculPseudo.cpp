#include "encoder/CalculPseudo.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <iterator>

namespace {

bool SansCouleur(const int niveaux[3][CalculPseudo::NombreCases], int k)
{
    return niveaux[0][k] == -1;
}

bool MemeCouleur(const int niveaux[3][CalculPseudo::NombreCases], int a, int b)
{
    return niveaux[0][a] == niveaux[0][b] && niveaux[1][a] == niveaux[1][b] &&
           niveaux[2][a] == niveaux[2][b];
}

const char *CodeLargeur(int largeur)
{
    switch (largeur) {
    case 1:
        return "$w";
    case 2:
        return "$n";
    default:
        return "$m";
    }
}

// The toggles from one style to the next, in their fixed order.
QString Bascules(int style, int precedent)
{
    QString codes;
    using C = CalculPseudo;
    if (C::Italique(style) != C::Italique(precedent))
        codes += QLatin1String("$i");
    if (C::Gras(style) != C::Gras(precedent))
        codes += QLatin1String("$o");
    if (C::Majuscules(style) != C::Majuscules(precedent))
        codes += QLatin1String("$t");
    return codes;
}

} // namespace

CalculPseudo::CalculPseudo()
{
    for (auto &canal : Niveaux)
        std::fill(std::begin(canal), std::end(canal), -1);
    std::fill(std::begin(Styles), std::end(Styles), 0);
}

CalculPseudo::~CalculPseudo() = default;

QTextCursor CalculPseudo::CurseurSurCaractere(QTextDocument *document, int position)
{
    QTextCursor curseur(document);
    curseur.setPosition(position);
    curseur.setPosition(position + 1, QTextCursor::KeepAnchor);
    return curseur;
}

// A run of characters in one format is read once: the refresh runs on every keystroke.
// Positions no run covers (a paragraph mark) are read one by one, as they always were.
void CalculPseudo::LireAttributs(QTextEdit *editeur, QColor couleurParDefaut)
{
    QTextDocument *document = editeur->document();
    const int longueur = document->characterCount() - 1; // without the closing paragraph mark
    if (longueur == 0) {
        // Slot 0 still takes the empty document's format; nothing ever reads it.
        LireCase(0, QTextCursor(document).charFormat(), couleurParDefaut);
        return;
    }
    const int cases = qMin(longueur, NombreCases);
    int k = 0;
    const auto lireJusqua = [&](int fin) {
        for (; k < qMin(fin, cases); ++k)
            LireCase(k, CurseurSurCaractere(document, k).charFormat(), couleurParDefaut);
    };
    for (QTextBlock bloc = document->begin(); bloc.isValid() && k < cases; bloc = bloc.next()) {
        for (QTextBlock::iterator morceau = bloc.begin(); !morceau.atEnd() && k < cases;
             ++morceau) {
            const QTextFragment fragment = morceau.fragment();
            lireJusqua(fragment.position());
            const int fin = qMin(cases, fragment.position() + fragment.length());
            if (k >= fin)
                continue;
            LireCase(k, fragment.charFormat(), couleurParDefaut);
            for (int p = k + 1; p < fin; ++p) {
                for (auto &canal : Niveaux)
                    canal[p] = canal[k];
                Styles[p] = Styles[k];
            }
            k = fin;
        }
    }
    lireJusqua(cases);
}

void CalculPseudo::LireCase(int k, const QTextCharFormat &format, const QColor &couleurParDefaut)
{
    // A character that never got a foreground has the default brush, whose colour is black.
    const QColor couleur = format.foreground().color();
    if (couleur == couleurParDefaut) {
        Niveaux[0][k] = Niveaux[1][k] = Niveaux[2][k] = -1;
    } else {
        Niveaux[0][k] = NiveauCanal(couleur.red());
        Niveaux[1][k] = NiveauCanal(couleur.green());
        Niveaux[2][k] = NiveauCanal(couleur.blue());
    }

    const QFont police = format.font();
    const int etirement = police.stretch();
    Styles[k] = etirement == EtirementNormal ? 0 : etirement == EtirementLarge ? 1 : 2;
    if (police.style() != QFont::StyleNormal)
        Styles[k] += StyleItalique;
    if (police.weight() >= PoidsGras)
        Styles[k] += StyleGras;
    if (police.capitalization() == QFont::AllUppercase)
        Styles[k] += StyleMajuscules;
}

QString CalculPseudo::GenererCode(QString texte)
{
    QString code;
    code.reserve(texte.size() * 2 + 16);
    for (int n = 0; n < texte.size(); ++n) {
        // Characters past the table have no slot: they keep the last formatting and only
        // their dollar is doubled.
        if (n < NombreCases)
            code += Prefixe(n);
        if (texte.at(n) == u'$')
            code += u'$';
        code += texte.at(n);
    }
    PseudoOut = code;
    return code;
}

int CalculPseudo::LongueurAvecNiveaux(const QString &texte, const QList<int> &caracteres,
                                      const std::vector<std::array<int, 3>> &niveaux) const
{
    CalculPseudo essai;
    std::copy(&Niveaux[0][0], &Niveaux[0][0] + 3 * NombreCases, &essai.Niveaux[0][0]);
    std::copy(std::begin(Styles), std::end(Styles), std::begin(essai.Styles));
    for (int j = 0; j + 1 < caracteres.size(); ++j)
        for (int p = caracteres[j]; p < caracteres[j + 1] && p < NombreCases; ++p)
            for (int canal = 0; canal < 3; ++canal)
                essai.Niveaux[canal][p] = niveaux[j][canal];
    return int(essai.GenererCode(texte).size());
}

QTextCharFormat CalculPseudo::FormatPour(const std::array<int, 3> &niveaux, int style,
                                         const QColor &sansCouleur, bool largeur)
{
    QTextCharFormat format;
    format.setForeground(
        QBrush(niveaux[0] < 0 ? sansCouleur : CouleurNiveaux(niveaux), Qt::SolidPattern));
    if (largeur)
        format.setFontStretch(Largeur(style) == 1   ? EtirementLarge
                              : Largeur(style) == 2 ? EtirementSerre
                                                    : EtirementNormal);
    format.setFontItalic(Italique(style));
    if (Gras(style))
        format.setFontWeight(PoidsGras);
    if (Majuscules(style))
        format.setFontCapitalization(QFont::AllUppercase);
    return format;
}

void CalculPseudo::DefinirCases(const std::vector<std::array<int, 3>> &niveaux,
                                const std::vector<int> &styles)
{
    for (int k = 0; k < NombreCases && k < int(niveaux.size()); ++k) {
        for (int canal = 0; canal < 3; ++canal)
            Niveaux[canal][k] = niveaux[k][canal];
        Styles[k] = styles[k];
    }
}

// The codes put in front of character n: width, then italic, bold and capitals, then colour;
// or "$z" alone when character n goes back to the plain look.
QString CalculPseudo::Prefixe(int n) const
{
    const int style = Styles[n];
    const bool plain = SansCouleur(Niveaux, n) && style == 0;
    QString prefixe;

    if (n == 0) {
        if (Largeur(style) != 0)
            prefixe += QLatin1String(CodeLargeur(Largeur(style)));
        prefixe += Bascules(style, 0);
    } else {
        const int stylePrecedent = Styles[n - 1];
        const bool precedentPlain = SansCouleur(Niveaux, n - 1) && stylePrecedent == 0;
        if (plain) {
            if (!precedentPlain)
                prefixe = QStringLiteral("$z");
            return prefixe;
        }
        if (Largeur(style) != Largeur(stylePrecedent))
            prefixe += QLatin1String(CodeLargeur(Largeur(style)));
        prefixe += Bascules(style, stylePrecedent);
        if (MemeCouleur(Niveaux, n, n - 1))
            return prefixe;
        if (SansCouleur(Niveaux, n)) {
            prefixe += QLatin1String("$g");
            return prefixe;
        }
    }

    if (!SansCouleur(Niveaux, n)) {
        prefixe += u'$';
        for (int canal = 0; canal < 3; ++canal)
            prefixe += QString::number(Niveaux[canal][n], 16);
    }
    return prefixe;
}
