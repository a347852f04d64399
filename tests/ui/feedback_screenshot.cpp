// The documentation's picture of the feedback window with a report typed in. Run under Xvfb:
//   xvfb-run -a feedback_screenshot OUTPUT_FOLDER
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdio>

#include "core/activity_indicator.h"
#include "core/hosts.h"
#include "core/program_log.h"
#include "core/settings_table.h"
#include "core/shell.h"
#include "core/texts.h"
#include "seam_wait.h"
#include "ui/form_feedback.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_text.h"
#include "ui/qt_ui_thread.h"

namespace {

class NoShell final : public melvoro::Shell {
 public:
  bool Open(const std::string&) override { return true; }
  bool ShowInFolder(const std::string&) override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: feedback_screenshot OUTPUT_FOLDER\n");
    return 2;
  }
  melvoro::ui::QtUiThread ui;
  melvoro::ui::QtMessageBoxes boxes;
  melvoro::ActivityIndicator activity;
  melvoro::ProgramLog log;
  NoShell shell;
  melvoro::TArray settings;
  settings.Set("email", "listener@example.org");
  melvoro::Hosts hosts;
  hosts.Support = "support.melvoro.net";
  melvoro::ui::TformFeedback window(settings, hosts, melvoro::RequestContext{ui, activity, boxes}, log,
                                    shell);
  window.ShowWithCaption(melvoro::ui::ToQString(melvoro::texts::kReportProblemCaption));
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  window.DescriptionBox()->setPlainText(
      QString::fromUtf8("Поиск по запросу «Кино» ничего не находит, хотя вчера находил.\n"
                        "Нажимаю «OK», индикатор крутится, потом пишет «Ничего не найдено :-(»."));
  melvoro::test::WaitUntil([] { return false; }, 300);  // let the screen settle
  const QString path = QString::fromLocal8Bit(argv[1]) + "/feedback.png";
  if (window.grab().save(path)) return 0;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return 1;
}
