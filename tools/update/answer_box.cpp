#include "answer_box.h"

#include "core/texts.h"
#include "ui/qt_text.h"

namespace melvoro::update {

AnswerBox::AnswerBox(const UpdateCheckResult& result, QWidget* parent) : QMessageBox(parent) {
  setObjectName(QStringLiteral("AnswerBox"));
  setWindowTitle(ui::ToQString(texts::kUpdateCheckCaption));
  setIcon(result.outcome == UpdateCheckResult::Outcome::kFailed ? Warning : Information);
  // The server's text stays text: no markup of its own reaches the screen.
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setText(ui::ToQString(result.Message));
  setStandardButtons(Ok);
}

}  // namespace melvoro::update
