<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AccessiblePicture</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
</context>
<context>
    <name>BrightnessGraph</name>
    <message>
        <source>Distance from the middle (250 is left)</source>
        <translation>Distância do meio (250 fica à esquerda)</translation>
    </message>
    <message>
        <source>grey: whole mirror</source>
        <translation>cinza: espelho inteiro</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any distance.</source>
        <translation>Na frequência %1 nenhuma luz chega ao detector em nenhuma distância.</translation>
    </message>
    <message>
        <source>At frequency %1 this mirror is brightest at distance %2, %3; at the pair, distance %4, it gives %5.</source>
        <translation>Na frequência %1 este espelho é mais brilhante na distância %2, %3; no par, na distância %4, dá %5.</translation>
    </message>
    <message>
        <source>The whole mirror is brightest at distance %1, %2.</source>
        <translation>O espelho inteiro é mais brilhante na distância %1, %2.</translation>
    </message>
    <message>
        <source>Brightness against distance, %1 at the left to %2 at the right, as the pair stands in the picture.</source>
        <translation>Brilho pela distância, de %1 à esquerda a %2 à direita, como o par está na imagem.</translation>
    </message>
    <message>
        <source>The grey curve, light into glass, is brightest with the detector at %1, %2.</source>
        <translation>A curva cinza, a luz para o vidro, é mais clara com o detector em %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, light into water, is brightest with the detector at %1, %2.</source>
        <translation>A curva cinza, a luz para a água, é mais clara com o detector em %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line without the lens, is brightest with the detector at %1, %2.</source>
        <translation>A curva cinza, a mesma linha sem a lente, é mais clara com o detector em %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the same line with the lens, is brightest with the detector at %1, %2.</source>
        <translation>A curva cinza, a mesma linha com a lente, é mais clara com o detector em %1, %2.</translation>
    </message>
    <message>
        <source>The grey curve, the line with no screen, is brightest with the detector at %1, %2.</source>
        <translation>A curva cinza, a linha sem anteparo, é mais clara com o detector em %1, %2.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source; moved off it, the graph tells how much of the light on that line reaches it.</source>
        <translation>O detector está na reta abaixo da fonte; movido para fora dela, o gráfico diz quanto da luz dessa reta chega a ele.</translation>
    </message>
    <message>
        <source>At the detector&apos;s place, %1 pixels off the straight line below the source, a gap of %2 points sends %3 times the light it sends on that line; with no screen %4 times, and with the narrowest gap, %5 points, %6 times.</source>
        <translation>No lugar do detector, a %1 pixels da reta abaixo da fonte, uma fenda de %2 pontos envia %3 vezes a luz que envia sobre essa reta; sem anteparo %4 vezes, e com a fenda mais estreita, %5 pontos, %6 vezes.</translation>
    </message>
    <message>
        <source>At frequency %1 no light reaches the detector at any place.</source>
        <translation>Com a frequência %1 nenhuma luz chega ao detector em lugar algum.</translation>
    </message>
    <message>
        <source>At frequency %1 the light is brightest with the detector at %2, %3 of all thirty paths in step; at the detector&apos;s place, %4, it is %5.</source>
        <translation>Com a frequência %1 a luz é mais clara com o detector em %2, %3 dos trinta caminhos em fase; no lugar do detector, %4, ela é %5.</translation>
    </message>
    <message>
        <source>Brightness against the detector&apos;s place, %1 at the left to %2 at the right, as the detector stands in the picture.</source>
        <translation>Brilho conforme o lugar do detector, de %1 à esquerda a %2 à direita, como o detector está na imagem.</translation>
    </message>
    <message>
        <source>Far to the side a curve rises because every path&apos;s arrow here has the same length, however long and slanted the path, and more of them stay in step there; real light would grow fainter with the distance.</source>
        <translation>Bem para o lado uma curva sobe porque aqui a seta de cada caminho tem o mesmo comprimento, por mais longo e inclinado que seja o caminho, e ali mais delas ficam em fase; a luz real ficaria mais fraca com a distância.</translation>
    </message>
    <message>
        <source>(as bright at %1)</source>
        <translation>(igual em %1)</translation>
    </message>
    <message>
        <source>The second frequency is the same as the first, so its curve lies on the first&apos;s.</source>
        <translation>A segunda frequência é igual à primeira, então sua curva fica sobre a da primeira.</translation>
    </message>
</context>
<context>
    <name>BrightnessGraphView</name>
    <message>
        <source>A click moves the source and the detector to the distance under it</source>
        <translation>Um clique leva a fonte e o detector à distância sob ele</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the windowing platform: xcb, wayland, offscreen, ...</source>
        <translation>a plataforma de janelas: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>the X display to open, such as :0</source>
        <translation>a tela X a abrir, como :0</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>o tema da plataforma</translation>
    </message>
    <message>
        <source>a folder of platform plugins</source>
        <translation>uma pasta de plugins de plataforma</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>um plugin de entrada a carregar</translation>
    </message>
    <message>
        <source>the widget style, such as Fusion</source>
        <translation>o estilo dos controles, como Fusion</translation>
    </message>
    <message>
        <source>a style sheet to apply</source>
        <translation>uma folha de estilo a aplicar</translation>
    </message>
    <message>
        <source>the window&apos;s size and place, such as 800x600+0+0</source>
        <translation>o tamanho e o lugar da janela, como 800x600+0+0</translation>
    </message>
    <message>
        <source>the same as -qwindowgeometry</source>
        <translation>o mesmo que -qwindowgeometry</translation>
    </message>
    <message>
        <source>the window&apos;s caption</source>
        <translation>o título da janela</translation>
    </message>
    <message>
        <source>the window&apos;s icon</source>
        <translation>o ícone da janela</translation>
    </message>
    <message>
        <source>the application name the desktop sees</source>
        <translation>o nome de aplicativo que a área de trabalho vê</translation>
    </message>
    <message>
        <source>the session to restore</source>
        <translation>a sessão a restaurar</translation>
    </message>
    <message>
        <source>lay the window out from right to left</source>
        <translation>dispor a janela da direita para a esquerda</translation>
    </message>
    <message>
        <source>never grab the mouse or keyboard</source>
        <translation>nunca capturar o mouse nem o teclado</translation>
    </message>
    <message>
        <source>grab even when running in a debugger</source>
        <translation>capturar mesmo ao rodar num depurador</translation>
    </message>
    <message>
        <source>talk to the X server synchronously</source>
        <translation>falar com o servidor X de forma síncrona</translation>
    </message>
    <message>
        <source>%1 was given more than once</source>
        <translation>%1 foi dado mais de uma vez</translation>
    </message>
    <message>
        <source>%1 takes %2, but was given &apos;%3&apos;</source>
        <translation>%1 aceita %2, mas recebeu &apos;%3&apos;</translation>
    </message>
    <message>
        <source>takes no file or other argument, but was given &apos;%1&apos;</source>
        <translation>não aceita arquivo nem outro argumento, mas recebeu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--scale takes a factor from %1 to %2, such as 1.5, but was given &apos;%3&apos;</source>
        <translation>--scale aceita um fator de %1 a %2, como 1.5, mas recebeu &apos;%3&apos;</translation>
    </message>
    <message>
        <source>Usage: quorvel [option...]</source>
        <translation>Uso: quorvel [opção...]</translation>
    </message>
    <message>
        <source>Shows how a mirror reflects light in the sum-over-paths picture.</source>
        <translation>Mostra como um espelho reflete a luz na imagem da soma sobre caminhos.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>mostrar esta ajuda e terminar</translation>
    </message>
    <message>
        <source>show the name and version and end</source>
        <translation>mostrar o nome e a versão e terminar</translation>
    </message>
    <message>
        <source>draw the whole window factor times as large, sharp, for a projector: from 1 to 4, such as 1.5</source>
        <translation>desenhar a janela inteira factor vezes maior, nítida, para um projetor: de 1 a 4, como 1.5</translation>
    </message>
    <message>
        <source>A setting that only the explore panel offers opens the panel, as --explore does. The same settings make a link to the page: ?distance=250&amp;speed=5</source>
        <translation>Uma configuração que só o painel de exploração oferece abre o painel, como --explore. As mesmas configurações formam um link para a página: ?distance=250&amp;speed=5</translation>
    </message>
    <message>
        <source>Options of the toolkit:</source>
        <translation>Opções do toolkit:</translation>
    </message>
    <message>
        <source>there is no option &apos;%1&apos;</source>
        <translation>não existe a opção &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--lang takes a language code such as de, but was given &apos;%1&apos;</source>
        <translation>--lang aceita um código de idioma como de, mas recebeu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the explore panel&apos;s mirror: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, or 30 digits from the left, 1 for a segment that reflects, 0 for one scraped off</source>
        <translation>o espelho do painel de exploração: whole, middle-third, outer-thirds, grating, around-least-time, away-from-least-time, ou 30 dígitos a partir da esquerda, 1 para um segmento que reflete, 0 para um raspado</translation>
    </message>
    <message>
        <source>how the explore panel measures a path: window (the window&apos;s measure) or legs (its real length)</source>
        <translation>como o painel de exploração mede um caminho: window (a medida da janela) ou legs (o comprimento real)</translation>
    </message>
    <message>
        <source>start at this distance: 0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>começar nesta distância: 0 ou 250, ou para o painel de exploração um inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>start at this frequency: 1 or 2, or for the explore panel from %1 to %2 in tenths, such as 1.5 (to %3 with --measure legs)</source>
        <translation>começar nesta frequência: 1 ou 2, ou para o painel de exploração de %1 a %2 em décimos, como 1.5 (até %3 com --measure legs)</translation>
    </message>
    <message>
        <source>start with the speed scroll bar here, from %1 to %2</source>
        <translation>começar com a barra de velocidade aqui, de %1 a %2</translation>
    </message>
    <message>
        <source>the language to show instead of the desktop&apos;s: %1; any other shows English</source>
        <translation>o idioma em vez do da área de trabalho: %1; qualquer outro mostra inglês</translation>
    </message>
    <message>
        <source>the width of the screen&apos;s gap: %1</source>
        <translation>a largura da fenda do anteparo: %1</translation>
    </message>
    <message>
        <source>the scene the explore panel shows, which opens it beyond the mirror: %1</source>
        <translation>a cena que o painel de exploração mostra; qualquer uma além do espelho o abre: %1</translation>
    </message>
    <message>
        <source>open the Explore the paths panel with the window</source>
        <translation>abrir o painel Explorar os caminhos com a janela</translation>
    </message>
</context>
<context>
    <name>ExplorePanel</name>
    <message>
        <source>Brightness against distance</source>
        <translation>Brilho conforme a distância</translation>
    </message>
    <message>
        <source>Whole mirror</source>
        <translation>Espelho inteiro</translation>
    </message>
    <message>
        <source>Middle third</source>
        <translation>Terço central</translation>
    </message>
    <message>
        <source>Outer thirds</source>
        <translation>Terços externos</translation>
    </message>
    <message>
        <source>Grating</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>Distance in pixels</source>
        <translation>Distância em pixels</translation>
    </message>
    <message>
        <source>Frequency in tenths</source>
        <translation>Frequência em décimos</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Mirror segments</source>
        <translation>Segmentos do espelho</translation>
    </message>
    <message>
        <source>Around least time</source>
        <translation>Perto do menor tempo</translation>
    </message>
    <message>
        <source>Away from it</source>
        <translation>Longe dele</translation>
    </message>
    <message>
        <source>Away from least time</source>
        <translation>Longe do menor tempo</translation>
    </message>
    <message>
        <source>How a path&apos;s length is measured</source>
        <translation>Como o comprimento de um caminho é medido</translation>
    </message>
    <message>
        <source>Path length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Second frequency on the graph</source>
        <translation>Segunda frequência no gráfico</translation>
    </message>
    <message>
        <source>Second frequency</source>
        <translation>Segunda frequência</translation>
    </message>
    <message>
        <source>Explore the paths</source>
        <translation>Explorar os caminhos</translation>
    </message>
</context>
<context>
    <name>ExploreWords</name>
    <message>
        <source>segment %1 of 30, on</source>
        <translation>segmento %1 de 30, ligado</translation>
    </message>
    <message>
        <source>segment %1 of 30, off</source>
        <translation>segmento %1 de 30, desligado</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle; the whole mirror here sends none</source>
        <translation>%1 da luz de um espelho inteiro no meio; o espelho inteiro aqui não envia nenhuma</translation>
    </message>
    <message>
        <source>%1 of the light of a whole mirror at the middle, %2 times that of the whole mirror here</source>
        <translation>%1 da luz de um espelho inteiro no meio, %2 vezes a do espelho inteiro aqui</translation>
    </message>
    <message>
        <source>the whole mirror here sends no light</source>
        <translation>o espelho inteiro aqui não envia luz</translation>
    </message>
    <message>
        <source>%1 times as likely as with the whole mirror here</source>
        <translation>%1 vezes tão provável quanto com o espelho inteiro aqui</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against a whole mirror at the middle and against the whole mirror at the same place. The bar is full at the most light any mirror sends at this frequency.</source>
        <translation>Quão provável é a luz chegar ao detector, o quadrado do comprimento do vetor soma, comparado a um espelho inteiro no meio e ao espelho inteiro no mesmo lugar. A barra fica cheia com a maior luz que qualquer espelho envia nesta frequência.</translation>
    </message>
    <message>
        <source>Real length (the two legs)</source>
        <translation>Comprimento real (os dois trechos)</translation>
    </message>
    <message>
        <source>Window&apos;s (shorter than real)</source>
        <translation>Da janela (menor que a real)</translation>
    </message>
    <message>
        <source>Path lengths: %1.</source>
        <translation>Comprimentos dos caminhos: %1.</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 segments show truly with these lengths.</source>
        <translation>Frequência reduzida para %1, a mais alta que 30 segmentos mostram fielmente com esses comprimentos.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 segments show truly with real lengths, so paths are measured as the window measures them again.</source>
        <translation>A frequência %1 vai além do que 30 segmentos mostram fielmente com comprimentos reais, então os caminhos voltam a ser medidos como a janela os mede.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: the ends do not cancel at any frequency the panel reaches here.</source>
        <translation>Na frequência %1 os terços externos dão %2 e o terço do meio %3: as pontas não se anulam aqui em nenhuma frequência que o painel alcança.</translation>
    </message>
    <message>
        <source>With the pair away from the middle, the middle third is not around the least-time point, so the outer thirds are not the ends that cancel.</source>
        <translation>Com o par longe do meio, o terço do meio não está em volta do ponto de menor tempo, então os terços externos não são as pontas que se anulam.</translation>
    </message>
    <message>
        <source>Try frequency %1</source>
        <translation>Experimentar frequência %1</translation>
    </message>
    <message>
        <source>Move the pair to the middle</source>
        <translation>Levar o par ao meio</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that without the lens here</source>
        <translation>%1 da luz dos trinta caminhos em fase, %2 vezes a que chega sem a lente aqui</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; without the lens here none arrives</source>
        <translation>%1 da luz dos trinta caminhos em fase; sem a lente nada chega aqui</translation>
    </message>
    <message>
        <source>%1 times as likely as without the lens here</source>
        <translation>%1 vezes tão provável quanto sem a lente aqui</translation>
    </message>
    <message>
        <source>without the lens here no light arrives</source>
        <translation>sem a lente nenhuma luz chega aqui</translation>
    </message>
    <message>
        <source>The second figure is against the same line without the lens, with the detector at the same place.</source>
        <translation>O segundo número é diante da mesma linha sem a lente, com o detector no mesmo lugar.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with the lens here</source>
        <translation>%1 da luz dos trinta caminhos em fase, %2 vezes a que chega com a lente aqui</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with the lens here none arrives</source>
        <translation>%1 da luz dos trinta caminhos em fase; com a lente nada chega aqui</translation>
    </message>
    <message>
        <source>%1 times as likely as with the lens here</source>
        <translation>%1 vezes tão provável quanto com a lente aqui</translation>
    </message>
    <message>
        <source>with the lens here no light arrives</source>
        <translation>com a lente nenhuma luz chega aqui</translation>
    </message>
    <message>
        <source>The second figure is against the same line with the lens, with the detector at the same place.</source>
        <translation>O segundo número é diante da mesma linha com a lente, com o detector no mesmo lugar.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step, %2 times that with no screen here</source>
        <translation>%1 da luz dos trinta caminhos em fase, %2 vezes a que chega sem anteparo aqui</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step; with no screen here none arrives</source>
        <translation>%1 da luz dos trinta caminhos em fase; sem anteparo nada chega aqui</translation>
    </message>
    <message>
        <source>%1 times as likely as with no screen here</source>
        <translation>%1 vezes tão provável quanto sem anteparo aqui</translation>
    </message>
    <message>
        <source>with no screen here no light arrives</source>
        <translation>sem anteparo nenhuma luz chega aqui</translation>
    </message>
    <message>
        <source>The second figure is against the line with no screen, with the detector at the same place.</source>
        <translation>O segundo número é diante da linha sem anteparo, com o detector no mesmo lugar.</translation>
    </message>
    <message>
        <source>%1 of the light of all thirty paths in step</source>
        <translation>%1 da luz dos trinta caminhos em fase</translation>
    </message>
    <message>
        <source>How likely light is to reach the detector, the square of the sum vector&apos;s length, against all thirty paths in step, the most they can send; the bar is full there.</source>
        <translation>Quão provável é que a luz chegue ao detector, o quadrado do comprimento do vetor soma, diante dos trinta caminhos em fase, o máximo que podem enviar; ali a barra está cheia.</translation>
    </message>
    <message>
        <source>At frequency %1 the outer thirds give %2 and the middle third %3: here each end&apos;s arrows go partway round a circle without closing it, so they do not cancel.</source>
        <translation>Na frequência %1 os terços externos dão %2 e o terço do meio %3: aqui as setas de cada ponta percorrem parte de um círculo sem fechá-lo, então não se anulam.</translation>
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
        <translation>Ir para o controle seguinte ou o anterior</translation>
    </message>
    <message>
        <source>Left, Right, Up, Down</source>
        <translation>Esquerda, Direita, Cima, Baixo</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Press the button, or switch the segment, that has the focus</source>
        <translation>Pressionar o botão, ou alternar o segmento, que tem o foco</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Press the button that has the focus</source>
        <translation>Pressionar o botão que tem o foco</translation>
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
        <translation>Abrir o menu da imagem</translation>
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
        <translation>Copiar a imagem</translation>
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
        <translation>Mostrar a janela na tela inteira, ou sair da tela cheia</translation>
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
        <translation>Fechar esta ajuda</translation>
    </message>
    <message>
        <source>Keys of Quorvel</source>
        <translation>Teclas do Quorvel</translation>
    </message>
    <message>
        <source>Stop a run at once, and drop what was pressed during it</source>
        <translation>Parar uma execução de imediato e descartar o que foi pressionado durante ela</translation>
    </message>
    <message>
        <source>Save the picture as PNG, SVG or JPEG</source>
        <translation>Salvar a imagem como PNG, SVG ou JPEG</translation>
    </message>
    <message>
        <source>Open or close Explore the paths</source>
        <translation>Abrir ou fechar “Explorar os caminhos”</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page Up, Page Down</translation>
    </message>
    <message>
        <source>Move a slider of the explore panel by a larger step, or %3 segments along the mirror</source>
        <translation>Mover um controle deslizante do painel de exploração um passo maior, ou %3 segmentos ao longo do espelho</translation>
    </message>
    <message>
        <source>Move the speed to %1 or %2, or a slider to its end; go to the first or the last segment</source>
        <translation>Pôr a velocidade em %1 ou %2, ou um controle deslizante no seu extremo; ir ao primeiro ou ao último segmento</translation>
    </message>
    <message>
        <source>Choose the other option of a group, or with Up and Down another in a list; move the speed or a slider by one step; move along the mirror&apos;s segments</source>
        <translation>Escolher a outra opção de um grupo, ou com Cima e Baixo outra de uma lista; mover a velocidade ou um controle deslizante um passo; percorrer os segmentos do espelho</translation>
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
        <translation>O que fazem</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Animation speed</source>
        <translation>Velocidade da animação</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Salvar imagem…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>JPEG image (*.jpg *.jpeg)</source>
        <translation>Imagem JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Desaceleração da animação, de %1 à esquerda a %2 à direita</translation>
    </message>
</context>
<context>
    <name>MainFormModel</name>
    <message>
        <source>quorvel: Start stopped: %1</source>
        <translation>quorvel: Iniciar parou: %1</translation>
    </message>
    <message>
        <source>Carried out after the run: %1.</source>
        <translation>Executado após a execução: %1.</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>O Quorvel foi encerrado.</translation>
    </message>
    <message>
        <source>Stopped after segment %1 of 30.</source>
        <translation>Parado após o segmento %1 de 30.</translation>
    </message>
    <message>
        <source>What was pressed during the run is dropped.</source>
        <translation>O que foi pressionado durante a execução é descartado.</translation>
    </message>
    <message>
        <source>Brightness %1.</source>
        <translation>Brilho %1.</translation>
    </message>
    <message>
        <source>Then %1.</source>
        <translation>Depois: %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Velocidade da animação</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Save PNG</source>
        <translation>Salvar PNG</translation>
    </message>
    <message>
        <source>Save SVG</source>
        <translation>Salvar SVG</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Quorvel has ended.</source>
        <translation>O Quorvel foi encerrado.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Iniciá-lo de novo</translation>
    </message>
    <message>
        <source>Quorvel is loading…</source>
        <translation>O Quorvel está carregando…</translation>
    </message>
    <message>
        <source>Quorvel could not start: %1</source>
        <translation>O Quorvel não pôde iniciar: %1</translation>
    </message>
    <message>
        <source>segment %1 of 30</source>
        <translation>segmento %1 de 30</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>Não foi possível copiar a imagem: %1</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Link copied.</source>
        <translation>Link copiado.</translation>
    </message>
    <message>
        <source>The link could not be copied: %1</source>
        <translation>Não foi possível copiar o link: %1</translation>
    </message>
    <message>
        <source>Picture copied.</source>
        <translation>Imagem copiada.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>250 is left of the middle, as in the picture</source>
        <translation>250 fica à esquerda do meio, como na imagem</translation>
    </message>
    <message>
        <source>Slowdown of the animation, from %1 at the left to %2 at the right</source>
        <translation>Desaceleração da animação, de %1 à esquerda a %2 à direita</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message>
        <source>distance %1 and frequency %2</source>
        <translation>distância %1 e frequência %2</translation>
    </message>
    <message>
        <source>No segment of the mirror reflects, so no path reaches the detector.</source>
        <translation>Nenhum segmento do espelho reflete, então nenhum caminho chega ao detector.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, at the middle of the mirror.</source>
        <translation>O caminho de tempo mínimo se reflete no segmento %1 de 30, no meio do espelho.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, right of the middle of the mirror.</source>
        <translation>O caminho de tempo mínimo se reflete no segmento %1 de 30, à direita do meio do espelho.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segment %1 of 30, left of the middle of the mirror.</source>
        <translation>O caminho de tempo mínimo se reflete no segmento %1 de 30, à esquerda do meio do espelho.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, at the middle of the mirror.</source>
        <translation>O caminho de tempo mínimo se reflete nos segmentos %1 e %2 de 30, no meio do espelho.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, right of the middle of the mirror.</source>
        <translation>O caminho de tempo mínimo se reflete nos segmentos %1 e %2 de 30, à direita do meio do espelho.</translation>
    </message>
    <message>
        <source>The path of least time reflects at segments %1 and %2 of 30, left of the middle of the mirror.</source>
        <translation>O caminho de tempo mínimo se reflete nos segmentos %1 e %2 de 30, à esquerda do meio do espelho.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: the photon vectors turn every way and nearly cancel, so little light arrives.</source>
        <translation>O vetor soma mede %1 vetores de fóton, então o detector recebe %2 da luz de um espelho inteiro no meio: os vetores de fóton giram em todas as direções e quase se anulam, então chega pouca luz.</translation>
    </message>
    <message>
        <source>Of the mirror&apos;s 30 segments %1 reflect; the others are scraped off.</source>
        <translation>Dos 30 segmentos do espelho, %1 refletem; os outros estão raspados.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2: the path via segment %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Desenhando para distância %1 e frequência %2: o caminho pelo segmento %3 de 30, seu vetor de fóton, seu tempo e o próximo elo da espiral.</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 stopped after segment %3 of 30: a setting is not a number.</source>
        <translation>O desenho para distância %1 e frequência %2 parou após o segmento %3 de 30: uma configuração não é um número.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2: the 30 paths from the source via the mirror to the detector, their photon vectors under the mirror, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Desenhado para distância %1 e frequência %2: os 30 caminhos da fonte pelo espelho até o detector, seus vetores de fóton sob o espelho, a curva do tempo e a espiral dos vetores de fóton postos um após o outro.</translation>
    </message>
    <message>
        <source>A source and a detector stand above a mirror of 30 segments. Start draws, for each segment, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Uma fonte e um detector estão acima de um espelho de 30 segmentos. Iniciar desenha, para cada segmento, o caminho da luz por ele, seu vetor de fóton, seu tempo e uma espiral dos vetores de fóton postos um após o outro.</translation>
    </message>
    <message>
        <source>Start will draw distance %1 and frequency %2.</source>
        <translation>Iniciar desenhará distância %1 e frequência %2.</translation>
    </message>
    <message>
        <source>Drawn for distance %1 and frequency %2.</source>
        <translation>Desenhado para distância %1 e frequência %2.</translation>
    </message>
    <message>
        <source>speed %1</source>
        <translation>velocidade %1</translation>
    </message>
    <message>
        <source>distance %1</source>
        <translation>distância %1</translation>
    </message>
    <message>
        <source>frequency %1</source>
        <translation>frequência %1</translation>
    </message>
    <message>
        <source>Drawing for distance %1 and frequency %2 was stopped after segment %3 of 30.</source>
        <translation>O desenho para a distância %1 e a frequência %2 foi parado após o segmento %3 de 30.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, at the middle of the mirror, but that segment is scraped off.</source>
        <translation>O caminho de tempo mínimo se refletiria no segmento %1 de 30, no meio do espelho, mas esse segmento está raspado.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, right of the middle of the mirror, but that segment is scraped off.</source>
        <translation>O caminho de tempo mínimo se refletiria no segmento %1 de 30, à direita do meio do espelho, mas esse segmento está raspado.</translation>
    </message>
    <message>
        <source>The path of least time would reflect at segment %1 of 30, left of the middle of the mirror, but that segment is scraped off.</source>
        <translation>O caminho de tempo mínimo se refletiria no segmento %1 de 30, à esquerda do meio do espelho, mas esse segmento está raspado.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, at the middle of the mirror, but both are scraped off.</source>
        <translation>O caminho de tempo mínimo se refletiria entre os segmentos %1 e %2 de 30, no meio do espelho, mas ambos estão raspados.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, right of the middle of the mirror, but both are scraped off.</source>
        <translation>O caminho de tempo mínimo se refletiria entre os segmentos %1 e %2 de 30, à direita do meio do espelho, mas ambos estão raspados.</translation>
    </message>
    <message>
        <source>The path of least time would reflect between segments %1 and %2 of 30, left of the middle of the mirror, but both are scraped off.</source>
        <translation>O caminho de tempo mínimo se refletiria entre os segmentos %1 e %2 de 30, à esquerda do meio do espelho, mas ambos estão raspados.</translation>
    </message>
    <message>
        <source>Of the two, segment %1 is scraped off.</source>
        <translation>Dos dois, o segmento %1 está raspado.</translation>
    </message>
    <message>
        <source>All of the sum comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>Toda a soma vem de segmentos longe do caminho de tempo mínimo, pois os que o cercam estão raspados.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from the segments around the path of least time.</source>
        <translation>A maior parte da soma, %1 de seus %2 vetores de fóton, vem dos segmentos em torno do caminho de tempo mínimo.</translation>
    </message>
    <message>
        <source>Most of the sum, %1 of its %2 photon vectors, comes from segments far from the path of least time.</source>
        <translation>A maior parte da soma, %1 de seus %2 vetores de fóton, vem de segmentos longe do caminho de tempo mínimo.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle.</source>
        <translation>O vetor soma mede %1 vetores de fóton, então o detector recebe %2 da luz de um espelho inteiro no meio.</translation>
    </message>
    <message>
        <source>The %1 strips left make a grating: each kept photon vector points within a quarter turn of one direction, so each adds to the sum along it.</source>
        <translation>As %1 faixas que restam formam uma grade: cada vetor de fóton mantido aponta a menos de um quarto de volta de uma direção, então cada um soma ao longo dela.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: all of it comes from segments far from the path of least time, as those around it are scraped off.</source>
        <translation>O vetor soma mede %1 vetores de fóton, então o detector recebe %2 da luz de um espelho inteiro no meio: tudo vem de segmentos longe do caminho de tempo mínimo, pois os que o cercam estão raspados.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it, %3 of its %1 photon vectors, comes from segments far from the path of least time.</source>
        <translation>O vetor soma mede %1 vetores de fóton, então o detector recebe %2 da luz de um espelho inteiro no meio: a maior parte, %3 de seus %1 vetores de fóton, vem de segmentos longe do caminho de tempo mínimo.</translation>
    </message>
    <message>
        <source>The whole mirror at this place sends no light to the detector.</source>
        <translation>O espelho inteiro neste lugar não envia luz ao detector.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the whole mirror at this place: the square of the sum vector&apos;s length against the whole mirror&apos;s.</source>
        <translation>A luz tem %1 vezes a chance de chegar ao detector que com o espelho inteiro neste lugar: o quadrado do comprimento do vetor soma comparado ao do espelho inteiro.</translation>
    </message>
    <message>
        <source>Each path is measured by its real length, its two legs added.</source>
        <translation>Cada caminho é medido pelo seu comprimento real, somando os dois trechos.</translation>
    </message>
    <message>
        <source>path lengths: %1</source>
        <translation>comprimentos dos caminhos: %1</translation>
    </message>
    <message>
        <source>second frequency %1</source>
        <translation>segunda frequência %1</translation>
    </message>
    <message>
        <source>no second frequency</source>
        <translation>sem segunda frequência</translation>
    </message>
    <message>
        <source>the explore panel opened</source>
        <translation>o painel de exploração aberto</translation>
    </message>
    <message>
        <source>the explore panel closed</source>
        <translation>o painel de exploração fechado</translation>
    </message>
    <message>
        <source>The spiral and the sum vector are drawn at %1 of their full size, to fit in the picture.</source>
        <translation>A espiral e o vetor soma são desenhados a %1 do seu tamanho completo, para caber na imagem.</translation>
    </message>
    <message>
        <source>No segment reflects, so no photon vector reaches the detector and no light arrives.</source>
        <translation>Nenhum segmento reflete, então nenhum vetor de fóton chega ao detector e nenhuma luz chega.</translation>
    </message>
    <message>
        <source>Every segment of the mirror is scraped off.</source>
        <translation>Todos os segmentos do espelho foram raspados.</translation>
    </message>
    <message>
        <source>the whole mirror put back</source>
        <translation>o espelho inteiro restaurado</translation>
    </message>
    <message>
        <source>the mirror scraped to its middle third</source>
        <translation>o espelho raspado até restar o seu terço central</translation>
    </message>
    <message>
        <source>the mirror scraped to its outer thirds</source>
        <translation>o espelho raspado até restarem os seus terços externos</translation>
    </message>
    <message>
        <source>the mirror scraped into a grating</source>
        <translation>o espelho raspado em uma rede</translation>
    </message>
    <message>
        <source>the mirror scraped to the third around least time</source>
        <translation>o espelho raspado até restar o terço em volta do menor tempo</translation>
    </message>
    <message>
        <source>the third around least time scraped off</source>
        <translation>o terço em volta do menor tempo raspado</translation>
    </message>
    <message>
        <source>the scene “%1” chosen</source>
        <translation>a cena “%1” escolhida</translation>
    </message>
    <message>
        <source>the screen&apos;s gap set to %1 points</source>
        <translation>a fenda do anteparo ajustada para %1 pontos</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay within its axes, under its label.</source>
        <translation>A curva do tempo é desenhada a %1 de sua altura total, para ficar dentro de seus eixos, sob seu rótulo.</translation>
    </message>
    <message>
        <source>The time curve is drawn at %1 of its full height, to stay clear of the photon vectors.</source>
        <translation>A curva do tempo é desenhada a %1 da sua altura completa, para não tocar os vetores de fóton.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of a whole mirror at the middle: most of it comes from the segments around the path of least time, whose photon vectors turn least from one to the next.</source>
        <translation>O vetor soma mede %1 vetores de fóton, então o detector recebe %2 da luz de um espelho inteiro no meio: a maior parte vem dos segmentos em torno do caminho de menor tempo, cujos vetores de fóton giram menos de um para o seguinte.</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>The picture could not be saved as %1: %2.</source>
        <translation>Não foi possível salvar a imagem como %1: %2.</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: Quorvel saves pictures as .png, .svg or .jpg files.</source>
        <translation>Não foi possível salvar a imagem como %1: o Quorvel salva imagens como arquivos .png, .svg ou .jpg.</translation>
    </message>
</context>
<context>
    <name>SceneWords</name>
    <message>
        <source>Mirror</source>
        <translation>Espelho</translation>
    </message>
    <message>
        <source>Into water</source>
        <translation>Para a água</translation>
    </message>
    <message>
        <source>Into glass</source>
        <translation>Para o vidro</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Same pair, no lens</source>
        <translation>O mesmo par, sem lente</translation>
    </message>
    <message>
        <source>Narrow gap</source>
        <translation>Fenda estreita</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Gap in points</source>
        <translation>Fenda em pontos</translation>
    </message>
    <message>
        <source>Detector&apos;s place</source>
        <translation>Lugar do detector</translation>
    </message>
    <message>
        <source>Detector&apos;s distance from the middle</source>
        <translation>Distância do detector ao meio</translation>
    </message>
    <message>
        <source>Detector&apos;s place from the middle (250 is left)</source>
        <translation>Lugar do detector a partir do meio (250 é à esquerda)</translation>
    </message>
    <message>
        <source>grey: into glass</source>
        <translation>cinza: para o vidro</translation>
    </message>
    <message>
        <source>grey: into water</source>
        <translation>cinza: para a água</translation>
    </message>
    <message>
        <source>grey: no lens</source>
        <translation>cinza: sem lente</translation>
    </message>
    <message>
        <source>grey: with the lens</source>
        <translation>cinza: com a lente</translation>
    </message>
    <message>
        <source>grey: no screen</source>
        <translation>cinza: sem anteparo</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the detector alone.</source>
        <translation>Cena “%1”: a distância move só o detector.</translation>
    </message>
    <message>
        <source>Scene “%1”: the distance moves the source and the detector together.</source>
        <translation>Cena “%1”: a distância move juntos a fonte e o detector.</translation>
    </message>
    <message>
        <source>Frequency %1 is beyond what 30 paths through the line show truly, so the mirror is shown again.</source>
        <translation>A frequência %1 vai além do que 30 caminhos pela linha mostram fielmente, então o espelho é mostrado de novo.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Frequency brought down to %1, the highest that 30 paths through the line show truly here.</source>
        <translation>Frequência reduzida para %1, a mais alta que 30 caminhos pela linha mostram fielmente aqui.</translation>
    </message>
    <message>
        <source>Frequency back to %1, as chosen before.</source>
        <translation>Frequência de volta a %1, como escolhida antes.</translation>
    </message>
    <message>
        <source>Frequency back up to %1; the %2 chosen before is beyond what this scene shows truly.</source>
        <translation>Frequência sobe de novo para %1; a %2 escolhida antes vai além do que esta cena mostra fielmente.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency brought down to %1.</source>
        <translation>Segunda frequência do gráfico reduzida para %1.</translation>
    </message>
    <message>
        <source>The graph&apos;s second frequency back up to %1.</source>
        <translation>Segunda frequência do gráfico de volta a %1.</translation>
    </message>
</context>
<context>
    <name>SegmentStrip</name>
    <message>
        <source>The mirror&apos;s segments: Left and Right move along them, Space switches one on or off</source>
        <translation>Os segmentos do espelho: Esquerda e Direita percorrem-nos, Espaço liga ou desliga um</translation>
    </message>
</context>
<context>
    <name>SettingNumber</name>
    <message>
        <source>slowdown (nSpomaleni)</source>
        <translation>desaceleração (nSpomaleni)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, whose pause is beyond the range of numbers</source>
        <translation>a configuração %1 contém &quot;%2&quot;, cuja pausa excede o intervalo dos números</translation>
    </message>
    <message>
        <source>distance (nPosun)</source>
        <translation>distância (nPosun)</translation>
    </message>
    <message>
        <source>frequency (nKmitocet)</source>
        <translation>frequência (nKmitocet)</translation>
    </message>
    <message>
        <source>%1 setting holds &quot;%2&quot;, which is not a number</source>
        <translation>a configuração %1 contém &quot;%2&quot;, que não é um número</translation>
    </message>
</context>
<context>
    <name>SetupReading</name>
    <message>
        <source>0 or 250, or for the explore panel a whole number from %1 to %2</source>
        <translation>0 ou 250, ou para o painel de exploração um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>1 to open the explore panel, or 0</source>
        <translation>1 para abrir o painel de exploração, ou 0</translation>
    </message>
    <message>
        <source>30 digits from the left, 1 for a segment that reflects and 0 for one scraped off, or whole, middle-third, outer-thirds, grating, around-least-time or away-from-least-time</source>
        <translation>30 dígitos a partir da esquerda, 1 para um segmento que reflete e 0 para um raspado, ou whole, middle-third, outer-thirds, grating, around-least-time ou away-from-least-time</translation>
    </message>
    <message>
        <source>window for the window&apos;s measure of a path, or legs for its real length, the two legs added</source>
        <translation>window para a medida da janela, ou legs para o comprimento real, somando os dois trechos</translation>
    </message>
    <message>
        <source>; beyond the mirror to %1 for water, %2 for glass and %3 for the other scenes</source>
        <translation>; fora do espelho até %1 para a água, %2 para o vidro e %3 para as outras cenas</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>um de %1</translation>
    </message>
    <message>
        <source>an even number from %1 to %2, for the gap scene</source>
        <translation>um número par de %1 a %2, para a cena da fenda</translation>
    </message>
    <message>
        <source>1 or 2, or for the explore panel a number from %1 to %2 in tenths, such as 1.5, and to %3 where the measure is legs</source>
        <translation>1 ou 2, ou para o painel de exploração um número de %1 a %2 em décimos, como 1.5, e até %3 se measure for legs</translation>
    </message>
</context>
<context>
    <name>ThroughLineWords</name>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path of least time.</source>
        <translation>O caminho marcado, pelo ponto %1 de 30, é o caminho desenhado de tempo mínimo.</translation>
    </message>
    <message>
        <source>The paths via points %1 and %2 of 30 take the same time, the least of the drawn paths, and the mark stands between them.</source>
        <translation>Os caminhos pelos pontos %1 e %2 de 30 levam o mesmo tempo, o mínimo dos caminhos desenhados, e a marca fica entre eles.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line at its middle.</source>
        <translation>O caminho de tempo mínimo cruza a linha no seu meio.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels left of its middle.</source>
        <translation>O caminho de tempo mínimo cruza a linha %1 pixels à esquerda do seu meio.</translation>
    </message>
    <message>
        <source>The path of least time crosses the line %1 pixels right of its middle.</source>
        <translation>O caminho de tempo mínimo cruza a linha %1 pixels à direita do seu meio.</translation>
    </message>
    <message>
        <source>It goes straight down through the surface below the source, so it does not bend.</source>
        <translation>Ele desce reto pela superfície abaixo da fonte, então não se desvia.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in water: it bends there.</source>
        <translation>Os senos de seus ângulos com a vertical são %1 acima da superfície e %2 abaixo dela, um %3 vezes o outro, como a luz é %4 vezes mais lenta na água: ali ele se desvia.</translation>
    </message>
    <message>
        <source>The sines of its angles to the upright are %1 above the surface and %2 below it, the one %3 times the other, as light is %4 times slower in glass: it bends there.</source>
        <translation>Os senos de seus ângulos com a vertical são %1 acima da superfície e %2 abaixo dela, um %3 vezes o outro, como a luz é %4 vezes mais lenta no vidro: ali ele se desvia.</translation>
    </message>
    <message>
        <source>The mark stands between the paths via points %1 and %2 of 30, as near as each other to where the path of least time crosses.</source>
        <translation>A marca fica entre os caminhos pelos pontos %1 e %2 de 30, igualmente próximos de onde o caminho de tempo mínimo cruza.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the drawn path nearest to where the path of least time crosses, %2 pixels from it.</source>
        <translation>O caminho marcado, pelo ponto %1 de 30, é o caminho desenhado mais próximo de onde o caminho de tempo mínimo cruza, a %2 pixels dele.</translation>
    </message>
    <message>
        <source>That crossing lies within the gap.</source>
        <translation>Esse cruzamento fica dentro da fenda.</translation>
    </message>
    <message>
        <source>That crossing lies on the screen, so the path of least time does not get through.</source>
        <translation>Esse cruzamento fica sobre o anteparo, então o caminho de tempo mínimo não passa.</translation>
    </message>
    <message>
        <source>With the detector at the focus every path takes the same time, as the lens delays each path by what it falls short of the longest: every photon vector points the same way, so the sum is as long as thirty photon vectors can make it, and the path marked is no quicker than the rest.</source>
        <translation>Com o detector no foco cada caminho leva o mesmo tempo, pois a lente atrasa cada caminho no que lhe falta para o mais longo: cada vetor de fóton aponta na mesma direção, então a soma é tão longa quanto trinta vetores de fóton podem fazê-la, e o caminho marcado não é mais rápido que os outros.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels left of the focus the times no longer tie: each path is quicker than its neighbour to the right, so the path of least time is at the line&apos;s left end, via point 1 of 30, where the mark stands.</source>
        <translation>Com o detector %1 pixels à esquerda do foco os tempos já não coincidem: cada caminho é mais rápido que seu vizinho da direita, então o caminho de tempo mínimo está na ponta esquerda da linha, pelo ponto 1 de 30, onde está a marca.</translation>
    </message>
    <message>
        <source>With the detector %1 pixels right of the focus the times no longer tie: each path is quicker than its neighbour to the left, so the path of least time is at the line&apos;s right end, via point 30 of 30, where the mark stands.</source>
        <translation>Com o detector %1 pixels à direita do foco os tempos já não coincidem: cada caminho é mais rápido que seu vizinho da esquerda, então o caminho de tempo mínimo está na ponta direita da linha, pelo ponto 30 de 30, onde está a marca.</translation>
    </message>
    <message>
        <source>The lens is drawn %1 pixels thick at its thickest; glass that slows light %2 times would have to be %3 pixels thick there, %4 times as thick, to delay the paths as much.</source>
        <translation>A lente é desenhada com %1 pixels na parte mais grossa; um vidro que deixa a luz %2 vezes mais lenta teria de ter ali %3 pixels, %4 vezes mais, para atrasar igualmente os caminhos.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as without the lens at this place.</source>
        <translation>A luz chega ao detector com probabilidade %1 vezes a que tem sem a lente neste lugar.</translation>
    </message>
    <message>
        <source>Without the lens no light reaches the detector at this place.</source>
        <translation>Sem a lente nenhuma luz chega ao detector neste lugar.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with the lens at this place.</source>
        <translation>A luz chega ao detector com probabilidade %1 vezes a que tem com a lente neste lugar.</translation>
    </message>
    <message>
        <source>With the lens no light reaches the detector at this place.</source>
        <translation>Com a lente nenhuma luz chega ao detector neste lugar.</translation>
    </message>
    <message>
        <source>Light is %1 times as likely to reach the detector as with no screen at this place.</source>
        <translation>A luz chega ao detector com probabilidade %1 vezes a que tem sem anteparo neste lugar.</translation>
    </message>
    <message>
        <source>With no screen no light reaches the detector at this place.</source>
        <translation>Sem anteparo nenhuma luz chega ao detector neste lugar.</translation>
    </message>
    <message>
        <source>%1 of the 30 paths pass through the gap; the screen stops the rest.</source>
        <translation>%1 dos 30 caminhos passam pela fenda; o anteparo detém os demais.</translation>
    </message>
    <message>
        <source>The detector stands on the straight line below the source.</source>
        <translation>O detector está na reta abaixo da fonte.</translation>
    </message>
    <message>
        <source>Here, %1 pixels off the straight line below the source, the detector gets %2 times the light it gets on that line through this gap; with no screen, %3 times.</source>
        <translation>Aqui, a %1 pixels da reta abaixo da fonte, o detector recebe por esta fenda %2 vezes a luz que recebe sobre essa reta; sem anteparo, %3 vezes.</translation>
    </message>
    <message>
        <source>The sum vector is %1 photon vectors long, so the detector gets %2 of the light of all thirty paths in step.</source>
        <translation>O vetor soma mede %1 vetores de fóton, então o detector recebe %2 da luz dos trinta caminhos em fase.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the water&apos;s surface to the detector in the water, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Desenhado com o detector em %1 e frequência %2: os 30 caminhos da fonte no ar pela superfície da água até o detector na água, seus vetores de fóton sob o detector, a curva do tempo e a espiral dos vetores de fóton postos um após o outro.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source in air through the glass&apos;s surface to the detector in the glass, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Desenhado com o detector em %1 e frequência %2: os 30 caminhos da fonte no ar pela superfície do vidro até o detector no vidro, seus vetores de fóton sob o detector, a curva do tempo e a espiral dos vetores de fóton postos um após o outro.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the lens to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Desenhado com o detector em %1 e frequência %2: os 30 caminhos da fonte pela lente até o detector, seus vetores de fóton sob o detector, a curva do tempo e a espiral dos vetores de fóton postos um após o outro.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the 30 paths from the source through the line of points, with no lens, to the detector, their photon vectors under the detector, the time curve and the spiral of the photon vectors laid head to tail.</source>
        <translation>Desenhado com o detector em %1 e frequência %2: os 30 caminhos da fonte pela linha de pontos, sem lente, até o detector, seus vetores de fóton sob o detector, a curva do tempo e a espiral dos vetores de fóton postos um após o outro.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2: the paths from the source through the screen&apos;s gap of %3 points to the detector, their photon vectors under the detector, the time curve of all 30 points and the spiral of the photon vectors laid head to tail.</source>
        <translation>Desenhado com o detector em %1 e frequência %2: os caminhos da fonte pela fenda do anteparo, de %3 pontos, até o detector, seus vetores de fóton sob o detector, a curva do tempo dos 30 pontos e a espiral dos vetores de fóton postos um após o outro.</translation>
    </message>
    <message>
        <source>A source in air stands above a water surface, and a detector in the water below it; light is %1 times slower in water.</source>
        <translation>Uma fonte no ar está sobre uma superfície de água e um detector na água abaixo dela; na água a luz é %1 vezes mais lenta.</translation>
    </message>
    <message>
        <source>A source in air stands above a glass surface, and a detector in the glass below it; light is %1 times slower in glass.</source>
        <translation>Uma fonte no ar está sobre uma superfície de vidro e um detector no vidro abaixo dela; no vidro a luz é %1 vezes mais lenta.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with a lens of glass on it, and a detector below it; the lens delays each path so that every path to its focus, straight below the source, takes the same time.</source>
        <translation>Uma fonte está sobre uma linha de 30 pontos com uma lente de vidro em cima e um detector abaixo; a lente atrasa cada caminho para que todo caminho até seu foco, logo abaixo da fonte, leve o mesmo tempo.</translation>
    </message>
    <message>
        <source>A source stands above a line of 30 points with no lens on it, and a detector below it.</source>
        <translation>Uma fonte está sobre uma linha de 30 pontos sem lente em cima e um detector abaixo.</translation>
    </message>
    <message>
        <source>A source stands above a screen, and a detector below it; light passes the screen only through its gap, %1 of the line&apos;s 30 points. Start draws the time of the path via each point, and for each point in the gap the path of light, its photon vector and a link of the spiral of the photon vectors laid head to tail.</source>
        <translation>Uma fonte está sobre um anteparo e um detector abaixo; a luz só passa o anteparo pela fenda, %1 dos 30 pontos da linha. Iniciar desenha o tempo do caminho por cada ponto e, para cada ponto da fenda, o caminho da luz, seu vetor de fóton e um elo da espiral dos vetores de fóton postos um após o outro.</translation>
    </message>
    <message>
        <source>Start draws, for each of the line&apos;s 30 points, the path of light via it, its photon vector, its time, and a spiral of the photon vectors laid head to tail.</source>
        <translation>Iniciar desenha, para cada um dos 30 pontos da linha, o caminho da luz por ele, seu vetor de fóton, seu tempo e uma espiral dos vetores de fóton postos um após o outro.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2: the path via point %3 of 30, its photon vector, its time and the next link of the spiral.</source>
        <translation>Desenhando com o detector em %1 e frequência %2: o caminho pelo ponto %3 de 30, seu vetor de fóton, seu tempo e o próximo elo da espiral.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 stopped after point %3 of 30: a setting is not a number.</source>
        <translation>O desenho com o detector em %1 e frequência %2 parou após o ponto %3 de 30: um ajuste não é um número.</translation>
    </message>
    <message>
        <source>Drawing with the detector at %1 and frequency %2 was stopped after point %3 of 30.</source>
        <translation>O desenho com o detector em %1 e frequência %2 foi interrompido após o ponto %3 de 30.</translation>
    </message>
    <message>
        <source>Drawn with the detector at %1 and frequency %2.</source>
        <translation>Desenhado com o detector em %1 e frequência %2.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with a gap of %2 points, the detector at %3 and frequency %4.</source>
        <translation>Iniciar desenhará a cena “%1” com uma fenda de %2 pontos, o detector em %3 e frequência %4.</translation>
    </message>
    <message>
        <source>Start will draw the scene “%1” with the detector at %2 and frequency %3.</source>
        <translation>Iniciar desenhará a cena “%1” com o detector em %2 e frequência %3.</translation>
    </message>
    <message>
        <source>The gap is as wide as the line: all 30 paths pass, as with no screen.</source>
        <translation>A fenda é tão larga quanto a linha: os 30 caminhos passam, como sem anteparo.</translation>
    </message>
    <message>
        <source>The path marked, via point %1 of 30, is the path nearest to where the path of least time crosses, %2 pixels from it; the screen stops it, so it is not drawn.</source>
        <translation>O caminho marcado, pelo ponto %1 de 30, é o caminho mais próximo de onde o caminho de tempo mínimo cruza, a %2 pixels dele; o anteparo o detém, então ele não é desenhado.</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>&quot;%1&quot; is not taken: the distance is a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; não foi aceito: a distância é um número inteiro de %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not taken: the frequency is a number from %2 to %3 in tenths, such as %4.</source>
        <translation>&quot;%1&quot; não foi aceito: a frequência é um número de %2 a %3 em décimos, como %4.</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Cornu spiral and sum vector</source>
        <translation>Espiral de Cornu e vetor soma</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Please press button Start</source>
        <translation>Pressione o botão Iniciar</translation>
    </message>
    <message>
        <source>Time (length)</source>
        <translation>Tempo (comprimento)</translation>
    </message>
    <message>
        <source>Photon vectors after reaching the detector</source>
        <translation>Vetores de fóton ao chegar ao detector</translation>
    </message>
    <message>
        <source>Distance from middle of the mirror</source>
        <translation>Distância ao meio do espelho</translation>
    </message>
    <message>
        <source>Difraction on mirror</source>
        <translation>Difração no espelho</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no language &apos;%1&apos;; English is shown. The languages are %2.</source>
        <translation>não existe o idioma &apos;%1&apos;; o inglês é mostrado. Os idiomas são %2.</translation>
    </message>
    <message>
        <source>Try &apos;quorvel --help&apos; for more information.</source>
        <translation>Tente &apos;quorvel --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; --scale %4 fits.</source>
        <translation>--scale %1 deixa a janela com %2 pixels, maior que os %3 que a tela tem para ela; --scale %4 cabe.</translation>
    </message>
    <message>
        <source>--scale %1 makes the window %2 pixels, larger than the %3 the screen has for it; no scale fits.</source>
        <translation>--scale %1 deixa a janela com %2 pixels, maior que os %3 que a tela tem para ela; nenhuma escala cabe.</translation>
    </message>
</context>
</TS>
