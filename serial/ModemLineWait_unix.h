#pragma once
// Waits for modem-line changes with TIOCMIWAIT on a thread of its own and tells of each by
// writing to an eventfd that the device's poll watches. Drivers without TIOCMIWAIT (pseudo-
// terminals, some USB adapters) end the thread at once; the component then reads the lines again
// on its 50 ms pass.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class ModemLineWait {
  public:
    ModemLineWait(int deviceFd, int notifyFd);
    ~ModemLineWait();
    ModemLineWait(const ModemLineWait&) = delete;
    ModemLineWait& operator=(const ModemLineWait&) = delete;

  private:
    void run(std::stop_token stop);

    int deviceFd_;
    int notifyFd_;
    std::mutex m_;
    std::condition_variable ended_;
    bool finished_ = false;
    std::jthread thread_;
};
