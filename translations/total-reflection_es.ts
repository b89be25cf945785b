<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>A teaching program about light at the boundary of water or glass and air.</source>
        <translation>Un programa didáctico sobre la luz en la superficie de separación entre el agua o el vidrio y el aire.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, are listed by --help-all.</source>
        <translation>Las opciones propias de Qt, como -platform, se muestran con --help-all.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>SUBSTANCE</source>
        <translation>MEDIO</translation>
    </message>
    <message>
        <source>Choose the substance: water or glass.</source>
        <translation>Elija el medio: water (agua) o glass (vidrio).</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>ÁNGULO</translation>
    </message>
    <message>
        <source>Choose the angle: 35, critical or 60; any other value is typed into the angle box.</source>
        <translation>Elija el ángulo: 35, critical (límite) o 60; cualquier otro valor se escribe en la casilla del ángulo.</translation>
    </message>
    <message>
        <source>INDEX</source>
        <translation>ÍNDICE</translation>
    </message>
    <message>
        <source>Type the refractive index into its box.</source>
        <translation>Escriba el índice de refracción en su casilla.</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>ALTURA</translation>
    </message>
    <message>
        <source>Choose Detector H&apos;s distance: 100, 750 or 1500.</source>
        <translation>Elija la altura del detector H: 100, 750 o 1500.</translation>
    </message>
    <message>
        <source>PACE</source>
        <translation>RITMO</translation>
    </message>
    <message>
        <source>Choose the pace: fastest, slower, slow, or the scroll bar&apos;s position (0 to 32767).</source>
        <translation>Elija el ritmo: fastest (el más rápido), slower (más lento), slow (lento) o la posición de la barra de desplazamiento (de 0 a 32767).</translation>
    </message>
    <message>
        <source>Press Start once the window is open.</source>
        <translation>Pulse Inicio en cuanto se abra la ventana.</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Drawing of the run</source>
        <translation>Dibujo del experimento</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Slowdown of the animation</source>
        <translation>Ralentización de la animación</translation>
    </message>
    <message>
        <source>Slowdown setting</source>
        <translation>Ajuste de la ralentización</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <translation>Espirales de Cornu</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector S</source>
        <translation>Espirales de Cornu del detector S</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Vidrio</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Interference pattern</source>
        <translation>Interferencia</translation>
    </message>
    <message>
        <source>Cornu spirals of Detector V</source>
        <translation>Espirales de Cornu del detector V</translation>
    </message>
    <message>
        <source>Detector V</source>
        <translation>Detector V</translation>
    </message>
    <message>
        <source>Detector S</source>
        <translation>Detector S</translation>
    </message>
    <message>
        <source>Detector H</source>
        <translation>Detector H</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Índice de refracción</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Detector H: altura</translation>
    </message>
    <message>
        <source>Detector H distance setting</source>
        <translation>Ajuste de la altura del detector H</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Substance setting</source>
        <translation>Ajuste del medio</translation>
    </message>
    <message>
        <source>Incident angle setting</source>
        <translation>Ajuste del ángulo de incidencia</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Incidencia</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Total reflection</source>
        <translation>Reflexión total</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Pulse el botón Inicio</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Start line of Detector V&apos;s Cornu spirals</source>
        <translation>Línea inicial de las espirales de Cornu del detector V</translation>
    </message>
    <message>
        <source>Base line of Detector S&apos;s Cornu spirals</source>
        <translation>Línea base de las espirales de Cornu del detector S</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Superficie de separación</translation>
    </message>
    <message>
        <source>Track of Detector S</source>
        <translation>Recorrido del detector S</translation>
    </message>
    <message>
        <source>Track of Detector V</source>
        <translation>Recorrido del detector V</translation>
    </message>
    <message>
        <source>Track of Detector H</source>
        <translation>Recorrido del detector H</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The readings could not be saved as “%1”.

%2</source>
        <translation>No se pudieron guardar las medidas como «%1».

%2</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>No se pudo guardar la imagen como «%1».

%2</translation>
    </message>
    <message>
        <source>Save readings</source>
        <translation>Guardar medidas</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <translation>Libros de cálculo (*.xlsx)</translation>
    </message>
    <message>
        <source>Save readings as CSV</source>
        <translation>Guardar medidas como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Save picture at twice the resolution…</source>
        <translation>Guardar imagen al doble de resolución…</translation>
    </message>
    <message>
        <source>Copy readings</source>
        <translation>Copiar medidas</translation>
    </message>
    <message>
        <source>Save readings…</source>
        <translation>Guardar medidas…</translation>
    </message>
    <message>
        <source>Save readings as CSV…</source>
        <translation>Guardar medidas como CSV…</translation>
    </message>
    <message>
        <source>Save worksheet</source>
        <translation>Guardar ficha de trabajo</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as “%1”.

%2</source>
        <translation>No se pudo guardar la ficha de trabajo como «%1».

%2</translation>
    </message>
    <message>
        <source>Save worksheet…</source>
        <translation>Guardar ficha de trabajo…</translation>
    </message>
    <message>
        <source>Print worksheet…</source>
        <translation>Imprimir ficha de trabajo…</translation>
    </message>
    <message>
        <source>Copy link to this run</source>
        <translation>Copiar enlace a este experimento</translation>
    </message>
</context>
<context>
    <name>Pace</name>
    <message>
        <source>fastest</source>
        <translation>el más rápido</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>el más lento</translation>
    </message>
    <message>
        <source>%1 percent of the way to the slowest</source>
        <translation>%1 por ciento del camino hacia el más lento</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>The window is closed. Reload the page to open it again.</source>
        <translation>La ventana está cerrada. Vuelva a cargar la página para abrirla de nuevo.</translation>
    </message>
    <message>
        <source>The window stopped because of an error. Reload the page to start it again.</source>
        <translation>La ventana se detuvo por un error. Vuelva a cargar la página para iniciarla de nuevo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Volver a cargar</translation>
    </message>
    <message>
        <source>The readings could not be copied.</source>
        <translation>No se pudieron copiar las medidas.</translation>
    </message>
    <message>
        <source>The picture could not be copied.</source>
        <translation>No se pudo copiar la imagen.</translation>
    </message>
    <message>
        <source>The link could not be copied.</source>
        <translation>No se pudo copiar el enlace.</translation>
    </message>
    <message>
        <source>This browser cannot make the picture that large. It was saved at %1 × %2 pixels, the largest it can make.</source>
        <translation>Este navegador no puede crear una imagen tan grande. Se guardó con %1 × %2 píxeles, el tamaño más grande que puede crear.</translation>
    </message>
    <message>
        <source>The picture could not be saved: this browser could not make it.</source>
        <translation>No se pudo guardar la imagen: este navegador no pudo crearla.</translation>
    </message>
    <message>
        <source>The readings could not be saved: this browser could not make the file.</source>
        <translation>No se pudieron guardar las medidas: este navegador no pudo crear el archivo.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>the picture could not be encoded</source>
        <translation>no se pudo codificar la imagen</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Refractive index</source>
        <translation>Índice de refracción</translation>
    </message>
    <message>
        <source>Incident angle</source>
        <translation>Ángulo de incidencia</translation>
    </message>
    <message>
        <source>Detector H distance</source>
        <translation>Altura del detector H</translation>
    </message>
    <message>
        <source>Slowdown</source>
        <translation>Ralentización</translation>
    </message>
    <message>
        <source>Type a number such as %1, then press Start again.</source>
        <translation>Escriba un número como %1 y vuelva a pulsar Inicio.</translation>
    </message>
    <message>
        <source>%1: there is no number to run with.</source>
        <translation>%1: no hay ningún número con el que hacer el experimento.</translation>
    </message>
    <message>
        <source>%1: the text is longer than the box holds, %2 characters.</source>
        <translation>%1: el texto es más largo de lo que admite la casilla, %2 caracteres.</translation>
    </message>
    <message>
        <source>%1: “%2” is not a number.</source>
        <translation>%1: «%2» no es un número.</translation>
    </message>
    <message>
        <source>%1: “%2” is outside the range a run can draw.</source>
        <translation>%1: «%2» está fuera del intervalo que el experimento puede dibujar.</translation>
    </message>
    <message>
        <source>Type a number from %1 to %2, then press Start again.</source>
        <translation>Escriba un número de %1 a %2 y vuelva a pulsar Inicio.</translation>
    </message>
</context>
<context>
    <name>Statement</name>
    <message>
        <source>into the water</source>
        <translation>hacia el agua</translation>
    </message>
    <message>
        <source>into the glass</source>
        <translation>hacia el vidrio</translation>
    </message>
    <message>
        <source>A medium of refractive index %1</source>
        <translation>Un medio de índice de refracción %1</translation>
    </message>
    <message>
        <source>into the medium</source>
        <translation>hacia el medio</translation>
    </message>
    <message>
        <source>%1 at %2 degrees</source>
        <translation>%1 con un ángulo de %2°</translation>
    </message>
    <message>
        <source>%1 at %2 degrees, the same direction as %3 degrees</source>
        <translation>%1 con un ángulo de %2°, la misma dirección que %3°</translation>
    </message>
    <message>
        <source>Part of the light is reflected back %1 at %2 degrees, and part is refracted into the air at %3 degrees, as Snell&apos;s law gives.</source>
        <translation>Parte de la luz se refleja de vuelta %1 con un ángulo de %2°, y parte se refracta hacia el aire con un ángulo de %3°, como indica la ley de Snell.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is less than the critical angle of about %3 degrees.</source>
        <translation>%1: el ángulo de incidencia, %2°, es menor que el ángulo límite, de unos %3°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is the critical angle.</source>
        <translation>%1: el ángulo de incidencia, %2°, es el ángulo límite.</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary, at 90 degrees, and the rest is reflected back %1 at %2 degrees.</source>
        <translation>La luz refractada avanza a lo largo de la superficie de separación, a 90°, y el resto se refleja de vuelta %1 con un ángulo de %2°.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence, %2 degrees, is greater than the critical angle of about %3 degrees.</source>
        <translation>%1: el ángulo de incidencia, %2°, es mayor que el ángulo límite, de unos %3°.</translation>
    </message>
    <message>
        <source>All the light is reflected back %1 at %2 degrees, and none leaves into the air: this is total internal reflection.</source>
        <translation>Toda la luz se refleja de vuelta %1 con un ángulo de %2° y nada sale hacia el aire: es la reflexión total interna.</translation>
    </message>
    <message>
        <source>Almost all the light is reflected back %1 at %2 degrees: the beam is narrow, so its directions spread a little, and the little light whose direction is less than the critical angle leaves into the air.</source>
        <translation>Casi toda la luz se refleja de vuelta %1 con un ángulo de %2°: el haz es estrecho, así que sus direcciones se abren un poco, y la poca luz cuya dirección forma con la normal un ángulo menor que el ángulo límite sale hacia el aire.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with an index less than the air&apos;s there is no critical angle.</source>
        <translation>%1: el ángulo de incidencia es de %2°, y con un índice menor que el del aire no hay ángulo límite.</translation>
    </message>
    <message>
        <source>%1: the angle of incidence is %2 degrees, and with the air&apos;s own index there is no boundary: the light goes straight on at %2 degrees, and nothing is reflected.</source>
        <translation>%1: el ángulo de incidencia es de %2°, y con el mismo índice que el aire no hay superficie de separación: la luz sigue recta con un ángulo de %2° y nada se refleja.</translation>
    </message>
    <message>
        <source>%1: no medium has a refractive index of zero or less, so no law says where its light goes; the paths are summed all the same.</source>
        <translation>%1: ningún medio tiene un índice de refracción nulo o negativo, así que ninguna ley dice adónde va su luz; los caminos se suman de todos modos.</translation>
    </message>
    <message>
        <source>The settings name no case: the paths are summed, but no case is drawn.</source>
        <translation>Los ajustes no indican ningún caso: los caminos se suman, pero no se dibuja ningún caso.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle less than the critical angle.</source>
        <translation>El dibujo sigue la opción elegida y muestra el caso de un ángulo menor que el ángulo límite.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case at the critical angle.</source>
        <translation>El dibujo sigue la opción elegida y muestra el caso del ángulo límite.</translation>
    </message>
    <message>
        <source>The drawing follows the option chosen and shows the case of an angle greater than the critical angle.</source>
        <translation>El dibujo sigue la opción elegida y muestra el caso de un ángulo mayor que el ángulo límite.</translation>
    </message>
    <message>
        <source>above the boundary</source>
        <translation>por encima de la superficie de separación</translation>
    </message>
    <message>
        <source>below the boundary</source>
        <translation>por debajo de la superficie de separación</translation>
    </message>
    <message>
        <source>right of the normal</source>
        <translation>a la derecha de la normal</translation>
    </message>
    <message>
        <source>left of the normal</source>
        <translation>a la izquierda de la normal</translation>
    </message>
    <message>
        <source>on both sides of the normal</source>
        <translation>a ambos lados de la normal</translation>
    </message>
    <message>
        <source>part of the refracted light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>parte de la luz refractada %1; el resto corta la línea del detector más allá del tramo que mide</translation>
    </message>
    <message>
        <source>the refracted light %1, which left the boundary at about %2 degrees (Snell&apos;s law gives %3)</source>
        <translation>la luz refractada %1, que salió de la superficie de separación con un ángulo de unos %2° (la ley de Snell da %3°)</translation>
    </message>
    <message>
        <source>the refracted light %1</source>
        <translation>la luz refractada %1</translation>
    </message>
    <message>
        <source>part of the reflected light %1; the rest meets its line beyond the stretch it measures</source>
        <translation>parte de la luz reflejada %1; el resto corta la línea del detector más allá del tramo que mide</translation>
    </message>
    <message>
        <source>the reflected light %1, which left the boundary at about %2 degrees (the law of reflection gives %3)</source>
        <translation>la luz reflejada %1, que salió de la superficie de separación con un ángulo de unos %2° (la ley de la reflexión da %3°)</translation>
    </message>
    <message>
        <source>the reflected light %1</source>
        <translation>la luz reflejada %1</translation>
    </message>
    <message>
        <source>light %1 from a second beam, which the paths send because they lie more than half a wavelength apart, not from the boundary</source>
        <translation>luz %1 de un segundo haz, que los caminos envían porque están separados más de media longitud de onda, no de la superficie de separación</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads, which left the boundary at about %2 degrees</source>
        <translation>luz %1 que el haz estrecho dispersa y que salió de la superficie de separación con un ángulo de unos %2°</translation>
    </message>
    <message>
        <source>light %1 that the narrow beam spreads</source>
        <translation>luz %1 que el haz estrecho dispersa</translation>
    </message>
    <message>
        <source>light %1 only because the paths are summed as if a boundary reflected it; with no boundary, none is reflected</source>
        <translation>luz %1 solo porque los caminos se suman como si una superficie de separación la reflejara; sin superficie de separación, nada se refleja</translation>
    </message>
    <message>
        <source>light %1, which left the boundary at about %2 degrees</source>
        <translation>luz %1, que salió de la superficie de separación con un ángulo de unos %2°</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>luz %1</translation>
    </message>
    <message>
        <source>the refracted light meets its line beyond the stretch it measures</source>
        <translation>la luz refractada corta la línea del detector más allá del tramo que mide</translation>
    </message>
    <message>
        <source>the refracted light goes the other way</source>
        <translation>la luz refractada va en sentido contrario</translation>
    </message>
    <message>
        <source>the refracted light runs along the boundary and never meets its line</source>
        <translation>la luz refractada avanza a lo largo de la superficie de separación y nunca corta la línea del detector</translation>
    </message>
    <message>
        <source>the reflected light meets its line beyond the stretch it measures</source>
        <translation>la luz reflejada corta la línea del detector más allá del tramo que mide</translation>
    </message>
    <message>
        <source>the reflected light goes the other way</source>
        <translation>la luz reflejada va en sentido contrario</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>No light reaches Detector %1.</source>
        <translation>Ninguna luz llega al detector %1.</translation>
    </message>
    <message>
        <source>No light reaches Detector %1: %2.</source>
        <translation>Ninguna luz llega al detector %1: %2.</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1; the drawing gives its bars no length in this case</source>
        <translation>%1; en este caso, el dibujo no da longitud a sus barras</translation>
    </message>
    <message>
        <source>Detector V, moving down, finds %1.</source>
        <translation>El detector V, al bajar, encuentra %1.</translation>
    </message>
    <message>
        <source>Detector %1 finds %2.</source>
        <translation>El detector %1 encuentra %2.</translation>
    </message>
    <message>
        <source>The run was stopped after %1 of its %2 steps.</source>
        <translation>El experimento se detuvo después de %1 de sus %2 pasos.</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Ángulo de incidencia</translation>
    </message>
    <message>
        <source>Angle of reflection, by the law of reflection</source>
        <translation>Ángulo de reflexión, por la ley de la reflexión</translation>
    </message>
    <message>
        <source>Angle of refraction, by Snell&apos;s law</source>
        <translation>Ángulo de refracción, por la ley de Snell</translation>
    </message>
    <message>
        <source>Critical angle</source>
        <translation>Ángulo límite</translation>
    </message>
    <message>
        <source>refracted light</source>
        <translation>luz refractada</translation>
    </message>
    <message>
        <source>reflected light</source>
        <translation>luz reflejada</translation>
    </message>
    <message>
        <source>%1, %2: angle from its positions</source>
        <translation>%1, %2: ángulo según las posiciones del detector</translation>
    </message>
    <message>
        <source>not measured: the beam runs off the stretch it measures</source>
        <translation>no medido: el haz se sale del tramo que mide el detector</translation>
    </message>
    <message>
        <source>%1, %2: by Snell&apos;s law</source>
        <translation>%1, %2: por la ley de Snell</translation>
    </message>
    <message>
        <source>%1, %2: by the law of reflection</source>
        <translation>%1, %2: por la ley de la reflexión</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Ángulos</translation>
    </message>
    <message>
        <source>In degrees from the normal, from the direction the run worked out from the typed angle. The angle a detector&apos;s positions give is the direction from the middle of the lit stretch of the boundary to the middle of the light the detector found.</source>
        <translation>En grados desde la normal, según la dirección que el experimento calculó a partir del ángulo escrito. El ángulo que dan las posiciones de un detector es la dirección desde el centro del tramo iluminado de la superficie de separación hasta el centro de la luz que encontró el detector.</translation>
    </message>
    <message>
        <source>Comparing readings</source>
        <translation>Comparar medidas</translation>
    </message>
    <message>
        <source>Readings compare along one track only, not between detectors or between runs: the arrows&apos; lengths differ with the angle option, so a reading&apos;s size is no share of the light.</source>
        <translation>Las medidas solo se comparan a lo largo de un mismo recorrido, no entre detectores ni entre experimentos: la longitud de las flechas depende de la opción de ángulo, así que el tamaño de una medida no es una parte de la luz.</translation>
    </message>
    <message>
        <source>none named</source>
        <translation>sin indicar</translation>
    </message>
    <message>
        <source>Case drawn</source>
        <translation>Caso dibujado</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>In twips of the window, from its top left corner: x to the right, with the normal at x = %1; y downward, with the boundary at y = %2.</source>
        <translation>En twips de la ventana, desde su esquina superior izquierda: x hacia la derecha, con la normal en x = %1; y hacia abajo, con la superficie de separación en y = %2.</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Experimento</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Detector V</source>
        <translation>Detector V</translation>
    </message>
    <message>
        <source>Detector H</source>
        <translation>Detector H</translation>
    </message>
    <message>
        <source>Detector S</source>
        <translation>Detector S</translation>
    </message>
    <message>
        <source>Total reflection: a worksheet</source>
        <translation>Reflexión total: ficha de trabajo</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ____________</source>
        <translation>Nombre: ____________________   Clase: ________   Fecha: ____________</translation>
    </message>
    <message>
        <source>The run</source>
        <translation>El experimento</translation>
    </message>
    <message>
        <source>The light comes up through the %1 from below and meets the boundary on its lit stretch; the detectors sum the paths along their lines.</source>
        <translation>La luz sube desde abajo a través del %1 y llega a la superficie de separación en su tramo iluminado; los detectores suman los caminos a lo largo de sus líneas.</translation>
    </message>
    <message>
        <source>What the detectors measured</source>
        <translation>Lo que midieron los detectores</translation>
    </message>
    <message>
        <source>Positions are in the drawing&apos;s units (twips, 1440 to an inch): x from the drawing&apos;s left edge; for Detector V, the height above the boundary (below it where negative). The centre is where the light is brightest on average.</source>
        <translation>Las posiciones están en las unidades del dibujo (twips, 1440 por pulgada): x desde el borde izquierdo del dibujo; para el detector V, la altura sobre la superficie de separación (negativa por debajo). El centro es donde la luz es, en promedio, más intensa.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>What the program says about this run</source>
        <translation>Lo que dice el programa sobre este experimento</translation>
    </message>
    <message>
        <source>a medium of refractive index %1</source>
        <translation>un medio de índice de refracción %1</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>vidrio</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>medio</translation>
    </message>
    <message>
        <source>Medium: %1, refractive index %2 (the air&apos;s is 1)</source>
        <translation>Medio: %1, índice de refracción %2 (el del aire es 1)</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal</source>
        <translation>Ángulo de incidencia: %1° respecto a la normal</translation>
    </message>
    <message>
        <source>Angle of incidence: %1 degrees from the normal (typed as %2, the same direction)</source>
        <translation>Ángulo de incidencia: %1° respecto a la normal (escrito como %2, la misma dirección)</translation>
    </message>
    <message>
        <source>The lit stretch of the boundary: from x = %1 to x = %2, its middle at x = %3</source>
        <translation>Tramo iluminado de la superficie de separación: de x = %1 a x = %2, con su centro en x = %3</translation>
    </message>
    <message>
        <source>Detector H&apos;s line: %1 units above the boundary, in the air</source>
        <translation>Línea del detector H: %1 unidades por encima de la superficie de separación, en el aire</translation>
    </message>
    <message>
        <source>Detector S&apos;s line: %1 units below the boundary, in the %2</source>
        <translation>Línea del detector S: %1 unidades por debajo de la superficie de separación, en el %2</translation>
    </message>
    <message>
        <source>Detector V&apos;s line: upright at x = %1, across the boundary</source>
        <translation>Línea del detector V: vertical en x = %1, atravesando la superficie de separación</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>Light from</source>
        <translation>Luz desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>no light</source>
        <translation>sin luz</translation>
    </message>
    <message>
        <source>in the air</source>
        <translation>en el aire</translation>
    </message>
    <message>
        <source>in the %1</source>
        <translation>en el %1</translation>
    </message>
    <message>
        <source>Detector H found light from x = %1 to x = %2, centred at x = %3, on its line %4 units above the boundary. The light left the middle of the lit stretch, x = %5. At what angle from the normal did it leave the boundary?</source>
        <translation>El detector H encontró luz desde x = %1 hasta x = %2, con su centro en x = %3, en su línea a %4 unidades por encima de la superficie de separación. La luz salió del centro del tramo iluminado, x = %5. ¿Con qué ángulo respecto a la normal salió de la superficie de separación?</translation>
    </message>
    <message>
        <source>Detector S found reflected light from x = %1 to x = %2, centred at x = %3, on its line %4 units below the boundary. At what angle from the normal was the light reflected? Check the law of reflection.</source>
        <translation>El detector S encontró luz reflejada desde x = %1 hasta x = %2, con su centro en x = %3, en su línea a %4 unidades por debajo de la superficie de separación. ¿Con qué ángulo respecto a la normal se reflejó la luz? Compruebe la ley de la reflexión.</translation>
    </message>
    <message>
        <source>tan θ = (%1 − %2) ÷ %3 = %4, so θ ≈ %5 degrees. %6</source>
        <translation>tg θ = (%1 − %2) ÷ %3 = %4, así que θ ≈ %5°. %6</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives the angle of refraction. Where does the refracted light from x = %1 meet Detector H&apos;s line, %2 units above the boundary?</source>
        <translation>La ley de Snell da el ángulo de refracción. ¿Dónde corta la luz refractada que sale de x = %1 la línea del detector H, a %2 unidades por encima de la superficie de separación?</translation>
    </message>
    <message>
        <source>The law of reflection gives the angle of reflection. Where does the reflected light from x = %1 meet Detector S&apos;s line, %2 units below the boundary?</source>
        <translation>La ley de la reflexión da el ángulo de reflexión. ¿Dónde corta la luz reflejada que sale de x = %1 la línea del detector S, a %2 unidades por debajo de la superficie de separación?</translation>
    </message>
    <message>
        <source>The detector&apos;s light is not all on the stretch it measures, so the table gives only part of it.</source>
        <translation>La luz del detector no está toda en el tramo que mide, así que la tabla solo da una parte de ella.</translation>
    </message>
    <message>
        <source>That is beyond the stretch the detector measures, which is why the table has no light for it there.</source>
        <translation>Eso queda más allá del tramo que mide el detector, y por eso la tabla no indica luz para él ahí.</translation>
    </message>
    <message>
        <source>x = %1 + %2 × tan %3 ≈ %4. %5</source>
        <translation>x = %1 + %2 × tg %3 ≈ %4. %5</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is less than the critical angle: part of the light leaves into the air.</source>
        <translation>El ángulo de incidencia, %1°, es menor que el ángulo límite: parte de la luz sale hacia el aire.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is the critical angle.</source>
        <translation>El ángulo de incidencia, %1°, es el ángulo límite.</translation>
    </message>
    <message>
        <source>The angle of incidence, %1 degrees, is greater than the critical angle: no refracted light leaves into the air.</source>
        <translation>El ángulo de incidencia, %1°, es mayor que el ángulo límite: ninguna luz refractada sale hacia el aire.</translation>
    </message>
    <message>
        <source>What is the critical angle of the %1, whose refractive index is %2? Compare it with the angle of incidence.</source>
        <translation>¿Cuál es el ángulo límite del %1, cuyo índice de refracción es %2? Compárelo con el ángulo de incidencia.</translation>
    </message>
    <message>
        <source>sin c = 1 ÷ %1 = %2, so c ≈ %3 degrees. %4</source>
        <translation>sen c = 1 ÷ %1 = %2, así que c ≈ %3°. %4</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). Work out the refractive index of the %1 from the angle of incidence and your answer to question 1.</source>
        <translation>La ley de Snell dice que n × sen(ángulo de incidencia) = 1 × sen(ángulo de refracción). Calcule el índice de refracción del %1 a partir del ángulo de incidencia y de su respuesta a la pregunta 1.</translation>
    </message>
    <message>
        <source>n = sin %1 ÷ sin %2 ≈ %3. The run&apos;s index is %4.</source>
        <translation>n = sen %1 ÷ sen %2 ≈ %3. El índice del experimento es %4.</translation>
    </message>
    <message>
        <source>Snell&apos;s law says n × sin(angle of incidence) = 1 × sin(angle of refraction). What angle of refraction does it give?</source>
        <translation>La ley de Snell dice que n × sen(ángulo de incidencia) = 1 × sen(ángulo de refracción). ¿Qué ángulo de refracción da?</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, so r ≈ %4 degrees.</source>
        <translation>sen r = %1 × sen %2 ≈ %3, así que r ≈ %4°.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ 1, so r = 90 degrees: the refracted light runs along the boundary.</source>
        <translation>sen r = %1 × sen %2 ≈ 1, así que r = 90°: la luz refractada avanza a lo largo de la superficie de separación.</translation>
    </message>
    <message>
        <source>sin r = %1 × sin %2 ≈ %3, which is more than 1. No angle has such a sine: no light is refracted into the air.</source>
        <translation>sen r = %1 × sen %2 ≈ %3, que es más que 1. Ningún ángulo tiene ese seno: ninguna luz se refracta hacia el aire.</translation>
    </message>
    <message>
        <source>The law of reflection gives %1 degrees, the angle of incidence.</source>
        <translation>La ley de la reflexión da %1°, el ángulo de incidencia.</translation>
    </message>
    <message>
        <source>Why does Detector H find no light?</source>
        <translation>¿Por qué el detector H no encuentra luz?</translation>
    </message>
    <message>
        <source>Why does Detector H find so little light, and no refracted beam?</source>
        <translation>¿Por qué el detector H encuentra tan poca luz y ningún haz refractado?</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary and never rises to Detector H&apos;s line.</source>
        <translation>En el ángulo límite, la luz refractada avanza a lo largo de la superficie de separación y nunca sube hasta la línea del detector H.</translation>
    </message>
    <message>
        <source>At the critical angle the refracted light runs along the boundary; the little light Detector H finds is light the narrow beam spreads.</source>
        <translation>En el ángulo límite, la luz refractada avanza a lo largo de la superficie de separación; la poca luz que encuentra el detector H es luz que el haz estrecho dispersa.</translation>
    </message>
    <message>
        <source>Beyond the critical angle all the light is reflected back into the medium: this is total internal reflection, and none leaves into the air.</source>
        <translation>Más allá del ángulo límite, toda la luz se refleja de vuelta hacia el medio: es la reflexión total interna, y nada sale hacia el aire.</translation>
    </message>
    <message>
        <source>Beyond the critical angle almost all the light is reflected back into the medium; the narrow beam&apos;s directions spread a little, and the little light whose direction is less than the critical angle reaches Detector H.</source>
        <translation>Más allá del ángulo límite, casi toda la luz se refleja de vuelta hacia el medio; las direcciones del haz estrecho se abren un poco, y la poca luz cuya dirección forma con la normal un ángulo menor que el ángulo límite llega al detector H.</translation>
    </message>
    <message>
        <source>Where does the light go at this angle of incidence, and at what angle?</source>
        <translation>¿Adónde va la luz con este ángulo de incidencia, y con qué ángulo?</translation>
    </message>
    <message>
        <source>The refracted light runs along the boundary at 90 degrees, and the rest is reflected back into the %1 at %2 degrees.</source>
        <translation>La luz refractada avanza a lo largo de la superficie de separación a 90°, y el resto se refleja de vuelta hacia el %1 con un ángulo de %2°.</translation>
    </message>
    <message>
        <source>It is reflected back into the %1 at %2 degrees from the normal, the angle of incidence.</source>
        <translation>Se refleja de vuelta hacia el %1 con un ángulo de %2° respecto a la normal, el ángulo de incidencia.</translation>
    </message>
    <message>
        <source>What would happen to the light if the angle of incidence were greater than the critical angle?</source>
        <translation>¿Qué le pasaría a la luz si el ángulo de incidencia fuera mayor que el ángulo límite?</translation>
    </message>
    <message>
        <source>Snell&apos;s law would give a sine of the angle of refraction greater than 1: no light would leave into the air, and all of it would be reflected back into the %1. This is total internal reflection.</source>
        <translation>La ley de Snell daría un seno del ángulo de refracción mayor que 1: ninguna luz saldría hacia el aire, y toda se reflejaría de vuelta hacia el %1. Esto es la reflexión total interna.</translation>
    </message>
    <message>
        <source>None: light passing into the air goes into a larger index, so Snell&apos;s law gives an angle of refraction less than the angle of incidence, and some light always leaves.</source>
        <translation>No: la luz que pasa al aire va hacia un índice mayor, así que la ley de Snell da un ángulo de refracción menor que el ángulo de incidencia, y siempre sale algo de luz.</translation>
    </message>
    <message>
        <source>None: with the air&apos;s own index there is no boundary, and the light goes straight on.</source>
        <translation>No: con el mismo índice que el aire no hay superficie de separación, y la luz sigue recta.</translation>
    </message>
    <message>
        <source>None: no medium has a refractive index of zero or less, so no law says where its light goes.</source>
        <translation>No: ningún medio tiene un índice de refracción nulo o negativo, así que ninguna ley dice adónde va su luz.</translation>
    </message>
    <message>
        <source>Does the %1 have a critical angle? Why?</source>
        <translation>¿Tiene el %1 ángulo límite? ¿Por qué?</translation>
    </message>
    <message>
        <source>Snell&apos;s law gives %1 degrees.</source>
        <translation>La ley de Snell da %1°.</translation>
    </message>
    <message>
        <source>Is any light reflected? Use Detector S&apos;s row.</source>
        <translation>¿Se refleja algo de luz? Use la fila del detector S.</translation>
    </message>
    <message>
        <source>No: where the indices are the same there is no boundary to reflect it, and the light goes straight on.</source>
        <translation>No: donde los índices son iguales no hay superficie de separación que la refleje, y la luz sigue recta.</translation>
    </message>
    <message>
        <source>Which detectors found light? Use the table.</source>
        <translation>¿Qué detectores encontraron luz? Use la tabla.</translation>
    </message>
    <message>
        <source>The table lists them; the paths are summed all the same, but no law of a real medium names that light.</source>
        <translation>La tabla los indica; los caminos se suman de todos modos, pero ninguna ley de un medio real nombra esa luz.</translation>
    </message>
    <message>
        <source>Which refractive index would make this a run of water, and which of glass?</source>
        <translation>¿Qué índice de refracción haría de este un experimento con agua, y cuál con vidrio?</translation>
    </message>
    <message>
        <source>Water&apos;s is %1 and glass&apos;s %2.</source>
        <translation>El del agua es %1 y el del vidrio, %2.</translation>
    </message>
</context>
</TS>
