#include "ui/settings/settings_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include "core/config/settings_table.h"
#include "core/log/program_log.h"
#include "core/os/message_box.h"
#include "core/os/os_path.h"
#include "core/os/user_folders.h"
#include "qt_seams/qt_text.h"
#include "settings/settings_form_logic.h"
#include "ui/settings/settings_controls.h"
#include "ui/settings/threads_count_field.h"
#include "ui/widgets/help_hint.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/widget_factory.h"
#include "ui/widgets/window_placement.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

constexpr QSize kDesignedSize(298, 631);

// The light red of a folder field whose folder does not exist.
const QColor kMissingFolderColour(0xFC, 0xA2, 0xA2);

QString OsText(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

void ShowError(MessageBoxes& boxes, const std::string& text) {
  boxes.Show(std::string(texts::kConfigErrorCaption), text, MessageIcon::Error);
}

}  // namespace

SettingsWindow::SettingsWindow(SettingsTable& settings, std::filesystem::path app_folder, const Hosts& hosts,
                               const RequestContext& requests, ProgramLog& log, QWidget* main_window,
                               QWidget* log_window)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      settings_(settings),
      app_folder_(std::move(app_folder)),
      hosts_(hosts),
      requests_(requests),
      log_(log),
      main_window_(main_window),
      log_window_(log_window) {
  setObjectName(QStringLiteral("TformSettings"));
  // Closing the main window ends the program even while this one is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(ToQString(texts::kSettingsCaption));
  setFixedSize(kDesignedSize);
  FillBackground(*this, Qt::white);
  // On a screen lower than the window the controls scroll, so «ОК» stays within reach.
  body_ = new QWidget;
  body_->setFixedSize(kDesignedSize);
  FillBackground(*body_, Qt::white);
  ScrollWhenCramped(*this, body_);

  BuildControls();
  LoadFields();
}

void SettingsWindow::BuildControls() {
  SettingsControls controls = LayOutSettingsControls(*body_);
  log_button_ = controls.log_button;
  connection_test_button_ = controls.connection_test_button;
  threads_field_ = controls.threads_field;
  folder_field_ = controls.folder_field;
  browse_button_ = controls.browse_button;
  create_folder_mark_ = controls.create_folder_mark;
  email_field_ = controls.email_field;
  update_button_ = controls.update_button;
  ok_button_ = controls.ok_button;

  const auto hint_on_hover = [this](HelpMark* mark, const auto& text) {
    connect(mark, &HelpMark::entered, this, [this, text] { ShowHelpHint(ToQString(text), this); });
    connect(mark, &HelpMark::left, this, [] { HideHelpHint(); });
  };
  hint_on_hover(controls.proxy_help, texts::kHelpProxy);
  hint_on_hover(controls.threads_help, texts::kHelpThreads);
  hint_on_hover(controls.email_help, texts::kEmailHint);
  connect(controls.email_help, &HelpMark::clicked, this,
          [this] { ShowHelpHint(ToQString(texts::kEmailHint), this); });
  connect(create_folder_mark_, &HelpMark::entered, this, &SettingsWindow::OnCreateFolderMarkEntered);
  connect(create_folder_mark_, &HelpMark::left, this, [this] {
    HideHelpHint();
    if (!asking_) create_mark_armed_ = true;
  });

  connect(log_button_, &QToolButton::clicked, this, &SettingsWindow::OnLogClicked);
  connect(update_button_, &QPushButton::clicked, this, &SettingsWindow::OnUpdateClicked);
  connect(connection_test_button_, &QPushButton::clicked, this, &SettingsWindow::OnConnectionTestClicked);
  connect(browse_button_, &QPushButton::clicked, this, &SettingsWindow::OnBrowseClicked);
  connect(ok_button_, &QPushButton::clicked, this, &SettingsWindow::OnOkClicked);
  connect(folder_field_, &QLineEdit::textChanged, this, &SettingsWindow::OnFolderChanged);
  connect(controls.report_problem_button, &QPushButton::clicked, this,
          [this] { Q_EMIT feedbackRequested(ToQString(texts::kReportProblemCaption)); });
  connect(controls.support_button, &QPushButton::clicked, this,
          [this] { Q_EMIT feedbackRequested(ToQString(texts::kSupportCaption)); });
}

void SettingsWindow::LoadFields() {
  const SettingsFields fields = FieldsFromTable(settings_);
  folder_field_->setText(ToQString(fields.UploadDir));
  OnFolderChanged();  // the folder may have come or gone since the text was last set
  email_field_->setText(ToQString(fields.Email));
  threads_field_->setText(ToQString(fields.ThreadsCount));
}

// Spontaneous show and hide events come from minimizing and restoring, which neither reload
// the fields nor save the main window's placement.
void SettingsWindow::showEvent(QShowEvent* event) {
  // The saved place is read on the first show, not while the window is being built.
  if (!placed_) {
    placed_ = true;
    LoadPlacement(*this, QStringLiteral("settings"));
  }
  QWidget::showEvent(event);
  KeepOnScreen(*this, kDesignedSize);
  if (event->spontaneous()) return;
  if (main_window_) {
    LoadPlacement(*main_window_, QStringLiteral("main"));
    KeepOnScreen(*main_window_);
  }
  LoadFields();
}

void SettingsWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  HideHelpHint();
  if (main_window_) SavePlacement(*main_window_, QStringLiteral("main"));
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
  if (main_window_ && main_window_->isVisible()) main_window_->setEnabled(true);
  event->accept();
}

void SettingsWindow::OnFolderChanged() {
  const FolderCheck check = CheckDownloadFolder(FromQString(folder_field_->text()));
  QPalette colours = folder_field_->palette();
  if (check.Exists) {
    colours.setColor(QPalette::Base, palette().color(QPalette::Base));
    download_folder_ = check.DownloadFolder;
    folder_field_->setToolTip(ToQString(texts::kFolderExistsHint));
  } else {
    colours.setColor(QPalette::Base, kMissingFolderColour);
    folder_field_->setToolTip(ToQString(texts::kFolderMissingHint));
  }
  folder_field_->setPalette(colours);
  create_folder_mark_->setVisible(!check.Exists);
}

void SettingsWindow::OnCreateFolderMarkEntered() {
  // Closing the question with the pointer still on the mark enters it again: ask once per visit.
  if (asking_ || !create_mark_armed_) return;
  create_mark_armed_ = false;
  const std::string folder = FromQString(folder_field_->text());
  asking_ = true;
  const auto answer = QMessageBox::question(this, ToQString(texts::kCreateFolderCaption),
                                            ToQString(CreateFolderQuestion(folder)),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  asking_ = false;
  if (answer != QMessageBox::Yes) return;
  if (const auto error = CreateDownloadFolder(folder)) ShowError(requests_.boxes, *error);
  OnFolderChanged();
}

void SettingsWindow::OnUpdateClicked() {
  const std::filesystem::path updater = UpdaterPath(app_folder_);
  if (!IsRunnableFile(updater)) {
    ShowError(requests_.boxes, std::string(texts::kUpdaterMissing) + FromOsPath(updater));
  } else if (!QProcess::startDetached(OsText(updater), {}, OsText(app_folder_))) {
    ShowError(requests_.boxes, std::string(texts::kUpdaterNotStarted) + FromOsPath(updater));
  }
}

void SettingsWindow::OnConnectionTestClicked() { StartConnectionTest(requests_, hosts_, log_); }

void SettingsWindow::OnBrowseClicked() {
  const FolderCheck current = CheckDownloadFolder(FromQString(folder_field_->text()));
  const QString start = current.Exists ? folder_field_->text() : OsText(DesktopFolder());
  const QString chosen = QFileDialog::getExistingDirectory(this, ToQString(texts::kChooseFolderTitle), start);
  if (!chosen.isEmpty()) folder_field_->setText(chosen);
}

void SettingsWindow::OnOkClicked() {
  StoreFields(settings_, SettingsFields{.UploadDir = FromQString(folder_field_->text()),
                                        .Email = FromQString(email_field_->text()),
                                        .ThreadsCount = FromQString(threads_field_->text())});
  try {
    SaveSettings(settings_, IniFile(ConfigFilePath(app_folder_)));
  } catch (const std::exception&) {
    ShowError(requests_.boxes, std::string(texts::kSaveConfigError));
  }
  close();
}

void SettingsWindow::OnLogClicked() {
  if (!log_window_) return;
  log_window_->show();
  log_window_->raise();
  log_window_->activateWindow();
}

}  // namespace melvoro::ui
