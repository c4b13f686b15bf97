// Debian's chromium, headless, in a fresh profile, driven through puppeteer-core.
import { launch } from "puppeteer-core";
import { mkdtemp } from "node:fs/promises";
import { tmpdir } from "node:os";
import { join } from "node:path";

export async function startChromium(profile) {
  const userDataDir = profile ?? (await mkdtemp(join(tmpdir(), "quorvel-chromium-")));
  const browser = await launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    userDataDir,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           "--window-size=1280,900", "--lang=it-IT"],
    defaultViewport: { width: 1280, height: 900 },
  });
  return { browser, userDataDir };
}
