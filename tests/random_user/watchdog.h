// Watches the running action of a randomised test: one that has not returned within the
// limit is a hang; the watchdog prints what was running and ends the process, since the
// hanging thread cannot be stopped.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>

namespace morvane::random_user {

class Watchdog {
public:
    explicit Watchdog(std::chrono::milliseconds limit)
        : limit_(limit), thread_([this] { loop(); }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(m_);
            stop_ = true;
        }
        cv_.notify_all();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // what: tells what was running (the scenario that leads to it), asked for only on a hang,
    // while the test's own thread is stuck in the action.
    void begin(std::function<std::string()> what) {
        std::lock_guard<std::mutex> lock(m_);
        what_ = std::move(what);
        started_ = std::chrono::steady_clock::now();
        running_ = true;
    }
    // The time the action took.
    std::chrono::milliseconds end() {
        std::lock_guard<std::mutex> lock(m_);
        running_ = false;
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started_);
    }

private:
    void loop() {
        std::unique_lock<std::mutex> lock(m_);
        while (!stop_) {
            cv_.wait_for(lock, std::chrono::milliseconds(100));
            if (running_ && std::chrono::steady_clock::now() - started_ > limit_) {
                std::cerr << "An action did not return within " << limit_.count() << " ms:\n"
                          << what_() << std::endl;
                std::abort();
            }
        }
    }
    std::chrono::milliseconds limit_;
    std::mutex m_;
    std::condition_variable cv_;
    bool stop_ = false, running_ = false;
    std::function<std::string()> what_;
    std::chrono::steady_clock::time_point started_;
    std::thread thread_;
};

}  // namespace morvane::random_user
