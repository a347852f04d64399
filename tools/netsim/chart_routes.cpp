#include "netsim/chart_routes.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"
#include "netsim/catalogue.h"
#include "netsim/site_html.h"

namespace melvoro::netsim {

namespace {

// The stations each site has a chart for, by code.
constexpr std::array<std::string_view, 24> kSpbCodes = {
    "FM_106.3", "FM_104.0", "FM_105.9", "FM_100.5", "FM_91.1",  "FM_101.4", "FM_102.4", "FM_90.6",
    "FM_102.0", "FM_104.4", "FM_90.1",  "FM_105.3", "FM_102.8", "FM_104.8", "FM_88.4",  "FM_88.0",
    "FM_89.7",  "FM_107.4", "FM_88.9",  "FM_91.5",  "FM_107.8", "FM_100.9", "FM_103.4", "FM_87.5"};
constexpr std::array<std::string_view, 55> kMskCodes = {
    "FM_101.2", "FM_94.0",  "FM_101.7", "FM_106.2", "FM_100.5", "FM_90.8",  "FM_95.2", "FM_92.4",
    "FM_105.7", "FM_106.6", "FM_103.7", "FM_104.2", "FM_70.19", "FM_94.4",  "FM_89.9", "FM_103.0",
    "FM_98.4",  "FM_89.5",  "FM_102.1", "FM_100.1", "FM_107.4", "FM_88.3",  "FM_98.8", "FM_96.4",
    "FM_104.7", "FM_107.8", "FM_100.9", "FM_96.0",  "FM_89.1",  "FM_99.6",  "FM_98.0", "FM_102.5",
    "FM_92.8",  "FM_68.84", "FM_97.2",  "FM_95.6",  "FM_92.0",  "FM_105.2", "FM_96.8", "FM_90.3",
    "FM_66.44", "FM_103.4", "FM_88.7",  "FM_107.0", "FM_93.61", "FM_91.6",  "FM_94.8", "FM_93.2",
    "FM_91.2",  "FM_99.2",  "FM_97.6",  "FM_68.30", "FM_93.6",  "FM_87.5",  "FM_87.9"};

constexpr std::size_t kStationChartLength = 20;

struct ChartLine {
  std::string artist, title;  // UTF-8, not escaped
};

// Lines spelled as no song page spells them: accents Windows-1251 lacks (the site has the song
// under plain letters), and a song the site does not have.
const std::vector<ChartLine>& ForeignLines() {
  static const std::vector<ChartLine> lines = {
      {"Zoë Marchetti", "Café Überall"},
      {"Sonya & the Paper Moons", "Moon № 5 — “Encore”"},
  };
  return lines;
}

std::vector<ChartLine> CatalogueLines() {
  std::vector<ChartLine> lines;
  for (const Song& song : TheCatalogue().songs)
    if (song.searchable && song.charted)
      lines.push_back({Cp1251ToUtf8(song.artist), Cp1251ToUtf8(song.title)});
  return lines;
}

// The catalogue from `offset` round, `count` lines, with the foreign lines at places 2 and 5.
std::vector<ChartLine> Chart(std::size_t offset, std::size_t count) {
  const std::vector<ChartLine> all = CatalogueLines();
  std::vector<ChartLine> chart;
  for (std::size_t i = 0; i < std::min(count, all.size()); ++i)
    chart.push_back(all[(offset + i) % all.size()]);
  chart.insert(chart.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(1, chart.size())),
               ForeignLines()[0]);
  chart.insert(chart.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(4, chart.size())),
               ForeignLines()[1]);
  return chart;
}

Response ChartPage(const std::string& heading, const std::vector<ChartLine>& chart) {
  std::string html = "<!DOCTYPE html>\n<html>\n<head><meta charset=\"utf-8\"><title>" + heading +
                     "</title></head>\n<body>\n<h1>" + heading + "</h1>\n<table class=\"chart\">\n";
  int place = 0;
  for (const ChartLine& line : chart) {
    const std::string n = std::to_string(++place);
    html += "<tr><td class=\"place\">" + n + "</td>\n<td><a href=\"/songs/" + n + "\" class=\"song\">" +
            ChartEscape(line.title) + "</a><br>\n<a href=\"/artists/" + n + "\" class=\"artist\">" +
            ChartEscape(line.artist) + "</a></td>\n<td class=\"votes\">" + std::to_string(1000 - place * 7) +
            "</td></tr>\n";
  }
  html += "</table>\n</body>\n</html>\n";
  return TextResponse("text/html; charset=utf-8", std::move(html));
}

bool IsMoscow(const RouteContext& context) { return context.host.role == Role::kRadioMsk; }

std::optional<std::size_t> StationIndex(bool moscow, std::string_view code) {
  const auto find = [&](const auto& codes) -> std::optional<std::size_t> {
    const auto it = std::find(codes.begin(), codes.end(), code);
    if (it == codes.end()) return std::nullopt;
    return static_cast<std::size_t>(it - codes.begin());
  };
  return moscow ? find(kMskCodes) : find(kSpbCodes);
}

Response LastFmError(int status, int code, std::string_view message) {
  return TextResponse("text/xml; charset=utf-8",
                      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<lfm status=\"failed\">\n<error code=\"" +
                          std::to_string(code) + "\">" + std::string(message) + "</error>\n</lfm>\n",
                      status);
}

Response TopTracks(const std::string& artist_cp1251) {
  const std::string key = CyrLowerCase(artist_cp1251);
  std::vector<const Song*> songs;
  for (const Song& song : TheCatalogue().songs)
    if (!artist_cp1251.empty() && CyrLowerCase(song.artist) == key) songs.push_back(&song);
  if (songs.empty()) return LastFmError(400, 6, "The artist you supplied could not be found");
  const std::string artist = ChartEscape(Cp1251ToUtf8(songs.front()->artist));
  std::vector<std::string> titles;
  for (const Song* song : songs) titles.push_back(ChartEscape(Cp1251ToUtf8(song->title)));
  titles.push_back(titles.front() + " (Live in Zürich)");
  std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<lfm status=\"ok\">\n<toptracks artist=\"" +
                    artist + "\" page=\"1\" perPage=\"50\" totalPages=\"1\" total=\"" +
                    std::to_string(titles.size()) + "\">\n";
  int rank = 0;
  for (const std::string& title : titles) {
    ++rank;
    xml += "<track rank=\"" + std::to_string(rank) + "\">\n<name>" + title + "</name>\n<playcount>" +
           std::to_string(90000 / rank) + "</playcount>\n<mbid></mbid>\n<url>http://www.last.fm/music/x/_/" +
           std::to_string(rank) + "</url>\n<artist>\n<name>" + artist +
           "</name>\n<mbid></mbid>\n</artist>\n</track>\n";
  }
  xml += "</toptracks>\n</lfm>\n";
  return TextResponse("text/xml; charset=utf-8", std::move(xml));
}

}  // namespace

Response SiteChart(const RouteContext& context) {
  const std::size_t offset = IsMoscow(context) ? CatalogueLines().size() / 2 : 0;
  return ChartPage("Top 100", Chart(offset, 100));
}

Response StationChart(const RouteContext& context) {
  // "/stations/" + code + "/top100"
  constexpr std::string_view kPrefix = "/stations/", kSuffix = "/top100";
  const std::string_view path = context.request.path;
  if (!path.ends_with(kSuffix) || path.size() <= kPrefix.size() + kSuffix.size()) return ErrorPage(404);
  const std::string_view code = path.substr(kPrefix.size(), path.size() - kPrefix.size() - kSuffix.size());
  const bool moscow = IsMoscow(context);
  const auto index = StationIndex(moscow, code);
  if (!index) return ErrorPage(404, "No such station");
  return ChartPage("Top 100 " + std::string(code), Chart(*index * 5 + (moscow ? 3 : 0), kStationChartLength));
}

Response LastFmService(const RouteContext& context) {
  const Request& request = context.request;
  if (request.Param("api_key").value_or("") != kAcceptedLastFmKey)
    return LastFmError(403, 10, "Invalid API key - You must be granted a valid key by last.fm");
  if (request.Param("method").value_or("") != "artist.gettoptracks")
    return LastFmError(400, 3, "Invalid Method - No method with that name in this package");
  return TopTracks(request.Param("artist").value_or(""));
}

}  // namespace melvoro::netsim
