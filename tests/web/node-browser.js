// What the suite's programs built for WebAssembly find of a browser under
// node: Qt asks navigator for the languages (node 20 has no navigator), and
// tst_webstorage keeps the record in a stand-in for localStorage.
if (typeof globalThis.navigator === "undefined")
  globalThis.navigator = { language: "it-IT", languages: ["it-IT"] };

// The stand-in for localStorage: a map of strings with a quota in characters,
// which the test sets, and a switch that makes every use throw as in a page
// that may keep no data.
if (typeof globalThis.localStorage === "undefined") {
  const items = new Map();
  const state = { quota: Infinity, refused: false };
  const check = () => {
    if (state.refused)
      throw new DOMException("The page may keep no data", "SecurityError");
  };
  const used = () => [...items].reduce((sum, [key, value]) => sum + key.length + value.length, 0);
  globalThis.quorvelStorageState = state;
  globalThis.localStorage = {
    get length() { check(); return items.size; },
    key(i) { check(); return [...items.keys()][i] ?? null; },
    getItem(key) { check(); return items.has(key) ? items.get(key) : null; },
    setItem(key, value) {
      check();
      const old = items.has(key) ? key.length + items.get(key).length : 0;
      if (used() - old + key.length + String(value).length > state.quota)
        throw new DOMException("The quota has been exceeded", "QuotaExceededError");
      items.set(key, String(value));
    },
    removeItem(key) { check(); items.delete(key); },
    clear() { check(); items.clear(); },
  };
}
