// LogWindow, "Лог программы": the log of this run, newest entry first; the details of the
// selected entry below the list.
#pragma once

#include <QWidget>

#include "core/listeners.h"

class QPlainTextEdit;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace melvoro {
class ProgramLog;
struct LogEntry;
}  // namespace melvoro

namespace melvoro::ui {

class LogWindow final : public QWidget {
  Q_OBJECT

 public:
  // Shows the entries log holds and follows it (hears log.OnAdded until destroyed); log
  // must outlive the window. Created hidden; closing hides it.
  explicit LogWindow(ProgramLog& log, QWidget* parent = nullptr);
  ~LogWindow() override;

  QTreeWidget* EntryList() const { return list_; }
  QPlainTextEdit* DetailsBox() const { return details_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTreeWidgetItem* NewRow(const LogEntry& entry) const;
  void EntryAdded();
  void ShowDetails(QTreeWidgetItem* item);

  ProgramLog& log_;
  Subscription added_;
  QTreeWidget* list_;
  QSplitter* splitter_;
  QPlainTextEdit* details_;
  bool placed_ = false;  // the saved placement has been applied
};

}  // namespace melvoro::ui
