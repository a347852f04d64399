// The friends page's picture for the documentation, made against netsim: the friends list with
// one entry selected and its avatar shown. Run under Xvfb:
//   xvfb-run -a friends_screenshot OUTPUT_FOLDER
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "seam_wait.h"
#include "support/screenshot.h"
#include "ui/friends/friends_frame.h"
#include "ui/main_window/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString out = melvoro::test::ScreenshotFolder(argc, argv);
  if (out.isEmpty()) return 2;
  melvoro::test::ScreenshotEngine scene;
  melvoro::ui::MainWindow window(scene.engine(), scene.MainSeams());
  window.show();
  window.Pages()->setCurrentIndex(2);
  melvoro::ui::FriendsFrame* frame = window.FriendsPane();
  frame->MyFriendsButton()->click();
  if (!melvoro::test::WaitUntil([&] { return frame->List()->count() > 0; })) return 1;
  const auto items = frame->List()->findItems(QString::fromUtf8("Михаил Тучкин"), Qt::MatchExactly);
  if (items.isEmpty()) return 1;
  items.front()->setSelected(true);
  if (!melvoro::test::WaitUntil([&] { return frame->PictureBox()->pixmap().width() > 16; })) return 1;
  return melvoro::test::SaveScreenshot(window, out, "friends.png") ? 0 : 1;
}
