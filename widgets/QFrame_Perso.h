#ifndef QFRAME_PERSO_H
#define QFRAME_PERSO_H

#include <QColor>
#include <QFrame>
#include <QPalette>

// A colour swatch: a left click, or Space or Enter when it has the focus, opens the colour
// dialog, and the accepted colour is snapped to
// the 16 levels per channel that the game shows, so the swatch shows it as the game will.
// Assistive tools see a push button whose Press opens the dialog.
class QFrame_Perso : public QFrame
{
    Q_OBJECT

public:
    QFrame_Perso();
    ~QFrame_Perso() override;

    QColor RecupererCouleur() const { return Couleur; }
    // As if picked in the dialog.
    void DefinirCouleur(const QColor &couleur);
    // What a screen reader calls it; its colour follows.
    void DefinirLibelle(const QString &libelle);

signals:
    // A colour was picked and accepted in the dialog.
    void CouleurChoisie();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class CarreAccessible;

    void Choisir();
    void AfficherCouleur();

    QColor Couleur;
    QPalette Palette;
    QString Libelle;
};

#endif
