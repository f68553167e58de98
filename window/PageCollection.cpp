#include "window/PageCollection.h"

#include "widgets/DelegueJeu.h"
#include "widgets/Demandes.h"
#include "widgets/DialoguesFichier.h"
#include "widgets/LigneMessage.h"
#include "widgets/ListeConsigne.h"
#include "window/Construction.h"

#include <QGridLayout>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

PageCollection::PageCollection()
    : Liste(Nouveau<ListeConsigne>("listePseudos")),
      BoutonEnregistrer(Nouveau<QPushButton>("boutonEnregistrer", tr("&Enregistrer"))),
      BoutonCharger(Nouveau<QPushButton>("boutonCharger", tr("C&harger"))),
      BoutonRenommer(Nouveau<QPushButton>("boutonRenommer", tr("Re&nommer"))),
      BoutonSupprimer(Nouveau<QPushButton>("boutonSupprimer", tr("&Supprimer"))),
      BoutonExporter(Nouveau<QPushButton>("boutonExporter", tr("E&xporter…"))),
      BoutonImporter(Nouveau<QPushButton>("boutonImporterPseudos", tr("Imp&orter…"))),
      Message(Nouveau<LigneMessage>("messagePseudos"))
{
    Liste->setItemDelegate(new DelegueJeu(Liste));
    Liste->setAccessibleName(tr("Mes pseudos"));
    Liste->DefinirConsigne(tr("Aucun pseudo gardé pour l'instant. « Enregistrer » garde celui du "
                              "champ sous un nom ; un double clic le remet dans le champ."));
    Liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    BoutonEnregistrer->setToolTip(tr("Garde le pseudo du champ sous un nom"));
    BoutonCharger->setToolTip(tr("Met le pseudo choisi dans le champ"));
    BoutonRenommer->setToolTip(tr("Donne un autre nom au pseudo choisi"));
    BoutonSupprimer->setToolTip(tr("Retire les pseudos choisis de la collection"));
    BoutonExporter->setToolTip(tr("Écrit les pseudos choisis, ou tous, dans un fichier"));
    BoutonImporter->setToolTip(tr("Ajoute les pseudos d'un fichier"));

    auto *grille = new QGridLayout(this);
    grille->addWidget(Liste, 0, 0, 4, 1);
    grille->addWidget(BoutonEnregistrer, 0, 1);
    grille->addWidget(BoutonCharger, 0, 2);
    grille->addWidget(BoutonRenommer, 1, 1);
    grille->addWidget(BoutonSupprimer, 1, 2);
    grille->addWidget(BoutonExporter, 2, 1);
    grille->addWidget(BoutonImporter, 2, 2);
    grille->addWidget(Message, 4, 0, 1, 3);
    grille->setColumnStretch(0, 1);

    connect(BoutonEnregistrer, &QPushButton::clicked, this, &PageCollection::Enregistrer);
    connect(BoutonCharger, &QPushButton::clicked, this, &PageCollection::Charger);
    connect(Liste, &QListWidget::itemActivated, this, &PageCollection::Charger);
    connect(BoutonRenommer, &QPushButton::clicked, this, &PageCollection::Renommer);
    connect(BoutonSupprimer, &QPushButton::clicked, this, &PageCollection::Supprimer);
    connect(new QShortcut(QKeySequence::Delete, Liste, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, &PageCollection::Supprimer);
    connect(BoutonExporter, &QPushButton::clicked, this, &PageCollection::Exporter);
    connect(BoutonImporter, &QPushButton::clicked, this, &PageCollection::Importer);
}

PageCollection::~PageCollection() = default;

// Newest first; the selection follows the names it had.
void PageCollection::Afficher(const QList<CollectionPseudos::Entree> &entrees)
{
    const QStringList choisis = Choisis();
    Entrees = entrees;
    std::stable_sort(Entrees.begin(), Entrees.end(),
                     [](const auto &a, const auto &b) { return a.date > b.date; });
    Liste->clear();
    for (const CollectionPseudos::Entree &entree : Entrees) {
        auto *element = new QListWidgetItem(entree.nom, Liste);
        element->setData(Qt::UserRole, entree.code);
        element->setToolTip(entree.code);
        element->setSelected(choisis.contains(entree.nom));
    }
}

QStringList PageCollection::Choisis() const
{
    QStringList noms;
    for (const QListWidgetItem *element : Liste->selectedItems())
        noms << element->text();
    return noms;
}

// `suite` gets a name that is not blank.
void PageCollection::DemanderNom(const QString &titre, const QString &nom,
                                 const std::function<void(const QString &)> &suite)
{
    Demandes::Texte(this, titre, tr("Nom :"), nom, [suite](const QString &saisi) {
        if (const QString choisi = saisi.simplified(); !choisi.isEmpty())
            suite(choisi);
    });
}

void PageCollection::Confirmer(const QString &question, const std::function<void()> &suite)
{
    Demandes::Question(this, tr("Mes pseudos"), question, suite);
}

void PageCollection::Enregistrer()
{
    DemanderNom(tr("Enregistrer le pseudo"), QString(), [this](const QString &nom) {
        const auto enregistrer = [this, nom] { emit EnregistrementDemande(nom); };
        if (CollectionPseudos::Indice(Entrees, nom) < 0)
            return enregistrer();
        Confirmer(tr("Un pseudo s'appelle déjà « %1 ». Le remplacer ?").arg(nom), enregistrer);
    });
}

void PageCollection::Charger()
{
    const QList<QListWidgetItem *> choisis = Liste->selectedItems();
    if (choisis.size() == 1)
        emit ChargementDemande(choisis.first()->data(Qt::UserRole).toString());
}

void PageCollection::Renommer()
{
    const QStringList choisis = Choisis();
    if (choisis.size() != 1)
        return;
    const QString ancien = choisis.first();
    DemanderNom(tr("Renommer le pseudo"), ancien, [this, ancien](const QString &nom) {
        if (nom == ancien)
            return;
        if (CollectionPseudos::Indice(Entrees, nom) >= 0)
            return Message->setText(tr("Un pseudo s'appelle déjà « %1 ».").arg(nom));
        emit RenommageDemande(ancien, nom);
    });
}

void PageCollection::Supprimer()
{
    const QStringList choisis = Choisis();
    if (!choisis.isEmpty())
        Confirmer(tr("Supprimer %n pseudo(s) ?", nullptr, int(choisis.size())),
                  [this, choisis] { emit SuppressionDemandee(choisis); });
}

void PageCollection::Exporter()
{
    const QStringList noms = Choisis();
    DialoguesFichier::Enregistrer(this, tr("Exporter des pseudos"), QStringLiteral("pseudos.json"),
                                  tr("Pseudos Vivarel (*.json)"),
                                  [this, noms](const QString &fichier) {
                                      emit ExportDemande(fichier, noms);
                                      return Exporte;
                                  });
}

void PageCollection::Importer()
{
    DialoguesFichier::Ouvrir(this, tr("Importer des pseudos"), tr("Pseudos Vivarel (*.json)"),
                             [this](const QString &fichier) { emit ImportDemande(fichier); });
}

void PageCollection::AnnoncerExport(bool reussi, int nombre)
{
    Exporte = reussi;
    Message->setText(reussi ? tr("%n pseudo(s) exporté(s).", nullptr, nombre)
                            : tr("Le fichier n'a pas pu être écrit."));
}

void PageCollection::AnnoncerImport(int ajoutes)
{
    Message->setText(ajoutes < 0 ? tr("Ce fichier n'est pas une collection de pseudos lisible.")
                                 : tr("%n pseudo(s) ajouté(s).", nullptr, ajoutes));
}

QList<QWidget *> PageCollection::OrdreClavier() const
{
    return {Liste,           BoutonEnregistrer, BoutonCharger, BoutonRenommer,
            BoutonSupprimer, BoutonExporter,    BoutonImporter};
}
