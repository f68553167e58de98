#include "widgets/CommandesPseudo.h"

#include "encoder/CalculPseudo.h"
#include "encoder/Graphemes.h"
#include "widgets/ChampPseudo.h"
#include "widgets/EtapeAnnulation.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

QFont PoliceDuPseudo(int etirement)
{
    QFont police;
    police.setFamily(QStringLiteral("Arial"));
    // Where a system lacks Arial (Wine; fontconfig does the same on Linux), its
    // metric-compatible faces stand in, else a sans-serif one, not what the matcher finds first.
    if (QFont::substitutes(police.family()).isEmpty())
        QFont::insertSubstitutions(police.family(),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    police.setStyleHint(QFont::SansSerif);
    police.setPointSize(16);
    police.setStretch(etirement);
    return police;
}

// Weight 60 on the old 0..99 scale, a little heavier than normal; Qt 6 maps it for us.
void PoidsSoixante(QFont &police)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    police.setLegacyWeight(60);
    QT_WARNING_POP
}

const QColor CouleurParDefaut(CalculPseudo::CouleurPseudoParDefaut);

} // namespace

// The stretch carries the nickname's width into the code; the narrow font keeps the default
// weight.
CommandesPseudo::CommandesPseudo(ChampPseudo *champ, QTextEdit *ombre, const CalculPseudo &calcul)
    : Champ(champ), Ombre(ombre), Calcul(calcul),
      PoliceNormale(PoliceDuPseudo(CalculPseudo::EtirementNormal)),
      PoliceLarge(PoliceDuPseudo(CalculPseudo::EtirementLarge)),
      PoliceSerree(PoliceDuPseudo(CalculPseudo::EtirementSerre))
{
    PoidsSoixante(PoliceNormale);
    PoidsSoixante(PoliceLarge);
}

CommandesPseudo::~CommandesPseudo() = default;

const QFont &CommandesPseudo::Police(int etirement) const
{
    return etirement == CalculPseudo::EtirementLarge   ? PoliceLarge
           : etirement == CalculPseudo::EtirementSerre ? PoliceSerree
                                                       : PoliceNormale;
}

int CommandesPseudo::Espacement() const
{
    return Champ->font().stretch();
}

QList<int> CommandesPseudo::Selection() const
{
    const QTextCursor curseur = Champ->textCursor();
    if (!curseur.hasSelection())
        return {};
    return Graphemes::Frontieres(Champ->toPlainText(), curseur.selectionStart(),
                                 curseur.selectionEnd());
}

// Rewrites each selected visible character's format, all its units alike, in one edit.
void CommandesPseudo::ModifierChaqueCaractere(
    const QList<int> &caracteres, const std::function<void(QTextCharFormat &, int)> &modifier)
{
    QTextDocument *document = Champ->document();
    QTextCursor caractere(document);
    caractere.beginEditBlock();
    for (int j = 0; j + 1 < caracteres.size(); ++j) {
        QTextCharFormat format =
            CalculPseudo::CurseurSurCaractere(document, caracteres[j]).charFormat();
        modifier(format, j);
        caractere.setPosition(caracteres[j]);
        caractere.setPosition(caracteres[j + 1], QTextCursor::KeepAnchor);
        caractere.setCharFormat(format);
    }
    caractere.endEditBlock();
}

void CommandesPseudo::Colorier(const QList<int> &caracteres, const QColor &couleur)
{
    if (caracteres.size() < 2)
        return;
    QTextCursor selection(Champ->document());
    selection.setPosition(caracteres.first());
    selection.setPosition(caracteres.last(), QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(QBrush(couleur, Qt::SolidPattern));
    selection.mergeCharFormat(format);
}

void CommandesPseudo::ColorerNiveaux(const QList<int> &caracteres,
                                     const std::vector<Degrade::Niveaux> &niveaux)
{
    ModifierChaqueCaractere(caracteres, [&niveaux](QTextCharFormat &format, int j) {
        format.setForeground(QBrush(CalculPseudo::CouleurNiveaux(niveaux[j]), Qt::SolidPattern));
    });
}

// Spaces, when the player asks, are left to the gradient's colour before them.
QList<bool> CommandesPseudo::CaracteresLaisses(const QList<int> &caracteres,
                                               bool ignorerEspaces) const
{
    const QString texte = Champ->toPlainText();
    QList<bool> laisses;
    for (int j = 0; j + 1 < caracteres.size(); ++j)
        laisses << (ignorerEspaces && texte.at(caracteres[j]).isSpace());
    return laisses;
}

// Colours the selection through the stops, changing colour every `pas` visible characters.
void CommandesPseudo::AppliquerDegrade(const QList<int> &caracteres, const QList<QColor> &couleurs,
                                       int pas, bool ignorerEspaces, Melange melange)
{
    ColorerNiveaux(caracteres, NiveauxDegrade(caracteres, couleurs, pas, ignorerEspaces, melange));
}

std::vector<Degrade::Niveaux> CommandesPseudo::NiveauxDegrade(const QList<int> &caracteres,
                                                              const QList<QColor> &couleurs,
                                                              int pas, bool ignorerEspaces,
                                                              Melange melange) const
{
    return Degrade::Calculer(couleurs, pas, CaracteresLaisses(caracteres, ignorerEspaces), melange);
}

int CommandesPseudo::LongueurDegrade(const QList<int> &caracteres,
                                     const std::vector<Degrade::Niveaux> &niveaux) const
{
    return Calcul.LongueurAvecNiveaux(Champ->toPlainText(), caracteres, niveaux);
}

// The same gradient, its colour changes placed so that the whole code fits the game's limit.
std::optional<int> CommandesPseudo::Ajuster(const QList<int> &caracteres,
                                            const QList<QColor> &couleurs, bool ignorerEspaces,
                                            Melange melange)
{
    const QString texte = Champ->toPlainText();
    const auto longueur = [&](const std::vector<Degrade::Niveaux> &essai) {
        return Calcul.LongueurAvecNiveaux(texte, caracteres, essai);
    };
    const auto niveaux = Degrade::Ajuster(couleurs, CaracteresLaisses(caracteres, ignorerEspaces),
                                          longueur, melange);
    if (!niveaux)
        return std::nullopt;
    const int code = longueur(*niveaux);
    ColorerNiveaux(caracteres, *niveaux);
    return code;
}

// Takes the selection back to the look of freshly typed text. The width stays the whole
// nickname's: no stretch is written into the characters.
void CommandesPseudo::Reinitialiser(const QList<int> &caracteres)
{
    ModifierChaqueCaractere(caracteres, [this](QTextCharFormat &format, int) {
        format.setForeground(QBrush(CouleurParDefaut, Qt::SolidPattern));
        format.setFont(PoliceNormale);
        format.clearProperty(QTextFormat::FontStretch);
        format.setFontItalic(false);
        format.setFontCapitalization(QFont::MixedCase);
    });
}

// Each effect is set or taken off; bold is clearly heavier than the nickname's own weight,
// which the reset writes back.
void CommandesPseudo::AppliquerEffets(const QList<int> &caracteres, bool italique, bool gras,
                                      bool majuscules)
{
    const int poidsNormal = PoliceNormale.weight();
    ModifierChaqueCaractere(caracteres, [=](QTextCharFormat &format, int) {
        format.setFontItalic(italique);
        format.setFontWeight(gras ? CalculPseudo::PoidsGras : poidsNormal);
        format.setFontCapitalization(majuscules ? QFont::AllUppercase : QFont::MixedCase);
    });
}

// The spacing is the editors' widget font, which every character takes its stretch from. It is
// no edit of the document, so it goes on the undo stack as a step of its own.
void CommandesPseudo::ChangerEspacement(int etirement)
{
    const QFont ancienne = Champ->font();
    const QFont police = Police(etirement);
    ChoisirPolice(police);
    if (ancienne != police)
        Champ->document()->appendUndoItem(
            new EtapeAnnulation([this, ancienne] { ChoisirPolice(ancienne); },
                                [this, police] { ChoisirPolice(police); }));
}

void CommandesPseudo::ChoisirPolice(const QFont &police)
{
    Champ->setFont(police);
    Ombre->setFont(police);
    Champ->ensureCursorVisible();
    emit EspacementChange(police.stretch());
}

void CommandesPseudo::Inserer(const QString &texte)
{
    Champ->InsererTexte(texte);
}

// The first character's width becomes the whole nickname's; only characters of another width
// carry their own.
DecodeurPseudo::Lecture CommandesPseudo::Importer(const QString &code)
{
    DecodeurPseudo::Lecture lecture = DecodeurPseudo::Lire(code);
    const int largeur = lecture.styles.empty() ? 0 : lecture.styles.front() % 10;
    QList<FiltreCollage::Morceau> morceaux;
    for (int i = 0; i < lecture.texte.size(); ++i)
        morceaux.append(
            {lecture.texte.mid(i, 1),
             CalculPseudo::FormatPour(lecture.niveaux[i], lecture.styles[i], CouleurParDefaut,
                                      lecture.styles[i] % 10 != largeur)});
    QTextCursor bloc(Champ->document());
    bloc.beginEditBlock();
    ChangerEspacement(largeur == 1   ? CalculPseudo::EtirementLarge
                      : largeur == 2 ? CalculPseudo::EtirementSerre
                                     : CalculPseudo::EtirementNormal);
    Champ->RemplacerTout(morceaux);
    bloc.endEditBlock();
    return lecture;
}
