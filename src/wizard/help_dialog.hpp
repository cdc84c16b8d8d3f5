#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace swd::wizard {

// The help of a page (help_texts.hpp), beside the wizard's window; it stays open while
// the user goes on with the page.
class HelpDialog : public QDialog {
  Q_OBJECT

 public:
  explicit HelpDialog(QWidget* parent);

  void ShowText(const QString& caption, const QString& rich_text);
  QString Text() const;
  QPushButton* CloseButton() const { return close_; }

 private:
  QLabel* text_;
  QPushButton* close_;
};

}  // namespace swd::wizard
