// The page's side of the calculator: it builds the controls the C++ design
// table asks for, measures text for the caption wrapping rule, shows the
// message boxes the commands await, and passes each button press to the
// C++ command bound to it. No command logic lives here.
"use strict";

const kFace = "Widmark Page Gothic";
const kPanelFace = "Widmark Panel Gothic";  // what the window's face does not hold
const kKinds = ["TextBox", "CommandButton", "Label"];
const kAlignments = ["left", "centre", "right"];
const kStandardColour = -1;
const kAnswerOk = 1, kAnswerYes = 6, kAnswerNo = 7;
const kUnitsPerEm = 2048;  // the face's design grid; measured at this size, advances are exact
const kPanelInputs = ["BackMeasured", "BackHours", "BackMinutes", "DrinkStart", "DrinkEnd",
                      "DrinkingHours", "DrinkingMinutes", "DriveTime", "TestTime", "PostAmount",
                      "PostStrength", "PostTime", "AbsorbFast", "AbsorbSlow", "DeficitLow",
                      "DeficitHigh",
                      ...[1, 2].flatMap((n) => ["Label", "R", "Beta", "Ratio", "Gravity", "Figure"].map(
                          (field) => `Official${field}${n}`))];
const kPurposes = {m: "PurposeMorning", c: "PurposeCheck"};  // the link's p=, and its radio
const kNarrow = "(max-width: 640px)";  // below the window's own width
const kLinkLimit = 2000;  // characters of a fragment that are read at all
const kQuietMs = 700;  // after the last keystroke, the panel's change is said

function Colour(rgb) {
  return `rgb(${(rgb >> 16) & 255}, ${(rgb >> 8) & 255}, ${rgb & 255})`;
}

function FontOf(pixels, bold, italic) {
  return `${italic ? "italic " : ""}${bold ? "bold " : ""}${pixels}px "${kFace}"`;
}

const page = {
  form: () => document.getElementById("Form1"),
  canvas: document.createElement("canvas").getContext("2d"),
  advances: new Map(),
  tabOrder: [],
  busy: false,
  changed: false,  // an input differs from the last calculation

  // `read`: 0 nothing to read (hidden from assistive technology), 1 read,
  // 2 the page's heading. `stack` keeps the design's front-to-back order
  // while the page holds the controls in reading order.
  createControl(kind, name, left, top, width, height, pixels, bold, italic, textColour,
                backColour, alignment, tabIndex, framed, stack, read, english, readableColour) {
    const tag = kKinds[kind] === "TextBox" ? "input" : kKinds[kind] === "CommandButton" ? "button"
                                                     : read === 2 ? "h1" : "div";
    const element = document.createElement(tag);
    element.id = name;
    Object.assign(element.style, {
      left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
      font: FontOf(pixels, bold, italic), zIndex: stack,
    });
    if (textColour !== kStandardColour) element.style.color = Colour(textColour);
    // The same hue, darker, where the page needs every text to read.
    if (readableColour !== kStandardColour) {
      element.style.setProperty("--readable", Colour(readableColour));
      element.dataset.readable = "";
    }
    if (!read) element.setAttribute("aria-hidden", "true");
    if (english) element.lang = "en";
    if (kKinds[kind] === "Label") {
      element.className = `label ${kAlignments[alignment]}${framed ? " framed" : ""}`;
      element.style.background = Colour(backColour === kStandardColour ? 0xC0C0C0 : backColour);
    } else {
      element.dataset.tab = tabIndex;
      this.tabOrder.push(element);
      if (kKinds[kind] === "TextBox") {
        element.type = "text";
        element.inputMode = "decimal";
        element.spellcheck = false;
        element.autocomplete = "off";
      } else {
        element.type = "button";
      }
    }
    this.form().appendChild(element);
  },

  // A label's lines as wrapped; rule lines are not read, and a caption on
  // several lines is read once, whole, as one text.
  showLines(name, lines, decorative, whole) {
    const element = document.getElementById(name);
    const read = lines.filter((_, i) => decorative[i] !== "1").length;
    const byWhole = element.classList.contains("label") && read > 1;
    const children = lines.map((text, i) => {
      const line = document.createElement("div");
      line.className = "line";
      line.textContent = text;
      if (byWhole || decorative[i] === "1") line.setAttribute("aria-hidden", "true");
      return line;
    });
    if (byWhole) {
      const text = document.createElement("span");
      text.className = "sr-only";
      text.textContent = whole;
      children.push(text);
    }
    element.replaceChildren(...children);
  },

  // The figure is announced when it changes, and read with its caption and
  // unit (the unit then once, as part of the figure).
  nameFigure(figure, caption, unit) {
    const element = document.getElementById(figure);
    element.setAttribute("role", "status");
    element.setAttribute("aria-labelledby", `${caption} ${figure} ${unit}`);
    document.getElementById(unit).setAttribute("aria-hidden", "true");
  },

  // Each character's advance in 1/64 pixel, as the desktop's font engine
  // gives it, written into `advances`. Bold and italic are drawn by slanting
  // and thickening the regular outlines, which leaves the advances alone, so
  // each character is measured once, at one pixel per font unit.
  measure(characters, pixels, bold, italic, advances) {
    characters.forEach((character, i) => {
      let units = this.advances.get(character);
      if (units === undefined) {
        units = this.canvas.measureText(String.fromCharCode(character)).width;
        this.advances.set(character, units);
      }
      advances[i] = Math.round(units * pixels / kUnitsPerEm * 64) / 64;
    });
  },

  showMessage(prompt, style, title) {
    const box = document.getElementById("box");
    document.getElementById("box-title").textContent = title;
    document.getElementById("box-prompt").textContent = prompt.replaceAll("\r\n", "\n");
    const buttons = style === 4 ? [["はい(Y)", kAnswerYes, "y"], ["いいえ(N)", kAnswerNo, "n"]]
                                : [["OK", kAnswerOk, ""]];
    return new Promise((resolve) => {
      const answer = (value) => {
        box.removeEventListener("cancel", cancel);
        box.removeEventListener("keydown", mnemonic);
        box.close();
        resolve(value);
      };
      // Escape answers No on a Yes/No box and OK on an OK box.
      const cancel = (event) => {
        event.preventDefault();
        answer(style === 4 ? kAnswerNo : kAnswerOk);
      };
      const mnemonic = (event) => {
        const found = buttons.find(([, , key]) => key && event.key.toLowerCase() === key);
        if (found) {
          event.preventDefault();
          answer(found[1]);
        }
      };
      document.getElementById("box-buttons").replaceChildren(...buttons.map(([text, value]) => {
        const button = document.createElement("button");
        button.type = "button";
        button.textContent = text;
        button.addEventListener("click", () => answer(value));
        return button;
      }));
      // A click elsewhere in the box keeps the focus on its button, as Enter expects.
      box.onmousedown = (event) => event.target.closest("button") || event.preventDefault();
      box.addEventListener("cancel", cancel);
      box.addEventListener("keydown", mnemonic);
      box.showModal();
      box.querySelector("#box-buttons button").focus();
    });
  },

  // Built by the C++ from numbers, fixed texts and escaped input only.
  showDetail(results, headline, sheet, summary) {
    this.summary = summary;
    document.getElementById("detail-results").innerHTML = results;
    const line = document.getElementById("detail-headline");
    if (line.textContent !== headline) line.textContent = headline;
    document.getElementById("sheet").innerHTML = sheet;
    document.getElementById("PrintSheet").disabled = !sheet;
    document.getElementById("detail").hidden = false;
    this.calculated = true;
  },

  // The drinking time and the two clock times are one fact: with both times
  // given, the drinking time is theirs (an end before the start is the next day).
  deriveDrinkingTime() {
    const [start, end] = ["DrinkStart", "DrinkEnd"].map((id) => document.getElementById(id).value);
    const derived = Boolean(start && end);
    for (const id of ["DrinkingHours", "DrinkingMinutes"]) document.getElementById(id).readOnly = derived;
    if (!derived) return;
    const minutes = (text) => Number(text.slice(0, 2)) * 60 + Number(text.slice(3, 5));
    const length = (minutes(end) - minutes(start) + 24 * 60) % (24 * 60);
    document.getElementById("DrinkingHours").value = String(Math.floor(length / 60));
    document.getElementById("DrinkingMinutes").value = String(length % 60);
  },

  // Driving and the test as clock times are the delay between them, in
  // whole hours and minutes; a later drink's time, where given, stands
  // between them. Each time earlier than the one before it is the next day.
  deriveBackTime() {
    const value = (id) => document.getElementById(id).value;
    const times = ["DriveTime", "PostTime", "TestTime"].map(value).filter(Boolean);
    const derived = Boolean(value("DriveTime") && value("TestTime"));
    for (const id of ["BackHours", "BackMinutes"]) document.getElementById(id).readOnly = derived;
    if (!derived) return;
    const minutes = (text) => Number(text.slice(0, 2)) * 60 + Number(text.slice(3, 5));
    let delay = 0;
    for (let i = 1; i < times.length; ++i) {
      delay += (minutes(times[i]) - minutes(times[i - 1]) + 24 * 60) % (24 * 60);
    }
    document.getElementById("BackHours").value = String(Math.floor(delay / 60));
    document.getElementById("BackMinutes").value = String(delay % 60);
  },

  // The link that reproduces a calculation: every box's text and the panel's
  // inputs in the address's fragment, percent-encoded.
  linkFields() {
    return [...Array(13).keys()].map((i) => `Text${i + 1}`).concat(kPanelInputs);
  },

  // Every box, and the panel's inputs that hold a text (short enough for
  // the sheet's QR code to read back).
  fragment() {
    const fields = this.linkFields()
        .filter((id, i) => i < 13 || document.getElementById(id).value !== "")
        .map((id) => `${id}=${encodeURIComponent(document.getElementById(id).value)}`);
    return `#v=1&${fields.join("&")}&p=${this.purpose()}`;
  },

  // What the panel works out for: "m" the morning after, "c" checking a
  // police or prosecutors' calculation (the page opens with it).
  purpose() {
    return document.getElementById(kPurposes.m).checked ? "m" : "c";
  },

  setPurpose(purpose) {
    document.getElementById(kPurposes[purpose]).checked = true;
    document.getElementById("detail").dataset.purpose = purpose;
  },

  // Drinking's start and driving as clock times are the window's elapsed
  // time, in whole hours and minutes (driving earlier than the start is the
  // next day); for the morning after, from the end of drinking, where it is
  // given, as the purpose box asks, and a minute at least, as the check
  // counts it. Returns the minutes, or null without both times.
  drivingFromClock() {
    const from = this.timeLineFrom();
    const [start, drive] = [from, "DriveTime"].map((id) => document.getElementById(id).value);
    if (!start || !drive) return null;
    const minutes = (text) => Number(text.slice(0, 2)) * 60 + Number(text.slice(3, 5));
    const length = (minutes(drive) - minutes(start) + 24 * 60) % (24 * 60);
    return from === "DrinkEnd" ? Math.max(length, 1) : length;
  },

  timeLineFrom() {
    return this.purpose() === "m" && document.getElementById("DrinkEnd").value ? "DrinkEnd" : "DrinkStart";
  },

  deriveDrivingTime() {
    const length = this.drivingFromClock();
    if (length === null) return;
    document.getElementById("Text4").value = String(Math.floor(length / 60));
    document.getElementById("Text8").value = String(length % 60);
  },

  // A window box typed so that it no longer agrees with the two clock
  // times: the time of driving lives in one place, so its clock time goes.
  keepOneTimeLine(box) {
    const length = this.drivingFromClock();
    if (length === null || (box.id !== "Text4" && box.id !== "Text8")) return;
    const hours = document.getElementById("Text4").value.trim();
    const minutes = document.getElementById("Text8").value.trim();
    if (hours === String(Math.floor(length / 60)) && minutes === String(length % 60)) return;
    document.getElementById("DriveTime").value = "";
    this.deriveBackTime();
    const notice = document.getElementById("TimeNotice");
    const from = this.timeLineFrom() === "DrinkEnd" ? "飲み終えた時刻" : "飲み始めた時刻";
    notice.textContent = `窓の「飲酒開始後の経過時間」が「${from}」から「運転した時刻」までと` +
                         "合わなくなったため、「運転した時刻」を消しました。";
    notice.hidden = false;
  },

  link() {
    return location.href.split("#")[0] + this.fragment();
  },

  writeLink() {
    history.replaceState(null, "", this.fragment());
  },

  // The link as a QR code from Debian's qrcode-generator: "1" for a dark
  // module, row by row; "" where the library is missing.
  qrModules(text) {
    if (typeof qrcode !== "function") return "";
    const qr = qrcode(0, "M");
    qr.addData(text, "Byte");
    qr.make();
    const size = qr.getModuleCount();
    let modules = "";
    for (let row = 0; row < size; ++row) {
      for (let col = 0; col < size; ++col) modules += qr.isDark(row, col) ? "1" : "0";
    }
    return modules;
  },

  // Fills the boxes from a link and calculates; anything unexpected in the
  // fragment leaves the page as it is, with a notice. Texts only ever become
  // input values.
  async readLink() {
    const hash = location.hash.slice(1);
    if (!hash) return;
    const known = new Set([...this.linkFields(), "p"]);
    const values = new Map();
    let valid = hash.length <= kLinkLimit && hash.startsWith("v=1&");
    for (const part of valid ? hash.slice(4).split("&") : []) {
      const at = part.indexOf("=");
      const id = at < 0 ? part : part.slice(0, at);
      if (at < 0 || !known.has(id) || values.has(id)) {
        valid = false;
        break;
      }
      try {
        values.set(id, decodeURIComponent(part.slice(at + 1)));
      } catch {
        valid = false;
        break;
      }
      if (id === "p" && !(values.get(id) in kPurposes)) {
        valid = false;
        break;
      }
    }
    // Every box must be in it: a box left out would silently keep the
    // page's default, a figure nobody chose.
    const missing = valid ? this.linkFields().slice(0, 13).filter((id) => !values.has(id)) : [];
    if (!valid || missing.length) {
      const notice = document.getElementById("link-notice");
      notice.textContent = missing.length
          ? `リンクに欄が足りないため、使いませんでした（足りない欄：${missing.join("、")}）。`
          : "リンクの内容を読み取れないため、使いませんでした。";
      notice.hidden = false;
      return;
    }
    for (const [id, text] of values) {
      if (id === "p") this.setPurpose(text);
      else document.getElementById(id).value = text;
    }
    this.deriveDrinkingTime();
    this.deriveBackTime();
    this.deriveDrivingTime();  // where the clock times and the boxes differ, the clock times hold
    await this.run("Command1");
  },

  // The sheet never shows figures the boxes no longer hold: after any change
  // since the last calculation, it is calculated again first.
  async printSheet() {
    try {
      if (this.changed) {
        await this.run("Command1");
        if (this.changed || document.getElementById("PrintSheet").disabled) {
          this.announce("計算できなかったため、計算書を印刷しませんでした。");
          return;
        }
      }
      document.body.dataset.print = "sheet";  // until 印刷する chooses the window again
      window.print();
    } finally {
      document.dispatchEvent(new CustomEvent("widmark-command", {detail: "PrintSheet"}));
    }
  },

  // The window is gone: said in the status line, and the focus on the link
  // that opens it again (not dropped to the page's body).
  close() {
    this.form().hidden = true;
    for (const element of document.querySelectorAll("[data-panel]")) element.hidden = true;
    const again = document.createElement("a");
    again.href = "";
    again.textContent = "もう一度開く";
    document.getElementById("closed").replaceChildren("計算機を閉じました。", again);
    again.focus();
  },

  // Says a short text once, politely, through the page's status line.
  announce(text) {
    const status = document.getElementById("detail-status");
    status.textContent = "";
    requestAnimationFrame(() => { status.textContent = text; });
  },

  // The boxes a 計算できません box named: marked invalid until their text
  // changes, the first focused with its text selected.
  markInvalid(names) {
    for (const name of names) {
      const box = document.getElementById(name);
      box.setAttribute("aria-invalid", "true");
      box.addEventListener("input", () => box.removeAttribute("aria-invalid"), {once: true});
    }
    if (names.length) this.focusControl(document.getElementById(names[0]));
  },

  // What the panel says after a command of the window: its answer, or why
  // it shows none.
  announcePanel() {
    if (document.getElementById("detail").hidden) return;
    // One short sentence: the reason, or the headline's first (the answer).
    const reason = document.querySelector("#detail-results > .unread");
    const text = reason ? reason.textContent : document.getElementById("detail-headline").textContent;
    this.announce(text.slice(0, text.indexOf("。") + 1) || text);
  },

  // `morning`: run for the morning check, which says its own answer.
  async run(button, morning = false) {
    if (this.busy) return;  // one command at a time, as on the desktop
    this.busy = true;
    try {
      await Module.ccall("RunButton", null, ["string"], [button], {async: true});
    } finally {
      this.busy = false;
      if (!morning && (button === "Command1" || button === "Command2")) this.announcePanel();
      this.spokenSummary = this.summary;
      if (button === "Command1") {
        // Calculated from the boxes as they stand, unless it ended in a caution.
        this.changed = document.getElementById("detail").hidden ||
                       !!document.querySelector("#detail-results > .unread");
        this.writeLink();
        // On a phone the panel lies below the fold: its answer comes into
        // view with the focus, so that the scroll and the reader agree.
        const panel = document.getElementById("detail");
        if (!morning && !panel.hidden && matchMedia(kNarrow).matches) {
          const headline = document.getElementById("detail-headline");
          headline.tabIndex = -1;
          headline.focus({preventScroll: true});
          document.getElementById("detail-title").scrollIntoView({block: "start"});
        }
      }
      document.dispatchEvent(new CustomEvent("widmark-command", {detail: button}));
    }
  },

  // Where Tab stops on the page, in the page's order.
  tabStops() {
    return [...document.querySelectorAll("input, button, select, textarea, a[href], [tabindex]")]
        .filter((e) => e.tabIndex >= 0 && !e.disabled && !e.closest("dialog:not([open])") &&
                       e.getClientRects().length > 0 && getComputedStyle(e).visibility !== "hidden");
  },

  // On a phone Tab follows the page, which holds the controls in the order
  // they stand. At the window's width it follows the design's order inside
  // the window, as on the desktop, and leaves it after the last control
  // (before the first with Shift) for the rest of the page: never round.
  tab(event) {
    if (event.key !== "Tab" || event.altKey || event.ctrlKey || event.metaKey) return;
    if (matchMedia(kNarrow).matches || document.getElementById("box").open) return;
    const form = this.form();
    const back = event.shiftKey;
    const stops = this.tabStops();
    const design = this.tabOrder.filter((e) => stops.includes(e));
    const active = document.activeElement;
    let target;
    if (form.contains(active)) {
      const at = design.indexOf(active);
      if (at < 0) return;
      target = design[at + (back ? -1 : 1)];
      if (!target) {
        const side = back ? Node.DOCUMENT_POSITION_PRECEDING : Node.DOCUMENT_POSITION_FOLLOWING;
        const outside = stops.filter((e) => !form.contains(e) && form.compareDocumentPosition(e) & side);
        target = back ? outside.at(-1) : outside[0];
      }
      if (!target) {
        // Nothing more on the page: the browser takes the focus on, past
        // the window's other controls.
        const others = design.filter((e) => e !== active);
        for (const e of others) e.tabIndex = -1;
        setTimeout(() => { for (const e of others) e.removeAttribute("tabindex"); }, 0);
        return;
      }
    } else {
      // Coming into the window from the page: at its first control, or with
      // Shift at its last.
      const neighbour = stops[stops.indexOf(active) + (back ? -1 : 1)];
      if (!neighbour || !form.contains(neighbour)) return;
      target = back ? design.at(-1) : design[0];
    }
    event.preventDefault();
    this.focusControl(target);
  },

  focusControl(element, options = {}) {
    element.focus(options);
    if (element.tagName === "INPUT") element.select();
  },

  start() {
    this.canvas.font = FontOf(kUnitsPerEm, false, false);
    Module._StartCalculator();
    this.tabOrder.sort((a, b) => a.dataset.tab - b.dataset.tab);
    const form = this.form();
    form.addEventListener("click", (event) => {
      const button = event.target.closest("#Form1 > button");
      if (button) this.run(button.id);
    });
    document.addEventListener("keydown", (event) => this.tab(event));
    // The panel's own inputs rework the panel once a calculation has been
    // made; the change is said once the typing stops.
    let quiet;
    // A box of the window does the same: the panel never shows figures the
    // boxes no longer hold (the window's own figure waits for 計算する).
    const rework = (event) => {
      if (event.target.name === "Purpose") this.setPurpose(this.purpose());
      if (["DrinkStart", "DrinkEnd", "DriveTime"].includes(event.target.id) || event.target.name === "Purpose") {
        document.getElementById("TimeNotice").hidden = true;
        this.deriveDrivingTime();
      }
      this.keepOneTimeLine(event.target);
      this.deriveDrinkingTime();
      this.deriveBackTime();
      if (!this.calculated || this.busy) return;
      Module.ccall("UpdatePanel", null, [], []);
      this.writeLink();
      clearTimeout(quiet);
      // The figures that moved since they were last said, once the typing
      // stops; or that none did.
      quiet = setTimeout(() => {
        const moved = this.summary && this.summary !== this.spokenSummary;
        this.spokenSummary = this.summary;
        this.announce(moved ? this.summary : "計算の詳細を更新しました。");
      }, kQuietMs);
    };
    document.getElementById("detail-inputs").addEventListener("input", rework);
    this.form().addEventListener("input", rework);
    document.getElementById("PrintSheet").addEventListener("click", () => this.printSheet());
    // Any change to a figure's input since the last calculation (the sheet's
    // head fields are not figures).
    for (const id of ["Form1", "detail-inputs"]) {
      document.getElementById(id).addEventListener("input", (event) => {
        if (!event.target.closest("[data-sheet-head]")) this.changed = true;
      });
    }
    this.startMorningCheck();
    // On a phone the morning check stands above the window: the first box
    // takes the focus without scrolling it away.
    this.focusControl(document.getElementById("Text1"), {preventScroll: true});
    document.body.dataset.ready = "true";
    requestAnimationFrame(() => setTimeout(RegisterServiceWorker, 0));
    this.readLink();
  },
};

// Offline and on the home screen: the service worker keeps the site's files.
// From a file:// address, or without service workers, the page works online.
// It is registered once the page stands, so that its downloads never delay
// the first paint.
function RegisterServiceWorker() {
  if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
    navigator.serviceWorker.register("sw.js").catch(() => {});
  }
}

// From a file:// address the browser fetches neither the font nor the
// WebAssembly: both come from a script of their own, which loads there.
const kFromFile = location.protocol === "file:";
let embedded = null;
function EmbeddedFiles() {
  embedded ??= new Promise((done, failed) => {
    const script = document.createElement("script");
    script.src = "widmark-files.js";
    script.onload = () => {
      const bytes = (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
      done({font: bytes(self.WidmarkFiles.font), panelFont: bytes(self.WidmarkFiles.panelFont),
            wasm: bytes(self.WidmarkFiles.wasm)});
    };
    script.onerror = failed;
    document.head.appendChild(script);
  });
  return embedded;
}

async function FontReady() {
  if (kFromFile) {
    const files = await EmbeddedFiles();
    const face = new FontFace(kFace, files.font);
    document.fonts.add(await face.load());
    document.fonts.add(await new FontFace(kPanelFace, files.panelFont).load());
  }
  await document.fonts.load(`16px "${kFace}"`);
}

var Module = {
  page,
  onRuntimeInitialized() {
    FontReady().then(() => page.start());
  },
};
if (kFromFile) {
  Module.instantiateWasm = (imports, done) => {
    EmbeddedFiles().then((files) => WebAssembly.instantiate(files.wasm, imports))
        .then((result) => done(result.instance));
    return {};  // the exports come through `done`
  };
}
