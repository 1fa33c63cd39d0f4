#include "platform/TerminationHold.h"

#include <signal.h>

#include <atomic>
#include <mutex>

namespace {

constexpr int Held[] = {SIGTERM, SIGINT, SIGHUP};

std::mutex mutex;
int holds = 0;  // holds alive, on every thread
struct sigaction before[std::size(Held)];
std::atomic<unsigned> arrived{0};  // one bit a signal number

extern "C" void Note(int signal) { arrived.fetch_or(1u << signal); }

}  // namespace

TerminationHold::TerminationHold() {
    const std::lock_guard lock(mutex);
    if (holds++ > 0) return;
    struct sigaction note {};
    note.sa_handler = Note;
    note.sa_flags = SA_RESTART;
    sigemptyset(&note.sa_mask);
    for (size_t i = 0; i < std::size(Held); ++i) sigaction(Held[i], &note, &before[i]);
}

TerminationHold::~TerminationHold() {
    unsigned came = 0;
    {
        const std::lock_guard lock(mutex);
        if (--holds > 0) return;
        for (size_t i = 0; i < std::size(Held); ++i) sigaction(Held[i], &before[i], nullptr);
        came = arrived.exchange(0);
    }
    // What came meanwhile now meets the program's own handling: the default ends it, an ignored signal stays so.
    for (const int signal : Held)
        if (came & (1u << signal)) raise(signal);
}
