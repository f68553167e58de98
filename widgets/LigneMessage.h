#ifndef LIGNEMESSAGE_H
#define LIGNEMESSAGE_H

#include <QString>
#include <QWidget>

// A one-line message that keeps its place and its size whatever it says: it is as tall as one
// line even when empty, asks for no more width than it was given, and elides what does not fit,
// the whole text in its tooltip. Showing or clearing it moves nothing and lays nothing out
// again, which a QLabel would.
class LigneMessage : public QWidget
{
    Q_OBJECT

public:
    // `exemple` is the width it would like, a text of usual length.
    explicit LigneMessage(const QString &exemple = QString());
    ~LigneMessage() override;

    QString text() const { return Texte; }
    void setText(const QString &texte);
    void clear() { setText(QString()); }
    // Drawn in red, as warnings are.
    void DefinirAlerte(bool alerte);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void MettreAJourBulle();

    QString Texte;
    QString Exemple;
    bool Alerte = false;
};

#endif
