// The page's scripts run in the browser, one after another (ht57.js defines
// createHt57, serial-port.js WebSerialPort); the tests run in node, with
// callbacks that puppeteer runs in the page.
import js from "@eslint/js";
import globals from "globals";

export default [
  js.configs.recommended,
  // A failure caught only to be survived needs no name of its own.
  { rules: { "no-unused-vars": ["error", { caughtErrors: "none" }] } },
  {
    files: ["site/**/*.js", "tests/serial-stand-in.js"],
    languageOptions: { sourceType: "script", globals: globals.browser },
  },
  { files: ["site/app.js"], languageOptions: { globals: { createHt57: "readonly", WebSerialPort: "readonly" } } },
  { files: ["site/sw.js"], languageOptions: { globals: globals.serviceworker } },
  {
    files: ["module/*.js"],
    languageOptions: {
      sourceType: "script",
      globals: { ...globals.node, mergeInto: "readonly", LibraryManager: "readonly", FS: "readonly" },
    },
  },
  { files: ["**/*.mjs"], languageOptions: { globals: { ...globals.node, ...globals.browser } } },
];
