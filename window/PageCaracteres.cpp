#include "window/PageCaracteres.h"

#include "widgets/Accessibilite.h"
#include "widgets/TexteLiens.h"
#include "window/Construction.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

const char AdresseForum[] = "https://www.tm-forum.com/fr/forum/viewtopic.php?t=24189";

// One item per UTF-16 unit, in string order: a combining mark is an item of its own.
void RemplirListe(QComboBox *liste, const QString &caracteres)
{
    for (const QChar caractere : caracteres)
        liste->addItem(QString(caractere));
}

QComboBox *NouvelleListe(const char *nom, const char *caracteres)
{
    auto *liste = Nouveau<QComboBox>(nom);
    RemplirListe(liste, QString::fromUtf8(caracteres));
    return liste;
}

} // namespace

PageCaracteres::PageCaracteres()
    : RadioRessemblant(
          Nouveau<QRadioButton>("radioRessemblant", tr("Caractère ressemblant à une lettre:"))),
      RadioDoubleLettre(Nouveau<QRadioButton>("radioDoubleLettre", tr("Double lettre:"))),
      RadioSmiley(Nouveau<QRadioButton>("radioSmiley", tr("Smiley:"))),
      RadioAutre(Nouveau<QRadioButton>("radioAutre", tr("Autre:"))),
      ListeLettres(NouvelleListe("listeLettres", CatalogueCaracteres::Alphabet)),
      ListeRessemblants(NouvelleListe("listeRessemblants", CatalogueCaracteres::Ressemblants[0])),
      ListeDoublesLettres(
          NouvelleListe("listeDoublesLettres", CatalogueCaracteres::DoublesLettres)),
      ListeSmileys(NouvelleListe("listeSmileys", CatalogueCaracteres::Smileys)),
      ListeAutres(NouvelleListe("listeAutres", CatalogueCaracteres::Autres)),
      BoutonInserer(Nouveau<QPushButton>("boutonInserer", tr("&Insérer"))),
      AideCaracteres(Nouveau<TexteLiens>(
          "aideCaracteres",
          tr("Attention, selon les caractéristiques de votre système, <strong>certains "
             "caractères spéciaux peuvent ne pas s'afficher correctement.</strong> C'est le cas "
             "si un carré blanc est visble à la place du caractère attendu.<br />Si vous ne "
             "visualisez pas un caractère qui vous intéresse, essayez de le copier-coller "
             "directement dans Trackmania à partir ") +
              QStringLiteral("<a href = '%1'>").arg(QLatin1String(AdresseForum)) +
              tr("de cette page web.") + QStringLiteral("</a>")))
{
    for (int i = 0; i < CatalogueCaracteres::NombreLettres; ++i)
        ListesRessemblants[i] = QString::fromUtf8(CatalogueCaracteres::Ressemblants[i]);
    // Each combo box is introduced by its row's caption: on Linux through a label relation,
    // while the name says the current character; on Windows by its name.
    const std::pair<QComboBox *, QRadioButton *> legendes[] = {
        {ListeLettres, RadioRessemblant},
        {ListeRessemblants, RadioRessemblant},
        {ListeDoublesLettres, RadioDoubleLettre},
        {ListeSmileys, RadioSmiley},
        {ListeAutres, RadioAutre}};
    for (const auto &[liste, radio] : legendes) {
        Accessibilite::Legender(liste, radio);
        liste->setAccessibleName(radio->text().remove(u':').trimmed());
    }
    ListeLettres->setAccessibleName(tr("Lettre"));
    RadioRessemblant->setChecked(true);
    BoutonInserer->setToolTip(tr("Met le caractère choisi à la place du curseur"));
    Disposer();

    connect(ListeLettres, &QComboBox::currentIndexChanged, this,
            &PageCaracteres::ChangerListeCaracteresSpeciaux);
    connect(BoutonInserer, &QPushButton::clicked, this, &PageCaracteres::InsererCaractereChoisi);
}

PageCaracteres::~PageCaracteres() = default;

void PageCaracteres::Disposer()
{
    auto *grille = new QGridLayout(this);
    grille->addWidget(RadioRessemblant, 0, 0, 1, 1);
    grille->addWidget(RadioDoubleLettre, 1, 0, 1, 1);
    grille->addWidget(RadioSmiley, 2, 0, 1, 1);
    grille->addWidget(RadioAutre, 3, 0, 1, 1);
    grille->addWidget(ListeLettres, 0, 1, 1, 1);
    grille->addWidget(ListeRessemblants, 0, 2, 1, 1);
    grille->addWidget(ListeDoublesLettres, 1, 1, 1, 2);
    grille->addWidget(ListeSmileys, 2, 1, 1, 2);
    grille->addWidget(ListeAutres, 3, 1, 1, 2);
    grille->addWidget(BoutonInserer, 4, 0, 1, 6, Qt::AlignCenter);
    grille->addWidget(AideCaracteres, 0, 3, 4, 3);
}

QList<QWidget *> PageCaracteres::OrdreClavier() const
{
    return {RadioRessemblant,    ListeLettres,  ListeRessemblants, RadioDoubleLettre,
            ListeDoublesLettres, RadioSmiley,   ListeSmileys,      RadioAutre,
            ListeAutres,         BoutonInserer, AideCaracteres};
}

void PageCaracteres::ChangerListeCaracteresSpeciaux(int NumLettre)
{
    if (NumLettre < 0 || NumLettre >= int(ListesRessemblants.size()))
        return;
    ListeRessemblants->clear();
    RemplirListe(ListeRessemblants, ListesRessemblants[NumLettre]);
}

void PageCaracteres::InsererCaractereChoisi()
{
    if (RadioRessemblant->isChecked())
        emit InsertionDemandee(ListeRessemblants->currentText());
    if (RadioDoubleLettre->isChecked())
        emit InsertionDemandee(ListeDoublesLettres->currentText());
    if (RadioSmiley->isChecked())
        emit InsertionDemandee(ListeSmileys->currentText());
    if (RadioAutre->isChecked())
        emit InsertionDemandee(ListeAutres->currentText());
}
