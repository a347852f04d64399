#include "ui/feedback/feedback_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/config/settings_table.h"
#include "core/http/hosts.h"
#include "feedback/feedback_post.h"
#include "playback/shell_open.h"
#include "qt_seams/qt_text.h"
#include "ui/widgets/help_hint.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/widget_factory.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

constexpr int kTopPanelHeight = 169;
constexpr int kLabelPanelWidth = 105;
constexpr int kButtonPanelHeight = 68;
constexpr int kFieldLeft = 8;
constexpr int kEmailTop = 12;
constexpr int kDescriptionTop = 44;

// The "[?]" beside a field's name; help shows while the pointer is over it.
HelpMark* NewMark(const char* name, std::string_view help, QWidget* owner, QWidget* parent) {
  auto* mark = new HelpMark(parent);
  mark->setObjectName(name);
  const QString text = ToQString(help);
  QObject::connect(mark, &HelpMark::entered, owner, [text, owner] { ShowHelpHint(text, owner); });
  QObject::connect(mark, &HelpMark::left, owner, [] { HideHelpHint(); });
  return mark;
}

}  // namespace

FeedbackWindow::FeedbackWindow(const SettingsTable& settings, const Hosts& hosts,
                               const RequestContext& requests, ProgramLog& log, Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window),
      settings_(settings),
      hosts_(hosts),
      requests_(requests),
      log_(log),
      shell_(shell) {
  setObjectName(QStringLiteral("TformFeedback"));
  FillBackground(*this, Qt::white);
  BuildControls();
  resize(kClientWidth, kClientHeight);
}

void FeedbackWindow::BuildControls() {
  auto* top_panel = NewPanel("Panel1", this);
  top_panel->setFixedHeight(kTopPanelHeight);
  auto* warning = NewLabel(texts::kFeedbackWarning, "Label1", top_panel);
  warning->setWordWrap(true);
  std::string page = SupportPageUrl(hosts_);
  page.erase(0, std::string_view("http://").size());
  auto* support_link = NewLabel(page, "Label2", top_panel);
  support_link->setStyleSheet("color: blue; text-decoration: underline;");
  support_link->setCursor(Qt::PointingHandCursor);
  support_link->installEventFilter(this);
  auto* advice = NewLabel(texts::kFeedbackAdvice, "Label3", top_panel);
  advice->setWordWrap(true);
  auto* top_layout = new QVBoxLayout(top_panel);
  top_layout->setContentsMargins(10, 8, 10, 8);
  top_layout->addWidget(warning);
  top_layout->addWidget(support_link);
  top_layout->addWidget(advice);
  top_layout->addStretch();

  auto* label_panel = NewPanel("Panel2", this);
  label_panel->setFixedWidth(kLabelPanelWidth);
  NewLabel(texts::kFeedbackEmailLabel, nullptr, label_panel)->move(kFieldLeft, kEmailTop + 3);
  NewMark("Label10", texts::kFeedbackEmailHelp, this, label_panel)->move(kFieldLeft + 60, kEmailTop + 3);
  // Two lines: the name is wider than the panel.
  QLabel* description_label = NewLabel(texts::kFeedbackDescriptionLabel, nullptr, label_panel);
  description_label->setWordWrap(true);
  description_label->setFixedWidth(kLabelPanelWidth - 2 * kFieldLeft);
  description_label->adjustSize();
  description_label->move(kFieldLeft, kDescriptionTop + 3);
  HelpMark* description_mark = NewMark("Label5", texts::kFeedbackDescriptionHelp, this, label_panel);
  description_mark->move(kFieldLeft, description_label->geometry().bottom() + 3);
  const QString description_help = ToQString(texts::kFeedbackDescriptionHelp);
  connect(description_mark, &HelpMark::clicked, this,
          [this, description_help] { ShowHelpHint(description_help, this); });

  fields_panel_ = NewPanel("Panel3", this);
  fields_panel_->installEventFilter(this);
  email_field_ = new QLineEdit(fields_panel_);
  email_field_->setObjectName("Edit1");
  email_field_->move(kFieldLeft, kEmailTop);
  description_box_ = new QPlainTextEdit(fields_panel_);
  description_box_->setObjectName("Memo1");
  description_box_->move(kFieldLeft, kDescriptionTop);
  send_log_box_ = new QCheckBox(ToQString(texts::kFeedbackSendLog), fields_panel_);
  send_log_box_->setObjectName("CheckBox1");
  send_log_box_->setChecked(true);
  send_log_box_->setToolTip(ToQString(texts::kFeedbackSendLogHint));
  send_log_box_->adjustSize();

  button_panel_ = NewPanel("Panel4", this);
  button_panel_->setFixedHeight(kButtonPanelHeight);
  button_panel_->installEventFilter(this);
  send_button_ = new QPushButton(ToQString(texts::kFeedbackSend), button_panel_);
  send_button_->setObjectName("Button1");
  send_button_->setAutoDefault(false);
  send_button_->setGeometry(0, 20, 97, 27);
  connect(send_button_, &QPushButton::clicked, this, &FeedbackWindow::OnSendClicked);

  auto* middle = new QHBoxLayout;
  middle->setContentsMargins(0, 0, 0, 0);
  middle->setSpacing(0);
  middle->addWidget(label_panel);
  middle->addWidget(fields_panel_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(top_panel);
  layout->addLayout(middle, 1);
  layout->addWidget(button_panel_);
}

void FeedbackWindow::ArrangeFields() {
  const int width = fields_panel_->width();
  const int height = fields_panel_->height();
  email_field_->resize(width - 30, email_field_->sizeHint().height());
  description_box_->resize(width - 30, height - 73);
  send_log_box_->move(kFieldLeft, height - 30);
  send_button_->move(button_panel_->width() - 113, send_button_->y());
}

bool FeedbackWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && (watched == fields_panel_ || watched == button_panel_))
    ArrangeFields();
  if (event->type() == QEvent::MouseButtonRelease && watched->objectName() == QLatin1String("Label2"))
    OnSupportLinkClicked();
  return QWidget::eventFilter(watched, event);
}

void FeedbackWindow::showEvent(QShowEvent* event) {
  email_field_->setText(ToQString(settings_.Get("email")));
  QWidget::showEvent(event);
  KeepOnScreen(*this);
}

void FeedbackWindow::ShowWithCaption(const QString& caption) {
  setWindowTitle(caption);
  show();
  raise();
  activateWindow();
}

void FeedbackWindow::OnSupportLinkClicked() { ShellOpen(shell_, log_, SupportPageUrl(hosts_)); }

void FeedbackWindow::OnSendClicked() {
  send_button_->setEnabled(false);
  const FeedbackReport report{.Email = FromQString(email_field_->text()),
                              .Description = FromQString(description_box_->toPlainText()),
                              .SendLog = send_log_box_->isChecked()};
  // The answer may come after the window is gone at the end of the run.
  QPointer<FeedbackWindow> self(this);
  SendFeedback(
      requests_, hosts_, FeedbackPostData(report, log_),
      [self] {
        if (!self) return;
        self->send_button_->setEnabled(true);
        self->hide();
      },
      // The error box has been shown; the report may be sent again.
      [self](const std::string&) {
        if (self) self->send_button_->setEnabled(true);
      });
}

}  // namespace melvoro::ui
