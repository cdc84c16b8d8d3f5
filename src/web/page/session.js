// A session of the WebAssembly module (web_api.hpp) in JavaScript terms: strings and byte
// arrays in and out, German messages as strings, empty when all is well.
(function (root) {
  'use strict';

  class Session {
    constructor(module) {
      this.m = module;
      this.s = module._swdgen_create();
    }

    destroy() {
      this.m._swdgen_destroy(this.s);
      this.s = 0;
    }

    // Calls `fn` with the arguments, strings and byte arrays copied into the module's
    // memory for the time of the call.
    call(fn, ...args) {
      const m = this.m;
      const held = [];
      const passed = [];
      for (const a of args) {
        if (typeof a === 'string') {
          const size = m.lengthBytesUTF8(a) + 1;
          const p = m._malloc(size);
          m.stringToUTF8(a, p, size);
          held.push(p);
          passed.push(p);
        } else if (a instanceof Uint8Array) {
          const p = m._malloc(Math.max(1, a.length));
          m.HEAPU8.set(a, p);
          held.push(p);
          passed.push(p, a.length);
        } else {
          passed.push(a);
        }
      }
      try {
        return fn(this.s, ...passed);
      } finally {
        for (const p of held) m._free(p);
      }
    }

    text(fn, ...args) {
      return this.m.UTF8ToString(this.call(fn, ...args));
    }

    // The table of settings (web_api.hpp, swdgen_table), read once.
    table() {
      if (!this.tableRead) this.tableRead = JSON.parse(this.text(this.m._swdgen_table));
      return this.tableRead;
    }

    // The value of the table's row `key`, `member` ('' for a key of one value).
    set(key, member, value) {
      return this.call(this.m._swdgen_set, key, member, value) === 1;
    }

    get(key, member) {
      return this.call(this.m._swdgen_get, key, member);
    }

    // A key's value as the command line's option takes it, and reading one: empty when read.
    keyText(key) {
      return this.text(this.m._swdgen_key_text, key);
    }

    readKey(key, text) {
      return this.text(this.m._swdgen_read_key, key, text);
    }

    // The map code of the settings with the seed; empty for "Spezial" without a picture.
    code(seed) {
      return this.text(this.m._swdgen_code, seed >>> 0);
    }

    // Reads a map code into the settings: { problem } (German), or { seed, pictureHash }
    // (null for a code without a picture).
    readCode(text) {
      const problem = this.text(this.m._swdgen_read_code, text);
      if (problem) return { problem };
      const hash = this.m._swdgen_code_picture(this.s);
      return { seed: this.m._swdgen_code_seed(this.s) >>> 0, pictureHash: hash < 0 ? null : hash };
    }

    // What is wrong with the picture chosen for a code's picture; empty when it is that one.
    checkCodePicture(hash) {
      return this.text(this.m._swdgen_check_code_picture, hash);
    }

    moveShare(kind, value) {
      this.m._swdgen_move_share(this.s, kind, value);
    }

    setPicture(fileName, bytes) {
      return this.text(this.m._swdgen_set_picture, fileName, bytes);
    }

    check() {
      return this.text(this.m._swdgen_check);
    }

    // Runs with the seed; the seed is a 32-bit unsigned number.
    run(seed) {
      return this.text(this.m._swdgen_run, seed >>> 0);
    }

    // The fairest of `count` runs from the seed on (`--best-of`).
    runBestOf(seed, count) {
      return this.text(this.m._swdgen_run_best_of, seed >>> 0, count);
    }

    file(which) {
      const p = this.m._swdgen_file_data(this.s, which);
      const size = this.m._swdgen_file_size(this.s, which);
      return this.m.HEAPU8.slice(p, p + size);
    }

    // What a finished run leaves: the map (under the placeholder title), the bitmap, the
    // proposed file name and the players placed.
    result() {
      return {
        map: this.file(0),
        bitmap: this.file(1),
        proposedName: this.text(this.m._swdgen_proposed_name),
        playersPlaced: this.m._swdgen_players_placed(this.s),
        playersRequested: this.m._swdgen_players_requested(this.s),
        playersNote: this.text(this.m._swdgen_players_note),
        seed: this.m._swdgen_run_seed(this.s) >>> 0,
        code: this.text(this.m._swdgen_run_code),
      };
    }

    // The fairness index of the run's map as `swdgen analyze` gives it, or null when the map
    // has fewer than two starts.
    fairness() {
      const index = this.m._swdgen_fairness(this.s);
      return index < 0 ? null : index;
    }

    // With fair starts, the index the random placement had on the same landscape; else null.
    fairnessBefore() {
      const index = this.m._swdgen_fairness_before(this.s);
      return index < 0 ? null : index;
    }

    // "Hafenplätze: 3": the harbour places of the run's map that the game keeps.
    harbourPlaces() {
      return this.text(this.m._swdgen_harbour_places);
    }

    // "Spieler 3 kann keinen Gegner erreichen.", or empty where every start can.
    cutOffNote() {
      return this.text(this.m._swdgen_cut_off_note);
    }

    // The run's map as the game shows it (`swdgen render`): { width, height, rgb }, or null
    // without a map.
    render() {
      if (!this.m._swdgen_render(this.s)) return null;
      const width = this.m._swdgen_render_width(this.s);
      const height = this.m._swdgen_render_height(this.s);
      const p = this.m._swdgen_render_pixels(this.s);
      return { width, height, rgb: this.m.HEAPU8.slice(p, p + width * height * 3) };
    }

    checkName(name) {
      return this.text(this.m._swdgen_check_name, name);
    }

    checkTitle(title) {
      return this.text(this.m._swdgen_check_title, title);
    }

    // The map file with the title in its header, or a German message why not.
    titledMap(map, title) {
      const problem = this.text(this.m._swdgen_title_map, map, title);
      return problem ? { problem } : { bytes: this.file(0) };
    }

    className(type, terrainClass) {
      return this.m.UTF8ToString(this.m._swdgen_class_name(type, terrainClass));
    }

    typeName(type) {
      return this.m.UTF8ToString(this.m._swdgen_type_name(type));
    }

    hint(number) {
      return this.m.UTF8ToString(this.m._swdgen_hint(number));
    }
  }

  if (typeof module === 'object' && module.exports) module.exports = Session;
  else root.SwdgenSession = Session;
})(typeof self !== 'undefined' ? self : this);
