// What the suite's programs built for WebAssembly find of a browser under
// node: Qt asks navigator for the languages (node 20 has no navigator), and
// tst_webstorage keeps the record in stand-ins for localStorage, Web Locks and
// the storage manager.
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

// The stand-in for Web Locks: one holder of a name at a time, the others waiting
// in turn, a waiter's signal taking it out of the queue; `refused` makes every
// request fail, as in a page the browser allows no locks.
{
  const queues = new Map();
  const state = { refused: false };
  globalThis.quorvelLockState = state;
  const locks = {
    request(name, options, callback) {
      if (typeof options === "function")
        [callback, options] = [options, {}];
      const signal = options.signal;
      if (state.refused)
        return Promise.reject(new DOMException("The page may take no locks", "SecurityError"));
      if (signal && signal.aborted)
        return Promise.reject(new DOMException("The wait was given up", "AbortError"));
      const queue = queues.get(name) ?? [];
      queues.set(name, queue);
      return new Promise((resolve, reject) => {
        const onAbort = () => {
          const place = queue.indexOf(entry);
          if (place > 0) {
            queue.splice(place, 1);
            reject(new DOMException("The wait was given up", "AbortError"));
          }
        };
        const entry = () => {
          signal?.removeEventListener("abort", onAbort);
          Promise.resolve().then(() => callback({ name })).then(resolve, reject).finally(() => {
            queue.shift();
            queue[0]?.();
          });
        };
        signal?.addEventListener("abort", onAbort);
        queue.push(entry);
        if (queue.length === 1)
          entry();
      });
    },
  };
  Object.defineProperty(globalThis.navigator, "locks", { value: locks, configurable: true });
}

// The stand-in for the storage manager, which counts the requests to keep the
// site's storage.
{
  const state = { persistRequests: 0 };
  globalThis.quorvelStorageManagerState = state;
  const storage = { persist: () => { state.persistRequests += 1; return Promise.resolve(true); } };
  Object.defineProperty(globalThis.navigator, "storage", { value: storage, configurable: true });
}
