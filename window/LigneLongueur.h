#ifndef LIGNELONGUEUR_H
#define LIGNELONGUEUR_H

#include <QWidget>

class QLCDNumber;
class QLabel;

// The row under the code: the game's limit, and the code's length in large digits. Past the
// limit the label warns in red beside a warning sign, and screen readers say so once.
class LigneLongueur : public QWidget
{
    Q_OBJECT

public:
    LigneLongueur();
    ~LigneLongueur() override;

    void AfficherLongueur(int longueur);

private:
    QLabel *LabelLimite;
    QLabel *AlerteLimite;
    QLabel *LabelCompteur;
    QLCDNumber *Compteur;
};

#endif
