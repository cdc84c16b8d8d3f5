#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include "wizard/animal_dialog.hpp"
#include "wizard/granite_dialog.hpp"
#include "wizard/picture_button.hpp"
#include "wizard/proportions_page.hpp"
#include "wizard/resource_dialog.hpp"
#include "wizard/tree_group_dialog.hpp"
#include "wizard/type_page.hpp"
#include "wizard_fixture.hpp"

namespace swd::wizard {

using test::TestWizard;
using test::WhenShown;

namespace {

using G = ProportionsPage::Group;

// For each row: label shown, and which of the three sliders are shown.
QString Shown(const ProportionsPage& page, int c) {
  const QWidget* parent = &page;
  QString out = page.RowLabelOf(c)->isVisibleTo(parent) ? "L" : "-";
  for (G g : {G::Amount, G::Size, G::Decoration})
    out += page.SliderOf(c, g)->isVisibleTo(parent) ? "S" : "-";
  return out;
}

}  // namespace

class ProportionsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void RowsPerLandscapeType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("shown");
    const QStringList all{"LSSS", "LSSS", "LSSS", "LSSS", "LSSS", "LSSS", "LSSS", "LSSS", "L--S"};
    QTest::newRow("Grünland") << 0 << QStringList{"Wiesen", "Seen",     "Wälder",
                                                  "Sümpfe", "Savannen", "Steppen",
                                                  "Wüsten", "Gebirge",  "Bergwiesen"}
                              << all;
    QTest::newRow("Ödland") << 1 << QStringList{"Weiden", "Moore",     "Wälder",
                                                "Lava 1", "Steppen 1", "Steppen 2",
                                                "Ödland", "Gebirge",   "Bergwiesen"}
                            << all;
    QTest::newRow("Winterland") << 2
                                << QStringList{"Tundra",   "Seen",  "Wälder", "kl. Eisschollen",
                                               "Tundra 2", "Taiga", "Eis",    "Gebirge",
                                               "Schnee"}
                                << QStringList{"LSSS", "LSSS", "LSSS", "----", "LSSS",
                                               "LSSS", "----", "LSSS", "----"};
  }

  void RowsPerLandscapeType() {
    QFETCH(int, type);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, shown);
    TestWizard t;
    t.window->Generation().settings().LandscapeType = static_cast<std::uint8_t>(type);
    t.window->ShowPage(PageId::Proportions);
    const ProportionsPage& page = t.window->Proportions();
    for (std::size_t i = 0; i < kProportionRows.size(); ++i) {
      const int c = kProportionRows[i];
      QCOMPARE(page.RowLabelOf(c)->text(), labels[int(i)]);
      QCOMPARE(Shown(page, c), shown[int(i)]);
    }
  }

  void WinterlandThenGruenlandShowsEveryRowAgain() {
    TestWizard t;
    WizardWindow& w = *t.window;
    w.Size().ExtendedBox()->click();
    w.Size().InselBox()->click();  // straight from the type page to the proportions
    w.Size().NextButton()->click();
    w.Type().TypeChoice(2)->click();
    w.Type().NextButton()->click();
    QCOMPARE(w.CurrentPage(), PageId::Proportions);
    QCOMPARE(Shown(w.Proportions(), 3), QString("----"));
    w.Proportions().BackButton()->click();
    QCOMPARE(w.CurrentPage(), PageId::TypeAndPlayers);
    w.Type().TypeChoice(0)->click();
    w.Type().NextButton()->click();
    for (int c : {0, 1, 2, 3, 4, 5, 6, 7})
      QCOMPARE(Shown(w.Proportions(), c), QString("LSSS"));
    QCOMPARE(Shown(w.Proportions(), 9), QString("L--S"));
    QCOMPARE(w.Proportions().RowLabelOf(3)->text(), QString("Sümpfe"));
  }

  void SlidersAreLevelsZeroToTenThatTheRunReads() {
    TestWizard t;
    ProportionsPage& page = t.window->Proportions();
    const GeneratorSettings& s = t.window->Generation().settings();
    for (int c : kProportionRows) {
      for (G g : {G::Amount, G::Size, G::Decoration}) {
        QSlider* slider = page.SliderOf(c, g);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 10);
        QCOMPARE(slider->value(), 5);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), 5);
      }
    }
    page.SliderOf(1, G::Amount)->setValue(9);
    page.SliderOf(6, G::Size)->setValue(0);
    page.SliderOf(9, G::Decoration)->setValue(10);
    QCOMPARE(s.Slider1[1], 9);
    QCOMPARE(s.Slider2[6], 0);
    QCOMPARE(s.Slider3[9], 10);
    QCOMPARE(s.Slider1[8], 5);  // class 8 has no row
    QCOMPARE(page.AreaVariantBox()->text(), QString("Flächen-variante"));
    QVERIFY(!page.AreaVariantBox()->isChecked());
    page.AreaVariantBox()->click();
    QVERIFY(s.CheckFlaechenvariante);
  }

  void PicturesOpenTheDetailDialogs() {
    TestWizard t;
    ProportionsPage& page = t.window->Proportions();
    t.window->ShowPage(PageId::Proportions);
    QDialog* dialogs[4] = {&page.TreeGroups(), &page.Granite(), &page.Resources(), &page.Animals()};
    const char* titles[4] = {"Häufigkeit kleiner Baumgruppen festlegen",
                             "Ausdehnung der Granitvorkommen", "Häufigkeit von Rohstoffen",
                             "Häufigkeit von Tieren"};
    for (int i = 0; i < 4; ++i) {
      QDialog* dialog = dialogs[i];
      QCOMPARE(dialog->windowTitle(), QString(titles[i]));
      WhenShown close(*dialog, [dialog] {
        QVERIFY(dialog->isModal());
        dialog->findChild<QPushButton*>("Command_Ok")->click();
      });
      page.DialogPicture(i)->click();
      QVERIFY(close.Done());
      QVERIFY(!dialog->isVisible());
    }
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::ProportionsPageTest)
#include "proportions_page_test.moc"
