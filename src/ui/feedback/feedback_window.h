// FeedbackWindow: the problem report to the support server. Created hidden at start; the
// settings window's hidden openers set its caption and show it.
#pragma once

#include <QWidget>

#include "core/http/http_request.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace melvoro {
class ProgramLog;
class Shell;
class SettingsTable;
struct Hosts;
}  // namespace melvoro

namespace melvoro::ui {

class HelpMark;

class FeedbackWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 604;
  static constexpr int kClientHeight = 644;

  // settings: where "email" is read at every showing; hosts: the support server; requests:
  // the post's worker context; log: what the report carries; shell: opens the support page.
  // All must outlive the window.
  FeedbackWindow(const SettingsTable& settings, const Hosts& hosts, const RequestContext& requests,
                 ProgramLog& log, Shell& shell, QWidget* parent = nullptr);

  // What the settings window's openers do: set the caption, then show.
  void ShowWithCaption(const QString& caption);

  QLineEdit* EmailField() const { return email_field_; }
  QPlainTextEdit* DescriptionBox() const { return description_box_; }
  QCheckBox* SendLogBox() const { return send_log_box_; }
  QPushButton* SendButton() const { return send_button_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ArrangeFields();
  void OnSendClicked();
  void OnSupportLinkClicked();

  const SettingsTable& settings_;
  const Hosts& hosts_;
  RequestContext requests_;
  ProgramLog& log_;
  Shell& shell_;

  QWidget* fields_panel_ = nullptr;
  QWidget* button_panel_ = nullptr;
  QLineEdit* email_field_ = nullptr;
  QPlainTextEdit* description_box_ = nullptr;
  QCheckBox* send_log_box_ = nullptr;
  QPushButton* send_button_ = nullptr;
};

}  // namespace melvoro::ui
