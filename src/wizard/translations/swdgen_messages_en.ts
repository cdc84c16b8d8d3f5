<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name></name>
    <message id="StatusReadPicture">
        <source>Lese Bild ein</source>
        <translation>Reading the picture</translation>
    </message>
    <message id="StatusBuildBase">
        <source>Grundfläche wird geschaffen</source>
        <translation>Creating the base area</translation>
    </message>
    <message id="StatusFrayEdges">
        <source>Ränder werden ausgefranst</source>
        <translation>Fraying the edges</translation>
    </message>
    <message id="StatusMatchSurroundings">
        <source>Angleichen an Umgebung</source>
        <translation>Matching the surroundings</translation>
    </message>
    <message id="StatusMatchEdges">
        <source>Ränder werden angeglichen</source>
        <translation>Matching the edges</translation>
    </message>
    <message id="StatusCreateLakes">
        <source>Seen werden geschaffen</source>
        <translation>Creating lakes</translation>
    </message>
    <message id="StatusCreateMoors">
        <source>Moore werden geschaffen</source>
        <translation>Creating moors</translation>
    </message>
    <message id="StatusCreateMountainsAndResources">
        <source>Schaffe Gebirgszüge und Schätze</source>
        <translation>Creating mountain ranges and treasures</translation>
    </message>
    <message id="StatusCreateLava">
        <source>Schaffe Lava</source>
        <translation>Creating lava</translation>
    </message>
    <message id="StatusCreateDeserts">
        <source>Wüstenregionen werden geschaffen</source>
        <translation>Creating desert regions</translation>
    </message>
    <message id="StatusCreateWasteland">
        <source>Ödland wird geschaffen</source>
        <translation>Creating wasteland</translation>
    </message>
    <message id="StatusCreateIceRegions">
        <source>Eisregionen werden geschaffen</source>
        <translation>Creating ice regions</translation>
    </message>
    <message id="StatusCreateForests">
        <source>Wälder werden geschaffen</source>
        <translation>Creating forests</translation>
    </message>
    <message id="StatusCreateSwamps">
        <source>Sümpfe werden geschaffen</source>
        <translation>Creating swamps</translation>
    </message>
    <message id="StatusCreateLavaRegions">
        <source>Lava wird geschaffen</source>
        <translation>Creating lava</translation>
    </message>
    <message id="StatusCreateIce">
        <source>Eis wird geschaffen</source>
        <translation>Creating ice</translation>
    </message>
    <message id="StatusCreateSavannas">
        <source>Savannen werden geschaffen</source>
        <translation>Creating savannas</translation>
    </message>
    <message id="StatusCreateTundra">
        <source>Tundra wird geschaffen</source>
        <translation>Creating tundra</translation>
    </message>
    <message id="StatusCreateSteppes">
        <source>Steppen werden geschaffen</source>
        <translation>Creating steppes</translation>
    </message>
    <message id="StatusCreateMountainRanges">
        <source>Gebirgszüge werden geschaffen</source>
        <translation>Creating mountain ranges</translation>
    </message>
    <message id="StatusCreateSteppesAndSavannas">
        <source>Schaffe Steppen und Savannen</source>
        <translation>Creating steppes and savannas</translation>
    </message>
    <message id="StatusInsertOases">
        <source>Füge Oasen ein</source>
        <translation>Inserting oases</translation>
    </message>
    <message id="StatusInsertResources">
        <source>Füge Schätze ein</source>
        <translation>Inserting treasures</translation>
    </message>
    <message id="StatusFillForests">
        <source>Fülle Wald mit Bäumen</source>
        <translation>Filling the forests with trees</translation>
    </message>
    <message id="StatusCreateLargeGranite">
        <source>Erzeuge größere Granitvorkommen</source>
        <translation>Creating larger granite deposits</translation>
    </message>
    <message id="StatusCreateSmallGranite">
        <source>Erzeuge kleinere Granitvorkommen</source>
        <translation>Creating smaller granite deposits</translation>
    </message>
    <message id="StatusCreateTreeGroups">
        <source>Erzeuge kleinere Baumgruppen</source>
        <translation>Creating smaller groups of trees</translation>
    </message>
    <message id="StatusPlaceTrees">
        <source>Setze Bäume</source>
        <translation>Planting trees</translation>
    </message>
    <message id="StatusDecorateMountainMeadows">
        <source>Verziere Bergwiesen</source>
        <translation>Decorating mountain meadows</translation>
    </message>
    <message id="StatusDecorateSavannas">
        <source>Verziere Savannen</source>
        <translation>Decorating savannas</translation>
    </message>
    <message id="StatusDecorateSteppes">
        <source>Verziere Steppen</source>
        <translation>Decorating steppes</translation>
    </message>
    <message id="StatusDecorateTundra">
        <source>Verziere Tundra</source>
        <translation>Decorating tundra</translation>
    </message>
    <message id="StatusDecorateSteppe">
        <source>Verziere Steppe</source>
        <translation>Decorating steppe</translation>
    </message>
    <message id="StatusDecorateWasteland">
        <source>Verziere Ödland</source>
        <translation>Decorating wasteland</translation>
    </message>
    <message id="StatusDecorateSwamps">
        <source>Verziere Sümpfe</source>
        <translation>Decorating swamps</translation>
    </message>
    <message id="StatusDecorateLava">
        <source>Verziere Lava</source>
        <translation>Decorating lava</translation>
    </message>
    <message id="StatusDecorateShores">
        <source>Verziere Wasserränder</source>
        <translation>Decorating shores</translation>
    </message>
    <message id="StatusDecorateMoorShores">
        <source>Verziere Moorränder</source>
        <translation>Decorating moor shores</translation>
    </message>
    <message id="StatusDecorateMeadows">
        <source>Verziere Wiesen</source>
        <translation>Decorating meadows</translation>
    </message>
    <message id="StatusDecoratePastures">
        <source>Verziere Weiden</source>
        <translation>Decorating pastures</translation>
    </message>
    <message id="StatusDecorateDeserts">
        <source>Verziere Wüsten</source>
        <translation>Decorating deserts</translation>
    </message>
    <message id="StatusDecorateMountains">
        <source>Verziere Gebirge</source>
        <translation>Decorating mountains</translation>
    </message>
    <message id="StatusInsertAnimals">
        <source>Füge Tiere ein</source>
        <translation>Inserting animals</translation>
    </message>
    <message id="StatusRoughenMountains">
        <source>Mache Berge gebirgig</source>
        <translation>Making the mountains rugged</translation>
    </message>
    <message id="StatusCreateLavaFields">
        <source>Schaffe Lavaflächen</source>
        <translation>Creating lava fields</translation>
    </message>
    <message id="StatusCreateSnowFields">
        <source>Schaffe Schneeflächen</source>
        <translation>Creating snow fields</translation>
    </message>
    <message id="StatusMatchHeights">
        <source>Gleiche Höhen an</source>
        <translation>Matching heights</translation>
    </message>
    <message id="StatusShapeHeights">
        <source>Höhenmanipulation</source>
        <translation>Shaping heights</translation>
    </message>
    <message id="StatusCheckHeights">
        <source>Überprüfe Höhen</source>
        <translation>Checking heights</translation>
    </message>
    <message id="StatusFindHeadquarters">
        <source>Hauptquartiere werden gesucht</source>
        <translation>Looking for headquarters sites</translation>
    </message>
    <message id="StatusSmoothLandscape">
        <source>Glätte Landschaft</source>
        <translation>Smoothing the landscape</translation>
    </message>
    <message id="StatusPickFlowers">
        <source>Pflücke Blumen</source>
        <translation>Picking flowers</translation>
    </message>
    <message id="StatusConvert">
        <source>Umwandeln in SWD-Format</source>
        <translation>Converting to the SWD format</translation>
    </message>
    <message id="StatusShift">
        <source>Verschieben</source>
        <translation>Shifting</translation>
    </message>
    <message id="StatusSmoothCorners">
        <source>Winkel ausbügeln</source>
        <translation>Ironing out corners</translation>
    </message>
    <message id="StatusFillEmptyData">
        <source>Auffüllen leerer Daten</source>
        <translation>Filling empty data</translation>
    </message>
    <message id="StatusChooseFairStarts">
        <source>Faire Startpositionen werden gesucht</source>
        <translation>Looking for fair start positions</translation>
    </message>
    <message id="StatusPrepareHarbours">
        <source>Hafenplätze werden angelegt</source>
        <translation>Preparing harbour places</translation>
    </message>
    <message id="StatusWriting">
        <source>Ausgabe in Datei</source>
        <translation>Writing the file</translation>
    </message>
    <message id="StatusDone">
        <source>Fertig !!!</source>
        <translation>Done !!!</translation>
    </message>
    <message id="HintBefore">
        <source>Erstellte Landschaften vor dem Spielen immer erst im Editor laden und abspeichern !!</source>
        <translation>Always load and save generated landscapes in the editor before playing them !!</translation>
    </message>
    <message id="HintDuring">
        <source>Anregungen und Kritik sind willkommen: wie, steht in der README des Projekts.</source>
        <translation>Suggestions and criticism are welcome: the project's README says how.</translation>
    </message>
    <message id="HintAfter">
        <source>Also daran denken: Erstellte Landschaften vor dem Spielen immer erst im Editor laden und abspeichern !!</source>
        <translation>So remember: always load and save generated landscapes in the editor before playing them !!</translation>
    </message>
    <message id="PlayerNotPlaced">
        <source>Der Spieler konnte nicht platziert werden.</source>
        <translation>The player could not be placed.</translation>
    </message>
    <message id="NoPlayerPlaced">
        <source>Keiner der %1 Spieler konnte platziert werden.</source>
        <translation>None of the %1 players could be placed.</translation>
    </message>
    <message id="OnePlayerPlaced">
        <source>Nur 1 von %1 Spielern konnte platziert werden.</source>
        <translation>Only 1 of %1 players could be placed.</translation>
    </message>
    <message id="SomePlayersPlaced">
        <source>Nur %1 von %2 Spielern konnten platziert werden.</source>
        <translation>Only %1 of %2 players could be placed.</translation>
    </message>
    <message id="ReachWalk">
        <source>erreichbar</source>
        <translation>reachable</translation>
    </message>
    <message id="ReachAfterClearing">
        <source>erst nach Holzfällen oder Steinabbau</source>
        <translation>only after felling or quarrying</translation>
    </message>
    <message id="ReachShipOnly">
        <source>nur per Schiff</source>
        <translation>by ship only</translation>
    </message>
    <message id="ReachNone">
        <source>unerreichbar</source>
        <translation>out of reach</translation>
    </message>
    <message id="OneStartCutOff">
        <source>Spieler %1 kann keinen Gegner erreichen.</source>
        <translation>Player %1 cannot reach any rival.</translation>
    </message>
    <message id="StartsCutOff">
        <source>Die Spieler %1 können keinen Gegner erreichen.</source>
        <translation>Players %1 cannot reach any rival.</translation>
    </message>
    <message id="HarbourPlaces">
        <source>Hafenplätze: %1</source>
        <translation>Harbour places: %1</translation>
    </message>
    <message id="NameMissing">
        <source>Bitte einen Dateinamen eingeben.</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message id="NameTooLong">
        <source>Der Dateiname darf höchstens 8 Zeichen lang sein.</source>
        <translation>The file name may be at most 8 characters long.</translation>
    </message>
    <message id="NameBadCharacter">
        <source>Der Dateiname darf nur Buchstaben (ohne Umlaute), Ziffern, '-' und '_' enthalten.</source>
        <translation>The file name may only hold letters (without umlauts), digits, '-' and '_'.</translation>
    </message>
    <message id="NameReserved">
        <source>Der Dateiname ist unter Windows einem Gerät vorbehalten (wie CON, NUL, COM1 oder LPT1).</source>
        <translation>Windows keeps this file name for a device (like CON, NUL, COM1 or LPT1).</translation>
    </message>
    <message id="TitleMissing">
        <source>Bitte einen Landschaftsnamen eingeben.</source>
        <translation>Please enter a landscape name.</translation>
    </message>
    <message id="TitleBadCharacter">
        <source>Der Landschaftsname enthält ein Zeichen, das das Spiel nicht darstellen kann.</source>
        <translation>The landscape name holds a character the game cannot show.</translation>
    </message>
    <message id="TitleTooLong">
        <source>Der Landschaftsname darf höchstens 16 Zeichen lang sein.</source>
        <translation>The landscape name may be at most 16 characters long.</translation>
    </message>
    <message id="SaveNoPermission">
        <source>Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: keine Schreibberechtigung.</source>
        <translation>The file %1 could not be saved in the folder %2: no permission to write.</translation>
    </message>
    <message id="SaveNoSpace">
        <source>Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: kein Platz mehr auf dem Datenträger.</source>
        <translation>The file %1 could not be saved in the folder %2: no space left on the disk.</translation>
    </message>
    <message id="SaveNoFolder">
        <source>Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: der Ordner existiert nicht.</source>
        <translation>The file %1 could not be saved in the folder %2: the folder does not exist.</translation>
    </message>
    <message id="SaveReadOnly">
        <source>Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: der Datenträger ist schreibgeschützt.</source>
        <translation>The file %1 could not be saved in the folder %2: the disk is write-protected.</translation>
    </message>
    <message id="SaveIsFolder">
        <source>Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: an dieser Stelle liegt ein Ordner.</source>
        <translation>The file %1 could not be saved in the folder %2: a folder is in its place.</translation>
    </message>
    <message id="SaveFailed">
        <source>Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: %3.</source>
        <translation>The file %1 could not be saved in the folder %2: %3.</translation>
    </message>
    <message id="SaveIsDevice">
        <source>Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: an dieser Stelle liegt ein Gerät.</source>
        <translation>The file %1 could not be saved in the folder %2: a device is in its place.</translation>
    </message>
    <message id="SaveIsFifo">
        <source>Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: an dieser Stelle liegt eine benannte Pipe (FIFO).</source>
        <translation>The file %1 could not be saved in the folder %2: a named pipe (FIFO) is in its place.</translation>
    </message>
    <message id="SaveIsSocket">
        <source>Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: an dieser Stelle liegt ein Socket.</source>
        <translation>The file %1 could not be saved in the folder %2: a socket is in its place.</translation>
    </message>
    <message id="SaveInterrupted">
        <source>Das Speichern wurde abgebrochen; keine Datei wurde geschrieben.</source>
        <translation>Saving was stopped; no file was written.</translation>
    </message>
    <message id="SameFileTwice">
        <source>%1 und %2 wären dieselbe Datei; ein Lauf ersetzt nicht, was er selbst schreibt.</source>
        <translation>%1 and %2 would be the same file; a run does not replace what it writes itself.</translation>
    </message>
    <message id="FolderMissing">
        <source>Den Ordner %1 gibt es nicht.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message id="FolderNoAccess">
        <source>Der Ordner %1 lässt sich nicht öffnen: keine Berechtigung.</source>
        <translation>The folder %1 cannot be opened: no permission.</translation>
    </message>
    <message id="FolderUnusable">
        <source>Der Ordner %1 lässt sich nicht verwenden: %2.</source>
        <translation>The folder %1 cannot be used: %2.</translation>
    </message>
    <message id="FolderIsFile">
        <source>An der Stelle %1 liegt eine Datei, kein Ordner.</source>
        <translation>A file, not a folder, is at %1.</translation>
    </message>
    <message id="FolderNotCreated">
        <source>Der Ordner %1 ließ sich nicht anlegen: %2.</source>
        <translation>The folder %1 could not be created: %2.</translation>
    </message>
    <message id="UnknownCommand">
        <source>Den Befehl „%1“ gibt es nicht; swdgen kennt %2.</source>
        <translation>There is no command “%1”; swdgen knows %2.</translation>
    </message>
    <message id="NoFileGiven">
        <source>Es ist keine Datei angegeben.</source>
        <translation>No file is given.</translation>
    </message>
    <message id="MapFileMissing">
        <source>Die Datei gibt es nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message id="MapFileNotAFile">
        <source>Das ist keine gewöhnliche Datei, sondern ein Ordner oder ein Gerät.</source>
        <translation>This is not a regular file but a folder or a device.</translation>
    </message>
    <message id="MapFileTooLarge">
        <source>Die Datei ist größer als jede Karte (höchstens %1 Bytes).</source>
        <translation>The file is larger than any map (at most %1 bytes).</translation>
    </message>
    <message id="MapFileNoPermission">
        <source>Die Datei lässt sich nicht lesen: keine Leseberechtigung.</source>
        <translation>The file cannot be read: no permission to read it.</translation>
    </message>
    <message id="MapFileUnreadable">
        <source>Die Datei lässt sich nicht lesen.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message id="MapFileDamaged">
        <source>Die Karte ist beschädigt: %1</source>
        <translation>The map is damaged: %1</translation>
    </message>
    <message id="MapSizeUnplayable">
        <source>Die Karte ist %1 x %2 groß; das Spiel lädt nur Karten, deren Seiten gerade Zahlen von %3 bis %4 sind.</source>
        <translation>The map is %1 x %2; the game only loads maps whose sides are even numbers from %3 to %4.</translation>
    </message>
    <message id="MapHeadquartersMissing">
        <source>Spieler %1 von %2 hat kein Hauptquartier.</source>
        <translation>Player %1 of %2 has no headquarters.</translation>
    </message>
    <message id="MapHeadquartersOutside">
        <source>Das Hauptquartier von Spieler %1 liegt bei %2, %3, außerhalb der %4 x %5 großen Karte.</source>
        <translation>The headquarters of player %1 lies at %2, %3, outside the %4 x %5 map.</translation>
    </message>
    <message id="MapStartDropped">
        <source>%1 Dieser Start fehlt in der Auswertung.</source>
        <translation>%1 This start is missing from the analysis.</translation>
    </message>
    <message id="RenderTooLarge">
        <source>Mit --scale %1 hätte das Bild der %2 x %3 großen Karte %4 x %5 Punkte, mehr als die %6 Punkte (4096 x 2048), die render höchstens zeichnet.</source>
        <translation>With --scale %1 the picture of the %2 x %3 map would have %4 x %5 pixels, more than the %6 pixels (4096 x 2048) render draws at most.</translation>
    </message>
    <message id="PictureNotChosen">
        <source>Für die Grundform „Spezial“ ist kein Bild gewählt.</source>
        <translation>No picture is chosen for the base shape “Special”.</translation>
    </message>
    <message id="PictureMissing">
        <source>Das Bild „%1“ gibt es nicht.</source>
        <translation>The picture “%1” does not exist.</translation>
    </message>
    <message id="PictureNotAFile">
        <source>Das Bild „%1“ ist keine Datei.</source>
        <translation>The picture “%1” is not a file.</translation>
    </message>
    <message id="PictureTooLarge">
        <source>Das Bild „%1“ ist zu groß für ein Kartenbild.</source>
        <translation>The picture “%1” is too large for a map picture.</translation>
    </message>
    <message id="PictureNoPermission">
        <source>Das Bild „%1“ lässt sich nicht lesen: keine Leseberechtigung.</source>
        <translation>The picture “%1” cannot be read: no permission to read.</translation>
    </message>
    <message id="PictureUnreadable">
        <source>Das Bild „%1“ lässt sich nicht lesen.</source>
        <translation>The picture “%1” cannot be read.</translation>
    </message>
    <message id="PictureNotBitmap">
        <source>Das Bild „%1“ ist keine Windows-Bitmap (BMP).</source>
        <translation>The picture “%1” is not a Windows bitmap (BMP).</translation>
    </message>
    <message id="PictureTooShort">
        <source>Das Bild „%1“ ist zu kurz für eine Windows-Bitmap.</source>
        <translation>The picture “%1” is too short for a Windows bitmap.</translation>
    </message>
    <message id="PictureOldHeader">
        <source>Das Bild „%1“ hat einen veralteten Bitmap-Kopf; gebraucht wird eine Windows-Bitmap.</source>
        <translation>The picture “%1” has an outdated bitmap header; a Windows bitmap is needed.</translation>
    </message>
    <message id="PictureBadHeader">
        <source>Das Bild „%1“ hat einen fehlerhaften Bitmap-Kopf.</source>
        <translation>The picture “%1” has a faulty bitmap header.</translation>
    </message>
    <message id="PictureBitDepth">
        <source>Das Bild „%1“ hat %2 Bit je Punkt; gebraucht wird ein Bild mit 256 Farben (8 Bit je Punkt).</source>
        <translation>The picture “%1” has %2 bits per pixel; a picture with 256 colours (8 bits per pixel) is needed.</translation>
    </message>
    <message id="PictureCompressed">
        <source>Das Bild „%1“ ist komprimiert; gebraucht wird eine unkomprimierte Bitmap.</source>
        <translation>The picture “%1” is compressed; an uncompressed bitmap is needed.</translation>
    </message>
    <message id="PictureWrongSize">
        <source>Das Bild „%1“ hat %2 x %3 Punkte, die Karte braucht %4 x %5.</source>
        <translation>The picture “%1” has %2 x %3 pixels, the map needs %4 x %5.</translation>
    </message>
    <message id="PictureIncomplete">
        <source>Das Bild „%1“ ist unvollständig: es fehlen Bilddaten.</source>
        <translation>The picture “%1” is incomplete: picture data are missing.</translation>
    </message>
    <message id="SettingOutOfRange">
        <source>%1 steht auf %2, möglich sind %3 bis %4.</source>
        <translation>%1 is set to %2; possible are %3 to %4.</translation>
    </message>
    <message id="SettingOutOfSteps">
        <source>%1 steht auf %2, möglich sind %3 bis %4 in Schritten von %5.</source>
        <translation>%1 is set to %2; possible are %3 to %4 in steps of %5.</translation>
    </message>
    <message id="SettingMapWidth">
        <source>Die Kartenbreite</source>
        <translation>The map width</translation>
    </message>
    <message id="SettingMapHeight">
        <source>Die Kartenhöhe</source>
        <translation>The map height</translation>
    </message>
    <message id="SettingPlayerCount">
        <source>Die Spielerzahl</source>
        <translation>The number of players</translation>
    </message>
    <message id="SettingSlider">
        <source>Der Regler „%1“</source>
        <translation>The slider “%1”</translation>
    </message>
    <message id="SettingClassSlider">
        <source>Der Regler „%1“ für „%2“</source>
        <translation>The slider “%1” for “%2”</translation>
    </message>
    <message id="SettingClassNumberSlider">
        <source>Der Regler „%1“ für Klasse %2</source>
        <translation>The slider “%1” for class %2</translation>
    </message>
    <message id="SettingShare">
        <source>Der Anteil „%1“</source>
        <translation>The share “%1”</translation>
    </message>
    <message id="SettingUnknownType">
        <source>Der Landschaftstyp %1 ist unbekannt.</source>
        <translation>The landscape type %1 is unknown.</translation>
    </message>
    <message id="SettingUnknownShape">
        <source>Die gewählte Grundform ist unbekannt.</source>
        <translation>The chosen base shape is unknown.</translation>
    </message>
    <message id="SettingSharesSum">
        <source>Die Anteile der Schätze ergeben zusammen %1 %, es müssen 100 % sein.</source>
        <translation>The shares of the treasures add up to %1 %; they must make 100 %.</translation>
    </message>
    <message id="SliderCoast">
        <source>Küste zum Meer</source>
        <translation>Coast to the sea</translation>
    </message>
    <message id="SliderLargeGraniteCount">
        <source>Ausgedehnte Granitfelder: Anzahl</source>
        <translation>Large granite fields: number</translation>
    </message>
    <message id="SliderLargeGraniteSize">
        <source>Ausgedehnte Granitfelder: Größe</source>
        <translation>Large granite fields: size</translation>
    </message>
    <message id="SliderSmallGraniteCount">
        <source>Kleine Granitvorkommen: Häufigkeit</source>
        <translation>Small granite deposits: frequency</translation>
    </message>
    <message id="SliderSmallGraniteFill">
        <source>Kleine Granitvorkommen: Füllung</source>
        <translation>Small granite deposits: filling</translation>
    </message>
    <message id="SliderTreeGroups">
        <source>Kleine Baumgruppen</source>
        <translation>Small tree groups</translation>
    </message>
    <message id="SliderAmount">
        <source>Anzahl</source>
        <translation>Number</translation>
    </message>
    <message id="SliderSize">
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message id="SliderDecoration">
        <source>Verzierungen</source>
        <translation>Decorations</translation>
    </message>
    <message id="AnimalHares">
        <source>Hasen</source>
        <translation>Hares</translation>
    </message>
    <message id="AnimalFoxes">
        <source>Füchse</source>
        <translation>Foxes</translation>
    </message>
    <message id="AnimalStags">
        <source>Hirsche</source>
        <translation>Stags</translation>
    </message>
    <message id="AnimalDeer">
        <source>Rehe</source>
        <translation>Deer</translation>
    </message>
    <message id="AnimalDucks">
        <source>Enten</source>
        <translation>Ducks</translation>
    </message>
    <message id="AnimalSheep">
        <source>Schafe</source>
        <translation>Sheep</translation>
    </message>
    <message id="TreasureCoal">
        <source>Kohle</source>
        <translation>Coal</translation>
    </message>
    <message id="TreasureGold">
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message id="TreasureIron">
        <source>Eisen</source>
        <translation>Iron</translation>
    </message>
    <message id="TreasureGranite">
        <source>Granit</source>
        <translation>Granite</translation>
    </message>
    <message id="TypeGruenland">
        <source>Grünland</source>
        <translation>Greenland</translation>
    </message>
    <message id="TypeOedland">
        <source>Ödland</source>
        <translation>Wasteland</translation>
    </message>
    <message id="TypeWinterland">
        <source>Winterland</source>
        <translation>Winter world</translation>
    </message>
    <message id="ClassMeadows">
        <source>Wiesen</source>
        <translation>Meadows</translation>
    </message>
    <message id="ClassLakes">
        <source>Seen</source>
        <translation>Lakes</translation>
    </message>
    <message id="ClassForests">
        <source>Wälder</source>
        <translation>Forests</translation>
    </message>
    <message id="ClassSwamps">
        <source>Sümpfe</source>
        <translation>Swamps</translation>
    </message>
    <message id="ClassSavannas">
        <source>Savannen</source>
        <translation>Savannas</translation>
    </message>
    <message id="ClassSteppes">
        <source>Steppen</source>
        <translation>Steppes</translation>
    </message>
    <message id="ClassDeserts">
        <source>Wüsten</source>
        <translation>Deserts</translation>
    </message>
    <message id="ClassMountains">
        <source>Gebirge</source>
        <translation>Mountains</translation>
    </message>
    <message id="ClassSnow">
        <source>Schnee</source>
        <translation>Snow</translation>
    </message>
    <message id="ClassMountainMeadows">
        <source>Bergwiesen</source>
        <translation>Mountain meadows</translation>
    </message>
    <message id="ClassPastures">
        <source>Weiden</source>
        <translation>Pastures</translation>
    </message>
    <message id="ClassMoors">
        <source>Moore</source>
        <translation>Moors</translation>
    </message>
    <message id="ClassLava1">
        <source>Lava 1</source>
        <translation>Lava 1</translation>
    </message>
    <message id="ClassSteppes1">
        <source>Steppen 1</source>
        <translation>Steppes 1</translation>
    </message>
    <message id="ClassSteppes2">
        <source>Steppen 2</source>
        <translation>Steppes 2</translation>
    </message>
    <message id="ClassWasteland">
        <source>Ödland</source>
        <translation>Wasteland</translation>
    </message>
    <message id="ClassLava2">
        <source>Lava 2</source>
        <translation>Lava 2</translation>
    </message>
    <message id="ClassTundra">
        <source>Tundra</source>
        <translation>Tundra</translation>
    </message>
    <message id="ClassSmallIceFloes">
        <source>kl. Eisschollen</source>
        <translation>Small ice floes</translation>
    </message>
    <message id="ClassTundra2">
        <source>Tundra 2</source>
        <translation>Tundra 2</translation>
    </message>
    <message id="ClassTaiga">
        <source>Taiga</source>
        <translation>Taiga</translation>
    </message>
    <message id="ClassIce">
        <source>Eis</source>
        <translation>Ice</translation>
    </message>
    <message id="ClassLargeIceFloes">
        <source>Gr. Eisschollen</source>
        <translation>Large ice floes</translation>
    </message>
    <message id="AuthorBadCharacter">
        <source>Der Autor enthält ein Zeichen, das das Spiel nicht darstellen kann.</source>
        <translation>The author holds a character the game cannot show.</translation>
    </message>
    <message id="AuthorTooLong">
        <source>Der Autor darf höchstens 20 Zeichen lang sein.</source>
        <translation>The author may be at most 20 characters long.</translation>
    </message>
    <message id="SettingNamed">
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message id="SettingUnknownChoice">
        <source>%1 steht auf %2; diese Wahl gibt es nicht.</source>
        <translation>%1 is set to %2; there is no such choice.</translation>
    </message>
    <message id="LabelWidth">
        <source>Kartenbreite</source>
        <translation>Map width</translation>
    </message>
    <message id="LabelHeight">
        <source>Kartenhöhe</source>
        <translation>Map height</translation>
    </message>
    <message id="LabelType">
        <source>Landschaftstyp</source>
        <translation>Landscape type</translation>
    </message>
    <message id="LabelPlayers">
        <source>Spielerzahl</source>
        <translation>Number of players</translation>
    </message>
    <message id="LabelIsland">
        <source>Insel</source>
        <translation>Island</translation>
    </message>
    <message id="LabelExtended">
        <source>Erweiterte Einstellungen</source>
        <translation>Advanced settings</translation>
    </message>
    <message id="LabelAreaVariant">
        <source>Flächen-variante</source>
        <translation>Area variant</translation>
    </message>
    <message id="LabelShape">
        <source>Grundform</source>
        <translation>Base shape</translation>
    </message>
    <message id="LabelPicture">
        <source>Bild für „Spezial“</source>
        <translation>Picture for “Special”</translation>
    </message>
    <message id="LabelStartObjects">
        <source>Startpositionen als Objekte eintragen</source>
        <translation>Write start positions as objects</translation>
    </message>
    <message id="LabelHarbours">
        <source>Hafenplätze anlegen</source>
        <translation>Lay out harbour places</translation>
    </message>
    <message id="LabelFairStarts">
        <source>Faire Startpositionen</source>
        <translation>Fair start positions</translation>
    </message>
    <message id="ValueOn">
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message id="ValueOff">
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message id="ShapeIsland">
        <source>Insel</source>
        <translation>Island</translation>
    </message>
    <message id="ShapeIslandSymmetric">
        <source>Insel (sym.)</source>
        <translation>Island (sym.)</translation>
    </message>
    <message id="ShapeSpiral">
        <source>Spirale</source>
        <translation>Spiral</translation>
    </message>
    <message id="ShapeRing">
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message id="ShapeSpiralWithRing">
        <source>Spirale mit Ring</source>
        <translation>Spiral with ring</translation>
    </message>
    <message id="ShapePicture">
        <source>Spezial</source>
        <translation>Special</translation>
    </message>
    <message id="CodeEmpty">
        <source>Es ist kein Kartencode angegeben.</source>
        <translation>No map code was given.</translation>
    </message>
    <message id="CodeNoPrefix">
        <source>„%1“ ist kein Kartencode; ein Kartencode beginnt mit „SWD1-“.</source>
        <translation>“%1” is not a map code; a map code begins with “SWD1-”.</translation>
    </message>
    <message id="CodeUnknownVersion">
        <source>Der Kartencode hat die Version %1; dieses swdgen kennt die Versionen bis %2.</source>
        <translation>The map code has version %1; this swdgen knows the versions up to %2.</translation>
    </message>
    <message id="CodeBadCharacter">
        <source>Der Kartencode enthält „%1“, ein Zeichen, das in keinem Kartencode vorkommt.</source>
        <translation>The map code holds “%1”, a character that is in no map code.</translation>
    </message>
    <message id="CodeTooShort">
        <source>Der Kartencode ist zu kurz: ein Zeichen fehlt.</source>
        <translation>The map code is too short: a character is missing.</translation>
    </message>
    <message id="CodeTooLong">
        <source>Der Kartencode ist länger als jeder Kartencode (höchstens %1 Zeichen).</source>
        <translation>The map code is longer than any map code (at most %1 characters).</translation>
    </message>
    <message id="CodeChecksum">
        <source>Die Prüfsumme des Kartencodes stimmt nicht: ein Zeichen ist vertippt, fehlt oder ist zu viel.</source>
        <translation>The map code's checksum does not match: a character is mistyped, missing or one too many.</translation>
    </message>
    <message id="CodeNewerSettings">
        <source>Der Kartencode enthält Einstellungen, die dieses swdgen nicht kennt; er stammt von einer neueren Version.</source>
        <translation>The map code holds settings this swdgen does not know; it comes from a newer version.</translation>
    </message>
    <message id="CodeBadSettings">
        <source>Der Kartencode enthält Einstellungen außerhalb ihres Bereichs: %1</source>
        <translation>The map code holds settings outside their range: %1</translation>
    </message>
    <message id="CodeNeedsPicture">
        <source>Der Kartencode ist für die Grundform „Spezial“, deren Bild kein Code enthält: bitte das Bild wählen, aus dem die Karte entstand.</source>
        <translation>The map code is for the base shape “Special”, whose picture no code holds: please choose the picture the map was made from.</translation>
    </message>
    <message id="CodePictureDiffers">
        <source>Das Bild „%1“ ist nicht das Bild des Kartencodes; mit ihm entstünde eine andere Karte.</source>
        <translation>The picture “%1” is not the map code's picture; it would make a different map.</translation>
    </message>
    <message id="CandidateStatus">
        <source>Kandidat %1 von %2: %3</source>
        <translation>Candidate %1 of %2: %3</translation>
    </message>
    <message id="CliOption">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="CliInvalid">
        <source>„%1“ geht nicht; möglich ist %2</source>
        <translation>'%1' is not valid; it accepts %2</translation>
    </message>
    <message id="CliInvalidBecause">
        <source>„%1“ geht nicht: %2</source>
        <translation>'%1' is not valid: %2</translation>
    </message>
    <message id="AcceptsWhole">
        <source>eine ganze Zahl von %1 bis %2</source>
        <translation>a whole number %1 to %2</translation>
    </message>
    <message id="AcceptsSteps">
        <source>eine ganze Zahl an Schritten von %1 bis %2</source>
        <translation>a whole number of steps %1 to %2</translation>
    </message>
    <message id="AcceptsScale">
        <source>eine ganze Zahl von %1 bis %2 (Punkte von Knoten zu Knoten)</source>
        <translation>a whole number %1 to %2 (pixels from vertex to vertex)</translation>
    </message>
    <message id="AcceptsFileName">
        <source>einen Dateinamen</source>
        <translation>a file name</translation>
    </message>
    <message id="AcceptsFlag">
        <source>0 oder 1</source>
        <translation>0 or 1</translation>
    </message>
    <message id="AcceptsEither">
        <source>%1 oder %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message id="AcceptsRangeSteps">
        <source>%1..%2 in Schritten von %3</source>
        <translation>%1..%2 in steps of %3</translation>
    </message>
    <message id="AcceptsClassLevels">
        <source>K=W mit K aus %1 und W %2, durch Kommas getrennt</source>
        <translation>C=L with C one of %1 and L %2, comma-separated</translation>
    </message>
    <message id="AcceptsValues">
        <source>%1 Werte: %2</source>
        <translation>%1 values: %2</translation>
    </message>
    <message id="AcceptsLabelled">
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="CliSharesSum">
        <source>„%1“ ergibt zusammen %2; die Anteile müssen zusammen 100 ergeben</source>
        <translation>'%1' adds up to %2; the shares must add up to 100</translation>
    </message>
    <message id="CliContradictsCode">
        <source>„%1“ widerspricht dem Kartencode, der „%2“ enthält</source>
        <translation>'%1' contradicts the map code, which holds '%2'</translation>
    </message>
    <message id="CliShapeNeedsPicture">
        <source>„spezial“ braucht --picture DATEI, eine 8-Bit-Bitmap in der Größe der Karte</source>
        <translation>'spezial' needs --picture FILE, an 8-bit bitmap of the map's size</translation>
    </message>
    <message id="CliPictureOnlySpecial">
        <source>ein Bild wird nur mit --shape spezial verwendet</source>
        <translation>a picture is only used with --shape spezial</translation>
    </message>
    <message id="CliOnlyWithCount">
        <source>nur zusammen mit --count</source>
        <translation>only used with --count</translation>
    </message>
    <message id="CliCannotCombine">
        <source>lässt sich nicht mit %1 verbinden</source>
        <translation>cannot be combined with %1</translation>
    </message>
    <message id="CliPngInBatch">
        <source>mit --count heißt jedes Bild NAME-STARTWERT.png und liegt neben seiner Karte; --png ohne Datei angeben</source>
        <translation>with --count each picture is named NAME-SEED.png beside its map; give --png without a file</translation>
    </message>
    <message id="CliMapItself">
        <source>„%1“ ist die Karte selbst</source>
        <translation>'%1' is the map itself</translation>
    </message>
    <message id="CliPngNotEncoded">
        <source>Das Bild %1 ließ sich nicht als PNG kodieren.</source>
        <translation>The picture %1 could not be encoded as PNG.</translation>
    </message>
    <message id="CliTerrainUnknownOne">
        <source>1 Dreieck hat einen Geländecode, den das Spiel nicht kennt (zuerst %1 bei %2, %3)</source>
        <translation>1 triangle has a terrain code the game does not know (first %1 at %2, %3)</translation>
    </message>
    <message id="CliTerrainUnknownMany">
        <source>%1 Dreiecke haben einen Geländecode, den das Spiel nicht kennt (zuerst %2 bei %3, %4)</source>
        <translation>%1 triangles have a terrain code the game does not know (first %2 at %3, %4)</translation>
    </message>
    <message id="CliTerrainRefused">
        <source>%1; das Spiel lädt diese Karte nicht.</source>
        <translation>%1; the game does not load this map.</translation>
    </message>
    <message id="CliTerrainMagenta">
        <source>%1; sie sind magenta gezeichnet, das Spiel lädt diese Karte nicht.</source>
        <translation>%1; they are drawn in magenta, the game does not load this map.</translation>
    </message>
    <message id="CliInternalError">
        <source>interner Fehler: %1</source>
        <translation>internal error: %1</translation>
    </message>
    <message id="CliUnknownException">
        <source>unbekannte Ausnahme</source>
        <translation>unknown exception</translation>
    </message>
    <message id="CliInterrupted">
        <source>abgebrochen, nichts geschrieben</source>
        <translation>interrupted, nothing written</translation>
    </message>
    <message id="CliNotSaved">
        <source>die Karte wurde nicht gespeichert</source>
        <translation>the map was not saved</translation>
    </message>
    <message id="CliMapsWritten">
        <source>%1 von %2 Karten geschrieben</source>
        <translation>%1 of %2 maps written</translation>
    </message>
    <message id="CliInterruptedMaps">
        <source>abgebrochen, %1 von %2 Karten geschrieben</source>
        <translation>interrupted, %1 of %2 maps written</translation>
    </message>
    <message id="CliBatchProgress">
        <source>%1 von %2 Karten</source>
        <translation>%1 of %2 maps</translation>
    </message>
    <message id="CliBatchRate">
        <source>%1, %2 Karten/s, noch %3</source>
        <translation>%1, %2 maps/s, %3 left</translation>
    </message>
    <message id="CliNotExpected">
        <source>unerwartet: %1</source>
        <translation>not expected: %1</translation>
    </message>
    <message id="CliValueMissing">
        <source>%1: der Wert fehlt</source>
        <translation>%1: its value is missing</translation>
    </message>
    <message id="CliRequired">
        <source>%1 fehlt</source>
        <translation>%1 is missing</translation>
    </message>
    <message id="CliCommandRequired">
        <source>Es ist kein Befehl angegeben; swdgen kennt %1.</source>
        <translation>No command given; swdgen knows %1.</translation>
    </message>
    <message id="CliUnreadable">
        <source>Die Befehlszeile lässt sich nicht lesen: %1</source>
        <translation>The command line cannot be read: %1</translation>
    </message>
    <message id="OutSeed">
        <source>Startwert %1</source>
        <translation>seed %1</translation>
    </message>
    <message id="OutMap">
        <source>Karte %1</source>
        <translation>map %1</translation>
    </message>
    <message id="OutBitmap">
        <source>Bitmap %1</source>
        <translation>bitmap %1</translation>
    </message>
    <message id="OutPicture">
        <source>Bild %1</source>
        <translation>picture %1</translation>
    </message>
    <message id="OutCode">
        <source>Kartencode %1</source>
        <translation>code %1</translation>
    </message>
    <message id="OutPlayers">
        <source>Spieler %1 von %2</source>
        <translation>players %1 of %2</translation>
    </message>
    <message id="OutFairness">
        <source>Fairness vorher %1 nachher %2</source>
        <translation>fairness before %1 after %2</translation>
    </message>
    <message id="OutNone">
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message id="OutCandidate">
        <source>Kandidat Startwert %1 Spieler %2 von %3 Fairness %4</source>
        <translation>candidate seed %1 players %2 of %3 fairness %4</translation>
    </message>
    <message id="OutChosen">
        <source>gewählt Startwert %1</source>
        <translation>chosen seed %1</translation>
    </message>
    <message id="OutBatchMap">
        <source>Karte %1 Startwert %2 Spieler %3 von %4</source>
        <translation>map %1 seed %2 players %3 of %4</translation>
    </message>
    <message id="OutBatchFairness">
        <source>%1 Fairness %2</source>
        <translation>%1 fairness %2</translation>
    </message>
    <message id="OutSummary">
        <source>Übersicht %1</source>
        <translation>summary %1</translation>
    </message>
    <message id="OutSheet">
        <source>Kontaktbogen %1</source>
        <translation>sheet %1</translation>
    </message>
    <message id="InfoTitle">
        <source>Titel</source>
        <translation>title</translation>
    </message>
    <message id="InfoAuthor">
        <source>Autor</source>
        <translation>author</translation>
    </message>
    <message id="InfoCode">
        <source>Kartencode</source>
        <translation>code</translation>
    </message>
    <message id="InfoSize">
        <source>Größe</source>
        <translation>size</translation>
    </message>
    <message id="InfoType">
        <source>Typ</source>
        <translation>type</translation>
    </message>
    <message id="InfoPlayers">
        <source>Spieler</source>
        <translation>players</translation>
    </message>
    <message id="InfoHeadquarters">
        <source>HQ %1</source>
        <translation>hq %1</translation>
    </message>
    <message id="AnMap">
        <source>Karte</source>
        <translation>map</translation>
    </message>
    <message id="AnMapLine">
        <source>%1, %2 x %3, %4, %5 Spieler</source>
        <translation>%1, %2 x %3, %4, %5 players</translation>
    </message>
    <message id="AnTerrain">
        <source>Gelände</source>
        <translation>terrain</translation>
    </message>
    <message id="AnObjects">
        <source>Objekte</source>
        <translation>objects</translation>
    </message>
    <message id="AnObjectsLine">
        <source>Bäume %1, Granit %2 (Größen 1 bis 6), Verzierungen %3</source>
        <translation>trees %1, granite %2 (sizes 1 to 6), decorations %3</translation>
    </message>
    <message id="AnResources">
        <source>Schätze</source>
        <translation>resources</translation>
    </message>
    <message id="AnAnimals">
        <source>Tiere</source>
        <translation>animals</translation>
    </message>
    <message id="AnSites">
        <source>Bauplätze</source>
        <translation>sites</translation>
    </message>
    <message id="AnStarts">
        <source>Starts</source>
        <translation>starts</translation>
    </message>
    <message id="AnStartsFromObjects">
        <source>%1, aus den Startpositions-Objekten, Gebiete mit Radius %2</source>
        <translation>%1, from the start-position objects, areas of radius %2</translation>
    </message>
    <message id="AnStartsFromHeader">
        <source>%1, aus dem Kopf der Karte, Gebiete mit Radius %2</source>
        <translation>%1, from the header, areas of radius %2</translation>
    </message>
    <message id="AnHarbours">
        <source>Häfen</source>
        <translation>harbours</translation>
    </message>
    <message id="AnHarboursLine">
        <source>%1 Hafenplätze, die das Spiel behält</source>
        <translation>%1 harbour places the game keeps</translation>
    </message>
    <message id="AnReach">
        <source>Erreichbarkeit</source>
        <translation>reach</translation>
    </message>
    <message id="AnFairness">
        <source>Fairness</source>
        <translation>fairness</translation>
    </message>
    <message id="AnFairnessLine">
        <source>%1 (der Wert des schwächsten Starts durch den mittleren Wert; 1 heißt gleich gute Starts)</source>
        <translation>%1 (the weakest start's score over the mean score; 1 means even starts)</translation>
    </message>
    <message id="AnFairnessNone">
        <source>keine: weniger als zwei Startpositionen</source>
        <translation>none: fewer than two start positions</translation>
    </message>
    <message id="AnPlayer">
        <source>Spieler %1</source>
        <translation>player %1</translation>
    </message>
    <message id="AnPosition">
        <source>Position</source>
        <translation>position</translation>
    </message>
    <message id="AnArea">
        <source>Gebiet</source>
        <translation>area</translation>
    </message>
    <message id="AnNearestRival">
        <source>nächster Gegner</source>
        <translation>nearest rival</translation>
    </message>
    <message id="AnScore">
        <source>Wert</source>
        <translation>score</translation>
    </message>
    <message id="TerrainBuildable">
        <source>bebaubar</source>
        <translation>buildable</translation>
    </message>
    <message id="TerrainMountain">
        <source>Gebirge</source>
        <translation>mountain</translation>
    </message>
    <message id="TerrainDesert">
        <source>Wüste</source>
        <translation>desert</translation>
    </message>
    <message id="TerrainWater">
        <source>Wasser</source>
        <translation>water</translation>
    </message>
    <message id="TerrainSwamp">
        <source>Sumpf</source>
        <translation>swamp</translation>
    </message>
    <message id="TerrainSnowOrLava">
        <source>Schnee oder Lava</source>
        <translation>snow or lava</translation>
    </message>
    <message id="TerrainUnknown">
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message id="ResourceWater">
        <source>Wasser</source>
        <translation>water</translation>
    </message>
    <message id="ResourceFish">
        <source>Fisch</source>
        <translation>fish</translation>
    </message>
    <message id="SiteLarge">
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message id="SiteMedium">
        <source>mittel</source>
        <translation>medium</translation>
    </message>
    <message id="SiteSmall">
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message id="SiteMine">
        <source>Bergwerk</source>
        <translation>mine</translation>
    </message>
    <message id="SiteFlag">
        <source>Fahne</source>
        <translation>flag</translation>
    </message>
    <message id="SiteNothing">
        <source>nichts</source>
        <translation>nothing</translation>
    </message>
    <message id="FigureLargeSites">
        <source>große Bauplätze</source>
        <translation>large sites</translation>
    </message>
    <message id="FigureMediumSites">
        <source>mittlere Bauplätze</source>
        <translation>medium sites</translation>
    </message>
    <message id="FigureSmallSites">
        <source>kleine Bauplätze</source>
        <translation>small sites</translation>
    </message>
    <message id="FigureMineSites">
        <source>Bergwerksplätze</source>
        <translation>mine sites</translation>
    </message>
    <message id="FigureTrees">
        <source>Bäume</source>
        <translation>trees</translation>
    </message>
    <message id="FigureGranite">
        <source>Granit</source>
        <translation>granite</translation>
    </message>
    <message id="FigureCoal">
        <source>Kohle</source>
        <translation>coal</translation>
    </message>
    <message id="FigureIron">
        <source>Eisen</source>
        <translation>iron</translation>
    </message>
    <message id="FigureGold">
        <source>Gold</source>
        <translation>gold</translation>
    </message>
    <message id="FigureMountainGranite">
        <source>Granit im Gebirge</source>
        <translation>granite in mountains</translation>
    </message>
    <message id="FigureFish">
        <source>Fisch</source>
        <translation>fish</translation>
    </message>
    <message id="FigureWater">
        <source>Wasser</source>
        <translation>water</translation>
    </message>
    <message id="FigureRivalDistance">
        <source>Abstand zum Gegner</source>
        <translation>rival distance</translation>
    </message>
    <message id="ListMore">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="HelpApp">
        <source>swdgen – Zufallslandschaften für Siedler II, als SWD-Karten gespeichert</source>
        <translation>swdgen - random landscapes for Siedler II, saved as SWD map files</translation>
    </message>
    <message id="HelpHelp">
        <source>diese Hilfe zeigen und beenden</source>
        <translation>Print this help message and exit</translation>
    </message>
    <message id="HelpVersion">
        <source>die Version zeigen und beenden</source>
        <translation>Display program version information and exit</translation>
    </message>
    <message id="HelpLang">
        <source>Sprache der Meldungen: de oder en (sonst Deutsch, wo die Locale deutsch ist)</source>
        <translation>language of the messages: de or en (default: German where the locale is)</translation>
    </message>
    <message id="HelpGenerate">
        <source>eine Landschaft erzeugen und speichern</source>
        <translation>generate a landscape and save it</translation>
    </message>
    <message id="HelpOut">
        <source>die Kartendatei („.swd“ wird angehängt, wo es fehlt)</source>
        <translation>map file to write (".swd" is added when missing)</translation>
    </message>
    <message id="HelpTitle">
        <source>Name der Landschaft, höchstens 16 Zeichen</source>
        <translation>landscape title, at most 16 characters</translation>
    </message>
    <message id="HelpCode">
        <source>ein Kartencode (SWD1-...) mit allen Einstellungen und dem Startwert; andere Optionen dürfen nur wiederholen, was er enthält</source>
        <translation>a map code (SWD1-...) with every setting and the seed; other options may only repeat what it holds</translation>
    </message>
    <message id="HelpSeed">
        <source>Startwert 0..4294967295; ohne ihn gezogen und ausgegeben</source>
        <translation>seed 0..4294967295; drawn and printed when absent</translation>
    </message>
    <message id="HelpDumpSteps">
        <source>das Gitter nach jedem Schritt in den Ordner DIR schreiben</source>
        <translation>write the grid after each step into DIR</translation>
    </message>
    <message id="HelpQuiet">
        <source>keine Fortschrittszeile</source>
        <translation>no progress line</translation>
    </message>
    <message id="HelpJson">
        <source>nach dem Lauf ein JSON-Objekt auf stdout statt der Zeilen (README: generate --json)</source>
        <translation>one JSON object on stdout after the run instead of the lines (README: generate --json)</translation>
    </message>
    <message id="HelpPng">
        <source>auch ein Bild der Karte schreiben (wie render es zeichnet); ohne FILE neben der Karte, unter ihrem Namen</source>
        <translation>also write a picture of the map (as render draws it); without FILE beside the map, under its name</translation>
    </message>
    <message id="HelpAuthor">
        <source>TEXT für das Autorfeld der Karte statt ihres Codes (höchstens 20 Zeichen)</source>
        <translation>TEXT for the map's author field instead of its code (at most 20 characters)</translation>
    </message>
    <message id="HelpBestOf">
        <source>N: die Startwerte S..S+N-1 erzeugen, die fairste Karte speichern, N 1..1000</source>
        <translation>N: make the seeds S..S+N-1 and save the fairest, N 1..1000</translation>
    </message>
    <message id="HelpTiming">
        <source>nach dem Lauf die Zeit jeder Zeile ausgeben (auf stdout)</source>
        <translation>print each row's time after the run (on stdout)</translation>
    </message>
    <message id="HelpCount">
        <source>N: die N Karten der Startwerte S..S+N-1 erzeugen, N 1..1000, als NAME-STARTWERT.swd und .bmp (NAME aus --out, sonst Karte), mit einer Übersicht NAME.json</source>
        <translation>N: make the N maps of the seeds S..S+N-1, N 1..1000, as NAME-SEED.swd and .bmp (NAME from --out, else Karte), with a summary NAME.json</translation>
    </message>
    <message id="HelpJobs">
        <source>mit --count: Karten, die zugleich entstehen, 1..64; sonst die Zahl der Kerne</source>
        <translation>with --count: maps made at once, 1..64; default: the cores</translation>
    </message>
    <message id="HelpAnalyze">
        <source>mit --count: die Fairness-Zahlen von analyze für jede Karte in der Übersicht</source>
        <translation>with --count: the fairness figures of analyze for each map in the summary</translation>
    </message>
    <message id="HelpCsv">
        <source>mit --count: die Übersicht auch als NAME.csv</source>
        <translation>with --count: the summary also as NAME.csv</translation>
    </message>
    <message id="HelpSheet">
        <source>mit --count: ein Kontaktbogen aller Karten als eine HTML-Datei (schließt --analyze ein)</source>
        <translation>with --count: a contact sheet of all maps as one HTML file (implies --analyze)</translation>
    </message>
    <message id="HelpInfo">
        <source>eine Kartendatei prüfen und ihren Kopf zeigen</source>
        <translation>check a map file and show its header</translation>
    </message>
    <message id="HelpMapFile">
        <source>die .swd-Datei</source>
        <translation>the .swd file</translation>
    </message>
    <message id="HelpRender">
        <source>eine Kartendatei zeichnen, wie das Spiel sie zeigt, als PNG</source>
        <translation>draw a map file as the game shows it, as a PNG</translation>
    </message>
    <message id="HelpRenderOut">
        <source>die PNG-Datei; sonst der Name der Karte mit .png</source>
        <translation>PNG file to write; default: the map's name with .png</translation>
    </message>
    <message id="HelpScale">
        <source>Punkte von Knoten zu Knoten, 2..64; sonst 1024 Punkte breit</source>
        <translation>pixels from vertex to vertex, 2..64; default: 1024 px wide</translation>
    </message>
    <message id="HelpOverlay">
        <source>Zeichen obenauf: resources, sites</source>
        <translation>marks to draw on top: resources, sites</translation>
    </message>
    <message id="HelpAnalyzeCommand">
        <source>die Bauplätze einer Karte und die Fairness ihrer Starts bewerten</source>
        <translation>rate a map's building sites and the fairness of its starts</translation>
    </message>
    <message id="HelpAnalyzeJson">
        <source>JSON statt einer Tabelle</source>
        <translation>JSON instead of a table</translation>
    </message>
    <message id="HelpRadius">
        <source>Schritte des Gebiets eines Starts, 1..256 (24)</source>
        <translation>steps of a start's area, 1..256 (24)</translation>
    </message>
    <message id="HelpSetting">
        <source>%1: %2 (Vorgabe %3)</source>
        <translation>%1: %2 (default %3)</translation>
    </message>
    <message id="HelpFlagOff">
        <source>weglassen: %1</source>
        <translation>leave out %1</translation>
    </message>
    <message id="HelpClassLevels">
        <source>%1 der Klasse K (%2): %3 (Vorgabe %4); wiederholbar oder K=W,K=W</source>
        <translation>%1 of class C (%2): %3 (default %4); repeatable or C=L,C=L</translation>
    </message>
</context>
</TS>
