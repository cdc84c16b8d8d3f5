#include "model/settings_check.hpp"

#include <array>

#include "model/terrain.hpp"

namespace swd {

namespace {

struct ShapeChoice {
  float code, shaped, symmetric;
  RunShape shape;
};
constexpr ShapeChoice kShapeChoices[] = {
    {0, 0, 0, {BaseShape::Island, false}},         {0, 0, 1, {BaseShape::Island, true}},
    {1, 1, 0, {BaseShape::Spiral, false}},         {2, 1, 0, {BaseShape::Ring, false}},
    {3, 1, 0, {BaseShape::SpiralWithRing, false}}, {4, 1, 0, {BaseShape::Picture, false}},
};

// A slider of a detail dialog and the range its control allows.
struct DialogSlider {
  MessageKey caption;
  int GeneratorSettings::*level;
  int lo, hi;
};
constexpr DialogSlider kDialogSliders[] = {
    {MessageKey::SliderCoast, &GeneratorSettings::CoastRoughness, 0, 10},
    {MessageKey::SliderLargeGraniteCount, &GeneratorSettings::SliderGrGranitAz, 0, 10},
    {MessageKey::SliderLargeGraniteSize, &GeneratorSettings::SliderGrGranitAus, 0, 10},
    {MessageKey::SliderSmallGraniteCount, &GeneratorSettings::SliderKlGranitAz, 0, 15},
    {MessageKey::SliderSmallGraniteFill, &GeneratorSettings::SliderKlGranitAus, 0, 10},
    {MessageKey::SliderTreeGroups, &GeneratorSettings::SliderBaumgruppen, 0, 15},
};

constexpr std::array<MessageKey, 3> kGroupCaptions{MessageKey::SliderAmount, MessageKey::SliderSize,
                                                   MessageKey::SliderDecoration};
constexpr std::array<MessageKey, 6> kSpecies{MessageKey::AnimalHares, MessageKey::AnimalFoxes,
                                             MessageKey::AnimalStags, MessageKey::AnimalDeer,
                                             MessageKey::AnimalDucks, MessageKey::AnimalSheep};
constexpr int kLastLevel = 10;
constexpr int kLastAnimalLevel = 20;

Message OutOfRange(Message what, long value, int lo, int hi) {
  return {MessageKey::SettingOutOfRange,
          {std::move(what), Message::Number(value), Message::Number(lo), Message::Number(hi)}};
}

bool Outside(long value, int lo, int hi) {
  return value < lo || value > hi;
}

constexpr int kSizeStep = 16;

Message CheckSize(MessageKey what, int side) {
  if (Outside(side, 32, 256) || side % kSizeStep != 0) {
    return {MessageKey::SettingOutOfSteps,
            {what, Message::Number(side), Message::Number(32), Message::Number(256),
             Message::Number(kSizeStep)}};
  }
  return {};
}

// The sliders of the proportions page, by group and class.
Message CheckProportions(const GeneratorSettings& s) {
  const std::array<const std::array<int, 11>*, 3> groups{&s.Slider1, &s.Slider2, &s.Slider3};
  for (std::size_t k = 0; k < groups.size(); ++k) {
    for (int c = 0; c < kClassCount; ++c) {
      const int level = (*groups[k])[c];
      if (!Outside(level, 0, kLastLevel)) continue;
      const MessageKey name = ClassNameKey(s.LandscapeType, c);
      const Message what = name == MessageKey::None
                               ? Message(MessageKey::SettingClassNumberSlider,
                                         {kGroupCaptions[k], Message::Number(c)})
                               : Message(MessageKey::SettingClassSlider, {kGroupCaptions[k], name});
      return OutOfRange(what, level, 0, kLastLevel);
    }
  }
  return {};
}

Message CheckResourceShares(const ResourceShareSet& r) {
  const std::pair<MessageKey, int> shares[] = {{MessageKey::TreasureCoal, r.coal},
                                               {MessageKey::TreasureGold, r.gold},
                                               {MessageKey::TreasureIron, r.iron},
                                               {MessageKey::TreasureGranite, r.granite}};
  long sum = 0;
  for (const auto& [name, share] : shares) {
    if (Outside(share, 0, 100)) {
      return OutOfRange(Message(MessageKey::SettingShare, {name}), share, 0, 100);
    }
    sum += share;
  }
  if (sum != 100) return {MessageKey::SettingSharesSum, {Message::Number(sum)}};
  return {};
}

}  // namespace

std::optional<RunShape> ShapeOf(const GeneratorSettings& s) {
  for (const ShapeChoice& k : kShapeChoices) {
    if (s.ShapeCode == k.code && s.ShapedBase == k.shaped && s.SymmetricBase == k.symmetric) {
      return k.shape;
    }
  }
  return std::nullopt;
}

Message CheckSettings(const GeneratorSettings& s) {
  if (auto problem = CheckSize(MessageKey::SettingMapWidth, s.MapWidth); !problem.empty()) {
    return problem;
  }
  if (auto problem = CheckSize(MessageKey::SettingMapHeight, s.MapHeight); !problem.empty()) {
    return problem;
  }
  if (s.LandscapeType > Winterland) {
    return {MessageKey::SettingUnknownType, {Message::Number(s.LandscapeType)}};
  }
  if (Outside(s.PlayerCount, 1, 7)) {
    return OutOfRange(MessageKey::SettingPlayerCount, s.PlayerCount, 1, 7);
  }
  const auto shape = ShapeOf(s);
  if (!shape) return MessageKey::SettingUnknownShape;
  if (s.CheckErwEinst && shape->shape == BaseShape::Picture && s.PicturePath.empty()) {
    return MessageKey::PictureNotChosen;
  }
  if (auto problem = CheckProportions(s); !problem.empty()) return problem;
  for (const DialogSlider& d : kDialogSliders) {
    const int level = s.*d.level;
    if (Outside(level, d.lo, d.hi)) {
      return OutOfRange(Message(MessageKey::SettingSlider, {d.caption}), level, d.lo, d.hi);
    }
  }
  for (std::size_t k = 0; k < kSpecies.size(); ++k) {
    const int level = s.SliderTiere[k + 1];
    if (Outside(level, 0, kLastAnimalLevel)) {
      return OutOfRange(Message(MessageKey::SettingSlider, {kSpecies[k]}), level, 0,
                        kLastAnimalLevel);
    }
  }
  return CheckResourceShares(s.ResourceShares);
}

}  // namespace swd
