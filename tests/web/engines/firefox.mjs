// Debian's firefox-esr, headless, in a fresh profile, driven through
// puppeteer-core over WebDriver BiDi (no geckodriver, nothing downloaded).
// BiDi has no accessibility tree and no frozen tab: the screen reader's texts
// are read from Qt's elements in the page, and a frozen tab is one whose own
// thread is kept busy while another tab is in front.
import { launch } from "puppeteer-core";
import { busyFor, elementTexts, optionKeyAsEvents } from "./page.mjs";

export async function start() {
  const browser = await launch({
    browser: "firefox",
    executablePath: process.env.FIREFOX || "/usr/bin/firefox-esr",
    headless: true,
    defaultViewport: { width: 1280, height: 900 },
    extraPrefsFirefox: { "intl.accept_languages": "it-IT, it", "intl.locale.requested": "it-IT" },
  });
  return {
    name: "firefox",
    version: await browser.version(),
    cannot: {
      devTools: "WebDriver BiDi has no DevTools protocol",
      showWhileFrozen: "a frozen tab is one whose own thread is kept busy, which shows only once it is free",
    },
    newPage: async () => {
      const page = await browser.newPage();
      return Object.assign(page, {
        screenReaderTexts: () => elementTexts(page),
        pressOptionKey: (key, code) => optionKeyAsEvents(page, key, code),
        freeze: (ms) => busyFor(page, ms),
        // The page's size and pixel ratio; its taps (touchscreen.tap) are
        // touches, though the page does not count as a touch screen's
        // ("pointer: coarse" stays false): the keypad shows at the first tap.
        emulateTouchScreen: ({ width, height, ratio }) =>
          page.setViewport({ width, height, deviceScaleFactor: ratio, isMobile: true, hasTouch: true }),
      });
    },
    close: () => browser.close(),
  };
}
