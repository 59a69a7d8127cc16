// The page's size and speed in Debian's chromium (a benchmark, not a test):
// bytes of a first visit, raw and gzip-compressed; navigation to the first
// paint with the font loaded, beside a bare page with one label in the same
// font, on a desktop and on a 390 px phone, from the network and as a repeat
// visit served by the service worker; a click on 計算する to the box shown.
// Usage: node bench/web_bench.mjs <site folder>   (after npm ci in web/test)
import {gzipSync} from "node:zlib";
import {readFileSync} from "node:fs";
import {basename, resolve} from "node:path";
import {fileURLToPath} from "node:url";

import {Launch, Serve} from "../web/test/harness.mjs";

const site = resolve(process.argv[2] ?? "build-web/site");
const bare = fileURLToPath(new URL("web_bare.html", import.meta.url));
const kRuns = 25, kClicks = 50;

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];

// Milliseconds from navigation to the first frame painted after the page
// says it is ready (its font loaded, for the calculator Form1 built).
async function FirstPaint(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector("body[data-ready=true]");
  const at = await page.evaluate(() => new Promise((done) =>
      requestAnimationFrame(() => setTimeout(() => done(performance.now()), 0))));
  await page.close();
  return at;
}

const server = await Serve(site, {"/bare.html": bare});
const url = `http://127.0.0.1:${server.address().port}/`;
const context = await Launch();
try {
  // A first visit: everything the page fetches.
  const page = await context.newPage();
  const fetched = [];
  page.on("response", (response) => fetched.push(new URL(response.url()).pathname));
  await page.goto(url);
  await page.waitForSelector("body[data-ready=true]");
  let raw = 0, gzip = 0;
  console.log("file\tbytes\tgzip -9");
  for (const path of fetched) {
    const body = readFileSync(resolve(site, `.${path === "/" ? "/index.html" : path}`));
    const packed = gzipSync(body, {level: 9}).length;
    raw += body.length;
    gzip += packed;
    console.log(`${basename(path) || "index.html"}\t${body.length}\t${packed}`);
  }
  console.log(`first visit\t${raw}\t${gzip}`);

  // A click on 計算する until the box is on the screen, the box then closed.
  const clicks = [];
  for (let i = 0; i < kClicks; ++i) {
    clicks.push(await page.evaluate(() => new Promise((done) => {
      const box = document.getElementById("box");
      const start = performance.now();
      new MutationObserver((changes, observer) => {
        if (!box.open) return;
        observer.disconnect();
        requestAnimationFrame(() => setTimeout(() => {
          done(performance.now() - start);
          box.dispatchEvent(new Event("cancel", {cancelable: true}));
        }, 0));
      }).observe(box, {attributes: true, attributeFilter: ["open"]});
      document.getElementById("Command1").click();
    })));
    await page.waitForFunction(() => !document.getElementById("box").open);
    await page.waitForTimeout(20);
  }
  console.log(`click to box\tmedian ${median(clicks).toFixed(1)} ms\tmax ${Math.max(...clicks).toFixed(1)} ms\t(n=${kClicks})`);

} finally {
  await context.cleanup();
}

// First paints, alternating the two pages, in a fresh browser of its own.
const kPhone = {viewport: {width: 390, height: 844}, isMobile: true, hasTouch: true,
                deviceScaleFactor: 3};
for (const [name, options, warm] of [
  ["desktop, network", {serviceWorkers: "block"}, false],
  ["phone, network", {...kPhone, serviceWorkers: "block"}, false],
  ["phone, service worker", kPhone, true],
]) {
  const browser = await Launch(options);
  try {
    if (warm) {  // the first visit installs the worker; the runs are repeat visits
      const page = await browser.newPage();
      await page.goto(url);
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.close();
    }
    const form = [], baseline = [];
    for (let i = 0; i < kRuns; ++i) {
      form.push(await FirstPaint(browser, url));
      baseline.push(await FirstPaint(browser, `${url}bare.html`));
    }
    const [f, b] = [median(form), median(baseline)];
    console.log(`first paint (${name})\tcalculator ${f.toFixed(1)} ms\tbare page ${b.toFixed(1)} ms\tratio ${(f / b).toFixed(2)}\t(medians of ${kRuns})`);
  } finally {
    await browser.cleanup();
  }
}
server.close();
