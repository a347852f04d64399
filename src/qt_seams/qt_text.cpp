#include "qt_seams/qt_text.h"

#include "core/text/cp1251.h"

namespace melvoro::ui {

QString ToQString(std::string_view cp1251) {
  const std::u16string utf16 = Cp1251ToUtf16(cp1251);
  return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

std::string FromQString(const QString& text) {
  return Utf16ToCp1251(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<std::size_t>(text.size())));
}

}  // namespace melvoro::ui
