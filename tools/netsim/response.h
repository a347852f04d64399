// What a route answers, before a fault or a rate limit shapes how it is sent.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace melvoro::netsim {

// A body held as text, or a run of silent mp3 frames that is never built in full: a
// 20-minute song or a benchmark file costs no memory.
class Body {
 public:
  Body() = default;
  static Body Text(std::string text);
  static Body Frames(std::uint64_t bytes);

  std::uint64_t size() const { return frames_ ? frame_bytes_ : text_.size(); }
  // Up to max bytes starting at offset, as one contiguous piece (possibly shorter than max).
  std::string_view Slice(std::uint64_t offset, std::size_t max) const;

 private:
  std::string text_;
  bool frames_ = false;
  std::uint64_t frame_bytes_ = 0;
};

struct Response {
  int status = 200;
  std::string content_type;
  std::vector<std::pair<std::string, std::string>> headers;  // besides the ones every answer has
  Body body;
};

inline constexpr std::string_view kHtmlType = "text/html; charset=windows-1251";
inline constexpr std::string_view kTextType = "text/plain; charset=windows-1251";
inline constexpr std::string_view kMp3Type = "audio/mpeg";

std::string_view ReasonPhrase(int status);

// A short page for an answer that is not the site's own (404, 500, a bad request...).
Response ErrorPage(int status, std::string_view detail = {});
Response TextResponse(std::string_view content_type, std::string text, int status = 200);
inline Response PlainText(std::string text) { return TextResponse(kTextType, std::move(text)); }

}  // namespace melvoro::netsim
