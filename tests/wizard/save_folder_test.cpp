// Where the save dialog starts. The settings live in a temporary file and the home folder
// is a temporary one, so that the tests never read or change the user's own.
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "wizard/save_folder.hpp"

namespace swd::wizard {

class SaveFolderTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("HOME", QFile::encodeName(home_.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
  }

  void StartsInTheFolderLastSavedToWhileItCanBeWritten() {
    QTemporaryDir program;
    QTemporaryDir chosen;
    const QString file = home_.filePath("swdgen-wizard.conf");
    {
      QSettings settings(file, QSettings::IniFormat);
      QCOMPARE(StartSaveFolder(program.path(), &settings), program.path());
      RememberSaveFolder(&settings, chosen.path());
    }
    QSettings next_start(file, QSettings::IniFormat);
    QCOMPARE(StartSaveFolder(program.path(), &next_start), chosen.path());
    QVERIFY(chosen.remove());
    QCOMPARE(StartSaveFolder(program.path(), &next_start), program.path());
  }

  void AnUnwritableProgramFolderLeadsToTheDocuments() {
    // Tests may run as root, who can write anywhere: a folder that is not there stands
    // for the installed program's.
    const QString installed = home_.filePath("usr-games");
    QVERIFY(!FolderWritable(installed));
    QCOMPARE(StartSaveFolder(installed, nullptr), home_.path());  // no documents folder yet
    QVERIFY(QDir(home_.path()).mkdir("Documents"));
    QCOMPARE(StartSaveFolder(installed, nullptr), home_.filePath("Documents"));
  }

 private:
  QTemporaryDir home_;
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::SaveFolderTest)
#include "save_folder_test.moc"
