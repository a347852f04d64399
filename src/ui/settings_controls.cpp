#include "ui/settings_controls.h"

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

#include "core/texts.h"
#include "ui/help_hint.h"
#include "ui/qt_text.h"
#include "ui/threads_count_field.h"

namespace melvoro::ui {

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

template <typename Text>
QLabel* Label(const Text& text, const char* name) {
  return Named(new QLabel(ToQString(text)), name);
}

HelpMark* Mark(const char* name) {
  auto* mark = Named(new HelpMark, name);
  QSizePolicy keep = mark->sizePolicy();
  keep.setRetainSizeWhenHidden(true);  // the row must not jump when the mark comes and goes
  mark->setSizePolicy(keep);
  return mark;
}

// The proxy group: always automatic, so everything in it stays disabled.
QGroupBox* ProxyGroup(HelpMark*& label11) {
  auto* group = Named(new QGroupBox(ToQString(texts::kProxyGroup)), "GroupBox1");
  auto* automatic = Named(new QCheckBox(ToQString(texts::kProxyAutomatic)), "CheckBox3");
  automatic->setChecked(true);
  automatic->setEnabled(false);
  automatic->setToolTip(ToQString(texts::kProxyAutomaticHint));
  label11 = Mark("Label11");

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
  panel_layout->addWidget(Label(texts::kProxyLogin, "LabelProxyLogin"), 3, 0);
  panel_layout->addWidget(Named(new QLineEdit, "Edit3"), 3, 1, 1, 3);
  panel_layout->addWidget(Label(texts::kProxyPassword, "LabelProxyPassword"), 4, 0);
  panel_layout->addWidget(password, 4, 1, 1, 3);

  auto* layout = new QVBoxLayout(group);
  auto* automatic_row = new QHBoxLayout;
  automatic_row->addWidget(automatic);
  automatic_row->addStretch();
  automatic_row->addWidget(label11);
  layout->addLayout(automatic_row);
  layout->addWidget(panel);
  return group;
}

QPushButton* Button(const auto& text, const char* name) {
  return Named(new QPushButton(ToQString(text)), name);
}

}  // namespace

SettingsControls LayOutSettingsControls(QWidget& window) {
  SettingsControls c{};
  c.SpeedButton3 = Named(new QToolButton, "SpeedButton3");
  c.SpeedButton3->setText(ToQString(texts::kSettingsLogButton));
  c.SpeedButton3->setAutoRaise(true);
  c.SpeedButton2 = Button(texts::kReportProblemButton, "SpeedButton2");
  c.BitBtn1 = Button(texts::kSupportButton, "BitBtn1");
  c.SpeedButton2->hide();
  c.BitBtn1->hide();

  QGroupBox* proxy = ProxyGroup(c.Label11);
  c.Button2 = Button(texts::kCheckConnection, "Button2");
  c.Button2->setToolTip(ToQString(texts::kCheckConnectionHint));

  QLabel* threads_label = Label(texts::kThreadsLabel, "Label4");
  threads_label->setToolTip(ToQString(texts::kThreadsHint));
  c.Edit5 = new ThreadsCountField;
  c.Edit5->Edit()->setToolTip(ToQString(texts::kThreadsHint));
  c.Label13 = Mark("Label13");

  c.Edit6 = Named(new QLineEdit, "Edit6");
  c.Edit6->setToolTip(ToQString(texts::kFolderFieldHint));
  c.Button3 = Named(new QPushButton(QStringLiteral("...")), "Button3");
  c.Button3->setFixedWidth(30);
  c.Label6 = Mark("Label6");

  auto* image = Named(new QLabel, "Image1");
  image->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16));
  image->setToolTip(ToQString(texts::kAccountHint));
  QLabel* email_label = Label(texts::kEmailLabel, "Label8");
  email_label->setToolTip(ToQString(texts::kEmailHint));
  c.Edit7 = Named(new QLineEdit, "Edit7");
  c.Edit7->setToolTip(ToQString(texts::kEmailFieldHint));
  c.Label14 = Mark("Label14");

  c.Button1 = Button(texts::kCheckUpdates, "Button1");
  c.Button4 = Button(texts::kOk, "Button4");
  c.Button4->setDefault(true);

  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(10, 6, 10, 10);
  layout->setSpacing(8);
  auto* top_row = new QHBoxLayout;
  top_row->addWidget(c.SpeedButton3);
  top_row->addStretch();
  top_row->addWidget(c.SpeedButton2);
  top_row->addWidget(c.BitBtn1);
  layout->addLayout(top_row);
  layout->addWidget(proxy);
  layout->addWidget(c.Button2);
  layout->addSpacing(8);

  auto* threads_row = new QHBoxLayout;
  threads_row->addWidget(threads_label);
  threads_row->addWidget(c.Edit5);
  threads_row->addStretch();
  threads_row->addWidget(c.Label13);
  layout->addLayout(threads_row);
  layout->addSpacing(8);

  layout->addWidget(Label(texts::kFolderLabel, "LabelFolder"));
  auto* folder_row = new QHBoxLayout;
  folder_row->addWidget(c.Edit6);
  folder_row->addWidget(c.Button3);
  folder_row->addWidget(c.Label6);
  layout->addLayout(folder_row);
  layout->addSpacing(8);

  auto* email_title = new QHBoxLayout;
  email_title->addWidget(email_label);
  email_title->addStretch();
  email_title->addWidget(image);
  layout->addLayout(email_title);
  auto* email_row = new QHBoxLayout;
  email_row->addWidget(c.Edit7);
  email_row->addWidget(c.Label14);
  layout->addLayout(email_row);
  layout->addSpacing(8);

  layout->addWidget(c.Button1);
  layout->addStretch();
  auto* bottom_row = new QHBoxLayout;
  bottom_row->addStretch();
  bottom_row->addWidget(c.Button4);
  layout->addLayout(bottom_row);
  return c;
}

}  // namespace melvoro::ui
