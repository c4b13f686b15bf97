// A static server for build-web/ on 127.0.0.1, as a school's web server would
// be: it sends a file's .br or .gz copy when the browser takes that encoding,
// and counts the bytes it sends, for the benchmark. With `offline` set it
// answers nothing, as if the network were gone (still noting what was asked).
// Browsers ask it again for a file each time (no-cache), unless told how long
// they may keep one, as many schools' servers let them.
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { extname, join, normalize } from "node:path";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json",
  ".png": "image/png",
  ".txt": "text/plain; charset=utf-8",
  ".zip": "application/zip",
};

async function exists(path) {
  try {
    return (await stat(path)).isFile();
  } catch {
    return false;
  }
}

export async function serve(root, { cacheControl = "no-cache" } = {}) {
  const counter = { bytes: 0, requests: 0, paths: [] };
  const site = { offline: false, counter };
  const server = createServer(async (request, response) => {
    let path = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
    if (site.offline) {
      counter.paths.push(path);
      request.socket.destroy();
      return;
    }
    if (path.endsWith("/"))
      path += "index.html";
    const file = join(root, normalize(path));
    if (!file.startsWith(root) || !(await exists(file))) {
      response.writeHead(404).end();
      return;
    }
    const headers = { "Content-Type": types[extname(file)] || "application/octet-stream", "Cache-Control": cacheControl };
    const accepted = request.headers["accept-encoding"] || "";
    let body;
    for (const [encoding, suffix] of [["br", ".br"], ["gzip", ".gz"]]) {
      if (accepted.includes(encoding) && (await exists(file + suffix))) {
        body = await readFile(file + suffix);
        headers["Content-Encoding"] = encoding;
        headers["Vary"] = "Accept-Encoding";
        break;
      }
    }
    body ??= await readFile(file);
    headers["Content-Length"] = body.length;
    counter.bytes += body.length;
    counter.requests += 1;
    counter.paths.push(path);
    response.writeHead(200, headers).end(body);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return Object.assign(site, { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() });
}
