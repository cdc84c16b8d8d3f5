#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "wizard/language.hpp"
#include "wizard/services.hpp"

namespace swd::wizard {

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void QtsOwnDialogsSpeakGerman() {
    QVERIFY(UseLanguage(*QCoreApplication::instance()));
    QTemporaryDir folder;
    for (const auto& dialog :
         {MakePictureDialog(nullptr, folder.path()), MakeFolderDialog(nullptr, folder.path())}) {
      dialog->show();
      const auto* look_in = dialog->findChild<QLabel*>("lookInLabel");
      QVERIFY(look_in != nullptr);
      QCOMPARE(look_in->text(), QString("Suchen in:"));
      const auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
      QVERIFY(buttons != nullptr);
      QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QString("Abbrechen"));
    }
    QMessageBox question(QMessageBox::Question, "Datei speichern", "Ersetzen?",
                         QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.button(QMessageBox::Yes)->text(), QString("&Ja"));
    QCOMPARE(question.button(QMessageBox::No)->text(), QString("&Nein"));
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::LanguageTest)
#include "language_test.moc"
