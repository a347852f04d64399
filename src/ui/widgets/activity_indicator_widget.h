// The network activity indicator's picture: four 43 x 11 frames, the fourth also the picture
// at rest, animated by a timer that follows the engine's indicator state.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "core/listeners.h"

namespace melvoro {
class ActivityIndicator;
}

namespace melvoro::ui {

class ActivityIndicatorWidget final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPictureWidth = 43;
  static constexpr int kPictureHeight = 11;

  // Hears state.OnChange until destroyed; state must outlive the widget.
  explicit ActivityIndicatorWidget(ActivityIndicator& state, QWidget* parent = nullptr);
  ~ActivityIndicatorWidget() override;

  // Picture 1 to 4; any other number gives the picture at rest (4).
  static QImage Picture(int number);

  int ShownPicture() const { return shown_; }
  const QTimer& AnimationTimer() const { return timer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Follow();

  ActivityIndicator& state_;
  Subscription changed_;
  QTimer timer_;
  int shown_;
};

}  // namespace melvoro::ui
