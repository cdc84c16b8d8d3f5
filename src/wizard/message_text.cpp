#include "wizard/message_text.hpp"

#include <QByteArray>
#include <QtGlobal>
#include <string>
#include <vector>

namespace swd::wizard {

QString Text(const Message& message) {
  if (message.verbatim()) return QString::fromStdString(message.text());
  const MessageEntry* entry = FindMessage(message.key());
  if (entry == nullptr) return {};
  // The translations find a message by its key's name; without one the name comes back.
  const QByteArray name(entry->name.data(), static_cast<qsizetype>(entry->name.size()));
  QString pattern = qtTrId(name.constData());
  if (pattern == QLatin1String(name)) {
    pattern = QString::fromUtf8(entry->german.data(), static_cast<qsizetype>(entry->german.size()));
  }
  std::vector<std::string> args;
  for (const Message& arg : message.args())
    args.push_back(Text(arg).toStdString());
  return QString::fromStdString(FillPlaceholders(pattern.toStdString(), args));
}

}  // namespace swd::wizard
