// Plays the browser's game in one browser engine (chromium, firefox or webkit:
// each one's driver is in engines/), as a pupil would, against build-web/
// served on 127.0.0.1: the name with an accented letter, the instructions, one
// answer right and one wrong, leaving with "Sì", the record after a reload,
// the start without a network, the clock in a background tab, two tabs leaving
// at once, a name with markup, a Mac's Option keys, the storage refused or
// full, a new match after another tab's record, a new version behind a server
// that lets the browser keep its files, the app's manifest and icons served
// from a folder of a site, and browsers without WebAssembly, too old for the
// game's scripts or its WebAssembly, or without AbortSignal.timeout, and a whole
// match by touch alone on a phone, a tablet and a whiteboard. A screenshot of
// each stage goes to SHOTS.
// usage: node web-match.mjs ENGINE BUILD_WEB SHOTS
import { createHash } from "node:crypto";
import { cp, mkdir, mkdtemp, readFile, rm, symlink, unlink, writeFile } from "node:fs/promises";
import { tmpdir } from "node:os";
import { resolve, join } from "node:path";
import { serve } from "./serve.mjs";
import { accessibleTexts, answer, fraction, gcd, placeOf, press, sleep, startMatch, instructions, waitFor, waitForNamePrompt, waitForWindowWith } from "./game.mjs";

const engineName = process.argv[2];
const [site, shots] = process.argv.slice(3).map((p) => resolve(p));
await rm(shots, { recursive: true, force: true });
await mkdir(shots, { recursive: true });
const server = await serve(site);
// The engine's driver: its browser's pages behave as puppeteer's do.
const browser = await (await import(`./engines/${engineName}.mjs`)).start();
console.log(`engine: ${browser.name} ${browser.version}`);
let passed = 0, failed = 0, skipped = 0;
// What the pages threw and nobody caught, e.g. the "unwind" of a main() that a dialog suspended.
const pageErrors = [];

async function shot(page, name) {
  await page.screenshot({ path: join(shots, `${name}.png`) });
  console.log(`  screenshot ${name}.png`);
}

// A stage that needs what an engine's driver cannot do is skipped there, and says why.
// WEB_MATCH_STAGES (a regular expression) plays only the stages it matches,
// with the ones they build on, while a stage is being worked on.
const only = process.env.WEB_MATCH_STAGES && new RegExp(process.env.WEB_MATCH_STAGES);
async function stage(name, body, needs) {
  if (only && !only.test(name))
    return;
  if (needs && browser.cannot[needs]) {
    skipped += 1;
    console.log(`SKIP ${name}: ${browser.cannot[needs]}`);
    return;
  }
  try {
    await body();
    passed += 1;
    console.log(`PASS ${name}`);
  } catch (error) {
    failed += 1;
    console.log(`FAIL ${name}: ${error.message}`);
  }
}

function expect(condition, what) {
  if (!condition)
    throw new Error(what);
}

// `before` sets the tab up before the game's page opens in it.
async function openGame(url = server.url, before = async () => {}) {
  const page = await browser.newPage();
  page.on("pageerror", (error) => {
    pageErrors.push(String(error.message));
    console.log(`  page error: ${error.message}`);
  });
  await before(page);
  await page.goto(url);
  return page;
}

// Leaves with Alt+X and "Sì" (Alt+S), and says what the game said then.
async function leave(page) {
  await press(page, "x", "Alt");
  const box = await waitForWindowWith(page, "Vuoi veramente lasciarmi");
  await press(page, "s", "Alt");
  return box;
}

// Expects the window's record line to show `score` points by `holder`. Its
// texts reach the accessibility tree a moment after the window shows.
async function expectRecord(page, score, holder) {
  const texts = async () => (await accessibleTexts(page)).map((n) => `${n.name} ${n.value}`).join("\n");
  const holds = (line) => new RegExp(`\\b${score}\\b`).test(line) && line.includes(holder);
  const line = await waitFor("the record line", async () => {
    const line = await texts();
    return holds(line) ? line : null;
  }, 10000).catch(texts);
  expect(holds(line), `record line: ${line}`);
}

// The six praises, any of which the right answer may draw.
const praises = ["Esatto. Sei eccezionale!!!", "OKKKKKKKKKKKKK!!!", "F A N T A S T I C O!!!", "M I T I C O!!!",
                 "O T T I M O!!!", "SEI UN CAMPIONE!!!"];

const ended = (page) => page.evaluate(() => !document.getElementById("ended").hidden);

let page;
await stage("the name is typed with its accented letter, the instructions answered", async () => {
  page = await openGame();
  await waitForNamePrompt(page);
  await sleep(300);
  await page.keyboard.type("Niccolò", { delay: 20 });
  await shot(page, "1-name-typed");
  await press(page, "Enter");
  const greeting = await waitForWindowWith(page, "vediamo se sei un vero campione");
  expect(greeting.texts.some((t) => t.includes(" Niccolò vediamo se sei un vero campione a Quorvel ")),
         `the greeting names the pupil: ${JSON.stringify(greeting.texts)}`);
  await shot(page, "2-greeting");
  await press(page, "Enter");
  for (const text of instructions.slice(1)) {
    await waitForWindowWith(page, text);
    await press(page, "Enter");
  }
  await waitForWindowWith(page, "Il numero sopra la linea della frazione");
  await shot(page, "3-first-exercise");
});

await stage("the first digit typed goes into the numerator box, as on Debian", async () => {
  // Which box took it, from its pixels: the page's elements for a screen
  // reader do not follow the typed text.
  await sleep(300);
  const box = async (piece) => {
    const place = await placeOf(page, piece);
    return page.screenshot({ clip: { x: place.x - 30, y: place.y - 30, width: 60, height: 60 } });
  };
  const before = [await box("Semplifica"), await box("Scrivi il denominatore")];
  await page.keyboard.type("9");
  await sleep(300);
  const after = [await box("Semplifica"), await box("Scrivi il denominatore")];
  await shot(page, "3b-first-digit");
  await press(page, "Backspace");
  const changed = ["numerator", "denominator"].filter((name, i) => !before[i].equals(after[i]));
  expect(changed.length === 1 && changed[0] === "numerator", `the digit changed the ${changed.join(" and ") || "no"} box`);
});

await stage("one answer right, one wrong; the screen reader finds the fraction and the verdict", async () => {
  const said = (texts, piece) => texts.find((n) => `${n.name} ${n.value} ${n.description}`.includes(piece));
  const right = await answer(page, true);
  const praise = await waitFor("the praise in the accessibility tree", async () => {
    const texts = await accessibleTexts(page);
    return praises.map((p) => said(texts, p)).find((n) => n);
  }, 5000).catch(() => null);
  console.log(`  fraction ${right.numerator}/${right.denominator} (read from the tree: "${right.node.description.slice(0, 30)}…"), answered ${right.answered}; praise in the tree: ${praise ? JSON.stringify(praise) : "none"}`);
  await shot(page, "4-right-answer");
  await press(page, "Enter");
  await sleep(300);
  const wrong = await answer(page, false);
  const correction = await waitFor("the correction in the accessibility tree", async () =>
    said(await accessibleTexts(page), "Sbagliato"), 5000).catch(() => null);
  console.log(`  fraction ${wrong.numerator}/${wrong.denominator}, answered ${wrong.answered}; correction in the tree: ${correction ? JSON.stringify(correction) : "none"}`);
  await shot(page, "5-wrong-answer");
  expect(praise && correction, "the verdicts are in the page's accessibility tree");
});

await stage("Alt+X asks to leave, \"Sì\" stores the record, the page offers a new match", async () => {
  await leave(page);
  await waitForWindowWith(page, "C A M P I O N E");
  await shot(page, "6-record-stored");
  await press(page, "Enter");
  await waitFor("the page's end of the match", () => ended(page));
  await shot(page, "7-match-over");
});

await stage("after a reload the record line shows 1 and Niccolò", async () => {
  await page.reload();
  await startMatch(page, "Anna");
  await expectRecord(page, 1, "Niccolò");
  await shot(page, "8-record-after-reload");
  await page.close();
});

await stage("the game starts without a network after the first visit", async () => {
  const offline = await browser.newPage();
  await offline.goto(server.url);
  await waitFor("the service worker", () => offline.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    return !!(registration && registration.active);
  }));
  server.offline = true;
  server.counter.paths = [];
  try {
    await offline.reload();
    await waitForNamePrompt(offline);
  } finally {
    server.offline = false;
  }
  // The browser may still look for a newer service worker: nothing else may reach the server.
  const reached = server.counter.paths.filter((path) => !path.endsWith("service-worker.js"));
  expect(reached.length === 0, `requests reached the server: ${reached.join(", ")}`);
  await shot(offline, "9-offline-start");
  await offline.close();
});

// The clock as the screen reader reads it, in seconds left.
async function clockSeconds(tab) {
  for (const node of await accessibleTexts(tab)) {
    const found = /(\d\d):(\d\d):(\d\d)/.exec(`${node.name} ${node.value}`);
    if (found)
      return Number(found[1]) * 3600 + Number(found[2]) * 60 + Number(found[3]);
  }
  throw new Error("no clock in the accessibility tree");
}

// The browser freezes a tab in the background; a pupil may come back to it
// before it is unfrozen, and its first tick then comes to a page that shows.
for (const shownFirst of [false, true]) {
  const order = shownFirst ? "shown again, then unfrozen" : "unfrozen, then shown again";
  await stage(`the clock follows real time while its tab is in the background and frozen, ${order}`, async () => {
    const game = await openGame();
    await startMatch(game, "Dario");
    await sleep(1500);
    const before = await clockSeconds(game);
    const started = Date.now();
    // Another tab in front hides the game's, which ticks hidden for a while.
    const other = await browser.newPage();
    await other.bringToFront();
    const hidden = await game.evaluate(() => document.hidden);
    await sleep(1500);
    const show = async () => {
      await other.close();
      await game.bringToFront();
    };
    await game.freeze(6000, shownFirst ? show : undefined);
    if (!shownFirst)
      await show();
    await sleep(1500);
    const gone = before - (await clockSeconds(game));
    const real = Math.round((Date.now() - started) / 1000);
    console.log(`  hidden: ${hidden}; the clock went down ${gone} s in ${real} s of real time`);
    await shot(game, `9b-clock-after-background${shownFirst ? "-shown-first" : ""}`);
    expect(hidden && Math.abs(gone - real) <= 1, `the clock went down ${gone} s in ${real} s`);
    await game.close();
  }, shownFirst && "showWhileFrozen");
}

await stage("two tabs leaving at once keep the higher score with its own name", async () => {
  const ada = await openGame();
  const bruno = await openGame();
  await startMatch(ada, "Ada");
  await startMatch(bruno, "Bruno");
  for (const [tab, rights] of [[ada, 2], [bruno, 3]]) {
    await tab.bringToFront();
    for (let i = 0; i < rights; ++i) {
      await answer(tab, true);
      await sleep(300);
      await press(tab, "Enter");
      await sleep(300);
    }
  }
  for (const tab of [ada, bruno]) {
    await tab.bringToFront();
    await press(tab, "x", "Alt");
    await waitForWindowWith(tab, "Vuoi veramente lasciarmi");
  }
  await Promise.all([press(ada, "s", "Alt"), press(bruno, "s", "Alt")]);
  for (const tab of [ada, bruno]) {
    await sleep(500);
    if (!(await ended(tab)))
      await press(tab, "Enter");
  }
  await shot(bruno, "10-two-tabs-left");
  const next = await openGame();
  await startMatch(next, "Carla");
  await expectRecord(next, 3, "Bruno");
  await shot(next, "11-higher-record-kept");
  for (const tab of [ada, bruno, next])
    await tab.close();
});

await stage("a name with markup stays text: nothing of it runs or joins the page", async () => {
  const tab = await openGame();
  const name = '<img src=x onerror="window.markupRan=1"><b>Ada</b>';
  await startMatch(tab, name);
  // The window's texts reach the accessibility tree a moment after it shows.
  const shown = await waitFor("the name among the screen reader's texts", async () =>
    (await accessibleTexts(tab)).some((n) => `${n.name} ${n.value}`.includes(name)), 5000).catch(() => false);
  const ran = await tab.evaluate(() => window.markupRan === 1
    || !!document.querySelector("#qt-shadow-container").shadowRoot.querySelector("img[src=x], b"));
  await shot(tab, "11b-markup-name");
  expect(!ran && shown, `markup ran or joined the page: ${ran}; the name shown as typed: ${shown}`);
  await tab.close();
});

await stage("a Mac's Option+X and Option+S (\"≈\" and \"ß\" with Alt) leave as Alt+X and Alt+S", async () => {
  const tab = await openGame();
  await startMatch(tab, "Gino");
  await tab.pressOptionKey("≈", "KeyX");
  await waitForWindowWith(tab, "Vuoi veramente lasciarmi");
  await shot(tab, "11c-mac-option-x");
  await tab.pressOptionKey("ß", "KeyS");
  await waitFor("the page's end of the match", () => ended(tab));
  await tab.close();
});

// The storage a browser may refuse: each case starts a match in a page whose
// storage is in that state, leaves with a better score, and expects the game's
// message; the stored record stays as it was. A refusal is made by a script
// that runs before the page's own; a full storage is filled from another page
// of the site first (its licence, a plain text page).
const storageCases = [
  {
    name: "storage refused (a private window, cookies blocked)",
    beforePage: true,
    prepare: () => {
      Object.defineProperty(window, "localStorage", {
        get() { throw new DOMException("The page may keep no data", "SecurityError"); },
      });
    },
    atStart: "Non posso usare la cartella dei record: il browser non permette a questa pagina di salvare dati",
    atLeaving: "Non posso usare la cartella dei record: non è stata trovata all'avvio del gioco",
  },
  {
    name: "storage full",
    prepare: () => {
      // Filled up to the last character with items of another page of the site.
      let size = 1 << 20;
      for (let i = 0; size > 0; ++i) {
        try {
          localStorage.setItem(`altro-${i}`, "x".repeat(size));
        } catch (e) {
          size >>= 1;
        }
      }
    },
    atStart: null,
    atLeaving: "lo spazio del browser per questo sito è pieno",
  },
];

for (const storage of storageCases) {
  await stage(`${storage.name}: the Italian message, the match goes on, the record stays`, async () => {
    const tab = await browser.newPage();
    if (storage.beforePage) {
      await tab.evaluateOnNewDocument(storage.prepare);
    } else {
      await tab.goto(`${server.url}LICENSE.txt`);
      await tab.evaluate(storage.prepare);
    }
    await tab.goto(server.url);
    await waitForNamePrompt(tab);
    await sleep(300);
    await tab.keyboard.type("Elena");
    await press(tab, "Enter");
    for (const text of instructions) {
      await waitForWindowWith(tab, text);
      await press(tab, "Enter");
    }
    if (storage.atStart) {
      await waitForWindowWith(tab, storage.atStart);
      await press(tab, "Enter");
    }
    await waitForWindowWith(tab, "Il numero sopra la linea della frazione");
    for (let i = 0; i < 4; ++i) {
      await answer(tab, true);
      await sleep(300);
      await press(tab, "Enter");
      await sleep(300);
    }
    await leave(tab);
    const message = await waitForWindowWith(tab, storage.atLeaving);
    expect(message.texts.some((t) => t.includes("Il record non è stato registrato")), JSON.stringify(message.texts));
    await shot(tab, `12-${storage.name.split(" ")[1]}-message`);
    await press(tab, "Enter");
    await waitFor("the page's end of the match", () => ended(tab));
    await tab.close();
    const check = await openGame();
    await check.evaluate(() => {
      for (const key of Object.keys(localStorage).filter((k) => k.startsWith("altro-")))
        localStorage.removeItem(key);
    });
    await startMatch(check, "Franca");
    await expectRecord(check, 3, "Bruno");
    await check.close();
  }, storage.beforePage && "scriptBeforePage");
}

// A school's site keeps the folder in a folder of its own: the same files
// served under /scuola/quorvel/ by a second server, whose origin holds no record.
const schoolSite = await mkdtemp(join(tmpdir(), "quorvel-school-"));
await mkdir(join(schoolSite, "scuola"));
await symlink(site, join(schoolSite, "scuola", "quorvel"));
const schoolServer = await serve(schoolSite);
const schoolFolder = `${schoolServer.url}scuola/quorvel/`;

// An icon's size and pixels as the page decodes them: how many are not opaque,
// and how many lie outside the circle of 80 % of the side (the part a launcher
// may cut away) and differ from the corner's colour.
function iconPixels(url) {
  return new Promise((resolve, reject) => {
    const image = new Image();
    image.onerror = () => reject(new Error(`no icon at ${url}`));
    image.onload = () => {
      const size = image.naturalWidth;
      const canvas = document.createElement("canvas");
      canvas.width = size;
      canvas.height = image.naturalHeight;
      const context = canvas.getContext("2d");
      context.drawImage(image, 0, 0);
      const pixels = context.getImageData(0, 0, canvas.width, canvas.height).data;
      let seeThrough = 0, cutAway = 0;
      for (let y = 0; y < canvas.height; ++y) {
        for (let x = 0; x < size; ++x) {
          const i = 4 * (y * size + x);
          if (pixels[i + 3] !== 255)
            seeThrough += 1;
          const dx = x + 0.5 - size / 2, dy = y + 0.5 - size / 2;
          if (dx * dx + dy * dy > (0.4 * size) ** 2 && [0, 1, 2, 3].some((c) => pixels[i + c] !== pixels[c]))
            cutAway += 1;
        }
      }
      resolve({ size: `${size}x${canvas.height}`, seeThrough, cutAway });
    };
    image.src = url;
  });
}

await stage("the game installs as an app from a folder of a site: the manifest, the icons, the home screen's tags", async () => {
  const tab = await browser.newPage();
  await tab.goto(schoolFolder);
  await waitForNamePrompt(tab);
  const session = await tab.createCDPSession();
  const { errors, data, manifest } = await session.send("Page.getAppManifest");
  expect(errors.length === 0, `the manifest's errors: ${JSON.stringify(errors)}`);
  // The browser may weigh the page a moment after it has loaded.
  const installability = async () => (await session.send("Page.getInstallabilityErrors")).installabilityErrors;
  const refusals = await waitFor("an installable page", async () => {
    const found = await installability();
    return found.length === 0 ? [] : null;
  }, 10000).catch(installability);
  expect(refusals.length === 0, `not installable: ${JSON.stringify(refusals)}`);
  // The app is the folder, wherever the teacher put it.
  for (const [what, url] of [["id", manifest.id], ["start URL", manifest.startUrl], ["scope", manifest.scope]])
    expect(url === schoolFolder, `the ${what} is ${url}, not the folder ${schoolFolder}`);
  // Chromium names them as its own constants: kStandalone, ANY.
  expect(/^k?standalone$/i.test(manifest.display) && /^any$/i.test(manifest.orientation),
         `display ${manifest.display}, orientation ${manifest.orientation}`);
  const icons = JSON.parse(data).icons.map((icon) => ({ ...icon, url: new URL(icon.src, schoolFolder).href }));
  const touchIcon = await tab.evaluate(() => {
    const link = document.querySelector('link[rel="apple-touch-icon"]');
    const tag = (name) => (document.querySelector(`meta[name="${name}"]`) || {}).content;
    return { url: link && link.href, sizes: link && link.getAttribute("sizes"),
             capable: [tag("apple-mobile-web-app-capable"), tag("mobile-web-app-capable")],
             title: tag("apple-mobile-web-app-title") };
  });
  expect(touchIcon.capable.every((c) => c === "yes") && touchIcon.title === "Quorvel",
         `the home screen's tags: ${JSON.stringify(touchIcon)}`);
  // iOS puts a touch icon's transparent pixels on black; a maskable icon keeps
  // its drawing inside the circle every launcher's shape leaves.
  const expected = [...icons, { url: touchIcon.url, sizes: "180x180", purpose: "apple-touch-icon" }];
  expect(icons.some((i) => i.purpose === "maskable") && icons.some((i) => i.purpose === "any"), `purposes: ${data}`);
  for (const icon of expected) {
    const found = await tab.evaluate(iconPixels, icon.url);
    console.log(`  ${icon.url.slice(schoolFolder.length)} (${icon.purpose}): ${found.size}, ${found.seeThrough} pixels not opaque, ${found.cutAway} outside the safe circle`);
    expect(found.size === icon.sizes, `${icon.url} is ${found.size}, the manifest says ${icon.sizes}`);
    if (icon.purpose !== "any")
      expect(found.seeThrough === 0, `${icon.url} has ${found.seeThrough} pixels that are not opaque`);
    if (icon.purpose === "maskable")
      expect(found.cutAway === 0, `${icon.url} draws ${found.cutAway} pixels outside the safe circle`);
  }
  await shot(tab, "13-installable-from-a-folder");
  await session.detach();
  await tab.close();
}, "devTools");

// A browser without something the page or the game uses, the thing taken away
// before the page's scripts run: an Italian message, or the game goes on
// without it; never a page that loads for ever.
const missingFeatureCases = [
  {
    name: "without WebAssembly",
    remove: () => { delete window.WebAssembly; },
    says: "Questo browser non può avviare Quorvel: manca WebAssembly.",
  },
  {
    name: "too old for the JavaScript of the game's scripts",
    remove: () => {
      window.Function = function () { throw new SyntaxError("Unexpected token '??='"); };
    },
    says: "Questo browser non può avviare Quorvel: è una versione troppo vecchia.",
  },
  {
    name: "whose WebAssembly has no bulk memory (Safari 14)",
    remove: () => { WebAssembly.validate = () => false; },
    says: "Questo browser non può avviare Quorvel: è una versione troppo vecchia.",
  },
  {
    // Safari 15.4 to 15.6, Chrome 69 to 102: Web Locks without AbortSignal.timeout.
    name: "without AbortSignal.timeout",
    remove: () => { delete AbortSignal.timeout; },
    says: null,
  },
];

for (const feature of missingFeatureCases) {
  await stage(`a browser ${feature.name}: ${feature.says ? "the Italian message" : "the record is read and stored"}`, async () => {
    const tab = await browser.newPage();
    await tab.evaluateOnNewDocument(feature.remove);
    await tab.goto(schoolFolder);
    const slug = feature.name.replace(/[^a-zA-Z]+/g, "-").replace(/-$/, "");
    if (feature.says) {
      const notice = () => tab.evaluate(() => ({
        failure: document.getElementById("failure").hidden ? "" : document.getElementById("failure-text").textContent,
        loading: !document.getElementById("loading").hidden,
      }));
      const shown = await waitFor("the page's message", async () => {
        const now = await notice();
        return now.failure ? now : null;
      }, 10000).catch(notice);
      await shot(tab, `14-${slug}`);
      expect(shown.failure.startsWith(feature.says) && !shown.loading, `the page shows: ${JSON.stringify(shown)}`);
    } else {
      // The record is read under the lock at the start and stored under it at
      // the end; this origin has none yet, so one right answer sets it.
      await startMatch(tab, "Gina");
      await answer(tab, true);
      await sleep(300);
      await press(tab, "Enter");
      await sleep(300);
      await leave(tab);
      await waitForWindowWith(tab, "C A M P I O N E");
      await shot(tab, `14-${slug}`);
      await press(tab, "Enter");
    }
    await tab.close();
  }, "scriptBeforePage");
}
await unlink(join(schoolSite, "scuola", "quorvel"));
await rm(schoolSite, { recursive: true, force: true });
schoolServer.close();

await stage("a new match in the same page shows the record another tab stored meanwhile", async () => {
  const tab = await openGame();
  await startMatch(tab, "Gino");
  await expectRecord(tab, 3, "Bruno");
  // Another tab's store leaves the site's storage so.
  await tab.evaluate(() => {
    localStorage.setItem("/quorvel/quorvrec.txt", "7\r\n");
    localStorage.setItem("/quorvel/quorvrec1.txt", "Ilaria\r\n");
  });
  const menu = await placeOf(tab, "Nuova gara");
  expect(menu, "no \"Nuova gara\" in the page");
  await tab.mouse.click(menu.x, menu.y);
  await waitForWindowWith(tab, "INIZIAMO UNA NUOVA GARA");
  await press(tab, "s", "Alt");
  await startMatch(tab, "Gino");
  await expectRecord(tab, 7, "Ilaria");
  await shot(tab, "15-new-match-record");
  await tab.close();
});

// Another version of the game in `folder`, as a teacher's new build would
// replace it: a changed quorvel.js, and a new cache version in the page and the
// worker, whose hash of quorvel.js follows. Their compressed copies go.
async function makeAnotherVersion(folder) {
  const sha256 = (bytes) => createHash("sha256").update(bytes).digest("hex");
  const js = await readFile(join(folder, "quorvel.js"));
  const newJs = Buffer.concat([js, Buffer.from('\nglobalThis.quorvelVersion = "B";\n')]);
  const worker = await readFile(join(folder, "service-worker.js"), "utf8");
  const version = /"quorvel-([0-9a-f]{12}) "/.exec(worker)[1];
  const newVersion = version.replace(/./g, (digit) => ((parseInt(digit, 16) + 1) % 16).toString(16));
  const page = await readFile(join(folder, "index.html"), "utf8");
  await writeFile(join(folder, "quorvel.js"), newJs);
  await writeFile(join(folder, "service-worker.js"),
                  worker.replace(sha256(js), sha256(newJs)).replaceAll(version, newVersion));
  await writeFile(join(folder, "index.html"), page.replaceAll(version, newVersion));
  for (const name of ["quorvel.js", "service-worker.js", "index.html"])
    for (const suffix of [".br", ".gz"])
      await rm(join(folder, name + suffix));
}

// Whether the service worker in charge keeps the program for offline.
const keptForOffline = (tab) => tab.evaluate(async () => {
  const registration = await navigator.serviceWorker.getRegistration();
  return !!(registration && registration.active && !registration.installing && !registration.waiting
            && await caches.match("quorvel.wasm"));
});

await stage("a new version behind a server's max-age runs at the next visit, online and offline; the record stays", async () => {
  const folder = await mkdtemp(join(tmpdir(), "quorvel-site-"));
  await cp(site, folder, { recursive: true });
  const school = await serve(folder, { cacheControl: "max-age=3600" });
  try {
    const tab = await openGame(school.url);
    await startMatch(tab, "Gianni");
    await answer(tab, true);
    await sleep(300);
    await leave(tab);
    await waitForWindowWith(tab, "C A M P I O N E");
    await press(tab, "Enter");
    await waitFor("the page's end of the match", () => ended(tab));
    await waitFor("the offline copy", () => keptForOffline(tab));
    // A copy of the game in another folder of the site, whose cache stays its own.
    const otherCopy = await tab.evaluate(async () => {
      const name = "quorvel-000000000000 " + new URL("prova/", location.href).href;
      await (await caches.open(name)).put("prova/index.html", new Response("prova"));
      return name;
    });
    const [before] = await tab.evaluate(async (other) => (await caches.keys()).filter((n) => n !== other), otherCopy);

    await makeAnotherVersion(folder);
    // This visit still plays the version before, while the browser brings in the new one.
    await tab.reload();
    await waitFor("the new version's offline copy", async () => (await keptForOffline(tab))
      && !(await tab.evaluate(async (old) => (await caches.keys()).includes(old), before)));
    for (const offline of [false, true]) {
      school.offline = offline;
      await tab.reload();
      await waitForNamePrompt(tab);
      const version = await tab.evaluate(() => globalThis.quorvelVersion);
      expect(version === "B", `${offline ? "offline" : "online"} the page runs the version before`);
    }
    await startMatch(tab, "Lia");
    await expectRecord(tab, 1, "Gianni");
    await shot(tab, "16-new-version-offline");
    expect(await tab.evaluate((other) => caches.has(other), otherCopy), "the other copy's cache was deleted");
    await tab.close();
  } finally {
    school.close();
    await rm(folder, { recursive: true, force: true });
  }
});

// A whole match by touch alone, as on a phone, a tablet and a whiteboard, each
// on a site of its own (its own record): the window fits the page beside or
// above the keypad, the name is typed into what the tap focused, the
// instructions' OK tapped, two answers given on the keypad, "Exit" and "Sì"
// tapped, and the record is there after a reload.
const touchScreens = [
  { name: "a phone in portrait, then turned", width: 390, height: 844, ratio: 3, turned: true },
  { name: "a phone in landscape", width: 844, height: 390, ratio: 3 },
  { name: "a tablet in portrait", width: 820, height: 1180, ratio: 2 },
  { name: "a tablet in landscape", width: 1180, height: 820, ratio: 2 },
  { name: "a whiteboard", width: 1920, height: 1080, ratio: 1 },
];

// Where the game's window, the keypad and its keys lie on the page.
const touchLayout = (tab) => tab.evaluate(() => {
  const box = (e) => {
    const r = e.getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
  };
  const root = document.querySelector("#qt-shadow-container").shadowRoot;
  const game = [...root.querySelectorAll(".qt-window")]
    .find((w) => w.style.display !== "none" && (w.querySelector(".title-bar") || {}).innerText?.includes("Giochiamo"));
  return { game: game && box(game), keypad: box(document.getElementById("keypad")),
           keys: [...document.querySelectorAll("#keypad button")].map(box),
           page: { width: innerWidth, height: innerHeight } };
});

async function tapOn(tab, piece) {
  const place = await waitFor(`"${piece}" on the screen`, () => placeOf(tab, piece), 10000);
  await tab.touchscreen.tap(place.x, place.y);
}

async function tapKeys(tab, keys) {
  for (const key of keys) {
    const place = await tab.$eval(`#keypad [data-key="${key}"]`, (b) => {
      const r = b.getBoundingClientRect();
      return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
    });
    await tab.touchscreen.tap(place.x, place.y);
    await sleep(50);
  }
}

const inside = (a, b) => a.left >= b.left - 0.5 && a.top >= b.top - 0.5 && a.right <= b.right + 0.5 && a.bottom <= b.bottom + 0.5;
const overlap = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;

// The window within the page and filling the part the keypad leaves, the keypad
// beside it, its keys large enough for a finger.
async function expectFitted(tab) {
  const layout = await touchLayout(tab);
  const page = { left: 0, top: 0, right: layout.page.width, bottom: layout.page.height };
  expect(layout.game && inside(layout.game, page), `the window ${JSON.stringify(layout.game)} lies within the page ${JSON.stringify(page)}`);
  expect(inside(layout.keypad, page) && !overlap(layout.game, layout.keypad), `the keypad ${JSON.stringify(layout.keypad)} lies beside the window`);
  expect(layout.keys.every((k) => k.width >= 48 && k.height >= 48), `keys of ${layout.keys.map((k) => `${k.width}×${k.height}`).join(", ")}`);
  const landscape = layout.page.width > layout.page.height;
  const free = landscape ? { width: layout.keypad.left, height: layout.page.height }
                         : { width: layout.page.width, height: layout.keypad.top };
  const filled = Math.max(layout.game.width / free.width, layout.game.height / free.height);
  console.log(`  window ${Math.round(layout.game.width)}×${Math.round(layout.game.height)} in ${Math.round(free.width)}×${Math.round(free.height)} (${Math.round(filled * 100)} %), keys ${Math.round(layout.keys[0].width)}×${Math.round(layout.keys[0].height)}`);
  expect(filled > 0.9, `the window fills ${Math.round(filled * 100)} % of the free part of the page`);
}

for (const [index, screen] of touchScreens.entries()) {
  await stage(`by touch alone on ${screen.name} (${screen.width}×${screen.height}): the window fits beside the keypad, a whole match`, async () => {
    const own = await serve(site);
    const tab = await openGame(own.url, (tab) => tab.emulateTouchScreen(screen));
    try {
      const prompt = await waitForNamePrompt(tab);
      await sleep(300);
      const promptBox = () => tab.evaluate(() => {
        const w = [...document.querySelector("#qt-shadow-container").shadowRoot.querySelectorAll(".qt-window")]
          .find((w) => w.style.display !== "none");
        const r = w.getBoundingClientRect();
        return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
      });
      // Which element has the focus within the tap's own event, once the
      // page has seen it (Qt's windows let no pointer event bubble up), the
      // focus Qt gave from a timer taken away before.
      await tab.evaluate(() => {
        document.activeElement?.blur();
        window.addEventListener("pointerup", () => {
          const e = document.activeElement;
          window.focusInTap = e && e.localName === "input" ? e.inputMode : null;
        }, { capture: true, once: true });
      });
      const place = await promptBox();
      await tab.touchscreen.tap(place.x, place.y);
      const focused = await tab.evaluate(() => window.focusInTap);
      expect(focused === "text", `the tap gave the focus to ${focused ? `a text element for "${focused}"` : "no text element"} (${prompt.title})`);
      await tab.keyboard.type("Niccolò", { delay: 20 });
      await press(tab, "Enter");
      for (const text of instructions) {
        await waitForWindowWith(tab, text);
        await sleep(200);
        await tapOn(tab, "OK");
      }
      await waitForWindowWith(tab, "Il numero sopra la linea della frazione");
      await sleep(300);
      await expectFitted(tab);
      await shot(tab, `20-touch-${index + 1}-exercise`);

      for (const right of [true, false]) {
        const { numerator, denominator } = await fraction(tab);
        const divisor = gcd(numerator, denominator);
        // A slip mended with "Cancella" on the way.
        const top = String(numerator / divisor + (right ? 0 : 1));
        await tapKeys(tab, [...top, "7", "Cancella", "Invio", ...String(denominator / divisor), "Invio"]);
        await waitFor(right ? "the praise" : "the correction", async () => {
          const texts = (await accessibleTexts(tab)).map((n) => `${n.name} ${n.value} ${n.description}`).join("\n");
          return right ? praises.some((p) => texts.includes(p)) : texts.includes("Sbagliato");
        }, 5000);
        if (right) {
          await shot(tab, `20-touch-${index + 1}-right-answer`);
          await tapKeys(tab, ["Invio"]);
          await sleep(300);
          if (screen.turned) {
            // The device turned mid-match: the window fits again, the match and its clock go on.
            const clock = async () => (await accessibleTexts(tab)).map((n) => `${n.name} ${n.value}`)
              .join(" ").match(/00:0\d:\d\d/)?.[0];
            const before = await clock();
            await tab.emulateTouchScreen({ ...screen, width: screen.height, height: screen.width });
            await sleep(1500);
            await expectFitted(tab);
            const after = await clock();
            expect(before && after && after < before, `the clock read ${before} before the turn and ${after} after`);
            await shot(tab, `20-touch-${index + 1}-turned`);
          }
        }
      }
      // A menu opened and one of its entries tapped, then "Nuovo calcolo".
      await tapOn(tab, "Alcuni criteri di divisibilit");
      await waitForWindowWith(tab, "termina con 0 oppure 5", 10000);
      await sleep(200);
      await tapOn(tab, "termina con 0 oppure 5");
      await waitForWindowWith(tab, "Il numero sopra la linea della frazione", 10000);
      await tapOn(tab, "Nuovo calcolo");
      await waitFor("the correction gone after \"Nuovo calcolo\"", async () =>
        !(await accessibleTexts(tab)).some((n) => `${n.name} ${n.value} ${n.description}`.includes("Sbagliato")), 5000);
      await tapOn(tab, "Exit, esci dalla gara");
      await waitForWindowWith(tab, "Vuoi veramente lasciarmi");
      await sleep(200);
      await tapOn(tab, "Sì");
      await waitForWindowWith(tab, "C A M P I O N E");
      await sleep(200);
      await tapOn(tab, "OK");
      await waitFor("the page's end of the match", () => ended(tab));
      await tab.reload();
      await waitForNamePrompt(tab);
      await sleep(300);
      const again = await promptBox();
      await tab.touchscreen.tap(again.x, again.y);
      await tab.keyboard.type("Anna", { delay: 20 });
      await press(tab, "Enter");
      for (const text of instructions) {
        await waitForWindowWith(tab, text);
        await sleep(200);
        await tapKeys(tab, ["Invio"]);
      }
      await waitForWindowWith(tab, "Il numero sopra la linea della frazione");
      await expectRecord(tab, 1, "Niccolò");
      await shot(tab, `20-touch-${index + 1}-record`);
    } finally {
      await tab.close();
      own.close();
    }
  }, "touch");
}

await stage("no page had an uncaught error", async () => expect(pageErrors.length === 0, pageErrors.join("; ")));

console.log(`${browser.name}: ${passed} passed, ${failed} failed, ${skipped} skipped`);
await browser.close();
server.close();
process.exit(failed === 0 ? 0 : 1);
