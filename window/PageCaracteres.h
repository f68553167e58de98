#ifndef PAGECARACTERES_H
#define PAGECARACTERES_H

#include "window/CatalogueCaracteres.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Caractère spécial": the catalogue of look-alike characters, one list per kind, and the
// button that asks for the chosen one at the text cursor.
class PageCaracteres : public QWidget
{
    Q_OBJECT

public:
    PageCaracteres();
    ~PageCaracteres() override;

    // The page's controls in reading order, for the window's Tab chain.
    QList<QWidget *> OrdreClavier() const;

signals:
    void InsertionDemandee(const QString &caractere);

private slots:
    void ChangerListeCaracteresSpeciaux(int NumLettre);
    void InsererCaractereChoisi();

private:
    void Disposer();

    QRadioButton *RadioRessemblant;
    QRadioButton *RadioDoubleLettre;
    QRadioButton *RadioSmiley;
    QRadioButton *RadioAutre;
    QComboBox *ListeLettres;
    QComboBox *ListeRessemblants;
    QComboBox *ListeDoublesLettres;
    QComboBox *ListeSmileys;
    QComboBox *ListeAutres;
    QPushButton *BoutonInserer;
    QLabel *AideCaracteres;

    std::array<QString, CatalogueCaracteres::NombreLettres> ListesRessemblants;
};

#endif
