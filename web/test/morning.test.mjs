// 翌朝の確認, the morning after in one answer: what was drunk and when, in,
// and out the clock time at which even the cautious figure is 0, by taps on
// a phone and by clicks at the window's width.
import assert from "node:assert/strict";
import {test} from "node:test";
import {readFileSync} from "node:fs";

import {Launch, ServedSite} from "./harness.mjs";

const site = ServedSite();

async function Open(width) {
  const phone = width < 641;
  const context = await Launch({viewport: {width, height: 844}, isMobile: phone, hasTouch: phone});
  const page = await context.newPage();
  // The morning after the party: 7:00 on 9 December 2026.
  await page.clock.setFixedTime(new Date(2026, 11, 9, 7, 0));
  await page.goto(site.url);
  await page.waitForSelector("body[data-ready=true]");
  const press = (selector) => (phone ? page.tap(selector) : page.click(selector));
  return {context, page, press};
}

async function AddDrink(page, press, preset, count, volume, strength) {
  await page.selectOption("#DrinkPreset", {label: preset});
  if (volume) await page.fill("#DrinkVolume", volume);
  if (strength) await page.fill("#DrinkStrength", strength);
  await page.fill("#DrinkCount", String(count));
  await press("#AddDrink");
}

// Presses 確認する, closes the window's verdict box, and waits for the answer.
async function Check(page, press) {
  await page.evaluate(() => { document.getElementById("MorningAnswer").textContent = ""; });
  await press("#MorningGo");
  await page.waitForSelector("dialog#box[open]");
  const title = await page.textContent("#box-title");
  await press("#box-buttons button");
  await page.waitForFunction(() => document.getElementById("MorningAnswer").textContent);
  return title;
}

const Values = (page) => page.evaluate(
    () => [...Array(13).keys()].map((i) => document.getElementById(`Text${i + 1}`).value));

async function Calendar(page, press) {
  const [download] = await Promise.all([page.waitForEvent("download"), press("#AddToCalendar")]);
  return readFileSync(await download.path(), "utf8");
}

// C99 %a text, as data-figure holds it, read back exactly.
function FromHex(text) {
  const [, sign, whole, fraction, exponent] = /^(-?)0x([01])\.?([0-9a-f]*)p([+-]\d+)$/.exec(text);
  const value = (Number(whole) + parseInt(fraction || "0", 16) / 16 ** fraction.length) * 2 ** Number(exponent);
  return sign ? -value : value;
}

// What the screen says after a check: the window's figure, the panel's
// entered and cautious figures, its headline, the answer's lines and what
// the live region said.
const Shown = (page) => page.evaluate(() => {
  const text = (selector) => document.querySelector(selector)?.textContent ?? null;
  const figures = [...document.querySelectorAll("#detail .scenarios td[data-figure]")].map((td) => td.dataset.figure);
  return {window: text("#Label24"), entered: figures[0], cautious: figures[1],
          headline: text("#detail-headline"), zero: text("#MorningAnswer .zero"),
          drive: text("#MorningAnswer .drive"), warning: text("#MorningAnswer .warning"),
          notes: text("#MorningNotes"), status: text("#detail-status"), focus: document.activeElement.id,
          narrow: innerWidth < 641, top: Math.round(document.getElementById("MorningAnswer").getBoundingClientRect().top)};
});

// The window holds the purpose box's cautious values and the time from the
// end of drinking to driving; its figure, its verdict and the panel's two
// columns are the drive-time line's figure, and every line is heard.
async function ExpectOneFigure(page, title) {
  const shown = await Shown(page);
  assert.equal(shown.cautious, shown.entered);
  const figure = FromHex(shown.entered);
  // 15 digits, and below 0 the window shows 0.
  assert.equal(shown.window, figure < 0 ? "0" : String(Number(figure.toPrecision(15))));
  assert.equal(title, figure > 0.15 ? "有罪です" : figure >= 0 ? "不該当" : "計算結果");
  assert.ok(shown.headline.startsWith(shown.zero), `${shown.headline} / ${shown.zero}`);
  assert.equal(shown.focus, "MorningAnswer");
  // On a phone the answer is brought to the top of the screen.
  if (shown.narrow) assert.equal(shown.top, 0);
  await page.waitForFunction(() => document.getElementById("detail-status").textContent.includes("運転"));
  const status = await page.textContent("#detail-status");
  for (const line of [shown.zero, shown.drive, shown.warning, shown.notes].filter(Boolean))
    assert.ok(status.includes(line.replace(/入力を確かめて下さい。$/, "")), `${status} says ${line}`);
  return {...shown, figure};
}

for (const width of [390, 1280]) {
  test(`the party at ${width} px: the cautious window, one dated time, the drive in words, a reminder`, async () => {
    const {context, page, press} = await Open(width);
    try {
      // On a phone the check comes first, above the window; at the window's
      // width after it, before the panel.
      const order = await page.evaluate(() => [...document.querySelectorAll("#MorningCheck, #Form1, #detail")].map((e) => e.id));
      assert.deepEqual(order, width < 641 ? ["MorningCheck", "Form1", "detail"] : ["Form1", "MorningCheck", "detail"]);
      await AddDrink(page, press, "缶ビール 350mL 5%", 3);
      await AddDrink(page, press, "日本酒 1合 180mL 15%", 2);
      await AddDrink(page, press, "ハイボール 350mL 7%", 2);
      await page.fill("#MorningWeight", "62");
      await page.fill("#MorningStart", "19:30");
      // At 7:00 an evening's start is yesterday's.
      assert.equal(await page.inputValue("#MorningDate"), "2026-12-08");
      await page.fill("#MorningEnd", "23:45");
      await page.fill("#DriveAt", "08:00");
      const title = await Check(page, press);
      // 360 cc of sake at 15, 1050 of beer at 5, 700 of the rest at 7; 62 kg;
      // 23:45 to 8:00 is 8 h 15 min; r 0.6, 0.11 and 1900.
      assert.deepEqual(await Values(page), ["360", "1050", "62", "8", "0.7947", "0.6", "0.11",
                                            "15", "700", "15", "5", "7", "1900"]);
      assert.deepEqual(await page.evaluate(() => ["DrinkStart", "DrinkEnd", "DriveTime"].map((id) => document.getElementById(id).value)),
                       ["19:30", "23:45", "08:00"]);
      const shown = await ExpectOneFigure(page, title);
      assert.equal(title, "有罪です");
      assert.equal(shown.window, "1.27075335073684");
      assert.equal(shown.zero, "アルコールが0になるのは（慎重な数値で）12月10日(木) 5:57 ごろ以降");
      assert.equal(shown.drive, "運転する予定の 12月9日(水) 8:00 には、慎重な数値で呼気1リットルあたり 1.28 mg（基準0.15の約8.5倍）。");
      assert.equal(shown.warning, "基準値以上のアルコールが残っているおそれがあります。運転しないでください。");
      assert.match(await page.textContent("#MorningAnswer .effects"), /泥酔/);
      assert.match(await page.textContent("#MorningAnswer .safety"), /運転してよいということではありません/);
      assert.equal(shown.notes, "");
      // The panel's clock times count from the end too: the cautious 0 at the answer's time.
      assert.match(await page.locator("#detail .scenarios tbody tr").last().locator("td").nth(1).textContent(), /（2日後 5:57）/);
      assert.equal(await page.locator("#detail .amounts").count(), 0);
      const calendar = await Calendar(page, press);
      assert.match(calendar, /\r\nDTSTART:20261210T055700\r\n/);  // began 8 December, 34 h 27 min later
      assert.match(calendar, /\r\nSUMMARY:アルコールが0になる目安（慎重な数値）\r\n/);
      assert.match(calendar, /\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT0M\r\n/);
      assert.ok(calendar.replace(/\r\n /g, "").includes("缶ビール 350mL 5% × 3\\n"), calendar);
      assert.equal(await page.evaluate(() => document.documentElement.scrollWidth - innerWidth), 0);
      // The weight changed: nothing of the answer stays, nor its calendar.
      await page.fill("#MorningWeight", "70");
      assert.equal(await page.textContent("#MorningAnswer"), "入力が変わりました。もう一度「確認する」を押してください。");
      assert.equal(await page.isVisible("#AddToCalendar"), false);
      assert.deepEqual(page.errors ?? [], []);
    } finally {
      await context.cleanup();
    }
  });

  test(`a ten-drink night at ${width} px without a time to drive: the window shows the 0 it answers`, async () => {
    const {context, page, press} = await Open(width);
    try {
      await AddDrink(page, press, "缶ビール 500mL 5%", 4);
      await AddDrink(page, press, "日本酒 1合 180mL 15%", 3);
      await AddDrink(page, press, "缶チューハイ 350mL 9%", 2);
      await AddDrink(page, press, "ウイスキー シングル 30mL 40%", 1);
      await page.fill("#MorningWeight", "45");
      await page.fill("#MorningStart", "18:00");
      await page.fill("#MorningEnd", "01:30");
      const title = await Check(page, press);
      const shown = await ExpectOneFigure(page, title);
      const values = await Values(page);
      assert.deepEqual([values[5], values[6], values[12]], ["0.6", "0.11", "1900"]);
      // Past midnight: 18:00 to 1:30 is 7 h 30 min of drinking.
      assert.deepEqual([await page.inputValue("#DrinkingHours"), await page.inputValue("#DrinkingMinutes")], ["7", "30"]);
      // 1:30 plus the window's time is the answer's clock time, and its figure is 0 at most.
      const after = Number(values[3]) * 60 + Number(values[7]);
      const at = (90 + after) % 1440;
      const clock = `${Math.floor(at / 60)}:${String(at % 60).padStart(2, "0")}`;
      assert.match(shown.zero, new RegExp(`^アルコールが0になるのは（慎重な数値で）12月1[01]日\\((木|金)\\) ${clock} ごろ以降$`));
      assert.ok(shown.figure <= 0);
      assert.equal(shown.drive, null);
      assert.equal(await page.locator("#detail .amounts").count(), 0);
      assert.equal(await page.evaluate(() => document.activeElement.id), "MorningAnswer");
    } finally {
      await context.cleanup();
    }
  });
}

// Every kind of change after a check takes the answer away at once.
test("the answer goes with any change to what it was made from", async () => {
  const {context, page, press} = await Open(390);
  try {
    await AddDrink(page, press, "缶ビール 350mL 5%", 2);
    await page.fill("#MorningWeight", "62");
    await page.fill("#MorningStart", "19:30");
    await page.fill("#MorningEnd", "22:00");
    const kChanges = [
      ["a drink added again", () => press("#AddDrink")],
      ["a drink removed", () => press("#DrinkList li:last-child button")],
      ["a drink's strength edited", () => page.fill("#DrinkStrength", "6")],
      ["the weight", () => page.fill("#MorningWeight", "61")],
      ["a time", () => page.fill("#MorningEnd", "22:30")],
      ["the date", () => page.fill("#MorningDate", "2026-12-07")],
      ["a window box", () => page.fill("#Text3", "60")],
      ["the panel's purpose", () => page.check("#PurposeCheck")],
      ["入力数値抹消", () => press("#Command2")],
    ];
    for (const [name, change] of kChanges) {
      await Check(page, press);
      assert.equal(await page.isVisible("#AddToCalendar"), true, name);
      await change();
      assert.equal(await page.textContent("#MorningAnswer"), "入力が変わりました。もう一度「確認する」を押してください。", name);
      assert.equal(await page.isVisible("#AddToCalendar"), false, name);
    }
    // The date, once set by hand, stays when the start time changes.
    await page.fill("#MorningStart", "20:00");
    assert.equal(await page.inputValue("#MorningDate"), "2026-12-07");
  } finally {
    await context.cleanup();
  }
});

// The usual mistakes, each named in the check with what it was taken as.
test("a fraction for a strength, an end before the start, a drive within drinking or past", async () => {
  const {context, page, press} = await Open(390);
  try {
    await AddDrink(page, press, "缶ビール 350mL 5%", 2, undefined, "0.05");
    await AddDrink(page, press, "日本酒 1合 180mL 15%", 1);
    await AddDrink(page, press, "缶ビール 350mL 5%", 1, "-100");
    await page.fill("#MorningWeight", "62");
    await page.fill("#MorningStart", "19:30");
    await page.fill("#MorningEnd", "09:30");
    await page.fill("#DriveAt", "21:00");
    await Check(page, press);
    const notes = await page.locator("#MorningNotes li").allTextContents();
    const kExpected = [
      "「度数（%）」の「0.05」（手入力（ビール） 350mL 0.05% × 2）は0.05%として計算しました。5%の誤りではありませんか。",
      "「1杯の量（mL）」の「-100」（",
      "「飲み終えた時刻」の「9:30」は「飲み始めた時刻」の「19:30」より前のため、翌日として、飲酒時間14時間0分で計算しました。",
      "「運転する予定の時刻」の「21:00」は飲んでいた間の時刻のため、翌日の12月9日(水) 21:00として計算しました。",
    ];
    assert.equal(notes.length, kExpected.length, notes.join("\n"));
    kExpected.forEach((note, i) => assert.ok(notes[i].startsWith(note), notes[i]));
    await page.fill("#MorningEnd", "23:30");
    await page.fill("#DriveAt", "06:00");
    await Check(page, press);
    assert.match(await page.textContent("#MorningNotes"), /「運転する予定の時刻」の「6:00」は12月9日\(水\) 6:00として計算しましたが、この時刻はもう過ぎています。/);
  } finally {
    await context.cleanup();
  }
});

// The check copies its drive time to the panel: a test time typed there
// keeps the delay between them.
test("a test time in the panel keeps its delay from the check's drive time", async () => {
  const {context, page, press} = await Open(390);
  try {
    await AddDrink(page, press, "缶ビール 350mL 5%", 3);
    await page.fill("#MorningWeight", "62");
    await page.fill("#MorningStart", "19:30");
    await page.fill("#MorningEnd", "23:45");
    await page.fill("#DriveAt", "07:00");
    await Check(page, press);
    await page.fill("#TestTime", "09:00");
    await page.fill("#DriveAt", "08:15");
    await Check(page, press);
    assert.deepEqual([await page.inputValue("#DriveTime"), await page.inputValue("#BackHours"),
                      await page.inputValue("#BackMinutes")], ["08:15", "0", "45"]);
  } finally {
    await context.cleanup();
  }
});

// Planning at 17:00 before an 18:30 party: the date is today's.
test("a start just ahead is today's; the answer and the reminder take their date from it", async () => {
  const {context, page, press} = await Open(390);
  try {
    await page.clock.setFixedTime(new Date(2026, 11, 9, 17, 0));
    await AddDrink(page, press, "缶ビール 350mL 5%", 2);
    await page.fill("#MorningWeight", "62");
    await page.fill("#MorningStart", "18:30");
    assert.equal(await page.inputValue("#MorningDate"), "2026-12-09");
    await page.fill("#MorningEnd", "20:30");
    await Check(page, press);
    const zero = await page.textContent("#MorningAnswer .zero");
    const [, day, hours, minutes] = zero.match(/12月(\d+)日\(.\) (\d+):(\d+)/);
    const calendar = await Calendar(page, press);
    assert.match(calendar, new RegExp(`\\r\\nDTSTART:202612${day}T${hours.padStart(2, "0")}${minutes}00\\r\\n`));
  } finally {
    await context.cleanup();
  }
});

test("two strengths of other drinks make one, weighted by volume; sake and beer keep theirs", async () => {
  const {context, page, press} = await Open(390);
  try {
    assert.equal(await page.inputValue("#DrinkCount"), "1");  // each drink starts from one
    await AddDrink(page, press, "ワイン 1杯 120mL 12%", 2);
    assert.equal(await page.inputValue("#DrinkCount"), "1");
    await AddDrink(page, press, "缶チューハイ 350mL 9%", 1);
    // A row taken out again counts for nothing; a strength typed over the
    // preset's is the user's own, named so.
    await AddDrink(page, press, "缶ビール 500mL 5%", 1, undefined, "6");
    // The list keeps each drink's name.
    assert.deepEqual(await page.$$eval("#DrinkList li span", (rows) => rows.map((r) => r.textContent)),
                     ["ワイン 1杯 120mL 12% × 2", "缶チューハイ 350mL 9% × 1", "手入力（ビール） 500mL 6% × 1"]);
    // A remove button says which drink; the focus goes on to the next row.
    assert.equal(await page.getAttribute("#DrinkList li:nth-child(2) button", "aria-label"), "缶チューハイ 350mL 9% × 1 を削除");
    await AddDrink(page, press, "缶ビール 350mL 5%", 1);
    await press("#DrinkList li:nth-child(3) button");
    assert.equal(await page.evaluate(() => document.activeElement.closest("li")?.textContent), "缶ビール 350mL 5% × 1削除");
    await press("#DrinkList li:last-child button");
    // A count that is not a whole number of servings is refused, naming its box; so is none.
    await AddDrink(page, press, "缶ビール 500mL 5%", "");
    assert.match(await page.textContent("#MorningAnswer"), /「杯数」に数値を入力して下さい/);
    await AddDrink(page, press, "缶ビール 500mL 5%", "0.5");
    assert.match(await page.textContent("#MorningAnswer"), /「杯数」は1以上の整数/);
    assert.equal(await page.evaluate(() => document.activeElement.id), "DrinkCount");
    assert.equal(await page.locator("#DrinkList li").count(), 2);
    await page.fill("#MorningWeight", "48");
    await page.fill("#MorningStart", "20:00");
    await page.fill("#MorningEnd", "22:00");
    await Check(page, press);
    const values = await Values(page);
    const mean = (240 * 12 + 350 * 9) / 590;
    assert.deepEqual([values[0], values[1], values[8], values[9], values[10], values[11]],
                     ["0", "0", "590", "15", "5", String(Number(mean.toPrecision(15)))]);
    assert.equal(await page.locator("#MorningAnswer .drive").count(), 0);
    // Never how much one may drink: no amounts at the limit after the check.
    assert.equal(await page.locator("#detail .amounts").count(), 0);
    assert.ok(!(await page.textContent("#detail")).includes("cc 以上で0.15以上"));
  } finally {
    await context.cleanup();
  }
});

test("an empty list is refused in words, and nothing is calculated", async () => {
  const {context, page, press} = await Open(390);
  try {
    await page.fill("#MorningWeight", "62");
    await press("#MorningGo");
    assert.match(await page.textContent("#MorningAnswer"), /飲んだものをリストに加えてから/);
    assert.equal(await page.evaluate(() => document.activeElement.id), "DrinkPreset");
    assert.equal(await page.isVisible("dialog#box"), false);
    assert.equal((await Values(page))[0], "200");
    assert.equal(await page.isVisible("#AddToCalendar"), false);
    // Each missing time focuses its own box.
    await AddDrink(page, press, "缶ビール 350mL 5%", 1);
    await page.fill("#MorningEnd", "23:00");
    await press("#MorningGo");
    assert.equal(await page.evaluate(() => document.activeElement.id), "MorningStart");
    // A calculation the window cannot make gives no answer, and says why.
    await page.fill("#MorningStart", "19:00");
    await page.fill("#MorningWeight", "0");
    const title = await Check(page, press);
    assert.equal(await page.textContent("#MorningAnswer"), `計算は「${title}」で終わったため、答えを出せませんでした。入力を確かめて下さい。`);
    assert.equal(await page.isVisible("#AddToCalendar"), false);
    // No weight, or a list too large to add up, is refused before the window is touched.
    const before = await Values(page);
    for (const [weight, volume, words, box] of [
      ["", undefined, /体重（kg）を数値で入力して下さい/, "MorningWeight"],
      ["62", "1e308", /リストの量または度数が大きすぎて計算できません/, "DrinkPreset"]]) {
      await page.fill("#MorningWeight", weight);
      if (volume) await AddDrink(page, press, "缶ビール 350mL 5%", 2, volume);
      await press("#MorningGo");
      assert.match(await page.textContent("#MorningAnswer"), words);
      assert.equal(await page.evaluate(() => document.activeElement.id), box);
      assert.deepEqual(await Values(page), before);
      assert.equal(await page.isVisible("dialog#box"), false);
    }
  } finally {
    await context.cleanup();
  }
});

// Inputs no person or drink can have are said in words, in the check and in
// the panel, naming the box and its text; never for the window's defaults.
const kDoubts = [
  {name: "the window's defaults", boxes: {}, expected: null},
  {name: "a weight of 5 kg", boxes: {Text3: "5"}, expected: "「あなたの体重は（単位はＫｇ）」の「5」は20 kg未満"},
  {name: "a weight of -62 kg", boxes: {Text3: "-62"}, expected: "「-62」はマイナス"},
  {name: "150 %", boxes: {Text11: "150"}, expected: "「ビールのアルコール濃度（度）」の「150」は100度（%）を超え"},
  {name: "a negative amount", boxes: {Text1: "-200"}, expected: "「飲酒日本酒の量（単位はＣＣ）」の「-200」はマイナス"},
  {name: "a negative time", boxes: {Text4: "3", Text8: "-20"}, expected: "「-20」はマイナス"},
  {name: "drinking longer than the time since it began", boxes: {Text4: "1"},
   panel: {DrinkingHours: "3", DrinkingMinutes: "30"}, expected: "飲酒時間「3時間30分」が、飲酒開始後の経過時間より長く"},
  {name: "drinking for more than a day", boxes: {Text4: "30"},
   panel: {DrinkingHours: "25", DrinkingMinutes: "0"}, expected: "飲酒時間「25時間0分」が24時間を超えて"},
];
test("implausible inputs are named in the panel and the check, and nothing is said of the defaults", async () => {
  const {context, page, press} = await Open(1280);
  try {
    for (const c of kDoubts) {
      await page.goto(site.url);
      await page.waitForSelector("body[data-ready=true]");
      for (const [id, text] of Object.entries(c.boxes)) await page.fill(`#${id}`, text);
      await press("#Command1");
      await page.waitForSelector("dialog#box[open]");
      await press("#box-buttons button");
      await page.waitForFunction(() => !document.getElementById("detail").hidden);
      // The panel's own inputs rework it as they are typed.
      for (const [id, text] of Object.entries(c.panel ?? {})) await page.fill(`#${id}`, text);
      const notes = await page.locator("#detail .doubts").allTextContents();
      if (!c.expected) assert.deepEqual(notes, [], c.name);
      else assert.ok(notes.length === 1 && notes[0].includes(c.expected), `${c.name}: ${notes}`);
    }
    // In the check too.
    await page.goto(site.url);
    await page.waitForSelector("body[data-ready=true]");
    await AddDrink(page, press, "缶ビール 350mL 5%", 2);
    await page.fill("#MorningWeight", "5");
    await page.fill("#MorningStart", "19:00");
    await page.fill("#MorningEnd", "21:00");
    await Check(page, press);
    assert.match(await page.textContent("#MorningNotes"), /「体重（kg）」の「5」は20 kg未満/);
  } finally {
    await context.cleanup();
  }
});
