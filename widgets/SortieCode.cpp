#include "widgets/SortieCode.h"

#include "encoder/DecodeurPseudo.h"
#include "widgets/ApercuJeu.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

SortieCode::SortieCode()
    : BoutonCopier(new QPushButton(tr("Co&pier"))),
      BoutonImporter(new QPushButton(tr("I&mporter un code…"))), Message(new QLabel),
      Apercu(new ApercuJeu), Offre(new QWidget)
{
    BoutonCopier->setObjectName(QStringLiteral("boutonCopier"));
    BoutonImporter->setObjectName(QStringLiteral("boutonImporter"));
    Message->setObjectName(QStringLiteral("messageSortie"));
    Apercu->setObjectName(QStringLiteral("apercuJeu"));
    Offre->setObjectName(QStringLiteral("offreImport"));
    BoutonCopier->setToolTip(tr("Copie le code dans le presse-papiers"));
    BoutonImporter->setToolTip(tr("Lit un code que vous avez déjà, pour le modifier ici"));

    auto *texteOffre = new QLabel(tr("Le texte collé contient des codes du jeu."));
    auto *boutonOffre = new QPushButton(tr("Importer ce code"));
    boutonOffre->setToolTip(tr("Remplace le pseudo par ce que le code décrit"));
    boutonOffre->setObjectName(QStringLiteral("boutonOffre"));
    auto *rangeeOffre = new QHBoxLayout(Offre);
    rangeeOffre->setContentsMargins(0, 0, 0, 0);
    rangeeOffre->addWidget(texteOffre);
    rangeeOffre->addWidget(boutonOffre);
    rangeeOffre->addStretch();
    Offre->hide();

    auto *grille = new QGridLayout(this);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->addWidget(BoutonCopier, 0, 0);
    grille->addWidget(BoutonImporter, 0, 1);
    grille->addWidget(Message, 0, 2);
    grille->addWidget(new QLabel(tr("Aperçu dans le jeu")), 1, 0, 1, 2);
    grille->addWidget(Apercu, 1, 2);
    grille->addWidget(Offre, 2, 0, 1, 3);
    grille->setColumnStretch(2, 1);

    QFont police = Apercu->font();
    police.setPointSize(police.pointSize() * 3 / 2);
    Apercu->setFont(police);

    connect(BoutonCopier, &QPushButton::clicked, this, &SortieCode::Copier);
    connect(BoutonImporter, &QPushButton::clicked, this, &SortieCode::DemanderCode);
    connect(boutonOffre, &QPushButton::clicked, this, [this] { emit ImportDemande(CodePropose); });
}

SortieCode::~SortieCode() = default;

void SortieCode::Afficher(const QString &code)
{
    Code = code;
    Apercu->Afficher(code);
    Offre->hide();
    Message->clear();
}

void SortieCode::ProposerImport(const QString &texte)
{
    if (DecodeurPseudo::Lire(texte).texte == texte)
        return;
    CodePropose = texte;
    Offre->show();
}

void SortieCode::Informer(const QString &message)
{
    Message->setText(message);
}

// The selection clipboard too, where the platform has one: a middle click pastes it.
void SortieCode::Copier()
{
    QClipboard *pressePapiers = QApplication::clipboard();
    pressePapiers->setText(Code);
    if (pressePapiers->supportsSelection())
        pressePapiers->setText(Code, QClipboard::Selection);
    Informer(tr("Code copié."));
}

void SortieCode::DemanderCode()
{
    QInputDialog dialogue(window());
    dialogue.setWindowTitle(tr("Importer un code"));
    dialogue.setLabelText(tr("Collez le code de votre pseudo :"));
    dialogue.setTextValue(QString());
    // A code of any length: the line would otherwise cut it at 32,767 characters.
    if (auto *ligne = dialogue.findChild<QLineEdit *>())
        ligne->setMaxLength(std::numeric_limits<int>::max());
    if (dialogue.exec() == QDialog::Accepted)
        emit ImportDemande(dialogue.textValue());
}
