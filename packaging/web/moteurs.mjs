// The page in the two other engines players use, as a player would drive it: Firefox (Debian's
// firefox-esr, through WebDriver BiDi) and WebKit (WebKitGTK's own browser, through its W3C
// WebDriver), each in a window on the X display DISPLAY names, whose clipboard is read with xclip.
// Prints what it saw; exits 1 on any fault.
//   node moteurs.mjs SITE KEYS EXPECTED-CODE FIELD-COPY REFERENCE OUT   (from build-web/essai/)
// KEYS, EXPECTED-CODE: what essayer.sh typed into the Linux build and what its "Copier" copied;
// FIELD-COPY: what Ctrl+A, Ctrl+C copied from its field; REFERENCE: tests/reference_page's
// folder; OUT: where the screenshots go.
import { execFileSync, spawn } from "node:child_process";
import { readFile, writeFile } from "node:fs/promises";
import net from "node:net";
import path from "node:path";
import puppeteer from "puppeteer-core";
import { couleurs, degradeEtItalique, ecart, pixels, servir } from "./commun.mjs";

const [site, touches, attendu, copieChamp, reference, sortie] = process.argv.slice(2);
const positions = JSON.parse(await readFile(path.join(reference, "positions.json"), "utf8"));
const [largeur, hauteur] = positions.ecran;
const codes = positions.codes;
const { serveur, adresse } = await servir(site);
const attendre = (ms) => new Promise((r) => setTimeout(r, ms));
// Qt's notice that speaks of the platform, as the Chromium trial allows it.
const notices = /OpenType support missing for "[^"]+", script 11/;

// The X clipboard, as any other program on the display reads it; "" where nothing is there.
const presse = (type = "UTF8_STRING") => {
  try {
    return execFileSync("xclip", ["-o", "-selection", "clipboard", "-t", type],
                        { timeout: 3000, stdio: ["ignore", "pipe", "ignore"] });
  } catch {
    return Buffer.alloc(0);
  }
};
// xclip stays to serve what it was given: its output is not waited for.
const viderPresse = () => execFileSync("xclip", ["-i", "-selection", "clipboard"],
                                       { input: "∅", stdio: ["pipe", "ignore", "ignore"] });

// Firefox, through puppeteer's WebDriver BiDi, in a window (headless, it keeps its clipboard to
// itself), in French, with WebGL on the display's software renderer.
async function firefox() {
  const navigateur = await puppeteer.launch({
    browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: false,
    extraPrefsFirefox: { "webgl.force-enabled": true, "intl.accept_languages": "fr-FR",
                         "intl.locale.requested": "fr-FR" },
  });
  const page = await navigateur.newPage();
  await page.setViewport({ width: largeur, height: hauteur });
  const console_ = [];
  page.on("console", (m) => {
    if (["error", "warn", "warning", "assert"].includes(m.type()) && !notices.test(m.text()))
      console_.push(`console ${m.type()}: ${m.text()}`);
  });
  page.on("pageerror", (e) => console_.push(`page error: ${e.message}`));
  const nom = (cle) => (cle.length === 1 && /[a-z]/.test(cle) ? `Key${cle.toUpperCase()}` : cle);
  return {
    nom: `Firefox ${(await navigateur.version()).replace(/^firefox\//i, "")}`,
    ouvrir: (url) => page.goto(url, { waitUntil: "domcontentloaded" }),
    recharger: () => page.reload({ waitUntil: "domcontentloaded" }),
    capture: () => page.screenshot({ type: "png" }),
    cliquer: (x, y) => page.mouse.click(x, y),
    taper: (texte) => page.keyboard.type(texte, { delay: 30 }),
    touche: async (cle, avec) => {
      if (avec) await page.keyboard.down(avec);
      await page.keyboard.press(nom(cle));
      if (avec) await page.keyboard.up(avec);
    },
    executer: (fonction, ...arguments_) => page.evaluate(fonction, ...arguments_),
    fautes: async () => console_,
    fermer: () => navigateur.close(),
  };
}

// WebKitGTK's MiniBrowser, through WebKitWebDriver's plain HTTP and JSON. Its language follows
// the process's locale, made here from glibc's sources (no system locale is needed).
async function webkit() {
  const port = await new Promise((fait) => {
    const essai = net.createServer().listen(0, "127.0.0.1", () => {
      const { port } = essai.address();
      essai.close(() => fait(port));
    });
  });
  const pilote = spawn("WebKitWebDriver", [`--port=${port}`], {
    stdio: "ignore",
    env: { ...process.env, LOCPATH: process.env.VIVAREL_LOCALES, LANG: "fr_FR.UTF-8",
           LC_ALL: "fr_FR.UTF-8" },
  });
  const appel = async (methode, chemin, corps) => {
    const reponse = await fetch(`http://127.0.0.1:${port}${chemin}`, {
      method: methode, headers: { "Content-Type": "application/json" },
      body: corps === undefined ? undefined : JSON.stringify(corps) });
    const { value } = await reponse.json();
    if (!reponse.ok) throw new Error(`${methode} ${chemin}: ${JSON.stringify(value)}`);
    return value;
  };
  let session;
  for (let essai = 0; !session; essai++) {
    try {
      session = await appel("POST", "/session", { capabilities: { alwaysMatch: {
        "webkitgtk:browserOptions": {
          binary: "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser", args: ["--automation"] },
      } } });
    } catch (e) {
      if (essai > 50) throw e;
      await attendre(200);
    }
  }
  const ici = `/session/${session.sessionId}`;
  const executer = (fonction, ...arguments_) =>
    appel("POST", `${ici}/execute/sync`, { script: `return (${fonction})(...arguments);`,
                                          args: arguments_ });
  // The viewport the reference's screen's size: the window's frame and toolbar added.
  let taille = { width: largeur, height: hauteur };
  for (let i = 0; i < 3; i++) {
    await appel("POST", `${ici}/window/rect`, taille);
    const [l, h] = await executer(() => [innerWidth, innerHeight]);
    if (l === largeur && h === hauteur) break;
    taille = { width: taille.width + largeur - l, height: taille.height + hauteur - h };
  }
  const codesCles = { Alt: "\uE00A", Control: "\uE009", Shift: "\uE008", End: "\uE010",
                      Home: "\uE011", Enter: "\uE007", ArrowDown: "\uE015",
                      Backspace: "\uE003", Escape: "\uE00C" };
  const cles = (suite) => appel("POST", `${ici}/actions`, { actions: [{ type: "key", id: "clavier",
    actions: suite.flatMap((c) => [{ type: "keyDown", value: codesCles[c] ?? c },
                                   { type: "keyUp", value: codesCles[c] ?? c }]) }] });
  // The console of a page is not given by this driver: what the page reports once the hook is
  // in, from the first look after each load on.
  const guetter = () => executer(() => {
    if (window.vivarelFautes) return;
    window.vivarelFautes = [];
    for (const type of ["error", "warn"]) {
      const avant = console[type].bind(console);
      console[type] = (...m) => { window.vivarelFautes.push(`console ${type}: ${m.join(" ")}`); avant(...m); };
    }
    addEventListener("error", (e) => window.vivarelFautes.push(`page error: ${e.message}`));
  });
  const fautes = [];
  const relever = async () => {
    fautes.push(...((await executer(() => window.vivarelFautes ?? [])) ?? [])
                    .filter((f) => !notices.test(f)));
  };
  const ouvrir = async (url) => {
    await relever().catch(() => {});
    await appel("POST", `${ici}/url`, { url });
    await guetter();
  };
  return {
    nom: `WebKitGTK ${session.capabilities.browserVersion}`,
    ouvrir,
    recharger: async () => {
      await relever();
      await appel("POST", `${ici}/refresh`, {});
      await guetter();
    },
    capture: async () => Buffer.from(await appel("GET", `${ici}/screenshot`), "base64"),
    cliquer: (x, y) => appel("POST", `${ici}/actions`, { actions: [{ type: "pointer", id: "souris",
      parameters: { pointerType: "mouse" },
      actions: [{ type: "pointerMove", x, y, origin: "viewport" },
                { type: "pointerDown", button: 0 }, { type: "pointerUp", button: 0 }] }] }),
    taper: async (texte) => { for (const c of texte) await cles([c]); },
    touche: (cle, avec) => {
      const c = cle.length > 1 && cle.startsWith("Key") ? cle.slice(3).toLowerCase() : cle;
      if (!avec) return cles([c]);
      return appel("POST", `${ici}/actions`, { actions: [{ type: "key", id: "clavier", actions: [
        { type: "keyDown", value: codesCles[avec] }, { type: "keyDown", value: codesCles[c] ?? c },
        { type: "keyUp", value: codesCles[c] ?? c }, { type: "keyUp", value: codesCles[avec] }] }] });
    },
    executer,
    fautes: async () => { await relever(); return fautes; },
    fermer: async () => {
      await appel("DELETE", ici).catch(() => {});
      pilote.kill();
    },
  };
}

// The same gestures in each engine, against what the Linux build copied for them.
async function essayer(pilote) {
  const fautes = [];
  const pause = () => attendre(400);
  const cliquer = async (ou) => {
    const [x, y] = typeof ou === "string" ? positions[ou] : ou;
    await pilote.cliquer(x, y);
    await pause();
  };
  const touche = async (cle, avec) => { await pilote.touche(cle, avec); await attendre(250); };
  const lire = async (geste) => {
    viderPresse();
    await geste();
    await pause();
    return presse().toString();
  };
  const verifier = (quoi, lu, voulu) => {
    console.log(`   ${pilote.nom}, ${quoi}: ${lu}`);
    if (lu !== voulu) fautes.push(`${quoi} gave "${lu}", where Linux gave "${voulu}"`);
  };
  const copier = () => lire(() => touche("KeyP", "Alt"));
  // As in Chromium: from navigation to the page's mark of the window drawn, which a screenshot
  // must then show.
  const attendreFenetre = async (quoi) => {
    const debut = Date.now();
    let marque;
    while (Date.now() - debut < 60000) {
      marque ??= await pilote.executer(
          () => performance.getEntriesByName("vivarel-fenetre-dessinee")[0]?.startTime);
      if (marque != null && couleurs(await pilote.capture()) > 40)
        return `${Math.round(marque)} ms after navigation, seen in a screenshot at ${Date.now() - debut} ms`;
      await attendre(100);
    }
    fautes.push(`${quoi}: no window after 60 s`);
    return "never";
  };

  await pilote.ouvrir(adresse);
  console.log(`   ${pilote.nom}: window drawn ${await attendreFenetre("first load")}`);
  await attendre(400);
  const vue = await pilote.capture();
  await writeFile(path.join(sortie, `${pilote.nom.split(" ")[0]}.png`), vue);
  const { part, carre } = ecart(pixels(vue), pixels(await readFile(path.join(reference, "page-0.png"))));
  const pour = (x) => `${(100 * x).toFixed(2)} %`;
  console.log(`   ${pilote.nom}, tab 1: ${pour(part)} of pixels differ from Linux, ${pour(carre)} at most in a square`);
  if (part > 0.01 || carre > 16 / 256) fautes.push(`tab 1 differs from Linux on ${pour(part)} of pixels`);

  // Typed, a catalogue character inserted (Alt+I), copied by the mnemonic and by the button.
  await cliquer("editeurPseudo");
  await pilote.taper(touches);
  await touche("KeyI", "Alt");
  verifier("Alt+P", await copier(), attendu);
  verifier("the button \"Copier\"", await lire(() => cliquer("boutonCopier")), attendu);
  await cliquer("editeurPseudo");
  verifier("Ctrl+A, Ctrl+C in the field",
           await lire(async () => { await touche("KeyA", "Control"); await touche("KeyC", "Control"); }),
           copieChamp);
  await touche("End");
  // Text from an input method: a composition, as the browser reports one to the hidden field.
  await pilote.executer(() => {
    const champ = document.querySelector("textarea");
    champ.dispatchEvent(new CompositionEvent("compositionstart", { data: "" }));
    champ.value = "é";
    champ.dispatchEvent(new InputEvent("input", { data: "é", isComposing: true,
                                                  inputType: "insertCompositionText" }));
    champ.dispatchEvent(new CompositionEvent("compositionend", { data: "é" }));
  });
  verifier("a composed \"é\"", await copier(), attendu + "é");
  await touche("Backspace");

  // A refused copy is never said to be done: the code waits selected in its line instead.
  const surligne = async () => {
    const { largeur: l, canaux, image } = pixels(await pilote.capture());
    const y = positions.ligneSortie[1];
    let n = 0;
    for (let x = 0; x < l; x++) {
      const i = (y * l + x) * canaux;
      n += Math.abs(image[i] - 0x30) + Math.abs(image[i + 1] - 0x8c) + Math.abs(image[i + 2] - 0xc6) < 60;
    }
    return n;
  };
  await pilote.executer(() => {
    window.vivarelExecCommand = document.execCommand;
    document.execCommand = () => false;
  });
  const refus = await lire(() => cliquer("boutonCopier"));
  const selection = await surligne();
  await pilote.executer(() => { document.execCommand = window.vivarelExecCommand; });
  console.log(`   ${pilote.nom}, a refused copy: clipboard "${refus}", ${selection} pixels of the code line selected`);
  if (refus !== "∅" || selection < 20) fautes.push(`a refused copy: "${refus}", ${selection} pixels selected`);

  // The gestures the reference made: a gradient preset and italics on everything, copied; the
  // field's own copy; a paste at its end; an imported code; the HTML copy's text.
  await degradeEtItalique(cliquer, touche, positions);
  verifier("gradient", await lire(() => cliquer("boutonCopier")), codes.gradient);
  await cliquer("editeurPseudo");
  await touche("End");
  await touche("Home", "Shift");
  verifier("ctrl+c", await lire(() => touche("KeyC", "Control")), codes["ctrl+c"]);
  await touche("End");
  await touche("KeyV", "Control");
  verifier("paste", await lire(() => cliquer("boutonCopier")), codes.paste);
  await cliquer("boutonImporter");
  await pilote.taper("$f00Im$0f0port");
  await touche("Enter");
  verifier("import", await lire(() => cliquer("boutonCopier")), codes.import);
  verifier("html", await lire(() => cliquer("boutonCopierHtml")), codes.html);
  // An image wherever the browser takes one.
  viderPresse();
  await cliquer("boutonCopierImage");
  await attendre(1000);
  const image = presse("image/png");
  const enImage = image.length > 8 && image.toString("latin1", 1, 4) === "PNG" && couleurs(image) > 3;
  console.log(`   ${pilote.nom}, "Copier l'image": ${enImage ? `a PNG of ${image.length} bytes` : "no image (the window says so)"}`);

  // Kept by the browser: the nickname and a collection entry back after a reload.
  await cliquer(positions.languettes[4]);
  await touche("KeyE", "Alt");
  await pilote.taper("Course");
  await touche("Enter");
  await cliquer(positions.languettes[0]);
  await attendre(2500);
  await pilote.recharger();
  await attendreFenetre("reload");
  verifier("after a reload", await copier(), codes.import);
  const gardes = await pilote.executer(() => Object.keys(localStorage)
      .filter((k) => k.startsWith("vivarel:/")).map((k) => localStorage.getItem(k)).join(""));
  if (!gardes.includes("\"Course\"")) fautes.push("after a reload, the collection lost \"Course\"");

  // A link carries a nickname.
  const lien = "$f00Li$0c0en $i★";
  await pilote.ouvrir("about:blank");
  await pilote.ouvrir(adresse + "#" + encodeURIComponent(lien));
  await attendreFenetre("a link");
  verifier("a link", await copier(), lien);

  fautes.push(...await pilote.fautes());
  return fautes;
}

let echecs = 0;
for (const moteur of [firefox, webkit]) {
  let pilote;
  let fautes;
  try {
    pilote = await moteur();
    fautes = await essayer(pilote);
  } catch (e) {
    fautes = [`the trial itself: ${e.stack}`];
  } finally {
    await pilote?.fermer().catch(() => {});
  }
  for (const faute of fautes) console.log(`FAIL: ${pilote?.nom ?? moteur.name}: ${faute}`);
  echecs += fautes.length;
}
serveur.close();
console.log(`   ${echecs} fault(s) in Firefox and WebKit`);
process.exit(echecs ? 1 : 0);
