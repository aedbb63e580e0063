<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licencia GPL-3.0-or-later: GNU General Public License, versión 3 o posterior.
Esto es software libre: usted es libre de cambiarlo y redistribuirlo.
No hay NINGUNA GARANTÍA, hasta donde lo permite la ley.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción no reconocida «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>Pruebe «numbrel --help» para más información.</translation>
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
        <translation>Modo de empleo: numbrel [OPCIÓN-QT]...
Una pequeña calculadora: una ventana con interruptor, pantalla y teclado.

  -h, --help     muestra esta ayuda y finaliza
  -v, --version  muestra la versión y finaliza

También se admiten las opciones de Qt, por ejemplo: numbrel -platform xcb
Las teclas se describen en la página de manual: man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
Cada tecla tiene un atajo que funciona en cualquier parte de la ventana. Las
cifras escritas con el teclado van a la pantalla; Intro y Espacio pulsan la
tecla que tiene el foco.
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>Numbrel necesita una sesión de escritorio (X11 o Wayland) para mostrar su ventana, pero no se pudo acceder a ninguna.</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Numbrel necesita una sesión de escritorio (X11 o Wayland) para mostrar su ventana, pero no están definidas ni DISPLAY ni WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>Qt no pudo mostrar una ventana en esta sesión de escritorio:</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>No hay ningún número en la pantalla</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>Número demasiado grande</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>Resultado demasiado grande</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>No se puede dividir por cero</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>Número fuera del rango ±2147483647</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>Raíz cuadrada de un número negativo</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>Potencia fraccionaria de un número negativo</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>No hay nada que borrar</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>Contador de pulsaciones</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
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
        <translation>Punto decimal</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Multiplicado por</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividido por</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>Borrar la pantalla</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambiar signo</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>Borrar el último carácter</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>Redondear a dos decimales</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>Redondear a un decimal</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>Redondear al entero</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Valor absoluto</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Parte entera</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Raíz cuadrada</translation>
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
        <translation>Encender</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 por diez elevado a %2</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1. %2.</translation>
    </message>
</context>
</TS>
