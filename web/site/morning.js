// 翌朝の確認, the morning check: its inputs wired to the C++ that fills the
// window's boxes and words the answer (web/morning_check.cpp), its place on
// the page, and the calendar file made on the phone. Loaded after page.js.
"use strict";

Object.assign(page, {
  startMorningCheck() {
    this.placeMorningCheck();
    matchMedia(kNarrow).addEventListener("change", () => this.placeMorningCheck());
    document.getElementById("DrinkPreset").addEventListener("change", () => Module._ChoosePreset());
    document.getElementById("AddDrink").addEventListener("click", () => Module._AddDrink());
    document.getElementById("MorningGo").addEventListener("click", () => this.morningGo());
    document.getElementById("AddToCalendar").addEventListener("click", () => this.calendar());
    // The day drinking began follows its start time until it is set by hand.
    const date = document.getElementById("MorningDate");
    document.getElementById("MorningStart").addEventListener("input", () => {
      if (!date.dataset.byHand) Module._SuggestMorningDate();
    });
    date.addEventListener("input", () => { date.dataset.byHand = "true"; });
    // An answer never outlives its inputs: the check's, the window's boxes,
    // the panel's.
    const stale = (event) => {
      if (!event.target.closest("[data-sheet-head]")) this.morningStale();
    };
    for (const id of ["MorningForm", "Form1", "detail-inputs"]) {
      document.getElementById(id).addEventListener("input", stale);
      document.getElementById(id).addEventListener("change", stale);
    }
    document.addEventListener("widmark-command", (event) => {
      if (event.detail === "Command2") this.morningStale();
    });
  },

  // The answer, the drive-time line and the calendar go at once; the status
  // says why, once.
  morningStale() {
    if (!this.morningShown) return;
    this.morningShown = false;
    Module._ForgetMorningAnswer();
    const text = "入力が変わりました。もう一度「確認する」を押してください。";
    const status = document.createElement("p");
    status.className = "stale";
    status.textContent = text;
    document.getElementById("MorningAnswer").replaceChildren(status);
    document.getElementById("MorningNotes").replaceChildren();
    document.getElementById("AddToCalendar").hidden = true;
    this.announce(text);
  },

  // 翌朝の確認 stands first on a phone, after the window at its width: the
  // page holds it where it stands, so that it is read and tabbed there.
  placeMorningCheck() {
    const check = document.getElementById("MorningCheck");
    if (matchMedia(kNarrow).matches) this.form().before(check);
    else this.form().after(check);
  },

  appendDrink(kind, shown, volume, strength, count) {
    const row = document.createElement("li");
    Object.assign(row.dataset, {kind, volume, strength, count});
    const text = document.createElement("span");
    text.textContent = shown;
    const remove = document.createElement("button");
    remove.type = "button";
    remove.textContent = "削除";
    remove.setAttribute("aria-label", `${shown} を削除`);
    remove.addEventListener("click", () => {
      const next = row.nextElementSibling?.querySelector("button") ?? document.getElementById("AddDrink");
      row.remove();
      next.focus();
      this.morningStale();
    });
    row.append(text, remove);
    document.getElementById("DrinkList").appendChild(row);
    this.morningStale();
  },

  // The check's answer (or why there is none), said once, whole; `focus`
  // names the input to mend, where there is one, otherwise the focus moves
  // to the answer, and on a phone the answer into view with it.
  showMorning(html, notes, spoken, focus, calendar) {
    const answer = document.getElementById("MorningAnswer");
    answer.innerHTML = html;
    document.getElementById("MorningNotes").innerHTML = notes;
    document.getElementById("AddToCalendar").hidden = !calendar;
    this.morningShown = !focus;
    if (spoken) this.announce(spoken);
    if (focus) {
      this.focusControl(document.getElementById(focus));
      return;
    }
    answer.focus({preventScroll: true});
    if (matchMedia(kNarrow).matches) answer.scrollIntoView({block: "start"});
  },

  async morningGo() {
    if (this.busy) return;
    this.morningShown = false;
    Module._ForgetMorningAnswer();
    document.getElementById("MorningNotes").replaceChildren();
    document.getElementById("AddToCalendar").hidden = true;
    this.setPurpose("m");  // before the window is filled: its time counts from the end
    if (!Module._FillWindow()) return;
    document.getElementById("TimeNotice").hidden = true;
    this.deriveDrinkingTime();
    this.deriveBackTime();
    await this.run("Command1", true);
    Module._ShowMorningAnswer();
  },

  // The answer's time as a calendar file, made here: nothing leaves the phone.
  calendar() {
    const stamp = new Date().toISOString().replace(/[-:]/g, "").replace(/\.\d+/, "");
    const pointer = Module.ccall("MorningCalendar", "number", ["string"], [stamp]);
    const text = Module.UTF8ToString(pointer);
    Module._free(pointer);
    if (!text) return;
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([text], {type: "text/calendar;charset=utf-8"}));
    link.download = "widmark-morning.ics";
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  },
});
