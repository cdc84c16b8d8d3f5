#pragma once

#include <QDialog>
#include <vector>

#include "wizard/slider_range.hpp"

class QPushButton;
class QSlider;
class QVBoxLayout;

namespace swd::wizard {

// The frame of the small modal dialogs: their content above "&Ok" and "&Abbruch".
// "&Ok" hides the dialog and keeps the values; "&Abbruch" (also Escape and the close
// box) puts every bound slider back to its initial position, then hides the dialog.
// Each activation centres the dialog on the screen.
class DetailDialog : public QDialog {
  Q_OBJECT

 public:
  DetailDialog(const QString& caption, QWidget* parent);

  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  void reject() override;
  // The settings were replaced (a map code): the sliders show them.
  virtual void ShowSettings();

 protected:
  // Where the dialog puts its frames.
  QVBoxLayout* Body() const { return body_; }
  // Adds the Ok and Abbruch row below the body; call once the body is complete.
  void AddButtons();
  // A slider that writes `setting` whenever it moves and returns to its initial position
  // on Abbruch. It starts at the setting's current value.
  QSlider* BindSlider(const SliderRange& range, int& setting, QWidget* parent);
  // Called by Abbruch before the dialog hides.
  virtual void RestoreInitial();
  void showEvent(QShowEvent* event) override;

 private:
  struct Bound {
    QSlider* slider;
    int* setting;
    int initial;
  };
  QVBoxLayout* body_;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::vector<Bound> bound_;
};

}  // namespace swd::wizard
