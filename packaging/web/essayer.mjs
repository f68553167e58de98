// The page in Debian's Chromium, headless, driven through the DevTools protocol as a player
// would drive it: served from this machine's loopback, opened in French, typed into, copied from,
// reloaded without a network. Prints what it measured; exits 1 on any fault, a console error or
// a Qt warning included.
//   node essayer.mjs SITE KEYS EXPECTED-CODE CAPTURE.png   (from build-web/essai/)
import http from "node:http";
import { mkdtemp, readFile, rm, writeFile } from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import puppeteer from "puppeteer-core";

const [site, touches, attendu, capture] = process.argv.slice(2);
// Where the first and the last tab and the collection's "Exporter…" and "Importer…" show in a
// 1000-pixel-wide page, with the faces it carries. (Alt+X, "Exporter…"'s mnemonic, does not
// reach it in the page; not yet known why.)
const ici = { premier: { x: 90, y: 191 }, pseudos: { x: 744, y: 191 },
              exporter: { x: 829, y: 294 }, importer: { x: 930, y: 294 } };
const fautes = [];
const racine = path.resolve(site);

const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript",
                ".wasm": "application/wasm", ".png": "image/png", ".txt": "text/plain",
                ".webmanifest": "application/manifest+json" };
const serveur = http.createServer(async (requete, reponse) => {
  let chemin = decodeURIComponent(new URL(requete.url, "http://ici").pathname);
  if (chemin.endsWith("/")) chemin += "index.html";
  const fichier = path.join(racine, path.normalize(chemin));
  try {
    if (!fichier.startsWith(racine + path.sep)) throw new Error("outside");
    const octets = await readFile(fichier);
    reponse.writeHead(200, { "Content-Type": types[path.extname(fichier)] ?? "application/octet-stream",
                             "Content-Length": octets.length });
    reponse.end(octets);
  } catch {
    reponse.writeHead(404).end();
  }
});
await new Promise((fait) => serveur.listen(0, "127.0.0.1", fait));
const adresse = `http://127.0.0.1:${serveur.address().port}/`;

// The pixels of a PNG as Chromium writes it: 8 bits per channel, RGB or RGBA, not interlaced.
function pixels(png) {
  let position = 8, largeur = 0, hauteur = 0, canaux = 0;
  const morceaux = [];
  while (position < png.length) {
    const longueur = png.readUInt32BE(position);
    const type = png.toString("latin1", position + 4, position + 8);
    const donnees = png.subarray(position + 8, position + 8 + longueur);
    if (type === "IHDR") {
      largeur = donnees.readUInt32BE(0);
      hauteur = donnees.readUInt32BE(4);
      canaux = { 2: 3, 6: 4 }[donnees[9]];
    } else if (type === "IDAT") {
      morceaux.push(donnees);
    }
    position += 12 + longueur;
  }
  const brut = zlib.inflateSync(Buffer.concat(morceaux));
  const ligne = largeur * canaux;
  const image = Buffer.alloc(ligne * hauteur);
  for (let y = 0; y < hauteur; y++) {
    const filtre = brut[y * (ligne + 1)];
    for (let x = 0; x < ligne; x++) {
      const octet = brut[y * (ligne + 1) + 1 + x];
      const a = x >= canaux ? image[y * ligne + x - canaux] : 0;
      const b = y ? image[(y - 1) * ligne + x] : 0;
      const c = x >= canaux && y ? image[(y - 1) * ligne + x - canaux] : 0;
      const p = a + b - c;
      const paeth = Math.abs(p - a) <= Math.abs(p - b) && Math.abs(p - a) <= Math.abs(p - c) ? a
                  : Math.abs(p - b) <= Math.abs(p - c) ? b : c;
      image[y * ligne + x] = octet + [0, a, b, (a + b) >> 1, paeth][filtre];
    }
  }
  return { largeur, hauteur, canaux, image };
}

// How many colours the window shows: a drawn window of text and controls has dozens.
function couleurs(png) {
  const { canaux, image } = pixels(png);
  const vues = new Set();
  for (let i = 0; i < image.length; i += canaux) vues.add(image.readUIntBE(i, 3));
  return vues.size;
}

const profil = await mkdtemp(path.join(os.tmpdir(), "vivarel-chromium-"));
const navigateur = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  userDataDir: profil,
  args: ["--no-sandbox", "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--disable-quic",
         "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--lang=fr-FR"],
});
let sortie = 0;
try {
  await navigateur.defaultBrowserContext().overridePermissions(adresse.slice(0, -1),
      ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
  // Qt's own notices that speak of the platform and not of the program, as the desktop tests
  // allow offscreen's: Qt 6.4's web clipboard reports each copy that succeeded as a warning,
  // and Qt tries the page's interface face for Devanagari before the face that draws it.
  const notices = /^(copy succeeeded|\s*OpenType support missing for "Bitstream Vera Sans", script 11)$/;
  // A tab in French, 1000 pixels wide, whose console is watched.
  async function onglet() {
    const nouvel = await navigateur.newPage();
    await nouvel.setViewport({ width: 1000, height: 800 });
    await nouvel.evaluateOnNewDocument(() => {
      Object.defineProperty(navigator, "language", { get: () => "fr-FR" });
      Object.defineProperty(navigator, "languages", { get: () => ["fr-FR", "fr"] });
    });
    nouvel.on("console", (m) => {
      if (["error", "warn", "warning", "assert"].includes(m.type()) && !notices.test(m.text()))
        fautes.push(`console ${m.type()}: ${m.text()}`);
      // VIVAREL_BAVARD=1: every line of the page's console, to look into a failure.
      if (process.env.VIVAREL_BAVARD) console.log(`   [${m.type()}] ${m.text()}`);
    });
    nouvel.on("pageerror", (e) => fautes.push(`page error: ${e.message} ${e.stack}`));
    return nouvel;
  }
  const page = await onglet();

  // A button's mnemonic, as the window's French labels have them.
  async function raccourci(touche) {
    await page.keyboard.down("Alt");
    await page.keyboard.press(touche);
    await page.keyboard.up("Alt");
    await new Promise((r) => setTimeout(r, 500));
  }
  // The code as "Copier" (Alt+P) puts it on the clipboard.
  async function copier() {
    await page.evaluate(() => navigator.clipboard.writeText(""));
    await raccourci("KeyP");
    return page.evaluate(() => navigator.clipboard.readText());
  }

  // From navigation to the window drawn.
  async function ouvrir(quoi) {
    const debut = Date.now();
    await page.goto(adresse, { waitUntil: "domcontentloaded" });
    return attendreFenetre(debut, quoi);
  }
  async function attendreFenetre(debut, quoi) {
    while (Date.now() - debut < 60000) {
      const montre = await page.$eval("#qtcanvas", (c) => getComputedStyle(c).display !== "none");
      if (montre && couleurs(await page.screenshot({ type: "png" })) > 40)
        return Date.now() - debut;
      await new Promise((r) => setTimeout(r, 50));
    }
    fautes.push(`${quoi}: no window after 60 s (${await page.$eval("#etat", (e) => e.textContent)})`);
    return -1;
  }
  const premier = await ouvrir("first load");
  console.log(`   window drawn ${premier} ms after navigation`);

  // The same keys as in the Linux window; the code through the browser's clipboard.
  await page.keyboard.type(touches, { delay: 40 });
  await raccourci("KeyI");
  const copie = await copier();
  console.log(`   page:  ${copie}`);
  if (copie !== attendu) fautes.push(`copied "${copie}", where the Linux build copied "${attendu}"`);
  await writeFile(capture, await page.screenshot({ type: "png" }));

  // Text that comes without a key, as an input method or a compose sequence sends it.
  await page.keyboard.sendCharacter("é");
  const compose = await copier();
  console.log(`   with "é" from an input method: ${compose}`);
  if (compose !== attendu + "é") fautes.push(`an input method's "é" gave "${compose}"`);
  await page.keyboard.press("Backspace");

  // Files go out as downloads and come in from the browser's own file picker.
  const cdp = await page.createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: profil });
  async function telecharger(geste, nom) {
    await rm(path.join(profil, nom), { force: true });
    await geste();
    for (let i = 0; i < 100; i++) {
      try {
        return await readFile(path.join(profil, nom));
      } catch {
        await new Promise((r) => setTimeout(r, 100));
      }
    }
    fautes.push(`no ${nom} was downloaded`);
    return Buffer.alloc(0);
  }
  const image = await telecharger(() => raccourci("KeyL"), "pseudo.png");
  if (image.length && couleurs(image) < 4) fautes.push("the downloaded image shows no nickname");
  console.log(`   image downloaded: ${image.length} bytes`);
  // The collection: the nickname kept under a name, exported, and a file of two more imported.
  const cliquer = async (ou) => {
    await page.mouse.click(ou.x, ou.y);
    await new Promise((r) => setTimeout(r, 500));
  };
  await cliquer(ici.pseudos);
  await raccourci("KeyE");
  await page.keyboard.type("Course", { delay: 30 });
  await page.keyboard.press("Enter");
  await new Promise((r) => setTimeout(r, 500));
  const exporte = JSON.parse((await telecharger(() => cliquer(ici.exporter), "pseudos.json"))
                                 .toString() || "{}");
  const codes = (exporte.nicknames ?? []).map((e) => e.code);
  console.log(`   collection exported: ${JSON.stringify(codes)}`);
  if (codes.length !== 1 || codes[0] !== attendu) fautes.push(`exported ${JSON.stringify(exporte)}`);
  const autres = path.join(profil, "autres.json");
  await writeFile(autres, JSON.stringify({ format: "vivarel-nicknames", version: 1, nicknames: [
    { name: "Un", code: "$f00Un", date: "2026-12-08T10:00:00Z" },
    { name: "Deux", code: "$0f0Deux", date: "2026-12-08T10:00:00Z" }] }));
  // Right after the export's download, the first click opened no file picker in most runs here
  // and a second one did: said, and left to look into.
  for (let essai = 1; essai <= 3; essai++) {
    const attente = page.waitForFileChooser({ timeout: 5000 }).catch(() => null);
    await cliquer(ici.importer);
    const choix = await attente;
    if (choix) {
      if (essai > 1) console.log(`   the file picker opened on click ${essai}`);
      await choix.accept([autres]);
      break;
    }
    if (essai === 3) fautes.push("three clicks on \"Importer…\" opened no file picker");
  }
  await new Promise((r) => setTimeout(r, 800));
  const tous = JSON.parse((await telecharger(() => cliquer(ici.exporter), "pseudos.json"))
                              .toString() || "{}");
  const noms = (tous.nicknames ?? []).map((e) => e.name).sort();
  console.log(`   after an import: ${JSON.stringify(noms)}`);
  if (JSON.stringify(noms) !== JSON.stringify(["Course", "Deux", "Un"]))
    fautes.push(`after importing two, the collection holds ${JSON.stringify(noms)}`);
  await cliquer(ici.premier);

  // What the player typed is kept by the browser: back after a reload.
  await new Promise((r) => setTimeout(r, 2500));
  await ouvrir("reload");
  const apres = await copier();
  console.log(`   after a reload: ${apres}`);
  if (apres !== attendu) fautes.push(`after a reload the code is "${apres}", not "${attendu}"`);

  // A link carries a nickname; its text is only read.
  for (const [code, attendu] of [["$f00Li$0c0en $i★", "$f00Li$0c0en $i★"],
                                 ["<script>alert(1)</script>$l[javascript:x]a$l",
                                  "<script>alert(1)</script>a"]]) {
    await page.goto("about:blank");
    const debut = Date.now();
    await page.goto(adresse + "#" + encodeURIComponent(code), { waitUntil: "domcontentloaded" });
    await attendreFenetre(debut, "a link");
    const lu = await copier();
    console.log(`   from a link: ${lu}`);
    if (lu !== attendu) fautes.push(`a link carrying "${code}" opened "${lu}", not "${attendu}"`);
  }

  // Two tabs at once, each keeping a nickname of its own: neither's is lost. The second tab
  // opens before the first one keeps anything.
  const autre = await onglet();
  const debutAutre = Date.now();
  await autre.goto(adresse, { waitUntil: "domcontentloaded" });
  while (Date.now() - debutAutre < 60000 && couleurs(await autre.screenshot({ type: "png" })) <= 40)
    await new Promise((r) => setTimeout(r, 100));
  for (const [tab, nom] of [[page, "Onglet A"], [autre, "Onglet B"]]) {
    await tab.bringToFront();
    await tab.mouse.click(ici.pseudos.x, ici.pseudos.y);
    await new Promise((r) => setTimeout(r, 500));
    await tab.keyboard.down("Alt");
    await tab.keyboard.press("KeyE");
    await tab.keyboard.up("Alt");
    await new Promise((r) => setTimeout(r, 500));
    await tab.keyboard.type(nom, { delay: 30 });
    await tab.keyboard.press("Enter");
    await new Promise((r) => setTimeout(r, 500));
  }
  await autre.close();
  await page.bringToFront();
  await ouvrir("reload after two tabs");
  await cliquer(ici.pseudos);
  const deuxOnglets = JSON.parse((await telecharger(() => cliquer(ici.exporter), "pseudos.json"))
                                     .toString() || "{}");
  const gardes = (deuxOnglets.nicknames ?? []).map((e) => e.name).sort();
  console.log(`   after two tabs: ${JSON.stringify(gardes)}`);
  for (const nom of ["Onglet A", "Onglet B"])
    if (!gardes.includes(nom)) fautes.push(`two tabs at once: "${nom}" was lost (${gardes})`);
  await cliquer(ici.premier);

  // Once loaded, it opens without a network.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.setOfflineMode(true);
  const horsLigne = await ouvrir("offline reload");
  console.log(`   offline: window drawn ${horsLigne} ms after navigation`);
  await page.setOfflineMode(false);
} catch (e) {
  fautes.push(`the trial itself: ${e.stack}`);
} finally {
  await navigateur.close();
  serveur.close();
  await rm(profil, { recursive: true, force: true });
}
for (const faute of fautes) console.log(`FAIL: ${faute}`);
if (fautes.length) sortie = 1;
console.log(`   ${fautes.length} fault(s) in the page`);
process.exit(sortie);
