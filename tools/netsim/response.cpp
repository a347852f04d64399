#include "netsim/response.h"

#include <algorithm>

#include "core/text/text_helpers.h"
#include "netsim/mp3_frames.h"

namespace melvoro::netsim {

Body Body::Text(std::string text) {
  Body body;
  body.text_ = std::move(text);
  return body;
}

Body Body::Frames(std::uint64_t bytes) {
  Body body;
  body.frames_ = true;
  body.frame_bytes_ = bytes;
  return body;
}

std::string_view Body::Slice(std::uint64_t offset, std::size_t max) const {
  if (offset >= size()) return {};
  const std::uint64_t left = size() - offset;
  const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(left, max));
  if (!frames_) return std::string_view(text_).substr(static_cast<std::size_t>(offset), wanted);
  const std::string_view buffer = FrameBuffer();
  const std::size_t start = static_cast<std::size_t>(offset % buffer.size());
  return buffer.substr(start, std::min(wanted, buffer.size() - start));
}

std::string_view ReasonPhrase(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 302:
      return "Found";
    case 400:
      return "Bad Request";
    case 404:
      return "Not Found";
    case 408:
      return "Request Timeout";
    case 411:
      return "Length Required";
    case 413:
      return "Payload Too Large";
    case 431:
      return "Request Header Fields Too Large";
    case 500:
      return "Internal Server Error";
    default:
      return "Unknown";
  }
}

Response ErrorPage(int status, std::string_view detail) {
  const std::string title = std::to_string(status) + " " + std::string(ReasonPhrase(status));
  std::string html =
      "<html>\r\n<head><title>" + title + "</title></head>\r\n<body>\r\n<h1>" + title + "</h1>\r\n";
  if (!detail.empty()) html += "<p>" + HtmlEscape(detail) + "</p>\r\n";
  html += "<hr><address>netsim</address>\r\n</body>\r\n</html>\r\n";
  return TextResponse(kHtmlType, std::move(html), status);
}

Response TextResponse(std::string_view content_type, std::string text, int status) {
  Response r;
  r.status = status;
  r.content_type = content_type;
  r.body = Body::Text(std::move(text));
  return r;
}

}  // namespace melvoro::netsim
