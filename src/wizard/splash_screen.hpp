#pragma once

#include <QImage>
#include <QWidget>

namespace swd::wizard {

// The splash: the program's title, a picture and the note that the game's mission CD or
// gold edition is needed. It closes itself after three seconds.
class SplashScreen : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kShowMs = 3000;
  static const char* const kTitle;
  static const char* const kNote;

  explicit SplashScreen(QWidget* parent = nullptr);

  // Shows the splash, centred, and closes it after `ms` milliseconds.
  void ShowFor(int ms = kShowMs);
  QSize sizeHint() const override;

 signals:
  void finished();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace swd::wizard
