<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>BandeDegrade</name>
    <message>
        <source>Aperçu du dégradé</source>
        <translation>Vorschau des Farbverlaufs</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message numerus="yes">
        <source> (%n entrée(s) illisible(s))</source>
        <translation>
            <numerusform> (%n unlesbarer Eintrag)</numerusform>
            <numerusform> (%n unlesbare Einträge)</numerusform>
        </translation>
    </message>
    <message>
        <source>Mes pseudos (%1) sont illisibles%2 : Vivarel ne les modifiera pas.</source>
        <translation>Meine Nicknames (%1) sind nicht lesbar%2: Vivarel lässt sie unverändert.</translation>
    </message>
    <message>
        <source>Mes pseudos (%1) étaient illisibles%2 : le fichier est gardé sous %3.</source>
        <translation>Meine Nicknames (%1) waren nicht lesbar%2: Die Datei bleibt als %3 erhalten.</translation>
    </message>
</context>
<context>
    <name>CollectionDegrades</name>
    <message>
        <source>Arc-en-ciel</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Feu</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Océan</source>
        <translation>Ozean</translation>
    </message>
    <message>
        <source>Coucher de soleil</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Glace</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Forêt</source>
        <translation>Wald</translation>
    </message>
    <message>
        <source>Néon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Gold</translation>
    </message>
</context>
<context>
    <name>DegradesEnregistres</name>
    <message>
        <source>Mes dégradés (%1) sont illisibles%2 : Vivarel ne les modifiera pas.</source>
        <translation>Meine Farbverläufe (%1) sind nicht lesbar%2: Vivarel lässt sie unverändert.</translation>
    </message>
    <message>
        <source>Mes dégradés (%1) étaient illisibles%2 : le fichier est gardé sous %3.</source>
        <translation>Meine Farbverläufe (%1) waren nicht lesbar%2: Die Datei bleibt als %3 erhalten.</translation>
    </message>
    <message numerus="yes">
        <source> (%n dégradé(s) illisible(s))</source>
        <translation>
            <numerusform> (%n unlesbarer Farbverlauf)</numerusform>
            <numerusform> (%n unlesbare Farbverläufe)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EtapesDegrade</name>
    <message>
        <source>Ajouter une couleur au dégradé</source>
        <translation>Dem Farbverlauf eine Farbe hinzufügen</translation>
    </message>
    <message>
        <source>Couleur intermédiaire %1</source>
        <translation>Zwischenfarbe %1</translation>
    </message>
    <message>
        <source>Retirer cette couleur du dégradé</source>
        <translation>Diese Farbe aus dem Farbverlauf entfernen</translation>
    </message>
</context>
<context>
    <name>Fen_Principale</name>
    <message>
        <source>Couleurs, dégradés et effets pour votre pseudo</source>
        <translation>Farben, Verläufe und Effekte für deinen Nickname</translation>
    </message>
    <message>
        <source>Votre Pseudo:</source>
        <translation>Dein Nickname:</translation>
    </message>
    <message>
        <source>&amp;Réinitialiser le texte sélectionné</source>
        <translation>Markierten Text &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Texte à copier-coller dans trackmania:</source>
        <translation>Text zum Einfügen in Trackmania:</translation>
    </message>
    <message>
        <source>Caractère spécial</source>
        <translation>Sonderzeichen</translation>
    </message>
    <message>
        <source>Couleur uniforme</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Dégradé de couleur</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Effet sur le texte</source>
        <translation>Texteffekte</translation>
    </message>
    <message>
        <source>Mes pseudos</source>
        <translation>Meine Nicknames</translation>
    </message>
    <message>
        <source>Votre pseudo</source>
        <translation>Dein Nickname</translation>
    </message>
    <message>
        <source>Outils</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Rend au texte sélectionné l&apos;aspect du texte tapé</source>
        <translation>Gibt dem markierten Text das Aussehen von getipptem Text zurück</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Veuillez sélectionner la partie du texte à colorier avant de cliquer sur le bouton.</source>
        <translation>Bitte markiere den Teil des Textes, der gefärbt werden soll, bevor du auf die Schaltfläche klickst.</translation>
    </message>
    <message>
        <source>Veuillez sélectionner la partie du texte à réinitialiser avant de cliquer sur le bouton.</source>
        <translation>Bitte markiere den Teil des Textes, der zurückgesetzt werden soll, bevor du auf die Schaltfläche klickst.</translation>
    </message>
    <message>
        <source>Veuillez sélectionner la partie du texte à mettre en forme avant de cliquer sur le bouton.</source>
        <translation>Bitte markiere den Teil des Textes, der formatiert werden soll, bevor du auf die Schaltfläche klickst.</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Écrit le pseudo que CODE décrit, sans fenêtre ; - lit un code par ligne sur l&apos;entrée standard et répond à chacune dès qu&apos;elle est lue.</source>
        <translation>Schreibt den Nickname, den CODE beschreibt, ohne Fenster; - liest einen Code pro Zeile von der Standardeingabe und beantwortet jede, sobald sie gelesen ist.</translation>
    </message>
    <message>
        <source>Avec --render : text (ce que le jeu affiche), html, ansi (couleurs du terminal) ou png (image, avec --output). Par défaut : text.</source>
        <translation>Mit --render: text (was das Spiel zeigt), html, ansi (Terminalfarben) oder png (ein Bild, mit --output). Vorgabe: text.</translation>
    </message>
    <message>
        <source>Avec --format png : le fichier PNG (numéroté -1, -2 … pour l&apos;entrée standard).</source>
        <translation>Mit --format png: die PNG-Datei (nummeriert -1, -2 … für die Standardeingabe).</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Avec --render : ne garde que ce que le jeu garde (45 caractères de code).</source>
        <translation>Mit --render: behält nur, was das Spiel behält (45 Zeichen Code).</translation>
    </message>
    <message>
        <source>Colore et met en forme un pseudo Trackmania et écrit son code.</source>
        <translation>Färbt und gestaltet einen Trackmania-Nickname und schreibt seinen Code.</translation>
    </message>
    <message>
        <source>--format, --output et --cut vont avec --render</source>
        <translation>--format, --output und --cut gehören zu --render</translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--format vaut text, html, ansi ou png</source>
        <translation>--format ist text, html, ansi oder png</translation>
    </message>
    <message>
        <source>--format png demande --output %1</source>
        <translation>--format png braucht --output %1</translation>
    </message>
    <message>
        <source>Vivarel : aucun affichage (DISPLAY et WAYLAND_DISPLAY sont vides) : lancez Vivarel depuis un bureau.
</source>
        <translation>Vivarel: keine Anzeige (DISPLAY und WAYLAND_DISPLAY sind leer): starten Sie Vivarel auf einem Desktop.
</translation>
    </message>
</context>
<context>
    <name>LigneLongueur</name>
    <message>
        <source>Ce champ ne doit pas dépasser 45 caractères.</source>
        <translation>Dieses Feld darf 45 Zeichen nicht überschreiten.</translation>
    </message>
    <message>
        <source>Nombre de caractères actuels:</source>
        <translation>Aktuelle Zeichenanzahl:</translation>
    </message>
    <message>
        <source>Nombre de caractères</source>
        <translation>Zeichenanzahl</translation>
    </message>
    <message>
        <source>Attention, il y a trop de caractères!</source>
        <translation>Achtung, das sind zu viele Zeichen!</translation>
    </message>
</context>
<context>
    <name>ListeDegrades</name>
    <message>
        <source>Enregistrer ce &amp;dégradé…</source>
        <translation>Diesen &amp;Verlauf speichern…</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>L&amp;öschen</translation>
    </message>
    <message>
        <source>Supprime le dégradé enregistré choisi</source>
        <translation>Löscht den gewählten gespeicherten Farbverlauf</translation>
    </message>
    <message>
        <source>Garde les couleurs, le mélange et le pas sous un nom</source>
        <translation>Speichert die Farben, die Mischung und die Schrittweite unter einem Namen</translation>
    </message>
    <message>
        <source>Préréglages</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Enregistrer le dégradé</source>
        <translation>Farbverlauf speichern</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Un dégradé s&apos;appelle déjà « %1 ». Le remplacer ?</source>
        <translation>Es gibt schon einen Farbverlauf namens „%1“. Ersetzen?</translation>
    </message>
    <message>
        <source>Supprimer le dégradé</source>
        <translation>Farbverlauf löschen</translation>
    </message>
    <message>
        <source>Supprimer le dégradé « %1 » ?</source>
        <translation>Farbverlauf „%1“ löschen?</translation>
    </message>
</context>
<context>
    <name>NomCouleur</name>
    <message>
        <source>rouge</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>jaune</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>vert</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>bleu</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>noir</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>gris foncé</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>gris</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>gris clair</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>blanc</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>brun</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>%1 foncé</source>
        <translation>dunkles %1</translation>
    </message>
    <message>
        <source>%1 clair</source>
        <translation>helles %1</translation>
    </message>
    <message>
        <source>%1 vif</source>
        <translation>leuchtendes %1</translation>
    </message>
</context>
<context>
    <name>PageCaracteres</name>
    <message>
        <source>Caractère ressemblant à une lettre:</source>
        <translation>Zeichen, das einem Buchstaben ähnelt:</translation>
    </message>
    <message>
        <source>Double lettre:</source>
        <translation>Doppelbuchstabe:</translation>
    </message>
    <message>
        <source>Smiley:</source>
        <translation>Smiley:</translation>
    </message>
    <message>
        <source>Autre:</source>
        <translation>Andere:</translation>
    </message>
    <message>
        <source>&amp;Insérer</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Attention, selon les caractéristiques de votre système, &lt;strong&gt;certains caractères spéciaux peuvent ne pas s&apos;afficher correctement.&lt;/strong&gt; C&apos;est le cas si un carré blanc est visble à la place du caractère attendu.&lt;br /&gt;Si vous ne visualisez pas un caractère qui vous intéresse, essayez de le copier-coller directement dans Trackmania à partir </source>
        <translation>Achtung, je nach System werden &lt;strong&gt;manche Sonderzeichen möglicherweise nicht richtig angezeigt.&lt;/strong&gt; Das ist der Fall, wenn statt des Zeichens ein weißes Kästchen erscheint.&lt;br /&gt;Wenn du ein Zeichen, das dich interessiert, nicht siehst, kopiere es direkt in Trackmania aus </translation>
    </message>
    <message>
        <source>de cette page web.</source>
        <translation>dieser Webseite.</translation>
    </message>
    <message>
        <source>Met le caractère choisi à la place du curseur</source>
        <translation>Setzt das gewählte Zeichen an die Cursorposition</translation>
    </message>
    <message>
        <source>Lettre</source>
        <translation>Buchstabe</translation>
    </message>
</context>
<context>
    <name>PageCollection</name>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>C&amp;harger</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Re&amp;nommer</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>L&amp;öschen</translation>
    </message>
    <message>
        <source>E&amp;xporter…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Imp&amp;orter…</source>
        <translation>Imp&amp;ortieren…</translation>
    </message>
    <message>
        <source>Mes pseudos</source>
        <translation>Meine Nicknames</translation>
    </message>
    <message>
        <source>Garde le pseudo du champ sous un nom</source>
        <translation>Speichert den Nickname aus dem Feld unter einem Namen</translation>
    </message>
    <message>
        <source>Met le pseudo choisi dans le champ</source>
        <translation>Setzt den gewählten Nickname in das Feld</translation>
    </message>
    <message>
        <source>Donne un autre nom au pseudo choisi</source>
        <translation>Gibt dem gewählten Nickname einen anderen Namen</translation>
    </message>
    <message>
        <source>Retire les pseudos choisis de la collection</source>
        <translation>Entfernt die gewählten Nicknames aus der Sammlung</translation>
    </message>
    <message>
        <source>Écrit les pseudos choisis, ou tous, dans un fichier</source>
        <translation>Schreibt die gewählten oder alle Nicknames in eine Datei</translation>
    </message>
    <message>
        <source>Ajoute les pseudos d&apos;un fichier</source>
        <translation>Fügt die Nicknames aus einer Datei hinzu</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Enregistrer le pseudo</source>
        <translation>Nickname speichern</translation>
    </message>
    <message>
        <source>Un pseudo s&apos;appelle déjà « %1 ». Le remplacer ?</source>
        <translation>Es gibt schon einen Nickname namens „%1“. Ersetzen?</translation>
    </message>
    <message>
        <source>Renommer le pseudo</source>
        <translation>Nickname umbenennen</translation>
    </message>
    <message>
        <source>Un pseudo s&apos;appelle déjà « %1 ».</source>
        <translation>Es gibt schon einen Nickname namens „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>Supprimer %n pseudo(s) ?</source>
        <translation>
            <numerusform>%n Nickname löschen?</numerusform>
            <numerusform>%n Nicknames löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Exporter des pseudos</source>
        <translation>Nicknames exportieren</translation>
    </message>
    <message>
        <source>Pseudos Vivarel (*.json)</source>
        <translation>Vivarel-Nicknames (*.json)</translation>
    </message>
    <message>
        <source>Importer des pseudos</source>
        <translation>Nicknames importieren</translation>
    </message>
    <message numerus="yes">
        <source>%n pseudo(s) exporté(s).</source>
        <translation>
            <numerusform>%n Nickname exportiert.</numerusform>
            <numerusform>%n Nicknames exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier n&apos;a pas pu être écrit.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une collection de pseudos lisible.</source>
        <translation>Diese Datei ist keine lesbare Nickname-Sammlung.</translation>
    </message>
    <message numerus="yes">
        <source>%n pseudo(s) ajouté(s).</source>
        <translation>
            <numerusform>%n Nickname hinzugefügt.</numerusform>
            <numerusform>%n Nicknames hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Aucun pseudo gardé pour l&apos;instant. « Enregistrer » garde celui du champ sous un nom ; un double clic le remet dans le champ.</source>
        <translation>Noch kein Nickname gespeichert. „Speichern“ legt den im Feld unter einem Namen ab; ein Doppelklick holt ihn ins Feld zurück.</translation>
    </message>
</context>
<context>
    <name>PageCouleur</name>
    <message>
        <source>&amp;Colorier le texte sélectionné!</source>
        <translation>Markierten Text &amp;färben!</translation>
    </message>
    <message>
        <source>Couleur uniforme</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Donne au texte sélectionné la couleur du carré</source>
        <translation>Gibt dem markierten Text die Farbe des Quadrats</translation>
    </message>
    <message>
        <source>Sélectionnez une couleur:</source>
        <translation>Wähle eine Farbe:</translation>
    </message>
    <message>
        <source>Attention, le nombre de couleurs affichables dans un pseudo est limité dans Trackmania.&lt;br /&gt;&lt;strong&gt;Le carré ci-contre vous affiche la couleur telle qu&apos;elle sera visible dans Trackmania.&lt;/strong&gt; Cette couleur peut donc légèrement varier de celle que vous choisissez de manière précise dans la boite de dialogue.</source>
        <translation>Achtung, Trackmania zeigt in einem Nickname nur eine begrenzte Zahl von Farben.&lt;br /&gt;&lt;strong&gt;Das Quadrat daneben zeigt die Farbe so, wie sie in Trackmania zu sehen sein wird.&lt;/strong&gt; Sie kann daher leicht von der Farbe abweichen, die du im Dialog genau auswählst.</translation>
    </message>
</context>
<context>
    <name>PageDegrade</name>
    <message>
        <source>Sélectionnez la couleur de départ:</source>
        <translation>Wähle die Startfarbe:</translation>
    </message>
    <message>
        <source>Couleur de départ</source>
        <translation>Startfarbe</translation>
    </message>
    <message>
        <source>Sélectionnez la couleur d&apos;arrivée:</source>
        <translation>Wähle die Endfarbe:</translation>
    </message>
    <message>
        <source>Couleur d&apos;arrivée</source>
        <translation>Endfarbe</translation>
    </message>
    <message>
        <source>Ignorer les espaces</source>
        <translation>Leerzeichen auslassen</translation>
    </message>
    <message>
        <source>Sélectionnez du texte pour voir la longueur du code.</source>
        <translation>Markiere Text, um die Länge des Codes zu sehen.</translation>
    </message>
    <message>
        <source>&amp;Appliquer le dégradé sur le texte sélectionné</source>
        <translation>Farbverlauf auf markierten Text &amp;anwenden</translation>
    </message>
    <message>
        <source>A&amp;juster à 45 caractères</source>
        <translation>Auf 45 Zeichen anpa&amp;ssen</translation>
    </message>
    <message>
        <source>Changer de couleur tout les </source>
        <translation>Farbe wechseln alle </translation>
    </message>
    <message>
        <source> caractère(s).</source>
        <translation> Zeichen.</translation>
    </message>
    <message>
        <source>Pas du dégradé</source>
        <translation>Schrittweite des Verlaufs</translation>
    </message>
    <message>
        <source>Colore le texte sélectionné en dégradé</source>
        <translation>Färbt den markierten Text mit einem Farbverlauf</translation>
    </message>
    <message>
        <source>Place les changements de couleur pour que le code tienne en 45 caractères</source>
        <translation>Setzt die Farbwechsel so, dass der Code in 45 Zeichen passt</translation>
    </message>
    <message>
        <source>Le paramètre ci-dessus permet de faire varier la vitesse du dégradé.&lt;br /&gt;Si vous changez de couleur tous les caractères, le dégradé sera beau mais très consommateur en nombre de caractères.&lt;br /&gt;&lt;strong&gt;Si vous dépassez le nombre de caractères maxi, essayez d&apos;augmenter ce paramètre.&lt;/strong&gt;</source>
        <translation>Die Einstellung oben bestimmt, wie schnell sich der Verlauf ändert.&lt;br /&gt;Ein Farbwechsel bei jedem Zeichen ergibt einen schönen Verlauf, kostet aber viele Zeichen.&lt;br /&gt;&lt;strong&gt;Wenn du die Höchstzahl an Zeichen überschreitest, erhöhe diesen Wert.&lt;/strong&gt;</translation>
    </message>
    <message>
        <source>Le code fera %1 caractères</source>
        <translation>Der Code wird %1 Zeichen lang</translation>
    </message>
    <message>
        <source>Dégradé ajusté : le code fait %1 caractères.</source>
        <translation>Farbverlauf angepasst: Der Code ist %1 Zeichen lang.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ajuster : le texte seul fait déjà %1 caractères.</source>
        <translation>Anpassen nicht möglich: Der Text allein ist schon %1 Zeichen lang.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ajuster : même une seule couleur dépasse 45 caractères.</source>
        <translation>Anpassen nicht möglich: Schon eine einzige Farbe überschreitet 45 Zeichen.</translation>
    </message>
    <message>
        <source>RVB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>Perceptuel (OKLab)</source>
        <translation>Wahrnehmungsgetreu (OKLab)</translation>
    </message>
    <message>
        <source>Teinte (arc-en-ciel)</source>
        <translation>Farbton (Regenbogen)</translation>
    </message>
    <message>
        <source>Comment passer d&apos;une couleur à la suivante</source>
        <translation>Wie von einer Farbe zur nächsten übergegangen wird</translation>
    </message>
    <message>
        <source>Mélange</source>
        <translation>Mischung</translation>
    </message>
</context>
<context>
    <name>PageEffet</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Serré</source>
        <translation>Eng</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Texte en italique</source>
        <translation>Kursiver Text</translation>
    </message>
    <message>
        <source>Texte en gras</source>
        <translation>Fetter Text</translation>
    </message>
    <message>
        <source>Texte en majuscules</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>&amp;Appliquer sur le texte sélectionné</source>
        <translation>Auf markierten Text &amp;anwenden</translation>
    </message>
    <message>
        <source>Applique au texte sélectionné les effets cochés</source>
        <translation>Wendet die angehakten Effekte auf den markierten Text an</translation>
    </message>
    <message>
        <source>Espacement des caractères:</source>
        <translation>Zeichenabstand:</translation>
    </message>
    <message>
        <source>Attention, Vivarel ne gère l&apos;espacement des caractères que sur le pseudo dans sa globalité.&lt;br /&gt;C&apos;est le seul effet pour lequel vous ne pouvez pas sélectionner les caractères à modifier.</source>
        <translation>Achtung, Vivarel setzt den Zeichenabstand nur für den ganzen Nickname.&lt;br /&gt;Das ist der einzige Effekt, bei dem du die zu ändernden Zeichen nicht auswählen kannst.</translation>
    </message>
</context>
<context>
    <name>QFrame_Perso</name>
    <message>
        <source>Cliquez, ou appuyez sur Espace, pour choisir la couleur</source>
        <translation>Klicke oder drücke die Leertaste, um die Farbe zu wählen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RenduCommande</name>
    <message>
        <source>sortie standard</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>entrée standard</source>
        <translation>Standardeingabe</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Les réglages (%1) sont illisibles : Vivarel ne les modifiera pas.</source>
        <translation>Die Einstellungen (%1) sind nicht lesbar: Vivarel lässt sie unverändert.</translation>
    </message>
    <message>
        <source>Les réglages (%1) étaient illisibles : ils sont gardés sous %2.</source>
        <translation>Die Einstellungen (%1) waren nicht lesbar: Sie bleiben als %2 erhalten.</translation>
    </message>
    <message>
        <source>Ce navigateur ne rend pas ce que Vivarel y a gardé : Vivarel n&apos;y écrira rien.</source>
        <translation>Dieser Browser gibt nicht zurück, was Vivarel in ihm gespeichert hat: Vivarel schreibt dort nichts.</translation>
    </message>
</context>
<context>
    <name>SortieCode</name>
    <message>
        <source>Co&amp;pier</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>I&amp;mporter un code…</source>
        <translation>Code i&amp;mportieren…</translation>
    </message>
    <message>
        <source>Copier l&apos;ima&amp;ge</source>
        <translation>Als &amp;Bild kopieren</translation>
    </message>
    <message>
        <source>Enregistrer &amp;l&apos;image…</source>
        <translation>Bild s&amp;peichern…</translation>
    </message>
    <message>
        <source>Copier en H&amp;TML</source>
        <translation>Als H&amp;TML kopieren</translation>
    </message>
    <message>
        <source>Copie le code dans le presse-papiers</source>
        <translation>Kopiert den Code in die Zwischenablage</translation>
    </message>
    <message>
        <source>Lit un code que vous avez déjà, pour le modifier ici</source>
        <translation>Liest einen Code, den du schon hast, um ihn hier zu bearbeiten</translation>
    </message>
    <message>
        <source>Copie le pseudo tel que le jeu le dessine, en image</source>
        <translation>Kopiert den Nickname so, wie das Spiel ihn zeichnet, als Bild</translation>
    </message>
    <message>
        <source>Enregistre le pseudo tel que le jeu le dessine, en PNG</source>
        <translation>Speichert den Nickname so, wie das Spiel ihn zeichnet, als PNG-Datei</translation>
    </message>
    <message>
        <source>Copie le pseudo en HTML, pour un forum ou une page web</source>
        <translation>Kopiert den Nickname als HTML, für ein Forum oder eine Webseite</translation>
    </message>
    <message>
        <source>Le texte collé contient des codes du jeu.</source>
        <translation>Der eingefügte Text enthält Spielcodes.</translation>
    </message>
    <message>
        <source>Importer ce code</source>
        <translation>Diesen Code importieren</translation>
    </message>
    <message>
        <source>Remplace le pseudo par ce que le code décrit</source>
        <translation>Ersetzt den Nickname durch das, was der Code beschreibt</translation>
    </message>
    <message>
        <source>Aperçu dans le jeu</source>
        <translation>Vorschau im Spiel</translation>
    </message>
    <message>
        <source>l&apos;ombre ($s), que Vivarel ne sait pas écrire</source>
        <translation>den Schatten ($s), den Vivarel nicht schreiben kann</translation>
    </message>
    <message>
        <source>un lien « %1 », dont le texte est gardé</source>
        <translation>einen Link „%1“, dessen Text erhalten bleibt</translation>
    </message>
    <message>
        <source>Code importé.</source>
        <translation>Code importiert.</translation>
    </message>
    <message>
        <source>Code importé. Laissé de côté : %1.</source>
        <translation>Code importiert. Ausgelassen: %1.</translation>
    </message>
    <message>
        <source>Code copié.</source>
        <translation>Code kopiert.</translation>
    </message>
    <message>
        <source>Image copiée.</source>
        <translation>Bild kopiert.</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Image enregistrée.</source>
        <translation>Bild gespeichert.</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée.</source>
        <translation>Das Bild konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Code copié en HTML.</source>
        <translation>Code als HTML kopiert.</translation>
    </message>
    <message>
        <source>Importer un code</source>
        <translation>Code importieren</translation>
    </message>
    <message>
        <source>Collez le code de votre pseudo :</source>
        <translation>Füge den Code deines Nicknames ein:</translation>
    </message>
    <message>
        <source>Copier le lien</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Copie un lien vers cette page qui ouvre ce pseudo</source>
        <translation>Kopiert einen Link auf diese Seite, der diesen Nickname öffnet</translation>
    </message>
    <message>
        <source>Lien copié.</source>
        <translation>Link kopiert.</translation>
    </message>
    <message>
        <source>Le navigateur n&apos;a pas pris l&apos;image : enregistrez-la avec « Enregistrer l&apos;image… ».</source>
        <translation>Der Browser hat das Bild nicht übernommen: Speichere es mit „Bild speichern…“.</translation>
    </message>
    <message>
        <source>Le navigateur a refusé la copie : le code est sélectionné, copiez-le avec %1.</source>
        <translation>Der Browser hat das Kopieren abgelehnt: Der Code ist markiert, kopiere ihn mit %1.</translation>
    </message>
</context>
</TS>
