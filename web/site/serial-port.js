"use strict";
// A Web Serial port as the module's serial line sees it: open at a rate,
// write, read with the line's time-outs, purge, close. The browser delivers
// bytes in chunks of any size; they wait in a queue until the engine reads.
class WebSerialPort {
  constructor(port) {
    this.port = port;
    this.queue = [];
    this.isBroken = false;
    this.wake = null;
  }

  async open(baudRate) {
    try {
      await this.port.open({ baudRate });
    } catch (e) {
      return String((e && e.message) || e || "open failed");
    }
    this.writer = this.port.writable.getWriter();
    this.reader = this.port.readable.getReader();
    this.pump();
    return "";
  }

  async pump() {
    try {
      for (;;) {
        const { value, done } = await this.reader.read();
        if (done) break;
        for (const b of value) this.queue.push(b);
        this.notify();
      }
    } catch (e) {
      // The device went away (unplugged) or the port failed.
      this.isBroken = true;
    }
    this.notify();
  }

  notify() {
    const wake = this.wake;
    this.wake = null;
    if (wake) wake();
  }

  waitFor(ms) {
    return new Promise((resolve) => {
      const timer = setTimeout(() => {
        this.wake = null;
        resolve();
      }, ms);
      this.wake = () => {
        clearTimeout(timer);
        resolve();
      };
    });
  }

  async write(bytes) {
    if (this.isBroken) return;
    try {
      await this.writer.write(bytes);
    } catch (e) {
      this.isBroken = true;
    }
  }

  // Up to `length` bytes: gives up `totalMs` after the call, or `intervalMs`
  // after the last byte once bytes have started to arrive.
  async read(length, intervalMs, totalMs) {
    const start = performance.now();
    let last = this.queue.length > 0 ? start : null;
    while (this.queue.length < length && !this.isBroken) {
      const now = performance.now();
      let left = totalMs - (now - start);
      if (last !== null) left = Math.min(left, intervalMs - (now - last));
      if (left <= 0) break;
      const had = this.queue.length;
      await this.waitFor(left);
      if (this.queue.length > had) last = performance.now();
    }
    const taken = this.queue.splice(0, Math.min(length, this.queue.length));
    return Uint8Array.from(taken);
  }

  purge() {
    this.queue.length = 0;
  }

  broken() {
    return this.isBroken;
  }

  // The writer is closed first, so the last bytes of a Write leave the port.
  async close() {
    const quietly = async (f) => {
      try {
        await f();
      } catch (e) {
        /* the port is going away either way */
      }
    };
    if (this.writer) {
      await quietly(() => this.writer.close());
      await quietly(() => this.writer.releaseLock());
    }
    if (this.reader) {
      await quietly(() => this.reader.cancel());
      await quietly(() => this.reader.releaseLock());
    }
    await quietly(() => this.port.close());
  }
}
globalThis.WebSerialPort = WebSerialPort;
