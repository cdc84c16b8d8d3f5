#pragma once

#include <QObject>

class QWidget;

namespace swd::wizard {

// Whether the Escape key is held down on the watched window at this moment, as the key
// events delivered so far tell. The run's yields deliver them, so a press reaches the run
// at its next check. Only a press that the watched window receives counts: Escape in a
// dialog (the save dialog, a message box) closes that dialog and is no stop, and its
// release need not come back (a window manager hands the focus on before it). A release
// anywhere and the application losing the focus each end the hold, as the release may
// then go elsewhere. The key's auto-repeat is ignored.
class EscapeWatcher : public QObject {
  Q_OBJECT

 public:
  // `window`: a widget of the watched window.
  explicit EscapeWatcher(QWidget* window);
  ~EscapeWatcher() override;

  bool Held() const { return held_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Whether `receiver` is the watched window or a widget in it.
  bool InWatchedWindow(const QObject* receiver) const;

  QWidget* window_;
  bool held_ = false;
};

}  // namespace swd::wizard
