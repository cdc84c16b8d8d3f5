#pragma once

#include "model/settings.hpp"
#include "wizard/detail_dialog.hpp"

namespace swd::wizard {

// The granite dialog: number and size of the large granite fields, frequency and fill of the
// small granite clusters.
class GraniteDialog : public DetailDialog {
  Q_OBJECT

 public:
  GraniteDialog(GeneratorSettings& settings, QWidget* parent);
};

}  // namespace swd::wizard
