#include "mapfile/swd_map.hpp"

#include "mapfile/terrain_codes.hpp"
#include "model/grid.hpp"

namespace swd {

SwdMapRead ReadSwdMap(const std::vector<std::uint8_t>& bytes) {
  SwdParse parsed = ParseSwd(bytes);
  if (!parsed.header) return {std::nullopt, std::move(parsed.problem)};
  SwdMap map;
  map.header = std::move(*parsed.header);
  const std::size_t data = static_cast<std::size_t>(map.Width()) * map.Height();
  std::size_t at = kSwdHeaderSize;
  for (auto& layer : map.layers) {
    at += kSwdBlockHeaderSize;
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(at);
    layer.assign(first, first + static_cast<std::ptrdiff_t>(data));
    at += data;
  }
  return {std::move(map), {}};
}

UnknownTerrain FindUnknownTerrain(const SwdMap& map) {
  UnknownTerrain found;
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) {
      for (const int layer : {TerrainLayerA, TerrainLayerB}) {
        const int code = TerrainCode(map.At(layer, x, y));
        if (KindOfTerrain(code) != TerrainKind::Unknown) continue;
        if (found.triangles++ == 0) found = {1, code, x, y};
      }
    }
  }
  return found;
}

std::vector<std::uint8_t> EncodeSwdMap(const SwdMap& map) {
  std::vector<std::uint8_t> out;
  out.reserve(SwdFileSize(map.Width(), map.Height()));
  AppendSwdHeader(out, map.header);
  for (const auto& layer : map.layers)
    AppendSwdBlock(out, map.Width(), map.Height(), layer.data(), map.Width());
  AppendSwdEnd(out);
  return out;
}

}  // namespace swd
