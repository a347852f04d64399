// The settings window's connection test against netsim, and the updater's start.
#include <gtest/gtest.h>

#include <QPushButton>
#include <filesystem>

#include "core/http/http_request.h"
#include "core/text/cp1251.h"
#include "seam_wait.h"
#include "settings_window_fixture.h"
#include "support/netsim_process.h"
#include "support/program_run.h"

namespace melvoro {
namespace {

using test::NetsimProcess;
using test::ReadFile;
using test::SettingsWindowFixture;
using test::WaitUntil;

// Asks netsim to fail every request under path.
void ArmFault(SettingsWindowFixture& f, const NetsimProcess& netsim, const std::string& path,
              const std::string& kind) {
  auto worker = std::make_unique<HttpRequest>(RequestContext{f.ui, f.activity, f.boxes});
  worker->Url = netsim.Url("/_netsim/arm?path=" + path + "&fault=" + kind);
  bool armed = false;
  worker->OnDone = [&](HttpRequest&) { armed = true; };
  HttpRequest::Start(std::move(worker));
  ASSERT_TRUE(WaitUntil([&] { return f.ui.RunningWorkers() == 0; }));
  ASSERT_TRUE(armed);
}

TEST(SettingsActions, ConnectionTestShowsTheSupportServersTextAndLogsTheAddress) {
  const NetsimProcess netsim;
  SettingsWindowFixture f;
  f.hosts = netsim.HostsTable();
  f.Create().show();
  QTest::mouseClick(&f.Find<QPushButton>("Button2"), Qt::LeftButton);

  const std::string url = "http://" + f.hosts.Support + "/isword.txt";
  ASSERT_EQ(f.log.Count(), 1u);
  EXPECT_EQ(f.log.At(0).Description, url);
  EXPECT_EQ(f.log.At(0).Details, "");
  EXPECT_EQ(f.log.At(0).Icon, kLogInfo);

  ASSERT_TRUE(WaitUntil([&] { return !f.boxes.shown.empty(); }));
  EXPECT_EQ(f.boxes.shown[0].caption, std::string(W1251(u8"Melvoro в. " MELVORO_VERSION)));
  EXPECT_NE(f.boxes.shown[0].text.find(std::string(W1251(u8"Соединение с сервером поддержки"))),
            std::string::npos)
      << f.boxes.shown[0].text;
  EXPECT_EQ(f.boxes.shown[0].icon, MessageIcon::None);

  const auto requests = netsim.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].Header("Host"), f.hosts.Support);
  EXPECT_EQ(requests[0].Header("Cookie"), "");
}

TEST(SettingsActions, AFailedConnectionTestShowsTheWorkersErrorBox) {
  const NetsimProcess netsim;
  SettingsWindowFixture f;
  f.hosts = netsim.HostsTable();
  ArmFault(f, netsim, "/isword.txt", "500");
  f.Create().show();
  QTest::mouseClick(&f.Find<QPushButton>("Button2"), Qt::LeftButton);

  ASSERT_TRUE(WaitUntil([&] { return !f.boxes.shown.empty() && f.ui.RunningWorkers() == 0; }));
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].caption, std::string(W1251(u8"Произошла ошибкa")));
  EXPECT_EQ(f.boxes.shown[0].text, std::string(W1251(u8"Неверный ответ сервера - 500")));
  EXPECT_EQ(f.boxes.shown[0].icon, MessageIcon::Error);
}

TEST(SettingsActions, UpdaterBesideTheProgramStartsAndAMissingOneIsReported) {
  SettingsWindowFixture f;
  f.Create().show();
  auto& button = f.Find<QPushButton>("Button1");

  QTest::mouseClick(&button, Qt::LeftButton);
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text,
            std::string(W1251(u8"Не найдена программа обновления ")) + (f.app / "update").string());
  EXPECT_EQ(f.boxes.shown[0].icon, MessageIcon::Error);

  test::WriteScript(f.app / "update", "pwd > started.tmp && mv started.tmp started\n");
  QTest::mouseClick(&button, Qt::LeftButton);
  ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(f.app / "started"); }, 10000));
  EXPECT_EQ(ReadFile(f.app / "started"), f.app.path().string() + "\n");
  EXPECT_EQ(f.boxes.shown.size(), 1u);
}

}  // namespace
}  // namespace melvoro
