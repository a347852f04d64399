// UpdateWindow, "Обновление Melvoro": follows the download of a new executable through its
// progress item and, once the file is complete, swaps it in by a script and ends the program.
// Created hidden at start; nothing in the program feeds or opens it yet.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace melvoro {
class DownloadQueue;
class MessageBoxes;
class Shell;
}  // namespace melvoro

namespace melvoro::ui {

class UpdateWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 417;
  static constexpr int kClientHeight = 148;
  static constexpr int kTickMs = 200;

  // shell: starts the script, or the program anew; queue: takes back UpdateSlot; boxes: says why
  // an update could not go ahead; running_exe: the program's own path (Windows-1251);
  // end_program: ends the program. All must outlive the window.
  UpdateWindow(Shell& shell, DownloadQueue& queue, MessageBoxes& boxes, std::string running_exe,
               std::function<void()> end_program, QWidget* parent = nullptr);

  // Set by whatever feeds the window.
  std::string NewExePath;       // the downloaded executable (Windows-1251)
  std::int32_t UpdateSlot = 0;  // the album-track entry its download occupies

  // The feeder's side of the progress item: the percentage text ("57 %") and the icon index
  // (2 once the file is complete).
  void SetProgressText(const QString& text);
  void SetProgressIcon(int icon);

  QProgressBar* ProgressBar() const { return progress_bar_; }
  QPushButton* CancelButton() const { return cancel_button_; }
  QTimer* Timer() const { return timer_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnTimerTick();
  void OnCancelClicked();

  Shell& shell_;
  DownloadQueue& queue_;
  MessageBoxes& boxes_;
  std::string running_exe_;
  std::function<void()> end_program_;

  QProgressBar* progress_bar_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  QTreeWidget* progress_list_ = nullptr;
  QTreeWidgetItem* progress_item_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace melvoro::ui
