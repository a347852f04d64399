#include "ui/charts/charts_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "charts/chart_list.h"
#include "qt_seams/qt_text.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/widget_factory.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

constexpr int kMemoHeight = 60;
constexpr int kPanelHeight = 94;
constexpr int kRowHeight = 23;
constexpr int kMargin = 8;

QComboBox* NewStationBox(RadioSite site, std::string_view prompt, const char* name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& station : Stations(site)) box->addItem(ToQString(station));
  box->setCurrentIndex(-1);
  box->lineEdit()->setPlaceholderText(ToQString(prompt));
  return box;
}

}  // namespace

ChartsWindow::ChartsWindow(ChartList& charts, QWidget* parent)
    : QWidget(parent, Qt::Window), charts_(charts) {
  setObjectName("Form5");
  setWindowTitle(ToQString(texts::kChartsCaption));
  BuildControls();
  Connect();
  FollowCharts();
  resize(kClientWidth, kClientHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().topLeft());
}

void ChartsWindow::BuildControls() {
  menu_bar_ = new QMenuBar(this);
  menu_bar_->setObjectName("MainMenu1");
  menu_bar_->addAction(ToQString(texts::kChartsMenuLastFm));
  menu_bar_->addAction(ToQString(texts::kChartsMenuRadio));

  entry_list_ = new QListWidget(this);
  entry_list_->setObjectName("ListBox1");
  memo_box_ = new QPlainTextEdit(this);
  memo_box_->setObjectName("Memo1");
  memo_box_->setFixedHeight(kMemoHeight);
  bottom_panel_ = new QWidget(this);
  bottom_panel_->setObjectName("Panel1");
  bottom_panel_->setFixedHeight(kPanelHeight);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menu_bar_);
  layout->addWidget(entry_list_, 1);
  layout->addWidget(memo_box_);
  layout->addWidget(bottom_panel_);

  QWidget* p = bottom_panel_;
  artist_box_ = new QLineEdit(p);
  artist_box_->setObjectName("Edit1");
  artist_top_button_ = NewButton(texts::kChartsArtistTop, "Button2", p);
  memo_copy_button_ = NewButton(texts::kChartsMemoCopy, "Button6", p);
  spb_top_button_ = NewButton(texts::kChartsSpbTop, "Button3", p);
  msk_top_button_ = NewButton(texts::kChartsMskTop, "Button5", p);
  spb_station_box_ = NewStationBox(RadioSite::Spb, texts::kChartsSpbPrompt, "ComboBox1", p);
  msk_station_box_ = NewStationBox(RadioSite::Msk, texts::kChartsMskPrompt, "ComboBox2", p);
  cancel_button_ = NewButton(texts::kChartsCancel, "Button4", p);
  ok_button_ = NewButton(texts::kChartsOk, "Button1", p);

  // Three rows across the client width: the artist, the two sites, the stations and the answer.
  const int half = (kClientWidth - 3 * kMargin) / 2;
  const int right = kMargin * 2 + half;
  const int third = (kClientWidth - 4 * kMargin) / 3;
  artist_box_->setGeometry(kMargin, 6, third, kRowHeight);
  artist_top_button_->setGeometry(kMargin * 2 + third, 6, third, kRowHeight);
  memo_copy_button_->setGeometry(kMargin * 3 + third * 2, 6, third, kRowHeight);
  spb_top_button_->setGeometry(kMargin, 36, half, kRowHeight);
  msk_top_button_->setGeometry(right, 36, half, kRowHeight);
  const int box_width = 140, button_width = (kClientWidth - 5 * kMargin - 2 * box_width) / 2;
  spb_station_box_->setGeometry(kMargin, 66, box_width, kRowHeight);
  msk_station_box_->setGeometry(kMargin * 2 + box_width, 66, box_width, kRowHeight);
  cancel_button_->setGeometry(kMargin * 3 + box_width * 2, 66, button_width, kRowHeight);
  ok_button_->setGeometry(kMargin * 4 + box_width * 2 + button_width, 66, button_width, kRowHeight);
}

void ChartsWindow::Connect() {
  connect(spb_top_button_, &QPushButton::clicked, this, [this] { charts_.LoadSiteChart(RadioSite::Spb); });
  connect(msk_top_button_, &QPushButton::clicked, this, [this] { charts_.LoadSiteChart(RadioSite::Msk); });
  connect(spb_station_box_, &QComboBox::activated, this, [this](int index) {
    charts_.LoadStationChart(RadioSite::Spb, FromQString(spb_station_box_->itemText(index)));
    entry_list_->setFocus();
  });
  // Every change of the text loads; only a choice from the list moves the focus, so typing
  // goes on in the box.
  connect(msk_station_box_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { charts_.LoadStationChart(RadioSite::Msk, FromQString(text)); });
  connect(msk_station_box_, &QComboBox::activated, this, [this] { entry_list_->setFocus(); });
  connect(artist_top_button_, &QPushButton::clicked, this,
          [this] { charts_.LoadTopTracks(FromQString(artist_box_->text())); });
  connect(artist_box_, &QLineEdit::returnPressed, artist_top_button_, &QPushButton::click);
  connect(memo_copy_button_, &QPushButton::clicked, this,
          [this] { charts_.CopyMemo(FromQString(memo_box_->toPlainText())); });
  connect(ok_button_, &QPushButton::clicked, this, [this] { charts_.HandOver(); });
  connect(entry_list_, &QListWidget::itemChanged, this,
          [this](QListWidgetItem* item) { OnEntryToggled(entry_list_->row(item)); });
  connect(entry_list_, &QListWidget::itemDoubleClicked, this, [this] { OnEntryDoubleClicked(); });
}

void ChartsWindow::FollowCharts() {
  subscriptions_.emplace_back(charts_.OnReset, [this] { entry_list_->clear(); });
  subscriptions_.emplace_back(charts_.OnAppended,
                              [this](int first, int count) { AppendEntries(first, count); });
  subscriptions_.emplace_back(charts_.OnEntryChanged, [this](int index) { ShowEntry(index); });
  AppendEntries(0, static_cast<int>(charts_.Entries().size()));
}

void ChartsWindow::AppendEntries(int first, int count) {
  showing_ = true;
  for (int i = first; i < first + count; ++i) {
    entry_list_->addItem(ToQString(charts_.Entries()[static_cast<std::size_t>(i)].Text));
  }
  showing_ = false;
  for (int i = first; i < first + count; ++i) ShowEntry(i);
}

void ChartsWindow::ShowEntry(int index) {
  QListWidgetItem* item = entry_list_->item(index);
  if (item == nullptr) return;
  const ChartEntry& entry = charts_.Entries()[static_cast<std::size_t>(index)];
  showing_ = true;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
  if (entry.Enabled) flags |= Qt::ItemIsEnabled;
  item->setFlags(flags);
  item->setCheckState(entry.Checked ? Qt::Checked : Qt::Unchecked);
  showing_ = false;
}

void ChartsWindow::OnEntryToggled(int index) {
  if (showing_ || index < 0) return;
  charts_.SetChecked(index, entry_list_->item(index)->checkState() == Qt::Checked);
  ShowEntry(index);  // a disabled entry refuses the check
}

void ChartsWindow::OnEntryDoubleClicked() {
  const QList<QListWidgetItem*> selected = entry_list_->selectedItems();
  if (selected.isEmpty()) return;
  int first = entry_list_->count();
  for (QListWidgetItem* item : selected) first = std::min(first, entry_list_->row(item));
  charts_.CheckAndHandOver(first);
}

void ChartsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  KeepOnScreen(*this);
}

void ChartsWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) artist_box_->setFocus();
}

}  // namespace melvoro::ui
