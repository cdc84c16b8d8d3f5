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
  X(ClassLargeIceFloes, "Gr. Eisschollen")

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
