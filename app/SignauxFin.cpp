#include "app/SignauxFin.h"

#include <QSocketNotifier>

// A page has no signals; Qt's web event loop cannot watch a pipe either.
#if defined(Q_OS_UNIX) && !defined(Q_OS_WASM)
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

#elif defined(Q_OS_WIN)
#include <windows.h>

namespace {

SignauxFin *Actif = nullptr;

// Runs on a thread of its own that Windows starts: it hands the request to the event loop.
BOOL WINAPI SurEvenement(DWORD evenement)
{
    QMetaObject::invokeMethod(Actif, &SignauxFin::FinDemandee, Qt::QueuedConnection);
    // For Ctrl+C and Ctrl+Break the process lives on; for a closed console, a logoff or a
    // shutdown it ends as soon as this returns, so this waits: the program's own exit, once
    // it has saved, ends the wait with the process (Windows allows five seconds or more).
    if (evenement != CTRL_C_EVENT && evenement != CTRL_BREAK_EVENT)
        Sleep(10000);
    return TRUE;
}

} // namespace

// Ctrl+C, Ctrl+Break, closing the console, logoff and shutdown, for the console companion; the
// window program hears a session's end from Qt (commitDataRequest).
SignauxFin::SignauxFin()
{
    Actif = this;
    SetConsoleCtrlHandler(SurEvenement, TRUE);
}

SignauxFin::~SignauxFin()
{
    SetConsoleCtrlHandler(SurEvenement, FALSE);
    Actif = nullptr;
}

void SignauxFin::Lire() {}

#else

SignauxFin::SignauxFin() = default;
SignauxFin::~SignauxFin() = default;
void SignauxFin::Lire() {}

#endif
