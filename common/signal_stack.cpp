#include "common/signal_stack.hpp"

#include <csignal>
#include <cstddef>
#include <new>

namespace common {
namespace {

// Room for the crash handler, which formats and writes a file.
constexpr std::size_t kSignalStackBytes = 64 * 1024;

} // namespace

ThreadSignalStack::ThreadSignalStack() {
    stack_t current{};
    // A thread that already has one (the main thread's) keeps it.
    if (sigaltstack(nullptr, &current) != 0 || !(current.ss_flags & SS_DISABLE))
        return;
    memory_.reset(new (std::nothrow) char[kSignalStackBytes]);
    if (!memory_)
        return;
    stack_t stack{};
    stack.ss_sp = memory_.get();
    stack.ss_size = kSignalStackBytes;
    installed_ = sigaltstack(&stack, nullptr) == 0;
}

ThreadSignalStack::~ThreadSignalStack() {
    if (!installed_)
        return;
    // The memory goes with this object: the thread must not keep pointing at it.
    stack_t off{};
    off.ss_flags = SS_DISABLE;
    sigaltstack(&off, nullptr);
}

} // namespace common
