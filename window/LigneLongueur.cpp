#include "window/LigneLongueur.h"

#include "encoder/CalculPseudo.h"
#include "widgets/Accessibilite.h"
#include "widgets/CompteurMemorise.h"
#include "window/Construction.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

LigneLongueur::LigneLongueur()
    : LabelLimite(
          Nouveau<QLabel>("labelLimite", tr("Ce champ ne doit pas dépasser 45 caractères."))),
      AlerteLimite(Nouveau<QLabel>("alerteLimite")),
      LabelCompteur(Nouveau<QLabel>("labelCompteur", tr("Nombre de caractères actuels:"))),
      Compteur(Nouveau<CompteurMemorise>("compteur", 2u))
{
    Compteur->setAccessibleName(tr("Nombre de caractères"));
    // Filled segments in the text colour, twice the text's height: readable at a glance.
    Compteur->setSegmentStyle(QLCDNumber::Filled);
    Compteur->setMinimumHeight(2 * Compteur->fontMetrics().height());

    const int cote = fontMetrics().height();
    AlerteLimite->setPixmap(style()
                                ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                                .pixmap(QSize(cote, cote), devicePixelRatio()));
    // Its place is kept while hidden, so that crossing the limit moves nothing.
    QSizePolicy place = AlerteLimite->sizePolicy();
    place.setRetainSizeWhenHidden(true);
    AlerteLimite->setSizePolicy(place);
    AlerteLimite->hide();
    // What a screen reader reads out as it shows.
    AlerteLimite->setAccessibleName(QStringLiteral("%1 %2").arg(
        tr("Attention, il y a trop de caractères!"), LabelLimite->text()));
    Accessibilite::Annoncer(AlerteLimite);

    auto *rangee = new QHBoxLayout(this);
    rangee->setContentsMargins(QMargins());
    rangee->addWidget(LabelLimite);
    rangee->addWidget(AlerteLimite, 0, Qt::AlignRight);
    rangee->addWidget(LabelCompteur, 0, Qt::AlignRight);
    rangee->addWidget(Compteur, 0, Qt::AlignLeft);
}

LigneLongueur::~LigneLongueur() = default;

// Widens the display past two digits rather than let it keep a stale number. What has not
// changed is not set again: each setting repaints, and a changed label lays the row out again.
void LigneLongueur::AfficherLongueur(int longueur)
{
    const int chiffres = qMax(2, int(QString::number(longueur).size()));
    if (Compteur->digitCount() != chiffres)
        Compteur->setDigitCount(chiffres);
    if (Compteur->intValue() != longueur)
        Compteur->display(longueur);

    const bool tropLong = longueur > CalculPseudo::NombreCases;
    const QString etiquette = tropLong ? tr("Attention, il y a trop de caractères!")
                                       : tr("Nombre de caractères actuels:");
    const QString description = tropLong ? QStringLiteral("%1 — %2").arg(longueur).arg(etiquette)
                                         : QString::number(longueur);
    if (Compteur->accessibleDescription() != description)
        Compteur->setAccessibleDescription(description);
    if (LabelCompteur->text() == etiquette)
        return;
    LabelCompteur->setText(etiquette);
    AlerteLimite->setVisible(tropLong);
    // On Windows, Qt plays the system's alert sound for it while a screen reader listens.
    if (tropLong) {
        QAccessibleEvent alerte(AlerteLimite, QAccessible::Alert);
        QAccessible::updateAccessibility(&alerte);
    }
    QPalette palette;
    if (tropLong)
        palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::red, Qt::SolidPattern));
    LabelCompteur->setPalette(palette);
    Compteur->setPalette(palette);
}
