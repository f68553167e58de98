#include "widgets/PressePapiers.h"

#include <QApplication>
#include <QClipboard>

#include <utility>

namespace {

void EcrireSysteme(QMimeData *donnees, const PressePapiers::Resultat &resultat)
{
    QApplication::clipboard()->setMimeData(donnees);
    resultat(true);
}

PressePapiers::Ecrivain EcrivainActuel = EcrireSysteme;

} // namespace

void PressePapiers::Ecrire(QMimeData *donnees, const Resultat &resultat)
{
    EcrivainActuel(donnees, resultat);
}

PressePapiers::Ecrivain PressePapiers::Remplacer(const Ecrivain &ecrivain)
{
    return std::exchange(EcrivainActuel, ecrivain);
}
