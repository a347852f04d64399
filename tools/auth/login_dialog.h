// The log-in dialog of auth, for a desktop session: e-mail and password, or a session cookie
// pasted from a browser. The log-in runs without freezing the dialog; the cookie it gets is
// saved before the dialog closes.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "core/http/hosts.h"
#include "core/log/activity_indicator.h"
#include "qt_seams/qt_message_boxes.h"
#include "qt_seams/qt_ui_thread.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace melvoro::auth {

class CookieStore;
struct LoginResult;

class LoginDialog final : public QDialog {
  Q_OBJECT

 public:
  // hosts and store must outlive the dialog.
  LoginDialog(const Hosts& hosts, const CookieStore& store, QWidget* parent = nullptr);
  ~LoginDialog() override;

  void SetEmail(const std::string& cp1251_email);

  // After an accepted dialog: the session cookie, and whether it could be saved.
  const std::optional<std::string>& Cookie() const { return cookie_; }
  bool Saved() const { return saved_; }

 public Q_SLOTS:
  void reject() override;

 private:
  void Submit();
  void Answered(const LoginResult& result);
  void Finish(const std::string& cookie);
  void SetBusy(bool busy);
  void Tell(const QString& text);

  const Hosts& hosts_;
  const CookieStore& store_;
  ui::QtUiThread ui_;
  ActivityIndicator activity_;
  ui::QtMessageBoxes boxes_;
  QLineEdit* email_;
  QLineEdit* password_;
  QLineEdit* cookie_field_;
  QLabel* status_;
  QPushButton* log_in_;
  std::optional<std::string> cookie_;
  bool saved_ = false;
  bool cancelled_ = false;
};

}  // namespace melvoro::auth
