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
        <source>The medium</source>
        <translation>Prostředí</translation>
    </message>
    <message>
        <source>into the medium</source>
        <translation>do prostředí</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, below the critical angle: part of the light is refracted into the air, and part is reflected back %3.</source>
        <translation>%1 při úhlu %2°, pod mezním úhlem: část světla se láme do vzduchu a část se odráží zpět %3.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, the critical angle: the refracted light runs along the boundary, and the rest is reflected back %3.</source>
        <translation>%1 při úhlu %2°, mezním úhlu: lomené světlo běží podél rozhraní a zbytek se odráží zpět %3.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, beyond the critical angle: all the light is reflected back %3, and none leaves into the air. This is total reflection.</source>
        <translation>%1 při úhlu %2°, nad mezním úhlem: všechno světlo se odráží zpět %3 a žádné neprojde do vzduchu. To je úplný odraz.</translation>
    </message>
    <message>
        <source>The settings name no case: the paths are summed, but no case is drawn.</source>
        <translation>Nastavení neurčuje žádný případ: dráhy se sečtou, ale žádný případ se nenakreslí.</translation>
    </message>
    <message>
        <source>%1 twips above the boundary</source>
        <translation>%1 twipů nad rozhraním</translation>
    </message>
    <message>
        <source>%1 twips below the boundary</source>
        <translation>%1 twipů pod rozhraním</translation>
    </message>
    <message>
        <source>at the boundary</source>
        <translation>na rozhraní</translation>
    </message>
    <message>
        <source>the boundary</source>
        <translation>rozhraní</translation>
    </message>
    <message>
        <source>%1 to %2 twips above the boundary</source>
        <translation>%1 až %2 twipů nad rozhraním</translation>
    </message>
    <message>
        <source>%1 to %2 twips below the boundary</source>
        <translation>%1 až %2 twipů pod rozhraním</translation>
    </message>
    <message>
        <source>%1 twips right of the normal</source>
        <translation>%1 twipů vpravo od normály</translation>
    </message>
    <message>
        <source>%1 twips left of the normal</source>
        <translation>%1 twipů vlevo od normály</translation>
    </message>
    <message>
        <source>at the normal</source>
        <translation>na normále</translation>
    </message>
    <message>
        <source>the normal</source>
        <translation>normály</translation>
    </message>
    <message>
        <source>%1 to %2 twips right of the normal</source>
        <translation>%1 až %2 twipů vpravo od normály</translation>
    </message>
    <message>
        <source>%1 to %2 twips left of the normal</source>
        <translation>%1 až %2 twipů vlevo od normály</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>No light reaches Detector %1.</source>
        <translation>Na detektor %1 nedopadá žádné světlo.</translation>
    </message>
    <message>
        <source>Detector V, moving down, finds light %1, brightest %2.</source>
        <translation>Detektor V při pohybu dolů zachytí světlo %1, nejjasněji %2.</translation>
    </message>
    <message>
        <source>Detector H, %1 twips above the boundary, finds light %2, brightest %3.</source>
        <translation>Detektor H, %1 twipů nad rozhraním, zachytí světlo %2, nejjasněji %3.</translation>
    </message>
    <message>
        <source>Detector S, %1 twips below the boundary, finds the reflected light %2, brightest %3.</source>
        <translation>Detektor S, %1 twipů pod rozhraním, zachytí odražené světlo %2, nejjasněji %3.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of its %2 steps.</source>
        <translation>Běh byl zastaven po %1 z %2 kroků.</translation>
    </message>
    <message>
        <source>A medium of index %1</source>
        <translation>Prostředí s indexem lomu %1</translation>
    </message>
    <message>
        <source>%1 at %2 degrees is below its critical angle of %3 degrees: part of the light is refracted into the air, and part is reflected back %4.</source>
        <translation>%1 při úhlu %2° je pod svým mezním úhlem %3°: část světla se láme do vzduchu a část se odráží zpět %4.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees is at its critical angle of %3 degrees: the refracted light runs along the boundary, and the rest is reflected back %4.</source>
        <translation>%1 při úhlu %2° je na svém mezním úhlu %3°: lomené světlo běží podél rozhraní a zbytek se odráží zpět %4.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees is beyond its critical angle of %3 degrees: all the light is reflected back %4, and none leaves into the air. This is total reflection.</source>
        <translation>%1 při úhlu %2° je nad svým mezním úhlem %3°: všechno světlo se odráží zpět %4 a žádné neprojde do vzduchu. To je úplný odraz.</translation>
    </message>
    <message>
        <source>%1 at %2 degrees has no critical angle: its index is not above the air&apos;s, so the light is never totally reflected.</source>
        <translation>%1 při úhlu %2° nemá mezní úhel: index lomu není větší než u vzduchu, takže se světlo nikdy neodráží úplně.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case below the critical angle.</source>
        <translation>Kresba odpovídá zvolené možnosti a ukazuje případ pod mezním úhlem.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case at the critical angle.</source>
        <translation>Kresba odpovídá zvolené možnosti a ukazuje případ při mezním úhlu.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case beyond the critical angle.</source>
        <translation>Kresba odpovídá zvolené možnosti a ukazuje případ nad mezním úhlem.</translation>
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
</context>
</TS>
