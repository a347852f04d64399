#include "cli/console_session.h"

#include <iostream>

#include "cli/stop_signals.h"
#include "core/text/cp1251.h"

namespace melvoro::cli {

void ErrorPrinter::Show(const std::string& /*caption*/, const std::string& text, MessageIcon /*icon*/) {
  ++shown_;
  std::cerr << "error " << Cp1251ToUtf8(text) << std::endl;
}

ConsoleSession::ConsoleSession(Configuration configuration) : engine(std::move(configuration), loop, boxes) {
  StopGracefully();
  engine.Log().OnAdded.Add([this] {
    const LogEntry& entry = engine.Log().At(0);
    std::cerr << "log " << entry.Icon << ' ' << Cp1251ToUtf8(entry.Description) << std::endl;
  });
}

ConsoleSession::~ConsoleSession() { engine.Shutdown(); }

bool ConsoleSession::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  return loop.RunUntil([&] { return StopRequested() || done(); }, timeout) && !StopRequested();
}

}  // namespace melvoro::cli
