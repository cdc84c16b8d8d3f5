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

    set(name, index, value) {
      return this.call(this.m._swdgen_set, name, index, value) === 1;
    }

    get(name, index) {
      return this.call(this.m._swdgen_get, name, index);
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
