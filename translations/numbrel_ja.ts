<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>ライセンス GPL-3.0-or-later: GNU General Public License バージョン 3 以降。
これはフリーソフトウェアです。自由に変更および再配布できます。
法律の許す限り、一切の保証はありません。
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>詳しくは「numbrel --help」を実行してください。</translation>
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
        <translation>使用法: numbrel [QT-OPTION]...
1 つのウィンドウに電源スイッチ、ディスプレイ、キーを備えた小さな電卓です。

  -h, --help     このヘルプを表示して終了する
  -v, --version  バージョン情報を表示して終了する

Qt 自体のオプションも使えます。例: numbrel -platform xcb
キーの説明はマニュアルページにあります: man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
すべてのキーに、ウィンドウ内のどこでも使えるショートカットがあります。
キーボードで入力した数字はディスプレイに入ります。
Enter キーとスペースキーで、フォーカスのあるキーを押せます。
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>Numbrel のウィンドウを表示するにはデスクトップセッション (X11 または Wayland) が必要ですが、どれにも接続できませんでした。</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Numbrel のウィンドウを表示するにはデスクトップセッション (X11 または Wayland) が必要ですが、DISPLAY も WAYLAND_DISPLAY も設定されていません。</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>Qt はこのデスクトップセッションにウィンドウを表示できませんでした:</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>ディスプレイに数値がありません</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>数値が大きすぎます</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>結果が大きすぎます</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>ゼロで割ることはできません</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>数値が ±2147483647 の範囲外です</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>負の数の平方根は計算できません</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>負の数の非整数乗は計算できません</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>削除する文字がありません</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>押下回数カウンター</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>加算</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>減算</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>乗算</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>除算</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>べき乗</translation>
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
        <translation>小数点</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>マイナス</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>プラス</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>わる</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>表示をクリア</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>符号を反転</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>最後の 1 文字を削除</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>小数点以下 2 桁に丸める</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>小数点以下 1 桁に丸める</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>整数に丸める</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>絶対値</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>整数部</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>二乗</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>べき乗</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>サイン</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>コサイン</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>タンジェント</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>電源オン</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>電源オフ</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空欄</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 かける 10 の %2 乗</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1。%2。</translation>
    </message>
</context>
</TS>
