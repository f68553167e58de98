#ifndef LISTECONSIGNE_H
#define LISTECONSIGNE_H

#include <QListWidget>

// A list that, while empty, says in its middle how to fill it, rather than show a blank box;
// a screen reader reads the same words as its description.
class ListeConsigne : public QListWidget
{
    Q_OBJECT

public:
    void DefinirConsigne(const QString &consigne);

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    void MettreAJourDescription();

    QString Consigne;
};

#endif
