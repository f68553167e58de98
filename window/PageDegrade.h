#ifndef PAGEDEGRADE_H
#define PAGEDEGRADE_H

#include "encoder/CollectionDegrades.h"
#include "encoder/Degrade.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <optional>

class BandeDegrade;
class EtapesDegrade;
class LigneMessage;
class ListeDegrades;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

// "Dégradé de couleur": the stops and a strip of what they would give the selection, how the
// colours mix, presets and saved gradients, how often the colour changes, whether spaces are
// left alone, what the code would cost, and the buttons that apply or fit the gradient.
class PageDegrade : public QWidget
{
    Q_OBJECT

public:
    PageDegrade();
    ~PageDegrade() override;

    QList<QColor> Couleurs() const;
    void DefinirCouleurs(const QList<QColor> &couleurs);
    int Pas() const;
    void DefinirPas(int pas);
    bool IgnorerEspaces() const;
    Melange MelangeChoisi() const;
    void DefinirMelange(Melange melange);
    // The stops, the blend and the step as they stand, unnamed.
    CollectionDegrades::Entree Reglage() const;
    void AfficherEnregistres(const QList<CollectionDegrades::Entree> &enregistres);

    // The code's length with this gradient over the selection, and the levels it would give
    // each character; none when nothing is selected.
    void AfficherCout(std::optional<int> longueur,
                      const std::vector<Degrade::Niveaux> &niveaux = {});
    // What the fit did: the code's length, or, when nothing fitted, the length of the text
    // alone.
    void AfficherAjustement(std::optional<int> longueurCode, int texteSeul);
    void EffacerMessage();

    QList<QWidget *> OrdreClavier() const;

signals:
    void DegradeDemande();
    void AjustementDemande();
    // The stops, the blend, the step or the option changed: what the gradient would cost
    // changed too.
    void ParametresModifies();
    void EnregistrementDegradeDemande(const CollectionDegrades::Entree &degrade);
    void SuppressionDegradeDemandee(const QString &nom);

private:
    void Disposer();
    void Choisir(const CollectionDegrades::Entree &degrade);
    void Modifie();

    EtapesDegrade *Etapes;
    BandeDegrade *Bande;
    QComboBox *ComboMelange;
    ListeDegrades *Preselections;
    QSpinBox *PasDegrade;
    QCheckBox *CaseEspaces;
    LigneMessage *LabelCout;
    QPushButton *BoutonDegrade;
    QPushButton *BoutonAjuster;
    LigneMessage *MessageAjustement;
    bool EnChoix = false;
};

#endif
