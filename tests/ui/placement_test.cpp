// Window placement: saved per name, applied only when complete.
#include <gtest/gtest.h>

#include <QWidget>
#include <filesystem>

#include "placement_sandbox.h"
#include "seam_wait.h"
#include "ui/window_placement.h"

namespace melvoro {
namespace {

using test::PlacementSandbox;
using test::WaitUntil;

void Store(const QString& name, const QStringList& keys, const QVariantList& values) {
  QSettings settings = PlacementSandbox::Stored();
  settings.beginGroup("forms/" + name);
  for (qsizetype i = 0; i < keys.size(); ++i) settings.setValue(keys[i], values[i]);
}

TEST(Placement, SavedBoundsComeBackUnderTheirNameOnly) {
  const PlacementSandbox sandbox;
  QWidget window;
  window.move(120, 80);
  window.resize(500, 300);
  ui::SavePlacement(window, "main");

  QSettings stored = PlacementSandbox::Stored();
  EXPECT_EQ(stored.value("forms/main/Left").toInt(), 120);
  EXPECT_EQ(stored.value("forms/main/Top").toInt(), 80);
  EXPECT_EQ(stored.value("forms/main/Width").toInt(), 500);
  EXPECT_EQ(stored.value("forms/main/Height").toInt(), 300);
  EXPECT_EQ(stored.value("forms/main/Maximized").toInt(), 0);
  // The organisation's settings file in the sandbox, not the user's.
  EXPECT_TRUE(std::filesystem::exists(sandbox.Dir() / "Malvoro.conf"));

  QWidget other;
  other.move(10, 20);
  other.resize(200, 100);
  ui::LoadPlacement(other, "log");  // nothing saved under this name
  EXPECT_EQ(other.pos(), QPoint(10, 20));
  EXPECT_EQ(other.size(), QSize(200, 100));
  ui::LoadPlacement(other, "main");
  EXPECT_EQ(other.pos(), QPoint(120, 80));
  EXPECT_EQ(other.size(), QSize(500, 300));
  EXPECT_FALSE(other.windowState() & Qt::WindowMaximized);
}

TEST(Placement, IncompleteOrDamagedValuesLeaveTheDesignedPlacement) {
  const PlacementSandbox sandbox;
  Store("four", {"Left", "Top", "Width", "Height"}, {1, 2, 300, 400});
  Store("text", {"Left", "Top", "Width", "Height", "Maximized"}, {1, "top", 300, 400, 0});
  Store("empty", {"Left", "Top", "Width", "Height", "Maximized"}, {1, 2, 0, 400, 0});
  for (const char* name : {"four", "text", "empty"}) {
    QWidget window;
    window.move(30, 40);
    window.resize(250, 150);
    ui::LoadPlacement(window, name);
    EXPECT_EQ(window.pos(), QPoint(30, 40)) << name;
    EXPECT_EQ(window.size(), QSize(250, 150)) << name;
  }
}

TEST(Placement, AWindowClosedMaximizedReopensMaximizedOverItsMaximizedBounds) {
  const PlacementSandbox sandbox;
  QRect maximized;
  {
    QWidget window;
    window.resize(300, 200);
    window.showMaximized();
    ASSERT_TRUE(WaitUntil([&] { return window.isMaximized() && window.width() > 300; }, 5000));
    maximized = QRect(window.pos(), window.size());
    ui::SavePlacement(window, "main");
  }
  EXPECT_EQ(PlacementSandbox::Stored().value("forms/main/Maximized").toInt(), 1);

  QWidget window;
  window.resize(300, 200);
  ui::LoadPlacement(window, "main");
  EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
  window.show();
  window.showNormal();
  ASSERT_TRUE(WaitUntil([&] { return !window.isMaximized(); }, 5000));
  EXPECT_EQ(window.size(), maximized.size());
}

}  // namespace
}  // namespace melvoro
