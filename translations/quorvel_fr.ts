<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AccessiblePicture</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>BrightnessGraph</name>
    <message>
        <source>Distance from the middle (250 is left)</source>
        <translation>Distance au milieu (250 est à gauche)</translation>
    </message>
    <message>
        <source>grey: whole mirror</source>
        <translation>gris : miroir entier</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any distance.</source>
        <translation>À la fréquence %1, aucune lumière n&apos;atteint le détecteur, à aucune distance.</translation>
    </message>
    <message>
        <source>At frequency %1 this mirror is brightest at distance %2, %3; at the pair, distance %4, it gives %5.</source>
        <translation>À la fréquence %1, ce miroir est le plus lumineux à la distance %2, %3 ; à la paire, à la distance %4, il donne %5.</translation>
    </message>
    <message>
        <source>The whole mirror is brightest at distance %1, %2.</source>
        <translation>Le miroir entier est le plus lumineux à la distance %1, %2.</translation>
    </message>
    <message>
        <source>Brightness against distance, %1 at the left to %2 at the right, as the pair stands in the picture.</source>
        <translation>Luminosité selon la distance, de %1 à gauche à %2 à droite, comme la paire se tient dans l&apos;image.</translation>
    </message>
    <message>
        <source>The grey curve, light into glass, is brightest with the detector at %1, %2.</source>
        <translation>La courbe grise, la lumière dans le verre, est la plus claire avec le détecteur à %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, light into water, is brightest with the detector at %1, %2.</source>
        <translation>La courbe grise, la lumière dans l’eau, est la plus claire avec le détecteur à %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line without the lens, is brightest with the detector at %1, %2.</source>
        <translation>La courbe grise, la même ligne sans la lentille, est la plus claire avec le détecteur à %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line with the lens, is brightest with the detector at %1, %2.</source>
        <translation>La courbe grise, la même ligne avec la lentille, est la plus claire avec le détecteur à %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the line with no screen, is brightest with the detector at %1, %2.</source>
        <translation>La courbe grise, la ligne sans écran, est la plus claire avec le détecteur à %1, %2.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source; moved off it, the graph tells how much of the light on that line reaches it.</source>
        <translation>Le détecteur est sur la droite sous la source ; déplacé hors d’elle, le graphique dit quelle part de la lumière de cette droite lui parvient.</translation>
    </message>
    <message>
        <source>At the detector&apos;s place, %1 pixels off the straight line below the source, a gap of %2 points sends %3 times the light it sends on that line; with no screen %4 times, and with the narrowest gap, %5 points, %6 times.</source>
        <translation>À la place du détecteur, à %1 pixels de la droite sous la source, une fente de %2 points envoie %3 fois la lumière qu’elle envoie sur cette droite ; sans écran %4 fois, et avec la fente la plus étroite, %5 points, %6 fois.</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any place.</source>
        <translation>À la fréquence %1, aucune lumière n’atteint le détecteur à aucun endroit.</translation>
    </message>
    <message>
        <source>At frequency %1 the light is brightest with the detector at %2, %3 of all thirty paths in step; at the detector&apos;s place, %4, it is %5.</source>
        <translation>À la fréquence %1, la lumière est la plus claire avec le détecteur à %2, %3 des trente chemins en phase ; à la place du détecteur, %4, elle vaut %5.</translation>
    </message>
    <message>
        <source>Brightness against the detector&apos;s place, %1 at the left to %2 at the right, as the detector stands in the picture.</source>
        <translation>Luminosité selon la place du détecteur, de %1 à gauche à %2 à droite, comme le détecteur se tient dans l’image.</translation>
    </message>
    <message>
        <source>Far to the side a curve rises because every path&apos;s arrow here has the same length, however long and slanted the path, and more of them stay in step there; real light would grow fainter with the distance.</source>
        <translation>Loin sur le côté, une courbe monte parce qu’ici la flèche de chaque chemin a la même longueur, si long et si oblique que soit le chemin, et que davantage d’entre elles restent en phase ; la lumière réelle faiblirait avec la distance.</translation>
    </message>
    <message>
        <source>(as bright at %1)</source>
        <translation>(de même à %1)</translation>
    </message>
    <message>
        <source>The second frequency is the same as the first, so its curve lies on the first&apos;s.</source>
        <translation>La seconde fréquence est la même que la première, donc sa courbe se confond avec celle de la première.</translation>
    </message>
</context>
<context>
    <name>BrightnessGraphView</name>
    <message>
        <source>A click moves the source and the detector to the distance under it</source>
        <translation>Un clic place la source et le détecteur à la distance située dessous</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the windowing platform: xcb, wayland, offscreen, ...</source>
        <translation>la plateforme de fenêtrage&#xa0;: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>the X display to open, such as :0</source>
        <translation>l’affichage X à ouvrir, comme :0</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>le thème de la plateforme</translation>
    </message>
    <message>
        <source>a folder of platform plugins</source>
        <translation>un dossier de greffons de plateforme</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>un greffon de saisie à charger</translation>
    </message>
    <message>
        <source>the widget style, such as Fusion</source>
        <translation>le style des commandes, comme Fusion</translation>
    </message>
    <message>
        <source>a style sheet to apply</source>
        <translation>une feuille de style à appliquer</translation>
    </message>
    <message>
        <source>the window&apos;s size and place, such as 800x600+0+0</source>
        <translation>la taille et la place de la fenêtre, comme 800x600+0+0</translation>
    </message>
    <message>
        <source>the same as -qwindowgeometry</source>
        <translation>la même chose que -qwindowgeometry</translation>
    </message>
    <message>
        <source>the window&apos;s caption</source>
        <translation>le titre de la fenêtre</translation>
    </message>
    <message>
        <source>the window&apos;s icon</source>
        <translation>l’icône de la fenêtre</translation>
    </message>
    <message>
        <source>the application name the desktop sees</source>
        <translation>le nom d’application que voit le bureau</translation>
    </message>
    <message>
        <source>the session to restore</source>
        <translation>la session à restaurer</translation>
    </message>
    <message>
        <source>lay the window out from right to left</source>
        <translation>disposer la fenêtre de droite à gauche</translation>
    </message>
    <message>
        <source>never grab the mouse or keyboard</source>
        <translation>ne jamais capturer la souris ni le clavier</translation>
    </message>
    <message>
        <source>grab even when running in a debugger</source>
        <translation>capturer même dans un débogueur</translation>
    </message>
    <message>
        <source>talk to the X server synchronously</source>
        <translation>dialoguer avec le serveur X de façon synchrone</translation>
    </message>
    <message>
        <source>%1 was given more than once</source>
        <translation>%1 a été donné plus d’une fois</translation>
    </message>
    <message>
        <source>%1 takes %2, but was given &apos;%3&apos;</source>
        <translation>%1 attend %2, mais a reçu « %3 »</translation>
    </message>
    <message>
        <source>takes no file or other argument, but was given &apos;%1&apos;</source>
        <translation>n’accepte ni fichier ni autre argument, mais a reçu « %1 »</translation>
    </message>
    <message>
        <source>--scale takes a factor from %1 to %2, such as 1.5, but was given &apos;%3&apos;</source>
        <translation>--scale attend un facteur de %1 à %2, comme 1.5, mais a reçu « %3 »</translation>
    </message>
    <message>
        <source>Usage: quorvel [option...]</source>
        <translation>Usage&#xa0;: quorvel [option...]</translation>
    </message>
    <message>
        <source>Shows how a mirror reflects light in the sum-over-paths picture.</source>
        <translation>Montre comment un miroir réfléchit la lumière selon la somme sur les chemins.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>afficher cette aide et terminer</translation>
    </message>
    <message>
        <source>show the name and version and end</source>
        <translation>afficher le nom et la version et terminer</translation>
    </message>
    <message>
        <source>draw the whole window factor times as large, sharp, for a projector: from 1 to 4, such as 1.5</source>
        <translation>dessiner toute la fenêtre factor fois plus grande, nette, pour un projecteur&#xa0;: de 1 à 4, comme 1.5</translation>
    </message>
    <message>
        <source>A setting that only the explore panel offers opens the panel, as --explore does. The same settings make a link to the page: ?distance=250&amp;speed=5</source>
        <translation>Un réglage que seul le panneau d’exploration offre ouvre le panneau, comme --explore. Les mêmes réglages font un lien vers la page&#xa0;: ?distance=250&amp;speed=5</translation>
    </message>
    <message>
        <source>Options of the toolkit:</source>
        <translation>Options de la boîte à outils&#xa0;:</translation>
    </message>
    <message>
        <source>there is no option &apos;%1&apos;</source>
        <translation>il n’y a pas d’option « %1 »</translation>
    </message>
    <message>
        <source>--lang takes a language code such as de, but was given &apos;%1&apos;</source>
        <translation>--lang attend un code de langue comme de, mais a reçu « %1 »</translation>
    </message>
    <message>
        <source>the explore panel&apos;s mirror: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, or 30 digits from the left, 1 for a segment that reflects, 0 for one scraped off</source>
        <translation>le miroir du panneau d&apos;exploration&#xa0;: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, ou 30 chiffres depuis la gauche, 1 pour un segment qui réfléchit, 0 pour un segment gratté</translation>
    </message>
    <message>
        <source>how the explore panel measures a path: window (the window&apos;s measure) or legs (its real length)</source>
        <translation>comment le panneau d&apos;exploration mesure un chemin&#xa0;: window (la mesure de la fenêtre) ou legs (sa longueur réelle)</translation>
    </message>
    <message>
        <source>start at this distance: 0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>commencer à cette distance&#xa0;: 0 ou 250, ou pour le panneau d’exploration un entier de %1 à %2</translation>
    </message>
    <message>
        <source>start at this frequency: 1 or 2, or for the explore panel from %1 to %2 in tenths, such as 1.5 (to %3 with --measure legs)</source>
        <translation>commencer à cette fréquence&#xa0;: 1 ou 2, ou pour le panneau d&apos;exploration de %1 à %2 en dixièmes, comme 1.5 (jusqu&apos;à %3 avec --measure legs)</translation>
    </message>
    <message>
        <source>start with the speed scroll bar here, from %1 to %2</source>
        <translation>commencer avec la barre de vitesse ici, de %1 à %2</translation>
    </message>
    <message>
        <source>the language to show instead of the desktop&apos;s: %1; any other shows English</source>
        <translation>la langue à la place de celle du bureau&#xa0;: %1&#xa0;; toute autre affiche l’anglais</translation>
    </message>
    <message>
        <source>the width of the screen&apos;s gap: %1</source>
        <translation>la largeur de la fente de l’écran&#xa0;: %1</translation>
    </message>
    <message>
        <source>the scene the explore panel shows, which opens it beyond the mirror: %1</source>
        <translation>la scène que montre le panneau d’exploration&#xa0;; toute autre que le miroir l’ouvre&#xa0;: %1</translation>
    </message>
    <message>
        <source>open the Explore the paths panel with the window</source>
        <translation>ouvrir le panneau Explorer les chemins avec la fenêtre</translation>
    </message>
</context>
<context>
    <name>ExplorePanel</name>
    <message>
        <source>Brightness against distance</source>
        <translation>Luminosité selon la distance</translation>
    </message>
    <message>
        <source>Whole mirror</source>
        <translation>Miroir entier</translation>
    </message>
    <message>
        <source>Middle third</source>
        <translation>Tiers central</translation>
    </message>
    <message>
        <source>Outer thirds</source>
        <translation>Tiers extérieurs</translation>
    </message>
    <message>
        <source>Grating</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Distance in pixels</source>
        <translation>Distance en pixels</translation>
    </message>
    <message>
        <source>Frequency in tenths</source>
        <translation>Fréquence en dixièmes</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Mirror segments</source>
        <translation>Segments du miroir</translation>
    </message>
    <message>
        <source>Around least time</source>
        <translation>Près du moindre temps</translation>
    </message>
    <message>
        <source>Away from it</source>
        <translation>Loin de lui</translation>
    </message>
    <message>
        <source>Away from least time</source>
        <translation>Loin du moindre temps</translation>
    </message>
    <message>
        <source>How a path&apos;s length is measured</source>
        <translation>Comment la longueur d&apos;un chemin est mesurée</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Second frequency on the graph</source>
        <translation>Seconde fréquence sur le graphique</translation>
    </message>
    <message>
        <source>Second frequency</source>
        <translation>Seconde fréquence</translation>
    </message>
    <message>
        <source>Explore the paths</source>
        <translation>Explorer les chemins</translation>
    </message>
</context>
<context>
    <name>ExploreWords</name>
    <message>
        <source>segment %1 of 30, on</source>
        <translation>segment %1 sur 30, actif</translation>
    </message>
    <message>
        <source>segment %1 of 30, off</source>
        <translation>segment %1 sur 30, inactif</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle; the whole mirror here sends none</source>
        <translation>%1 de la lumière d’un miroir entier au milieu ; le miroir entier ici n’en envoie aucune</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle, %2 times that of the whole mirror here</source>
        <translation>%1 de la lumière d’un miroir entier au milieu, %2 fois celle du miroir entier ici</translation>
    </message>
    <message>
        <source>the whole mirror here sends no light</source>
        <translation>le miroir entier ici n’envoie aucune lumière</translation>
    </message>
    <message>
        <source>%1 times as likely as with the whole mirror here</source>
        <translation>%1 fois autant de chances qu’avec le miroir entier ici</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against a whole mirror at the middle and against the whole mirror at the same place. The bar is full at the most light any mirror sends at this frequency.</source>
        <translation>La probabilité que la lumière atteigne le détecteur, le carré de la longueur du vecteur somme, par rapport à un miroir entier au milieu et au miroir entier au même endroit. La barre est pleine à la plus grande lumière qu’un miroir envoie à cette fréquence.</translation>
    </message>
    <message>
        <source>Real length (the two legs)</source>
        <translation>Longueur réelle (les deux segments)</translation>
    </message>
    <message>
        <source>Window&apos;s (shorter than real)</source>
        <translation>De la fenêtre (plus courte que la réelle)</translation>
    </message>
    <message>
        <source>Path lengths: %1.</source>
        <translation>Longueurs des chemins : %1.</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 segments show truly with these lengths.</source>
        <translation>Fréquence ramenée à %1, la plus haute que 30 segments montrent fidèlement avec ces longueurs.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 segments show truly with real lengths, so paths are measured as the window measures them again.</source>
        <translation>La fréquence %1 dépasse ce que 30 segments montrent fidèlement avec les longueurs réelles : les chemins sont de nouveau mesurés comme la fenêtre les mesure.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: the ends do not cancel at any frequency the panel reaches here.</source>
        <translation>À la fréquence %1, les tiers extérieurs donnent %2 et le tiers central %3 : les extrémités ne s&apos;annulent ici à aucune fréquence que le panneau atteint.</translation>
    </message>
    <message>
        <source>With the pair away from the middle, the middle third is not around the least-time point, so the outer thirds are not the ends that cancel.</source>
        <translation>Avec la paire loin du milieu, le tiers central n&apos;entoure pas le point de moindre temps, donc les tiers extérieurs ne sont pas les extrémités qui s&apos;annulent.</translation>
    </message>
    <message>
        <source>Try frequency %1</source>
        <translation>Essayer la fréquence %1</translation>
    </message>
    <message>
        <source>Move the pair to the middle</source>
        <translation>Placer la paire au milieu</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that without the lens here</source>
        <translation>%1 de la lumière des trente chemins en phase, %2 fois celle sans la lentille ici</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; without the lens here none arrives</source>
        <translation>%1 de la lumière des trente chemins en phase ; sans la lentille, rien n’arrive ici</translation>
    </message>
    <message>
        <source>%1 times as likely as without the lens here</source>
        <translation>%1 fois autant de chances que sans la lentille ici</translation>
    </message>
    <message>
        <source>without the lens here no light arrives</source>
        <translation>sans la lentille, aucune lumière n’arrive ici</translation>
    </message>
    <message>
        <source>The second figure is against the same line without the lens, with the detector at the same place.</source>
        <translation>Le second chiffre est rapporté à la même ligne sans la lentille, avec le détecteur au même endroit.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with the lens here</source>
        <translation>%1 de la lumière des trente chemins en phase, %2 fois celle avec la lentille ici</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with the lens here none arrives</source>
        <translation>%1 de la lumière des trente chemins en phase ; avec la lentille, rien n’arrive ici</translation>
    </message>
    <message>
        <source>%1 times as likely as with the lens here</source>
        <translation>%1 fois autant de chances qu’avec la lentille ici</translation>
    </message>
    <message>
        <source>with the lens here no light arrives</source>
        <translation>avec la lentille, aucune lumière n’arrive ici</translation>
    </message>
    <message>
        <source>The second figure is against the same line with the lens, with the detector at the same place.</source>
        <translation>Le second chiffre est rapporté à la même ligne avec la lentille, avec le détecteur au même endroit.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with no screen here</source>
        <translation>%1 de la lumière des trente chemins en phase, %2 fois celle sans écran ici</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with no screen here none arrives</source>
        <translation>%1 de la lumière des trente chemins en phase ; sans écran, rien n’arrive ici</translation>
    </message>
    <message>
        <source>%1 times as likely as with no screen here</source>
        <translation>%1 fois autant de chances que sans écran ici</translation>
    </message>
    <message>
        <source>with no screen here no light arrives</source>
        <translation>sans écran, aucune lumière n’arrive ici</translation>
    </message>
    <message>
        <source>The second figure is against the line with no screen, with the detector at the same place.</source>
        <translation>Le second chiffre est rapporté à la ligne sans écran, avec le détecteur au même endroit.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step</source>
        <translation>%1 de la lumière des trente chemins en phase</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against all thirty paths in step, the most they can send; the bar is full there.</source>
        <translation>La probabilité que la lumière atteigne le détecteur, le carré de la longueur du vecteur somme, rapportée aux trente chemins en phase, le plus qu’ils puissent envoyer ; la barre est pleine à ce niveau.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: here each end&apos;s arrows go partway round a circle without closing it, so they do not cancel.</source>
        <translation>À la fréquence %1, les tiers extérieurs donnent %2 et le tiers central %3 : ici les flèches de chaque extrémité font une partie d’un cercle sans le fermer, donc elles ne s’annulent pas.</translation>
    </message>
</context>
<context>
    <name>KeyboardHelp</name>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>Move to the next or the previous control</source>
        <translation>Passer à la commande suivante ou précédente</translation>
    </message>
    <message>
        <source>Left, Right, Up, Down</source>
        <translation>Gauche, Droite, Haut, Bas</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Début, Fin</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Press the button, or switch the segment, that has the focus</source>
        <translation>Appuyer sur le bouton, ou basculer le segment, qui a le focus</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Appuyer sur le bouton qui a le focus</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Shift+F10, Menu</source>
        <translation>Maj+F10, Menu</translation>
    </message>
    <message>
        <source>Open the picture&apos;s menu</source>
        <translation>Ouvrir le menu de l’image</translation>
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
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Show these keys</source>
        <translation>Afficher ces touches</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Show the window on the whole screen, or leave the full screen</source>
        <translation>Afficher la fenêtre en plein écran, ou quitter le plein écran</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Close this help</source>
        <translation>Fermer cette aide</translation>
    </message>
    <message>
        <source>Keys of Quorvel</source>
        <translation>Touches de Quorvel</translation>
    </message>
    <message>
        <source>Stop a run at once, and drop what was pressed during it</source>
        <translation>Arrêter aussitôt une exécution et abandonner ce qui a été pressé pendant celle-ci</translation>
    </message>
    <message>
        <source>Save the picture as PNG, SVG or JPEG</source>
        <translation>Enregistrer l’image en PNG, SVG ou JPEG</translation>
    </message>
    <message>
        <source>Open or close Explore the paths</source>
        <translation>Ouvrir ou fermer « Explorer les chemins »</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page préc., Page suiv.</translation>
    </message>
    <message>
        <source>Move a slider of the explore panel by a larger step, or %3 segments along the mirror</source>
        <translation>Déplacer un curseur du panneau d&apos;exploration d&apos;un plus grand pas, ou de %3 segments le long du miroir</translation>
    </message>
    <message>
        <source>Move the speed to %1 or %2, or a slider to its end; go to the first or the last segment</source>
        <translation>Mettre la vitesse à %1 ou %2, ou un curseur à son extrémité ; aller au premier ou au dernier segment</translation>
    </message>
    <message>
        <source>Choose the other option of a group, or with Up and Down another in a list; move the speed or a slider by one step; move along the mirror&apos;s segments</source>
        <translation>Choisir l&apos;autre option d&apos;un groupe, ou avec Haut et Bas une autre dans une liste ; déplacer la vitesse ou un curseur d&apos;un pas ; parcourir les segments du miroir</translation>
    </message>
</context>
<context>
    <name>KeyboardHelpDialog</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Ce qu’elles font</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Animation speed</source>
        <translation>Vitesse de l’animation</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>Image JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Ralentissement de l’animation, de %1 à gauche à %2 à droite</translation>
    </message>
</context>
<context>
    <name>MainFormModel</name>
    <message>
        <source>quorvel: Start stopped: %1</source>
        <translation>quorvel : Démarrer s’est arrêté : %1</translation>
    </message>
    <message>
        <source>Carried out after the run: %1.</source>
        <translation>Effectué après le tracé : %1.</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel est terminé.</translation>
    </message>
    <message>
        <source>Stopped after segment %1 of 30.</source>
        <translation>Arrêté après le segment %1 sur 30.</translation>
    </message>
    <message>
        <source>What was pressed during the run is dropped.</source>
        <translation>Ce qui a été pressé pendant l’exécution est abandonné.</translation>
    </message>
    <message>
        <source>Brightness %1.</source>
        <translation>Luminosité %1.</translation>
    </message>
    <message>
        <source>Then %1.</source>
        <translation>Ensuite : %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Vitesse de l’animation</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Enregistrer en PNG</translation>
    </message>
    <message>
        <source>Save SVG</source>
        <translation>Enregistrer en SVG</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel est terminé.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Le relancer</translation>
    </message>
    <message>
        <source>Quorvel is loading…</source>
        <translation>Quorvel se charge…</translation>
    </message>
    <message>
        <source>Quorvel could not start: %1</source>
        <translation>Quorvel n’a pas pu démarrer : %1</translation>
    </message>
    <message>
        <source>segment %1 of 30</source>
        <translation>segment %1 sur 30</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>L’image n’a pas pu être copiée : %1</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Link copied.</source>
        <translation>Lien copié.</translation>
    </message>
    <message>
        <source>The link could not be copied: %1</source>
        <translation>Le lien n’a pas pu être copié : %1</translation>
    </message>
    <message>
        <source>Picture copied.</source>
        <translation>Image copiée.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>250 is left of the middle, as in the picture</source>
        <translation>250 est à gauche du milieu, comme dans l&apos;image</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Ralentissement de l’animation, de %1 à gauche à %2 à droite</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message>
        <source>distance %1 and frequency %2</source>
        <translation>distance %1 et fréquence %2</translation>
    </message>
    <message>
        <source>No segment of the mirror reflects, so no path reaches the detector.</source>
        <translation>Aucun segment du miroir ne réfléchit, donc aucun chemin n’atteint le détecteur.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, at the middle of the mirror.</source>
        <translation>Le chemin de moindre temps se réfléchit sur le segment %1 sur 30, au milieu du miroir.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, right of the middle of the mirror.</source>
        <translation>Le chemin de moindre temps se réfléchit sur le segment %1 sur 30, à droite du milieu du miroir.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, left of the middle of the mirror.</source>
        <translation>Le chemin de moindre temps se réfléchit sur le segment %1 sur 30, à gauche du milieu du miroir.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, at the middle of the mirror.</source>
        <translation>Le chemin de moindre temps se réfléchit sur les segments %1 et %2 sur 30, au milieu du miroir.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, right of the middle of the mirror.</source>
        <translation>Le chemin de moindre temps se réfléchit sur les segments %1 et %2 sur 30, à droite du milieu du miroir.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, left of the middle of the mirror.</source>
        <translation>Le chemin de moindre temps se réfléchit sur les segments %1 et %2 sur 30, à gauche du milieu du miroir.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: the photon vectors turn every way and nearly cancel, so little light arrives.</source>
        <translation>Le vecteur somme mesure %1 vecteurs photons, donc le détecteur reçoit %2 de la lumière d’un miroir entier au milieu : les vecteurs photons tournent dans tous les sens et s’annulent presque, donc peu de lumière arrive.</translation>
    </message>
    <message>
        <source>Of the mirror&apos;s 30 segments %1 reflect; the others are scraped off.</source>
        <translation>Sur les 30 segments du miroir, %1 réfléchissent ; les autres sont grattés.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2: the path via segment %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Tracé pour la distance %1 et la fréquence %2 : le chemin par le segment %3 sur 30, son vecteur photon, son temps et le maillon suivant de la spirale.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 stopped after segment %3 of 30: a setting is not a number.</source>
        <translation>Le tracé pour la distance %1 et la fréquence %2 s’est arrêté après le segment %3 sur 30 : un réglage n’est pas un nombre.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2: the 30 paths from the source via the mirror to the detector, their photon vectors under the mirror, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Tracé pour la distance %1 et la fréquence %2 : les 30 chemins de la source au détecteur par le miroir, leurs vecteurs photons sous le miroir, la courbe du temps et la spirale des vecteurs photons mis bout à bout.</translation>
    </message>
    <message>
        <source>A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Une source et un détecteur se trouvent au-dessus d’un miroir de 30 segments. Démarrer trace, pour chaque segment, le chemin de la lumière par ce segment, son vecteur photon, son temps, et une spirale des vecteurs photons mis bout à bout.</translation>
    </message>
    <message>
        <source>Start will draw distance %1 and frequency %2.</source>
        <translation>Démarrer tracera la distance %1 et la fréquence %2.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2.</source>
        <translation>Tracé pour la distance %1 et la fréquence %2.</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>vitesse %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>distance %1</translation>
    </message>
    <message>
        <source>frequency %1</source>
        <translation>fréquence %1</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 was stopped after segment %3 of 30.</source>
        <translation>Le tracé pour la distance %1 et la fréquence %2 a été arrêté après le segment %3 sur 30.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, at the middle of the mirror, but that segment is scraped off.</source>
        <translation>Le chemin de moindre temps se réfléchirait sur le segment %1 sur 30, au milieu du miroir, mais ce segment est gratté.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, right of the middle of the mirror, but that segment is scraped off.</source>
        <translation>Le chemin de moindre temps se réfléchirait sur le segment %1 sur 30, à droite du milieu du miroir, mais ce segment est gratté.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, left of the middle of the mirror, but that segment is scraped off.</source>
        <translation>Le chemin de moindre temps se réfléchirait sur le segment %1 sur 30, à gauche du milieu du miroir, mais ce segment est gratté.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, at the middle of the mirror, but both are scraped off.</source>
        <translation>Le chemin de moindre temps se réfléchirait entre les segments %1 et %2 sur 30, au milieu du miroir, mais les deux sont grattés.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, right of the middle of the mirror, but both are scraped off.</source>
        <translation>Le chemin de moindre temps se réfléchirait entre les segments %1 et %2 sur 30, à droite du milieu du miroir, mais les deux sont grattés.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, left of the middle of the mirror, but both are scraped off.</source>
        <translation>Le chemin de moindre temps se réfléchirait entre les segments %1 et %2 sur 30, à gauche du milieu du miroir, mais les deux sont grattés.</translation>
    </message>
    <message>
        <source>Of the two, segment %1 is scraped off.</source>
        <translation>Des deux, le segment %1 est gratté.</translation>
    </message>
    <message>
        <source>All of the sum comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>Toute la somme vient de segments loin du chemin de moindre temps, car ceux qui l’entourent sont grattés.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from the segments around the path of least time.</source>
        <translation>L’essentiel de la somme, %1 de ses %2 vecteurs photons, vient des segments autour du chemin de moindre temps.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from segments far from the path of least time.</source>
        <translation>L’essentiel de la somme, %1 de ses %2 vecteurs photons, vient de segments loin du chemin de moindre temps.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle.</source>
        <translation>Le vecteur somme mesure %1 vecteurs photons, donc le détecteur reçoit %2 de la lumière d’un miroir entier au milieu.</translation>
    </message>
    <message>
        <source>The %1 strips left make a grating: each kept photon vector points within a quarter turn of one direction, so each adds to the sum along it.</source>
        <translation>Les %1 bandes restantes forment un réseau : chaque vecteur photon gardé pointe à moins d’un quart de tour d’une direction, donc chacun ajoute à la somme le long de celle-ci.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: all of it comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>Le vecteur somme mesure %1 vecteurs photons, donc le détecteur reçoit %2 de la lumière d’un miroir entier au milieu : tout vient de segments loin du chemin de moindre temps, car ceux qui l’entourent sont grattés.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it, %3 of its %1 photon vectors, comes from segments far from the path of least time.</source>
        <translation>Le vecteur somme mesure %1 vecteurs photons, donc le détecteur reçoit %2 de la lumière d’un miroir entier au milieu : l’essentiel, %3 de ses %1 vecteurs photons, vient de segments loin du chemin de moindre temps.</translation>
    </message>
    <message>
        <source>The whole mirror at this place sends no light to the detector.</source>
        <translation>Le miroir entier à cet endroit n’envoie aucune lumière au détecteur.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the whole mirror at this place: the square of the sum vector&apos;s length against the whole mirror&apos;s.</source>
        <translation>La lumière a %1 fois autant de chances d’atteindre le détecteur qu’avec le miroir entier à cet endroit : le carré de la longueur du vecteur somme par rapport à celui du miroir entier.</translation>
    </message>
    <message>
        <source>Each path is measured by its real length, its two legs added.</source>
        <translation>Chaque chemin est mesuré par sa longueur réelle, ses deux segments additionnés.</translation>
    </message>
    <message>
        <source>path lengths: %1</source>
        <translation>longueurs des chemins : %1</translation>
    </message>
    <message>
        <source>second frequency %1</source>
        <translation>seconde fréquence %1</translation>
    </message>
    <message>
        <source>no second frequency</source>
        <translation>pas de seconde fréquence</translation>
    </message>
    <message>
        <source>the explore panel opened</source>
        <translation>le panneau d’exploration ouvert</translation>
    </message>
    <message>
        <source>the explore panel closed</source>
        <translation>le panneau d’exploration fermé</translation>
    </message>
    <message>
        <source>The spiral and the sum vector are drawn at %1 of their full size, to fit in the picture.</source>
        <translation>La spirale et le vecteur somme sont dessinés à %1 de leur taille réelle, pour tenir dans l’image.</translation>
    </message>
    <message>
        <source>No segment reflects, so no photon vector reaches the detector and no light arrives.</source>
        <translation>Aucun segment ne réfléchit, donc aucun vecteur photon n’atteint le détecteur et aucune lumière n’arrive.</translation>
    </message>
    <message>
        <source>Every segment of the mirror is scraped off.</source>
        <translation>Tous les segments du miroir sont grattés.</translation>
    </message>
    <message>
        <source>the whole mirror put back</source>
        <translation>le miroir entier remis en place</translation>
    </message>
    <message>
        <source>the mirror scraped to its middle third</source>
        <translation>le miroir gratté jusqu’à ne garder que son tiers central</translation>
    </message>
    <message>
        <source>the mirror scraped to its outer thirds</source>
        <translation>le miroir gratté jusqu’à ne garder que ses tiers extérieurs</translation>
    </message>
    <message>
        <source>the mirror scraped into a grating</source>
        <translation>le miroir gratté en un réseau</translation>
    </message>
    <message>
        <source>the mirror scraped to the third around least time</source>
        <translation>le miroir gratté jusqu’à ne garder que le tiers autour du moindre temps</translation>
    </message>
    <message>
        <source>the third around least time scraped off</source>
        <translation>le tiers autour du moindre temps gratté</translation>
    </message>
    <message>
        <source>the scene “%1” chosen</source>
        <translation>la scène « %1 » choisie</translation>
    </message>
    <message>
        <source>the screen&apos;s gap set to %1 points</source>
        <translation>la fente de l’écran réglée à %1 points</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay within its axes, under its label.</source>
        <translation>La courbe du temps est tracée à %1 de sa hauteur complète, pour rester dans ses axes, sous son étiquette.</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay clear of the photon vectors.</source>
        <translation>La courbe du temps est dessinée à %1 de sa hauteur réelle, pour ne pas toucher les vecteurs photon.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it comes from the segments around the path of least time, whose photon vectors turn least from one to the next.</source>
        <translation>Le vecteur somme mesure %1 vecteurs photons, donc le détecteur reçoit %2 de la lumière d’un miroir entier au milieu : l’essentiel vient des segments autour du chemin de moindre temps, dont les vecteurs photons tournent le moins de l’un au suivant.</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>L’image n’a pas pu être enregistrée sous %1 : %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: Quorvel saves pictures as .png, .svg or .jpg files.</source>
        <translation>L’image n’a pas pu être enregistrée sous %1 : Quorvel enregistre les images en fichiers .png, .svg ou .jpg.</translation>
    </message>
</context>
<context>
    <name>SceneWords</name>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Into water</source>
        <translation>Dans l’eau</translation>
    </message>
    <message>
        <source>Into glass</source>
        <translation>Dans le verre</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Lentille</translation>
    </message>
    <message>
        <source>Same pair, no lens</source>
        <translation>La même paire, sans lentille</translation>
    </message>
    <message>
        <source>Narrow gap</source>
        <translation>Fente étroite</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scène</translation>
    </message>
    <message>
        <source>Gap in points</source>
        <translation>Fente en points</translation>
    </message>
    <message>
        <source>Detector&apos;s place</source>
        <translation>Place du détecteur</translation>
    </message>
    <message>
        <source>Detector&apos;s distance from the middle</source>
        <translation>Distance du détecteur au milieu</translation>
    </message>
    <message>
        <source>Detector&apos;s place from the middle (250 is left)</source>
        <translation>Place du détecteur depuis le milieu (250 est à gauche)</translation>
    </message>
    <message>
        <source>grey: into glass</source>
        <translation>gris : dans le verre</translation>
    </message>
    <message>
        <source>grey: into water</source>
        <translation>gris : dans l’eau</translation>
    </message>
    <message>
        <source>grey: no lens</source>
        <translation>gris : sans lentille</translation>
    </message>
    <message>
        <source>grey: with the lens</source>
        <translation>gris : avec la lentille</translation>
    </message>
    <message>
        <source>grey: no screen</source>
        <translation>gris : sans écran</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the detector alone.</source>
        <translation>Scène « %1 » : la distance ne déplace que le détecteur.</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the source and the detector together.</source>
        <translation>Scène « %1 » : la distance déplace ensemble la source et le détecteur.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 paths through the line show truly, so the mirror is shown again.</source>
        <translation>La fréquence %1 dépasse ce que 30 chemins à travers la ligne montrent fidèlement : le miroir est donc affiché de nouveau.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 paths through the line show truly here.</source>
        <translation>Fréquence ramenée à %1, la plus haute que 30 chemins à travers la ligne montrent fidèlement ici.</translation>
    </message>
    <message>
        <source>Frequency back to %1, as chosen before.</source>
        <translation>Fréquence revenue à %1, comme choisie auparavant.</translation>
    </message>
    <message>
        <source>Frequency back up to %1; the %2 chosen before is beyond what this scene shows truly.</source>
        <translation>Fréquence remontée à %1 ; la fréquence %2 choisie auparavant dépasse ce que cette scène montre fidèlement.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency brought down to %1.</source>
        <translation>Deuxième fréquence du graphique ramenée à %1.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency back up to %1.</source>
        <translation>Deuxième fréquence du graphique remontée à %1.</translation>
    </message>
</context>
<context>
    <name>SegmentStrip</name>
    <message>
        <source>The mirror&apos;s segments: Left and Right move along them, Space switches one on or off</source>
        <translation>Les segments du miroir : Gauche et Droite s’y déplacent, Espace en active ou désactive un</translation>
    </message>
</context>
<context>
    <name>SettingNumber</name>
    <message>
        <source>slowdown (nSpomaleni)</source>
        <translation>ralentissement (nSpomaleni)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, whose pause is beyond the range of numbers</source>
        <translation>le réglage %1 contient « %2 », dont la pause dépasse l’étendue des nombres</translation>
    </message>
    <message>
        <source>distance (nPosun)</source>
        <translation>distance (nPosun)</translation>
    </message>
    <message>
        <source>frequency (nKmitocet)</source>
        <translation>fréquence (nKmitocet)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, which is not a number</source>
        <translation>le réglage %1 contient « %2 », qui n’est pas un nombre</translation>
    </message>
</context>
<context>
    <name>SetupReading</name>
    <message>
        <source>0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>0 ou 250, ou pour le panneau d’exploration un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>1 to open the explore panel, or 0</source>
        <translation>1 pour ouvrir le panneau d’exploration, ou 0</translation>
    </message>
    <message>
        <source>30 digits from the left, 1 for a segment that reflects and 0 for one scraped off, or whole, middle-third, outer-thirds, grating, around-least-time or away-from-least-time</source>
        <translation>30 chiffres depuis la gauche, 1 pour un segment qui réfléchit et 0 pour un segment gratté, ou whole, middle-third, outer-thirds, grating, around-least-time ou away-from-least-time</translation>
    </message>
    <message>
        <source>window for the window&apos;s measure of a path, or legs for its real length, the two legs added</source>
        <translation>window pour la mesure de la fenêtre, ou legs pour sa longueur réelle, les deux segments additionnés</translation>
    </message>
    <message>
        <source>; beyond the mirror to %1 for water, %2 for glass and %3 for the other scenes</source>
        <translation> ; hors du miroir jusqu’à %1 pour l’eau, %2 pour le verre et %3 pour les autres scènes</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>l’un de %1</translation>
    </message>
    <message>
        <source>an even number from %1 to %2, for the gap scene</source>
        <translation>un nombre pair de %1 à %2, pour la scène de la fente</translation>
    </message>
    <message>
        <source>1 or 2, or for the explore panel a number from %1 to %2 in tenths, such as 1.5, and to %3 where the measure is legs</source>
        <translation>1 ou 2, ou pour le panneau d&apos;exploration un nombre de %1 à %2 en dixièmes, comme 1.5, et jusqu&apos;à %3 si measure vaut legs</translation>
    </message>
</context>
<context>
    <name>ThroughLineWords</name>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path of least time.</source>
        <translation>Le chemin marqué, par le point %1 sur 30, est le chemin tracé de moindre temps.</translation>
    </message>
    <message>
        <source>The paths via points %1 and %2 of 30 take the same time, the least of the drawn paths, and the mark stands between them.</source>
        <translation>Les chemins par les points %1 et %2 sur 30 prennent le même temps, le moindre des chemins tracés, et la marque se trouve entre eux.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line at its middle.</source>
        <translation>Le chemin de moindre temps traverse la ligne en son milieu.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels left of its middle.</source>
        <translation>Le chemin de moindre temps traverse la ligne %1 pixels à gauche de son milieu.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels right of its middle.</source>
        <translation>Le chemin de moindre temps traverse la ligne %1 pixels à droite de son milieu.</translation>
    </message>
    <message>
        <source>It goes straight down through the surface below the source, so it does not bend.</source>
        <translation>Il descend tout droit à travers la surface sous la source, il ne se brise donc pas.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in water: it bends there.</source>
        <translation>Les sinus de ses angles avec la verticale valent %1 au-dessus de la surface et %2 en dessous, l’un %3 fois l’autre, comme la lumière est %4 fois plus lente dans l’eau : il s’y brise.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in glass: it bends there.</source>
        <translation>Les sinus de ses angles avec la verticale valent %1 au-dessus de la surface et %2 en dessous, l’un %3 fois l’autre, comme la lumière est %4 fois plus lente dans le verre : il s’y brise.</translation>
    </message>
    <message>
        <source>The mark stands between the paths via points %1 and %2 of 30, as near as each other to where the path of least time crosses.</source>
        <translation>La marque se trouve entre les chemins par les points %1 et %2 sur 30, aussi proches l&apos;un que l&apos;autre de l&apos;endroit où passe le chemin de moindre temps.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path nearest to where the path of least time crosses, %2 pixels from it.</source>
        <translation>Le chemin marqué, par le point %1 sur 30, est le chemin tracé le plus proche de l&apos;endroit où passe le chemin de moindre temps, à %2 pixels de lui.</translation>
    </message>
    <message>
        <source>That crossing lies within the gap.</source>
        <translation>Ce point de passage se trouve dans la fente.</translation>
    </message>
    <message>
        <source>That crossing lies on the screen, so the path of least time does not get through.</source>
        <translation>Ce point de passage se trouve sur l’écran, le chemin de moindre temps ne passe donc pas.</translation>
    </message>
    <message>
        <source>With the detector at the focus every path takes the same time, as the lens delays each path by what it falls short of the longest: every photon vector points the same way, so the sum is as long as thirty photon vectors can make it, and the path marked is no quicker than the rest.</source>
        <translation>Avec le détecteur au foyer, chaque chemin prend le même temps, car la lentille retarde chaque chemin de ce qui lui manque pour égaler le plus long : chaque vecteur photon pointe dans la même direction, la somme est donc aussi longue que trente vecteurs photons peuvent la faire, et le chemin marqué n’est pas plus rapide que les autres.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels left of the focus the times no longer tie: each path is quicker than its neighbour to the right, so the path of least time is at the line&apos;s left end, via point 1 of 30, where the mark stands.</source>
        <translation>Avec le détecteur à %1 pixels à gauche du foyer, les temps ne sont plus égaux : chaque chemin est plus rapide que son voisin de droite, le chemin de moindre temps est donc à l’extrémité gauche de la ligne, par le point 1 sur 30, où se trouve la marque.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels right of the focus the times no longer tie: each path is quicker than its neighbour to the left, so the path of least time is at the line&apos;s right end, via point 30 of 30, where the mark stands.</source>
        <translation>Avec le détecteur à %1 pixels à droite du foyer, les temps ne sont plus égaux : chaque chemin est plus rapide que son voisin de gauche, le chemin de moindre temps est donc à l’extrémité droite de la ligne, par le point 30 sur 30, où se trouve la marque.</translation>
    </message>
    <message>
        <source>The lens is drawn %1 pixels thick at its thickest; glass that slows light %2 times would have to be %3 pixels thick there, %4 times as thick, to delay the paths as much.</source>
        <translation>La lentille est tracée épaisse de %1 pixels en son point le plus épais ; un verre qui ralentit la lumière %2 fois devrait y faire %3 pixels, %4 fois plus, pour retarder autant les chemins.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as without the lens at this place.</source>
        <translation>La lumière atteint le détecteur avec une probabilité %1 fois celle sans la lentille à cet endroit.</translation>
    </message>
    <message>
        <source>Without the lens no light reaches the detector at this place.</source>
        <translation>Sans la lentille, aucune lumière n’atteint le détecteur à cet endroit.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the lens at this place.</source>
        <translation>La lumière atteint le détecteur avec une probabilité %1 fois celle avec la lentille à cet endroit.</translation>
    </message>
    <message>
        <source>With the lens no light reaches the detector at this place.</source>
        <translation>Avec la lentille, aucune lumière n’atteint le détecteur à cet endroit.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with no screen at this place.</source>
        <translation>La lumière atteint le détecteur avec une probabilité %1 fois celle sans écran à cet endroit.</translation>
    </message>
    <message>
        <source>With no screen no light reaches the detector at this place.</source>
        <translation>Sans écran, aucune lumière n’atteint le détecteur à cet endroit.</translation>
    </message>
    <message>
        <source>%1 of the 30 paths pass through the gap; the screen stops the rest.</source>
        <translation>%1 des 30 chemins passent par la fente ; l’écran arrête les autres.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source.</source>
        <translation>Le détecteur est sur la droite sous la source.</translation>
    </message>
    <message>
        <source>Here, %1 pixels off the straight line below the source, the detector gets %2 times the light it gets on that line through this gap; with no screen, %3 times.</source>
        <translation>Ici, à %1 pixels de la droite sous la source, le détecteur reçoit par cette fente %2 fois la lumière qu’il reçoit sur cette droite ; sans écran, %3 fois.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of all thirty paths in step.</source>
        <translation>Le vecteur somme mesure %1 vecteurs photons, le détecteur reçoit donc %2 de la lumière des trente chemins en phase.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the water&apos;s surface to the detector in the water, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Tracé avec le détecteur à %1 et la fréquence %2 : les 30 chemins de la source dans l’air au détecteur dans l’eau à travers la surface de l’eau, leurs vecteurs photons sous le détecteur, la courbe du temps et la spirale des vecteurs photons mis bout à bout.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the glass&apos;s surface to the detector in the glass, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Tracé avec le détecteur à %1 et la fréquence %2 : les 30 chemins de la source dans l’air au détecteur dans le verre à travers la surface du verre, leurs vecteurs photons sous le détecteur, la courbe du temps et la spirale des vecteurs photons mis bout à bout.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the lens to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Tracé avec le détecteur à %1 et la fréquence %2 : les 30 chemins de la source au détecteur à travers la lentille, leurs vecteurs photons sous le détecteur, la courbe du temps et la spirale des vecteurs photons mis bout à bout.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the line of points, with no lens, to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Tracé avec le détecteur à %1 et la fréquence %2 : les 30 chemins de la source au détecteur à travers la ligne de points, sans lentille, leurs vecteurs photons sous le détecteur, la courbe du temps et la spirale des vecteurs photons mis bout à bout.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the paths from the source through the screen&apos;s gap of %3 points to the detector, their photon vectors under the detector, the time curve of all 30 points and the spiral of the photon vectors laid head to tail.</source>
        <translation>Tracé avec le détecteur à %1 et la fréquence %2 : les chemins de la source au détecteur par la fente de l’écran, de %3 points, leurs vecteurs photons sous le détecteur, la courbe du temps des 30 points et la spirale des vecteurs photons mis bout à bout.</translation>
    </message>
    <message>
        <source>A source in air stands above a water surface, and a detector in the water below it; light is %1 times slower in water.</source>
        <translation>Une source dans l’air se tient au-dessus d’une surface d’eau, et un détecteur dans l’eau en dessous ; dans l’eau, la lumière est %1 fois plus lente.</translation>
    </message>
    <message>
        <source>A source in air stands above a glass surface, and a detector in the glass below it; light is %1 times slower in glass.</source>
        <translation>Une source dans l’air se tient au-dessus d’une surface de verre, et un détecteur dans le verre en dessous ; dans le verre, la lumière est %1 fois plus lente.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with a lens of glass on it, and a detector below it; the lens delays each path so that every path to its focus, straight below the source, takes the same time.</source>
        <translation>Une source se tient au-dessus d’une ligne de 30 points portant une lentille de verre, et un détecteur en dessous ; la lentille retarde chaque chemin pour que tout chemin vers son foyer, juste sous la source, prenne le même temps.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with no lens on it, and a detector below it.</source>
        <translation>Une source se tient au-dessus d’une ligne de 30 points sans lentille, et un détecteur en dessous.</translation>
    </message>
    <message>
        <source>A source stands above a screen, and a detector below it; light passes the screen only through its gap, %1 of the line&apos;s 30 points. Start draws the time of the path via each point, and for each point in the gap the path of light, its photon vector and a link of the spiral of the photon vectors laid head to tail.</source>
        <translation>Une source se tient au-dessus d’un écran, et un détecteur en dessous ; la lumière ne passe l’écran que par sa fente, %1 des 30 points de la ligne. Démarrer trace le temps du chemin par chaque point et, pour chaque point de la fente, le chemin de la lumière, son vecteur photon et un maillon de la spirale des vecteurs photons mis bout à bout.</translation>
    </message>
    <message>
        <source>Start draws, for each of the line&apos;s 30 points, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Démarrer trace, pour chacun des 30 points de la ligne, le chemin de la lumière par ce point, son vecteur photon, son temps, et une spirale des vecteurs photons mis bout à bout.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2: the path via point %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Tracé en cours avec le détecteur à %1 et la fréquence %2 : le chemin par le point %3 sur 30, son vecteur photon, son temps et le maillon suivant de la spirale.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 stopped after point %3 of 30: a setting is not a number.</source>
        <translation>Le tracé avec le détecteur à %1 et la fréquence %2 s’est arrêté après le point %3 sur 30 : un réglage n’est pas un nombre.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 was stopped after point %3 of 30.</source>
        <translation>Le tracé avec le détecteur à %1 et la fréquence %2 a été arrêté après le point %3 sur 30.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2.</source>
        <translation>Tracé avec le détecteur à %1 et la fréquence %2.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with a gap of %2 points, the detector at %3 and frequency %4.</source>
        <translation>Démarrer tracera la scène « %1 » avec une fente de %2 points, le détecteur à %3 et la fréquence %4.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with the detector at %2 and frequency %3.</source>
        <translation>Démarrer tracera la scène « %1 » avec le détecteur à %2 et la fréquence %3.</translation>
    </message>
    <message>
        <source>The gap is as wide as the line: all 30 paths pass, as with no screen.</source>
        <translation>La fente est aussi large que la ligne : les 30 chemins passent, comme sans écran.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the path nearest to where the path of least time crosses, %2 pixels from it; the screen stops it, so it is not drawn.</source>
        <translation>Le chemin marqué, par le point %1 sur 30, est le chemin le plus proche de l&apos;endroit où passe le chemin de moindre temps, à %2 pixels de lui ; l’écran l&apos;arrête, il n&apos;est donc pas tracé.</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>&quot;%1&quot; is not taken: the distance is a whole number from %2 to %3.</source>
        <translation>« %1 » n’est pas accepté : la distance est un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken: the frequency is a number from %2 to %3 in tenths, such as %4.</source>
        <translation>« %1 » n’est pas accepté : la fréquence est un nombre de %2 à %3 par dixièmes, par exemple %4.</translation>
    </message>
</context>
<context>
    <name>WindowLabels</name>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Cornu spiral and sum vector</source>
        <translation>Spirale de Cornu et vecteur somme</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Détecteur</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Veuillez démarrer</translation>
    </message>
    <message>
        <source>Time (length)</source>
        <translation>Temps (longueur)</translation>
    </message>
    <message>
        <source>Photon vectors after reaching the detector</source>
        <translation>Vecteurs photons arrivés au détecteur</translation>
    </message>
    <message>
        <source>Distance from middle of the mirror</source>
        <translation>Distance au milieu du miroir</translation>
    </message>
    <message>
        <source>Difraction on mirror</source>
        <translation>Diffraction sur le miroir</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no language &apos;%1&apos;; English is shown. The languages are %2.</source>
        <translation>la langue « %1 » n’existe pas ; l’anglais est affiché. Les langues sont %2.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Essayez « quorvel --help » pour plus d’informations.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; --scale %4 fits.</source>
        <translation>--scale %1 donne à la fenêtre %2 pixels, plus que les %3 que l’écran a pour elle ; --scale %4 tient.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; no scale fits.</source>
        <translation>--scale %1 donne à la fenêtre %2 pixels, plus que les %3 que l’écran a pour elle ; aucune échelle ne tient.</translation>
    </message>
</context>
</TS>
