#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include "wizard/page_texts.hpp"
#include "wizard/size_outline_view.hpp"
#include "wizard/size_page.hpp"

namespace swd::wizard {

class SizePageTest : public QObject {
  Q_OBJECT

 private slots:
  void EstimateBeforeAndAfterTheFirstClick() {
    GeneratorSettings s;
    SizePage page(s);
    QCOMPARE(page.EstimateText(), QString(" 286 kB"));
    page.WidthChoice(128)->click();
    QCOMPARE(page.EstimateText(), QString(" 226 kB"));
    page.HeightChoice(32)->click();
    page.WidthChoice(256)->click();
    QCOMPARE(page.EstimateText(), QString(" 114 kB"));
    QCOMPARE(s.MapWidth, 256);
    QCOMPARE(s.MapHeight, 32);
    QCOMPARE(FileSizeEstimate(256, 256), QString(" 900 kB"));
    QCOMPARE(FileSizeEstimate(32, 32), QString(" 16 kB"));
  }

  void FifteenSizesWith128Preselected() {
    GeneratorSettings s;
    SizePage page(s);
    for (int size = 32; size <= 256; size += 16) {
      QVERIFY(page.WidthChoice(size) != nullptr);
      QCOMPARE(page.WidthChoice(size)->text(), QString::number(size));
      QCOMPARE(page.HeightChoice(size)->isChecked(), size == 128);
    }
    QVERIFY(page.WidthChoice(16) == nullptr);
    QVERIFY(page.WidthChoice(272) == nullptr);
  }

  void OutlineFollowsTheSizeCentredOnItsPoint() {
    GeneratorSettings s;
    SizePage page(s);
    QCOMPARE(page.Outline().OutlineTwips(), QRect(3360, 960, 1455, 1455));
    page.HeightChoice(32)->click();
    page.WidthChoice(256)->click();
    QCOMPARE(page.Outline().OutlineTwips(), QRect(2640, 1500, 2895, 375));
    page.WidthChoice(48)->click();
    // 11.25 * 48 = 540: left 4080 - 270, width 555.
    QCOMPARE(page.Outline().OutlineTwips(), QRect(3810, 1500, 555, 375));
    QCOMPARE(SizeOutlineTwips(112, 80), QRect(3450, 1230, 1275, 915));
  }

  void InselColoursTheOutline() {
    GeneratorSettings s;
    SizePage page(s);
    QVERIFY(page.InselBox()->isChecked());
    QCOMPARE(page.InselBox()->text(), QString("Insel"));
    QCOMPARE(page.Outline().Colour(), QColor(0, 0, 255));
    page.InselBox()->click();
    QCOMPARE(page.Outline().Colour(), QColor(0, 255, 0));
    QVERIFY(!s.CheckInsel);
    page.InselBox()->click();
    QCOMPARE(page.Outline().Colour(), QColor(0, 0, 255));
    QVERIFY(s.CheckInsel);
  }

  void ExtendedSettingsStartUnticked() {
    GeneratorSettings s;
    SizePage page(s);
    QCOMPARE(page.ExtendedBox()->text(), QString("Erweiterte Einstellungen"));
    QVERIFY(!page.ExtendedBox()->isChecked());
    page.ExtendedBox()->click();
    QVERIFY(s.CheckErwEinst);
  }

  void WeiterReadsTheChosenSizeAgain() {
    GeneratorSettings s;
    SizePage page(s);
    s.MapWidth = 0;
    s.MapHeight = 0;
    page.NextButton()->click();
    QCOMPARE(s.MapWidth, 128);
    QCOMPARE(s.MapHeight, 128);
  }

  void LoadingThePageResetsTheResourceShares() {
    GeneratorSettings s;
    s.ResourceShares = {10, 20, 30, 40};
    SizePage page(s);
    QCOMPARE(s.ResourceShares, GeneratorSettings{}.ResourceShares);
    QCOMPARE(s.ResourceShares.coal, 54);
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::SizePageTest)
#include "size_page_test.moc"
