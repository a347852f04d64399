// melvoro-cli stations / charts: the charts window's sources on the console, one entry a line.
#include <iostream>

#include "cli/commands.h"
#include "cli/console_session.h"
#include "cli/console_startup.h"
#include "cli/one_line.h"
#include "cli/stop_signals.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"

namespace melvoro::cli {

namespace {

std::optional<RadioSite> SiteNamed(const std::string& name) {
  if (name == "spb") return RadioSite::Spb;
  if (name == "msk") return RadioSite::Msk;
  return std::nullopt;
}

int PrintLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) std::cout << OneLine(line) << '\n';
  std::cout.flush();
  return std::cout ? 0 : 1;
}

}  // namespace

int CommandStations(const Args& args) {
  const auto site = args.size() == 1 ? SiteNamed(args[0]) : std::nullopt;
  if (!site) {
    PrintUsage("stations");
    return 2;
  }
  if (!ConsoleStartup()) return kExitNoSession;
  return PrintLines(Stations(*site));
}

int CommandCharts(const Args& args) {
  const bool lastfm = args.size() == 2 && args[0] == "lastfm";
  const auto named = !args.empty() && args.size() <= 2 ? SiteNamed(args[0]) : std::nullopt;
  if (!lastfm && !named) {
    PrintUsage("charts");
    return 2;
  }
  const RadioSite site = named.value_or(RadioSite::Spb);
  auto config = ConsoleStartup();
  if (!config) return kExitNoSession;
  ConsoleSession session(std::move(*config));
  ChartList& charts = session.engine.Charts();
  if (lastfm) {
    charts.LoadTopTracks(Utf8ToCp1251(args[1]));
  } else if (args.size() == 1) {
    charts.LoadSiteChart(site);
  } else if (!charts.LoadStationChart(site, Utf8ToCp1251(args[1]))) {
    std::cerr << "error no station code after \" - \" in: " << args[1] << '\n';
    return 2;
  }
  session.RunUntil([&] { return !charts.Loading(); });
  if (StopRequested()) return StopExitCode();
  if (session.boxes.Shown() > 0) return 1;
  if (charts.Entries().empty() && charts.CutShort()) {
    std::cerr << "error " << Cp1251ToUtf8(texts::kPageCutShort.str() + "0") << '\n';
    return 1;
  }
  std::vector<std::string> texts;
  for (const ChartEntry& entry : charts.Entries()) texts.push_back(entry.Text);
  return PrintLines(texts);
}

}  // namespace melvoro::cli
