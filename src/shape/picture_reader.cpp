#include "shape/picture_reader.hpp"

#include "io/byte_io.hpp"
#include "io/file_read.hpp"

namespace swd {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; later versions are longer
constexpr std::uintmax_t kLargestFile = 16u << 20;

PictureRead Problem(Message text) {
  return {{}, std::move(text)};
}

std::int32_t GetI32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(GetU32(p));
}

}  // namespace

PictureRead ReadPicture(std::span<const std::uint8_t> bytes, int width, int height) {
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
    return Problem(MessageKey::PictureNotBitmap);
  }
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) {
    return Problem(MessageKey::PictureTooShort);
  }
  const std::uint8_t* p = bytes.data();
  const std::uint32_t data_offset = GetU32(p + 10);
  const std::uint32_t header_size = GetU32(p + 14);
  if (header_size < kInfoHeaderSize) {
    return Problem(MessageKey::PictureOldHeader);
  }
  const std::int64_t file_width = GetI32(p + 18);
  const std::int64_t signed_height = GetI32(p + 22);
  const unsigned planes = GetU16(p + 26);
  const unsigned bits = GetU16(p + 28);
  const std::uint32_t compression = GetU32(p + 30);
  if (planes != 1 || data_offset < kFileHeaderSize + std::uint64_t{header_size}) {
    return Problem(MessageKey::PictureBadHeader);
  }
  if (bits != 8) {
    return Problem({MessageKey::PictureBitDepth, {Message::Number(bits)}});
  }
  if (compression != 0) {
    return Problem(MessageKey::PictureCompressed);
  }
  // A negative height marks rows stored top to bottom.
  const bool top_down = signed_height < 0;
  const std::int64_t file_height = top_down ? -signed_height : signed_height;
  if (file_width != width || file_height != height) {
    return Problem({MessageKey::PictureWrongSize,
                    {Message::Number(file_width), Message::Number(file_height),
                     Message::Number(width), Message::Number(height)}});
  }
  // Rows are padded to whole 4-byte words.
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) + 3) / 4 * 4;
  if (data_offset + stride * static_cast<std::uint64_t>(height) > bytes.size()) {
    return Problem(MessageKey::PictureIncomplete);
  }
  PictureRead out;
  out.pixels.resize(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const std::uint64_t file_row = top_down ? y : height - 1 - y;
    const std::uint8_t* row = p + data_offset + stride * file_row;
    std::copy(row, row + width, out.pixels.begin() + static_cast<std::ptrdiff_t>(width) * y);
  }
  return out;
}

PictureRead LoadPictureFile(const std::filesystem::path& path, int width, int height) {
  if (path.empty()) return Problem(MessageKey::PictureNotChosen);
  FileRead file = ReadWholeFile(path, kLargestFile);
  const Message name = Message::Verbatim(path.string());
  switch (file.problem) {
    case FileReadProblem::None:
      break;
    case FileReadProblem::Missing:
      return Problem({MessageKey::PictureMissing, {name}});
    case FileReadProblem::NotAFile:
      return Problem({MessageKey::PictureNotAFile, {name}});
    case FileReadProblem::TooLarge:
      return Problem({MessageKey::PictureTooLarge, {name}});
    case FileReadProblem::NoPermission:
      return Problem({MessageKey::PictureNoPermission, {name}});
    case FileReadProblem::Unreadable:
      return Problem({MessageKey::PictureUnreadable, {name}});
  }
  PictureRead read = ReadPicture(file.bytes, width, height);
  if (!read.problem.empty()) read.problem = read.problem.WithFirst(name);
  return read;
}

}  // namespace swd
