// thlist: the download list at the bottom of the main window, a report view over
// DownloadListModel, with its pop-up menu PopupMenu1.
#pragma once

#include <QMenu>
#include <QTableView>

namespace melvoro::ui {

class DownloadListModel;

class DownloadListView final : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kInitialHeight = 106;

  explicit DownloadListView(DownloadListModel& model, QWidget* parent = nullptr);

  // thlistContextPopup: the menu for the row under pos (viewport coordinates), else for the
  // focused row. Nothing is shown when there is no such row or no entry applies to it.
  void thlistContextPopup(const QPoint& pos);

  QMenu* PopupMenu1() const { return menu_; }
  QAction* N2() const { return listen_; }
  QAction* N3() const { return open_folder_; }
  QAction* NRetry() const { return retry_; }
  // The row the menu was last opened for, -1 before.
  int MenuRow() const { return menu_row_; }

 signals:
  void N2Click(int row);
  void N3Click(int row);
  void RetryClick(int row);

 protected:
  void rowsInserted(const QModelIndex& parent, int start, int end) override;

 private:
  DownloadListModel& model_;
  QMenu* menu_;
  QAction* listen_;
  QAction* open_folder_;
  QAction* retry_;
  int menu_row_ = -1;
};

}  // namespace melvoro::ui
