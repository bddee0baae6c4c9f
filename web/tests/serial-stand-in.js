// Injected before the page's scripts: navigator.serial with one port whose
// bytes travel over a WebSocket to the test's relay, which holds the
// simulator's pseudo-terminal. The relay closing the socket is an unplugged
// cable: the port's streams then fail as Web Serial's do.
(() => {
  const lost = () => new DOMException("The device has been lost.", "NetworkError");
  let socket = null;

  const port = {
    readable: null,
    writable: null,

    async open({ baudRate }) {
      if (socket) throw new DOMException("The port is already open.", "InvalidStateError");
      const url = `ws://${location.host}/serial-relay?baud=${encodeURIComponent(baudRate)}`;
      const ws = new WebSocket(url);
      ws.binaryType = "arraybuffer";
      await new Promise((resolve, reject) => {
        ws.onopen = resolve;
        ws.onerror = () => reject(new DOMException("Failed to open serial port.", "NetworkError"));
      });
      socket = ws;
      let closedByPage = false;
      this.readable = new ReadableStream({
        start(controller) {
          ws.onmessage = (event) => controller.enqueue(new Uint8Array(event.data));
          ws.onclose = () => {
            if (!closedByPage) controller.error(lost());
          };
        },
        cancel() {
          closedByPage = true;
        },
      });
      this.writable = new WritableStream({
        write(chunk) {
          if (ws.readyState !== WebSocket.OPEN) throw lost();
          ws.send(chunk);
        },
      });
      this.closeSocket = () => {
        closedByPage = true;
        ws.close();
      };
    },

    async close() {
      if (!socket) throw new DOMException("The port is already closed.", "InvalidStateError");
      if (this.readable.locked || this.writable.locked) {
        throw new TypeError("Cannot close a port whose streams are locked.");
      }
      this.closeSocket();
      socket = null;
      this.readable = null;
      this.writable = null;
    },
  };

  Object.defineProperty(navigator, "serial", {
    value: { requestPort: async () => port, getPorts: async () => [port] },
  });
  // The tests use the file input and the download, which every browser has.
  window.showOpenFilePicker = undefined;
  window.showSaveFilePicker = undefined;
})();
