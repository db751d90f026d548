#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <variant>

namespace common {

// What went wrong with a file, so callers can pick their own message (the editors show a
// fixed notice for a wrong header, the game reports the text).
enum class ErrorKind {
    missingFile, // the file is not there or cannot be opened
    wrongHeader, // the first line is not one the reader accepts
    badContent,  // too few lines, not a number, out of range, junk, line too long
    writeFailed, // the file could not be written or replaced
};

struct Error {
    ErrorKind kind = ErrorKind::badContent;
    std::string message;  // names the file, the line and what was expected
    std::size_t line = 0; // the line at fault, 0 when the fault is not in one line
};

// A value or an error: readers and writers never throw and never abort.
template <typename T> class Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    const Error& error() const { return std::get<1>(state_); }
    const std::string& message() const { return std::get<1>(state_).message; }

  private:
    std::variant<T, Error> state_;
};

// Success or an error, for operations with no value.
template <> class Result<void> {
  public:
    Result() = default;
    Result(Error error) : error_(std::move(error)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }
    const std::string& message() const { return error_.message; }

  private:
    Error error_;
    bool failed_ = false;
};

using Status = Result<void>;

} // namespace common
