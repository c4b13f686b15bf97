// What web-match and the benchmark see of the game in a page: Qt's windows in
// the page (its screen is a shadow root), the page's accessibility tree as
// chromium builds it, and the keys a pupil presses.

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
          .map((e) => [e.getAttribute("aria-label"), e.value, e.innerText].filter((t) => t).join(" | "))
          .filter((t) => t),
      }));
  });
}

// The accessibility tree's nodes that have a name, a value or a description.
export async function accessibleTexts(page) {
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
}

export async function waitFor(what, probe, timeoutMs = 30000) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const found = await probe();
    if (found)
      return found;
    if (Date.now() > end)
      throw new Error(`waited ${timeoutMs} ms for ${what}`);
    await sleep(100);
  }
}

// The top window once it shows `text` among its screen reader texts.
export async function waitForWindowWith(page, text, timeoutMs = 30000) {
  return waitFor(`a window saying "${text}"`, async () => {
    const windows = await qtWindows(page);
    const top = windows[windows.length - 1];
    return top && top.texts.some((t) => t.includes(text)) ? top : null;
  }, timeoutMs);
}

export async function press(page, key, modifier) {
  if (modifier)
    await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  if (modifier)
    await page.keyboard.up(modifier);
}

// Types a name into the name prompt and answers the five instructions with Enter.
export async function startMatch(page, name) {
  await waitForWindowWith(page, "Come ti chiami?");
  await page.keyboard.type(name, { delay: 20 });
  await press(page, "Enter");
  for (let box = 0; box < 5; ++box) {
    await waitForWindowWith(page, box === 4 ? "Buona fortuna" : "");
    await press(page, "Enter");
    await sleep(150);
  }
  return waitForWindowWith(page, "Numeratore della frazione da semplificare");
}

// The exercise's fraction, from the page's accessibility tree.
export async function fraction(page) {
  const texts = await accessibleTexts(page);
  const valueOf = (name) => {
    const node = texts.find((n) => n.name.startsWith(name));
    return node ? Number(node.value) : NaN;
  };
  return { numerator: valueOf("Numeratore della frazione"), denominator: valueOf("Denominatore della frazione") };
}

const gcd = (a, b) => (b === 0 ? a : gcd(b, a % b));

export async function answer(page, right) {
  const { numerator, denominator } = await fraction(page);
  const divisor = gcd(numerator, denominator);
  const top = numerator / divisor + (right ? 0 : 1);
  await page.keyboard.type(String(top));
  await press(page, "Enter");
  await page.keyboard.type(String(denominator / divisor));
  await press(page, "Enter");
  return { numerator, denominator, answered: `${top}/${denominator / divisor}` };
}
