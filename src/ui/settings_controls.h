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
  QToolButton* SpeedButton3;  // "Лог"
  HelpMark* Label11;          // proxy help
  QPushButton* Button2;       // connection test
  ThreadsCountField* Edit5;   // with UpDown1
  HelpMark* Label13;          // downloads help
  QLineEdit* Edit6;           // folder
  QPushButton* Button3;       // "..."
  HelpMark* Label6;           // offers to create a missing folder
  QLineEdit* Edit7;           // e-mail
  HelpMark* Label14;          // e-mail help
  QPushButton* Button1;       // updater
  QPushButton* Button4;       // "ОК"
  QPushButton* SpeedButton2;  // hidden feedback opener
  QPushButton* BitBtn1;       // hidden support opener
};

// Builds every control into window, named after it (objectName).
SettingsControls LayOutSettingsControls(QWidget& window);

}  // namespace melvoro::ui
