#include "ui/settings/settings_controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "qt_seams/qt_text.h"
#include "ui/settings/threads_count_field.h"
#include "ui/widgets/help_hint.h"
#include "ui/widgets/widget_factory.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

HelpMark* Mark(const char* name) {
  auto* mark = Named(new HelpMark, name);
  QSizePolicy keep = mark->sizePolicy();
  keep.setRetainSizeWhenHidden(true);  // the row must not jump when the mark comes and goes
  mark->setSizePolicy(keep);
  return mark;
}

// The proxy group: always automatic, so everything in it stays disabled.
QGroupBox* ProxyGroup(HelpMark*& help) {
  auto* group = Named(new QGroupBox(ToQString(texts::kProxyGroup)), "GroupBox1");
  auto* automatic = Named(new QCheckBox(ToQString(texts::kProxyAutomatic)), "CheckBox3");
  automatic->setChecked(true);
  automatic->setEnabled(false);
  automatic->setToolTip(ToQString(texts::kProxyAutomaticHint));
  help = Mark("Label11");

  auto* panel = Named(new QWidget, "Panel1");
  panel->setEnabled(false);
  auto* host = Named(new QLineEdit, "Edit1");
  auto* port = Named(new QLineEdit, "Edit2");
  port->setMaxLength(5);
  port->setFixedWidth(50);
  auto* password = Named(new QLineEdit, "Edit4");
  password->setEchoMode(QLineEdit::Password);
  auto* panel_layout = new QGridLayout(panel);
  panel_layout->setContentsMargins(0, 0, 0, 0);
  panel_layout->addWidget(Named(new QCheckBox(ToQString(texts::kUseProxy)), "CheckBox1"), 0, 0, 1, 4);
  panel_layout->addWidget(host, 1, 0, 1, 2);
  panel_layout->addWidget(new QLabel(QStringLiteral(":")), 1, 2);
  panel_layout->addWidget(port, 1, 3);
  panel_layout->addWidget(Named(new QCheckBox(ToQString(texts::kUseProxyLogin)), "CheckBox2"), 2, 0, 1, 4);
  panel_layout->addWidget(NewLabel(texts::kProxyLogin, "LabelProxyLogin"), 3, 0);
  panel_layout->addWidget(Named(new QLineEdit, "Edit3"), 3, 1, 1, 3);
  panel_layout->addWidget(NewLabel(texts::kProxyPassword, "LabelProxyPassword"), 4, 0);
  panel_layout->addWidget(password, 4, 1, 1, 3);

  auto* layout = new QVBoxLayout(group);
  auto* automatic_row = new QHBoxLayout;
  automatic_row->addWidget(automatic);
  automatic_row->addStretch();
  automatic_row->addWidget(help);
  layout->addLayout(automatic_row);
  layout->addWidget(panel);
  return group;
}

}  // namespace

SettingsControls LayOutSettingsControls(QWidget& window) {
  SettingsControls c{};
  c.log_button = Named(new QToolButton, "SpeedButton3");
  c.log_button->setText(ToQString(texts::kSettingsLogButton));
  c.log_button->setAutoRaise(true);
  c.report_problem_button = NewButton(texts::kReportProblemButton, "SpeedButton2");
  c.support_button = NewButton(texts::kSupportButton, "BitBtn1");
  c.report_problem_button->hide();
  c.support_button->hide();

  QGroupBox* proxy = ProxyGroup(c.proxy_help);
  c.connection_test_button = NewButton(texts::kCheckConnection, "Button2");
  c.connection_test_button->setToolTip(ToQString(texts::kCheckConnectionHint));

  QLabel* threads_label = NewLabel(texts::kThreadsLabel, "Label4");
  threads_label->setToolTip(ToQString(texts::kThreadsHint));
  c.threads_field = new ThreadsCountField;
  c.threads_field->Edit()->setToolTip(ToQString(texts::kThreadsHint));
  c.threads_help = Mark("Label13");

  c.folder_field = Named(new QLineEdit, "Edit6");
  c.folder_field->setToolTip(ToQString(texts::kFolderFieldHint));
  c.browse_button = Named(new QPushButton(QStringLiteral("...")), "Button3");
  c.browse_button->setFixedWidth(30);
  c.create_folder_mark = Mark("Label6");

  auto* image = Named(new QLabel, "Image1");
  image->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16));
  image->setToolTip(ToQString(texts::kAccountHint));
  QLabel* email_label = NewLabel(texts::kEmailLabel, "Label8");
  email_label->setToolTip(ToQString(texts::kEmailHint));
  c.email_field = Named(new QLineEdit, "Edit7");
  c.email_field->setToolTip(ToQString(texts::kEmailFieldHint));
  c.email_help = Mark("Label14");

  c.update_button = NewButton(texts::kCheckUpdates, "Button1");
  c.ok_button = NewButton(texts::kOk, "Button4");
  c.ok_button->setDefault(true);

  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(10, 6, 10, 10);
  layout->setSpacing(8);
  auto* top_row = new QHBoxLayout;
  top_row->addWidget(c.log_button);
  top_row->addStretch();
  top_row->addWidget(c.report_problem_button);
  top_row->addWidget(c.support_button);
  layout->addLayout(top_row);
  layout->addWidget(proxy);
  layout->addWidget(c.connection_test_button);
  layout->addSpacing(8);

  auto* threads_row = new QHBoxLayout;
  threads_row->addWidget(threads_label);
  threads_row->addWidget(c.threads_field);
  threads_row->addStretch();
  threads_row->addWidget(c.threads_help);
  layout->addLayout(threads_row);
  layout->addSpacing(8);

  layout->addWidget(NewLabel(texts::kFolderLabel, "LabelFolder"));
  auto* folder_row = new QHBoxLayout;
  folder_row->addWidget(c.folder_field);
  folder_row->addWidget(c.browse_button);
  folder_row->addWidget(c.create_folder_mark);
  layout->addLayout(folder_row);
  layout->addSpacing(8);

  auto* email_title = new QHBoxLayout;
  email_title->addWidget(email_label);
  email_title->addStretch();
  email_title->addWidget(image);
  layout->addLayout(email_title);
  auto* email_row = new QHBoxLayout;
  email_row->addWidget(c.email_field);
  email_row->addWidget(c.email_help);
  layout->addLayout(email_row);
  layout->addSpacing(8);

  layout->addWidget(c.update_button);
  layout->addStretch();
  auto* bottom_row = new QHBoxLayout;
  bottom_row->addStretch();
  bottom_row->addWidget(c.ok_button);
  layout->addLayout(bottom_row);
  return c;
}

}  // namespace melvoro::ui
