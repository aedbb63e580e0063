<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licenza GPL-3.0-or-later: GNU General Public License, versione 3 o successiva.
Questo è software libero: siete liberi di modificarlo e ridistribuirlo.
Non c&apos;è ALCUNA GARANZIA, per quanto consentito dalle vigenti normative.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione non riconosciuta «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>Usare «numbrel --help» per maggiori informazioni.</translation>
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
        <translation>Uso: numbrel [OPZIONE-QT]...
Una piccola calcolatrice: una finestra con interruttore, display e tastierino.

  -h, --help     mostra questo aiuto ed esce
  -v, --version  mostra la versione ed esce

Funzionano anche le opzioni di Qt, per esempio: numbrel -platform xcb
I tasti sono descritti nella pagina di manuale: man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
Ogni tasto ha una scorciatoia che funziona ovunque nella finestra. Le cifre
digitate sulla tastiera vanno nel display; Invio e Spazio premono il tasto
che ha il focus.
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>Numbrel ha bisogno di una sessione desktop (X11 o Wayland) per mostrare la sua finestra, ma non è stato possibile raggiungerne nessuna.</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Numbrel ha bisogno di una sessione desktop (X11 o Wayland) per mostrare la sua finestra, ma né DISPLAY né WAYLAND_DISPLAY sono impostate.</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>Qt non è riuscito a mostrare una finestra in questa sessione desktop:</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>Nessun numero nel display</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>Numero troppo grande</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>Risultato troppo grande</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Impossibile dividere per zero</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>Numero fuori dall&apos;intervallo ±2147483647</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>Radice quadrata di un numero negativo</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>Potenza frazionaria di un numero negativo</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Niente da eliminare</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>Contatore delle pressioni</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of &quot;=&quot; that failed, then why: &quot;Division: Cannot divide by zero&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Decimal point</source>
        <translation>Punto decimale</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Meno</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Più</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Moltiplicato per</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviso per</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Pulisci tutto</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>Pulisci il display</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambia segno</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>Elimina l&apos;ultimo carattere</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>Arrotonda a due decimali</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>Arrotonda a un decimale</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>Arrotonda all&apos;intero</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Valore assoluto</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Parte intera</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrato</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Radice quadrata</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Coseno</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Accendi</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 per dieci elevato a %2</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1. %2.</translation>
    </message>
</context>
</TS>
