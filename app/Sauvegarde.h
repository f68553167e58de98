#ifndef SAUVEGARDE_H
#define SAUVEGARDE_H

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// Writes what the player changed shortly after the change, never on every keystroke: half a
// second after the last change of a burst, or two seconds after its first one if the burst
// goes on, so that a crash or a power cut loses at most that.
class Sauvegarde : public QObject
{
    Q_OBJECT

public:
    explicit Sauvegarde(std::function<void()> ecrire);
    ~Sauvegarde() override;

    static constexpr int Calme = 500;
    static constexpr int AttenteMax = 2000;

    void Signaler();
    // At exit: writes now, pending or not.
    void Terminer();
    int Ecritures() const { return NombreEcritures; }

private:
    void Ecrire();

    std::function<void()> Ecriture;
    QTimer Minuterie;
    QElapsedTimer DepuisPremier;
    int NombreEcritures = 0;
};

#endif
