#include "model/messages.hpp"

#include <gtest/gtest.h>

#include <set>

namespace swd {
namespace {

TEST(Messages, ArgumentsGoInOnceEachWhateverTheyHold) {
  EXPECT_EQ(FillPlaceholders("%2 vor %1", {"a", "b"}), "b vor a");
  // An argument that itself holds a placeholder is not filled again.
  EXPECT_EQ(FillPlaceholders("%1 und %2", {"%2", "x"}), "%2 und x");
  // A percent sign without a digit, or without its argument, stays as it is.
  EXPECT_EQ(FillPlaceholders("100 %, %1 %3", {"a"}), "100 %, a %3");
}

TEST(Messages, NestedMessagesAndVerbatimTextsMakeTheGermanSentence) {
  const Message m(
      MessageKey::SettingOutOfRange,
      {Message(MessageKey::SettingClassSlider, {MessageKey::SliderAmount, MessageKey::ClassSwamps}),
       Message::Number(12), Message::Number(0), Message::Verbatim("10")});
  EXPECT_EQ(m.German(),
            "Der Regler \u201EAnzahl\u201C für \u201ESümpfe\u201C steht auf 12, möglich sind 0 "
            "bis 10.");
  EXPECT_EQ(Message(MessageKey::PictureMissing).WithFirst(Message::Verbatim("a.bmp")).German(),
            "Das Bild \u201Ea.bmp\u201C gibt es nicht.");
  EXPECT_TRUE(Message().empty());
  EXPECT_FALSE(Message::Verbatim("").empty());
  EXPECT_EQ(Message().German(), "");
  EXPECT_STREQ(GermanText(MessageKey::None), "");
  EXPECT_STREQ(GermanText(MessageKey::StatusDone), "Fertig !!!");
}

TEST(Messages, EveryKeyHasItsOwnNameAndUsesItsPlaceholdersFromOneUp) {
  std::set<std::string_view> names;
  for (const MessageEntry& e : kMessageTable) {
    EXPECT_EQ(FindMessage(e.key), &e);
    EXPECT_TRUE(names.insert(e.name).second) << e.name;
    // %1 .. %n each at least once, nothing above n: a translation can match them.
    int highest = 0;
    std::set<int> used;
    for (std::size_t i = 0; i + 1 < e.german.size(); ++i) {
      if (e.german[i] == '%' && e.german[i + 1] >= '1' && e.german[i + 1] <= '9') {
        used.insert(e.german[i + 1] - '0');
        highest = std::max(highest, e.german[i + 1] - '0');
      }
    }
    EXPECT_EQ(static_cast<int>(used.size()), highest) << e.name;
  }
}

}  // namespace
}  // namespace swd
