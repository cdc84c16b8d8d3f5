// The host functions the module calls during a run (web_host.hpp). They hand everything to
// the object the worker passes as `swdgenHost` when it creates the module; a module made
// without one, as the page's own for its checks, runs nothing and needs none.
mergeInto(LibraryManager.library, {
  swdgen_host_status: function (text) {
    if (Module['swdgenHost']) Module['swdgenHost'].status(UTF8ToString(text));
  },
  swdgen_host_hint: function (text) {
    if (Module['swdgenHost']) Module['swdgenHost'].hint(UTF8ToString(text));
  },
  swdgen_host_progress: function (value) {
    if (Module['swdgenHost']) Module['swdgenHost'].progress(value);
  },
  swdgen_host_preview: function (rgb, width, height, border) {
    if (Module['swdgenHost']) {
      Module['swdgenHost'].preview(HEAPU8.subarray(rgb, rgb + width * height * 3), width, height,
        border);
    }
  },
});
