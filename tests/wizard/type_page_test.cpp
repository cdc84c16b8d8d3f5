#include <QAbstractButton>
#include <QPushButton>
#include <QtTest>

#include "render/vertex_marks.hpp"
#include "wizard/pictures.hpp"
#include "wizard/type_page.hpp"

namespace swd::wizard {

class TypePageTest : public QObject {
  Q_OBJECT

 private slots:
  void DefaultsAreGruenlandAndThreePlayers() {
    GeneratorSettings s;
    TypePage page(s);
    QVERIFY(page.TypeChoice(0)->isChecked());
    QCOMPARE(page.TypeChoice(0)->text(), QString("Grünland"));
    QCOMPARE(page.TypeChoice(1)->text(), QString("Ödland"));
    QCOMPARE(page.TypeChoice(2)->text(), QString("Winterland"));
    QVERIFY(page.PlayerChoice(3)->isChecked());
    for (int n = 1; n <= 7; ++n)
      QCOMPARE(page.PlayerChoice(n)->text(), QString::number(n));
    QVERIFY(page.PlayerChoice(8) == nullptr);
  }

  void ClicksTakeEffectAtOnce() {
    GeneratorSettings s;
    TypePage page(s);
    page.TypeChoice(1)->click();
    QCOMPARE(s.LandscapeType, 1);
    page.PlayerChoice(7)->click();
    QCOMPARE(s.PlayerCount, 7);
    s.LandscapeType = 0;
    s.PlayerCount = 1;
    page.NextButton()->click();
    QCOMPARE(s.LandscapeType, 1);
    QCOMPARE(s.PlayerCount, 7);
  }

  void TheFlagsHaveTheColoursOfRendersFlags() {
    const QSize size(150, 112);
    const QImage picture = PlayersPicture(7, size);
    for (int p = 1; p <= 7; ++p) {
      const Rgb want = swd::PlayerColour(p);
      QCOMPARE(picture.pixelColor(PlayersFlagCentre(p, size).toPoint()),
               QColor(want.r, want.g, want.b));
    }
  }

  void ShowsTheSizeOnEveryActivation() {
    GeneratorSettings s;
    TypePage page(s);
    page.Activate();
    QCOMPARE(page.SizeText(), QString(" 128  x  128"));
    s.MapWidth = 256;
    s.MapHeight = 32;
    page.Activate();
    QCOMPARE(page.SizeText(), QString(" 256  x  32"));
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::TypePageTest)
#include "type_page_test.moc"
