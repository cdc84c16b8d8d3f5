#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include "wizard/generation_page.hpp"
#include "wizard/help_dialog.hpp"
#include "wizard/picture_button.hpp"
#include "wizard/proportions_page.hpp"
#include "wizard/save_dialog.hpp"
#include "wizard/shape_page.hpp"
#include "wizard/size_page.hpp"
#include "wizard/type_page.hpp"
#include "wizard_fixture.hpp"

namespace swd::wizard {

using test::TestWizard;
using test::WhenShown;

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void ForwardAndBackInAllFourCombinations_data() {
    QTest::addColumn<bool>("insel");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QList<int>>("forward");
    QTest::addColumn<QList<int>>("backward");
    const int size = int(PageId::Size), type = int(PageId::TypeAndPlayers),
              shape = int(PageId::BaseShape), prop = int(PageId::Proportions),
              summary = int(PageId::Summary), gen = int(PageId::Generation);
    QTest::newRow("Insel, einfach")
        << true << false << QList<int>{size, type, gen} << QList<int>{gen, type, size};
    QTest::newRow("keine Insel, einfach")
        << false << false << QList<int>{size, type, gen} << QList<int>{gen, type, size};
    QTest::newRow("Insel, erweitert")
        << true << true << QList<int>{size, type, shape, prop, summary, gen}
        << QList<int>{gen, summary, prop, shape, type, size};
    QTest::newRow("keine Insel, erweitert")
        << false << true << QList<int>{size, type, prop, summary, gen}
        << QList<int>{gen, summary, prop, type, size};
  }

  void ForwardAndBackInAllFourCombinations() {
    QFETCH(bool, insel);
    QFETCH(bool, extended);
    QFETCH(QList<int>, forward);
    QFETCH(QList<int>, backward);
    TestWizard t;
    WizardWindow& w = *t.window;
    if (!insel) w.Size().InselBox()->click();
    if (extended) w.Size().ExtendedBox()->click();
    QCOMPARE(w.Generation().settings().CheckInsel, insel);
    QCOMPARE(w.Generation().settings().CheckErwEinst, extended);

    QList<int> seen{int(w.CurrentPage())};
    while (w.CurrentPage() != PageId::Generation) {
      QPushButton* next = w.Page(w.CurrentPage()).NextButton();
      QVERIFY(next != nullptr);
      QCOMPARE(next->text(), QString("&Weiter >>"));
      next->click();
      seen << int(w.CurrentPage());
      QCOMPARE(w.windowTitle(), w.Page(w.CurrentPage()).Caption());
      QVERIFY(seen.size() <= 6);
    }
    QCOMPARE(seen, forward);

    seen = {int(w.CurrentPage())};
    while (w.CurrentPage() != PageId::Size) {
      QPushButton* back = w.Page(w.CurrentPage()).BackButton();
      QVERIFY(back != nullptr);
      QCOMPARE(back->text(), QString("<< &Zurück"));
      back->click();
      seen << int(w.CurrentPage());
      QVERIFY(seen.size() <= 6);
    }
    QCOMPARE(seen, backward);
    QVERIFY(w.Size().BackButton() == nullptr);
  }

  void CaptionsAreThePagesTitles() {
    TestWizard t;
    const std::pair<PageId, const char*> captions[] = {
        {PageId::Size, "Größe der Landschaft"},
        {PageId::TypeAndPlayers, "Spielszenario und Anzahl der Spieler"},
        {PageId::BaseShape, "Landschaftsumriß"},
        {PageId::Proportions, "Maße und Verzierungen"},
        {PageId::Summary, "Eigenschaften der zu generierenden Landschaft"},
    };
    for (const auto& [page, caption] : captions) {
      t.window->ShowPage(page);
      QCOMPARE(t.window->windowTitle(), QString(caption));
    }
  }

  void HelpButtonsOnlyWhereThePagesHaveThem() {
    TestWizard t;
    const std::pair<PageId, bool> help[] = {
        {PageId::Size, true},        {PageId::TypeAndPlayers, true}, {PageId::BaseShape, false},
        {PageId::Proportions, true}, {PageId::Summary, false},       {PageId::Generation, true},
    };
    for (const auto& [page, has_help] : help) {
      auto* button = t.window->Page(page).findChild<QPushButton*>("Command_Hilfe");
      QCOMPARE(button != nullptr, has_help);
      if (button != nullptr) QCOMPARE(button->text(), QString("&Hilfe"));
    }
  }

  void AbbruchEndsTheProgramOnEveryPage() {
    TestWizard t;
    QSignalSpy quit(t.window.get(), &WizardWindow::quitRequested);
    int expected = 0;
    for (PageId page : {PageId::Size, PageId::TypeAndPlayers, PageId::BaseShape,
                        PageId::Proportions, PageId::Summary}) {
      t.window->ShowPage(page);
      QPushButton* cancel = t.window->Page(page).CancelButton();
      QVERIFY(cancel != nullptr);
      QCOMPARE(cancel->text(), QString("&Abbruch"));
      cancel->click();
      QCOMPARE(quit.count(), ++expected);
    }
    t.window->ShowPage(PageId::Generation);
    t.window->Generation().EndButton()->click();
    QCOMPARE(quit.count(), ++expected);
  }

  void AcceleratorsOfTheCaptionsWork() {
    TestWizard t;
    t.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
    // A button's accelerator clicks it after a short animation.
    QTest::keyClick(t.window.get(), Qt::Key_W, Qt::AltModifier);
    QTRY_COMPARE(t.window->CurrentPage(), PageId::TypeAndPlayers);
    QTest::keyClick(t.window.get(), Qt::Key_Z, Qt::AltModifier);
    QTRY_COMPARE(t.window->CurrentPage(), PageId::Size);
    t.window->Size().ExtendedBox()->click();
    t.window->ShowPage(PageId::Generation);
    QTest::keyClick(t.window.get(), Qt::Key_Z, Qt::AltModifier);
    QTRY_COMPARE(t.window->CurrentPage(), PageId::Summary);
  }

  void HilfeShowsThePagesHelp() {
    TestWizard t;
    QStringList texts;
    for (const PageId page :
         {PageId::Size, PageId::TypeAndPlayers, PageId::Proportions, PageId::Generation}) {
      t.window->ShowPage(page);
      t.window->Page(page).HelpButton()->click();
      QVERIFY(t.window->Help() != nullptr);
      QTRY_VERIFY(t.window->Help()->isVisible());
      QCOMPARE(t.window->Help()->windowTitle(), "Hilfe: " + t.window->Page(page).Caption());
      texts << t.window->Help()->Text();
      t.window->Help()->CloseButton()->click();
      QVERIFY(!t.window->Help()->isVisible());
    }
    QVERIFY2(texts[0].contains("32 bis 256 in Schritten von 16"), qPrintable(texts[0]));
    QVERIFY(texts[1].contains("(1 bis 7)"));
    QVERIFY(texts[2].contains("drei Regler von 0 bis 10"));
    QVERIFY(texts[3].contains("0 bis 4294967295"));
  }

  // The wizard walked by keyboard alone, from the size page to a saved map.
  void KeyboardAloneMakesAMap() {
    TestWizard t;
    WizardWindow& w = *t.window;
    const GeneratorSettings& s = w.Generation().settings();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
      QVERIFY(QApplication::focusWidget() != nullptr);
      QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    // Tab into each group of sizes lands on the ticked size; the arrows change it.
    QTRY_COMPARE(QApplication::focusWidget(), w.Size().WidthChoice(128));
    press(Qt::Key_Left);
    QVERIFY(w.Size().WidthChoice(112)->isChecked());
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Size().HeightChoice(128));
    press(Qt::Key_Left);
    // Enter means "Weiter".
    press(Qt::Key_Return);
    QCOMPARE(w.CurrentPage(), PageId::TypeAndPlayers);
    QCOMPARE(s.MapWidth, 112);
    QCOMPARE(s.MapHeight, 112);
    // Landscape type, then the number of players: each Tab lands on the ticked choice.
    w.Type().TypeChoice(0)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Type().PlayerChoice(3));
    press(Qt::Key_Up);
    QVERIFY(w.Type().PlayerChoice(2)->isChecked());
    press(Qt::Key_Enter);
    QCOMPARE(w.CurrentPage(), PageId::Generation);
    QCOMPARE(s.PlayerCount, 2);
    // Alt+S starts; in the save dialog the name field has the focus, and Enter saves.
    SaveDialog& save = w.Generation().Save();
    WhenShown type_name(save, [&] {
      QVERIFY(QTest::qWaitForWindowActive(&save));
      QTRY_COMPARE(QApplication::focusWidget(), save.NameField());
      press(Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(QApplication::focusWidget(), "Tasten");
      press(Qt::Key_Return);
    });
    QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(type_name.Done());
    QTRY_COMPARE(w.Generation().LastOutcome().status, RunOutcome::Status::Written);
    QCOMPARE(test::FilesIn(t.folder.path()), (QStringList{"Tasten.bmp", "Tasten.swd"}));
  }

  void ChoicesPersistAcrossBackAndForth() {
    TestWizard t;
    WizardWindow& w = *t.window;
    GeneratorSettings& s = w.Generation().settings();
    w.Size().WidthChoice(64)->click();
    w.Size().HeightChoice(48)->click();
    w.Size().ExtendedBox()->click();
    w.Size().NextButton()->click();
    w.Type().TypeChoice(2)->click();
    w.Type().PlayerChoice(6)->click();
    w.Type().NextButton()->click();
    w.Shape().Picture(2)->click();  // Spirale: no dialog follows
    w.Shape().NextButton()->click();
    w.Proportions().SliderOf(4, ProportionsPage::Size)->setValue(9);
    w.Proportions().AreaVariantBox()->click();
    w.Proportions().NextButton()->click();
    w.Page(PageId::Summary).NextButton()->click();
    QCOMPARE(w.CurrentPage(), PageId::Generation);
    for (int i = 0; i < 5; ++i)
      w.Page(w.CurrentPage()).BackButton()->click();
    QCOMPARE(w.CurrentPage(), PageId::Size);

    QVERIFY(w.Size().WidthChoice(64)->isChecked());
    QVERIFY(w.Size().HeightChoice(48)->isChecked());
    QVERIFY(w.Size().ExtendedBox()->isChecked());
    QVERIFY(w.Type().TypeChoice(2)->isChecked());
    QVERIFY(w.Type().PlayerChoice(6)->isChecked());
    QCOMPARE(w.Shape().FramedPicture(), 2);
    QCOMPARE(w.Proportions().SliderOf(4, ProportionsPage::Size)->value(), 9);
    QVERIFY(w.Proportions().AreaVariantBox()->isChecked());
    QCOMPARE(s.MapWidth, 64);
    QCOMPARE(s.MapHeight, 48);
    QCOMPARE(s.LandscapeType, 2);
    QCOMPARE(s.PlayerCount, 6);
    QCOMPARE(s.land_shape, LandShape::Spiral);
    QCOMPARE(s.Slider2[4], 9);
    QVERIFY(s.CheckFlaechenvariante);
  }

  void WithoutExtendedSettingsTheShapeStaysInsel() {
    TestWizard t;
    t.window->Size().NextButton()->click();
    t.window->Type().NextButton()->click();
    QCOMPARE(t.window->CurrentPage(), PageId::Generation);
    const GeneratorSettings& s = t.window->Generation().settings();
    QCOMPARE(s.land_shape, LandShape::Island);
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::NavigationTest)
#include "navigation_test.moc"
