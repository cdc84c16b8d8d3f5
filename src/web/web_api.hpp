#pragma once

// The C interface of the WebAssembly module that the web page and its worker call.
//
// A session holds the settings of the page, runs the generator with them and keeps the
// files of the last run. The page sets whole-number settings by name, runs with a seed,
// and takes the file bytes out. Every call that can fail returns a German message, empty
// when it went well; strings returned stay valid until the next call on the session.
// During a run the module reports to the page through the host functions of
// web_host.hpp.

#include <cstdint>

// Kept by the linker and exported from the module under the name with a leading "_".
#define SWDGEN_EXPORT extern "C" __attribute__((used, visibility("default")))

struct SwdgenSession;

SWDGEN_EXPORT SwdgenSession* swdgen_create();
SWDGEN_EXPORT void swdgen_destroy(SwdgenSession* s);

// The table of settings (model/setting_table.hpp) as one JSON text, from which the page
// builds its form, its address and its command line:
//   {"rows": [{"key", "member", "type" ("whole", "flag", "choice", "picture"), "lo", "hi",
//              "step", "initial", "label" (German), "page", "extended_page" (whether
//              "Erweiterte Einstellungen" opens it), "form" ("single", "list", "keyed"),
//              "option" (the command line's, "--no-island"), "only_extended",
//              "choices": [{"key", "label"}]}, ...],
//    "picture_shape": the choice of "shape" that builds from the picture,
//    "most_candidates": the most seeds "Beste aus N" compares}
SWDGEN_EXPORT const char* swdgen_table(SwdgenSession* s);

// Sets or reads the setting of one row of the table, by its key and member ("" for a key
// of one value): a whole number, a flag 0 or 1, a choice its index. swdgen_set returns 0
// for a row it does not know or a value the row does not allow; whether the settings can
// be used together is CheckSettings' word (swdgen_check).
SWDGEN_EXPORT int swdgen_set(SwdgenSession* s, const char* key, const char* member, int value);
SWDGEN_EXPORT int swdgen_get(SwdgenSession* s, const char* key, const char* member);

// One key's value as the command line's option takes it ("128", "5,5,3,7", "2=8,7=9"),
// and reading such a text into the settings: empty when it was read, else what is wrong
// (in the command line's English; the settings stay as they were).
SWDGEN_EXPORT const char* swdgen_key_text(SwdgenSession* s, const char* key);
SWDGEN_EXPORT const char* swdgen_read_key(SwdgenSession* s, const char* key, const char* text);

// The map code (model/map_code.hpp) of the settings with `seed`; with the "Spezial" shape
// it holds the hash of the picture chosen, and is empty while no usable picture is.
SWDGEN_EXPORT const char* swdgen_code(SwdgenSession* s, std::uint32_t seed);

// Reads a map code: its settings become the session's (the picture chosen stays), and its
// seed and picture hash are kept for swdgen_code_seed and swdgen_code_picture. Returns the
// German message why the code cannot be read, empty when it was.
SWDGEN_EXPORT const char* swdgen_read_code(SwdgenSession* s, const char* text);
SWDGEN_EXPORT std::uint32_t swdgen_code_seed(SwdgenSession* s);
// The hash of the picture of the code read last, -1 for a code without a picture.
SWDGEN_EXPORT int swdgen_code_picture(SwdgenSession* s);
// What is wrong with the picture chosen for a code whose picture has `hash`: none chosen
// (the code cannot carry it), or another picture than the code's; empty when it is the
// code's.
SWDGEN_EXPORT const char* swdgen_check_code_picture(SwdgenSession* s, int hash);

// The resource slider of `kind` (1 coal, 2 gold, 3 iron, 4 granite) moved to `value`: the
// shares are rebalanced to 100 as the wizard's resource dialog does it.
SWDGEN_EXPORT void swdgen_move_share(SwdgenSession* s, int kind, int value);

// The picture of the "Spezial" shape: the bytes of the file the user chose, under its
// name. Returns what the command line would say about it for the current map size.
SWDGEN_EXPORT const char* swdgen_set_picture(SwdgenSession* s, const char* file_name,
                                             const std::uint8_t* bytes, int size);

// Checks the settings as a run would, the picture included.
SWDGEN_EXPORT const char* swdgen_check(SwdgenSession* s);

// One run with the seed, as `swdgen generate --seed` makes it. Returns why it could not
// start, or an empty string when the files were made.
SWDGEN_EXPORT const char* swdgen_run(SwdgenSession* s, std::uint32_t seed);

// The fairest map of `count` seeds from `seed` on, as `swdgen generate --seed --best-of`
// chooses it (run/best_of.hpp); the status line names the candidate running. Returns as
// swdgen_run; the outcome is that of the chosen seed.
SWDGEN_EXPORT const char* swdgen_run_best_of(SwdgenSession* s, std::uint32_t seed, int count);

// The seed of the last run's map (with best of N, the one chosen) and its map code.
SWDGEN_EXPORT std::uint32_t swdgen_run_seed(SwdgenSession* s);
SWDGEN_EXPORT const char* swdgen_run_code(SwdgenSession* s);

// The outcome of the last run: players placed of those asked for, the note about missing
// ones, the proposed file name, and the files (0 the map, 1 its bitmap).
SWDGEN_EXPORT int swdgen_players_placed(SwdgenSession* s);
SWDGEN_EXPORT int swdgen_players_requested(SwdgenSession* s);
SWDGEN_EXPORT const char* swdgen_players_note(SwdgenSession* s);
SWDGEN_EXPORT const char* swdgen_proposed_name(SwdgenSession* s);
SWDGEN_EXPORT const std::uint8_t* swdgen_file_data(SwdgenSession* s, int which);
SWDGEN_EXPORT int swdgen_file_size(SwdgenSession* s, int which);

// What `swdgen analyze` finds on the last run's map, read back from its bytes and analysed
// with the default radius (once per run): the fairness index of the starts, 0..1, 1 for
// even starts, -1 when the map has fewer than two starts (or there is no map); the harbour
// places the game keeps, as "Hafenplätze: 3"; and the starts that cannot reach any rival,
// "Spieler 3 kann keinen Gegner erreichen.", empty where every start can (or without a map).
SWDGEN_EXPORT double swdgen_fairness(SwdgenSession* s);
SWDGEN_EXPORT const char* swdgen_harbour_places(SwdgenSession* s);
SWDGEN_EXPORT const char* swdgen_cut_off_note(SwdgenSession* s);

// With "Faire Startpositionen": the fairness index the random placement had on the same
// landscape before the starts were chosen; -1 without fair starts (or fewer than two).
SWDGEN_EXPORT double swdgen_fairness_before(SwdgenSession* s);

// Draws the last run's map from its bytes as `swdgen render` does by default (the map's
// default scale, no overlay). Returns 0 when there is no map. The picture stays with the
// session until the next run: width x height RGB pixels, rows top to bottom.
SWDGEN_EXPORT int swdgen_render(SwdgenSession* s);
SWDGEN_EXPORT const std::uint8_t* swdgen_render_pixels(SwdgenSession* s);
SWDGEN_EXPORT int swdgen_render_width(SwdgenSession* s);
SWDGEN_EXPORT int swdgen_render_height(SwdgenSession* s);

// The save dialog's checks of a file name (without ".swd") and a landscape title.
SWDGEN_EXPORT const char* swdgen_check_name(SwdgenSession* s, const char* name);
SWDGEN_EXPORT const char* swdgen_check_title(SwdgenSession* s, const char* title);

// The map file `bytes` with the landscape title `title` in its header; the result becomes
// file 0 of the session. A run saves under a placeholder title, since the page asks for the
// title only afterwards; the bytes are then those of a run saved under this title.
SWDGEN_EXPORT const char* swdgen_title_map(SwdgenSession* s, const std::uint8_t* bytes, int size,
                                           const char* title);

// Texts the page shows: a terrain class of a landscape type, the landscape type, and the
// hint line 1..3.
SWDGEN_EXPORT const char* swdgen_class_name(int landscape_type, int terrain_class);
SWDGEN_EXPORT const char* swdgen_type_name(int landscape_type);
SWDGEN_EXPORT const char* swdgen_hint(int number);
