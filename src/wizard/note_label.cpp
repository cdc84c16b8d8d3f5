#include "wizard/note_label.hpp"

#include <QLabel>

namespace swd::wizard {

QLabel* NoteLabel(const char* object_name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(object_name);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->hide();
  return label;
}

void SetNote(QLabel& label, const QString& text, bool warning) {
  label.setText(text);
  // The save dialog's colour for what needs the user's attention.
  label.setStyleSheet(warning ? "color: #b00000;" : QString());
  label.setVisible(!text.isEmpty());
}

}  // namespace swd::wizard
