#include "objects/decoration_table.hpp"

#include "model/terrain.hpp"

namespace swd {

namespace {

using Band = DecorationBand;
using Member = DecorationMember;

// Band notation: D(lo, hi, n) object n of the member's type, D(lo, hi, n, 200) with type
// 200, DR(lo, hi, a, b) an object numbered a..b at random, T(lo, hi, a, b, t) a tree a..b
// of type t.
constexpr Band D(int lo, int hi, int n, std::uint8_t type = 0) {
  return {lo, hi, Band::Object, n, n, type};
}
constexpr Band DR(int lo, int hi, int first, int last) {
  return {lo, hi, Band::DrawnObject, first, last, 0};
}
constexpr Band T(int lo, int hi, int first, int last, std::uint8_t type) {
  return {lo, hi, Band::Tree, first, last, type};
}

constexpr Band kMountainMeadows[] = {D(2, 4, 2),    D(5, 7, 3),    D(8, 11, 4),   D(12, 14, 35),
                                     D(15, 17, 36), D(18, 20, 37), D(21, 23, 38), D(24, 26, 39),
                                     D(27, 29, 40), D(30, 32, 41), D(33, 35, 42), D(36, 38, 14),
                                     D(39, 41, 15), D(42, 44, 19), D(45, 47, 20)};
constexpr Band kMountainsLate[] = {D(0, 2, 2),    D(3, 5, 3),    D(6, 8, 4),    D(9, 11, 35),
                                   D(12, 14, 36), D(15, 17, 37), D(18, 20, 38), D(21, 23, 39),
                                   D(24, 26, 40), D(27, 29, 41), D(30, 32, 42), D(33, 33, 43)};
constexpr Band kSavannas[] = {T(0, 22, 176, 181, 197)};
constexpr Band kSteppe[] = {T(0, 19, 48, 53, 197),
                            T(20, 29, 112, 117, 197),
                            T(30, 39, 240, 245, 196),
                            D(40, 44, 12),
                            D(45, 49, 13),
                            D(50, 52, 2),
                            D(53, 55, 3),
                            D(56, 58, 4),
                            D(59, 61, 35),
                            D(62, 64, 36),
                            D(65, 67, 37),
                            D(68, 70, 38),
                            D(71, 73, 39),
                            D(74, 77, 11)};
constexpr Band kWastelandA[] = {DR(0, 20, 24, 30), D(21, 23, 33), D(24, 26, 7), D(27, 29, 8),
                                D(30, 32, 11)};
constexpr Band kSwamps[] = {D(0, 4, 5),    D(5, 9, 6),    D(10, 24, 14),
                            D(25, 39, 15), D(40, 54, 19), D(55, 59, 20)};
constexpr Band kLava[] = {DR(0, 40, 24, 30), D(41, 46, 33), D(47, 52, 7), D(53, 59, 8)};
constexpr Band kShores[] = {D(0, 7, 14), D(8, 15, 15), D(24, 31, 19), D(32, 39, 20)};
constexpr Band kMeadows[] = {D(0, 4, 0),    D(5, 9, 1),    D(10, 22, 9),  D(23, 29, 10),
                             D(30, 36, 16), D(37, 43, 17), D(44, 50, 18), D(55, 59, 34),
                             D(60, 61, 2),  D(62, 63, 3),  D(64, 66, 4),  D(67, 69, 35),
                             D(70, 72, 36), D(73, 75, 37), D(76, 78, 38), D(79, 81, 39),
                             D(82, 84, 40), D(85, 87, 41), D(88, 90, 42), T(91, 95, 240, 245, 197)};
constexpr Band kPastures[] = {D(0, 4, 0),
                              D(5, 9, 1, 200),
                              D(10, 11, 10),
                              D(12, 14, 16),
                              D(15, 18, 17),
                              D(19, 25, 18),
                              D(26, 30, 34),
                              D(31, 34, 2),
                              D(35, 40, 3),
                              D(41, 46, 4),
                              D(47, 51, 35),
                              D(52, 57, 36),
                              D(58, 62, 37),
                              D(63, 68, 38),
                              D(69, 74, 39),
                              D(75, 81, 40),
                              D(82, 87, 41),
                              D(88, 90, 42),
                              T(91, 93, 240, 245, 197),
                              D(94, 97, 5),
                              D(98, 102, 6)};
constexpr Band kTundra[] = {D(0, 4, 0),    D(5, 9, 1, 200), D(10, 14, 34), D(15, 19, 2),
                            D(20, 24, 3),  D(25, 29, 4),    D(30, 34, 35), D(35, 39, 36),
                            D(40, 44, 37), D(45, 49, 38),   D(50, 54, 39), D(55, 59, 5),
                            D(60, 64, 6)};
constexpr Band kDeserts[] = {T(0, 14, 48, 53, 197),
                             T(15, 21, 112, 117, 197),
                             T(22, 37, 240, 245, 196),
                             D(38, 42, 7),
                             D(43, 47, 8),
                             D(48, 57, 12),
                             D(58, 67, 13),
                             D(68, 70, 2),
                             D(71, 73, 3),
                             D(74, 76, 4),
                             D(77, 79, 35),
                             D(80, 82, 36),
                             D(83, 85, 37),
                             D(86, 88, 38),
                             D(89, 91, 39),
                             D(92, 95, 11)};
constexpr Band kWastelandB[] = {DR(0, 60, 24, 32), D(61, 64, 33), D(65, 68, 7), D(69, 72, 8)};

constexpr unsigned G = TypeBit(0);
constexpr unsigned O = TypeBit(1);
constexpr unsigned W = TypeBit(2);

constexpr std::array<MessageKey, 3> Text(MessageKey all) {
  return {all, all, all};
}

// In the order of the Decoration enumeration.
constexpr Member kMembers[] = {
    {Text(MessageKey::StatusDecorateMountainMeadows), G | O | W, MountainMeadow, Member::AllRows,
     Member::NoExtra, 201, kMountainMeadows},
    {{MessageKey::StatusDecorateSavannas, MessageKey::StatusDecorateSteppes,
      MessageKey::StatusDecorateTundra},
     G | O | W,
     Savanna,
     Member::AllRows,
     Member::NoExtra,
     0,
     kSavannas},
    {Text(MessageKey::StatusDecorateSteppe), G, Steppe, Member::AllRows, Member::NoExtra, 201,
     kSteppe},
    {Text(MessageKey::StatusDecorateWasteland), O, Steppe, Member::AllRows, Member::NoExtra, 200,
     kWastelandA},
    {Text(MessageKey::StatusDecorateSwamps), G, Swamp, Member::AllRows, Member::NoExtra, 201,
     kSwamps},
    {Text(MessageKey::StatusDecorateLava), O, Swamp, Member::AllRows, Member::NoExtra, 200, kLava},
    {{MessageKey::StatusDecorateShores, MessageKey::StatusDecorateMoorShores,
      MessageKey::StatusDecorateShores},
     G | O,
     Water,
     Member::AllRows,
     Member::ShoreCellsOnly,
     201,
     kShores},
    {Text(MessageKey::StatusDecorateMeadows), G, OpenLand, Member::HalfAndMirror, Member::NoExtra,
     201, kMeadows},
    {Text(MessageKey::StatusDecoratePastures), O, OpenLand, Member::HalfAndMirror, Member::NoExtra,
     201, kPastures},
    {Text(MessageKey::StatusDecorateTundra), W, OpenLand, Member::AllRows, Member::NoExtra, 201,
     kTundra},
    {Text(MessageKey::StatusDecorateDeserts), G, Desert, Member::AllRows, Member::NoExtra, 201,
     kDeserts},
    {Text(MessageKey::StatusDecorateWasteland), O, Desert, Member::AllRows, Member::NoExtra, 200,
     kWastelandB},
    {Text(MessageKey::StatusDecorateMountains), G | O | W, Mountain, Member::AllRows,
     Member::NoExtra, 201, kMountainsLate},
};

}  // namespace

const DecorationBand* FindBand(std::span<const DecorationBand> bands, int h) {
  for (const DecorationBand& b : bands) {
    if (h >= b.lo && h <= b.hi) return &b;
  }
  return nullptr;
}

const DecorationMember& MemberOf(Decoration d) {
  return kMembers[static_cast<int>(d)];
}

}  // namespace swd
