// The problem report: the form post the support server takes, and sending it.
#pragma once

#include <functional>
#include <string>

#include "core/http/http_request.h"

namespace melvoro {

class ProgramLog;
struct Hosts;

struct FeedbackReport {
  std::string Email;        // Windows-1251
  std::string Description;  // Windows-1251, the whole text
  bool SendLog = true;
};

// The whole log as one HTML table, newest row first. Only "<" and ">" are escaped: the
// server's reader has always taken "&" as it is.
std::string FeedbackLogTable(const ProgramLog& log);

// "email=...&desc=..." and, when the log goes along, "&log=..." with the table built now.
std::string FeedbackPostData(const FeedbackReport& report, const ProgramLog& log);

std::string FeedbackUrl(const Hosts& hosts);
std::string SupportPageUrl(const Hosts& hosts);

// Posts the report without a cookie. On a 200 answer the success box is shown, then
// after_sent runs; on a failure the error box is shown, then after_failed runs with the
// message. Both run on the UI thread and must stay valid until the request ends
// (Engine::Shutdown waits for it).
void SendFeedback(const RequestContext& requests, const Hosts& hosts, std::string post_data,
                  std::function<void()> after_sent, std::function<void(const std::string&)> after_failed);

}  // namespace melvoro
