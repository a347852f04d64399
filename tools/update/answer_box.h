// The update helper's window: what the check found, in a message box of its own.
#pragma once

#include <QMessageBox>

#include "update/version_check.h"

namespace melvoro::update {

// Caption "Проверка обновлений Melvoro", the result's message as plain text the user can
// select and copy (the address), an information icon, or a warning when the check failed.
class AnswerBox final : public QMessageBox {
 public:
  explicit AnswerBox(const UpdateCheckResult& result, QWidget* parent = nullptr);
};

}  // namespace melvoro::update
