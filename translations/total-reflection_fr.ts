<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>A teaching program about light at the boundary of water or glass and air.</source>
        <translation>Un programme pédagogique sur la lumière à la surface de séparation entre l&apos;eau ou le verre et l&apos;air.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, are listed by --help-all.</source>
        <translation>Les options propres à Qt, comme -platform, sont listées par --help-all.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>SUBSTANCE</source>
        <translation>MILIEU</translation>
    </message>
    <message>
        <source>Choose the substance: water or glass.</source>
        <translation>Choisissez le milieu&#xa0;: water (eau) ou glass (verre).</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>ANGLE</translation>
    </message>
    <message>
        <source>Choose the angle: 35, critical or 60; any other value is typed into the angle box.</source>
        <translation>Choisissez l&apos;angle&#xa0;: 35, critical (angle limite) ou 60&#xa0;; toute autre valeur est saisie dans la case de l&apos;angle.</translation>
    </message>
    <message>
        <source>INDEX</source>
        <translation>INDICE</translation>
    </message>
    <message>
        <source>Type the refractive index into its box.</source>
        <translation>Saisissez l&apos;indice de réfraction dans sa case.</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>HAUTEUR</translation>
    </message>
    <message>
        <source>Choose Detector H&apos;s distance: 100, 750 or 1500.</source>
        <translation>Choisissez la hauteur du détecteur H&#xa0;: 100, 750 ou 1500.</translation>
    </message>
    <message>
        <source>PACE</source>
        <translation>VITESSE</translation>
    </message>
    <message>
        <source>Choose the pace: fastest, slower, slow, or the scroll bar&apos;s position (0 to 32767).</source>
        <translation>Choisissez la vitesse&#xa0;: fastest (la plus rapide), slower (plus lente), slow (lente) ou la position de la barre de défilement (de 0 à 32767).</translation>
    </message>
    <message>
        <source>Press Start once the window is open.</source>
        <translation>Appuyez sur Jouer dès que la fenêtre est ouverte.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Drawing of the run</source>
        <translation>Dessin de l&apos;expérience</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Slowdown of the animation</source>
        <translation>Ralentissement de l&apos;animation</translation>
    </message>
    <message>
        <source>Slowdown setting</source>
        <translation>Réglage du ralentissement</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Spirales de Cornu</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector S</source>
        <translation>Spirales de Cornu du détecteur S</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Verre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Interference pattern</source>
        <translation>Interférences</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector V</source>
        <translation>Spirales de Cornu du détecteur V</translation>
    </message>
    <message>
        <source>Detector V</source>
        <translation>Détecteur V</translation>
    </message>
    <message>
        <source>Detector S</source>
        <translation>Détecteur S</translation>
    </message>
    <message>
        <source>Detector H</source>
        <translation>Détecteur H</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Indice de réfraction</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Hauteur détecteur H</translation>
    </message>
    <message>
        <source>Detector H distance setting</source>
        <translation>Réglage de la hauteur du détecteur H</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Substance setting</source>
        <translation>Réglage du milieu</translation>
    </message>
    <message>
        <source>Incident angle setting</source>
        <translation>Réglage de l&apos;angle d&apos;incidence</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Incidence</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Total reflection</source>
        <translation>Réflexion totale</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Appuyez sur Jouer</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Start line of Detector V&apos;s Cornu spirals</source>
        <translation>Ligne de départ des spirales de Cornu du détecteur V</translation>
    </message>
    <message>
        <source>Base line of Detector S&apos;s Cornu spirals</source>
        <translation>Ligne de base des spirales de Cornu du détecteur S</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Surface de séparation</translation>
    </message>
    <message>
        <source>Track of Detector S</source>
        <translation>Trajet du détecteur S</translation>
    </message>
    <message>
        <source>Track of Detector V</source>
        <translation>Trajet du détecteur V</translation>
    </message>
    <message>
        <source>Track of Detector H</source>
        <translation>Trajet du détecteur H</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The readings could not be saved as “%1”.

%2</source>
        <translation>Les mesures n&apos;ont pas pu être enregistrées sous «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>Save readings</source>
        <translation>Enregistrer les mesures</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <translation>Classeurs (*.xlsx)</translation>
    </message>
    <message>
        <source>Save readings as CSV</source>
        <translation>Enregistrer les mesures en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Enregistrer l&apos;image…</translation>
    </message>
    <message>
        <source>Save picture at twice the resolution…</source>
        <translation>Enregistrer l&apos;image en résolution double…</translation>
    </message>
    <message>
        <source>Copy readings</source>
        <translation>Copier les mesures</translation>
    </message>
    <message>
        <source>Save readings…</source>
        <translation>Enregistrer les mesures…</translation>
    </message>
    <message>
        <source>Save readings as CSV…</source>
        <translation>Enregistrer les mesures en CSV…</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Enregistrer la fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as “%1”.

%2</source>
        <translation>La fiche d&apos;exercices n&apos;a pas pu être enregistrée sous «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>Save worksheet…</source>
        <translation>Enregistrer la fiche d&apos;exercices…</translation>
    </message>
    <message>
        <source>Print worksheet…</source>
        <translation>Imprimer la fiche d&apos;exercices…</translation>
    </message>
    <message>
        <source>Copy link to this run</source>
        <translation>Copier le lien vers cette expérience</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>fastest</source>
        <translation>le plus rapide</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>le plus lent</translation>
    </message>
    <message>
        <source>%1 percent of the way to the slowest</source>
        <translation>%1&#xa0;% du chemin vers le plus lent</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The window is closed. Reload the page to open it again.</source>
        <translation>La fenêtre est fermée. Rechargez la page pour l&apos;ouvrir à nouveau.</translation>
    </message>
    <message>
        <source>The window stopped because of an error. Reload the page to start it again.</source>
        <translation>La fenêtre s&apos;est arrêtée à cause d&apos;une erreur. Rechargez la page pour la relancer.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>The readings could not be copied.</source>
        <translation>Les mesures n&apos;ont pas pu être copiées.</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>L&apos;image n&apos;a pas pu être copiée.</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Le lien n&apos;a pas pu être copié.</translation>
    </message>
    <message>
        <source>This browser cannot make the picture that large. It was saved at %1 × %2 pixels, the largest it can make.</source>
        <translation>Ce navigateur ne peut pas créer une image aussi grande. Elle a été enregistrée en %1 × %2 pixels, la plus grande taille qu&apos;il peut créer.</translation>
    </message>
    <message>
        <source>The picture could not be saved: this browser could not make it.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée&#xa0;: ce navigateur n&apos;a pas pu la créer.</translation>
    </message>
    <message>
        <source>The readings could not be saved: this browser could not make the file.</source>
        <translation>Les mesures n&apos;ont pas pu être enregistrées&#xa0;: ce navigateur n&apos;a pas pu créer le fichier.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Refractive index</source>
        <translation>Indice de réfraction</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Angle d&apos;incidence</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Hauteur du détecteur H</translation>
    </message>
    <message>
        <source>Slowdown</source>
        <translation>Ralentissement</translation>
    </message>
    <message>
        <source>Type a number such as %1, then press Start again.</source>
        <translation>Saisissez un nombre comme %1, puis appuyez de nouveau sur Jouer.</translation>
    </message>
    <message>
        <source>%1: there is no number to run with.</source>
        <translation>%1&#xa0;: il n&apos;y a pas de nombre avec lequel lancer l&apos;expérience.</translation>
    </message>
    <message>
        <source>%1: the text is longer than the box holds, %2 characters.</source>
        <translation>%1&#xa0;: le texte dépasse ce que la case peut contenir, soit %2 caractères.</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>%1: “%2” is outside the range a run can draw.</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» est hors de la plage que l&apos;expérience peut dessiner.</translation>
    </message>
    <message>
        <source>Type a number from %1 to %2, then press Start again.</source>
        <translation>Saisissez un nombre de %1 à %2, puis appuyez de nouveau sur Jouer.</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>into the water</source>
        <translation>dans l&apos;eau</translation>
    </message>
    <message>
        <source>into the glass</source>
        <translation>dans le verre</translation>
    </message>
    <message>
        <source>A medium of refractive index %1</source>
        <translation>Un milieu d&apos;indice de réfraction %1</translation>
    </message>
    <message>
        <source>into the medium</source>
        <translation>dans le milieu</translation>
    </message>
    <message>
        <source>%1 at %2 degrees</source>
        <translation>%1 sous un angle de %2°</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, the same direction as %3 degrees</source>
        <translation>%1 sous un angle de %2°, soit la même direction que %3°</translation>
    </message>
    <message>
        <source>Part of the light is reflected back %1 at %2 degrees, and part is refracted into the air at %3 degrees, as Snell&apos;s law gives.</source>
        <translation>Une partie de la lumière est réfléchie et repart %1 sous un angle de %2°, et une partie est réfractée dans l&apos;air sous un angle de %3°, comme le donne la loi de Snell-Descartes.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is less than the critical angle of about %3 degrees.</source>
        <translation>%1&#xa0;: l&apos;angle d&apos;incidence, %2°, est inférieur à l&apos;angle limite d&apos;environ %3°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is the critical angle.</source>
        <translation>%1&#xa0;: l&apos;angle d&apos;incidence, %2°, est égal à l&apos;angle limite.</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary, at 90 degrees, and the rest is reflected back %1 at %2 degrees.</source>
        <translation>La lumière réfractée longe la surface de séparation, à 90°, et le reste est réfléchi et repart %1 sous un angle de %2°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is greater than the critical angle of about %3 degrees.</source>
        <translation>%1&#xa0;: l&apos;angle d&apos;incidence, %2°, est supérieur à l&apos;angle limite d&apos;environ %3°.</translation>
    </message>
    <message>
        <source>All the light is reflected back %1 at %2 degrees, and none leaves into the air: this is total internal reflection.</source>
        <translation>Toute la lumière est réfléchie et repart %1 sous un angle de %2°, et aucune ne passe dans l&apos;air&#xa0;: c&apos;est la réflexion totale interne.</translation>
    </message>
    <message>
        <source>Almost all the light is reflected back %1 at %2 degrees: the beam is narrow, so its directions spread a little, and the little light whose direction is less than the critical angle leaves into the air.</source>
        <translation>Presque toute la lumière est réfléchie et repart %1 sous un angle de %2°&#xa0;: le faisceau est étroit, donc ses directions s&apos;étalent un peu, et le peu de lumière dont la direction fait avec la normale un angle inférieur à l&apos;angle limite passe dans l&apos;air.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with an index less than the air&apos;s there is no critical angle.</source>
        <translation>%1&#xa0;: l&apos;angle d&apos;incidence est de %2°, et avec un indice inférieur à celui de l&apos;air, il n&apos;y a pas d&apos;angle limite.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with the air&apos;s own index there is no boundary: the light goes straight on at %2 degrees, and nothing is reflected.</source>
        <translation>%1&#xa0;: l&apos;angle d&apos;incidence est de %2°, et avec l&apos;indice de l&apos;air lui-même, il n&apos;y a pas de surface de séparation&#xa0;: la lumière continue tout droit sous un angle de %2°, et rien n&apos;est réfléchi.</translation>
    </message>
    <message>
        <source>%1: no medium has a refractive index of zero or less, so no law says where its light goes; the paths are summed all the same.</source>
        <translation>%1&#xa0;: aucun milieu n&apos;a un indice de réfraction nul ou négatif, donc aucune loi ne dit où va sa lumière&#xa0;; les chemins sont tout de même additionnés.</translation>
    </message>
    <message>
        <source>The settings name no case: the paths are summed, but no case is drawn.</source>
        <translation>Les réglages ne désignent aucun cas&#xa0;: les chemins sont additionnés, mais aucun cas n&apos;est dessiné.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle less than the critical angle.</source>
        <translation>Le dessin suit l&apos;option choisie et montre le cas d&apos;un angle inférieur à l&apos;angle limite.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case at the critical angle.</source>
        <translation>Le dessin suit l&apos;option choisie et montre le cas de l&apos;angle limite.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle greater than the critical angle.</source>
        <translation>Le dessin suit l&apos;option choisie et montre le cas d&apos;un angle supérieur à l&apos;angle limite.</translation>
    </message>
    <message>
        <source>above the boundary</source>
        <translation>au-dessus de la surface de séparation</translation>
    </message>
    <message>
        <source>below the boundary</source>
        <translation>au-dessous de la surface de séparation</translation>
    </message>
    <message>
        <source>right of the normal</source>
        <translation>à droite de la normale</translation>
    </message>
    <message>
        <source>left of the normal</source>
        <translation>à gauche de la normale</translation>
    </message>
    <message>
        <source>on both sides of the normal</source>
        <translation>des deux côtés de la normale</translation>
    </message>
    <message>
        <source>part of the refracted light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>une partie de la lumière réfractée %1&#xa0;; le reste coupe la ligne du détecteur au-delà du segment qu&apos;il mesure</translation>
    </message>
    <message>
        <source>the refracted light %1, which left the boundary at about %2 degrees (Snell&apos;s law gives %3)</source>
        <translation>la lumière réfractée %1, qui a quitté la surface de séparation sous un angle d&apos;environ %2° (la loi de Snell-Descartes donne %3°)</translation>
    </message>
    <message>
        <source>the refracted light %1</source>
        <translation>la lumière réfractée %1</translation>
    </message>
    <message>
        <source>part of the reflected light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>une partie de la lumière réfléchie %1&#xa0;; le reste coupe la ligne du détecteur au-delà du segment qu&apos;il mesure</translation>
    </message>
    <message>
        <source>the reflected light %1, which left the boundary at about %2 degrees (the law of reflection gives %3)</source>
        <translation>la lumière réfléchie %1, qui a quitté la surface de séparation sous un angle d&apos;environ %2° (la loi de la réflexion donne %3°)</translation>
    </message>
    <message>
        <source>the reflected light %1</source>
        <translation>la lumière réfléchie %1</translation>
    </message>
    <message>
        <source>light %1 from a second beam, which the paths send because they lie more than half a wavelength apart, not from the boundary</source>
        <translation>de la lumière %1 venant d&apos;un second faisceau, que les chemins envoient parce qu&apos;ils sont écartés de plus d&apos;une demi-longueur d&apos;onde, et non de la surface de séparation</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads, which left the boundary at about %2 degrees</source>
        <translation>de la lumière %1 que le faisceau étroit étale, et qui a quitté la surface de séparation sous un angle d&apos;environ %2°</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads</source>
        <translation>de la lumière %1 que le faisceau étroit étale</translation>
    </message>
    <message>
        <source>light %1 only because the paths are summed as if a boundary reflected it; with no boundary, none is reflected</source>
        <translation>de la lumière %1 uniquement parce que les chemins sont additionnés comme si une surface de séparation la réfléchissait&#xa0;; sans surface de séparation, rien n&apos;est réfléchi</translation>
    </message>
    <message>
        <source>light %1, which left the boundary at about %2 degrees</source>
        <translation>de la lumière %1, qui a quitté la surface de séparation sous un angle d&apos;environ %2°</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>de la lumière %1</translation>
    </message>
    <message>
        <source>the refracted light meets its line beyond the stretch it measures</source>
        <translation>la lumière réfractée coupe la ligne du détecteur au-delà du segment qu&apos;il mesure</translation>
    </message>
    <message>
        <source>the refracted light goes the other way</source>
        <translation>la lumière réfractée part dans l&apos;autre sens</translation>
    </message>
    <message>
        <source>the refracted light runs along the boundary and never meets its line</source>
        <translation>la lumière réfractée longe la surface de séparation et ne coupe jamais la ligne du détecteur</translation>
    </message>
    <message>
        <source>the reflected light meets its line beyond the stretch it measures</source>
        <translation>la lumière réfléchie coupe la ligne du détecteur au-delà du segment qu&apos;il mesure</translation>
    </message>
    <message>
        <source>the reflected light goes the other way</source>
        <translation>la lumière réfléchie part dans l&apos;autre sens</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>No light reaches Detector %1.</source>
        <translation>Aucune lumière n&apos;atteint le détecteur %1.</translation>
    </message>
    <message>
        <source>No light reaches Detector %1: %2.</source>
        <translation>Aucune lumière n&apos;atteint le détecteur %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1; the drawing gives its bars no length in this case</source>
        <translation>%1&#xa0;; dans ce cas, le dessin ne donne aucune longueur à ses barres</translation>
    </message>
    <message>
        <source>Detector V, moving down, finds %1.</source>
        <translation>Le détecteur V, en descendant, trouve %1.</translation>
    </message>
    <message>
        <source>Detector %1 finds %2.</source>
        <translation>Le détecteur %1 trouve %2.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of its %2 steps.</source>
        <translation>L&apos;expérience a été arrêtée après %1 de ses %2 étapes.</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Angle d&apos;incidence</translation>
    </message>
    <message>
        <source>Angle of reflection, by the law of reflection</source>
        <translation>Angle de réflexion, par la loi de la réflexion</translation>
    </message>
    <message>
        <source>Angle of refraction, by Snell&apos;s law</source>
        <translation>Angle de réfraction, par la loi de Snell-Descartes</translation>
    </message>
    <message>
        <source>Critical angle</source>
        <translation>Angle limite</translation>
    </message>
    <message>
        <source>refracted light</source>
        <translation>lumière réfractée</translation>
    </message>
    <message>
        <source>reflected light</source>
        <translation>lumière réfléchie</translation>
    </message>
    <message>
        <source>%1, %2: angle from its positions</source>
        <translation>%1, %2&#xa0;: angle donné par les positions du détecteur</translation>
    </message>
    <message>
        <source>not measured: the beam runs off the stretch it measures</source>
        <translation>non mesuré&#xa0;: le faisceau sort du segment mesuré</translation>
    </message>
    <message>
        <source>%1, %2: by Snell&apos;s law</source>
        <translation>%1, %2&#xa0;: par la loi de Snell-Descartes</translation>
    </message>
    <message>
        <source>%1, %2: by the law of reflection</source>
        <translation>%1, %2&#xa0;: par la loi de la réflexion</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Angles</translation>
    </message>
    <message>
        <source>In degrees from the normal, from the direction the run worked out from the typed angle. The angle a detector&apos;s positions give is the direction from the middle of the lit stretch of the boundary to the middle of the light the detector found.</source>
        <translation>En degrés depuis la normale, d&apos;après la direction que l&apos;expérience a déduite de l&apos;angle saisi. L&apos;angle donné par les positions d&apos;un détecteur est la direction allant du milieu du segment éclairé de la surface de séparation au milieu de la lumière trouvée par le détecteur.</translation>
    </message>
    <message>
        <source>Comparing readings</source>
        <translation>Comparer les mesures</translation>
    </message>
    <message>
        <source>Readings compare along one track only, not between detectors or between runs: the arrows&apos; lengths differ with the angle option, so a reading&apos;s size is no share of the light.</source>
        <translation>Les mesures ne se comparent que le long d&apos;un même trajet, ni entre détecteurs ni entre expériences&#xa0;: la longueur des flèches dépend de l&apos;option d&apos;angle, donc la valeur d&apos;une mesure n&apos;est pas une part de la lumière.</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>non précisé</translation>
    </message>
    <message>
        <source>Case drawn</source>
        <translation>Cas dessiné</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>In twips of the window, from its top left corner: x to the right, with the normal at x = %1; y downward, with the boundary at y = %2.</source>
        <translation>En twips de la fenêtre, depuis son coin supérieur gauche&#xa0;: x vers la droite, la normale étant en x = %1&#xa0;; y vers le bas, la surface de séparation étant en y = %2.</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Expérience</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Detector V</source>
        <translation>Détecteur V</translation>
    </message>
    <message>
        <source>Detector H</source>
        <translation>Détecteur H</translation>
    </message>
    <message>
        <source>Detector S</source>
        <translation>Détecteur S</translation>
    </message>
    <message>
        <source>Total reflection: a worksheet</source>
        <translation>Réflexion totale&#xa0;: fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ____________</source>
        <translation>Nom&#xa0;: ____________________   Classe&#xa0;: ________   Date&#xa0;: ____________</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>L&apos;expérience</translation>
    </message>
    <message>
        <source>The light comes up through the %1 from below and meets the boundary on its lit stretch; the detectors sum the paths along their lines.</source>
        <translation>La lumière monte d&apos;en bas à travers %1 et atteint la surface de séparation sur son segment éclairé&#xa0;; les détecteurs additionnent les chemins le long de leurs lignes.</translation>
    </message>
    <message>
        <source>What the detectors measured</source>
        <translation>Ce que les détecteurs ont mesuré</translation>
    </message>
    <message>
        <source>Positions are in the drawing&apos;s units (twips, 1440 to an inch): x from the drawing&apos;s left edge; for Detector V, the height above the boundary (below it where negative). The centre is where the light is brightest on average.</source>
        <translation>Les positions sont en unités du dessin (twips, 1440 par pouce)&#xa0;: x depuis le bord gauche du dessin&#xa0;; pour le détecteur V, la hauteur au-dessus de la surface de séparation (négative au-dessous). Le centre est l&apos;endroit où la lumière est en moyenne la plus intense.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>What the program says about this run</source>
        <translation>Ce que le programme dit de cette expérience</translation>
    </message>
    <message>
        <source>a medium of refractive index %1</source>
        <translation>un milieu d&apos;indice de réfraction %1</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>le verre</translation>
    </message>
    <message>
        <source>water</source>
        <translation>l&apos;eau</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>le milieu</translation>
    </message>
    <message>
        <source>Medium: %1, refractive index %2 (the air&apos;s is 1)</source>
        <translation>Milieu&#xa0;: %1, indice de réfraction %2 (celui de l&apos;air vaut 1)</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal</source>
        <translation>Angle d&apos;incidence&#xa0;: %1° par rapport à la normale</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal (typed as %2, the same direction)</source>
        <translation>Angle d&apos;incidence&#xa0;: %1° par rapport à la normale (saisi comme %2, la même direction)</translation>
    </message>
    <message>
        <source>The lit stretch of the boundary: from x = %1 to x = %2, its middle at x = %3</source>
        <translation>Segment éclairé de la surface de séparation&#xa0;: de x = %1 à x = %2, son milieu en x = %3</translation>
    </message>
    <message>
        <source>Detector H&apos;s line: %1 units above the boundary, in the air</source>
        <translation>Ligne du détecteur H&#xa0;: %1 unités au-dessus de la surface de séparation, dans l&apos;air</translation>
    </message>
    <message>
        <source>Detector S&apos;s line: %1 units below the boundary, in the %2</source>
        <translation>Ligne du détecteur S&#xa0;: %1 unités au-dessous de la surface de séparation, dans %2</translation>
    </message>
    <message>
        <source>Detector V&apos;s line: upright at x = %1, across the boundary</source>
        <translation>Ligne du détecteur V&#xa0;: verticale en x = %1, à travers la surface de séparation</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Détecteur</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Light from</source>
        <translation>Lumière de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>no light</source>
        <translation>pas de lumière</translation>
    </message>
    <message>
        <source>in the air</source>
        <translation>dans l&apos;air</translation>
    </message>
    <message>
        <source>in the %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <source>Detector H found light from x = %1 to x = %2, centred at x = %3, on its line %4 units above the boundary. The light left the middle of the lit stretch, x = %5. At what angle from the normal did it leave the boundary?</source>
        <translation>Le détecteur H a trouvé de la lumière de x = %1 à x = %2, centrée en x = %3, sur sa ligne à %4 unités au-dessus de la surface de séparation. La lumière est partie du milieu du segment éclairé, x = %5. Sous quel angle par rapport à la normale a-t-elle quitté la surface de séparation&#xa0;?</translation>
    </message>
    <message>
        <source>Detector S found reflected light from x = %1 to x = %2, centred at x = %3, on its line %4 units below the boundary. At what angle from the normal was the light reflected? Check the law of reflection.</source>
        <translation>Le détecteur S a trouvé de la lumière réfléchie de x = %1 à x = %2, centrée en x = %3, sur sa ligne à %4 unités au-dessous de la surface de séparation. Sous quel angle par rapport à la normale la lumière a-t-elle été réfléchie&#xa0;? Vérifiez la loi de la réflexion.</translation>
    </message>
    <message>
        <source>tan θ = (%1 − %2) ÷ %3 = %4, so θ ≈ %5 degrees. %6</source>
        <translation>tan θ = (%1 − %2) ÷ %3 = %4, donc θ ≈ %5°. %6</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives the angle of refraction. Where does the refracted light from x = %1 meet Detector H&apos;s line, %2 units above the boundary?</source>
        <translation>La loi de Snell-Descartes donne l&apos;angle de réfraction. Où la lumière réfractée partant de x = %1 coupe-t-elle la ligne du détecteur H, à %2 unités au-dessus de la surface de séparation&#xa0;?</translation>
    </message>
    <message>
        <source>The law of reflection gives the angle of reflection. Where does the reflected light from x = %1 meet Detector S&apos;s line, %2 units below the boundary?</source>
        <translation>La loi de la réflexion donne l&apos;angle de réflexion. Où la lumière réfléchie partant de x = %1 coupe-t-elle la ligne du détecteur S, à %2 unités au-dessous de la surface de séparation&#xa0;?</translation>
    </message>
    <message>
        <source>The detector&apos;s light is not all on the stretch it measures, so the table gives only part of it.</source>
        <translation>La lumière du détecteur n&apos;est pas tout entière sur le segment qu&apos;il mesure, donc le tableau n&apos;en donne qu&apos;une partie.</translation>
    </message>
    <message>
        <source>That is beyond the stretch the detector measures, which is why the table has no light for it there.</source>
        <translation>C&apos;est au-delà du segment que mesure le détecteur, et c&apos;est pourquoi le tableau n&apos;y indique pas de lumière pour lui.</translation>
    </message>
    <message>
        <source>x = %1 + %2 × tan %3 ≈ %4. %5</source>
        <translation>x = %1 + %2 × tan %3 ≈ %4. %5</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is less than the critical angle: part of the light leaves into the air.</source>
        <translation>L&apos;angle d&apos;incidence, %1°, est inférieur à l&apos;angle limite&#xa0;: une partie de la lumière passe dans l&apos;air.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is the critical angle.</source>
        <translation>L&apos;angle d&apos;incidence, %1°, est égal à l&apos;angle limite.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is greater than the critical angle: no refracted light leaves into the air.</source>
        <translation>L&apos;angle d&apos;incidence, %1°, est supérieur à l&apos;angle limite&#xa0;: aucune lumière réfractée ne passe dans l&apos;air.</translation>
    </message>
    <message>
        <source>What is the critical angle of the %1, whose refractive index is %2? Compare it with the angle of incidence.</source>
        <translation>Quel est l&apos;angle limite pour %1, dont l&apos;indice de réfraction est %2&#xa0;? Comparez-le à l&apos;angle d&apos;incidence.</translation>
    </message>
    <message>
        <source>sin c = 1 ÷ %1 = %2, so c ≈ %3 degrees. %4</source>
        <translation>sin c = 1 ÷ %1 = %2, donc c ≈ %3°. %4</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). Work out the refractive index of the %1 from the angle of incidence and your answer to question 1.</source>
        <translation>La loi de Snell-Descartes s&apos;écrit n × sin(angle d&apos;incidence) = 1 × sin(angle de réfraction). Calculez l&apos;indice de réfraction pour %1 à partir de l&apos;angle d&apos;incidence et de votre réponse à la question 1.</translation>
    </message>
    <message>
        <source>n = sin %1 ÷ sin %2 ≈ %3. The run&apos;s index is %4.</source>
        <translation>n = sin %1 ÷ sin %2 ≈ %3. L&apos;indice de l&apos;expérience est %4.</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). What angle of refraction does it give?</source>
        <translation>La loi de Snell-Descartes s&apos;écrit n × sin(angle d&apos;incidence) = 1 × sin(angle de réfraction). Quel angle de réfraction donne-t-elle&#xa0;?</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, so r ≈ %4 degrees.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, donc r ≈ %4°.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ 1, so r = 90 degrees: the refracted light runs along the boundary.</source>
        <translation>sin r = %1 × sin %2 ≈ 1, donc r = 90°&#xa0;: la lumière réfractée longe la surface de séparation.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, which is more than 1. No angle has such a sine: no light is refracted into the air.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, ce qui est plus que 1. Aucun angle n&apos;a un tel sinus&#xa0;: aucune lumière n&apos;est réfractée dans l&apos;air.</translation>
    </message>
    <message>
        <source>The law of reflection gives %1 degrees, the angle of incidence.</source>
        <translation>La loi de la réflexion donne %1°, l&apos;angle d&apos;incidence.</translation>
    </message>
    <message>
        <source>Why does Detector H find no light?</source>
        <translation>Pourquoi le détecteur H ne trouve-t-il aucune lumière&#xa0;?</translation>
    </message>
    <message>
        <source>Why does Detector H find so little light, and no refracted beam?</source>
        <translation>Pourquoi le détecteur H trouve-t-il si peu de lumière, et aucun faisceau réfracté&#xa0;?</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary and never rises to Detector H&apos;s line.</source>
        <translation>À l&apos;angle limite, la lumière réfractée longe la surface de séparation et ne monte jamais jusqu&apos;à la ligne du détecteur H.</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary; the little light Detector H finds is light the narrow beam spreads.</source>
        <translation>À l&apos;angle limite, la lumière réfractée longe la surface de séparation&#xa0;; le peu de lumière que trouve le détecteur H est de la lumière que le faisceau étroit étale.</translation>
    </message>
    <message>
        <source>Beyond the critical angle all the light is reflected back into the medium: this is total internal reflection, and none leaves into the air.</source>
        <translation>Au-delà de l&apos;angle limite, toute la lumière est réfléchie et repart dans le milieu&#xa0;: c&apos;est la réflexion totale interne, et aucune lumière ne passe dans l&apos;air.</translation>
    </message>
    <message>
        <source>Beyond the critical angle almost all the light is reflected back into the medium; the narrow beam&apos;s directions spread a little, and the little light whose direction is less than the critical angle reaches Detector H.</source>
        <translation>Au-delà de l&apos;angle limite, presque toute la lumière est réfléchie et repart dans le milieu&#xa0;; les directions du faisceau étroit s&apos;étalent un peu, et le peu de lumière dont la direction fait avec la normale un angle inférieur à l&apos;angle limite atteint le détecteur H.</translation>
    </message>
    <message>
        <source>Where does the light go at this angle of incidence, and at what angle?</source>
        <translation>Où va la lumière sous cet angle d&apos;incidence, et sous quel angle&#xa0;?</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary at 90 degrees, and the rest is reflected back into the %1 at %2 degrees.</source>
        <translation>La lumière réfractée longe la surface de séparation à 90°, et le reste est réfléchi et repart dans %1 sous un angle de %2°.</translation>
    </message>
    <message>
        <source>It is reflected back into the %1 at %2 degrees from the normal, the angle of incidence.</source>
        <translation>Elle est réfléchie et repart dans %1 sous un angle de %2° par rapport à la normale, l&apos;angle d&apos;incidence.</translation>
    </message>
    <message>
        <source>What would happen to the light if the angle of incidence were greater than the critical angle?</source>
        <translation>Que deviendrait la lumière si l&apos;angle d&apos;incidence était supérieur à l&apos;angle limite&#xa0;?</translation>
    </message>
    <message>
        <source>Snell&apos;s law would give a sine of the angle of refraction greater than 1: no light would leave into the air, and all of it would be reflected back into the %1. This is total internal reflection.</source>
        <translation>La loi de Snell-Descartes donnerait un sinus de l&apos;angle de réfraction supérieur à 1&#xa0;: aucune lumière ne passerait dans l&apos;air, et toute serait réfléchie et repartirait dans %1. C&apos;est la réflexion totale interne.</translation>
    </message>
    <message>
        <source>None: light passing into the air goes into a larger index, so Snell&apos;s law gives an angle of refraction less than the angle of incidence, and some light always leaves.</source>
        <translation>Aucun&#xa0;: la lumière qui passe dans l&apos;air va vers un indice plus grand, donc la loi de Snell-Descartes donne un angle de réfraction inférieur à l&apos;angle d&apos;incidence, et de la lumière passe toujours.</translation>
    </message>
    <message>
        <source>None: with the air&apos;s own index there is no boundary, and the light goes straight on.</source>
        <translation>Aucun&#xa0;: avec l&apos;indice de l&apos;air lui-même, il n&apos;y a pas de surface de séparation, et la lumière continue tout droit.</translation>
    </message>
    <message>
        <source>None: no medium has a refractive index of zero or less, so no law says where its light goes.</source>
        <translation>Aucun&#xa0;: aucun milieu n&apos;a un indice de réfraction nul ou négatif, donc aucune loi ne dit où va sa lumière.</translation>
    </message>
    <message>
        <source>Does the %1 have a critical angle? Why?</source>
        <translation>Y a-t-il un angle limite pour %1&#xa0;? Pourquoi&#xa0;?</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives %1 degrees.</source>
        <translation>La loi de Snell-Descartes donne %1°.</translation>
    </message>
    <message>
        <source>Is any light reflected? Use Detector S&apos;s row.</source>
        <translation>De la lumière est-elle réfléchie&#xa0;? Utilisez la ligne du détecteur S.</translation>
    </message>
    <message>
        <source>No: where the indices are the same there is no boundary to reflect it, and the light goes straight on.</source>
        <translation>Non&#xa0;: là où les indices sont égaux, il n&apos;y a pas de surface de séparation pour la réfléchir, et la lumière continue tout droit.</translation>
    </message>
    <message>
        <source>Which detectors found light? Use the table.</source>
        <translation>Quels détecteurs ont trouvé de la lumière&#xa0;? Utilisez le tableau.</translation>
    </message>
    <message>
        <source>The table lists them; the paths are summed all the same, but no law of a real medium names that light.</source>
        <translation>Le tableau les indique&#xa0;; les chemins sont tout de même additionnés, mais aucune loi d&apos;un milieu réel ne désigne cette lumière.</translation>
    </message>
    <message>
        <source>Which refractive index would make this a run of water, and which of glass?</source>
        <translation>Quel indice de réfraction ferait de cette expérience une expérience avec de l&apos;eau, et lequel avec du verre&#xa0;?</translation>
    </message>
    <message>
        <source>Water&apos;s is %1 and glass&apos;s %2.</source>
        <translation>Celui de l&apos;eau est %1 et celui du verre %2.</translation>
    </message>
</context>
</TS>
