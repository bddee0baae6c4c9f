// The page in headless Chromium against ht57-sim on a pseudo-terminal: Read
// shows the simulator's channels and Save gives the bytes `ht57-cli read`
// gives; Open then Write leaves the simulator holding what `ht57-cli write`
// leaves; every request stays on the page's own host; an offline reload
// shows the page.
//
//   node web/tests/browser-test.mjs SITE_DIR BIN_DIR
import { spawn, spawnSync, execFileSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import tty from "node:tty";
import puppeteer from "puppeteer-core";

const [site, bin] = process.argv.slice(2);
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "ht57-web-"));
const results = [];
const check = (name, ok, detail = "") => {
  results.push(ok);
  console.log(`${ok ? "ok" : "FAIL"} - ${name}${detail ? ` (${detail})` : ""}`);
};

function serve(dir) {
  const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm" };
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, "http://x").pathname).replace(/^\/$/, "/index.html");
    const file = path.join(dir, path.normalize(name));
    fs.readFile(file, (err, data) => {
      if (err) return res.writeHead(404).end();
      res.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" }).end(data);
    });
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

// A simulator with its memory in `image`; resolves to the process and its pty.
function simulator(image, extra = []) {
  const sim = spawn(path.join(bin, "ht57-sim"), ["--image", image, ...extra], { stdio: ["ignore", "pipe", "inherit"] });
  return new Promise((resolve) => {
    sim.stdout.once("data", (d) => resolve({ sim, pty: String(d).split("\n")[0].trim() }));
  });
}

const stop = (sim) => new Promise((resolve) => (sim.once("exit", resolve), sim.kill("SIGTERM")));

// Relays the stand-in's bytes to the simulator's pty and back.
async function relay(page, getPty) {
  let fd = null;
  let stream = null;
  await page.exposeFunction("__serialOpen", () => {
    fd = fs.openSync(getPty(), fs.constants.O_RDWR | fs.constants.O_NOCTTY);
    stream = new tty.ReadStream(fd);
    stream.setRawMode(true);
    stream.on("data", (d) => page.evaluate((b) => globalThis.__serialFeed(b), Array.from(d)).catch(() => {}));
  });
  await page.exposeFunction("__serialWrite", (bytes) => new Promise((r) => fs.write(fd, Buffer.from(bytes), () => r())));
  await page.exposeFunction("__serialClose", () => {
    if (stream) stream.destroy();
    stream = null;
    fd = null;
  });
}

const server = await serve(site);
const origin = `http://127.0.0.1:${server.address().port}`;
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking", "--disable-component-update", "--disable-sync", `--user-data-dir=${path.join(scratch, "profile")}`],
});
let pty = "";
const foreign = [];
try {
  const page = await browser.newPage();
  page.on("request", (r) => {
    if (!r.url().startsWith(origin) && !r.url().startsWith("data:") && !r.url().startsWith("blob:")) foreign.push(r.url());
  });
  const downloads = path.join(scratch, "downloads");
  fs.mkdirSync(downloads);
  const cdp = await page.createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  await page.evaluateOnNewDocument(fs.readFileSync(new URL("serial-stand-in.js", import.meta.url), "utf8"));
  await relay(page, () => pty);
  await page.goto(origin + "/", { waitUntil: "load" });
  await page.waitForSelector("body[data-ready]");

  // Read, then Save.
  const simImage = path.join(scratch, "sim.dat");
  let { sim, pty: p } = await simulator(simImage, process.env.SIM_BAUD ? ["--baud", process.env.SIM_BAUD] : []);
  pty = p;
  const started = Date.now();
  await page.click("#read");
  await page.waitForFunction(() => document.getElementById("status").textContent !== "" && !document.getElementById("transfer").open, { timeout: 120000 });
  const readMs = Date.now() - started;
  const status = await page.$eval("#status", (e) => e.textContent);
  check("Read through the page succeeds", status === "Done", `${status}, ${readMs} ms`);
  const cliRead = path.join(scratch, "cli.dat");
  const cliStarted = Date.now();
  execFileSync(path.join(bin, "ht57-cli"), ["read", "--port", pty, "-o", cliRead]);
  const cliMs = Date.now() - cliStarted;
  console.log(`# Read: page ${readMs} ms, ht57-cli ${cliMs} ms`);
  const firstRx = await page.$eval("#grid tbody tr input", (e) => e.value);
  const listed = execFileSync(path.join(bin, "ht57-cli"), ["list", "--format", "csv", cliRead, "-o", "-"]).toString();
  check("the grid shows the simulator's channels", firstRx !== "" && listed.includes(firstRx), firstRx);
  await page.click("#save");
  const saved = path.join(downloads, "radio.dat");
  for (let i = 0; i < 50 && !fs.existsSync(saved); ++i) await new Promise((r) => setTimeout(r, 100));
  check("Save gives the bytes ht57-cli read gives", fs.existsSync(saved) && fs.readFileSync(saved).equals(fs.readFileSync(cliRead)));
  await stop(sim);

  // Open a file with other channels, then Write.
  const changed = path.join(scratch, "changed.dat");
  const csv = path.join(scratch, "one.csv");
  fs.writeFileSync(csv, "Location,Name,Frequency\n9,WEBT,146.94\n");
  // The import notes the columns the file lacks; only the file it makes counts.
  spawnSync(path.join(bin, "ht57-cli"), ["import", cliRead, csv, "-o", changed]);
  check("ht57-cli import made the file to open", fs.existsSync(changed));
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click("#open")]);
  await chooser.accept([changed]);
  await page.waitForFunction(() => document.querySelectorAll("#grid tbody tr")[8].querySelector("input").value !== "");
  const pageImage = path.join(scratch, "page-written.dat");
  ({ sim, pty: p } = await simulator(pageImage));
  pty = p;
  await page.$eval("#status", (e) => (e.textContent = ""));
  await page.click("#write");
  await page.waitForFunction(() => document.getElementById("status").textContent !== "" && !document.getElementById("transfer").open, { timeout: 120000 });
  const writeStatus = await page.$eval("#status", (e) => e.textContent);
  check("Write through the page succeeds", writeStatus === "Done", writeStatus);
  await stop(sim);
  const cliImage = path.join(scratch, "cli-written.dat");
  ({ sim, pty: p } = await simulator(cliImage));
  execFileSync(path.join(bin, "ht57-cli"), ["write", "--port", p, changed]);
  await stop(sim);
  check("after Write the simulator holds what ht57-cli write leaves", fs.readFileSync(pageImage).equals(fs.readFileSync(cliImage)));

  check("every request goes to the page's own host", foreign.length === 0, foreign.join(" "));

  // Offline reload: the service worker serves the site.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.setOfflineMode(true);
  await page.reload({ waitUntil: "load" });
  const ready = await page.waitForSelector("body[data-ready]", { timeout: 10000 }).then(() => true, () => false);
  check("an offline reload shows the page", ready);
} finally {
  await browser.close();
  server.close();
  fs.rmSync(scratch, { recursive: true, force: true });
}
const failed = results.filter((ok) => !ok).length;
console.log(`${results.length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
