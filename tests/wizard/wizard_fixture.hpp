#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "wizard/generation_page.hpp"
#include "wizard/services.hpp"
#include "wizard/size_page.hpp"
#include "wizard/wizard_window.hpp"

class QMessageBox;
class QSettings;
class QWidget;

namespace swd::wizard::test {

// A wizard whose program folder is a fresh temporary folder and whose file dialogs answer
// from lists the test fills (an empty answer is a cancelled dialog). It remembers nothing
// between starts unless given `settings` (the tests' own, never the user's).
struct TestWizard {
  explicit TestWizard(std::shared_ptr<QSettings> settings = nullptr);

  // Writes an 8-bit picture for "Spezial" of `width` x `height` into a folder of its own
  // and returns its path.
  QString Picture(const QString& name, int width = 128, int height = 128);

  QTemporaryDir folder;
  QTemporaryDir pictures;
  QStringList picture_answers;
  QStringList folder_answers;
  int picture_dialogs = 0;
  QStringList picture_starts;  // the folder each picture dialog opened in
  WizardServices services;
  std::unique_ptr<WizardWindow> window;
};

// Runs `action` once, as soon as `widget` is visible, from inside whatever modal loop
// shows it, and closes the widget if a check in `action` failed. The returned object stops
// watching when destroyed.
class WhenShown {
 public:
  WhenShown(QWidget& widget, std::function<void()> action);
  ~WhenShown();
  WhenShown(const WhenShown&) = delete;
  WhenShown& operator=(const WhenShown&) = delete;
  bool Done() const;

 private:
  struct Watch;
  std::unique_ptr<Watch> watch_;
};

// Runs `action` on the next message box, from inside its modal loop; closes the box if a
// check in `action` failed.
void OnNextMessageBox(std::function<void(QMessageBox&)> action);

// The files directly in a folder.
QStringList FilesIn(const QString& folder);

}  // namespace swd::wizard::test
