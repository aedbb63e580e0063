<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licencja GPL-3.0-or-later: GNU General Public License, wersja 3 lub nowsza.
To jest wolne oprogramowanie: możesz je modyfikować i rozpowszechniać.
Autorzy NIE DAJĄ GWARANCJI w granicach dozwolonych prawem.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nierozpoznana opcja „%1”</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>Napisz „numbrel --help”, aby uzyskać więcej informacji.</translation>
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
        <translation>Składnia: numbrel [OPCJA-QT]...
Mały kalkulator: jedno okno z włącznikiem, wyświetlaczem i klawiaturą.

  -h, --help     wyświetla tę pomoc i kończy działanie
  -v, --version  wyświetla wersję i kończy działanie

Działają też opcje samego Qt, na przykład: numbrel -platform xcb
Klawisze opisuje strona podręcznika: man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
Każdy klawisz ma skrót klawiszowy działający w całym oknie. Cyfry wpisane
na klawiaturze trafiają na wyświetlacz; Enter i Spacja naciskają klawisz,
który ma fokus.
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>Numbrel potrzebuje sesji graficznej (X11 lub Wayland), aby wyświetlić swoje okno, ale nie udało się połączyć z żadną.</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Numbrel potrzebuje sesji graficznej (X11 lub Wayland), aby wyświetlić swoje okno, ale nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>Biblioteka Qt nie mogła wyświetlić okna w tej sesji graficznej:</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>Brak liczby na wyświetlaczu</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>Liczba zbyt duża</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>Wynik zbyt duży</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Nie można dzielić przez zero</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>Liczba poza zakresem ±2147483647</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>Pierwiastek kwadratowy z liczby ujemnej</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>Potęga ułamkowa liczby ujemnej</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Nic do usunięcia</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>Licznik naciśnięć</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dzielenie</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potęgowanie</translation>
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
        <translation>Kropka dziesiętna</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Razy</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Podzielić przez</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Równa się</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>Wyczyść wyświetlacz</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Zmień znak</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>Usuń ostatni znak</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>Zaokrąglij do dwóch miejsc po przecinku</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>Zaokrąglij do jednego miejsca po przecinku</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>Zaokrąglij do liczby całkowitej</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Wartość bezwzględna</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Część całkowita</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kwadrat</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potęga</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Pierwiastek kwadratowy</translation>
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
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlacz</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Pusty</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 razy dziesięć do potęgi %2</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1. %2.</translation>
    </message>
</context>
</TS>
