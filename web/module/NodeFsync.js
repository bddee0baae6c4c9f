// The tests run on the host's files (NODERAWFS), where emscripten's own fsync
// looks for a mount those files do not have; node syncs them itself.
mergeInto(LibraryManager.library, {
  fd_sync: function (fd) {
    try {
      require("fs").fsyncSync(FS.getStream(fd).nfd);
      return 0;
    } catch (e) {
      return 29; // EIO
    }
  },
});
