// Injected before the page's scripts: navigator.serial with one port whose
// bytes go to and come from the test through two functions the test exposes
// (__serialWrite, and __serialFeed called by the test).
(() => {
  let feed = null;
  globalThis.__serialFeed = (bytes) => {
    if (feed) feed.enqueue(Uint8Array.from(bytes));
  };
  globalThis.__serialUnplug = () => {
    if (feed) feed.error(new DOMException("The device has been lost.", "NetworkError"));
    feed = null;
  };
  const port = {
    readable: null,
    writable: null,
    async open(options) {
      globalThis.__serialBaud = options.baudRate;
      this.readable = new ReadableStream({ start: (c) => (feed = c) });
      this.writable = new WritableStream({
        write: (chunk) => globalThis.__serialWrite(Array.from(chunk)),
      });
      await globalThis.__serialOpen();
    },
    async close() {
      feed = null;
      await globalThis.__serialClose();
    },
  };
  Object.defineProperty(navigator, "serial", {
    value: { requestPort: async () => port, getPorts: async () => [port] },
  });
  // The tests use the file input and the download, which every browser has.
  delete window.showOpenFilePicker;
  delete window.showSaveFilePicker;
  window.showOpenFilePicker = undefined;
  window.showSaveFilePicker = undefined;
})();
