#include "feedback/feedback_post.h"

#include "core/http/hosts.h"
#include "core/log/program_log.h"
#include "core/os/message_box.h"
#include "core/text/text_helpers.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

std::string EscapeAngles(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string FeedbackLogTable(const ProgramLog& log) {
  std::string table = "<table>";
  for (std::size_t i = 0; i < log.Count(); ++i) {
    const LogEntry& entry = log.At(i);
    table += "<tr><td>" + EscapeAngles(entry.Time) + "</td><td>" + std::to_string(entry.Icon) + "</td><td>" +
             EscapeAngles(entry.Description) + "</td><td>" + EscapeAngles(entry.Details) + "</td></tr>";
  }
  return table + "</table>";
}

std::string FeedbackPostData(const FeedbackReport& report, const ProgramLog& log) {
  std::string data = "email=" + UrlEncode(report.Email) + "&desc=" + UrlEncode(report.Description);
  if (report.SendLog) data += "&log=" + UrlEncode(FeedbackLogTable(log));
  return data;
}

std::string FeedbackUrl(const Hosts& hosts) {
  return "http://" + hosts.Support + "/melvoro/feedback/send/index.php";
}

std::string SupportPageUrl(const Hosts& hosts) { return "http://" + hosts.Support + "/melvoro/support/"; }

void SendFeedback(const RequestContext& requests, const Hosts& hosts, std::string post_data,
                  std::function<void()> after_sent, std::function<void(const std::string&)> after_failed) {
  auto worker = std::make_unique<HttpRequest>(requests);
  worker->Url = FeedbackUrl(hosts);
  worker->PostData = std::move(post_data);
  MessageBoxes& boxes = requests.boxes;
  worker->OnDone = [&boxes, after_sent = std::move(after_sent)](HttpRequest&) {
    boxes.Show(std::string(texts::kFeedbackSentCaption), std::string(texts::kFeedbackSent),
               MessageIcon::Information);
    if (after_sent) after_sent();
  };
  // The same box a worker without an error handler shows; then the report may be sent again.
  worker->OnError = [&boxes, after_failed = std::move(after_failed)](HttpRequest&,
                                                                     const std::string& message) {
    boxes.Show(std::string(texts::kDefaultRequestErrorCaption), message, MessageIcon::Error);
    if (after_failed) after_failed(message);
  };
  HttpRequest::Start(std::move(worker));
}

}  // namespace melvoro
