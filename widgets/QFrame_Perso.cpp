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
    if (!choisie.isValid())
        return;

    // Alpha stays as the dialog gave it; only the three channels are snapped.
    Couleur = choisie;
    Couleur.setRed(CalculPseudo::ValeurNiveau(CalculPseudo::NiveauCanal(choisie.red())));
    Couleur.setGreen(CalculPseudo::ValeurNiveau(CalculPseudo::NiveauCanal(choisie.green())));
    Couleur.setBlue(CalculPseudo::ValeurNiveau(CalculPseudo::NiveauCanal(choisie.blue())));
    AfficherCouleur();
    emit CouleurChoisie();
}

void QFrame_Perso::AfficherCouleur()
{
    Palette.setBrush(QPalette::All, QPalette::Window, QBrush(Couleur, Qt::SolidPattern));
    setPalette(Palette);
}
