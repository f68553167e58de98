#include "widgets/BandeDegrade.h"

#include "encoder/CalculPseudo.h"

#include <QPainter>

namespace {

constexpr int LargeurCaseMax = 24;
constexpr int Hauteur = 18;

} // namespace

BandeDegrade::BandeDegrade()
{
    setAccessibleName(tr("Aperçu du dégradé"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void BandeDegrade::Afficher(const std::vector<Degrade::Niveaux> &niveaux)
{
    QList<QColor> cases;
    QStringList noms;
    for (const Degrade::Niveaux &n : niveaux) {
        cases << CalculPseudo::CouleurNiveaux(n);
        noms << cases.last().name();
    }
    if (cases == Cases)
        return;
    Cases = cases;
    setAccessibleDescription(noms.join(u' '));
    update();
}

// As wide as the strip allows, never wider than a character's usual cell.
QRect BandeDegrade::Case(int i) const
{
    const int largeur =
        Cases.isEmpty() ? 0 : std::clamp(width() / int(Cases.size()), 1, LargeurCaseMax);
    return QRect(i * largeur, 0, largeur, height());
}

QSize BandeDegrade::sizeHint() const
{
    return QSize(CalculPseudo::NombreCases * LargeurCaseMax / 2, Hauteur);
}

QSize BandeDegrade::minimumSizeHint() const
{
    return QSize(0, Hauteur);
}

void BandeDegrade::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    for (int i = 0; i < Cases.size(); ++i)
        peintre.fillRect(Case(i), Cases[i]);
}
