// Where emscripten's file system meets the operating system otherwise than the native tool
// does, the node build is brought back to the native behaviour.

// emscripten's open() on the real file system cuts each part of a path to 255 characters
// instead of failing: a page written under too long a name would be created under another
// one, and left there when the rename after it fails. Such a name fails here as it fails
// natively.
Module['preRun'] = [].concat(Module['preRun'] || [], function() {
  var open = FS.open;
  FS.open = function(path) {
    if (typeof path == 'string' && path.split('/').some(function(part) { return Buffer.byteLength(part) > 255; }))
      throw new FS.ErrnoError(ERRNO_CODES.ENAMETOOLONG);
    return open.apply(this, arguments);
  };
});
