// The download list at the bottom of the main window (thlist), a report view over
// DownloadListModel, with its pop-up menu.
#pragma once

#include <QLabel>
#include <QMenu>
#include <QTableView>

namespace melvoro::ui {

class DownloadListModel;

class DownloadListView final : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kInitialHeight = 106;

  explicit DownloadListView(DownloadListModel& model, QWidget* parent = nullptr);

  // The menu for the row under pos (viewport coordinates), else for the focused row.
  // Nothing is shown when there is no such row or no entry applies to it.
  void OpenMenuAt(const QPoint& pos);

  QMenu* Menu() const { return menu_; }
  QAction* ListenAction() const { return listen_; }
  QAction* OpenFolderAction() const { return open_folder_; }
  QAction* RetryAction() const { return retry_; }
  // While downloads are paused, a hint over the list's bottom and the list's tooltip say why;
  // an empty text takes both away.
  void ShowPausedHint(const QString& text);
  QLabel* PausedHint() const { return paused_hint_; }
  // The row the menu was last opened for, -1 before.
  int MenuRow() const { return menu_row_; }

 signals:
  void listenRequested(int row);
  void openFolderRequested(int row);
  void retryRequested(int row);

 protected:
  void rowsInserted(const QModelIndex& parent, int start, int end) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlacePausedHint();

 private:
  DownloadListModel& model_;
  QMenu* menu_;
  QAction* listen_;
  QAction* open_folder_;
  QAction* retry_;
  QLabel* paused_hint_;
  int menu_row_ = -1;
};

}  // namespace melvoro::ui
