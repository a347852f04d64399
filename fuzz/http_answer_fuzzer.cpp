// What a request takes from outside without a socket: an address found on a page, a saved
// cookie, and an answer's header lines (one per input line) and first byte.
#include "fuzz_target.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/http/http_answer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Nothing libcurl would refuse, or read as the end of the request line, may reach it.
  if (const auto url = melvoro::RequestUrl(bytes)) {
    for (const unsigned char c : url->substr(7))
      if (c <= 0x20 || c >= 0x7F) std::abort();
  }
  if (melvoro::CookieHeaderValue(bytes).find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
    std::abort();

  std::vector<std::string> lines;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t lf = bytes.find('\n', at);
    const std::size_t next = lf == std::string_view::npos ? bytes.size() : lf + 1;
    const std::string_view line = melvoro::HeaderLine(bytes.substr(at, next - at));
    if (!line.empty()) lines.emplace_back(line);
    melvoro::LooksLikePage(line, bytes.front());
    at = next;
  }
  melvoro::LastLocation(lines);
  return 0;
}
