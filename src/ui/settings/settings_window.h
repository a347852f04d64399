// SettingsWindow, "Настройки": download folder, number of simultaneous downloads, e-mail,
// connection test, log and updater. Created hidden at start, after the main window and the
// log window; the main window shows it (not modally) on "Настройки".
#pragma once

#include <QWidget>
#include <filesystem>
#include <string>

#include "core/http/http_request.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace melvoro {
class ProgramLog;
class SettingsTable;
struct Hosts;
}  // namespace melvoro

namespace melvoro::ui {

class HelpMark;
class ThreadsCountField;

class SettingsWindow final : public QWidget {
  Q_OBJECT

 public:
  // settings: the table the fields load from and "ОК" stores into; app_folder: where
  // config.ini and the updater lie; hosts: the support host of the connection test;
  // requests: its request worker's context (its message boxes also show this window's
  // errors); log: where the test is recorded; main_window: its placement "main" is applied
  // when this window shows and saved when it hides (may be null); log_window: what "Лог"
  // shows (may be null). All must outlive the window.
  SettingsWindow(SettingsTable& settings, std::filesystem::path app_folder, const Hosts& hosts,
                 const RequestContext& requests, ProgramLog& log, QWidget* main_window = nullptr,
                 QWidget* log_window = nullptr);

  // The last folder the folder field held while it existed, with a final "/" (Windows-1251);
  // empty until one existed. The album download writes under it.
  const std::string& DownloadFolder() const { return download_folder_; }

 Q_SIGNALS:
  // The hidden feedback openers: the caption the feedback window is to show.
  void feedbackRequested(const QString& caption);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void LoadFields();
  void OnFolderChanged();
  void OnCreateFolderMarkEntered();
  void OnUpdateClicked();
  void OnConnectionTestClicked();
  void OnBrowseClicked();
  void OnOkClicked();
  void OnLogClicked();

  SettingsTable& settings_;
  bool placed_ = false;            // the saved placement has been applied
  bool asking_ = false;            // the create-folder question is open
  bool create_mark_armed_ = true;  // the pointer has left the mark since the last question
  const std::filesystem::path app_folder_;
  const Hosts& hosts_;
  RequestContext requests_;
  ProgramLog& log_;
  QWidget* body_ = nullptr;  // the controls, scrolled when the screen is smaller
  QWidget* main_window_;
  QWidget* log_window_;
  std::string download_folder_;

  QToolButton* log_button_ = nullptr;
  QPushButton* connection_test_button_ = nullptr;
  ThreadsCountField* threads_field_ = nullptr;
  QLineEdit* folder_field_ = nullptr;
  QPushButton* browse_button_ = nullptr;
  HelpMark* create_folder_mark_ = nullptr;
  QLineEdit* email_field_ = nullptr;
  QPushButton* update_button_ = nullptr;
  QPushButton* ok_button_ = nullptr;
};

}  // namespace melvoro::ui
