#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace swd::cli {

// How text and files go into a web page that is one file and needs no server.

// The text with &, <, >, " and ' as character references: safe in element content and in
// quoted attribute values.
std::string HtmlText(const std::string& text);

// A relative link to the file: the path's bytes percent-encoded where a URL could read them
// otherwise ('/' between its parts left as it is). Still to go through HtmlText.
std::string UrlPath(const std::filesystem::path& path);

// "data:MIME;base64,..." holding the bytes.
std::string DataUri(const std::string& mime, const std::vector<std::uint8_t>& bytes);

}  // namespace swd::cli
