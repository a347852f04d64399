// The main window's layout: the resize rule, the wheel rule, the switch to the results layout.
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

#include "ui/main_window/download_list_view.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/results_frame.h"
#include "ui/main_window/singles_page.h"

namespace melvoro::ui {

namespace {

constexpr int kTopPanelLeft = 272;
constexpr int kTopPanelMargin = 280;
constexpr int kFrameMargin = 40;
constexpr int kFrameBottomMargin = 67;
constexpr int kSearchMargin = 190;
constexpr int kButtonGap = 4;
constexpr int kResultsWheelDivisor = 5;
constexpr int kAlbumWheelDivisor = 4;

}  // namespace

void MainWindow::LayOut() {
  if (singles_ == nullptr) return;  // a resize while the window is being built
  const QSize outer = OuterSize();
  top_panel_->setGeometry(kTopPanelLeft, 0, outer.width() - kTopPanelMargin, top_panel_->height());

  ResultsFrame* frame = ResultsPane();
  // The rule's height assumes the tab row of the system the figures come from; the frame
  // never reaches past the bottom of its page, or its last row and scroll arrow would hide.
  const int rule_height = outer.height() - frame->y() - download_view_->height() - kFrameBottomMargin;
  frame->resize(outer.width() - kFrameMargin, qMax(0, qMin(rule_height, singles_->height() - frame->y())));

  QLineEdit* search = singles_->SearchBox();
  QPushButton* search_button = singles_->SearchButton();
  QPushButton* charts_button = singles_->ChartsButton();
  search->resize(outer.width() - kSearchMargin, search->height());
  search_button->move(search->x() + search->width() + kButtonGap, search_button->y());
  charts_button->move(search_button->x() + search_button->width() + kButtonGap, charts_button->y());
  singles_->PlaceCredit(outer.width());
  if (results_shown_) frame->RelayoutRows();
}

bool MainWindow::OnWheel(const QPoint& global_pos, int delta) {
  const QPoint client = mapFromGlobal(global_pos);
  const int list_top = download_view_->mapTo(this, QPoint(0, 0)).y();
  if (client.y() >= list_top) {
    download_view_->setFocus();
    return false;
  }
  // Integer division truncates toward zero, as the rule asks: one notch of 120 is 24 pixels.
  if (pages_->currentIndex() == 0) {
    QScrollBar* bar = ResultsPane()->verticalScrollBar();
    bar->setValue(bar->value() - delta / kResultsWheelDivisor);
  } else if (album_scroll_box_ != nullptr) {
    QScrollBar* bar = album_scroll_box_->verticalScrollBar();
    bar->setValue(bar->value() - delta / kAlbumWheelDivisor);
  }
  return true;
}

void MainWindow::WatchWheel(QWidget* widget) { widget->installEventFilter(this); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->angleDelta().y() != 0 && OnWheel(wheel->globalPosition().toPoint(), wheel->angleDelta().y())) {
      wheel->accept();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// The wheel over any other control of the window reaches here, as they leave it unused.
void MainWindow::wheelEvent(QWheelEvent* event) {
  if (event->angleDelta().y() != 0 && OnWheel(event->globalPosition().toPoint(), event->angleDelta().y()))
    event->accept();
  else
    event->ignore();
}

void MainWindow::OnSinglesPageShown() {
  download_view_->show();
  singles_->TakeBackCredit();
  singles_->PlaceCredit(OuterSize().width());
  singles_->SearchBox()->setFocus();
}

void MainWindow::SwitchToResultsLayout() {
  results_shown_ = true;
  singles_->SwitchToResultsLayout();
  pages_->setCurrentIndex(0);
  singles_->SearchBox()->setFocus();
  singles_->SearchBox()->selectAll();
}

void MainWindow::ResultsLaidOut() {
  ResultsFrame* frame = ResultsPane();
  frame->ShowRows();
  singles_->ShowNothingFound(engine_.Results().NothingFound());
  frame->show();
  LayOut();
}

}  // namespace melvoro::ui
