#pragma once

#include <QLocale>

class QCoreApplication;

namespace swd::wizard {

// The language the program speaks, also in Qt's own dialogs (the file and folder choosers,
// the buttons of message boxes): loads Qt's translations for `language`. False when they are
// not installed; Qt's dialogs then stay English. German is the program's own language. Dates
// and sizes in the file dialogs keep the format of the user's desktop.
bool UseLanguage(QCoreApplication& app,
                 const QLocale& language = QLocale(QLocale::German, QLocale::Germany));

}  // namespace swd::wizard
