#include "app/Reglages.h"

#include "encoder/Degrade.h"
#include "window/Fen_Principale.h"

#include <QSettings>
#include <QStringList>

#include <array>
#include <utility>

namespace {

// The spacing is stored under the names its buttons have always had.
const std::array<std::pair<int, const char *>, 3> Espacements = {{
    {CalculPseudo::EtirementNormal, "radioNormal"},
    {CalculPseudo::EtirementLarge, "radioLarge"},
    {CalculPseudo::EtirementSerre, "radioSerre"},
}};

} // namespace

void Reglages::Ecrire(const EtatFenetre &etat, QSettings &reglages)
{
    reglages.setValue("pseudo", etat.pseudo);
    reglages.setValue("couleur", etat.couleur);
    QVariantList degrade;
    for (const QColor &couleur : etat.degrade)
        degrade << couleur;
    reglages.setValue("degrade", degrade);
    reglages.setValue("pas", etat.pas);
    for (const auto &[etirement, nom] : Espacements)
        if (etat.espacement == etirement)
            reglages.setValue("espacement", nom);
    reglages.setValue("onglet", etat.onglet);
    reglages.setValue("melange", int(etat.melange));
}

EtatFenetre Reglages::Lire(const QSettings &reglages, QStringList *illisibles)
{
    QStringList mauvaises;
    const auto presente = [&](const char *cle) { return reglages.contains(QLatin1String(cle)); };
    const auto lireEntier = [&](const char *cle, int defaut, int minimum, int maximum) {
        bool ok = false;
        const int valeur = reglages.value(QLatin1String(cle)).toInt(&ok);
        if (ok && valeur >= minimum && valeur <= maximum)
            return valeur;
        if (presente(cle))
            mauvaises << QLatin1String(cle);
        return defaut;
    };
    EtatFenetre etat;
    const QVariant pseudo = reglages.value("pseudo");
    if (pseudo.typeId() == QMetaType::QString)
        etat.pseudo = pseudo.toString();
    else if (presente("pseudo"))
        mauvaises << QStringLiteral("pseudo");
    etat.couleur = reglages.value("couleur").value<QColor>();
    if (!etat.couleur.isValid() && presente("couleur"))
        mauvaises << QStringLiteral("couleur");
    for (const QVariant &valeur : reglages.value("degrade").toList())
        if (valeur.value<QColor>().isValid())
            etat.degrade << valeur.value<QColor>();
    if (presente("degrade") && etat.degrade.size() < 2)
        mauvaises << QStringLiteral("degrade");
    etat.pas = lireEntier("pas", 1, 1, Degrade::PasMax);
    const QString espacement = reglages.value("espacement").toString();
    for (const auto &[etirement, nom] : Espacements)
        if (espacement == QLatin1String(nom))
            etat.espacement = etirement;
    etat.onglet = lireEntier("onglet", 0, 0, 16);
    etat.melange = Melange(lireEntier("melange", 0, 0, int(Melange::Teinte)));
    if (illisibles)
        *illisibles = mauvaises;
    return etat;
}

void Reglages::Enregistrer(const Fen_Principale &fenetre, QSettings &reglages)
{
    Ecrire(fenetre.Etat(), reglages);
}

void Reglages::Restaurer(Fen_Principale &fenetre, const QSettings &reglages)
{
    fenetre.DefinirEtat(Lire(reglages));
}
