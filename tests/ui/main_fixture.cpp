#include "main_fixture.h"

#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <fstream>

#include "core/text/cp1251.h"
#include "downloads/download_list.h"
#include "qt_seams/qt_text.h"
#include "seam_wait.h"
#include "ui/main_window/results_frame.h"
#include "ui/main_window/singles_page.h"

namespace melvoro::test {

MainWindowTest::MainWindowTest() : downloads_(dir_ / "downloads"), cookies_(dir_ / "cookies") {
  std::filesystem::create_directories(downloads_);
  std::filesystem::create_directories(cookies_);
  const Hosts hosts = netsim_.HostsTable();
  // The folder as the default gives it, with a final separator.
  std::ofstream(dir_ / "config.ini") << "[Hosts]\nNetwork=" << hosts.Network << "\nStorage=" << hosts.Storage
                                     << "\nLogin=" << hosts.Login << "\nSupport=" << hosts.Support
                                     << "\n\n[Melvoro]\nUploadDir=" << downloads_.string() << "/\n";
}

MainWindowTest::~MainWindowTest() {
  window_.reset();
  engine_.reset();
}

void MainWindowTest::BuildEngine() {
  StartupSeams startup;
  startup.RunAuth = [](const std::filesystem::path&) { return std::string("remixsid=0123456789abcdef\n"); };
  startup.DesktopFolder = [this] { return dir_.path(); };
  engine_ = std::make_unique<Engine>(LoadConfiguration(dir_.path(), boxes_, startup), ui_, boxes_);
}

void MainWindowTest::Open() {
  window_.reset();
  engine_.reset();
  BuildEngine();
  window_ = std::make_unique<ui::MainWindow>(*engine_, ui::MainWindowSeams{boxes_, shell_, cookies_});
  // Heard after the window's own listener has laid the rows out.
  engine_->Results().OnShown.Add([this] { ++lists_shown_; });
  window_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
}

void MainWindowTest::Search(const std::string& utf8_query, Qt::KeyboardModifiers modifiers) {
  QLineEdit* box = window_->Singles()->SearchBox();
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, QString::fromStdString(utf8_query));
  QTest::keyClick(box, Qt::Key_Return, modifiers);
}

void MainWindowTest::SearchAndWait(const std::string& utf8_query) {
  const int before = lists_shown_;
  Search(utf8_query);
  ASSERT_TRUE(WaitUntil([&] { return lists_shown_ > before; }));
}

int MainWindowTest::RowNamed(const std::string& utf8_name) const {
  const std::string name = Utf8ToCp1251(utf8_name);
  for (int n = 1; n <= ResultRows::kRowCount; ++n)
    if (engine_->Results().NameText(n) == name) return n;
  ADD_FAILURE() << "no result row named " << utf8_name;
  return 1;
}

void MainWindowTest::ClickRowName(int n) {
  QTest::mouseClick(window_->ResultsPane()->NameLabel(n), Qt::LeftButton, {}, QPoint(3, 3));
}

void MainWindowTest::ArmMp3Fault(const std::string& kind) { ArmFault("/u", kind); }

void MainWindowTest::ArmFault(const std::string& path, const std::string& kind) {
  // netsim's control routes answer on any host; the request goes through the window's worker.
  auto worker = std::make_unique<HttpRequest>(engine_->Requests());
  worker->Url =
      netsim_.Url(kind.empty() ? "/_netsim/disarm" : "/_netsim/arm?path=" + path + "&fault=" + kind);
  bool ended = false;
  worker->OnDone = [&ended](HttpRequest&) { ended = true; };
  worker->OnError = [&ended](HttpRequest&, const std::string& message) {
    ended = true;
    ADD_FAILURE() << message;
  };
  HttpRequest::Start(std::move(worker));
  ASSERT_TRUE(WaitUntil([&] { return ended; }));
}

std::vector<std::string> MainWindowTest::Downloads() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(downloads_))
    names.push_back(entry.path().filename());
  return names;
}

bool MainWindowTest::WaitForState(int index, DownloadState state, int timeout_ms) const {
  const DownloadList& list = engine_->Queue().List();
  return WaitUntil([&] { return index < list.Count() && list.Row(index).State == state; }, timeout_ms);
}

void MainWindowTest::Wheel(QWidget* widget, const QPoint& local, int delta) {
  const QPointF global = widget->mapToGlobal(QPointF(local));
  QWheelEvent event(QPointF(local), global, QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  // As from the mouse: offered to the control under the pointer, then to its parents in turn.
  // (sendEvent would mark it as the program's own, which goes to the one control only).
  QSpontaneKeyEvent::setSpontaneous(&event);
  qApp->notify(widget, &event);
}

}  // namespace melvoro::test
