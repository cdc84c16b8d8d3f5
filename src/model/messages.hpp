#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace swd {

// Every text the core shows a user, by key: the command line and the web page print the
// German of this table, the wizard looks each key up in its translations (the English of a
// key is in translations/swdgen_messages_en.ts under the key's name). %1, %2, ... stand for
// a message's arguments, in the order the key's comment gives them.
#define SWD_MESSAGES(X)                                                                          \
  /* The status line of the steps. */                                                            \
  X(StatusReadPicture, "Lese Bild ein")                                                          \
  X(StatusBuildBase, "Grundfläche wird geschaffen")                                              \
  X(StatusFrayEdges, "Ränder werden ausgefranst")                                                \
  X(StatusMatchSurroundings, "Angleichen an Umgebung")                                           \
  X(StatusMatchEdges, "Ränder werden angeglichen")                                               \
  X(StatusCreateLakes, "Seen werden geschaffen")                                                 \
  X(StatusCreateMoors, "Moore werden geschaffen")                                                \
  X(StatusCreateMountainsAndResources, "Schaffe Gebirgszüge und Schätze")                        \
  X(StatusCreateLava, "Schaffe Lava")                                                            \
  X(StatusCreateDeserts, "Wüstenregionen werden geschaffen")                                     \
  X(StatusCreateWasteland, "Ödland wird geschaffen")                                             \
  X(StatusCreateIceRegions, "Eisregionen werden geschaffen")                                     \
  X(StatusCreateForests, "Wälder werden geschaffen")                                             \
  X(StatusCreateSwamps, "Sümpfe werden geschaffen")                                              \
  X(StatusCreateLavaRegions, "Lava wird geschaffen")                                             \
  X(StatusCreateIce, "Eis wird geschaffen")                                                      \
  X(StatusCreateSavannas, "Savannen werden geschaffen")                                          \
  X(StatusCreateTundra, "Tundra wird geschaffen")                                                \
  X(StatusCreateSteppes, "Steppen werden geschaffen")                                            \
  X(StatusCreateMountainRanges, "Gebirgszüge werden geschaffen")                                 \
  X(StatusCreateSteppesAndSavannas, "Schaffe Steppen und Savannen")                              \
  X(StatusInsertOases, "Füge Oasen ein")                                                         \
  X(StatusInsertResources, "Füge Schätze ein")                                                   \
  X(StatusFillForests, "Fülle Wald mit Bäumen")                                                  \
  X(StatusCreateLargeGranite, "Erzeuge größere Granitvorkommen")                                 \
  X(StatusCreateSmallGranite, "Erzeuge kleinere Granitvorkommen")                                \
  X(StatusCreateTreeGroups, "Erzeuge kleinere Baumgruppen")                                      \
  X(StatusPlaceTrees, "Setze Bäume")                                                             \
  X(StatusDecorateMountainMeadows, "Verziere Bergwiesen")                                        \
  X(StatusDecorateSavannas, "Verziere Savannen")                                                 \
  X(StatusDecorateSteppes, "Verziere Steppen")                                                   \
  X(StatusDecorateTundra, "Verziere Tundra")                                                     \
  X(StatusDecorateSteppe, "Verziere Steppe")                                                     \
  X(StatusDecorateWasteland, "Verziere Ödland")                                                  \
  X(StatusDecorateSwamps, "Verziere Sümpfe")                                                     \
  X(StatusDecorateLava, "Verziere Lava")                                                         \
  X(StatusDecorateShores, "Verziere Wasserränder")                                               \
  X(StatusDecorateMoorShores, "Verziere Moorränder")                                             \
  X(StatusDecorateMeadows, "Verziere Wiesen")                                                    \
  X(StatusDecoratePastures, "Verziere Weiden")                                                   \
  X(StatusDecorateDeserts, "Verziere Wüsten")                                                    \
  X(StatusDecorateMountains, "Verziere Gebirge")                                                 \
  X(StatusInsertAnimals, "Füge Tiere ein")                                                       \
  X(StatusRoughenMountains, "Mache Berge gebirgig")                                              \
  X(StatusCreateLavaFields, "Schaffe Lavaflächen")                                               \
  X(StatusCreateSnowFields, "Schaffe Schneeflächen")                                             \
  X(StatusMatchHeights, "Gleiche Höhen an")                                                      \
  X(StatusShapeHeights, "Höhenmanipulation")                                                     \
  X(StatusCheckHeights, "Überprüfe Höhen")                                                       \
  X(StatusFindHeadquarters, "Hauptquartiere werden gesucht")                                     \
  X(StatusSmoothLandscape, "Glätte Landschaft")                                                  \
  X(StatusPickFlowers, "Pflücke Blumen")                                                         \
  X(StatusConvert, "Umwandeln in SWD-Format")                                                    \
  X(StatusShift, "Verschieben")                                                                  \
  X(StatusSmoothCorners, "Winkel ausbügeln")                                                     \
  X(StatusFillEmptyData, "Auffüllen leerer Daten")                                               \
  X(StatusChooseFairStarts, "Faire Startpositionen werden gesucht")                              \
  X(StatusPrepareHarbours, "Hafenplätze werden angelegt")                                        \
  X(StatusWriting, "Ausgabe in Datei")                                                           \
  X(StatusDone, "Fertig !!!")                                                                    \
  /* The hint line, before, during and after a run. */                                           \
  X(HintBefore,                                                                                  \
    "Erstellte Landschaften vor dem Spielen immer erst im Editor laden und "                     \
    "abspeichern !!")                                                                            \
  X(HintDuring,                                                                                  \
    "Anregungen und Kritik sind willkommen: wie, steht in der README des "                       \
    "Projekts.")                                                                                 \
  X(HintAfter,                                                                                   \
    "Also daran denken: Erstellte Landschaften vor dem Spielen immer erst im "                   \
    "Editor laden und abspeichern !!")                                                           \
  /* Players without room for their headquarters: %1 asked for. */                               \
  X(PlayerNotPlaced, "Der Spieler konnte nicht platziert werden.")                               \
  X(NoPlayerPlaced, "Keiner der %1 Spieler konnte platziert werden.")                            \
  X(OnePlayerPlaced, "Nur 1 von %1 Spielern konnte platziert werden.")                           \
  /* %1 placed, %2 asked for. */                                                                 \
  X(SomePlayersPlaced, "Nur %1 von %2 Spielern konnten platziert werden.")                       \
  /* How a start gets to its nearest rival (the analysis). */                                    \
  X(ReachWalk, "erreichbar")                                                                     \
  X(ReachAfterClearing, "erst nach Holzfällen oder Steinabbau")                                  \
  X(ReachShipOnly, "nur per Schiff")                                                             \
  X(ReachNone, "unerreichbar")                                                                   \
  /* After a run: %1 the players (numbers) who can reach no rival, not even by ship. */          \
  X(OneStartCutOff, "Spieler %1 kann keinen Gegner erreichen.")                                  \
  X(StartsCutOff, "Die Spieler %1 können keinen Gegner erreichen.")                              \
  /* After a run: %1 harbour places the game keeps. */                                           \
  X(HarbourPlaces, "Hafenplätze: %1")                                                            \
  /* The checks of a map's file name and title. */                                               \
  X(NameMissing, "Bitte einen Dateinamen eingeben.")                                             \
  X(NameTooLong, "Der Dateiname darf höchstens 8 Zeichen lang sein.")                            \
  X(NameBadCharacter,                                                                            \
    "Der Dateiname darf nur Buchstaben (ohne Umlaute), Ziffern, '-' und '_' enthalten.")         \
  X(NameReserved,                                                                                \
    "Der Dateiname ist unter Windows einem Gerät vorbehalten (wie CON, NUL, COM1 "              \
    "oder LPT1).")                                                                               \
  X(TitleMissing, "Bitte einen Landschaftsnamen eingeben.")                                      \
  X(TitleBadCharacter,                                                                           \
    "Der Landschaftsname enthält ein Zeichen, das das Spiel nicht darstellen kann.")             \
  X(TitleTooLong, "Der Landschaftsname darf höchstens 16 Zeichen lang sein.")                    \
  X(AuthorBadCharacter, "Der Autor enthält ein Zeichen, das das Spiel nicht darstellen kann.")   \
  X(AuthorTooLong, "Der Autor darf höchstens 20 Zeichen lang sein.")                             \
  /* A file of a save that could not be written: %1 the file, %2 its folder. */                  \
  X(SaveNoPermission,                                                                            \
    "Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: keine Schreibberechtigung.")     \
  X(SaveNoSpace,                                                                                 \
    "Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: kein Platz "                     \
    "mehr auf dem Datenträger.")                                                                 \
  X(SaveNoFolder,                                                                                \
    "Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: der Ordner "                     \
    "existiert nicht.")                                                                          \
  X(SaveReadOnly,                                                                                \
    "Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: der "                            \
    "Datenträger ist schreibgeschützt.")                                                         \
  X(SaveIsFolder,                                                                                \
    "Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: an dieser "                      \
    "Stelle liegt ein Ordner.")                                                                  \
  /* %3 the system's reason. */                                                                  \
  X(SaveFailed, "Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: %3.")                \
  X(SaveIsDevice,                                                                                \
    "Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: an dieser "                      \
    "Stelle liegt ein Gerät.")                                                                   \
  X(SaveIsFifo,                                                                                  \
    "Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: an dieser "                      \
    "Stelle liegt eine benannte Pipe (FIFO).")                                                   \
  X(SaveIsSocket,                                                                                \
    "Die Datei %1 konnte im Ordner %2 nicht gespeichert werden: an dieser "                      \
    "Stelle liegt ein Socket.")                                                                  \
  X(SaveInterrupted, "Das Speichern wurde abgebrochen; keine Datei wurde geschrieben.")          \
  /* Two files of one save or run that are one and the same: %1 and %2 their paths. */           \
  X(SameFileTwice,                                                                               \
    "%1 und %2 wären dieselbe Datei; ein Lauf ersetzt nicht, was er selbst "                    \
    "schreibt.")                                                                                 \
  /* A folder to write into, checked before anything runs: %1 the folder. */                     \
  X(FolderMissing, "Den Ordner %1 gibt es nicht.")                                               \
  X(FolderNoAccess, "Der Ordner %1 lässt sich nicht öffnen: keine Berechtigung.")                \
  /* %2 the system's reason. */                                                                  \
  X(FolderUnusable, "Der Ordner %1 lässt sich nicht verwenden: %2.")                             \
  X(FolderIsFile, "An der Stelle %1 liegt eine Datei, kein Ordner.")                             \
  X(FolderNotCreated, "Der Ordner %1 ließ sich nicht anlegen: %2.")                              \
  /* The command line's commands and the map files they read. */                                 \
  /* %1 the command as given, %2 the commands there are. */                                      \
  X(UnknownCommand, "Den Befehl „%1“ gibt es nicht; swdgen kennt %2.")                           \
  X(NoFileGiven, "Es ist keine Datei angegeben.")                                                \
  X(MapFileMissing, "Die Datei gibt es nicht.")                                                  \
  X(MapFileNotAFile,                                                                             \
    "Das ist keine gewöhnliche Datei, sondern ein Ordner oder ein "                             \
    "Gerät.")                                                                                    \
  /* %1 the largest map's size in bytes. */                                                      \
  X(MapFileTooLarge, "Die Datei ist größer als jede Karte (höchstens %1 Bytes).")                \
  X(MapFileNoPermission, "Die Datei lässt sich nicht lesen: keine Leseberechtigung.")            \
  X(MapFileUnreadable, "Die Datei lässt sich nicht lesen.")                                      \
  /* %1 what the reader found wrong, a sentence. */                                              \
  X(MapFileDamaged, "Die Karte ist beschädigt: %1")                                              \
  /* What a map's header says that the game cannot load: %1 x %2 the map's size, */              \
  /* %3 to %4 the sides the game loads. */                                                       \
  X(MapSizeUnplayable,                                                                           \
    "Die Karte ist %1 x %2 groß; das Spiel lädt nur Karten, deren Seiten "                     \
    "gerade Zahlen von %3 bis %4 sind.")                                                         \
  /* %1 the player, %2 the number of players the header names. */                                \
  X(MapHeadquartersMissing, "Spieler %1 von %2 hat kein Hauptquartier.")                         \
  /* %1 the player, %2, %3 the vertex, %4 x %5 the map's size. */                                \
  X(MapHeadquartersOutside,                                                                      \
    "Das Hauptquartier von Spieler %1 liegt bei %2, %3, außerhalb der %4 x %5 "                 \
    "großen Karte.")                                                                             \
  /* %1 what keeps the start from the analysis. */                                               \
  X(MapStartDropped, "%1 Dieser Start fehlt in der Auswertung.")                                 \
  /* %1 the scale, %2 x %3 the map's size, %4 x %5 the picture's, %6 the most pixels. */         \
  X(RenderTooLarge,                                                                              \
    "Mit --scale %1 hätte das Bild der %2 x %3 großen Karte %4 x %5 Punkte, "                  \
    "mehr als die %6 Punkte (4096 x 2048), die render höchstens zeichnet.")                      \
  /* The picture of the "Spezial" shape; %1 is its path. */                                      \
  X(PictureNotChosen, "Für die Grundform „Spezial“ ist kein Bild gewählt.")                      \
  X(PictureMissing, "Das Bild „%1“ gibt es nicht.")                                              \
  X(PictureNotAFile, "Das Bild „%1“ ist keine Datei.")                                           \
  X(PictureTooLarge, "Das Bild „%1“ ist zu groß für ein Kartenbild.")                            \
  X(PictureNoPermission, "Das Bild „%1“ lässt sich nicht lesen: keine Leseberechtigung.")        \
  X(PictureUnreadable, "Das Bild „%1“ lässt sich nicht lesen.")                                  \
  X(PictureNotBitmap, "Das Bild „%1“ ist keine Windows-Bitmap (BMP).")                           \
  X(PictureTooShort, "Das Bild „%1“ ist zu kurz für eine Windows-Bitmap.")                       \
  X(PictureOldHeader,                                                                            \
    "Das Bild „%1“ hat einen veralteten Bitmap-Kopf; gebraucht wird eine "                   \
    "Windows-Bitmap.")                                                                           \
  X(PictureBadHeader, "Das Bild „%1“ hat einen fehlerhaften Bitmap-Kopf.")                       \
  /* %2 the picture's bits per pixel. */                                                         \
  X(PictureBitDepth,                                                                             \
    "Das Bild „%1“ hat %2 Bit je Punkt; gebraucht wird ein Bild mit 256 "                    \
    "Farben (8 Bit je Punkt).")                                                                  \
  X(PictureCompressed,                                                                           \
    "Das Bild „%1“ ist komprimiert; gebraucht wird eine unkomprimierte Bitmap.")                 \
  /* %2 x %3 the picture's size, %4 x %5 the map's. */                                           \
  X(PictureWrongSize, "Das Bild „%1“ hat %2 x %3 Punkte, die Karte braucht %4 x %5.")            \
  X(PictureIncomplete, "Das Bild „%1“ ist unvollständig: es fehlen Bilddaten.")                  \
  /* Settings a run cannot use: %1 what (one of the Setting... texts), %2 its value, */          \
  /* %3 to %4 the range. */                                                                      \
  X(SettingOutOfRange, "%1 steht auf %2, möglich sind %3 bis %4.")                               \
  /* %5 the step. */                                                                             \
  X(SettingOutOfSteps, "%1 steht auf %2, möglich sind %3 bis %4 in Schritten von %5.")           \
  /* %1 a setting's label. */                                                                    \
  X(SettingNamed, "„%1“")                                                                        \
  /* %1 what, %2 the number of a choice the setting does not have. */                            \
  X(SettingUnknownChoice, "%1 steht auf %2; diese Wahl gibt es nicht.")                          \
  /* %1 a slider's caption. */                                                                   \
  X(SettingSlider, "Der Regler „%1“")                                                            \
  /* %1 a slider's caption, %2 the class it is for. */                                           \
  X(SettingClassSlider, "Der Regler „%1“ für „%2“")                                              \
  /* %1 a slider's caption, %2 the number of a class without a name. */                          \
  X(SettingClassNumberSlider, "Der Regler „%1“ für Klasse %2")                                   \
  /* %1 one of the treasures. */                                                                 \
  X(SettingShare, "Der Anteil „%1“")                                                             \
  /* %1 the sum. */                                                                              \
  X(SettingSharesSum, "Die Anteile der Schätze ergeben zusammen %1 %, es müssen 100 % sein.")    \
  /* The settings' labels (setting_table.cpp) and the values of flags. */                        \
  X(LabelWidth, "Kartenbreite")                                                                  \
  X(LabelHeight, "Kartenhöhe")                                                                   \
  X(LabelType, "Landschaftstyp")                                                                 \
  X(LabelPlayers, "Spielerzahl")                                                                 \
  X(LabelIsland, "Insel")                                                                        \
  X(LabelExtended, "Erweiterte Einstellungen")                                                   \
  X(LabelAreaVariant, "Flächen-variante")                                                        \
  X(LabelShape, "Grundform")                                                                     \
  X(LabelPicture, "Bild für „Spezial“")                                                          \
  X(LabelStartObjects, "Startpositionen als Objekte eintragen")                                  \
  X(LabelHarbours, "Hafenplätze anlegen")                                                        \
  X(LabelFairStarts, "Faire Startpositionen")                                                    \
  X(ValueOn, "ja")                                                                               \
  X(ValueOff, "nein")                                                                            \
  /* The base shapes. */                                                                         \
  X(ShapeIsland, "Insel")                                                                        \
  X(ShapeIslandSymmetric, "Insel (sym.)")                                                        \
  X(ShapeSpiral, "Spirale")                                                                      \
  X(ShapeRing, "Ring")                                                                           \
  X(ShapeSpiralWithRing, "Spirale mit Ring")                                                     \
  X(ShapePicture, "Spezial")                                                                     \
  /* A map code that cannot be read (map_code.hpp); %1 what was given. */                        \
  X(CodeEmpty, "Es ist kein Kartencode angegeben.")                                              \
  X(CodeNoPrefix, "„%1“ ist kein Kartencode; ein Kartencode beginnt mit „SWD1-“.")               \
  /* %1 the code's version, %2 the newest this program reads. */                                 \
  X(CodeUnknownVersion,                                                                          \
    "Der Kartencode hat die Version %1; dieses swdgen kennt die Versionen bis %2.")              \
  /* %1 the character. */                                                                        \
  X(CodeBadCharacter,                                                                            \
    "Der Kartencode enthält „%1“, ein Zeichen, das in keinem Kartencode vorkommt.")              \
  X(CodeTooShort, "Der Kartencode ist zu kurz: ein Zeichen fehlt.")                              \
  /* %1 the most characters a code has. */                                                       \
  X(CodeTooLong, "Der Kartencode ist länger als jeder Kartencode (höchstens %1 Zeichen).")       \
  X(CodeChecksum,                                                                                \
    "Die Prüfsumme des Kartencodes stimmt nicht: ein Zeichen ist vertippt, fehlt oder ist "     \
    "zu viel.")                                                                                  \
  X(CodeNewerSettings,                                                                           \
    "Der Kartencode enthält Einstellungen, die dieses swdgen nicht kennt; er stammt von "       \
    "einer neueren Version.")                                                                    \
  /* %1 what the settings check says about the code's settings. */                               \
  X(CodeBadSettings, "Der Kartencode enthält Einstellungen außerhalb ihres Bereichs: %1")        \
  X(CodeNeedsPicture,                                                                            \
    "Der Kartencode ist für die Grundform „Spezial“, deren Bild kein Code enthält: bitte " \
    "das Bild wählen, aus dem die Karte entstand.")                                              \
  /* %1 the picture's path. */                                                                   \
  X(CodePictureDiffers,                                                                          \
    "Das Bild „%1“ ist nicht das Bild des Kartencodes; mit ihm entstünde eine andere Karte.")    \
  /* The choice of the fairest of several seeds: %1 the candidate, %2 of how many, %3 the */     \
  /* status of its run. */                                                                       \
  X(CandidateStatus, "Kandidat %1 von %2: %3")                                                   \
  /* The sliders' captions. */                                                                   \
  X(SliderCoast, "Küste zum Meer")                                                               \
  X(SliderLargeGraniteCount, "Ausgedehnte Granitfelder: Anzahl")                                 \
  X(SliderLargeGraniteSize, "Ausgedehnte Granitfelder: Größe")                                   \
  X(SliderSmallGraniteCount, "Kleine Granitvorkommen: Häufigkeit")                               \
  X(SliderSmallGraniteFill, "Kleine Granitvorkommen: Füllung")                                   \
  X(SliderTreeGroups, "Kleine Baumgruppen")                                                      \
  X(SliderAmount, "Anzahl")                                                                      \
  X(SliderSize, "Größe")                                                                         \
  X(SliderDecoration, "Verzierungen")                                                            \
  X(AnimalHares, "Hasen")                                                                        \
  X(AnimalFoxes, "Füchse")                                                                       \
  X(AnimalStags, "Hirsche")                                                                      \
  X(AnimalDeer, "Rehe")                                                                          \
  X(AnimalDucks, "Enten")                                                                        \
  X(AnimalSheep, "Schafe")                                                                       \
  X(TreasureCoal, "Kohle")                                                                       \
  X(TreasureGold, "Gold")                                                                        \
  X(TreasureIron, "Eisen")                                                                       \
  X(TreasureGranite, "Granit")                                                                   \
  /* The landscape types. */                                                                     \
  X(TypeGruenland, "Grünland")                                                                   \
  X(TypeOedland, "Ödland")                                                                       \
  X(TypeWinterland, "Winterland")                                                                \
  /* The terrain classes as each landscape type names them. */                                   \
  X(ClassMeadows, "Wiesen")                                                                      \
  X(ClassLakes, "Seen")                                                                          \
  X(ClassForests, "Wälder")                                                                      \
  X(ClassSwamps, "Sümpfe")                                                                       \
  X(ClassSavannas, "Savannen")                                                                   \
  X(ClassSteppes, "Steppen")                                                                     \
  X(ClassDeserts, "Wüsten")                                                                      \
  X(ClassMountains, "Gebirge")                                                                   \
  X(ClassSnow, "Schnee")                                                                         \
  X(ClassMountainMeadows, "Bergwiesen")                                                          \
  X(ClassPastures, "Weiden")                                                                     \
  X(ClassMoors, "Moore")                                                                         \
  X(ClassLava1, "Lava 1")                                                                        \
  X(ClassSteppes1, "Steppen 1")                                                                  \
  X(ClassSteppes2, "Steppen 2")                                                                  \
  X(ClassWasteland, "Ödland")                                                                    \
  X(ClassLava2, "Lava 2")                                                                        \
  X(ClassTundra, "Tundra")                                                                       \
  X(ClassSmallIceFloes, "kl. Eisschollen")                                                       \
  X(ClassTundra2, "Tundra 2")                                                                    \
  X(ClassTaiga, "Taiga")                                                                         \
  X(ClassIce, "Eis")                                                                             \
  X(ClassLargeIceFloes, "Gr. Eisschollen")                                                       \
  /* The command line's own texts: an option and what is wrong with its value, %1 the option. */ \
  X(CliOption, "%1: %2")                                                                         \
  /* %1 the value as given, %2 what the option accepts. */                                       \
  X(CliInvalid, "„%1“ geht nicht; möglich ist %2")                                               \
  /* %1 the value as given, %2 why not. */                                                       \
  X(CliInvalidBecause, "„%1“ geht nicht: %2")                                                    \
  /* What an option accepts: %1 to %2. */                                                        \
  X(AcceptsWhole, "eine ganze Zahl von %1 bis %2")                                               \
  X(AcceptsSteps, "eine ganze Zahl an Schritten von %1 bis %2")                                  \
  X(AcceptsScale, "eine ganze Zahl von %1 bis %2 (Punkte von Knoten zu Knoten)")                 \
  X(AcceptsFileName, "einen Dateinamen")                                                         \
  X(AcceptsFlag, "0 oder 1")                                                                     \
  /* %1 all choices but the last, %2 the last. */                                                \
  X(AcceptsEither, "%1 oder %2")                                                                 \
  /* %3 the step. */                                                                             \
  X(AcceptsRangeSteps, "%1..%2 in Schritten von %3")                                             \
  /* %1 the classes, %2 what a level accepts. */                                                 \
  X(AcceptsClassLevels, "K=W mit K aus %1 und W %2, durch Kommas getrennt")                      \
  /* %1 how many values, %2 what each accepts. */                                                \
  X(AcceptsValues, "%1 Werte: %2")                                                               \
  /* %1 a setting's label, %2 what it accepts. */                                                \
  X(AcceptsLabelled, "%1 %2")                                                                    \
  /* %1 the shares as given, %2 their sum. */                                                    \
  X(CliSharesSum, "„%1“ ergibt zusammen %2; die Anteile müssen zusammen 100 ergeben")            \
  /* %1 the value as given, %2 the code's. */                                                    \
  X(CliContradictsCode, "„%1“ widerspricht dem Kartencode, der „%2“ enthält")                    \
  X(CliShapeNeedsPicture,                                                                        \
    "„spezial“ braucht --picture DATEI, eine 8-Bit-Bitmap in der Größe der Karte")               \
  X(CliPictureOnlySpecial, "ein Bild wird nur mit --shape spezial verwendet")                    \
  X(CliOnlyWithCount, "nur zusammen mit --count")                                                \
  /* %1 the other option. */                                                                     \
  X(CliCannotCombine, "lässt sich nicht mit %1 verbinden")                                       \
  X(CliPngInBatch,                                                                               \
    "mit --count heißt jedes Bild NAME-STARTWERT.png und liegt neben seiner Karte; --png "      \
    "ohne Datei angeben")                                                                        \
  /* %1 the file given to render's -o. */                                                        \
  X(CliMapItself, "„%1“ ist die Karte selbst")                                                   \
  X(CliPngNotEncoded, "Das Bild %1 ließ sich nicht als PNG kodieren.")                           \
  /* Triangles of a map with a code the game does not know: %1 the code, %2, %3 where. */        \
  X(CliTerrainUnknownOne,                                                                        \
    "1 Dreieck hat einen Geländecode, den das Spiel nicht kennt (zuerst %1 bei %2, %3)")         \
  /* %1 how many, %2 the first code, %3, %4 where. */                                            \
  X(CliTerrainUnknownMany,                                                                       \
    "%1 Dreiecke haben einen Geländecode, den das Spiel nicht kennt (zuerst %2 bei %3, %4)")     \
  /* %1 one of the two above. */                                                                 \
  X(CliTerrainRefused, "%1; das Spiel lädt diese Karte nicht.")                                  \
  X(CliTerrainMagenta, "%1; sie sind magenta gezeichnet, das Spiel lädt diese Karte nicht.")     \
  /* %1 what went wrong inside. */                                                               \
  X(CliInternalError, "interner Fehler: %1")                                                     \
  X(CliUnknownException, "unbekannte Ausnahme")                                                  \
  X(CliInterrupted, "abgebrochen, nichts geschrieben")                                           \
  X(CliNotSaved, "die Karte wurde nicht gespeichert")                                            \
  /* %1 maps written of %2 asked for. */                                                         \
  X(CliMapsWritten, "%1 von %2 Karten geschrieben")                                              \
  X(CliInterruptedMaps, "abgebrochen, %1 von %2 Karten geschrieben")                             \
  /* The batch's progress line: %1 of %2 maps; then %1 that, %2 maps a second, %3 the time */    \
  /* left. */                                                                                    \
  X(CliBatchProgress, "%1 von %2 Karten")                                                        \
  X(CliBatchRate, "%1, %2 Karten/s, noch %3")                                                    \
  /* What the command line's parser refuses: %1 the words it did not expect. */                  \
  X(CliNotExpected, "unerwartet: %1")                                                            \
  /* %1 the option. */                                                                           \
  X(CliValueMissing, "%1: der Wert fehlt")                                                       \
  /* %1 what is required. */                                                                     \
  X(CliRequired, "%1 fehlt")                                                                     \
  /* %1 the commands there are. */                                                               \
  X(CliCommandRequired, "Es ist kein Befehl angegeben; swdgen kennt %1.")                        \
  /* %1 the parser's own words. */                                                               \
  X(CliUnreadable, "Die Befehlszeile lässt sich nicht lesen: %1")                                \
  /* The lines generate prints: %1 the seed, a file, a code. */                                  \
  X(OutSeed, "Startwert %1")                                                                     \
  X(OutMap, "Karte %1")                                                                          \
  X(OutBitmap, "Bitmap %1")                                                                      \
  X(OutPicture, "Bild %1")                                                                       \
  X(OutCode, "Kartencode %1")                                                                    \
  /* %1 placed, %2 asked for. */                                                                 \
  X(OutPlayers, "Spieler %1 von %2")                                                             \
  /* %1 the fairness of the random placement, %2 that of the map written. */                     \
  X(OutFairness, "Fairness vorher %1 nachher %2")                                                \
  X(OutNone, "keine")                                                                            \
  /* %1 the seed, %2 of %3 players placed, %4 the fairness. */                                   \
  X(OutCandidate, "Kandidat Startwert %1 Spieler %2 von %3 Fairness %4")                         \
  X(OutChosen, "gewählt Startwert %1")                                                           \
  /* %1 the map file, %2 the seed, %3 of %4 players placed. */                                   \
  X(OutBatchMap, "Karte %1 Startwert %2 Spieler %3 von %4")                                      \
  /* %1 the line above, %2 the fairness. */                                                      \
  X(OutBatchFairness, "%1 Fairness %2")                                                          \
  X(OutSummary, "Übersicht %1")                                                                  \
  X(OutSheet, "Kontaktbogen %1")                                                                 \
  /* The labels of info and analyze. */                                                          \
  X(InfoTitle, "Titel")                                                                          \
  X(InfoAuthor, "Autor")                                                                         \
  X(InfoCode, "Kartencode")                                                                      \
  X(InfoSize, "Größe")                                                                           \
  X(InfoType, "Typ")                                                                             \
  X(InfoPlayers, "Spieler")                                                                      \
  /* %1 the player. */                                                                           \
  X(InfoHeadquarters, "HQ %1")                                                                   \
  X(AnMap, "Karte")                                                                              \
  /* %1 the title, %2 x %3 the size, %4 the type, %5 the players. */                             \
  X(AnMapLine, "%1, %2 x %3, %4, %5 Spieler")                                                    \
  X(AnTerrain, "Gelände")                                                                        \
  X(AnObjects, "Objekte")                                                                        \
  /* %1 the trees, %2 the granite by size, %3 the decorations. */                                \
  X(AnObjectsLine, "Bäume %1, Granit %2 (Größen 1 bis 6), Verzierungen %3")                      \
  X(AnResources, "Schätze")                                                                      \
  X(AnAnimals, "Tiere")                                                                          \
  X(AnSites, "Bauplätze")                                                                        \
  X(AnStarts, "Starts")                                                                          \
  /* %1 how many starts, %2 the radius. */                                                       \
  X(AnStartsFromObjects, "%1, aus den Startpositions-Objekten, Gebiete mit Radius %2")           \
  X(AnStartsFromHeader, "%1, aus dem Kopf der Karte, Gebiete mit Radius %2")                     \
  X(AnHarbours, "Häfen")                                                                         \
  X(AnHarboursLine, "%1 Hafenplätze, die das Spiel behält")                                      \
  X(AnReach, "Erreichbarkeit")                                                                   \
  X(AnFairness, "Fairness")                                                                      \
  /* %1 the index. */                                                                            \
  X(AnFairnessLine,                                                                              \
    "%1 (der Wert des schwächsten Starts durch den mittleren Wert; 1 heißt gleich gute "       \
    "Starts)")                                                                                   \
  X(AnFairnessNone, "keine: weniger als zwei Startpositionen")                                   \
  /* %1 the player. */                                                                           \
  X(AnPlayer, "Spieler %1")                                                                      \
  X(AnPosition, "Position")                                                                      \
  X(AnArea, "Gebiet")                                                                            \
  X(AnNearestRival, "nächster Gegner")                                                           \
  X(AnScore, "Wert")                                                                             \
  /* The analysis' kinds of terrain, resources, sites and figures. */                            \
  X(TerrainBuildable, "bebaubar")                                                                \
  X(TerrainMountain, "Gebirge")                                                                  \
  X(TerrainDesert, "Wüste")                                                                      \
  X(TerrainWater, "Wasser")                                                                      \
  X(TerrainSwamp, "Sumpf")                                                                       \
  X(TerrainSnowOrLava, "Schnee oder Lava")                                                       \
  X(TerrainUnknown, "unbekannt")                                                                 \
  X(ResourceWater, "Wasser")                                                                     \
  X(ResourceFish, "Fisch")                                                                       \
  X(SiteLarge, "groß")                                                                           \
  X(SiteMedium, "mittel")                                                                        \
  X(SiteSmall, "klein")                                                                          \
  X(SiteMine, "Bergwerk")                                                                        \
  X(SiteFlag, "Fahne")                                                                           \
  X(SiteNothing, "nichts")                                                                       \
  X(FigureLargeSites, "große Bauplätze")                                                         \
  X(FigureMediumSites, "mittlere Bauplätze")                                                     \
  X(FigureSmallSites, "kleine Bauplätze")                                                        \
  X(FigureMineSites, "Bergwerksplätze")                                                          \
  X(FigureTrees, "Bäume")                                                                        \
  X(FigureGranite, "Granit")                                                                     \
  X(FigureCoal, "Kohle")                                                                         \
  X(FigureIron, "Eisen")                                                                         \
  X(FigureGold, "Gold")                                                                          \
  X(FigureMountainGranite, "Granit im Gebirge")                                                  \
  X(FigureFish, "Fisch")                                                                         \
  X(FigureWater, "Wasser")                                                                       \
  X(FigureRivalDistance, "Abstand zum Gegner")                                                   \
  /* One more item of a list: %1 the items before, %2 the next. */                               \
  X(ListMore, "%1, %2")                                                                          \
  /* The command line's help: what each command and option does. */                              \
  X(HelpApp, "swdgen – Zufallslandschaften für Siedler II, als SWD-Karten gespeichert")          \
  X(HelpHelp, "diese Hilfe zeigen und beenden")                                                  \
  X(HelpVersion, "die Version zeigen und beenden")                                               \
  X(HelpLang, "Sprache der Meldungen: de oder en (sonst Deutsch, wo die Locale deutsch ist)")    \
  X(HelpGenerate, "eine Landschaft erzeugen und speichern")                                      \
  X(HelpOut, "die Kartendatei („.swd“ wird angehängt, wo es fehlt)")                             \
  X(HelpTitle, "Name der Landschaft, höchstens 16 Zeichen")                                      \
  X(HelpCode,                                                                                    \
    "ein Kartencode (SWD1-...) mit allen Einstellungen und dem Startwert; andere Optionen "      \
    "dürfen nur wiederholen, was er enthält")                                                    \
  X(HelpSeed, "Startwert 0..4294967295; ohne ihn gezogen und ausgegeben")                        \
  X(HelpDumpSteps, "das Gitter nach jedem Schritt in den Ordner DIR schreiben")                  \
  X(HelpQuiet, "keine Fortschrittszeile")                                                        \
  X(HelpJson,                                                                                    \
    "nach dem Lauf ein JSON-Objekt auf stdout statt der Zeilen (README: generate --json)")       \
  X(HelpPng,                                                                                     \
    "auch ein Bild der Karte schreiben (wie render es zeichnet); ohne FILE neben der Karte, "    \
    "unter ihrem Namen")                                                                         \
  X(HelpAuthor, "TEXT für das Autorfeld der Karte statt ihres Codes (höchstens 20 Zeichen)")     \
  X(HelpBestOf, "N: die Startwerte S..S+N-1 erzeugen, die fairste Karte speichern, N 1..1000")   \
  X(HelpTiming, "nach dem Lauf die Zeit jeder Zeile ausgeben (auf stdout)")                      \
  X(HelpCount,                                                                                   \
    "N: die N Karten der Startwerte S..S+N-1 erzeugen, N 1..1000, als NAME-STARTWERT.swd und "   \
    ".bmp (NAME aus --out, sonst Karte), mit einer Übersicht NAME.json")                         \
  X(HelpJobs, "mit --count: Karten, die zugleich entstehen, 1..64; sonst die Zahl der Kerne")    \
  X(HelpAnalyze, "mit --count: die Fairness-Zahlen von analyze für jede Karte in der Übersicht") \
  X(HelpCsv, "mit --count: die Übersicht auch als NAME.csv")                                     \
  X(HelpSheet,                                                                                   \
    "mit --count: ein Kontaktbogen aller Karten als eine HTML-Datei (schließt --analyze ein)")   \
  X(HelpInfo, "eine Kartendatei prüfen und ihren Kopf zeigen")                                   \
  X(HelpMapFile, "die .swd-Datei")                                                               \
  X(HelpRender, "eine Kartendatei zeichnen, wie das Spiel sie zeigt, als PNG")                   \
  X(HelpRenderOut, "die PNG-Datei; sonst der Name der Karte mit .png")                           \
  X(HelpScale, "Punkte von Knoten zu Knoten, 2..64; sonst 1024 Punkte breit")                    \
  X(HelpOverlay, "Zeichen obenauf: resources, sites")                                            \
  X(HelpAnalyzeCommand, "die Bauplätze einer Karte und die Fairness ihrer Starts bewerten")      \
  X(HelpAnalyzeJson, "JSON statt einer Tabelle")                                                 \
  X(HelpRadius, "Schritte des Gebiets eines Starts, 1..256 (24)")                                \
  /* A setting's option: %1 what it sets, %2 what it accepts, %3 its default. */                 \
  X(HelpSetting, "%1: %2 (Vorgabe %3)")                                                          \
  /* %1 a flag that is on by default. */                                                         \
  X(HelpFlagOff, "weglassen: %1")                                                                \
  /* %1 what the options set, %2 the classes, %3 what a level accepts, %4 the default. */        \
  X(HelpClassLevels, "%1 der Klasse K (%2): %3 (Vorgabe %4); wiederholbar oder K=W,K=W")

enum class MessageKey : std::uint16_t {
  None,  // no message: an empty status line, a check that found nothing
#define SWD_MESSAGE_KEY(name, german) name,
  SWD_MESSAGES(SWD_MESSAGE_KEY)
#undef SWD_MESSAGE_KEY
};

struct MessageEntry {
  MessageKey key;
  std::string_view name;    // the key's name, under which translations find it
  std::string_view german;  // with %1, %2, ... for the arguments
};

// The table above as data, in the keys' order.
inline constexpr MessageEntry kMessageTable[] = {
#define SWD_MESSAGE_ENTRY(key_name, german) {MessageKey::key_name, #key_name, german},
    SWD_MESSAGES(SWD_MESSAGE_ENTRY)
#undef SWD_MESSAGE_ENTRY
};

// The entry of a key; null for MessageKey::None.
const MessageEntry* FindMessage(MessageKey key);
// The German of a key without arguments ("" for None), e.g. a class name for the web page.
const char* GermanText(MessageKey key);

// Puts args[0] for %1, args[1] for %2, ... into `pattern` in one pass (an argument that
// holds "%1" stays as it is); a '%' without a digit after it is kept.
std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& args);

// One message: a key and its arguments, each itself a message (a class name inside a
// settings problem) or a verbatim text (a number, a path) that reads the same in every
// language. An empty message is no message.
class Message {
 public:
  Message() = default;
  // Implicit: a status text is just its key.
  Message(MessageKey key, std::vector<Message> args = {})  // NOLINT(google-explicit-constructor)
      : key_(key), args_(std::move(args)) {}
  static Message Verbatim(std::string text);
  static Message Number(long long value);

  bool empty() const { return key_ == MessageKey::None && !verbatim_; }
  MessageKey key() const { return key_; }
  bool verbatim() const { return verbatim_; }
  const std::string& text() const { return text_; }  // of a verbatim message
  const std::vector<Message>& args() const { return args_; }

  // The message with `first` before its arguments: a sentence that names the file it is
  // about once the file is known.
  Message WithFirst(Message first) const;

  // The whole message in German.
  std::string German() const {
    return Render([](const MessageEntry& entry) { return entry.german; });
  }
  // The whole message with the pattern `pattern_of(entry)` gives for each key (its German or
  // a translation), its arguments likewise.
  template <class PatternOf>
  std::string Render(PatternOf&& pattern_of) const {
    if (verbatim_) return text_;
    const MessageEntry* entry = FindMessage(key_);
    if (entry == nullptr) return {};
    std::vector<std::string> args;
    args.reserve(args_.size());
    for (const Message& arg : args_)
      args.push_back(arg.Render(pattern_of));
    return FillPlaceholders(pattern_of(*entry), args);
  }

 private:
  MessageKey key_ = MessageKey::None;
  bool verbatim_ = false;
  std::string text_;
  std::vector<Message> args_;
};

}  // namespace swd
