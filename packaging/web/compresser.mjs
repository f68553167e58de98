// Writes beside each file of the page that compresses its gzip (-9) and brotli (quality 11)
// copies, for hosts that serve those as they are; prints what each weighs raw and compressed.
//   node compresser.mjs SITE
import { readdir, readFile, writeFile } from "node:fs/promises";
import path from "node:path";
import zlib from "node:zlib";

const site = process.argv[2];
const compressibles = [".html", ".js", ".wasm", ".webmanifest", ".txt"];
const total = { brut: 0, gzip: 0, brotli: 0 };
for (const nom of (await readdir(site)).sort()) {
  if (!compressibles.includes(path.extname(nom))) continue;
  const octets = await readFile(path.join(site, nom));
  const gzip = zlib.gzipSync(octets, { level: 9 });
  const brotli = zlib.brotliCompressSync(octets, { params: {
    [zlib.constants.BROTLI_PARAM_QUALITY]: 11,
    [zlib.constants.BROTLI_PARAM_LGWIN]: 24,
    [zlib.constants.BROTLI_PARAM_SIZE_HINT]: octets.length } });
  await writeFile(path.join(site, `${nom}.gz`), gzip);
  await writeFile(path.join(site, `${nom}.br`), brotli);
  console.log(`   ${nom}: ${octets.length} bytes, ${gzip.length} gzip, ${brotli.length} brotli`);
  total.brut += octets.length;
  total.gzip += gzip.length;
  total.brotli += brotli.length;
}
console.log(`   compressible files: ${total.brut} bytes, ${total.gzip} gzip, ${total.brotli} brotli`);
