#ifndef FEN_PRINCIPALE_H
#define FEN_PRINCIPALE_H

#include "encoder/CalculPseudo.h"
#include "encoder/Degrade.h"
#include "window/CatalogueCaracteres.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <QList>

#include <array>
#include <functional>

class ChampPseudo;
class EtapesDegrade;
class SortieCode;
class QCheckBox;
class QComboBox;
class QFrame_Perso;
class QGridLayout;
class QHBoxLayout;
class QLCDNumber;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTextCharFormat;
class QTabWidget;
class QTextEdit_Perso;
class QVBoxLayout;

// The program's only window: the nickname editor over its drop shadow, the four tool tabs,
// and the game code with its length, rebuilt after every change of the nickname.
class Fen_Principale : public QWidget
{
    Q_OBJECT

public:
    Fen_Principale();
    ~Fen_Principale() override;

    // Replaces the nickname with the one `code` gives, as one undo step.
    void ImporterCode(const QString &code);

private slots:
    void MettreAJourPseudoOut();
    void ChangerListeCaracteresSpeciaux(int NumLettre);
    void InsererCaractereChoisi();
    void AppliquerCouleurUnie();
    void AppliquerCouleurDeg();
    void ReinitialiserTexte();
    void AppliquerItalique();
    void AppliquerGrosseurTexte();
    void AjusterDegrade();
    void MettreAJourCout();

private:
    void AssignerCatalogue();
    void CreerWidgets();
    void CreerTextes();
    void CreerConteneurs();
    void CreerEditeurs();
    void ConstruirePolices();
    void ConstruireCadre();
    void ConstruirePageCaracteres();
    void ConstruirePageCouleur();
    void ConstruirePageDegrade();
    void ConstruirePageEffet();
    void RemplirListes();
    void ReglerTailles();
    void OrdonnerClavier();
    void Connecter();

    void MettreAJourOmbre();
    void AfficherLongueur(int longueur);
    bool SelectionPresente(const QString &message, QList<int> &caracteres);
    bool SelectionAColorier(QList<int> &caracteres);
    void ModifierChaqueCaractere(const QList<int> &caracteres,
                                 const std::function<void(QTextCharFormat &, int)> &modifier);
    void ChoisirPolice(const QFont &police);
    void ChangerEspacement(const QFont &police);
    QList<bool> CaracteresLaisses(const QString &texte, const QList<int> &caracteres) const;
    void ColorerNiveaux(const QList<int> &caracteres, const std::vector<Degrade::Niveaux> &niveaux);

    CalculPseudo Calcul;

    QPushButton *BoutonInserer;
    QPushButton *BoutonColorier;
    QPushButton *BoutonDegrade;
    QPushButton *BoutonReinitialiser;
    QPushButton *BoutonEffet;
    QPushButton *BoutonAjuster;

    QRadioButton *RadioRessemblant;
    QRadioButton *RadioDoubleLettre;
    QRadioButton *RadioSmiley;
    QRadioButton *RadioAutre;

    QRadioButton *RadioNormal;
    QRadioButton *RadioSerre;
    QRadioButton *RadioLarge;

    QComboBox *ListeLettres;
    QComboBox *ListeRessemblants;
    QComboBox *ListeDoublesLettres;
    QComboBox *ListeSmileys;
    QComboBox *ListeAutres;

    QSpinBox *PasDegrade;
    QCheckBox *CaseItalique;
    QCheckBox *CaseGras;
    QCheckBox *CaseMajuscules;
    QCheckBox *CaseEspaces;
    QLCDNumber *Compteur;
    QLabel *Banniere;

    QLabel *LabelPseudo;
    QLabel *LabelSortie;
    QLabel *LabelLimite;
    QLabel *LabelCompteur;
    QLabel *LabelCouleur;
    QLabel *LabelCouleurDepart;
    QLabel *LabelCouleurArrivee;
    QLabel *AideDegrade;
    QLabel *LabelCout;
    QLabel *MessageAjustement;
    QLabel *AideCouleur;
    QLabel *AideCaracteres;
    QLabel *LabelEspacement;
    QLabel *AideEspacement;

    QFrame_Perso *CarreCouleur;
    QFrame_Perso *CarreDepart;
    QFrame_Perso *CarreArrivee;
    EtapesDegrade *Etapes;

    ChampPseudo *EditeurPseudo;
    QTextEdit_Perso *EditeurOmbre;
    QLineEdit *LigneSortie;
    SortieCode *Sortie;

    QTabWidget *Onglets;
    QWidget *PageCaracteres;
    QWidget *PageCouleur;
    QWidget *PageDegrade;
    QWidget *PageEffet;

    QVBoxLayout *DispositionFenetre;
    QHBoxLayout *RangeePseudo;
    QHBoxLayout *RangeeSortie;
    QHBoxLayout *RangeeCompteur;
    QGridLayout *GrilleCaracteres;
    QGridLayout *GrilleCouleur;
    QGridLayout *GrilleDegrade;
    QGridLayout *GrilleEffet;
    QVBoxLayout *ColonneEspacement;

    QFont PoliceNormale;
    QFont PoliceLarge;
    QFont PoliceSerree;
    QColor CouleurTransparente;
    QColor CouleurParDefaut;

    QString Alphabet;
    std::array<QString, CatalogueCaracteres::NombreLettres> ListesRessemblants;
    QString DoublesLettres;
    QString Smileys;
    QString Autres;
};

#endif
