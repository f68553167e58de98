<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="fr">
<context>
    <name>BandeDegrade</name>
    <message>
        <source>Aperçu du dégradé</source>
        <translation>Aperçu du dégradé</translation>
    </message>
</context>
<context>
    <name>Collection</name>
    <message numerus="yes">
        <source> (%n entrée(s) illisible(s))</source>
        <translation>
            <numerusform> (%n entrée illisible)</numerusform>
            <numerusform> (%n entrées illisibles)</numerusform>
        </translation>
    </message>
    <message>
        <source>Mes pseudos (%1) sont illisibles%2 : Vivarel ne les modifiera pas.</source>
        <translation>Mes pseudos (%1) sont illisibles%2 : Vivarel ne les modifiera pas.</translation>
    </message>
    <message>
        <source>Mes pseudos (%1) étaient illisibles%2 : le fichier est gardé sous %3.</source>
        <translation>Mes pseudos (%1) étaient illisibles%2 : le fichier est gardé sous %3.</translation>
    </message>
</context>
<context>
    <name>CollectionDegrades</name>
    <message>
        <source>Arc-en-ciel</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Feu</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Océan</source>
        <translation>Océan</translation>
    </message>
    <message>
        <source>Coucher de soleil</source>
        <translation>Coucher de soleil</translation>
    </message>
    <message>
        <source>Glace</source>
        <translation>Glace</translation>
    </message>
    <message>
        <source>Forêt</source>
        <translation>Forêt</translation>
    </message>
    <message>
        <source>Néon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Or</translation>
    </message>
</context>
<context>
    <name>DegradesEnregistres</name>
    <message>
        <source>Mes dégradés (%1) sont illisibles%2 : Vivarel ne les modifiera pas.</source>
        <translation>Mes dégradés (%1) sont illisibles%2 : Vivarel ne les modifiera pas.</translation>
    </message>
    <message>
        <source>Mes dégradés (%1) étaient illisibles%2 : le fichier est gardé sous %3.</source>
        <translation>Mes dégradés (%1) étaient illisibles%2 : le fichier est gardé sous %3.</translation>
    </message>
    <message numerus="yes">
        <source> (%n dégradé(s) illisible(s))</source>
        <translation>
            <numerusform> (%n dégradé illisible)</numerusform>
            <numerusform> (%n dégradés illisibles)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EtapesDegrade</name>
    <message>
        <source>Ajouter une couleur au dégradé</source>
        <translation>Ajouter une couleur au dégradé</translation>
    </message>
    <message>
        <source>Retirer cette couleur du dégradé</source>
        <translation>Retirer cette couleur du dégradé</translation>
    </message>
    <message>
        <source>Couleur intermédiaire %1</source>
        <translation>Couleur intermédiaire %1</translation>
    </message>
</context>
<context>
    <name>Fen_Principale</name>
    <message>
        <source>Votre Pseudo:</source>
        <translation>Votre Pseudo:</translation>
    </message>
    <message>
        <source>Texte à copier-coller dans trackmania:</source>
        <translation>Texte à copier-coller dans trackmania:</translation>
    </message>
    <message>
        <source>Caractère spécial</source>
        <translation>Caractère spécial</translation>
    </message>
    <message>
        <source>Couleur uniforme</source>
        <translation>Couleur uniforme</translation>
    </message>
    <message>
        <source>Dégradé de couleur</source>
        <translation>Dégradé de couleur</translation>
    </message>
    <message>
        <source>Effet sur le texte</source>
        <translation>Effet sur le texte</translation>
    </message>
    <message>
        <source>Rend au texte sélectionné l&apos;aspect du texte tapé</source>
        <translation>Rend au texte sélectionné l&apos;aspect du texte tapé</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Veuillez sélectionner la partie du texte à colorier avant de cliquer sur le bouton.</source>
        <translation>Veuillez sélectionner la partie du texte à colorier avant de cliquer sur le bouton.</translation>
    </message>
    <message>
        <source>Veuillez sélectionner la partie du texte à réinitialiser avant de cliquer sur le bouton.</source>
        <translation>Veuillez sélectionner la partie du texte à réinitialiser avant de cliquer sur le bouton.</translation>
    </message>
    <message>
        <source>Veuillez sélectionner la partie du texte à mettre en forme avant de cliquer sur le bouton.</source>
        <translation>Veuillez sélectionner la partie du texte à mettre en forme avant de cliquer sur le bouton.</translation>
    </message>
    <message>
        <source>&amp;Réinitialiser le texte sélectionné</source>
        <translation>&amp;Réinitialiser le texte sélectionné</translation>
    </message>
    <message>
        <source>Mes pseudos</source>
        <translation>Mes pseudos</translation>
    </message>
    <message>
        <source>Votre pseudo</source>
        <translation>Votre pseudo</translation>
    </message>
    <message>
        <source>Outils</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Couleurs, dégradés et effets pour votre pseudo</source>
        <translation>Couleurs, dégradés et effets pour votre pseudo</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Écrit le pseudo que CODE décrit, sans fenêtre ; - lit un code par ligne sur l&apos;entrée standard et répond à chacune dès qu&apos;elle est lue.</source>
        <translation>Écrit le pseudo que CODE décrit, sans fenêtre ; - lit un code par ligne sur l&apos;entrée standard et répond à chacune dès qu&apos;elle est lue.</translation>
    </message>
    <message>
        <source>Avec --render : text (ce que le jeu affiche), html, ansi (couleurs du terminal) ou png (image, avec --output). Par défaut : text.</source>
        <translation>Avec --render : text (ce que le jeu affiche), html, ansi (couleurs du terminal) ou png (image, avec --output). Par défaut : text.</translation>
    </message>
    <message>
        <source>Avec --format png : le fichier PNG (numéroté -1, -2 … pour l&apos;entrée standard).</source>
        <translation>Avec --format png : le fichier PNG (numéroté -1, -2 … pour l&apos;entrée standard).</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Avec --render : ne garde que ce que le jeu garde (45 caractères de code).</source>
        <translation>Avec --render : ne garde que ce que le jeu garde (45 caractères de code).</translation>
    </message>
    <message>
        <source>Colore et met en forme un pseudo Trackmania et écrit son code.</source>
        <translation>Colore et met en forme un pseudo Trackmania et écrit son code.</translation>
    </message>
    <message>
        <source>--format, --output et --cut vont avec --render</source>
        <translation>--format, --output et --cut vont avec --render</translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation>argument inattendu : %1</translation>
    </message>
    <message>
        <source>--format vaut text, html, ansi ou png</source>
        <translation>--format vaut text, html, ansi ou png</translation>
    </message>
    <message>
        <source>--format png demande --output %1</source>
        <translation>--format png demande --output %1</translation>
    </message>
    <message>
        <source>Vivarel : aucun affichage (DISPLAY et WAYLAND_DISPLAY sont vides) : lancez Vivarel depuis un bureau.
</source>
        <translation>Vivarel : aucun affichage (DISPLAY et WAYLAND_DISPLAY sont vides) : lancez Vivarel depuis un bureau.
</translation>
    </message>
</context>
<context>
    <name>LigneLongueur</name>
    <message>
        <source>Ce champ ne doit pas dépasser 45 caractères.</source>
        <translation>Ce champ ne doit pas dépasser 45 caractères.</translation>
    </message>
    <message>
        <source>Nombre de caractères actuels:</source>
        <translation>Nombre de caractères actuels:</translation>
    </message>
    <message>
        <source>Nombre de caractères</source>
        <translation>Nombre de caractères</translation>
    </message>
    <message>
        <source>Attention, il y a trop de caractères!</source>
        <translation>Attention, il y a trop de caractères!</translation>
    </message>
</context>
<context>
    <name>ListeDegrades</name>
    <message>
        <source>Enregistrer ce &amp;dégradé…</source>
        <translation>Enregistrer ce &amp;dégradé…</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Supprime le dégradé enregistré choisi</source>
        <translation>Supprime le dégradé enregistré choisi</translation>
    </message>
    <message>
        <source>Garde les couleurs, le mélange et le pas sous un nom</source>
        <translation>Garde les couleurs, le mélange et le pas sous un nom</translation>
    </message>
    <message>
        <source>Préréglages</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Enregistrer le dégradé</source>
        <translation>Enregistrer le dégradé</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Un dégradé s&apos;appelle déjà « %1 ». Le remplacer ?</source>
        <translation>Un dégradé s&apos;appelle déjà « %1 ». Le remplacer ?</translation>
    </message>
    <message>
        <source>Supprimer le dégradé</source>
        <translation>Supprimer le dégradé</translation>
    </message>
    <message>
        <source>Supprimer le dégradé « %1 » ?</source>
        <translation>Supprimer le dégradé « %1 » ?</translation>
    </message>
</context>
<context>
    <name>NomCouleur</name>
    <message>
        <source>rouge</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>jaune</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>vert</source>
        <translation>vert</translation>
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
        <translation>bleu</translation>
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
        <translation>rose</translation>
    </message>
    <message>
        <source>noir</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>gris foncé</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>gris</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>gris clair</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>blanc</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>brun</source>
        <translation>brun</translation>
    </message>
    <message>
        <source>%1 foncé</source>
        <translation>%1 foncé</translation>
    </message>
    <message>
        <source>%1 clair</source>
        <translation>%1 clair</translation>
    </message>
    <message>
        <source>%1 vif</source>
        <translation>%1 vif</translation>
    </message>
</context>
<context>
    <name>PageCaracteres</name>
    <message>
        <source>Caractère ressemblant à une lettre:</source>
        <translation>Caractère ressemblant à une lettre:</translation>
    </message>
    <message>
        <source>Double lettre:</source>
        <translation>Double lettre:</translation>
    </message>
    <message>
        <source>Smiley:</source>
        <translation>Smiley:</translation>
    </message>
    <message>
        <source>Autre:</source>
        <translation>Autre:</translation>
    </message>
    <message>
        <source>&amp;Insérer</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>Attention, selon les caractéristiques de votre système, &lt;strong&gt;certains caractères spéciaux peuvent ne pas s&apos;afficher correctement.&lt;/strong&gt; C&apos;est le cas si un carré blanc est visble à la place du caractère attendu.&lt;br /&gt;Si vous ne visualisez pas un caractère qui vous intéresse, essayez de le copier-coller directement dans Trackmania à partir </source>
        <translation>Attention, selon les caractéristiques de votre système, &lt;strong&gt;certains caractères spéciaux peuvent ne pas s&apos;afficher correctement.&lt;/strong&gt; C&apos;est le cas si un carré blanc est visble à la place du caractère attendu.&lt;br /&gt;Si vous ne visualisez pas un caractère qui vous intéresse, essayez de le copier-coller directement dans Trackmania à partir </translation>
    </message>
    <message>
        <source>de cette page web.</source>
        <translation>de cette page web.</translation>
    </message>
    <message>
        <source>Met le caractère choisi à la place du curseur</source>
        <translation>Met le caractère choisi à la place du curseur</translation>
    </message>
    <message>
        <source>Lettre</source>
        <translation>Lettre</translation>
    </message>
</context>
<context>
    <name>PageCollection</name>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>C&amp;harger</source>
        <translation>C&amp;harger</translation>
    </message>
    <message>
        <source>Re&amp;nommer</source>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>E&amp;xporter…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Imp&amp;orter…</source>
        <translation>Imp&amp;orter…</translation>
    </message>
    <message>
        <source>Garde le pseudo du champ sous un nom</source>
        <translation>Garde le pseudo du champ sous un nom</translation>
    </message>
    <message>
        <source>Met le pseudo choisi dans le champ</source>
        <translation>Met le pseudo choisi dans le champ</translation>
    </message>
    <message>
        <source>Donne un autre nom au pseudo choisi</source>
        <translation>Donne un autre nom au pseudo choisi</translation>
    </message>
    <message>
        <source>Retire les pseudos choisis de la collection</source>
        <translation>Retire les pseudos choisis de la collection</translation>
    </message>
    <message>
        <source>Écrit les pseudos choisis, ou tous, dans un fichier</source>
        <translation>Écrit les pseudos choisis, ou tous, dans un fichier</translation>
    </message>
    <message>
        <source>Ajoute les pseudos d&apos;un fichier</source>
        <translation>Ajoute les pseudos d&apos;un fichier</translation>
    </message>
    <message>
        <source>Nom :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Mes pseudos</source>
        <translation>Mes pseudos</translation>
    </message>
    <message>
        <source>Enregistrer le pseudo</source>
        <translation>Enregistrer le pseudo</translation>
    </message>
    <message>
        <source>Un pseudo s&apos;appelle déjà « %1 ». Le remplacer ?</source>
        <translation>Un pseudo s&apos;appelle déjà « %1 ». Le remplacer ?</translation>
    </message>
    <message>
        <source>Renommer le pseudo</source>
        <translation>Renommer le pseudo</translation>
    </message>
    <message>
        <source>Un pseudo s&apos;appelle déjà « %1 ».</source>
        <translation>Un pseudo s&apos;appelle déjà « %1 ».</translation>
    </message>
    <message numerus="yes">
        <source>Supprimer %n pseudo(s) ?</source>
        <translation>
            <numerusform>Supprimer %n pseudo ?</numerusform>
            <numerusform>Supprimer %n pseudos ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Exporter des pseudos</source>
        <translation>Exporter des pseudos</translation>
    </message>
    <message>
        <source>Pseudos Vivarel (*.json)</source>
        <translation>Pseudos Vivarel (*.json)</translation>
    </message>
    <message>
        <source>Importer des pseudos</source>
        <translation>Importer des pseudos</translation>
    </message>
    <message numerus="yes">
        <source>%n pseudo(s) exporté(s).</source>
        <translation>
            <numerusform>%n pseudo exporté.</numerusform>
            <numerusform>%n pseudos exportés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Le fichier n&apos;a pas pu être écrit.</source>
        <translation>Le fichier n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Ce fichier n&apos;est pas une collection de pseudos lisible.</source>
        <translation>Ce fichier n&apos;est pas une collection de pseudos lisible.</translation>
    </message>
    <message numerus="yes">
        <source>%n pseudo(s) ajouté(s).</source>
        <translation>
            <numerusform>%n pseudo ajouté.</numerusform>
            <numerusform>%n pseudos ajoutés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Aucun pseudo gardé pour l&apos;instant. « Enregistrer » garde celui du champ sous un nom ; un double clic le remet dans le champ.</source>
        <translation>Aucun pseudo gardé pour l&apos;instant. « Enregistrer » garde celui du champ sous un nom ; un double clic le remet dans le champ.</translation>
    </message>
</context>
<context>
    <name>PageCouleur</name>
    <message>
        <source>&amp;Colorier le texte sélectionné!</source>
        <translation>&amp;Colorier le texte sélectionné!</translation>
    </message>
    <message>
        <source>Donne au texte sélectionné la couleur du carré</source>
        <translation>Donne au texte sélectionné la couleur du carré</translation>
    </message>
    <message>
        <source>Sélectionnez une couleur:</source>
        <translation>Sélectionnez une couleur:</translation>
    </message>
    <message>
        <source>Attention, le nombre de couleurs affichables dans un pseudo est limité dans Trackmania.&lt;br /&gt;&lt;strong&gt;Le carré ci-contre vous affiche la couleur telle qu&apos;elle sera visible dans Trackmania.&lt;/strong&gt; Cette couleur peut donc légèrement varier de celle que vous choisissez de manière précise dans la boite de dialogue.</source>
        <translation>Attention, le nombre de couleurs affichables dans un pseudo est limité dans Trackmania.&lt;br /&gt;&lt;strong&gt;Le carré ci-contre vous affiche la couleur telle qu&apos;elle sera visible dans Trackmania.&lt;/strong&gt; Cette couleur peut donc légèrement varier de celle que vous choisissez de manière précise dans la boite de dialogue.</translation>
    </message>
    <message>
        <source>Couleur uniforme</source>
        <translation>Couleur uniforme</translation>
    </message>
</context>
<context>
    <name>PageDegrade</name>
    <message>
        <source>Sélectionnez la couleur de départ:</source>
        <translation>Sélectionnez la couleur de départ:</translation>
    </message>
    <message>
        <source>Sélectionnez la couleur d&apos;arrivée:</source>
        <translation>Sélectionnez la couleur d&apos;arrivée:</translation>
    </message>
    <message>
        <source>Ignorer les espaces</source>
        <translation>Ignorer les espaces</translation>
    </message>
    <message>
        <source>Sélectionnez du texte pour voir la longueur du code.</source>
        <translation>Sélectionnez du texte pour voir la longueur du code.</translation>
    </message>
    <message>
        <source>&amp;Appliquer le dégradé sur le texte sélectionné</source>
        <translation>&amp;Appliquer le dégradé sur le texte sélectionné</translation>
    </message>
    <message>
        <source>A&amp;juster à 45 caractères</source>
        <translation>A&amp;juster à 45 caractères</translation>
    </message>
    <message>
        <source>Colore le texte sélectionné en dégradé</source>
        <translation>Colore le texte sélectionné en dégradé</translation>
    </message>
    <message>
        <source>Place les changements de couleur pour que le code tienne en 45 caractères</source>
        <translation>Place les changements de couleur pour que le code tienne en 45 caractères</translation>
    </message>
    <message>
        <source>Le paramètre ci-dessus permet de faire varier la vitesse du dégradé.&lt;br /&gt;Si vous changez de couleur tous les caractères, le dégradé sera beau mais très consommateur en nombre de caractères.&lt;br /&gt;&lt;strong&gt;Si vous dépassez le nombre de caractères maxi, essayez d&apos;augmenter ce paramètre.&lt;/strong&gt;</source>
        <translation>Le paramètre ci-dessus permet de faire varier la vitesse du dégradé.&lt;br /&gt;Si vous changez de couleur tous les caractères, le dégradé sera beau mais très consommateur en nombre de caractères.&lt;br /&gt;&lt;strong&gt;Si vous dépassez le nombre de caractères maxi, essayez d&apos;augmenter ce paramètre.&lt;/strong&gt;</translation>
    </message>
    <message>
        <source>Le code fera %1 caractères</source>
        <translation>Le code fera %1 caractères</translation>
    </message>
    <message>
        <source>Dégradé ajusté : le code fait %1 caractères.</source>
        <translation>Dégradé ajusté : le code fait %1 caractères.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ajuster : le texte seul fait déjà %1 caractères.</source>
        <translation>Impossible d&apos;ajuster : le texte seul fait déjà %1 caractères.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ajuster : même une seule couleur dépasse 45 caractères.</source>
        <translation>Impossible d&apos;ajuster : même une seule couleur dépasse 45 caractères.</translation>
    </message>
    <message>
        <source>Changer de couleur tout les </source>
        <translation>Changer de couleur tout les </translation>
    </message>
    <message>
        <source> caractère(s).</source>
        <translation> caractère(s).</translation>
    </message>
    <message>
        <source>Couleur de départ</source>
        <translation>Couleur de départ</translation>
    </message>
    <message>
        <source>Couleur d&apos;arrivée</source>
        <translation>Couleur d&apos;arrivée</translation>
    </message>
    <message>
        <source>Pas du dégradé</source>
        <translation>Pas du dégradé</translation>
    </message>
    <message>
        <source>RVB</source>
        <translation>RVB</translation>
    </message>
    <message>
        <source>Perceptuel (OKLab)</source>
        <translation>Perceptuel (OKLab)</translation>
    </message>
    <message>
        <source>Teinte (arc-en-ciel)</source>
        <translation>Teinte (arc-en-ciel)</translation>
    </message>
    <message>
        <source>Comment passer d&apos;une couleur à la suivante</source>
        <translation>Comment passer d&apos;une couleur à la suivante</translation>
    </message>
    <message>
        <source>Mélange</source>
        <translation>Mélange</translation>
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
        <translation>Serré</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Texte en italique</source>
        <translation>Texte en italique</translation>
    </message>
    <message>
        <source>Texte en gras</source>
        <translation>Texte en gras</translation>
    </message>
    <message>
        <source>Texte en majuscules</source>
        <translation>Texte en majuscules</translation>
    </message>
    <message>
        <source>&amp;Appliquer sur le texte sélectionné</source>
        <translation>&amp;Appliquer sur le texte sélectionné</translation>
    </message>
    <message>
        <source>Applique au texte sélectionné les effets cochés</source>
        <translation>Applique au texte sélectionné les effets cochés</translation>
    </message>
    <message>
        <source>Espacement des caractères:</source>
        <translation>Espacement des caractères:</translation>
    </message>
    <message>
        <source>Attention, Vivarel ne gère l&apos;espacement des caractères que sur le pseudo dans sa globalité.&lt;br /&gt;C&apos;est le seul effet pour lequel vous ne pouvez pas sélectionner les caractères à modifier.</source>
        <translation>Attention, Vivarel ne gère l&apos;espacement des caractères que sur le pseudo dans sa globalité.&lt;br /&gt;C&apos;est le seul effet pour lequel vous ne pouvez pas sélectionner les caractères à modifier.</translation>
    </message>
</context>
<context>
    <name>QFrame_Perso</name>
    <message>
        <source>Cliquez, ou appuyez sur Espace, pour choisir la couleur</source>
        <translation>Cliquez, ou appuyez sur Espace, pour choisir la couleur</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>RenduCommande</name>
    <message>
        <source>sortie standard</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>entrée standard</source>
        <translation>entrée standard</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Les réglages (%1) sont illisibles : Vivarel ne les modifiera pas.</source>
        <translation>Les réglages (%1) sont illisibles : Vivarel ne les modifiera pas.</translation>
    </message>
    <message>
        <source>Les réglages (%1) étaient illisibles : ils sont gardés sous %2.</source>
        <translation>Les réglages (%1) étaient illisibles : ils sont gardés sous %2.</translation>
    </message>
    <message>
        <source>Ce navigateur ne rend pas ce que Vivarel y a gardé : Vivarel n&apos;y écrira rien.</source>
        <translation>Ce navigateur ne rend pas ce que Vivarel y a gardé : Vivarel n&apos;y écrira rien.</translation>
    </message>
</context>
<context>
    <name>SortieCode</name>
    <message>
        <source>Copie le code dans le presse-papiers</source>
        <translation>Copie le code dans le presse-papiers</translation>
    </message>
    <message>
        <source>Lit un code que vous avez déjà, pour le modifier ici</source>
        <translation>Lit un code que vous avez déjà, pour le modifier ici</translation>
    </message>
    <message>
        <source>Le texte collé contient des codes du jeu.</source>
        <translation>Le texte collé contient des codes du jeu.</translation>
    </message>
    <message>
        <source>Importer ce code</source>
        <translation>Importer ce code</translation>
    </message>
    <message>
        <source>Remplace le pseudo par ce que le code décrit</source>
        <translation>Remplace le pseudo par ce que le code décrit</translation>
    </message>
    <message>
        <source>Aperçu dans le jeu</source>
        <translation>Aperçu dans le jeu</translation>
    </message>
    <message>
        <source>Code copié.</source>
        <translation>Code copié.</translation>
    </message>
    <message>
        <source>Importer un code</source>
        <translation>Importer un code</translation>
    </message>
    <message>
        <source>Collez le code de votre pseudo :</source>
        <translation>Collez le code de votre pseudo :</translation>
    </message>
    <message>
        <source>Co&amp;pier</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>I&amp;mporter un code…</source>
        <translation>I&amp;mporter un code…</translation>
    </message>
    <message>
        <source>l&apos;ombre ($s), que Vivarel ne sait pas écrire</source>
        <translation>l&apos;ombre ($s), que Vivarel ne sait pas écrire</translation>
    </message>
    <message>
        <source>un lien « %1 », dont le texte est gardé</source>
        <translation>un lien « %1 », dont le texte est gardé</translation>
    </message>
    <message>
        <source>Code importé.</source>
        <translation>Code importé.</translation>
    </message>
    <message>
        <source>Code importé. Laissé de côté : %1.</source>
        <translation>Code importé. Laissé de côté : %1.</translation>
    </message>
    <message>
        <source>Copier l&apos;ima&amp;ge</source>
        <translation>Copier l&apos;ima&amp;ge</translation>
    </message>
    <message>
        <source>Enregistrer &amp;l&apos;image…</source>
        <translation>Enregistrer &amp;l&apos;image…</translation>
    </message>
    <message>
        <source>Copier en H&amp;TML</source>
        <translation>Copier en H&amp;TML</translation>
    </message>
    <message>
        <source>Copie le pseudo tel que le jeu le dessine, en image</source>
        <translation>Copie le pseudo tel que le jeu le dessine, en image</translation>
    </message>
    <message>
        <source>Enregistre le pseudo tel que le jeu le dessine, en PNG</source>
        <translation>Enregistre le pseudo tel que le jeu le dessine, en PNG</translation>
    </message>
    <message>
        <source>Copie le pseudo en HTML, pour un forum ou une page web</source>
        <translation>Copie le pseudo en HTML, pour un forum ou une page web</translation>
    </message>
    <message>
        <source>Image copiée.</source>
        <translation>Image copiée.</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Image enregistrée.</source>
        <translation>Image enregistrée.</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas pu être enregistrée.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Code copié en HTML.</source>
        <translation>Code copié en HTML.</translation>
    </message>
    <message>
        <source>Copier le lien</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Copie un lien vers cette page qui ouvre ce pseudo</source>
        <translation>Copie un lien vers cette page qui ouvre ce pseudo</translation>
    </message>
    <message>
        <source>Lien copié.</source>
        <translation>Lien copié.</translation>
    </message>
    <message>
        <source>Le navigateur n&apos;a pas pris l&apos;image : enregistrez-la avec « Enregistrer l&apos;image… ».</source>
        <translation>Le navigateur n&apos;a pas pris l&apos;image : enregistrez-la avec « Enregistrer l&apos;image… ».</translation>
    </message>
    <message>
        <source>Le navigateur a refusé la copie : le code est sélectionné, copiez-le avec %1.</source>
        <translation>Le navigateur a refusé la copie : le code est sélectionné, copiez-le avec %1.</translation>
    </message>
</context>
</TS>
