// Feeds arbitrary bytes to what reads a sound map's layers: `swdgen info`'s check of the
// terrain codes, `swdgen analyze` and `swdgen render`. A map file can hold any byte in any
// layer and be as small as one vertex, so nothing of them may read outside the map, divide
// by a count of zero or loop without end, whatever the layers say.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/map_analysis.hpp"
#include "fuzz_check.hpp"
#include "mapfile/swd_map.hpp"
#include "render/map_picture.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const swd::SwdMapRead read = swd::ReadSwdMap(bytes);
  if (!read.map) return 0;
  const swd::SwdMap& map = *read.map;
  Check(swd::EncodeSwdMap(map).size() == size);
  const swd::UnknownTerrain unknown = swd::FindUnknownTerrain(map);
  Check(unknown.triangles >= 0 && unknown.triangles <= 2 * map.Width() * map.Height());

  // The radius from the title's first byte, so that the fuzzer tries small and large ones.
  const int radius =
      1 + static_cast<std::uint8_t>(map.header.title_cp437.empty() ? 0 : map.header.title_cp437[0]);
  const swd::MapAnalysis analysis = swd::AnalyzeMap(map, radius);
  if (analysis.fairness) Check(analysis.starts.size() >= 2);
  for (const swd::StartReport& start : analysis.starts)
    Check(start.area >= 0);

  swd::RenderOptions options;
  options.scale = swd::kMinScale;
  if (swd::ScaleFits(options.scale, map.Width(), map.Height())) {
    const swd::RgbImage image = swd::RenderMap(map, options);
    const swd::PictureSize expected = swd::PictureSizeOf(map.Width(), map.Height(), options.scale);
    Check(image.Width() == expected.width && image.Height() == expected.height);
  }
  return 0;
}
