// The documentation's picture of the feedback window with a report typed in. Run under Xvfb:
//   xvfb-run -a feedback_screenshot OUTPUT_FOLDER
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/config/settings_table.h"
#include "core/http/hosts.h"
#include "core/log/activity_indicator.h"
#include "core/log/program_log.h"
#include "qt_seams/qt_message_boxes.h"
#include "qt_seams/qt_text.h"
#include "qt_seams/qt_ui_thread.h"
#include "support/screenshot.h"
#include "ui/feedback/feedback_window.h"
#include "ui/window_texts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString out = melvoro::test::ScreenshotFolder(argc, argv);
  if (out.isEmpty()) return 2;
  melvoro::ui::QtUiThread ui;
  melvoro::ui::QtMessageBoxes boxes;
  melvoro::ActivityIndicator activity;
  melvoro::ProgramLog log;
  melvoro::test::NoShell shell;
  melvoro::SettingsTable settings;
  settings.Set("email", "listener@example.org");
  melvoro::Hosts hosts;
  hosts.Support = "support.melvoro.net";
  melvoro::ui::FeedbackWindow window(settings, hosts, melvoro::RequestContext{ui, activity, boxes}, log,
                                     shell);
  window.ShowWithCaption(melvoro::ui::ToQString(melvoro::texts::kReportProblemCaption));
  window.DescriptionBox()->setPlainText(
      QString::fromUtf8("Поиск по запросу «Кино» ничего не находит, хотя вчера находил.\n"
                        "Нажимаю «OK», индикатор крутится, потом пишет «Ничего не найдено :-(»."));
  return melvoro::test::SaveScreenshot(window, out, "feedback.png") ? 0 : 1;
}
