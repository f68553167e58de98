#include "widgets/FiltreCollage.h"

#include "encoder/CalculPseudo.h"
#include "encoder/Graphemes.h"

#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPalette>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

// One format index per UTF-16 unit of the text, into `formats`; -1 for none.
struct FiltreCollage::Brut
{
    QString texte;
    QList<int> formatDe;
    QList<QTextCharFormat> formats;

    void Ajouter(const QString &morceau, int format)
    {
        texte += morceau;
        formatDe.append(QList<int>(morceau.size(), format));
    }
};

namespace {

// Parses pasted HTML without ever laying it out or loading what it points to: images, style
// sheets, files, devices and FIFOs are answered with nothing.
class DocumentSansRessources : public QTextDocument
{
protected:
    QVariant loadResource(int type, const QUrl &) override
    {
        return type == QTextDocument::ImageResource ? QVariant(QImage()) : QVariant(QByteArray());
    }
};

bool EstSaut(char16_t c)
{
    switch (c) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085:               // next line
    case QChar::LineSeparator: // <br> in a document
    case QChar::ParagraphSeparator:
        return true;
    default:
        return false;
    }
}

bool EstARetirer(char16_t c)
{
    // The document's own frame marks would open new blocks if inserted; U+FFFC stands for an
    // image or an object.
    return QChar::category(c) == QChar::Other_Control || c == QChar::ObjectReplacementCharacter ||
           c == 0xFDD0 || c == 0xFDD1;
}

// Keeps what the game shows of a pasted format: an opaque colour (a translucent one is
// taken as opaque, an invisible one as none, a link's own colour as none), italic, bold,
// capitals, and a width the capture reads.
QTextCharFormat Garder(const QTextCharFormat &source)
{
    QTextCharFormat format;
    const QBrush brosse = source.foreground();
    const bool couleurDeLien =
        source.isAnchor() && brosse.color() == QGuiApplication::palette().color(QPalette::Link);
    if (source.hasProperty(QTextFormat::ForegroundBrush) && brosse.style() != Qt::NoBrush &&
        brosse.color().alpha() > 0 && !couleurDeLien) {
        QColor couleur = brosse.color();
        couleur.setAlpha(255);
        format.setForeground(QBrush(couleur, Qt::SolidPattern));
    }
    if (source.hasProperty(QTextFormat::FontItalic))
        format.setFontItalic(source.fontItalic());
    if (source.hasProperty(QTextFormat::FontWeight) && source.fontWeight() >= QFont::DemiBold)
        format.setFontWeight(CalculPseudo::PoidsGras);
    if (source.fontCapitalization() == QFont::AllUppercase)
        format.setFontCapitalization(QFont::AllUppercase);
    const int etirement = source.fontStretch();
    if (source.hasProperty(QTextFormat::FontStretch) &&
        (etirement == CalculPseudo::EtirementNormal || etirement == CalculPseudo::EtirementLarge ||
         etirement == CalculPseudo::EtirementSerre))
        format.setFontStretch(etirement);
    return format;
}

} // namespace

QList<FiltreCollage::Morceau> FiltreCollage::Lire(const QMimeData &donnees)
{
    Brut brut;
    if (donnees.hasHtml())
        LireHtml(donnees.html(), brut);
    else
        brut.Ajouter(donnees.text(), -1);
    return Terminer(brut, ParCaractere);
}

QList<FiltreCollage::Morceau> FiltreCollage::Nettoyer(const QList<Morceau> &morceaux, Unites unites)
{
    Brut brut;
    for (const Morceau &morceau : morceaux) {
        brut.formats.append(morceau.format);
        brut.Ajouter(morceau.texte, int(brut.formats.size()) - 1);
    }
    return Terminer(brut, unites);
}

QList<FiltreCollage::Morceau> FiltreCollage::Terminer(Brut &brut, Unites unites)
{
    NettoyerBrut(brut);
    unites == ParCaractere ? UnifierGraphemes(brut) : UnifierPaires(brut);
    QList<Morceau> morceaux;
    for (int debut = 0, fin = 0; debut < brut.texte.size(); debut = fin) {
        const int format = brut.formatDe[debut];
        while (fin < brut.texte.size() && brut.formatDe[fin] == format)
            ++fin;
        morceaux.append({brut.texte.mid(debut, fin - debut),
                         format < 0 ? QTextCharFormat() : brut.formats[format]});
    }
    return morceaux;
}

// Paragraphs and frames are blocks of the parsed document: their texts follow one another on
// the line, one space apart, the space in the format of the text before it. Empty blocks add
// nothing.
void FiltreCollage::LireHtml(const QString &html, Brut &brut)
{
    // Tables and lists end on one line anyway: their tags become spaces before parsing, which
    // the parser folds into one. Deeply nested ones would otherwise cost the parser seconds.
    static const QRegularExpression structure(
        QStringLiteral("<\\s*/?\\s*(table|tbody|thead|tfoot|tr|td|th|caption|colgroup|col|ul|ol|"
                       "li|dl|dt|dd)\\b[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    DocumentSansRessources document;
    document.setHtml(QString(html).replace(structure, QStringLiteral(" ")));
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        if (bloc.length() <= 1)
            continue;
        if (!brut.texte.isEmpty())
            brut.Ajouter(QStringLiteral(" "), brut.formatDe.last());
        for (QTextBlock::iterator morceau = bloc.begin(); !morceau.atEnd(); ++morceau) {
            brut.formats.append(Garder(morceau.fragment().charFormat()));
            brut.Ajouter(morceau.fragment().text(), int(brut.formats.size()) - 1);
        }
    }

    // As HTML folds white space: the spaces left where tags stood and between blocks fold into
    // one, and none is kept at either end.
    QString texte;
    QList<int> formatDe;
    for (int i = 0; i < brut.texte.size(); ++i) {
        if (brut.texte.at(i) == u' ' && (texte.isEmpty() || texte.endsWith(u' ')))
            continue;
        texte += brut.texte.at(i);
        formatDe << brut.formatDe[i];
    }
    if (texte.endsWith(u' ')) {
        texte.chop(1);
        formatDe.removeLast();
    }
    brut.texte = texte;
    brut.formatDe = formatDe;
}

// Every break and tab becomes one space (a CR LF pair is one break); controls, object
// replacement characters and unpaired surrogates go.
void FiltreCollage::NettoyerBrut(Brut &brut)
{
    QString texte;
    QList<int> formatDe;
    texte.reserve(brut.texte.size());
    formatDe.reserve(brut.texte.size());
    const QString &source = brut.texte;
    for (int i = 0; i < source.size(); ++i) {
        const char16_t c = source.at(i).unicode();
        const bool paire = i + 1 < source.size() && QChar::isHighSurrogate(c) &&
                           QChar::isLowSurrogate(source.at(i + 1).unicode());
        if (paire) {
            texte += source.mid(i, 2);
            formatDe << brut.formatDe[i] << brut.formatDe[i + 1];
            ++i;
        } else if (c == u'\r' && i + 1 < source.size() && source.at(i + 1) == u'\n') {
            continue;
        } else if (EstSaut(c)) {
            texte += u' ';
            formatDe << brut.formatDe[i];
        } else if (!QChar::isSurrogate(c) && !EstARetirer(c)) {
            texte += QChar(c);
            formatDe << brut.formatDe[i];
        }
    }
    brut.texte = texte;
    brut.formatDe = formatDe;
}

// A visible character takes the format of its first unit throughout, so that no code lands
// between a letter and its mark or inside an emoji.
void FiltreCollage::UnifierGraphemes(Brut &brut)
{
    const QList<int> frontieres = Graphemes::Frontieres(brut.texte, 0, int(brut.texte.size()));
    for (int k = 0; k + 1 < frontieres.size(); ++k)
        for (int i = frontieres[k] + 1; i < frontieres[k + 1]; ++i)
            brut.formatDe[i] = brut.formatDe[frontieres[k]];
}

void FiltreCollage::UnifierPaires(Brut &brut)
{
    for (int i = 1; i < brut.texte.size(); ++i)
        if (brut.texte.at(i).isLowSurrogate() && brut.texte.at(i - 1).isHighSurrogate())
            brut.formatDe[i] = brut.formatDe[i - 1];
}
