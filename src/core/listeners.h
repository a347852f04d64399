// A change notification any number of parties can hear: each Add gives an id to Remove by.
#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace melvoro {

template <class... Args>
class Listeners {
 public:
  using Handler = std::function<void(Args...)>;

  Listeners() = default;
  // A copy would call its owner's listeners on behalf of another object.
  Listeners(const Listeners&) = delete;
  Listeners& operator=(const Listeners&) = delete;

  int Add(Handler handler) {
    entries_.push_back({next_id_, std::move(handler)});
    return next_id_++;
  }

  // An id already removed, or never given, is ignored.
  void Remove(int id) {
    for (Entry& entry : entries_)
      if (entry.id == id) entry.handler = nullptr;
    if (depth_ == 0) Compact();
  }

  bool Empty() const {
    for (const Entry& entry : entries_)
      if (entry.handler) return false;
    return true;
  }

  // A listener may add or remove listeners while it is heard: one removed is not called
  // any more, one added is first called by the next notification.
  void operator()(Args... args) {
    ++depth_;
    const std::size_t count = entries_.size();
    try {
      for (std::size_t i = 0; i < count; ++i) {
        if (!entries_[i].handler) continue;
        const Handler handler = entries_[i].handler;  // it may remove itself
        handler(args...);
      }
    } catch (...) {
      Leave();
      throw;
    }
    Leave();
  }

 private:
  struct Entry {
    int id;
    Handler handler;
  };

  void Leave() {
    if (--depth_ == 0) Compact();
  }
  void Compact() {
    std::erase_if(entries_, [](const Entry& entry) { return !entry.handler; });
  }

  std::vector<Entry> entries_;
  int next_id_ = 1;
  int depth_ = 0;
};

// Takes its listener off when it goes: whoever hears an object that outlives it holds one.
class Subscription {
 public:
  Subscription() = default;
  template <class... Args>
  Subscription(Listeners<Args...>& source, typename Listeners<Args...>::Handler handler)
      : remove_([&source, id = source.Add(std::move(handler))] { source.Remove(id); }) {}
  Subscription(Subscription&& other) noexcept : remove_(std::exchange(other.remove_, nullptr)) {}
  Subscription& operator=(Subscription&& other) noexcept {
    if (this != &other) {
      Reset();
      remove_ = std::exchange(other.remove_, nullptr);
    }
    return *this;
  }
  ~Subscription() { Reset(); }

  void Reset() {
    if (remove_) std::exchange(remove_, nullptr)();
  }

 private:
  std::function<void()> remove_;
};

}  // namespace melvoro
