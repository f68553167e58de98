// Qt looks for libthai with QLibrary to break Thai text into words, as soon as a Thai character
// is laid out (the character catalogue has some). A page loads no library at run time, and
// emscripten's dlopen aborts the program where it should fail: here it fails, and Qt breaks
// Thai text as it does without libthai.
mergeInto(LibraryManager.library, {
  _dlopen_js: function (handle) {
    return 0;
  },
});
