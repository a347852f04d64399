#include "ui/main_window/singles_page.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "qt_seams/qt_text.h"
#include "ui/main_window/results_frame.h"
#include "ui/widgets/widget_factory.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

constexpr int kLeft = 12;
constexpr int kSearchLeft = 16;
constexpr int kSearchHeight = 26;
constexpr int kButtonWidth = 75;
constexpr int kCreditWidth = 281;
constexpr int kCreditHeight = 57;
// The designed width of the page's contents: a 593-pixel window less its margins.
constexpr int kDesignWidth = 553;

QFrame* SilverPanel(const char* name, QWidget* parent) {
  auto* panel = Named(new QFrame(parent), name);
  FillBackground(*panel, QColor(0xC0, 0xC0, 0xC0));
  return panel;
}

QFont Tahoma(int pixel_height) {
  QFont font("Tahoma");
  font.setPixelSize(pixel_height);
  return font;
}

// Entering the box selects its text, after the click that gave the focus (or that click
// would undo the selection).
class SearchLineEdit final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
  }
};

}  // namespace

SinglesPage::SinglesPage(const ResultRows& rows, const QString& welcome, QWidget* parent) : QWidget(parent) {
  setObjectName("TabSheet1");
  FillBackground(*this, Qt::white);

  results_frame_ = new ResultsFrame(rows, this);
  results_frame_->setGeometry(kLeft, kFrameTop, kDesignWidth, 300);
  results_frame_->hide();

  upper_rule_ = SilverPanel("Panel2", this);
  upper_rule_->setGeometry(kLeft, 120, kDesignWidth, 3);
  lower_rule_ = SilverPanel("Panel3", this);
  lower_rule_->setGeometry(kLeft, 220, kDesignWidth, 3);
  message_panel_ = SilverPanel("Panel4", this);
  message_panel_->setGeometry(kLeft, 140, kDesignWidth, 64);
  message_label_ = new QLabel(welcome, message_panel_);
  message_label_->setObjectName("Label3");
  message_label_->setFont(Tahoma(21));
  message_label_->setAlignment(Qt::AlignCenter);
  message_label_->setGeometry(0, 0, kDesignWidth, 64);

  search_box_ = new SearchLineEdit(ToQString(texts::kSearchPrompt), this);
  search_box_->setObjectName("searchrequest");
  search_box_->setFont(Tahoma(16));
  search_box_->setGeometry(kSearchLeft, kIntroSearchTop, kDesignWidth - 2 * (kButtonWidth + 4),
                           kSearchHeight);
  search_button_ = new QPushButton(ToQString(texts::kSearchButton), this);
  search_button_->setObjectName("Button1");
  search_button_->setAutoDefault(false);
  charts_button_ = new QPushButton(ToQString(texts::kChartsButton), this);
  charts_button_->setObjectName("BitBtn1");
  charts_button_->setAutoDefault(false);
  for (QPushButton* button : {search_button_, charts_button_}) button->resize(kButtonWidth, kSearchHeight);
  search_button_->move(search_box_->geometry().right() + 1 + 4, kIntroSearchTop);
  charts_button_->move(search_button_->geometry().right() + 1 + 4, kIntroSearchTop);

  // The credit sits on the page's white: grey 0xCCCCCC on silver could not be read.
  credit_panel_ = new QFrame(this);
  credit_panel_->setObjectName("copyright");
  credit_panel_->resize(kCreditWidth, kCreditHeight);
  credit_label_ = new QLabel(ToQString(texts::kCreditLine), credit_panel_);
  credit_label_->setObjectName("Label2");
  credit_label_->setAlignment(Qt::AlignCenter);
  QPalette grey = credit_label_->palette();
  grey.setColor(QPalette::WindowText, QColor(0xCC, 0xCC, 0xCC));
  credit_label_->setPalette(grey);
  credit_label_->setGeometry(0, 0, kCreditWidth, kCreditHeight);
}

void SinglesPage::SwitchToResultsLayout() {
  for (QWidget* intro : {static_cast<QWidget*>(credit_label_), static_cast<QWidget*>(message_panel_),
                         static_cast<QWidget*>(upper_rule_), static_cast<QWidget*>(lower_rule_),
                         static_cast<QWidget*>(credit_panel_)})
    intro->hide();
  for (QWidget* control : {static_cast<QWidget*>(search_box_), static_cast<QWidget*>(search_button_),
                           static_cast<QWidget*>(charts_button_)})
    control->move(control->x(), kResultsSearchTop);
}

void SinglesPage::ShowNothingFound(bool nothing_found) {
  if (!nothing_found) {
    message_panel_->hide();
    return;
  }
  message_label_->setText(ToQString(texts::kNothingFound));
  message_panel_->show();
  message_panel_->raise();
}

void SinglesPage::PlaceCredit(int window_width) {
  int top = credit_panel_->parentWidget()->height() - credit_panel_->height();
  // On a screen lower than the design the page is short: the credit goes below the search
  // box, cut off if need be, rather than over it.
  if (credit_panel_->parentWidget() == this) top = std::max(top, search_box_->geometry().bottom() + 8);
  credit_panel_->move(window_width / 2 - credit_label_->width() / 2, top);
}

void SinglesPage::TakeBackCredit() {
  if (credit_panel_->parentWidget() == this) return;
  const bool hidden = credit_panel_->isHidden();  // a new parent hides it; it keeps what it was
  credit_panel_->setParent(this);
  credit_panel_->setVisible(!hidden);
}

void SinglesPage::OnShown(int window_width) {
  TakeBackCredit();
  PlaceCredit(window_width);
  search_box_->setFocus();
}

}  // namespace melvoro::ui
