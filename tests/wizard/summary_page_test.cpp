#include <QtTest>

#include "wizard/summary_page.hpp"
#include "wizard/summary_texts.hpp"

namespace swd::wizard {

class SummaryPageTest : public QObject {
  Q_OBJECT

 private slots:
  void DefaultsInThreeGroups() {
    GeneratorSettings s;
    SummaryPage page(s);
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
  }

  void RebuiltOnEveryActivation() {
    GeneratorSettings s;
    SummaryPage page(s);
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
  }

  void ShapeNames_data() {
    QTest::addColumn<float>("code");
    QTest::addColumn<float>("symmetric");
    QTest::addColumn<QString>("line");
    QTest::newRow("Insel") << 0.f << 0.f << "Grundform: Insel";
    QTest::newRow("Insel (sym.)") << 0.f << 1.f << "Grundform: Insel (sym.)";
    QTest::newRow("Spirale") << 1.f << 0.f << "Grundform: Spirale";
    QTest::newRow("Ring") << 2.f << 0.f << "Grundform: Ring";
    QTest::newRow("Spirale mit Ring") << 3.f << 0.f << "Grundform: Spirale mit Ring";
    QTest::newRow("Spezial") << 4.f << 0.f << "Grundform: Spezial";
  }

  void ShapeNames() {
    QFETCH(float, code);
    QFETCH(float, symmetric);
    QFETCH(QString, line);
    GeneratorSettings s;
    s.ShapeCode = code;
    s.SymmetricBase = symmetric;
    s.ShapedBase = code == 0 ? 0.f : 1.f;
    QCOMPARE(ShapeLine(s), line);
    QCOMPARE(BuildSummary(s).general[2], line);
  }

  void SpezialNamesItsPicture() {
    GeneratorSettings s;
    s.ShapedBase = 1;
    s.ShapeCode = 4;
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
