#pragma once

#include <optional>

#include "model/settings.hpp"

namespace swd::wizard {

enum class PageId { Size, TypeAndPlayers, BaseShape, Proportions, Summary, Generation };

// Where "&Weiter >>" and "<< &Zurück" lead from a page, by the two check boxes of the
// size page. No value: the page has no such button.
std::optional<PageId> NextPage(PageId page, const GeneratorSettings& s);
std::optional<PageId> PreviousPage(PageId page, const GeneratorSettings& s);

}  // namespace swd::wizard
