#ifndef BOITEMODALE_H
#define BOITEMODALE_H

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

// Answers the next modal box headless: schedule it before the call that opens the box, let it
// be answered (Laisser) once the call returned, then read what the box showed. Nothing opened
// if `vue` stays false.
class BoiteModale : public QObject
{
public:
    // A colour dialog gets `choix` and is accepted, or is cancelled when `choix` is invalid;
    // a text dialog likewise gets `saisie`, or is cancelled when it is null.
    // `nombre` boxes opened one after the other are answered alike.
    void Attendre(const QColor &choix = QColor(), const QString &saisie = QString(), int nombre = 1)
    {
        vue = false;
        ++enAttente;
        QTimer::singleShot(0, this, [this, choix, saisie, nombre] {
            --enAttente;
            Repondre(choix, saisie);
            if (nombre > 1)
                Attendre(choix, saisie, nombre - 1);
        });
    }

    // Boxes return at once; what follows an answer runs when it is given.
    void Laisser()
    {
        for (int tour = 0; tour < 10 && enAttente > 0; ++tour)
            QCoreApplication::processEvents();
    }

    bool vue = false;
    QString titre;
    QString texte;
    QColor couleurInitiale;
    int largeurSaisie = 0;

private:
    int enAttente = 0;

    void Repondre(const QColor &choix, const QString &saisie)
    {
        QWidget *boite = QApplication::activeModalWidget();
        if (!boite)
            return;
        vue = true;
        titre = boite->windowTitle();
        if (auto *message = qobject_cast<QMessageBox *>(boite)) {
            texte = message->text();
            // A question is answered yes.
            if (QAbstractButton *oui = message->button(QMessageBox::Yes))
                oui->click();
            else
                message->accept();
        } else if (auto *dialogue = qobject_cast<QColorDialog *>(boite)) {
            couleurInitiale = dialogue->currentColor();
            if (choix.isValid()) {
                dialogue->setCurrentColor(choix);
                dialogue->accept();
            } else {
                dialogue->reject();
            }
        } else if (auto *dialogue = qobject_cast<QInputDialog *>(boite)) {
            texte = dialogue->labelText();
            if (auto *ligne = dialogue->findChild<QLineEdit *>())
                largeurSaisie = ligne->width();
            dialogue->setTextValue(saisie);
            saisie.isNull() ? dialogue->reject() : dialogue->accept();
        } else {
            boite->close();
        }
    }
};

#endif
