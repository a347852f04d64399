// auth-dialog: auth's log-in window, started by auth only when it has to ask in a window.
//   auth-dialog --network HOST --login HOST [--email E]
// Prints "1" or "0" (the session was saved or not) and the cookie; the exit code says whether
// the user logged in or cancelled (dialog_login.h).
#include <QApplication>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "cookie_store.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "dialog_login.h"
#include "login_dialog.h"
#include "qt_seams/qt_translation.h"

namespace {

constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char** argv) {
  melvoro::Hosts hosts;
  std::optional<std::string> email;
  bool network = false, login = false;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view name = argv[i];
    if (name == "--network") {
      hosts.Network = argv[i + 1];
      network = true;
    } else if (name == "--login") {
      hosts.Login = argv[i + 1];
      login = true;
    } else if (name == "--email") {
      email = melvoro::Utf8ToCp1251(argv[i + 1]);
    } else {
      network = false;
      break;
    }
  }
  if (!network || !login || argc % 2 == 0) {
    std::cerr << "usage: auth-dialog --network HOST --login HOST [--email E]\n";
    return kExitUsage;
  }

  // Qt must not take the options meant for the dialog as its own; the window keeps the name
  // it had when auth drew it.
  int qt_argc = 1;
  char qt_name[] = "auth";
  char* qt_argv[] = {qt_name, nullptr};
  QApplication app(qt_argc, qt_argv);
  melvoro::ui::LoadQtTranslation(app);
  const melvoro::auth::CookieStore store(melvoro::UserDataFolder(), hosts.Network);
  melvoro::auth::LoginDialog dialog(hosts, store);
  if (email) dialog.SetEmail(*email);
  dialog.exec();
  if (!dialog.Cookie()) return melvoro::auth::kDialogCancelled;
  std::cout << (dialog.Saved() ? '1' : '0') << *dialog.Cookie() << std::flush;
  return std::cout ? melvoro::auth::kDialogGotCookie : 1;
}
