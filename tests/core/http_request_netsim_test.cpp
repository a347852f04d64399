// The request worker against the network simulator: progress, files, faults, threads.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "request_harness.h"
#include "support/netsim_process.h"
#include "support/temp_dir.h"

namespace melvoro::test {
namespace {

using namespace std::chrono_literals;

class HttpRequestNetsim : public ::testing::Test {
 protected:
  std::string Blob(std::size_t bytes, const std::string& extra = "") const {
    return netsim.Url("/_netsim/blob?bytes=" + std::to_string(bytes) + extra);
  }

  NetsimProcess netsim;
  RequestHarness h;
  TempDir dir;
};

TEST_F(HttpRequestNetsim, ProgressIsThrottledNeverAbove100AndEndsWith100) {
  auto w = h.NewWorker(Blob(600'000, "&netsim_rate=400000"));
  std::uint64_t received = 0;
  std::uint32_t length = 0;
  w->OnDone = [&](HttpRequest& worker) {
    received = worker.BytesReceived;
    length = worker.ContentLength;
  };
  const auto all = h.Run(std::move(w));
  const auto progress = RequestHarness::Only(all, "progress");
  ASSERT_GE(progress.size(), 4u);  // about 1.5 s of body: a few reports and the final one
  EXPECT_LE(progress.size(), 7u);
  for (std::size_t i = 0; i < progress.size(); ++i) {
    EXPECT_TRUE(progress[i].on_ui_thread);
    EXPECT_LE(progress[i].value, 100);
    if (i == 0) continue;
    EXPECT_GE(progress[i].value, progress[i - 1].value);
    if (i + 1 < progress.size()) {
      EXPECT_GT(progress[i].at - progress[i - 1].at, 290ms);
    }
  }
  EXPECT_LT(progress[progress.size() - 2].value, 100);
  EXPECT_EQ(progress.back().value, 100);
  EXPECT_EQ(received, 600'000u);
  EXPECT_EQ(length, 600'000u);
  EXPECT_EQ(h.activity.Count(), 0);
}

TEST_F(HttpRequestNetsim, SmallAndUnmeasuredBodiesEndWithOne100) {
  // 500 bytes: the first report would be 205 by the kilobyte count; it is capped.
  auto all = h.Run(h.NewWorker(Blob(500)));
  for (const auto& p : RequestHarness::Only(all, "progress")) EXPECT_EQ(p.value, 100);
  EXPECT_EQ(RequestHarness::Sequence(all), "begin progress done end");

  for (const std::string fault : {"nolength", "zerolength"}) {
    std::uint32_t length = 0;
    std::size_t size = 0;
    int receiving = 0;
    auto w = h.NewWorker(Blob(3000, "&netsim_fault=" + fault));
    w->OnReceiving = [&](HttpRequest&) { ++receiving; };  // the body's arrival, which no percent tells
    w->OnDone = [&](HttpRequest& worker) {
      length = worker.ContentLength;
      size = worker.Response.size();
    };
    all = h.Run(std::move(w));
    EXPECT_EQ(RequestHarness::Only(all, "progress").size(), 1u) << fault;
    EXPECT_EQ(length, 1u) << fault;  // unknown
    EXPECT_EQ(size, fault == "nolength" ? 3000u : 0u);
    EXPECT_EQ(receiving > 0, fault == "nolength") << fault;
  }
}

TEST_F(HttpRequestNetsim, ErrorStatusLeavesNoFileAndKeepsAnExistingOne) {
  const auto target = dir.Write("song.mp3", "old song");
  auto w = h.NewWorker(Blob(5000, "&netsim_fault=404"));
  w->FileName = target.string();
  bool done_called = false;
  w->OnDone = [&](HttpRequest&) { done_called = true; };
  const auto all = h.Run(std::move(w));
  EXPECT_EQ(RequestHarness::Sequence(all), "begin progress error end");
  EXPECT_EQ(RequestHarness::Only(all, "error").at(0).text, std::string(texts::kErrBadStatus) + "404");
  EXPECT_FALSE(done_called);
  EXPECT_EQ(ReadFile(target), "old song");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  auto server_error = h.NewWorker(Blob(10, "&netsim_fault=500"));
  std::int32_t status = 0;
  server_error->OnError = [&](HttpRequest& worker, const std::string&) { status = worker.StatusCode; };
  h.Run(std::move(server_error));
  EXPECT_EQ(status, 500);
}

TEST_F(HttpRequestNetsim, CompleteBodyReplacesTheTargetUnderItsWindows1251Name) {
  const std::string name = Utf8ToCp1251((dir.path() / "Кино - Звезда.mp3").string());
  dir.Write("Кино - Звезда.mp3", "old");
  dir.Write("Кино - Звезда.mp3.part", std::string(300'000, 'x'));  // left by a crashed run
  auto w = h.NewWorker(Blob(250'000));
  w->FileName = name;
  std::string response;
  w->OnDone = [&](HttpRequest& worker) {
    response = worker.Response;
    // The file stands complete under its name when the done notification runs.
    EXPECT_EQ(std::filesystem::file_size(dir / "Кино - Звезда.mp3"), 250'000u);
  };
  EXPECT_EQ(RequestHarness::Sequence(h.Run(std::move(w))), "begin progress end");
  EXPECT_TRUE(response.empty());  // a download never holds the body in memory
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(HttpRequestNetsim, CutAndStalledBodiesFailAndLeaveNothing) {
  const auto target = dir / "cut.mp3";
  auto cut = h.NewWorker(Blob(1'000'000, "&netsim_fault=cut"));
  cut->FileName = target.string();
  auto errors = RequestHarness::Only(h.Run(std::move(cut)), "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text.rfind(std::string(texts::kErrTransferCut), 0), 0u);

  auto stall = h.NewWorker(Blob(1'000'000, "&netsim_fault=stall"));
  stall->FileName = target.string();
  stall->StallTimeout = 1s;
  const auto started = std::chrono::steady_clock::now();
  errors = RequestHarness::Only(h.Run(std::move(stall)), "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, std::string(texts::kErrStalled));
  EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  // A trickle that never quite stops is a stall as well.
  auto trickle = h.NewWorker(Blob(1'000'000, "&netsim_rate=200"));
  trickle->FileName = target.string();
  trickle->StallTimeout = 1s;
  const auto trickle_started = std::chrono::steady_clock::now();
  errors = RequestHarness::Only(h.Run(std::move(trickle)), "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, std::string(texts::kErrStalled));
  EXPECT_LT(std::chrono::steady_clock::now() - trickle_started, 10s);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(HttpRequestNetsim, RedirectsAreFollowed) {
  auto w = h.NewWorker(netsim.Url("/isword.txt?netsim_fault=redirect"));
  std::vector<std::string> headers;
  std::string body;
  std::int32_t status = 0;
  w->OnDone = [&](HttpRequest& worker) {
    headers = worker.ResponseHeaders;
    body = worker.Response;
    status = worker.StatusCode;
  };
  h.Run(std::move(w));
  EXPECT_EQ(status, 200);
  EXPECT_FALSE(body.empty());
  ASSERT_FALSE(headers.empty());
  EXPECT_EQ(headers.front().substr(9, 3), "302");
}

TEST_F(HttpRequestNetsim, AFailingDoneHandlerBecomesTheRequestsError) {
  auto w = h.NewWorker(netsim.Url("/isword.txt"));
  w->OnDone = [](HttpRequest&) { throw std::runtime_error("parse failed"); };
  const auto all = h.Run(std::move(w));
  EXPECT_EQ(RequestHarness::Sequence(all), "begin progress error end");
  EXPECT_EQ(RequestHarness::Only(all, "error").at(0).text, "parse failed");
}

TEST_F(HttpRequestNetsim, WithoutAnErrorHandlerTheMessageBoxShowsTheRealMessage) {
  auto w = h.NewWorker(netsim.Url("/no/such/page"));
  w->OnError = nullptr;
  h.Run(std::move(w));
  ASSERT_EQ(h.boxes.shown.size(), 1u);
  EXPECT_EQ(h.boxes.shown[0].caption, std::string(texts::kDefaultRequestErrorCaption));
  EXPECT_EQ(h.boxes.shown[0].text, std::string(texts::kErrBadStatus) + "404");
  EXPECT_EQ(h.boxes.shown[0].icon, MessageIcon::Error);
}

TEST_F(HttpRequestNetsim, ConcurrentRequestsDriveOneIndicator) {
  for (int i = 0; i < 3; ++i) HttpRequest::Start(h.NewWorker(Blob(200'000, "&netsim_rate=400000")));
  ASSERT_TRUE(h.WaitForEnds(3));
  EXPECT_EQ(h.intervals_at_begin, (std::vector<int>{200, 150, 112}));
  EXPECT_FALSE(h.activity.TimerExists());
  EXPECT_EQ(h.activity.Frame(), ActivityIndicator::kIdleFrame);
}

TEST_F(HttpRequestNetsim, TwoTransfersToOneTargetDoNotMixTheirBytes) {
  const std::string target = (dir / "same.mp3").string();
  for (int i = 0; i < 2; ++i) {
    auto w = h.NewWorker(Blob(400'000, "&netsim_rate=2000000"));
    w->FileName = target;
    HttpRequest::Start(std::move(w));
  }
  ASSERT_TRUE(h.WaitForEnds(2));
  EXPECT_EQ(RequestHarness::Only(h.log, "done").size(), 2u);
  EXPECT_EQ(std::filesystem::file_size(target), 400'000u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(HttpRequestNetsim, ClosingDuringADownloadEndsPromptlyAndLeavesNoFile) {
  auto loop = std::make_unique<RequestHarness>();
  auto w = loop->NewWorker(Blob(5'000'000, "&netsim_rate=500000"));
  w->FileName = (dir / "slow.mp3").string();
  HttpRequest::Start(std::move(w));
  ASSERT_TRUE(loop->loop.RunUntil([&] { return !RequestHarness::Only(loop->log, "progress").empty(); }, 10s));
  const auto started = std::chrono::steady_clock::now();
  loop->loop.Shutdown(5s);
  EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
  EXPECT_EQ(loop->loop.RunningWorkers(), 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_EQ(RequestHarness::Only(loop->log, "error").size(), 0u);  // nobody is told at shutdown
}

TEST_F(HttpRequestNetsim, HostsAreReachedByNameOrThroughTheProxy) {
  auto by_host = h.NewWorker("http://support.localhost:" + std::to_string(netsim.port()) + "/isword.txt");
  EXPECT_EQ(RequestHarness::Only(h.Run(std::move(by_host)), "done").size(), 1u);

  setenv("http_proxy", ("http://127.0.0.1:" + std::to_string(netsim.port())).c_str(), 1);
  auto proxied = h.NewWorker("http://support.melvoro.net/isword.txt");
  const auto all = h.Run(std::move(proxied));
  unsetenv("http_proxy");
  EXPECT_EQ(RequestHarness::Only(all, "done").size(), 1u);
  EXPECT_EQ(netsim.Requests().back().request_line, "GET http://support.melvoro.net/isword.txt HTTP/1.0");
}

}  // namespace
}  // namespace melvoro::test
