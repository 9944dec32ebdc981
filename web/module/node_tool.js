// Where emscripten's file system meets the operating system otherwise than the native tool
// does, the node build is brought back to the native behaviour.

Module['preRun'] = [].concat(Module['preRun'] || [], function() {
  var O_ACCMODE = 3, O_RDONLY = 0, O_NONBLOCK = 2048;

  // Names the system holds as bytes that are not UTF-8 (a Windows-1250 name from an unpacked
  // archive) pass between the program and node unchanged, as they do natively: each byte that
  // is not part of UTF-8 travels in a JS string as a lone surrogate U+DC80 to U+DCFF (Python's
  // surrogateescape), and node is handed the bytes themselves. Without this such a name reads
  // as U+FFFD, cannot be found again, and the folder's listing ends at it.
  var strictUtf8 = new TextDecoder('utf-8', {fatal: true});

  function sequenceLength(bytes, at) {
    var b = bytes[at];
    var length = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (!length || at + length > bytes.length) return 0;
    try {
      strictUtf8.decode(bytes.subarray(at, at + length));
      return length;
    } catch (e) {
      return 0;
    }
  }

  function escapedText(bytes) {
    try {
      return strictUtf8.decode(bytes);
    } catch (e) {
      var text = '';
      for (var at = 0; at < bytes.length;) {
        if (bytes[at] < 0x80) {
          text += String.fromCharCode(bytes[at++]);
          continue;
        }
        var length = sequenceLength(bytes, at);
        if (length) {
          text += strictUtf8.decode(bytes.subarray(at, at + length));
          at += length;
        } else {
          text += String.fromCharCode(0xDC00 + bytes[at++]);
        }
      }
      return text;
    }
  }

  function isEscape(text, i) {
    var u = text.charCodeAt(i);
    return u >= 0xDC80 && u <= 0xDCFF && !(i > 0 && text.charCodeAt(i - 1) >= 0xD800 && text.charCodeAt(i - 1) <= 0xDBFF);
  }

  function hasEscapes(text) {
    if (typeof text != 'string') return false;
    for (var i = 0; i < text.length; ++i)
      if (isEscape(text, i)) return true;
    return false;
  }

  // The bytes of a text, escapes given back as the bytes they carry.
  function bytesOf(text) {
    var parts = [], start = 0;
    for (var i = 0; i < text.length; ++i) {
      if (!isEscape(text, i)) continue;
      parts.push(Buffer.from(text.slice(start, i), 'utf8'), Buffer.from([text.charCodeAt(i) - 0xDC00]));
      start = i + 1;
    }
    parts.push(Buffer.from(text.slice(start), 'utf8'));
    return Buffer.concat(parts);
  }

  var plainToString = UTF8ArrayToString;
  UTF8ArrayToString = function(heap, idx, maxBytesToRead) {
    idx >>>= 0;
    var end = idx, limit = maxBytesToRead === undefined ? Infinity : idx + maxBytesToRead;
    while (heap[end] && end < limit) ++end;
    for (var i = idx; i < end; ++i)
      if (heap[i] >= 0x80) return escapedText(heap.subarray(idx, end));
    return plainToString(heap, idx, maxBytesToRead);
  };

  var plainToArray = stringToUTF8Array, plainLength = lengthBytesUTF8;
  stringToUTF8Array = function(text, heap, outIdx, maxBytesToWrite) {
    if (!hasEscapes(text)) return plainToArray(text, heap, outIdx, maxBytesToWrite);
    var bytes = bytesOf(text), n = Math.min(bytes.length, maxBytesToWrite - 1);
    if (!(maxBytesToWrite > 0)) return 0;
    for (var i = 0; i < n; ++i) heap[outIdx + i] = bytes[i];
    heap[outIdx + n] = 0;
    return n;
  };
  lengthBytesUTF8 = function(text) { return hasEscapes(text) ? bytesOf(text).length : plainLength(text); };

  var system = fs;
  function withBytes(name) {
    return function() {
      var args = Array.prototype.map.call(arguments, function(a) { return hasEscapes(a) ? bytesOf(a) : a; });
      return system[name].apply(system, args);
    };
  }
  fs = Object.create(system);
  ['openSync', 'statSync', 'lstatSync', 'mkdirSync', 'rmdirSync', 'unlinkSync', 'renameSync', 'symlinkSync',
   'chmodSync', 'chownSync', 'truncateSync', 'utimesSync', 'writeFileSync', 'existsSync', 'accessSync',
   'realpathSync'].forEach(function(name) { fs[name] = withBytes(name); });
  fs.readdirSync = function(path) {
    return system.readdirSync(hasEscapes(path) ? bytesOf(path) : path, {encoding: 'buffer'}).map(escapedText);
  };
  fs.readlinkSync = function(path) {
    return escapedText(system.readlinkSync(hasEscapes(path) ? bytesOf(path) : path, {encoding: 'buffer'}));
  };

  // emscripten opens without O_NONBLOCK, and a FIFO under a report's name would hang the tool
  // where the native one opens it at once and refuses it as no regular file.
  var flagsForNode = NODEFS.flagsForNode;
  NODEFS.flagsForNode = function(flags) {
    var nodeFlags = flagsForNode(flags);
    return (flags & O_NONBLOCK) && (flags & O_ACCMODE) === O_RDONLY ? nodeFlags | system.constants.O_NONBLOCK
                                                                    : nodeFlags;
  };

  // A report is read under an exclusive lock natively, and one another program holds locked is
  // refused after a moment's wait. emscripten's flock does nothing, so the locks the system
  // lists (Linux: /proc/locks) are looked at instead, with the same patience.
  var kLockPatienceMs = 200, kStepMs = 10;
  var sleeper = new Int32Array(new SharedArrayBuffer(4));

  function lockedByOthers(nfd) {
    var locks;
    try {
      locks = system.readFileSync('/proc/locks', 'latin1');
    } catch (e) {
      return false;
    }
    var st = system.fstatSync(nfd, {bigint: true});
    // glibc's encoding of a device number; /proc/locks writes major and minor in hex.
    var dev = st.dev, big = BigInt;
    var major = Number(((dev >> big(8)) & big(0xfff)) | ((dev >> big(32)) & ~big(0xfff)));
    var minor = Number((dev & big(0xff)) | ((dev >> big(12)) & ~big(0xff)));
    var id = major.toString(16).padStart(2, '0') + ':' + minor.toString(16).padStart(2, '0') + ':' + st.ino;
    return locks.split('\n').some(function(line) {
      var fields = line.trim().split(/\s+/);
      return fields[1] === 'FLOCK' && fields[5] === id && Number(fields[4]) !== process.pid;
    });
  }

  // emscripten's open() on the real file system cuts each part of a path to 255 characters
  // instead of failing: a page written under too long a name would be created under another
  // one, and left there when the rename after it fails. Such a name fails here as it fails
  // natively.
  var open = FS.open;
  FS.open = function(path, flags) {
    if (typeof path == 'string' && path.split('/').some(function(part) { return lengthBytesUTF8(part) > 255; }))
      throw new FS.ErrnoError(ERRNO_CODES.ENAMETOOLONG);
    var stream = open.apply(this, arguments);
    if (typeof flags == 'number' && (flags & O_NONBLOCK) && (flags & O_ACCMODE) === O_RDONLY &&
        system.fstatSync(stream.nfd).isFile()) {
      for (var waited = 0; lockedByOthers(stream.nfd); waited += kStepMs) {
        if (waited >= kLockPatienceMs) {
          FS.close(stream);
          throw new FS.ErrnoError(ERRNO_CODES.EWOULDBLOCK);
        }
        Atomics.wait(sleeper, 0, 0, kStepMs);
      }
    }
    return stream;
  };
});
