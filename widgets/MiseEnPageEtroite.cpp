#include "widgets/MiseEnPageEtroite.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QInputDevice>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScroller>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

MiseEnPageEtroite::MiseEnPageEtroite(QWidget *fenetre, const QList<QWidget *> &souples)
    : QObject(fenetre), Fenetre(fenetre), Souples(souples)
{
    Fenetre->installEventFilter(this);
}

MiseEnPageEtroite::~MiseEnPageEtroite() = default;

namespace {
const char *const RangeesGardees = "vivarelRangeesGardees";
}

void MiseEnPageEtroite::GarderRangees(QWidget *widget)
{
    widget->setProperty(RangeesGardees, true);
}

bool MiseEnPageEtroite::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == Fenetre &&
        (evenement->type() == QEvent::Show || evenement->type() == QEvent::WindowStateChange)) {
        Suivre();
        Adapter();
    }
    return QObject::eventFilter(objet, evenement);
}

// The screen can change its size (a phone turned, a browser window resized) or the window its
// screen.
void MiseEnPageEtroite::Suivre()
{
    QWindow *fenetre = Fenetre->windowHandle();
    if (!fenetre || Suivie == fenetre)
        return;
    Suivie = fenetre;
    const auto suivreEcran = [this](QScreen *ecran) {
        if (ecran)
            connect(ecran, &QScreen::availableGeometryChanged, this, &MiseEnPageEtroite::Adapter,
                    Qt::UniqueConnection);
        Adapter();
    };
    connect(fenetre, &QWindow::screenChanged, this, suivreEcran);
    suivreEcran(fenetre->screen());
}

void MiseEnPageEtroite::Adapter()
{
    const QScreen *ecran = Fenetre->screen();
    if (!ecran)
        return;
    // What the wide arrangement needs, measured while it is the one shown.
    if (!Etroite() && !Defilante())
        MinimumLarge = Fenetre->minimumSizeHint();
    // Only a window given the whole screen, as a page's always is, is held to the screen's
    // size; any other keeps its own minimum size.
    const QSize disponible = ecran->availableGeometry().size();
    const bool plein = Fenetre->isFullScreen();
    // Too short, it scrolls, and its scroll bar takes its width from the window's.
    const bool courte = disponible.height() < MinimumLarge.height();
    const int largeur = disponible.width() -
                        (courte ? Fenetre->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    const bool etroite = plein && largeur < MinimumLarge.width();
    const bool defilante = plein && (etroite || courte);
    if (etroite != Etroite()) {
        etroite ? Replier(largeur) : Deplier();
        // A hidden page (a tab not shown) tells no layout of its changes: all are told.
        for (QLayout *disposition : Fenetre->findChildren<QLayout *>())
            disposition->invalidate();
        for (QWidget *widget : Fenetre->findChildren<QWidget *>())
            widget->updateGeometry();
    }
    if (defilante != Defilante())
        defilante ? Defiler() : Fixer();
}

bool MiseEnPageEtroite::Gardee(const QLayout *disposition) const
{
    const QWidget *proprietaire = disposition->parentWidget();
    // A dialog open over the window keeps its own layout.
    return !proprietaire || proprietaire->window() != Fenetre || Gardee(proprietaire);
}

bool MiseEnPageEtroite::Gardee(const QWidget *proprietaire) const
{
    for (const QWidget *widget = proprietaire; widget; widget = widget->parentWidget())
        if (widget->property(RangeesGardees).toBool())
            return true;
    return false;
}

void MiseEnPageEtroite::Placer(QGridLayout *grille, QLayoutItem *element, int ligne, int colonne,
                               int lignes, int colonnes)
{
    if (QLayout *disposition = element->layout())
        grille->addLayout(disposition, ligne, colonne, lignes, colonnes, element->alignment());
    else
        grille->addItem(element, ligne, colonne, lignes, colonnes, element->alignment());
}

void MiseEnPageEtroite::Replier(int largeur)
{
    for (QBoxLayout *rangee : Fenetre->findChildren<QBoxLayout *>()) {
        if (rangee->direction() == QBoxLayout::LeftToRight && !Gardee(rangee)) {
            rangee->setDirection(QBoxLayout::TopToBottom);
            Rangees << rangee;
        }
    }
    for (QGridLayout *grille : Fenetre->findChildren<QGridLayout *>()) {
        if (Gardee(grille))
            continue;
        QList<Case> cases;
        for (int i = 0; i < grille->count(); ++i) {
            Case c{grille, grille->itemAt(i), 0, 0, 0, 0};
            grille->getItemPosition(i, &c.Ligne, &c.Colonne, &c.Lignes, &c.Colonnes);
            cases << c;
        }
        // Read row by row; what stands beside several rows (a help text on the right) comes
        // after them.
        const auto rang = [](const Case &c) {
            return std::make_pair(c.Colonne > 0 ? c.Ligne + c.Lignes - 1 : c.Ligne, c.Colonne);
        };
        // Given back in the order they came, which decides how spanning items share room.
        Cases += cases;
        std::stable_sort(cases.begin(), cases.end(),
                         [&](const Case &a, const Case &b) { return rang(a) < rang(b); });
        while (grille->count() > 0)
            grille->takeAt(0);
        QList<int> etirements;
        for (int colonne = 0; colonne < grille->columnCount(); ++colonne) {
            etirements << grille->columnStretch(colonne);
            grille->setColumnStretch(colonne, 0);
        }
        Etirements.insert(grille, etirements);
        for (int i = 0; i < cases.size(); ++i)
            Placer(grille, cases[i].Element, i, 0, 1, 1);
    }
    // Labels longer than the screen is wide (less the margins around them) wrap, and those in a
    // row that stays one.
    const int place = largeur - 4 * Fenetre->style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    for (QLabel *etiquette : Fenetre->findChildren<QLabel *>()) {
        if (!etiquette->wordWrap() && etiquette->window() == Fenetre &&
            (etiquette->sizeHint().width() > place || Gardee(etiquette))) {
            etiquette->setWordWrap(true);
            Retours << etiquette;
        }
    }
    // A fixed height is the size hint's, which a wrapping text may outgrow once narrow.
    for (QWidget *widget : Fenetre->findChildren<QWidget *>()) {
        if (widget->sizePolicy().verticalPolicy() == QSizePolicy::Fixed &&
            widget->hasHeightForWidth()) {
            widget->setSizePolicy(widget->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
            Hauteurs << widget;
        }
    }
    for (QWidget *widget : std::as_const(Souples)) {
        Largeurs.insert(widget, widget->minimumWidth());
        // 0 would hand the choice back to the widget's own minimum size hint.
        widget->setMinimumWidth(1);
    }
}

void MiseEnPageEtroite::Deplier()
{
    for (QBoxLayout *rangee : std::as_const(Rangees))
        rangee->setDirection(QBoxLayout::LeftToRight);
    Rangees.clear();
    for (auto grille = Etirements.cbegin(); grille != Etirements.cend(); ++grille) {
        while (grille.key()->count() > 0)
            grille.key()->takeAt(0);
        for (int colonne = 0; colonne < grille.value().size(); ++colonne)
            grille.key()->setColumnStretch(colonne, grille.value()[colonne]);
    }
    for (const Case &c : std::as_const(Cases))
        Placer(c.Grille, c.Element, c.Ligne, c.Colonne, c.Lignes, c.Colonnes);
    Cases.clear();
    Etirements.clear();
    for (auto largeur = Largeurs.cbegin(); largeur != Largeurs.cend(); ++largeur)
        largeur.key()->setMinimumWidth(largeur.value());
    Largeurs.clear();
    for (QLabel *etiquette : std::as_const(Retours))
        etiquette->setWordWrap(false);
    for (QWidget *widget : std::as_const(Hauteurs))
        widget->setSizePolicy(widget->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    Hauteurs.clear();
    Retours.clear();
}

// The window's layout moves into a scroll area and back: QWidget::setLayout takes a layout
// off the widget that has it, with its widgets. Moving clears the focus, given back after.
void MiseEnPageEtroite::Defiler()
{
    const QPointer<QWidget> focus = Fenetre->focusWidget();
    auto *contenu = new QWidget;
    contenu->setObjectName(QStringLiteral("contenu"));
    Deplacer(Fenetre->layout(), contenu);
    Defilement = new QScrollArea;
    Defilement->setObjectName(QStringLiteral("defilement"));
    Defilement->setFrameShape(QFrame::NoFrame);
    Defilement->setWidgetResizable(true);
    Defilement->setWidget(contenu);
    // A finger where there is a touch screen (a page always has one): Qt 6.4 never frees a
    // scroller's gesture recognizer, so none is made where no finger can use it.
    const QList<const QInputDevice *> appareils = QInputDevice::devices();
    if (std::any_of(appareils.begin(), appareils.end(), [](const QInputDevice *appareil) {
            return appareil->type() == QInputDevice::DeviceType::TouchScreen;
        }))
        QScroller::grabGesture(Defilement->viewport(), QScroller::TouchGesture);
    auto *cadre = new QVBoxLayout(Fenetre);
    cadre->setContentsMargins(QMargins());
    cadre->addWidget(Defilement);
    // What the window's own layout asked of it is now the scrolled content's.
    Fenetre->setMinimumSize(0, 0);
    Defilement->show();
    Rendre(focus);
}

void MiseEnPageEtroite::Fixer()
{
    const QPointer<QWidget> focus = Fenetre->focusWidget();
    QWidget *contenu = Defilement->takeWidget();
    delete Fenetre->layout();
    Deplacer(contenu->layout(), Fenetre);
    delete Defilement;
    delete contenu;
    Rendre(focus);
}

void MiseEnPageEtroite::Deplacer(QLayout *disposition, QWidget *vers)
{
    QList<QWidget *> montres;
    const auto recenser = [&](auto &&recenser, const QLayout *niveau) -> void {
        for (int i = 0; i < niveau->count(); ++i) {
            if (const QLayout *sous = niveau->itemAt(i)->layout())
                recenser(recenser, sous);
            else if (QWidget *widget = niveau->itemAt(i)->widget(); widget && !widget->isHidden())
                montres << widget;
        }
    };
    recenser(recenser, disposition);
    vers->setLayout(disposition);
    // A widget given another parent is hidden until shown again.
    for (QWidget *widget : std::as_const(montres))
        widget->show();
}

// After the moved widgets have shown again, which Qt does once back in the event loop.
void MiseEnPageEtroite::Rendre(const QPointer<QWidget> &focus)
{
    QMetaObject::invokeMethod(
        this,
        [focus] {
            if (focus)
                focus->setFocus();
        },
        Qt::QueuedConnection);
}
