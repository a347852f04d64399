#include "ui/settings/threads_count_field.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include "qt_seams/qt_text.h"
#include "settings/settings_form_logic.h"

namespace melvoro::ui {

namespace {

// Checks every edit the user makes, pasting and dropping included.
class TypedCountValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return IsTypedThreadsCount(FromQString(input)) ? Acceptable : Invalid;
  }
};

class StepKeysEdit final : public QLineEdit {
 public:
  StepKeysEdit(ThreadsCountField& field, QWidget* parent) : QLineEdit(parent), field_(field) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
      field_.Step(event->key() == Qt::Key_Up ? 1 : -1);
      return;
    }
    QLineEdit::keyPressEvent(event);
  }

 private:
  ThreadsCountField& field_;
};

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFixedSize(16, 11);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

ThreadsCountField::ThreadsCountField(QWidget* parent)
    : QWidget(parent),
      edit_(new StepKeysEdit(*this, this)),
      up_(ArrowButton(Qt::UpArrow, this)),
      down_(ArrowButton(Qt::DownArrow, this)) {
  edit_->setObjectName(QStringLiteral("Edit5"));
  edit_->setValidator(new TypedCountValidator(edit_));
  edit_->setFixedWidth(40);
  up_->setObjectName(QStringLiteral("UpDown1Up"));
  down_->setObjectName(QStringLiteral("UpDown1Down"));

  auto* arrows = new QWidget(this);
  arrows->setObjectName(QStringLiteral("UpDown1"));
  auto* arrows_layout = new QVBoxLayout(arrows);
  arrows_layout->setContentsMargins(0, 0, 0, 0);
  arrows_layout->setSpacing(0);
  arrows_layout->addWidget(up_);
  arrows_layout->addWidget(down_);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  layout->addWidget(edit_);
  layout->addWidget(arrows);

  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void ThreadsCountField::Step(int step) {
  edit_->setText(ToQString(StepThreadsCount(FromQString(text()), step)));
}

}  // namespace melvoro::ui
