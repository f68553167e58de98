// Draws the README's picture of the window, offscreen, so that anyone can make it again:
//   cmake --build build --target capture_fenetre
//   QT_QPA_PLATFORM=offscreen build/docs/capture_fenetre docs/capture.png
#include "window/Fen_Principale.h"

#include <QApplication>
#include <QTextEdit>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Fen_Principale fenetre;
    fenetre.setWindowTitle(QStringLiteral("Trackmania Vivarel"));
    EtatFenetre etat;
    etat.pseudo = QStringLiteral("$f00V$c50i$990v$5c0a$0f0r$0c8e$08fl$o $iPro");
    etat.degrade = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 136, 255)};
    etat.onglet = 2;
    etat.melange = Melange::OKLab;
    fenetre.DefinirEtat(etat);
    fenetre.show();
    // "Vivarel" selected, so that the strip shows what the gradient would give it.
    auto *editeur = fenetre.findChild<QTextEdit *>(QStringLiteral("editeurPseudo"));
    QTextCursor curseur = editeur->textCursor();
    curseur.setPosition(0);
    curseur.setPosition(7, QTextCursor::KeepAnchor);
    editeur->setTextCursor(curseur);
    QApplication::processEvents();
    return fenetre.grab().save(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                        : QStringLiteral("capture.png"))
               ? 0
               : 1;
}
