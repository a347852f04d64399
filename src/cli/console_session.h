// What the search and download commands run on: the engine on a console UI thread. Message boxes and log
// entries go to standard error.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "app/engine.h"
#include "core/os/event_loop.h"
#include "core/os/message_box.h"

namespace melvoro::cli {

// Message boxes of a console: "error MESSAGE" on standard error, and a note that one was shown.
class ErrorPrinter final : public MessageBoxes {
 public:
  void Show(const std::string& caption, const std::string& text, MessageIcon icon) override;
  int Shown() const { return shown_; }

 private:
  int shown_ = 0;
};

class ConsoleSession {
 public:
  explicit ConsoleSession(Configuration config);
  // Stops the UI thread first: no worker may call into a part that is already gone.
  ~ConsoleSession();

  // Runs the UI thread until done() holds; false when the time ran out or a stop signal came.
  bool RunUntil(const std::function<bool()>& done,
                std::chrono::milliseconds timeout = std::chrono::hours(24 * 365));

  EventLoop loop;
  ErrorPrinter boxes;
  Engine engine;
};

}  // namespace melvoro::cli
