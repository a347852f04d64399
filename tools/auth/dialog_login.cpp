#include "dialog_login.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <cerrno>
#include <cstdlib>

#include "core/os/file_io.h"
#include "login_dialog.h"
#include "qt_seams/qt_translation.h"

namespace melvoro::auth {

namespace {

constexpr int kChildGotCookie = 0;
constexpr int kChildCancelled = 10;

// In the child: runs the dialog, writes "1" or "0" (saved or not) and the cookie to fd.
[[noreturn]] void DialogChild(int fd, const Hosts& hosts, const CookieStore& store,
                              const std::optional<std::string>& email) {
  int code = kChildCancelled;
  {
    int argc = 1;
    char name[] = "auth";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ui::LoadQtTranslation(app);
    LoginDialog dialog(hosts, store);
    if (email) dialog.SetEmail(*email);
    dialog.exec();
    if (dialog.Cookie() && WriteAll(fd, (dialog.Saved() ? "1" : "0") + *dialog.Cookie()))
      code = kChildGotCookie;
  }
  // Nothing of the parent's, such as buffered output, may run twice.
  _exit(code);
}

std::string ReadAll(int fd) {
  std::string data;
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return data;
    data.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace

bool DisplayPresent() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

DialogAnswer RunLoginDialog(const Hosts& hosts, const CookieStore& store,
                            const std::optional<std::string>& email) {
  DialogAnswer answer;
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) return answer;
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_fds[0]);
    DialogChild(pipe_fds[1], hosts, store, email);
  }
  close(pipe_fds[1]);
  if (child < 0) {
    close(pipe_fds[0]);
    return answer;
  }
  const std::string data = ReadAll(pipe_fds[0]);
  close(pipe_fds[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (code == kChildGotCookie && !data.empty()) {
    answer.outcome = DialogAnswer::Outcome::kCookie;
    answer.saved = data[0] == '1';
    answer.cookie = data.substr(1);
  } else if (code == kChildCancelled) {
    answer.outcome = DialogAnswer::Outcome::kCancelled;
  }
  return answer;
}

}  // namespace melvoro::auth
