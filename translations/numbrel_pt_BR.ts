<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licença GPL-3.0-or-later: GNU General Public License, versão 3 ou posterior.
Este é um software livre: você é livre para alterá-lo e redistribuí-lo.
NÃO HÁ QUALQUER GARANTIA, na máxima extensão permitida em lei.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>Tente “numbrel --help” para mais informações.</translation>
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
        <translation>Uso: numbrel [OPÇÃO-QT]...
Uma pequena calculadora: uma janela com botão liga/desliga, visor e teclado.

  -h, --help     mostra esta ajuda e sai
  -v, --version  mostra a versão e sai

As opções do próprio Qt também funcionam, por exemplo: numbrel -platform xcb
As teclas são descritas na página de manual: man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
Cada tecla tem um atalho que funciona em qualquer lugar da janela. Algarismos
digitados no teclado vão para o visor; Enter e Espaço pressionam a tecla que
tem o foco.
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>O Numbrel precisa de uma sessão gráfica (X11 ou Wayland) para mostrar sua janela, mas não foi possível acessar nenhuma.</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>O Numbrel precisa de uma sessão gráfica (X11 ou Wayland) para mostrar sua janela, mas nem DISPLAY nem WAYLAND_DISPLAY estão definidas.</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>O Qt não conseguiu mostrar uma janela nesta sessão gráfica:</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>Nenhum número no visor</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>Número muito grande</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>Resultado muito grande</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Não é possível dividir por zero</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>Número fora do intervalo ±2147483647</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>Raiz quadrada de um número negativo</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>Potência fracionária de um número negativo</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Nada para apagar</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>Contador de pressionamentos</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
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
        <translation>Ponto decimal</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Vezes</translation>
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
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>Limpar o visor</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Alterar sinal</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>Apagar o último caractere</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>Arredondar para duas casas decimais</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>Arredondar para uma casa decimal</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>Arredondar para inteiro</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Valor absoluto</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Parte inteira</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrado</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Raiz quadrada</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosseno</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazio</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 vezes dez elevado a %2</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1. %2.</translation>
    </message>
</context>
</TS>
