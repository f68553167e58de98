"""Vivarel as a screen reader meets it: through the AT-SPI bus that Orca reads, in French,
English and German. CTest runs it under dbus-run-session with the program as argument.

For each language it starts the program on a private Xvfb, with the bus turned on as a screen
reader turns it on, walks the five pages, then types past the game's limit and back."""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

PROGRAMME = sys.argv[1]
LANGUES = ["fr_FR.UTF-8", "en_GB.UTF-8", "de_DE.UTF-8"]
R = pyatspi
CONTROLES = {R.ROLE_PUSH_BUTTON, R.ROLE_TOGGLE_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON,
             R.ROLE_COMBO_BOX, R.ROLE_TEXT, R.ROLE_ENTRY, R.ROLE_SPIN_BUTTON, R.ROLE_SLIDER,
             R.ROLE_PAGE_TAB, R.ROLE_LIST, R.ROLE_LINK}
# Roles that tell a listener nothing of what the object does.
VAGUES = {R.ROLE_FILLER, R.ROLE_PANEL, R.ROLE_FRAME, R.ROLE_UNKNOWN, R.ROLE_INVALID,
          R.ROLE_REDUNDANT_OBJECT}
ANNONCES = {R.ROLE_ALERT, R.ROLE_NOTIFICATION}

fautes = []
evenements = []


def pomper(secondes):
    fin = time.time() + secondes
    while time.time() < fin:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.01)


def attendre(condition, secondes=10):
    fin = time.time() + secondes
    while time.time() < fin:
        if condition():
            return True
        pomper(0.05)
    return False


def montres(objet):
    """The object and what shows under it, depth first."""
    yield objet
    for enfant in objet:
        if enfant is not None and enfant.getState().contains(R.STATE_SHOWING):
            yield from montres(enfant)


def etiquettes(objet):
    return [r.getTarget(i) for r in objet.getRelationSet()
            if r.getRelationType() == R.RELATION_LABELLED_BY for i in range(r.getNTargets())]


def actions(objet):
    try:
        action = objet.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i).lower() for i in range(action.nActions)]


def verifier_page(langue, page, fenetre):
    for objet in montres(fenetre):
        role, etat = objet.getRole(), objet.getState()
        quoi = f"{langue}, {page}: {objet.getRoleName()} '{objet.name}'"
        focalisable = etat.contains(R.STATE_FOCUSABLE)
        if (role in CONTROLES or focalisable) and not (
                objet.name or any(e.name for e in etiquettes(objet))):
            fautes.append(f"{quoi}: a control without a name")
        if focalisable and role in VAGUES:
            fautes.append(f"{quoi}: takes the focus, but its role says nothing")
        if role == R.ROLE_COMBO_BOX and not etiquettes(objet):
            fautes.append(f"{quoi}: a combo box that no label introduces")
        # Once a label names a combo box, Orca reads its current item from its text.
        if role == R.ROLE_COMBO_BOX and "Text" not in R.listInterfaces(objet):
            fautes.append(f"{quoi}: a combo box whose item a screen reader cannot read")
        if (role in {R.ROLE_PUSH_BUTTON, R.ROLE_LINK} and etat.contains(R.STATE_ENABLED)
                and "press" not in actions(objet)):
            fautes.append(f"{quoi}: cannot be pressed")
        if role == R.ROLE_LINK:
            verifier_page.liens += 1


def traverser_limite(langue, fenetre, alertes_vues):
    """Types '$' (two characters of code each) past 45, then one BackSpace back under it."""
    champ = next(o for o in montres(fenetre)
                 if o.getRole() == R.ROLE_TEXT and o.getState().contains(R.STATE_EDITABLE)
                 and o.getState().contains(R.STATE_FOCUSED))
    evenements.clear()
    subprocess.run(["xdotool", "type", "--delay", "15", "$" * 23], check=True)
    montre = lambda e: e.type.endswith("showing") and e.source.getRole() in ANNONCES
    vue = attendre(lambda: any(montre(e) and e.detail1 for e in evenements))
    # Each key is heard from the field alone: no other text repeats the character typed.
    frappes = {(e.detail1, str(e.any_data)) for e in evenements
               if e.type.endswith("insert") and e.source == champ}
    echos = [e for e in evenements if e.type.endswith("insert") and e.source != champ
             and (e.detail1, str(e.any_data)) in frappes]
    if len(frappes) != 23 or echos:
        fautes.append(f"{langue}: 23 keys heard {len(frappes)} times from the field, and "
                      f"{len(echos)} times from {sorted({e.source.name for e in echos})}")
    if not vue:
        fautes.append(f"{langue}: 46 characters, and nothing a screen reader presents")
        return
    alerte = next(e.source for e in evenements if montre(e) and e.detail1)
    textes = [o.name for o in montres(fenetre) if o.getRole() == R.ROLE_LABEL and o.name]
    if not any(t in alerte.name for t in textes):
        fautes.append(f"{langue}: the alert '{alerte.name}' is not in the window's words")
    if alerte.name in alertes_vues:
        fautes.append(f"{langue}: the alert '{alerte.name}' is in another language's words")
    alertes_vues.add(alerte.name)
    evenements.clear()
    subprocess.run(["xdotool", "key", "BackSpace"], check=True)
    if not attendre(lambda: any(montre(e) and not e.detail1 for e in evenements)):
        fautes.append(f"{langue}: back at 44 characters, the alert still shows")


def essayer(langue, alertes_vues):
    dossier = tempfile.mkdtemp(prefix="vivarel-atspi-")
    execution = os.path.join(dossier, "run")
    os.mkdir(execution, 0o700)
    environnement = dict(os.environ, HOME=dossier, XDG_RUNTIME_DIR=execution,
                         XDG_CONFIG_HOME=os.path.join(dossier, "config"),
                         XDG_DATA_HOME=os.path.join(dossier, "data"),
                         LANG=langue, LC_ALL=langue, QT_QPA_PLATFORM="xcb")
    erreurs = open(os.path.join(dossier, "stderr"), "w+")
    programme = subprocess.Popen([PROGRAMME], env=environnement, stderr=erreurs)
    bureau = R.Registry.getDesktop(0)
    trouve = lambda: [a for a in bureau if a is not None and a.get_process_id() == programme.pid
                      and a.childCount]
    if not attendre(trouve):
        fautes.append(f"{langue}: the program never showed on the bus")
        programme.kill()
        return
    fenetre = trouve()[0][0]
    if fenetre.getRole() != R.ROLE_FRAME or not fenetre.name:
        fautes.append(f"{langue}: the window is a {fenetre.getRoleName()} named '{fenetre.name}'")
    onglets = next(o for o in montres(fenetre) if o.getRole() == R.ROLE_PAGE_TAB_LIST)
    verifier_page.liens = 0
    # A new player's window opens on the first page; each other one shows as it opens.
    for numero, onglet in enumerate(o for o in onglets if o.getRole() == R.ROLE_PAGE_TAB):
        evenements.clear()
        onglet.queryAction().doAction(actions(onglet).index("press"))
        if numero and not attendre(lambda: any(e.type.endswith("showing") and e.detail1
                                               for e in evenements)):
            fautes.append(f"{langue}: the page '{onglet.name}' does not open")
        verifier_page(langue, onglet.name, fenetre)
    if verifier_page.liens == 0:
        fautes.append(f"{langue}: no page shows a link")
    # Back to the first page and into the field, as a player starts.
    onglets[0].queryAction().doAction(actions(onglets[0]).index("press"))
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(programme.pid),
                    "--name", ".",
                    "windowfocus", "--sync"], check=True, stdout=subprocess.DEVNULL)
    traverser_limite(langue, fenetre, alertes_vues)
    programme.terminate()
    if programme.wait(20) != 0:
        fautes.append(f"{langue}: the program ended with {programme.returncode}")
    erreurs.seek(0)
    fautes.extend(f"{langue}: the program printed: {ligne.rstrip()}" for ligne in erreurs)


def propriete(nom, valeur=None):
    """Sets (waiting for the answer) or reads one of the bus's switches: None when the bus
    launcher does not answer."""
    appel = (["org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", f"string:{nom}",
              f"variant:boolean:{str(valeur).lower()}"] if valeur is not None else
             ["org.freedesktop.DBus.Properties.Get", "string:org.a11y.Status", f"string:{nom}"])
    try:
        reponse = subprocess.run(["dbus-send", "--session", "--print-reply", "--reply-timeout=10000",
                                  "--dest=org.a11y.Bus", "/org/a11y/bus", *appel],
                                 capture_output=True, text=True, timeout=20)
    except subprocess.TimeoutExpired:
        return None
    return None if reponse.returncode else reponse.stdout


def allumer_bus():
    """What a screen reader does as it starts: applications then open their bridge. Qt reads
    both switches once as it starts, so both must read true before any program starts,
    whatever the desktop's settings said before."""
    try:
        from gi.repository import Gio
        schemas = Gio.SettingsSchemaSource.get_default()
        if schemas and schemas.lookup("org.gnome.desktop.interface", True):
            reglages = Gio.Settings.new("org.gnome.desktop.interface")
            reglages.set_boolean("toolkit-accessibility", False)
            Gio.Settings.sync()
    except ImportError:
        pass
    for nom in ["IsEnabled", "ScreenReaderEnabled"]:
        if propriete(nom, True) is None or "true" not in (propriete(nom) or ""):
            print(f"FAIL: the accessibility bus does not turn {nom} on: is at-spi2-core "
                  "installed and its bus launcher able to start?")
            return False
    return True


def principal():
    lecture, ecriture = os.pipe()
    serveur = subprocess.Popen(["Xvfb", "-displayfd", str(ecriture), "-screen", "0",
                                "1280x1024x24", "-nolisten", "tcp"],
                               pass_fds=(ecriture,), stderr=subprocess.DEVNULL)
    os.close(ecriture)
    os.environ["DISPLAY"] = ":" + os.read(lecture, 16).decode().strip()
    try:
        if not allumer_bus():
            return 1
        # Every event a screen reader may ask for, so that Qt sends all it would send Orca.
        for genre in ["object:", "focus:", "window:"]:
            R.Registry.registerEventListener(evenements.append, genre)
        alertes_vues = set()
        for langue in LANGUES:
            essayer(langue, alertes_vues)
    finally:
        serveur.terminate()
    for faute in fautes:
        print("FAIL:", faute)
    print(f"{len(fautes)} fault(s) in {len(LANGUES)} languages")
    return 1 if fautes else 0


sys.exit(principal())
