#ifndef SIGNAUXFIN_H
#define SIGNAUXFIN_H

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, systemd, timeout, Ctrl+C) end the program the normal
// way, through the event loop, so that it saves: the handler only writes a byte into a pipe,
// and the loop reads it. Nothing else may run inside a signal handler. On Windows the console's
// events (Ctrl+C, closing it, logoff, shutdown) do the same.
class SignauxFin : public QObject
{
    Q_OBJECT

public:
    SignauxFin();
    ~SignauxFin() override;

signals:
    void FinDemandee();

private:
    void Lire();

    QSocketNotifier *Notificateur = nullptr;
};

#endif
