<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AccessiblePicture</name>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
</context>
<context>
    <name>BrightnessGraph</name>
    <message>
        <source>Distance from the middle (250 is left)</source>
        <translation>Vzdálenost od středu (250 je vlevo)</translation>
    </message>
    <message>
        <source>grey: whole mirror</source>
        <translation>šedě: celé zrcadlo</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any distance.</source>
        <translation>Při frekvenci %1 nedopadá na detektor světlo v žádné vzdálenosti.</translation>
    </message>
    <message>
        <source>At frequency %1 this mirror is brightest at distance %2, %3; at the pair, distance %4, it gives %5.</source>
        <translation>Při frekvenci %1 je toto zrcadlo nejjasnější ve vzdálenosti %2, %3; u dvojice, ve vzdálenosti %4, dává %5.</translation>
    </message>
    <message>
        <source>The whole mirror is brightest at distance %1, %2.</source>
        <translation>Celé zrcadlo je nejjasnější ve vzdálenosti %1, %2.</translation>
    </message>
    <message>
        <source>Brightness against distance, %1 at the left to %2 at the right, as the pair stands in the picture.</source>
        <translation>Jas v závislosti na vzdálenosti, %1 vlevo až %2 vpravo, jak dvojice stojí na obrázku.</translation>
    </message>
    <message>
        <source>The grey curve, light into glass, is brightest with the detector at %1, %2.</source>
        <translation>Šedá křivka, světlo do skla, je nejjasnější s detektorem na %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, light into water, is brightest with the detector at %1, %2.</source>
        <translation>Šedá křivka, světlo do vody, je nejjasnější s detektorem na %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line without the lens, is brightest with the detector at %1, %2.</source>
        <translation>Šedá křivka, táž přímka bez čočky, je nejjasnější s detektorem na %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line with the lens, is brightest with the detector at %1, %2.</source>
        <translation>Šedá křivka, táž přímka s čočkou, je nejjasnější s detektorem na %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the line with no screen, is brightest with the detector at %1, %2.</source>
        <translation>Šedá křivka, přímka bez stínítka, je nejjasnější s detektorem na %1, %2.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source; moved off it, the graph tells how much of the light on that line reaches it.</source>
        <translation>Detektor stojí na přímce pod zdrojem; posunutý mimo ni, graf ukáže, kolik světla z té přímky k němu dorazí.</translation>
    </message>
    <message>
        <source>At the detector&apos;s place, %1 pixels off the straight line below the source, a gap of %2 points sends %3 times the light it sends on that line; with no screen %4 times, and with the narrowest gap, %5 points, %6 times.</source>
        <translation>Na místě detektoru, %1 pixelů od přímky pod zdrojem, posílá štěrbina o %2 bodech %3krát tolik světla co na tu přímku; bez stínítka %4krát, a s nejužší štěrbinou, %5 body, %6krát.</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any place.</source>
        <translation>Při frekvenci %1 nedorazí světlo k detektoru na žádném místě.</translation>
    </message>
    <message>
        <source>At frequency %1 the light is brightest with the detector at %2, %3 of all thirty paths in step; at the detector&apos;s place, %4, it is %5.</source>
        <translation>Při frekvenci %1 je světlo nejjasnější s detektorem na %2, %3 všech třiceti drah ve fázi; na místě detektoru, %4, je %5.</translation>
    </message>
    <message>
        <source>Brightness against the detector&apos;s place, %1 at the left to %2 at the right, as the detector stands in the picture.</source>
        <translation>Jas podle místa detektoru, %1 vlevo až %2 vpravo, jak detektor stojí na obrázku.</translation>
    </message>
    <message>
        <source>Far to the side a curve rises because every path&apos;s arrow here has the same length, however long and slanted the path, and more of them stay in step there; real light would grow fainter with the distance.</source>
        <translation>Daleko stranou křivka stoupá, protože šipka každé dráhy tu má stejnou délku, ať je dráha jakkoli dlouhá a šikmá, a víc jich tam zůstává ve fázi; skutečné světlo by se vzdáleností sláblo.</translation>
    </message>
    <message>
        <source>(as bright at %1)</source>
        <translation>(stejně i na %1)</translation>
    </message>
    <message>
        <source>The second frequency is the same as the first, so its curve lies on the first&apos;s.</source>
        <translation>Druhá frekvence je stejná jako první, takže její křivka leží na křivce první.</translation>
    </message>
</context>
<context>
    <name>BrightnessGraphView</name>
    <message>
        <source>A click moves the source and the detector to the distance under it</source>
        <translation>Kliknutí přesune zdroj a detektor na vzdálenost pod ním</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the windowing platform: xcb, wayland, offscreen, ...</source>
        <translation>okenní platforma: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>the X display to open, such as :0</source>
        <translation>displej X, který se má otevřít, např. :0</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>motiv platformy</translation>
    </message>
    <message>
        <source>a folder of platform plugins</source>
        <translation>složka se zásuvnými moduly platformy</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>vstupní zásuvný modul, který se má načíst</translation>
    </message>
    <message>
        <source>the widget style, such as Fusion</source>
        <translation>styl ovládacích prvků, např. Fusion</translation>
    </message>
    <message>
        <source>a style sheet to apply</source>
        <translation>šablona stylů, která se má použít</translation>
    </message>
    <message>
        <source>the window&apos;s size and place, such as 800x600+0+0</source>
        <translation>velikost a umístění okna, např. 800x600+0+0</translation>
    </message>
    <message>
        <source>the same as -qwindowgeometry</source>
        <translation>totéž co -qwindowgeometry</translation>
    </message>
    <message>
        <source>the window&apos;s caption</source>
        <translation>titulek okna</translation>
    </message>
    <message>
        <source>the window&apos;s icon</source>
        <translation>ikona okna</translation>
    </message>
    <message>
        <source>the application name the desktop sees</source>
        <translation>název aplikace, který vidí pracovní prostředí</translation>
    </message>
    <message>
        <source>the session to restore</source>
        <translation>relace, která se má obnovit</translation>
    </message>
    <message>
        <source>lay the window out from right to left</source>
        <translation>rozvrhnout okno zprava doleva</translation>
    </message>
    <message>
        <source>never grab the mouse or keyboard</source>
        <translation>nikdy nezabírat myš ani klávesnici</translation>
    </message>
    <message>
        <source>grab even when running in a debugger</source>
        <translation>zabírat i při běhu v ladicím programu</translation>
    </message>
    <message>
        <source>talk to the X server synchronously</source>
        <translation>komunikovat se serverem X synchronně</translation>
    </message>
    <message>
        <source>%1 was given more than once</source>
        <translation>%1 bylo zadáno víckrát</translation>
    </message>
    <message>
        <source>%1 takes %2, but was given &apos;%3&apos;</source>
        <translation>%1 přijímá %2, ale dostalo „%3“</translation>
    </message>
    <message>
        <source>takes no file or other argument, but was given &apos;%1&apos;</source>
        <translation>nepřijímá soubor ani jiný argument, ale dostal „%1“</translation>
    </message>
    <message>
        <source>--scale takes a factor from %1 to %2, such as 1.5, but was given &apos;%3&apos;</source>
        <translation>--scale přijímá faktor od %1 do %2, např. 1.5, ale dostal „%3“</translation>
    </message>
    <message>
        <source>Usage: quorvel [option...]</source>
        <translation>Použití: quorvel [volba...]</translation>
    </message>
    <message>
        <source>Shows how a mirror reflects light in the sum-over-paths picture.</source>
        <translation>Ukazuje, jak zrcadlo odráží světlo v obrazu součtu přes dráhy.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Volby:</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>zobrazit tuto nápovědu a skončit</translation>
    </message>
    <message>
        <source>show the name and version and end</source>
        <translation>zobrazit název a verzi a skončit</translation>
    </message>
    <message>
        <source>draw the whole window factor times as large, sharp, for a projector: from 1 to 4, such as 1.5</source>
        <translation>nakreslit celé okno factor-krát větší a ostré, pro projektor: od 1 do 4, např. 1.5</translation>
    </message>
    <message>
        <source>A setting that only the explore panel offers opens the panel, as --explore does. The same settings make a link to the page: ?distance=250&amp;speed=5</source>
        <translation>Nastavení, které nabízí jen panel zkoumání, panel otevře, jako --explore. Stejná nastavení tvoří odkaz na stránku: ?distance=250&amp;speed=5</translation>
    </message>
    <message>
        <source>Options of the toolkit:</source>
        <translation>Volby sady nástrojů:</translation>
    </message>
    <message>
        <source>there is no option &apos;%1&apos;</source>
        <translation>volba „%1“ neexistuje</translation>
    </message>
    <message>
        <source>--lang takes a language code such as de, but was given &apos;%1&apos;</source>
        <translation>--lang přijímá kód jazyka, například de, ale dostal „%1“</translation>
    </message>
    <message>
        <source>the explore panel&apos;s mirror: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, or 30 digits from the left, 1 for a segment that reflects, 0 for one scraped off</source>
        <translation>zrcadlo panelu zkoumání: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, nebo 30 číslic zleva, 1 pro segment, který odráží, 0 pro seškrábaný</translation>
    </message>
    <message>
        <source>how the explore panel measures a path: window (the window&apos;s measure) or legs (its real length)</source>
        <translation>jak panel zkoumání měří dráhu: window (míra okna) nebo legs (její skutečná délka)</translation>
    </message>
    <message>
        <source>start at this distance: 0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>začít v této vzdálenosti: 0 nebo 250, nebo pro panel zkoumání celé číslo od %1 do %2</translation>
    </message>
    <message>
        <source>start at this frequency: 1 or 2, or for the explore panel from %1 to %2 in tenths, such as 1.5 (to %3 with --measure legs)</source>
        <translation>začít s touto frekvencí: 1 nebo 2, nebo pro panel zkoumání od %1 do %2 v desetinách, například 1.5 (do %3 s --measure legs)</translation>
    </message>
    <message>
        <source>start with the speed scroll bar here, from %1 to %2</source>
        <translation>začít s posuvníkem rychlosti zde, od %1 do %2</translation>
    </message>
    <message>
        <source>the language to show instead of the desktop&apos;s: %1; any other shows English</source>
        <translation>jazyk místo jazyka pracovního prostředí: %1; jakýkoli jiný zobrazí angličtinu</translation>
    </message>
    <message>
        <source>the width of the screen&apos;s gap: %1</source>
        <translation>šířka štěrbiny ve stínítku: %1</translation>
    </message>
    <message>
        <source>the scene the explore panel shows, which opens it beyond the mirror: %1</source>
        <translation>scéna, kterou panel zkoumání ukazuje; každá kromě zrcadla jej otevře: %1</translation>
    </message>
    <message>
        <source>open the Explore the paths panel with the window</source>
        <translation>otevřít s oknem panel Prozkoumat dráhy</translation>
    </message>
</context>
<context>
    <name>ExplorePanel</name>
    <message>
        <source>Brightness against distance</source>
        <translation>Jas v závislosti na vzdálenosti</translation>
    </message>
    <message>
        <source>Whole mirror</source>
        <translation>Celé zrcadlo</translation>
    </message>
    <message>
        <source>Middle third</source>
        <translation>Prostřední třetina</translation>
    </message>
    <message>
        <source>Outer thirds</source>
        <translation>Vnější třetiny</translation>
    </message>
    <message>
        <source>Grating</source>
        <translation>Mřížka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Vzdálenost</translation>
    </message>
    <message>
        <source>Distance in pixels</source>
        <translation>Vzdálenost v pixelech</translation>
    </message>
    <message>
        <source>Frequency in tenths</source>
        <translation>Frekvence v desetinách</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekvence</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Mirror segments</source>
        <translation>Segmenty zrcadla</translation>
    </message>
    <message>
        <source>Around least time</source>
        <translation>Kolem nejkratšího času</translation>
    </message>
    <message>
        <source>Away from it</source>
        <translation>Mimo něj</translation>
    </message>
    <message>
        <source>Away from least time</source>
        <translation>Mimo nejkratší čas</translation>
    </message>
    <message>
        <source>How a path&apos;s length is measured</source>
        <translation>Jak se měří délka dráhy</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Délka dráhy</translation>
    </message>
    <message>
        <source>Second frequency on the graph</source>
        <translation>Druhá frekvence v grafu</translation>
    </message>
    <message>
        <source>Second frequency</source>
        <translation>Druhá frekvence</translation>
    </message>
    <message>
        <source>Explore the paths</source>
        <translation>Prozkoumat dráhy</translation>
    </message>
</context>
<context>
    <name>ExploreWords</name>
    <message>
        <source>segment %1 of 30, on</source>
        <translation>segment %1 z 30, zapnutý</translation>
    </message>
    <message>
        <source>segment %1 of 30, off</source>
        <translation>segment %1 z 30, vypnutý</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle; the whole mirror here sends none</source>
        <translation>%1 světla celého zrcadla uprostřed; celé zrcadlo zde nepošle žádné</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle, %2 times that of the whole mirror here</source>
        <translation>%1 světla celého zrcadla uprostřed, %2krát tolik co celé zrcadlo zde</translation>
    </message>
    <message>
        <source>the whole mirror here sends no light</source>
        <translation>celé zrcadlo zde nepošle žádné světlo</translation>
    </message>
    <message>
        <source>%1 times as likely as with the whole mirror here</source>
        <translation>%1krát tak pravděpodobné jako s celým zrcadlem zde</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against a whole mirror at the middle and against the whole mirror at the same place. The bar is full at the most light any mirror sends at this frequency.</source>
        <translation>Jak pravděpodobně světlo dorazí do detektoru, druhá mocnina délky součtového vektoru, proti celému zrcadlu uprostřed a proti celému zrcadlu na stejném místě. Pruh je plný při nejvíce světle, které při této frekvenci pošle jakékoli zrcadlo.</translation>
    </message>
    <message>
        <source>Real length (the two legs)</source>
        <translation>Skutečná délka (obě ramena)</translation>
    </message>
    <message>
        <source>Window&apos;s (shorter than real)</source>
        <translation>Jako okno (kratší než skutečná)</translation>
    </message>
    <message>
        <source>Path lengths: %1.</source>
        <translation>Délky drah: %1.</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 segments show truly with these lengths.</source>
        <translation>Frekvence snížena na %1, nejvyšší, kterou 30 segmentů s těmito délkami ukáže věrně.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 segments show truly with real lengths, so paths are measured as the window measures them again.</source>
        <translation>Frekvenci %1 už 30 segmentů se skutečnými délkami věrně neukáže, proto se dráhy opět měří jako v okně.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: the ends do not cancel at any frequency the panel reaches here.</source>
        <translation>Při frekvenci %1 dávají vnější třetiny %2 a prostřední třetina %3: konce se tu nevyruší při žádné frekvenci, kterou panel nabízí.</translation>
    </message>
    <message>
        <source>With the pair away from the middle, the middle third is not around the least-time point, so the outer thirds are not the ends that cancel.</source>
        <translation>Když dvojice nestojí uprostřed, není prostřední třetina kolem bodu nejkratšího času, a vnější třetiny tedy nejsou konce, které se vyruší.</translation>
    </message>
    <message>
        <source>Try frequency %1</source>
        <translation>Zkusit frekvenci %1</translation>
    </message>
    <message>
        <source>Move the pair to the middle</source>
        <translation>Posunout dvojici doprostřed</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that without the lens here</source>
        <translation>%1 světla všech třiceti drah ve fázi, %2krát tolik co bez čočky zde</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; without the lens here none arrives</source>
        <translation>%1 světla všech třiceti drah ve fázi; bez čočky sem nedorazí žádné</translation>
    </message>
    <message>
        <source>%1 times as likely as without the lens here</source>
        <translation>%1krát tak pravděpodobné jako bez čočky zde</translation>
    </message>
    <message>
        <source>without the lens here no light arrives</source>
        <translation>bez čočky sem nedorazí žádné světlo</translation>
    </message>
    <message>
        <source>The second figure is against the same line without the lens, with the detector at the same place.</source>
        <translation>Druhé číslo je vůči téže přímce bez čočky, s detektorem na stejném místě.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with the lens here</source>
        <translation>%1 světla všech třiceti drah ve fázi, %2krát tolik co s čočkou zde</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with the lens here none arrives</source>
        <translation>%1 světla všech třiceti drah ve fázi; s čočkou sem nedorazí žádné</translation>
    </message>
    <message>
        <source>%1 times as likely as with the lens here</source>
        <translation>%1krát tak pravděpodobné jako s čočkou zde</translation>
    </message>
    <message>
        <source>with the lens here no light arrives</source>
        <translation>s čočkou sem nedorazí žádné světlo</translation>
    </message>
    <message>
        <source>The second figure is against the same line with the lens, with the detector at the same place.</source>
        <translation>Druhé číslo je vůči téže přímce s čočkou, s detektorem na stejném místě.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with no screen here</source>
        <translation>%1 světla všech třiceti drah ve fázi, %2krát tolik co bez stínítka zde</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with no screen here none arrives</source>
        <translation>%1 světla všech třiceti drah ve fázi; bez stínítka sem nedorazí žádné</translation>
    </message>
    <message>
        <source>%1 times as likely as with no screen here</source>
        <translation>%1krát tak pravděpodobné jako bez stínítka zde</translation>
    </message>
    <message>
        <source>with no screen here no light arrives</source>
        <translation>bez stínítka sem nedorazí žádné světlo</translation>
    </message>
    <message>
        <source>The second figure is against the line with no screen, with the detector at the same place.</source>
        <translation>Druhé číslo je vůči přímce bez stínítka, s detektorem na stejném místě.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step</source>
        <translation>%1 světla všech třiceti drah ve fázi</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against all thirty paths in step, the most they can send; the bar is full there.</source>
        <translation>Jak pravděpodobně světlo dorazí k detektoru, čtverec délky součtového vektoru, vůči všem třiceti drahám ve fázi, tomu nejvíc, co mohou poslat; tam je pruh plný.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: here each end&apos;s arrows go partway round a circle without closing it, so they do not cancel.</source>
        <translation>Při frekvenci %1 dávají vnější třetiny %2 a prostřední třetina %3: šipky každého konce tu opíšou jen část kruhu a neuzavřou ho, takže se nevyruší.</translation>
    </message>
</context>
<context>
    <name>KeyboardHelp</name>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Přejít na další nebo předchozí ovládací prvek</translation>
    </message>
    <message>
        <source>Left, Right, Up, Down</source>
        <translation>Vlevo, Vpravo, Nahoru, Dolů</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezerník</translation>
    </message>
    <message>
        <source>Press the button, or switch the segment, that has the focus</source>
        <translation>Stisknout tlačítko nebo přepnout segment, který má fokus</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Stisknout tlačítko, které má fokus</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Shift+F10, Menu</source>
        <translation>Shift+F10, Menu</translation>
    </message>
    <message>
        <source>Open the picture&apos;s menu</source>
        <translation>Otevřít nabídku obrázku</translation>
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
        <translation>Zkopírovat obrázek</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Show these keys</source>
        <translation>Zobrazit tyto klávesy</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Show the window on the whole screen, or leave the full screen</source>
        <translation>Zobrazit okno na celou obrazovku, nebo celou obrazovku opustit</translation>
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
        <translation>Zavřít tuto nápovědu</translation>
    </message>
    <message>
        <source>Keys of Quorvel</source>
        <translation>Klávesy programu Quorvel</translation>
    </message>
    <message>
        <source>Stop a run at once, and drop what was pressed during it</source>
        <translation>Ihned zastavit běh a zahodit, co bylo během něj stisknuto</translation>
    </message>
    <message>
        <source>Save the picture as PNG, SVG or JPEG</source>
        <translation>Uložit obrázek jako PNG, SVG nebo JPEG</translation>
    </message>
    <message>
        <source>Open or close Explore the paths</source>
        <translation>Otevřít nebo zavřít „Prozkoumat dráhy“</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page Up, Page Down</translation>
    </message>
    <message>
        <source>Move a slider of the explore panel by a larger step, or %3 segments along the mirror</source>
        <translation>Posunout posuvník panelu zkoumání o větší krok, nebo o %3 segmentů podél zrcadla</translation>
    </message>
    <message>
        <source>Move the speed to %1 or %2, or a slider to its end; go to the first or the last segment</source>
        <translation>Nastavit rychlost na %1 nebo %2, nebo posuvník na jeho konec; přejít na první nebo poslední segment</translation>
    </message>
    <message>
        <source>Choose the other option of a group, or with Up and Down another in a list; move the speed or a slider by one step; move along the mirror&apos;s segments</source>
        <translation>Zvolit druhou možnost skupiny, nebo šipkami Nahoru a Dolů jinou v seznamu; posunout rychlost nebo posuvník o jeden krok; pohybovat se po segmentech zrcadla</translation>
    </message>
</context>
<context>
    <name>KeyboardHelpDialog</name>
    <message>
        <source>Keys</source>
        <translation>Klávesy</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Co dělají</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Animation speed</source>
        <translation>Rychlost animace</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Uložit obrázek…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovat obrázek</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Obrázek SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obrázek PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>Obrázek JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 už existuje. Chcete ho nahradit?</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Zpomalení animace, od %1 vlevo po %2 vpravo</translation>
    </message>
</context>
<context>
    <name>MainFormModel</name>
    <message>
        <source>quorvel: Start stopped: %1</source>
        <translation>quorvel: Start se zastavil: %1</translation>
    </message>
    <message>
        <source>Carried out after the run: %1.</source>
        <translation>Provedeno po běhu: %1.</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel skončil.</translation>
    </message>
    <message>
        <source>Stopped after segment %1 of 30.</source>
        <translation>Zastaveno po segmentu %1 z 30.</translation>
    </message>
    <message>
        <source>What was pressed during the run is dropped.</source>
        <translation>Co bylo během běhu stisknuto, se zahazuje.</translation>
    </message>
    <message>
        <source>Brightness %1.</source>
        <translation>Jas %1.</translation>
    </message>
    <message>
        <source>Then %1.</source>
        <translation>Poté: %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Rychlost animace</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klávesy</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Uložit PNG</translation>
    </message>
    <message>
        <source>Save SVG</source>
        <translation>Uložit SVG</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovat obrázek</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel skončil.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Spustit znovu</translation>
    </message>
    <message>
        <source>Quorvel is loading…</source>
        <translation>Quorvel se načítá…</translation>
    </message>
    <message>
        <source>Quorvel could not start: %1</source>
        <translation>Quorvel se nepodařilo spustit: %1</translation>
    </message>
    <message>
        <source>segment %1 of 30</source>
        <translation>segment %1 z 30</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>Obrázek se nepodařilo zkopírovat: %1</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Kopírovat odkaz</translation>
    </message>
    <message>
        <source>Link copied.</source>
        <translation>Odkaz zkopírován.</translation>
    </message>
    <message>
        <source>The link could not be copied: %1</source>
        <translation>Odkaz se nepodařilo zkopírovat: %1</translation>
    </message>
    <message>
        <source>Picture copied.</source>
        <translation>Obrázek zkopírován.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>250 is left of the middle, as in the picture</source>
        <translation>250 je vlevo od středu, jako na obrázku</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Zpomalení animace, od %1 vlevo po %2 vpravo</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message>
        <source>distance %1 and frequency %2</source>
        <translation>vzdálenost %1 a frekvence %2</translation>
    </message>
    <message>
        <source>No segment of the mirror reflects, so no path reaches the detector.</source>
        <translation>Žádný segment zrcadla neodráží, takže k detektoru nevede žádná dráha.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, at the middle of the mirror.</source>
        <translation>Dráha nejkratšího času se odráží na segmentu %1 z 30, uprostřed zrcadla.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, right of the middle of the mirror.</source>
        <translation>Dráha nejkratšího času se odráží na segmentu %1 z 30, vpravo od středu zrcadla.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, left of the middle of the mirror.</source>
        <translation>Dráha nejkratšího času se odráží na segmentu %1 z 30, vlevo od středu zrcadla.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, at the middle of the mirror.</source>
        <translation>Dráha nejkratšího času se odráží na segmentech %1 a %2 z 30, uprostřed zrcadla.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, right of the middle of the mirror.</source>
        <translation>Dráha nejkratšího času se odráží na segmentech %1 a %2 z 30, vpravo od středu zrcadla.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, left of the middle of the mirror.</source>
        <translation>Dráha nejkratšího času se odráží na segmentech %1 a %2 z 30, vlevo od středu zrcadla.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: the photon vectors turn every way and nearly cancel, so little light arrives.</source>
        <translation>Součtový vektor je dlouhý %1 fotonových vektorů, takže detektor dostává %2 světla celého zrcadla uprostřed: fotonové vektory se stáčejí všemi směry a téměř se vyruší, takže dopadá málo světla.</translation>
    </message>
    <message>
        <source>Of the mirror&apos;s 30 segments %1 reflect; the others are scraped off.</source>
        <translation>Z 30 segmentů zrcadla jich odráží %1; ostatní jsou seškrábané.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2: the path via segment %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Kreslí se pro vzdálenost %1 a frekvenci %2: dráha přes segment %3 z 30, její fotonový vektor, její čas a další článek spirály.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 stopped after segment %3 of 30: a setting is not a number.</source>
        <translation>Kreslení pro vzdálenost %1 a frekvenci %2 se zastavilo po segmentu %3 z 30: jedno nastavení není číslo.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2: the 30 paths from the source via the mirror to the detector, their photon vectors under the mirror, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Nakresleno pro vzdálenost %1 a frekvenci %2: 30 drah ze zdroje přes zrcadlo k detektoru, jejich fotonové vektory pod zrcadlem, křivka času a spirála fotonových vektorů řazených za sebou.</translation>
    </message>
    <message>
        <source>A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Nad zrcadlem o 30 segmentech stojí zdroj a detektor. Start nakreslí pro každý segment dráhu světla přes něj, její fotonový vektor, její čas a spirálu fotonových vektorů řazených za sebou.</translation>
    </message>
    <message>
        <source>Start will draw distance %1 and frequency %2.</source>
        <translation>Start nakreslí vzdálenost %1 a frekvenci %2.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2.</source>
        <translation>Nakresleno pro vzdálenost %1 a frekvenci %2.</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>rychlost %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>vzdálenost %1</translation>
    </message>
    <message>
        <source>frequency %1</source>
        <translation>frekvence %1</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 was stopped after segment %3 of 30.</source>
        <translation>Kreslení pro vzdálenost %1 a frekvenci %2 bylo zastaveno po segmentu %3 z 30.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, at the middle of the mirror, but that segment is scraped off.</source>
        <translation>Dráha nejkratšího času by se odrážela na segmentu %1 z 30, uprostřed zrcadla, ale ten segment je seškrábaný.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, right of the middle of the mirror, but that segment is scraped off.</source>
        <translation>Dráha nejkratšího času by se odrážela na segmentu %1 z 30, vpravo od středu zrcadla, ale ten segment je seškrábaný.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, left of the middle of the mirror, but that segment is scraped off.</source>
        <translation>Dráha nejkratšího času by se odrážela na segmentu %1 z 30, vlevo od středu zrcadla, ale ten segment je seškrábaný.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, at the middle of the mirror, but both are scraped off.</source>
        <translation>Dráha nejkratšího času by se odrážela mezi segmenty %1 a %2 z 30, uprostřed zrcadla, ale oba jsou seškrábané.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, right of the middle of the mirror, but both are scraped off.</source>
        <translation>Dráha nejkratšího času by se odrážela mezi segmenty %1 a %2 z 30, vpravo od středu zrcadla, ale oba jsou seškrábané.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, left of the middle of the mirror, but both are scraped off.</source>
        <translation>Dráha nejkratšího času by se odrážela mezi segmenty %1 a %2 z 30, vlevo od středu zrcadla, ale oba jsou seškrábané.</translation>
    </message>
    <message>
        <source>Of the two, segment %1 is scraped off.</source>
        <translation>Z těch dvou je segment %1 seškrábaný.</translation>
    </message>
    <message>
        <source>All of the sum comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>Celý součet pochází ze segmentů daleko od dráhy nejkratšího času, protože ty kolem ní jsou seškrábané.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from the segments around the path of least time.</source>
        <translation>Většina součtu, %1 z jeho %2 fotonových vektorů, pochází ze segmentů kolem dráhy nejkratšího času.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from segments far from the path of least time.</source>
        <translation>Většina součtu, %1 z jeho %2 fotonových vektorů, pochází ze segmentů daleko od dráhy nejkratšího času.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle.</source>
        <translation>Součtový vektor je dlouhý %1 fotonových vektorů, takže detektor dostává %2 světla celého zrcadla uprostřed.</translation>
    </message>
    <message>
        <source>The %1 strips left make a grating: each kept photon vector points within a quarter turn of one direction, so each adds to the sum along it.</source>
        <translation>Zbylé pásy (%1) tvoří mřížku: každý ponechaný fotonový vektor míří do čtvrt otáčky od jednoho směru, takže každý přidává k součtu v tomto směru.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: all of it comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>Součtový vektor je dlouhý %1 fotonových vektorů, takže detektor dostává %2 světla celého zrcadla uprostřed: všechno pochází ze segmentů daleko od dráhy nejkratšího času, protože ty kolem ní jsou seškrábané.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it, %3 of its %1 photon vectors, comes from segments far from the path of least time.</source>
        <translation>Součtový vektor je dlouhý %1 fotonových vektorů, takže detektor dostává %2 světla celého zrcadla uprostřed: většina, %3 z jeho %1 fotonových vektorů, pochází ze segmentů daleko od dráhy nejkratšího času.</translation>
    </message>
    <message>
        <source>The whole mirror at this place sends no light to the detector.</source>
        <translation>Celé zrcadlo na tomto místě nepošle do detektoru žádné světlo.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the whole mirror at this place: the square of the sum vector&apos;s length against the whole mirror&apos;s.</source>
        <translation>Světlo dorazí do detektoru %1krát tak pravděpodobně jako s celým zrcadlem na tomto místě: druhá mocnina délky součtového vektoru proti té celého zrcadla.</translation>
    </message>
    <message>
        <source>Each path is measured by its real length, its two legs added.</source>
        <translation>Každá dráha se měří svou skutečnou délkou, součtem obou ramen.</translation>
    </message>
    <message>
        <source>path lengths: %1</source>
        <translation>délky drah: %1</translation>
    </message>
    <message>
        <source>second frequency %1</source>
        <translation>druhá frekvence %1</translation>
    </message>
    <message>
        <source>no second frequency</source>
        <translation>bez druhé frekvence</translation>
    </message>
    <message>
        <source>the explore panel opened</source>
        <translation>panel zkoumání otevřen</translation>
    </message>
    <message>
        <source>the explore panel closed</source>
        <translation>panel zkoumání zavřen</translation>
    </message>
    <message>
        <source>The spiral and the sum vector are drawn at %1 of their full size, to fit in the picture.</source>
        <translation>Spirála a součtový vektor jsou nakresleny v %1 své plné velikosti, aby se vešly do obrázku.</translation>
    </message>
    <message>
        <source>No segment reflects, so no photon vector reaches the detector and no light arrives.</source>
        <translation>Žádný segment neodráží, takže k detektoru nedorazí žádný fotonový vektor a nepřichází žádné světlo.</translation>
    </message>
    <message>
        <source>Every segment of the mirror is scraped off.</source>
        <translation>Všechny segmenty zrcadla jsou seškrábané.</translation>
    </message>
    <message>
        <source>the whole mirror put back</source>
        <translation>celé zrcadlo obnovené</translation>
    </message>
    <message>
        <source>the mirror scraped to its middle third</source>
        <translation>zrcadlo seškrábané na prostřední třetinu</translation>
    </message>
    <message>
        <source>the mirror scraped to its outer thirds</source>
        <translation>zrcadlo seškrábané na vnější třetiny</translation>
    </message>
    <message>
        <source>the mirror scraped into a grating</source>
        <translation>zrcadlo seškrábané na mřížku</translation>
    </message>
    <message>
        <source>the mirror scraped to the third around least time</source>
        <translation>zrcadlo seškrábané na třetinu kolem nejkratšího času</translation>
    </message>
    <message>
        <source>the third around least time scraped off</source>
        <translation>třetina kolem nejkratšího času seškrábaná</translation>
    </message>
    <message>
        <source>the scene “%1” chosen</source>
        <translation>zvolena scéna „%1“</translation>
    </message>
    <message>
        <source>the screen&apos;s gap set to %1 points</source>
        <translation>štěrbina ve stínítku nastavena na %1 bodů</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay within its axes, under its label.</source>
        <translation>Časová křivka je nakreslena na %1 své plné výšky, aby zůstala ve svých osách, pod svým popiskem.</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay clear of the photon vectors.</source>
        <translation>Časová křivka je nakreslena v %1 své plné výšky, aby se nedotýkala fotonových vektorů.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it comes from the segments around the path of least time, whose photon vectors turn least from one to the next.</source>
        <translation>Součtový vektor je dlouhý %1 fotonových vektorů, takže detektor dostává %2 světla celého zrcadla uprostřed: většina pochází ze segmentů kolem cesty nejkratšího času, jejichž fotonové vektory se od jednoho k dalšímu otáčejí nejméně.</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>Obrázek se nepodařilo uložit jako %1: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: Quorvel saves pictures as .png, .svg or .jpg files.</source>
        <translation>Obrázek nešlo uložit jako %1: Quorvel ukládá obrázky jako soubory .png, .svg nebo .jpg.</translation>
    </message>
</context>
<context>
    <name>SceneWords</name>
    <message>
        <source>Mirror</source>
        <translation>Zrcadlo</translation>
    </message>
    <message>
        <source>Into water</source>
        <translation>Do vody</translation>
    </message>
    <message>
        <source>Into glass</source>
        <translation>Do skla</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Čočka</translation>
    </message>
    <message>
        <source>Same pair, no lens</source>
        <translation>Stejná dvojice, bez čočky</translation>
    </message>
    <message>
        <source>Narrow gap</source>
        <translation>Úzká štěrbina</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scéna</translation>
    </message>
    <message>
        <source>Gap in points</source>
        <translation>Štěrbina v bodech</translation>
    </message>
    <message>
        <source>Detector&apos;s place</source>
        <translation>Místo detektoru</translation>
    </message>
    <message>
        <source>Detector&apos;s distance from the middle</source>
        <translation>Vzdálenost detektoru od středu</translation>
    </message>
    <message>
        <source>Detector&apos;s place from the middle (250 is left)</source>
        <translation>Místo detektoru od středu (250 je vlevo)</translation>
    </message>
    <message>
        <source>grey: into glass</source>
        <translation>šedá: do skla</translation>
    </message>
    <message>
        <source>grey: into water</source>
        <translation>šedá: do vody</translation>
    </message>
    <message>
        <source>grey: no lens</source>
        <translation>šedá: bez čočky</translation>
    </message>
    <message>
        <source>grey: with the lens</source>
        <translation>šedá: s čočkou</translation>
    </message>
    <message>
        <source>grey: no screen</source>
        <translation>šedá: bez stínítka</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the detector alone.</source>
        <translation>Scéna „%1“: vzdálenost posouvá jen detektor.</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the source and the detector together.</source>
        <translation>Scéna „%1“: vzdálenost posouvá zdroj i detektor spolu.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 paths through the line show truly, so the mirror is shown again.</source>
        <translation>Frekvence %1 je za hranicí toho, co 30 drah přes přímku ukáže věrně, proto se znovu ukazuje zrcadlo.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 paths through the line show truly here.</source>
        <translation>Frekvence snížena na %1, nejvyšší, kterou zde 30 drah přes přímku ukáže věrně.</translation>
    </message>
    <message>
        <source>Frequency back to %1, as chosen before.</source>
        <translation>Frekvence zase %1, jak byla zvolena předtím.</translation>
    </message>
    <message>
        <source>Frequency back up to %1; the %2 chosen before is beyond what this scene shows truly.</source>
        <translation>Frekvence zase zvýšena na %1; dříve zvolená %2 je za hranicí toho, co tato scéna ukáže věrně.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency brought down to %1.</source>
        <translation>Druhá frekvence grafu snížena na %1.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency back up to %1.</source>
        <translation>Druhá frekvence grafu zase zvýšena na %1.</translation>
    </message>
</context>
<context>
    <name>SegmentStrip</name>
    <message>
        <source>The mirror&apos;s segments: Left and Right move along them, Space switches one on or off</source>
        <translation>Segmenty zrcadla: šipky vlevo a vpravo se mezi nimi pohybují, mezerník jeden zapne nebo vypne</translation>
    </message>
</context>
<context>
    <name>SettingNumber</name>
    <message>
        <source>slowdown (nSpomaleni)</source>
        <translation>zpomalení (nSpomaleni)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, whose pause is beyond the range of numbers</source>
        <translation>nastavení %1 obsahuje „%2“, jehož pauza je mimo rozsah čísel</translation>
    </message>
    <message>
        <source>distance (nPosun)</source>
        <translation>vzdálenost (nPosun)</translation>
    </message>
    <message>
        <source>frequency (nKmitocet)</source>
        <translation>frekvence (nKmitocet)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, which is not a number</source>
        <translation>nastavení %1 obsahuje „%2“, což není číslo</translation>
    </message>
</context>
<context>
    <name>SetupReading</name>
    <message>
        <source>0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>0 nebo 250, nebo pro panel zkoumání celé číslo od %1 do %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>celé číslo od %1 do %2</translation>
    </message>
    <message>
        <source>1 to open the explore panel, or 0</source>
        <translation>1 pro otevření panelu zkoumání, nebo 0</translation>
    </message>
    <message>
        <source>30 digits from the left, 1 for a segment that reflects and 0 for one scraped off, or whole, middle-third, outer-thirds, grating, around-least-time or away-from-least-time</source>
        <translation>30 číslic zleva, 1 pro segment, který odráží, a 0 pro seškrábaný, nebo whole, middle-third, outer-thirds, grating, around-least-time či away-from-least-time</translation>
    </message>
    <message>
        <source>window for the window&apos;s measure of a path, or legs for its real length, the two legs added</source>
        <translation>window pro míru dráhy jako v okně, nebo legs pro její skutečnou délku, součet obou ramen</translation>
    </message>
    <message>
        <source>; beyond the mirror to %1 for water, %2 for glass and %3 for the other scenes</source>
        <translation>; mimo zrcadlo do %1 pro vodu, %2 pro sklo a %3 pro ostatní scény</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>jedno z %1</translation>
    </message>
    <message>
        <source>an even number from %1 to %2, for the gap scene</source>
        <translation>sudé číslo od %1 do %2, pro scénu se štěrbinou</translation>
    </message>
    <message>
        <source>1 or 2, or for the explore panel a number from %1 to %2 in tenths, such as 1.5, and to %3 where the measure is legs</source>
        <translation>1 nebo 2, nebo pro panel zkoumání číslo od %1 do %2 v desetinách, například 1.5, a do %3, je-li measure legs</translation>
    </message>
</context>
<context>
    <name>ThroughLineWords</name>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path of least time.</source>
        <translation>Označená dráha, přes bod %1 z 30, je nakreslená dráha nejkratšího času.</translation>
    </message>
    <message>
        <source>The paths via points %1 and %2 of 30 take the same time, the least of the drawn paths, and the mark stands between them.</source>
        <translation>Dráhy přes body %1 a %2 z 30 trvají stejně dlouho, nejkratší čas z nakreslených drah, a značka stojí mezi nimi.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line at its middle.</source>
        <translation>Dráha nejkratšího času protíná přímku v jejím středu.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels left of its middle.</source>
        <translation>Dráha nejkratšího času protíná přímku %1 pixelů vlevo od jejího středu.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels right of its middle.</source>
        <translation>Dráha nejkratšího času protíná přímku %1 pixelů vpravo od jejího středu.</translation>
    </message>
    <message>
        <source>It goes straight down through the surface below the source, so it does not bend.</source>
        <translation>Prochází povrchem kolmo dolů pod zdrojem, takže se neláme.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in water: it bends there.</source>
        <translation>Siny jeho úhlů od svislice jsou %1 nad povrchem a %2 pod ním, jeden %3krát druhý, jako je světlo ve vodě %4krát pomalejší: tam se láme.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in glass: it bends there.</source>
        <translation>Siny jeho úhlů od svislice jsou %1 nad povrchem a %2 pod ním, jeden %3krát druhý, jako je světlo ve skle %4krát pomalejší: tam se láme.</translation>
    </message>
    <message>
        <source>The mark stands between the paths via points %1 and %2 of 30, as near as each other to where the path of least time crosses.</source>
        <translation>Značka stojí mezi dráhami přes body %1 a %2 z 30, které jsou stejně blízko místu, kde dráha nejkratšího času protíná čáru.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path nearest to where the path of least time crosses, %2 pixels from it.</source>
        <translation>Označená dráha, přes bod %1 z 30, je nakreslená dráha nejbližší místu, kde dráha nejkratšího času protíná čáru, %2 pixelů od něj.</translation>
    </message>
    <message>
        <source>That crossing lies within the gap.</source>
        <translation>Ten průsečík leží ve štěrbině.</translation>
    </message>
    <message>
        <source>That crossing lies on the screen, so the path of least time does not get through.</source>
        <translation>Ten průsečík leží na stínítku, takže dráha nejkratšího času neprojde.</translation>
    </message>
    <message>
        <source>With the detector at the focus every path takes the same time, as the lens delays each path by what it falls short of the longest: every photon vector points the same way, so the sum is as long as thirty photon vectors can make it, and the path marked is no quicker than the rest.</source>
        <translation>S detektorem v ohnisku trvá každá dráha stejně dlouho, protože čočka každou dráhu zdrží o to, co jí chybí do nejdelší: každý fotonový vektor míří stejným směrem, takže součet je tak dlouhý, jak ho třicet fotonových vektorů může udělat, a označená dráha není rychlejší než ostatní.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels left of the focus the times no longer tie: each path is quicker than its neighbour to the right, so the path of least time is at the line&apos;s left end, via point 1 of 30, where the mark stands.</source>
        <translation>S detektorem %1 pixelů vlevo od ohniska se časy už neshodují: každá dráha je rychlejší než její soused vpravo, takže dráha nejkratšího času je na levém konci přímky, přes bod 1 z 30, kde stojí značka.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels right of the focus the times no longer tie: each path is quicker than its neighbour to the left, so the path of least time is at the line&apos;s right end, via point 30 of 30, where the mark stands.</source>
        <translation>S detektorem %1 pixelů vpravo od ohniska se časy už neshodují: každá dráha je rychlejší než její soused vlevo, takže dráha nejkratšího času je na pravém konci přímky, přes bod 30 z 30, kde stojí značka.</translation>
    </message>
    <message>
        <source>The lens is drawn %1 pixels thick at its thickest; glass that slows light %2 times would have to be %3 pixels thick there, %4 times as thick, to delay the paths as much.</source>
        <translation>Čočka je v nejtlustším místě nakreslena %1 pixelů tlustá; sklo, které světlo zpomalí %2krát, by tam muselo být %3 pixelů tlusté, %4krát tlustší, aby dráhy zdrželo stejně.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as without the lens at this place.</source>
        <translation>Světlo dorazí k detektoru %1krát pravděpodobněji než bez čočky na tomto místě.</translation>
    </message>
    <message>
        <source>Without the lens no light reaches the detector at this place.</source>
        <translation>Bez čočky na tomto místě nedorazí k detektoru žádné světlo.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the lens at this place.</source>
        <translation>Světlo dorazí k detektoru %1krát pravděpodobněji než s čočkou na tomto místě.</translation>
    </message>
    <message>
        <source>With the lens no light reaches the detector at this place.</source>
        <translation>S čočkou na tomto místě nedorazí k detektoru žádné světlo.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with no screen at this place.</source>
        <translation>Světlo dorazí k detektoru %1krát pravděpodobněji než bez stínítka na tomto místě.</translation>
    </message>
    <message>
        <source>With no screen no light reaches the detector at this place.</source>
        <translation>Bez stínítka na tomto místě nedorazí k detektoru žádné světlo.</translation>
    </message>
    <message>
        <source>%1 of the 30 paths pass through the gap; the screen stops the rest.</source>
        <translation>%1 z 30 drah projde štěrbinou; stínítko zastaví ostatní.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source.</source>
        <translation>Detektor stojí na přímce pod zdrojem.</translation>
    </message>
    <message>
        <source>Here, %1 pixels off the straight line below the source, the detector gets %2 times the light it gets on that line through this gap; with no screen, %3 times.</source>
        <translation>Zde, %1 pixelů od přímky pod zdrojem, dostává detektor touto štěrbinou %2krát tolik světla co na té přímce; bez stínítka %3krát.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of all thirty paths in step.</source>
        <translation>Součtový vektor je dlouhý %1 fotonových vektorů, takže detektor dostává %2 světla všech třiceti drah ve fázi.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the water&apos;s surface to the detector in the water, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Nakresleno s detektorem na %1 a frekvencí %2: 30 drah ze zdroje ve vzduchu přes hladinu vody k detektoru ve vodě, jejich fotonové vektory pod detektorem, křivka času a spirála fotonových vektorů řazených za sebou.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the glass&apos;s surface to the detector in the glass, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Nakresleno s detektorem na %1 a frekvencí %2: 30 drah ze zdroje ve vzduchu přes povrch skla k detektoru ve skle, jejich fotonové vektory pod detektorem, křivka času a spirála fotonových vektorů řazených za sebou.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the lens to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Nakresleno s detektorem na %1 a frekvencí %2: 30 drah ze zdroje přes čočku k detektoru, jejich fotonové vektory pod detektorem, křivka času a spirála fotonových vektorů řazených za sebou.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the line of points, with no lens, to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Nakresleno s detektorem na %1 a frekvencí %2: 30 drah ze zdroje přes řadu bodů, bez čočky, k detektoru, jejich fotonové vektory pod detektorem, křivka času a spirála fotonových vektorů řazených za sebou.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the paths from the source through the screen&apos;s gap of %3 points to the detector, their photon vectors under the detector, the time curve of all 30 points and the spiral of the photon vectors laid head to tail.</source>
        <translation>Nakresleno s detektorem na %1 a frekvencí %2: dráhy ze zdroje štěrbinou stínítka o %3 bodech k detektoru, jejich fotonové vektory pod detektorem, křivka času všech 30 bodů a spirála fotonových vektorů řazených za sebou.</translation>
    </message>
    <message>
        <source>A source in air stands above a water surface, and a detector in the water below it; light is %1 times slower in water.</source>
        <translation>Zdroj ve vzduchu stojí nad hladinou vody a detektor ve vodě pod ní; ve vodě je světlo %1krát pomalejší.</translation>
    </message>
    <message>
        <source>A source in air stands above a glass surface, and a detector in the glass below it; light is %1 times slower in glass.</source>
        <translation>Zdroj ve vzduchu stojí nad povrchem skla a detektor ve skle pod ním; ve skle je světlo %1krát pomalejší.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with a lens of glass on it, and a detector below it; the lens delays each path so that every path to its focus, straight below the source, takes the same time.</source>
        <translation>Zdroj stojí nad přímkou 30 bodů se skleněnou čočkou na ní a detektor pod ní; čočka zdrží každou dráhu tak, aby každá dráha do jejího ohniska, přímo pod zdrojem, trvala stejně dlouho.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with no lens on it, and a detector below it.</source>
        <translation>Zdroj stojí nad přímkou 30 bodů bez čočky a detektor pod ní.</translation>
    </message>
    <message>
        <source>A source stands above a screen, and a detector below it; light passes the screen only through its gap, %1 of the line&apos;s 30 points. Start draws the time of the path via each point, and for each point in the gap the path of light, its photon vector and a link of the spiral of the photon vectors laid head to tail.</source>
        <translation>Zdroj stojí nad stínítkem a detektor pod ním; světlo projde stínítkem jen jeho štěrbinou, %1 z 30 bodů přímky. Start nakreslí čas dráhy přes každý bod a pro každý bod ve štěrbině dráhu světla, její fotonový vektor a článek spirály fotonových vektorů řazených za sebou.</translation>
    </message>
    <message>
        <source>Start draws, for each of the line&apos;s 30 points, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Start nakreslí pro každý z 30 bodů přímky dráhu světla přes něj, jeho fotonový vektor, jeho čas a spirálu fotonových vektorů řazených za sebou.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2: the path via point %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Kreslení s detektorem na %1 a frekvencí %2: dráha přes bod %3 z 30, její fotonový vektor, její čas a další článek spirály.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 stopped after point %3 of 30: a setting is not a number.</source>
        <translation>Kreslení s detektorem na %1 a frekvencí %2 se zastavilo po bodu %3 z 30: nastavení není číslo.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 was stopped after point %3 of 30.</source>
        <translation>Kreslení s detektorem na %1 a frekvencí %2 bylo zastaveno po bodu %3 z 30.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2.</source>
        <translation>Nakresleno s detektorem na %1 a frekvencí %2.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with a gap of %2 points, the detector at %3 and frequency %4.</source>
        <translation>Start nakreslí scénu „%1“ se štěrbinou o %2 bodech, detektorem na %3 a frekvencí %4.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with the detector at %2 and frequency %3.</source>
        <translation>Start nakreslí scénu „%1“ s detektorem na %2 a frekvencí %3.</translation>
    </message>
    <message>
        <source>The gap is as wide as the line: all 30 paths pass, as with no screen.</source>
        <translation>Štěrbina je široká jako celá čára: projde všech 30 drah, jako bez stínítka.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the path nearest to where the path of least time crosses, %2 pixels from it; the screen stops it, so it is not drawn.</source>
        <translation>Označená dráha, přes bod %1 z 30, je dráha nejbližší místu, kde dráha nejkratšího času protíná čáru, %2 pixelů od něj; stínítko ji zastaví, proto není nakreslena.</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>&quot;%1&quot; is not taken: the distance is a whole number from %2 to %3.</source>
        <translation>„%1“ nelze přijmout: vzdálenost je celé číslo od %2 do %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken: the frequency is a number from %2 to %3 in tenths, such as %4.</source>
        <translation>„%1“ nelze přijmout: frekvence je číslo od %2 do %3 po desetinách, například %4.</translation>
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
        <translation>Konec</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Vzdálenost</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekvence</translation>
    </message>
    <message>
        <source>Cornu spiral and sum vector</source>
        <translation>Cornuova spirála a součtový vektor</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Stiskněte tlačítko Start</translation>
    </message>
    <message>
        <source>Time (length)</source>
        <translation>Čas (délka)</translation>
    </message>
    <message>
        <source>Photon vectors after reaching the detector</source>
        <translation>Fotonové vektory po dosažení detektoru</translation>
    </message>
    <message>
        <source>Distance from middle of the mirror</source>
        <translation>Vzdálenost od středu zrcadla</translation>
    </message>
    <message>
        <source>Difraction on mirror</source>
        <translation>Difrakce na zrcadle</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no language &apos;%1&apos;; English is shown. The languages are %2.</source>
        <translation>jazyk „%1“ neexistuje; zobrazí se angličtina. Jazyky jsou %2.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Více informací ukáže „quorvel --help“.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; --scale %4 fits.</source>
        <translation>--scale %1 zvětší okno na %2 pixelů, víc než %3, které pro ně má obrazovka; vejde se --scale %4.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; no scale fits.</source>
        <translation>--scale %1 zvětší okno na %2 pixelů, víc než %3, které pro ně má obrazovka; nevejde se žádné měřítko.</translation>
    </message>
</context>
</TS>
