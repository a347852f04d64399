#include "qt_seams/qt_ui_thread.h"

#include <QMetaObject>

namespace melvoro::ui {

QtUiThread::~QtUiThread() { Shutdown(); }

void QtUiThread::Enqueue(std::function<void()> task) {
  // A queued call only posts an event; it never runs the task here.
  QMetaObject::invokeMethod(&receiver_, std::move(task), Qt::QueuedConnection);
}

}  // namespace melvoro::ui
