#pragma once

class QLabel;
class QString;
class QWidget;

namespace swd::wizard {

// A line under a page's choices that says something about them: hidden while it has
// nothing to say, wrapped, and in a warning colour when it warns.
QLabel* NoteLabel(const char* object_name, QWidget* parent);
void SetNote(QLabel& label, const QString& text, bool warning);

}  // namespace swd::wizard
