#include "ui/form_settings.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include "core/message_box.h"
#include "core/os_path.h"
#include "core/program_log.h"
#include "core/settings_table.h"
#include "core/texts.h"
#include "core/user_folders.h"
#include "settings/settings_form_logic.h"
#include "ui/help_hint.h"
#include "ui/qt_text.h"
#include "ui/settings_controls.h"
#include "ui/threads_count_field.h"
#include "ui/window_placement.h"

namespace melvoro::ui {

namespace {

// The light red of a folder field whose folder does not exist.
const QColor kMissingFolderColour(0xFC, 0xA2, 0xA2);

QString OsText(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

void ShowError(MessageBoxes& boxes, const std::string& text) {
  boxes.Show(std::string(texts::kConfigErrorCaption), text, MessageIcon::Error);
}

}  // namespace

TformSettings::TformSettings(TArray& settings, std::filesystem::path app_folder, const Hosts& hosts,
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
  setFixedSize(298, 631);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  BuildControls();
  LoadFields();
  LoadPlacement(*this, QStringLiteral("settings"));
}

void TformSettings::BuildControls() {
  SettingsControls controls = LayOutSettingsControls(*this);
  SpeedButton3 = controls.SpeedButton3;
  Button2 = controls.Button2;
  Edit5 = controls.Edit5;
  Edit6 = controls.Edit6;
  Button3 = controls.Button3;
  Label6 = controls.Label6;
  Edit7 = controls.Edit7;
  Button1 = controls.Button1;
  Button4 = controls.Button4;

  const auto hint_on_hover = [this](HelpMark* mark, const auto& text) {
    connect(mark, &HelpMark::entered, this, [this, text] { ShowHelpHint(ToQString(text), this); });
    connect(mark, &HelpMark::left, this, [] { HideHelpHint(); });
  };
  hint_on_hover(controls.Label11, texts::kHelpProxy);
  hint_on_hover(controls.Label13, texts::kHelpThreads);
  hint_on_hover(controls.Label14, texts::kEmailHint);
  connect(controls.Label14, &HelpMark::clicked, this,
          [this] { ShowHelpHint(ToQString(texts::kEmailHint), this); });
  connect(Label6, &HelpMark::entered, this, &TformSettings::Label6MouseEnter);
  connect(Label6, &HelpMark::left, this, [this] {
    HideHelpHint();
    if (!asking_) label6_armed_ = true;
  });

  connect(SpeedButton3, &QToolButton::clicked, this, &TformSettings::SpeedButton3Click);
  connect(Button1, &QPushButton::clicked, this, &TformSettings::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TformSettings::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TformSettings::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TformSettings::Button4Click);
  connect(Edit6, &QLineEdit::textChanged, this, &TformSettings::Edit6Change);
  connect(controls.SpeedButton2, &QPushButton::clicked, this,
          [this] { Q_EMIT feedbackRequested(ToQString(texts::kReportProblemCaption)); });
  connect(controls.BitBtn1, &QPushButton::clicked, this,
          [this] { Q_EMIT feedbackRequested(ToQString(texts::kSupportCaption)); });
}

void TformSettings::LoadFields() {
  const SettingsFields fields = FieldsFromTable(settings_);
  Edit6->setText(ToQString(fields.UploadDir));
  Edit6Change();  // the folder may have come or gone since the text was last set
  Edit7->setText(ToQString(fields.Email));
  Edit5->setText(ToQString(fields.ThreadsCount));
}

// Spontaneous show and hide events come from minimizing and restoring, which neither reload
// the fields nor save the main window's placement.
void TformSettings::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  if (main_window_) LoadPlacement(*main_window_, QStringLiteral("main"));
  LoadFields();
}

void TformSettings::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  HideHelpHint();
  if (main_window_) SavePlacement(*main_window_, QStringLiteral("main"));
}

void TformSettings::closeEvent(QCloseEvent* event) {
  if (main_window_ && main_window_->isVisible()) main_window_->setEnabled(true);
  event->accept();
}

void TformSettings::Edit6Change() {
  const FolderCheck check = CheckDownloadFolder(FromQString(Edit6->text()));
  QPalette colours = Edit6->palette();
  if (check.Exists) {
    colours.setColor(QPalette::Base, palette().color(QPalette::Base));
    download_folder_ = check.DownloadFolder;
    Edit6->setToolTip(ToQString(texts::kFolderExistsHint));
  } else {
    colours.setColor(QPalette::Base, kMissingFolderColour);
    Edit6->setToolTip(ToQString(texts::kFolderMissingHint));
  }
  Edit6->setPalette(colours);
  Label6->setVisible(!check.Exists);
}

void TformSettings::Label6MouseEnter() {
  // Closing the question with the pointer still on the mark enters it again: ask once per visit.
  if (asking_ || !label6_armed_) return;
  label6_armed_ = false;
  const std::string folder = FromQString(Edit6->text());
  asking_ = true;
  const auto answer = QMessageBox::question(this, ToQString(texts::kCreateFolderCaption),
                                            ToQString(CreateFolderQuestion(folder)),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  asking_ = false;
  if (answer != QMessageBox::Yes) return;
  if (const auto error = CreateDownloadFolder(folder)) ShowError(requests_.boxes, *error);
  Edit6Change();
}

void TformSettings::Button1Click() {
  const std::filesystem::path updater = UpdaterPath(app_folder_);
  if (!IsRunnableFile(updater)) {
    ShowError(requests_.boxes, std::string(texts::kUpdaterMissing) + FromOsPath(updater));
  } else if (!QProcess::startDetached(OsText(updater), {}, OsText(app_folder_))) {
    ShowError(requests_.boxes, std::string(texts::kUpdaterNotStarted) + FromOsPath(updater));
  }
}

void TformSettings::Button2Click() { StartConnectionTest(requests_, hosts_, log_); }

void TformSettings::Button3Click() {
  const FolderCheck current = CheckDownloadFolder(FromQString(Edit6->text()));
  const QString start = current.Exists ? Edit6->text() : OsText(DesktopFolder());
  const QString chosen = QFileDialog::getExistingDirectory(this, ToQString(texts::kChooseFolderTitle), start);
  if (!chosen.isEmpty()) Edit6->setText(chosen);
}

void TformSettings::Button4Click() {
  StoreFields(settings_, SettingsFields{.UploadDir = FromQString(Edit6->text()),
                                        .Email = FromQString(Edit7->text()),
                                        .ThreadsCount = FromQString(Edit5->text())});
  try {
    SaveSettings(settings_, IniFile(app_folder_ / "config.ini"));
  } catch (const std::exception&) {
    ShowError(requests_.boxes, std::string(texts::kSaveConfigError));
  }
  close();
}

void TformSettings::SpeedButton3Click() {
  if (!log_window_) return;
  log_window_->show();
  log_window_->raise();
  log_window_->activateWindow();
}

}  // namespace melvoro::ui
