#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "render/vertex_marks.hpp"
#include "wizard/pictures.hpp"
#include "wizard/player_room.hpp"
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

  void SaysWhenTheMapRarelyHoldsThePlayers() {
    GeneratorSettings s;
    TypePage page(s);
    page.Activate();
    QVERIFY(page.PlayersNote()->text().isEmpty());  // 3 players on a 128 x 128 island
    s.CheckErwEinst = true;
    s.land_shape = LandShape::Ring;
    s.MapWidth = s.MapHeight = 64;
    page.PlayerChoice(7)->click();
    QCOMPARE(page.PlayersNote()->text(),
             QString("Auf einer Karte von 64 x 64 mit der Grundform „Ring“ finden 7 Spieler so gut "
                     "wie nie alle Platz. Eine größere Karte gibt ihnen Raum."));
    s.MapWidth = s.MapHeight = 128;
    page.PlayerChoice(6)->click();
    QCOMPARE(page.PlayersNote()->text(),
             QString("Auf einer Karte von 128 x 128 mit der Grundform „Ring“ finden 6 Spieler nur "
                     "bei etwa 3 von 10 Karten alle Platz. Fast immer ist Platz für bis zu 3 "
                     "Spieler."));
    s.land_shape = LandShape::IslandSymmetric;
    page.PlayerChoice(7)->click();
    QCOMPARE(page.PlayersNote()->text(),
             QString("„Insel (sym.)“ setzt die Spieler paarweise: von 7 Spielern werden höchstens "
                     "6 platziert."));
    s.CheckInsel = false;
    s.MapWidth = 48;
    s.MapHeight = 64;  // as large as 55 x 55: counted as 48 x 48
    page.Activate();
    QCOMPARE(page.PlayersNote()->text(),
             QString("Auf einer Karte von 48 x 64 ohne „Insel“ finden 7 Spieler so gut wie nie "
                     "alle Platz. Fast immer ist Platz für bis zu 3 Spieler."));
  }

  void TheMeasuredTableHoldsEveryShapeAndSize() {
    for (const BaseShape shape :
         {BaseShape::NoIsland, BaseShape::Island, BaseShape::IslandSymmetric, BaseShape::Spiral,
          BaseShape::SpiralWithRing, BaseShape::Ring}) {
      for (int side = 32; side <= 256; side += 16) {
        int before = 100;
        for (int players = 1; players <= 7; ++players) {
          const auto percent = PercentWithRoom(shape, side, side, players);
          QVERIFY(percent.has_value());
          // A map that holds k players holds fewer, too.
          QVERIFY(*percent >= 0 && *percent <= before);
          before = *percent;
        }
      }
    }
    QCOMPARE(PercentWithRoom(BaseShape::IslandSymmetric, 256, 256, 7), 0);
    QCOMPARE(PercentWithRoom(BaseShape::Picture, 128, 128, 2), std::nullopt);
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
