#pragma once

#include <QWidget>

class QBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace swd::wizard {

// One page of the wizard: its caption (shown as the window title), what it does each
// time it is shown, and its row of buttons. Pages are only hidden, never destroyed, so
// their controls keep their states for the whole program run.
class WizardPage : public QWidget {
  Q_OBJECT

 public:
  enum Button { Help = 1, Back = 2, Cancel = 4, Next = 8 };

  WizardPage(const QString& caption, QWidget* parent = nullptr);

  const QString& Caption() const { return caption_; }
  // Called each time the page is shown.
  virtual void Activate() {}
  // The settings were replaced as a whole (a map code): the controls show them again.
  virtual void ShowSettings() {}

  QPushButton* NextButton() const { return next_; }
  QPushButton* BackButton() const { return back_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return help_; }

 signals:
  void nextRequested();
  void backRequested();
  void quitRequested();
  // "&Hilfe": the window shows the page's help.
  void helpRequested();

 protected:
  // The page's content goes above the button row.
  QVBoxLayout* Content() const { return content_; }
  // Adds the buttons, in the order "&Hilfe", "<< &Zurück", "&Abbruch", "&Weiter >>".
  // "&Weiter >>" calls LeavePage() first.
  void AddButtons(int buttons);
  virtual void LeavePage() {}
  // For a page with its own button row: the button that leads back, and "&Hilfe".
  void SetBackButton(QPushButton* button);
  QPushButton* MakeHelpButton();
  // Enter or Return means "&Weiter >>", unless the focus is on a button of the page,
  // which it then presses, or on a control that takes the key itself.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString caption_;
  QVBoxLayout* content_;
  QPushButton* next_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

// A button whose text carries its accelerator after the "&".
QPushButton* MakeButton(const QString& text, const char* object_name, QWidget* parent);

}  // namespace swd::wizard
