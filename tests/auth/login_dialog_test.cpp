// auth's log-in dialog on the offscreen platform, against netsim's login host.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <regex>

#include "cookie_store.h"
#include "core/http/http_request.h"
#include "core/log/activity_indicator.h"
#include "core/request_harness.h"
#include "core/text/cp1251.h"
#include "login_dialog.h"
#include "qt_seams/qt_ui_thread.h"
#include "support/netsim_process.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

using test::NetsimProcess;
using test::TempDir;

bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 30000) {
  const QDeadlineTimer deadline(timeout_ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(5);
  }
  return true;
}

struct DialogFixture {
  explicit DialogFixture(const Hosts& table)
      : hosts(table), store(data.path(), hosts.Network), dialog(hosts, store) {
    dialog.show();
  }
  template <typename Widget>
  Widget& Find(const char* name) {
    return *dialog.findChild<Widget*>(QString::fromLatin1(name));
  }
  QString Status() { return Find<QLabel>("status").text(); }
  void Click() { QTest::mouseClick(&Find<QPushButton>("logIn"), Qt::LeftButton); }
  void Type(const char* field, const QString& text) { Find<QLineEdit>(field).setText(text); }

  TempDir data;
  Hosts hosts;
  auth::CookieStore store;
  auth::LoginDialog dialog;
};

TEST(AuthDialog, PastedCookieIsCheckedThenSaved) {
  DialogFixture f{Hosts{}};
  f.Type("cookie", "sid=abc");
  f.Click();
  EXPECT_TRUE(f.dialog.isVisible());
  EXPECT_NE(f.Status().indexOf("remixsid"), -1) << f.Status().toStdString();
  EXPECT_FALSE(f.store.Load().has_value());

  f.Type("cookie", "  remixsid=abc123; path=/ ");
  f.Click();
  EXPECT_FALSE(f.dialog.isVisible());
  EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
  EXPECT_EQ(f.dialog.Cookie(), "remixsid=abc123; path=/");
  EXPECT_TRUE(f.dialog.Saved());
  EXPECT_EQ(f.store.Load(), "remixsid=abc123; path=/");
}

TEST(AuthDialog, DemoAccountLogsInWithoutBlockingTheWindow) {
  const NetsimProcess netsim;
  DialogFixture f{netsim.HostsTable()};
  EXPECT_EQ(f.dialog.windowTitle(),
            QString::fromUtf8(u8"Вход на ") + QString::fromStdString(f.hosts.Network));
  f.Click();  // nothing typed yet
  EXPECT_EQ(f.Status(), QString::fromUtf8(u8"Введите e-mail и пароль или вставьте cookie."));

  f.Type("email", "demo@melvoro.test");
  f.Type("password", "demo");
  f.Click();
  EXPECT_FALSE(f.Find<QLineEdit>("password").isEnabled());  // waiting, while the window still runs
  ASSERT_TRUE(WaitUntil([&] { return !f.dialog.isVisible(); }));
  ASSERT_TRUE(f.dialog.Cookie().has_value());
  EXPECT_TRUE(std::regex_match(*f.dialog.Cookie(), std::regex("remixsid=[0-9a-f]{32}")));
  EXPECT_EQ(f.store.Load(), f.dialog.Cookie());

  const auto requests = netsim.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].body, "email=demo%40melvoro.test&pass=demo");
}

TEST(AuthDialog, WrongPasswordIsToldAndTheFormComesBackWithEnterStillLoggingIn) {
  const NetsimProcess netsim;
  DialogFixture f{netsim.HostsTable()};
  f.dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.dialog));
  auto& password = f.Find<QLineEdit>("password");
  f.Type("email", "demo@melvoro.test");
  f.Type("password", "not-demo");
  password.setFocus();
  QTest::keyClick(&password, Qt::Key_Return);
  ASSERT_TRUE(WaitUntil([&] { return password.isEnabled(); }));
  EXPECT_TRUE(f.dialog.isVisible());
  EXPECT_EQ(f.Status(), QString::fromUtf8(u8"Не удалось войти: неверный e-mail или пароль."));
  EXPECT_EQ(password.text(), "");
  EXPECT_FALSE(f.dialog.Cookie().has_value());
  EXPECT_FALSE(f.store.Load().has_value());

  // Enter logs in again; it does not press "Отмена" and quit.
  f.Type("password", "demo");
  QTest::keyClick(&password, Qt::Key_Return);
  ASSERT_TRUE(WaitUntil([&] { return !f.dialog.isVisible(); }));
  EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(f.dialog.Cookie().has_value());
  EXPECT_EQ(netsim.Requests().size(), 2u);
}

TEST(AuthDialog, CancellingALogInThatHangsClosesAtOnceAndSavesNothing) {
  const NetsimProcess netsim;
  {
    // Every log-in attempt stalls from now on.
    ui::QtUiThread ui;
    ActivityIndicator activity;
    test::RecordingBoxes boxes;
    auto arm = std::make_unique<HttpRequest>(RequestContext{ui, activity, boxes});
    arm->Url = netsim.Url("/_netsim/arm?path=/&fault=stall");
    HttpRequest::Start(std::move(arm));
    ASSERT_TRUE(WaitUntil([&] { return ui.RunningWorkers() == 0; }));
    ASSERT_TRUE(boxes.shown.empty());
  }
  auto f = std::make_unique<DialogFixture>(netsim.HostsTable());
  f->Type("email", "demo@melvoro.test");
  f->Type("password", "demo");
  f->Click();
  QTest::qWait(200);
  QTest::mouseClick(&f->Find<QPushButton>("cancel"), Qt::LeftButton);
  EXPECT_FALSE(f->dialog.isVisible());
  EXPECT_EQ(f->dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(f->dialog.Cookie().has_value());
  EXPECT_FALSE(f->store.Load().has_value());
  // Closing ends the hanging request instead of waiting out its 60-second stall.
  QElapsedTimer closing;
  closing.start();
  f.reset();
  EXPECT_LT(closing.elapsed(), 10000);
}

}  // namespace
}  // namespace melvoro
