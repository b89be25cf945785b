<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CommandLine</name>
    <message>
        <source>A teaching program about light at the boundary of water or glass and air.</source>
        <translation>Навчальна програма про світло на межі поділу води або скла й повітря.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, are listed by --help-all.</source>
        <translation>Власні параметри Qt, як-от -platform, показує --help-all.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>SUBSTANCE</source>
        <translation>РЕЧОВИНА</translation>
    </message>
    <message>
        <source>Choose the substance: water or glass.</source>
        <translation>Виберіть речовину: water (вода) або glass (скло).</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>КУТ</translation>
    </message>
    <message>
        <source>Choose the angle: 35, critical or 60; any other value is typed into the angle box.</source>
        <translation>Виберіть кут: 35, critical (граничний) або 60; будь-яке інше значення вводиться в поле кута.</translation>
    </message>
    <message>
        <source>INDEX</source>
        <translation>ПОКАЗНИК</translation>
    </message>
    <message>
        <source>Type the refractive index into its box.</source>
        <translation>Введіть показник заломлення в його поле.</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>ВИСОТА</translation>
    </message>
    <message>
        <source>Choose Detector H&apos;s distance: 100, 750 or 1500.</source>
        <translation>Виберіть висоту детектора H: 100, 750 або 1500.</translation>
    </message>
    <message>
        <source>PACE</source>
        <translation>ТЕМП</translation>
    </message>
    <message>
        <source>Choose the pace: fastest, slower, slow, or the scroll bar&apos;s position (0 to 32767).</source>
        <translation>Виберіть темп: fastest (найшвидший), slower (повільніший), slow (повільний) або положення повзунка (від 0 до 32767).</translation>
    </message>
    <message>
        <source>Press Start once the window is open.</source>
        <translation>Натисніть Пуск, щойно вікно відкриється.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Drawing of the run</source>
        <translation>Рисунок досліду</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Повітря</translation>
    </message>
    <message>
        <source>Slowdown of the animation</source>
        <translation>Сповільнення анімації</translation>
    </message>
    <message>
        <source>Slowdown setting</source>
        <translation>Налаштування сповільнення</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Спіралі Корню</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector S</source>
        <translation>Спіралі Корню детектора S</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Скло</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Interference pattern</source>
        <translation>Інтерференція</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector V</source>
        <translation>Спіралі Корню детектора V</translation>
    </message>
    <message>
        <source>Detector V</source>
        <translation>Детектор V</translation>
    </message>
    <message>
        <source>Detector S</source>
        <translation>Детектор S</translation>
    </message>
    <message>
        <source>Detector H</source>
        <translation>Детектор H</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Показник заломлення</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Висота детектора H</translation>
    </message>
    <message>
        <source>Detector H distance setting</source>
        <translation>Налаштування висоти детектора H</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Речовина</translation>
    </message>
    <message>
        <source>Substance setting</source>
        <translation>Налаштування речовини</translation>
    </message>
    <message>
        <source>Incident angle setting</source>
        <translation>Налаштування кута падіння</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Кут падіння</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Граничний</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Total reflection</source>
        <translation>Повне відбиття</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Натисніть кнопку Пуск</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Перпендикуляр</translation>
    </message>
    <message>
        <source>Start line of Detector V&apos;s Cornu spirals</source>
        <translation>Початкова лінія спіралей Корню детектора V</translation>
    </message>
    <message>
        <source>Base line of Detector S&apos;s Cornu spirals</source>
        <translation>Базова лінія спіралей Корню детектора S</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Межа поділу</translation>
    </message>
    <message>
        <source>Track of Detector S</source>
        <translation>Траєкторія детектора S</translation>
    </message>
    <message>
        <source>Track of Detector V</source>
        <translation>Траєкторія детектора V</translation>
    </message>
    <message>
        <source>Track of Detector H</source>
        <translation>Траєкторія детектора H</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The readings could not be saved as “%1”.

%2</source>
        <translation>Не вдалося зберегти результати вимірювань як «%1».

%2</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Зберегти зображення</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>Не вдалося зберегти зображення як «%1».

%2</translation>
    </message>
    <message>
        <source>Save readings</source>
        <translation>Зберегти результати вимірювань</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <translation>Робочі книги (*.xlsx)</translation>
    </message>
    <message>
        <source>Save readings as CSV</source>
        <translation>Зберегти результати вимірювань як CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Копіювати зображення</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Зберегти зображення…</translation>
    </message>
    <message>
        <source>Save picture at twice the resolution…</source>
        <translation>Зберегти зображення з подвійною роздільністю…</translation>
    </message>
    <message>
        <source>Copy readings</source>
        <translation>Копіювати результати вимірювань</translation>
    </message>
    <message>
        <source>Save readings…</source>
        <translation>Зберегти результати вимірювань…</translation>
    </message>
    <message>
        <source>Save readings as CSV…</source>
        <translation>Зберегти результати вимірювань як CSV…</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Зберегти робочий аркуш</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документи PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as “%1”.

%2</source>
        <translation>Не вдалося зберегти робочий аркуш як «%1».

%2</translation>
    </message>
    <message>
        <source>Save worksheet…</source>
        <translation>Зберегти робочий аркуш…</translation>
    </message>
    <message>
        <source>Print worksheet…</source>
        <translation>Надрукувати робочий аркуш…</translation>
    </message>
    <message>
        <source>Copy link to this run</source>
        <translation>Копіювати посилання на цей дослід</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>fastest</source>
        <translation>найшвидше</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>найповільніше</translation>
    </message>
    <message>
        <source>%1 percent of the way to the slowest</source>
        <translation>%1 % шляху до найповільнішого</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The window is closed. Reload the page to open it again.</source>
        <translation>Вікно закрито. Щоб відкрити його знову, перезавантажте сторінку.</translation>
    </message>
    <message>
        <source>The window stopped because of an error. Reload the page to start it again.</source>
        <translation>Вікно зупинилося через помилку. Щоб запустити його знову, перезавантажте сторінку.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перезавантажити</translation>
    </message>
    <message>
        <source>The readings could not be copied.</source>
        <translation>Не вдалося скопіювати результати вимірювань.</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>Не вдалося скопіювати зображення.</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>Не вдалося скопіювати посилання.</translation>
    </message>
    <message>
        <source>This browser cannot make the picture that large. It was saved at %1 × %2 pixels, the largest it can make.</source>
        <translation>Цей браузер не може створити таке велике зображення. Його збережено розміром %1 × %2 пікселів, найбільшим, який він може створити.</translation>
    </message>
    <message>
        <source>The picture could not be saved: this browser could not make it.</source>
        <translation>Не вдалося зберегти зображення: цей браузер не зміг його створити.</translation>
    </message>
    <message>
        <source>The readings could not be saved: this browser could not make the file.</source>
        <translation>Не вдалося зберегти результати вимірювань: цей браузер не зміг створити файл.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>не вдалося закодувати зображення</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Refractive index</source>
        <translation>Показник заломлення</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Кут падіння</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Висота детектора H</translation>
    </message>
    <message>
        <source>Slowdown</source>
        <translation>Сповільнення</translation>
    </message>
    <message>
        <source>Type a number such as %1, then press Start again.</source>
        <translation>Введіть число, наприклад %1, і знову натисніть Пуск.</translation>
    </message>
    <message>
        <source>%1: there is no number to run with.</source>
        <translation>%1: немає числа, з яким можна провести дослід.</translation>
    </message>
    <message>
        <source>%1: the text is longer than the box holds, %2 characters.</source>
        <translation>%1: текст довший, ніж може вмістити поле, — %2 символів.</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1: «%2» — не число.</translation>
    </message>
    <message>
        <source>%1: “%2” is outside the range a run can draw.</source>
        <translation>%1: «%2» лежить поза діапазоном, який дослід може намалювати.</translation>
    </message>
    <message>
        <source>Type a number from %1 to %2, then press Start again.</source>
        <translation>Введіть число від %1 до %2 і знову натисніть Пуск.</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>into the water</source>
        <translation>у воду</translation>
    </message>
    <message>
        <source>into the glass</source>
        <translation>у скло</translation>
    </message>
    <message>
        <source>A medium of refractive index %1</source>
        <translation>Середовище з показником заломлення %1</translation>
    </message>
    <message>
        <source>into the medium</source>
        <translation>у середовище</translation>
    </message>
    <message>
        <source>%1 at %2 degrees</source>
        <translation>%1 під кутом %2°</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, the same direction as %3 degrees</source>
        <translation>%1 під кутом %2°, тобто в тому самому напрямку, що й %3°</translation>
    </message>
    <message>
        <source>Part of the light is reflected back %1 at %2 degrees, and part is refracted into the air at %3 degrees, as Snell&apos;s law gives.</source>
        <translation>Частина світла відбивається назад %1 під кутом %2°, а частина заломлюється й виходить у повітря під кутом %3°, як випливає із закону Снелліуса.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is less than the critical angle of about %3 degrees.</source>
        <translation>%1: кут падіння %2° менший за граничний кут, що становить приблизно %3°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is the critical angle.</source>
        <translation>%1: кут падіння %2° дорівнює граничному куту.</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary, at 90 degrees, and the rest is reflected back %1 at %2 degrees.</source>
        <translation>Заломлене світло йде вздовж межі поділу, під кутом 90°, а решта відбивається назад %1 під кутом %2°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is greater than the critical angle of about %3 degrees.</source>
        <translation>%1: кут падіння %2° більший за граничний кут, що становить приблизно %3°.</translation>
    </message>
    <message>
        <source>All the light is reflected back %1 at %2 degrees, and none leaves into the air: this is total internal reflection.</source>
        <translation>Усе світло відбивається назад %1 під кутом %2°, і жодне не виходить у повітря: це повне внутрішнє відбиття.</translation>
    </message>
    <message>
        <source>Almost all the light is reflected back %1 at %2 degrees: the beam is narrow, so its directions spread a little, and the little light whose direction is less than the critical angle leaves into the air.</source>
        <translation>Майже все світло відбивається назад %1 під кутом %2°: пучок вузький, тож його напрямки трохи розходяться, і те небагато світла, напрямок якого утворює з перпендикуляром кут, менший за граничний, виходить у повітря.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with an index less than the air&apos;s there is no critical angle.</source>
        <translation>%1: кут падіння становить %2°, а за показника заломлення, меншого, ніж у повітря, граничного кута немає.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with the air&apos;s own index there is no boundary: the light goes straight on at %2 degrees, and nothing is reflected.</source>
        <translation>%1: кут падіння становить %2°, а за показника заломлення, такого самого, як у повітря, межі поділу немає: світло йде далі прямо під кутом %2°, і ніщо не відбивається.</translation>
    </message>
    <message>
        <source>%1: no medium has a refractive index of zero or less, so no law says where its light goes; the paths are summed all the same.</source>
        <translation>%1: жодне середовище не має показника заломлення, що дорівнює нулю або менший, тож жоден закон не каже, куди йде його світло; шляхи однаково підсумовуються.</translation>
    </message>
    <message>
        <source>The settings name no case: the paths are summed, but no case is drawn.</source>
        <translation>Налаштування не задають жодного випадку: шляхи підсумовуються, але жоден випадок не малюється.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle less than the critical angle.</source>
        <translation>Рисунок відповідає вибраному варіанту й показує випадок кута, меншого за граничний кут.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case at the critical angle.</source>
        <translation>Рисунок відповідає вибраному варіанту й показує випадок граничного кута.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle greater than the critical angle.</source>
        <translation>Рисунок відповідає вибраному варіанту й показує випадок кута, більшого за граничний кут.</translation>
    </message>
    <message>
        <source>above the boundary</source>
        <translation>над межею поділу</translation>
    </message>
    <message>
        <source>below the boundary</source>
        <translation>під межею поділу</translation>
    </message>
    <message>
        <source>right of the normal</source>
        <translation>праворуч від перпендикуляра</translation>
    </message>
    <message>
        <source>left of the normal</source>
        <translation>ліворуч від перпендикуляра</translation>
    </message>
    <message>
        <source>on both sides of the normal</source>
        <translation>по обидва боки від перпендикуляра</translation>
    </message>
    <message>
        <source>part of the refracted light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>частину заломленого світла %1; решта перетинає лінію детектора поза відрізком, який він вимірює</translation>
    </message>
    <message>
        <source>the refracted light %1, which left the boundary at about %2 degrees (Snell&apos;s law gives %3)</source>
        <translation>заломлене світло %1, яке вийшло з межі поділу під кутом приблизно %2° (за законом Снелліуса %3°)</translation>
    </message>
    <message>
        <source>the refracted light %1</source>
        <translation>заломлене світло %1</translation>
    </message>
    <message>
        <source>part of the reflected light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>частину відбитого світла %1; решта перетинає лінію детектора поза відрізком, який він вимірює</translation>
    </message>
    <message>
        <source>the reflected light %1, which left the boundary at about %2 degrees (the law of reflection gives %3)</source>
        <translation>відбите світло %1, яке вийшло з межі поділу під кутом приблизно %2° (за законом відбивання %3°)</translation>
    </message>
    <message>
        <source>the reflected light %1</source>
        <translation>відбите світло %1</translation>
    </message>
    <message>
        <source>light %1 from a second beam, which the paths send because they lie more than half a wavelength apart, not from the boundary</source>
        <translation>світло %1 з другого пучка, який посилають шляхи, бо вони лежать один від одного далі, ніж на половину довжини хвилі, а не від межі поділу</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads, which left the boundary at about %2 degrees</source>
        <translation>світло %1, яке розсіює вузький пучок і яке вийшло з межі поділу під кутом приблизно %2°</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads</source>
        <translation>світло %1, яке розсіює вузький пучок</translation>
    </message>
    <message>
        <source>light %1 only because the paths are summed as if a boundary reflected it; with no boundary, none is reflected</source>
        <translation>світло %1 лише тому, що шляхи підсумовуються так, ніби межа поділу його відбивала; без межі поділу ніщо не відбивається</translation>
    </message>
    <message>
        <source>light %1, which left the boundary at about %2 degrees</source>
        <translation>світло %1, яке вийшло з межі поділу під кутом приблизно %2°</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>світло %1</translation>
    </message>
    <message>
        <source>the refracted light meets its line beyond the stretch it measures</source>
        <translation>заломлене світло перетинає лінію детектора поза відрізком, який він вимірює</translation>
    </message>
    <message>
        <source>the refracted light goes the other way</source>
        <translation>заломлене світло йде в протилежний бік</translation>
    </message>
    <message>
        <source>the refracted light runs along the boundary and never meets its line</source>
        <translation>заломлене світло йде вздовж межі поділу й ніколи не перетинає лінію детектора</translation>
    </message>
    <message>
        <source>the reflected light meets its line beyond the stretch it measures</source>
        <translation>відбите світло перетинає лінію детектора поза відрізком, який він вимірює</translation>
    </message>
    <message>
        <source>the reflected light goes the other way</source>
        <translation>відбите світло йде в протилежний бік</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>No light reaches Detector %1.</source>
        <translation>До детектора %1 не доходить жодне світло.</translation>
    </message>
    <message>
        <source>No light reaches Detector %1: %2.</source>
        <translation>До детектора %1 не доходить жодне світло: %2.</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, а також %2</translation>
    </message>
    <message>
        <source>%1; the drawing gives its bars no length in this case</source>
        <translation>%1; у цьому випадку рисунок дає його стовпчикам нульову довжину</translation>
    </message>
    <message>
        <source>Detector V, moving down, finds %1.</source>
        <translation>Детектор V, рухаючись униз, знаходить %1.</translation>
    </message>
    <message>
        <source>Detector %1 finds %2.</source>
        <translation>Детектор %1 знаходить %2.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of its %2 steps.</source>
        <translation>Дослід зупинено після %1 з %2 кроків.</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Кут падіння</translation>
    </message>
    <message>
        <source>Angle of reflection, by the law of reflection</source>
        <translation>Кут відбивання, за законом відбивання</translation>
    </message>
    <message>
        <source>Angle of refraction, by Snell&apos;s law</source>
        <translation>Кут заломлення, за законом Снелліуса</translation>
    </message>
    <message>
        <source>Critical angle</source>
        <translation>Граничний кут</translation>
    </message>
    <message>
        <source>refracted light</source>
        <translation>заломлене світло</translation>
    </message>
    <message>
        <source>reflected light</source>
        <translation>відбите світло</translation>
    </message>
    <message>
        <source>%1, %2: angle from its positions</source>
        <translation>%1, %2: кут за положеннями детектора</translation>
    </message>
    <message>
        <source>not measured: the beam runs off the stretch it measures</source>
        <translation>не виміряно: пучок виходить за межі відрізка, який вимірює детектор</translation>
    </message>
    <message>
        <source>%1, %2: by Snell&apos;s law</source>
        <translation>%1, %2: за законом Снелліуса</translation>
    </message>
    <message>
        <source>%1, %2: by the law of reflection</source>
        <translation>%1, %2: за законом відбивання</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Кути</translation>
    </message>
    <message>
        <source>In degrees from the normal, from the direction the run worked out from the typed angle. The angle a detector&apos;s positions give is the direction from the middle of the lit stretch of the boundary to the middle of the light the detector found.</source>
        <translation>У градусах від перпендикуляра, за напрямком, який дослід обчислив із введеного кута. Кут за положеннями детектора — це напрямок від середини освітленого відрізка межі поділу до середини світла, яке знайшов детектор.</translation>
    </message>
    <message>
        <source>Comparing readings</source>
        <translation>Порівняння результатів вимірювань</translation>
    </message>
    <message>
        <source>Readings compare along one track only, not between detectors or between runs: the arrows&apos; lengths differ with the angle option, so a reading&apos;s size is no share of the light.</source>
        <translation>Результати вимірювань можна порівнювати лише вздовж однієї траєкторії, а не між детекторами чи між дослідами: довжини стрілок залежать від вибраного варіанта кута, тож величина результату не є часткою світла.</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>не вказано</translation>
    </message>
    <message>
        <source>Case drawn</source>
        <translation>Намальований випадок</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Положення</translation>
    </message>
    <message>
        <source>In twips of the window, from its top left corner: x to the right, with the normal at x = %1; y downward, with the boundary at y = %2.</source>
        <translation>У твіпах вікна від його лівого верхнього кута: x праворуч, перпендикуляр при x = %1; y донизу, межа поділу при y = %2.</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Результати вимірювань</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Дослід</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Detector V</source>
        <translation>Детектор V</translation>
    </message>
    <message>
        <source>Detector H</source>
        <translation>Детектор H</translation>
    </message>
    <message>
        <source>Detector S</source>
        <translation>Детектор S</translation>
    </message>
    <message>
        <source>Total reflection: a worksheet</source>
        <translation>Повне відбиття: робочий аркуш</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ____________</source>
        <translation>Ім’я: ____________________   Клас: ________   Дата: ____________</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>Дослід</translation>
    </message>
    <message>
        <source>The light comes up through the %1 from below and meets the boundary on its lit stretch; the detectors sum the paths along their lines.</source>
        <translation>Світло надходить знизу з глибини %1 і падає на межу поділу на її освітленому відрізку; детектори підсумовують шляхи вздовж своїх ліній.</translation>
    </message>
    <message>
        <source>What the detectors measured</source>
        <translation>Що виміряли детектори</translation>
    </message>
    <message>
        <source>Positions are in the drawing&apos;s units (twips, 1440 to an inch): x from the drawing&apos;s left edge; for Detector V, the height above the boundary (below it where negative). The centre is where the light is brightest on average.</source>
        <translation>Положення подано в одиницях рисунка (твіпах, 1440 на дюйм): x від лівого краю рисунка; для детектора V — висота над межею поділу (під нею від’ємна). Центр — це місце, де світло в середньому найяскравіше.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Запитання</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Відповіді</translation>
    </message>
    <message>
        <source>What the program says about this run</source>
        <translation>Що програма каже про цей дослід</translation>
    </message>
    <message>
        <source>a medium of refractive index %1</source>
        <translation>середовище з показником заломлення %1</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>скла</translation>
    </message>
    <message>
        <source>water</source>
        <translation>води</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>середовища</translation>
    </message>
    <message>
        <source>Medium: %1, refractive index %2 (the air&apos;s is 1)</source>
        <translation>Середовище: %1, показник заломлення %2 (у повітря 1)</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal</source>
        <translation>Кут падіння: %1° від перпендикуляра</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal (typed as %2, the same direction)</source>
        <translation>Кут падіння: %1° від перпендикуляра (введено %2, той самий напрямок)</translation>
    </message>
    <message>
        <source>The lit stretch of the boundary: from x = %1 to x = %2, its middle at x = %3</source>
        <translation>Освітлений відрізок межі поділу: від x = %1 до x = %2, його середина при x = %3</translation>
    </message>
    <message>
        <source>Detector H&apos;s line: %1 units above the boundary, in the air</source>
        <translation>Лінія детектора H: %1 одиниць над межею поділу, у повітрі</translation>
    </message>
    <message>
        <source>Detector S&apos;s line: %1 units below the boundary, in the %2</source>
        <translation>Лінія детектора S: %1 одиниць під межею поділу, усередині %2</translation>
    </message>
    <message>
        <source>Detector V&apos;s line: upright at x = %1, across the boundary</source>
        <translation>Лінія детектора V: вертикальна при x = %1, поперек межі поділу</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Детектор</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Де</translation>
    </message>
    <message>
        <source>Light from</source>
        <translation>Світло від</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>no light</source>
        <translation>немає світла</translation>
    </message>
    <message>
        <source>in the air</source>
        <translation>у повітрі</translation>
    </message>
    <message>
        <source>in the %1</source>
        <translation>усередині %1</translation>
    </message>
    <message>
        <source>Detector H found light from x = %1 to x = %2, centred at x = %3, on its line %4 units above the boundary. The light left the middle of the lit stretch, x = %5. At what angle from the normal did it leave the boundary?</source>
        <translation>Детектор H знайшов світло від x = %1 до x = %2 з центром при x = %3 на своїй лінії %4 одиниць над межею поділу. Світло вийшло із середини освітленого відрізка, x = %5. Під яким кутом до перпендикуляра воно вийшло з межі поділу?</translation>
    </message>
    <message>
        <source>Detector S found reflected light from x = %1 to x = %2, centred at x = %3, on its line %4 units below the boundary. At what angle from the normal was the light reflected? Check the law of reflection.</source>
        <translation>Детектор S знайшов відбите світло від x = %1 до x = %2 з центром при x = %3 на своїй лінії %4 одиниць під межею поділу. Під яким кутом до перпендикуляра відбилося світло? Перевірте закон відбивання.</translation>
    </message>
    <message>
        <source>tan θ = (%1 − %2) ÷ %3 = %4, so θ ≈ %5 degrees. %6</source>
        <translation>tg θ = (%1 − %2) : %3 = %4, отже θ ≈ %5°. %6</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives the angle of refraction. Where does the refracted light from x = %1 meet Detector H&apos;s line, %2 units above the boundary?</source>
        <translation>Закон Снелліуса дає кут заломлення. Де заломлене світло, що виходить із x = %1, перетне лінію детектора H, %2 одиниць над межею поділу?</translation>
    </message>
    <message>
        <source>The law of reflection gives the angle of reflection. Where does the reflected light from x = %1 meet Detector S&apos;s line, %2 units below the boundary?</source>
        <translation>Закон відбивання дає кут відбивання. Де відбите світло, що виходить із x = %1, перетне лінію детектора S, %2 одиниць під межею поділу?</translation>
    </message>
    <message>
        <source>The detector&apos;s light is not all on the stretch it measures, so the table gives only part of it.</source>
        <translation>Світло детектора не все лежить на відрізку, який він вимірює, тож таблиця подає лише його частину.</translation>
    </message>
    <message>
        <source>That is beyond the stretch the detector measures, which is why the table has no light for it there.</source>
        <translation>Це місце поза відрізком, який вимірює детектор, тому таблиця не подає там для нього світла.</translation>
    </message>
    <message>
        <source>x = %1 + %2 × tan %3 ≈ %4. %5</source>
        <translation>x = %1 + %2 × tg %3 ≈ %4. %5</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is less than the critical angle: part of the light leaves into the air.</source>
        <translation>Кут падіння %1° менший за граничний кут: частина світла виходить у повітря.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is the critical angle.</source>
        <translation>Кут падіння %1° дорівнює граничному куту.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is greater than the critical angle: no refracted light leaves into the air.</source>
        <translation>Кут падіння %1° більший за граничний кут: жодне заломлене світло не виходить у повітря.</translation>
    </message>
    <message>
        <source>What is the critical angle of the %1, whose refractive index is %2? Compare it with the angle of incidence.</source>
        <translation>Який граничний кут для %1 з показником заломлення %2? Порівняйте його з кутом падіння.</translation>
    </message>
    <message>
        <source>sin c = 1 ÷ %1 = %2, so c ≈ %3 degrees. %4</source>
        <translation>sin c = 1 : %1 = %2, отже c ≈ %3°. %4</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). Work out the refractive index of the %1 from the angle of incidence and your answer to question 1.</source>
        <translation>Закон Снелліуса стверджує: n × sin(кут падіння) = 1 × sin(кут заломлення). Обчисліть показник заломлення %1 за кутом падіння та вашою відповіддю на запитання 1.</translation>
    </message>
    <message>
        <source>n = sin %1 ÷ sin %2 ≈ %3. The run&apos;s index is %4.</source>
        <translation>n = sin %1 : sin %2 ≈ %3. Показник заломлення в досліді становить %4.</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). What angle of refraction does it give?</source>
        <translation>Закон Снелліуса стверджує: n × sin(кут падіння) = 1 × sin(кут заломлення). Який кут заломлення з нього випливає?</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, so r ≈ %4 degrees.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, отже r ≈ %4°.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ 1, so r = 90 degrees: the refracted light runs along the boundary.</source>
        <translation>sin r = %1 × sin %2 ≈ 1, отже r = 90°: заломлене світло йде вздовж межі поділу.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, which is more than 1. No angle has such a sine: no light is refracted into the air.</source>
        <translation>sin r = %1 × sin %2 ≈ %3, а це більше за 1. Жоден кут не має такого синуса: жодне світло не заломлюється в повітря.</translation>
    </message>
    <message>
        <source>The law of reflection gives %1 degrees, the angle of incidence.</source>
        <translation>Закон відбивання дає %1°, тобто кут падіння.</translation>
    </message>
    <message>
        <source>Why does Detector H find no light?</source>
        <translation>Чому детектор H не знаходить жодного світла?</translation>
    </message>
    <message>
        <source>Why does Detector H find so little light, and no refracted beam?</source>
        <translation>Чому детектор H знаходить так мало світла й жодного заломленого пучка?</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary and never rises to Detector H&apos;s line.</source>
        <translation>При граничному куті заломлене світло йде вздовж межі поділу й ніколи не піднімається до лінії детектора H.</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary; the little light Detector H finds is light the narrow beam spreads.</source>
        <translation>При граничному куті заломлене світло йде вздовж межі поділу; те небагато світла, яке знаходить детектор H, — це світло, яке розсіює вузький пучок.</translation>
    </message>
    <message>
        <source>Beyond the critical angle all the light is reflected back into the medium: this is total internal reflection, and none leaves into the air.</source>
        <translation>За граничним кутом усе світло відбивається назад у середовище: це повне внутрішнє відбиття, і жодне світло не виходить у повітря.</translation>
    </message>
    <message>
        <source>Beyond the critical angle almost all the light is reflected back into the medium; the narrow beam&apos;s directions spread a little, and the little light whose direction is less than the critical angle reaches Detector H.</source>
        <translation>За граничним кутом майже все світло відбивається назад у середовище; напрямки вузького пучка трохи розходяться, і те небагато світла, напрямок якого утворює з перпендикуляром кут, менший за граничний, доходить до детектора H.</translation>
    </message>
    <message>
        <source>Where does the light go at this angle of incidence, and at what angle?</source>
        <translation>Куди йде світло при цьому куті падіння і під яким кутом?</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary at 90 degrees, and the rest is reflected back into the %1 at %2 degrees.</source>
        <translation>Заломлене світло йде вздовж межі поділу під кутом 90°, а решта відбивається назад у товщу %1 під кутом %2°.</translation>
    </message>
    <message>
        <source>It is reflected back into the %1 at %2 degrees from the normal, the angle of incidence.</source>
        <translation>Воно відбивається назад у товщу %1 під кутом %2° до перпендикуляра, тобто під кутом падіння.</translation>
    </message>
    <message>
        <source>What would happen to the light if the angle of incidence were greater than the critical angle?</source>
        <translation>Що сталося б зі світлом, якби кут падіння був більший за граничний кут?</translation>
    </message>
    <message>
        <source>Snell&apos;s law would give a sine of the angle of refraction greater than 1: no light would leave into the air, and all of it would be reflected back into the %1. This is total internal reflection.</source>
        <translation>Закон Снелліуса дав би синус кута заломлення, більший за 1: жодне світло не вийшло б у повітря, і все воно відбилося б назад у товщу %1. Це повне внутрішнє відбиття.</translation>
    </message>
    <message>
        <source>None: light passing into the air goes into a larger index, so Snell&apos;s law gives an angle of refraction less than the angle of incidence, and some light always leaves.</source>
        <translation>Не існує: світло, що переходить у повітря, переходить у середовище з більшим показником заломлення, тож закон Снелліуса дає кут заломлення, менший за кут падіння, і якась частина світла завжди виходить.</translation>
    </message>
    <message>
        <source>None: with the air&apos;s own index there is no boundary, and the light goes straight on.</source>
        <translation>Не існує: за показника заломлення самого повітря межі поділу немає, і світло йде прямо далі.</translation>
    </message>
    <message>
        <source>None: no medium has a refractive index of zero or less, so no law says where its light goes.</source>
        <translation>Не існує: жодне середовище не має показника заломлення, що дорівнює нулю або менший, тож жоден закон не каже, куди йде його світло.</translation>
    </message>
    <message>
        <source>Does the %1 have a critical angle? Why?</source>
        <translation>Чи існує граничний кут для %1? Чому?</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives %1 degrees.</source>
        <translation>Закон Снелліуса дає %1°.</translation>
    </message>
    <message>
        <source>Is any light reflected? Use Detector S&apos;s row.</source>
        <translation>Чи відбивається якесь світло? Скористайтеся рядком детектора S.</translation>
    </message>
    <message>
        <source>No: where the indices are the same there is no boundary to reflect it, and the light goes straight on.</source>
        <translation>Ні: де показники заломлення однакові, немає межі поділу, яка могла б його відбити, і світло йде прямо далі.</translation>
    </message>
    <message>
        <source>Which detectors found light? Use the table.</source>
        <translation>Які детектори знайшли світло? Скористайтеся таблицею.</translation>
    </message>
    <message>
        <source>The table lists them; the paths are summed all the same, but no law of a real medium names that light.</source>
        <translation>Таблиця їх подає; шляхи однаково підсумовуються, але жоден закон реального середовища не описує такого світла.</translation>
    </message>
    <message>
        <source>Which refractive index would make this a run of water, and which of glass?</source>
        <translation>Який показник заломлення зробив би цей дослід дослідом із водою, а який — зі склом?</translation>
    </message>
    <message>
        <source>Water&apos;s is %1 and glass&apos;s %2.</source>
        <translation>У води він становить %1, а у скла — %2.</translation>
    </message>
</context>
</TS>
