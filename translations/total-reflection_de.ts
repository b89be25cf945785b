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
    <message>
        <source>SUBSTANCE</source>
        <translation>MEDIUM</translation>
    </message>
    <message>
        <source>Choose the substance: water or glass.</source>
        <translation>Wählen Sie das Medium: water (Wasser) oder glass (Glas).</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>WINKEL</translation>
    </message>
    <message>
        <source>Choose the angle: 35, critical or 60; any other value is typed into the angle box.</source>
        <translation>Wählen Sie den Winkel: 35, critical (Grenzwinkel) oder 60; jeder andere Wert wird in das Winkelfeld eingegeben.</translation>
    </message>
    <message>
        <source>INDEX</source>
        <translation>BRECHZAHL</translation>
    </message>
    <message>
        <source>Type the refractive index into its box.</source>
        <translation>Geben Sie die Brechzahl in ihr Feld ein.</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>ABSTAND</translation>
    </message>
    <message>
        <source>Choose Detector H&apos;s distance: 100, 750 or 1500.</source>
        <translation>Wählen Sie den Abstand von Detektor H: 100, 750 oder 1500.</translation>
    </message>
    <message>
        <source>PACE</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>Choose the pace: fastest, slower, slow, or the scroll bar&apos;s position (0 to 32767).</source>
        <translation>Wählen Sie das Tempo: fastest (am schnellsten), slower (langsamer), slow (langsam) oder die Stellung der Bildlaufleiste (0 bis 32767).</translation>
    </message>
    <message>
        <source>Press Start once the window is open.</source>
        <translation>Drücken Sie Start, sobald das Fenster offen ist.</translation>
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
    <message>
        <source>Save worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as “%1”.

%2</source>
        <translation>Das Arbeitsblatt konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Save worksheet…</source>
        <translation>Arbeitsblatt speichern…</translation>
    </message>
    <message>
        <source>Print worksheet…</source>
        <translation>Arbeitsblatt drucken…</translation>
    </message>
    <message>
        <source>Copy link to this run</source>
        <translation>Link zu diesem Versuch kopieren</translation>
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
    <message>
        <source>The link could not be copied.</source>
        <translation>Der Link konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>This browser cannot make the picture that large. It was saved at %1 × %2 pixels, the largest it can make.</source>
        <translation>Dieser Browser kann das Bild nicht so groß erstellen. Es wurde mit %1 × %2 Pixeln gespeichert, der größten Größe, die er erstellen kann.</translation>
    </message>
    <message>
        <source>The picture could not be saved: this browser could not make it.</source>
        <translation>Das Bild konnte nicht gespeichert werden: Dieser Browser konnte es nicht erstellen.</translation>
    </message>
    <message>
        <source>The readings could not be saved: this browser could not make the file.</source>
        <translation>Die Messwerte konnten nicht gespeichert werden: Dieser Browser konnte die Datei nicht erstellen.</translation>
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
    <message>
        <source>%1: the text is longer than the box holds, %2 characters.</source>
        <translation>%1: Der Text ist länger, als das Feld fasst, %2 Zeichen.</translation>
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
        <source>into the medium</source>
        <translation>ins Medium</translation>
    </message>
    <message>
        <source>The settings name no case: the paths are summed, but no case is drawn.</source>
        <translation>Die Einstellungen nennen keinen Fall: Die Wege werden summiert, aber kein Fall wird gezeichnet.</translation>
    </message>
    <message>
        <source>No light reaches Detector %1.</source>
        <translation>Kein Licht erreicht Detektor %1.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of its %2 steps.</source>
        <translation>Der Lauf wurde nach %1 von %2 Schritten angehalten.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle less than the critical angle.</source>
        <translation>Die Zeichnung folgt der gewählten Option und zeigt den Fall eines Winkels kleiner als der Grenzwinkel.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case at the critical angle.</source>
        <translation>Die Zeichnung folgt der gewählten Option und zeigt den Fall am Grenzwinkel.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle greater than the critical angle.</source>
        <translation>Die Zeichnung folgt der gewählten Option und zeigt den Fall eines Winkels größer als der Grenzwinkel.</translation>
    </message>
    <message>
        <source>A medium of refractive index %1</source>
        <translation>Ein Medium mit der Brechzahl %1</translation>
    </message>
    <message>
        <source>%1 at %2 degrees</source>
        <translation>%1 bei %2 Grad</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, the same direction as %3 degrees</source>
        <translation>%1 bei %2 Grad, derselben Richtung wie %3 Grad</translation>
    </message>
    <message>
        <source>Part of the light is reflected back %1 at %2 degrees, and part is refracted into the air at %3 degrees, as Snell&apos;s law gives.</source>
        <translation>Ein Teil des Lichts wird unter %2 Grad zurück %1 reflektiert, ein Teil unter %3 Grad in die Luft gebrochen, wie es das Brechungsgesetz von Snellius ergibt.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is less than the critical angle of about %3 degrees.</source>
        <translation>%1: Der Einfallswinkel von %2 Grad ist kleiner als der Grenzwinkel von etwa %3 Grad.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is the critical angle.</source>
        <translation>%1: Der Einfallswinkel von %2 Grad ist der Grenzwinkel.</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary, at 90 degrees, and the rest is reflected back %1 at %2 degrees.</source>
        <translation>Das gebrochene Licht läuft unter 90 Grad an der Grenzfläche entlang, der Rest wird unter %2 Grad zurück %1 reflektiert.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is greater than the critical angle of about %3 degrees.</source>
        <translation>%1: Der Einfallswinkel von %2 Grad ist größer als der Grenzwinkel von etwa %3 Grad.</translation>
    </message>
    <message>
        <source>All the light is reflected back %1 at %2 degrees, and none leaves into the air: this is total internal reflection.</source>
        <translation>Alles Licht wird unter %2 Grad zurück %1 reflektiert, keines tritt in die Luft aus: Das ist Totalreflexion.</translation>
    </message>
    <message>
        <source>Almost all the light is reflected back %1 at %2 degrees: the beam is narrow, so its directions spread a little, and the little light whose direction is less than the critical angle leaves into the air.</source>
        <translation>Fast alles Licht wird unter %2 Grad zurück %1 reflektiert: Das Bündel ist schmal, daher streuen seine Richtungen ein wenig, und das wenige Licht, dessen Richtung kleiner als der Grenzwinkel ist, tritt in die Luft aus.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with an index less than the air&apos;s there is no critical angle.</source>
        <translation>%1: Der Einfallswinkel beträgt %2 Grad, und bei einer Brechzahl kleiner als die der Luft gibt es keinen Grenzwinkel.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with the air&apos;s own index there is no boundary: the light goes straight on at %2 degrees, and nothing is reflected.</source>
        <translation>%1: Der Einfallswinkel beträgt %2 Grad, und bei der Brechzahl der Luft gibt es keine Grenzfläche: Das Licht läuft unter %2 Grad geradeaus weiter, und nichts wird reflektiert.</translation>
    </message>
    <message>
        <source>%1: no medium has a refractive index of zero or less, so no law says where its light goes; the paths are summed all the same.</source>
        <translation>%1: Kein Medium hat eine Brechzahl von null oder weniger, daher sagt kein Gesetz, wohin sein Licht geht; die Wege werden trotzdem summiert.</translation>
    </message>
    <message>
        <source>above the boundary</source>
        <translation>über der Grenzfläche</translation>
    </message>
    <message>
        <source>below the boundary</source>
        <translation>unter der Grenzfläche</translation>
    </message>
    <message>
        <source>right of the normal</source>
        <translation>rechts vom Lot</translation>
    </message>
    <message>
        <source>left of the normal</source>
        <translation>links vom Lot</translation>
    </message>
    <message>
        <source>on both sides of the normal</source>
        <translation>auf beiden Seiten des Lots</translation>
    </message>
    <message>
        <source>part of the refracted light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>einen Teil des gebrochenen Lichts %1; der Rest trifft seine Linie außerhalb der Strecke, die er misst</translation>
    </message>
    <message>
        <source>the refracted light %1, which left the boundary at about %2 degrees (Snell&apos;s law gives %3)</source>
        <translation>das gebrochene Licht %1, das die Grenzfläche unter etwa %2 Grad verließ (das Brechungsgesetz ergibt %3 Grad)</translation>
    </message>
    <message>
        <source>the refracted light %1</source>
        <translation>das gebrochene Licht %1</translation>
    </message>
    <message>
        <source>part of the reflected light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>einen Teil des reflektierten Lichts %1; der Rest trifft seine Linie außerhalb der Strecke, die er misst</translation>
    </message>
    <message>
        <source>the reflected light %1, which left the boundary at about %2 degrees (the law of reflection gives %3)</source>
        <translation>das reflektierte Licht %1, das die Grenzfläche unter etwa %2 Grad verließ (das Reflexionsgesetz ergibt %3 Grad)</translation>
    </message>
    <message>
        <source>the reflected light %1</source>
        <translation>das reflektierte Licht %1</translation>
    </message>
    <message>
        <source>light %1 from a second beam, which the paths send because they lie more than half a wavelength apart, not from the boundary</source>
        <translation>Licht %1 aus einem zweiten Bündel, das die Wege aussenden, weil sie mehr als eine halbe Wellenlänge auseinanderliegen, nicht von der Grenzfläche</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads, which left the boundary at about %2 degrees</source>
        <translation>Licht %1, das das schmale Bündel streut und das die Grenzfläche unter etwa %2 Grad verließ</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads</source>
        <translation>Licht %1, das das schmale Bündel streut</translation>
    </message>
    <message>
        <source>light %1 only because the paths are summed as if a boundary reflected it; with no boundary, none is reflected</source>
        <translation>Licht %1 nur, weil die Wege summiert werden, als ob eine Grenzfläche es reflektierte; ohne Grenzfläche wird nichts reflektiert</translation>
    </message>
    <message>
        <source>light %1, which left the boundary at about %2 degrees</source>
        <translation>Licht %1, das die Grenzfläche unter etwa %2 Grad verließ</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>Licht %1</translation>
    </message>
    <message>
        <source>the refracted light meets its line beyond the stretch it measures</source>
        <translation>das gebrochene Licht trifft seine Linie außerhalb der Strecke, die er misst</translation>
    </message>
    <message>
        <source>the refracted light goes the other way</source>
        <translation>das gebrochene Licht geht in die andere Richtung</translation>
    </message>
    <message>
        <source>the refracted light runs along the boundary and never meets its line</source>
        <translation>das gebrochene Licht läuft an der Grenzfläche entlang und trifft seine Linie nie</translation>
    </message>
    <message>
        <source>the reflected light meets its line beyond the stretch it measures</source>
        <translation>das reflektierte Licht trifft seine Linie außerhalb der Strecke, die er misst</translation>
    </message>
    <message>
        <source>the reflected light goes the other way</source>
        <translation>das reflektierte Licht geht in die andere Richtung</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>No light reaches Detector %1: %2.</source>
        <translation>Kein Licht erreicht Detektor %1: %2.</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1; the drawing gives its bars no length in this case</source>
        <translation>%1; die Zeichnung gibt seinen Balken in diesem Fall keine Länge</translation>
    </message>
    <message>
        <source>Detector V, moving down, finds %1.</source>
        <translation>Detektor V findet auf dem Weg nach unten %1.</translation>
    </message>
    <message>
        <source>Detector %1 finds %2.</source>
        <translation>Detektor %1 findet %2.</translation>
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
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Einfallswinkel</translation>
    </message>
    <message>
        <source>Angle of reflection, by the law of reflection</source>
        <translation>Reflexionswinkel nach dem Reflexionsgesetz</translation>
    </message>
    <message>
        <source>Angle of refraction, by Snell&apos;s law</source>
        <translation>Brechungswinkel nach dem Brechungsgesetz von Snellius</translation>
    </message>
    <message>
        <source>Critical angle</source>
        <translation>Grenzwinkel</translation>
    </message>
    <message>
        <source>refracted light</source>
        <translation>gebrochenes Licht</translation>
    </message>
    <message>
        <source>reflected light</source>
        <translation>reflektiertes Licht</translation>
    </message>
    <message>
        <source>%1, %2: angle from its positions</source>
        <translation>%1, %2: Winkel aus seinen Positionen</translation>
    </message>
    <message>
        <source>not measured: the beam runs off the stretch it measures</source>
        <translation>nicht gemessen: Das Bündel läuft über die gemessene Strecke hinaus</translation>
    </message>
    <message>
        <source>%1, %2: by Snell&apos;s law</source>
        <translation>%1, %2: nach dem Brechungsgesetz</translation>
    </message>
    <message>
        <source>%1, %2: by the law of reflection</source>
        <translation>%1, %2: nach dem Reflexionsgesetz</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>In degrees from the normal, from the direction the run worked out from the typed angle. The angle a detector&apos;s positions give is the direction from the middle of the lit stretch of the boundary to the middle of the light the detector found.</source>
        <translation>In Grad vom Lot, aus der Richtung, die der Durchlauf aus dem eingegebenen Winkel berechnet hat. Der Winkel aus den Positionen eines Detektors ist die Richtung von der Mitte der beleuchteten Strecke der Grenzfläche zur Mitte des Lichts, das der Detektor fand.</translation>
    </message>
    <message>
        <source>Comparing readings</source>
        <translation>Messwerte vergleichen</translation>
    </message>
    <message>
        <source>Readings compare along one track only, not between detectors or between runs: the arrows&apos; lengths differ with the angle option, so a reading&apos;s size is no share of the light.</source>
        <translation>Messwerte lassen sich nur entlang einer Spur vergleichen, nicht zwischen Detektoren oder zwischen Durchläufen: Die Pfeillängen hängen von der Winkeloption ab, daher ist die Größe eines Messwerts kein Anteil des Lichts.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Detector V</source>
        <translation>Detektor V</translation>
    </message>
    <message>
        <source>Detector H</source>
        <translation>Detektor H</translation>
    </message>
    <message>
        <source>Detector S</source>
        <translation>Detektor S</translation>
    </message>
    <message>
        <source>Total reflection: a worksheet</source>
        <translation>Totalreflexion: ein Arbeitsblatt</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ____________</source>
        <translation>Name: ____________________   Klasse: ________   Datum: ____________</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>Der Versuch</translation>
    </message>
    <message>
        <source>The light comes up through the %1 from below and meets the boundary on its lit stretch; the detectors sum the paths along their lines.</source>
        <translation>Das Licht kommt von unten durch das %1 und trifft auf der beleuchteten Strecke auf die Grenzfläche; die Detektoren summieren die Wege entlang ihrer Linien.</translation>
    </message>
    <message>
        <source>What the detectors measured</source>
        <translation>Was die Detektoren gemessen haben</translation>
    </message>
    <message>
        <source>Positions are in the drawing&apos;s units (twips, 1440 to an inch): x from the drawing&apos;s left edge; for Detector V, the height above the boundary (below it where negative). The centre is where the light is brightest on average.</source>
        <translation>Positionen sind in den Einheiten der Zeichnung angegeben (Twips, 1440 auf einen Zoll): x vom linken Rand der Zeichnung aus; bei Detektor V die Höhe über der Grenzfläche (darunter negativ). Die Mitte ist die Stelle, an der das Licht im Mittel am hellsten ist.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>What the program says about this run</source>
        <translation>Was das Programm über diesen Versuch sagt</translation>
    </message>
    <message>
        <source>a medium of refractive index %1</source>
        <translation>ein Medium mit der Brechzahl %1</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Medium: %1, refractive index %2 (the air&apos;s is 1)</source>
        <translation>Medium: %1, Brechzahl %2 (die der Luft ist 1)</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal</source>
        <translation>Einfallswinkel: %1 Grad zum Lot</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal (typed as %2, the same direction)</source>
        <translation>Einfallswinkel: %1 Grad zum Lot (eingegeben als %2, dieselbe Richtung)</translation>
    </message>
    <message>
        <source>The lit stretch of the boundary: from x = %1 to x = %2, its middle at x = %3</source>
        <translation>Die beleuchtete Strecke der Grenzfläche: von x = %1 bis x = %2, ihre Mitte bei x = %3</translation>
    </message>
    <message>
        <source>Detector H&apos;s line: %1 units above the boundary, in the air</source>
        <translation>Linie von Detektor H: %1 Einheiten über der Grenzfläche, in der Luft</translation>
    </message>
    <message>
        <source>Detector S&apos;s line: %1 units below the boundary, in the %2</source>
        <translation>Linie von Detektor S: %1 Einheiten unter der Grenzfläche, im %2</translation>
    </message>
    <message>
        <source>Detector V&apos;s line: upright at x = %1, across the boundary</source>
        <translation>Linie von Detektor V: senkrecht bei x = %1, quer durch die Grenzfläche</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Light from</source>
        <translation>Licht von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>no light</source>
        <translation>kein Licht</translation>
    </message>
    <message>
        <source>in the air</source>
        <translation>in der Luft</translation>
    </message>
    <message>
        <source>in the %1</source>
        <translation>im %1</translation>
    </message>
    <message>
        <source>Detector H found light from x = %1 to x = %2, centred at x = %3, on its line %4 units above the boundary. The light left the middle of the lit stretch, x = %5. At what angle from the normal did it leave the boundary?</source>
        <translation>Detektor H fand Licht von x = %1 bis x = %2, mit der Mitte bei x = %3, auf seiner Linie %4 Einheiten über der Grenzfläche. Das Licht ging von der Mitte der beleuchteten Strecke aus, x = %5. Unter welchem Winkel zum Lot verließ es die Grenzfläche?</translation>
    </message>
    <message>
        <source>Detector S found reflected light from x = %1 to x = %2, centred at x = %3, on its line %4 units below the boundary. At what angle from the normal was the light reflected? Check the law of reflection.</source>
        <translation>Detektor S fand reflektiertes Licht von x = %1 bis x = %2, mit der Mitte bei x = %3, auf seiner Linie %4 Einheiten unter der Grenzfläche. Unter welchem Winkel zum Lot wurde das Licht reflektiert? Prüfen Sie das Reflexionsgesetz.</translation>
    </message>
    <message>
        <source>tan θ = (%1 − %2) ÷ %3 = %4, so θ ≈ %5 degrees. %6</source>
        <translation>tan θ = (%1 − %2) : %3 = %4, also θ ≈ %5 Grad. %6</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives the angle of refraction. Where does the refracted light from x = %1 meet Detector H&apos;s line, %2 units above the boundary?</source>
        <translation>Das Brechungsgesetz von Snellius liefert den Brechungswinkel. Wo trifft das gebrochene Licht von x = %1 die Linie von Detektor H, %2 Einheiten über der Grenzfläche?</translation>
    </message>
    <message>
        <source>The law of reflection gives the angle of reflection. Where does the reflected light from x = %1 meet Detector S&apos;s line, %2 units below the boundary?</source>
        <translation>Das Reflexionsgesetz liefert den Reflexionswinkel. Wo trifft das reflektierte Licht von x = %1 die Linie von Detektor S, %2 Einheiten unter der Grenzfläche?</translation>
    </message>
    <message>
        <source>The detector&apos;s light is not all on the stretch it measures, so the table gives only part of it.</source>
        <translation>Das Licht des Detektors liegt nicht ganz auf der Strecke, die er misst, daher gibt die Tabelle nur einen Teil davon an.</translation>
    </message>
    <message>
        <source>That is beyond the stretch the detector measures, which is why the table has no light for it there.</source>
        <translation>Das liegt außerhalb der Strecke, die der Detektor misst; deshalb steht dort in der Tabelle kein Licht für ihn.</translation>
    </message>
    <message>
        <source>x = %1 + %2 × tan %3 ≈ %4. %5</source>
        <translation>x = %1 + %2 × tan %3 ≈ %4. %5</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is less than the critical angle: part of the light leaves into the air.</source>
        <translation>Der Einfallswinkel von %1 Grad ist kleiner als der Grenzwinkel: Ein Teil des Lichts tritt in die Luft aus.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is the critical angle.</source>
        <translation>Der Einfallswinkel von %1 Grad ist der Grenzwinkel.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is greater than the critical angle: no refracted light leaves into the air.</source>
        <translation>Der Einfallswinkel von %1 Grad ist größer als der Grenzwinkel: Kein gebrochenes Licht tritt in die Luft aus.</translation>
    </message>
    <message>
        <source>What is the critical angle of the %1, whose refractive index is %2? Compare it with the angle of incidence.</source>
        <translation>Wie groß ist der Grenzwinkel beim %1 mit der Brechzahl %2? Vergleichen Sie ihn mit dem Einfallswinkel.</translation>
    </message>
    <message>
        <source>sin c = 1 ÷ %1 = %2, so c ≈ %3 degrees. %4</source>
        <translation>sin c = 1 : %1 = %2, also c ≈ %3 Grad. %4</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). Work out the refractive index of the %1 from the angle of incidence and your answer to question 1.</source>
        <translation>Das Brechungsgesetz von Snellius lautet n × sin(Einfallswinkel) = 1 × sin(Brechungswinkel). Berechnen Sie die Brechzahl für das %1 aus dem Einfallswinkel und Ihrer Antwort auf Frage 1.</translation>
    </message>
    <message>
        <source>n = sin %1 ÷ sin %2 ≈ %3. The run&apos;s index is %4.</source>
        <translation>n = sin %1 : sin %2 ≈ %3. Die Brechzahl des Versuchs ist %4.</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). What angle of refraction does it give?</source>
        <translation>Das Brechungsgesetz von Snellius lautet n × sin(Einfallswinkel) = 1 × sin(Brechungswinkel). Welchen Brechungswinkel ergibt es?</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, so r ≈ %4 degrees.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, also r ≈ %4 Grad.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ 1, so r = 90 degrees: the refracted light runs along the boundary.</source>
        <translation>sin r = %1 × sin %2 ≈ 1, also r = 90 Grad: Das gebrochene Licht läuft an der Grenzfläche entlang.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, which is more than 1. No angle has such a sine: no light is refracted into the air.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, und das ist mehr als 1. Kein Winkel hat einen solchen Sinus: Kein Licht wird in die Luft gebrochen.</translation>
    </message>
    <message>
        <source>The law of reflection gives %1 degrees, the angle of incidence.</source>
        <translation>Das Reflexionsgesetz ergibt %1 Grad, den Einfallswinkel.</translation>
    </message>
    <message>
        <source>Why does Detector H find no light?</source>
        <translation>Warum findet Detektor H kein Licht?</translation>
    </message>
    <message>
        <source>Why does Detector H find so little light, and no refracted beam?</source>
        <translation>Warum findet Detektor H so wenig Licht und kein gebrochenes Bündel?</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary and never rises to Detector H&apos;s line.</source>
        <translation>Beim Grenzwinkel läuft das gebrochene Licht an der Grenzfläche entlang und steigt nie bis zur Linie von Detektor H auf.</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary; the little light Detector H finds is light the narrow beam spreads.</source>
        <translation>Beim Grenzwinkel läuft das gebrochene Licht an der Grenzfläche entlang; das wenige Licht, das Detektor H findet, ist Licht, das das schmale Bündel streut.</translation>
    </message>
    <message>
        <source>Beyond the critical angle all the light is reflected back into the medium: this is total internal reflection, and none leaves into the air.</source>
        <translation>Jenseits des Grenzwinkels wird alles Licht zurück ins Medium reflektiert: Das ist Totalreflexion, und keines tritt in die Luft aus.</translation>
    </message>
    <message>
        <source>Beyond the critical angle almost all the light is reflected back into the medium; the narrow beam&apos;s directions spread a little, and the little light whose direction is less than the critical angle reaches Detector H.</source>
        <translation>Jenseits des Grenzwinkels wird fast alles Licht zurück ins Medium reflektiert; die Richtungen des schmalen Bündels streuen ein wenig, und das wenige Licht, dessen Richtung kleiner als der Grenzwinkel ist, erreicht Detektor H.</translation>
    </message>
    <message>
        <source>Where does the light go at this angle of incidence, and at what angle?</source>
        <translation>Wohin geht das Licht bei diesem Einfallswinkel, und unter welchem Winkel?</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary at 90 degrees, and the rest is reflected back into the %1 at %2 degrees.</source>
        <translation>Das gebrochene Licht läuft unter 90 Grad an der Grenzfläche entlang, der Rest wird unter %2 Grad zurück ins %1 reflektiert.</translation>
    </message>
    <message>
        <source>It is reflected back into the %1 at %2 degrees from the normal, the angle of incidence.</source>
        <translation>Es wird unter %2 Grad zum Lot, dem Einfallswinkel, zurück ins %1 reflektiert.</translation>
    </message>
    <message>
        <source>What would happen to the light if the angle of incidence were greater than the critical angle?</source>
        <translation>Was würde mit dem Licht geschehen, wenn der Einfallswinkel größer als der Grenzwinkel wäre?</translation>
    </message>
    <message>
        <source>Snell&apos;s law would give a sine of the angle of refraction greater than 1: no light would leave into the air, and all of it would be reflected back into the %1. This is total internal reflection.</source>
        <translation>Das Brechungsgesetz von Snellius ergäbe einen Sinus des Brechungswinkels größer als 1: Kein Licht träte in die Luft aus, und alles würde zurück ins %1 reflektiert. Das ist Totalreflexion.</translation>
    </message>
    <message>
        <source>None: light passing into the air goes into a larger index, so Snell&apos;s law gives an angle of refraction less than the angle of incidence, and some light always leaves.</source>
        <translation>Keinen: Licht, das in die Luft übergeht, kommt in eine größere Brechzahl, daher ergibt das Brechungsgesetz von Snellius einen Brechungswinkel kleiner als den Einfallswinkel, und etwas Licht tritt immer aus.</translation>
    </message>
    <message>
        <source>None: with the air&apos;s own index there is no boundary, and the light goes straight on.</source>
        <translation>Keinen: Bei der Brechzahl der Luft gibt es keine Grenzfläche, und das Licht läuft geradeaus weiter.</translation>
    </message>
    <message>
        <source>None: no medium has a refractive index of zero or less, so no law says where its light goes.</source>
        <translation>Keinen: Kein Medium hat eine Brechzahl von null oder weniger, daher sagt kein Gesetz, wohin sein Licht geht.</translation>
    </message>
    <message>
        <source>Does the %1 have a critical angle? Why?</source>
        <translation>Hat das %1 einen Grenzwinkel? Warum?</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives %1 degrees.</source>
        <translation>Das Brechungsgesetz von Snellius ergibt %1 Grad.</translation>
    </message>
    <message>
        <source>Is any light reflected? Use Detector S&apos;s row.</source>
        <translation>Wird Licht reflektiert? Verwenden Sie die Zeile von Detektor S.</translation>
    </message>
    <message>
        <source>No: where the indices are the same there is no boundary to reflect it, and the light goes straight on.</source>
        <translation>Nein: Wo die Brechzahlen gleich sind, gibt es keine Grenzfläche, die es reflektieren könnte, und das Licht läuft geradeaus weiter.</translation>
    </message>
    <message>
        <source>Which detectors found light? Use the table.</source>
        <translation>Welche Detektoren haben Licht gefunden? Verwenden Sie die Tabelle.</translation>
    </message>
    <message>
        <source>The table lists them; the paths are summed all the same, but no law of a real medium names that light.</source>
        <translation>Die Tabelle nennt sie; die Wege werden trotzdem summiert, aber kein Gesetz eines wirklichen Mediums benennt dieses Licht.</translation>
    </message>
    <message>
        <source>Which refractive index would make this a run of water, and which of glass?</source>
        <translation>Welche Brechzahl würde diesen Versuch zu einem mit Wasser machen, und welche zu einem mit Glas?</translation>
    </message>
    <message>
        <source>Water&apos;s is %1 and glass&apos;s %2.</source>
        <translation>Die von Wasser ist %1, die von Glas %2.</translation>
    </message>
</context>
</TS>
