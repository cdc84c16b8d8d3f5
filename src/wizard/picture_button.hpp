#pragma once

#include <QAbstractButton>
#include <QImage>

namespace swd::wizard {

// A clickable picture with its caption below. When checkable, the chosen one is framed
// and the frames of the others are hidden. A click, Space or Enter chooses it; in a group
// the arrow keys only move the focus to the picture that way, so that passing over a
// picture opens none of the dialogs that choosing it may open.
class PictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  PictureButton(const QImage& picture, const QString& caption, QWidget* parent = nullptr);

  void SetPicture(const QImage& picture);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QImage picture_;
};

// A picture with a text below it that does nothing when clicked.
QWidget* CaptionedPicture(const QImage& picture, const QString& caption, QWidget* parent);

}  // namespace swd::wizard
