#ifndef PAGEEFFET_H
#define PAGEEFFET_H

#include <QList>
#include <QWidget>

class QCheckBox;
class QPushButton;
class QRadioButton;

// "Effet sur le texte": the whole nickname's spacing, and italic, bold and capitals for the
// selection.
class PageEffet : public QWidget
{
    Q_OBJECT

public:
    PageEffet();
    ~PageEffet() override;

    bool Italique() const;
    bool Gras() const;
    bool Majuscules() const;
    // Checks the spacing of this stretch (110, 160 or 62) without asking for it.
    void MontrerEspacement(int etirement);
    QList<QWidget *> OrdreClavier() const;

signals:
    void EffetsDemandes();
    void EspacementDemande(int etirement);

private slots:
    void AppliquerGrosseurTexte();

private:
    void Disposer();

    QRadioButton *RadioNormal;
    QRadioButton *RadioSerre;
    QRadioButton *RadioLarge;
    QCheckBox *CaseItalique;
    QCheckBox *CaseGras;
    QCheckBox *CaseMajuscules;
    QPushButton *BoutonEffet;
};

#endif
