#include "ui/log/log_window.h"

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/log/program_log.h"
#include "qt_seams/qt_text.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/window_frame.h"
#include "ui/widgets/window_placement.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

enum Column { kTimeColumn, kDescriptionColumn, kDetailsColumn };
constexpr int kDetailsRole = Qt::UserRole;
// A whole page can be an entry's details; the column shows its start on one line.
constexpr qsizetype kDetailsColumnChars = 300;

QIcon IconFor(int icon) {
  QStyle* style = QApplication::style();
  switch (icon) {
    case kLogInfo:
      return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case kLogError:
      return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case kLogNothingFound:
      return style->standardIcon(QStyle::SP_MessageBoxWarning);
    default:
      return {};
  }
}

QString OneLine(QString text) {
  text.truncate(kDetailsColumnChars);
  text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return text;
}

}  // namespace

LogWindow::LogWindow(ProgramLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window),
      log_(log),
      list_(new QTreeWidget),
      splitter_(new QSplitter(Qt::Vertical)),
      details_(new QPlainTextEdit) {
  setObjectName(QStringLiteral("TformLog"));
  // Closing the main window ends the program even while this one is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(ToQString(texts::kLogCaption));
  // 652 x 391 is the outer size; the frame is the window manager's (as for the main window).
  resize(652 - kWindowFrameWidth, 391 - kWindowFrameHeight);

  list_->setObjectName(QStringLiteral("ListView1"));
  list_->setColumnCount(3);
  list_->setHeaderLabels({ToQString(texts::kLogColumnTime), ToQString(texts::kLogColumnDescription),
                          ToQString(texts::kLogColumnDetails)});
  list_->header()->setSectionsClickable(false);
  list_->header()->setStretchLastSection(false);
  // The time and its icon must fit, whatever the font.
  const int time_width = list_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) +
                         list_->style()->pixelMetric(QStyle::PM_SmallIconSize) + 24;
  // The details header must be read whole; the description gives up what the list's width
  // then lacks, so the three fit side by side.
  const QFontMetrics header_font = list_->header()->fontMetrics();
  const int header_padding = 2 * list_->style()->pixelMetric(QStyle::PM_HeaderMargin) + 16;
  const int details_width =
      std::max(160, header_font.horizontalAdvance(ToQString(texts::kLogColumnDetails)) + header_padding);
  const int room = width() - 2 * list_->frameWidth() - list_->verticalScrollBar()->sizeHint().width();
  list_->setColumnWidth(kTimeColumn, std::max(80, time_width));
  list_->setColumnWidth(kDescriptionColumn,
                        std::clamp(room - list_->columnWidth(kTimeColumn) - details_width, 200, 400));
  list_->setColumnWidth(kDetailsColumn, details_width);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMinimumHeight(100);

  details_->setObjectName(QStringLiteral("Memo1"));
  details_->setReadOnly(true);
  // Advice texts are long single lines: they wrap to the box rather than run out of it.
  details_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  details_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  details_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  splitter_->addWidget(list_);
  splitter_->addWidget(details_);
  splitter_->setHandleWidth(5);
  splitter_->setOpaqueResize(false);
  splitter_->setChildrenCollapsible(false);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({153, 391 - 153 - 5});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter_);

  QList<QTreeWidgetItem*> rows;
  for (std::size_t i = 0; i < log_.Count(); ++i) rows.append(NewRow(log_.At(i)));
  list_->addTopLevelItems(rows);

  connect(list_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
            // A deselection shows the row that lost the selection, as selecting shows the new one.
            ShowDetails(current ? current : previous);
          });
  added_ = Subscription(log_.OnAdded, [this] { EntryAdded(); });
}

LogWindow::~LogWindow() = default;

void LogWindow::showEvent(QShowEvent* event) {
  // The saved place is read on the first show, not while the window is being built.
  if (!placed_) {
    placed_ = true;
    LoadPlacement(*this, QStringLiteral("log"));
  }
  // Without a saved place the window manager may put it under the pointer, partly below the
  // screen: it gets a place of its own, centred.
  if (!testAttribute(Qt::WA_Moved)) {
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
      const QRect area = screen->availableGeometry();
      const QSize outer(width() + kWindowFrameWidth, height() + kWindowFrameHeight);
      move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
  }
  QWidget::showEvent(event);
  // Wherever the system or a saved placement puts it, the whole window stays on its screen: a
  // window opened partly below the screen hides its details box.
  KeepOnScreen(*this);
}

QTreeWidgetItem* LogWindow::NewRow(const LogEntry& entry) const {
  auto* row = new QTreeWidgetItem;
  const QString details = ToQString(entry.Details);
  row->setText(kTimeColumn, ToQString(entry.Time));
  row->setIcon(kTimeColumn, IconFor(entry.Icon));
  row->setText(kDescriptionColumn, ToQString(entry.Description));
  row->setText(kDetailsColumn, OneLine(details));
  row->setData(kDetailsColumn, kDetailsRole, details);
  return row;
}

void LogWindow::EntryAdded() { list_->insertTopLevelItem(0, NewRow(log_.At(0))); }

void LogWindow::ShowDetails(QTreeWidgetItem* item) {
  QString details = item ? item->data(kDetailsColumn, kDetailsRole).toString() : QString();
  details.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  details_->setPlainText(details);
}

}  // namespace melvoro::ui
