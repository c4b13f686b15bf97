// What every engine's driver does the same way, in the page itself: the texts
// Qt gives a screen reader, read from its elements; a key event as a Mac's
// Option sends it; a tab whose timers are stopped.

// The texts of Qt's elements for a screen reader, as the accessibility tree
// would name them: a name (the label or the text), a value, a description.
export async function elementTexts(page) {
  return page.evaluate(() => {
    const root = document.querySelector("#qt-shadow-container")?.shadowRoot;
    if (!root)
      return [];
    return [...root.querySelectorAll(".qt-window-a11y-container *")]
      .map((e) => ({
        role: e.getAttribute("role") || e.localName,
        name: e.getAttribute("aria-label") || e.getAttribute("title")
              || [...e.childNodes].filter((t) => t.nodeType === Node.TEXT_NODE).map((t) => t.data).join("")
              || e.getAttribute("name") || "",
        value: (typeof e.value === "string" && e.value) || "",
        description: e.getAttribute("aria-description") || "",
      }))
      .filter((n) => n.name || n.value || n.description);
  });
}

// A key pressed with a Mac's Option held, as the page gets it: the character
// Option makes, the key's place, the Alt flag. Sent as page events to the
// element that has the focus, for engines whose driver types only what a
// keyboard layout of its own makes of a character.
export async function optionKeyAsEvents(page, key, code) {
  await page.evaluate((key, code) => {
    let target = document.activeElement;
    while (target && target.shadowRoot && target.shadowRoot.activeElement)
      target = target.shadowRoot.activeElement;
    target ??= document.body;
    for (const type of ["keydown", "keyup"])
      target.dispatchEvent(new KeyboardEvent(type, { key, code, altKey: true, bubbles: true, cancelable: true, composed: true }));
  }, key, code);
}

// Keeps the page's own thread busy for `ms`: none of its timers can fire,
// as in a tab the browser has frozen.
export async function busyFor(page, ms) {
  await page.evaluate((ms) => {
    const end = Date.now() + ms;
    while (Date.now() < end);
  }, ms);
}
