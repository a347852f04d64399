// melvoro-cli feedback: posts the problem report the feedback window posts, with this
// command's own log, and prints the body as sent and how it went.
#include <iostream>

#include "cli/commands.h"
#include "cli/console_session.h"
#include "cli/console_startup.h"
#include "cli/stop_signals.h"
#include "core/text/cp1251.h"
#include "feedback/feedback_post.h"

namespace melvoro::cli {

namespace {

// The success box is not an error: the outcome is printed on standard output instead.
class SilentBoxes final : public MessageBoxes {
 public:
  void Show(const std::string&, const std::string&, MessageIcon) override {}
};

}  // namespace

int CommandFeedback(const Args& args) {
  FeedbackReport report;
  bool email = false, desc = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--no-log") {
      report.SendLog = false;
    } else if (args[i] == "--email" && i + 1 < args.size() && !email) {
      report.Email = Utf8ToCp1251(args[++i]);
      email = true;
    } else if (args[i] == "--desc" && i + 1 < args.size() && !desc) {
      report.Description = Utf8ToCp1251(args[++i]);
      desc = true;
    } else {
      PrintUsage("feedback");
      return 2;
    }
  }
  if (!email || !desc) {
    PrintUsage("feedback");
    return 2;
  }
  auto config = ConsoleStartup();
  if (!config) return kExitNoSession;
  ConsoleSession session(std::move(*config));
  SilentBoxes boxes;
  const std::string body = FeedbackPostData(report, session.engine.Log());
  std::cout << body << '\n';
  std::optional<std::string> outcome;
  SendFeedback(
      RequestContext{session.loop, session.engine.Activity(), boxes}, session.engine.HostsTable(), body,
      [&] { outcome = "done"; },
      [&](const std::string& message) { outcome = "error " + Cp1251ToUtf8(message); });
  session.RunUntil([&] { return outcome.has_value(); });
  if (StopRequested()) return StopExitCode();
  if (outcome == "done") {
    std::cout << "done" << std::endl;
    return std::cout ? 0 : 1;
  }
  std::cerr << outcome.value_or("error") << std::endl;
  return 1;
}

}  // namespace melvoro::cli
