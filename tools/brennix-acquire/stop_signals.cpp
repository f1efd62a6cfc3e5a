#include "tools/brennix-acquire/stop_signals.h"

#include <unistd.h>

#include <csignal>

namespace brennix::acquire {
namespace {

volatile std::sig_atomic_t g_received = 0;
std::string_view g_notice;
struct sigaction g_previousInt {};
struct sigaction g_previousTerm {};

extern "C" void onStopSignal(int signal) {
    if (g_received != 0) {
        // Asked twice: do what the signal would have done.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_received = signal;
    if (!g_notice.empty()) {
        (void)!::write(STDERR_FILENO, g_notice.data(), g_notice.size());
    }
}

}  // namespace

StopSignals::StopSignals(std::string_view notice) {
    g_received = 0;
    g_notice = notice;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &g_previousInt);
    ::sigaction(SIGTERM, &action, &g_previousTerm);
}

StopSignals::~StopSignals() {
    ::sigaction(SIGINT, &g_previousInt, nullptr);
    ::sigaction(SIGTERM, &g_previousTerm, nullptr);
    g_notice = {};
}

int StopSignals::received() {
    return g_received;
}

std::string_view signalName(int signal) {
    switch (signal) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        default:
            return "a signal";
    }
}

}  // namespace brennix::acquire
