#include "login_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "cookie_store.h"
#include "core/text/texts.h"
#include "login.h"
#include "qt_seams/qt_text.h"

namespace melvoro::auth {

namespace {

QString Text(std::string_view cp1251) { return ui::ToQString(cp1251); }

}  // namespace

LoginDialog::LoginDialog(const Hosts& hosts, const CookieStore& store, QWidget* parent)
    : QDialog(parent),
      hosts_(hosts),
      store_(store),
      email_(new QLineEdit),
      password_(new QLineEdit),
      cookie_field_(new QLineEdit),
      status_(new QLabel),
      log_in_(new QPushButton(Text(texts::kAuthDialogLogIn))) {
  setWindowTitle(Text(std::string(texts::kAuthLoginTitle) + hosts_.Network));
  email_->setObjectName(QStringLiteral("email"));
  password_->setObjectName(QStringLiteral("password"));
  password_->setEchoMode(QLineEdit::Password);
  cookie_field_->setObjectName(QStringLiteral("cookie"));
  cookie_field_->setPlaceholderText(QStringLiteral("remixsid=…"));
  status_->setObjectName(QStringLiteral("status"));
  status_->setWordWrap(true);
  log_in_->setObjectName(QStringLiteral("logIn"));

  auto* form = new QFormLayout;
  form->addRow(Text(texts::kAuthDialogEmail), email_);
  form->addRow(Text(texts::kAuthDialogPassword), password_);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(log_in_, QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton(Text(texts::kAuthDialogCancel), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancel"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addSpacing(8);
  layout->addWidget(new QLabel(Text(texts::kAuthDialogCookie)));
  layout->addWidget(cookie_field_);
  layout->addWidget(status_);
  layout->addWidget(buttons);
  setMinimumWidth(360);
  // Only once the button is in the dialog does the dialog take it as its default.
  log_in_->setDefault(true);

  connect(log_in_, &QPushButton::clicked, this, &LoginDialog::Submit);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// A log-in still under way ends here, before the fields its answer would touch are gone.
LoginDialog::~LoginDialog() { ui_.Shutdown(); }

void LoginDialog::SetEmail(const std::string& cp1251_email) { email_->setText(Text(cp1251_email)); }

void LoginDialog::Submit() {
  const std::string pasted = ui::FromQString(cookie_field_->text());
  if (!pasted.empty()) {
    if (const auto cookie = CleanCookie(pasted)) {
      Finish(*cookie);
    } else {
      Tell(Text(texts::kAuthNotACookie));
    }
    return;
  }
  const std::string email = ui::FromQString(email_->text().trimmed());
  const std::string password = ui::FromQString(password_->text());
  if (email.empty() || password.empty()) {
    Tell(Text(texts::kAuthDialogNeedEmail));
    return;
  }
  SetBusy(true);
  Tell(Text(texts::kAuthDialogWorking));
  StartLogIn(hosts_, email, password, RequestContext{ui_, activity_, boxes_},
             [this](const LoginResult& result) { Answered(result); });
}

void LoginDialog::reject() {
  cancelled_ = true;
  QDialog::reject();
}

void LoginDialog::Answered(const LoginResult& result) {
  if (cancelled_) return;  // the user gave up on this log-in; it must not count after all
  SetBusy(false);
  if (result.Cookie) {
    Finish(*result.Cookie);
    return;
  }
  Tell(result.Error.empty() ? Text(texts::kAuthWrongPassword)
                            : Text(std::string(texts::kAuthLoginError) + result.Error));
  password_->clear();
  password_->setFocus();
}

void LoginDialog::Finish(const std::string& cookie) {
  try {
    store_.Save(cookie);
    saved_ = true;
  } catch (const std::exception& e) {
    // The session still serves this run; the user learns it will not be remembered.
    QMessageBox::warning(this, windowTitle(), Text(texts::kAuthCannotSave) + QString::fromUtf8(e.what()));
  }
  cookie_ = cookie;
  accept();
}

void LoginDialog::SetBusy(bool busy) {
  const std::array<QWidget*, 4> inputs{email_, password_, cookie_field_, log_in_};
  for (QWidget* input : inputs) input->setEnabled(!busy);
  // While the button was disabled, focus passed to "Отмена", which then holds the default: Enter
  // after a failed log-in would quit.
  if (!busy) log_in_->setDefault(true);
}

void LoginDialog::Tell(const QString& text) { status_->setText(text); }

}  // namespace melvoro::auth
