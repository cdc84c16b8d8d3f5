#include "wizard/navigation.hpp"

namespace swd::wizard {

std::optional<PageId> NextPage(PageId page, const GeneratorSettings& s) {
  switch (page) {
    case PageId::Size:
      return PageId::TypeAndPlayers;
    case PageId::TypeAndPlayers:
      if (!s.CheckErwEinst) return PageId::Generation;
      return s.CheckInsel ? PageId::BaseShape : PageId::Proportions;
    case PageId::BaseShape:
      return PageId::Proportions;
    case PageId::Proportions:
      return PageId::Summary;
    case PageId::Summary:
      return PageId::Generation;
    case PageId::Generation:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<PageId> PreviousPage(PageId page, const GeneratorSettings& s) {
  switch (page) {
    case PageId::Size:
      return std::nullopt;
    case PageId::TypeAndPlayers:
      return PageId::Size;
    case PageId::BaseShape:
      return PageId::TypeAndPlayers;
    case PageId::Proportions:
      return s.CheckInsel ? PageId::BaseShape : PageId::TypeAndPlayers;
    case PageId::Summary:
      return s.CheckErwEinst ? PageId::Proportions : PageId::TypeAndPlayers;
    case PageId::Generation:
      return s.CheckErwEinst ? PageId::Summary : PageId::TypeAndPlayers;
  }
  return std::nullopt;
}

}  // namespace swd::wizard
