#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include "wizard/coast_dialog.hpp"
#include "wizard/picture_button.hpp"
#include "wizard/shape_page.hpp"
#include "wizard_fixture.hpp"

namespace swd::wizard {

using test::TestWizard;
using test::WhenShown;

class ShapePageTest : public QObject {
  Q_OBJECT

 private slots:
  void InselIsFramedAtFirst() {
    TestWizard t;
    QCOMPARE(t.window->Shape().FramedPicture(), 0);
    QCOMPARE(t.window->Shape().Picture(0)->objectName(), QString("Picture_Insel"));
  }

  void EachPictureSetsItsShapeFramesItselfAndOpensItsDialog_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<float>("shaped");
    QTest::addColumn<float>("symmetric");
    QTest::addColumn<float>("code");
    QTest::addColumn<bool>("coast_dialog");
    QTest::addColumn<bool>("picture_dialog");
    QTest::newRow("Insel") << 0 << 0.f << 0.f << 0.f << true << false;
    QTest::newRow("Insel (sym.)") << 1 << 0.f << 1.f << 0.f << true << false;
    QTest::newRow("Spirale") << 2 << 1.f << 0.f << 1.f << false << false;
    QTest::newRow("Spirale mit Ring") << 3 << 1.f << 0.f << 3.f << false << false;
    QTest::newRow("Ring") << 4 << 1.f << 0.f << 2.f << true << false;
    QTest::newRow("Spezial") << 5 << 1.f << 0.f << 4.f << false << true;
  }

  void EachPictureSetsItsShapeFramesItselfAndOpensItsDialog() {
    QFETCH(int, picture);
    QFETCH(float, shaped);
    QFETCH(float, symmetric);
    QFETCH(float, code);
    QFETCH(bool, coast_dialog);
    QFETCH(bool, picture_dialog);
    TestWizard t;
    t.picture_answers = {"/karten/bild.bmp"};
    ShapePage& page = t.window->Shape();
    t.window->ShowPage(PageId::BaseShape);
    // Start from another shape, so that every field must change.
    GeneratorSettings& s = t.window->Generation().settings();
    s.ShapedBase = s.SymmetricBase = s.ShapeCode = 7;
    WhenShown close_coast(page.Coast(), [&] { page.Coast().OkButton()->click(); });
    page.Picture(picture)->click();
    QCOMPARE(s.ShapedBase, shaped);
    QCOMPARE(s.SymmetricBase, symmetric);
    QCOMPARE(s.ShapeCode, code);
    QCOMPARE(close_coast.Done(), coast_dialog);
    QCOMPARE(t.picture_dialogs, picture_dialog ? 1 : 0);
    QCOMPARE(page.FramedPicture(), picture);
    for (int i = 0; i < 6; ++i)
      QCOMPARE(page.Picture(i)->isChecked(), i == picture);
  }

  void CoastDialogKeepsItsLevelOnOkAndResetsOnAbbruch() {
    TestWizard t;
    ShapePage& page = t.window->Shape();
    CoastDialog& coast = page.Coast();
    QCOMPARE(coast.windowTitle(), QString("Küstenverlauf"));
    QSlider* slider = coast.RoughnessSlider();
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 10);
    QCOMPARE(slider->value(), 5);
    const GeneratorSettings& s = t.window->Generation().settings();
    {
      WhenShown ok(coast, [&] {
        slider->setValue(8);
        coast.OkButton()->click();
      });
      page.Picture(4)->click();
      QVERIFY(ok.Done());
    }
    QCOMPARE(s.CoastRoughness, 8);
    QCOMPARE(slider->value(), 8);
    {
      WhenShown cancel(coast, [&] {
        QCOMPARE(slider->value(), 8);
        slider->setValue(1);
        coast.CancelButton()->click();
      });
      page.Picture(0)->click();
      QVERIFY(cancel.Done());
    }
    QCOMPARE(s.CoastRoughness, 5);
    QCOMPARE(slider->value(), 5);
    {
      WhenShown escape(coast, [&] {
        slider->setValue(0);
        QTest::keyClick(&coast, Qt::Key_Escape);
      });
      page.Picture(1)->click();
      QVERIFY(escape.Done());
    }
    QCOMPARE(s.CoastRoughness, 5);
  }

  void SpezialCancelledWithoutAPictureKeepsThePreviousShape() {
    TestWizard t;
    ShapePage& page = t.window->Shape();
    const GeneratorSettings& s = t.window->Generation().settings();
    WhenShown close_coast(page.Coast(), [&] { page.Coast().OkButton()->click(); });
    page.Picture(4)->click();  // Ring
    page.Picture(5)->click();  // Spezial, its file dialog cancelled
    QCOMPARE(t.picture_dialogs, 1);
    QCOMPARE(page.FramedPicture(), 4);
    QCOMPARE(s.ShapedBase, 1.0f);
    QCOMPARE(s.ShapeCode, 2.0f);
    QVERIFY(s.PicturePath.empty());
  }

  void SpezialKeepsTheOldPictureWhenTheFileDialogIsCancelled() {
    TestWizard t;
    ShapePage& page = t.window->Shape();
    const GeneratorSettings& s = t.window->Generation().settings();
    t.picture_answers = {"/karten/bild.bmp", ""};
    page.Picture(5)->click();
    QCOMPARE(QString::fromStdString(s.PicturePath), QString("/karten/bild.bmp"));
    page.Picture(2)->click();
    page.Picture(5)->click();
    QCOMPARE(t.picture_dialogs, 2);
    QCOMPARE(QString::fromStdString(s.PicturePath), QString("/karten/bild.bmp"));
    QCOMPARE(s.ShapeCode, 4.0f);
    QCOMPARE(page.FramedPicture(), 5);
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::ShapePageTest)
#include "shape_page_test.moc"
