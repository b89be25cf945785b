<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>CommandLine</name>
    <message>
        <source>A teaching program about light at the boundary of water or glass and air.</source>
        <translation>Výučbový program o svetle na rozhraní vody alebo skla so vzduchom.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, are listed by --help-all.</source>
        <translation>Vlastné voľby Qt, napríklad -platform, vypíše --help-all.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočakávaný argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>SUBSTANCE</source>
        <translation>LÁTKA</translation>
    </message>
    <message>
        <source>Choose the substance: water or glass.</source>
        <translation>Zvoľte látku: water (voda) alebo glass (sklo).</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>UHOL</translation>
    </message>
    <message>
        <source>Choose the angle: 35, critical or 60; any other value is typed into the angle box.</source>
        <translation>Zvoľte uhol: 35, critical (medzný) alebo 60; akákoľvek iná hodnota sa napíše do poľa uhla.</translation>
    </message>
    <message>
        <source>INDEX</source>
        <translation>INDEX</translation>
    </message>
    <message>
        <source>Type the refractive index into its box.</source>
        <translation>Napíšte index lomu do jeho poľa.</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>VÝŠKA</translation>
    </message>
    <message>
        <source>Choose Detector H&apos;s distance: 100, 750 or 1500.</source>
        <translation>Zvoľte výšku detektora H: 100, 750 alebo 1500.</translation>
    </message>
    <message>
        <source>PACE</source>
        <translation>RÝCHLOSŤ</translation>
    </message>
    <message>
        <source>Choose the pace: fastest, slower, slow, or the scroll bar&apos;s position (0 to 32767).</source>
        <translation>Zvoľte rýchlosť: fastest (najrýchlejšia), slower (pomalšia), slow (pomalá) alebo polohu posúvača (0 až 32767).</translation>
    </message>
    <message>
        <source>Press Start once the window is open.</source>
        <translation>Stlačte Štart, hneď ako sa okno otvorí.</translation>
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
        <translation>Spomalenie animácie</translation>
    </message>
    <message>
        <source>Slowdown setting</source>
        <translation>Nastavenie spomalenia</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Cornuove špirály</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector S</source>
        <translation>Cornuove špirály detektora S</translation>
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
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Interference pattern</source>
        <translation>Interferenčný obraz</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector V</source>
        <translation>Cornuove špirály detektora V</translation>
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
        <translation>Výška detektora H</translation>
    </message>
    <message>
        <source>Detector H distance setting</source>
        <translation>Nastavenie výšky detektora H</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Látka</translation>
    </message>
    <message>
        <source>Substance setting</source>
        <translation>Nastavenie látky</translation>
    </message>
    <message>
        <source>Incident angle setting</source>
        <translation>Nastavenie uhla dopadu</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Uhol dopadu</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Medzný</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Štart</translation>
    </message>
    <message>
        <source>Total reflection</source>
        <translation>Úplný odraz</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Stlačte tlačidlo Štart</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Kolmica dopadu</translation>
    </message>
    <message>
        <source>Start line of Detector V&apos;s Cornu spirals</source>
        <translation>Počiatočná priamka Cornuových špirál detektora V</translation>
    </message>
    <message>
        <source>Base line of Detector S&apos;s Cornu spirals</source>
        <translation>Základná priamka Cornuových špirál detektora S</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Rozhranie</translation>
    </message>
    <message>
        <source>Track of Detector S</source>
        <translation>Dráha detektora S</translation>
    </message>
    <message>
        <source>Track of Detector V</source>
        <translation>Dráha detektora V</translation>
    </message>
    <message>
        <source>Track of Detector H</source>
        <translation>Dráha detektora H</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The readings could not be saved as “%1”.

%2</source>
        <translation>Namerané hodnoty sa nepodarilo uložiť ako „%1“.

%2</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Uložiť obrázok</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Obrázky PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>Obrázok sa nepodarilo uložiť ako „%1“.

%2</translation>
    </message>
    <message>
        <source>Save readings</source>
        <translation>Uložiť namerané hodnoty</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <translation>Zošity (*.xlsx)</translation>
    </message>
    <message>
        <source>Save readings as CSV</source>
        <translation>Uložiť namerané hodnoty ako CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Súbory CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovať obrázok</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Uložiť obrázok…</translation>
    </message>
    <message>
        <source>Save picture at twice the resolution…</source>
        <translation>Uložiť obrázok v dvojnásobnom rozlíšení…</translation>
    </message>
    <message>
        <source>Copy readings</source>
        <translation>Kopírovať namerané hodnoty</translation>
    </message>
    <message>
        <source>Save readings…</source>
        <translation>Uložiť namerané hodnoty…</translation>
    </message>
    <message>
        <source>Save readings as CSV…</source>
        <translation>Uložiť namerané hodnoty ako CSV…</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Uložiť pracovný list</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as “%1”.

%2</source>
        <translation>Pracovný list sa nepodarilo uložiť ako „%1“.

%2</translation>
    </message>
    <message>
        <source>Save worksheet…</source>
        <translation>Uložiť pracovný list…</translation>
    </message>
    <message>
        <source>Print worksheet…</source>
        <translation>Vytlačiť pracovný list…</translation>
    </message>
    <message>
        <source>Copy link to this run</source>
        <translation>Kopírovať odkaz na tento pokus</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>fastest</source>
        <translation>najrýchlejšie</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>najpomalšie</translation>
    </message>
    <message>
        <source>%1 percent of the way to the slowest</source>
        <translation>%1 % cesty k najpomalšiemu</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The window is closed. Reload the page to open it again.</source>
        <translation>Okno je zatvorené. Znova ho otvoríte opätovným načítaním stránky.</translation>
    </message>
    <message>
        <source>The window stopped because of an error. Reload the page to start it again.</source>
        <translation>Okno sa pre chybu zastavilo. Znova ho spustíte opätovným načítaním stránky.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Načítať znova</translation>
    </message>
    <message>
        <source>The readings could not be copied.</source>
        <translation>Namerané hodnoty sa nepodarilo skopírovať.</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>Obrázok sa nepodarilo skopírovať.</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Odkaz sa nepodarilo skopírovať.</translation>
    </message>
    <message>
        <source>This browser cannot make the picture that large. It was saved at %1 × %2 pixels, the largest it can make.</source>
        <translation>Tento prehliadač nedokáže vytvoriť taký veľký obrázok. Obrázok sa uložil vo veľkosti %1 × %2 pixelov, najväčšej, akú dokáže vytvoriť.</translation>
    </message>
    <message>
        <source>The picture could not be saved: this browser could not make it.</source>
        <translation>Obrázok sa nepodarilo uložiť: tento prehliadač ho nedokázal vytvoriť.</translation>
    </message>
    <message>
        <source>The readings could not be saved: this browser could not make the file.</source>
        <translation>Namerané hodnoty sa nepodarilo uložiť: tento prehliadač nedokázal vytvoriť súbor.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>obrázok sa nedá zakódovať</translation>
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
        <translation>Uhol dopadu</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Výška detektora H</translation>
    </message>
    <message>
        <source>Slowdown</source>
        <translation>Spomalenie</translation>
    </message>
    <message>
        <source>Type a number such as %1, then press Start again.</source>
        <translation>Napíšte číslo, napríklad %1, a znova stlačte Štart.</translation>
    </message>
    <message>
        <source>%1: there is no number to run with.</source>
        <translation>%1: chýba číslo, s ktorým by pokus mohol prebehnúť.</translation>
    </message>
    <message>
        <source>%1: the text is longer than the box holds, %2 characters.</source>
        <translation>%1: text je dlhší, než pole pojme, %2 znakov.</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1: „%2“ nie je číslo.</translation>
    </message>
    <message>
        <source>%1: “%2” is outside the range a run can draw.</source>
        <translation>%1: „%2“ je mimo rozsahu, ktorý pokus dokáže nakresliť.</translation>
    </message>
    <message>
        <source>Type a number from %1 to %2, then press Start again.</source>
        <translation>Napíšte číslo od %1 do %2 a znova stlačte Štart.</translation>
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
        <source>A medium of refractive index %1</source>
        <translation>Prostredie s indexom lomu %1</translation>
    </message>
    <message>
        <source>into the medium</source>
        <translation>do prostredia</translation>
    </message>
    <message>
        <source>%1 at %2 degrees</source>
        <translation>%1 pri uhle %2°</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, the same direction as %3 degrees</source>
        <translation>%1 pri uhle %2°, teda v rovnakom smere ako %3°</translation>
    </message>
    <message>
        <source>Part of the light is reflected back %1 at %2 degrees, and part is refracted into the air at %3 degrees, as Snell&apos;s law gives.</source>
        <translation>Časť svetla sa odráža späť %1 pod uhlom %2° a časť sa láme do vzduchu pod uhlom %3°, ako vyplýva zo Snellovho zákona.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is less than the critical angle of about %3 degrees.</source>
        <translation>%1: uhol dopadu %2° je menší ako medzný uhol, približne %3°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is the critical angle.</source>
        <translation>%1: uhol dopadu %2° je medzný uhol.</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary, at 90 degrees, and the rest is reflected back %1 at %2 degrees.</source>
        <translation>Lomené svetlo sa šíri pozdĺž rozhrania, pod uhlom 90°, a zvyšok sa odráža späť %1 pod uhlom %2°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is greater than the critical angle of about %3 degrees.</source>
        <translation>%1: uhol dopadu %2° je väčší ako medzný uhol, približne %3°.</translation>
    </message>
    <message>
        <source>All the light is reflected back %1 at %2 degrees, and none leaves into the air: this is total internal reflection.</source>
        <translation>Všetko svetlo sa odráža späť %1 pod uhlom %2° a žiadne neprejde do vzduchu: to je úplný odraz.</translation>
    </message>
    <message>
        <source>Almost all the light is reflected back %1 at %2 degrees: the beam is narrow, so its directions spread a little, and the little light whose direction is less than the critical angle leaves into the air.</source>
        <translation>Takmer všetko svetlo sa odráža späť %1 pod uhlom %2°: zväzok je úzky, takže sa jeho smery trochu rozbiehajú, a to málo svetla, ktorého smer zviera s kolmicou menší uhol ako medzný, prejde do vzduchu.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with an index less than the air&apos;s there is no critical angle.</source>
        <translation>%1: uhol dopadu je %2° a pri indexe lomu menšom, než má vzduch, medzný uhol neexistuje.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with the air&apos;s own index there is no boundary: the light goes straight on at %2 degrees, and nothing is reflected.</source>
        <translation>%1: uhol dopadu je %2° a pri indexe lomu vzduchu tu nie je žiadne rozhranie: svetlo ide ďalej priamo pod uhlom %2° a nič sa neodráža.</translation>
    </message>
    <message>
        <source>%1: no medium has a refractive index of zero or less, so no law says where its light goes; the paths are summed all the same.</source>
        <translation>%1: žiadne prostredie nemá index lomu nula alebo menší, takže žiadny zákon nehovorí, kam jeho svetlo ide; dráhy sa napriek tomu sčítajú.</translation>
    </message>
    <message>
        <source>The settings name no case: the paths are summed, but no case is drawn.</source>
        <translation>Nastavenia neurčujú žiadny prípad: dráhy sa sčítajú, ale žiadny prípad sa nenakreslí.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle less than the critical angle.</source>
        <translation>Kresba zodpovedá zvolenej možnosti a ukazuje prípad uhla menšieho, ako je medzný uhol.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case at the critical angle.</source>
        <translation>Kresba zodpovedá zvolenej možnosti a ukazuje prípad pri medznom uhle.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle greater than the critical angle.</source>
        <translation>Kresba zodpovedá zvolenej možnosti a ukazuje prípad uhla väčšieho, ako je medzný uhol.</translation>
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
        <translation>vľavo od kolmice</translation>
    </message>
    <message>
        <source>on both sides of the normal</source>
        <translation>po oboch stranách kolmice</translation>
    </message>
    <message>
        <source>part of the refracted light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>časť lomeného svetla %1; zvyšok pretne priamku detektora mimo úseku, ktorý meria</translation>
    </message>
    <message>
        <source>the refracted light %1, which left the boundary at about %2 degrees (Snell&apos;s law gives %3)</source>
        <translation>lomené svetlo %1, ktoré opustilo rozhranie pod uhlom približne %2° (podľa Snellovho zákona %3°)</translation>
    </message>
    <message>
        <source>the refracted light %1</source>
        <translation>lomené svetlo %1</translation>
    </message>
    <message>
        <source>part of the reflected light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>časť odrazeného svetla %1; zvyšok pretne priamku detektora mimo úseku, ktorý meria</translation>
    </message>
    <message>
        <source>the reflected light %1, which left the boundary at about %2 degrees (the law of reflection gives %3)</source>
        <translation>odrazené svetlo %1, ktoré opustilo rozhranie pod uhlom približne %2° (podľa zákona odrazu %3°)</translation>
    </message>
    <message>
        <source>the reflected light %1</source>
        <translation>odrazené svetlo %1</translation>
    </message>
    <message>
        <source>light %1 from a second beam, which the paths send because they lie more than half a wavelength apart, not from the boundary</source>
        <translation>svetlo %1 z druhého zväzku, ktorý dráhy vysielajú, pretože sú od seba vzdialené viac ako o polovicu vlnovej dĺžky, nie z rozhrania</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads, which left the boundary at about %2 degrees</source>
        <translation>svetlo %1, ktoré úzky zväzok rozptýli a ktoré opustilo rozhranie pod uhlom približne %2°</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads</source>
        <translation>svetlo %1, ktoré úzky zväzok rozptýli</translation>
    </message>
    <message>
        <source>light %1 only because the paths are summed as if a boundary reflected it; with no boundary, none is reflected</source>
        <translation>svetlo %1 len preto, že sa dráhy sčítajú, akoby ho rozhranie odrážalo; bez rozhrania sa nič neodráža</translation>
    </message>
    <message>
        <source>light %1, which left the boundary at about %2 degrees</source>
        <translation>svetlo %1, ktoré opustilo rozhranie pod uhlom približne %2°</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>svetlo %1</translation>
    </message>
    <message>
        <source>the refracted light meets its line beyond the stretch it measures</source>
        <translation>lomené svetlo pretne priamku detektora mimo úseku, ktorý meria</translation>
    </message>
    <message>
        <source>the refracted light goes the other way</source>
        <translation>lomené svetlo ide opačným smerom</translation>
    </message>
    <message>
        <source>the refracted light runs along the boundary and never meets its line</source>
        <translation>lomené svetlo sa šíri pozdĺž rozhrania a priamku detektora nikdy nepretne</translation>
    </message>
    <message>
        <source>the reflected light meets its line beyond the stretch it measures</source>
        <translation>odrazené svetlo pretne priamku detektora mimo úseku, ktorý meria</translation>
    </message>
    <message>
        <source>the reflected light goes the other way</source>
        <translation>odrazené svetlo ide opačným smerom</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>No light reaches Detector %1.</source>
        <translation>Na detektor %1 nedopadá žiadne svetlo.</translation>
    </message>
    <message>
        <source>No light reaches Detector %1: %2.</source>
        <translation>Na detektor %1 nedopadá žiadne svetlo: %2.</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1; the drawing gives its bars no length in this case</source>
        <translation>%1; kresba mu v tomto prípade dáva stĺpce nulovej dĺžky</translation>
    </message>
    <message>
        <source>Detector V, moving down, finds %1.</source>
        <translation>Detektor V pri pohybe nadol nájde %1.</translation>
    </message>
    <message>
        <source>Detector %1 finds %2.</source>
        <translation>Detektor %1 nájde %2.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of its %2 steps.</source>
        <translation>Beh bol zastavený po %1 z %2 krokov.</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>none</source>
        <translation>žiadny</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Uhol dopadu</translation>
    </message>
    <message>
        <source>Angle of reflection, by the law of reflection</source>
        <translation>Uhol odrazu podľa zákona odrazu</translation>
    </message>
    <message>
        <source>Angle of refraction, by Snell&apos;s law</source>
        <translation>Uhol lomu podľa Snellovho zákona</translation>
    </message>
    <message>
        <source>Critical angle</source>
        <translation>Medzný uhol</translation>
    </message>
    <message>
        <source>refracted light</source>
        <translation>lomené svetlo</translation>
    </message>
    <message>
        <source>reflected light</source>
        <translation>odrazené svetlo</translation>
    </message>
    <message>
        <source>%1, %2: angle from its positions</source>
        <translation>%1, %2: uhol z polôh detektora</translation>
    </message>
    <message>
        <source>not measured: the beam runs off the stretch it measures</source>
        <translation>nemerané: zväzok vybieha mimo úseku, ktorý detektor meria</translation>
    </message>
    <message>
        <source>%1, %2: by Snell&apos;s law</source>
        <translation>%1, %2: podľa Snellovho zákona</translation>
    </message>
    <message>
        <source>%1, %2: by the law of reflection</source>
        <translation>%1, %2: podľa zákona odrazu</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Uhly</translation>
    </message>
    <message>
        <source>In degrees from the normal, from the direction the run worked out from the typed angle. The angle a detector&apos;s positions give is the direction from the middle of the lit stretch of the boundary to the middle of the light the detector found.</source>
        <translation>V stupňoch od kolmice, podľa smeru, ktorý beh vypočítal zo zadaného uhla. Uhol z polôh detektora je smer od stredu osvetleného úseku rozhrania k stredu svetla, ktoré detektor našiel.</translation>
    </message>
    <message>
        <source>Comparing readings</source>
        <translation>Porovnávanie nameraných hodnôt</translation>
    </message>
    <message>
        <source>Readings compare along one track only, not between detectors or between runs: the arrows&apos; lengths differ with the angle option, so a reading&apos;s size is no share of the light.</source>
        <translation>Namerané hodnoty možno porovnávať len pozdĺž jednej dráhy, nie medzi detektormi ani medzi behmi: dĺžky šípok sa líšia podľa voľby uhla, takže veľkosť hodnoty nie je podielom svetla.</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>neurčené</translation>
    </message>
    <message>
        <source>Case drawn</source>
        <translation>Nakreslený prípad</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledok</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Polohy</translation>
    </message>
    <message>
        <source>In twips of the window, from its top left corner: x to the right, with the normal at x = %1; y downward, with the boundary at y = %2.</source>
        <translation>V twipoch okna od jeho ľavého horného rohu: x doprava, kolmica leží v x = %1; y nadol, rozhranie leží v y = %2.</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Namerané hodnoty</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Beh</translation>
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
        <translation>Úplný odraz: pracovný list</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ____________</source>
        <translation>Meno: ____________________   Trieda: ________   Dátum: ____________</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>Pokus</translation>
    </message>
    <message>
        <source>The light comes up through the %1 from below and meets the boundary on its lit stretch; the detectors sum the paths along their lines.</source>
        <translation>Svetlo prichádza zdola zvnútra %1 a dopadá na rozhranie v jeho osvetlenom úseku; detektory sčítajú dráhy pozdĺž svojich priamok.</translation>
    </message>
    <message>
        <source>What the detectors measured</source>
        <translation>Čo detektory namerali</translation>
    </message>
    <message>
        <source>Positions are in the drawing&apos;s units (twips, 1440 to an inch): x from the drawing&apos;s left edge; for Detector V, the height above the boundary (below it where negative). The centre is where the light is brightest on average.</source>
        <translation>Polohy sú v jednotkách kresby (twipoch, 1440 na palec): x od ľavého okraja kresby; pri detektore V výška nad rozhraním (pod ním záporná). Stred je miesto, kde je svetlo v priemere najjasnejšie.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Otázky</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Riešenie</translation>
    </message>
    <message>
        <source>What the program says about this run</source>
        <translation>Čo o tomto pokuse hovorí program</translation>
    </message>
    <message>
        <source>a medium of refractive index %1</source>
        <translation>prostredie s indexom lomu %1</translation>
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
        <translation>prostredia</translation>
    </message>
    <message>
        <source>Medium: %1, refractive index %2 (the air&apos;s is 1)</source>
        <translation>Prostredie: %1, index lomu %2 (vzduch má 1)</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal</source>
        <translation>Uhol dopadu: %1° od kolmice</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal (typed as %2, the same direction)</source>
        <translation>Uhol dopadu: %1° od kolmice (zadané ako %2, rovnaký smer)</translation>
    </message>
    <message>
        <source>The lit stretch of the boundary: from x = %1 to x = %2, its middle at x = %3</source>
        <translation>Osvetlený úsek rozhrania: od x = %1 po x = %2, jeho stred v x = %3</translation>
    </message>
    <message>
        <source>Detector H&apos;s line: %1 units above the boundary, in the air</source>
        <translation>Priamka detektora H: %1 jednotiek nad rozhraním, vo vzduchu</translation>
    </message>
    <message>
        <source>Detector S&apos;s line: %1 units below the boundary, in the %2</source>
        <translation>Priamka detektora S: %1 jednotiek pod rozhraním, vnútri %2</translation>
    </message>
    <message>
        <source>Detector V&apos;s line: upright at x = %1, across the boundary</source>
        <translation>Priamka detektora V: zvislá v x = %1, naprieč rozhraním</translation>
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
        <translation>Svetlo od</translation>
    </message>
    <message>
        <source>to</source>
        <translation>po</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Stred</translation>
    </message>
    <message>
        <source>no light</source>
        <translation>žiadne svetlo</translation>
    </message>
    <message>
        <source>in the air</source>
        <translation>vo vzduchu</translation>
    </message>
    <message>
        <source>in the %1</source>
        <translation>vnútri %1</translation>
    </message>
    <message>
        <source>Detector H found light from x = %1 to x = %2, centred at x = %3, on its line %4 units above the boundary. The light left the middle of the lit stretch, x = %5. At what angle from the normal did it leave the boundary?</source>
        <translation>Detektor H našiel svetlo od x = %1 po x = %2 so stredom v x = %3 na svojej priamke %4 jednotiek nad rozhraním. Svetlo vyšlo zo stredu osvetleného úseku, x = %5. Pod akým uhlom od kolmice opustilo rozhranie?</translation>
    </message>
    <message>
        <source>Detector S found reflected light from x = %1 to x = %2, centred at x = %3, on its line %4 units below the boundary. At what angle from the normal was the light reflected? Check the law of reflection.</source>
        <translation>Detektor S našiel odrazené svetlo od x = %1 po x = %2 so stredom v x = %3 na svojej priamke %4 jednotiek pod rozhraním. Pod akým uhlom od kolmice sa svetlo odrazilo? Overte zákon odrazu.</translation>
    </message>
    <message>
        <source>tan θ = (%1 − %2) ÷ %3 = %4, so θ ≈ %5 degrees. %6</source>
        <translation>tg θ = (%1 − %2) : %3 = %4, takže θ ≈ %5°. %6</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives the angle of refraction. Where does the refracted light from x = %1 meet Detector H&apos;s line, %2 units above the boundary?</source>
        <translation>Snellov zákon dáva uhol lomu. Kde pretne lomené svetlo z x = %1 priamku detektora H, %2 jednotiek nad rozhraním?</translation>
    </message>
    <message>
        <source>The law of reflection gives the angle of reflection. Where does the reflected light from x = %1 meet Detector S&apos;s line, %2 units below the boundary?</source>
        <translation>Zákon odrazu dáva uhol odrazu. Kde pretne odrazené svetlo z x = %1 priamku detektora S, %2 jednotiek pod rozhraním?</translation>
    </message>
    <message>
        <source>The detector&apos;s light is not all on the stretch it measures, so the table gives only part of it.</source>
        <translation>Svetlo detektora neleží celé v úseku, ktorý meria, takže tabuľka uvádza len jeho časť.</translation>
    </message>
    <message>
        <source>That is beyond the stretch the detector measures, which is why the table has no light for it there.</source>
        <translation>To je mimo úseku, ktorý detektor meria, a preto preň tabuľka tam nemá žiadne svetlo.</translation>
    </message>
    <message>
        <source>x = %1 + %2 × tan %3 ≈ %4. %5</source>
        <translation>x = %1 + %2 × tg %3 ≈ %4. %5</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is less than the critical angle: part of the light leaves into the air.</source>
        <translation>Uhol dopadu %1° je menší ako medzný uhol: časť svetla prejde do vzduchu.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is the critical angle.</source>
        <translation>Uhol dopadu %1° je medzný uhol.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is greater than the critical angle: no refracted light leaves into the air.</source>
        <translation>Uhol dopadu %1° je väčší ako medzný uhol: žiadne lomené svetlo neprejde do vzduchu.</translation>
    </message>
    <message>
        <source>What is the critical angle of the %1, whose refractive index is %2? Compare it with the angle of incidence.</source>
        <translation>Aký je medzný uhol %1 s indexom lomu %2? Porovnajte ho s uhlom dopadu.</translation>
    </message>
    <message>
        <source>sin c = 1 ÷ %1 = %2, so c ≈ %3 degrees. %4</source>
        <translation>sin c = 1 : %1 = %2, takže c ≈ %3°. %4</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). Work out the refractive index of the %1 from the angle of incidence and your answer to question 1.</source>
        <translation>Snellov zákon hovorí n × sin(uhol dopadu) = 1 × sin(uhol lomu). Vypočítajte index lomu %1 z uhla dopadu a zo svojej odpovede na otázku 1.</translation>
    </message>
    <message>
        <source>n = sin %1 ÷ sin %2 ≈ %3. The run&apos;s index is %4.</source>
        <translation>n = sin %1 : sin %2 ≈ %3. Index lomu v pokuse je %4.</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). What angle of refraction does it give?</source>
        <translation>Snellov zákon hovorí n × sin(uhol dopadu) = 1 × sin(uhol lomu). Aký uhol lomu z neho vychádza?</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, so r ≈ %4 degrees.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, takže r ≈ %4°.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ 1, so r = 90 degrees: the refracted light runs along the boundary.</source>
        <translation>sin r = %1 × sin %2 ≈ 1, takže r = 90°: lomené svetlo sa šíri pozdĺž rozhrania.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, which is more than 1. No angle has such a sine: no light is refracted into the air.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, čo je viac ako 1. Žiadny uhol taký sínus nemá: do vzduchu sa žiadne svetlo neláme.</translation>
    </message>
    <message>
        <source>The law of reflection gives %1 degrees, the angle of incidence.</source>
        <translation>Zákon odrazu dáva %1°, teda uhol dopadu.</translation>
    </message>
    <message>
        <source>Why does Detector H find no light?</source>
        <translation>Prečo detektor H nenachádza žiadne svetlo?</translation>
    </message>
    <message>
        <source>Why does Detector H find so little light, and no refracted beam?</source>
        <translation>Prečo detektor H nachádza tak málo svetla a žiadny lomený zväzok?</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary and never rises to Detector H&apos;s line.</source>
        <translation>Pri medznom uhle sa lomené svetlo šíri pozdĺž rozhrania a k priamke detektora H nikdy nevystúpi.</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary; the little light Detector H finds is light the narrow beam spreads.</source>
        <translation>Pri medznom uhle sa lomené svetlo šíri pozdĺž rozhrania; to málo svetla, ktoré detektor H nájde, je svetlo, ktoré rozptýli úzky zväzok.</translation>
    </message>
    <message>
        <source>Beyond the critical angle all the light is reflected back into the medium: this is total internal reflection, and none leaves into the air.</source>
        <translation>Nad medzným uhlom sa všetko svetlo odráža späť do prostredia: to je úplný odraz a do vzduchu žiadne neprejde.</translation>
    </message>
    <message>
        <source>Beyond the critical angle almost all the light is reflected back into the medium; the narrow beam&apos;s directions spread a little, and the little light whose direction is less than the critical angle reaches Detector H.</source>
        <translation>Nad medzným uhlom sa takmer všetko svetlo odráža späť do prostredia; smery úzkeho zväzku sa trochu rozbiehajú a to málo svetla, ktorého smer zviera s kolmicou menší uhol ako medzný, dopadne na detektor H.</translation>
    </message>
    <message>
        <source>Where does the light go at this angle of incidence, and at what angle?</source>
        <translation>Kam ide svetlo pri tomto uhle dopadu a pod akým uhlom?</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary at 90 degrees, and the rest is reflected back into the %1 at %2 degrees.</source>
        <translation>Lomené svetlo sa šíri pozdĺž rozhrania pod uhlom 90° a zvyšok sa odráža späť do %1 pod uhlom %2°.</translation>
    </message>
    <message>
        <source>It is reflected back into the %1 at %2 degrees from the normal, the angle of incidence.</source>
        <translation>Odráža sa späť do %1 pod uhlom %2° od kolmice, teda pod uhlom dopadu.</translation>
    </message>
    <message>
        <source>What would happen to the light if the angle of incidence were greater than the critical angle?</source>
        <translation>Čo by sa so svetlom stalo, keby bol uhol dopadu väčší ako medzný uhol?</translation>
    </message>
    <message>
        <source>Snell&apos;s law would give a sine of the angle of refraction greater than 1: no light would leave into the air, and all of it would be reflected back into the %1. This is total internal reflection.</source>
        <translation>Zo Snellovho zákona by vyšiel sínus uhla lomu väčší ako 1: žiadne svetlo by neprešlo do vzduchu a všetko by sa odrazilo späť do %1. To je úplný odraz.</translation>
    </message>
    <message>
        <source>None: light passing into the air goes into a larger index, so Snell&apos;s law gives an angle of refraction less than the angle of incidence, and some light always leaves.</source>
        <translation>Neexistuje: svetlo, ktoré prechádza do vzduchu, prechádza do prostredia s väčším indexom lomu, takže Snellov zákon dáva uhol lomu menší ako uhol dopadu a nejaké svetlo vždy prejde.</translation>
    </message>
    <message>
        <source>None: with the air&apos;s own index there is no boundary, and the light goes straight on.</source>
        <translation>Neexistuje: pri indexe lomu vzduchu tu nie je žiadne rozhranie a svetlo ide ďalej priamo.</translation>
    </message>
    <message>
        <source>None: no medium has a refractive index of zero or less, so no law says where its light goes.</source>
        <translation>Neexistuje: žiadne prostredie nemá index lomu nula alebo menší, takže žiadny zákon nehovorí, kam jeho svetlo ide.</translation>
    </message>
    <message>
        <source>Does the %1 have a critical angle? Why?</source>
        <translation>Existuje v prípade %1 medzný uhol? Prečo?</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives %1 degrees.</source>
        <translation>Snellov zákon dáva %1°.</translation>
    </message>
    <message>
        <source>Is any light reflected? Use Detector S&apos;s row.</source>
        <translation>Odráža sa nejaké svetlo? Použite riadok detektora S.</translation>
    </message>
    <message>
        <source>No: where the indices are the same there is no boundary to reflect it, and the light goes straight on.</source>
        <translation>Nie: kde sú indexy lomu rovnaké, nie je žiadne rozhranie, ktoré by svetlo odrážalo, a svetlo ide ďalej priamo.</translation>
    </message>
    <message>
        <source>Which detectors found light? Use the table.</source>
        <translation>Ktoré detektory našli svetlo? Použite tabuľku.</translation>
    </message>
    <message>
        <source>The table lists them; the paths are summed all the same, but no law of a real medium names that light.</source>
        <translation>Tabuľka ich uvádza; dráhy sa napriek tomu sčítajú, ale žiadny zákon skutočného prostredia také svetlo neopisuje.</translation>
    </message>
    <message>
        <source>Which refractive index would make this a run of water, and which of glass?</source>
        <translation>Aký index lomu by z tohto pokusu urobil pokus s vodou a aký so sklom?</translation>
    </message>
    <message>
        <source>Water&apos;s is %1 and glass&apos;s %2.</source>
        <translation>Voda má %1 a sklo %2.</translation>
    </message>
</context>
</TS>
