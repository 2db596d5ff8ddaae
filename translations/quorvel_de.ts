<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AccessiblePicture</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>BrightnessGraph</name>
    <message>
        <source>Distance from the middle (250 is left)</source>
        <translation>Abstand von der Mitte (250 ist links)</translation>
    </message>
    <message>
        <source>grey: whole mirror</source>
        <translation>grau: ganzer Spiegel</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any distance.</source>
        <translation>Bei Frequenz %1 erreicht in keinem Abstand Licht den Detektor.</translation>
    </message>
    <message>
        <source>At frequency %1 this mirror is brightest at distance %2, %3; at the pair, distance %4, it gives %5.</source>
        <translation>Bei Frequenz %1 ist dieser Spiegel im Abstand %2 am hellsten, %3; beim Paar, im Abstand %4, ergibt er %5.</translation>
    </message>
    <message>
        <source>The whole mirror is brightest at distance %1, %2.</source>
        <translation>Der ganze Spiegel ist im Abstand %1 am hellsten, %2.</translation>
    </message>
    <message>
        <source>Brightness against distance, %1 at the left to %2 at the right, as the pair stands in the picture.</source>
        <translation>Helligkeit über dem Abstand, %1 links bis %2 rechts, wie das Paar im Bild steht.</translation>
    </message>
    <message>
        <source>The grey curve, light into glass, is brightest with the detector at %1, %2.</source>
        <translation>Die graue Kurve, Licht ins Glas, ist am hellsten mit dem Detektor bei %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, light into water, is brightest with the detector at %1, %2.</source>
        <translation>Die graue Kurve, Licht ins Wasser, ist am hellsten mit dem Detektor bei %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line without the lens, is brightest with the detector at %1, %2.</source>
        <translation>Die graue Kurve, dieselbe Linie ohne die Linse, ist am hellsten mit dem Detektor bei %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line with the lens, is brightest with the detector at %1, %2.</source>
        <translation>Die graue Kurve, dieselbe Linie mit der Linse, ist am hellsten mit dem Detektor bei %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the line with no screen, is brightest with the detector at %1, %2.</source>
        <translation>Die graue Kurve, die Linie ohne Schirm, ist am hellsten mit dem Detektor bei %1, %2.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source; moved off it, the graph tells how much of the light on that line reaches it.</source>
        <translation>Der Detektor steht auf der geraden Linie unter der Quelle; von ihr weg bewegt, zeigt der Graph, wie viel vom Licht auf dieser Linie ihn erreicht.</translation>
    </message>
    <message>
        <source>At the detector&apos;s place, %1 pixels off the straight line below the source, a gap of %2 points sends %3 times the light it sends on that line; with no screen %4 times, and with the narrowest gap, %5 points, %6 times.</source>
        <translation>Am Ort des Detektors, %1 Pixel neben der geraden Linie unter der Quelle, sendet ein Spalt von %2 Punkten das %3-Fache des Lichts, das er auf diese Linie sendet; ohne Schirm das %4-Fache, und mit dem schmalsten Spalt, %5 Punkte, das %6-Fache.</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any place.</source>
        <translation>Bei Frequenz %1 erreicht an keiner Stelle Licht den Detektor.</translation>
    </message>
    <message>
        <source>At frequency %1 the light is brightest with the detector at %2, %3 of all thirty paths in step; at the detector&apos;s place, %4, it is %5.</source>
        <translation>Bei Frequenz %1 ist das Licht am hellsten mit dem Detektor bei %2, %3 aller dreißig Wege im Gleichtakt; am Ort des Detektors, %4, ist es %5.</translation>
    </message>
    <message>
        <source>Brightness against the detector&apos;s place, %1 at the left to %2 at the right, as the detector stands in the picture.</source>
        <translation>Helligkeit über dem Ort des Detektors, %1 links bis %2 rechts, wie der Detektor im Bild steht.</translation>
    </message>
    <message>
        <source>Far to the side a curve rises because every path&apos;s arrow here has the same length, however long and slanted the path, and more of them stay in step there; real light would grow fainter with the distance.</source>
        <translation>Weit zur Seite steigt eine Kurve an, weil hier jeder Pfeil eines Weges gleich lang ist, wie lang und schräg der Weg auch ist, und dort mehr von ihnen im Gleichtakt bleiben; wirkliches Licht würde mit der Entfernung schwächer.</translation>
    </message>
    <message>
        <source>(as bright at %1)</source>
        <translation>(genauso hell bei %1)</translation>
    </message>
    <message>
        <source>The second frequency is the same as the first, so its curve lies on the first&apos;s.</source>
        <translation>Die zweite Frequenz ist dieselbe wie die erste, daher liegt ihre Kurve auf der ersten.</translation>
    </message>
</context>
<context>
    <name>BrightnessGraphView</name>
    <message>
        <source>A click moves the source and the detector to the distance under it</source>
        <translation>Ein Klick setzt Quelle und Detektor auf den Abstand darunter</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the windowing platform: xcb, wayland, offscreen, ...</source>
        <translation>die Fensterplattform: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>the X display to open, such as :0</source>
        <translation>die zu öffnende X-Anzeige, etwa :0</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>das Thema der Plattform</translation>
    </message>
    <message>
        <source>a folder of platform plugins</source>
        <translation>ein Ordner mit Plattform-Plugins</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>ein zu ladendes Eingabe-Plugin</translation>
    </message>
    <message>
        <source>the widget style, such as Fusion</source>
        <translation>der Stil der Bedienelemente, etwa Fusion</translation>
    </message>
    <message>
        <source>a style sheet to apply</source>
        <translation>ein anzuwendendes Stylesheet</translation>
    </message>
    <message>
        <source>the window&apos;s size and place, such as 800x600+0+0</source>
        <translation>Größe und Lage des Fensters, etwa 800x600+0+0</translation>
    </message>
    <message>
        <source>the same as -qwindowgeometry</source>
        <translation>dasselbe wie -qwindowgeometry</translation>
    </message>
    <message>
        <source>the window&apos;s caption</source>
        <translation>der Titel des Fensters</translation>
    </message>
    <message>
        <source>the window&apos;s icon</source>
        <translation>das Symbol des Fensters</translation>
    </message>
    <message>
        <source>the application name the desktop sees</source>
        <translation>der Anwendungsname, den die Arbeitsumgebung sieht</translation>
    </message>
    <message>
        <source>the session to restore</source>
        <translation>die wiederherzustellende Sitzung</translation>
    </message>
    <message>
        <source>lay the window out from right to left</source>
        <translation>das Fenster von rechts nach links anordnen</translation>
    </message>
    <message>
        <source>never grab the mouse or keyboard</source>
        <translation>Maus und Tastatur nie exklusiv belegen</translation>
    </message>
    <message>
        <source>grab even when running in a debugger</source>
        <translation>auch im Debugger exklusiv belegen</translation>
    </message>
    <message>
        <source>talk to the X server synchronously</source>
        <translation>synchron mit dem X-Server sprechen</translation>
    </message>
    <message>
        <source>%1 was given more than once</source>
        <translation>%1 wurde mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>%1 takes %2, but was given &apos;%3&apos;</source>
        <translation>%1 erwartet %2, bekam aber „%3“</translation>
    </message>
    <message>
        <source>takes no file or other argument, but was given &apos;%1&apos;</source>
        <translation>nimmt keine Datei und kein anderes Argument, bekam aber „%1“</translation>
    </message>
    <message>
        <source>--scale takes a factor from %1 to %2, such as 1.5, but was given &apos;%3&apos;</source>
        <translation>--scale erwartet einen Faktor von %1 bis %2, etwa 1.5, bekam aber „%3“</translation>
    </message>
    <message>
        <source>Usage: quorvel [option...]</source>
        <translation>Aufruf: quorvel [Option...]</translation>
    </message>
    <message>
        <source>Shows how a mirror reflects light in the sum-over-paths picture.</source>
        <translation>Zeigt, wie ein Spiegel Licht reflektiert, im Bild der Summe über alle Wege.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>diese Hilfe zeigen und enden</translation>
    </message>
    <message>
        <source>show the name and version and end</source>
        <translation>Namen und Version zeigen und enden</translation>
    </message>
    <message>
        <source>draw the whole window factor times as large, sharp, for a projector: from 1 to 4, such as 1.5</source>
        <translation>das ganze Fenster factor-mal so groß und scharf zeichnen, für einen Beamer: 1 bis 4, etwa 1.5</translation>
    </message>
    <message>
        <source>A setting that only the explore panel offers opens the panel, as --explore does. The same settings make a link to the page: ?distance=250&amp;speed=5</source>
        <translation>Eine Einstellung, die nur die Erkundungsleiste bietet, öffnet die Leiste wie --explore. Dieselben Einstellungen ergeben einen Link zur Seite: ?distance=250&amp;speed=5</translation>
    </message>
    <message>
        <source>Options of the toolkit:</source>
        <translation>Optionen des Toolkits:</translation>
    </message>
    <message>
        <source>there is no option &apos;%1&apos;</source>
        <translation>es gibt keine Option „%1“</translation>
    </message>
    <message>
        <source>--lang takes a language code such as de, but was given &apos;%1&apos;</source>
        <translation>--lang nimmt einen Sprachcode wie de, bekam aber „%1“</translation>
    </message>
    <message>
        <source>the explore panel&apos;s mirror: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, or 30 digits from the left, 1 for a segment that reflects, 0 for one scraped off</source>
        <translation>der Spiegel des Erkundungsfelds: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, oder 30 Ziffern von links, 1 für ein spiegelndes Segment, 0 für ein abgekratztes</translation>
    </message>
    <message>
        <source>how the explore panel measures a path: window (the window&apos;s measure) or legs (its real length)</source>
        <translation>wie das Erkundungsfeld einen Weg misst: window (das Maß des Fensters) oder legs (seine wirkliche Länge)</translation>
    </message>
    <message>
        <source>start at this distance: 0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>mit diesem Abstand beginnen: 0 oder 250, oder für die Erkundungsleiste eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>start at this frequency: 1 or 2, or for the explore panel from %1 to %2 in tenths, such as 1.5 (to %3 with --measure legs)</source>
        <translation>mit dieser Frequenz beginnen: 1 oder 2, oder für das Erkundungsfeld von %1 bis %2 in Zehnteln, etwa 1.5 (bis %3 mit --measure legs)</translation>
    </message>
    <message>
        <source>start with the speed scroll bar here, from %1 to %2</source>
        <translation>mit dem Geschwindigkeitsregler hier beginnen, %1 bis %2</translation>
    </message>
    <message>
        <source>the language to show instead of the desktop&apos;s: %1; any other shows English</source>
        <translation>die Sprache statt der der Arbeitsumgebung: %1; jede andere zeigt Englisch</translation>
    </message>
    <message>
        <source>the width of the screen&apos;s gap: %1</source>
        <translation>die Breite der Lücke im Schirm: %1</translation>
    </message>
    <message>
        <source>the scene the explore panel shows, which opens it beyond the mirror: %1</source>
        <translation>die Szene, die das Erkundungsfeld zeigt; jede außer dem Spiegel öffnet es: %1</translation>
    </message>
    <message>
        <source>open the Explore the paths panel with the window</source>
        <translation>die Leiste „Wege erkunden“ mit dem Fenster öffnen</translation>
    </message>
</context>
<context>
    <name>ExplorePanel</name>
    <message>
        <source>Brightness against distance</source>
        <translation>Helligkeit über dem Abstand</translation>
    </message>
    <message>
        <source>Whole mirror</source>
        <translation>Ganzer Spiegel</translation>
    </message>
    <message>
        <source>Middle third</source>
        <translation>Mittleres Drittel</translation>
    </message>
    <message>
        <source>Outer thirds</source>
        <translation>Äußere Drittel</translation>
    </message>
    <message>
        <source>Grating</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Distance in pixels</source>
        <translation>Abstand in Pixeln</translation>
    </message>
    <message>
        <source>Frequency in tenths</source>
        <translation>Frequenz in Zehnteln</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Mirror segments</source>
        <translation>Spiegelsegmente</translation>
    </message>
    <message>
        <source>Around least time</source>
        <translation>Um die kürzeste Zeit</translation>
    </message>
    <message>
        <source>Away from it</source>
        <translation>Abseits davon</translation>
    </message>
    <message>
        <source>Away from least time</source>
        <translation>Abseits der kürzesten Zeit</translation>
    </message>
    <message>
        <source>How a path&apos;s length is measured</source>
        <translation>Wie die Länge eines Weges gemessen wird</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Weglänge</translation>
    </message>
    <message>
        <source>Second frequency on the graph</source>
        <translation>Zweite Frequenz im Diagramm</translation>
    </message>
    <message>
        <source>Second frequency</source>
        <translation>Zweite Frequenz</translation>
    </message>
    <message>
        <source>Explore the paths</source>
        <translation>Wege erkunden</translation>
    </message>
</context>
<context>
    <name>ExploreWords</name>
    <message>
        <source>segment %1 of 30, on</source>
        <translation>Segment %1 von 30, an</translation>
    </message>
    <message>
        <source>segment %1 of 30, off</source>
        <translation>Segment %1 von 30, aus</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle; the whole mirror here sends none</source>
        <translation>%1 des Lichts eines ganzen Spiegels in der Mitte; der ganze Spiegel hier schickt keines</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle, %2 times that of the whole mirror here</source>
        <translation>%1 des Lichts eines ganzen Spiegels in der Mitte, das %2-Fache dessen des ganzen Spiegels hier</translation>
    </message>
    <message>
        <source>the whole mirror here sends no light</source>
        <translation>der ganze Spiegel hier schickt kein Licht</translation>
    </message>
    <message>
        <source>%1 times as likely as with the whole mirror here</source>
        <translation>%1-mal so wahrscheinlich wie mit dem ganzen Spiegel hier</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against a whole mirror at the middle and against the whole mirror at the same place. The bar is full at the most light any mirror sends at this frequency.</source>
        <translation>Wie wahrscheinlich Licht den Detektor erreicht, das Quadrat der Länge des Summenvektors, gegenüber einem ganzen Spiegel in der Mitte und gegenüber dem ganzen Spiegel an derselben Stelle. Der Balken ist voll beim meisten Licht, das irgendein Spiegel bei dieser Frequenz schickt.</translation>
    </message>
    <message>
        <source>Real length (the two legs)</source>
        <translation>Wirkliche Länge (beide Teilstrecken)</translation>
    </message>
    <message>
        <source>Window&apos;s (shorter than real)</source>
        <translation>Wie im Fenster (kürzer als wirklich)</translation>
    </message>
    <message>
        <source>Path lengths: %1.</source>
        <translation>Weglängen: %1.</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 segments show truly with these lengths.</source>
        <translation>Frequenz auf %1 gesenkt, die höchste, die 30 Segmente mit diesen Längen richtig zeigen.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 segments show truly with real lengths, so paths are measured as the window measures them again.</source>
        <translation>Frequenz %1 zeigen 30 Segmente mit wirklichen Längen nicht mehr richtig, darum werden die Wege wieder wie im Fenster gemessen.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: the ends do not cancel at any frequency the panel reaches here.</source>
        <translation>Bei Frequenz %1 geben die äußeren Drittel %2 und das mittlere Drittel %3: Die Enden heben sich hier bei keiner Frequenz auf, die das Feld erreicht.</translation>
    </message>
    <message>
        <source>With the pair away from the middle, the middle third is not around the least-time point, so the outer thirds are not the ends that cancel.</source>
        <translation>Steht das Paar nicht über der Mitte, liegt das mittlere Drittel nicht um den Punkt der kürzesten Zeit, und die äußeren Drittel sind nicht die Enden, die sich aufheben.</translation>
    </message>
    <message>
        <source>Try frequency %1</source>
        <translation>Frequenz %1 versuchen</translation>
    </message>
    <message>
        <source>Move the pair to the middle</source>
        <translation>Paar in die Mitte stellen</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that without the lens here</source>
        <translation>%1 des Lichts aller dreißig Wege im Gleichtakt, das %2-Fache dessen ohne die Linse hier</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; without the lens here none arrives</source>
        <translation>%1 des Lichts aller dreißig Wege im Gleichtakt; ohne die Linse kommt hier keines an</translation>
    </message>
    <message>
        <source>%1 times as likely as without the lens here</source>
        <translation>%1-mal so wahrscheinlich wie ohne die Linse hier</translation>
    </message>
    <message>
        <source>without the lens here no light arrives</source>
        <translation>ohne die Linse kommt hier kein Licht an</translation>
    </message>
    <message>
        <source>The second figure is against the same line without the lens, with the detector at the same place.</source>
        <translation>Die zweite Zahl ist gemessen an derselben Linie ohne die Linse, mit dem Detektor an derselben Stelle.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with the lens here</source>
        <translation>%1 des Lichts aller dreißig Wege im Gleichtakt, das %2-Fache dessen mit der Linse hier</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with the lens here none arrives</source>
        <translation>%1 des Lichts aller dreißig Wege im Gleichtakt; mit der Linse kommt hier keines an</translation>
    </message>
    <message>
        <source>%1 times as likely as with the lens here</source>
        <translation>%1-mal so wahrscheinlich wie mit der Linse hier</translation>
    </message>
    <message>
        <source>with the lens here no light arrives</source>
        <translation>mit der Linse kommt hier kein Licht an</translation>
    </message>
    <message>
        <source>The second figure is against the same line with the lens, with the detector at the same place.</source>
        <translation>Die zweite Zahl ist gemessen an derselben Linie mit der Linse, mit dem Detektor an derselben Stelle.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with no screen here</source>
        <translation>%1 des Lichts aller dreißig Wege im Gleichtakt, das %2-Fache dessen ohne Schirm hier</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with no screen here none arrives</source>
        <translation>%1 des Lichts aller dreißig Wege im Gleichtakt; ohne Schirm kommt hier keines an</translation>
    </message>
    <message>
        <source>%1 times as likely as with no screen here</source>
        <translation>%1-mal so wahrscheinlich wie ohne Schirm hier</translation>
    </message>
    <message>
        <source>with no screen here no light arrives</source>
        <translation>ohne Schirm kommt hier kein Licht an</translation>
    </message>
    <message>
        <source>The second figure is against the line with no screen, with the detector at the same place.</source>
        <translation>Die zweite Zahl ist gemessen an der Linie ohne Schirm, mit dem Detektor an derselben Stelle.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step</source>
        <translation>%1 des Lichts aller dreißig Wege im Gleichtakt</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against all thirty paths in step, the most they can send; the bar is full there.</source>
        <translation>Wie wahrscheinlich Licht den Detektor erreicht, das Quadrat der Länge des Summenvektors, gemessen an allen dreißig Wegen im Gleichtakt, dem meisten, was sie senden können; dort ist der Balken voll.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: here each end&apos;s arrows go partway round a circle without closing it, so they do not cancel.</source>
        <translation>Bei Frequenz %1 geben die äußeren Drittel %2 und das mittlere Drittel %3: Die Pfeile jedes Endes laufen hier ein Stück um einen Kreis, ohne ihn zu schließen, also heben sie sich nicht auf.</translation>
    </message>
</context>
<context>
    <name>KeyboardHelp</name>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Zum nächsten oder vorigen Bedienelement gehen</translation>
    </message>
    <message>
        <source>Left, Right, Up, Down</source>
        <translation>Links, Rechts, Hoch, Runter</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Pos1, Ende</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Press the button, or switch the segment, that has the focus</source>
        <translation>Die Schaltfläche drücken oder das Segment umschalten, das den Fokus hat</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Die Schaltfläche drücken, die den Fokus hat</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Strg+E</translation>
    </message>
    <message>
        <source>Shift+F10, Menu</source>
        <translation>Umschalt+F10, Menü</translation>
    </message>
    <message>
        <source>Open the picture&apos;s menu</source>
        <translation>Das Menü des Bildes öffnen</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Strg+C</translation>
    </message>
    <message>
        <source>Copy the picture</source>
        <translation>Das Bild kopieren</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Show these keys</source>
        <translation>Diese Tasten zeigen</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Show the window on the whole screen, or leave the full screen</source>
        <translation>Das Fenster auf dem ganzen Bildschirm zeigen oder das Vollbild verlassen</translation>
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
        <translation>Diese Hilfe schließen</translation>
    </message>
    <message>
        <source>Keys of Quorvel</source>
        <translation>Tasten von Quorvel</translation>
    </message>
    <message>
        <source>Stop a run at once, and drop what was pressed during it</source>
        <translation>Einen Lauf sofort anhalten und verwerfen, was währenddessen gedrückt wurde</translation>
    </message>
    <message>
        <source>Save the picture as PNG, SVG or JPEG</source>
        <translation>Das Bild als PNG, SVG oder JPEG speichern</translation>
    </message>
    <message>
        <source>Open or close Explore the paths</source>
        <translation>„Wege erkunden“ öffnen oder schließen</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Bild auf, Bild ab</translation>
    </message>
    <message>
        <source>Move a slider of the explore panel by a larger step, or %3 segments along the mirror</source>
        <translation>Einen Regler der Erkundungsleiste um einen größeren Schritt bewegen, oder %3 Segmente am Spiegel entlang gehen</translation>
    </message>
    <message>
        <source>Move the speed to %1 or %2, or a slider to its end; go to the first or the last segment</source>
        <translation>Die Geschwindigkeit auf %1 oder %2 stellen, oder einen Regler an sein Ende; zum ersten oder letzten Segment gehen</translation>
    </message>
    <message>
        <source>Choose the other option of a group, or with Up and Down another in a list; move the speed or a slider by one step; move along the mirror&apos;s segments</source>
        <translation>Die andere Option einer Gruppe wählen, oder mit Hoch und Runter eine andere in einer Liste; die Geschwindigkeit oder einen Regler um einen Schritt bewegen; an den Segmenten des Spiegels entlang gehen</translation>
    </message>
</context>
<context>
    <name>KeyboardHelpDialog</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Was sie tun</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Animation speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>JPEG-Bild (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Verlangsamung der Animation, von %1 links bis %2 rechts</translation>
    </message>
</context>
<context>
    <name>MainFormModel</name>
    <message>
        <source>quorvel: Start stopped: %1</source>
        <translation>quorvel: Start angehalten: %1</translation>
    </message>
    <message>
        <source>Carried out after the run: %1.</source>
        <translation>Nach dem Durchlauf ausgeführt: %1.</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel wurde beendet.</translation>
    </message>
    <message>
        <source>Stopped after segment %1 of 30.</source>
        <translation>Nach Segment %1 von 30 angehalten.</translation>
    </message>
    <message>
        <source>What was pressed during the run is dropped.</source>
        <translation>Was während des Laufs gedrückt wurde, wird verworfen.</translation>
    </message>
    <message>
        <source>Brightness %1.</source>
        <translation>Helligkeit %1.</translation>
    </message>
    <message>
        <source>Then %1.</source>
        <translation>Danach: %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>PNG speichern</translation>
    </message>
    <message>
        <source>Save SVG</source>
        <translation>SVG speichern</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel wurde beendet.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Erneut starten</translation>
    </message>
    <message>
        <source>Quorvel is loading…</source>
        <translation>Quorvel wird geladen…</translation>
    </message>
    <message>
        <source>Quorvel could not start: %1</source>
        <translation>Quorvel konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>segment %1 of 30</source>
        <translation>Segment %1 von 30</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>Das Bild konnte nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Link copied.</source>
        <translation>Link kopiert.</translation>
    </message>
    <message>
        <source>The link could not be copied: %1</source>
        <translation>Der Link konnte nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Picture copied.</source>
        <translation>Bild kopiert.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>250 is left of the middle, as in the picture</source>
        <translation>250 ist links der Mitte, wie im Bild</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Verlangsamung der Animation, von %1 links bis %2 rechts</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message>
        <source>distance %1 and frequency %2</source>
        <translation>Abstand %1 und Frequenz %2</translation>
    </message>
    <message>
        <source>No segment of the mirror reflects, so no path reaches the detector.</source>
        <translation>Kein Segment des Spiegels reflektiert, also erreicht kein Weg den Detektor.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, at the middle of the mirror.</source>
        <translation>Der Weg der kürzesten Zeit wird an Segment %1 von 30 reflektiert, in der Mitte des Spiegels.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, right of the middle of the mirror.</source>
        <translation>Der Weg der kürzesten Zeit wird an Segment %1 von 30 reflektiert, rechts von der Mitte des Spiegels.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, left of the middle of the mirror.</source>
        <translation>Der Weg der kürzesten Zeit wird an Segment %1 von 30 reflektiert, links von der Mitte des Spiegels.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, at the middle of the mirror.</source>
        <translation>Der Weg der kürzesten Zeit wird an den Segmenten %1 und %2 von 30 reflektiert, in der Mitte des Spiegels.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, right of the middle of the mirror.</source>
        <translation>Der Weg der kürzesten Zeit wird an den Segmenten %1 und %2 von 30 reflektiert, rechts von der Mitte des Spiegels.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, left of the middle of the mirror.</source>
        <translation>Der Weg der kürzesten Zeit wird an den Segmenten %1 und %2 von 30 reflektiert, links von der Mitte des Spiegels.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: the photon vectors turn every way and nearly cancel, so little light arrives.</source>
        <translation>Der Summenvektor ist %1 Photonenvektoren lang, also erhält der Detektor %2 des Lichts eines ganzen Spiegels in der Mitte: Die Photonenvektoren zeigen in alle Richtungen und heben sich fast auf, also kommt wenig Licht an.</translation>
    </message>
    <message>
        <source>Of the mirror&apos;s 30 segments %1 reflect; the others are scraped off.</source>
        <translation>Von den 30 Segmenten des Spiegels reflektieren %1; die anderen sind abgekratzt.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2: the path via segment %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Zeichnung für Abstand %1 und Frequenz %2: der Weg über Segment %3 von 30, sein Photonenvektor, seine Zeit und das nächste Glied der Spirale.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 stopped after segment %3 of 30: a setting is not a number.</source>
        <translation>Die Zeichnung für Abstand %1 und Frequenz %2 hielt nach Segment %3 von 30 an: eine Einstellung ist keine Zahl.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2: the 30 paths from the source via the mirror to the detector, their photon vectors under the mirror, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Gezeichnet für Abstand %1 und Frequenz %2: die 30 Wege von der Quelle über den Spiegel zum Detektor, ihre Photonenvektoren unter dem Spiegel, die Zeitkurve und die Spirale der aneinandergereihten Photonenvektoren.</translation>
    </message>
    <message>
        <source>A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Eine Quelle und ein Detektor stehen über einem Spiegel aus 30 Segmenten. Start zeichnet für jedes Segment den Weg des Lichts darüber, seinen Photonenvektor, seine Zeit und eine Spirale der aneinandergereihten Photonenvektoren.</translation>
    </message>
    <message>
        <source>Start will draw distance %1 and frequency %2.</source>
        <translation>Start zeichnet Abstand %1 und Frequenz %2.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2.</source>
        <translation>Gezeichnet für Abstand %1 und Frequenz %2.</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>Geschwindigkeit %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>Abstand %1</translation>
    </message>
    <message>
        <source>frequency %1</source>
        <translation>Frequenz %1</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 was stopped after segment %3 of 30.</source>
        <translation>Das Zeichnen für Abstand %1 und Frequenz %2 wurde nach Segment %3 von 30 angehalten.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, at the middle of the mirror, but that segment is scraped off.</source>
        <translation>Der Weg der kürzesten Zeit würde an Segment %1 von 30 reflektiert, in der Mitte des Spiegels, aber dieses Segment ist abgekratzt.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, right of the middle of the mirror, but that segment is scraped off.</source>
        <translation>Der Weg der kürzesten Zeit würde an Segment %1 von 30 reflektiert, rechts von der Mitte des Spiegels, aber dieses Segment ist abgekratzt.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, left of the middle of the mirror, but that segment is scraped off.</source>
        <translation>Der Weg der kürzesten Zeit würde an Segment %1 von 30 reflektiert, links von der Mitte des Spiegels, aber dieses Segment ist abgekratzt.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, at the middle of the mirror, but both are scraped off.</source>
        <translation>Der Weg der kürzesten Zeit würde zwischen den Segmenten %1 und %2 von 30 reflektiert, in der Mitte des Spiegels, aber beide sind abgekratzt.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, right of the middle of the mirror, but both are scraped off.</source>
        <translation>Der Weg der kürzesten Zeit würde zwischen den Segmenten %1 und %2 von 30 reflektiert, rechts von der Mitte des Spiegels, aber beide sind abgekratzt.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, left of the middle of the mirror, but both are scraped off.</source>
        <translation>Der Weg der kürzesten Zeit würde zwischen den Segmenten %1 und %2 von 30 reflektiert, links von der Mitte des Spiegels, aber beide sind abgekratzt.</translation>
    </message>
    <message>
        <source>Of the two, segment %1 is scraped off.</source>
        <translation>Von den beiden ist Segment %1 abgekratzt.</translation>
    </message>
    <message>
        <source>All of the sum comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>Die ganze Summe kommt von Segmenten fern vom Weg der kürzesten Zeit, da die um ihn abgekratzt sind.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from the segments around the path of least time.</source>
        <translation>Das meiste der Summe, %1 ihrer %2 Photonenvektoren, kommt von den Segmenten um den Weg der kürzesten Zeit.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from segments far from the path of least time.</source>
        <translation>Das meiste der Summe, %1 ihrer %2 Photonenvektoren, kommt von Segmenten fern vom Weg der kürzesten Zeit.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle.</source>
        <translation>Der Summenvektor ist %1 Photonenvektoren lang, also erhält der Detektor %2 des Lichts eines ganzen Spiegels in der Mitte.</translation>
    </message>
    <message>
        <source>The %1 strips left make a grating: each kept photon vector points within a quarter turn of one direction, so each adds to the sum along it.</source>
        <translation>Die %1 verbliebenen Streifen bilden ein Gitter: Jeder verbliebene Photonenvektor zeigt innerhalb einer Vierteldrehung von einer Richtung, also trägt jeder entlang dieser zur Summe bei.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: all of it comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>Der Summenvektor ist %1 Photonenvektoren lang, also erhält der Detektor %2 des Lichts eines ganzen Spiegels in der Mitte: Alles kommt von Segmenten fern vom Weg der kürzesten Zeit, da die um ihn abgekratzt sind.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it, %3 of its %1 photon vectors, comes from segments far from the path of least time.</source>
        <translation>Der Summenvektor ist %1 Photonenvektoren lang, also erhält der Detektor %2 des Lichts eines ganzen Spiegels in der Mitte: Das meiste, %3 seiner %1 Photonenvektoren, kommt von Segmenten fern vom Weg der kürzesten Zeit.</translation>
    </message>
    <message>
        <source>The whole mirror at this place sends no light to the detector.</source>
        <translation>Der ganze Spiegel an dieser Stelle schickt kein Licht zum Detektor.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the whole mirror at this place: the square of the sum vector&apos;s length against the whole mirror&apos;s.</source>
        <translation>Licht erreicht den Detektor %1-mal so wahrscheinlich wie mit dem ganzen Spiegel an dieser Stelle: das Quadrat der Länge des Summenvektors gegenüber dem des ganzen Spiegels.</translation>
    </message>
    <message>
        <source>Each path is measured by its real length, its two legs added.</source>
        <translation>Jeder Weg wird mit seiner wirklichen Länge gemessen, beide Teilstrecken addiert.</translation>
    </message>
    <message>
        <source>path lengths: %1</source>
        <translation>Weglängen: %1</translation>
    </message>
    <message>
        <source>second frequency %1</source>
        <translation>zweite Frequenz %1</translation>
    </message>
    <message>
        <source>no second frequency</source>
        <translation>keine zweite Frequenz</translation>
    </message>
    <message>
        <source>the explore panel opened</source>
        <translation>das Erkundungsfeld geöffnet</translation>
    </message>
    <message>
        <source>the explore panel closed</source>
        <translation>das Erkundungsfeld geschlossen</translation>
    </message>
    <message>
        <source>The spiral and the sum vector are drawn at %1 of their full size, to fit in the picture.</source>
        <translation>Die Spirale und der Summenvektor sind auf %1 ihrer vollen Größe gezeichnet, damit sie ins Bild passen.</translation>
    </message>
    <message>
        <source>No segment reflects, so no photon vector reaches the detector and no light arrives.</source>
        <translation>Kein Segment spiegelt, also erreicht kein Photonenvektor den Detektor, und es kommt kein Licht an.</translation>
    </message>
    <message>
        <source>Every segment of the mirror is scraped off.</source>
        <translation>Jedes Segment des Spiegels ist abgekratzt.</translation>
    </message>
    <message>
        <source>the whole mirror put back</source>
        <translation>der ganze Spiegel wiederhergestellt</translation>
    </message>
    <message>
        <source>the mirror scraped to its middle third</source>
        <translation>der Spiegel bis auf das mittlere Drittel abgekratzt</translation>
    </message>
    <message>
        <source>the mirror scraped to its outer thirds</source>
        <translation>der Spiegel bis auf die äußeren Drittel abgekratzt</translation>
    </message>
    <message>
        <source>the mirror scraped into a grating</source>
        <translation>der Spiegel zu einem Gitter abgekratzt</translation>
    </message>
    <message>
        <source>the mirror scraped to the third around least time</source>
        <translation>der Spiegel bis auf das Drittel um die kürzeste Zeit abgekratzt</translation>
    </message>
    <message>
        <source>the third around least time scraped off</source>
        <translation>das Drittel um die kürzeste Zeit abgekratzt</translation>
    </message>
    <message>
        <source>the scene “%1” chosen</source>
        <translation>die Szene „%1“ gewählt</translation>
    </message>
    <message>
        <source>the screen&apos;s gap set to %1 points</source>
        <translation>der Spalt im Schirm auf %1 Punkte gesetzt</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay within its axes, under its label.</source>
        <translation>Die Zeitkurve ist auf %1 ihrer vollen Höhe gezeichnet, damit sie innerhalb ihrer Achsen unter ihrer Beschriftung bleibt.</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay clear of the photon vectors.</source>
        <translation>Die Zeitkurve ist auf %1 ihrer vollen Höhe gezeichnet, damit sie die Photonenvektoren nicht berührt.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it comes from the segments around the path of least time, whose photon vectors turn least from one to the next.</source>
        <translation>Der Summenvektor ist %1 Photonenvektoren lang, also erhält der Detektor %2 des Lichts eines ganzen Spiegels in der Mitte: Das meiste kommt von den Segmenten um den Weg der kürzesten Zeit, deren Photonenvektoren sich von einem zum nächsten am wenigsten drehen.</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: Quorvel saves pictures as .png, .svg or .jpg files.</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden: Quorvel speichert Bilder als .png-, .svg- oder .jpg-Dateien.</translation>
    </message>
</context>
<context>
    <name>SceneWords</name>
    <message>
        <source>Mirror</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Into water</source>
        <translation>Ins Wasser</translation>
    </message>
    <message>
        <source>Into glass</source>
        <translation>Ins Glas</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Linse</translation>
    </message>
    <message>
        <source>Same pair, no lens</source>
        <translation>Dasselbe Paar, ohne Linse</translation>
    </message>
    <message>
        <source>Narrow gap</source>
        <translation>Schmaler Spalt</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Gap in points</source>
        <translation>Spalt in Punkten</translation>
    </message>
    <message>
        <source>Detector&apos;s place</source>
        <translation>Ort des Detektors</translation>
    </message>
    <message>
        <source>Detector&apos;s distance from the middle</source>
        <translation>Abstand des Detektors von der Mitte</translation>
    </message>
    <message>
        <source>Detector&apos;s place from the middle (250 is left)</source>
        <translation>Ort des Detektors ab der Mitte (250 ist links)</translation>
    </message>
    <message>
        <source>grey: into glass</source>
        <translation>grau: ins Glas</translation>
    </message>
    <message>
        <source>grey: into water</source>
        <translation>grau: ins Wasser</translation>
    </message>
    <message>
        <source>grey: no lens</source>
        <translation>grau: ohne Linse</translation>
    </message>
    <message>
        <source>grey: with the lens</source>
        <translation>grau: mit der Linse</translation>
    </message>
    <message>
        <source>grey: no screen</source>
        <translation>grau: ohne Schirm</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the detector alone.</source>
        <translation>Szene „%1“: Der Abstand bewegt nur den Detektor.</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the source and the detector together.</source>
        <translation>Szene „%1“: Der Abstand bewegt Quelle und Detektor zusammen.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 paths through the line show truly, so the mirror is shown again.</source>
        <translation>Frequenz %1 geht über das hinaus, was 30 Wege durch die Linie wahrheitsgetreu zeigen, daher wird wieder der Spiegel gezeigt.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 paths through the line show truly here.</source>
        <translation>Frequenz auf %1 gesenkt, die höchste, die 30 Wege durch die Linie hier wahrheitsgetreu zeigen.</translation>
    </message>
    <message>
        <source>Frequency back to %1, as chosen before.</source>
        <translation>Frequenz wieder auf %1, wie zuvor gewählt.</translation>
    </message>
    <message>
        <source>Frequency back up to %1; the %2 chosen before is beyond what this scene shows truly.</source>
        <translation>Frequenz wieder auf %1 erhöht; die zuvor gewählte %2 geht über das hinaus, was diese Szene wahrheitsgetreu zeigt.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency brought down to %1.</source>
        <translation>Die zweite Frequenz des Diagramms auf %1 gesenkt.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency back up to %1.</source>
        <translation>Die zweite Frequenz des Diagramms wieder auf %1 erhöht.</translation>
    </message>
</context>
<context>
    <name>SegmentStrip</name>
    <message>
        <source>The mirror&apos;s segments: Left and Right move along them, Space switches one on or off</source>
        <translation>Die Segmente des Spiegels: Links und Rechts wandern an ihnen entlang, die Leertaste schaltet eines ein oder aus</translation>
    </message>
</context>
<context>
    <name>SettingNumber</name>
    <message>
        <source>slowdown (nSpomaleni)</source>
        <translation>Verlangsamung (nSpomaleni)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, whose pause is beyond the range of numbers</source>
        <translation>die Einstellung %1 enthält „%2“, deren Pause außerhalb des Zahlenbereichs liegt</translation>
    </message>
    <message>
        <source>distance (nPosun)</source>
        <translation>Abstand (nPosun)</translation>
    </message>
    <message>
        <source>frequency (nKmitocet)</source>
        <translation>Frequenz (nKmitocet)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, which is not a number</source>
        <translation>die Einstellung %1 enthält „%2“, was keine Zahl ist</translation>
    </message>
</context>
<context>
    <name>SetupReading</name>
    <message>
        <source>0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>0 oder 250, oder für das Erkundungsfeld eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>1 to open the explore panel, or 0</source>
        <translation>1, um das Erkundungsfeld zu öffnen, oder 0</translation>
    </message>
    <message>
        <source>30 digits from the left, 1 for a segment that reflects and 0 for one scraped off, or whole, middle-third, outer-thirds, grating, around-least-time or away-from-least-time</source>
        <translation>30 Ziffern von links, 1 für ein Segment, das spiegelt, und 0 für ein abgekratztes, oder whole, middle-third, outer-thirds, grating, around-least-time oder away-from-least-time</translation>
    </message>
    <message>
        <source>window for the window&apos;s measure of a path, or legs for its real length, the two legs added</source>
        <translation>window für das Maß des Fensters, oder legs für die wirkliche Länge, beide Teilstrecken addiert</translation>
    </message>
    <message>
        <source>; beyond the mirror to %1 for water, %2 for glass and %3 for the other scenes</source>
        <translation>; außer beim Spiegel bis %1 für Wasser, %2 für Glas und %3 für die anderen Szenen</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>eines von %1</translation>
    </message>
    <message>
        <source>an even number from %1 to %2, for the gap scene</source>
        <translation>eine gerade Zahl von %1 bis %2, für die Szene mit der Lücke</translation>
    </message>
    <message>
        <source>1 or 2, or for the explore panel a number from %1 to %2 in tenths, such as 1.5, and to %3 where the measure is legs</source>
        <translation>1 oder 2, oder für das Erkundungsfeld eine Zahl von %1 bis %2 in Zehnteln, etwa 1.5, und bis %3, wenn measure legs ist</translation>
    </message>
</context>
<context>
    <name>ThroughLineWords</name>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path of least time.</source>
        <translation>Der markierte Weg, über Punkt %1 von 30, ist der gezeichnete Weg der kürzesten Zeit.</translation>
    </message>
    <message>
        <source>The paths via points %1 and %2 of 30 take the same time, the least of the drawn paths, and the mark stands between them.</source>
        <translation>Die Wege über die Punkte %1 und %2 von 30 brauchen dieselbe Zeit, die kürzeste der gezeichneten Wege, und die Markierung steht zwischen ihnen.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line at its middle.</source>
        <translation>Der Weg der kürzesten Zeit kreuzt die Linie in ihrer Mitte.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels left of its middle.</source>
        <translation>Der Weg der kürzesten Zeit kreuzt die Linie %1 Pixel links von ihrer Mitte.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels right of its middle.</source>
        <translation>Der Weg der kürzesten Zeit kreuzt die Linie %1 Pixel rechts von ihrer Mitte.</translation>
    </message>
    <message>
        <source>It goes straight down through the surface below the source, so it does not bend.</source>
        <translation>Er geht unter der Quelle senkrecht durch die Oberfläche und knickt daher nicht.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in water: it bends there.</source>
        <translation>Die Sinus seiner Winkel zur Senkrechten sind %1 über der Oberfläche und %2 darunter, der eine das %3-Fache des anderen, so wie Licht im Wasser %4-mal langsamer ist: Dort knickt er.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in glass: it bends there.</source>
        <translation>Die Sinus seiner Winkel zur Senkrechten sind %1 über der Oberfläche und %2 darunter, der eine das %3-Fache des anderen, so wie Licht im Glas %4-mal langsamer ist: Dort knickt er.</translation>
    </message>
    <message>
        <source>The mark stands between the paths via points %1 and %2 of 30, as near as each other to where the path of least time crosses.</source>
        <translation>Die Markierung steht zwischen den Wegen über die Punkte %1 und %2 von 30, die dem Kreuzungspunkt des Wegs der kürzesten Zeit gleich nahe liegen.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path nearest to where the path of least time crosses, %2 pixels from it.</source>
        <translation>Der markierte Weg, über Punkt %1 von 30, ist der gezeichnete Weg, der dem Kreuzungspunkt des Wegs der kürzesten Zeit am nächsten liegt, %2 Pixel davon entfernt.</translation>
    </message>
    <message>
        <source>That crossing lies within the gap.</source>
        <translation>Dieser Kreuzungspunkt liegt im Spalt.</translation>
    </message>
    <message>
        <source>That crossing lies on the screen, so the path of least time does not get through.</source>
        <translation>Dieser Kreuzungspunkt liegt auf dem Schirm, also kommt der Weg der kürzesten Zeit nicht hindurch.</translation>
    </message>
    <message>
        <source>With the detector at the focus every path takes the same time, as the lens delays each path by what it falls short of the longest: every photon vector points the same way, so the sum is as long as thirty photon vectors can make it, and the path marked is no quicker than the rest.</source>
        <translation>Mit dem Detektor im Brennpunkt braucht jeder Weg dieselbe Zeit, da die Linse jeden Weg um das verzögert, was ihm zum längsten fehlt: Jeder Photonenvektor zeigt in dieselbe Richtung, also ist die Summe so lang, wie dreißig Photonenvektoren sie machen können, und der markierte Weg ist nicht schneller als die anderen.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels left of the focus the times no longer tie: each path is quicker than its neighbour to the right, so the path of least time is at the line&apos;s left end, via point 1 of 30, where the mark stands.</source>
        <translation>Mit dem Detektor %1 Pixel links vom Brennpunkt gleichen sich die Zeiten nicht mehr: Jeder Weg ist schneller als sein rechter Nachbar, also liegt der Weg der kürzesten Zeit am linken Ende der Linie, über Punkt 1 von 30, wo die Markierung steht.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels right of the focus the times no longer tie: each path is quicker than its neighbour to the left, so the path of least time is at the line&apos;s right end, via point 30 of 30, where the mark stands.</source>
        <translation>Mit dem Detektor %1 Pixel rechts vom Brennpunkt gleichen sich die Zeiten nicht mehr: Jeder Weg ist schneller als sein linker Nachbar, also liegt der Weg der kürzesten Zeit am rechten Ende der Linie, über Punkt 30 von 30, wo die Markierung steht.</translation>
    </message>
    <message>
        <source>The lens is drawn %1 pixels thick at its thickest; glass that slows light %2 times would have to be %3 pixels thick there, %4 times as thick, to delay the paths as much.</source>
        <translation>Die Linse ist an ihrer dicksten Stelle %1 Pixel dick gezeichnet; Glas, das Licht %2-mal verlangsamt, müsste dort %3 Pixel dick sein, %4-mal so dick, um die Wege ebenso zu verzögern.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as without the lens at this place.</source>
        <translation>Licht erreicht den Detektor %1-mal so wahrscheinlich wie ohne die Linse an dieser Stelle.</translation>
    </message>
    <message>
        <source>Without the lens no light reaches the detector at this place.</source>
        <translation>Ohne die Linse erreicht an dieser Stelle kein Licht den Detektor.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the lens at this place.</source>
        <translation>Licht erreicht den Detektor %1-mal so wahrscheinlich wie mit der Linse an dieser Stelle.</translation>
    </message>
    <message>
        <source>With the lens no light reaches the detector at this place.</source>
        <translation>Mit der Linse erreicht an dieser Stelle kein Licht den Detektor.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with no screen at this place.</source>
        <translation>Licht erreicht den Detektor %1-mal so wahrscheinlich wie ohne Schirm an dieser Stelle.</translation>
    </message>
    <message>
        <source>With no screen no light reaches the detector at this place.</source>
        <translation>Ohne Schirm erreicht an dieser Stelle kein Licht den Detektor.</translation>
    </message>
    <message>
        <source>%1 of the 30 paths pass through the gap; the screen stops the rest.</source>
        <translation>%1 der 30 Wege gehen durch den Spalt; der Schirm hält die übrigen auf.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source.</source>
        <translation>Der Detektor steht auf der geraden Linie unter der Quelle.</translation>
    </message>
    <message>
        <source>Here, %1 pixels off the straight line below the source, the detector gets %2 times the light it gets on that line through this gap; with no screen, %3 times.</source>
        <translation>Hier, %1 Pixel neben der geraden Linie unter der Quelle, bekommt der Detektor durch diesen Spalt das %2-Fache des Lichts, das er auf dieser Linie bekommt; ohne Schirm das %3-Fache.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of all thirty paths in step.</source>
        <translation>Der Summenvektor ist %1 Photonenvektoren lang, also bekommt der Detektor %2 des Lichts aller dreißig Wege im Gleichtakt.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the water&apos;s surface to the detector in the water, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Gezeichnet mit dem Detektor bei %1 und Frequenz %2: die 30 Wege von der Quelle in der Luft durch die Wasseroberfläche zum Detektor im Wasser, ihre Photonenvektoren unter dem Detektor, die Zeitkurve und die Spirale der aneinandergereihten Photonenvektoren.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the glass&apos;s surface to the detector in the glass, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Gezeichnet mit dem Detektor bei %1 und Frequenz %2: die 30 Wege von der Quelle in der Luft durch die Glasoberfläche zum Detektor im Glas, ihre Photonenvektoren unter dem Detektor, die Zeitkurve und die Spirale der aneinandergereihten Photonenvektoren.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the lens to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Gezeichnet mit dem Detektor bei %1 und Frequenz %2: die 30 Wege von der Quelle durch die Linse zum Detektor, ihre Photonenvektoren unter dem Detektor, die Zeitkurve und die Spirale der aneinandergereihten Photonenvektoren.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the line of points, with no lens, to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Gezeichnet mit dem Detektor bei %1 und Frequenz %2: die 30 Wege von der Quelle durch die Punktlinie, ohne Linse, zum Detektor, ihre Photonenvektoren unter dem Detektor, die Zeitkurve und die Spirale der aneinandergereihten Photonenvektoren.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the paths from the source through the screen&apos;s gap of %3 points to the detector, their photon vectors under the detector, the time curve of all 30 points and the spiral of the photon vectors laid head to tail.</source>
        <translation>Gezeichnet mit dem Detektor bei %1 und Frequenz %2: die Wege von der Quelle durch den Spalt des Schirms von %3 Punkten zum Detektor, ihre Photonenvektoren unter dem Detektor, die Zeitkurve aller 30 Punkte und die Spirale der aneinandergereihten Photonenvektoren.</translation>
    </message>
    <message>
        <source>A source in air stands above a water surface, and a detector in the water below it; light is %1 times slower in water.</source>
        <translation>Eine Quelle in der Luft steht über einer Wasseroberfläche und ein Detektor im Wasser darunter; im Wasser ist Licht %1-mal langsamer.</translation>
    </message>
    <message>
        <source>A source in air stands above a glass surface, and a detector in the glass below it; light is %1 times slower in glass.</source>
        <translation>Eine Quelle in der Luft steht über einer Glasoberfläche und ein Detektor im Glas darunter; im Glas ist Licht %1-mal langsamer.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with a lens of glass on it, and a detector below it; the lens delays each path so that every path to its focus, straight below the source, takes the same time.</source>
        <translation>Eine Quelle steht über einer Linie aus 30 Punkten mit einer Glaslinse darauf und ein Detektor darunter; die Linse verzögert jeden Weg so, dass jeder Weg zu ihrem Brennpunkt, senkrecht unter der Quelle, dieselbe Zeit braucht.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with no lens on it, and a detector below it.</source>
        <translation>Eine Quelle steht über einer Linie aus 30 Punkten ohne Linse darauf und ein Detektor darunter.</translation>
    </message>
    <message>
        <source>A source stands above a screen, and a detector below it; light passes the screen only through its gap, %1 of the line&apos;s 30 points. Start draws the time of the path via each point, and for each point in the gap the path of light, its photon vector and a link of the spiral of the photon vectors laid head to tail.</source>
        <translation>Eine Quelle steht über einem Schirm und ein Detektor darunter; Licht kommt nur durch den Spalt des Schirms, %1 der 30 Punkte der Linie. Start zeichnet die Zeit des Weges über jeden Punkt und für jeden Punkt im Spalt den Weg des Lichts, seinen Photonenvektor und ein Glied der Spirale der aneinandergereihten Photonenvektoren.</translation>
    </message>
    <message>
        <source>Start draws, for each of the line&apos;s 30 points, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Start zeichnet für jeden der 30 Punkte der Linie den Weg des Lichts über ihn, seinen Photonenvektor, seine Zeit und eine Spirale der aneinandergereihten Photonenvektoren.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2: the path via point %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Zeichnen mit dem Detektor bei %1 und Frequenz %2: der Weg über Punkt %3 von 30, sein Photonenvektor, seine Zeit und das nächste Glied der Spirale.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 stopped after point %3 of 30: a setting is not a number.</source>
        <translation>Das Zeichnen mit dem Detektor bei %1 und Frequenz %2 hielt nach Punkt %3 von 30 an: Eine Einstellung ist keine Zahl.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 was stopped after point %3 of 30.</source>
        <translation>Das Zeichnen mit dem Detektor bei %1 und Frequenz %2 wurde nach Punkt %3 von 30 angehalten.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2.</source>
        <translation>Gezeichnet mit dem Detektor bei %1 und Frequenz %2.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with a gap of %2 points, the detector at %3 and frequency %4.</source>
        <translation>Start wird die Szene „%1“ zeichnen, mit einem Spalt von %2 Punkten, dem Detektor bei %3 und Frequenz %4.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with the detector at %2 and frequency %3.</source>
        <translation>Start wird die Szene „%1“ zeichnen, mit dem Detektor bei %2 und Frequenz %3.</translation>
    </message>
    <message>
        <source>The gap is as wide as the line: all 30 paths pass, as with no screen.</source>
        <translation>Die Lücke ist so breit wie die Linie: alle 30 Wege kommen durch, wie ohne Schirm.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the path nearest to where the path of least time crosses, %2 pixels from it; the screen stops it, so it is not drawn.</source>
        <translation>Der markierte Weg, über Punkt %1 von 30, ist der Weg, der dem Kreuzungspunkt des Wegs der kürzesten Zeit am nächsten liegt, %2 Pixel davon entfernt; der Schirm hält ihn auf, daher ist er nicht gezeichnet.</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>&quot;%1&quot; is not taken: the distance is a whole number from %2 to %3.</source>
        <translation>„%1“ wird nicht übernommen: Der Abstand ist eine ganze Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken: the frequency is a number from %2 to %3 in tenths, such as %4.</source>
        <translation>„%1“ wird nicht übernommen: Die Frequenz ist eine Zahl von %2 bis %3 in Zehnteln, etwa %4.</translation>
    </message>
</context>
<context>
    <name>WindowLabels</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Cornu spiral and sum vector</source>
        <translation>Cornu-Spirale und Summenvektor</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Bitte die Taste Start drücken</translation>
    </message>
    <message>
        <source>Time (length)</source>
        <translation>Zeit (Länge)</translation>
    </message>
    <message>
        <source>Photon vectors after reaching the detector</source>
        <translation>Photonenvektoren am Detektor</translation>
    </message>
    <message>
        <source>Distance from middle of the mirror</source>
        <translation>Abstand von der Spiegelmitte</translation>
    </message>
    <message>
        <source>Difraction on mirror</source>
        <translation>Beugung am Spiegel</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no language &apos;%1&apos;; English is shown. The languages are %2.</source>
        <translation>es gibt keine Sprache „%1“; Englisch wird gezeigt. Die Sprachen sind %2.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>„quorvel --help“ zeigt mehr.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; --scale %4 fits.</source>
        <translation>--scale %1 macht das Fenster %2 Pixel groß, größer als die %3, die der Bildschirm dafür hat; --scale %4 passt.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; no scale fits.</source>
        <translation>--scale %1 macht das Fenster %2 Pixel groß, größer als die %3, die der Bildschirm dafür hat; kein Maßstab passt.</translation>
    </message>
</context>
</TS>
