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

for (const width of [390, 1280]) {
  test(`the party at ${width} px: the boxes filled, one clock time, the drive, a reminder`, async () => {
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
      await page.fill("#MorningEnd", "23:45");
      await page.fill("#DriveAt", "08:00");
      assert.equal(await Check(page, press), "有罪です");
      // 360 cc of sake at 15, 1050 of beer at 5, 700 of the rest at 7;
      // 62 kg; 19:30 to 8:00 is 12 h 30 min; the method's boxes untouched.
      assert.deepEqual(await Values(page), ["360", "1050", "62", "12", "0.7947", "0.78", "0.15",
                                            "30", "700", "15", "5", "7", "2000"]);
      assert.deepEqual(await page.evaluate(() => ["DrinkStart", "DrinkEnd"].map((id) => document.getElementById(id).value)),
                       ["19:30", "23:45"]);
      // The answer is the panel's cautious time to 0, as a clock time.
      const zero = await page.locator("#detail .scenarios tbody tr").last().locator("td").nth(1).textContent();
      const clock = zero.match(/（(.+)）/)[1];
      assert.equal(clock, "2日後 5:57");
      assert.equal(await page.textContent("#MorningAnswer .zero"), `アルコールが0になるのは（慎重な数値で）${clock} ごろ以降`);
      assert.match(await page.textContent("#detail-headline"), new RegExp(`^アルコールが0になるのは（慎重な数値で）${clock} ごろ以降`));
      assert.match(await page.textContent("#MorningAnswer .drive"), /^運転する予定の 翌日 8:00 には、慎重な数値で呼気1リットルあたり 1\.27075335073684 mg。アルコールがまだ体に残っているおそれがあります。/);
      assert.match(await page.textContent("#MorningAnswer .safety"), /運転してよいということではありません/);
      assert.equal(await page.textContent("#MorningNotes"), "");
      const [download] = await Promise.all([page.waitForEvent("download"), press("#AddToCalendar")]);
      const calendar = readFileSync(await download.path(), "utf8");
      assert.match(calendar, /\r\nDTSTART:20261210T055700\r\n/);  // began 8 December, 34 h 27 min later
      assert.equal((calendar.match(/BEGIN:VEVENT/g) ?? []).length, 1);
      assert.equal(await page.evaluate(() => document.documentElement.scrollWidth - innerWidth), 0);
      assert.deepEqual(page.errors ?? [], []);
    } finally {
      await context.cleanup();
    }
  });
}

test("two strengths of other drinks make one, weighted by volume; sake and beer keep theirs", async () => {
  const {context, page, press} = await Open(390);
  try {
    await AddDrink(page, press, "ワイン 1杯 120mL 12%", 2);
    assert.equal(await page.inputValue("#DrinkCount"), "1");  // each drink starts from one
    await AddDrink(page, press, "缶チューハイ 350mL 9%", 1);
    // A row taken out again counts for nothing; a strength typed over the
    // preset's is the user's own, named so.
    await AddDrink(page, press, "缶ビール 500mL 5%", 1, undefined, "6");
    // The list keeps each drink's name.
    assert.deepEqual(await page.$$eval("#DrinkList li span", (rows) => rows.map((r) => r.textContent)),
                     ["ワイン 1杯 120mL 12% × 2", "缶チューハイ 350mL 9% × 1", "手入力（ビール） 500mL 6% × 1"]);
    await press("#DrinkList li:last-child button");
    // A count that is not a whole number of servings is refused, naming its box.
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
    assert.deepEqual([values[3], values[7]], ["2", "0"]);  // to the end, without a time to drive
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
    assert.match(await page.textContent("#MorningNotes"), /「あなたの体重は（単位はＫｇ）」の「5」は20 kg未満/);
  } finally {
    await context.cleanup();
  }
});
