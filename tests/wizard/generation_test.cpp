#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

#include "mapfile/swd_map.hpp"
#include "render/vertex_marks.hpp"
#include "wizard/generation_page.hpp"
#include "wizard/page_texts.hpp"
#include "wizard/preview_view.hpp"
#include "wizard/save_dialog.hpp"
#include "wizard/size_page.hpp"
#include "wizard/type_page.hpp"
#include "wizard_fixture.hpp"

namespace swd::wizard {

using test::FilesIn;
using test::OnNextMessageBox;
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
    // The map alone, without the image's border of background to the right and below.
    QCOMPARE(view.Zoom(), PreviewView::WholeZoom(view.size() - QSize(4, 4), {32, 32}));
    QVERIFY(view.Zoom() >= 2);
    QCOMPARE(view.PictureRect().size(), QSize(32, 32) * view.Zoom());
  }

  void AWholeRunWritesTheMapAndKeepsItsPreviewAndTables() {
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
      // Marks in the run's tables, which nothing may rebuild before the run has ended.
      page.generator().tables.ClassBaseHeight[1] = 99;
      page.generator().amounts.RegionCount[1] = -7;
      save.OkButton()->click();
    });
    page.StartButton()->click();
    QVERIFY(ok.Done());
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::Written);
    QCOMPARE(FilesIn(t.folder.path()), (QStringList{name + ".bmp", name + ".swd"}));
    QCOMPARE(QFileInfo(t.folder.filePath(name + ".swd")).size(), 16913);
    // A 32 x 32 map seldom has room for three headquarters.
    const QString note =
        PlayersPlacedNote(page.LastOutcome().players_placed, page.LastOutcome().players_requested);
    QCOMPARE(page.StatusBar()->currentMessage(),
             QString("Fertig !!!") + (note.isEmpty() ? "" : "  " + note));
    QVERIFY(ButtonsEnabled(page));
    QVERIFY(page.ProgressBar()->isHidden());
    QCOMPARE(page.generator().preview.Pixels(), before_ok.Pixels());
    QCOMPARE(page.generator().tables.ClassBaseHeight[1], 99);
    QCOMPARE(page.generator().amounts.RegionCount[1], -7.0f);
    QCOMPARE(page.HintLabel()->text(), QString(kHint1));
  }

  void FewerPlayersThanAskedAreReported() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    // "Insel (sym.)" places players in pairs: 7 asked, 6 placed.
    page.settings().CheckErwEinst = true;
    page.settings().land_shape = LandShape::IslandSymmetric;
    page.settings().PlayerCount = 7;
    page.settings().MapWidth = page.settings().MapHeight = 128;
    t.window->ShowPage(PageId::Generation);
    const QString note = "Nur 6 von 7 Spielern konnten platziert werden.";
    QString in_dialog, on_status_bar;
    WhenShown ok(page.Save(), [&] {
      in_dialog = page.Save().Note();
      on_status_bar = page.StatusBar()->currentMessage();
      page.Save().OkButton()->click();
    });
    page.StartButton()->click();
    QCOMPARE(page.LastOutcome().players_placed, 6);
    QCOMPARE(in_dialog, note);
    QCOMPARE(on_status_bar, note);
    QCOMPARE(page.StatusBar()->currentMessage(), "Fertig !!!  " + note);
    // The window shows what the map offers; the index compares the six starts.
    QTRY_VERIFY2(
        page.ResultLabel()->text().startsWith("Spieler platziert: 6 von 7   Fairness-Index: "),
        qPrintable(page.ResultLabel()->text()));
    QCOMPARE(page.Preview()->Markers().size(), std::size_t{6});
    // Each start's disc has the player's colour, that of `swdgen render`'s flags.
    const PreviewView& view = *page.Preview();
    const QImage shot = page.Preview()->grab().toImage();
    const int zoom = view.Zoom();
    const int radius = std::clamp(zoom * 2, 8, 14);
    for (const auto& m : view.Markers()) {
      const QPoint centre(view.PictureRect().left() + m.vertex.x() * zoom + zoom / 2,
                          view.PictureRect().top() + m.vertex.y() * zoom + zoom / 2);
      const Rgb want = swd::PlayerColour(m.player);
      QCOMPARE(shot.pixelColor(centre - QPoint(radius - 3, 0)), QColor(want.r, want.g, want.b));
    }

    QCOMPARE(PlayersPlacedNote(1, 5), QString("Nur 1 von 5 Spielern konnte platziert werden."));
    QCOMPARE(PlayersPlacedNote(0, 4), QString("Keiner der 4 Spieler konnte platziert werden."));
    QCOMPARE(PlayersPlacedNote(0, 1), QString("Der Spieler konnte nicht platziert werden."));
    QVERIFY(PlayersPlacedNote(7, 7).isEmpty());
  }

  void AMapWithoutPlayersIsSavedOnlyWhenTheUserSaysSo() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    // A "Ring" of 32 x 32 has room for no headquarters (the players page says so, too).
    page.settings().CheckErwEinst = true;
    page.settings().land_shape = LandShape::Ring;
    page.settings().PlayerCount = 7;
    t.window->ShowPage(PageId::Generation);
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
      QString asked;
      OnNextMessageBox([&](QMessageBox& box) {
        asked = box.text();
        box.button(button)->click();
      });
      WhenShown ok(page.Save(), [&] { page.Save().OkButton()->click(); });
      page.StartButton()->click();
      QCOMPARE(asked, QString("Keiner der 7 Spieler konnte platziert werden.\n\nDie Karte "
                              "trotzdem speichern?"));
      QCOMPARE(ok.Done(), button == QMessageBox::Yes);
      QCOMPARE(page.LastOutcome().status, button == QMessageBox::Yes
                                              ? RunOutcome::Status::Written
                                              : RunOutcome::Status::SaveCancelled);
      QCOMPARE(FilesIn(t.folder.path()).size(), button == QMessageBox::Yes ? 2 : 0);
    }
  }

  void AStartValueRunsAsTheCommandLinesSeedDoes() {
    TestWizard t;
    // 64 x 64 for 2 players, chosen as a user would.
    t.window->Size().WidthChoice(64)->click();
    t.window->Size().HeightChoice(64)->click();
    t.window->Size().NextButton()->click();
    t.window->Type().PlayerChoice(2)->click();
    t.window->Page(PageId::TypeAndPlayers).NextButton()->click();
    GenerationPage& page = t.window->Generation();
    SaveDialog& save = page.Save();
    const QDir folder(t.folder.path());
    const auto run = [&](const QString& start_value, const QString& name, bool start_objects) {
      page.SeedField()->setText(start_value);
      WhenShown ok(save, [&] {
        save.NameField()->setText(name);
        save.StartObjectsBox()->setChecked(start_objects);
        save.OkButton()->click();
      });
      page.StartButton()->click();
      return ok.Done() && page.LastOutcome().status == RunOutcome::Status::Written;
    };
    const auto bytes = [&](const QString& file) {
      QFile f(folder.filePath(file));
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    // A run of the wizard's own first: what it leaves in the generator must not count. It
    // draws its seed (the fixture's 4) and is that seed's run of the command line.
    QVERIFY(run("", "Frei", false));
    QCOMPARE(page.LastSeed(), 4u);
    QTRY_VERIFY2(page.ResultLabel()->text().endsWith("   Startwert: 4"),
                 qPrintable(page.ResultLabel()->text()));
    QVERIFY(run("7", "Eins", true));
    QVERIFY(run("4294967295", "Drei", false));
    QVERIFY(run(" 7 ", "Zwei", true));

    for (const auto& [seed, objects, name] :
         {std::tuple{"7", true, "Eins"}, std::tuple{"4294967295", false, "Drei"},
          std::tuple{"4", false, "Frei"}}) {
      QStringList arguments{"generate", "--seed",   seed,    "--width",
                            "64",       "--height", "64",    "--players",
                            "2",        "--quiet",  "--out", folder.filePath("cli.swd")};
      if (!objects) arguments << "--no-start-objects";
      QProcess cli;
      cli.start(SWDGEN_CLI, arguments);
      QVERIFY(cli.waitForFinished(120000));
      QCOMPARE(cli.exitCode(), 0);
      QVERIFY(!bytes("cli.swd").isEmpty());
      QCOMPARE(bytes(QString(name) + ".swd"), bytes("cli.swd"));
      QCOMPARE(bytes(QString(name) + ".bmp"), bytes("cli.bmp"));
    }
    QCOMPARE(bytes("Zwei.swd"), bytes("Eins.swd"));
    QVERIFY(bytes("Frei.swd") != bytes("Eins.swd"));
    // The starts drawn over the preview are those of the map's objects.
    const QByteArray saved = bytes("Zwei.swd");
    const SwdMapRead map = ReadSwdMap(std::vector<std::uint8_t>(saved.begin(), saved.end()));
    QVERIFY(map.map.has_value());
    QTRY_COMPARE(page.Preview()->Markers().size(), std::size_t{2});
    const auto& markers = page.Preview()->Markers();
    for (const auto& m : markers) {
      QCOMPARE(m.vertex.x(), int(map.map->header.hq_x[m.player].value_or(999)));
      QCOMPARE(m.vertex.y(), int(map.map->header.hq_y[m.player].value_or(999)));
    }
  }

  void AStartValueThatIsNoSeedIsRefusedBeforeTheRun() {
    QCOMPARE(ParseStartValue("").seed, std::nullopt);
    QVERIFY(ParseStartValue(" ").valid);
    QCOMPARE(ParseStartValue(" 0 ").seed, std::optional<std::uint32_t>(0));
    QCOMPARE(ParseStartValue("4294967295").seed, std::optional<std::uint32_t>(4294967295u));
    for (const char* bad :
         {"4294967296", "-1", "+3", "0x10", "1e3", "12a", "99999999999999999999"}) {
      QVERIFY2(!ParseStartValue(bad).valid, bad);
    }
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    page.SeedField()->setText("abc");
    QString shown;
    OnNextMessageBox([&](QMessageBox& box) {
      shown = box.text();
      box.accept();
    });
    page.StartButton()->click();
    QCOMPARE(shown, QString("Der Startwert muss eine ganze Zahl von 0 bis 4294967295 sein. Leer "
                            "gelassen wird jede Landschaft anders."));
    QVERIFY(FilesIn(t.folder.path()).isEmpty());
    QVERIFY(ButtonsEnabled(page));
    QVERIFY(page.SeedField()->hasFocus() || !page.window()->isActiveWindow());
  }

  void TheSaveDialogLeavesTheMapInView() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    QRect dialog, picture;
    WhenShown ok(page.Save(), [&] {
      dialog = page.Save().frameGeometry();
      picture = page.Preview()->PictureOnScreen();
      page.Save().OkButton()->click();
    });
    page.StartButton()->click();
    QVERIFY(ok.Done());
    QVERIFY(!picture.isEmpty());
    QVERIFY2(!dialog.intersects(picture), qPrintable(QString("dialog %1,%2 %3x%4")
                                                         .arg(dialog.x())
                                                         .arg(dialog.y())
                                                         .arg(dialog.width())
                                                         .arg(dialog.height())));
    QVERIFY(page.screen()->availableGeometry().contains(dialog));
  }

  void TheWindowOpensLargeEnoughForTwiceTheMapSize_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("256") << 256;
    QTest::newRow("128") << 128;
  }

  void TheWindowOpensLargeEnoughForTwiceTheMapSize() {
    QFETCH(int, size);
    TestWizard t;
    GenerationPage& page = t.window->Generation();
    page.settings().MapWidth = page.settings().MapHeight = static_cast<std::int16_t>(size);
    t.window->ShowPage(PageId::Generation);
    QApplication::processEvents();
    QVERIFY2(page.Preview()->Zoom() >= 2, qPrintable(QString::number(page.Preview()->Zoom())));
    QVERIFY(t.window->screen()->availableGeometry().contains(t.window->frameGeometry()));
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
    // The map is gone, but not without a word: the seed the run drew makes it again.
    QCOMPARE(page.StatusBar()->currentMessage(),
             QString("Nichts gespeichert. Mit dem Startwert 4 und denselben Einstellungen "
                     "entsteht dieselbe Karte noch einmal."));
    QVERIFY(ButtonsEnabled(page));
  }

  void EscapeThatClosedTheSaveDialogDoesNotStopTheNextRun() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    SaveDialog& save = page.Save();
    // Escape closes the save dialog; its release never comes back, as when a window
    // manager has handed the focus on before the key went up.
    {
      WhenShown escape(save, [&] { QTest::keyPress(save.NameField(), Qt::Key_Escape); });
      page.StartButton()->click();
      QVERIFY(escape.Done());
    }
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::SaveCancelled);
    WhenShown ok(save, [&] { save.OkButton()->click(); });
    page.StartButton()->click();
    QVERIFY(ok.Done());
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::Written);
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

  void TheFolderLastSavedToIsWhereTheNextStartSaves() {
    QTemporaryDir settings_folder;
    QTemporaryDir chosen;
    const QString file = settings_folder.filePath("swdgen-wizard.conf");
    {
      TestWizard first(std::make_shared<QSettings>(file, QSettings::IniFormat));
      first.folder_answers = {chosen.path()};
      GoToGeneration(first);
      SaveDialog& save = first.window->Generation().Save();
      WhenShown ok(save, [&] {
        QCOMPARE(save.Folder(), first.folder.path());  // nothing remembered yet
        save.FolderButton()->click();
        save.OkButton()->click();
      });
      first.window->Generation().StartButton()->click();
      QVERIFY(ok.Done());
      QCOMPARE(FilesIn(chosen.path()).size(), 2);
    }
    TestWizard second(std::make_shared<QSettings>(file, QSettings::IniFormat));
    QCOMPARE(second.window->Generation().SaveFolder(), chosen.path());
  }

  void AFolderTheMapCouldNotGoToIsNotRemembered() {
    QTemporaryDir settings_folder;
    QTemporaryDir chosen;
    const QString file = settings_folder.filePath("swdgen-wizard.conf");
    // The folder can be written, but the map's name is taken by a folder.
    QVERIFY(QDir(chosen.path()).mkdir("Besetzt.swd"));
    TestWizard t(std::make_shared<QSettings>(file, QSettings::IniFormat));
    t.folder_answers = {chosen.path()};
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    SaveDialog& save = page.Save();
    int shown = 0;
    std::unique_ptr<WhenShown> watch;
    std::function<void()> answer = [&] {
      if (++shown == 1) {
        save.FolderButton()->click();
        save.NameField()->setText("Besetzt");
        watch = std::make_unique<WhenShown>(save, answer);
        save.OkButton()->click();
      } else {
        QCOMPARE(save.Folder(), chosen.path());  // the same run offers it again
        save.CancelButton()->click();
      }
    };
    watch = std::make_unique<WhenShown>(save, answer);
    page.StartButton()->click();
    QCOMPARE(shown, 2);
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::SaveCancelled);
    QCOMPARE(page.SaveFolder(), t.folder.path());
    TestWizard next(std::make_shared<QSettings>(file, QSettings::IniFormat));
    QCOMPARE(next.window->Generation().SaveFolder(), next.folder.path());
  }

  void AnUnusablePictureIsReportedAndNothingWritten() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    page.settings().CheckErwEinst = true;
    page.settings().land_shape = LandShape::Picture;
    page.settings().PicturePath = QDir(t.folder.path()).filePath("fehlt.bmp").toStdString();
    QString shown;
    OnNextMessageBox([&](QMessageBox& box) {
      shown = box.text();
      box.accept();
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

  void EscapeDeliveredDuringTheRunStopsIt() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    // Waits in the event queue until one of the run's yields delivers it.
    QCoreApplication::postEvent(&page,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    WhenShown unexpected(page.Save(), [&] { page.Save().CancelButton()->click(); });
    page.StartButton()->click();
    QVERIFY(!unexpected.Done());
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::Cancelled);
    QCOMPARE(page.StatusBar()->currentMessage(), QString(kRunStopped));
    QVERIFY(FilesIn(t.folder.path()).isEmpty());
    QVERIFY(ButtonsEnabled(page));
    QVERIFY(page.ProgressBar()->isHidden());
    QTest::keyRelease(&page, Qt::Key_Escape);
  }

  void ClosingTheWindowDuringARunStopsItAndEndsTheProgram() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    QSignalSpy quit(t.window.get(), &WizardWindow::quitRequested);
    bool running = false;
    // The close box: the window system's close request, delivered by one of the run's yields.
    QTimer::singleShot(0, t.window.get(), [&] {
      running = page.Running();
      QCoreApplication::postEvent(t.window->windowHandle(), new QCloseEvent);
    });
    WhenShown unexpected(page.Save(), [&] { page.Save().CancelButton()->click(); });
    page.StartButton()->click();
    QVERIFY(running);
    QVERIFY(!unexpected.Done());
    QCOMPARE(page.LastOutcome().status, RunOutcome::Status::Cancelled);
    QCOMPARE(page.StatusBar()->currentMessage(), QString(kRunStopped));
    QCOMPARE(quit.count(), 1);
    QVERIFY(FilesIn(t.folder.path()).isEmpty());
  }

  void AStopPendingWhenTheRunAsksWhereToSaveKeepsTheDialogAway() {
    TestWizard t;
    GoToGeneration(t);
    GenerationPage& page = t.window->Generation();
    const SaveTarget proposal{{}, "Karte001", "Titel"};
    {
      WhenShown unexpected(page.Save(), [&] { page.Save().CancelButton()->click(); });
      // Escape pressed after the run's last yield, not yet delivered.
      QCoreApplication::postEvent(&page,
                                  new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
      QVERIFY(!page.AskSaveTarget(proposal, {}).has_value());
      QVERIFY(!unexpected.Done());
      QTest::keyRelease(&page, Qt::Key_Escape);
    }
    // The window closed after the run's last check.
    WhenShown unexpected(page.Save(), [&] { page.Save().CancelButton()->click(); });
    page.StopRun();
    QVERIFY(!page.AskSaveTarget(proposal, {}).has_value());
    QVERIFY(!unexpected.Done());
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
