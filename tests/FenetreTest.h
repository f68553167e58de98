#ifndef FENETRETEST_H
#define FENETRETEST_H

#include "encoder/CalculPseudo.h"
#include "widgets/LigneMessage.h"
#include "window/Fen_Principale.h"

#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

// The main window, with the widgets a player looks at found by name.
struct FenetreTest
{
    Fen_Principale fenetre;
    QTextEdit *editeur = Trouver<QTextEdit>("editeurPseudo");
    QTextEdit *ombre = Trouver<QTextEdit>("editeurOmbre");
    QLineEdit *sortie = Trouver<QLineEdit>("ligneSortie");
    QLCDNumber *compteur = Trouver<QLCDNumber>("compteur");
    QLabel *labelCompteur = Trouver<QLabel>("labelCompteur");

    template <typename Widget> Widget *Trouver(const char *nom)
    {
        auto *widget = fenetre.findChild<Widget *>(QLatin1String(nom));
        if (!widget)
            qFatal("no widget named %s", nom);
        return widget;
    }

    void Taper(const QString &texte) { QTest::keyClicks(editeur, texte); }

    // Selects [debut, fin) with the editor's own cursor, as a player's drag would.
    void Selectionner(int debut, int fin)
    {
        QTextCursor curseur = editeur->textCursor();
        curseur.setPosition(debut);
        curseur.setPosition(fin, QTextCursor::KeepAnchor);
        editeur->setTextCursor(curseur);
    }

    void PlacerCurseur(int position) { Selectionner(position, position); }

    QTextCharFormat Format(int position, QTextEdit *dans = nullptr) const
    {
        return CalculPseudo::CurseurSurCaractere((dans ? dans : editeur)->document(), position)
            .charFormat();
    }

    QColor Couleur(int position) const { return Format(position).foreground().color(); }
};

#endif
