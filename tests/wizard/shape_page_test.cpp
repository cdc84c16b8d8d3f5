#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include "wizard/coast_dialog.hpp"
#include "wizard/picture_button.hpp"
#include "wizard/shape_page.hpp"
#include "wizard_fixture.hpp"

namespace swd::wizard {

using test::OnNextMessageBox;
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
    QTest::addColumn<LandShape>("shape");
    QTest::addColumn<bool>("coast_dialog");
    QTest::addColumn<bool>("picture_dialog");
    QTest::newRow("Insel") << 0 << LandShape::Island << true << false;
    QTest::newRow("Insel (sym.)") << 1 << LandShape::IslandSymmetric << true << false;
    QTest::newRow("Spirale") << 2 << LandShape::Spiral << false << false;
    QTest::newRow("Spirale mit Ring") << 3 << LandShape::SpiralWithRing << false << false;
    QTest::newRow("Ring") << 4 << LandShape::Ring << true << false;
    QTest::newRow("Spezial") << 5 << LandShape::Picture << false << true;
  }

  void EachPictureSetsItsShapeFramesItselfAndOpensItsDialog() {
    QFETCH(int, picture);
    QFETCH(LandShape, shape);
    QFETCH(bool, coast_dialog);
    QFETCH(bool, picture_dialog);
    TestWizard t;
    t.picture_answers = {t.Picture("bild.bmp")};
    ShapePage& page = t.window->Shape();
    t.window->ShowPage(PageId::BaseShape);
    // Start from another shape, so that every field must change.
    GeneratorSettings& s = t.window->Generation().settings();
    s.land_shape = shape == LandShape::Spiral ? LandShape::Ring : LandShape::Spiral;
    WhenShown close_coast(page.Coast(), [&] { page.Coast().OkButton()->click(); });
    page.Picture(picture)->click();
    QCOMPARE(s.land_shape, shape);
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
    QCOMPARE(s.land_shape, LandShape::Ring);
    QVERIFY(s.PicturePath.empty());
  }

  void SpezialKeepsTheOldPictureWhenTheFileDialogIsCancelled() {
    TestWizard t;
    ShapePage& page = t.window->Shape();
    const GeneratorSettings& s = t.window->Generation().settings();
    const QString picture = t.Picture("bild.bmp");
    t.picture_answers = {picture, ""};
    page.Picture(5)->click();
    QCOMPARE(QString::fromStdString(s.PicturePath), picture);
    page.Picture(2)->click();
    page.Picture(5)->click();
    QCOMPARE(t.picture_dialogs, 2);
    QCOMPARE(QString::fromStdString(s.PicturePath), picture);
    QCOMPARE(s.land_shape, LandShape::Picture);
    QCOMPARE(page.FramedPicture(), 5);
  }

  void APictureOfTheWrongSizeIsRefusedWhereItIsChosen() {
    TestWizard t;
    ShapePage& page = t.window->Shape();
    GeneratorSettings& s = t.window->Generation().settings();
    s.MapWidth = s.MapHeight = 256;
    const QString small = t.Picture("klein.bmp", 128, 128);
    const QString large = t.Picture("gross.bmp", 256, 256);
    t.picture_answers = {small, large};
    t.window->ShowPage(PageId::BaseShape);
    QString shown;
    OnNextMessageBox([&](QMessageBox& box) {
      shown = box.text();
      box.accept();
    });
    page.Picture(5)->click();
    QCOMPARE(shown, "Das Bild „" + small + "“ hat 128 x 128 Punkte, die Karte braucht 256 x 256.");
    QVERIFY(s.PicturePath.empty());
    QCOMPARE(page.FramedPicture(), 0);
    // The chooser opens where the last picture was chosen.
    page.Picture(5)->click();
    QCOMPARE(t.picture_starts, (QStringList{t.folder.path(), t.pictures.path()}));
    QCOMPARE(QString::fromStdString(s.PicturePath), large);
    QCOMPARE(page.FramedPicture(), 5);
    QCOMPARE(page.PictureLine()->text(), "Bild: " + large);
    // The map made smaller afterwards: the page says so when it is shown again.
    s.MapWidth = s.MapHeight = 128;
    t.window->ShowPage(PageId::BaseShape);
    QVERIFY2(page.PictureLine()->text().startsWith("Das Bild „" + large + "“ hat 256 x 256 Punkte"),
             qPrintable(page.PictureLine()->text()));
  }

  void ArrowKeysMoveOverThePicturesWithoutChoosingThem() {
    TestWizard t;
    ShapePage& page = t.window->Shape();
    const GeneratorSettings& s = t.window->Generation().settings();
    t.window->ShowPage(PageId::BaseShape);
    t.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
    int coast_dialogs = 0;
    std::unique_ptr<WhenShown> coast;
    const auto expect_coast = [&] {
      coast = std::make_unique<WhenShown>(page.Coast(), [&] {
        ++coast_dialogs;
        page.Coast().OkButton()->click();
      });
    };
    expect_coast();
    page.Picture(0)->setFocus();
    // Over "Insel (sym.)" to "Spirale", down to "Ring": nothing opens, nothing changes.
    for (const auto& [key, focused] :
         {std::pair{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Left, 1}, {Qt::Key_Down, 4}}) {
      QTest::keyClick(QApplication::focusWidget(), key);
      QCOMPARE(QApplication::focusWidget(), page.Picture(focused));
    }
    QTest::qWait(30);
    QCOMPARE(coast_dialogs, 0);
    QCOMPARE(page.FramedPicture(), 0);
    QCOMPARE(s.land_shape, LandShape::Island);
    // Space chooses "Ring" and opens its coast dialog; so does Enter on "Insel (sym.)".
    QTest::keyClick(page.Picture(4), Qt::Key_Space);
    QTRY_COMPARE(coast_dialogs, 1);
    QCOMPARE(s.land_shape, LandShape::Ring);
    expect_coast();
    QTest::keyClick(page.Picture(4), Qt::Key_Up);
    QTest::keyClick(page.Picture(1), Qt::Key_Return);
    QTRY_COMPARE(coast_dialogs, 2);
    QCOMPARE(page.FramedPicture(), 1);
    QCOMPARE(s.land_shape, LandShape::IslandSymmetric);
    // Tab out and back in lands on the framed picture, wherever the arrows left the focus.
    // (The offscreen platform gives the window back its activation only when asked.)
    t.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), page.Picture(1));
    QTest::keyClick(page.Picture(1), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), page.Picture(2));
    QTest::keyClick(page.Picture(2), Qt::Key_Tab);
    QVERIFY(!qobject_cast<PictureButton*>(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), page.Picture(1));
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::ShapePageTest)
#include "shape_page_test.moc"
