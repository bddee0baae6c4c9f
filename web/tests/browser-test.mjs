// The page in headless Chromium against ht57-sim on a pseudo-terminal, its
// Web Serial port a stand-in whose bytes the site's server relays over a
// WebSocket. Read shows the simulator's channels and Save gives the bytes
// `ht57-cli read` gives; Cancel and an unplugged cable leave the page's data
// as it was, with the desktop's words; Open then Write leaves the simulator
// holding what `ht57-cli write` leaves; Import Channels reports and stores
// what `ht57-cli import` does; a typed DTMF Code is stored, or refused, as
// `ht57-cli apply` does; every request stays on the page's own host;
// an offline reload shows the page.
//
//   node web/tests/browser-test.mjs SITE_DIR BIN_DIR [SHOTS_DIR]
//
// With SHOTS_DIR, screenshots of the grid, the settings, a Read in progress
// and an error message are left there.
import { spawn, spawnSync, execFileSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import tty from "node:tty";
import puppeteer from "puppeteer-core";
import { WebSocketServer } from "ws";

const [site, bin, shots] = process.argv.slice(2);
const repo = path.resolve(path.dirname(new URL(import.meta.url).pathname), "../..");
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "ht57-web-"));
const results = [];
const check = (name, ok, detail = "") => {
  results.push(ok);
  console.log(`${ok ? "ok" : "FAIL"} - ${name}${detail ? ` (${detail})` : ""}`);
};
const cli = (...args) => execFileSync(path.join(bin, "ht57-cli"), args);
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// The site, and on /serial-relay the other end of the stand-in's port: the
// pseudo-terminal of the simulator running at the time.
function serve(dir) {
  const types = {
    ".html": "text/html",
    ".js": "text/javascript",
    ".css": "text/css",
    ".wasm": "application/wasm",
  };
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, "http://x").pathname).replace(/^\/$/, "/index.html");
    const file = path.join(dir, path.normalize(name));
    fs.readFile(file, (err, data) => {
      if (err) return res.writeHead(404).end();
      res.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" }).end(data);
    });
  });
  const relay = { pty: "", baudRates: [], sockets: new Set() };
  const wss = new WebSocketServer({ server, path: "/serial-relay" });
  wss.on("connection", (socket, req) => {
    relay.baudRates.push(Number(new URL(req.url, "http://x").searchParams.get("baud")));
    const fd = fs.openSync(relay.pty, fs.constants.O_RDWR | fs.constants.O_NOCTTY);
    const line = new tty.ReadStream(fd);
    line.setRawMode(true);
    line.on("data", (d) => socket.send(d));
    line.on("error", () => socket.terminate());
    // One write after another: node's writes may otherwise overtake each other.
    let writing = Promise.resolve();
    socket.on("message", (d) => (writing = writing.then(() => new Promise((r) => fs.write(fd, d, r)))));
    socket.on("close", () => (line.destroy(), relay.sockets.delete(socket)));
    relay.sockets.add(socket);
  });
  // The cable pulled out: the connection drops without a word.
  relay.unplug = () => relay.sockets.forEach((s) => s.terminate());
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve({ server, relay })));
}

// A simulator with its memory in `image`, its pty the relay's.
function simulator(relay, image, extra = []) {
  const sim = spawn(path.join(bin, "ht57-sim"), ["--image", image, ...extra], {
    stdio: ["ignore", "pipe", "inherit"],
  });
  return new Promise((resolve) => {
    sim.stdout.once("data", (d) => {
      relay.pty = String(d).split("\n")[0].trim();
      resolve(sim);
    });
  });
}

const stop = (sim) => new Promise((resolve) => (sim.once("exit", resolve), sim.kill("SIGTERM")));

// Starts a transfer, and resolves to how it ended: the status line and the
// message the page showed (closed here), or null when it showed none.
async function transfer(page, button, whileRunning = async () => {}) {
  await page.$eval("#status", (e) => (e.textContent = ""));
  await page.click(button);
  await page.waitForFunction(() => document.getElementById("transfer").open);
  await whileRunning();
  await page.waitForFunction(
    () => !document.getElementById("transfer").open && document.getElementById("status").textContent !== "",
    { timeout: 120000 },
  );
  const status = await page.$eval("#status", (e) => e.textContent);
  let message = null;
  if (await page.$eval("#message", (e) => e.open)) {
    message = await page.$eval("#message-text", (e) => e.textContent);
    await page.click("#message-ok");
  }
  return { status, message };
}

const blocksDone = (page, n) => page.waitForFunction((k) => document.getElementById("progress").value >= k, {}, n);

// The page's data as Save gives it.
async function savedBytes(page, downloads) {
  fs.rmSync(downloads, { recursive: true, force: true });
  fs.mkdirSync(downloads);
  await page.click("#save");
  const saved = path.join(downloads, "radio.dat");
  for (let i = 0; i < 100 && !fs.existsSync(saved); ++i) await sleep(100);
  await sleep(200); // the download is renamed into place whole, but let it settle
  return fs.existsSync(saved) ? fs.readFileSync(saved) : Buffer.alloc(0);
}

// Whether the grid shows the channels of `file` as `ht57-cli list` does, and no others.
async function gridShows(page, file) {
  const rows = await page.$$eval("#grid tbody tr", (trs) =>
    trs.map((r) => [...r.querySelectorAll("input")].map((i) => i.value).join(",")),
  );
  const listed = cli("list", "--format", "csv", file, "-o", "-").toString().trim().split(/\r?\n/).slice(1);
  const used = rows.filter((row) => /[^,]/.test(row)).length;
  return listed.length === used && listed.every((line) => rows[parseInt(line) - 1] === line.replace(/^\d+,/, ""));
}

async function openFile(page, button, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click(button)]);
  await chooser.accept([file]);
}

const shot = async (page, name, element = null) => {
  if (!shots) return;
  fs.mkdirSync(shots, { recursive: true });
  const target = element ? await page.$(element) : page;
  await target.screenshot({ path: path.join(shots, `${name}.png`) });
};

const { server, relay } = await serve(site);
const origin = `http://127.0.0.1:${server.address().port}`;
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  defaultViewport: { width: 1400, height: 900 },
  args: [
    "--no-sandbox",
    "--disable-gpu",
    "--disable-quic",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    `--user-data-dir=${path.join(scratch, "profile")}`,
  ],
});
const foreign = [];
const pacing = ["--baud", process.env.SIM_BAUD || "9600"];
try {
  const page = await browser.newPage();
  page.on("pageerror", (e) => console.log(`# page error: ${e.message}`));
  page.on("request", (r) => {
    if (![origin, "data:", "blob:"].some((start) => r.url().startsWith(start))) foreign.push(r.url());
  });
  const downloads = path.join(scratch, "downloads");
  const cdp = await page.createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  await page.evaluateOnNewDocument(fs.readFileSync(new URL("serial-stand-in.js", import.meta.url), "utf8"));
  await page.goto(origin + "/", { waitUntil: "load" });
  await page.waitForSelector("body[data-ready]");

  // --- Read, then Save ------------------------------------------------------
  const simImage = path.join(scratch, "sim.dat");
  let sim = await simulator(relay, simImage, pacing);
  const started = Date.now();
  const read = await transfer(page, "#read");
  const readMs = Date.now() - started;
  check("Read through the page succeeds", /^Read complete: \d+ bytes/.test(read.status), `${read.status} ${readMs} ms`);
  check("the page opened the port at the Program.ini rate", relay.baudRates[0] === 9600, String(relay.baudRates));
  const cliRead = path.join(scratch, "cli.dat");
  const cliStarted = Date.now();
  cli("read", "--port", relay.pty, "-o", cliRead);
  const cliMs = Date.now() - cliStarted;
  await stop(sim);
  console.log(`# Read of the simulator paced at ${pacing[1]} baud: page ${readMs} ms, ht57-cli ${cliMs} ms`);
  check("the grid shows the simulator's channels", await gridShows(page, cliRead));
  await shot(page, "grid");
  await shot(page, "settings", "section[aria-label=Settings]");
  const afterRead = await savedBytes(page, downloads);
  check("Save gives the bytes ht57-cli read gives", afterRead.equals(fs.readFileSync(cliRead)));

  // --- Cancel during a Read: the radio holds other channels ------------------
  const changed = path.join(scratch, "changed.dat");
  const csv = path.join(scratch, "one.csv");
  fs.writeFileSync(csv, "Location,Name,Frequency\n9,WEBT,146.94\n");
  // The import notes the columns the file lacks; only the file it makes counts.
  spawnSync(path.join(bin, "ht57-cli"), ["import", cliRead, csv, "-o", changed]);
  check("ht57-cli import made a file with other channels", fs.existsSync(changed));
  fs.copyFileSync(changed, path.join(scratch, "other-radio.dat"));
  sim = await simulator(relay, path.join(scratch, "other-radio.dat"), pacing);
  const cancelled = await transfer(page, "#read", async () => {
    await blocksDone(page, 100);
    await shot(page, "read-in-progress");
    await page.click("#cancel");
  });
  await stop(sim);
  check(
    "Cancel during a Read says so, as the status, with no message box",
    cancelled.status === "Read cancelled: nothing was changed." && cancelled.message === null,
    `${cancelled.status} / ${cancelled.message}`,
  );
  check("Cancel during a Read leaves the page's data as it was", (await savedBytes(page, downloads)).equals(afterRead));

  // --- Open a file with other channels, then Write ---------------------------
  await openFile(page, "#open", changed);
  await page.waitForFunction(() => document.querySelectorAll("#grid tbody tr")[8].querySelector("input").value !== "");
  const opened = await savedBytes(page, downloads);
  const pageImage = path.join(scratch, "page-written.dat");
  sim = await simulator(relay, pageImage);
  const written = await transfer(page, "#write");
  await stop(sim);
  check(
    "Write through the page succeeds",
    /^Write complete: \d+ bytes sent to the radio\.$/.test(written.status) && written.message === written.status,
    written.status,
  );
  const cliImage = path.join(scratch, "cli-written.dat");
  sim = await simulator(relay, cliImage);
  cli("write", "--port", relay.pty, changed);
  await stop(sim);
  check(
    "after Write the simulator holds what ht57-cli write leaves",
    fs.readFileSync(pageImage).equals(fs.readFileSync(cliImage)),
  );

  // --- Unplugged during a Write ---------------------------------------------
  sim = await simulator(relay, path.join(scratch, "unplugged.dat"), pacing);
  const unplugged = await transfer(page, "#write", async () => {
    await blocksDone(page, 4);
    relay.unplug();
    await page.waitForSelector("#message[open]", { timeout: 30000 });
    await shot(page, "unplugged-error");
  });
  await stop(sim);
  check(
    "unplugging during a Write ends it with the desktop's message",
    /^Communication error at address 0x[0-9A-F]{3} \(block \d+ of \d+\)\.$/.test(unplugged.status) &&
      /^Communication error .*\n\nThe radio may now hold a mix of old and new settings \(\d+ of \d+ blocks were written\) and must be written again before use\.\nCheck the cable/.test(
        unplugged.message,
      ),
    unplugged.message,
  );
  check(
    "unplugging during a Write leaves the page's data as it was",
    (await savedBytes(page, downloads)).equals(opened),
  );

  // --- Import Channels ------------------------------------------------------
  const club = path.join(repo, "tests/data/csv/seattle-acs-2m.csv");
  const cliImported = path.join(scratch, "cli-imported.dat");
  const cliImport = spawnSync(path.join(bin, "ht57-cli"), ["import", changed, club, "-o", cliImported]);
  const cliReport = String(cliImport.stderr).trim();
  await openFile(page, "#import", club);
  await page.waitForSelector("#message[open]");
  const report = await page.$eval("#message-text", (e) => e.textContent);
  await page.click("#message-ok");
  const sameReport = cliReport !== "" && report === cliReport;
  check("Import Channels shows the report ht57-cli import gives", sameReport, sameReport ? "" : report);
  check("the grid shows the imported channels", await gridShows(page, cliImported));
  check(
    "after Import Channels, Save gives the bytes of ht57-cli import",
    (await savedBytes(page, downloads)).equals(fs.readFileSync(cliImported)),
  );

  // --- A text setting typed on the page ------------------------------------
  const typeDtmf = (text) =>
    page.$eval("#field-dtmf_code", (e, t) => ((e.value = t), e.dispatchEvent(new Event("change")), e.value), text);
  const yaml = path.join(scratch, "dtmf.yaml");
  fs.writeFileSync(yaml, 'options: {dtmf_code: "12AB"}\n');
  const cliApplied = path.join(scratch, "cli-applied.dat");
  cli("apply", cliImported, yaml, "-o", cliApplied);
  await typeDtmf("12AB");
  const edited = await savedBytes(page, downloads);
  check(
    "a DTMF Code typed on the page is saved as ht57-cli apply stores it",
    edited.equals(fs.readFileSync(cliApplied)) && !edited.equals(fs.readFileSync(cliImported)),
  );
  const shown = await typeDtmf("12G");
  const said = await page.$eval("#status", (e) => e.textContent);
  check(
    "a refused DTMF Code says why, shows the stored value again and changes no byte",
    shown === "12AB" && said.includes('"12G" is not up to 8') && (await savedBytes(page, downloads)).equals(edited),
    `${shown} / ${said}`,
  );

  check("every request goes to the page's own host", foreign.length === 0, foreign.join(" "));

  // --- Offline reload: the service worker serves the site --------------------
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.setOfflineMode(true);
  await page.reload({ waitUntil: "load" });
  const ready = await page.waitForSelector("body[data-ready]", { timeout: 10000 }).then(
    () => true,
    () => false,
  );
  check("an offline reload shows the page", ready);
} finally {
  await browser.close();
  server.close();
  fs.rmSync(scratch, { recursive: true, force: true });
}
const failed = results.filter((ok) => !ok).length;
console.log(`${results.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
