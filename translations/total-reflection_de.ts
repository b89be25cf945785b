<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>A teaching program about light at the boundary of water or glass and air.</source>
        <translation>Ein Lernprogramm über Licht an der Grenzfläche von Wasser oder Glas und Luft.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, are listed by --help-all.</source>
        <translation>Die eigenen Optionen von Qt, etwa -platform, zeigt --help-all an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Drawing of the run</source>
        <translation>Zeichnung des Versuchs</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Slowdown of the animation</source>
        <translation>Verlangsamung der Animation</translation>
    </message>
    <message>
        <source>Slowdown setting</source>
        <translation>Einstellung der Verlangsamung</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Cornu-Spiralen</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector S</source>
        <translation>Cornu-Spiralen von Detektor S</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Interference pattern</source>
        <translation>Interferenzmuster</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector V</source>
        <translation>Cornu-Spiralen von Detektor V</translation>
    </message>
    <message>
        <source>Detector V</source>
        <translation>Detektor V</translation>
    </message>
    <message>
        <source>Detector S</source>
        <translation>Detektor S</translation>
    </message>
    <message>
        <source>Detector H</source>
        <translation>Detektor H</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Brechungsindex</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Abstand Detektor H</translation>
    </message>
    <message>
        <source>Detector H distance setting</source>
        <translation>Einstellung des Abstands von Detektor H</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Substance setting</source>
        <translation>Einstellung des Mediums</translation>
    </message>
    <message>
        <source>Incident angle setting</source>
        <translation>Einstellung des Einfallswinkels</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Einfallswinkel</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Total reflection</source>
        <translation>Totalreflexion</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Bitte Start drücken</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Einfallslot</translation>
    </message>
    <message>
        <source>Start line of Detector V&apos;s Cornu spirals</source>
        <translation>Anfangslinie der Cornu-Spiralen von Detektor V</translation>
    </message>
    <message>
        <source>Base line of Detector S&apos;s Cornu spirals</source>
        <translation>Grundlinie der Cornu-Spiralen von Detektor S</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Grenzfläche</translation>
    </message>
    <message>
        <source>Track of Detector S</source>
        <translation>Bahn von Detektor S</translation>
    </message>
    <message>
        <source>Track of Detector V</source>
        <translation>Bahn von Detektor V</translation>
    </message>
    <message>
        <source>Track of Detector H</source>
        <translation>Bahn von Detektor H</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Save picture at twice the resolution…</source>
        <translation>Bild in doppelter Auflösung speichern…</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Copy readings</source>
        <translation>Messwerte kopieren</translation>
    </message>
    <message>
        <source>Save readings…</source>
        <translation>Messwerte speichern…</translation>
    </message>
    <message>
        <source>Save readings</source>
        <translation>Messwerte speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The readings could not be saved as “%1”.

%2</source>
        <translation>Die Messwerte konnten nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <translation>Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>Save readings as CSV</source>
        <translation>Messwerte als CSV speichern</translation>
    </message>
    <message>
        <source>Save readings as CSV…</source>
        <translation>Messwerte als CSV speichern…</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>fastest</source>
        <translation>am schnellsten</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>am langsamsten</translation>
    </message>
    <message>
        <source>%1 percent of the way to the slowest</source>
        <translation>%1 Prozent des Wegs zum langsamsten</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The window is closed. Reload the page to open it again.</source>
        <translation>Das Fenster ist geschlossen. Laden Sie die Seite neu, um es wieder zu öffnen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The window stopped because of an error. Reload the page to start it again.</source>
        <translation>Das Fenster wurde wegen eines Fehlers angehalten. Laden Sie die Seite neu, um es wieder zu starten.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>The readings could not be copied.</source>
        <translation>Die Messwerte konnten nicht kopiert werden.</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>Das Bild konnte nicht kopiert werden.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild lässt sich nicht kodieren</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Refractive index</source>
        <translation>Brechungsindex</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Einfallswinkel</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Abstand von Detektor H</translation>
    </message>
    <message>
        <source>Slowdown</source>
        <translation>Verlangsamung</translation>
    </message>
    <message>
        <source>Type a number such as %1, then press Start again.</source>
        <translation>Geben Sie eine Zahl wie %1 ein und drücken Sie dann noch einmal Start.</translation>
    </message>
    <message>
        <source>%1: there is no number to run with.</source>
        <translation>%1: Hier steht keine Zahl, mit der der Versuch laufen kann.</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1: “%2” is outside the range a run can draw.</source>
        <translation>%1: „%2“ liegt außerhalb des Bereichs, den der Versuch zeichnen kann.</translation>
    </message>
    <message>
        <source>Type a number from %1 to %2, then press Start again.</source>
        <translation>Geben Sie eine Zahl von %1 bis %2 ein und drücken Sie dann noch einmal Start.</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>into the water</source>
        <translation>ins Wasser</translation>
    </message>
    <message>
        <source>into the glass</source>
        <translation>ins Glas</translation>
    </message>
    <message>
        <source>The medium</source>
        <translation>Das Medium</translation>
    </message>
    <message>
        <source>into the medium</source>
        <translation>ins Medium</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, below the critical angle: part of the light is refracted into the air, and part is reflected back %3.</source>
        <translation>%1 bei %2 Grad, unter dem Grenzwinkel: Ein Teil des Lichts wird in die Luft gebrochen, ein Teil zurück %3 reflektiert.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, the critical angle: the refracted light runs along the boundary, and the rest is reflected back %3.</source>
        <translation>%1 bei %2 Grad, dem Grenzwinkel: Das gebrochene Licht läuft an der Grenzfläche entlang, der Rest wird zurück %3 reflektiert.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, beyond the critical angle: all the light is reflected back %3, and none leaves into the air. This is total reflection.</source>
        <translation>%1 bei %2 Grad, über dem Grenzwinkel: Alles Licht wird zurück %3 reflektiert, keines tritt in die Luft aus. Das ist Totalreflexion.</translation>
    </message>
    <message>
        <source>The settings name no case: the paths are summed, but no case is drawn.</source>
        <translation>Die Einstellungen nennen keinen Fall: Die Wege werden summiert, aber kein Fall wird gezeichnet.</translation>
    </message>
    <message>
        <source>%1 twips above the boundary</source>
        <translation>%1 Twips über der Grenzfläche</translation>
    </message>
    <message>
        <source>%1 twips below the boundary</source>
        <translation>%1 Twips unter der Grenzfläche</translation>
    </message>
    <message>
        <source>at the boundary</source>
        <translation>an der Grenzfläche</translation>
    </message>
    <message>
        <source>the boundary</source>
        <translation>der Grenzfläche</translation>
    </message>
    <message>
        <source>%1 to %2 twips above the boundary</source>
        <translation>%1 bis %2 Twips über der Grenzfläche</translation>
    </message>
    <message>
        <source>%1 to %2 twips below the boundary</source>
        <translation>%1 bis %2 Twips unter der Grenzfläche</translation>
    </message>
    <message>
        <source>%1 twips right of the normal</source>
        <translation>%1 Twips rechts vom Lot</translation>
    </message>
    <message>
        <source>%1 twips left of the normal</source>
        <translation>%1 Twips links vom Lot</translation>
    </message>
    <message>
        <source>at the normal</source>
        <translation>am Lot</translation>
    </message>
    <message>
        <source>the normal</source>
        <translation>dem Lot</translation>
    </message>
    <message>
        <source>%1 to %2 twips right of the normal</source>
        <translation>%1 bis %2 Twips rechts vom Lot</translation>
    </message>
    <message>
        <source>%1 to %2 twips left of the normal</source>
        <translation>%1 bis %2 Twips links vom Lot</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>zwischen %1 und %2</translation>
    </message>
    <message>
        <source>No light reaches Detector %1.</source>
        <translation>Kein Licht erreicht Detektor %1.</translation>
    </message>
    <message>
        <source>Detector V, moving down, finds light %1, brightest %2.</source>
        <translation>Detektor V findet auf dem Weg nach unten Licht %1, am hellsten %2.</translation>
    </message>
    <message>
        <source>Detector H, %1 twips above the boundary, finds light %2, brightest %3.</source>
        <translation>Detektor H, %1 Twips über der Grenzfläche, findet Licht %2, am hellsten %3.</translation>
    </message>
    <message>
        <source>Detector S, %1 twips below the boundary, finds the reflected light %2, brightest %3.</source>
        <translation>Detektor S, %1 Twips unter der Grenzfläche, findet das reflektierte Licht %2, am hellsten %3.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of its %2 steps.</source>
        <translation>Der Lauf wurde nach %1 von %2 Schritten angehalten.</translation>
    </message>
    <message>
        <source>A medium of index %1</source>
        <translation>Ein Medium mit Brechungsindex %1</translation>
    </message>
    <message>
        <source>%1 at %2 degrees is below its critical angle of %3 degrees: part of the light is refracted into the air, and part is reflected back %4.</source>
        <translation>%1 bei %2 Grad liegt unter seinem Grenzwinkel von %3 Grad: Ein Teil des Lichts wird in die Luft gebrochen, ein Teil zurück %4 reflektiert.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees is at its critical angle of %3 degrees: the refracted light runs along the boundary, and the rest is reflected back %4.</source>
        <translation>%1 bei %2 Grad liegt an seinem Grenzwinkel von %3 Grad: Das gebrochene Licht läuft an der Grenzfläche entlang, der Rest wird zurück %4 reflektiert.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees is beyond its critical angle of %3 degrees: all the light is reflected back %4, and none leaves into the air. This is total reflection.</source>
        <translation>%1 bei %2 Grad liegt über seinem Grenzwinkel von %3 Grad: Alles Licht wird zurück %4 reflektiert, keines tritt in die Luft aus. Das ist Totalreflexion.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees has no critical angle: its index is not above the air&apos;s, so the light is never totally reflected.</source>
        <translation>%1 bei %2 Grad hat keinen Grenzwinkel: Der Brechungsindex ist nicht größer als der der Luft, daher wird das Licht nie total reflektiert.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case below the critical angle.</source>
        <translation>Die Zeichnung folgt der gewählten Option und zeigt den Fall unter dem Grenzwinkel.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case at the critical angle.</source>
        <translation>Die Zeichnung folgt der gewählten Option und zeigt den Fall am Grenzwinkel.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case beyond the critical angle.</source>
        <translation>Die Zeichnung folgt der gewählten Option und zeigt den Fall über dem Grenzwinkel.</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>none named</source>
        <translation>keine Angabe</translation>
    </message>
    <message>
        <source>Case drawn</source>
        <translation>Gezeichneter Fall</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>In twips of the window, from its top left corner: x to the right, with the normal at x = %1; y downward, with the boundary at y = %2.</source>
        <translation>In Twips des Fensters, von seiner linken oberen Ecke aus: x nach rechts, mit dem Lot bei x = %1; y nach unten, mit der Grenzfläche bei y = %2.</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Durchlauf</translation>
    </message>
</context>
</TS>
