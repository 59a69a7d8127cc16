// The page on a phone, the morning after: narrow layouts from 320 to 430 px
// used by touch, turning the phone, offline after one visit, installable,
// and the answer in clock time by the cautious method of the purpose box.
import assert from "node:assert/strict";
import {after, before, test} from "node:test";
import {execFileSync} from "node:child_process";
import {appendFileSync, cpSync, mkdtempSync, rmSync} from "node:fs";
import {tmpdir} from "node:os";
import {join, resolve} from "node:path";

import {Launch, OpenCalculator, Serve} from "./harness.mjs";

const kSite = resolve(process.env.WIDMARK_SITE ?? "../../build-web/site");
const kTable = resolve(process.env.WIDMARK_TABLE ?? "../../build-web/tools/widmark-table.js");
let server, url;

before(async () => {
  server = await Serve(kSite);
  url = `http://127.0.0.1:${server.address().port}/`;
});
after(() => server?.close());

async function Phone(width, options = {}) {
  const context = await Launch({viewport: {width, height: 800}, isMobile: true, hasTouch: true,
                                deviceScaleFactor: 2, ...options});
  return {context, page: await OpenCalculator(context, options.at ?? url)};
}

// Taps a window button and answers each box it opens with OK.
async function Tap(page, button) {
  const finished = page.evaluate((name) => new Promise((done) => document.addEventListener(
      "widmark-command", (e) => e.detail === name && done(), {once: true})), button);
  await page.tap(`#${button}`);
  const titles = [];
  for (;;) {
    const opened = await Promise.race([
      page.waitForSelector("dialog#box[open]").then(() => true), finished.then(() => false)]);
    if (!opened) break;
    const box = await page.evaluate(() => {
      const dialog = document.getElementById("box").getBoundingClientRect();
      const ok = document.querySelector("#box-buttons button").getBoundingClientRect();
      return {title: document.getElementById("box-title").textContent,
              fits: dialog.left >= 0 && dialog.right <= innerWidth && ok.bottom <= innerHeight,
              ok: [ok.width, ok.height]};
    });
    titles.push(box.title);
    assert.ok(box.fits, `${box.title} fits the screen`);
    assert.ok(box.ok[0] >= 44 && box.ok[1] >= 44, `its button is ${box.ok}`);
    await page.tap("#box-buttons button");
    await page.waitForFunction(() => !document.getElementById("box").open);
  }
  return titles;
}

const Values = (page) => page.evaluate(
    () => [...Array(13).keys()].map((i) => document.getElementById(`Text${i + 1}`).value));

// What a phone user meets: the page's width, and the size of every control
// and text that shows.
const Measure = (page) => page.evaluate(() => {
  const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== "hidden";
  const small = [];
  for (const e of document.querySelectorAll("#Form1 > input, #Form1 > button, #detail input, #detail button, #MorningCheck input, #MorningCheck button, #MorningCheck select")) {
    if (!shown(e)) continue;
    const r = e.getBoundingClientRect();
    if (r.width < 44 || r.height < 44) small.push(`${e.id} ${r.width}x${r.height}`);
    if (e.tagName === "INPUT" && parseFloat(getComputedStyle(e).fontSize) < 16) small.push(`${e.id} text`);
  }
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let node; (node = walker.nextNode());) {
    const e = node.parentElement;
    if (!node.textContent.trim() || !shown(e) || e.closest("svg, dialog, .sr-only")) continue;
    if (parseFloat(getComputedStyle(e).fontSize) < 14) small.push(`"${node.textContent.trim().slice(0, 12)}" text`);
  }
  return {scroll: document.documentElement.scrollWidth - innerWidth, small: [...new Set(small)]};
});

for (const width of [320, 360, 390, 430]) {
  test(`a ${width} px phone: one column, fits the hand, no sideways scrolling`, async () => {
    const {context, page} = await Phone(width);
    try {
      assert.equal(await page.getAttribute("#Text1", "inputmode"), "decimal");
      await page.tap("#Text2");
      await page.fill("#Text2", "500");
      assert.deepEqual(await Tap(page, "Command1"), ["有罪です"]);
      const line = (await Values(page)).join("\t") + "\n";
      const [, figure] = execFileSync(kTable, {input: line}).toString().split("\t");
      assert.equal(await page.textContent("#Label24"), figure);
      // The panel's answer came into view with the focus.
      assert.equal(await page.evaluate(() => document.activeElement.id), "detail-headline");
      await page.fill("#BackMeasured", "0.1");
      const measured = await Measure(page);
      assert.equal(measured.scroll, 0);
      assert.deepEqual(measured.small, []);
      // One column: each box below its caption.
      const [caption, box] = await Promise.all(["#Label3", "#Text2"].map((s) => page.locator(s).boundingBox()));
      assert.ok(box.y >= caption.y + caption.height - 1);
      // Every panel label stands directly above its own box, at its left edge.
      const misplaced = await page.$$eval("#detail-inputs label[for]", (labels) => labels.flatMap((label) => {
        const box = document.getElementById(label.htmlFor);
        if (!box.getClientRects().length) return [];
        const [l, b] = [label.getBoundingClientRect(), box.getBoundingClientRect()];
        const above = b.top >= l.bottom - 1 && b.top - l.bottom < 8 && Math.abs(b.left - l.left) < 2;
        return above ? [] : [`${label.htmlFor} ${Math.round(l.left)},${Math.round(l.bottom)} ${Math.round(b.left)},${Math.round(b.top)}`];
      }));
      assert.deepEqual(misplaced, []);
      // And every one of them has its own label, not only a placeholder.
      assert.deepEqual(await page.$$eval("#detail-inputs input", (inputs) =>
          inputs.filter((input) => !input.labels.length).map((input) => input.id)), []);
    } finally {
      await context.cleanup();
    }
  });
}

test("turning the phone switches the layout and keeps every text and the figure", async () => {
  const {context, page} = await Phone(390);
  try {
    await page.fill("#Text1", "３６０");
    await page.fill("#Text8", "30");
    await Tap(page, "Command1");
    const before = {values: await Values(page), figure: await page.textContent("#Label24")};
    for (const [width, height, formWidth] of [[844, 390, 641], [390, 844, null]]) {
      await page.setViewportSize({width, height});
      const form = await page.locator("#Form1").boundingBox();
      if (formWidth) assert.equal(form.width, formWidth);  // the window as designed
      else assert.ok(form.width <= width);
      assert.deepEqual(await Values(page), before.values);
      assert.equal(await page.textContent("#Label24"), before.figure);
    }
  } finally {
    await context.cleanup();
  }
});

test("the morning after, in clock time: cautious from the end of drinking", async () => {
  const {context, page} = await Phone(390);
  try {
    await page.fill("#Text4", "10");  // 9:30 the next morning
    await Tap(page, "Command1");
    await page.check("#PurposeMorning");
    await page.fill("#DrinkStart", "20:00");
    await page.fill("#DrinkEnd", "23:30");
    assert.equal(await page.inputValue("#DrinkingHours"), "3");
    assert.equal(await page.inputValue("#DrinkingMinutes"), "30");
    const shown = await page.evaluate(() => ({
      figure: document.querySelectorAll("#detail .scenarios td[data-figure]")[1].dataset.figure,
      minutes: [...document.querySelectorAll("#detail .scenarios td[data-minutes]")]
          .filter((td, i) => i % 4 === 1).map((td) => td.dataset.minutes),
      headline: document.getElementById("detail-headline").textContent,
    }));
    // The cautious values, the window's 10 hours counted from the end of
    // drinking, as the purpose box asks.
    const cautious = (hours, minutes) => execFileSync(kTable, {input:
        `200\t300\t70\t${hours}\t0.7947\t0.6\t0.11\t${minutes}\t0\t15\t5\t0\t1900\n`})
        .toString().split("\t");
    assert.equal(shown.figure, cautious(10, 0)[0]);
    const clock = (minutes) => {
      const at = 23 * 60 + 30 + minutes;
      return `${at >= 1440 ? "翌日 " : ""}${Math.floor(at % 1440 / 60)}:${String(at % 60).padStart(2, "0")}`;
    };
    for (const [m, ceiling] of [[Number(shown.minutes[0]), 0.15], [Number(shown.minutes[1]), 0]]) {
      assert.ok(Number(cautious(0, m)[1]) <= ceiling, `at or below ${ceiling} after ${m} min`);
      assert.ok(Number(cautious(0, m - 1)[1]) > ceiling, `above ${ceiling} a minute before`);
      assert.ok(shown.headline.includes(clock(m)), `${shown.headline} names ${clock(m)}`);
    }
  } finally {
    await context.cleanup();
  }
});

test("the panel follows the window: nothing stale after a caution, a negative figure as 0", async () => {
  const {context, page} = await Phone(390);
  try {
    await Tap(page, "Command1");
    await page.fill("#Text4", "");
    assert.deepEqual(await Tap(page, "Command1"), ["注意"]);
    assert.equal(await page.locator("#detail .scenarios").count(), 0);
    assert.match(await page.textContent("#detail-results"), /「注意」で終わったため/);
    await Until(async () => /「注意」で終わったため/.test(await page.textContent("#detail-status")));
    await page.fill("#Text4", "10");
    await page.fill("#Text8", "0");
    await page.fill("#Text13", "2000");
    await page.fill("#Text1", "10");
    assert.deepEqual(await Tap(page, "Command1"), ["計算結果"]);
    const cell = page.locator("#detail .scenarios td[data-figure]").first();
    assert.match(await cell.getAttribute("data-figure"), /^-0x/);
    assert.equal(await cell.evaluate((td) => td.firstChild.textContent), "0 mg");
    assert.match(await cell.textContent(), /計算上は -0\.\d+/);  // for screen readers
    assert.match(await page.textContent("#detail-headline"), /呼気1リットルあたり 0 mg/);
    // Said in one short sentence: the headline's first, the answer.
    await Until(async () => /^入力した数値による運転時の数値は呼気1リットルあたり 0 mg で、[^。]+。$/.test(
        await page.textContent("#detail-status")));
    // 入力数値抹消 takes the figures away, and says so; the panel's own
    // inputs keep their texts.
    await page.fill("#BackMeasured", "0.1");
    await Tap(page, "Command2");
    assert.equal(await page.locator("#detail .scenarios").count(), 0);
    assert.equal(await page.inputValue("#BackMeasured"), "0.1");
    await Until(async () => /入力数値抹消で入力を消したため/.test(await page.textContent("#detail-status")));
  } finally {
    await context.cleanup();
  }
});

// Polls until `check` resolves true; only a hang (3,000 polls) gives up.
async function Until(check) {
  for (let i = 0; i < 3000; ++i) {
    if (await check()) return;
    await new Promise((done) => setTimeout(done, 100));
  }
  assert.fail("gave up waiting");
}

// The service worker's state as the page sees it.
const Worker = (page) => page.evaluate(async () => {
  await navigator.serviceWorker.ready;
  return {controlled: Boolean(navigator.serviceWorker.controller), caches: await caches.keys()};
});

test("offline after the first visit, and a rebuilt site replaces the cache", async () => {
  const site = mkdtempSync(join(tmpdir(), "widmark-site-"));
  cpSync(kSite, site, {recursive: true});
  // Served as a real site may be, with a day's cache lifetime: a new worker
  // must still cache the new build's files, not the browser's old copies.
  const copy = await Serve(site, {}, {"cache-control": "max-age=86400"});
  const at = `http://127.0.0.1:${copy.address().port}/`;
  const {context, page} = await Phone(390, {at});
  try {
    const first = await Worker(page);
    assert.equal(first.caches.length, 1);
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
    assert.deepEqual(await Tap(page, "Command1"), ["有罪です"]);
    assert.equal(await page.textContent("#Label24"), "0.2524862592");
    // Installable as it stands.
    const cdp = await context.newCDPSession(page);
    assert.deepEqual((await cdp.send("Page.getInstallabilityErrors")).installabilityErrors, []);
    await context.setOffline(false);
    // A new build: one file changed, the worker written again as the build does.
    appendFileSync(join(site, "widmark.css"), "\n/* rebuilt */\n");
    execFileSync("cmake", [`-DSITE=${site}`, `-DTEMPLATE=${resolve("../site/sw.js.in")}`,
                           "-P", resolve("../service_worker.cmake")]);
    await page.close();
    // The next visit finds the new worker; it installs while that page runs.
    const again = await context.newPage();
    await again.goto(at);
    await Until(() => again.evaluate(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      await registration.update().catch(() => {});
      return Boolean(registration.waiting);
    }));
    await again.close();
    // A later visit, once the old build's last page has gone (which the
    // browser notes a moment after it closes), is the new build's, and the
    // old cache is gone.
    let last;
    await Until(async () => {
      await last?.close();
      last = await context.newPage();
      // A load that never ends while the workers change hands is tried again.
      if (!(await last.goto(at, {timeout: 20_000}).then(() => true, () => false))) return false;
      return last.evaluate(async (old) => {
        await new Promise((done) => setTimeout(done, 300));
        const names = await caches.keys();
        return names.length === 1 && names[0] !== old;
      }, first.caches[0]);
    });
    const css = await last.evaluate(() => caches.keys()
        .then(([name]) => caches.open(name)).then((cache) => cache.match("widmark.css"))
        .then((response) => response.text()));
    assert.match(css, /rebuilt/);
  } finally {
    await context.cleanup();
    copy.close();
    rmSync(site, {recursive: true, force: true});
  }
});

for (const [name, options] of [["without service workers", {serviceWorkers: "block"}],
                               ["opened from a file", {at: `file://${kSite}/index.html`}]]) {
  test(`${name} the page still works`, async () => {
    const {context, page} = await Phone(390, options);
    try {
      assert.deepEqual(await Tap(page, "Command1"), ["有罪です"]);
      assert.equal(await page.textContent("#Label24"), "0.2524862592");
      assert.equal(await page.evaluate(() => document.fonts.check('16px "Widmark Page Gothic"')), true);
    } finally {
      await context.cleanup();
    }
  });
}
