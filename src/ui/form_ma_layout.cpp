// The main window's layout: the resize rule, the wheel rule, the switch to the results layout.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QWheelEvent>

#include "ui/download_list_view.h"
#include "ui/form_ma.h"
#include "ui/results_frame.h"
#include "ui/singles_page.h"

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

void TformMa::FormResize() {
  if (singles_ == nullptr) return;  // a resize while the window is being built
  const QSize outer = OuterSize();
  top_panel_->setGeometry(kTopPanelLeft, 0, outer.width() - kTopPanelMargin, top_panel_->height());

  TFrame1* frame = Frame11();
  // The rule's height assumes the tab row of the system the figures come from; the frame
  // never reaches past the bottom of its page, or its last row and scroll arrow would hide.
  const int rule_height = outer.height() - frame->y() - thlist_->height() - kFrameBottomMargin;
  frame->resize(outer.width() - kFrameMargin, qMax(0, qMin(rule_height, singles_->height() - frame->y())));

  QLineEdit* search = singles_->searchrequest;
  search->resize(outer.width() - kSearchMargin, search->height());
  singles_->Button1->move(search->x() + search->width() + kButtonGap, singles_->Button1->y());
  singles_->BitBtn1->move(singles_->Button1->x() + singles_->Button1->width() + kButtonGap,
                          singles_->BitBtn1->y());
  singles_->PlaceCredit(outer.width());
  if (results_shown_) frame->RelayoutRows();
}

bool TformMa::FormMouseWheel(const QPoint& global_pos, int delta) {
  const QPoint client = mapFromGlobal(global_pos);
  const int list_top = thlist_->mapTo(this, QPoint(0, 0)).y();
  if (client.y() >= list_top) {
    thlist_->setFocus();
    return false;
  }
  // Integer division truncates toward zero, as the rule asks: one notch of 120 is 24 pixels.
  if (page_control_->currentIndex() == 0) {
    QScrollBar* bar = Frame11()->verticalScrollBar();
    bar->setValue(bar->value() - delta / kResultsWheelDivisor);
  } else if (lastfmscrollbox_ != nullptr) {
    QScrollBar* bar = lastfmscrollbox_->verticalScrollBar();
    bar->setValue(bar->value() - delta / kAlbumWheelDivisor);
  }
  return true;
}

bool TformMa::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Wheel: {
      auto* widget = qobject_cast<QWidget*>(watched);
      auto* wheel = static_cast<QWheelEvent*>(event);
      if (widget == nullptr || widget->window() != this || wheel->angleDelta().y() == 0) break;
      if (!FormMouseWheel(wheel->globalPosition().toPoint(), wheel->angleDelta().y())) break;
      // Accepted, or Qt would offer the same event to every parent and scroll once for each.
      wheel->accept();
      return true;
    }
    case QEvent::KeyPress:
      if (watched == singles_->searchrequest) {
        auto* key = static_cast<QKeyEvent*>(event);
        return searchrequestKeyDown(key->key(), key->modifiers());
      }
      break;
    case QEvent::FocusIn:
      // searchrequestEnter; after the click that gave the focus, or the click would undo it.
      if (watched == singles_->searchrequest)
        QTimer::singleShot(0, singles_->searchrequest, &QLineEdit::selectAll);
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool TformMa::searchrequestKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  if (modifiers & Qt::ControlModifier)
    singles_->BitBtn1->click();
  else
    singles_->Button1->click();
  return true;
}

void TformMa::TabSheet1Show() {
  thlist_->show();
  singles_->PlaceCredit(OuterSize().width());
  singles_->searchrequest->setFocus();
}

void TformMa::SwitchToResultsLayout() {
  results_shown_ = true;
  singles_->SwitchToResultsLayout();
  page_control_->setCurrentIndex(0);
  singles_->searchrequest->setFocus();
  singles_->searchrequest->selectAll();
}

void TformMa::ResultsLaidOut() {
  TFrame1* frame = Frame11();
  frame->ShowRows();
  singles_->ShowNothingFound(engine_.Results().NothingFound());
  frame->show();
  FormResize();
}

}  // namespace melvoro::ui
