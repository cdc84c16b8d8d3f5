#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include "wizard/generation_page.hpp"
#include "wizard/picture_button.hpp"
#include "wizard/proportions_page.hpp"
#include "wizard/shape_page.hpp"
#include "wizard/size_page.hpp"
#include "wizard/type_page.hpp"
#include "wizard_fixture.hpp"

namespace swd::wizard {

using test::TestWizard;

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
    QCOMPARE(s.ShapeCode, 1.0f);
    QCOMPARE(s.Slider2[4], 9);
    QVERIFY(s.CheckFlaechenvariante);
  }

  void WithoutExtendedSettingsTheShapeStaysInsel() {
    TestWizard t;
    t.window->Size().NextButton()->click();
    t.window->Type().NextButton()->click();
    QCOMPARE(t.window->CurrentPage(), PageId::Generation);
    const GeneratorSettings& s = t.window->Generation().settings();
    QCOMPARE(s.ShapeCode, 0.0f);
    QCOMPARE(s.ShapedBase, 0.0f);
    QCOMPARE(s.SymmetricBase, 0.0f);
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::NavigationTest)
#include "navigation_test.moc"
