#include "app/SignauxFin.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int Tube[2] = {-1, -1};
const int Signaux[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void SurSignal(int)
{
    const char octet = 1;
    [[maybe_unused]] const ssize_t ecrit = ::write(Tube[1], &octet, 1);
}

} // namespace

SignauxFin::SignauxFin()
{
    if (Tube[0] < 0 && ::pipe2(Tube, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    Notificateur = new QSocketNotifier(Tube[0], QSocketNotifier::Read, this);
    connect(Notificateur, &QSocketNotifier::activated, this, &SignauxFin::Lire);
    struct sigaction action = {};
    action.sa_handler = SurSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Signaux)
        sigaction(signal, &action, nullptr);
}

SignauxFin::~SignauxFin()
{
    for (const int signal : Signaux)
        std::signal(signal, SIG_DFL);
}

void SignauxFin::Lire()
{
    char octets[16];
    while (::read(Tube[0], octets, sizeof octets) > 0) {
    }
    emit FinDemandee();
}

#else

SignauxFin::SignauxFin() = default;
SignauxFin::~SignauxFin() = default;
void SignauxFin::Lire() {}

#endif
