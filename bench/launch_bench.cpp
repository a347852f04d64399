// What every start costs before the user sees anything: `auth -a` with a saved session beside
// a process that does nothing, `melvoro-cli search` end to end beside curl fetching the same
// page from netsim, and the window from process start to its first paint with the real auth
// beside the same start given the session directly.
//   launch_bench [RUNS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/engine.h"
#include "app/startup.h"
#include "bench_env.h"
#include "core/os/os_path.h"
#include "qt_seams/qt_message_boxes.h"
#include "qt_seams/qt_shell.h"
#include "qt_seams/qt_translation.h"
#include "qt_seams/qt_ui_thread.h"
#include "support/netsim_process.h"
#include "support/program_run.h"
#include "support/temp_dir.h"
#include "ui/program_windows.h"

extern char** environ;

namespace {

namespace test = melvoro::test;

constexpr double kAuthTargetMs = 5;
constexpr double kSearchTargetRatio = 1.5;
constexpr double kFirstPaintTargetMs = 150;
constexpr char kSearch[] = "Glass Otters";

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms.empty() ? 0 : ms[ms.size() / 2];
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "launch_bench: %s\n", what.c_str());
  std::exit(1);
}

test::ProgramOutput Run(const std::filesystem::path& program, std::vector<std::string> args,
                        std::string input = "") {
  return test::RunProgram(program, {.args = std::move(args), .input = std::move(input), .env = {}});
}

// Starts a program with nothing on standard input and error, waits for its end and returns what
// it printed; fails the bench when it fails. No temporary files, so the figures are the program's.
std::string Spawn(const std::filesystem::path& program, const std::vector<std::string>& args) {
  std::vector<std::string> texts{program.string()};
  texts.insert(texts.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) Fail("no pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  if (error != 0) Fail("cannot start " + program.string());
  std::string output;
  char buffer[4096];
  for (ssize_t got; (got = read(pipe_fds[0], buffer, sizeof buffer)) != 0;) {
    if (got > 0)
      output.append(buffer, static_cast<std::size_t>(got));
    else if (errno != EINTR)
      break;
  }
  close(pipe_fds[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Fail(program.filename().string() + " failed");
  return output;
}

double TimedRun(const std::filesystem::path& program, const std::vector<std::string>& args) {
  const double start = NowMs();
  Spawn(program, args);
  return NowMs() - start;
}

std::filesystem::path OnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  for (std::size_t start = 0; start <= folders.size();) {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    const std::filesystem::path candidate = std::filesystem::path(folders.substr(start, end - start)) / name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  Fail(name + " is not on PATH");
}

// A and B taking turns, so that the machine's mood weighs on both alike.
std::pair<double, double> Alternate(int runs, const std::function<double()>& a,
                                    const std::function<double()>& b) {
  std::vector<double> as, bs;
  for (int i = 0; i < runs; ++i) {
    as.push_back(a());
    bs.push_back(b());
  }
  return {Median(as), Median(bs)};
}

// The window's start as melvoro's main makes it, until the main window's first paint, whose
// CLOCK_MONOTONIC time it prints. "given" stands the session in for auth.
int WindowChild(const std::string& mode, const std::filesystem::path& app_folder, const std::string& cookie) {
  int argc = 1;
  char name[] = "melvoro";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  melvoro::ui::LoadQtTranslation(app);
  melvoro::ui::QtUiThread ui;
  melvoro::ui::QtMessageBoxes boxes;
  melvoro::ui::QtShell shell({}, QStandardPaths::findExecutable(QStringLiteral("xdg-open")));
  melvoro::StartupSeams seams = melvoro::SystemStartupSeams();
  if (mode == "given") seams.RunAuth = [&cookie](const std::filesystem::path&) { return cookie; };
  melvoro::Configuration config = melvoro::LoadConfiguration(app_folder, boxes, seams);
  if (config.MustEnd) return 3;
  melvoro::Engine engine(std::move(config), ui, boxes);
  melvoro::ui::ProgramWindows windows(engine, {.boxes = boxes,
                                               .shell = shell,
                                               .cookie_folder = app_folder / "cookies",
                                               .program_folder = app_folder,
                                               .running_exe = melvoro::FromOsPath(app_folder / "melvoro")});
  struct FirstPaint final : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint && !seen) {
        seen = true;
        std::printf("%.3f\n", NowMs());
        std::fflush(stdout);
        QCoreApplication::quit();
      }
      return false;
    }
    bool seen = false;
  } first_paint;
  windows.Main().installEventFilter(&first_paint);
  windows.Main().show();
  QApplication::exec();
  return first_paint.seen ? 0 : 1;
}

double TimedWindowStart(const std::string& mode, const std::filesystem::path& app_folder,
                        const std::string& cookie) {
  const double start = NowMs();
  const std::string painted =
      Spawn(melvoro::bench::OwnExecutable(), {"--window-child", mode, app_folder.string(), cookie});
  if (painted.empty()) Fail("the window did not paint (" + mode + ")");
  return std::stod(painted) - start;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--window-child") return WindowChild(argv[2], argv[3], argv[4]);
  const int runs = argc > 1 ? std::atoi(argv[1]) : 31;
  if (runs <= 0) Fail("usage: launch_bench [RUNS]");
  melvoro::bench::FindProgramsBesideSelf();

  // The programs in a folder of their own with a config.ini for netsim, the session saved in
  // a data folder of the bench's, no proxy, no display: as a desktop start would find them.
  test::NetsimProcess netsim;
  test::TempDir dir;
  const std::filesystem::path app = dir / "app";
  std::filesystem::create_directories(app);
  for (const char* program : {"auth", "auth-login", "auth-dialog", "melvoro-cli"})
    test::CopyProgram(program, app);
  const melvoro::Hosts hosts = netsim.HostsTable();
  std::ofstream(app / "config.ini") << "[Hosts]\nNetwork=" << hosts.Network << "\nStorage=" << hosts.Storage
                                    << "\nLogin=" << hosts.Login
                                    << "\n\n[Melvoro]\nUploadDir=" << (dir / "songs").string() << "/\n";
  setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  for (const char* name :
       {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY", "DISPLAY", "WAYLAND_DISPLAY"})
    unsetenv(name);
  if (Run(app / "auth", {"--login", "--email", "demo@melvoro.test", "--password-stdin"}, "demo\n")
          .exit_code != 0)
    Fail("auth could not log in to netsim");
  std::string cookie = Run(app / "auth", {"-a"}).out;
  if (!cookie.empty() && cookie.back() == '\n') cookie.pop_back();

  // The page the search fetches, as it was asked for, so that curl asks for the very same.
  const test::ProgramOutput found = Run(app / "melvoro-cli", {"search", kSearch});
  if (found.exit_code != 0 || found.out.empty()) Fail("melvoro-cli search found nothing: " + found.err);
  const auto requests = netsim.Requests();
  if (requests.empty()) Fail("netsim saw no search");
  const std::string& line = requests.back().request_line;
  const std::string target = line.substr(line.find(' ') + 1, line.rfind(' ') - line.find(' ') - 1);
  const std::string url = target.starts_with("http://") ? target : "http://" + hosts.Network + target;
  const std::vector<std::string> curl_args = {"-sf", "-g", "-o", "/dev/null", "-b", cookie, url};

  const std::filesystem::path curl = OnPath("curl");
  const std::filesystem::path true_program = OnPath("true");
  const auto [auth_ms, true_ms] = Alternate(
      runs, [&] { return TimedRun(app / "auth", {"-a"}); }, [&] { return TimedRun(true_program, {}); });
  std::printf(
      "auth -a, saved session     median %7.2f ms   beside a process doing nothing %6.2f ms   "
      "(target: under %.0f ms)%s\n",
      auth_ms, true_ms, kAuthTargetMs, auth_ms < kAuthTargetMs ? "" : "   MISSED");

  const auto [search_ms, curl_ms] = Alternate(
      runs,
      [&] {
        return TimedRun(app / "melvoro-cli", {"search", kSearch});
      },
      [&] { return TimedRun(curl, curl_args); });
  const double ratio = search_ms / curl_ms;
  std::printf(
      "melvoro-cli search         median %7.2f ms   beside curl of the same page %8.2f ms   "
      "%.2fx (target: at most %.1fx)%s\n",
      search_ms, curl_ms, ratio, kSearchTargetRatio, ratio <= kSearchTargetRatio ? "" : "   MISSED");

  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const int window_runs = std::max(1, runs / 3);
  const auto [with_auth_ms, given_ms] = Alternate(
      window_runs, [&] { return TimedWindowStart("auth", app, cookie); },
      [&] { return TimedWindowStart("given", app, cookie); });
  std::printf(
      "window to first paint      median %7.2f ms   beside the session given directly %4.2f ms   "
      "(target: under %.0f ms, %s platform)%s\n",
      with_auth_ms, given_ms, kFirstPaintTargetMs, std::getenv("QT_QPA_PLATFORM"),
      with_auth_ms < kFirstPaintTargetMs ? "" : "   MISSED");
  return 0;
}
