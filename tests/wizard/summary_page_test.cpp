#include <QLabel>
#include <QtTest>

#include "wizard/summary_page.hpp"
#include "wizard/summary_texts.hpp"

namespace swd::wizard {

class SummaryPageTest : public QObject {
  Q_OBJECT

 private slots:
  void DefaultsInFourGroupsAndTheCode() {
    GeneratorSettings s;
    SummaryPage page(s, [] { return QString("SWD1-TEST"); });
    page.Activate();
    QCOMPARE(page.GroupText(0),
             QString("Typ: Grünland\nGröße: 128 x 128\nGrundform: Insel\nfür 3 Spieler "));
    QCOMPARE(page.GroupText(1), QString("Kohle :  54%\nGold  :  15%\nEisen :  26%\nGranit:  5%"));
    QCOMPARE(page.GroupText(2), QString("Wiesen: automatisch\n"
                                        "Seen: normal/mittelgroß\n"
                                        "Wälder: normal/mittelgroß\n"
                                        "Sümpfe: normal/mittelgroß\n"
                                        "Savannen: normal/mittelgroß\n"
                                        "Steppen: automatisch\n"
                                        "Wüsten: normal/mittelgroß\n"
                                        "Gebirge: normal/mittelgroß\n"
                                        "Schnee: automatisch\n"
                                        "Bergwiesen: automatisch"));
    // Every other setting of the table, the map file's marks among them.
    const QStringList more = page.GroupText(3).split('\n');
    QCOMPARE(more.first(), QString("Insel: ja"));
    for (const char* line :
         {"Küste zum Meer: 5", "Faire Startpositionen: nein", "Hafenplätze anlegen: ja",
          "Startpositionen als Objekte eintragen: ja"})
      QVERIFY2(more.contains(QString::fromUtf8(line)), line);
    QCOMPARE(page.CodeLabel()->text(), QString("Kartencode: SWD1-TEST"));
  }

  void RebuiltOnEveryActivation() {
    GeneratorSettings s;
    int codes = 0;
    SummaryPage page(s, [&] { return QString("SWD1-%1").arg(++codes); });
    page.Activate();
    s.LandscapeType = Oedland;
    s.MapWidth = 256;
    s.MapHeight = 32;
    s.PlayerCount = 7;
    s.ResourceShares = {100, 0, 0, 0};
    page.Activate();
    QCOMPARE(page.GroupText(0),
             QString("Typ: Ödland\nGröße: 256 x 32\nGrundform: Insel\nfür 7 Spieler "));
    QCOMPARE(page.GroupText(1), QString("Kohle :  100%\nGold  :  0%\nEisen :  0%\nGranit:  0%"));
    QCOMPARE(page.CodeLabel()->text(), QString("Kartencode: SWD1-2"));
  }

  void ShapeNames_data() {
    QTest::addColumn<LandShape>("shape");
    QTest::addColumn<QString>("line");
    QTest::newRow("Insel") << LandShape::Island << "Grundform: Insel";
    QTest::newRow("Insel (sym.)") << LandShape::IslandSymmetric << "Grundform: Insel (sym.)";
    QTest::newRow("Spirale") << LandShape::Spiral << "Grundform: Spirale";
    QTest::newRow("Ring") << LandShape::Ring << "Grundform: Ring";
    QTest::newRow("Spirale mit Ring") << LandShape::SpiralWithRing << "Grundform: Spirale mit Ring";
    QTest::newRow("Spezial") << LandShape::Picture << "Grundform: Spezial";
  }

  void ShapeNames() {
    QFETCH(LandShape, shape);
    QFETCH(QString, line);
    GeneratorSettings s;
    s.land_shape = shape;
    QCOMPARE(ShapeLine(s), line);
    QCOMPARE(BuildSummary(s).general[2], line);
  }

  void SpezialNamesItsPicture() {
    GeneratorSettings s;
    s.land_shape = LandShape::Picture;
    s.PicturePath = "/karten/umrisse/Stern.bmp";
    QCOMPARE(ShapeLine(s), QString("Grundform: Spezial (Stern.bmp)"));
  }

  void WordsFollowTheSliderThresholds() {
    GeneratorSettings s;
    const std::pair<int, QString> amounts[] = {{0, "wenige"}, {2, "wenige"}, {3, "normal"},
                                               {7, "normal"}, {8, "viele"},  {10, "viele"}};
    const std::pair<int, QString> sizes[] = {
        {2, "klein"}, {3, "mittelgroß"}, {7, "mittelgroß"}, {8, "groß"}};
    for (const auto& [amount, amount_word] : amounts) {
      for (const auto& [size, size_word] : sizes) {
        s.Slider1[1] = amount;
        s.Slider2[1] = size;
        QCOMPARE(BuildSummary(s).terrain[1], "Seen: " + amount_word + "/" + size_word);
      }
    }
  }

  void WinterlandSetsIceAutomatically() {
    GeneratorSettings s;
    s.LandscapeType = Winterland;
    s.Slider1.fill(0);
    const QStringList terrain = BuildSummary(s).terrain;
    QCOMPARE(terrain, (QStringList{"Tundra: automatisch", "Seen: wenige/mittelgroß",
                                   "Wälder: wenige/mittelgroß", "kl. Eisschollen: automatisch",
                                   "Tundra 2: wenige/mittelgroß", "Taiga: automatisch",
                                   "Eis: automatisch", "Gebirge: wenige/mittelgroß",
                                   "Gr. Eisschollen: automatisch", "Schnee: automatisch"}));
    s.LandscapeType = Oedland;
    QCOMPARE(BuildSummary(s).terrain[3], QString("Lava 1: wenige/mittelgroß"));
    QCOMPARE(BuildSummary(s).terrain[8], QString("Lava 2: automatisch"));
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::SummaryPageTest)
#include "summary_page_test.moc"
