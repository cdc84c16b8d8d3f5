#include "wizard/escape_watcher.hpp"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace swd::wizard {

EscapeWatcher::EscapeWatcher(QWidget* window) : QObject(window), window_(window) {
  QCoreApplication::instance()->installEventFilter(this);
}

EscapeWatcher::~EscapeWatcher() {
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeEventFilter(this);
  }
}

bool EscapeWatcher::InWatchedWindow(const QObject* receiver) const {
  // A key event reaches the window system's window first, then the widget with the focus.
  QWidget* top = window_->window();
  if (const auto* widget = qobject_cast<const QWidget*>(receiver)) return widget->window() == top;
  if (const auto* window = qobject_cast<const QWindow*>(receiver)) {
    return top->windowHandle() == window;
  }
  return false;
}

bool EscapeWatcher::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() != Qt::Key_Escape || key->isAutoRepeat()) break;
      if (event->type() == QEvent::KeyRelease) {
        held_ = false;
      } else if (InWatchedWindow(watched)) {
        held_ = true;
      }
      break;
    }
    case QEvent::ApplicationDeactivate:
      held_ = false;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace swd::wizard
