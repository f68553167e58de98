#ifndef PAGEDEGRADE_H
#define PAGEDEGRADE_H

#include <QColor>
#include <QList>
#include <QWidget>

#include <optional>

class EtapesDegrade;
class LigneMessage;
class QCheckBox;
class QPushButton;
class QSpinBox;

// "Dégradé de couleur": the stops, how often the colour changes, whether spaces are left
// alone, what the code would cost, and the buttons that apply or fit the gradient.
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

    // The code's length with this gradient over the selection; none when nothing is selected.
    void AfficherCout(std::optional<int> longueur);
    // What the fit did: the code's length, or, when nothing fitted, the length of the text
    // alone.
    void AfficherAjustement(std::optional<int> longueurCode, int texteSeul);
    void EffacerMessage();

    QList<QWidget *> OrdreClavier() const;

signals:
    void DegradeDemande();
    void AjustementDemande();
    // The stops, the step or the option changed: what the gradient would cost changed too.
    void ParametresModifies();

private:
    void Disposer();

    EtapesDegrade *Etapes;
    QSpinBox *PasDegrade;
    QCheckBox *CaseEspaces;
    LigneMessage *LabelCout;
    QPushButton *BoutonDegrade;
    QPushButton *BoutonAjuster;
    LigneMessage *MessageAjustement;
};

#endif
