#include "widgets/ListeDegrades.h"

#include "encoder/ListeJson.h"
#include "widgets/Accessibilite.h"
#include "widgets/Demandes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

ListeDegrades::ListeDegrades()
    : Liste(new QComboBox), BoutonEnregistrer(new QPushButton(tr("Enregistrer ce &dégradé…"))),
      BoutonSupprimer(new QPushButton(tr("&Supprimer"))),
      PreReglages(CollectionDegrades::PreReglages())
{
    Liste->setObjectName(QStringLiteral("comboPreReglages"));
    Liste->setPlaceholderText(QStringLiteral("—"));
    BoutonEnregistrer->setObjectName(QStringLiteral("boutonEnregistrerDegrade"));
    BoutonSupprimer->setObjectName(QStringLiteral("boutonSupprimerDegrade"));
    BoutonSupprimer->setToolTip(tr("Supprime le dégradé enregistré choisi"));
    BoutonEnregistrer->setToolTip(tr("Garde les couleurs, le mélange et le pas sous un nom"));
    auto *libelle = new QLabel(tr("Préréglages"));
    libelle->setBuddy(Liste);
    Accessibilite::Legender(Liste, libelle);
    auto *rangee = new QHBoxLayout(this);
    rangee->setContentsMargins(0, 0, 0, 0);
    rangee->addWidget(libelle);
    rangee->addWidget(Liste, 1);
    rangee->addWidget(BoutonEnregistrer);
    rangee->addWidget(BoutonSupprimer);
    AfficherEnregistres({});

    connect(Liste, &QComboBox::activated, this, &ListeDegrades::Choisir);
    connect(Liste, &QComboBox::currentIndexChanged, this,
            [this] { BoutonSupprimer->setEnabled(Enregistre() != nullptr); });
    connect(BoutonEnregistrer, &QPushButton::clicked, this, &ListeDegrades::Enregistrer);
    connect(BoutonSupprimer, &QPushButton::clicked, this, &ListeDegrades::Supprimer);
}

ListeDegrades::~ListeDegrades() = default;

// Each item's data is its place in the built-in list, then in the saved one.
void ListeDegrades::AfficherEnregistres(const QList<Entree> &enregistres)
{
    const QString courant = Liste->currentText();
    Enregistres = enregistres;
    Liste->clear();
    for (const Entree &e : PreReglages)
        Liste->addItem(e.nom);
    if (!Enregistres.isEmpty())
        Liste->insertSeparator(Liste->count());
    for (const Entree &e : Enregistres)
        Liste->addItem(e.nom);
    Liste->setCurrentIndex(Liste->findText(courant));
    BoutonSupprimer->setEnabled(Enregistre() != nullptr);
}

const ListeDegrades::Entree *ListeDegrades::Enregistre() const
{
    const int i = Liste->currentIndex() - int(PreReglages.size()) - 1;
    return i >= 0 && i < Enregistres.size() ? &Enregistres[i] : nullptr;
}

void ListeDegrades::Choisir(int indice)
{
    if (indice < PreReglages.size())
        emit Choisi(PreReglages[indice]);
    else if (const Entree *e = Enregistre())
        emit Choisi(*e);
}

void ListeDegrades::Enregistrer()
{
    const QString titre = tr("Enregistrer le dégradé");
    Demandes::Texte(this, titre, tr("Nom :"), QString(), [this, titre](const QString &saisi) {
        const QString nom = saisi.trimmed();
        if (nom.isEmpty())
            return;
        if (ListeJson::Indice(Enregistres, nom) < 0)
            return EnregistrerSous(nom);
        Demandes::Question(this, titre,
                           tr("Un dégradé s'appelle déjà « %1 ». Le remplacer ?").arg(nom),
                           [this, nom] { EnregistrerSous(nom); });
    });
}

void ListeDegrades::EnregistrerSous(const QString &nom)
{
    emit EnregistrementDemande(nom);
    const int i = ListeJson::Indice(Enregistres, nom);
    if (i >= 0)
        Liste->setCurrentIndex(int(PreReglages.size()) + 1 + i);
}

void ListeDegrades::Supprimer()
{
    const Entree *e = Enregistre();
    if (!e)
        return;
    const QString nom = e->nom;
    Demandes::Question(this, tr("Supprimer le dégradé"),
                       tr("Supprimer le dégradé « %1 » ?").arg(nom),
                       [this, nom] { emit SuppressionDemandee(nom); });
}

void ListeDegrades::Oublier()
{
    Liste->setCurrentIndex(-1);
}

QList<QWidget *> ListeDegrades::OrdreClavier() const
{
    return {Liste, BoutonEnregistrer, BoutonSupprimer};
}
