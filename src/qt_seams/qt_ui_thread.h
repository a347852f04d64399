// The UI thread of the GUI: workers' notifications run on the Qt event loop of the thread that
// created this object.
#pragma once

#include <QObject>
#include <functional>

#include "core/os/ui_thread.h"

namespace melvoro::ui {

class QtUiThread final : public UiThread {
 public:
  // On the GUI thread, after the QApplication exists.
  QtUiThread() = default;
  // Refuses further hand-offs and waits briefly for running workers, so none is left waiting
  // on a loop that is going away.
  ~QtUiThread() override;

 protected:
  void Enqueue(std::function<void()> task) override;

 private:
  // Tasks are delivered through it; queued ones die with it.
  QObject receiver_;
};

}  // namespace melvoro::ui
