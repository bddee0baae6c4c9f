"use strict";
// The page: controls over the module. Every rule about the radio's bytes is
// the module's; this file only shows its answers and passes on what is typed.
(async () => {
  const $ = (id) => document.getElementById(id);
  const core = await createHt57();
  const defaultData = new Uint8Array(await (await fetch("default.dat")).arrayBuffer());
  core.start(defaultData);

  const titles = core.columnTitles();
  const fields = core.settingsFields();
  let selected = new Set();
  let cancelRequested = false;

  function say(text) {
    $("status").textContent = text;
  }

  function showMessage(text) {
    $("message-text").textContent = text;
    $("message").showModal();
    return new Promise((resolve) => {
      $("message-ok").onclick = () => {
        $("message").close();
        resolve();
      };
    });
  }

  // --- Channel grid ---------------------------------------------------------
  const head = document.createElement("tr");
  head.append(Object.assign(document.createElement("th"), { textContent: "CH" }));
  for (const title of titles) head.append(Object.assign(document.createElement("th"), { textContent: title }));
  $("grid").tHead.append(head);
  const body = $("grid").tBodies[0];
  for (let channel = 1; channel <= 128; ++channel) {
    const row = body.insertRow();
    const th = Object.assign(document.createElement("th"), { textContent: String(channel) });
    th.addEventListener("click", (e) => selectChannel(channel, e.shiftKey || e.ctrlKey));
    row.append(th);
    for (let column = 1; column <= titles.length; ++column) {
      const input = document.createElement("input");
      input.setAttribute("aria-label", `${titles[column - 1]} ${channel}`);
      input.addEventListener("change", () => {
        const result = core.editCell(channel, column, input.value);
        if (!result.ok) say(result.message);
        refresh();
      });
      input.addEventListener("paste", (e) => {
        const text = e.clipboardData.getData("text/plain");
        if (!/[\t\n]/.test(text)) return;
        e.preventDefault();
        const report = core.paste(text, channel, column);
        say(report.ok ? `${report.stored} of ${report.rows} rows pasted` : report.message);
        if (report.issues.length) showMessage(report.issues.join("\n"));
        refresh();
      });
      row.insertCell().append(input);
    }
  }

  function selectChannel(channel, extend) {
    if (!extend) selected = new Set();
    selected.has(channel) ? selected.delete(channel) : selected.add(channel);
    refreshSelection();
  }

  function refreshSelection() {
    [...body.rows].forEach((row, i) => row.classList.toggle("selected", selected.has(i + 1)));
  }

  function refreshGrid() {
    const rows = core.channelRows();
    rows.forEach((cells, i) => {
      const inputs = body.rows[i].querySelectorAll("input");
      cells.forEach((text, c) => {
        if (inputs[c].value !== text) inputs[c].value = text;
      });
    });
    refreshSelection();
  }

  // --- Settings, one control per row of the module's field table ------------
  const form = $("settings");
  const controls = new Map();
  for (const field of fields) {
    const label = Object.assign(document.createElement("label"), { textContent: field.label });
    let control;
    if (field.kind === "list") {
      control = document.createElement("select");
      field.entries.forEach((entry, i) => control.append(new Option(entry, String(i))));
      control.addEventListener("change", () => {
        core.setSetting(field.key, Number(control.value));
        refresh();
      });
    } else if (field.kind === "flag") {
      control = Object.assign(document.createElement("input"), { type: "checkbox" });
      control.addEventListener("change", () => {
        core.setSetting(field.key, control.checked ? 1 : 0);
        refresh();
      });
    } else {
      // One edit per element (the FM presets are side by side); the module
      // stores the text, refuses it or says how it stored it.
      control = document.createElement("span");
      for (let i = 0; i < field.count; ++i) {
        const input = Object.assign(document.createElement("input"), { type: "text" });
        if (field.count > 1) input.setAttribute("aria-label", `${field.label} ${i}`);
        input.addEventListener("change", () => {
          const result = core.setSettingText(field.key, i, input.value);
          if (result.message) say(result.message);
          input.value = result.stored;
          refresh();
        });
        control.append(input);
      }
    }
    const target = control.querySelector("input") || control;
    target.id = `field-${field.key}`;
    label.htmlFor = target.id;
    controls.set(field.key, control);
    form.append(label, control);
  }

  function refreshSettings() {
    for (const field of fields) {
      const control = controls.get(field.key);
      if (field.kind === "list") control.value = String(core.settingValue(field.key));
      else if (field.kind === "flag") control.checked = core.settingValue(field.key) === 1;
      else control.querySelectorAll("input").forEach((input, i) => (input.value = core.settingText(field.key, i)));
    }
  }

  function refresh() {
    refreshGrid();
    refreshSettings();
    $("undo").disabled = !core.canUndo();
    $("redo").disabled = !core.canRedo();
    document.title = `HT-57${core.modified() ? " *" : ""} (${core.limitsText()})`;
  }

  // --- Files ----------------------------------------------------------------
  async function pickFile(accept) {
    if (window.showOpenFilePicker) {
      try {
        const [handle] = await window.showOpenFilePicker({
          types: [{ description: accept, accept: { "application/octet-stream": [accept] } }],
        });
        const file = await handle.getFile();
        return { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) };
      } catch (e) {
        return null;
      }
    }
    const input = $("file-input");
    input.accept = accept;
    input.value = "";
    return new Promise((resolve) => {
      input.onchange = async () => {
        const file = input.files[0];
        resolve(file ? { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } : null);
      };
      input.click();
    });
  }

  async function saveFile(name, bytes, accept) {
    if (window.showSaveFilePicker) {
      let handle;
      try {
        handle = await window.showSaveFilePicker({
          suggestedName: name,
          types: [{ description: accept, accept: { "application/octet-stream": [accept] } }],
        });
      } catch (e) {
        return false;
      }
      const stream = await handle.createWritable();
      await stream.write(bytes);
      await stream.close();
      return true;
    }
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes]));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    return true;
  }

  $("open").onclick = async () => {
    const file = await pickFile(".dat");
    if (!file) return;
    const result = core.openData(file.bytes);
    if (!result.ok) await showMessage(result.message);
    else say(file.name);
    refresh();
  };

  $("save").onclick = async () => {
    if (await saveFile("radio.dat", core.saveData(), ".dat")) {
      core.savedAs();
      refresh();
    }
  };

  $("import").onclick = async () => {
    const file = await pickFile(".csv");
    if (!file) return;
    const result = core.importCsv(new TextDecoder().decode(file.bytes), false);
    await showMessage(result.ok ? result.lines.join("\n") : result.message);
    refresh();
  };

  $("export").onclick = () => saveFile("channels.csv", new TextEncoder().encode(core.exportCsv()), ".csv");

  $("print").onclick = () => {
    $("printout").textContent = core.listing().join("\n");
    window.print();
  };

  // --- Editing --------------------------------------------------------------
  const picked = () => [...selected].sort((a, b) => a - b);
  $("undo").onclick = () => (core.undo(), refresh());
  $("redo").onclick = () => (core.redo(), refresh());
  $("insert").onclick = () => {
    const result = core.insertChannel(picked()[0] || 1);
    if (!result.ok) say(result.message);
    refresh();
  };
  $("delete").onclick = () => (core.deleteChannels(picked()), refresh());
  const move = (delta) => {
    selected = new Set(core.moveChannels(picked(), delta));
    refresh();
  };
  $("up").onclick = () => move(-1);
  $("down").onclick = () => move(1);
  document.addEventListener("keydown", (e) => {
    if (!(e.ctrlKey || e.metaKey)) return;
    if (e.key === "z") (e.preventDefault(), core.undo(), refresh());
    if (e.key === "y") (e.preventDefault(), core.redo(), refresh());
  });

  // --- Read and Write over Web Serial ---------------------------------------
  const phases = ["Read", "Write", "Verify"];
  globalThis.ht57Transfer = {
    progress(phase, done, total) {
      $("transfer-title").textContent = phases[phase];
      $("progress").max = total;
      $("progress").value = done;
      $("percentage").textContent = `${total ? Math.floor((done * 100) / total) : 0}%`;
    },
    cancelRequested: () => cancelRequested,
  };
  $("cancel").onclick = () => {
    cancelRequested = true;
  };

  async function transfer(kind) {
    let port;
    try {
      port = await navigator.serial.requestPort();
    } catch (e) {
      return; // no port chosen
    }
    globalThis.ht57Port = new WebSerialPort(port);
    cancelRequested = false;
    $("transfer").showModal();
    const verify = kind === 1 && $("verify").checked ? 1 : 0;
    const baud = Number($("baud").value) || 9600;
    await core.ccall("ht57_transfer", "number", ["number", "number", "number"], [kind, baud, verify], { async: true });
    $("transfer").close();
    const end = core.transferEnd();
    say(end.text);
    refresh();
    if (end.shown) await showMessage(end.detail ? `${end.text}\n\n${end.detail}` : end.text);
  }

  if ("serial" in navigator) {
    $("read").onclick = () => transfer(0);
    $("write").onclick = () => transfer(1);
  } else {
    $("noserial").hidden = false;
    $("read").disabled = $("write").disabled = true;
  }

  refresh();
  if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js").catch(() => {});
  document.body.dataset.ready = "1";
})();
