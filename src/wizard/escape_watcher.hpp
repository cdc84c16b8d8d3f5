#pragma once

#include <QObject>

namespace swd::wizard {

// Whether the Escape key is held at this moment, as the key events delivered so far tell.
// The run's yields deliver them, so a press reaches the run at its next check. The key's
// auto-repeat is ignored; losing the application's focus counts as a release, because
// the release then goes elsewhere.
class EscapeWatcher : public QObject {
  Q_OBJECT

 public:
  explicit EscapeWatcher(QObject* parent = nullptr);
  ~EscapeWatcher() override;

  bool Held() const { return held_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool held_ = false;
};

}  // namespace swd::wizard
