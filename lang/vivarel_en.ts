<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>BandeDegrade</name>
    <message>
        <source>Aperçu du dégradé</source>
        <translation>Gradient preview</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message numerus="yes">
        <source> (%n entrée(s) illisible(s))</source>
        <translation>
            <numerusform> (%n unreadable entry)</numerusform>
            <numerusform> (%n unreadable entries)</numerusform>
        </translation>
    </message>
    <message>
        <source>Mes pseudos (%1) sont illisibles%2 : Vivarel ne les modifiera pas.</source>
        <translation>My nicknames (%1) cannot be read%2: Vivarel will leave them as they are.</translation>
    </message>
    <message>
        <source>Mes pseudos (%1) étaient illisibles%2 : le fichier est gardé sous %3.</source>
        <translation>My nicknames (%1) could not be read%2: the file is kept as %3.</translation>
    </message>
</context>
<context>
    <name>CollectionDegrades</name>
    <message>
        <source>Arc-en-ciel</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>Feu</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Océan</source>
        <translation>Ocean</translation>
    </message>
    <message>
        <source>Coucher de soleil</source>
        <translation>Sunset</translation>
    </message>
    <message>
        <source>Glace</source>
        <translation>Ice</translation>
    </message>
    <message>
        <source>Forêt</source>
        <translation>Forest</translation>
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
        <translation>My gradients (%1) cannot be read%2: Vivarel will leave them as they are.</translation>
    </message>
    <message>
        <source>Mes dégradés (%1) étaient illisibles%2 : le fichier est gardé sous %3.</source>
        <translation>My gradients (%1) could not be read%2: the file is kept as %3.</translation>
    </message>
    <message numerus="yes">
        <source> (%n dégradé(s) illisible(s))</source>
        <translation>
            <numerusform> (%n unreadable gradient)</numerusform>
            <numerusform> (%n unreadable gradients)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EtapesDegrade</name>
    <message>
        <source>Ajouter une couleur au dégradé</source>
        <translation>Add a colour to the gradient</translation>
    </message>
    <message>
        <source>Retirer cette couleur du dégradé</source>
        <translation>Remove this colour from the gradient</translation>
    </message>
    <message>
        <source>Couleur intermédiaire %1</source>
        <translation>Colour %1 between</translation>
    </message>
</context>
<context>
    <name>Fen_Principale</name>
    <message>
        <source>Votre Pseudo:</source>
        <translation>Your nickname:</translation>
    </message>
    <message>
        <source>Texte à copier-coller dans trackmania:</source>
        <translation>Text to copy into Trackmania:</translation>
    </message>
    <message>
        <source>Caractère spécial</source>
        <translation>Special character</translation>
    </message>
    <message>
        <source>Couleur uniforme</source>
        <translation>Plain colour</translation>
    </message>
    <message>
        <source>Dégradé de couleur</source>
        <translation>Colour gradient</translation>
    </message>
    <message>
        <source>Effet sur le texte</source>
        <translation>Text effects</translation>
    </message>
    <message>
        <source>Rend au texte sélectionné l&apos;aspect du texte tapé</source>
        <translation>Gives the selected text the look of typed text</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Veuillez sélectionner la partie du texte à colorier avant de cliquer sur le bouton.</source>
        <translation>Please select the part of the text to colour before clicking the button.</translation>
    </message>
    <message>
        <source>Veuillez sélectionner la partie du texte à réinitialiser avant de cliquer sur le bouton.</source>
        <translation>Please select the part of the text to reset before clicking the button.</translation>
    </message>
    <message>
        <source>Veuillez sélectionner la partie du texte à mettre en forme avant de cliquer sur le bouton.</source>
        <translation>Please select the part of the text to format before clicking the button.</translation>
    </message>
    <message>
        <source>&amp;Réinitialiser le texte sélectionné</source>
        <translation>&amp;Reset the selected text</translation>
    </message>
    <message>
        <source>Mes pseudos</source>
        <translation>My nicknames</translation>
    </message>
    <message>
        <source>Votre pseudo</source>
        <translation>Your nickname</translation>
    </message>
    <message>
        <source>Outils</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Couleurs, dégradés et effets pour votre pseudo</source>
        <translation>Colours, gradients and effects for your nickname</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Écrit le pseudo que CODE décrit, sans fenêtre ; - lit un code par ligne sur l&apos;entrée standard et répond à chacune dès qu&apos;elle est lue.</source>
        <translation>Writes the nickname that CODE describes, with no window; - reads one code per line on standard input and answers each as soon as it is read.</translation>
    </message>
    <message>
        <source>Avec --render : text (ce que le jeu affiche), html, ansi (couleurs du terminal) ou png (image, avec --output). Par défaut : text.</source>
        <translation>With --render: text (what the game shows), html, ansi (terminal colours) or png (an image, with --output). Default: text.</translation>
    </message>
    <message>
        <source>Avec --format png : le fichier PNG (numéroté -1, -2 … pour l&apos;entrée standard).</source>
        <translation>With --format png: the PNG file (numbered -1, -2 … for standard input).</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Avec --render : ne garde que ce que le jeu garde (45 caractères de code).</source>
        <translation>With --render: keeps only what the game keeps (45 characters of code).</translation>
    </message>
    <message>
        <source>Colore et met en forme un pseudo Trackmania et écrit son code.</source>
        <translation>Colours and styles a Trackmania nickname and writes its code.</translation>
    </message>
    <message>
        <source>--format, --output et --cut vont avec --render</source>
        <translation>--format, --output and --cut go with --render</translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>--format vaut text, html, ansi ou png</source>
        <translation>--format is text, html, ansi or png</translation>
    </message>
    <message>
        <source>--format png demande --output %1</source>
        <translation>--format png needs --output %1</translation>
    </message>
    <message>
        <source>Vivarel : aucun affichage (DISPLAY et WAYLAND_DISPLAY sont vides) : lancez Vivarel depuis un bureau.
</source>
        <translation>Vivarel: no display (DISPLAY and WAYLAND_DISPLAY are empty): start Vivarel from a desktop.
</translation>
    </message>
</context>
<context>
    <name>LigneLongueur</name>
    <message>
        <source>Ce champ ne doit pas dépasser 45 caractères.</source>
        <translation>This field must not go past 45 characters.</translation>
    </message>
    <message>
        <source>Nombre de caractères actuels:</source>
        <translation>Current number of characters:</translation>
    </message>
    <message>
        <source>Nombre de caractères</source>
        <translation>Number of characters</translation>
    </message>
    <message>
        <source>Attention, il y a trop de caractères!</source>
        <translation>Careful, there are too many characters!</translation>
    </message>
</context>
<context>
    <name>ListeDegrades</name>
    <message>
        <source>Enregistrer ce &amp;dégradé…</source>
        <translation>Save this gradie&amp;nt…</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Supprime le dégradé enregistré choisi</source>
        <translation>Deletes the chosen saved gradient</translation>
    </message>
    <message>
        <source>Garde les couleurs, le mélange et le pas sous un nom</source>
        <translation>Keeps the colours, the blend and the step under a name</translation>
    </message>
    <message>
        <source>Préréglages</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Enregistrer le dégradé</source>
        <translation>Save the gradient</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Un dégradé s&apos;appelle déjà « %1 ». Le remplacer ?</source>
        <translation>A gradient is already called “%1”. Replace it?</translation>
    </message>
    <message>
        <source>Supprimer le dégradé</source>
        <translation>Delete the gradient</translation>
    </message>
    <message>
        <source>Supprimer le dégradé « %1 » ?</source>
        <translation>Delete the gradient “%1”?</translation>
    </message>
</context>
<context>
    <name>NomCouleur</name>
    <message>
        <source>rouge</source>
        <translation>red</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>jaune</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>vert</source>
        <translation>green</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>bleu</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>rose</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>noir</source>
        <translation>black</translation>
    </message>
    <message>
        <source>gris foncé</source>
        <translation>dark grey</translation>
    </message>
    <message>
        <source>gris</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>gris clair</source>
        <translation>light grey</translation>
    </message>
    <message>
        <source>blanc</source>
        <translation>white</translation>
    </message>
    <message>
        <source>brun</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>%1 foncé</source>
        <translation>dark %1</translation>
    </message>
    <message>
        <source>%1 clair</source>
        <translation>light %1</translation>
    </message>
    <message>
        <source>%1 vif</source>
        <translation>bright %1</translation>
    </message>
</context>
<context>
    <name>PageCaracteres</name>
    <message>
        <source>Caractère ressemblant à une lettre:</source>
        <translation>Character that looks like a letter:</translation>
    </message>
    <message>
        <source>Double lettre:</source>
        <translation>Double letter:</translation>
    </message>
    <message>
        <source>Smiley:</source>
        <translation>Smiley:</translation>
    </message>
    <message>
        <source>Autre:</source>
        <translation>Other:</translation>
    </message>
    <message>
        <source>&amp;Insérer</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>Attention, selon les caractéristiques de votre système, &lt;strong&gt;certains caractères spéciaux peuvent ne pas s&apos;afficher correctement.&lt;/strong&gt; C&apos;est le cas si un carré blanc est visble à la place du caractère attendu.&lt;br /&gt;Si vous ne visualisez pas un caractère qui vous intéresse, essayez de le copier-coller directement dans Trackmania à partir </source>
        <translation>Note that, depending on your system, &lt;strong&gt;some special characters may not show correctly.&lt;/strong&gt; That is the case when a white square shows instead of the character.&lt;br /&gt;If you cannot see a character you want, try copying it straight into Trackmania from </translation>
    </message>
    <message>
        <source>de cette page web.</source>
        <translation>this web page.</translation>
    </message>
    <message>
        <source>Met le caractère choisi à la place du curseur</source>
        <translation>Puts the chosen character at the cursor</translation>
    </message>
    <message>
        <source>Lettre</source>
        <translation>Letter</translation>
    </message>
</context>
<context>
    <name>PageCollection</name>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>C&amp;harger</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>Re&amp;nommer</source>
        <translation>Re&amp;name</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>E&amp;xporter…</source>
        <translation>E&amp;xport…</translation>
    </message>
    <message>
        <source>Imp&amp;orter…</source>
        <translation>Imp&amp;ort…</translation>
    </message>
    <message>
        <source>Garde le pseudo du champ sous un nom</source>
        <translation>Keeps the nickname in the field under a name</translation>
    </message>
    <message>
        <source>Met le pseudo choisi dans le champ</source>
        <translation>Puts the chosen nickname in the field</translation>
    </message>
    <message>
        <source>Donne un autre nom au pseudo choisi</source>
        <translation>Gives the chosen nickname another name</translation>
    </message>
    <message>
        <source>Retire les pseudos choisis de la collection</source>
        <translation>Removes the chosen nicknames from the collection</translation>
    </message>
    <message>
        <source>Écrit les pseudos choisis, ou tous, dans un fichier</source>
        <translation>Writes the chosen nicknames, or all of them, to a file</translation>
    </message>
    <message>
        <source>Ajoute les pseudos d&apos;un fichier</source>
        <translation>Adds the nicknames of a file</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Mes pseudos</source>
        <translation>My nicknames</translation>
    </message>
    <message>
        <source>Enregistrer le pseudo</source>
        <translation>Save the nickname</translation>
    </message>
    <message>
        <source>Un pseudo s&apos;appelle déjà « %1 ». Le remplacer ?</source>
        <translation>A nickname is already called “%1”. Replace it?</translation>
    </message>
    <message>
        <source>Renommer le pseudo</source>
        <translation>Rename the nickname</translation>
    </message>
    <message>
        <source>Un pseudo s&apos;appelle déjà « %1 ».</source>
        <translation>A nickname is already called “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>Supprimer %n pseudo(s) ?</source>
        <translation>
            <numerusform>Delete %n nickname?</numerusform>
            <numerusform>Delete %n nicknames?</numerusform>
        </translation>
    </message>
    <message>
        <source>Exporter des pseudos</source>
        <translation>Export nicknames</translation>
    </message>
    <message>
        <source>Pseudos Vivarel (*.json)</source>
        <translation>Vivarel nicknames (*.json)</translation>
    </message>
    <message>
        <source>Importer des pseudos</source>
        <translation>Import nicknames</translation>
    </message>
    <message numerus="yes">
        <source>%n pseudo(s) exporté(s).</source>
        <translation>
            <numerusform>%n nickname exported.</numerusform>
            <numerusform>%n nicknames exported.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier n&apos;a pas pu être écrit.</source>
        <translation>The file could not be written.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une collection de pseudos lisible.</source>
        <translation>This file is not a readable collection of nicknames.</translation>
    </message>
    <message numerus="yes">
        <source>%n pseudo(s) ajouté(s).</source>
        <translation>
            <numerusform>%n nickname added.</numerusform>
            <numerusform>%n nicknames added.</numerusform>
        </translation>
    </message>
    <message>
        <source>Aucun pseudo gardé pour l&apos;instant. « Enregistrer » garde celui du champ sous un nom ; un double clic le remet dans le champ.</source>
        <translation>No nickname kept yet. “Save” keeps the one in the field under a name; a double click puts it back in the field.</translation>
    </message>
</context>
<context>
    <name>PageCouleur</name>
    <message>
        <source>&amp;Colorier le texte sélectionné!</source>
        <translation>&amp;Colour the selected text!</translation>
    </message>
    <message>
        <source>Donne au texte sélectionné la couleur du carré</source>
        <translation>Gives the selected text the square&apos;s colour</translation>
    </message>
    <message>
        <source>Sélectionnez une couleur:</source>
        <translation>Pick a colour:</translation>
    </message>
    <message>
        <source>Attention, le nombre de couleurs affichables dans un pseudo est limité dans Trackmania.&lt;br /&gt;&lt;strong&gt;Le carré ci-contre vous affiche la couleur telle qu&apos;elle sera visible dans Trackmania.&lt;/strong&gt; Cette couleur peut donc légèrement varier de celle que vous choisissez de manière précise dans la boite de dialogue.</source>
        <translation>Note that Trackmania shows a limited number of colours in a nickname.&lt;br /&gt;&lt;strong&gt;The square beside shows the colour as it will look in Trackmania.&lt;/strong&gt; It may therefore differ slightly from the exact colour you pick in the dialog.</translation>
    </message>
    <message>
        <source>Couleur uniforme</source>
        <translation>Plain colour</translation>
    </message>
</context>
<context>
    <name>PageDegrade</name>
    <message>
        <source>Sélectionnez la couleur de départ:</source>
        <translation>Pick the start colour:</translation>
    </message>
    <message>
        <source>Sélectionnez la couleur d&apos;arrivée:</source>
        <translation>Pick the end colour:</translation>
    </message>
    <message>
        <source>Ignorer les espaces</source>
        <translation>Leave spaces alone</translation>
    </message>
    <message>
        <source>Sélectionnez du texte pour voir la longueur du code.</source>
        <translation>Select some text to see the code&apos;s length.</translation>
    </message>
    <message>
        <source>&amp;Appliquer le dégradé sur le texte sélectionné</source>
        <translation>&amp;Apply the gradient to the selected text</translation>
    </message>
    <message>
        <source>A&amp;juster à 45 caractères</source>
        <translation>&amp;Fit to 45 characters</translation>
    </message>
    <message>
        <source>Colore le texte sélectionné en dégradé</source>
        <translation>Colours the selected text with a gradient</translation>
    </message>
    <message>
        <source>Place les changements de couleur pour que le code tienne en 45 caractères</source>
        <translation>Places the colour changes so that the code fits in 45 characters</translation>
    </message>
    <message>
        <source>Le paramètre ci-dessus permet de faire varier la vitesse du dégradé.&lt;br /&gt;Si vous changez de couleur tous les caractères, le dégradé sera beau mais très consommateur en nombre de caractères.&lt;br /&gt;&lt;strong&gt;Si vous dépassez le nombre de caractères maxi, essayez d&apos;augmenter ce paramètre.&lt;/strong&gt;</source>
        <translation>The setting above changes how fast the gradient moves.&lt;br /&gt;Changing colour on every character makes a fine gradient, but it costs many characters.&lt;br /&gt;&lt;strong&gt;If you go past the maximum number of characters, try raising this setting.&lt;/strong&gt;</translation>
    </message>
    <message>
        <source>Le code fera %1 caractères</source>
        <translation>The code will be %1 characters</translation>
    </message>
    <message>
        <source>Dégradé ajusté : le code fait %1 caractères.</source>
        <translation>Gradient fitted: the code is %1 characters.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ajuster : le texte seul fait déjà %1 caractères.</source>
        <translation>Cannot fit: the text alone is already %1 characters.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ajuster : même une seule couleur dépasse 45 caractères.</source>
        <translation>Cannot fit: even a single colour goes past 45 characters.</translation>
    </message>
    <message>
        <source>Changer de couleur tout les </source>
        <translation>Change colour every </translation>
    </message>
    <message>
        <source> caractère(s).</source>
        <translation> character(s).</translation>
    </message>
    <message>
        <source>Couleur de départ</source>
        <translation>Start colour</translation>
    </message>
    <message>
        <source>Couleur d&apos;arrivée</source>
        <translation>End colour</translation>
    </message>
    <message>
        <source>Pas du dégradé</source>
        <translation>Gradient step</translation>
    </message>
    <message>
        <source>RVB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>Perceptuel (OKLab)</source>
        <translation>Perceptual (OKLab)</translation>
    </message>
    <message>
        <source>Teinte (arc-en-ciel)</source>
        <translation>Hue (rainbow)</translation>
    </message>
    <message>
        <source>Comment passer d&apos;une couleur à la suivante</source>
        <translation>How to go from one colour to the next</translation>
    </message>
    <message>
        <source>Mélange</source>
        <translation>Blend</translation>
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
        <translation>Narrow</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Wide</translation>
    </message>
    <message>
        <source>Texte en italique</source>
        <translation>Italic text</translation>
    </message>
    <message>
        <source>Texte en gras</source>
        <translation>Bold text</translation>
    </message>
    <message>
        <source>Texte en majuscules</source>
        <translation>Capital letters</translation>
    </message>
    <message>
        <source>&amp;Appliquer sur le texte sélectionné</source>
        <translation>&amp;Apply to the selected text</translation>
    </message>
    <message>
        <source>Applique au texte sélectionné les effets cochés</source>
        <translation>Applies the ticked effects to the selected text</translation>
    </message>
    <message>
        <source>Espacement des caractères:</source>
        <translation>Character spacing:</translation>
    </message>
    <message>
        <source>Attention, Vivarel ne gère l&apos;espacement des caractères que sur le pseudo dans sa globalité.&lt;br /&gt;C&apos;est le seul effet pour lequel vous ne pouvez pas sélectionner les caractères à modifier.</source>
        <translation>Note that Vivarel sets the character spacing for the whole nickname only.&lt;br /&gt;It is the one effect for which you cannot select the characters to change.</translation>
    </message>
</context>
<context>
    <name>QFrame_Perso</name>
    <message>
        <source>Cliquez, ou appuyez sur Espace, pour choisir la couleur</source>
        <translation>Click, or press Space, to pick the colour</translation>
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
        <translation>standard output</translation>
    </message>
    <message>
        <source>entrée standard</source>
        <translation>standard input</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Les réglages (%1) sont illisibles : Vivarel ne les modifiera pas.</source>
        <translation>The settings (%1) cannot be read: Vivarel will leave them as they are.</translation>
    </message>
    <message>
        <source>Les réglages (%1) étaient illisibles : ils sont gardés sous %2.</source>
        <translation>The settings (%1) could not be read: they are kept as %2.</translation>
    </message>
    <message>
        <source>Ce navigateur ne rend pas ce que Vivarel y a gardé : Vivarel n&apos;y écrira rien.</source>
        <translation>This browser does not give back what Vivarel kept in it: Vivarel will write nothing there.</translation>
    </message>
</context>
<context>
    <name>SortieCode</name>
    <message>
        <source>Copie le code dans le presse-papiers</source>
        <translation>Copies the code to the clipboard</translation>
    </message>
    <message>
        <source>Lit un code que vous avez déjà, pour le modifier ici</source>
        <translation>Reads a code you already have, to change it here</translation>
    </message>
    <message>
        <source>Le texte collé contient des codes du jeu.</source>
        <translation>The pasted text holds game codes.</translation>
    </message>
    <message>
        <source>Importer ce code</source>
        <translation>Import this code</translation>
    </message>
    <message>
        <source>Remplace le pseudo par ce que le code décrit</source>
        <translation>Replaces the nickname with what the code describes</translation>
    </message>
    <message>
        <source>Aperçu dans le jeu</source>
        <translation>In-game preview</translation>
    </message>
    <message>
        <source>Code copié.</source>
        <translation>Code copied.</translation>
    </message>
    <message>
        <source>Importer un code</source>
        <translation>Import a code</translation>
    </message>
    <message>
        <source>Collez le code de votre pseudo :</source>
        <translation>Paste your nickname&apos;s code:</translation>
    </message>
    <message>
        <source>Co&amp;pier</source>
        <translation>Co&amp;py</translation>
    </message>
    <message>
        <source>I&amp;mporter un code…</source>
        <translation>I&amp;mport a code…</translation>
    </message>
    <message>
        <source>l&apos;ombre ($s), que Vivarel ne sait pas écrire</source>
        <translation>the shadow ($s), which Vivarel cannot write</translation>
    </message>
    <message>
        <source>un lien « %1 », dont le texte est gardé</source>
        <translation>a link “%1”, whose text is kept</translation>
    </message>
    <message>
        <source>Code importé.</source>
        <translation>Code imported.</translation>
    </message>
    <message>
        <source>Code importé. Laissé de côté : %1.</source>
        <translation>Code imported. Left out: %1.</translation>
    </message>
    <message>
        <source>Copier l&apos;ima&amp;ge</source>
        <translation>Copy as ima&amp;ge</translation>
    </message>
    <message>
        <source>Enregistrer &amp;l&apos;image…</source>
        <translation>Sa&amp;ve the image…</translation>
    </message>
    <message>
        <source>Copier en H&amp;TML</source>
        <translation>Copy as H&amp;TML</translation>
    </message>
    <message>
        <source>Copie le pseudo tel que le jeu le dessine, en image</source>
        <translation>Copies the nickname as the game draws it, as an image</translation>
    </message>
    <message>
        <source>Enregistre le pseudo tel que le jeu le dessine, en PNG</source>
        <translation>Saves the nickname as the game draws it, as a PNG file</translation>
    </message>
    <message>
        <source>Copie le pseudo en HTML, pour un forum ou une page web</source>
        <translation>Copies the nickname as HTML, for a forum or a web page</translation>
    </message>
    <message>
        <source>Image copiée.</source>
        <translation>Image copied.</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Save the image</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Image enregistrée.</source>
        <translation>Image saved.</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée.</source>
        <translation>The image could not be saved.</translation>
    </message>
    <message>
        <source>Code copié en HTML.</source>
        <translation>Code copied as HTML.</translation>
    </message>
    <message>
        <source>Copier le lien</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>Copie un lien vers cette page qui ouvre ce pseudo</source>
        <translation>Copies a link to this page that opens this nickname</translation>
    </message>
    <message>
        <source>Lien copié.</source>
        <translation>Link copied.</translation>
    </message>
    <message>
        <source>Le navigateur n&apos;a pas pris l&apos;image : enregistrez-la avec « Enregistrer l&apos;image… ».</source>
        <translation>The browser did not take the image: save it with “Save the image…”.</translation>
    </message>
    <message>
        <source>Le navigateur a refusé la copie : le code est sélectionné, copiez-le avec %1.</source>
        <translation>The browser refused the copy: the code is selected, copy it with %1.</translation>
    </message>
</context>
</TS>
