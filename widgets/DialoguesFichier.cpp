#include "widgets/DialoguesFichier.h"

#include <QFileDialog>

namespace {

void EnregistrerDialogue(QWidget *parent, const QString &titre, const QString &nom,
                         const QString &filtre, const DialoguesFichier::Ecriture &ecrire)
{
    const QString chemin = QFileDialog::getSaveFileName(parent, titre, nom, filtre);
    if (!chemin.isEmpty())
        ecrire(chemin);
}

void OuvrirDialogue(QWidget *parent, const QString &titre, const QString &filtre,
                    const DialoguesFichier::Lecture &lire)
{
    const QString chemin = QFileDialog::getOpenFileName(parent, titre, QString(), filtre);
    if (!chemin.isEmpty())
        lire(chemin);
}

DialoguesFichier::Enregistreur EnregistreurActuel = EnregistrerDialogue;
DialoguesFichier::Ouvreur OuvreurActuel = OuvrirDialogue;

} // namespace

void DialoguesFichier::Enregistrer(QWidget *parent, const QString &titre, const QString &nom,
                                   const QString &filtre, const Ecriture &ecrire)
{
    EnregistreurActuel(parent, titre, nom, filtre, ecrire);
}

void DialoguesFichier::Ouvrir(QWidget *parent, const QString &titre, const QString &filtre,
                              const Lecture &lire)
{
    OuvreurActuel(parent, titre, filtre, lire);
}

void DialoguesFichier::Remplacer(const DialoguesFichier::Enregistreur &enregistreur,
                                 const DialoguesFichier::Ouvreur &ouvreur)
{
    EnregistreurActuel = enregistreur;
    OuvreurActuel = ouvreur;
}
