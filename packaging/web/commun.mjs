// What the trials of the page share: the page served as a static host serves it, and the
// pixels of a screenshot compared with the Linux window's.
import http from "node:http";
import { readFile } from "node:fs/promises";
import path from "node:path";
import zlib from "node:zlib";

// Serves the folder `site` on this machine's loopback as a static host does, compressed where
// the browser asks for it; resolves to the server and its address.
export async function servir(site) {
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
      // A file's precompressed copy where the browser takes it, brotli first, as hosts do.
      const acceptes = String(requete.headers["accept-encoding"] ?? "");
      let octets, codage;
      for (const [nom, suffixe] of [["br", ".br"], ["gzip", ".gz"]]) {
        if (octets || !acceptes.includes(nom)) continue;
        octets = await readFile(fichier + suffixe).catch(() => undefined);
        if (octets) codage = nom;
      }
      octets ??= await readFile(fichier);
      reponse.writeHead(200, { "Content-Type": types[path.extname(fichier)] ?? "application/octet-stream",
                               "Content-Length": octets.length, "Vary": "Accept-Encoding",
                               ...(codage ? { "Content-Encoding": codage } : {}) });
      reponse.end(octets);
    } catch {
      reponse.writeHead(404).end();
    }
  });
  await new Promise((fait) => serveur.listen(0, "127.0.0.1", fait));
  return { serveur, adresse: `http://127.0.0.1:${serveur.address().port}/` };
}

// The pixels of a PNG as Chromium writes it: 8 bits per channel, RGB or RGBA, not interlaced.
export function pixels(png) {
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

// The share of a region of the page (at x0, y0, the reference's size) where no pixel of the
// reference within one pixel is close: where only antialiasing differs, a neighbour is. And the
// largest share in a 16-pixel square of it, where one glyph drawn otherwise (a missing-glyph
// box) shows. `a` and `b`: the page's and the reference's pixels.
export function ecart(a, b, x0 = 0, y0 = 0) {
  const couleur = (p, x, y) => { const i = (y * p.largeur + x) * p.canaux;
                                 return [p.image[i], p.image[i + 1], p.image[i + 2]]; };
  let differents = 0;
  const carres = new Map();
  for (let y = 0; y < b.hauteur; y++) {
    for (let x = 0; x < b.largeur; x++) {
      const c = couleur(a, x0 + x, y0 + y);
      let proche = false;
      for (let dy = -1; dy <= 1 && !proche; dy++) {
        for (let dx = -1; dx <= 1 && !proche; dx++) {
          const [u, v] = [x + dx, y + dy];
          if (u < 0 || v < 0 || u >= b.largeur || v >= b.hauteur) continue;
          const d = couleur(b, u, v);
          proche = Math.max(...c.map((k, i) => Math.abs(k - d[i]))) <= 64;
        }
      }
      if (!proche) {
        differents++;
        const carre = `${x >> 4},${y >> 4}`;
        carres.set(carre, (carres.get(carre) ?? 0) + 1);
      }
    }
  }
  return { part: differents / (b.largeur * b.hauteur),
           carre: Math.max(0, ...carres.values()) / 256 };
}

// How many colours the window shows: a drawn window of text and controls has dozens.
export function couleurs(png) {
  const { canaux, image } = pixels(png);
  const vues = new Set();
  for (let i = 0; i < image.length; i += canaux) vues.add(image.readUIntBE(i, 3));
  return vues.size;
}

// The reference's first gestures (tests/reference_page), with a trial's own `cliquer` (a
// control's name or [x, y]) and `touche` (a key, a modifier): the whole nickname selected, the
// second gradient preset and italics applied.
export async function degradeEtItalique(cliquer, touche, positions) {
  await cliquer("editeurPseudo");
  await touche("End");
  await touche("Home", "Shift");
  await cliquer(positions.languettes[2]);
  await cliquer("comboPreReglages");
  await touche("ArrowDown");
  await touche("Enter");
  await cliquer("boutonDegrade");
  await cliquer(positions.languettes[3]);
  await cliquer("caseItalique");
  await cliquer("boutonEffet");
}
