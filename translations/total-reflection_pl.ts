<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>A teaching program about light at the boundary of water or glass and air.</source>
        <translation>Program dydaktyczny o świetle na granicy wody lub szkła z powietrzem.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, are listed by --help-all.</source>
        <translation>Własne opcje Qt, takie jak -platform, wypisuje --help-all.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>SUBSTANCE</source>
        <translation>OŚRODEK</translation>
    </message>
    <message>
        <source>Choose the substance: water or glass.</source>
        <translation>Wybierz ośrodek: water (woda) lub glass (szkło).</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>KĄT</translation>
    </message>
    <message>
        <source>Choose the angle: 35, critical or 60; any other value is typed into the angle box.</source>
        <translation>Wybierz kąt: 35, critical (graniczny) lub 60; każda inna wartość zostaje wpisana w pole kąta.</translation>
    </message>
    <message>
        <source>INDEX</source>
        <translation>WSPÓŁCZYNNIK</translation>
    </message>
    <message>
        <source>Type the refractive index into its box.</source>
        <translation>Wpisz współczynnik załamania w jego pole.</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>POZIOM</translation>
    </message>
    <message>
        <source>Choose Detector H&apos;s distance: 100, 750 or 1500.</source>
        <translation>Wybierz poziom detektora H: 100, 750 lub 1500.</translation>
    </message>
    <message>
        <source>PACE</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>Choose the pace: fastest, slower, slow, or the scroll bar&apos;s position (0 to 32767).</source>
        <translation>Wybierz tempo: fastest (najszybsze), slower (wolniejsze), slow (wolne) lub położenie suwaka (od 0 do 32767).</translation>
    </message>
    <message>
        <source>Press Start once the window is open.</source>
        <translation>Naciśnij Start, gdy tylko okno się otworzy.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Drawing of the run</source>
        <translation>Rysunek doświadczenia</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Powietrze</translation>
    </message>
    <message>
        <source>Slowdown of the animation</source>
        <translation>Spowolnienie animacji</translation>
    </message>
    <message>
        <source>Slowdown setting</source>
        <translation>Ustawienie spowolnienia</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Spirale Cornu</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector S</source>
        <translation>Spirale Cornu detektora S</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Woda</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Szkło</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Interference pattern</source>
        <translation>Obraz interferencji</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector V</source>
        <translation>Spirale Cornu detektora V</translation>
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
        <translation>Współczynnik załamania</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Poziom detektora H</translation>
    </message>
    <message>
        <source>Detector H distance setting</source>
        <translation>Ustawienie poziomu detektora H</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Ośrodek</translation>
    </message>
    <message>
        <source>Substance setting</source>
        <translation>Ustawienie ośrodka</translation>
    </message>
    <message>
        <source>Incident angle setting</source>
        <translation>Ustawienie kąta padania</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Kąt padania</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Graniczny</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Total reflection</source>
        <translation>Całkowite odbicie</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Naciśnij przycisk Start</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalna</translation>
    </message>
    <message>
        <source>Start line of Detector V&apos;s Cornu spirals</source>
        <translation>Linia początkowa spiral Cornu detektora V</translation>
    </message>
    <message>
        <source>Base line of Detector S&apos;s Cornu spirals</source>
        <translation>Linia bazowa spiral Cornu detektora S</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Granica ośrodków</translation>
    </message>
    <message>
        <source>Track of Detector S</source>
        <translation>Tor detektora S</translation>
    </message>
    <message>
        <source>Track of Detector V</source>
        <translation>Tor detektora V</translation>
    </message>
    <message>
        <source>Track of Detector H</source>
        <translation>Tor detektora H</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The readings could not be saved as “%1”.

%2</source>
        <translation>Nie udało się zapisać wyników pomiarów jako „%1”.

%2</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>Nie udało się zapisać obrazu jako „%1”.

%2</translation>
    </message>
    <message>
        <source>Save readings</source>
        <translation>Zapisz wyniki pomiarów</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <translation>Skoroszyty (*.xlsx)</translation>
    </message>
    <message>
        <source>Save readings as CSV</source>
        <translation>Zapisz wyniki pomiarów jako CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopiuj obraz</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Zapisz obraz…</translation>
    </message>
    <message>
        <source>Save picture at twice the resolution…</source>
        <translation>Zapisz obraz w podwójnej rozdzielczości…</translation>
    </message>
    <message>
        <source>Copy readings</source>
        <translation>Kopiuj wyniki pomiarów</translation>
    </message>
    <message>
        <source>Save readings…</source>
        <translation>Zapisz wyniki pomiarów…</translation>
    </message>
    <message>
        <source>Save readings as CSV…</source>
        <translation>Zapisz wyniki pomiarów jako CSV…</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Zapisz kartę pracy</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as “%1”.

%2</source>
        <translation>Nie udało się zapisać karty pracy jako „%1”.

%2</translation>
    </message>
    <message>
        <source>Save worksheet…</source>
        <translation>Zapisz kartę pracy…</translation>
    </message>
    <message>
        <source>Print worksheet…</source>
        <translation>Drukuj kartę pracy…</translation>
    </message>
    <message>
        <source>Copy link to this run</source>
        <translation>Kopiuj link do tego doświadczenia</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>fastest</source>
        <translation>najszybsze</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>najwolniejsze</translation>
    </message>
    <message>
        <source>%1 percent of the way to the slowest</source>
        <translation>%1 procent drogi do najwolniejszego</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The window is closed. Reload the page to open it again.</source>
        <translation>Okno jest zamknięte. Aby otworzyć je ponownie, wczytaj stronę jeszcze raz.</translation>
    </message>
    <message>
        <source>The window stopped because of an error. Reload the page to start it again.</source>
        <translation>Okno zatrzymało się z powodu błędu. Aby uruchomić je ponownie, wczytaj stronę jeszcze raz.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Wczytaj ponownie</translation>
    </message>
    <message>
        <source>The readings could not be copied.</source>
        <translation>Nie udało się skopiować wyników pomiarów.</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>Nie udało się skopiować obrazu.</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Nie udało się skopiować linku.</translation>
    </message>
    <message>
        <source>This browser cannot make the picture that large. It was saved at %1 × %2 pixels, the largest it can make.</source>
        <translation>Ta przeglądarka nie potrafi utworzyć tak dużego obrazu. Zapisano go w rozmiarze %1 × %2 pikseli, największym, jaki potrafi utworzyć.</translation>
    </message>
    <message>
        <source>The picture could not be saved: this browser could not make it.</source>
        <translation>Nie udało się zapisać obrazu: ta przeglądarka nie potrafiła go utworzyć.</translation>
    </message>
    <message>
        <source>The readings could not be saved: this browser could not make the file.</source>
        <translation>Nie udało się zapisać wyników pomiarów: ta przeglądarka nie potrafiła utworzyć pliku.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>nie udało się zakodować obrazu</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Refractive index</source>
        <translation>Współczynnik załamania</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Kąt padania</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Poziom detektora H</translation>
    </message>
    <message>
        <source>Slowdown</source>
        <translation>Spowolnienie</translation>
    </message>
    <message>
        <source>Type a number such as %1, then press Start again.</source>
        <translation>Wpisz liczbę, na przykład %1, i ponownie naciśnij Start.</translation>
    </message>
    <message>
        <source>%1: there is no number to run with.</source>
        <translation>%1: brak liczby, z którą można by przeprowadzić doświadczenie.</translation>
    </message>
    <message>
        <source>%1: the text is longer than the box holds, %2 characters.</source>
        <translation>%1: tekst jest dłuższy, niż mieści pole, czyli %2 znaków.</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1: „%2” nie jest liczbą.</translation>
    </message>
    <message>
        <source>%1: “%2” is outside the range a run can draw.</source>
        <translation>%1: „%2” leży poza zakresem, który doświadczenie potrafi narysować.</translation>
    </message>
    <message>
        <source>Type a number from %1 to %2, then press Start again.</source>
        <translation>Wpisz liczbę od %1 do %2 i ponownie naciśnij Start.</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>into the water</source>
        <translation>do wody</translation>
    </message>
    <message>
        <source>into the glass</source>
        <translation>do szkła</translation>
    </message>
    <message>
        <source>A medium of refractive index %1</source>
        <translation>Ośrodek o współczynniku załamania %1</translation>
    </message>
    <message>
        <source>into the medium</source>
        <translation>do ośrodka</translation>
    </message>
    <message>
        <source>%1 at %2 degrees</source>
        <translation>%1 przy kącie %2°</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, the same direction as %3 degrees</source>
        <translation>%1 przy kącie %2°, czyli w tym samym kierunku co %3°</translation>
    </message>
    <message>
        <source>Part of the light is reflected back %1 at %2 degrees, and part is refracted into the air at %3 degrees, as Snell&apos;s law gives.</source>
        <translation>Część światła odbija się z powrotem %1 pod kątem %2°, a część załamuje się, przechodząc do powietrza pod kątem %3°, zgodnie z prawem Snelliusa.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is less than the critical angle of about %3 degrees.</source>
        <translation>%1: kąt padania %2° jest mniejszy od kąta granicznego, wynoszącego około %3°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is the critical angle.</source>
        <translation>%1: kąt padania %2° jest kątem granicznym.</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary, at 90 degrees, and the rest is reflected back %1 at %2 degrees.</source>
        <translation>Światło załamane biegnie wzdłuż granicy ośrodków, pod kątem 90°, a reszta odbija się z powrotem %1 pod kątem %2°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is greater than the critical angle of about %3 degrees.</source>
        <translation>%1: kąt padania %2° jest większy od kąta granicznego, wynoszącego około %3°.</translation>
    </message>
    <message>
        <source>All the light is reflected back %1 at %2 degrees, and none leaves into the air: this is total internal reflection.</source>
        <translation>Całe światło odbija się z powrotem %1 pod kątem %2° i nic nie przechodzi do powietrza: to jest całkowite wewnętrzne odbicie.</translation>
    </message>
    <message>
        <source>Almost all the light is reflected back %1 at %2 degrees: the beam is narrow, so its directions spread a little, and the little light whose direction is less than the critical angle leaves into the air.</source>
        <translation>Prawie całe światło odbija się z powrotem %1 pod kątem %2°: wiązka jest wąska, więc jej kierunki nieco się rozchodzą, a ta odrobina światła, której kierunek tworzy z normalną kąt mniejszy od granicznego, przechodzi do powietrza.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with an index less than the air&apos;s there is no critical angle.</source>
        <translation>%1: kąt padania wynosi %2°, a przy współczynniku załamania mniejszym niż dla powietrza kąt graniczny nie istnieje.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with the air&apos;s own index there is no boundary: the light goes straight on at %2 degrees, and nothing is reflected.</source>
        <translation>%1: kąt padania wynosi %2°, a przy współczynniku załamania takim samym jak dla powietrza nie ma granicy ośrodków: światło biegnie dalej prosto pod kątem %2° i nic się nie odbija.</translation>
    </message>
    <message>
        <source>%1: no medium has a refractive index of zero or less, so no law says where its light goes; the paths are summed all the same.</source>
        <translation>%1: żaden ośrodek nie ma współczynnika załamania równego zeru lub mniejszego, więc żadne prawo nie mówi, dokąd biegnie jego światło; drogi i tak są sumowane.</translation>
    </message>
    <message>
        <source>The settings name no case: the paths are summed, but no case is drawn.</source>
        <translation>Ustawienia nie wskazują żadnego przypadku: drogi są sumowane, ale żaden przypadek nie jest rysowany.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle less than the critical angle.</source>
        <translation>Rysunek odpowiada wybranej opcji i pokazuje przypadek kąta mniejszego od kąta granicznego.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case at the critical angle.</source>
        <translation>Rysunek odpowiada wybranej opcji i pokazuje przypadek kąta granicznego.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle greater than the critical angle.</source>
        <translation>Rysunek odpowiada wybranej opcji i pokazuje przypadek kąta większego od kąta granicznego.</translation>
    </message>
    <message>
        <source>above the boundary</source>
        <translation>nad granicą ośrodków</translation>
    </message>
    <message>
        <source>below the boundary</source>
        <translation>pod granicą ośrodków</translation>
    </message>
    <message>
        <source>right of the normal</source>
        <translation>na prawo od normalnej</translation>
    </message>
    <message>
        <source>left of the normal</source>
        <translation>na lewo od normalnej</translation>
    </message>
    <message>
        <source>on both sides of the normal</source>
        <translation>po obu stronach normalnej</translation>
    </message>
    <message>
        <source>part of the refracted light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>część światła załamanego %1; reszta przecina linię detektora poza mierzonym przez niego odcinkiem</translation>
    </message>
    <message>
        <source>the refracted light %1, which left the boundary at about %2 degrees (Snell&apos;s law gives %3)</source>
        <translation>światło załamane %1, które opuściło granicę ośrodków pod kątem około %2° (z prawa Snelliusa wynika %3°)</translation>
    </message>
    <message>
        <source>the refracted light %1</source>
        <translation>światło załamane %1</translation>
    </message>
    <message>
        <source>part of the reflected light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>część światła odbitego %1; reszta przecina linię detektora poza mierzonym przez niego odcinkiem</translation>
    </message>
    <message>
        <source>the reflected light %1, which left the boundary at about %2 degrees (the law of reflection gives %3)</source>
        <translation>światło odbite %1, które opuściło granicę ośrodków pod kątem około %2° (z prawa odbicia wynika %3°)</translation>
    </message>
    <message>
        <source>the reflected light %1</source>
        <translation>światło odbite %1</translation>
    </message>
    <message>
        <source>light %1 from a second beam, which the paths send because they lie more than half a wavelength apart, not from the boundary</source>
        <translation>światło %1 z drugiej wiązki, którą wysyłają drogi, bo leżą od siebie dalej niż o pół długości fali, a nie z granicy ośrodków</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads, which left the boundary at about %2 degrees</source>
        <translation>światło %1, które rozprasza wąska wiązka i które opuściło granicę ośrodków pod kątem około %2°</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads</source>
        <translation>światło %1, które rozprasza wąska wiązka</translation>
    </message>
    <message>
        <source>light %1 only because the paths are summed as if a boundary reflected it; with no boundary, none is reflected</source>
        <translation>światło %1 tylko dlatego, że drogi są sumowane tak, jakby odbijała je granica ośrodków; bez granicy nic się nie odbija</translation>
    </message>
    <message>
        <source>light %1, which left the boundary at about %2 degrees</source>
        <translation>światło %1, które opuściło granicę ośrodków pod kątem około %2°</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>światło %1</translation>
    </message>
    <message>
        <source>the refracted light meets its line beyond the stretch it measures</source>
        <translation>światło załamane przecina linię detektora poza mierzonym przez niego odcinkiem</translation>
    </message>
    <message>
        <source>the refracted light goes the other way</source>
        <translation>światło załamane biegnie w przeciwną stronę</translation>
    </message>
    <message>
        <source>the refracted light runs along the boundary and never meets its line</source>
        <translation>światło załamane biegnie wzdłuż granicy ośrodków i nigdy nie przecina linii detektora</translation>
    </message>
    <message>
        <source>the reflected light meets its line beyond the stretch it measures</source>
        <translation>światło odbite przecina linię detektora poza mierzonym przez niego odcinkiem</translation>
    </message>
    <message>
        <source>the reflected light goes the other way</source>
        <translation>światło odbite biegnie w przeciwną stronę</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>No light reaches Detector %1.</source>
        <translation>Do detektora %1 nie dociera żadne światło.</translation>
    </message>
    <message>
        <source>No light reaches Detector %1: %2.</source>
        <translation>Do detektora %1 nie dociera żadne światło: %2.</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 oraz %2</translation>
    </message>
    <message>
        <source>%1; the drawing gives its bars no length in this case</source>
        <translation>%1; w tym przypadku rysunek nadaje jego słupkom zerową długość</translation>
    </message>
    <message>
        <source>Detector V, moving down, finds %1.</source>
        <translation>Detektor V, przesuwając się w dół, znajduje %1.</translation>
    </message>
    <message>
        <source>Detector %1 finds %2.</source>
        <translation>Detektor %1 znajduje %2.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of its %2 steps.</source>
        <translation>Przebieg zatrzymano po %1 z %2 kroków.</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Kąt padania</translation>
    </message>
    <message>
        <source>Angle of reflection, by the law of reflection</source>
        <translation>Kąt odbicia z prawa odbicia</translation>
    </message>
    <message>
        <source>Angle of refraction, by Snell&apos;s law</source>
        <translation>Kąt załamania z prawa Snelliusa</translation>
    </message>
    <message>
        <source>Critical angle</source>
        <translation>Kąt graniczny</translation>
    </message>
    <message>
        <source>refracted light</source>
        <translation>światło załamane</translation>
    </message>
    <message>
        <source>reflected light</source>
        <translation>światło odbite</translation>
    </message>
    <message>
        <source>%1, %2: angle from its positions</source>
        <translation>%1, %2: kąt z położeń detektora</translation>
    </message>
    <message>
        <source>not measured: the beam runs off the stretch it measures</source>
        <translation>nie zmierzono: wiązka wychodzi poza mierzony odcinek</translation>
    </message>
    <message>
        <source>%1, %2: by Snell&apos;s law</source>
        <translation>%1, %2: z prawa Snelliusa</translation>
    </message>
    <message>
        <source>%1, %2: by the law of reflection</source>
        <translation>%1, %2: z prawa odbicia</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Kąty</translation>
    </message>
    <message>
        <source>In degrees from the normal, from the direction the run worked out from the typed angle. The angle a detector&apos;s positions give is the direction from the middle of the lit stretch of the boundary to the middle of the light the detector found.</source>
        <translation>W stopniach od normalnej, według kierunku, który przebieg obliczył z wpisanego kąta. Kąt z położeń detektora to kierunek od środka oświetlonego odcinka granicy ośrodków do środka światła, które znalazł detektor.</translation>
    </message>
    <message>
        <source>Comparing readings</source>
        <translation>Porównywanie wyników pomiarów</translation>
    </message>
    <message>
        <source>Readings compare along one track only, not between detectors or between runs: the arrows&apos; lengths differ with the angle option, so a reading&apos;s size is no share of the light.</source>
        <translation>Wyniki pomiarów można porównywać tylko wzdłuż jednego toru, nie między detektorami ani między przebiegami: długości strzałek zależą od wybranej opcji kąta, więc wielkość wyniku nie jest udziałem światła.</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>nie wskazano</translation>
    </message>
    <message>
        <source>Case drawn</source>
        <translation>Narysowany przypadek</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Położenia</translation>
    </message>
    <message>
        <source>In twips of the window, from its top left corner: x to the right, with the normal at x = %1; y downward, with the boundary at y = %2.</source>
        <translation>W twipach okna, od jego lewego górnego rogu: x w prawo, normalna przy x = %1; y w dół, granica ośrodków przy y = %2.</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Wyniki pomiarów</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Przebieg</translation>
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
        <translation>Całkowite odbicie: karta pracy</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ____________</source>
        <translation>Imię i nazwisko: ____________________   Klasa: ________   Data: ____________</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>Doświadczenie</translation>
    </message>
    <message>
        <source>The light comes up through the %1 from below and meets the boundary on its lit stretch; the detectors sum the paths along their lines.</source>
        <translation>Światło nadchodzi z dołu z wnętrza %1 i pada na granicę ośrodków w jej oświetlonym odcinku; detektory sumują drogi wzdłuż swoich linii.</translation>
    </message>
    <message>
        <source>What the detectors measured</source>
        <translation>Co zmierzyły detektory</translation>
    </message>
    <message>
        <source>Positions are in the drawing&apos;s units (twips, 1440 to an inch): x from the drawing&apos;s left edge; for Detector V, the height above the boundary (below it where negative). The centre is where the light is brightest on average.</source>
        <translation>Położenia podano w jednostkach rysunku (twipach, 1440 na cal): x od lewej krawędzi rysunku; dla detektora V wysokość nad granicą ośrodków (pod nią ujemna). Środek to miejsce, w którym światło jest średnio najjaśniejsze.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Pytania</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>What the program says about this run</source>
        <translation>Co program mówi o tym doświadczeniu</translation>
    </message>
    <message>
        <source>a medium of refractive index %1</source>
        <translation>ośrodek o współczynniku załamania %1</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>szkła</translation>
    </message>
    <message>
        <source>water</source>
        <translation>wody</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>ośrodka</translation>
    </message>
    <message>
        <source>Medium: %1, refractive index %2 (the air&apos;s is 1)</source>
        <translation>Ośrodek: %1, współczynnik załamania %2 (dla powietrza 1)</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal</source>
        <translation>Kąt padania: %1° od normalnej</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal (typed as %2, the same direction)</source>
        <translation>Kąt padania: %1° od normalnej (wpisano %2, ten sam kierunek)</translation>
    </message>
    <message>
        <source>The lit stretch of the boundary: from x = %1 to x = %2, its middle at x = %3</source>
        <translation>Oświetlony odcinek granicy ośrodków: od x = %1 do x = %2, jego środek przy x = %3</translation>
    </message>
    <message>
        <source>Detector H&apos;s line: %1 units above the boundary, in the air</source>
        <translation>Linia detektora H: %1 jednostek nad granicą ośrodków, w powietrzu</translation>
    </message>
    <message>
        <source>Detector S&apos;s line: %1 units below the boundary, in the %2</source>
        <translation>Linia detektora S: %1 jednostek pod granicą ośrodków, wewnątrz %2</translation>
    </message>
    <message>
        <source>Detector V&apos;s line: upright at x = %1, across the boundary</source>
        <translation>Linia detektora V: pionowa przy x = %1, w poprzek granicy ośrodków</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Gdzie</translation>
    </message>
    <message>
        <source>Light from</source>
        <translation>Światło od</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Środek</translation>
    </message>
    <message>
        <source>no light</source>
        <translation>brak światła</translation>
    </message>
    <message>
        <source>in the air</source>
        <translation>w powietrzu</translation>
    </message>
    <message>
        <source>in the %1</source>
        <translation>wewnątrz %1</translation>
    </message>
    <message>
        <source>Detector H found light from x = %1 to x = %2, centred at x = %3, on its line %4 units above the boundary. The light left the middle of the lit stretch, x = %5. At what angle from the normal did it leave the boundary?</source>
        <translation>Detektor H znalazł światło od x = %1 do x = %2, ze środkiem przy x = %3, na swojej linii %4 jednostek nad granicą ośrodków. Światło wyszło ze środka oświetlonego odcinka, x = %5. Pod jakim kątem do normalnej opuściło granicę ośrodków?</translation>
    </message>
    <message>
        <source>Detector S found reflected light from x = %1 to x = %2, centred at x = %3, on its line %4 units below the boundary. At what angle from the normal was the light reflected? Check the law of reflection.</source>
        <translation>Detektor S znalazł światło odbite od x = %1 do x = %2, ze środkiem przy x = %3, na swojej linii %4 jednostek pod granicą ośrodków. Pod jakim kątem do normalnej światło się odbiło? Sprawdź prawo odbicia.</translation>
    </message>
    <message>
        <source>tan θ = (%1 − %2) ÷ %3 = %4, so θ ≈ %5 degrees. %6</source>
        <translation>tg θ = (%1 − %2) : %3 = %4, więc θ ≈ %5°. %6</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives the angle of refraction. Where does the refracted light from x = %1 meet Detector H&apos;s line, %2 units above the boundary?</source>
        <translation>Prawo Snelliusa daje kąt załamania. W którym miejscu światło załamane wychodzące z x = %1 przetnie linię detektora H, %2 jednostek nad granicą ośrodków?</translation>
    </message>
    <message>
        <source>The law of reflection gives the angle of reflection. Where does the reflected light from x = %1 meet Detector S&apos;s line, %2 units below the boundary?</source>
        <translation>Prawo odbicia daje kąt odbicia. W którym miejscu światło odbite wychodzące z x = %1 przetnie linię detektora S, %2 jednostek pod granicą ośrodków?</translation>
    </message>
    <message>
        <source>The detector&apos;s light is not all on the stretch it measures, so the table gives only part of it.</source>
        <translation>Światło detektora nie leży w całości na mierzonym przez niego odcinku, więc tabela podaje tylko jego część.</translation>
    </message>
    <message>
        <source>That is beyond the stretch the detector measures, which is why the table has no light for it there.</source>
        <translation>To miejsce leży poza odcinkiem mierzonym przez detektor, dlatego tabela nie podaje tam dla niego światła.</translation>
    </message>
    <message>
        <source>x = %1 + %2 × tan %3 ≈ %4. %5</source>
        <translation>x = %1 + %2 × tg %3 ≈ %4. %5</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is less than the critical angle: part of the light leaves into the air.</source>
        <translation>Kąt padania %1° jest mniejszy od kąta granicznego: część światła przechodzi do powietrza.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is the critical angle.</source>
        <translation>Kąt padania %1° jest kątem granicznym.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is greater than the critical angle: no refracted light leaves into the air.</source>
        <translation>Kąt padania %1° jest większy od kąta granicznego: żadne światło załamane nie przechodzi do powietrza.</translation>
    </message>
    <message>
        <source>What is the critical angle of the %1, whose refractive index is %2? Compare it with the angle of incidence.</source>
        <translation>Ile wynosi kąt graniczny dla %1 o współczynniku załamania %2? Porównaj go z kątem padania.</translation>
    </message>
    <message>
        <source>sin c = 1 ÷ %1 = %2, so c ≈ %3 degrees. %4</source>
        <translation>sin c = 1 : %1 = %2, więc c ≈ %3°. %4</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). Work out the refractive index of the %1 from the angle of incidence and your answer to question 1.</source>
        <translation>Prawo Snelliusa mówi, że n × sin(kąt padania) = 1 × sin(kąt załamania). Oblicz współczynnik załamania %1 z kąta padania i swojej odpowiedzi na pytanie 1.</translation>
    </message>
    <message>
        <source>n = sin %1 ÷ sin %2 ≈ %3. The run&apos;s index is %4.</source>
        <translation>n = sin %1 : sin %2 ≈ %3. Współczynnik załamania w doświadczeniu wynosi %4.</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). What angle of refraction does it give?</source>
        <translation>Prawo Snelliusa mówi, że n × sin(kąt padania) = 1 × sin(kąt załamania). Jaki kąt załamania z niego wynika?</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, so r ≈ %4 degrees.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, więc r ≈ %4°.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ 1, so r = 90 degrees: the refracted light runs along the boundary.</source>
        <translation>sin r = %1 × sin %2 ≈ 1, więc r = 90°: światło załamane biegnie wzdłuż granicy ośrodków.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, which is more than 1. No angle has such a sine: no light is refracted into the air.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, a to więcej niż 1. Żaden kąt nie ma takiego sinusa: żadne światło nie załamuje się do powietrza.</translation>
    </message>
    <message>
        <source>The law of reflection gives %1 degrees, the angle of incidence.</source>
        <translation>Z prawa odbicia wynika %1°, czyli kąt padania.</translation>
    </message>
    <message>
        <source>Why does Detector H find no light?</source>
        <translation>Dlaczego detektor H nie znajduje żadnego światła?</translation>
    </message>
    <message>
        <source>Why does Detector H find so little light, and no refracted beam?</source>
        <translation>Dlaczego detektor H znajduje tak mało światła i żadnej wiązki załamanej?</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary and never rises to Detector H&apos;s line.</source>
        <translation>Przy kącie granicznym światło załamane biegnie wzdłuż granicy ośrodków i nigdy nie wznosi się do linii detektora H.</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary; the little light Detector H finds is light the narrow beam spreads.</source>
        <translation>Przy kącie granicznym światło załamane biegnie wzdłuż granicy ośrodków; ta odrobina światła, którą znajduje detektor H, to światło rozproszone przez wąską wiązkę.</translation>
    </message>
    <message>
        <source>Beyond the critical angle all the light is reflected back into the medium: this is total internal reflection, and none leaves into the air.</source>
        <translation>Powyżej kąta granicznego całe światło odbija się z powrotem do ośrodka: to jest całkowite wewnętrzne odbicie i nic nie przechodzi do powietrza.</translation>
    </message>
    <message>
        <source>Beyond the critical angle almost all the light is reflected back into the medium; the narrow beam&apos;s directions spread a little, and the little light whose direction is less than the critical angle reaches Detector H.</source>
        <translation>Powyżej kąta granicznego prawie całe światło odbija się z powrotem do ośrodka; kierunki wąskiej wiązki nieco się rozchodzą, a ta odrobina światła, której kierunek tworzy z normalną kąt mniejszy od granicznego, dociera do detektora H.</translation>
    </message>
    <message>
        <source>Where does the light go at this angle of incidence, and at what angle?</source>
        <translation>Dokąd biegnie światło przy tym kącie padania i pod jakim kątem?</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary at 90 degrees, and the rest is reflected back into the %1 at %2 degrees.</source>
        <translation>Światło załamane biegnie wzdłuż granicy ośrodków pod kątem 90°, a reszta odbija się z powrotem do %1 pod kątem %2°.</translation>
    </message>
    <message>
        <source>It is reflected back into the %1 at %2 degrees from the normal, the angle of incidence.</source>
        <translation>Odbija się z powrotem do %1 pod kątem %2° do normalnej, czyli pod kątem padania.</translation>
    </message>
    <message>
        <source>What would happen to the light if the angle of incidence were greater than the critical angle?</source>
        <translation>Co stałoby się ze światłem, gdyby kąt padania był większy od kąta granicznego?</translation>
    </message>
    <message>
        <source>Snell&apos;s law would give a sine of the angle of refraction greater than 1: no light would leave into the air, and all of it would be reflected back into the %1. This is total internal reflection.</source>
        <translation>Z prawa Snelliusa wynikałby sinus kąta załamania większy od 1: żadne światło nie przeszłoby do powietrza, a całe odbiłoby się z powrotem do %1. To jest całkowite wewnętrzne odbicie.</translation>
    </message>
    <message>
        <source>None: light passing into the air goes into a larger index, so Snell&apos;s law gives an angle of refraction less than the angle of incidence, and some light always leaves.</source>
        <translation>Nie ma: światło przechodzące do powietrza przechodzi do ośrodka o większym współczynniku załamania, więc z prawa Snelliusa wynika kąt załamania mniejszy od kąta padania i część światła zawsze przechodzi.</translation>
    </message>
    <message>
        <source>None: with the air&apos;s own index there is no boundary, and the light goes straight on.</source>
        <translation>Nie ma: przy współczynniku załamania takim samym jak dla powietrza nie ma granicy ośrodków, a światło biegnie dalej prosto.</translation>
    </message>
    <message>
        <source>None: no medium has a refractive index of zero or less, so no law says where its light goes.</source>
        <translation>Nie ma: żaden ośrodek nie ma współczynnika załamania równego zeru lub mniejszego, więc żadne prawo nie mówi, dokąd biegnie jego światło.</translation>
    </message>
    <message>
        <source>Does the %1 have a critical angle? Why?</source>
        <translation>Czy dla %1 istnieje kąt graniczny? Dlaczego?</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives %1 degrees.</source>
        <translation>Z prawa Snelliusa wynika %1°.</translation>
    </message>
    <message>
        <source>Is any light reflected? Use Detector S&apos;s row.</source>
        <translation>Czy jakieś światło się odbija? Skorzystaj z wiersza detektora S.</translation>
    </message>
    <message>
        <source>No: where the indices are the same there is no boundary to reflect it, and the light goes straight on.</source>
        <translation>Nie: gdzie współczynniki załamania są równe, nie ma granicy ośrodków, która mogłaby je odbić, a światło biegnie dalej prosto.</translation>
    </message>
    <message>
        <source>Which detectors found light? Use the table.</source>
        <translation>Które detektory znalazły światło? Skorzystaj z tabeli.</translation>
    </message>
    <message>
        <source>The table lists them; the paths are summed all the same, but no law of a real medium names that light.</source>
        <translation>Tabela je podaje; drogi i tak są sumowane, ale żadne prawo dotyczące rzeczywistego ośrodka nie opisuje takiego światła.</translation>
    </message>
    <message>
        <source>Which refractive index would make this a run of water, and which of glass?</source>
        <translation>Przy jakim współczynniku załamania byłoby to doświadczenie z wodą, a przy jakim ze szkłem?</translation>
    </message>
    <message>
        <source>Water&apos;s is %1 and glass&apos;s %2.</source>
        <translation>Dla wody wynosi on %1, a dla szkła %2.</translation>
    </message>
</context>
</TS>
