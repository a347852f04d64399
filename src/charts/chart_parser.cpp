#include "charts/chart_parser.h"

#include "core/text/cp1251.h"
#include "core/text/regex.h"
#include "core/text/text_helpers.h"

namespace melvoro {

namespace {

// The lazy gap between the two fields scans ahead for the second one, so a crafted page with
// many first fields and no second costs the square of its size; past the budget the entries
// found so far stand.
constexpr MatchBudget kBudget{
    .match_limit = 1'000'000, .depth_limit = 0, .time = std::chrono::milliseconds(200)};

const Regex& ChartPattern() {
  static const Regex pattern(R"(class="song">([^<]*)</a>.*?class="artist">([^<]*)</a>)");
  return pattern;
}

// The text as the download list will look it up: decoded as the search page is, so that the
// names match the uploads.
std::string EntryText(std::string_view utf8) { return HtmlDecode(Utf8ToCp1251Folded(utf8)); }

const Regex& TrackPattern() {
  static const Regex pattern(R"(<track rank="[0-9]*">.*?<name>([^<]*)</name>)");
  return pattern;
}

}  // namespace

std::vector<std::string> ParseChartPage(std::string_view page, bool* cut_short) {
  std::vector<std::string> entries;
  const MatchEnd end = ChartPattern().ForEachMatch(
      page,
      [&](const RegexMatch& m) {
        entries.push_back(EntryText(m.Group(2)) + " " + EntryText(m.Group(1)));
        return true;
      },
      kBudget);
  if (cut_short != nullptr) *cut_short = end == MatchEnd::kOverBudget;
  return entries;
}

std::vector<std::string> ParseTopTracks(std::string_view answer, std::string_view artist, bool* cut_short) {
  std::vector<std::string> entries;
  const MatchEnd end = TrackPattern().ForEachMatch(
      answer,
      [&](const RegexMatch& m) {
        entries.push_back(std::string(artist) + " " + EntryText(m.Group(1)));
        return true;
      },
      kBudget);
  if (cut_short != nullptr) *cut_short = end == MatchEnd::kOverBudget;
  return entries;
}

}  // namespace melvoro
