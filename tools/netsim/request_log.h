// The log of every request received: one JSON object per line, in the order the requests
// were read in full, written before the answer goes out.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

#include "netsim/http_request.h"

namespace melvoro::netsim {

class RequestLog {
 public:
  // Throws std::runtime_error when the file cannot be created.
  explicit RequestLog(const std::string& path);
  ~RequestLog();
  RequestLog(const RequestLog&) = delete;
  RequestLog& operator=(const RequestLog&) = delete;

  void Write(const Request& request);

 private:
  std::mutex mutex_;
  std::FILE* file_ = nullptr;
};

// A JSON string of raw bytes: bytes >= 0x80 become \u00XX, one code unit per byte, so the
// exact bytes can be recovered.
std::string JsonString(std::string_view bytes);

// {"request_line":...,"headers":[[name,value],...],"body":...}
std::string LogLine(const Request& request);

}  // namespace melvoro::netsim
