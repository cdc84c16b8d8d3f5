#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

#include "wizard/generation_page.hpp"
#include "wizard/preview_view.hpp"
#include "wizard/save_dialog.hpp"
#include "wizard/size_page.hpp"
#include "wizard_fixture.hpp"

namespace swd::wizard {

using test::FilesIn;
using test::TestWizard;
using test::WhenShown;

namespace {

const char* const kHint1 =
    "Erstellte Landschaften vor dem Spielen immer erst im Editor laden und abspeichern !!";

// A 32 x 32 map, reached from the size page as a user would.
void GoToGeneration(TestWizard& t) {
  t.window->Size().WidthChoice(32)->click();
  t.window->Size().HeightChoice(32)->click();
  t.window->Size().NextButton()->click();
  t.window->Page(PageId::TypeAndPlayers).NextButton()->click();
  QCOMPARE(t.window->CurrentPage(), PageId::Generation);
}

bool ButtonsEnabled(const GenerationPage& page) {
  return page.StartButton()->isEnabled() && page.EndButton()->isEnabled() &&
         page.BackButton()->isEnabled();
}

bool AllBackground(const PreviewImage& image) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (image.Get(x, y) != PreviewImage::kBackground) return false;
    }
  }
  return true;
}

}  // namespace

class GenerationTest : public QObject {
  Q_OBJECT

 private slots:
  void ActivationPreparesTheWindow() {
    TestWizard t;
    GenerationPage& page = t.window->Generation();
    page.settings().LandscapeType = Winterland;
    page.settings().MapWidth = 48;
    page.settings().MapHeight = 64;
    page.StatusBar()->showMessage("alt");
    t.window->ShowPage(PageId::Generation);
    QCOMPARE(page.TypeLabel()->text(), QString("Winterland"));
    QCOMPARE(page.HintLabel()->text(), QString(kHint1));
    QVERIFY(page.StatusBar()->currentMessage().isEmpty());
    QCOMPARE(page.generator().preview.Width(), 52);
    QCOMPARE(page.generator().preview.Height(), 68);
    QVERIFY(AllBackground(page.generator().preview));
    QCOMPARE(page.generator().tables.ClassBaseHeight[0], 18);  // the Winterland row
    QCOMPARE(page.StartButton()->text(), QString("&Start !"));
    QCOMPARE(page.EndButton()->text(), QString("&Ende"));
    QCOMPARE(page.BackButton()->text(), QString("<< &Zurück"));
    QVERIFY(page.ProgressBar()->isHidden());
  }

  void PreviewZoomIsAWholeNumberThatFits() {
    QCOMPARE(PreviewView::WholeZoom({524, 524}, {260, 260}), 2);
    QCOMPARE(PreviewView::WholeZoom({523, 900}, {260, 260}), 2);
    QCOMPARE(PreviewView::WholeZoom({519, 900}, {260, 260}), 1);
    QCOMPARE(PreviewView::WholeZoom({100, 100}, {260, 260}), 1);
    QCOMPARE(PreviewView::WholeZoom({740, 430}, {36, 36}), 11);
    QCOMPARE(PreviewView::WholeZoom({740, 430}, {132, 52}), 5);
    TestWizard t;
    GoToGeneration(t);
    const PreviewView& view = *t.window->Generation().Preview();
    QCOMPARE(view.Zoom(), PreviewView::WholeZoom(view.size() - QSize(4, 4), {36, 36}));
    QVERIFY(view.Zoom() >= 2);
  }

  void AWholeRunWritesTheMapAndKeepsThePreview() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    SaveDialog& save = page.Save();
    PreviewImage before_ok;
    QString name;
    WhenShown ok(save, [&] {
      QVERIFY(!page.StartButton()->isEnabled());
      QVERIFY(!page.EndButton()->isEnabled());
      QVERIFY(!page.BackButton()->isEnabled());
      name = save.NameField()->text();
      QVERIFY2(QRegularExpression("^Karte\\d{3}$").match(name).hasMatch(), qPrintable(name));
      QCOMPARE(save.TitleField()->text(), QString("Phantasia-Zufall"));
      QCOMPARE(save.Folder(), t.folder.path());
      page.generator().preview.Set(3, 3, Rgb{1, 2, 3});
      before_ok = page.generator().preview;
      save.OkButton()->click();
    });
    page.StartButton()->click();
    QVERIFY(ok.Done());
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::Written);
    QCOMPARE(FilesIn(t.folder.path()), (QStringList{name + ".bmp", name + ".swd"}));
    QCOMPARE(QFileInfo(t.folder.filePath(name + ".swd")).size(), 16913);
    QCOMPARE(page.StatusBar()->currentMessage(), QString("Fertig !!!"));
    QVERIFY(ButtonsEnabled(page));
    QVERIFY(page.ProgressBar()->isHidden());
    QCOMPARE(page.generator().preview.Pixels(), before_ok.Pixels());
    QCOMPARE(page.HintLabel()->text(), QString(kHint1));
  }

  void AbbruchInTheSaveDialogWritesNothingAndClearsThePreview() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    WhenShown cancel(page.Save(), [&] {
      page.generator().preview.Set(3, 3, Rgb{1, 2, 3});
      page.Save().CancelButton()->click();
    });
    page.StartButton()->click();
    QVERIFY(cancel.Done());
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::SaveCancelled);
    QVERIFY(FilesIn(t.folder.path()).isEmpty());
    QVERIFY(AllBackground(page.generator().preview));
    QVERIFY(page.StatusBar()->currentMessage().isEmpty());
    QVERIFY(ButtonsEnabled(page));
  }

  void AFailedWriteReturnsToTheDialog() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    SaveDialog& save = page.Save();
    QVERIFY(QDir(t.folder.path()).mkdir("Besetzt.swd"));
    int shown = 0;
    QString message;
    std::unique_ptr<WhenShown> watch;
    std::function<void()> answer = [&] {
      ++shown;
      if (shown == 1) {
        save.NameField()->setText("Besetzt");
        // Shown again after the failed write.
        watch = std::make_unique<WhenShown>(save, answer);
        save.OkButton()->click();
      } else {
        message = save.Message();
        QCOMPARE(save.NameField()->text(), QString("Besetzt"));
        QVERIFY(save.FolderButton()->isVisible());
        save.NameField()->setText("Frei");
        save.OkButton()->click();
      }
    };
    watch = std::make_unique<WhenShown>(save, answer);
    page.StartButton()->click();
    QCOMPARE(shown, 2);
    QVERIFY2(message.contains(t.folder.path()), qPrintable(message));
    QVERIFY2(message.contains("an dieser Stelle liegt ein Ordner"), qPrintable(message));
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::Written);
    QCOMPARE(FilesIn(t.folder.path()), (QStringList{"Frei.bmp", "Frei.swd"}));
  }

  void AnUnusablePictureIsReportedAndNothingWritten() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    page.settings().CheckErwEinst = true;
    page.settings().ShapedBase = 1;
    page.settings().ShapeCode = 4;
    page.settings().PicturePath = QDir(t.folder.path()).filePath("fehlt.bmp").toStdString();
    QString shown;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      shown = box->text();
      box->accept();
    });
    page.StartButton()->click();
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::Failed);
    QVERIFY2(shown.contains("fehlt.bmp"), qPrintable(shown));
    QVERIFY(FilesIn(t.folder.path()).isEmpty());
    QVERIFY(ButtonsEnabled(page));
  }

  void EscapeHeldCancelsAndTheNextStartRuns() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    QTest::keyPress(&page, Qt::Key_Escape);
    {
      WhenShown unexpected(page.Save(), [&] { page.Save().CancelButton()->click(); });
      page.StartButton()->click();
      QVERIFY(!unexpected.Done());
    }
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::Cancelled);
    QVERIFY(FilesIn(t.folder.path()).isEmpty());
    QVERIFY(ButtonsEnabled(page));
    QVERIFY(page.ProgressBar()->isHidden());

    QTest::keyRelease(&page, Qt::Key_Escape);
    WhenShown ok(page.Save(), [&] { page.Save().OkButton()->click(); });
    page.StartButton()->click();
    QVERIFY(ok.Done());
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::Written);
  }

  void EscapeDeliveredDuringTheRunCancelsIt() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    // Waits in the event queue until one of the run's yields delivers it.
    QCoreApplication::postEvent(&page,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    WhenShown cancel(page.Save(), [&] { page.Save().CancelButton()->click(); });
    page.StartButton()->click();
    QVERIFY(page.LastOutcome().status != RunOutcome::Status::Written);
    QVERIFY(FilesIn(t.folder.path()).isEmpty());
    QVERIFY(ButtonsEnabled(page));
    QTest::keyRelease(&page, Qt::Key_Escape);
  }

  void ClosingTheWindowDuringARunStopsItFirst() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    QSignalSpy quit(t.window.get(), &WizardWindow::quitRequested);
    QTimer::singleShot(0, t.window.get(), [&] {
      QVERIFY(page.Running());
      t.window->close();
      QCOMPARE(quit.count(), 0);
    });
    WhenShown cancel(page.Save(), [&] { page.Save().CancelButton()->click(); });
    page.StartButton()->click();
    QVERIFY(page.LastOutcome().status != RunOutcome::Status::Written);
    QCOMPARE(quit.count(), 1);
    QVERIFY(FilesIn(t.folder.path()).isEmpty());
  }

  void ZurueckFollowsTheExtendedSettings() {
    TestWizard t;
    GoToGeneration(t);
    t.window->Generation().BackButton()->click();
    QCOMPARE(t.window->CurrentPage(), PageId::TypeAndPlayers);
    t.window->Generation().settings().CheckErwEinst = true;
    t.window->ShowPage(PageId::Generation);
    t.window->Generation().BackButton()->click();
    QCOMPARE(t.window->CurrentPage(), PageId::Summary);
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::GenerationTest)
#include "generation_test.moc"
