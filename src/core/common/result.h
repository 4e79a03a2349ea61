#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace vh {

// An error as the user should read it: the engine's own text for database
// failures, or a sentence of ours for everything else.
struct Error final {
  QString text;
};

// Thrown inside repositories and caught by attempt(): statements fail deep in
// helper code, and unwinding to the one place that turns it into a Result
// keeps every caller free of error plumbing.
struct Failure final {
  Error error;
};

template <typename T> class [[nodiscard]] Result final {
public:
  Result(T value) : m_state(std::move(value)) {}
  Result(Error error) : m_state(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(m_state); }
  explicit operator bool() const { return ok(); }

  const T& value() const& { return std::get<T>(m_state); }
  T& value() & { return std::get<T>(m_state); }
  T&& value() && { return std::get<T>(std::move(m_state)); }
  const T& operator*() const& { return value(); }
  const T* operator->() const { return &value(); }

  const Error& error() const { return std::get<Error>(m_state); }

private:
  std::variant<T, Error> m_state;
};

template <> class [[nodiscard]] Result<void> final {
public:
  Result() = default;
  Result(Error error) : m_error(std::move(error)) {}

  bool ok() const { return !m_error.has_value(); }
  explicit operator bool() const { return ok(); }
  const Error& error() const { return *m_error; }

private:
  std::optional<Error> m_error;
};

// Runs fn and turns a thrown Failure into an error result.
template <typename Fn> auto attempt(Fn&& fn) -> Result<decltype(fn())> {
  using T = decltype(fn());
  try {
    if constexpr (std::is_void_v<T>) {
      fn();
      return Result<void>();
    } else {
      return Result<T>(fn());
    }
  } catch (const Failure& failure) {
    return failure.error;
  }
}

[[noreturn]] inline void fail(const QString& text) {
  throw Failure{Error{text}};
}

} // namespace vh
