#pragma once

#include "model/settings.hpp"

namespace swd {

// The resource sliders; None: no slider is being worked on.
enum class ShareKind { None = 0, Coal = 1, Gold = 2, Iron = 3, Granite = 4 };

int& ShareOf(ResourceShareSet& shares, ShareKind kind);
int ShareOf(const ResourceShareSet& shares, ShareKind kind);

// One slider was moved: `positions` holds the four slider positions, the moved one at its
// new place. The difference to its old share is spread over the other three in
// proportion to their shares, and a rounding remainder is corrected so that the total
// stays 100.
void RebalanceShares(ResourceShareSet& shares, ShareKind moved, const ResourceShareSet& positions);

}  // namespace swd
