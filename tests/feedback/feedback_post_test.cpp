// The problem report: the exact form body, and the post as netsim receives it.
#include "feedback/feedback_post.h"

#include <gtest/gtest.h>

#include "core/log/activity_indicator.h"
#include "core/log/program_log.h"
#include "core/os/event_loop.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "support/netsim_process.h"
#include "support/recording_boxes.h"

namespace melvoro {
namespace {

// A log with a fixed time, so the table can be written out whole.
struct FixedLog {
  FixedLog() {
    log.Now = [] { return std::chrono::system_clock::from_time_t(1'700'000'000); };
  }
  std::string Time() const { return LongTimeText(std::chrono::system_clock::from_time_t(1'700'000'000)); }
  ProgramLog log;
};

TEST(FeedbackPost, LogTableEscapesOnlyAnglesAndLeavesDetailsEmptyWhenNone) {
  FixedLog f;
  EXPECT_EQ(FeedbackLogTable(f.log), "<table></table>");
  f.log.AddLogEntry("http://a/b?x=1&y=<2>", "", kLogInfo);
  f.log.AddLogEntry("<b>Nothing</b>", "Tom & Jerry <3 > 2", kLogNothingFound);
  const std::string t = f.Time();
  EXPECT_EQ(FeedbackLogTable(f.log),
            "<table>"
            "<tr><td>" +
                t +
                "</td><td>5</td><td>&lt;b&gt;Nothing&lt;/b&gt;</td><td>Tom & Jerry &lt;3 &gt; 2</td></tr>"
                "<tr><td>" +
                t +
                "</td><td>0</td><td>http://a/b?x=1&y=&lt;2&gt;</td><td></td></tr>"
                "</table>");
}

TEST(FeedbackPost, BodyHasTheFieldsInOrderEachUrlEncoded) {
  FixedLog f;
  // Empty fields still post their names; the empty log still posts its table.
  EXPECT_EQ(FeedbackPostData({}, f.log), "email=&desc=&log=%3Ctable%3E%3C%2Ftable%3E");
  EXPECT_EQ(FeedbackPostData({.Email = "", .Description = "", .SendLog = false}, f.log), "email=&desc=");

  f.log.AddLogEntry("a<b", "", kLogError);
  const FeedbackReport report{
      .Email = "me+1@x.ru", .Description = Utf8ToCp1251("Не качает & <всё>\r\n"), .SendLog = true};
  const std::string t = f.Time();  // "HH:MM:SS": the colons are encoded
  const std::string time = t.substr(0, 2) + "%3A" + t.substr(3, 2) + "%3A" + t.substr(6, 2);
  EXPECT_EQ(FeedbackPostData(report, f.log),
            "email=me%2B1%40x.ru&desc=%CD%E5%20%EA%E0%F7%E0%E5%F2%20%26%20%3C%E2%F1%B8%3E%0D%0A"
            "&log=%3Ctable%3E%3Ctr%3E%3Ctd%3E" +
                time +
                "%3C%2Ftd%3E%3Ctd%3E3%3C%2Ftd%3E%3Ctd%3Ea%26lt;b%3C%2Ftd%3E%3Ctd%3E%3C%2Ftd%3E%3C%2Ftr%3E"
                "%3C%2Ftable%3E");
  FeedbackReport without_log = report;
  without_log.SendLog = false;
  EXPECT_EQ(FeedbackPostData(without_log, f.log),
            "email=me%2B1%40x.ru&desc=%CD%E5%20%EA%E0%F7%E0%E5%F2%20%26%20%3C%E2%F1%B8%3E%0D%0A");
}

struct Sender {
  explicit Sender(Hosts hosts_table) : hosts(std::move(hosts_table)) {}
  // Sends and runs the loop until the request has ended; what ran after the box.
  std::string Send(const std::string& body) {
    std::string after;
    SendFeedback(
        RequestContext{loop, activity, boxes}, hosts, body, [&] { after = "sent"; },
        [&](const std::string& message) { after = "failed: " + message; });
    EXPECT_TRUE(loop.RunUntil([&] { return loop.RunningWorkers() == 0; }, std::chrono::seconds(20)));
    return after;
  }
  Hosts hosts;
  EventLoop loop;
  ActivityIndicator activity;
  test::RecordingBoxes boxes;
};

TEST(FeedbackPost, PostReachesTheSupportHostWithoutCookieAndTheSuccessBoxShows) {
  test::NetsimProcess netsim;
  Sender s(netsim.HostsTable());
  EXPECT_EQ(s.Send("email=a&desc=b"), "sent");
  const auto requests = netsim.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].request_line, "POST /melvoro/feedback/send/index.php HTTP/1.0");
  EXPECT_EQ(requests[0].Header("Host"), netsim.Host("support"));
  EXPECT_EQ(requests[0].Header("Cookie"), "");
  EXPECT_EQ(requests[0].body, "email=a&desc=b");
  ASSERT_EQ(s.boxes.shown.size(), 1u);
  EXPECT_EQ(s.boxes.shown[0].caption, std::string(texts::kFeedbackSentCaption));
  EXPECT_EQ(s.boxes.shown[0].text, std::string(texts::kFeedbackSent));
  EXPECT_EQ(s.boxes.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(SupportPageUrl(s.hosts), "http://" + netsim.Host("support") + "/melvoro/support/");
}

TEST(FeedbackPost, AFailedPostShowsTheErrorThenLetsTheReportBeSentAgain) {
  Hosts hosts;
  hosts.Support = "127.0.0.1:1";  // nothing listens there
  Sender s(hosts);
  const std::string after = s.Send("email=&desc=");
  ASSERT_EQ(s.boxes.shown.size(), 1u);
  EXPECT_EQ(after, "failed: " + s.boxes.shown[0].text);
  EXPECT_EQ(s.boxes.shown[0].caption, std::string(texts::kDefaultRequestErrorCaption));
  EXPECT_EQ(s.boxes.shown[0].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace melvoro
