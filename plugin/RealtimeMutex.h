#pragma once

#include <algorithm>
#include <chrono>

#if defined(_WIN32)
#include <mutex>
#else
#include <pthread.h>
#include <time.h>
#endif

// A mutex the audio thread can wait on for a bounded time. Holds last
// microseconds, and waking a thread that slept on the mutex can take longer,
// so a waiter first tries for a short while before it sleeps. Where the system
// offers it, the holder inherits the priority of the highest waiter: a control
// thread preempted while holding it runs on at the audio thread's priority and
// finishes its short step, rather than leave the audio thread waiting on it.
class RealtimeMutex {
public:
#if defined(_WIN32)
    void lock() { mutex_.lock(); }
    void unlock() { mutex_.unlock(); }
    bool try_lock() { return mutex_.try_lock(); }
    bool tryLockFor(std::chrono::nanoseconds timeout) { return mutex_.try_lock_for(timeout); }

private:
    std::timed_mutex mutex_;
#else
    RealtimeMutex()
    {
        pthread_mutexattr_t attributes;
        pthread_mutexattr_init(&attributes);
        pthread_mutexattr_setprotocol(&attributes, PTHREAD_PRIO_INHERIT);
        pthread_mutex_init(&mutex_, &attributes);
        pthread_mutexattr_destroy(&attributes);
    }
    ~RealtimeMutex() { pthread_mutex_destroy(&mutex_); }
    RealtimeMutex(const RealtimeMutex&) = delete;
    RealtimeMutex& operator=(const RealtimeMutex&) = delete;

    void lock()
    {
        if (!tryFor(kSpinning))
            pthread_mutex_lock(&mutex_);
    }
    void unlock() { pthread_mutex_unlock(&mutex_); }
    bool try_lock() { return pthread_mutex_trylock(&mutex_) == 0; }

    // The wait is timed on the wall clock, the one clock a priority-inheriting wait takes.
    bool tryLockFor(std::chrono::nanoseconds timeout)
    {
        if (tryFor(std::min<std::chrono::nanoseconds>(timeout, kSpinning)))
            return true;
        timeout -= kSpinning;
        if (timeout <= std::chrono::nanoseconds::zero())
            return false;
        timespec deadline {};
        clock_gettime(CLOCK_REALTIME, &deadline);
        const long long nanoseconds = deadline.tv_nsec + timeout.count();
        deadline.tv_sec += time_t(nanoseconds / 1000000000);
        deadline.tv_nsec = long(nanoseconds % 1000000000);
        return pthread_mutex_timedlock(&mutex_, &deadline) == 0;
    }

private:
    static constexpr std::chrono::microseconds kSpinning {20};

    bool tryFor(std::chrono::nanoseconds spinning)
    {
        const auto giveUp = std::chrono::steady_clock::now() + spinning;
        do {
            if (try_lock())
                return true;
        } while (std::chrono::steady_clock::now() < giveUp);
        return false;
    }

    pthread_mutex_t mutex_;
#endif
};
