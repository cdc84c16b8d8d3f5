// Feeds arbitrary bytes to the map reader behind `swdgen info`. The reader must never read
// outside the buffer, must either accept a file or say why not, and what it accepts must
// be a map of the size the file has, with texts that survive the way to the terminal.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.hpp"
#include "mapfile/cp437.hpp"
#include "mapfile/swd_format.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const swd::SwdParse parsed = swd::ParseSwd(bytes);
  Check(parsed.header.has_value() == parsed.problem.empty());
  if (!parsed.header) return 0;
  const swd::SwdHeader& h = *parsed.header;
  Check(h.width > 0 && h.height > 0 && h.landscape_type <= 2 && h.player_count <= 7);
  Check(size == swd::SwdFileSize(h.width, h.height));
  for (const std::string* text : {&h.title_cp437, &h.author_cp437}) {
    Check(text->size() <= 20);
    // Shown as UTF-8, a text must convert back unchanged, but for the control bytes,
    // which are shown as '?'.
    std::string shown = *text;
    for (char& c : shown) {
      const auto b = static_cast<unsigned char>(c);
      if (b < 0x20 || b == 0x7F) c = '?';
    }
    Check(swd::Utf8ToCp437(swd::Cp437ToUtf8(*text)) == shown);
  }
  return 0;
}
