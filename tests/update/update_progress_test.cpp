// The update window's tick without the window: the bar's value, and the completion steps.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "update/update_progress.h"

namespace melvoro {
namespace {

TEST(UpdateProgress, PercentTextMovesTheBarOnlyWhenItIsANumberUpTo100) {
  EXPECT_EQ(BarValueFromPercentText("57 %"), 57);
  EXPECT_EQ(BarValueFromPercentText("0 %"), 0);
  EXPECT_EQ(BarValueFromPercentText("100"), 100);
  EXPECT_EQ(BarValueFromPercentText("42"), 42);
  // The two characters before the end go whatever they are.
  EXPECT_EQ(BarValueFromPercentText("45%"), 4);
  for (const char* stays : {"", "7", "%", " %", "101 %", "1000", "-5", "+5", "ab %", "5 5", "ждёт"})
    EXPECT_EQ(BarValueFromPercentText(stays), std::nullopt) << stays;
}

struct Recorder {
  std::vector<std::string> calls{};
  bool write_fails = false;
  bool open_fails = false;

  UpdateCompletionSteps Steps() {
    return {
        .WriteScript =
            [this] {
              calls.push_back("write");
              if (write_fails) throw std::runtime_error("disk full");
              return std::string("/tmp/~a.~tp.bat");
            },
        .OpenScript =
            [this](const std::string& path) {
              calls.push_back("open " + path);
              return !open_fails;
            },
        .GiveBackEntry = [this](int entry) { calls.push_back("give back " + std::to_string(entry)); },
        .EndProgram = [this] { calls.push_back("end"); },
        .ReportError = [this](const std::string&) { calls.push_back("error"); },
    };
  }
};

TEST(UpdateProgress, CompletionEndsOnlyOnceTheScriptRuns) {
  Recorder done;
  EXPECT_TRUE(CompleteUpdate(done.Steps(), 7));
  EXPECT_EQ(done.calls, (std::vector<std::string>{"write", "open /tmp/~a.~tp.bat", "give back 7", "end"}));

  Recorder unwritten{.calls = {}, .write_fails = true};
  EXPECT_FALSE(CompleteUpdate(unwritten.Steps(), 7));
  EXPECT_EQ(unwritten.calls, (std::vector<std::string>{"write", "give back 7", "error"}));

  Recorder unopened{.calls = {}, .write_fails = false, .open_fails = true};
  EXPECT_FALSE(CompleteUpdate(unopened.Steps(), 3));
  EXPECT_EQ(unopened.calls,
            (std::vector<std::string>{"write", "open /tmp/~a.~tp.bat", "give back 3", "error"}));
}

}  // namespace
}  // namespace melvoro
