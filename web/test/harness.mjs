// What the browser tests share: a static server for the built site on a free
// loopback port, and Debian's chromium driven by playwright-core (never a
// browser of its own), with a fresh profile that is removed afterwards.
import {createServer} from "node:http";
import {mkdtempSync, readFileSync, rmSync, statSync} from "node:fs";
import {tmpdir} from "node:os";
import {extname, join, normalize, resolve} from "node:path";
import {after, before} from "node:test";
import {chromium} from "playwright-core";

const kTypes = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".woff2": "font/woff2", ".svg": "image/svg+xml",
  ".txt": "text/plain; charset=utf-8", ".png": "image/png",
  ".webmanifest": "application/manifest+json",
};

// How long a wait may take before it is a hang, not a slow machine.
export const kHang = 300_000;

export const kChromiumFlags = [
  "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync",
];

// Serves the site folder; `extra` maps further paths to files elsewhere;
// `headers` go with every answer (a long cache lifetime, say).
export function Serve(site, extra = {}, headers = {}) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
    let file = extra[path] ?? join(site, path);
    if (!file.startsWith(site) && !extra[path]) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = join(file, "index.html");
      const body = readFileSync(file);
      response.writeHead(200, {"content-type": kTypes[extname(file)] ?? "application/octet-stream",
                               ...headers});
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => resolve(server));
  });
}

// The built site served to a test file for the length of its tests:
// `site.url` once they start, `site.path` the folder.
export function ServedSite() {
  const site = {path: resolve(process.env.WIDMARK_SITE ?? "../../build-web/site"), url: null};
  let server;
  before(async () => {
    server = await Serve(site.path);
    site.url = `http://127.0.0.1:${server.address().port}/`;
  });
  after(() => server?.close());
  return site;
}

// A fresh profile; `options` are Playwright's context options (a phone's
// viewport, touch, offline, service workers blocked).
export async function Launch(options = {}) {
  const profile = mkdtempSync(join(tmpdir(), "widmark-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium",
    args: kChromiumFlags,
    viewport: {width: 720, height: 900},
    locale: "ja-JP",
    ...options,
  });
  // Playwright's own 30 s bound on a page load is a speed test in disguise:
  // on a machine busy with a parallel build a load has taken longer (1 run
  // in 27 of the offline test). Only a hang should fail a test.
  context.setDefaultTimeout(kHang);
  context.setDefaultNavigationTimeout(kHang);
  context.cleanup = async () => {
    await context.close();
    rmSync(profile, {recursive: true, force: true});
  };
  return context;
}

// Opens the page and waits until Form1 stands with its font loaded.
export async function OpenCalculator(context, url) {
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(String(error)));
  page.errors = errors;
  await page.goto(url);
  await page.waitForSelector("body[data-ready=true]");
  return page;
}
