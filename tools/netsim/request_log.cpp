#include "netsim/request_log.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace melvoro::netsim {

std::string JsonString(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  out.reserve(bytes.size() + 2);
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c >= 0x80) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0x0F];
        } else {
          out += ch;
        }
    }
  }
  out += '"';
  return out;
}

std::string LogLine(const Request& request) {
  std::string line = "{\"request_line\":" + JsonString(request.request_line) + ",\"headers\":[";
  for (std::size_t i = 0; i < request.headers.size(); ++i) {
    if (i > 0) line += ',';
    line += "[" + JsonString(request.headers[i].first) + "," + JsonString(request.headers[i].second) + "]";
  }
  line += "],\"body\":" + JsonString(request.body) + "}\n";
  return line;
}

RequestLog::RequestLog(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
  if (!file_) throw std::runtime_error("cannot create the log " + path + ": " + std::strerror(errno));
}

RequestLog::~RequestLog() { std::fclose(file_); }

void RequestLog::Write(const Request& request) {
  const std::string line = LogLine(request);
  const std::lock_guard lock(mutex_);
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
}

}  // namespace melvoro::netsim
