// The controls of the settings window, laid out top to bottom; the window wires them up.
#pragma once

class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace melvoro::ui {

class HelpMark;
class ThreadsCountField;

struct SettingsControls {
  QToolButton* log_button;
  HelpMark* proxy_help;
  QPushButton* connection_test_button;
  ThreadsCountField* threads_field;
  HelpMark* threads_help;
  QLineEdit* folder_field;
  QPushButton* browse_button;
  HelpMark* create_folder_mark;  // offers to create a missing folder
  QLineEdit* email_field;
  HelpMark* email_help;
  QPushButton* update_button;
  QPushButton* ok_button;
  QPushButton* report_problem_button;  // hidden feedback opener
  QPushButton* support_button;         // hidden feedback opener
};

// Builds every control into window; each keeps its original name as its object name.
SettingsControls LayOutSettingsControls(QWidget& window);

}  // namespace melvoro::ui
