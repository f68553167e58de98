#include "app/Reglages.h"

#include "widgets/EtapesDegrade.h"
#include "widgets/QFrame_Perso.h"
#include "window/Fen_Principale.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>

namespace {

template <typename Widget> Widget *Trouver(Fen_Principale &fenetre, const char *nom)
{
    return fenetre.findChild<Widget *>(QLatin1String(nom));
}

const char *const Espacements[] = {"radioNormal", "radioLarge", "radioSerre"};

} // namespace

void Reglages::Enregistrer(Fen_Principale &fenetre, QSettings &reglages)
{
    reglages.setValue("pseudo", Trouver<QLineEdit>(fenetre, "ligneSortie")->text());
    reglages.setValue("couleur",
                      Trouver<QFrame_Perso>(fenetre, "carreCouleur")->RecupererCouleur());
    QVariantList degrade;
    for (const QColor &couleur : Trouver<EtapesDegrade>(fenetre, "etapesDegrade")->Couleurs())
        degrade << couleur;
    reglages.setValue("degrade", degrade);
    reglages.setValue("pas", Trouver<QSpinBox>(fenetre, "pasDegrade")->value());
    for (const char *espacement : Espacements)
        if (Trouver<QRadioButton>(fenetre, espacement)->isChecked())
            reglages.setValue("espacement", espacement);
    reglages.setValue("onglet", Trouver<QTabWidget>(fenetre, "onglets")->currentIndex());
}

void Reglages::Restaurer(Fen_Principale &fenetre, QSettings &reglages)
{
    const QColor couleur = reglages.value("couleur").value<QColor>();
    if (couleur.isValid())
        Trouver<QFrame_Perso>(fenetre, "carreCouleur")->DefinirCouleur(couleur);
    QList<QColor> degrade;
    for (const QVariant &valeur : reglages.value("degrade").toList())
        if (valeur.value<QColor>().isValid())
            degrade << valeur.value<QColor>();
    Trouver<EtapesDegrade>(fenetre, "etapesDegrade")->DefinirCouleurs(degrade);
    Trouver<QSpinBox>(fenetre, "pasDegrade")->setValue(reglages.value("pas", 1).toInt());
    for (const char *espacement : Espacements)
        if (reglages.value("espacement").toString() == QLatin1String(espacement))
            Trouver<QRadioButton>(fenetre, espacement)->click();
    Trouver<QTabWidget>(fenetre, "onglets")->setCurrentIndex(reglages.value("onglet", 0).toInt());

    const QString pseudo = reglages.value("pseudo").toString();
    if (!pseudo.isEmpty())
        fenetre.ImporterCode(pseudo);
    Trouver<QTextEdit>(fenetre, "editeurPseudo")->document()->clearUndoRedoStacks();
    Trouver<QLabel>(fenetre, "messageSortie")->clear();
}
