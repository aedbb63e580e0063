<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licentie GPL-3.0-or-later: GNU General Public License, versie 3 of nieuwer.
Dit is vrije software: u mag het vrijelijk wijzigen en verder verspreiden.
Er is GEEN GARANTIE, voor zover de wet dit toestaat.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie ‘%1’</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument ‘%1’</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>Typ ‘numbrel --help’ voor meer informatie.</translation>
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
        <translation>Gebruik: numbrel [QT-OPTIE...]
Een kleine rekenmachine: één venster met aan-uitknop, scherm en toetsenblok.

  -h, --help     deze hulptekst tonen en stoppen
  -v, --version  programmaversie tonen en stoppen

Ook de eigen opties van Qt werken, bijvoorbeeld: numbrel -platform xcb
De toetsen staan beschreven in de handleiding: man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
Elke toets heeft een sneltoets die overal in het venster werkt. Op het
toetsenbord getypte cijfers komen in het scherm; Enter en de spatiebalk
drukken de toets in die de focus heeft.
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>Numbrel heeft een desktopsessie (X11 of Wayland) nodig om zijn venster te tonen, maar geen enkele was bereikbaar.</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Numbrel heeft een desktopsessie (X11 of Wayland) nodig om zijn venster te tonen, maar DISPLAY noch WAYLAND_DISPLAY is ingesteld.</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>Qt kon in deze desktopsessie geen venster tonen:</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>Geen getal op het scherm</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>Getal te groot</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>Resultaat te groot</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Kan niet delen door nul</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>Getal buiten het bereik ±2147483647</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>Vierkantswortel van een negatief getal</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>Gebroken macht van een negatief getal</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Niets te wissen</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>Toetsaanslagteller</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Machtsverheffen</translation>
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
        <translation>Decimale punt</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Maal</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Gedeeld door</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Is gelijk aan</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>Scherm wissen</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Voorteken omkeren</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>Laatste teken wissen</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>Afronden op twee decimalen</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>Afronden op één decimaal</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>Afronden op geheel getal</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Absolute waarde</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Gehele deel</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kwadraat</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Macht</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Vierkantswortel</translation>
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
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Aanzetten</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Uitzetten</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Scherm</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leeg</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 maal tien tot de macht %2</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1. %2.</translation>
    </message>
</context>
</TS>
