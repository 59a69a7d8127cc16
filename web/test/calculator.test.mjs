// The calculator page in Debian's chromium, used as a person would: typing,
// clicking, pressing keys, reading the boxes, tabbing, printing, closing.
import assert from "node:assert/strict";
import {after, before, test} from "node:test";
import {execFileSync, spawnSync} from "node:child_process";
import {existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync} from "node:fs";
import {tmpdir} from "node:os";
import {join, resolve} from "node:path";

import {Launch, OpenCalculator, Serve} from "./harness.mjs";

const kSite = resolve(process.env.WIDMARK_SITE ?? "../../build-web/site");
const kDesktopShot = process.env.WIDMARK_DESKTOP_SHOT;
let server, context, url;

before(async () => {
  server = await Serve(kSite);
  url = `http://127.0.0.1:${server.address().port}/`;
  context = await Launch();
});

after(async () => {
  await context?.cleanup();
  server?.close();
});

async function Calculator() {
  return OpenCalculator(context, url);
}

// The open message box: its title, prompt, button captions and focused button.
async function Box(page) {
  await page.waitForSelector("dialog#box[open]");
  return page.evaluate(() => ({
    title: document.getElementById("box-title").textContent,
    prompt: document.getElementById("box-prompt").textContent,
    buttons: [...document.querySelectorAll("#box-buttons button")].map((b) => b.textContent),
    focused: document.activeElement.textContent,
    label24: document.getElementById("Label24").textContent,
    modal: document.getElementById("box").matches(":modal"),
  }));
}

// Answers the open box with a key, and waits until it has closed (or the
// command's next box has taken its place).
async function Answer(page, key) {
  const shown = await page.evaluate(
      () => document.getElementById("box-title").textContent +
            document.getElementById("box-prompt").textContent);
  await page.keyboard.press(key);
  await page.waitForFunction((before) => {
    const box = document.getElementById("box");
    return !box.open || document.getElementById("box-title").textContent +
                        document.getElementById("box-prompt").textContent !== before;
  }, shown);
}

// Presses a window button and collects every box it opens, answering each
// with the next key (Enter when the keys run out).
async function Press(page, button, keys = []) {
  // A command may run another first (印刷 after a change calculates).
  const finished = page.evaluate((name) => new Promise((done) => {
    const heard = (e) => {
      if (e.detail !== name) return;
      document.removeEventListener("widmark-command", heard);
      done();
    };
    document.addEventListener("widmark-command", heard);
  }), button);
  await page.click(`#${button}`);
  const boxes = [];
  for (;;) {
    const opened = await Promise.race([
      page.waitForSelector("dialog#box[open]").then(() => true),
      finished.then(() => false),
    ]);
    if (!opened) break;
    boxes.push(await Box(page));
    await Answer(page, keys.shift() ?? "Enter");
  }
  await finished;
  return boxes;
}

async function Type(page, boxes) {
  for (const [name, text] of Object.entries(boxes)) await page.fill(`#${name}`, text);
}

const Label24 = (page) => page.textContent("#Label24");
const Values = (page) => page.evaluate(
    () => [...Array(13).keys()].map((i) => document.getElementById(`Text${i + 1}`).value));

const kStartTexts = ["200", "300", "70", "1", "0.7947", "0.78", "0.15", "0", "0", "15", "5",
                     "0", "2000"];

test("starts as the window does", async () => {
  const page = await Calculator();
  assert.equal(await page.title(), "Widmark法算定計算");
  assert.deepEqual(await Values(page), kStartTexts);
  assert.equal(await Label24(page), "0");
  assert.equal(await page.evaluate(() => document.activeElement.id), "Text1");
  const form = await page.locator("#Form1").boundingBox();
  assert.deepEqual([form.width, form.height], [641, 772]);
  // Command11 on two lines, as on the desktop.
  assert.deepEqual(await page.locator("#Command11 .line").allTextContents(), ["既定値", "の説明"]);
  // What a screen reader reads: box names with their units (once), the
  // figure announced.
  assert.equal(await page.getAttribute("#Text1", "aria-label"), "飲酒日本酒の量（単位はＣＣ）");
  assert.equal(await page.getAttribute("#Text8", "aria-description"), null);
  assert.equal(await page.getAttribute("#Label24", "role"), "status");
  // Typing at once replaces the default: 360, not 200360.
  await page.keyboard.type("360");
  assert.equal((await Values(page))[0], "360");
  assert.deepEqual(page.errors, []);
});

const kPunishable =
    " 計算した結果、アルコール保有量は可罰的酒気帯び運転の法定数値\n\n０．１５以上 \n\n" +
    "0.2524862592となりました。\n\n可罰的酒気帯び運転成立です。処罰されます。\n\n" +
    "\u3000\u3000０．１５以上の場合、９０日間の運転免許停止の行政処分を受けます（累積点数がある場" +
    "合は別です）。\n\n\u3000\u3000０．２５以上の場合、即、運転免許取消の行政処分を受けます。\n\n" +
    "\u3000\u3000\u3000（平成２１年６月１日から改正道路交通法が施行されています）";

const kCalculations = [
  {name: "the start-up inputs", typed: {}, title: "有罪です", prompt: kPunishable,
   during: "0.2524862592", after: "0.2524862592"},
  {name: "exactly at the limit",
   typed: {Text1: "100", Text2: "0", Text3: "100", Text5: "1", Text6: "1", Text7: "0",
           Text11: "0", Text13: "1000"},
   title: "不該当",
   prompt: " 計算した結果、アルコール保有量は可罰的酒気帯び運転の法定数値\n\n０．１５以下 \n\n" +
           "0.15となりました。\n\n可罰的酒気帯び運転には該当しません。",
   during: "0.15", after: "0.15"},
  {name: "below zero keeps the old figure while the box is open", before: true,
   typed: {Text4: "10"}, title: "計算結果",
   prompt: " 計算した結果、アルコール保有量は\u3000０\u3000です", during: "0.2524862592", after: "0"},
  {name: "no drink", typed: {Text1: "0", Text2: " ", Text9: ""}, title: "注意",
   prompt: " 飲酒量を入力してください", during: "0", after: "0"},
  {name: "no time", typed: {Text4: "0", Text8: ""}, title: "注意",
   prompt: " 飲酒開始後の経過時間を入力してください", during: "0", after: "0"},
  {name: "no weight", typed: {Text3: "0"}, title: "注意", prompt: " 体重を入力してください",
   during: "0", after: "0"},
  {name: "a fault names the boxes", typed: {Text6: "0"}, title: "計算できません",
   prompt: " 「アルコール体内分布係数」と「あなたの体重は（単位はＫｇ）」の積が０（または０に近す" +
           "ぎる値）のため、計算できません。\n\n入力した数値を確かめて下さい。",
   during: "0", after: "0"},
  {name: "full-width digits read as an input method types them", typed: {Text2: "３００"},
   title: "有罪です", prompt: kPunishable, during: "0.2524862592", after: "0.2524862592"},
  {name: "1,000 is not read as 1", typed: {Text2: "1,000"}, title: "計算できません",
   prompt: " 「飲酒ビールの量（単位はＣＣ）」の「1,000」は数値として読み取れません。\n\n" +
           "数字で入力して下さい。例：1000、２．５",
   during: "0", after: "0"},
];

for (const c of kCalculations) {
  test(`calculate: ${c.name}`, async () => {
    const page = await Calculator();
    if (c.before) await Press(page, "Command1");
    await Type(page, c.typed);
    const boxes = await Press(page, "Command1");
    assert.equal(boxes.length, 1);
    assert.equal(boxes[0].title, c.title);
    assert.equal(boxes[0].prompt, c.prompt);
    assert.deepEqual(boxes[0].buttons, ["OK"]);
    assert.ok(boxes[0].modal);
    assert.equal(boxes[0].label24, c.during);
    assert.equal(await Label24(page), c.after);
    assert.deepEqual(page.errors, []);
  });
}

test("the checks come in order, each fix showing the next", async () => {
  const page = await Calculator();
  await Type(page, {Text1: "0", Text2: "0", Text9: "0", Text4: "0", Text8: "0", Text3: "0"});
  const titles = [];
  for (const fix of [{Text2: "300"}, {Text8: "45"}, {Text3: "70"}, {}]) {
    titles.push(...(await Press(page, "Command1")).map((box) => box.prompt));
    await Type(page, fix);
  }
  assert.deepEqual(titles.slice(0, 3), [" 飲酒量を入力してください",
                                        " 飲酒開始後の経過時間を入力してください",
                                        " 体重を入力してください"]);
  assert.match(titles[3], /となりました。/);
});

test("clear writes its table and keeps the ratio", async () => {
  const page = await Calculator();
  await Press(page, "Command1");
  const all = Object.fromEntries([...Array(13).keys()].map((i) => [`Text${i + 1}`, "9"]));
  await Type(page, {...all, Text13: "2300"});
  assert.deepEqual(await Press(page, "Command2"), []);
  assert.deepEqual(await Values(page), ["0", "0", "0", "0", "0.7947", "0.78", "0.15", "0", "0",
                                        "15", "5", "0", "2300"]);
  assert.equal(await Label24(page), "0");
});

const kDialogs = [
  {button: "Command4", keys: [], titles: ["使用目的", "ご注意"],
   first: " イ\u3000前日の夜、深酒を飲んだような場合、翌朝、アルコールが残っている場合があります。\u3000"},
  {button: "Command5", keys: ["Enter"], titles: ["お尋ね", "お遊びです"],
   buttons: ["はい(Y)", "いいえ(N)"], last: "(著作権法のお勉強です(^_ ^),,,,,)\u3000冗談です。"},
  {button: "Command5", keys: ["Escape"], titles: ["お尋ね", "お遊びです"],
   last: "失礼しました。どうぞ、ご使用下さい。"},
  {button: "Command5", keys: ["n"], titles: ["お尋ね", "お遊びです"],
   last: "失礼しました。どうぞ、ご使用下さい。"},
  {button: "Command5", keys: ["Tab", "Enter"], titles: ["お尋ね", "お遊びです"],
   last: "失礼しました。どうぞ、ご使用下さい。"},
  {button: "Command7", titles: ["判決例"], first: "大阪地裁平成１９年６月１１日判決は、 "},
  {button: "Command9", titles: ["地獄への警告"], last: "神は、見ています。"},
  {button: "Command10", titles: ["影響"], first: "呼気濃度0.1～0.5mg・・・ほろ酔い"},
  {button: "Command11", titles: ["ディフオルト数値"], first: "ディフォルト数値は、"},
];

for (const d of kDialogs) {
  test(`${d.button} shows ${d.titles.join(", ")} (${(d.keys ?? []).join(" ") || "Enter"})`, async () => {
    const page = await Calculator();
    const before = await Values(page);
    const boxes = [];
    const keys = [...(d.keys ?? [])];
    const finished = page.evaluate(() => new Promise((done) =>
        document.addEventListener("widmark-command", done, {once: true})));
    await page.click(`#${d.button}`);
    for (const title of d.titles) {
      const box = await Box(page);
      boxes.push(box);
      assert.equal(box.title, title);
      const key = keys.shift() ?? "Enter";
      if (key === "Tab") {  // to いいえ, then Enter presses it
        await page.keyboard.press("Tab");
        await Answer(page, keys.shift());
      } else {
        await Answer(page, key);
      }
    }
    await finished;
    if (d.buttons) {
      assert.deepEqual(boxes[0].buttons, d.buttons);
      assert.equal(boxes[0].focused, "はい(Y)");
    }
    if (d.first) assert.equal(boxes[0].prompt.split("\n")[0], d.first);
    if (d.last) assert.equal(boxes.at(-1).prompt.split("\n").at(-1), d.last);
    assert.deepEqual(await Values(page), before);
    assert.equal(await page.isVisible("dialog#box"), false);
  });
}

test("Tab follows the design's order through the window, then goes on to the page, never round", async () => {
  const page = await Calculator();
  const expected = ["Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Command1", "Command2",
                    "Text8", "Text9", "Text10", "Text11", "Text12", "Command3", "Command4",
                    "Command5", "Command7", "Command8", "Command9", "Command10", "Command11",
                    "Text13", "DrinkPreset"];
  // The focused control, and for a box whether its whole text is selected.
  const focused = () => page.evaluate(() => {
    const e = document.activeElement;
    return e.tagName !== "INPUT" || e.selectionStart === 0 && e.selectionEnd === e.value.length
        ? e.id : `${e.id} unselected`;
  });
  const visited = [];
  for (let i = 0; i < expected.length; ++i) {
    await page.keyboard.press("Tab");
    visited.push(await focused());
  }
  // Past Text13 the focus goes on to the page's morning check, not round.
  assert.deepEqual(visited, expected);
  // Nor round backwards: from Text1 the focus leaves the window (headless
  // chromium, with no address bar to take it, may wrap the document).
  await page.focus("#Text1");
  await page.keyboard.press("Shift+Tab");
  assert.notEqual(await focused(), "Text13");
  assert.deepEqual(await page.$$eval("[tabindex]", (all) => all.filter((e) => e.tabIndex > 0).length), 0);
});

test("after a box the focus is back on the button, and the window took no input", async () => {
  const page = await Calculator();
  await page.focus("#Command1");
  await page.keyboard.press("Enter");
  await Box(page);
  await page.mouse.click(300, 330);  // Command2, beneath the modal box
  await page.keyboard.type("7");
  await Answer(page, "Enter");
  assert.equal(await page.evaluate(() => document.activeElement.id), "Command1");
  assert.deepEqual(await Values(page), kStartTexts);
  // Enter in a box does nothing.
  await page.focus("#Text1");
  await page.keyboard.press("Enter");
  assert.equal(await page.isVisible("dialog#box"), false);
});

test("print hides Command3 only while printing, and the print sheet prints the window", async () => {
  const page = await context.newPage();
  await page.addInitScript(() => {
    window.printed = [];
    window.print = () => window.printed.push(
        getComputedStyle(document.getElementById("Command3")).visibility);
  });
  await page.goto(url);
  await page.waitForSelector("body[data-ready=true]");
  assert.deepEqual(await Press(page, "Command3"), []);
  assert.deepEqual(await page.evaluate(() => window.printed), ["hidden"]);
  assert.equal(await page.isVisible("#Command3"), true);

  await page.emulateMedia({media: "print"});
  const printed = await page.evaluate(() => ({
    command3: getComputedStyle(document.getElementById("Command3")).visibility,
    others: [...document.querySelectorAll("#page > :not(#Form1)")]
                .map((e) => getComputedStyle(e).display),
    label24: getComputedStyle(document.getElementById("Label24")).visibility,
  }));
  assert.equal(printed.command3, "hidden");
  assert.equal(printed.label24, "visible");
  assert.ok(printed.others.every((display) => display === "none"));
  const pdf = await page.pdf({format: "A4"});
  assert.ok(pdf.length > 1000);
  await page.close();
});

test("close ends the calculator, and a reload starts it again", async () => {
  const page = await Calculator();
  await Type(page, {Text1: "350"});
  assert.deepEqual(await Press(page, "Command8"), []);
  assert.equal(await page.isVisible("#Form1"), false);
  assert.equal(await page.isVisible("#closed"), true);
  // Said in the status line, with the focus on the way back.
  assert.equal(await page.getAttribute("#closed", "role"), "status");
  assert.equal(await page.textContent("#closed"), "計算機を閉じました。もう一度開く");
  assert.equal(await page.evaluate(() => document.activeElement.textContent), "もう一度開く");
  await page.click("#closed a");
  await page.waitForSelector("body[data-ready=true]");
  assert.deepEqual(await Values(page), kStartTexts);
});

// Where a control's edges stand in an image of Form1: the first pixel that
// differs from the window's grey, going inwards along the control's middle.
async function Edges({rects, image}) {
  {
    const picture = new Image();
    picture.src = image;
    await picture.decode();
    const canvas = document.createElement("canvas");
    canvas.width = picture.width;
    canvas.height = picture.height;
    const context = canvas.getContext("2d");
    context.drawImage(picture, 0, 0);
    const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
    const grey = (x, y) => {
      const i = (y * canvas.width + x) * 4;
      return Math.abs(data[i] - 192) + Math.abs(data[i + 1] - 192) + Math.abs(data[i + 2] - 192) < 24;
    };
    const scan = (from, step, to, at) => {
      for (let p = from; p !== to; p += step) if (!at(p)) return p;
      return null;
    };
    return rects.map(({name, x, y, w, h}) => {
      const mx = x + (w >> 1), my = y + (h >> 1);
      return {
        name,
        left: scan(x - 3, 1, x + 4, (p) => grey(p, my)),
        right: scan(x + w + 2, -1, x + w - 5, (p) => grey(p, my)),
        top: scan(y - 3, 1, y + 4, (p) => grey(mx, p)),
        bottom: scan(y + h + 2, -1, y + h - 5, (p) => grey(mx, p)),
      };
    });
  }
}

test("the controls' edges stand where the desktop window's do", {skip: !kDesktopShot && "no desktop screenshot given"}, async () => {
  assert.ok(existsSync(kDesktopShot), kDesktopShot);
  const page = await Calculator();
  await page.evaluate(() => document.activeElement.blur());
  const rects = await page.evaluate(() => {
    const form = document.getElementById("Form1").getBoundingClientRect();
    return [...document.querySelectorAll("#Form1 > input, #Form1 > button, #Label24")]
        .map((e) => {
          const r = e.getBoundingClientRect();
          return {name: e.id, x: r.x - form.x, y: r.y - form.y, w: r.width, h: r.height};
        })
        // A control with another standing over its middle cannot show its own edges there.
        .filter(({x, y, w, h}) => x >= 3 && y >= 3 && x + w <= 638 && y + h <= 769);
  });
  const web = `data:image/png;base64,${(await page.locator("#Form1").screenshot()).toString("base64")}`;
  const desktop = `data:image/png;base64,${readFileSync(kDesktopShot).toString("base64")}`;
  const webEdges = await page.evaluate(Edges, {rects, image: web});
  const desktopEdges = await page.evaluate(Edges, {rects, image: desktop});
  assert.ok(rects.length >= 20, `${rects.length} controls compared`);
  if (process.env.WIDMARK_SHOW_EDGES) console.log(JSON.stringify({webEdges, desktopEdges}));
  assert.deepEqual(webEdges, desktopEdges);
});

// The panel below the window against widmark-table --detail for the same
// boxes: the same bits for each scenario's figure, the same minutes.
const kTable = resolve(process.env.WIDMARK_TABLE ?? "../../build-web/tools/widmark-table.js");

const kPanelCases = [
  {name: "the start-up inputs, back from a test 1 h 30 min later", typed: {},
   back: {BackMeasured: "0.1", BackHours: "1", BackMinutes: "30"}},
  {name: "a heavier evening, minutes given",
   typed: {Text1: "720", Text2: "1000", Text9: "250", Text12: "12", Text4: "5", Text8: "40"},
   back: {BackMeasured: "0.6", BackHours: "２", BackMinutes: ""}},
  {name: "no elimination gives no times", typed: {Text7: "0"}},
  {name: "a failing entry empties the panel, saying why", typed: {Text6: "0"}, cleared: true},
];

// What the panel shows, from its data- attributes.
const PanelData = (page) => page.evaluate(() => {
  const cells = (selector, attribute) =>
      [...document.querySelectorAll(`#detail ${selector} [${attribute}]`)].map(
          (e) => e.getAttribute(attribute));
  return {
    figures: cells(".scenarios", "data-figure"),
    minutes: cells(".scenarios", "data-minutes"),
    amounts: cells(".amounts", "data-amount"),
    least: cells(".amounts", "data-least"),
    back: cells(".back", "data-back-figure"),
    crossCheck: cells("", "data-cross-check"),
    curves: document.querySelectorAll("#detail svg polyline.curve").length,
    dashes: [...document.querySelectorAll("#detail svg polyline.curve")].map(
        (e) => e.getAttribute("stroke-dasharray") ?? ""),
    thresholds: document.querySelectorAll("#detail svg line.threshold").length,
    steps: document.querySelectorAll("#detail .working tbody tr").length,
    heading: document.getElementById("detail-title").textContent,
  };
});

const Tool = (mode, line) =>
    execFileSync(kTable, [mode], {input: line + "\n"}).toString().trimEnd().split("\t");

for (const c of kPanelCases) {
  test(`detail panel: ${c.name}`, async () => {
    const page = await Calculator();
    await Type(page, c.typed);
    await Press(page, "Command1");
    await page.waitForSelector("#detail:not([hidden])");
    if (c.cleared) {
      assert.deepEqual((await PanelData(page)).figures, []);
      assert.match(await page.textContent("#detail-results"), /「計算できません」で終わったため/);
      return;
    }
    await Type(page, c.back ?? {});  // the panel follows its own inputs
    const shown = await PanelData(page);
    const line = (await Values(page)).join("\t");
    const detail = Tool("--detail", line);
    const expected = {figures: [], toLimit: [], toZero: []};
    for (let s = 0; s < 4; ++s) {
      const [figure, , toLimit, toZero] = detail.slice(4 * s, 4 * s + 4);
      expected.figures.push(figure);
      expected.toLimit.push(toLimit);
      expected.toZero.push(toZero);
    }
    assert.equal(shown.heading, "計算の詳細");
    assert.deepEqual(shown.figures, expected.figures);
    // The page lists the minutes row by row: all four to the limit, then to zero.
    assert.deepEqual(shown.minutes, [...expected.toLimit, ...expected.toZero]);
    // Scenarios by rows, drinks by columns, as the tool lists them: the
    // most at or below, then the courts' least at or over.
    const amounts = Tool("--amounts", line);
    assert.deepEqual(shown.amounts, amounts.slice(0, 12));
    assert.deepEqual(shown.least, amounts.slice(12));
    if (c.back) {
      const back = Tool("--back", [line, c.back.BackMeasured, c.back.BackHours,
                                   c.back.BackMinutes].join("\t"));
      assert.deepEqual(shown.back, [back[0], back[2], back[4]]);
      assert.deepEqual(shown.crossCheck, [back[6]]);
    } else {
      assert.deepEqual(shown.back, []);
    }
    assert.equal(shown.curves, 4);
    assert.equal(new Set(shown.dashes).size, 4);  // told apart in black and white too
    assert.equal(shown.thresholds, 2);
    assert.equal(shown.steps, 9 + (expected.figures[0] === "error" ? 1 : 0));
  });
}

test("a link reproduces the calculation, after a reload too", async () => {
  const page = await Calculator();
  await Type(page, {Text1: "360", Text2: "１,０００", Text8: "45"});
  assert.equal((await Press(page, "Command1"))[0].title, "計算できません");
  await Type(page, {Text2: "５００"});
  await Press(page, "Command1");
  await Type(page, {BackMeasured: "0.12", BackHours: "2"});
  const before = {values: await Values(page), panel: await PanelData(page)};
  const link = page.url();
  assert.match(link, /#v=1&Text1=360&Text2=%EF%BC%95%EF%BC%90%EF%BC%90&/);
  const again = await context.newPage();
  const finished = again.evaluate(() => new Promise((done) =>
      document.addEventListener("widmark-command", done, {once: true}))).catch(() => {});
  await again.goto(link);
  await again.waitForSelector("dialog#box[open]");
  assert.equal(await again.textContent("#box-title"), "有罪です");
  await again.keyboard.press("Enter");
  await finished;
  await again.waitForSelector("#detail:not([hidden])");
  assert.deepEqual(await Values(again), before.values);
  assert.equal(await again.inputValue("#BackMeasured"), "0.12");
  assert.deepEqual(await PanelData(again), before.panel);
  await again.reload();
  await again.waitForSelector("dialog#box[open]");
  await again.keyboard.press("Enter");
  await again.waitForSelector("#detail:not([hidden])");
  assert.deepEqual(await PanelData(again), before.panel);
  await again.close();
});

// The defence's second case, its clock set past midnight: driven at 23:40,
// tested at 0:35 (0.22 mg/L), a 350 mL can of 9 % chuhai drunk in the car
// at 23:50, in between.
test("a drink after driving is taken off the figure at driving, from clock times", async () => {
  const page = await Calculator();
  await Press(page, "Command1");
  await Type(page, {BackMeasured: "0.22", DriveTime: "23:40", TestTime: "00:35",
                    PostAmount: "350", PostStrength: "9", PostTime: "23:50"});
  assert.deepEqual([await page.inputValue("#BackHours"), await page.inputValue("#BackMinutes")],
                   ["0", "55"]);
  assert.equal(await page.getAttribute("#BackHours", "readonly"), "");
  const line = [...kStartTexts, "0.22", "0", "55", "350", "9"].join("\t") + "\n";
  const [entered, , lowest, , highest, , crossCheck, lowCorner, highCorner] =
      execFileSync(kTable, ["--back"], {input: line}).toString().trim().split("\t");
  const shown = await PanelData(page);
  assert.deepEqual(shown.back, [entered, lowest, highest]);
  assert.deepEqual(shown.crossCheck, [crossCheck]);
  assert.deepEqual([lowCorner, highCorner], ["0.11/0.6/1900", "0.19/0.96/2300"]);
  const corners = await page.locator("#detail .back tbody tr").first().textContent();
  assert.ok(corners.includes("0.11・0.6・1900") && corners.includes("0.19・0.96・2300"), corners);
  // 45 minutes before the test: its absorption may not be complete.
  assert.match(await page.textContent("#detail .caveats"), /運転の後の飲酒は検査の1時間以内/);
  await page.close();
});

// %a as a number, to compare figures whose exp may round in the last place.
const FromHex = (text) => {
  const [, sign, whole, fraction, exponent] = /^(-?)0x([01])\.?([0-9a-f]*)p([+-]\d+)$/.exec(text);
  const mantissa = Number(whole) + (fraction ? parseInt(fraction, 16) / 16 ** fraction.length : 0);
  return (sign ? -1 : 1) * mantissa * 2 ** Number(exponent);
};
const Close = (a, b) => Math.abs(a - b) <= 1e-9 * Math.max(Math.abs(a), Math.abs(b));

// The judgment: 333 cc at 8.33 % drunk from 16:30 to 16:35, stopped at
// once, tested at 17:05 at 0.16. The window says 0.1956 at driving; the
// model says far less, and so does every corner back from the test.
test("the absorption model shows how low the figure may have been at driving", async () => {
  const page = await Calculator();
  await Type(page, {Text1: "0", Text2: "333", Text4: "0", Text8: "5", Text11: "8.33"});
  await Press(page, "Command1");
  await page.waitForSelector("#detail:not([hidden])");
  assert.match(await page.textContent("#detail .absorption"), /飲み始めと飲み終えの時刻/);
  assert.match(await page.textContent("#detail .caveats"), /運転は飲み始めてから2時間以内/);
  await Type(page, {BackMeasured: "0.16", DrinkStart: "16:30", DrinkEnd: "16:35",
                    DriveTime: "16:35", TestTime: "17:05"});
  const line = [...(await Values(page)), "0", "5", "0.16", "0", "30"].join("\t");
  const tool = Tool("--absorb", line);
  const shown = await page.$$eval("#detail .model [data-model]",
                                  (cells) => cells.map((c) => [c.dataset.model, c.textContent]));
  const figures = [0, 1, 2, 4, 8, 10].map((i) => tool[i]);
  assert.equal(shown.length, figures.length);
  shown.forEach(([hex], i) => assert.ok(Close(FromHex(hex), FromHex(figures[i])), `${hex} ${figures[i]}`));
  // Lowest then highest corner, as the tool names them.
  for (const [cell, corner] of [[2, 3], [3, 5], [4, 9], [5, 11]]) assert.ok(shown[cell][1].endsWith(tool[corner]));
  assert.ok(FromHex(tool[10]) < 0.15 && FromHex(tool[1]) < 0.15, "every model figure below 0.15");
  assert.equal(tool[6], "rising");
  assert.match(await page.textContent("#detail .absorption"), /まだ上がっている途中でした。最も高くなるのは飲み始めから0時間47分（17:17）/);
  assert.match(await page.textContent("#detail .caveats"), /運転は飲み終えてから2時間以内/);
  assert.equal(await page.locator("#detail svg polygon.band").count(), 1);
  assert.equal(await page.locator("#detail svg line.band-mark").count(), 2);
  // Each empty range box shows its default: typed in, the figures stay.
  const models = () => page.$$eval("#detail .model [data-model]", (cells) => cells.map((c) => c.dataset.model));
  const before = await models();
  const ranges = ["AbsorbFast", "AbsorbSlow", "DeficitLow", "DeficitHigh"];
  for (const id of ranges) await page.fill(`#${id}`, await page.getAttribute(`#${id}`, "placeholder"));
  assert.deepEqual(await models(), before);
  for (const id of ranges) await page.fill(`#${id}`, "");
  // A range that cannot be is refused in words, the rest of the panel kept.
  await Type(page, {AbsorbFast: "0"});
  assert.match(await page.textContent("#detail .absorption"), /吸収の半減期は0より大きい数値/);
  assert.equal(await page.locator("#detail .back [data-back-figure]").count(), 3);
  await page.close();
});

// A police range stated at ratio 2000 with the two ends of r and β, each to
// two decimals: entered once as two columns, checked against our figures.
const kOfficials = {OfficialLabel1: "捜査報告書の上限", OfficialR1: "0.6", OfficialBeta1: "0.11",
                    OfficialRatio1: "2000", OfficialFigure1: "0.37",
                    OfficialLabel2: "捜査報告書の下限", OfficialR2: "0.96", OfficialBeta2: "0.19",
                    OfficialRatio2: "2000", OfficialFigure2: "0.17"};
const OfficialLine = (values, figure2) =>
    [...values, "捜査報告書の上限", "0.6", "0.11", "2000", "", "0.37",
     "捜査報告書の下限", "0.96", "0.19", "2000", "", figure2].join("\t");

test("the prosecution's range stands beside ours, and what they stated is checked", async () => {
  const page = await Calculator();
  assert.equal(await page.isChecked("#PurposeCheck"), true);  // the page opens with the check
  await Press(page, "Command1");
  await page.waitForSelector("#detail:not([hidden])");
  await Type(page, kOfficials);
  const values = await Values(page);
  const tool = Tool("--official", OfficialLine(values, "0.17"));
  assert.deepEqual([tool[2], tool[8]], ["match-round", "match-round"]);
  assert.deepEqual(await page.$$eval("#detail .scenarios [data-official-figure]",
                                     (cells) => cells.map((c) => c.dataset.officialFigure)), [tool[0], tool[6]]);
  assert.deepEqual(await page.$$eval("#detail .official-check [data-match]",
                                     (cells) => cells.map((c) => c.dataset.match)), [tool[2], tool[8]]);
  assert.match(await page.textContent("#detail .official-check"), /一致（四捨五入で）/);
  assert.equal(await page.locator("#detail svg polyline.curve").count(), 6);
  // Room to read: the panel takes the page's width, and a heading's lines
  // break only after ・ or 、 or before （, never inside a word.
  // Narrower, the six columns scroll in their own region, which Tab reaches;
  // nothing spills past the panel.
  await page.setViewportSize({width: 800, height: 900});
  assert.deepEqual(await page.evaluate(() => {
    const wide = document.querySelector("#detail .wide");
    return [wide.offsetWidth <= document.getElementById("detail").offsetWidth,
            wide.scrollWidth > wide.clientWidth, wide.tabIndex];
  }), [true, true, 0]);
  await page.setViewportSize({width: 1280, height: 900});
  assert.equal(await page.evaluate(() => document.getElementById("detail").offsetWidth), 1000);
  const broken = await page.$$eval("#detail th", (cells) => cells.flatMap((th) => {
    const node = th.firstChild;
    if (!node || node.nodeType !== Node.TEXT_NODE) return [];
    const range = document.createRange();
    const tops = [...node.textContent].map((_, i) => {
      range.setStart(node, i);
      range.setEnd(node, i + 1);
      return Math.round(range.getBoundingClientRect().top);
    });
    return tops.flatMap((top, i) => i > 0 && top > tops[i - 1] &&
        !"・、）".includes(node.textContent[i - 1]) && node.textContent[i] !== "（"
        ? [`${node.textContent.slice(0, i)}|${node.textContent.slice(i)}`] : []);
  }));
  assert.deepEqual(broken, []);
  // Neither the window's verdict nor the morning's words argue against the client.
  const words = /この計算機の判定|有罪です|アルコールが0になるのは|酒量と影響|とんでもない誤解/;
  assert.ok(!words.test(await page.textContent("#detail")));
  assert.match(await page.textContent("#detail-headline"), /0\.15ミリグラム以上）に照らして基準値以上です。/);
  // A figure we do not reproduce: the r alone and the β alone that would give it.
  await Type(page, {OfficialFigure2: "0.15"});
  const [, , , , , , , , match, , rAlone, betaAlone] = execFileSync(
      kTable, ["--official", "--decimal"], {input: OfficialLine(values, "0.15") + "\n"})
      .toString().trimEnd().split("\t");
  assert.equal(match, "differ");
  const row = await page.locator("#detail .official-check tbody tr").nth(1).textContent();
  assert.ok(row.includes("不一致") && row.includes(`分布係数だけなら ${rAlone}`) &&
            row.includes(`減少率だけなら ${betaAlone}`), row);
  // The sets and the purpose are in the link; the sheet's head fields never.
  await Type(page, {ExhibitNumber: "弁第3号証"});
  const link = decodeURIComponent(page.url());
  assert.ok(link.includes("OfficialR1=0.6") && link.includes("OfficialFigure2=0.15") &&
            link.endsWith("&p=c") && !link.includes("弁第3号証"), link);
  // The morning after hides the sets (kept in their boxes) and says its own words.
  await page.check("#PurposeMorning");
  assert.equal(await page.isVisible("#OfficialR1"), false);
  assert.equal(await page.inputValue("#OfficialR1"), "0.6");
  assert.ok(page.url().endsWith("&p=m"));
  assert.match(await page.textContent("#detail"), /この計算機の判定/);
  assert.equal(await page.locator("#detail .official-check").count(), 0);
  await page.close();
});

test("one time line: drinking's start and driving are the window's elapsed time", async () => {
  const page = await Calculator();
  await Press(page, "Command1");
  await Type(page, {DrinkStart: "16:30", DriveTime: "16:45"});
  assert.deepEqual([await page.inputValue("#Text4"), await page.inputValue("#Text8")], ["0", "15"]);
  assert.equal(await page.isVisible("#TimeNotice"), false);
  // A box typed to disagree: the clock time of driving goes, and the notice names both.
  await Type(page, {Text8: "5"});
  assert.equal(await page.inputValue("#DriveTime"), "");
  const notice = await page.textContent("#TimeNotice");
  assert.ok(notice.includes("飲酒開始後の経過時間") && notice.includes("運転した時刻"), notice);
  assert.equal(await page.isVisible("#TimeNotice"), true);
  await page.close();
  // A link whose clock times and boxes disagree: the clock times hold (the next day too).
  const again = await context.newPage();
  await again.goto(`${url}${Whole("200")}&DrinkStart=23%3A30&DriveTime=00%3A10`);
  await again.waitForSelector("dialog#box[open]");
  assert.deepEqual([await again.inputValue("#Text4"), await again.inputValue("#Text8")], ["0", "40"]);
  await again.close();
});

// Everything given: two official sets, a drink after driving, every head field.
test("the sheet to file fits two pages and carries no verdict words", async () => {
  const page = await Calculator();
  await Press(page, "Command1");
  await Type(page, {...kOfficials, BackMeasured: "0.22", DriveTime: "21:10", TestTime: "22:05",
                    PostAmount: "350", PostStrength: "9", PostTime: "21:40",
                    CaseName: "令和8年（わ）第1号 道路交通法違反被告事件", Subject: "甲野太郎",
                    Preparer: "弁護士 乙川花子", IncidentDate: "2026-11-20",
                    ExhibitNumber: "弁第3号証", EvidenceRef: "捜査報告書（乙5）"});
  await page.evaluate(() => { window.print = () => {}; });
  await Press(page, "PrintSheet");
  const dir = mkdtempSync(join(tmpdir(), "widmark-sheet-"));
  try {
    writeFileSync(join(dir, "sheet.pdf"), await page.pdf({preferCSSPageSize: true}));
    const info = execFileSync("pdfinfo", [join(dir, "sheet.pdf")]).toString();
    assert.equal(Number(/Pages:\s+(\d+)/.exec(info)[1]), 2);
    const text = execFileSync("pdftotext", ["-raw", join(dir, "sheet.pdf"), "-"]).toString()
        .replace(/\s+/g, "");
    for (const words of ["弁第3号証", "2026-11-20", "捜査報告書（乙5）", "弁護士乙川花子", "署名",
                         "捜査報告書の上限", "捜査報告書の下限", "一致（四捨五入で）", "日本酒量と濃度",
                         "飲酒開始から運転まで"]) {
      assert.ok(text.includes(words), `${words} is on the sheet`);
    }
    assert.ok(!/有罪です|不該当|この計算機の判定|アルコールが0になるのは|とんでもない誤解|酒量と影響|あなたの体重は/.test(text), text);
  } finally {
    rmSync(dir, {recursive: true, force: true});
  }
  await page.close();
});

// A link with every box, Text1 as given.
const Whole = (text1) => "#v=1&" + kStartTexts.map((t, i) => `Text${i + 1}=${i ? t : text1}`).join("&");

const kHostileLinks = [
  {name: "markup", hash: "#v=1&Text1=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E&Nope=1"},
  {name: "markup in a known field", hash: Whole("%3Cb%20id%3Dinjected%3E1%3C%2Fb%3E%26")},
  {name: "a box missing", hash: Whole("200").replace("&Text13=2000", ""),
   notice: "リンクに欄が足りないため、使いませんでした（足りない欄：Text13）。"},
  {name: "only one box", hash: "#v=1&Text1=100",
   notice: `リンクに欄が足りないため、使いませんでした（足りない欄：${kStartTexts.slice(1).map((_, i) => `Text${i + 2}`).join("、")}）。`},
  {name: "10,000 characters", hash: `#v=1&Text1=${"9".repeat(10000)}`},
  {name: "an unknown field", hash: "#v=1&Text1=100&Label24=0.5"},
  {name: "a malformed escape", hash: "#v=1&Text1=%E0%A4%A"},
  {name: "no version", hash: "#Text1=100"},
  {name: "version 2", hash: Whole("100").replace("v=1", "v=2")},
  {name: "a field twice", hash: `${Whole("100")}&Text2=5`},
  {name: "a field without =", hash: Whole("100").replace("Text13=2000", "Text13")},
  {name: "an unknown purpose", hash: `${Whole("100")}&p=z`},
  // The limit is inclusive: 2,000 characters after the # are read, 2,001 not.
  {name: "2,001 characters", hash: Whole(`${"0".repeat(2002 - Whole("").length - 3)}360`)},
];

test("a link of exactly 2,000 characters is read", async () => {
  const page = await context.newPage();
  const hash = Whole(`${"0".repeat(2001 - Whole("").length - 3)}360`);
  assert.equal(hash.length - 1, 2000);
  await page.goto(url + hash);
  await page.waitForSelector("dialog#box[open]");
  assert.equal(await page.textContent("#box-title"), "有罪です");
  assert.equal(await page.inputValue("#Text1"), hash.slice(11, hash.indexOf("&Text2")));
  assert.equal(await page.isHidden("#link-notice"), true);
  await page.close();
});

for (const h of kHostileLinks) {
  test(`a hostile link changes nothing and injects nothing: ${h.name}`, async () => {
    const page = await context.newPage();
    const dialogs = [];
    page.on("dialog", (d) => { dialogs.push(d.message()); d.dismiss(); });
    await page.goto(url + h.hash);
    await page.waitForSelector("body[data-ready=true]");
    await page.waitForTimeout(200);
    const state = await page.evaluate(() => ({
      injected: document.querySelectorAll("#injected, img").length,
      notice: document.getElementById("link-notice").hidden ? "" :
          document.getElementById("link-notice").textContent,
      box: document.getElementById("box").open,
    }));
    if (h.name === "markup in a known field") {
      // A known field takes any text, as the box would: as text, never markup.
      await page.waitForSelector("dialog#box[open]");
      assert.equal(await page.inputValue("#Text1"), "<b id=injected>1</b>&");
      assert.equal(await page.textContent("#box-title"), "計算できません");
    } else {
      assert.deepEqual(await Values(page), kStartTexts);
      assert.equal(state.notice, h.notice ?? "リンクの内容を読み取れないため、使いませんでした。");
      assert.equal(state.box, false);
    }
    assert.equal(state.injected, 0);
    assert.deepEqual(dialogs, []);
    await page.close();
  });
}

// The defence's second case as an exhibit: its head, the law's words, the
// figures cut to four decimals, the clock times, at most two numbered
// pages, and a QR code that opens the same figures again.
test("the calculation sheet is an exhibit whose QR code reproduces it", async () => {
  const page = await Calculator();
  await Press(page, "Command1");
  await Type(page, {BackMeasured: "0.22", DriveTime: "21:10", TestTime: "22:05", PostAmount: "350",
                    PostStrength: "9", PostTime: "21:40", CaseName: "令和8年（わ）第1号",
                    Subject: "甲野太郎", Preparer: "乙川"});
  await page.evaluate(() => { window.print = () => { window.printed = true; }; });
  // The panel's inputs changed since 計算する: the sheet is calculated again first.
  const boxes = await Press(page, "PrintSheet");
  assert.deepEqual(boxes.map((b) => b.title), ["有罪です"]);
  assert.equal(await page.evaluate(() => window.printed), true);
  const shown = await PanelData(page);
  const link = await page.evaluate(() => location.href);
  const pdf = await page.pdf({preferCSSPageSize: true});
  const dir = mkdtempSync(join(tmpdir(), "widmark-sheet-"));
  try {
    writeFileSync(join(dir, "sheet.pdf"), pdf);
    const pages = Number(/Pages:\s+(\d+)/.exec(execFileSync("pdfinfo", [join(dir, "sheet.pdf")]))[1]);
    assert.ok(pages <= 2, `${pages} pages`);
    const text = execFileSync("pdftotext", ["-raw", join(dir, "sheet.pdf"), "-"]).toString()
        .replace(/\s+/g, "");
    for (const words of ["令和8年（わ）第1号", "甲野太郎", "乙川", `1/${pages}`, "widmark1.0.0",
                         "呼気1リットルにつき0.15ミリグラム以上", "基準値未満", "0時間55分",
                         "運転21:10、運転後の飲酒21:40、検査22:05", "0.0595mg/L", "-0.0406mg/L",
                         "0.1337mg/L", "減少率βg/kg/h", "本計算値は推定値であり測定値ではない",
                         "大阪地裁平成１９年６月１１日判決"]) {
      assert.ok(text.includes(words), `${words} is on the sheet`);
    }
    // Made for the defence: no window verdict, no morning answer, no effects band.
    assert.ok(!/0\.9166|0\.15を超え|計算プログラムミス|有罪です|不該当|この計算機の判定|アルコールが0になるのは|とんでもない誤解|酒量と影響/.test(text), text);
    assert.ok(!link.includes(encodeURIComponent("甲野")), link);
    execFileSync("pdftoppm", ["-r", "150", "-png", join(dir, "sheet.pdf"), join(dir, "page")]);
    const pngs = readdirSync(dir).filter((f) => f.endsWith(".png")).map((f) => join(dir, f));
    // zbarimg fails for a page without a code: its output is what counts.
    const decoded = spawnSync("zbarimg", ["-q", "--raw", ...pngs]).stdout.toString().trim();
    assert.equal(decoded, link);
  } finally {
    rmSync(dir, {recursive: true, force: true});
  }
  // The link opens the same figures.
  const again = await page.context().newPage();
  await again.goto(link);
  await again.waitForSelector("dialog#box[open]");
  await again.keyboard.press("Enter");
  await again.waitForSelector("#detail:not([hidden])");
  assert.deepEqual(await PanelData(again), shown);
  await again.close();

  // A box changed after the calculation: the panel follows it at once, and
  // printing calculates it first.
  await Type(page, {Text3: "60"});
  assert.notDeepEqual((await PanelData(page)).figures, shown.figures);
  await page.evaluate(() => { window.printed = false; });
  assert.deepEqual((await Press(page, "PrintSheet")).map((b) => b.title), ["有罪です"]);
  assert.equal(await page.evaluate(() => window.printed), true);
  assert.match(await page.textContent("#sheet .inputs"), /体重60kg/);
  // 印刷する prints the window again.
  const printed = () => page.evaluate(() => ["sheet", "Form1"].map(
      (id) => getComputedStyle(document.getElementById(id)).display));
  await page.emulateMedia({media: "print"});
  assert.deepEqual(await printed(), ["block", "none"]);
  await page.emulateMedia({media: "screen"});
  await Press(page, "Command3");
  await page.emulateMedia({media: "print"});
  assert.deepEqual(await printed(), ["none", "block"]);
});

// The panel's inputs read as typed: the window's boxes wait for 計算する;
// a box of full-width spaces is empty; one clock time alone locks nothing;
// a label with "&" and "#" comes back whole from the link.
test("the panel's inputs: nothing before 計算する, blanks empty, one clock time, a link's & and #", async () => {
  const page = await Calculator();
  await Type(page, {Text1: "250"});
  assert.equal(await page.isHidden("#detail"), true);
  await Press(page, "Command1");
  await Type(page, {BackMeasured: "\u3000\u3000", BackHours: "1", BackMinutes: "20"});
  assert.equal(await page.locator("#detail table.back").count(), 0);
  await Type(page, {DriveTime: "21:00"});
  assert.deepEqual(await page.evaluate(() => ["BackHours", "BackMinutes"].map((id) => {
    const box = document.getElementById(id);
    return [box.value, box.readOnly];
  })), [["1", false], ["20", false]]);
  await page.check("#PurposeCheck");
  await Type(page, {OfficialLabel1: "報告書&#1", OfficialR1: "0.6", OfficialBeta1: "0.11"});
  await Press(page, "Command1");
  const again = await context.newPage();
  await again.goto(page.url());
  await again.waitForSelector("dialog#box[open]");
  assert.equal(await again.inputValue("#OfficialLabel1"), "報告書&#1");
  assert.equal(await again.inputValue("#BackHours"), "1");
  await again.close();
  await page.close();
});
