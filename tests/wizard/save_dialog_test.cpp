#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "wizard/save_dialog.hpp"
#include "wizard/save_folder.hpp"
#include "wizard/services.hpp"
#include "wizard/window_placement.hpp"
#include "wizard_fixture.hpp"

namespace swd::wizard {

using test::OnNextMessageBox;
using test::WhenShown;

namespace {

struct Fixture {
  Fixture() {
    services.program_folder = folder.path();
    services.choose_folder = [this](QWidget*, const QString&) {
      ++folder_dialogs;
      return folder_answers.isEmpty() ? QString() : folder_answers.takeFirst();
    };
  }
  SaveTarget Proposal() const {
    return {folder.path().toStdString(), "Karte007", "Phantasia-Zufall"};
  }

  QTemporaryDir folder;
  WizardServices services;
  QStringList folder_answers;
  int folder_dialogs = 0;
  SaveDialog dialog{services, nullptr};
};

}  // namespace

class SaveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheProposalsAndAcceptsThem() {
    Fixture f;
    std::optional<SaveTarget> answer;
    WhenShown ok(f.dialog, [&] {
      QCOMPARE(f.dialog.windowTitle(), QString("Datei speichern"));
      QCOMPARE(f.dialog.NameField()->text(), QString("Karte007"));
      QCOMPARE(f.dialog.TitleField()->text(), QString("Phantasia-Zufall"));
      QCOMPARE(f.dialog.NameField()->maxLength(), 12);  // 8 and a ".swd" typed out of habit
      QCOMPARE(f.dialog.TitleField()->maxLength(), 16);
      QVERIFY(f.dialog.Message().isEmpty());
      QVERIFY(f.dialog.FolderButton()->isVisible());  // another folder may be chosen at any time
      f.dialog.OkButton()->click();
    });
    answer = f.dialog.Ask(f.Proposal(), "");
    QVERIFY(ok.Done());
    QVERIFY(answer.has_value());
    QCOMPARE(answer->name, std::string("Karte007"));
    QCOMPARE(answer->title, std::string("Phantasia-Zufall"));
    QCOMPARE(QString::fromStdString(answer->folder.string()), f.folder.path());
  }

  void TheStartObjectsBoxStartsTickedAndKeepsItsStateFromSaveToSave() {
    Fixture f;
    const auto answer = [&f](std::optional<bool> tick) {
      WhenShown ok(f.dialog, [&f, tick] {
        if (tick) f.dialog.StartObjectsBox()->setChecked(*tick);
        f.dialog.OkButton()->click();
      });
      const auto target = f.dialog.Ask(f.Proposal(), "");
      return target && target->start_objects;
    };
    QCOMPARE(f.dialog.StartObjectsBox()->text(), QString("Startpositionen als Objekte eintragen"));
    QVERIFY(answer(std::nullopt));
    QVERIFY(!answer(false));
    // The next save of the program run asks with the box as the user left it.
    QVERIFY(!answer(std::nullopt));
    QVERIFY(answer(true));
    QVERIFY(answer(std::nullopt));
    const auto* use = f.dialog.findChild<QLabel*>("Label_Startobjekte");
    QVERIFY(use != nullptr);
    QVERIFY(use->text().contains("Return to the Roots"));
  }

  void OffersTheGamesMapsFolderWhereItExists() {
    QTemporaryDir user_data;
    qputenv("RTTR_USERDATA_DIR", user_data.path().toLocal8Bit());
    Fixture f;
    const auto shown = [&f] {
      bool visible = false;
      WhenShown cancel(f.dialog, [&] {
        visible = f.dialog.GameFolderButton()->isVisible();
        if (visible) f.dialog.GameFolderButton()->click();
        f.dialog.OkButton()->click();
      });
      const auto target = f.dialog.Ask(f.Proposal(), "");
      return std::pair{visible, target ? QString::fromStdString(target->folder.string()) : ""};
    };
    QCOMPARE(shown(), std::pair(false, f.folder.path()));
    QVERIFY(QDir(user_data.path()).mkdir("WORLDS"));
    const QString worlds = QDir(user_data.path()).filePath("WORLDS");
    QCOMPARE(shown(), std::pair(true, worlds));
    QCOMPARE(f.dialog.GameFolderButton()->text(),
             QString("In den Kartenordner von Return to the Roots"));
    qunsetenv("RTTR_USERDATA_DIR");
  }

  void QtsFileDialogsShowWholeSizesAndDates() {
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath("Karte.bmp"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(17 * 1024 + 3, 'x'));
    file.close();
    QVERIFY(QDir(folder.path()).mkdir("Unterordner"));
    for (const auto& dialog :
         {MakePictureDialog(nullptr, folder.path()), MakeFolderDialog(nullptr, folder.path())}) {
      dialog->setViewMode(QFileDialog::Detail);
      dialog->show();
      auto* tree = dialog->findChild<QTreeView*>("treeView");
      QVERIFY(tree != nullptr);
      QTRY_VERIFY(tree->model()->rowCount(tree->rootIndex()) > 0);
      QTest::qWait(50);
      const QAbstractItemModel& model = *tree->model();
      for (int row = 0; row < model.rowCount(tree->rootIndex()); ++row) {
        for (const int column : {1, 3}) {  // size and date
          const QModelIndex cell = model.index(row, column, tree->rootIndex());
          QVERIFY2(tree->columnWidth(column) >= tree->sizeHintForIndex(cell).width(),
                   qPrintable(QString("%1: %2 < %3")
                                  .arg(model.data(cell).toString())
                                  .arg(tree->columnWidth(column))
                                  .arg(tree->sizeHintForIndex(cell).width())));
        }
      }
      dialog->hide();
    }
  }

  void OkOnlyWhenBothFieldsHoldText() {
    Fixture f;
    WhenShown check(f.dialog, [&] {
      QVERIFY(f.dialog.OkButton()->isEnabled());
      f.dialog.NameField()->clear();
      QVERIFY(!f.dialog.OkButton()->isEnabled());
      f.dialog.NameField()->setText("A");
      f.dialog.TitleField()->clear();
      QVERIFY(!f.dialog.OkButton()->isEnabled());
      f.dialog.TitleField()->setText("B");
      QVERIFY(f.dialog.OkButton()->isEnabled());
      f.dialog.CancelButton()->click();
    });
    QVERIFY(!f.dialog.Ask(f.Proposal(), "").has_value());
    QVERIFY(check.Done());
  }

  void RefusesBadNamesAndTitlesInGerman_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::newRow("path") << "../Karte"
                          << "Titel"
                          << "Der Dateiname darf nur Buchstaben (ohne Umlaute), Ziffern, '-' und "
                             "'_' enthalten.";
    QTest::newRow("umlaut") << "Größe"
                            << "Titel"
                            << "Der Dateiname darf nur Buchstaben (ohne Umlaute), Ziffern, '-' "
                               "und '_' enthalten.";
    QTest::newRow("blank") << "Karte 1"
                           << "Titel"
                           << "Der Dateiname darf nur Buchstaben (ohne Umlaute), Ziffern, '-' und "
                              "'_' enthalten.";
    QTest::newRow("long") << "Karte0071"
                          << "Titel"
                          << "Der Dateiname darf höchstens 8 Zeichen lang sein.";
    QTest::newRow("euro") << "Karte1"
                          << "Preis 5 €"
                          << "Der Landschaftsname enthält ein Zeichen, das das Spiel nicht "
                             "darstellen kann.";
  }

  void RefusesBadNamesAndTitlesInGerman() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, message);
    Fixture f;
    WhenShown act(f.dialog, [&] {
      f.dialog.NameField()->setText(name);
      f.dialog.TitleField()->setText(title);
      f.dialog.OkButton()->click();
      QVERIFY(f.dialog.isVisible());
      QCOMPARE(f.dialog.Message(), message);
      f.dialog.NameField()->setText("Karte1");
      f.dialog.TitleField()->setText("Grüne Aue");
      f.dialog.OkButton()->click();
    });
    const auto answer = f.dialog.Ask(f.Proposal(), "");
    QVERIFY(act.Done());
    QVERIFY(answer.has_value());
    QCOMPARE(answer->name, std::string("Karte1"));
    QCOMPARE(QString::fromStdString(answer->title), QString("Grüne Aue"));
    QVERIFY(test::FilesIn(f.folder.path()).isEmpty());
  }

  void ARefusalGoesOnceMendedAndATypedSwdIsDropped() {
    Fixture f;
    WhenShown act(f.dialog, [&] {
      f.dialog.NameField()->setText("Karte 1");
      f.dialog.OkButton()->click();
      QVERIFY(!f.dialog.Message().isEmpty());
      f.dialog.NameField()->setText("karte.swd");
      QVERIFY2(f.dialog.Message().isEmpty(), qPrintable(f.dialog.Message()));
      f.dialog.OkButton()->click();
    });
    const auto answer = f.dialog.Ask(f.Proposal(), "");
    QVERIFY(act.Done());
    QVERIFY(answer.has_value());
    QCOMPARE(answer->name, std::string("karte"));
  }

  void AnExistingMapIsReplacedOnlyWhenTheUserSaysSo() {
    Fixture f;
    for (const char* file : {"Karte007.swd", "Karte007.bmp"}) {
      QFile existing(f.folder.filePath(file));
      QVERIFY(existing.open(QIODevice::WriteOnly));
    }
    QStringList questions;
    bool no_by_default = false;
    WhenShown act(f.dialog, [&] {
      OnNextMessageBox([&](QMessageBox& box) {
        questions << box.text();
        no_by_default = box.defaultButton() == box.button(QMessageBox::No);
        QTest::keyClick(&box, Qt::Key_Return);
      });
      f.dialog.OkButton()->click();
      QVERIFY(f.dialog.isVisible());
      OnNextMessageBox([&](QMessageBox& box) {
        questions << box.text();
        box.button(QMessageBox::Yes)->click();
      });
      f.dialog.OkButton()->click();
    });
    const auto answer = f.dialog.Ask(f.Proposal(), "");
    QVERIFY(act.Done());
    QVERIFY(answer.has_value());
    QVERIFY(no_by_default);
    QCOMPARE(questions.size(), 2);
    QCOMPARE(questions[0], "Karte007.swd und Karte007.bmp gibt es im Ordner " +
                               QDir::toNativeSeparators(f.folder.path()) + " schon. Ersetzen?");
  }

  void OpensBesideWhatItMustNotCover_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("keep_clear");
    QTest::addColumn<QPoint>("at");
    const QRect desktop(0, 0, 1920, 1080);
    QTest::newRow("right") << desktop << QRect(700, 300, 400, 400) << QPoint(1112, 399);
    QTest::newRow("left, no room right")
        << desktop << QRect(1400, 300, 400, 400) << QPoint(928, 399);
    QTest::newRow("below, no room aside")
        << QRect(0, 0, 800, 800) << QRect(200, 200, 400, 400) << QPoint(169, 600);
    QTest::newRow("covering least")
        << QRect(0, 0, 800, 600) << QRect(100, 100, 600, 400) << QPoint(169, 400);
  }

  void OpensBesideWhatItMustNotCover() {
    QFETCH(QRect, screen);
    QFETCH(QRect, keep_clear);
    QFETCH(QPoint, at);
    QCOMPARE(PositionBeside(keep_clear, QSize(460, 200), screen), at);
  }

  void AbbruchWritesNothing() {
    Fixture f;
    WhenShown cancel(f.dialog, [&] { f.dialog.CancelButton()->click(); });
    QVERIFY(!f.dialog.Ask(f.Proposal(), "").has_value());
    QVERIFY(cancel.Done());
    QVERIFY(test::FilesIn(f.folder.path()).isEmpty());
  }

  void UnwritableFolderOffersAnother() {
    Fixture f;
    const QString missing = f.folder.filePath("gibt-es-nicht");
    QVERIFY(!FolderWritable(missing));
    QVERIFY(FolderWritable(f.folder.path()));
    QTemporaryDir other;
    f.folder_answers = {"", other.path()};
    SaveTarget proposal = f.Proposal();
    proposal.folder = missing.toStdString();
    WhenShown act(f.dialog, [&] {
      QVERIFY(f.dialog.Message().contains(QDir::toNativeSeparators(missing)));
      QVERIFY(f.dialog.Message().contains("Bitte einen anderen Ordner wählen"));
      QVERIFY(f.dialog.FolderButton()->isVisible());
      f.dialog.OkButton()->click();  // refused, the folder is still unwritable
      QVERIFY(f.dialog.isVisible());
      f.dialog.NameField()->setText("Karte2");  // mends nothing about the folder
      QVERIFY(f.dialog.Message().contains("Bitte einen anderen Ordner wählen"));
      f.dialog.FolderButton()->click();  // the folder dialog is cancelled
      QCOMPARE(f.dialog.Folder(), missing);
      f.dialog.FolderButton()->click();
      QCOMPARE(f.dialog.Folder(), other.path());
      QVERIFY(f.dialog.Message().isEmpty());
      f.dialog.OkButton()->click();
    });
    const auto answer = f.dialog.Ask(proposal, "");
    QVERIFY(act.Done());
    QCOMPARE(f.folder_dialogs, 2);
    QVERIFY(answer.has_value());
    QCOMPARE(QString::fromStdString(answer->folder.string()), other.path());
  }

  void AFailedWriteIsShownAndAnotherFolderOffered() {
    Fixture f;
    const QString problem =
        "Die Datei A.swd konnte im Ordner /x nicht gespeichert werden: "
        "kein Platz mehr auf dem Datenträger.";
    WhenShown act(f.dialog, [&] {
      QCOMPARE(f.dialog.Message(), problem);
      QVERIFY(f.dialog.FolderButton()->isVisible());
      f.dialog.CancelButton()->click();
    });
    QVERIFY(!f.dialog.Ask(f.Proposal(), problem).has_value());
    QVERIFY(act.Done());
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::SaveDialogTest)
#include "save_dialog_test.moc"
