#include "ui/singles_page.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/texts.h"
#include "ui/qt_text.h"
#include "ui/results_frame.h"

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
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  panel->setPalette(palette);
  return panel;
}

QFont Tahoma(int pixel_height) {
  QFont font("Tahoma");
  font.setPixelSize(pixel_height);
  return font;
}

}  // namespace

SinglesPage::SinglesPage(const ResultRows& rows, const QString& welcome, QWidget* parent) : QWidget(parent) {
  setObjectName("TabSheet1");
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  Frame11 = new TFrame1(rows, this);
  Frame11->setGeometry(kLeft, kFrameTop, kDesignWidth, 300);
  Frame11->hide();

  Panel2 = SilverPanel("Panel2", this);
  Panel2->setGeometry(kLeft, 120, kDesignWidth, 3);
  Panel3 = SilverPanel("Panel3", this);
  Panel3->setGeometry(kLeft, 220, kDesignWidth, 3);
  Panel4 = SilverPanel("Panel4", this);
  Panel4->setGeometry(kLeft, 140, kDesignWidth, 64);
  Label3 = new QLabel(welcome, Panel4);
  Label3->setObjectName("Label3");
  Label3->setFont(Tahoma(21));
  Label3->setAlignment(Qt::AlignCenter);
  Label3->setGeometry(0, 0, kDesignWidth, 64);

  searchrequest = new QLineEdit(ToQString(texts::kSearchPrompt), this);
  searchrequest->setObjectName("searchrequest");
  searchrequest->setFont(Tahoma(16));
  searchrequest->setGeometry(kSearchLeft, kIntroSearchTop, kDesignWidth - 2 * (kButtonWidth + 4),
                             kSearchHeight);
  Button1 = new QPushButton(ToQString(texts::kSearchButton), this);
  Button1->setObjectName("Button1");
  Button1->setAutoDefault(false);
  BitBtn1 = new QPushButton(ToQString(texts::kChartsButton), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setAutoDefault(false);
  for (QPushButton* button : {Button1, BitBtn1}) button->resize(kButtonWidth, kSearchHeight);
  Button1->move(searchrequest->geometry().right() + 1 + 4, kIntroSearchTop);
  BitBtn1->move(Button1->geometry().right() + 1 + 4, kIntroSearchTop);

  // The credit sits on the page's white: grey 0xCCCCCC on silver could not be read.
  copyright = new QFrame(this);
  copyright->setObjectName("copyright");
  copyright->resize(kCreditWidth, kCreditHeight);
  Label2 = new QLabel(ToQString(texts::kCreditLine), copyright);
  Label2->setObjectName("Label2");
  Label2->setAlignment(Qt::AlignCenter);
  QPalette grey = Label2->palette();
  grey.setColor(QPalette::WindowText, QColor(0xCC, 0xCC, 0xCC));
  Label2->setPalette(grey);
  Label2->setGeometry(0, 0, kCreditWidth, kCreditHeight);
}

void SinglesPage::SwitchToResultsLayout() {
  for (QWidget* intro :
       {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Panel4), static_cast<QWidget*>(Panel2),
        static_cast<QWidget*>(Panel3), static_cast<QWidget*>(copyright)})
    intro->hide();
  for (QWidget* control :
       {static_cast<QWidget*>(searchrequest), static_cast<QWidget*>(Button1), static_cast<QWidget*>(BitBtn1)})
    control->move(control->x(), kResultsSearchTop);
}

void SinglesPage::ShowNothingFound(bool nothing_found) {
  if (!nothing_found) {
    Panel4->hide();
    return;
  }
  Label3->setText(ToQString(texts::kNothingFound));
  Panel4->show();
  Panel4->raise();
}

void SinglesPage::PlaceCredit(int window_width) {
  copyright->move(window_width / 2 - Label2->width() / 2, height() - copyright->height());
}

}  // namespace melvoro::ui
