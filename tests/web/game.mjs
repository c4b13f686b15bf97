// What web-match and the benchmark see of the game in a page: Qt's windows in
// the page (its screen is a shadow root), the texts a screen reader gets (each
// engine's driver reads them: engines/), and the keys a pupil presses.

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The visible Qt windows, top last: their title and the texts Qt put into the
// page for a screen reader.
export async function qtWindows(page) {
  return page.evaluate(() => {
    const host = document.querySelector("#qt-shadow-container");
    const root = host && host.shadowRoot;
    if (!root)
      return [];
    return [...root.querySelectorAll(".qt-window")]
      .filter((w) => w.style.display !== "none")
      .map((w) => ({
        title: (w.querySelector(".title-bar") || {}).innerText || "",
        texts: [...w.querySelectorAll(".qt-window-a11y-container *")]
          .map((e) => [e.getAttribute("aria-label"), e.value, e.innerText, e.getAttribute("aria-description")]
                 .filter((t) => t).join(" | "))
          .filter((t) => t),
      }));
  });
}

// The texts a screen reader gets from the page, as the engine's driver reads
// them: the nodes that have a name, a value or a description.
export const accessibleTexts = (page) => page.screenReaderTexts();

// Asks the page every intervalMs until probe finds something.
export async function waitFor(what, probe, timeoutMs = 30000, intervalMs = 100) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const found = await probe();
    if (found)
      return found;
    if (Date.now() > end)
      throw new Error(`waited ${timeoutMs} ms for ${what}`);
    await sleep(intervalMs);
  }
}

// The top window once it shows `text` among its screen reader texts.
export async function waitForWindowWith(page, text, timeoutMs = 30000, intervalMs = 100) {
  return waitFor(`a window saying "${text}"`, async () => {
    const windows = await qtWindows(page);
    const top = windows[windows.length - 1];
    return top && top.texts.some((t) => t.includes(text)) ? top : null;
  }, timeoutMs, intervalMs);
}

export async function press(page, key, modifier) {
  if (modifier)
    await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  if (modifier)
    await page.keyboard.up(modifier);
}

// The name prompt: the first window of a start. Qt puts the widgets of the
// windows opened after the screen reader support is on into the page; the
// prompt, opened with it, shows none.
export async function waitForNamePrompt(page, timeoutMs = 60000, intervalMs = 100) {
  return waitFor("the name prompt", async () => {
    const windows = await qtWindows(page);
    return windows.length === 1 && windows[0].title.includes("Quorvel") ? windows[0] : null;
  }, timeoutMs, intervalMs);
}

// The five boxes after the name, by a piece of each.
export const instructions = ["vediamo se sei un vero campione", "Premi il tasto invio", "ed ancora invio",
                             "Puoi ritornare con il mouse", "Buona fortuna"];

// Types a name into the name prompt and answers the five instructions with Enter.
export async function startMatch(page, name) {
  await waitForNamePrompt(page);
  await sleep(300);
  await page.keyboard.type(name, { delay: 20 });
  await press(page, "Enter");
  for (const text of instructions) {
    await waitForWindowWith(page, text);
    // A box's texts reach the page a moment before it has the keyboard; on a
    // busy machine an Enter pressed at once could go to the box before.
    await sleep(150);
    await press(page, "Enter");
  }
  return waitForWindowWith(page, "Il numero sopra la linea della frazione");
}

// The exercise's fraction, as the answer box's description in the page's
// accessibility tree reads it to a screen reader.
export async function fraction(page) {
  const texts = await accessibleTexts(page);
  for (const node of texts) {
    const found = /Semplifica (\d+) su (\d+)/.exec(node.description);
    if (found)
      return { numerator: Number(found[1]), denominator: Number(found[2]), node };
  }
  throw new Error("no fraction in the accessibility tree");
}

export const gcd = (a, b) => (b === 0 ? a : gcd(b, a % b));

// The middle of the widget whose screen reader text holds `piece`: Qt lays
// each one's element in the page over the widget.
export async function placeOf(page, piece) {
  return page.evaluate((piece) => {
    const root = document.querySelector("#qt-shadow-container").shadowRoot;
    for (const e of root.querySelectorAll(".qt-window-a11y-container *")) {
      const own = [...e.childNodes].filter((t) => t.nodeType === Node.TEXT_NODE).map((t) => t.data).join("");
      const text = [e.getAttribute("aria-label"), e.value, e.getAttribute("aria-description"), own].join(" ");
      if (text.includes(piece) && e.getClientRects().length) {
        const r = e.getBoundingClientRect();
        return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
      }
    }
    return null;
  }, piece);
}

// A click into the answer's numerator box, as a pupil may do to correct it.
export async function clickNumeratorBox(page) {
  const place = await placeOf(page, "Semplifica");
  if (!place)
    throw new Error("no numerator box in the page");
  await page.mouse.click(place.x, place.y);
}

export async function answer(page, right) {
  await clickNumeratorBox(page);
  const { numerator, denominator, node } = await fraction(page);
  const divisor = gcd(numerator, denominator);
  const top = numerator / divisor + (right ? 0 : 1);
  await page.keyboard.type(String(top));
  await press(page, "Enter");
  await page.keyboard.type(String(denominator / divisor));
  await press(page, "Enter");
  return { numerator, denominator, node, answered: `${top}/${denominator / divisor}` };
}
