#include "widgets/QFrame_Perso.h"

#include "encoder/CalculPseudo.h"

#include <QColorDialog>
#include <QMouseEvent>

QFrame_Perso::QFrame_Perso() : QFrame(nullptr), Couleur(Qt::black)
{
    AfficherCouleur();
    setCursor(Qt::PointingHandCursor);
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setAutoFillBackground(true);
}

QFrame_Perso::~QFrame_Perso() = default;

void QFrame_Perso::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;

    const QColor choisie = QColorDialog::getColor(Couleur, nullptr);
    if (choisie.isValid())
        DefinirCouleur(choisie);
}

// Alpha stays as given; only the three channels are snapped.
void QFrame_Perso::DefinirCouleur(const QColor &couleur)
{
    Couleur = couleur;
    Couleur.setRed(CalculPseudo::ValeurNiveau(CalculPseudo::NiveauCanal(couleur.red())));
    Couleur.setGreen(CalculPseudo::ValeurNiveau(CalculPseudo::NiveauCanal(couleur.green())));
    Couleur.setBlue(CalculPseudo::ValeurNiveau(CalculPseudo::NiveauCanal(couleur.blue())));
    AfficherCouleur();
    emit CouleurChoisie();
}

void QFrame_Perso::AfficherCouleur()
{
    Palette.setBrush(QPalette::All, QPalette::Window, QBrush(Couleur, Qt::SolidPattern));
    setPalette(Palette);
}
