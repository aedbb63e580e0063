<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPL-3.0-or-later&#xa0;: GNU General Public License, version 3 ou ultérieure.
Ceci est un logiciel libre&#xa0;: vous pouvez le modifier et le redistribuer.
Il n’y a AUCUNE GARANTIE, dans les limites permises par la loi.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option non reconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>Saisissez «&#xa0;numbrel --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Usage: numbrel [QT-OPTION]...
A small desktop calculator: one window with a power switch, display and keypad.

  -h, --help     print this help and exit
  -v, --version  print the version and exit

Qt&apos;s own options work too, for example: numbrel -platform xcb
The keys are described in the manual page: man numbrel
</source>
        <translation>Utilisation&#xa0;: numbrel [OPTION-QT]...
Une petite calculatrice&#xa0;: une fenêtre avec interrupteur, affichage et clavier.

  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Les options de Qt sont aussi acceptées, par exemple&#xa0;: numbrel -platform xcb
Les touches sont décrites dans la page de manuel&#xa0;: man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
Chaque touche a un raccourci clavier qui fonctionne partout dans la fenêtre.
Les chiffres tapés au clavier vont dans l’affichage&#xa0;; Entrée et Espace
actionnent la touche qui a le focus.
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>Numbrel a besoin d’une session de bureau (X11 ou Wayland) pour afficher sa fenêtre, mais aucune n’est accessible.</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Numbrel a besoin d’une session de bureau (X11 ou Wayland) pour afficher sa fenêtre, mais ni DISPLAY ni WAYLAND_DISPLAY n’est défini.</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>Qt n’a pas pu afficher de fenêtre dans cette session de bureau&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>Aucun nombre dans l’affichage</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>Nombre trop grand</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>Résultat trop grand</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Impossible de diviser par zéro</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>Nombre hors de l’intervalle ±2147483647</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>Racine carrée d’un nombre négatif</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>Puissance fractionnaire d’un nombre négatif</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Rien à supprimer</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>Compteur d’appuis</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of &quot;=&quot; that failed, then why: &quot;Division: Cannot divide by zero&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Decimal point</source>
        <translation>Point décimal</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Divisé par</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>Effacer l’affichage</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Changer le signe</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>Supprimer le dernier caractère</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>Arrondir à deux décimales</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>Arrondir à une décimale</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>Arrondir à l’entier</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Valeur absolue</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Partie entière</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Allumer</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 fois dix puissance %2</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1. %2.</translation>
    </message>
</context>
</TS>
