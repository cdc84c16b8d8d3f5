<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>swd::wizard::AnimalDialog</name>
    <message>
        <source>Hasen</source>
        <translation>Hares</translation>
    </message>
    <message>
        <source>Füchse</source>
        <translation>Foxes</translation>
    </message>
    <message>
        <source>Hirsche</source>
        <translation>Stags</translation>
    </message>
    <message>
        <source>Rehe</source>
        <translation>Deer</translation>
    </message>
    <message>
        <source>Enten</source>
        <translation>Ducks</translation>
    </message>
    <message>
        <source>Schafe</source>
        <translation>Sheep</translation>
    </message>
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
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
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
        <source>Startpositionen als Objekte eintragen</source>
        <translation>Write start positions as objects</translation>
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
</context>
<context>
    <name>swd::wizard::ShapePage</name>
    <message>
        <source>Landschaftsumriß</source>
        <translation>Outline of the landscape</translation>
    </message>
    <message>
        <source>Insel</source>
        <translation>Island</translation>
    </message>
    <message>
        <source>Insel (sym.)</source>
        <translation>Island (sym.)</translation>
    </message>
    <message>
        <source>Spirale</source>
        <translation>Spiral</translation>
    </message>
    <message>
        <source>Spirale mit Ring</source>
        <translation>Spiral with ring</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Spezial</source>
        <translation>Special</translation>
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
        <source>Insel</source>
        <translation>Island</translation>
    </message>
    <message>
        <source>Insel (sym.)</source>
        <translation>Island (sym.)</translation>
    </message>
    <message>
        <source>Spirale</source>
        <translation>Spiral</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Spirale mit Ring</source>
        <translation>Spiral with ring</translation>
    </message>
    <message>
        <source>Spezial</source>
        <translation>Special</translation>
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
