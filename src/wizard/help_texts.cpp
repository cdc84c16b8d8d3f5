#include "wizard/help_texts.hpp"

#include <QCoreApplication>

namespace swd::wizard {

namespace {

// Each page's help: a title and paragraphs, one translation each.
struct PageHelp {
  PageId page;
  const char* title;
  const char* paragraphs[6];
};

constexpr const char* kContext = "swd::wizard::Help";

constexpr PageHelp kHelp[] = {
    {PageId::Size,
     QT_TRANSLATE_NOOP("swd::wizard::Help", "Größe der Landschaft"),
     {QT_TRANSLATE_NOOP(
          "swd::wizard::Help",
          "<b>Breite</b> und <b>Höhe</b> zählen die Punkte der Karte, auf denen Wege, "
          "Flaggen und Gebäude stehen: 32 bis 256 in Schritten von 16. Das Bild "
          "rechts zeigt das Verhältnis der Seiten."),
      QT_TRANSLATE_NOOP("swd::wizard::Help",
                        "Die Datei wächst mit der Fläche, um etwa 14 kB je 1000 Punkte: 64 x 64 "
                        "sind rund 58 kB, 128 x 128 rund 226 kB, 256 x 256 rund 900 kB."),
      QT_TRANSLATE_NOOP("swd::wizard::Help",
                        "Ein Hauptquartier braucht 5 x 5 Punkte freies Land und zu den anderen "
                        "mindestens (Breite + Höhe) / 16 + 16 Punkte Abstand: auf 64 x 64 also 24. "
                        "Für 7 Spieler sollte eine Insel 128 x 128 groß sein."),
      QT_TRANSLATE_NOOP(
          "swd::wizard::Help",
          "<b>Insel</b>: das Land liegt im Meer (blauer Rahmen), ohne Insel reicht es "
          "bis an den Rand (grün). <b>Erweiterte Einstellungen</b>: es folgen die "
          "Grundform, die Anteile der Geländearten, Rohstoffe, Granit, Bäume und "
          "Tiere; ohne sie gelten deren Standardwerte.")}},
    {PageId::TypeAndPlayers,
     QT_TRANSLATE_NOOP("swd::wizard::Help", "Spielszenario und Anzahl der Spieler"),
     {QT_TRANSLATE_NOOP("swd::wizard::Help",
                        "Der <b>Landschaftstyp</b> bestimmt die Geländearten, Bäume und Farben: "
                        "Grünland mit Wiesen und Wäldern, Ödland mit Steppe und Lava, Winterland "
                        "mit Schnee, Eis und Tundra."),
      QT_TRANSLATE_NOOP(
          "swd::wizard::Help",
          "Die <b>Spieler-Anzahl</b> (1 bis 7) ist die Zahl der Hauptquartiere. Jedes "
          "braucht 5 x 5 Punkte freies Land und Abstand zu den anderen; wo keins mehr "
          "Platz findet, hat die Karte weniger Spieler, und der Generator sagt es."),
      QT_TRANSLATE_NOOP("swd::wizard::Help",
                        "Der Hinweis unter der Anzahl sagt, wenn Karten dieser Größe und Grundform "
                        "selten so viele Spieler fassen: gezählt an je 100 erzeugten Karten. "
                        "„Insel (sym.)“ setzt die Spieler paarweise, also höchstens 6.")}},
    {PageId::Proportions,
     QT_TRANSLATE_NOOP("swd::wizard::Help", "Maße und Verzierungen"),
     {QT_TRANSLATE_NOOP("swd::wizard::Help",
                        "Jede Geländeart hat drei Regler von 0 bis 10, in der Mitte (5) der "
                        "Standard: <b>Anzahl</b> – wie viele Gebiete dieser Art entstehen, "
                        "<b>Größe</b> – wie groß jedes wird, <b>Verzierung</b> – wie dicht Steine, "
                        "Büsche, Pilze und Ähnliches darauf stehen."),
      QT_TRANSLATE_NOOP(
          "swd::wizard::Help",
          "Geländearten ohne Regler legt der Generator selbst an. <b>Flächen-variante"
          "</b>: Anzahl und Größe der Gebiete folgen genau der Seitenlänge der Karte, "
          "statt zufällig zwischen einem Drittel und dem Ganzen zu liegen."),
      QT_TRANSLATE_NOOP("swd::wizard::Help",
                        "Die Bilder öffnen: <b>Rohstoffe</b> – die Anteile von Kohle, Gold, Eisen "
                        "und Granit in den Bergen in Prozent (zusammen 100; zu Beginn 54, 15, 26, "
                        "5); <b>Granit</b> – Anzahl und Ausdehnung großer (0 bis 10) und kleiner "
                        "Vorkommen (0 bis 15); <b>kleine Baumgruppen</b> – 0 bis 15, zu Beginn 4; "
                        "<b>Tiere</b> – je Tierart 0 bis 20, zu Beginn 2.")}},
    {PageId::Generation,
     QT_TRANSLATE_NOOP("swd::wizard::Help", "Landschaft generieren"),
     {QT_TRANSLATE_NOOP(
          "swd::wizard::Help",
          "<b>Start !</b> lässt die Landschaft im Bild wachsen, Schritt für Schritt; "
          "Escape (gedrückt halten) oder das Schließen des Fensters bricht ab. Am Ende "
          "fragt der Speichern-Dialog nach Landschaftsname (höchstens 16 Zeichen) und "
          "Dateiname (höchstens 8 Buchstaben, Ziffern, - und _)."),
      QT_TRANSLATE_NOOP(
          "swd::wizard::Help",
          "<b>Startwert</b>: leer zieht der Generator eine Zahl und zeigt sie nach dem "
          "Lauf; dieselbe Zahl (0 bis 4294967295) mit denselben Einstellungen macht "
          "dieselbe Karte wieder, auch mit „swdgen generate --seed“."),
      QT_TRANSLATE_NOOP("swd::wizard::Help",
                        "Nach dem Speichern stehen oben rechts die platzierten Spieler und der "
                        "Fairness-Index ihrer Starts (1 = gleich gute Starts), im Bild die Starts "
                        "als Nummern in den Farben der Spieler."),
      QT_TRANSLATE_NOOP("swd::wizard::Help",
                        "Vor dem Spielen die Karte im Editor des Spiels laden und speichern, oder "
                        "„Startpositionen als Objekte eintragen“ ankreuzen (für Return to the "
                        "Roots).")}},
};

}  // namespace

QString HelpText(PageId page) {
  for (const PageHelp& help : kHelp) {
    if (help.page != page) continue;
    QString text = "<h3>" + QCoreApplication::translate(kContext, help.title) + "</h3>";
    for (const char* paragraph : help.paragraphs) {
      if (paragraph != nullptr)
        text += "<p>" + QCoreApplication::translate(kContext, paragraph) + "</p>";
    }
    return text;
  }
  return {};
}

}  // namespace swd::wizard
