#pragma once

#include <coroutine>
#include <exception>
#include <utility>

namespace quintara {

// Work of the game that may stop at a question to the player and go on once the answer has
// come: a coroutine that runs as soon as it is called, up to its first question. Steps awaited by
// others (`co_await PlaceComputerPoint(index)`) hand control back to them when they end; the
// outermost are kept by the game until then.
class [[nodiscard]] Steps {
 public:
  struct promise_type;
  using Handle = std::coroutine_handle<promise_type>;

  // The coroutine machinery calls these on its promise and awaiter objects.
  // NOLINTBEGIN(readability-convert-member-functions-to-static)
  struct promise_type {
    std::coroutine_handle<> awaiting;  // the steps that go on after these

    Steps get_return_object() { return Steps(Handle::from_promise(*this)); }
    std::suspend_never initial_suspend() noexcept { return {}; }
    auto final_suspend() noexcept {
      struct GoOn {
        bool await_ready() noexcept { return false; }
        std::coroutine_handle<> await_suspend(Handle ended) noexcept {
          const std::coroutine_handle<> next = ended.promise().awaiting;
          return next ? next : std::noop_coroutine();
        }
        void await_resume() noexcept {}
      };
      return GoOn{};
    }
    void return_void() {}
    void unhandled_exception() { std::terminate(); }
  };
  // NOLINTEND(readability-convert-member-functions-to-static)

  Steps(Steps&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
  Steps& operator=(Steps&& other) noexcept {
    if (this != &other) {
      if (handle_) handle_.destroy();
      handle_ = std::exchange(other.handle_, {});
    }
    return *this;
  }
  Steps(const Steps&) = delete;
  Steps& operator=(const Steps&) = delete;
  ~Steps() {
    if (handle_) handle_.destroy();
  }

  bool Done() const { return !handle_ || handle_.done(); }

  // Awaited: steps that asked nothing have already ended, and the awaiting ones go straight on.
  bool await_ready() const noexcept { return Done(); }
  void await_suspend(std::coroutine_handle<> awaiting) noexcept {
    handle_.promise().awaiting = awaiting;
  }
  void await_resume() const noexcept {}

 private:
  explicit Steps(Handle handle) : handle_(handle) {}

  Handle handle_;
};

}  // namespace quintara
