#include "wizard/splash_screen.hpp"

#include <QPainter>
#include <QTimer>

#include "wizard/pictures.hpp"
#include "wizard/window_placement.hpp"

namespace swd::wizard {

namespace {
constexpr QSize kPictureSize(420, 210);
constexpr int kMargin = 20;
}  // namespace

const char* const SplashScreen::kTitle =
    QT_TRANSLATE_NOOP("swd::wizard::SplashScreen", "Zufallslandschaften für Die Siedler II");
const char* const SplashScreen::kNote = QT_TRANSLATE_NOOP(
    "swd::wizard::SplashScreen",
    "Zum Spielen der erzeugten Landschaften wird die Missions-CD oder die Gold-Edition von "
    "Die Siedler II benötigt.");

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(SplashPicture(kPictureSize)) {
  setWindowTitle("swdgen");
  resize(sizeHint());
}

QSize SplashScreen::sizeHint() const {
  return {kPictureSize.width() + 2 * kMargin, kPictureSize.height() + 190};
}

void SplashScreen::ShowFor(int ms) {
  show();
  CentreOnScreen(*this);
  QTimer::singleShot(ms, this, [this] {
    close();
    emit finished();
  });
}

void SplashScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(245, 235, 205));
  p.setPen(QPen(QColor(120, 80, 30), 3));
  p.drawRect(rect().adjusted(1, 1, -2, -2));

  QFont title = font();
  title.setPointSizeF(title.pointSizeF() * 1.7);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(90, 50, 10));
  const QRect title_area(kMargin, 14, width() - 2 * kMargin, 50);
  p.drawText(title_area, Qt::AlignCenter | Qt::TextWordWrap, tr(kTitle));

  const QPoint at((width() - picture_.width()) / 2, title_area.bottom() + 8);
  p.drawImage(at, picture_);
  p.setPen(QPen(QColor(60, 40, 20), 1));
  p.drawRect(QRect(at, picture_.size()).adjusted(-1, -1, 0, 0));

  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 1.05);
  p.setFont(small);
  p.setPen(QColor(40, 30, 20));
  const QRect note_area(kMargin, at.y() + picture_.height() + 10, width() - 2 * kMargin,
                        height() - at.y() - picture_.height() - 20);
  p.drawText(note_area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
             tr(kNote) + "\n\nswdgen");
}

}  // namespace swd::wizard
