<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>swd::wizard::AnimalDialog</name>
    <message>
        <source>Häufigkeit von Tieren</source>
        <translation>Frequency of animals</translation>
    </message>
    <message>
        <source>Tierart</source>
        <translation>Species</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>sehr viele</source>
        <translation>very many</translation>
    </message>
</context>
<context>
    <name>swd::wizard::CoastDialog</name>
    <message>
        <source>Küstenverlauf</source>
        <translation>Coastline</translation>
    </message>
    <message>
        <source>Küste zum Meer</source>
        <translation>Coast to the sea</translation>
    </message>
    <message>
        <source>glatt</source>
        <translation>smooth</translation>
    </message>
    <message>
        <source>ausgefranst</source>
        <translation>frayed</translation>
    </message>
</context>
<context>
    <name>swd::wizard::DetailDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>swd::wizard::FileDialogs</name>
    <message>
        <source>Laden</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Bilder (*.bmp)</source>
        <translation>Pictures (*.bmp)</translation>
    </message>
    <message>
        <source>Ordner zum Speichern wählen</source>
        <translation>Choose the folder to save in</translation>
    </message>
</context>
<context>
    <name>swd::wizard::GenerationPage</name>
    <message>
        <source>Landschaft generieren</source>
        <translation>Generate landscape</translation>
    </message>
    <message>
        <source>Der Fairness-Index vergleicht die Starts der Spieler: Bauplätze, Bäume, Granit, Rohstoffe, Fische und Wasser im Umkreis von 24 Schritten und den Abstand zum nächsten Gegner, wie „swdgen analyze“ sie zählt. 1 heißt gleich gute Starts.</source>
        <translation>The fairness index compares the players&apos; starts: building sites, trees, granite, resources, fish and water within 24 steps, and the distance to the nearest rival, as “swdgen analyze” counts them. 1 means equally good starts.</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Zurück</source>
        <translation>&lt;&lt; &amp;Back</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Start&amp;wert:</source>
        <translation>S&amp;eed:</translation>
    </message>
    <message>
        <source>Leer: jede Landschaft wird anders. Eine Zahl von 0 bis 4294967295 macht mit denselben Einstellungen immer dieselbe Landschaft, wie „swdgen generate --seed“.</source>
        <translation>Empty: every landscape comes out different. A number from 0 to 4294967295 always makes the same landscape from the same settings, as “swdgen generate --seed” does.</translation>
    </message>
    <message>
        <source>&amp;Start !</source>
        <translation>&amp;Start !</translation>
    </message>
    <message>
        <source>Der Startwert muss eine ganze Zahl von 0 bis 4294967295 sein. Leer gelassen wird jede Landschaft anders.</source>
        <translation>The seed must be a whole number from 0 to 4294967295. Left empty, every landscape comes out different.</translation>
    </message>
    <message>
        <source>Spieler platziert: %1 von %2</source>
        <translation>Players placed: %1 of %2</translation>
    </message>
    <message>
        <source>Fairness-Index: %1 (1 = gleich gute Starts)</source>
        <translation>Fairness index: %1 (1 = equally good starts)</translation>
    </message>
    <message>
        <source>Fairness-Index: keiner (weniger als zwei Starts)</source>
        <translation>Fairness index: none (fewer than two starts)</translation>
    </message>
    <message>
        <source>Generierung abgebrochen</source>
        <translation>Generation stopped</translation>
    </message>
    <message>
        <source>Karte%1</source>
        <translation>Map%1</translation>
    </message>
    <message>
        <source>Phantasia-Zufall</source>
        <translation>Fantasia-Random</translation>
    </message>
    <message>
        <source>Startwert: %1</source>
        <translation>Seed: %1</translation>
    </message>
    <message>
        <source>Nichts gespeichert. Mit dem Startwert %1 und denselben Einstellungen entsteht dieselbe Karte noch einmal.</source>
        <translation>Nothing saved. The seed %1 with the same settings makes the same map again.</translation>
    </message>
    <message>
        <source>Die Karte trotzdem speichern?</source>
        <translation>Save the map anyway?</translation>
    </message>
    <message>
        <source>&amp;Kartencode:</source>
        <translation>Map &amp;code:</translation>
    </message>
    <message>
        <source>Der Kartencode hält alle Einstellungen und den Startwert einer Karte. Ein Code, hier eingefügt und mit Enter bestätigt, stellt die Seiten und den Startwert so ein, dass Start dieselbe Karte macht, wie „swdgen generate --code“.</source>
        <translation>The map code holds every setting and the seed of a map. A code pasted here and confirmed with Enter sets the pages and the seed so that Start makes the same map, as “swdgen generate --code” does.</translation>
    </message>
    <message>
        <source>K&amp;opieren</source>
        <translation>C&amp;opy</translation>
    </message>
    <message>
        <source>&amp;Beste aus:</source>
        <translation>&amp;Best of:</translation>
    </message>
    <message>
        <source>1 macht eine Karte. Mit N entstehen die Karten der Startwerte ab dem Startwert, und gespeichert wird die mit den meisten platzierten Spielern und den fairsten Starts, wie „swdgen generate --best-of N“.</source>
        <translation>1 makes one map. With N, the maps of the seeds from the seed on are made, and the one with the most players placed and the fairest starts is saved, as “swdgen generate --best-of N” does.</translation>
    </message>
    <message>
        <source>Fairness-Index: %1 → %2</source>
        <translation>Fairness index: %1 → %2</translation>
    </message>
    <message>
        <source>Startwert: %1 (der fairste von %2)</source>
        <translation>Seed: %1 (the fairest of %2)</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Kandidat %1 von %2 (Startwert %3): %4 von %5 Spielern, Fairness-Index %6</source>
        <translation>Candidate %1 of %2 (seed %3): %4 of %5 players, fairness index %6</translation>
    </message>
    <message>
        <source>Kartencode</source>
        <translation>Map code</translation>
    </message>
</context>
<context>
    <name>swd::wizard::GraniteDialog</name>
    <message>
        <source>wenige</source>
        <translation>few</translation>
    </message>
    <message>
        <source>viele</source>
        <translation>many</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>selten</source>
        <translation>rare</translation>
    </message>
    <message>
        <source>häufig</source>
        <translation>frequent</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>voll</source>
        <translation>full</translation>
    </message>
    <message>
        <source>Ausdehnung der Granitvorkommen</source>
        <translation>Extent of the granite deposits</translation>
    </message>
    <message>
        <source>Ausgedehnte Granitfelder</source>
        <translation>Large granite fields</translation>
    </message>
    <message>
        <source>Kleine Granitvorkommen</source>
        <translation>Small granite deposits</translation>
    </message>
</context>
<context>
    <name>swd::wizard::Help</name>
    <message>
        <source>Größe der Landschaft</source>
        <translation>Size of the landscape</translation>
    </message>
    <message>
        <source>&lt;b&gt;Breite&lt;/b&gt; und &lt;b&gt;Höhe&lt;/b&gt; zählen die Punkte der Karte, auf denen Wege, Flaggen und Gebäude stehen: 32 bis 256 in Schritten von 16. Das Bild rechts zeigt das Verhältnis der Seiten.</source>
        <translation>&lt;b&gt;Width&lt;/b&gt; and &lt;b&gt;height&lt;/b&gt; count the map&apos;s points, on which roads, flags and buildings stand: 32 to 256 in steps of 16. The picture on the right shows the ratio of the sides.</translation>
    </message>
    <message>
        <source>Die Datei wächst mit der Fläche, um etwa 14 kB je 1000 Punkte: 64 x 64 sind rund 58 kB, 128 x 128 rund 226 kB, 256 x 256 rund 900 kB.</source>
        <translation>The file grows with the area, by about 14 kB per 1000 points: 64 x 64 is about 58 kB, 128 x 128 about 226 kB, 256 x 256 about 900 kB.</translation>
    </message>
    <message>
        <source>Ein Hauptquartier braucht 5 x 5 Punkte freies Land und zu den anderen mindestens (Breite + Höhe) / 16 + 16 Punkte Abstand: auf 64 x 64 also 24. Für 7 Spieler sollte eine Insel 128 x 128 groß sein.</source>
        <translation>A headquarters needs 5 x 5 points of open land and at least (width + height) / 16 + 16 points to the others: 24 on 64 x 64. For 7 players an island should be 128 x 128.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Insel&lt;/b&gt;: das Land liegt im Meer (blauer Rahmen), ohne Insel reicht es bis an den Rand (grün). &lt;b&gt;Erweiterte Einstellungen&lt;/b&gt;: es folgen die Grundform, die Anteile der Geländearten, Rohstoffe, Granit, Bäume und Tiere; ohne sie gelten deren Standardwerte.</source>
        <translation>&lt;b&gt;Island&lt;/b&gt;: the land lies in the sea (blue frame); without it the land reaches the edge (green). &lt;b&gt;Extended settings&lt;/b&gt;: the base shape, the proportions of the kinds of terrain, resources, granite, trees and animals follow; without them their defaults apply.</translation>
    </message>
    <message>
        <source>Spielszenario und Anzahl der Spieler</source>
        <translation>Scenario and number of players</translation>
    </message>
    <message>
        <source>Der &lt;b&gt;Landschaftstyp&lt;/b&gt; bestimmt die Geländearten, Bäume und Farben: Grünland mit Wiesen und Wäldern, Ödland mit Steppe und Lava, Winterland mit Schnee, Eis und Tundra.</source>
        <translation>The &lt;b&gt;landscape type&lt;/b&gt; decides the kinds of terrain, trees and colours: Greenland with meadows and forests, Wasteland with steppe and lava, Winter world with snow, ice and tundra.</translation>
    </message>
    <message>
        <source>Die &lt;b&gt;Spieler-Anzahl&lt;/b&gt; (1 bis 7) ist die Zahl der Hauptquartiere. Jedes braucht 5 x 5 Punkte freies Land und Abstand zu den anderen; wo keins mehr Platz findet, hat die Karte weniger Spieler, und der Generator sagt es.</source>
        <translation>The &lt;b&gt;number of players&lt;/b&gt; (1 to 7) is the number of headquarters. Each needs 5 x 5 points of open land and room to the others; where none finds room any more, the map has fewer players, and the generator says so.</translation>
    </message>
    <message>
        <source>Der Hinweis unter der Anzahl sagt, wenn Karten dieser Größe und Grundform selten so viele Spieler fassen: gezählt an je 100 erzeugten Karten. „Insel (sym.)“ setzt die Spieler paarweise, also höchstens 6.</source>
        <translation>The note below the number says when maps of this size and base shape rarely hold that many players: counted on 100 generated maps each. “Island (sym.)” places the players in pairs, so 6 at most.</translation>
    </message>
    <message>
        <source>Maße und Verzierungen</source>
        <translation>Proportions and decoration</translation>
    </message>
    <message>
        <source>Jede Geländeart hat drei Regler von 0 bis 10, in der Mitte (5) der Standard: &lt;b&gt;Anzahl&lt;/b&gt; – wie viele Gebiete dieser Art entstehen, &lt;b&gt;Größe&lt;/b&gt; – wie groß jedes wird, &lt;b&gt;Verzierung&lt;/b&gt; – wie dicht Steine, Büsche, Pilze und Ähnliches darauf stehen.</source>
        <translation>Each kind of terrain has three sliders from 0 to 10, the default in the middle (5): &lt;b&gt;amount&lt;/b&gt; – how many areas of this kind arise, &lt;b&gt;size&lt;/b&gt; – how large each becomes, &lt;b&gt;decoration&lt;/b&gt; – how densely stones, bushes, mushrooms and the like stand on it.</translation>
    </message>
    <message>
        <source>Geländearten ohne Regler legt der Generator selbst an. &lt;b&gt;Flächen-variante&lt;/b&gt;: Anzahl und Größe der Gebiete folgen genau der Seitenlänge der Karte, statt zufällig zwischen einem Drittel und dem Ganzen zu liegen.</source>
        <translation>The generator lays out the kinds of terrain without sliders by itself. &lt;b&gt;Area variant&lt;/b&gt;: the number and size of the areas follow the map&apos;s side length exactly instead of lying at random between a third and the whole.</translation>
    </message>
    <message>
        <source>Die Bilder öffnen: &lt;b&gt;Rohstoffe&lt;/b&gt; – die Anteile von Kohle, Gold, Eisen und Granit in den Bergen in Prozent (zusammen 100; zu Beginn 54, 15, 26, 5); &lt;b&gt;Granit&lt;/b&gt; – Anzahl und Ausdehnung großer (0 bis 10) und kleiner Vorkommen (0 bis 15); &lt;b&gt;kleine Baumgruppen&lt;/b&gt; – 0 bis 15, zu Beginn 4; &lt;b&gt;Tiere&lt;/b&gt; – je Tierart 0 bis 20, zu Beginn 2.</source>
        <translation>The pictures open: &lt;b&gt;resources&lt;/b&gt; – the shares of coal, gold, iron and granite in the mountains in percent (100 together; at first 54, 15, 26, 5); &lt;b&gt;granite&lt;/b&gt; – number and extent of large (0 to 10) and small deposits (0 to 15); &lt;b&gt;small tree groups&lt;/b&gt; – 0 to 15, at first 4; &lt;b&gt;animals&lt;/b&gt; – 0 to 20 per species, at first 2.</translation>
    </message>
    <message>
        <source>Landschaft generieren</source>
        <translation>Generate landscape</translation>
    </message>
    <message>
        <source>&lt;b&gt;Start !&lt;/b&gt; lässt die Landschaft im Bild wachsen, Schritt für Schritt; Escape (gedrückt halten) oder das Schließen des Fensters bricht ab. Am Ende fragt der Speichern-Dialog nach Landschaftsname (höchstens 16 Zeichen) und Dateiname (höchstens 8 Buchstaben, Ziffern, - und _).</source>
        <translation>&lt;b&gt;Start !&lt;/b&gt; grows the landscape in the picture step by step; Escape (held down) or closing the window stops it. At the end the save dialog asks for the landscape name (16 characters at most) and the file name (8 letters, digits, - and _ at most).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Startwert&lt;/b&gt;: leer zieht der Generator eine Zahl und zeigt sie nach dem Lauf; dieselbe Zahl (0 bis 4294967295) mit denselben Einstellungen macht dieselbe Karte wieder, auch mit „swdgen generate --seed“.</source>
        <translation>&lt;b&gt;Seed&lt;/b&gt;: left empty, the generator draws a number and shows it after the run; the same number (0 to 4294967295) with the same settings makes the same map again, also with “swdgen generate --seed”.</translation>
    </message>
    <message>
        <source>Nach dem Speichern stehen oben rechts die platzierten Spieler und der Fairness-Index ihrer Starts (1 = gleich gute Starts), im Bild die Starts als Nummern in den Farben der Spieler.</source>
        <translation>After saving, the top right shows the players placed and the fairness index of their starts (1 = equally good starts), and the picture shows the starts as numbers in the players&apos; colours.</translation>
    </message>
    <message>
        <source>Vor dem Spielen die Karte im Editor des Spiels laden und speichern, oder „Startpositionen als Objekte eintragen“ ankreuzen (für Return to the Roots).</source>
        <translation>Before playing, load the map in the game&apos;s editor and save it, or tick “Write start positions as objects” (for Return to the Roots).</translation>
    </message>
</context>
<context>
    <name>swd::wizard::HelpDialog</name>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Hilfe: %1</source>
        <translation>Help: %1</translation>
    </message>
</context>
<context>
    <name>swd::wizard::PlayerRoom</name>
    <message>
        <source>„Insel (sym.)“ setzt die Spieler paarweise: von %1 Spielern werden höchstens %2 platziert.</source>
        <translation>“Island (sym.)” places the players in pairs: of %1 players at most %2 are placed.</translation>
    </message>
    <message>
        <source>Auf einer Karte von %1 x %2 ohne „Insel“</source>
        <translation>On a %1 x %2 map without “Island”</translation>
    </message>
    <message>
        <source>Auf einer Karte von %1 x %2 mit der Grundform „%3“</source>
        <translation>On a %1 x %2 map with the base shape “%3”</translation>
    </message>
    <message>
        <source>%1 finden %2 Spieler so gut wie nie alle Platz.</source>
        <translation>%1, %2 players hardly ever all find room.</translation>
    </message>
    <message>
        <source>%1 finden %2 Spieler nur bei etwa %3 von 10 Karten alle Platz.</source>
        <translation>%1, %2 players all find room on only about %3 of 10 maps.</translation>
    </message>
    <message>
        <source>Fast immer ist Platz für bis zu %1 Spieler.</source>
        <translation>There is almost always room for up to %1 players.</translation>
    </message>
    <message>
        <source>Eine größere Karte gibt ihnen Raum.</source>
        <translation>A larger map gives them room.</translation>
    </message>
</context>
<context>
    <name>swd::wizard::ProportionsPage</name>
    <message>
        <source>Anzahl</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>few</translation>
    </message>
    <message>
        <source>sehr viele</source>
        <translation>very many</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Verzierungen</source>
        <translation>Decorations</translation>
    </message>
    <message>
        <source>kahl</source>
        <translation>bare</translation>
    </message>
    <message>
        <source>voll</source>
        <translation>full</translation>
    </message>
    <message>
        <source>Maße und Verzierungen</source>
        <translation>Proportions and decorations</translation>
    </message>
    <message>
        <source>Flächen-variante</source>
        <translation>Area variant</translation>
    </message>
    <message>
        <source>Baumgruppen</source>
        <translation>Tree groups</translation>
    </message>
    <message>
        <source>Granit</source>
        <translation>Granite</translation>
    </message>
    <message>
        <source>Schätze</source>
        <translation>Treasures</translation>
    </message>
    <message>
        <source>Tiere</source>
        <translation>Animals</translation>
    </message>
</context>
<context>
    <name>swd::wizard::ResourceDialog</name>
    <message>
        <source>Kohle</source>
        <translation>Coal</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Eisen</source>
        <translation>Iron</translation>
    </message>
    <message>
        <source>Granit</source>
        <translation>Granite</translation>
    </message>
    <message>
        <source>Häufigkeit von Rohstoffen</source>
        <translation>Frequency of resources</translation>
    </message>
    <message>
        <source>Schätze</source>
        <translation>Treasures</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Share</translation>
    </message>
</context>
<context>
    <name>swd::wizard::SaveDialog</name>
    <message>
        <source>Datei speichern</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Landschaftsname:</source>
        <translation>Landscape name:</translation>
    </message>
    <message>
        <source>Dateiname:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Ordner:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Spiele wie Return to the Roots starten eine Karte nur mit eingetragenen Startpositionen.</source>
        <translation>Games such as Return to the Roots start a map only when its start positions are written in.</translation>
    </message>
    <message>
        <source>Anderen O&amp;rdner wählen …</source>
        <translation>Choose another fol&amp;der …</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1 gibt es im Ordner %2 schon. Ersetzen?</source>
        <translation>The folder %2 already holds %1. Replace?</translation>
    </message>
    <message>
        <source>In den Ordner %1 kann nicht geschrieben werden. Bitte einen anderen Ordner wählen.</source>
        <translation>The folder %1 cannot be written to. Please choose another folder.</translation>
    </message>
    <message>
        <source>In den Kartenordner von Return to the Roots</source>
        <translation>Into Return to the Roots&apos; map folder</translation>
    </message>
</context>
<context>
    <name>swd::wizard::ShapePage</name>
    <message>
        <source>Landschaftsumriß</source>
        <translation>Outline of the landscape</translation>
    </message>
    <message>
        <source>Spezial</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Bitte ein anderes Bild wählen.</source>
        <translation>Please choose another picture.</translation>
    </message>
    <message>
        <source>Bild: %1</source>
        <translation>Picture: %1</translation>
    </message>
</context>
<context>
    <name>swd::wizard::SizePage</name>
    <message>
        <source>Größe der Landschaft</source>
        <translation>Size of the landscape</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Dateigröße ca.</source>
        <translation>File size approx.</translation>
    </message>
    <message>
        <source>Insel</source>
        <translation>Island</translation>
    </message>
    <message>
        <source>Erweiterte Einstellungen</source>
        <translation>Extended settings</translation>
    </message>
</context>
<context>
    <name>swd::wizard::SplashScreen</name>
    <message>
        <source>Zufallslandschaften für Die Siedler II</source>
        <translation>Random landscapes for Settlers II</translation>
    </message>
    <message>
        <source>Zum Spielen der erzeugten Landschaften wird die Missions-CD oder die Gold-Edition von Die Siedler II benötigt.</source>
        <translation>Playing the generated landscapes needs the Mission CD or the Gold Edition of The Settlers II.</translation>
    </message>
</context>
<context>
    <name>swd::wizard::SummaryPage</name>
    <message>
        <source>Eigenschaften der zu generierenden Landschaft</source>
        <translation>Properties of the landscape to generate</translation>
    </message>
    <message>
        <source>Grundform: %1</source>
        <translation>Base shape: %1</translation>
    </message>
    <message>
        <source>Typ: %1</source>
        <translation>Type: %1</translation>
    </message>
    <message>
        <source>Größe:%1 x%2</source>
        <translation>Size:%1 x%2</translation>
    </message>
    <message>
        <source>für%1 Spieler </source>
        <translation>for%1 players </translation>
    </message>
    <message>
        <source>Kohle : %1%</source>
        <translation>Coal   : %1%</translation>
    </message>
    <message>
        <source>Gold  : %1%</source>
        <translation>Gold   : %1%</translation>
    </message>
    <message>
        <source>Eisen : %1%</source>
        <translation>Iron   : %1%</translation>
    </message>
    <message>
        <source>Granit: %1%</source>
        <translation>Granite: %1%</translation>
    </message>
    <message>
        <source>automatisch</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>few</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>viele</source>
        <translation>many</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>mittelgroß</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Allgemeines</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Rohstoffvorkommen</source>
        <translation>Resource deposits</translation>
    </message>
    <message>
        <source>Geländetypen (Anzahl/Größe)</source>
        <translation>Terrain types (number/size)</translation>
    </message>
    <message>
        <source>Grundform: %1 (%2)</source>
        <translation>Base shape: %1 (%2)</translation>
    </message>
    <message>
        <source>Weitere Einstellungen</source>
        <translation>Further settings</translation>
    </message>
    <message>
        <source>Kartencode: %1</source>
        <translation>Map code: %1</translation>
    </message>
</context>
<context>
    <name>swd::wizard::TreeGroupDialog</name>
    <message>
        <source>Kleine Baumgruppen</source>
        <translation>Small tree groups</translation>
    </message>
    <message>
        <source>wenige</source>
        <translation>few</translation>
    </message>
    <message>
        <source>sehr viele</source>
        <translation>very many</translation>
    </message>
    <message>
        <source>Häufigkeit kleiner Baumgruppen festlegen</source>
        <translation>Set the frequency of small tree groups</translation>
    </message>
</context>
<context>
    <name>swd::wizard::TypePage</name>
    <message>
        <source>Spielszenario und Anzahl der Spieler</source>
        <translation>Game scenario and number of players</translation>
    </message>
    <message>
        <source>Landschaftstyp</source>
        <translation>Landscape type</translation>
    </message>
    <message>
        <source>Gewünschte Spieler-Anzahl</source>
        <translation>Number of players wanted</translation>
    </message>
    <message>
        <source>Größe der Landschaft :</source>
        <translation>Size of the landscape :</translation>
    </message>
</context>
<context>
    <name>swd::wizard::WizardPage</name>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Zurück</source>
        <translation>&lt;&lt; &amp;Back</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Weiter &gt;&gt;</source>
        <translation>&amp;Next &gt;&gt;</translation>
    </message>
</context>
</TS>
