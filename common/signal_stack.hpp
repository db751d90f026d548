#pragma once

#include <memory>

namespace common {

// While it lives, the calling thread handles signals on a stack of its own (for handlers
// installed with SA_ONSTACK), so a fault is reported even when the thread's stack has overflowed.
// Every thread has its own alternate stack: each worker thread we start makes one.
class ThreadSignalStack {
  public:
    ThreadSignalStack();
    ~ThreadSignalStack();
    ThreadSignalStack(const ThreadSignalStack&) = delete;
    ThreadSignalStack& operator=(const ThreadSignalStack&) = delete;

  private:
    std::unique_ptr<char[]> memory_;
    bool installed_ = false;
};

} // namespace common
