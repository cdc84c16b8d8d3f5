#include "wizard/message_text.hpp"

#include <QByteArray>
#include <QtGlobal>
#include <string>

namespace swd::wizard {

QString Text(const Message& message) {
  return QString::fromStdString(message.Render([](const MessageEntry& entry) -> std::string {
    // The translations find a message by its key's name; without one the name comes back.
    const QByteArray name(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
    const QString pattern = qtTrId(name.constData());
    return pattern == QLatin1String(name) ? std::string(entry.german) : pattern.toStdString();
  }));
}

}  // namespace swd::wizard
