// The feedback window: its layout and resize rule, the e-mail at every showing, the help
// marks, the support link, and the post against netsim.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "core/config/settings_table.h"
#include "core/http/hosts.h"
#include "core/log/activity_indicator.h"
#include "core/log/program_log.h"
#include "core/text/cp1251.h"
#include "feedback/feedback_post.h"
#include "qt_seams/qt_text.h"
#include "qt_seams/qt_ui_thread.h"
#include "seam_wait.h"
#include "support/netsim_process.h"
#include "support/recording_boxes.h"
#include "support/recording_shell.h"
#include "ui/feedback/feedback_window.h"
#include "ui/settings/settings_window.h"
#include "ui/widgets/help_hint.h"
#include "ui/window_texts.h"

namespace melvoro {
namespace {

using test::RecordingShell;
using test::WaitUntil;

struct FeedbackFixture {
  explicit FeedbackFixture(Hosts hosts_table) : hosts(std::move(hosts_table)) {
    settings.Set("email", "me@x.ru");
    window = std::make_unique<ui::FeedbackWindow>(settings, hosts, RequestContext{ui, activity, boxes}, log,
                                                  shell);
  }
  template <typename Widget>
  Widget& Find(const char* name) const {
    auto* found = window->findChild<Widget*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return *found;
  }

  Hosts hosts;
  SettingsTable settings;
  ui::QtUiThread ui;
  ActivityIndicator activity;
  test::RecordingBoxes boxes;
  ProgramLog log;
  RecordingShell shell;
  std::unique_ptr<ui::FeedbackWindow> window;
};

Hosts SupportAt(const std::string& host) {
  Hosts hosts;
  hosts.Support = host;
  return hosts;
}

TEST(FeedbackWindow, PanelsFollowTheResizeRuleAndShowingRefillsTheEmail) {
  FeedbackFixture f(SupportAt("support.localhost:8080"));
  ui::FeedbackWindow& window = *f.window;
  window.ShowWithCaption(ui::ToQString(texts::kSupportCaption));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.windowTitle(), ui::ToQString(texts::kSupportCaption));
  EXPECT_EQ(window.size(), QSize(604, 644));
  EXPECT_EQ(f.Find<QWidget>("Panel1").height(), 169);
  EXPECT_EQ(f.Find<QWidget>("Panel2").width(), 105);
  EXPECT_EQ(f.Find<QWidget>("Panel4").height(), 68);
  EXPECT_EQ(f.Find<QLabel>("Label2").text(), "support.localhost:8080/melvoro/support/");
  EXPECT_TRUE(window.SendLogBox()->isChecked());
  EXPECT_EQ(window.SendLogBox()->toolTip(), ui::ToQString(texts::kFeedbackSendLogHint));

  window.resize(800, 700);
  QApplication::processEvents();
  const QWidget& fields = f.Find<QWidget>("Panel3");
  EXPECT_EQ(fields.width(), 800 - 105);
  EXPECT_EQ(window.EmailField()->width(), fields.width() - 30);
  EXPECT_EQ(window.DescriptionBox()->size(), QSize(fields.width() - 30, fields.height() - 73));
  EXPECT_EQ(window.SendLogBox()->y(), fields.height() - 30);
  EXPECT_EQ(window.SendButton()->x(), 800 - 113);

  EXPECT_EQ(window.EmailField()->text(), "me@x.ru");
  window.EmailField()->setText("typed@x.ru");
  window.DescriptionBox()->setPlainText("kept");
  window.hide();
  f.settings.Set("email", "new@x.ru");
  window.show();
  EXPECT_EQ(window.EmailField()->text(), "new@x.ru");
  EXPECT_EQ(window.DescriptionBox()->toPlainText(), "kept");
}

TEST(FeedbackWindow, HelpMarksAndTheSupportLink) {
  FeedbackFixture f(SupportAt("support.localhost:8080"));
  f.window->show();
  auto& email_mark = f.Find<QLabel>("Label10");
  const QPointF inside(2, 2);
  QEnterEvent enter(inside, inside, email_mark.mapToGlobal(inside));
  QApplication::sendEvent(&email_mark, &enter);
  auto* popup = qobject_cast<QLabel*>(ui::CurrentHelpHint());
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->text(), ui::ToQString(texts::kFeedbackEmailHelp));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&email_mark, &leave);
  EXPECT_EQ(ui::CurrentHelpHint(), nullptr);
  QTest::mouseClick(&f.Find<QLabel>("Label5"), Qt::LeftButton, {}, QPoint(2, 2));
  popup = qobject_cast<QLabel*>(ui::CurrentHelpHint());
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->text(), ui::ToQString(texts::kFeedbackDescriptionHelp));
  ui::HideHelpHint();

  QTest::mouseClick(&f.Find<QLabel>("Label2"), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(f.shell.opened, std::vector<std::string>{"http://support.localhost:8080/melvoro/support/"});
}

TEST(FeedbackWindow, SendPostsTheFormThenHidesAndAFailureLeavesItSendable) {
  test::NetsimProcess netsim;
  FeedbackFixture f(netsim.HostsTable());
  ui::FeedbackWindow& window = *f.window;
  f.log.AddLogEntry("a<b>", "", kLogError);
  window.show();
  window.DescriptionBox()->setPlainText(QString::fromUtf8("Не качает & <всё>"));
  QTest::mouseClick(window.SendButton(), Qt::LeftButton);
  EXPECT_FALSE(window.SendButton()->isEnabled());
  ASSERT_TRUE(WaitUntil([&] { return f.ui.RunningWorkers() == 0 && !f.boxes.shown.empty(); }));
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, std::string(texts::kFeedbackSent));
  EXPECT_TRUE(window.SendButton()->isEnabled());
  EXPECT_FALSE(window.isVisible());
  const std::string expected = FeedbackPostData(
      {.Email = "me@x.ru", .Description = Utf8ToCp1251("Не качает & <всё>"), .SendLog = true}, f.log);
  ASSERT_EQ(netsim.Requests().size(), 1u);
  EXPECT_EQ(netsim.Requests()[0].body, expected);

  f.hosts.Support = "127.0.0.1:1";  // nothing listens there
  window.show();
  window.SendLogBox()->setChecked(false);
  QTest::mouseClick(window.SendButton(), Qt::LeftButton);
  ASSERT_TRUE(WaitUntil([&] { return f.ui.RunningWorkers() == 0 && f.boxes.shown.size() == 2; }));
  EXPECT_EQ(f.boxes.shown[1].caption, std::string(texts::kDefaultRequestErrorCaption));
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.SendButton()->isEnabled());
}

}  // namespace
}  // namespace melvoro
