<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Лицензия GPL-3.0-or-later: GNU General Public License версии 3 или новее.
Это свободное ПО: вы можете изменять и распространять его.
Нет НИКАКИХ ГАРАНТИЙ в пределах действующего законодательства.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>лишний аргумент «%1»</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>По команде «numbrel --help» можно получить дополнительную информацию.</translation>
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
        <translation>Использование: numbrel [ПАРАМЕТР-QT]...
Небольшой калькулятор: одно окно с выключателем, дисплеем и клавиатурой.

  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти

Параметры самого Qt тоже работают, например: numbrel -platform xcb
Клавиши описаны на странице руководства: man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
У каждой клавиши калькулятора есть комбинация клавиш, которая работает
в любом месте окна. Цифры, набранные на клавиатуре, попадают на дисплей;
Enter и Пробел нажимают клавишу, находящуюся в фокусе.
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>Для показа окна Numbrel нужен графический сеанс (X11 или Wayland), но ни к одному не удалось подключиться.</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Для показа окна Numbrel нужен графический сеанс (X11 или Wayland), но ни DISPLAY, ни WAYLAND_DISPLAY не заданы.</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>Qt не удалось показать окно в этом графическом сеансе:</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>На дисплее нет числа</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>Слишком большое число</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>Слишком большой результат</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Нельзя делить на ноль</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>Число вне диапазона ±2147483647</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>Квадратный корень из отрицательного числа</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>Дробная степень отрицательного числа</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Нечего удалять</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>Счётчик нажатий</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Сложение</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Вычитание</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Умножение</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Деление</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Возведение в степень</translation>
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
        <translation>Десятичная точка</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Минус</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Плюс</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Умножить на</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Разделить на</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Равно</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>Очистить дисплей</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Сменить знак</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>Удалить последний символ</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>Округлить до двух десятичных знаков</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>Округлить до одного десятичного знака</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>Округлить до целого</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Целая часть</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Степень</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Квадратный корень</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Синус</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Косинус</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Тангенс</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 умножить на десять в степени %2</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1. %2.</translation>
    </message>
</context>
</TS>
