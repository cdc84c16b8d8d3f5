#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <vector>

#include "model/preview.hpp"

class QPainter;

namespace swd::wizard {

// The live preview: the core's preview image, one pixel per vertex, without its border
// of background (the map alone), enlarged by the largest
// whole number that fits (nearest neighbour) and framed. It asks for room to show the map
// at twice its size. The steps report a change after every row; repaints are coalesced so
// that the picture follows the run smoothly without slowing it.
class PreviewView : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewView(const PreviewImage& image, QWidget* parent = nullptr);

  // A start position drawn over the picture: the vertex and the player's number.
  struct StartMarker {
    QPoint vertex;
    int player = 0;
  };
  // Draws the markers over the picture from now on (in the window only: the image stays as
  // it is); none clears them.
  void SetMarkers(std::vector<StartMarker> markers);
  const std::vector<StartMarker>& Markers() const { return markers_; }

  // The image changed.
  void MarkDirty() { dirty_ = true; }
  // Schedules a repaint if the image changed and the last one is old enough.
  void FlushIfDue();
  // Schedules a repaint now.
  void Flush();

  int Zoom() const;
  // The map's part of the image, which the view shows.
  QSize MapSize() const;
  static int WholeZoom(QSize available, QSize image);
  // Where the enlarged picture is shown, in the view's and in screen coordinates.
  QRect PictureRect() const;
  QRect PictureOnScreen() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintMarkers(QPainter& painter, const QRect& picture) const;

  const PreviewImage& image_;
  std::vector<StartMarker> markers_;
  bool dirty_ = false;
  QElapsedTimer since_repaint_;
};

}  // namespace swd::wizard
