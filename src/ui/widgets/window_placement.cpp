#include "ui/widgets/window_placement.h"

#include <QSettings>
#include <QWidget>
#include <QWindow>
#include <array>
#include <optional>

namespace melvoro::ui {

namespace {

constexpr auto kOrganisation = "Malvoro";

// Width and Height are the client size: that is what a later resize() takes back, and the
// frame belongs to the window manager. Left and Top are the frame's corner, as move() takes it.
enum Value { kLeft, kTop, kWidth, kHeight, kMaximized, kValueCount };
constexpr std::array<const char*, kValueCount> kValueNames = {"Left", "Top", "Width", "Height", "Maximized"};

// The platform's own store: the registry under the current user on Windows, an INI file under
// the user's config folder here.
QSettings OpenSettings() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation); }

QString Group(const QString& name) { return QStringLiteral("forms/") + name; }

std::optional<int> ReadNumber(const QSettings& settings, const char* key) {
  const QVariant value = settings.value(key);
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  const int number = value.toInt(&ok);
  return ok ? std::optional<int>(number) : std::nullopt;
}

}  // namespace

void SavePlacement(const QWidget& window, const QString& name) {
  QSettings settings = OpenSettings();
  settings.beginGroup(Group(name));
  settings.setValue(kValueNames[kLeft], window.x());
  settings.setValue(kValueNames[kTop], window.y());
  settings.setValue(kValueNames[kWidth], window.width());
  settings.setValue(kValueNames[kHeight], window.height());
  settings.setValue(kValueNames[kMaximized], window.isMaximized() ? 1 : 0);
  settings.endGroup();
}

void LoadPlacement(QWidget& window, const QString& name) {
  QSettings settings = OpenSettings();
  settings.beginGroup(Group(name));
  std::array<int, kValueCount> values{};
  for (int i = 0; i < kValueCount; ++i) {
    const std::optional<int> value = ReadNumber(settings, kValueNames[i]);
    if (!value) return;
    values[i] = *value;
  }
  // A size of nothing would leave an invisible window behind.
  if (values[kWidth] <= 0 || values[kHeight] <= 0) return;
  const QPoint corner(values[kLeft], values[kTop]);
  window.move(corner);
  window.resize(values[kWidth], values[kHeight]);
  // Until the window manager has framed it, move() cannot count the frame and places the client
  // there: a title bar lower than saved, and saved that way, at every start. Asked for its
  // frame's corner, the manager puts the frame there.
  if (QWindow* handle = window.windowHandle(); handle != nullptr && !handle->isVisible())
    handle->setFramePosition(corner);
  if (values[kMaximized] != 0) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

}  // namespace melvoro::ui
