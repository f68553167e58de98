#ifndef FEN_PRINCIPALE_H
#define FEN_PRINCIPALE_H

#include "encoder/CalculPseudo.h"
#include "window/EtatFenetre.h"

#include <QList>
#include <QString>
#include <QWidget>

class BanniereTitre;
class ChampPseudo;
class CommandesPseudo;
class PageCaracteres;
class PageCollection;
class PageCouleur;
class PageDegrade;
class PageEffet;
class SortieCode;
class LigneCode;
class LigneLongueur;
class QLabel;
class QPushButton;
class QTabWidget;
class QTextEdit_Perso;

// The program's only window: the banner, the nickname field over its drop shadow, the four
// tool pages, and the game code with its length, rebuilt after every change of the nickname.
// It composes and wires; the pages hold their controls, CommandesPseudo the commands.
class Fen_Principale : public QWidget
{
    Q_OBJECT

public:
    Fen_Principale();
    ~Fen_Principale() override;

    // Replaces the nickname with the one `code` gives, as one undo step.
    void ImporterCode(const QString &code);

    // Offers a link to `page` that carries the nickname: only a page has an address to give.
    void ProposerLien(const QString &page);

    // Says something about the program itself (a file it could not read) without blocking.
    void Avertir(const QString &avis);

    // "Mes pseudos", whose collection is kept by the program around the window.
    PageCollection *PagePseudos() const { return OngletPseudos; }
    PageDegrade *PageDegrades() const { return OngletDegrade; }

    EtatFenetre Etat() const;
    // Where the player's history starts: nothing to undo afterwards.
    void DefinirEtat(const EtatFenetre &etat);

signals:
    // Something the player finds again at the next start changed.
    void EtatModifie();

private slots:
    void MettreAJourPseudoOut();
    void AppliquerCouleurUnie();
    void AppliquerCouleurDeg();
    void AjusterDegrade();
    void ReinitialiserTexte();
    void AppliquerItalique();
    void MettreAJourCout();

private:
    void CreerWidgets();
    void CreerEditeurs();
    void ConstruireCadre();
    void ReglerTailles();
    void OrdonnerClavier();
    void Connecter();

    bool SelectionPresente(const QString &message, QList<int> &caracteres);
    bool SelectionAColorier(QList<int> &caracteres);

    CalculPseudo Calcul;

    ChampPseudo *EditeurPseudo;
    QTextEdit_Perso *EditeurOmbre;
    CommandesPseudo *Commandes;

    BanniereTitre *Banniere;
    QLabel *LabelPseudo;
    QPushButton *BoutonReinitialiser;
    QTabWidget *Onglets;
    PageCaracteres *OngletCaracteres;
    PageCouleur *OngletCouleur;
    PageDegrade *OngletDegrade;
    PageEffet *OngletEffet;
    PageCollection *OngletPseudos;
    QLabel *LabelSortie;
    LigneCode *LigneSortie;
    SortieCode *Sortie;
    LigneLongueur *Longueur;
};

#endif
