#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "wizard/language.hpp"

class QFileDialog;
class QSettings;
class QWidget;

namespace swd::wizard {

// A seed from the system's random source, as `swdgen generate` draws it.
std::uint32_t DrawSystemSeed();

// What the wizard asks of its surroundings. The program uses the real file dialogs, the
// system's random source and its own folder; the tests put in their own answers.
struct WizardServices {
  // The program's own folder: where pictures are looked for first, and where maps are
  // saved when it can be written and the user has chosen no other (save_folder.hpp).
  QString program_folder;
  // What the wizard remembers from one start to the next; null: nothing is remembered.
  std::shared_ptr<QSettings> settings;
  // The "Laden" dialog for the picture of the "Spezial" shape; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& start_folder)> choose_picture;
  // A folder dialog for saving elsewhere; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& start_folder)> choose_folder;
  // The seed of a run whose "Startwert" is empty, drawn as `swdgen generate` draws one
  // when --seed is absent; the run is then that seed's run of the command line.
  std::function<std::uint32_t()> draw_seed = DrawSystemSeed;
  // The language the user reads (language.hpp), for numbers such as the fairness index.
  QLocale language = LocaleOf(Language::German);
};

WizardServices DefaultServices();

// The two file dialogs of DefaultServices(), not yet shown: the picture for "Spezial" and
// the folder to save in.
std::unique_ptr<QFileDialog> MakePictureDialog(QWidget* parent, const QString& start_folder);
std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* parent, const QString& start_folder);

}  // namespace swd::wizard
