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
    });
    row.append(text, remove);
    document.getElementById("DrinkList").appendChild(row);
  },

  // The check's answer (or why there is none), said once; `focus` names the
  // input to mend, where there is one.
  showMorning(html, spoken, focus, calendar) {
    document.getElementById("MorningAnswer").innerHTML = html;
    document.getElementById("AddToCalendar").hidden = !calendar;
    if (spoken) this.announce(spoken);
    if (focus) this.focusControl(document.getElementById(focus));
  },

  async morningGo() {
    if (this.busy) return;
    document.getElementById("MorningNotes").replaceChildren();
    if (!Module._FillWindow()) return;
    this.setPurpose("m");
    this.deriveDrinkingTime();
    await this.run("Command1", true);
    Module._ShowMorningAnswer();
    const answer = document.getElementById("MorningAnswer");
    if (matchMedia(kNarrow).matches) answer.scrollIntoView({block: "center"});
  },

  // The answer's time as a calendar file, made here: nothing leaves the phone.
  calendar() {
    const now = new Date();
    const stamp = now.toISOString().replace(/[-:]/g, "").replace(/\.\d+/, "");
    const pointer = Module.ccall("MorningCalendar", "number",
                                 ["number", "number", "number", "number", "string"],
                                 [now.getFullYear(), now.getMonth() + 1, now.getDate(),
                                  now.getHours() * 60 + now.getMinutes(), stamp]);
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
