// Draws the title banner and the window icon in the look of a styled nickname: letters in a
// stepped colour gradient over a one-pixel-style drop shadow.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The game shows 16 levels per channel; the banner's gradient steps through those levels.
QColor Etape(const QColor &depart, const QColor &arrivee, int i, int n)
{
    auto canal = [&](int a, int b) { return ((a + (b - a) * i / (n - 1)) + 8) / 17 * 17; };
    return QColor(canal(depart.red(), arrivee.red()), canal(depart.green(), arrivee.green()),
                  canal(depart.blue(), arrivee.blue()));
}

void DessinerTexte(QPainter &peintre, const QString &texte, const QFont &police, QPointF origine,
                   const QColor &depart, const QColor &arrivee, qreal decalageOmbre)
{
    QFontMetricsF mesures(police);
    peintre.setFont(police);
    QPointF position = origine;
    for (int i = 0; i < texte.size(); ++i) {
        const QString lettre = texte.mid(i, 1);
        QPainterPath chemin;
        chemin.addText(position, police, lettre);
        peintre.fillPath(chemin.translated(decalageOmbre, decalageOmbre), QColor(0, 0, 0, 150));
        peintre.fillPath(chemin, Etape(depart, arrivee, i, texte.size()));
        peintre.strokePath(chemin, QPen(QColor(0, 0, 0, 90), 1));
        position.rx() += mesures.horizontalAdvance(lettre);
    }
}

QImage Banniere()
{
    QImage image(550, 117, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);

    QFont grande(QStringLiteral("Liberation Sans"));
    grande.setPixelSize(46);
    grande.setBold(true);
    grande.setItalic(true);
    const QString titre = QStringLiteral("Trackmania Vivarel");
    const qreal largeur = QFontMetricsF(grande).horizontalAdvance(titre);
    DessinerTexte(peintre, titre, grande, QPointF((550 - largeur) / 2, 62), QColor(255, 204, 0),
                  QColor(0, 136, 255), 3);

    // The subtitle is drawn over it by the window, in the window's language.
    return image;
}

// Drawn at 128 pixels and scaled by the painter, so every size is drawn, not resampled.
QImage Icone(int taille = 128)
{
    QImage image(taille, taille, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.scale(taille / 128.0, taille / 128.0);

    QLinearGradient fond(0, 0, 128, 128);
    fond.setColorAt(0, QColor(255, 204, 0));
    fond.setColorAt(1, QColor(238, 68, 0));
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(fond);
    peintre.drawRoundedRect(QRectF(4, 4, 120, 120), 24, 24);

    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(104);
    police.setBold(true);
    QPainterPath lettre;
    const qreal largeur = QFontMetricsF(police).horizontalAdvance(u'V');
    lettre.addText(QPointF((128 - largeur) / 2, 102), police, QStringLiteral("V"));
    peintre.fillPath(lettre.translated(5, 5), QColor(0, 0, 0, 150));
    peintre.fillPath(lettre, Qt::white);
    return image;
}

} // namespace

// With --icones DIR: the icon at the desktop's usual sizes, and those a web app asks for, in
// DIR/hicolor/NxN/apps.
int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--icones") == 0) {
        QDir dossier(QString::fromLocal8Bit(argv[2]));
        for (int taille : {16, 24, 32, 48, 64, 128, 192, 256, 512}) {
            const QString sous = QStringLiteral("hicolor/%1x%1/apps").arg(taille);
            if (!dossier.mkpath(sous) ||
                !Icone(taille).save(dossier.filePath(sous + "/io.github.vivarel.Vivarel.png")))
                return 1;
        }
        return 0;
    }
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool ok = Banniere().save(dossier.filePath(QStringLiteral("TitreLogiciel.png"))) &&
                    Icone().save(dossier.filePath(QStringLiteral("IconeVVRL.png")));
    return ok ? 0 : 1;
}
