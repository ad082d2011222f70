#include "serial/ModemLineWait_unix.h"

#include <pthread.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <mutex>

namespace {
// TIOCMIWAIT cannot be woken by poll or close; a signal without SA_RESTART ends it with EINTR.
int wakeSignal() {
    return SIGRTMIN + 2;
}

extern "C" void onWakeSignal(int) {}

void installWakeHandler() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_handler = onWakeSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        sigaction(wakeSignal(), &action, nullptr);
    });
}
}  // namespace

ModemLineWait::ModemLineWait(int deviceFd, int notifyFd)
    : deviceFd_(deviceFd), notifyFd_(notifyFd) {
    installWakeHandler();
    thread_ = std::jthread([this](std::stop_token st) { run(st); });
}

ModemLineWait::~ModemLineWait() {
    thread_.request_stop();
    std::unique_lock lock(m_);
    while (!finished_) {
        pthread_kill(thread_.native_handle(), wakeSignal());
        ended_.wait_for(lock, std::chrono::milliseconds(5));
    }
    lock.unlock();
    thread_.join();
}

void ModemLineWait::run(std::stop_token stop) {
    constexpr int lines = TIOCM_CTS | TIOCM_DSR | TIOCM_RNG | TIOCM_CD;
    while (!stop.stop_requested()) {
        if (::ioctl(deviceFd_, TIOCMIWAIT, lines) == 0) {
            const std::uint64_t one = 1;
            if (::write(notifyFd_, &one, sizeof one) < 0) break;
            continue;
        }
        if (errno != EINTR) break;  // not supported here, or the device has gone
    }
    const std::lock_guard lock(m_);
    finished_ = true;
    ended_.notify_all();
}
