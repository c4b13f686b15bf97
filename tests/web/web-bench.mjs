// The benchmark of the browser's game (not a test): the bytes a first visit
// transfers, compressed as a server with the .br copies sends them, and the
// time from opening the page to the first window and to the first exercise on
// screen (the name and the instructions answered at once), side by side with a
// bare Qt window built the same way. Each is measured RUNS times, alternately,
// each time in a fresh chromium profile. The page is asked every few
// milliseconds, so that the waits add little of their own.
// usage: node web-bench.mjs BUILD_WEB BUILD_WEB_BENCH [RUNS]
import { rm } from "node:fs/promises";
import { resolve } from "node:path";
import { serve } from "./serve.mjs";
import { startChromium } from "./chromium.mjs";
import { instructions, press, qtWindows, waitFor, waitForNamePrompt, waitForWindowWith } from "./game.mjs";

const [gameSite, bareSite] = process.argv.slice(2, 4).map((p) => resolve(p));
const runs = Number(process.argv[4] || 3);
const timeoutMs = 120000, intervalMs = 5;
const game = await serve(gameSite);
const bare = await serve(bareSite);

async function visit(server, path, untilReady) {
  const { browser, userDataDir } = await startChromium();
  const page = await browser.newPage();
  server.counter.bytes = 0;
  const start = Date.now();
  await page.goto(server.url + path);
  const firstWindow = await waitFor("a window", async () => (await qtWindows(page)).length > 0 && Date.now() - start,
                                  timeoutMs, intervalMs);
  const ready = untilReady ? await untilReady(page, start) : firstWindow;
  // The game's first visit ends once its service worker has kept it for offline.
  if (untilReady)
    await waitFor("the service worker", () => page.evaluate(async () =>
      !!(await navigator.serviceWorker.getRegistration())?.active), timeoutMs, 50);
  const bytes = server.counter.bytes;
  await browser.close();
  await rm(userDataDir, { recursive: true, force: true });
  return { firstWindow, ready, bytes };
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
const results = { game: [], bare: [] };
for (let run = 0; run < runs; ++run) {
  results.bare.push(await visit(bare, "bare.html"));
  results.game.push(await visit(game, "", toFirstExercise));
}
const mb = (bytes) => (bytes / 1e6).toFixed(2);
const g = results.game, b = results.bare;
const gameBytes = median(g.map((r) => r.bytes)), bareBytes = median(b.map((r) => r.bytes));
const gameWindow = median(g.map((r) => r.firstWindow)), gameExercise = median(g.map((r) => r.ready));
const bareWindow = median(b.map((r) => r.firstWindow));
console.log(`runs: ${runs} each, medians`);
console.log(`first visit, bytes sent (brotli): game ${mb(gameBytes)} MB, bare window ${mb(bareBytes)} MB (goal: game < 5 MB)`);
console.log(`first window: game ${gameWindow} ms (the name prompt), bare window ${bareWindow} ms`);
console.log(`first exercise: game ${gameExercise} ms, ${(gameExercise / bareWindow).toFixed(2)} x the bare window (goal: <= 1.3 x)`);
console.log(`all runs: ${JSON.stringify(results)}`);
game.close();
bare.close();
