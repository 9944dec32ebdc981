// Where node and emscripten's file system meet the operating system otherwise than the
// native tool does, the node build is brought back to the native behaviour.

// A standard descriptor that was closed when the tool was started is one node has opened
// /dev/null under, for reading and writing; no shell redirection opens it so. The native tool
// holds such a descriptor with a read-only /dev/null, so that writing to it fails as it should
// (a page written nowhere is no success): the same here.
(function() {
  var fs = require('fs');
  for (var fd = 0; fd <= 2; ++fd) {
    try {
      if (fs.readlinkSync('/proc/self/fd/' + fd) !== '/dev/null') continue;
      var flags = /flags:\s*([0-7]+)/.exec(fs.readFileSync('/proc/self/fdinfo/' + fd, 'utf8'));
      if (!flags || (parseInt(flags[1], 8) & 3) !== 2) continue;
      fs.closeSync(fd);
      var held = fs.openSync('/dev/null', 'r');
      if (held !== fd) fs.closeSync(held);
    } catch (e) {
      // No /proc: nothing to tell by.
    }
  }
})();

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
