<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>CommandLine</name>
    <message>
        <source>A teaching program about light at the boundary of water or glass and air.</source>
        <translation>Výukový program o světle na rozhraní vody nebo skla se vzduchem.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, are listed by --help-all.</source>
        <translation>Vlastní volby Qt, například -platform, vypíše --help-all.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekávaný argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>SUBSTANCE</source>
        <translation>LÁTKA</translation>
    </message>
    <message>
        <source>Choose the substance: water or glass.</source>
        <translation>Zvolte látku: water (voda) nebo glass (sklo).</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>ÚHEL</translation>
    </message>
    <message>
        <source>Choose the angle: 35, critical or 60; any other value is typed into the angle box.</source>
        <translation>Zvolte úhel: 35, critical (mezní) nebo 60; jakákoli jiná hodnota se napíše do pole úhlu.</translation>
    </message>
    <message>
        <source>INDEX</source>
        <translation>INDEX</translation>
    </message>
    <message>
        <source>Type the refractive index into its box.</source>
        <translation>Napište index lomu do jeho pole.</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>VÝŠKA</translation>
    </message>
    <message>
        <source>Choose Detector H&apos;s distance: 100, 750 or 1500.</source>
        <translation>Zvolte výšku detektoru H: 100, 750 nebo 1500.</translation>
    </message>
    <message>
        <source>PACE</source>
        <translation>RYCHLOST</translation>
    </message>
    <message>
        <source>Choose the pace: fastest, slower, slow, or the scroll bar&apos;s position (0 to 32767).</source>
        <translation>Zvolte rychlost: fastest (nejrychlejší), slower (pomalejší), slow (pomalá) nebo polohu posuvníku (0 až 32767).</translation>
    </message>
    <message>
        <source>Press Start once the window is open.</source>
        <translation>Stiskněte Start, jakmile se okno otevře.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Drawing of the run</source>
        <translation>Kresba pokusu</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Vzduch</translation>
    </message>
    <message>
        <source>Slowdown of the animation</source>
        <translation>Zpomalení animace</translation>
    </message>
    <message>
        <source>Slowdown setting</source>
        <translation>Nastavení zpomalení</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Cornuovy spirály</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector S</source>
        <translation>Cornuovy spirály detektoru S</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Voda</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Sklo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Interference pattern</source>
        <translation>Interferenční obraz</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector V</source>
        <translation>Cornuovy spirály detektoru V</translation>
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
        <translation>Index lomu</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Výška detektoru H</translation>
    </message>
    <message>
        <source>Detector H distance setting</source>
        <translation>Nastavení výšky detektoru H</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Látka</translation>
    </message>
    <message>
        <source>Substance setting</source>
        <translation>Nastavení látky</translation>
    </message>
    <message>
        <source>Incident angle setting</source>
        <translation>Nastavení úhlu dopadu</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Úhel dopadu</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Mezní</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Total reflection</source>
        <translation>Úplný odraz</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Stiskněte tlačítko Start</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Kolmice dopadu</translation>
    </message>
    <message>
        <source>Start line of Detector V&apos;s Cornu spirals</source>
        <translation>Počáteční přímka Cornuových spirál detektoru V</translation>
    </message>
    <message>
        <source>Base line of Detector S&apos;s Cornu spirals</source>
        <translation>Základní přímka Cornuových spirál detektoru S</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Rozhraní</translation>
    </message>
    <message>
        <source>Track of Detector S</source>
        <translation>Dráha detektoru S</translation>
    </message>
    <message>
        <source>Track of Detector V</source>
        <translation>Dráha detektoru V</translation>
    </message>
    <message>
        <source>Track of Detector H</source>
        <translation>Dráha detektoru H</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovat obrázek</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Uložit obrázek…</translation>
    </message>
    <message>
        <source>Save picture at twice the resolution…</source>
        <translation>Uložit obrázek ve dvojnásobném rozlišení…</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>Obrázek se nepodařilo uložit jako „%1“.

%2</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Obrázky PNG (*.png)</translation>
    </message>
    <message>
        <source>Copy readings</source>
        <translation>Kopírovat naměřené hodnoty</translation>
    </message>
    <message>
        <source>Save readings…</source>
        <translation>Uložit naměřené hodnoty…</translation>
    </message>
    <message>
        <source>Save readings</source>
        <translation>Uložit naměřené hodnoty</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>The readings could not be saved as “%1”.

%2</source>
        <translation>Naměřené hodnoty nelze uložit jako „%1“.

%2</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <translation>Sešity (*.xlsx)</translation>
    </message>
    <message>
        <source>Save readings as CSV</source>
        <translation>Uložit naměřené hodnoty jako CSV</translation>
    </message>
    <message>
        <source>Save readings as CSV…</source>
        <translation>Uložit naměřené hodnoty jako CSV…</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Uložit pracovní list</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as “%1”.

%2</source>
        <translation>Pracovní list se nepodařilo uložit jako „%1“.

%2</translation>
    </message>
    <message>
        <source>Save worksheet…</source>
        <translation>Uložit pracovní list…</translation>
    </message>
    <message>
        <source>Print worksheet…</source>
        <translation>Vytisknout pracovní list…</translation>
    </message>
    <message>
        <source>Copy link to this run</source>
        <translation>Kopírovat odkaz na tento pokus</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>fastest</source>
        <translation>nejrychlejší</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>nejpomalejší</translation>
    </message>
    <message>
        <source>%1 percent of the way to the slowest</source>
        <translation>%1 % cesty k nejpomalejšímu</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The window is closed. Reload the page to open it again.</source>
        <translation>Okno je zavřené. Znovu je otevřete novým načtením stránky.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The window stopped because of an error. Reload the page to start it again.</source>
        <translation>Okno se kvůli chybě zastavilo. Znovu je spustíte novým načtením stránky.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Načíst znovu</translation>
    </message>
    <message>
        <source>The readings could not be copied.</source>
        <translation>Naměřené hodnoty nelze zkopírovat.</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>Obrázek nelze zkopírovat.</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Odkaz nelze zkopírovat.</translation>
    </message>
    <message>
        <source>This browser cannot make the picture that large. It was saved at %1 × %2 pixels, the largest it can make.</source>
        <translation>Tento prohlížeč neumí tak velký obrázek vytvořit. Obrázek byl uložen ve velikosti %1 × %2 pixelů, největší, jakou umí.</translation>
    </message>
    <message>
        <source>The picture could not be saved: this browser could not make it.</source>
        <translation>Obrázek nelze uložit: tento prohlížeč ho neumí vytvořit.</translation>
    </message>
    <message>
        <source>The readings could not be saved: this browser could not make the file.</source>
        <translation>Naměřené hodnoty nelze uložit: tento prohlížeč neumí soubor vytvořit.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>obrázek nejde zakódovat</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Refractive index</source>
        <translation>Index lomu</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Úhel dopadu</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Výška detektoru H</translation>
    </message>
    <message>
        <source>Slowdown</source>
        <translation>Zpomalení</translation>
    </message>
    <message>
        <source>Type a number such as %1, then press Start again.</source>
        <translation>Napište číslo, například %1, a znovu stiskněte Start.</translation>
    </message>
    <message>
        <source>%1: there is no number to run with.</source>
        <translation>%1: chybí číslo, se kterým by pokus mohl proběhnout.</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1: „%2“ není číslo.</translation>
    </message>
    <message>
        <source>%1: “%2” is outside the range a run can draw.</source>
        <translation>%1: „%2“ je mimo rozsah, který pokus umí nakreslit.</translation>
    </message>
    <message>
        <source>Type a number from %1 to %2, then press Start again.</source>
        <translation>Napište číslo od %1 do %2 a znovu stiskněte Start.</translation>
    </message>
    <message>
        <source>%1: the text is longer than the box holds, %2 characters.</source>
        <translation>%1: text je delší, než pole pojme, %2 znaků.</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>into the water</source>
        <translation>do vody</translation>
    </message>
    <message>
        <source>into the glass</source>
        <translation>do skla</translation>
    </message>
    <message>
        <source>into the medium</source>
        <translation>do prostředí</translation>
    </message>
    <message>
        <source>The settings name no case: the paths are summed, but no case is drawn.</source>
        <translation>Nastavení neurčuje žádný případ: dráhy se sečtou, ale žádný případ se nenakreslí.</translation>
    </message>
    <message>
        <source>No light reaches Detector %1.</source>
        <translation>Na detektor %1 nedopadá žádné světlo.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of its %2 steps.</source>
        <translation>Běh byl zastaven po %1 z %2 kroků.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle less than the critical angle.</source>
        <translation>Kresba odpovídá zvolené možnosti a ukazuje případ úhlu menšího, než je mezní úhel.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case at the critical angle.</source>
        <translation>Kresba odpovídá zvolené možnosti a ukazuje případ při mezním úhlu.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle greater than the critical angle.</source>
        <translation>Kresba odpovídá zvolené možnosti a ukazuje případ úhlu většího, než je mezní úhel.</translation>
    </message>
    <message>
        <source>A medium of refractive index %1</source>
        <translation>Prostředí s indexem lomu %1</translation>
    </message>
    <message>
        <source>%1 at %2 degrees</source>
        <translation>%1 při úhlu %2°</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, the same direction as %3 degrees</source>
        <translation>%1 při úhlu %2°, tedy ve stejném směru jako %3°</translation>
    </message>
    <message>
        <source>Part of the light is reflected back %1 at %2 degrees, and part is refracted into the air at %3 degrees, as Snell&apos;s law gives.</source>
        <translation>Část světla se odráží zpět %1 pod úhlem %2° a část se láme do vzduchu pod úhlem %3°, jak plyne ze Snellova zákona.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is less than the critical angle of about %3 degrees.</source>
        <translation>%1: úhel dopadu %2° je menší než mezní úhel, asi %3°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is the critical angle.</source>
        <translation>%1: úhel dopadu %2° je mezní úhel.</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary, at 90 degrees, and the rest is reflected back %1 at %2 degrees.</source>
        <translation>Lomené světlo běží podél rozhraní, pod úhlem 90°, a zbytek se odráží zpět %1 pod úhlem %2°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is greater than the critical angle of about %3 degrees.</source>
        <translation>%1: úhel dopadu %2° je větší než mezní úhel, asi %3°.</translation>
    </message>
    <message>
        <source>All the light is reflected back %1 at %2 degrees, and none leaves into the air: this is total internal reflection.</source>
        <translation>Všechno světlo se odráží zpět %1 pod úhlem %2° a žádné neprojde do vzduchu: to je úplný odraz.</translation>
    </message>
    <message>
        <source>Almost all the light is reflected back %1 at %2 degrees: the beam is narrow, so its directions spread a little, and the little light whose direction is less than the critical angle leaves into the air.</source>
        <translation>Téměř všechno světlo se odráží zpět %1 pod úhlem %2°: svazek je úzký, takže se jeho směry trochu rozbíhají, a to málo světla, jehož směr svírá s kolmicí menší úhel než mezní, projde do vzduchu.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with an index less than the air&apos;s there is no critical angle.</source>
        <translation>%1: úhel dopadu je %2° a s indexem lomu menším, než má vzduch, mezní úhel neexistuje.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with the air&apos;s own index there is no boundary: the light goes straight on at %2 degrees, and nothing is reflected.</source>
        <translation>%1: úhel dopadu je %2° a s indexem lomu vzduchu tu žádné rozhraní není: světlo jde dál přímo pod úhlem %2° a nic se neodráží.</translation>
    </message>
    <message>
        <source>%1: no medium has a refractive index of zero or less, so no law says where its light goes; the paths are summed all the same.</source>
        <translation>%1: žádné prostředí nemá index lomu nula nebo menší, takže žádný zákon neříká, kam jeho světlo jde; dráhy se přesto sečtou.</translation>
    </message>
    <message>
        <source>above the boundary</source>
        <translation>nad rozhraním</translation>
    </message>
    <message>
        <source>below the boundary</source>
        <translation>pod rozhraním</translation>
    </message>
    <message>
        <source>right of the normal</source>
        <translation>vpravo od kolmice</translation>
    </message>
    <message>
        <source>left of the normal</source>
        <translation>vlevo od kolmice</translation>
    </message>
    <message>
        <source>on both sides of the normal</source>
        <translation>po obou stranách kolmice</translation>
    </message>
    <message>
        <source>part of the refracted light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>část lomeného světla %1; zbytek protne jeho přímku mimo úsek, který měří</translation>
    </message>
    <message>
        <source>the refracted light %1, which left the boundary at about %2 degrees (Snell&apos;s law gives %3)</source>
        <translation>lomené světlo %1, které opustilo rozhraní pod úhlem asi %2° (podle Snellova zákona %3°)</translation>
    </message>
    <message>
        <source>the refracted light %1</source>
        <translation>lomené světlo %1</translation>
    </message>
    <message>
        <source>part of the reflected light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>část odraženého světla %1; zbytek protne jeho přímku mimo úsek, který měří</translation>
    </message>
    <message>
        <source>the reflected light %1, which left the boundary at about %2 degrees (the law of reflection gives %3)</source>
        <translation>odražené světlo %1, které opustilo rozhraní pod úhlem asi %2° (podle zákona odrazu %3°)</translation>
    </message>
    <message>
        <source>the reflected light %1</source>
        <translation>odražené světlo %1</translation>
    </message>
    <message>
        <source>light %1 from a second beam, which the paths send because they lie more than half a wavelength apart, not from the boundary</source>
        <translation>světlo %1 z druhého svazku, který dráhy vysílají, protože jsou od sebe vzdáleny víc než o polovinu vlnové délky, nikoli z rozhraní</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads, which left the boundary at about %2 degrees</source>
        <translation>světlo %1, které úzký svazek rozptýlí a které opustilo rozhraní pod úhlem asi %2°</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads</source>
        <translation>světlo %1, které úzký svazek rozptýlí</translation>
    </message>
    <message>
        <source>light %1 only because the paths are summed as if a boundary reflected it; with no boundary, none is reflected</source>
        <translation>světlo %1 jen proto, že se dráhy sčítají, jako by je rozhraní odráželo; bez rozhraní se nic neodráží</translation>
    </message>
    <message>
        <source>light %1, which left the boundary at about %2 degrees</source>
        <translation>světlo %1, které opustilo rozhraní pod úhlem asi %2°</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>světlo %1</translation>
    </message>
    <message>
        <source>the refracted light meets its line beyond the stretch it measures</source>
        <translation>lomené světlo protne jeho přímku mimo úsek, který měří</translation>
    </message>
    <message>
        <source>the refracted light goes the other way</source>
        <translation>lomené světlo jde opačným směrem</translation>
    </message>
    <message>
        <source>the refracted light runs along the boundary and never meets its line</source>
        <translation>lomené světlo běží podél rozhraní a jeho přímku nikdy neprotne</translation>
    </message>
    <message>
        <source>the reflected light meets its line beyond the stretch it measures</source>
        <translation>odražené světlo protne jeho přímku mimo úsek, který měří</translation>
    </message>
    <message>
        <source>the reflected light goes the other way</source>
        <translation>odražené světlo jde opačným směrem</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>No light reaches Detector %1: %2.</source>
        <translation>Na detektor %1 nedopadá žádné světlo: %2.</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1; the drawing gives its bars no length in this case</source>
        <translation>%1; kresba mu v tomto případě dává sloupce nulové délky</translation>
    </message>
    <message>
        <source>Detector V, moving down, finds %1.</source>
        <translation>Detektor V při pohybu dolů najde %1.</translation>
    </message>
    <message>
        <source>Detector %1 finds %2.</source>
        <translation>Detektor %1 najde %2.</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>none named</source>
        <translation>neurčeno</translation>
    </message>
    <message>
        <source>Case drawn</source>
        <translation>Nakreslený případ</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Polohy</translation>
    </message>
    <message>
        <source>In twips of the window, from its top left corner: x to the right, with the normal at x = %1; y downward, with the boundary at y = %2.</source>
        <translation>V twipech okna od jeho levého horního rohu: x doprava, normála leží v x = %1; y dolů, rozhraní leží v y = %2.</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Naměřené hodnoty</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Běh</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádný</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Úhel dopadu</translation>
    </message>
    <message>
        <source>Angle of reflection, by the law of reflection</source>
        <translation>Úhel odrazu podle zákona odrazu</translation>
    </message>
    <message>
        <source>Angle of refraction, by Snell&apos;s law</source>
        <translation>Úhel lomu podle Snellova zákona</translation>
    </message>
    <message>
        <source>Critical angle</source>
        <translation>Mezní úhel</translation>
    </message>
    <message>
        <source>refracted light</source>
        <translation>lomené světlo</translation>
    </message>
    <message>
        <source>reflected light</source>
        <translation>odražené světlo</translation>
    </message>
    <message>
        <source>%1, %2: angle from its positions</source>
        <translation>%1, %2: úhel z jeho poloh</translation>
    </message>
    <message>
        <source>not measured: the beam runs off the stretch it measures</source>
        <translation>neměřeno: svazek vybíhá mimo úsek, který detektor měří</translation>
    </message>
    <message>
        <source>%1, %2: by Snell&apos;s law</source>
        <translation>%1, %2: podle Snellova zákona</translation>
    </message>
    <message>
        <source>%1, %2: by the law of reflection</source>
        <translation>%1, %2: podle zákona odrazu</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Úhly</translation>
    </message>
    <message>
        <source>In degrees from the normal, from the direction the run worked out from the typed angle. The angle a detector&apos;s positions give is the direction from the middle of the lit stretch of the boundary to the middle of the light the detector found.</source>
        <translation>Ve stupních od kolmice, podle směru, který běh vypočetl ze zadaného úhlu. Úhel z poloh detektoru je směr od středu osvětleného úseku rozhraní ke středu světla, které detektor našel.</translation>
    </message>
    <message>
        <source>Comparing readings</source>
        <translation>Porovnávání údajů</translation>
    </message>
    <message>
        <source>Readings compare along one track only, not between detectors or between runs: the arrows&apos; lengths differ with the angle option, so a reading&apos;s size is no share of the light.</source>
        <translation>Naměřené hodnoty lze porovnávat jen podél jedné dráhy, ne mezi detektory ani mezi běhy: délky šipek se liší podle volby úhlu, takže velikost hodnoty není podílem světla.</translation>
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
        <translation>Úplný odraz: pracovní list</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ____________</source>
        <translation>Jméno: ____________________   Třída: ________   Datum: ____________</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>Pokus</translation>
    </message>
    <message>
        <source>The light comes up through the %1 from below and meets the boundary on its lit stretch; the detectors sum the paths along their lines.</source>
        <translation>Světlo přichází zdola zevnitř %1 a dopadá na rozhraní v jeho osvětleném úseku; detektory sčítají dráhy podél svých přímek.</translation>
    </message>
    <message>
        <source>What the detectors measured</source>
        <translation>Co detektory naměřily</translation>
    </message>
    <message>
        <source>Positions are in the drawing&apos;s units (twips, 1440 to an inch): x from the drawing&apos;s left edge; for Detector V, the height above the boundary (below it where negative). The centre is where the light is brightest on average.</source>
        <translation>Polohy jsou v jednotkách kresby (twipech, 1440 na palec): x od levého okraje kresby; u detektoru V výška nad rozhraním (pod ním záporná). Střed je místo, kde je světlo v průměru nejjasnější.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Otázky</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Řešení</translation>
    </message>
    <message>
        <source>What the program says about this run</source>
        <translation>Co o tomto pokusu říká program</translation>
    </message>
    <message>
        <source>a medium of refractive index %1</source>
        <translation>prostředí s indexem lomu %1</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>skla</translation>
    </message>
    <message>
        <source>water</source>
        <translation>vody</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>prostředí</translation>
    </message>
    <message>
        <source>Medium: %1, refractive index %2 (the air&apos;s is 1)</source>
        <translation>Prostředí: %1, index lomu %2 (vzduch má 1)</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal</source>
        <translation>Úhel dopadu: %1° od kolmice</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal (typed as %2, the same direction)</source>
        <translation>Úhel dopadu: %1° od kolmice (zadáno jako %2, stejný směr)</translation>
    </message>
    <message>
        <source>The lit stretch of the boundary: from x = %1 to x = %2, its middle at x = %3</source>
        <translation>Osvětlený úsek rozhraní: od x = %1 do x = %2, jeho střed v x = %3</translation>
    </message>
    <message>
        <source>Detector H&apos;s line: %1 units above the boundary, in the air</source>
        <translation>Přímka detektoru H: %1 jednotek nad rozhraním, ve vzduchu</translation>
    </message>
    <message>
        <source>Detector S&apos;s line: %1 units below the boundary, in the %2</source>
        <translation>Přímka detektoru S: %1 jednotek pod rozhraním, uvnitř %2</translation>
    </message>
    <message>
        <source>Detector V&apos;s line: upright at x = %1, across the boundary</source>
        <translation>Přímka detektoru V: svislá v x = %1, napříč rozhraním</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Kde</translation>
    </message>
    <message>
        <source>Light from</source>
        <translation>Světlo od</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Střed</translation>
    </message>
    <message>
        <source>no light</source>
        <translation>žádné světlo</translation>
    </message>
    <message>
        <source>in the air</source>
        <translation>ve vzduchu</translation>
    </message>
    <message>
        <source>in the %1</source>
        <translation>uvnitř %1</translation>
    </message>
    <message>
        <source>Detector H found light from x = %1 to x = %2, centred at x = %3, on its line %4 units above the boundary. The light left the middle of the lit stretch, x = %5. At what angle from the normal did it leave the boundary?</source>
        <translation>Detektor H našel světlo od x = %1 do x = %2 se středem v x = %3 na své přímce %4 jednotek nad rozhraním. Světlo vyšlo ze středu osvětleného úseku, x = %5. Pod jakým úhlem od kolmice opustilo rozhraní?</translation>
    </message>
    <message>
        <source>Detector S found reflected light from x = %1 to x = %2, centred at x = %3, on its line %4 units below the boundary. At what angle from the normal was the light reflected? Check the law of reflection.</source>
        <translation>Detektor S našel odražené světlo od x = %1 do x = %2 se středem v x = %3 na své přímce %4 jednotek pod rozhraním. Pod jakým úhlem od kolmice se světlo odrazilo? Ověřte zákon odrazu.</translation>
    </message>
    <message>
        <source>tan θ = (%1 − %2) ÷ %3 = %4, so θ ≈ %5 degrees. %6</source>
        <translation>tg θ = (%1 − %2) : %3 = %4, takže θ ≈ %5°. %6</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives the angle of refraction. Where does the refracted light from x = %1 meet Detector H&apos;s line, %2 units above the boundary?</source>
        <translation>Snellův zákon dává úhel lomu. Kde protne lomené světlo z x = %1 přímku detektoru H, %2 jednotek nad rozhraním?</translation>
    </message>
    <message>
        <source>The law of reflection gives the angle of reflection. Where does the reflected light from x = %1 meet Detector S&apos;s line, %2 units below the boundary?</source>
        <translation>Zákon odrazu dává úhel odrazu. Kde protne odražené světlo z x = %1 přímku detektoru S, %2 jednotek pod rozhraním?</translation>
    </message>
    <message>
        <source>The detector&apos;s light is not all on the stretch it measures, so the table gives only part of it.</source>
        <translation>Světlo detektoru neleží celé v úseku, který měří, takže tabulka uvádí jen jeho část.</translation>
    </message>
    <message>
        <source>That is beyond the stretch the detector measures, which is why the table has no light for it there.</source>
        <translation>To je mimo úsek, který detektor měří, a proto pro něj tabulka tam žádné světlo nemá.</translation>
    </message>
    <message>
        <source>x = %1 + %2 × tan %3 ≈ %4. %5</source>
        <translation>x = %1 + %2 × tg %3 ≈ %4. %5</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is less than the critical angle: part of the light leaves into the air.</source>
        <translation>Úhel dopadu %1° je menší než mezní úhel: část světla projde do vzduchu.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is the critical angle.</source>
        <translation>Úhel dopadu %1° je mezní úhel.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is greater than the critical angle: no refracted light leaves into the air.</source>
        <translation>Úhel dopadu %1° je větší než mezní úhel: žádné lomené světlo neprojde do vzduchu.</translation>
    </message>
    <message>
        <source>What is the critical angle of the %1, whose refractive index is %2? Compare it with the angle of incidence.</source>
        <translation>Jaký je mezní úhel %1 s indexem lomu %2? Porovnejte ho s úhlem dopadu.</translation>
    </message>
    <message>
        <source>sin c = 1 ÷ %1 = %2, so c ≈ %3 degrees. %4</source>
        <translation>sin c = 1 : %1 = %2, takže c ≈ %3°. %4</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). Work out the refractive index of the %1 from the angle of incidence and your answer to question 1.</source>
        <translation>Snellův zákon říká n × sin(úhel dopadu) = 1 × sin(úhel lomu). Vypočítejte index lomu %1 z úhlu dopadu a ze své odpovědi na otázku 1.</translation>
    </message>
    <message>
        <source>n = sin %1 ÷ sin %2 ≈ %3. The run&apos;s index is %4.</source>
        <translation>n = sin %1 : sin %2 ≈ %3. Index lomu v pokusu je %4.</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). What angle of refraction does it give?</source>
        <translation>Snellův zákon říká n × sin(úhel dopadu) = 1 × sin(úhel lomu). Jaký úhel lomu z něj vychází?</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, so r ≈ %4 degrees.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, takže r ≈ %4°.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ 1, so r = 90 degrees: the refracted light runs along the boundary.</source>
        <translation>sin r = %1 × sin %2 ≈ 1, takže r = 90°: lomené světlo běží podél rozhraní.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, which is more than 1. No angle has such a sine: no light is refracted into the air.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, což je víc než 1. Žádný úhel takový sinus nemá: do vzduchu se žádné světlo neláme.</translation>
    </message>
    <message>
        <source>The law of reflection gives %1 degrees, the angle of incidence.</source>
        <translation>Zákon odrazu dává %1°, tedy úhel dopadu.</translation>
    </message>
    <message>
        <source>Why does Detector H find no light?</source>
        <translation>Proč detektor H nenachází žádné světlo?</translation>
    </message>
    <message>
        <source>Why does Detector H find so little light, and no refracted beam?</source>
        <translation>Proč detektor H nachází tak málo světla a žádný lomený svazek?</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary and never rises to Detector H&apos;s line.</source>
        <translation>Při mezním úhlu běží lomené světlo podél rozhraní a k přímce detektoru H nikdy nevystoupí.</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary; the little light Detector H finds is light the narrow beam spreads.</source>
        <translation>Při mezním úhlu běží lomené světlo podél rozhraní; to málo světla, které detektor H najde, je světlo, které rozptýlí úzký svazek.</translation>
    </message>
    <message>
        <source>Beyond the critical angle all the light is reflected back into the medium: this is total internal reflection, and none leaves into the air.</source>
        <translation>Nad mezním úhlem se všechno světlo odráží zpět do prostředí: to je úplný odraz a do vzduchu žádné neprojde.</translation>
    </message>
    <message>
        <source>Beyond the critical angle almost all the light is reflected back into the medium; the narrow beam&apos;s directions spread a little, and the little light whose direction is less than the critical angle reaches Detector H.</source>
        <translation>Nad mezním úhlem se téměř všechno světlo odráží zpět do prostředí; směry úzkého svazku se trochu rozbíhají a to málo světla, jehož směr svírá s kolmicí menší úhel než mezní, dopadne na detektor H.</translation>
    </message>
    <message>
        <source>Where does the light go at this angle of incidence, and at what angle?</source>
        <translation>Kam jde světlo při tomto úhlu dopadu a pod jakým úhlem?</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary at 90 degrees, and the rest is reflected back into the %1 at %2 degrees.</source>
        <translation>Lomené světlo běží podél rozhraní pod úhlem 90° a zbytek se odráží zpět do %1 pod úhlem %2°.</translation>
    </message>
    <message>
        <source>It is reflected back into the %1 at %2 degrees from the normal, the angle of incidence.</source>
        <translation>Odráží se zpět do %1 pod úhlem %2° od kolmice, tedy pod úhlem dopadu.</translation>
    </message>
    <message>
        <source>What would happen to the light if the angle of incidence were greater than the critical angle?</source>
        <translation>Co by se se světlem stalo, kdyby byl úhel dopadu větší než mezní úhel?</translation>
    </message>
    <message>
        <source>Snell&apos;s law would give a sine of the angle of refraction greater than 1: no light would leave into the air, and all of it would be reflected back into the %1. This is total internal reflection.</source>
        <translation>Ze Snellova zákona by vyšel sinus úhlu lomu větší než 1: žádné světlo by neprošlo do vzduchu a všechno by se odrazilo zpět do %1. To je úplný odraz.</translation>
    </message>
    <message>
        <source>None: light passing into the air goes into a larger index, so Snell&apos;s law gives an angle of refraction less than the angle of incidence, and some light always leaves.</source>
        <translation>Neexistuje: světlo, které přechází do vzduchu, přechází do prostředí s větším indexem lomu, takže Snellův zákon dává úhel lomu menší než úhel dopadu a nějaké světlo vždy projde.</translation>
    </message>
    <message>
        <source>None: with the air&apos;s own index there is no boundary, and the light goes straight on.</source>
        <translation>Neexistuje: s indexem lomu vzduchu tu žádné rozhraní není a světlo jde dál přímo.</translation>
    </message>
    <message>
        <source>None: no medium has a refractive index of zero or less, so no law says where its light goes.</source>
        <translation>Neexistuje: žádné prostředí nemá index lomu nula nebo menší, takže žádný zákon neříká, kam jeho světlo jde.</translation>
    </message>
    <message>
        <source>Does the %1 have a critical angle? Why?</source>
        <translation>Existuje u %1 mezní úhel? Proč?</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives %1 degrees.</source>
        <translation>Snellův zákon dává %1°.</translation>
    </message>
    <message>
        <source>Is any light reflected? Use Detector S&apos;s row.</source>
        <translation>Odráží se nějaké světlo? Použijte řádek detektoru S.</translation>
    </message>
    <message>
        <source>No: where the indices are the same there is no boundary to reflect it, and the light goes straight on.</source>
        <translation>Ne: kde jsou indexy lomu stejné, není žádné rozhraní, které by světlo odráželo, a světlo jde dál přímo.</translation>
    </message>
    <message>
        <source>Which detectors found light? Use the table.</source>
        <translation>Které detektory našly světlo? Použijte tabulku.</translation>
    </message>
    <message>
        <source>The table lists them; the paths are summed all the same, but no law of a real medium names that light.</source>
        <translation>Tabulka je uvádí; dráhy se přesto sečtou, ale žádný zákon skutečného prostředí takové světlo nepopisuje.</translation>
    </message>
    <message>
        <source>Which refractive index would make this a run of water, and which of glass?</source>
        <translation>Jaký index lomu by z tohoto pokusu udělal pokus s vodou a jaký se sklem?</translation>
    </message>
    <message>
        <source>Water&apos;s is %1 and glass&apos;s %2.</source>
        <translation>Voda má %1 a sklo %2.</translation>
    </message>
</context>
</TS>
