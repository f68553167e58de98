#include "widgets/Demandes.h"
#include <QAbstractButton>
#include <QColorDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
template <typename Boite> Boite *Nouvelle(QWidget *parent, const QString &titre)
{
    auto *boite = new Boite(parent);
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->setWindowTitle(titre);
    return boite;
}
} // namespace

void Demandes::Couleur(QWidget *parent, const QColor &initiale, const QString &titre,
                       const std::function<void(const QColor &)> &suite)
{
    auto *boite = Nouvelle<QColorDialog>(parent, titre);
    boite->setCurrentColor(initiale);
    QObject::connect(boite, &QColorDialog::colorSelected, parent, suite);
    boite->open();
}

void Demandes::Texte(QWidget *parent, const QString &titre, const QString &libelle,
                     const QString &valeur, const std::function<void(const QString &)> &suite,
                     const std::function<void(QInputDialog &)> &preparer)
{
    auto *boite = Nouvelle<QInputDialog>(parent, titre);
    boite->setLabelText(libelle);
    boite->setTextValue(valeur);
    if (preparer)
        preparer(*boite);
    QObject::connect(boite, &QInputDialog::textValueSelected, parent, suite);
    boite->open();
}

void Demandes::Question(QWidget *parent, const QString &titre, const QString &question,
                        const std::function<void()> &suite)
{
    auto *boite = Nouvelle<QMessageBox>(parent, titre);
    boite->setIcon(QMessageBox::Question);
    boite->setText(question);
    boite->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QObject::connect(boite, &QMessageBox::buttonClicked, parent,
                     [boite, suite](QAbstractButton *bouton) {
                         if (boite->standardButton(bouton) == QMessageBox::Yes)
                             suite();
                     });
    boite->open();
}

void Demandes::Avertir(QWidget *parent, const QString &titre, const QString &message)
{
    auto *boite = Nouvelle<QMessageBox>(parent, titre);
    boite->setIcon(QMessageBox::Warning);
    boite->setText(message);
    boite->open();
}
