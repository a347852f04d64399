#include <string.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/regex.h"
#include "core/text/text_helpers.h"
#include "search/page_parser.h"

namespace melvoro {

namespace {

constexpr std::string_view kSearchResultsMarker =
    "<table id=\"searchResults\" class=\"searchResults audioResults\">";

// Rows of the search page: row id, audio id, server, owner, hash, duration, performer, the
// optional lyrics link with its two ids, title.
const Regex& SearchPagePattern() {
  static const Regex pattern(
      R"re(<div class="audioRow" id="audio([0-9_]*)".{0,1024}operate\(([0-9]*),([0-9]*),([0-9]*),'([a-z0-9]*)',([0-9]*)\).{0,256}<b id="performer[0-9]*">([^<]*)<.{0,64} id="title[0-9]*">(<a href='javascript: showLyrics\(([0-9]*),([0-9]*)\);'>)?([^<]*)<)re");
  return pattern;
}

// Rows of an audio list: complete link, duration, performer, title.
const Regex& AudioListPattern() {
  static const Regex pattern(
      R"re(<div class="[^"]*" id="audio[0-9_]*".{0,2048}?operate\('[^']*','([^']*)',([0-9]*)\).{0,2255}?id="performer[0-9_]*">[^>]*>([^<]*)<.{0,1024}id="title[0-9_]*">([^<]*))re");
  return pattern;
}

// A served row costs either pattern under 2,000 steps, and a megabyte of rows that all fail
// some 50,000; a crafted row can cost millions (every operate, performer and title window
// retried against every other). The step limit keeps each search short, the time bound keeps
// the page's sum short: past either the page is cut short and what was found stands.
constexpr std::uint32_t kRowMatchLimit = 200'000;
constexpr MatchBudget kPageBudget{
    .match_limit = kRowMatchLimit, .depth_limit = 0, .time = std::chrono::milliseconds(100)};

// Line breaks out, then entities decoded.
std::string Clean(std::string_view field) {
  std::string text;
  text.reserve(field.size());
  for (const char c : field)
    if (c != '\n') text += c;
  std::erase(text, '\r');
  return HtmlDecode(text);
}

// A duration the page left empty or too long for a number is unknown, not a broken page.
std::int32_t Seconds(std::string_view digits) { return DecimalNumber(digits).value_or(0); }

bool HasSearchResultsMarker(std::string_view page) {
  // The marker is looked for only up to the first zero byte, as in a C string.
  const std::string_view text = page.substr(0, page.find('\0'));
  return text.find(kSearchResultsMarker) != std::string_view::npos;
}

// Every list row holds these. A page lacking one (a template id renamed, say) has no rows, and
// the pattern would take a megabyte of retries to find that out.
bool MayHoldAudioListRows(std::string_view page) {
  for (const std::string_view part : {"operate('", "id=\"performer", "id=\"title"})
    if (memmem(page.data(), page.size(), part.data(), part.size()) == nullptr) return false;
  return true;
}

}  // namespace

std::vector<Song> ParseSongs(std::string_view page, std::string_view storage_domain, bool* cut_short) {
  std::vector<Song> songs;
  MatchEnd end = MatchEnd::kComplete;
  if (HasSearchResultsMarker(page)) {
    end = SearchPagePattern().ForEachMatch(
        page,
        [&](const RegexMatch& m) {
          Song s;
          s.Title = Clean(m.Group(11));
          s.Artist = Clean(m.Group(7));
          s.OwnerId = std::string(m.Group(4));
          s.Link = AudioLink(m.Group(3), m.Group(4), m.Group(5), storage_domain);
          s.Duration = Seconds(m.Group(6));
          songs.push_back(std::move(s));
          return true;
        },
        kPageBudget);
  } else if (MayHoldAudioListRows(page)) {
    end = AudioListPattern().ForEachMatch(
        page,
        [&](const RegexMatch& m) {
          Song s;
          s.Title = Clean(m.Group(4));
          s.Artist = Clean(m.Group(3));
          s.Link = std::string(m.Group(1));
          s.Duration = Seconds(m.Group(2));
          songs.push_back(std::move(s));
          return true;
        },
        kPageBudget);
  }
  if (cut_short != nullptr) *cut_short = end == MatchEnd::kOverBudget;
  return songs;
}

}  // namespace melvoro
