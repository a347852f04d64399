#include "answer_box.h"

#include "core/text/texts.h"
#include "qt_seams/qt_text.h"

namespace melvoro::update {

AnswerBox::AnswerBox(QWidget* parent) : QMessageBox(parent) {
  setObjectName(QStringLiteral("AnswerBox"));
  setWindowTitle(ui::ToQString(texts::kUpdateCheckCaption));
  setIcon(Information);
  // The server's text stays text: no markup of its own reaches the screen.
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setText(ui::ToQString(texts::kUpdateChecking));
  setStandardButtons(Cancel);
}

void AnswerBox::ShowResult(const UpdateCheckResult& result) {
  setIcon(result.outcome == UpdateCheckResult::Outcome::kFailed ? Warning : Information);
  setText(ui::ToQString(result.Message));
  setStandardButtons(Ok);
}

}  // namespace melvoro::update
