<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AccessiblePicture</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>BrightnessGraph</name>
    <message>
        <source>Distance from the middle (250 is left)</source>
        <translation>Distancia desde el centro (250 está a la izquierda)</translation>
    </message>
    <message>
        <source>grey: whole mirror</source>
        <translation>gris: espejo entero</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any distance.</source>
        <translation>Con frecuencia %1 no llega luz al detector a ninguna distancia.</translation>
    </message>
    <message>
        <source>At frequency %1 this mirror is brightest at distance %2, %3; at the pair, distance %4, it gives %5.</source>
        <translation>Con frecuencia %1 este espejo es más brillante a la distancia %2, %3; en el par, a la distancia %4, da %5.</translation>
    </message>
    <message>
        <source>The whole mirror is brightest at distance %1, %2.</source>
        <translation>El espejo entero es más brillante a la distancia %1, %2.</translation>
    </message>
    <message>
        <source>Brightness against distance, %1 at the left to %2 at the right, as the pair stands in the picture.</source>
        <translation>Brillo según la distancia, de %1 a la izquierda a %2 a la derecha, como está el par en la imagen.</translation>
    </message>
    <message>
        <source>The grey curve, light into glass, is brightest with the detector at %1, %2.</source>
        <translation>La curva gris, la luz hacia el vidrio, es más brillante con el detector en %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, light into water, is brightest with the detector at %1, %2.</source>
        <translation>La curva gris, la luz hacia el agua, es más brillante con el detector en %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line without the lens, is brightest with the detector at %1, %2.</source>
        <translation>La curva gris, la misma línea sin la lente, es más brillante con el detector en %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line with the lens, is brightest with the detector at %1, %2.</source>
        <translation>La curva gris, la misma línea con la lente, es más brillante con el detector en %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the line with no screen, is brightest with the detector at %1, %2.</source>
        <translation>La curva gris, la línea sin pantalla, es más brillante con el detector en %1, %2.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source; moved off it, the graph tells how much of the light on that line reaches it.</source>
        <translation>El detector está en la recta bajo la fuente; movido fuera de ella, el gráfico dice cuánto de la luz de esa recta le llega.</translation>
    </message>
    <message>
        <source>At the detector&apos;s place, %1 pixels off the straight line below the source, a gap of %2 points sends %3 times the light it sends on that line; with no screen %4 times, and with the narrowest gap, %5 points, %6 times.</source>
        <translation>En el lugar del detector, a %1 píxeles de la recta bajo la fuente, una rendija de %2 puntos envía %3 veces la luz que envía sobre esa recta; sin pantalla %4 veces, y con la rendija más estrecha, %5 puntos, %6 veces.</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any place.</source>
        <translation>Con la frecuencia %1 no llega luz al detector en ningún lugar.</translation>
    </message>
    <message>
        <source>At frequency %1 the light is brightest with the detector at %2, %3 of all thirty paths in step; at the detector&apos;s place, %4, it is %5.</source>
        <translation>Con la frecuencia %1 la luz es más brillante con el detector en %2, %3 de los treinta caminos en fase; en el lugar del detector, %4, es %5.</translation>
    </message>
    <message>
        <source>Brightness against the detector&apos;s place, %1 at the left to %2 at the right, as the detector stands in the picture.</source>
        <translation>Brillo frente al lugar del detector, %1 a la izquierda hasta %2 a la derecha, como está el detector en la imagen.</translation>
    </message>
    <message>
        <source>Far to the side a curve rises because every path&apos;s arrow here has the same length, however long and slanted the path, and more of them stay in step there; real light would grow fainter with the distance.</source>
        <translation>Muy a un lado una curva sube porque aquí la flecha de cada camino tiene la misma longitud, por largo e inclinado que sea el camino, y allí más de ellas siguen en fase; la luz real se debilitaría con la distancia.</translation>
    </message>
    <message>
        <source>(as bright at %1)</source>
        <translation>(igual en %1)</translation>
    </message>
    <message>
        <source>The second frequency is the same as the first, so its curve lies on the first&apos;s.</source>
        <translation>La segunda frecuencia es la misma que la primera, así que su curva queda sobre la de la primera.</translation>
    </message>
</context>
<context>
    <name>BrightnessGraphView</name>
    <message>
        <source>A click moves the source and the detector to the distance under it</source>
        <translation>Un clic lleva la fuente y el detector a la distancia bajo él</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the windowing platform: xcb, wayland, offscreen, ...</source>
        <translation>la plataforma de ventanas: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>the X display to open, such as :0</source>
        <translation>la pantalla X que abrir, como :0</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>el tema de la plataforma</translation>
    </message>
    <message>
        <source>a folder of platform plugins</source>
        <translation>una carpeta de complementos de plataforma</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>un complemento de entrada que cargar</translation>
    </message>
    <message>
        <source>the widget style, such as Fusion</source>
        <translation>el estilo de los controles, como Fusion</translation>
    </message>
    <message>
        <source>a style sheet to apply</source>
        <translation>una hoja de estilo que aplicar</translation>
    </message>
    <message>
        <source>the window&apos;s size and place, such as 800x600+0+0</source>
        <translation>el tamaño y el lugar de la ventana, como 800x600+0+0</translation>
    </message>
    <message>
        <source>the same as -qwindowgeometry</source>
        <translation>lo mismo que -qwindowgeometry</translation>
    </message>
    <message>
        <source>the window&apos;s caption</source>
        <translation>el título de la ventana</translation>
    </message>
    <message>
        <source>the window&apos;s icon</source>
        <translation>el icono de la ventana</translation>
    </message>
    <message>
        <source>the application name the desktop sees</source>
        <translation>el nombre de aplicación que ve el escritorio</translation>
    </message>
    <message>
        <source>the session to restore</source>
        <translation>la sesión que restaurar</translation>
    </message>
    <message>
        <source>lay the window out from right to left</source>
        <translation>disponer la ventana de derecha a izquierda</translation>
    </message>
    <message>
        <source>never grab the mouse or keyboard</source>
        <translation>no capturar nunca el ratón ni el teclado</translation>
    </message>
    <message>
        <source>grab even when running in a debugger</source>
        <translation>capturar incluso al ejecutarse en un depurador</translation>
    </message>
    <message>
        <source>talk to the X server synchronously</source>
        <translation>hablar con el servidor X de forma síncrona</translation>
    </message>
    <message>
        <source>%1 was given more than once</source>
        <translation>%1 se indicó más de una vez</translation>
    </message>
    <message>
        <source>%1 takes %2, but was given &apos;%3&apos;</source>
        <translation>%1 admite %2, pero recibió «%3»</translation>
    </message>
    <message>
        <source>takes no file or other argument, but was given &apos;%1&apos;</source>
        <translation>no admite archivos ni otros argumentos, pero recibió «%1»</translation>
    </message>
    <message>
        <source>--scale takes a factor from %1 to %2, such as 1.5, but was given &apos;%3&apos;</source>
        <translation>--scale admite un factor de %1 a %2, como 1.5, pero recibió «%3»</translation>
    </message>
    <message>
        <source>Usage: quorvel [option...]</source>
        <translation>Uso: quorvel [opción...]</translation>
    </message>
    <message>
        <source>Shows how a mirror reflects light in the sum-over-paths picture.</source>
        <translation>Muestra cómo refleja la luz un espejo según la suma sobre caminos.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>mostrar esta ayuda y terminar</translation>
    </message>
    <message>
        <source>show the name and version and end</source>
        <translation>mostrar el nombre y la versión y terminar</translation>
    </message>
    <message>
        <source>draw the whole window factor times as large, sharp, for a projector: from 1 to 4, such as 1.5</source>
        <translation>dibujar la ventana entera factor veces más grande, nítida, para un proyector: de 1 a 4, como 1.5</translation>
    </message>
    <message>
        <source>A setting that only the explore panel offers opens the panel, as --explore does. The same settings make a link to the page: ?distance=250&amp;speed=5</source>
        <translation>Un ajuste que solo ofrece el panel de exploración abre el panel, como --explore. Los mismos ajustes forman un enlace a la página: ?distance=250&amp;speed=5</translation>
    </message>
    <message>
        <source>Options of the toolkit:</source>
        <translation>Opciones del toolkit:</translation>
    </message>
    <message>
        <source>there is no option &apos;%1&apos;</source>
        <translation>no existe la opción «%1»</translation>
    </message>
    <message>
        <source>--lang takes a language code such as de, but was given &apos;%1&apos;</source>
        <translation>--lang admite un código de idioma como de, pero recibió «%1»</translation>
    </message>
    <message>
        <source>the explore panel&apos;s mirror: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, or 30 digits from the left, 1 for a segment that reflects, 0 for one scraped off</source>
        <translation>el espejo del panel de exploración: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, o 30 dígitos desde la izquierda, 1 para un segmento que refleja, 0 para uno raspado</translation>
    </message>
    <message>
        <source>how the explore panel measures a path: window (the window&apos;s measure) or legs (its real length)</source>
        <translation>cómo mide un camino el panel de exploración: window (la medida de la ventana) o legs (su longitud real)</translation>
    </message>
    <message>
        <source>start at this distance: 0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>empezar con esta distancia: 0 o 250, o para el panel de exploración un entero de %1 a %2</translation>
    </message>
    <message>
        <source>start at this frequency: 1 or 2, or for the explore panel from %1 to %2 in tenths, such as 1.5 (to %3 with --measure legs)</source>
        <translation>empezar con esta frecuencia: 1 o 2, o para el panel de exploración de %1 a %2 en décimas, como 1.5 (hasta %3 con --measure legs)</translation>
    </message>
    <message>
        <source>start with the speed scroll bar here, from %1 to %2</source>
        <translation>empezar con la barra de velocidad aquí, de %1 a %2</translation>
    </message>
    <message>
        <source>the language to show instead of the desktop&apos;s: %1; any other shows English</source>
        <translation>el idioma en lugar del del escritorio: %1; cualquier otro muestra inglés</translation>
    </message>
    <message>
        <source>the width of the screen&apos;s gap: %1</source>
        <translation>el ancho de la rendija de la pantalla: %1</translation>
    </message>
    <message>
        <source>the scene the explore panel shows, which opens it beyond the mirror: %1</source>
        <translation>la escena que muestra el panel de exploración; cualquiera salvo el espejo lo abre: %1</translation>
    </message>
    <message>
        <source>open the Explore the paths panel with the window</source>
        <translation>abrir el panel Explorar los caminos con la ventana</translation>
    </message>
</context>
<context>
    <name>ExplorePanel</name>
    <message>
        <source>Brightness against distance</source>
        <translation>Brillo según la distancia</translation>
    </message>
    <message>
        <source>Whole mirror</source>
        <translation>Espejo entero</translation>
    </message>
    <message>
        <source>Middle third</source>
        <translation>Tercio central</translation>
    </message>
    <message>
        <source>Outer thirds</source>
        <translation>Tercios exteriores</translation>
    </message>
    <message>
        <source>Grating</source>
        <translation>Rejilla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Distance in pixels</source>
        <translation>Distancia en píxeles</translation>
    </message>
    <message>
        <source>Frequency in tenths</source>
        <translation>Frecuencia en décimas</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Mirror segments</source>
        <translation>Segmentos del espejo</translation>
    </message>
    <message>
        <source>Around least time</source>
        <translation>Junto al tiempo mínimo</translation>
    </message>
    <message>
        <source>Away from it</source>
        <translation>Lejos de él</translation>
    </message>
    <message>
        <source>Away from least time</source>
        <translation>Lejos del tiempo mínimo</translation>
    </message>
    <message>
        <source>How a path&apos;s length is measured</source>
        <translation>Cómo se mide la longitud de un camino</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Second frequency on the graph</source>
        <translation>Segunda frecuencia en la gráfica</translation>
    </message>
    <message>
        <source>Second frequency</source>
        <translation>Segunda frecuencia</translation>
    </message>
    <message>
        <source>Explore the paths</source>
        <translation>Explorar los caminos</translation>
    </message>
</context>
<context>
    <name>ExploreWords</name>
    <message>
        <source>segment %1 of 30, on</source>
        <translation>segmento %1 de 30, activado</translation>
    </message>
    <message>
        <source>segment %1 of 30, off</source>
        <translation>segmento %1 de 30, desactivado</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle; the whole mirror here sends none</source>
        <translation>%1 de la luz de un espejo entero en el centro; el espejo entero aquí no envía ninguna</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle, %2 times that of the whole mirror here</source>
        <translation>%1 de la luz de un espejo entero en el centro, %2 veces la del espejo entero aquí</translation>
    </message>
    <message>
        <source>the whole mirror here sends no light</source>
        <translation>el espejo entero aquí no envía luz</translation>
    </message>
    <message>
        <source>%1 times as likely as with the whole mirror here</source>
        <translation>%1 veces tan probable como con el espejo entero aquí</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against a whole mirror at the middle and against the whole mirror at the same place. The bar is full at the most light any mirror sends at this frequency.</source>
        <translation>Qué tan probable es que la luz llegue al detector, el cuadrado de la longitud del vector suma, frente a un espejo entero en el centro y frente al espejo entero en el mismo lugar. La barra está llena con la mayor luz que cualquier espejo envía a esta frecuencia.</translation>
    </message>
    <message>
        <source>Real length (the two legs)</source>
        <translation>Longitud real (los dos tramos)</translation>
    </message>
    <message>
        <source>Window&apos;s (shorter than real)</source>
        <translation>De la ventana (más corta que la real)</translation>
    </message>
    <message>
        <source>Path lengths: %1.</source>
        <translation>Longitudes de los caminos: %1.</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 segments show truly with these lengths.</source>
        <translation>Frecuencia reducida a %1, la más alta que 30 segmentos muestran fielmente con estas longitudes.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 segments show truly with real lengths, so paths are measured as the window measures them again.</source>
        <translation>La frecuencia %1 va más allá de lo que 30 segmentos muestran fielmente con longitudes reales, así que los caminos vuelven a medirse como los mide la ventana.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: the ends do not cancel at any frequency the panel reaches here.</source>
        <translation>Con frecuencia %1 los tercios exteriores dan %2 y el tercio central %3: los extremos no se anulan aquí con ninguna frecuencia que alcance el panel.</translation>
    </message>
    <message>
        <source>With the pair away from the middle, the middle third is not around the least-time point, so the outer thirds are not the ends that cancel.</source>
        <translation>Con la pareja lejos del centro, el tercio central no está alrededor del punto de tiempo mínimo, así que los tercios exteriores no son los extremos que se anulan.</translation>
    </message>
    <message>
        <source>Try frequency %1</source>
        <translation>Probar frecuencia %1</translation>
    </message>
    <message>
        <source>Move the pair to the middle</source>
        <translation>Llevar la pareja al centro</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that without the lens here</source>
        <translation>%1 de la luz de los treinta caminos en fase, %2 veces la que llega sin la lente aquí</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; without the lens here none arrives</source>
        <translation>%1 de la luz de los treinta caminos en fase; sin la lente aquí no llega nada</translation>
    </message>
    <message>
        <source>%1 times as likely as without the lens here</source>
        <translation>%1 veces tan probable como sin la lente aquí</translation>
    </message>
    <message>
        <source>without the lens here no light arrives</source>
        <translation>sin la lente aquí no llega luz</translation>
    </message>
    <message>
        <source>The second figure is against the same line without the lens, with the detector at the same place.</source>
        <translation>La segunda cifra es frente a la misma línea sin la lente, con el detector en el mismo lugar.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with the lens here</source>
        <translation>%1 de la luz de los treinta caminos en fase, %2 veces la que llega con la lente aquí</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with the lens here none arrives</source>
        <translation>%1 de la luz de los treinta caminos en fase; con la lente aquí no llega nada</translation>
    </message>
    <message>
        <source>%1 times as likely as with the lens here</source>
        <translation>%1 veces tan probable como con la lente aquí</translation>
    </message>
    <message>
        <source>with the lens here no light arrives</source>
        <translation>con la lente aquí no llega luz</translation>
    </message>
    <message>
        <source>The second figure is against the same line with the lens, with the detector at the same place.</source>
        <translation>La segunda cifra es frente a la misma línea con la lente, con el detector en el mismo lugar.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with no screen here</source>
        <translation>%1 de la luz de los treinta caminos en fase, %2 veces la que llega sin pantalla aquí</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with no screen here none arrives</source>
        <translation>%1 de la luz de los treinta caminos en fase; sin pantalla aquí no llega nada</translation>
    </message>
    <message>
        <source>%1 times as likely as with no screen here</source>
        <translation>%1 veces tan probable como sin pantalla aquí</translation>
    </message>
    <message>
        <source>with no screen here no light arrives</source>
        <translation>sin pantalla aquí no llega luz</translation>
    </message>
    <message>
        <source>The second figure is against the line with no screen, with the detector at the same place.</source>
        <translation>La segunda cifra es frente a la línea sin pantalla, con el detector en el mismo lugar.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step</source>
        <translation>%1 de la luz de los treinta caminos en fase</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against all thirty paths in step, the most they can send; the bar is full there.</source>
        <translation>Qué tan probable es que la luz llegue al detector, el cuadrado de la longitud del vector suma, frente a los treinta caminos en fase, lo máximo que pueden enviar; ahí la barra está llena.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: here each end&apos;s arrows go partway round a circle without closing it, so they do not cancel.</source>
        <translation>Con frecuencia %1 los tercios exteriores dan %2 y el tercio central %3: aquí las flechas de cada extremo recorren parte de un círculo sin cerrarlo, así que no se anulan.</translation>
    </message>
</context>
<context>
    <name>KeyboardHelp</name>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Pasar al control siguiente o al anterior</translation>
    </message>
    <message>
        <source>Left, Right, Up, Down</source>
        <translation>Izquierda, Derecha, Arriba, Abajo</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Inicio, Fin</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Press the button, or switch the segment, that has the focus</source>
        <translation>Pulsar el botón, o conmutar el segmento, que tiene el foco</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Pulsar el botón que tiene el foco</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Shift+F10, Menu</source>
        <translation>Mayús+F10, Menú</translation>
    </message>
    <message>
        <source>Open the picture&apos;s menu</source>
        <translation>Abrir el menú de la imagen</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>Copiar la imagen</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Show these keys</source>
        <translation>Mostrar estas teclas</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Show the window on the whole screen, or leave the full screen</source>
        <translation>Mostrar la ventana en toda la pantalla, o salir de la pantalla completa</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Close this help</source>
        <translation>Cerrar esta ayuda</translation>
    </message>
    <message>
        <source>Keys of Quorvel</source>
        <translation>Teclas de Quorvel</translation>
    </message>
    <message>
        <source>Stop a run at once, and drop what was pressed during it</source>
        <translation>Detener una ejecución enseguida y descartar lo pulsado durante ella</translation>
    </message>
    <message>
        <source>Save the picture as PNG, SVG or JPEG</source>
        <translation>Guardar la imagen como PNG, SVG o JPEG</translation>
    </message>
    <message>
        <source>Open or close Explore the paths</source>
        <translation>Abrir o cerrar «Explorar los caminos»</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Re Pág, Av Pág</translation>
    </message>
    <message>
        <source>Move a slider of the explore panel by a larger step, or %3 segments along the mirror</source>
        <translation>Mover un deslizador del panel de exploración un paso mayor, o %3 segmentos a lo largo del espejo</translation>
    </message>
    <message>
        <source>Move the speed to %1 or %2, or a slider to its end; go to the first or the last segment</source>
        <translation>Poner la velocidad en %1 o %2, o un deslizador en su extremo; ir al primer o al último segmento</translation>
    </message>
    <message>
        <source>Choose the other option of a group, or with Up and Down another in a list; move the speed or a slider by one step; move along the mirror&apos;s segments</source>
        <translation>Elegir la otra opción de un grupo, o con Arriba y Abajo otra de una lista; mover la velocidad o un deslizador un paso; recorrer los segmentos del espejo</translation>
    </message>
</context>
<context>
    <name>KeyboardHelpDialog</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Qué hacen</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Animation speed</source>
        <translation>Velocidad de la animación</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>Imagen JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Ralentización de la animación, de %1 a la izquierda a %2 a la derecha</translation>
    </message>
</context>
<context>
    <name>MainFormModel</name>
    <message>
        <source>quorvel: Start stopped: %1</source>
        <translation>quorvel: Iniciar se detuvo: %1</translation>
    </message>
    <message>
        <source>Carried out after the run: %1.</source>
        <translation>Realizado tras la ejecución: %1.</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel ha terminado.</translation>
    </message>
    <message>
        <source>Stopped after segment %1 of 30.</source>
        <translation>Detenido tras el segmento %1 de 30.</translation>
    </message>
    <message>
        <source>What was pressed during the run is dropped.</source>
        <translation>Lo pulsado durante la ejecución se descarta.</translation>
    </message>
    <message>
        <source>Brightness %1.</source>
        <translation>Brillo %1.</translation>
    </message>
    <message>
        <source>Then %1.</source>
        <translation>Después: %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Velocidad de la animación</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Guardar PNG</translation>
    </message>
    <message>
        <source>Save SVG</source>
        <translation>Guardar SVG</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel ha terminado.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Volver a iniciarlo</translation>
    </message>
    <message>
        <source>Quorvel is loading…</source>
        <translation>Quorvel se está cargando…</translation>
    </message>
    <message>
        <source>Quorvel could not start: %1</source>
        <translation>Quorvel no pudo iniciarse: %1</translation>
    </message>
    <message>
        <source>segment %1 of 30</source>
        <translation>segmento %1 de 30</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>No se pudo copiar la imagen: %1</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Link copied.</source>
        <translation>Enlace copiado.</translation>
    </message>
    <message>
        <source>The link could not be copied: %1</source>
        <translation>No se pudo copiar el enlace: %1</translation>
    </message>
    <message>
        <source>Picture copied.</source>
        <translation>Imagen copiada.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>250 is left of the middle, as in the picture</source>
        <translation>250 está a la izquierda del centro, como en la imagen</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Ralentización de la animación, de %1 a la izquierda a %2 a la derecha</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message>
        <source>distance %1 and frequency %2</source>
        <translation>distancia %1 y frecuencia %2</translation>
    </message>
    <message>
        <source>No segment of the mirror reflects, so no path reaches the detector.</source>
        <translation>Ningún segmento del espejo refleja, así que ningún camino llega al detector.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, at the middle of the mirror.</source>
        <translation>El camino de tiempo mínimo se refleja en el segmento %1 de 30, en el centro del espejo.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, right of the middle of the mirror.</source>
        <translation>El camino de tiempo mínimo se refleja en el segmento %1 de 30, a la derecha del centro del espejo.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, left of the middle of the mirror.</source>
        <translation>El camino de tiempo mínimo se refleja en el segmento %1 de 30, a la izquierda del centro del espejo.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, at the middle of the mirror.</source>
        <translation>El camino de tiempo mínimo se refleja en los segmentos %1 y %2 de 30, en el centro del espejo.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, right of the middle of the mirror.</source>
        <translation>El camino de tiempo mínimo se refleja en los segmentos %1 y %2 de 30, a la derecha del centro del espejo.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, left of the middle of the mirror.</source>
        <translation>El camino de tiempo mínimo se refleja en los segmentos %1 y %2 de 30, a la izquierda del centro del espejo.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: the photon vectors turn every way and nearly cancel, so little light arrives.</source>
        <translation>El vector suma mide %1 vectores de fotón, así que el detector recibe %2 de la luz de un espejo entero en el centro: los vectores de fotón giran en todas direcciones y casi se anulan, así que llega poca luz.</translation>
    </message>
    <message>
        <source>Of the mirror&apos;s 30 segments %1 reflect; the others are scraped off.</source>
        <translation>De los 30 segmentos del espejo reflejan %1; los demás están raspados.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2: the path via segment %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Dibujando para distancia %1 y frecuencia %2: el camino por el segmento %3 de 30, su vector de fotón, su tiempo y el siguiente eslabón de la espiral.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 stopped after segment %3 of 30: a setting is not a number.</source>
        <translation>El dibujo para distancia %1 y frecuencia %2 se detuvo tras el segmento %3 de 30: un ajuste no es un número.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2: the 30 paths from the source via the mirror to the detector, their photon vectors under the mirror, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Dibujado para distancia %1 y frecuencia %2: los 30 caminos de la fuente por el espejo al detector, sus vectores de fotón bajo el espejo, la curva del tiempo y la espiral de los vectores de fotón puestos uno tras otro.</translation>
    </message>
    <message>
        <source>A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Una fuente y un detector están sobre un espejo de 30 segmentos. Iniciar dibuja, para cada segmento, el camino de la luz por él, su vector de fotón, su tiempo y una espiral de los vectores de fotón puestos uno tras otro.</translation>
    </message>
    <message>
        <source>Start will draw distance %1 and frequency %2.</source>
        <translation>Iniciar dibujará distancia %1 y frecuencia %2.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2.</source>
        <translation>Dibujado para distancia %1 y frecuencia %2.</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>velocidad %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>distancia %1</translation>
    </message>
    <message>
        <source>frequency %1</source>
        <translation>frecuencia %1</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 was stopped after segment %3 of 30.</source>
        <translation>El dibujo para la distancia %1 y la frecuencia %2 se detuvo tras el segmento %3 de 30.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, at the middle of the mirror, but that segment is scraped off.</source>
        <translation>El camino de tiempo mínimo se reflejaría en el segmento %1 de 30, en el centro del espejo, pero ese segmento está raspado.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, right of the middle of the mirror, but that segment is scraped off.</source>
        <translation>El camino de tiempo mínimo se reflejaría en el segmento %1 de 30, a la derecha del centro del espejo, pero ese segmento está raspado.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, left of the middle of the mirror, but that segment is scraped off.</source>
        <translation>El camino de tiempo mínimo se reflejaría en el segmento %1 de 30, a la izquierda del centro del espejo, pero ese segmento está raspado.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, at the middle of the mirror, but both are scraped off.</source>
        <translation>El camino de tiempo mínimo se reflejaría entre los segmentos %1 y %2 de 30, en el centro del espejo, pero ambos están raspados.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, right of the middle of the mirror, but both are scraped off.</source>
        <translation>El camino de tiempo mínimo se reflejaría entre los segmentos %1 y %2 de 30, a la derecha del centro del espejo, pero ambos están raspados.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, left of the middle of the mirror, but both are scraped off.</source>
        <translation>El camino de tiempo mínimo se reflejaría entre los segmentos %1 y %2 de 30, a la izquierda del centro del espejo, pero ambos están raspados.</translation>
    </message>
    <message>
        <source>Of the two, segment %1 is scraped off.</source>
        <translation>De los dos, el segmento %1 está raspado.</translation>
    </message>
    <message>
        <source>All of the sum comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>Toda la suma viene de segmentos lejos del camino de tiempo mínimo, pues los que lo rodean están raspados.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from the segments around the path of least time.</source>
        <translation>La mayor parte de la suma, %1 de sus %2 vectores de fotón, viene de los segmentos en torno al camino de tiempo mínimo.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from segments far from the path of least time.</source>
        <translation>La mayor parte de la suma, %1 de sus %2 vectores de fotón, viene de segmentos lejos del camino de tiempo mínimo.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle.</source>
        <translation>El vector suma mide %1 vectores de fotón, así que el detector recibe %2 de la luz de un espejo entero en el centro.</translation>
    </message>
    <message>
        <source>The %1 strips left make a grating: each kept photon vector points within a quarter turn of one direction, so each adds to the sum along it.</source>
        <translation>Las %1 franjas que quedan forman una rejilla: cada vector de fotón que queda apunta a menos de un cuarto de vuelta de una dirección, así que cada uno suma a lo largo de ella.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: all of it comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>El vector suma mide %1 vectores de fotón, así que el detector recibe %2 de la luz de un espejo entero en el centro: todo viene de segmentos lejos del camino de tiempo mínimo, pues los que lo rodean están raspados.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it, %3 of its %1 photon vectors, comes from segments far from the path of least time.</source>
        <translation>El vector suma mide %1 vectores de fotón, así que el detector recibe %2 de la luz de un espejo entero en el centro: la mayor parte, %3 de sus %1 vectores de fotón, viene de segmentos lejos del camino de tiempo mínimo.</translation>
    </message>
    <message>
        <source>The whole mirror at this place sends no light to the detector.</source>
        <translation>El espejo entero en este lugar no envía luz al detector.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the whole mirror at this place: the square of the sum vector&apos;s length against the whole mirror&apos;s.</source>
        <translation>Es %1 veces tan probable que la luz llegue al detector como con el espejo entero en este lugar: el cuadrado de la longitud del vector suma frente al del espejo entero.</translation>
    </message>
    <message>
        <source>Each path is measured by its real length, its two legs added.</source>
        <translation>Cada camino se mide por su longitud real, sumando sus dos tramos.</translation>
    </message>
    <message>
        <source>path lengths: %1</source>
        <translation>longitudes de los caminos: %1</translation>
    </message>
    <message>
        <source>second frequency %1</source>
        <translation>segunda frecuencia %1</translation>
    </message>
    <message>
        <source>no second frequency</source>
        <translation>sin segunda frecuencia</translation>
    </message>
    <message>
        <source>the explore panel opened</source>
        <translation>el panel de exploración abierto</translation>
    </message>
    <message>
        <source>the explore panel closed</source>
        <translation>el panel de exploración cerrado</translation>
    </message>
    <message>
        <source>The spiral and the sum vector are drawn at %1 of their full size, to fit in the picture.</source>
        <translation>La espiral y el vector suma se dibujan a %1 de su tamaño completo, para que quepan en la imagen.</translation>
    </message>
    <message>
        <source>No segment reflects, so no photon vector reaches the detector and no light arrives.</source>
        <translation>Ningún segmento refleja, así que ningún vector de fotón llega al detector y no llega luz.</translation>
    </message>
    <message>
        <source>Every segment of the mirror is scraped off.</source>
        <translation>Todos los segmentos del espejo están raspados.</translation>
    </message>
    <message>
        <source>the whole mirror put back</source>
        <translation>el espejo entero restaurado</translation>
    </message>
    <message>
        <source>the mirror scraped to its middle third</source>
        <translation>el espejo raspado hasta dejar su tercio central</translation>
    </message>
    <message>
        <source>the mirror scraped to its outer thirds</source>
        <translation>el espejo raspado hasta dejar sus tercios exteriores</translation>
    </message>
    <message>
        <source>the mirror scraped into a grating</source>
        <translation>el espejo raspado en una rejilla</translation>
    </message>
    <message>
        <source>the mirror scraped to the third around least time</source>
        <translation>el espejo raspado hasta dejar el tercio alrededor del tiempo mínimo</translation>
    </message>
    <message>
        <source>the third around least time scraped off</source>
        <translation>el tercio alrededor del tiempo mínimo raspado</translation>
    </message>
    <message>
        <source>the scene “%1” chosen</source>
        <translation>la escena «%1» elegida</translation>
    </message>
    <message>
        <source>the screen&apos;s gap set to %1 points</source>
        <translation>la rendija de la pantalla puesta en %1 puntos</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay within its axes, under its label.</source>
        <translation>La curva del tiempo se dibuja a %1 de su altura completa, para quedar dentro de sus ejes, bajo su rótulo.</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay clear of the photon vectors.</source>
        <translation>La curva del tiempo se dibuja a %1 de su altura completa, para que no toque los vectores de fotón.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it comes from the segments around the path of least time, whose photon vectors turn least from one to the next.</source>
        <translation>El vector suma mide %1 vectores de fotón, así que el detector recibe %2 de la luz de un espejo entero en el centro: la mayor parte viene de los segmentos en torno al camino de menor tiempo, cuyos vectores de fotón giran menos de uno al siguiente.</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>No se pudo guardar la imagen como %1: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: Quorvel saves pictures as .png, .svg or .jpg files.</source>
        <translation>No se pudo guardar la imagen como %1: Quorvel guarda imágenes como archivos .png, .svg o .jpg.</translation>
    </message>
</context>
<context>
    <name>SceneWords</name>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Into water</source>
        <translation>Hacia el agua</translation>
    </message>
    <message>
        <source>Into glass</source>
        <translation>Hacia el vidrio</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Same pair, no lens</source>
        <translation>El mismo par, sin lente</translation>
    </message>
    <message>
        <source>Narrow gap</source>
        <translation>Rendija estrecha</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Escena</translation>
    </message>
    <message>
        <source>Gap in points</source>
        <translation>Rendija en puntos</translation>
    </message>
    <message>
        <source>Detector&apos;s place</source>
        <translation>Lugar del detector</translation>
    </message>
    <message>
        <source>Detector&apos;s distance from the middle</source>
        <translation>Distancia del detector al centro</translation>
    </message>
    <message>
        <source>Detector&apos;s place from the middle (250 is left)</source>
        <translation>Lugar del detector desde el centro (250 es a la izquierda)</translation>
    </message>
    <message>
        <source>grey: into glass</source>
        <translation>gris: hacia el vidrio</translation>
    </message>
    <message>
        <source>grey: into water</source>
        <translation>gris: hacia el agua</translation>
    </message>
    <message>
        <source>grey: no lens</source>
        <translation>gris: sin lente</translation>
    </message>
    <message>
        <source>grey: with the lens</source>
        <translation>gris: con la lente</translation>
    </message>
    <message>
        <source>grey: no screen</source>
        <translation>gris: sin pantalla</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the detector alone.</source>
        <translation>Escena «%1»: la distancia mueve solo el detector.</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the source and the detector together.</source>
        <translation>Escena «%1»: la distancia mueve juntos la fuente y el detector.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 paths through the line show truly, so the mirror is shown again.</source>
        <translation>La frecuencia %1 supera lo que 30 caminos a través de la línea muestran fielmente, así que se vuelve a mostrar el espejo.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 paths through the line show truly here.</source>
        <translation>Frecuencia reducida a %1, la más alta que 30 caminos a través de la línea muestran fielmente aquí.</translation>
    </message>
    <message>
        <source>Frequency back to %1, as chosen before.</source>
        <translation>Frecuencia de nuevo en %1, como se eligió antes.</translation>
    </message>
    <message>
        <source>Frequency back up to %1; the %2 chosen before is beyond what this scene shows truly.</source>
        <translation>Frecuencia de nuevo subida a %1; la %2 elegida antes supera lo que esta escena muestra fielmente.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency brought down to %1.</source>
        <translation>La segunda frecuencia del gráfico reducida a %1.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency back up to %1.</source>
        <translation>La segunda frecuencia del gráfico de nuevo subida a %1.</translation>
    </message>
</context>
<context>
    <name>SegmentStrip</name>
    <message>
        <source>The mirror&apos;s segments: Left and Right move along them, Space switches one on or off</source>
        <translation>Los segmentos del espejo: Izquierda y Derecha se mueven por ellos, Espacio activa o desactiva uno</translation>
    </message>
</context>
<context>
    <name>SettingNumber</name>
    <message>
        <source>slowdown (nSpomaleni)</source>
        <translation>ralentización (nSpomaleni)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, whose pause is beyond the range of numbers</source>
        <translation>el ajuste %1 contiene «%2», cuya pausa excede el rango de los números</translation>
    </message>
    <message>
        <source>distance (nPosun)</source>
        <translation>distancia (nPosun)</translation>
    </message>
    <message>
        <source>frequency (nKmitocet)</source>
        <translation>frecuencia (nKmitocet)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, which is not a number</source>
        <translation>el ajuste %1 contiene «%2», que no es un número</translation>
    </message>
</context>
<context>
    <name>SetupReading</name>
    <message>
        <source>0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>0 o 250, o para el panel de exploración un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>1 to open the explore panel, or 0</source>
        <translation>1 para abrir el panel de exploración, o 0</translation>
    </message>
    <message>
        <source>30 digits from the left, 1 for a segment that reflects and 0 for one scraped off, or whole, middle-third, outer-thirds, grating, around-least-time or away-from-least-time</source>
        <translation>30 dígitos desde la izquierda, 1 para un segmento que refleja y 0 para uno raspado, o whole, middle-third, outer-thirds, grating, around-least-time o away-from-least-time</translation>
    </message>
    <message>
        <source>window for the window&apos;s measure of a path, or legs for its real length, the two legs added</source>
        <translation>window para la medida de la ventana, o legs para su longitud real, sumando los dos tramos</translation>
    </message>
    <message>
        <source>; beyond the mirror to %1 for water, %2 for glass and %3 for the other scenes</source>
        <translation>; fuera del espejo hasta %1 para el agua, %2 para el vidrio y %3 para las demás escenas</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno de %1</translation>
    </message>
    <message>
        <source>an even number from %1 to %2, for the gap scene</source>
        <translation>un número par de %1 a %2, para la escena de la rendija</translation>
    </message>
    <message>
        <source>1 or 2, or for the explore panel a number from %1 to %2 in tenths, such as 1.5, and to %3 where the measure is legs</source>
        <translation>1 o 2, o para el panel de exploración un número de %1 a %2 en décimas, como 1.5, y hasta %3 si measure es legs</translation>
    </message>
</context>
<context>
    <name>ThroughLineWords</name>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path of least time.</source>
        <translation>El camino marcado, por el punto %1 de 30, es el camino dibujado de tiempo mínimo.</translation>
    </message>
    <message>
        <source>The paths via points %1 and %2 of 30 take the same time, the least of the drawn paths, and the mark stands between them.</source>
        <translation>Los caminos por los puntos %1 y %2 de 30 tardan el mismo tiempo, el mínimo de los caminos dibujados, y la marca está entre ellos.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line at its middle.</source>
        <translation>El camino de tiempo mínimo cruza la línea en su centro.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels left of its middle.</source>
        <translation>El camino de tiempo mínimo cruza la línea %1 píxeles a la izquierda de su centro.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels right of its middle.</source>
        <translation>El camino de tiempo mínimo cruza la línea %1 píxeles a la derecha de su centro.</translation>
    </message>
    <message>
        <source>It goes straight down through the surface below the source, so it does not bend.</source>
        <translation>Baja en vertical por la superficie bajo la fuente, así que no se quiebra.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in water: it bends there.</source>
        <translation>Los senos de sus ángulos con la vertical son %1 sobre la superficie y %2 bajo ella, uno %3 veces el otro, como la luz es %4 veces más lenta en el agua: ahí se quiebra.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in glass: it bends there.</source>
        <translation>Los senos de sus ángulos con la vertical son %1 sobre la superficie y %2 bajo ella, uno %3 veces el otro, como la luz es %4 veces más lenta en el vidrio: ahí se quiebra.</translation>
    </message>
    <message>
        <source>The mark stands between the paths via points %1 and %2 of 30, as near as each other to where the path of least time crosses.</source>
        <translation>La marca está entre los caminos por los puntos %1 y %2 de 30, igual de cerca del punto donde cruza el camino de tiempo mínimo.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path nearest to where the path of least time crosses, %2 pixels from it.</source>
        <translation>El camino marcado, por el punto %1 de 30, es el camino dibujado más cercano al punto donde cruza el camino de tiempo mínimo, a %2 píxeles de él.</translation>
    </message>
    <message>
        <source>That crossing lies within the gap.</source>
        <translation>Ese cruce queda dentro de la rendija.</translation>
    </message>
    <message>
        <source>That crossing lies on the screen, so the path of least time does not get through.</source>
        <translation>Ese cruce queda sobre la pantalla, así que el camino de tiempo mínimo no pasa.</translation>
    </message>
    <message>
        <source>With the detector at the focus every path takes the same time, as the lens delays each path by what it falls short of the longest: every photon vector points the same way, so the sum is as long as thirty photon vectors can make it, and the path marked is no quicker than the rest.</source>
        <translation>Con el detector en el foco cada camino tarda el mismo tiempo, pues la lente retrasa cada camino en lo que le falta para el más largo: cada vector de fotón apunta en la misma dirección, así que la suma es tan larga como pueden hacerla treinta vectores de fotón, y el camino marcado no es más rápido que los demás.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels left of the focus the times no longer tie: each path is quicker than its neighbour to the right, so the path of least time is at the line&apos;s left end, via point 1 of 30, where the mark stands.</source>
        <translation>Con el detector %1 píxeles a la izquierda del foco los tiempos ya no coinciden: cada camino es más rápido que su vecino de la derecha, así que el camino de tiempo mínimo está en el extremo izquierdo de la línea, por el punto 1 de 30, donde está la marca.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels right of the focus the times no longer tie: each path is quicker than its neighbour to the left, so the path of least time is at the line&apos;s right end, via point 30 of 30, where the mark stands.</source>
        <translation>Con el detector %1 píxeles a la derecha del foco los tiempos ya no coinciden: cada camino es más rápido que su vecino de la izquierda, así que el camino de tiempo mínimo está en el extremo derecho de la línea, por el punto 30 de 30, donde está la marca.</translation>
    </message>
    <message>
        <source>The lens is drawn %1 pixels thick at its thickest; glass that slows light %2 times would have to be %3 pixels thick there, %4 times as thick, to delay the paths as much.</source>
        <translation>La lente se dibuja de %1 píxeles en su parte más gruesa; un vidrio que hace la luz %2 veces más lenta tendría que medir ahí %3 píxeles, %4 veces más, para retrasar igual los caminos.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as without the lens at this place.</source>
        <translation>La luz llega al detector con una probabilidad %1 veces la que tiene sin la lente en este lugar.</translation>
    </message>
    <message>
        <source>Without the lens no light reaches the detector at this place.</source>
        <translation>Sin la lente no llega luz al detector en este lugar.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the lens at this place.</source>
        <translation>La luz llega al detector con una probabilidad %1 veces la que tiene con la lente en este lugar.</translation>
    </message>
    <message>
        <source>With the lens no light reaches the detector at this place.</source>
        <translation>Con la lente no llega luz al detector en este lugar.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with no screen at this place.</source>
        <translation>La luz llega al detector con una probabilidad %1 veces la que tiene sin pantalla en este lugar.</translation>
    </message>
    <message>
        <source>With no screen no light reaches the detector at this place.</source>
        <translation>Sin pantalla no llega luz al detector en este lugar.</translation>
    </message>
    <message>
        <source>%1 of the 30 paths pass through the gap; the screen stops the rest.</source>
        <translation>%1 de los 30 caminos pasan por la rendija; la pantalla detiene los demás.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source.</source>
        <translation>El detector está en la recta bajo la fuente.</translation>
    </message>
    <message>
        <source>Here, %1 pixels off the straight line below the source, the detector gets %2 times the light it gets on that line through this gap; with no screen, %3 times.</source>
        <translation>Aquí, a %1 píxeles de la recta bajo la fuente, el detector recibe por esta rendija %2 veces la luz que recibe sobre esa recta; sin pantalla, %3 veces.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of all thirty paths in step.</source>
        <translation>El vector suma mide %1 vectores de fotón, así que el detector recibe %2 de la luz de los treinta caminos en fase.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the water&apos;s surface to the detector in the water, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Dibujado con el detector en %1 y frecuencia %2: los 30 caminos de la fuente en el aire por la superficie del agua al detector en el agua, sus vectores de fotón bajo el detector, la curva del tiempo y la espiral de los vectores de fotón puestos uno tras otro.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the glass&apos;s surface to the detector in the glass, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Dibujado con el detector en %1 y frecuencia %2: los 30 caminos de la fuente en el aire por la superficie del vidrio al detector en el vidrio, sus vectores de fotón bajo el detector, la curva del tiempo y la espiral de los vectores de fotón puestos uno tras otro.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the lens to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Dibujado con el detector en %1 y frecuencia %2: los 30 caminos de la fuente por la lente al detector, sus vectores de fotón bajo el detector, la curva del tiempo y la espiral de los vectores de fotón puestos uno tras otro.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the line of points, with no lens, to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Dibujado con el detector en %1 y frecuencia %2: los 30 caminos de la fuente por la línea de puntos, sin lente, al detector, sus vectores de fotón bajo el detector, la curva del tiempo y la espiral de los vectores de fotón puestos uno tras otro.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the paths from the source through the screen&apos;s gap of %3 points to the detector, their photon vectors under the detector, the time curve of all 30 points and the spiral of the photon vectors laid head to tail.</source>
        <translation>Dibujado con el detector en %1 y frecuencia %2: los caminos de la fuente por la rendija de la pantalla, de %3 puntos, al detector, sus vectores de fotón bajo el detector, la curva del tiempo de los 30 puntos y la espiral de los vectores de fotón puestos uno tras otro.</translation>
    </message>
    <message>
        <source>A source in air stands above a water surface, and a detector in the water below it; light is %1 times slower in water.</source>
        <translation>Una fuente en el aire está sobre una superficie de agua y un detector en el agua debajo; en el agua la luz es %1 veces más lenta.</translation>
    </message>
    <message>
        <source>A source in air stands above a glass surface, and a detector in the glass below it; light is %1 times slower in glass.</source>
        <translation>Una fuente en el aire está sobre una superficie de vidrio y un detector en el vidrio debajo; en el vidrio la luz es %1 veces más lenta.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with a lens of glass on it, and a detector below it; the lens delays each path so that every path to its focus, straight below the source, takes the same time.</source>
        <translation>Una fuente está sobre una línea de 30 puntos con una lente de vidrio encima y un detector debajo; la lente retrasa cada camino para que todo camino a su foco, justo bajo la fuente, tarde el mismo tiempo.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with no lens on it, and a detector below it.</source>
        <translation>Una fuente está sobre una línea de 30 puntos sin lente encima y un detector debajo.</translation>
    </message>
    <message>
        <source>A source stands above a screen, and a detector below it; light passes the screen only through its gap, %1 of the line&apos;s 30 points. Start draws the time of the path via each point, and for each point in the gap the path of light, its photon vector and a link of the spiral of the photon vectors laid head to tail.</source>
        <translation>Una fuente está sobre una pantalla y un detector debajo; la luz solo pasa la pantalla por su rendija, %1 de los 30 puntos de la línea. Iniciar dibuja el tiempo del camino por cada punto y, para cada punto de la rendija, el camino de la luz, su vector de fotón y un eslabón de la espiral de los vectores de fotón puestos uno tras otro.</translation>
    </message>
    <message>
        <source>Start draws, for each of the line&apos;s 30 points, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Iniciar dibuja, para cada uno de los 30 puntos de la línea, el camino de la luz por él, su vector de fotón, su tiempo y una espiral de los vectores de fotón puestos uno tras otro.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2: the path via point %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Dibujando con el detector en %1 y frecuencia %2: el camino por el punto %3 de 30, su vector de fotón, su tiempo y el siguiente eslabón de la espiral.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 stopped after point %3 of 30: a setting is not a number.</source>
        <translation>El dibujo con el detector en %1 y frecuencia %2 se detuvo tras el punto %3 de 30: un ajuste no es un número.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 was stopped after point %3 of 30.</source>
        <translation>El dibujo con el detector en %1 y frecuencia %2 se detuvo tras el punto %3 de 30.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2.</source>
        <translation>Dibujado con el detector en %1 y frecuencia %2.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with a gap of %2 points, the detector at %3 and frequency %4.</source>
        <translation>Iniciar dibujará la escena «%1» con una rendija de %2 puntos, el detector en %3 y frecuencia %4.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with the detector at %2 and frequency %3.</source>
        <translation>Iniciar dibujará la escena «%1» con el detector en %2 y frecuencia %3.</translation>
    </message>
    <message>
        <source>The gap is as wide as the line: all 30 paths pass, as with no screen.</source>
        <translation>La rendija es tan ancha como la línea: pasan los 30 caminos, como sin pantalla.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the path nearest to where the path of least time crosses, %2 pixels from it; the screen stops it, so it is not drawn.</source>
        <translation>El camino marcado, por el punto %1 de 30, es el camino más cercano al punto donde cruza el camino de tiempo mínimo, a %2 píxeles de él; la pantalla lo detiene, así que no está dibujado.</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>&quot;%1&quot; is not taken: the distance is a whole number from %2 to %3.</source>
        <translation>«%1» no se acepta: la distancia es un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken: the frequency is a number from %2 to %3 in tenths, such as %4.</source>
        <translation>«%1» no se acepta: la frecuencia es un número de %2 a %3 en décimas, como %4.</translation>
    </message>
</context>
<context>
    <name>WindowLabels</name>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Cornu spiral and sum vector</source>
        <translation>Espiral de Cornu y vector suma</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Pulse el botón Iniciar</translation>
    </message>
    <message>
        <source>Time (length)</source>
        <translation>Tiempo (longitud)</translation>
    </message>
    <message>
        <source>Photon vectors after reaching the detector</source>
        <translation>Vectores de fotón al llegar al detector</translation>
    </message>
    <message>
        <source>Distance from middle of the mirror</source>
        <translation>Distancia al centro del espejo</translation>
    </message>
    <message>
        <source>Difraction on mirror</source>
        <translation>Difracción en el espejo</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no language &apos;%1&apos;; English is shown. The languages are %2.</source>
        <translation>no existe el idioma «%1»; se muestra inglés. Los idiomas son %2.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Pruebe «quorvel --help» para más información.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; --scale %4 fits.</source>
        <translation>--scale %1 hace la ventana de %2 píxeles, más que los %3 que la pantalla tiene para ella; cabe con --scale %4.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; no scale fits.</source>
        <translation>--scale %1 hace la ventana de %2 píxeles, más que los %3 que la pantalla tiene para ella; no cabe ninguna escala.</translation>
    </message>
</context>
</TS>
