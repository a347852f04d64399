#include "ui/main_window/download_list_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <array>

#include "downloads/download_list.h"
#include "qt_seams/qt_text.h"
#include "ui/main_window/download_list_model.h"
#include "ui/main_window/state_icons.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

constexpr std::array<int, DownloadListModel::kColumnCount> kColumnWidths = {45, 350, 45, 65, 50, 50, 50};

}  // namespace

DownloadListView::DownloadListView(DownloadListModel& model, QWidget* parent)
    : QTableView(parent), model_(model) {
  setObjectName("thlist");
  setModel(&model_);
  setEditTriggers(NoEditTriggers);
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setSortingEnabled(false);
  setShowGrid(true);
  setWordWrap(false);
  setIconSize(QSize(kIconSize, kIconSize));
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  for (int column = 0; column < DownloadListModel::kColumnCount; ++column)
    setColumnWidth(column, kColumnWidths[static_cast<std::size_t>(column)]);
  // Every row the same height: the view never measures rows, however long the list grows.
  verticalHeader()->setVisible(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(qMax(fontMetrics().height() + 4, kIconSize + 2));
  // An inactive selection keeps the active colours, so it stays visible without the focus.
  QPalette colours = palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight,
                   colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(colours);
  resize(width(), kInitialHeight);

  menu_ = new QMenu(this);
  menu_->setObjectName("PopupMenu1");
  listen_ = menu_->addAction(ToQString(texts::kMenuListen));
  listen_->setObjectName("N2");
  open_folder_ = menu_->addAction(ToQString(texts::kMenuOpenFolder));
  open_folder_->setObjectName("N3");
  retry_ = menu_->addAction(ToQString(texts::kMenuRetry));
  retry_->setObjectName("NRetry");
  connect(listen_, &QAction::triggered, this, [this] { emit listenRequested(menu_row_); });
  connect(open_folder_, &QAction::triggered, this, [this] { emit openFolderRequested(menu_row_); });
  connect(retry_, &QAction::triggered, this, [this] { emit retryRequested(menu_row_); });
  paused_hint_ = new QLabel(viewport());
  paused_hint_->setObjectName("PausedHint");
  paused_hint_->setWordWrap(true);
  paused_hint_->setMargin(3);
  paused_hint_->setFrameShape(QFrame::Box);
  paused_hint_->setAutoFillBackground(true);
  QPalette hint_colours = paused_hint_->palette();
  hint_colours.setColor(QPalette::Window, QColor(255, 255, 225));
  hint_colours.setColor(QPalette::WindowText, Qt::black);
  paused_hint_->setPalette(hint_colours);
  paused_hint_->hide();
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, &DownloadListView::OpenMenuAt);
}

void DownloadListView::OpenMenuAt(const QPoint& pos) {
  QModelIndex at = indexAt(pos);
  if (!at.isValid()) at = currentIndex();
  if (!at.isValid()) return;
  const DownloadRow* row = model_.RowAt(at.row());
  if (row == nullptr) return;
  // A song stands under its name only once its transfer is done (until then it is a part
  // file); its folder is there from the start, and a failed row can be tried again.
  listen_->setVisible(row->CanListen());
  open_folder_->setVisible(row->CanOpenFolder());
  retry_->setVisible(row->CanRetry());
  if (!listen_->isVisible() && !open_folder_->isVisible() && !retry_->isVisible()) return;
  menu_row_ = at.row();
  setCurrentIndex(at);
  menu_->popup(viewport()->mapToGlobal(pos));
}

void DownloadListView::ShowPausedHint(const QString& text) {
  if (text == paused_hint_->text() && paused_hint_->isHidden() == text.isEmpty()) return;
  paused_hint_->setText(text);
  paused_hint_->setToolTip(text);
  setToolTip(text);
  paused_hint_->setVisible(!text.isEmpty());
  PlacePausedHint();
}

void DownloadListView::PlacePausedHint() {
  if (paused_hint_->isHidden()) return;
  const int width = viewport()->width();
  const int height = std::min(paused_hint_->heightForWidth(width), viewport()->height());
  paused_hint_->setGeometry(0, viewport()->height() - height, width, height);
}

void DownloadListView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  PlacePausedHint();
}

void DownloadListView::rowsInserted(const QModelIndex& parent, int start, int end) {
  // Follow new rows only when the user was already looking at the end of the list.
  const bool at_end = verticalScrollBar()->value() == verticalScrollBar()->maximum();
  QTableView::rowsInserted(parent, start, end);
  if (at_end) QTimer::singleShot(0, this, [this] { scrollToBottom(); });
}

}  // namespace melvoro::ui
