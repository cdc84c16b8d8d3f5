#include "wizard/escape_watcher.hpp"

#include <QCoreApplication>
#include <QKeyEvent>

namespace swd::wizard {

EscapeWatcher::EscapeWatcher(QObject* parent) : QObject(parent) {
  QCoreApplication::instance()->installEventFilter(this);
}

EscapeWatcher::~EscapeWatcher() {
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeEventFilter(this);
  }
}

bool EscapeWatcher::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) {
        held_ = event->type() == QEvent::KeyPress;
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
