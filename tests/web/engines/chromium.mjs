// Debian's chromium, headless, in a fresh profile, driven through puppeteer-core
// over the DevTools protocol, which also gives the page's accessibility tree as
// a screen reader gets it, keys as a Mac sends them, a frozen tab, and touch screens.
import { launch } from "puppeteer-core";
import { mkdtemp, rm } from "node:fs/promises";
import { tmpdir } from "node:os";
import { join } from "node:path";

export async function start() {
  const userDataDir = await mkdtemp(join(tmpdir(), "quorvel-chromium-"));
  const browser = await launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    userDataDir,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           "--window-size=1280,900", "--lang=it-IT"],
    defaultViewport: { width: 1280, height: 900 },
  });
  return {
    name: "chromium",
    version: await browser.version(),
    cannot: {},
    newPage: async () => withDevTools(await browser.newPage()),
    close: async () => {
      await browser.close();
      await rm(userDataDir, { recursive: true, force: true });
    },
  };
}

// Runs DevTools calls in one session; a function among them runs in between.
async function devTools(page, calls) {
  const session = await page.createCDPSession();
  try {
    for (const call of calls)
      await (typeof call === "function" ? call() : session.send(...call));
  } finally {
    await session.detach();
  }
}

function withDevTools(page) {
  return Object.assign(page, {
    // The accessibility tree's nodes that have a name, a value or a description.
    async screenReaderTexts() {
      const session = await page.createCDPSession();
      const { nodes } = await session.send("Accessibility.getFullAXTree");
      await session.detach();
      return nodes
        .filter((n) => !n.ignored)
        .map((n) => ({
          role: n.role && n.role.value,
          name: (n.name && n.name.value) || "",
          value: (n.value && String(n.value.value)) || "",
          description: (n.description && n.description.value) || "",
        }))
        .filter((n) => n.name || n.value || n.description);
    },
    // The keyboard's own events, with the Alt held, as chromium on a Mac sends them.
    async pressOptionKey(key, code) {
      const alt = { key: "Alt", code: "AltLeft", windowsVirtualKeyCode: 18, modifiers: 1 };
      const letter = { key, code, text: key, unmodifiedText: code.slice(3).toLowerCase(),
                       windowsVirtualKeyCode: code.charCodeAt(3), modifiers: 1 };
      await devTools(page, [["Input.dispatchKeyEvent", { type: "rawKeyDown", ...alt }],
                            ["Input.dispatchKeyEvent", { type: "keyDown", ...letter }],
                            ["Input.dispatchKeyEvent", { type: "keyUp", ...letter }],
                            ["Input.dispatchKeyEvent", { type: "keyUp", ...alt, modifiers: 0 }]]);
    },
    // A touch screen of the given size and pixel ratio, as a phone, a tablet
    // or a whiteboard has it: the page's taps are touches (touchscreen.tap).
    async emulateTouchScreen({ width, height, ratio }) {
      await page.setViewport({ width, height, deviceScaleFactor: ratio, isMobile: true, hasTouch: true });
    },
    // Freezes the page as chromium does with a tab in the background for long;
    // `meanwhile` runs at the end, before the page is unfrozen.
    async freeze(ms, meanwhile = async () => {}) {
      await devTools(page, [["Page.setWebLifecycleState", { state: "frozen" }],
                            () => new Promise((resolve) => setTimeout(resolve, ms)),
                            meanwhile,
                            ["Page.setWebLifecycleState", { state: "active" }]]);
    },
  });
}
