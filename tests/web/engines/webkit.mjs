// WebKitGTK, the engine of Safari: Debian's MiniBrowser driven by Debian's
// WebKitWebDriver over W3C WebDriver (an X display is needed: scripts/web-match
// runs it under xvfb-run). A page here is a window of the session, with the few
// calls web-match makes of a puppeteer page. WebDriver talks to one window at a
// time, so the calls of all pages take turns. MiniBrowser keeps a tab that
// WebDriver opens behind the first one for good: each page is a window of its
// own, and the page in front has the others minimized, which hides them as a
// tab in the background is hidden. WebDriver has no accessibility tree and no
// frozen tab either: see firefox.mjs.
import { spawn } from "node:child_process";
import { writeFile } from "node:fs/promises";
import { createServer } from "node:net";
import { busyFor, elementTexts, optionKeyAsEvents } from "./page.mjs";

const driverPath = process.env.WEBKIT_DRIVER || "/usr/bin/WebKitWebDriver";
const browserPath = process.env.MINIBROWSER || "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";
const element = "element-6066-11e4-a52e-4f735466cecf";
// WebDriver's names for the keys that are not characters.
const keys = { Enter: "\uE007", Backspace: "\uE003", Tab: "\uE004", Escape: "\uE00C", Shift: "\uE008",
               Control: "\uE009", Alt: "\uE00A" };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

export async function start() {
  const port = await freePort();
  // What the driver and MiniBrowser print, the last lines of it: a session
  // that ends without a reply (the browser gone) shows it with its error.
  const driver = spawn(driverPath, [`--port=${port}`], { stdio: ["ignore", "pipe", "pipe"] });
  const printed = [];
  for (const stream of [driver.stdout, driver.stderr]) {
    stream.setEncoding("utf8");
    stream.on("data", (text) => {
      printed.push(...text.split("\n").filter((line) => line.trim()));
      printed.splice(0, Math.max(printed.length - 40, 0));
    });
  }
  driver.on("exit", (code, signal) => printed.push(`WebKitWebDriver ended: ${signal || code}`));
  const base = `http://127.0.0.1:${port}`;
  async function call(method, path, body) {
    let response, value;
    try {
      response = await fetch(base + path, {
        method, headers: { "Content-Type": "application/json" }, body: body && JSON.stringify(body),
      });
      ({ value } = await response.json());
    } catch (error) {
      throw new Error(`WebDriver ${method} ${path}: ${error.message}; the driver printed:\n${printed.join("\n")}`);
    }
    if (!response.ok) {
      const gone = /terminated|crash|hang/i.test(value.message) ? `; the driver printed:\n${printed.join("\n")}` : "";
      throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}${gone}`);
    }
    return value;
  }
  for (let tries = 0; ; ++tries) {
    try {
      if ((await call("GET", "/status")).ready)
        break;
    } catch (error) {
      if (tries > 100)
        throw error;
    }
    await sleep(100);
  }
  const { sessionId, capabilities } = await call("POST", "/session", {
    capabilities: { alwaysMatch: { "webkitgtk:browserOptions": { binary: browserPath, args: ["--automation"] } } },
  });
  const session = (method, path, body) => call(method, `/session/${sessionId}${path}`, body);

  // One call at a time, each in its own page's window.
  let turn = Promise.resolve();
  let front = await session("GET", "/window");
  // The last window open is kept for the next page: closing it would end the session.
  let spare = front;
  const open = new Set([front]);
  const minimized = new Set();
  function inWindow(handle, body) {
    const result = turn.then(async () => {
      if (front !== handle) {
        await session("POST", "/window", { handle });
        front = handle;
      }
      return body();
    });
    turn = result.catch(() => {});
    return result;
  }

  async function newPage() {
    let handle = spare;
    spare = null;
    if (!handle) {
      handle = (await inWindow([...open][0], () => session("POST", "/window/new", { type: "window" }))).handle;
      open.add(handle);
    }
    minimized.delete(handle);
    await inWindow(handle, () => session("POST", "/window/rect", { width: 1280, height: 900 }));
    const run = (body) => inWindow(handle, body);
    const errorHandlers = [];
    const actions = (type, list) => run(() => session("POST", "/actions", {
      actions: [{ type, id: type, ...(type === "pointer" ? { parameters: { pointerType: "mouse" } } : {}), actions: list }],
    }));
    const key = (name) => keys[name] ?? name;
    // What the page threw and nobody caught, from the listeners put in after each load.
    const takeErrors = async () => {
      const errors = await run(() => session("POST", "/execute/sync", {
        script: "const e = window.quorvelErrors || []; window.quorvelErrors = []; return e;", args: [],
      })).catch(() => []);
      for (const error of errors)
        for (const handler of errorHandlers)
          handler(new Error(error));
    };
    const watchErrors = () => run(() => session("POST", "/execute/sync", {
      script: `window.quorvelErrors = [];
               window.addEventListener("error", (e) => window.quorvelErrors.push(e.message));
               window.addEventListener("unhandledrejection", (e) => window.quorvelErrors.push(String(e.reason)));`,
      args: [],
    }));
    const page = {
      async goto(url) {
        await takeErrors();
        await run(() => session("POST", "/url", { url }));
        await watchErrors();
      },
      async reload() {
        await takeErrors();
        await run(() => session("POST", "/refresh", {}));
        await watchErrors();
      },
      evaluate: (fn, ...args) => run(() => session("POST", "/execute/sync", {
        script: `return (${fn}).apply(null, arguments);`, args,
      })),
      async screenshot({ path, clip }) {
        let png;
        if (clip) {
          // WebDriver takes a shot of an element: a bare one laid over the place.
          const cover = await page.evaluate((c) => {
            const e = document.createElement("div");
            e.style.cssText = `position:fixed;left:${c.x}px;top:${c.y}px;width:${c.width}px;height:${c.height}px;pointer-events:none`;
            document.body.append(e);
            return e;
          }, clip);
          png = await run(() => session("GET", `/element/${cover[element]}/screenshot`));
          await page.evaluate((e) => e.remove(), cover);
        } else {
          png = await run(() => session("GET", "/screenshot"));
        }
        const bytes = Buffer.from(png, "base64");
        if (path)
          await writeFile(path, bytes);
        return bytes;
      },
      async bringToFront() {
        for (const other of open) {
          if (other !== handle && !minimized.has(other)) {
            await inWindow(other, () => session("POST", "/window/minimize", {}));
            minimized.add(other);
          }
        }
        if (minimized.delete(handle))
          await run(() => session("POST", "/window/rect", { width: 1280, height: 900 }));
      },
      on(event, handler) {
        if (event === "pageerror")
          errorHandlers.push(handler);
      },
      async close() {
        await takeErrors();
        if (open.size > 1) {
          await run(() => session("DELETE", "/window"));
          open.delete(handle);
          minimized.delete(handle);
          front = null;
        } else {
          await run(() => session("POST", "/url", { url: "about:blank" }));
          spare = handle;
        }
      },
      keyboard: {
        down: (name) => actions("key", [{ type: "keyDown", value: key(name) }]),
        up: (name) => actions("key", [{ type: "keyUp", value: key(name) }]),
        press: (name) => actions("key", [{ type: "keyDown", value: key(name) }, { type: "keyUp", value: key(name) }]),
        type: (text, { delay = 0 } = {}) => actions("key", [...text].flatMap((c) => [
          { type: "keyDown", value: c }, { type: "keyUp", value: c }, ...(delay ? [{ type: "pause", duration: delay }] : []),
        ])),
      },
      mouse: {
        click: (x, y) => actions("pointer", [{ type: "pointerMove", x: Math.round(x), y: Math.round(y), origin: "viewport" },
                                             { type: "pointerDown", button: 0 }, { type: "pointerUp", button: 0 }]),
      },
      screenReaderTexts: () => elementTexts(page),
      pressOptionKey: (key, code) => optionKeyAsEvents(page, key, code),
      freeze: (ms) => busyFor(page, ms),
    };
    return page;
  }

  return {
    name: "webkit",
    version: `${capabilities.browserName} ${capabilities.browserVersion}`,
    cannot: {
      devTools: "WebDriver has no DevTools protocol",
      showWhileFrozen: "a frozen tab is one whose own thread is kept busy, which shows only once it is free",
      touch: "WebKitWebDriver sends the pointer actions of type \"touch\" as a mouse's, and has no touch screen emulation",
      scriptBeforePage: "WebDriver runs no script of its own before the page's (no preload scripts in WebKitWebDriver)",
    },
    newPage,
    close: async () => {
      await call("DELETE", `/session/${sessionId}`).catch(() => {});
      driver.kill();
    },
  };
}
