#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace swd::test {

// A JSON value, read strictly (RFC 8259): what a test needs to check that a command's JSON is
// a document at all and to look at its values.
struct Json {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string string;
  std::vector<Json> items;
  std::map<std::string, Json> members;

  bool is_null() const { return kind == Kind::Null; }
  // The member `key` of an object; a null value where there is none.
  const Json& operator[](const std::string& key) const;
  const Json& operator[](std::size_t index) const { return items.at(index); }
  bool has(const std::string& key) const { return members.contains(key); }
};

// The one JSON value `text` holds (white space around it allowed); none when it is not JSON.
std::optional<Json> ParseJson(const std::string& text);

}  // namespace swd::test
