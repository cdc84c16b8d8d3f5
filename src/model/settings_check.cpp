#include "model/settings_check.hpp"

#include "model/setting_table.hpp"
#include "model/terrain.hpp"

#include <string>

namespace swd {

namespace {

// What a problem names: the slider, share or value by its label, a class slider with the
// class as the landscape type names it.
Message WhatOf(const SettingRow& row, const GeneratorSettings& s) {
  switch (row.page) {
    case SettingPage::Proportions:
      if (row.form == SettingForm::Keyed) {
        const int terrain_class = std::stoi(std::string(row.member));
        const MessageKey name = ClassNameKey(s.LandscapeType, terrain_class);
        if (name == MessageKey::None) {
          return {MessageKey::SettingClassNumberSlider,
                  {row.label, Message::Number(terrain_class)}};
        }
        return {MessageKey::SettingClassSlider, {row.label, name}};
      }
      break;
    case SettingPage::Coast:
    case SettingPage::Granite:
    case SettingPage::TreeGroups:
    case SettingPage::Animals:
      return {MessageKey::SettingSlider, {row.label}};
    case SettingPage::Resources:
      return {MessageKey::SettingShare, {row.label}};
    default:
      break;
  }
  return {MessageKey::SettingNamed, {row.label}};
}

Message CheckRow(const SettingRow& row, const GeneratorSettings& s) {
  if (row.type == SettingType::Picture) return {};
  const int value = ValueOf(row, s);
  if (ValueIndex(row, value) >= 0) return {};
  const Message what = WhatOf(row, s);
  if (row.type != SettingType::Whole) {
    return {MessageKey::SettingUnknownChoice, {what, Message::Number(value)}};
  }
  if (row.step != 1) {
    return {MessageKey::SettingOutOfSteps,
            {what, Message::Number(value), Message::Number(row.lo), Message::Number(row.hi),
             Message::Number(row.step)}};
  }
  return {MessageKey::SettingOutOfRange,
          {what, Message::Number(value), Message::Number(row.lo), Message::Number(row.hi)}};
}

}  // namespace

Message CheckSettings(const GeneratorSettings& s) {
  for (const SettingRow& row : SettingRows()) {
    if (Message problem = CheckRow(row, s); !problem.empty()) return problem;
  }
  if (s.CheckErwEinst && s.land_shape == LandShape::Picture && s.PicturePath.empty()) {
    return MessageKey::PictureNotChosen;
  }
  const ResourceShareSet& r = s.ResourceShares;
  if (const long sum = long{r.coal} + r.gold + r.iron + r.granite; sum != 100) {
    return {MessageKey::SettingSharesSum, {Message::Number(sum)}};
  }
  return {};
}

}  // namespace swd
