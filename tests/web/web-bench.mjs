// The benchmark of the browser's game (not a test), in each engine named: the
// bytes a first visit transfers, compressed as a server with the .br copies
// sends them, the time from opening the page to the first window and to the
// first exercise on screen (the name and the instructions answered at once),
// side by side with a bare Qt window built the same way in the same engine,
// and the first window of a repeat visit, which the service worker serves.
// Each is measured RUNS times, alternately, each time in a fresh profile. The
// page is asked every few milliseconds, so that the waits add little of their own.
// usage: node web-bench.mjs BUILD_WEB BUILD_WEB_BENCH RUNS ENGINE...
import { resolve } from "node:path";
import { serve } from "./serve.mjs";
import { instructions, press, qtWindows, waitFor, waitForNamePrompt, waitForWindowWith } from "./game.mjs";

const [gameSite, bareSite] = process.argv.slice(2, 4).map((p) => resolve(p));
const runs = Number(process.argv[4] || 3);
const engineNames = process.argv.slice(5);
const timeoutMs = 120000, intervalMs = 5;
const game = await serve(gameSite);
const bare = await serve(bareSite);

async function firstWindow(page, url) {
  const start = Date.now();
  await page.goto(url);
  return waitFor("a window", async () => (await qtWindows(page)).length > 0 && Date.now() - start, timeoutMs, intervalMs);
}

async function visit(engineName, server, path, isGame) {
  const engine = await (await import(`./engines/${engineName}.mjs`)).start();
  const page = await engine.newPage();
  server.counter.bytes = 0;
  const start = Date.now();
  const result = { firstWindow: await firstWindow(page, server.url + path) };
  if (isGame) {
    result.firstExercise = await toFirstExercise(page, start);
    // The first visit ends once its service worker has kept the game for offline.
    await waitFor("the service worker", () => page.evaluate(async () =>
      !!(await navigator.serviceWorker.getRegistration())?.active), timeoutMs, 50);
    result.bytes = server.counter.bytes;
    result.repeatWindow = await firstWindow(page, server.url + path);
    result.servedByWorker = await page.evaluate(() => !!navigator.serviceWorker.controller);
  } else {
    result.bytes = server.counter.bytes;
  }
  await engine.close();
  return result;
}

async function toFirstExercise(page, start) {
  await waitForNamePrompt(page, timeoutMs, intervalMs);
  await page.keyboard.type("Anna");
  await press(page, "Enter");
  for (const text of instructions) {
    await waitForWindowWith(page, text, timeoutMs, intervalMs);
    await press(page, "Enter");
  }
  await waitForWindowWith(page, "Il numero sopra la linea della frazione", timeoutMs, intervalMs);
  return Date.now() - start;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const mb = (bytes) => (bytes / 1e6).toFixed(2);
const rows = [];
for (const engineName of engineNames) {
  const results = { game: [], bare: [] };
  for (let run = 0; run < runs; ++run) {
    results.bare.push(await visit(engineName, bare, "bare.html", false));
    results.game.push(await visit(engineName, game, "", true));
  }
  const g = (key) => median(results.game.map((r) => r[key]));
  const bareWindow = median(results.bare.map((r) => r.firstWindow));
  rows.push({ engine: engineName, bareWindow, gameWindow: g("firstWindow"), firstExercise: g("firstExercise"),
              repeatWindow: g("repeatWindow"), bytes: g("bytes"),
              byWorker: results.game.every((r) => r.servedByWorker) });
  console.log(`${engineName}, all runs: ${JSON.stringify(results)}`);
}

console.log(`runs: ${runs} each, medians, ms from opening the page (goals: first window <= 1.2 x the bare window's; first visit < 5 MB)`);
console.log("| engine | bare Qt window | game's first window | ratio | first exercise | repeat visit's first window | first visit (brotli) |");
console.log("| --- | --- | --- | --- | --- | --- | --- |");
for (const r of rows)
  console.log(`| ${r.engine} | ${r.bareWindow} | ${r.gameWindow} | ${(r.gameWindow / r.bareWindow).toFixed(2)} x | ${r.firstExercise} | ` +
              `${r.repeatWindow}${r.byWorker ? "" : " (not from the worker)"} | ${mb(r.bytes)} MB |`);
game.close();
bare.close();
