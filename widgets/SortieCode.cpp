#include "widgets/SortieCode.h"

#include "encoder/CalculPseudo.h"
#include "encoder/DecodeurPseudo.h"
#include "encoder/FormesTexte.h"
#include "encoder/LienPseudo.h"
#include "widgets/ApercuJeu.h"
#include "widgets/Demandes.h"
#include "widgets/DessinJeu.h"
#include "widgets/DialoguesFichier.h"
#include "widgets/LigneMessage.h"
#include "widgets/PressePapiers.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>

#include <limits>

SortieCode::SortieCode()
    : BoutonCopier(new QPushButton(tr("Co&pier"))),
      BoutonCopierLien(new QPushButton(tr("Copier le lien"))),
      BoutonImporter(new QPushButton(tr("I&mporter un code…"))),
      BoutonCopierImage(new QPushButton(tr("Copier l'ima&ge"))),
      BoutonEnregistrerImage(new QPushButton(tr("Enregistrer &l'image…"))),
      BoutonCopierHtml(new QPushButton(tr("Copier en H&TML"))), Message(new LigneMessage),
      Apercu(new ApercuJeu), Offre(new QWidget), Zone(new QStackedWidget)
{
    BoutonCopier->setObjectName(QStringLiteral("boutonCopier"));
    BoutonImporter->setObjectName(QStringLiteral("boutonImporter"));
    BoutonCopierLien->setObjectName(QStringLiteral("boutonCopierLien"));
    BoutonCopierLien->setToolTip(tr("Copie un lien vers cette page qui ouvre ce pseudo"));
    BoutonCopierLien->hide();
    Message->setObjectName(QStringLiteral("messageSortie"));
    Apercu->setObjectName(QStringLiteral("apercuJeu"));
    Offre->setObjectName(QStringLiteral("offreImport"));
    BoutonCopier->setToolTip(tr("Copie le code dans le presse-papiers"));
    BoutonImporter->setToolTip(tr("Lit un code que vous avez déjà, pour le modifier ici"));
    BoutonCopierImage->setObjectName(QStringLiteral("boutonCopierImage"));
    BoutonEnregistrerImage->setObjectName(QStringLiteral("boutonEnregistrerImage"));
    BoutonCopierHtml->setObjectName(QStringLiteral("boutonCopierHtml"));
    BoutonCopierImage->setToolTip(tr("Copie le pseudo tel que le jeu le dessine, en image"));
    BoutonEnregistrerImage->setToolTip(
        tr("Enregistre le pseudo tel que le jeu le dessine, en PNG"));
    BoutonCopierHtml->setToolTip(tr("Copie le pseudo en HTML, pour un forum ou une page web"));

    auto *texteOffre = new QLabel(tr("Le texte collé contient des codes du jeu."));
    auto *boutonOffre = new QPushButton(tr("Importer ce code"));
    boutonOffre->setToolTip(tr("Remplace le pseudo par ce que le code décrit"));
    boutonOffre->setObjectName(QStringLiteral("boutonOffre"));
    auto *rangeeOffre = new QHBoxLayout(Offre);
    rangeeOffre->setContentsMargins(0, 0, 0, 0);
    rangeeOffre->addWidget(texteOffre);
    rangeeOffre->addWidget(boutonOffre);
    rangeeOffre->addStretch();
    // The message and the offer take turns in one place, which keeps its size: neither moves
    // the rows below nor widens the window.
    Zone->addWidget(Message);
    Zone->addWidget(Offre);

    auto *grille = new QGridLayout(this);
    grille->setContentsMargins(0, 0, 0, 0);
    auto *copies = new QHBoxLayout;
    copies->addWidget(BoutonCopier);
    copies->addWidget(BoutonCopierLien);
    grille->addLayout(copies, 0, 0);
    grille->addWidget(BoutonImporter, 0, 1);
    grille->addWidget(Zone, 0, 2);
    grille->addWidget(new QLabel(tr("Aperçu dans le jeu")), 1, 0, 1, 2);
    grille->addWidget(Apercu, 1, 2);
    auto *partage = new QHBoxLayout;
    for (QPushButton *bouton : {BoutonCopierImage, BoutonEnregistrerImage, BoutonCopierHtml})
        partage->addWidget(bouton);
    partage->addStretch();
    grille->addLayout(partage, 2, 0, 1, 3);
    grille->setColumnStretch(2, 1);

    Apercu->setFont(DessinJeu::PoliceApercu());
    Apercu->setAccessibleName(tr("Aperçu dans le jeu"));

    connect(BoutonCopier, &QPushButton::clicked, this, &SortieCode::Copier);
    connect(BoutonCopierLien, &QPushButton::clicked, this, &SortieCode::CopierLien);
    connect(BoutonImporter, &QPushButton::clicked, this, &SortieCode::DemanderCode);
    connect(BoutonCopierImage, &QPushButton::clicked, this, &SortieCode::CopierImage);
    connect(BoutonEnregistrerImage, &QPushButton::clicked, this, &SortieCode::EnregistrerImage);
    connect(BoutonCopierHtml, &QPushButton::clicked, this, &SortieCode::CopierHtml);
    connect(boutonOffre, &QPushButton::clicked, this, [this] { emit ImportDemande(CodePropose); });
}

SortieCode::~SortieCode() = default;

void SortieCode::Afficher(const QString &code)
{
    Code = code;
    Apercu->Afficher(code);
    MontrerMessage(QString());
}

void SortieCode::ProposerImport(const QString &texte)
{
    if (DecodeurPseudo::Lire(texte).texte == texte)
        return;
    CodePropose = texte;
    Zone->setCurrentWidget(Offre);
}

void SortieCode::Informer(const QString &message)
{
    MontrerMessage(message);
}

// Nothing is set that holds its value already: each setting would repaint.
void SortieCode::MontrerMessage(const QString &message)
{
    if (Zone->currentWidget() != Message)
        Zone->setCurrentWidget(Message);
    Message->setText(message);
}

void SortieCode::AnnoncerImport(const QList<DecodeurPseudo::Omission> &omis)
{
    QStringList raisons;
    for (const DecodeurPseudo::Omission &omission : omis)
        raisons << (omission.genre == DecodeurPseudo::Omission::Ombre
                        ? tr("l'ombre ($s), que Vivarel ne sait pas écrire")
                        : tr("un lien « %1 », dont le texte est gardé").arg(omission.cible));
    Informer(
        raisons.isEmpty()
            ? tr("Code importé.")
            : tr("Code importé. Laissé de côté : %1.").arg(raisons.join(QStringLiteral(", "))));
}

QList<QWidget *> SortieCode::OrdreClavier() const
{
    return {BoutonCopier,      BoutonCopierLien,       BoutonImporter,
            BoutonCopierImage, BoutonEnregistrerImage, BoutonCopierHtml};
}

// The selection clipboard too, where the platform has one: a middle click pastes it.
void SortieCode::Copier()
{
    QClipboard *pressePapiers = QApplication::clipboard();
    if (pressePapiers->supportsSelection())
        pressePapiers->setText(Code, QClipboard::Selection);
    auto *donnees = new QMimeData;
    donnees->setText(Code);
    Envoyer(donnees, tr("Code copié."));
}

// Said once the clipboard has answered, never before: a browser may refuse a copy. The code
// then waits selected in its line, for the player's own Ctrl+C.
void SortieCode::Envoyer(QMimeData *donnees, const QString &fait)
{
    const bool image = donnees->hasImage();
    const QPointer<SortieCode> garde(this);
    PressePapiers::Ecrire(donnees, [garde, fait, image](bool copie) {
        if (!garde)
            return;
        if (copie || image) {
            garde->Informer(copie ? fait
                                  : tr("Le navigateur n'a pas pris l'image : enregistrez-la avec "
                                       "« Enregistrer l'image… »."));
            return;
        }
        garde->Informer(
            tr("Le navigateur a refusé la copie : le code est sélectionné, copiez-le "
               "avec %1.")
                .arg(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText)));
        emit garde->CopieRefusee();
    });
}

void SortieCode::ProposerLien(const QString &page)
{
    Page = page;
    BoutonCopierLien->show();
}

void SortieCode::CopierLien()
{
    auto *donnees = new QMimeData;
    donnees->setText(LienPseudo::Lien(Page, Code));
    Envoyer(donnees, tr("Lien copié."));
}

int SortieCode::LargeurCode(const QFontMetrics &metriques)
{
    const QString codeType = QStringLiteral("$0123456789abcdefgimnotwz");
    return metriques.horizontalAdvance(codeType) * CalculPseudo::NombreCases /
               int(codeType.size()) +
           4 * metriques.averageCharWidth();
}

// Twice the screen's scale: sharp wherever it is pasted.
QImage SortieCode::Image() const
{
    return DessinJeu::Image(Code, 2 * devicePixelRatioF());
}

void SortieCode::CopierImage()
{
    auto *donnees = new QMimeData;
    donnees->setImageData(Image());
    Envoyer(donnees, tr("Image copiée."));
}

void SortieCode::EnregistrerImage()
{
    DialoguesFichier::Enregistrer(window(), tr("Enregistrer l'image"), QStringLiteral("pseudo.png"),
                                  tr("Images PNG (*.png)"), [this](const QString &fichier) {
                                      const bool ecrite = Image().save(fichier, "PNG");
                                      Informer(ecrite ? tr("Image enregistrée.")
                                                      : tr("L'image n'a pas pu être enregistrée."));
                                      return ecrite;
                                  });
}

// Both forms: a page that takes HTML gets the colours, any other place the text.
void SortieCode::CopierHtml()
{
    auto *donnees = new QMimeData;
    donnees->setHtml(FormesTexte::Html(FormesTexte::Couper(Code)));
    donnees->setText(FormesTexte::Texte(FormesTexte::Couper(Code)));
    Envoyer(donnees, tr("Code copié en HTML."));
}

void SortieCode::DemanderCode()
{
    // A code of any length, the line would otherwise cut it at 32,767 characters; a whole
    // code in sight.
    const auto preparer = [](QInputDialog &dialogue) {
        if (auto *ligne = dialogue.findChild<QLineEdit *>()) {
            ligne->setMaxLength(std::numeric_limits<int>::max());
            ligne->setMinimumWidth(LargeurCode(ligne->fontMetrics()));
        }
    };
    Demandes::Texte(
        window(), tr("Importer un code"), tr("Collez le code de votre pseudo :"), QString(),
        [this](const QString &code) { emit ImportDemande(code); }, preparer);
}
