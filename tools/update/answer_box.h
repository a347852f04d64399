// The update helper's window: first that the check is under way, then what it found.
#pragma once

#include <QMessageBox>

#include "update/version_check.h"

namespace melvoro::update {

// Caption "Проверка обновлений Melvoro". While the check runs: its text and "Отмена". Then the
// result's message as plain text the user can select and copy (the address), with "OK", an
// information icon, or a warning when the check failed.
class AnswerBox final : public QMessageBox {
 public:
  explicit AnswerBox(QWidget* parent = nullptr);
  void ShowResult(const UpdateCheckResult& result);
};

}  // namespace melvoro::update
