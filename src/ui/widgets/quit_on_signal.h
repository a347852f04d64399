// Ends the program the way closing its main window does when the terminal or the session asks
// it to stop (SIGINT, SIGTERM), so running transfers are stopped and their part files removed.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace melvoro::ui {

class QuitOnSignal final : public QObject {
  Q_OBJECT

 public:
  // on_signal runs on the UI thread. One instance per process.
  explicit QuitOnSignal(std::function<void()> on_signal, QObject* parent = nullptr);
  ~QuitOnSignal() override;

 private:
  std::function<void()> on_signal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace melvoro::ui
