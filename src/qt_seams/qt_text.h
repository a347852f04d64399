// The Qt edge of the engine's text: Windows-1251 bytes <-> QString, through the one table.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace melvoro::ui {

QString ToQString(std::string_view cp1251);
// Characters Windows-1251 lacks become "?".
std::string FromQString(const QString& text);

}  // namespace melvoro::ui
