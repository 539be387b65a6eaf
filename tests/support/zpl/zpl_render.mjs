// Renders a ZPL stream with zpl-renderer-js, a renderer written outside this
// project, so that the tests can hold our printer output against it:
//   node zpl_render.mjs STREAM.zpl OUTDIR DOTS_PER_MM WIDTH_DOTS HEIGHT_DOTS
// Writes OUTDIR/label-0.png, label-1.png, ... one per ^XA..^XZ format, and
// prints their number. The stream is read byte for byte (latin1), so only the
// ASCII forms of ZPL reach the renderer unchanged.
import fs from "node:fs";
import path from "node:path";
import { createRequire } from "node:module";

const [stream, outDir, dpmmText, widthText, heightText] = process.argv.slice(2);
if (!heightText) {
  console.error("usage: zpl_render.mjs STREAM.zpl OUTDIR DOTS_PER_MM WIDTH_DOTS HEIGHT_DOTS");
  process.exit(2);
}
const dpmm = Number(dpmmText);
const width = Number(widthText);
const height = Number(heightText);

// Node.js 18 (Debian 12's) has no global Web Crypto, which the Go runtime
// inside asks for as soon as the package loads.
if (!globalThis.crypto) globalThis.crypto = (await import("node:crypto")).webcrypto;

let renderer;
try {
  // The CommonJS build: the package does not declare itself an ES module.
  renderer = createRequire(import.meta.url)("zpl-renderer-js");
} catch (e) {
  if (e?.code !== "MODULE_NOT_FOUND") throw e;
  console.error(`zpl-renderer-js is not installed beside ${path.dirname(new URL(import.meta.url).pathname)}` +
                ` (scripts/setup --test installs it)`);
  process.exit(3);
}

// The renderer takes millimetres and makes the picture ceil(mm * dpmm) dots
// wide and long; half a dot short lands exactly on the size asked for.
let labels;
try {
  const { api } = await renderer.ready;
  labels = await api.zplToBase64MultipleAsync(fs.readFileSync(stream, "latin1"),
                                              (width - 0.5) / dpmm, (height - 0.5) / dpmm, dpmm);
} catch (e) {
  // Its own message only: a trace points into an 8 MB line of minified code.
  console.error(`zpl-renderer-js: ${e?.message ?? e}`);
  process.exit(1);
}
fs.mkdirSync(outDir, { recursive: true });
labels.forEach((png, i) => fs.writeFileSync(path.join(outDir, `label-${i}.png`), Buffer.from(png, "base64")));
console.log(labels.length);
// The Go runtime inside keeps the event loop alive.
process.exit(0);
