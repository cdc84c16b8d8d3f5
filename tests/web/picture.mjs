// A picture for the "Spezial" shape: an 8-bit Windows bitmap of the map's size whose
// palette indices lay sea round the edge, land with a lake, mountains with every kind of
// ore, lava and desert; `variant` moves the features, and `strait` parts the land into two
// islands with a broad sea between them.
export function picture(width, height, variant, strait = false) {
  const stride = (width + 3) & ~3;
  const dataOffset = 14 + 40 + 256 * 4;
  const bytes = new Uint8Array(dataOffset + stride * height);
  const view = new DataView(bytes.buffer);
  bytes.set([0x42, 0x4d]);
  view.setUint32(2, bytes.length, true);
  view.setUint32(10, dataOffset, true);
  view.setUint32(14, 40, true);
  view.setInt32(18, width, true);
  view.setInt32(22, height, true);
  view.setUint16(26, 1, true);
  view.setUint16(28, 8, true);
  view.setUint32(46, 256, true);
  for (let i = 0; i < 256; ++i) bytes.set([i, i, i, 0], 54 + 4 * i);
  const ores = [7, 12, 13, 14, 15];
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const dx = (x - width / 2) / (width / 2);
      const dy = (y - height / 2) / (height / 2);
      const r = Math.sqrt(dx * dx + dy * dy);
      let index = 0;
      if (r > 0.85 || (strait && Math.abs(dx) < 0.3)) index = 1;
      else if (Math.abs(dx + 0.3) < 0.12 && Math.abs(dy - 0.2) < 0.15) index = 17;
      else if (Math.abs(dy + 0.35 - 0.05 * (variant % 3)) < 0.07) index = ores[(x >> 3) % ores.length];
      else if (dx > 0.4 && dy > 0.1) index = 10;
      else if (dx < -0.3 && dy < -0.5) index = 6;
      else index = (x * 7 + y * 3 + variant) % 5 === 0 ? 2 : 0;
      // Rows are stored bottom-up.
      bytes[dataOffset + (height - 1 - y) * stride + x] = index;
    }
  }
  return bytes;
}
