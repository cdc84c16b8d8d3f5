#include "model/messages.hpp"

namespace swd {

namespace {
constexpr bool InKeyOrder() {
  for (std::size_t i = 0; i < std::size(kMessageTable); ++i) {
    if (static_cast<std::size_t>(kMessageTable[i].key) != i + 1) return false;
  }
  return true;
}
static_assert(InKeyOrder(), "FindMessage indexes the table by key");
}  // namespace

const MessageEntry* FindMessage(MessageKey key) {
  const auto index = static_cast<std::size_t>(key);
  if (index == 0 || index > std::size(kMessageTable)) return nullptr;
  return &kMessageTable[index - 1];
}

const char* GermanText(MessageKey key) {
  const MessageEntry* entry = FindMessage(key);
  // The table's texts are string literals, so each view ends in a NUL.
  return entry != nullptr ? entry->german.data() : "";
}

Message Message::Verbatim(std::string text) {
  Message m;
  m.verbatim_ = true;
  m.text_ = std::move(text);
  return m;
}

Message Message::Number(long long value) {
  return Verbatim(std::to_string(value));
}

Message Message::WithFirst(Message first) const {
  Message m = *this;
  m.args_.insert(m.args_.begin(), std::move(first));
  return m;
}

std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < args.size()) {
        out += args[n];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace swd
