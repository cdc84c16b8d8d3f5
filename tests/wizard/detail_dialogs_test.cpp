#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include "wizard/animal_dialog.hpp"
#include "wizard/granite_dialog.hpp"
#include "wizard/resource_dialog.hpp"
#include "wizard/tree_group_dialog.hpp"
#include "wizard_fixture.hpp"

namespace swd::wizard {

using test::WhenShown;

namespace {

int Total(const ResourceShareSet& s) {
  return s.coal + s.gold + s.granite + s.iron;
}

QStringList Labels(const ResourceDialog& d) {
  QStringList out;
  for (ShareKind k : {ShareKind::Coal, ShareKind::Gold, ShareKind::Iron, ShareKind::Granite})
    out << d.LabelOf(k)->text();
  return out;
}

// Moves a slider as the user does: it gets the focus first.
void UserMoves(QSlider* slider, int to) {
  slider->setFocus();
  QApplication::processEvents();
  slider->setValue(to);
}

struct Range {
  const char* name;
  int minimum, maximum, initial, page, tick;
};

void CheckRanges(const QDialog& dialog, std::initializer_list<Range> ranges) {
  for (const Range& r : ranges) {
    const auto* s = dialog.findChild<QSlider*>(r.name);
    QVERIFY2(s != nullptr, r.name);
    QCOMPARE(s->minimum(), r.minimum);
    QCOMPARE(s->maximum(), r.maximum);
    QCOMPARE(s->value(), r.initial);
    QCOMPARE(s->singleStep(), 1);
    QCOMPARE(s->pageStep(), r.page);
    QCOMPARE(s->tickInterval(), r.tick);
  }
}

}  // namespace

class DetailDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void ResourceDialogMovesTheOthersOnlyForTheFocusedSlider() {
    const ResourceShareSet defaults = GeneratorSettings{}.ResourceShares;
    ResourceShareSet shares = defaults;
    ResourceDialog d(shares, nullptr);
    QCOMPARE(d.windowTitle(), QString("Häufigkeit von Rohstoffen"));
    CheckRanges(d, {{"Slider_Kohle", 0, 100, 54, 10, 5},
                    {"Slider_Gold", 0, 100, 15, 10, 5},
                    {"Slider_Eisen", 0, 100, 26, 10, 5},
                    {"Slider_Granit", 0, 100, 5, 10, 5}});
    QCOMPARE(Labels(d), (QStringList{"54%", "15%", "26%", "5%"}));
    WhenShown act(d, [&] {
      QVERIFY(d.ActiveShareSlider() != ShareKind::Gold);
      // Set from code while another slider is active: nothing else moves.
      d.SliderOf(ShareKind::Gold)->setValue(40);
      QCOMPARE(shares, defaults);
      d.SliderOf(ShareKind::Gold)->setValue(15);
      UserMoves(d.SliderOf(ShareKind::Coal), 100);
      QCOMPARE(d.ActiveShareSlider(), ShareKind::Coal);
      QCOMPARE(shares, (ResourceShareSet{100, 0, 0, 0}));
      QCOMPARE(d.SliderOf(ShareKind::Iron)->value(), 0);
      QCOMPARE(Labels(d), (QStringList{"100%", "0%", "0%", "0%"}));
      d.SliderOf(ShareKind::Coal)->setValue(70);
      QCOMPARE(Labels(d), (QStringList{"70%", "10%", "10%", "10%"}));
      d.OkButton()->click();
    });
    d.exec();
    QVERIFY(act.Done());
    QCOMPARE(shares, (ResourceShareSet{70, 10, 10, 10}));

    // Reopened, it shows the current shares on sliders and labels.
    shares = {40, 30, 20, 10};
    WhenShown reopen(d, [&] {
      QCOMPARE(d.SliderOf(ShareKind::Coal)->value(), 40);
      QCOMPARE(d.SliderOf(ShareKind::Granite)->value(), 20);
      QCOMPARE(Labels(d), (QStringList{"40%", "30%", "10%", "20%"}));
      d.CancelButton()->click();
    });
    d.exec();
    QVERIFY(reopen.Done());
    QCOMPARE(shares, defaults);
    QCOMPARE(d.ActiveShareSlider(), ShareKind::None);
    QCOMPARE(d.SliderOf(ShareKind::Coal)->value(), 54);
    QCOMPARE(Labels(d), (QStringList{"54%", "15%", "26%", "5%"}));

    // The mouse wheel moves a slider without giving it the focus; that move is the
    // user's too and must spread over the others.
    WhenShown wheel(d, [&] {
      d.SliderOf(ShareKind::Coal)->setFocus();
      QApplication::processEvents();
      QSlider* gold = d.SliderOf(ShareKind::Gold);
      QWheelEvent notch(QPointF(5, 5), gold->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(gold, &notch);
      QVERIFY(gold->value() != 15);
      QCOMPARE(d.ActiveShareSlider(), ShareKind::Gold);
      QCOMPARE(shares.gold, gold->value());
      QCOMPARE(Total(shares), 100);
      QCOMPARE(d.LabelOf(ShareKind::Gold)->text(), QString::number(gold->value()) + "%");
      QCOMPARE(d.SliderOf(ShareKind::Coal)->value(), shares.coal);
      d.OkButton()->click();
    });
    d.exec();
    QVERIFY(wheel.Done());
  }

  void GraniteDialog_AbbruchRestoresTheInitialPositions() {
    GeneratorSettings s;
    GraniteDialog d(s, nullptr);
    QCOMPARE(d.windowTitle(), QString("Ausdehnung der Granitvorkommen"));
    CheckRanges(d, {{"Slider_GrGranitAz", 0, 10, 5, 5, 1},
                    {"Slider_GrGranitAus", 0, 10, 5, 5, 1},
                    {"Slider_KlGranitAz", 0, 15, 3, 5, 1},
                    {"Slider_KlGranitAus", 0, 10, 7, 5, 1}});
    for (const char* name :
         {"Slider_GrGranitAz", "Slider_GrGranitAus", "Slider_KlGranitAz", "Slider_KlGranitAus"})
      d.findChild<QSlider*>(name)->setValue(9);
    QCOMPARE(s.SliderGrGranitAz, 9);
    QCOMPARE(s.SliderKlGranitAus, 9);
    d.OkButton()->click();
    QCOMPARE(s.SliderKlGranitAz, 9);
    d.CancelButton()->click();
    QCOMPARE(s.SliderGrGranitAz, 5);
    QCOMPARE(s.SliderGrGranitAus, 5);
    QCOMPARE(s.SliderKlGranitAz, 3);
    QCOMPARE(s.SliderKlGranitAus, 7);
  }

  void AnimalDialog_AbbruchSetsAllSixToTwo() {
    GeneratorSettings s;
    AnimalDialog d(s, nullptr);
    QCOMPARE(d.windowTitle(), QString("Häufigkeit von Tieren"));
    for (int animal = 1; animal <= 6; ++animal) {
      QSlider* slider = d.SliderOf(animal);
      QCOMPARE(slider->maximum(), 20);
      QCOMPARE(slider->value(), 2);
      slider->setValue(animal * 3);
      QCOMPARE(s.SliderTiere[animal], animal * 3);
    }
    for (const char* text : {"Hasen", "Füchse", "Hirsche", "Rehe", "Enten", "Schafe"}) {
      bool found = false;
      for (const QLabel* label : d.findChildren<QLabel*>())
        found = found || label->text() == QString(text);
      QVERIFY2(found, text);
    }
    QTest::keyClick(&d, Qt::Key_Escape);  // Escape is Abbruch
    for (int animal = 1; animal <= 6; ++animal) {
      QCOMPARE(d.SliderOf(animal)->value(), 2);
      QCOMPARE(s.SliderTiere[animal], 2);
    }
  }

  void TreeGroupDialog_OkKeepsAbbruchRestores() {
    GeneratorSettings s;
    TreeGroupDialog d(s, nullptr);
    QCOMPARE(d.windowTitle(), QString("Häufigkeit kleiner Baumgruppen festlegen"));
    CheckRanges(d, {{"Slider_Baumgruppen", 0, 15, 4, 5, 1}});
    WhenShown untouched(d, [&] { d.OkButton()->click(); });
    d.exec();
    QCOMPARE(s.SliderBaumgruppen, 4);
    d.GroupSlider()->setValue(15);
    d.OkButton()->click();
    QCOMPARE(s.SliderBaumgruppen, 15);
    d.CancelButton()->click();
    QCOMPARE(s.SliderBaumgruppen, 4);
  }
};

}  // namespace swd::wizard

QTEST_MAIN(swd::wizard::DetailDialogsTest)
#include "detail_dialogs_test.moc"
