#include "widgets/QFrame_Perso.h"

#include "encoder/CalculPseudo.h"
#include "encoder/NomCouleur.h"
#include "widgets/Demandes.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

// To a screen reader the square is what it acts like: a push button, which its Press action
// clicks. The dialog opens once the call has returned, so the tool asking is not held up.
class CarreAccessible : public QAccessibleWidget
{
public:
    explicit CarreAccessible(QFrame_Perso *carre) : QAccessibleWidget(carre, QAccessible::Button) {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction())
            return QAccessibleWidget::doAction(action);
        auto *carre = static_cast<QFrame_Perso *>(widget());
        QMetaObject::invokeMethod(
            carre, [carre] { carre->Choisir(); }, Qt::QueuedConnection);
    }
};

namespace {

QAccessibleInterface *Interface(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String(QFrame_Perso::staticMetaObject.className()))
        return new CarreAccessible(static_cast<QFrame_Perso *>(objet));
    return nullptr;
}

} // namespace

QFrame_Perso::QFrame_Perso() : QFrame(nullptr), Couleur(Qt::black)
{
    static const bool fabrique = (QAccessible::installFactory(Interface), true);
    Q_UNUSED(fabrique);
    AfficherCouleur();
    setCursor(Qt::PointingHandCursor);
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(tr("Cliquez, ou appuyez sur Espace, pour choisir la couleur"));
}

QFrame_Perso::~QFrame_Perso() = default;

void QFrame_Perso::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Choisir();
}

void QFrame_Perso::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
        Choisir();
    else
        QFrame::keyPressEvent(event);
}

// The frame, and the focus where the style draws it, so a keyboard user sees the square.
void QFrame_Perso::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter peintre(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(2, 2, -2, -2);
    option.backgroundColor = Couleur;
    peintre.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void QFrame_Perso::Choisir()
{
    // Titled after the square, so the player knows which colour is being picked.
    Demandes::Couleur(window(), Couleur, Libelle,
                      [this](const QColor &choisie) { DefinirCouleur(choisie); });
}

// Alpha stays as given; only the three channels are snapped.
void QFrame_Perso::DefinirCouleur(const QColor &couleur)
{
    Couleur = couleur;
    Couleur.setRed(CalculPseudo::ValeurNiveau(CalculPseudo::NiveauCanal(couleur.red())));
    Couleur.setGreen(CalculPseudo::ValeurNiveau(CalculPseudo::NiveauCanal(couleur.green())));
    Couleur.setBlue(CalculPseudo::ValeurNiveau(CalculPseudo::NiveauCanal(couleur.blue())));
    AfficherCouleur();
    emit CouleurChoisie();
}

void QFrame_Perso::DefinirLibelle(const QString &libelle)
{
    Libelle = libelle;
    AfficherCouleur();
}

void QFrame_Perso::AfficherCouleur()
{
    Palette.setBrush(QPalette::All, QPalette::Window, QBrush(Couleur, Qt::SolidPattern));
    setPalette(Palette);
    const QString nom = tr("%1 (%2)").arg(NomCouleur::Nom(Couleur), Couleur.name());
    setAccessibleName(Libelle.isEmpty() ? nom : tr("%1 : %2").arg(Libelle, nom));
}
