<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>许可证 GPL-3.0-or-later：GNU 通用公共许可证第 3 版或更新版本。
本软件是自由软件：您可以自由修改和重新发布它。
在法律允许的范围内，不提供任何保证。
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>无法识别的选项“%1”</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>请尝试执行“numbrel --help”来获取更多信息。</translation>
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
        <translation>用法：numbrel [QT选项]...
一个小巧的桌面计算器：单个窗口，带电源开关、显示屏和按键。

  -h, --help     显示此帮助信息并退出
  -v, --version  显示版本信息并退出

也可以使用 Qt 自身的选项，例如：numbrel -platform xcb
按键说明见手册页：man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
每个按键都有一个快捷键，在窗口中任何位置都可以使用。
在键盘上输入的数字会进入显示屏。
按 Enter 键或空格键可按下获得焦点的按键。
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>Numbrel 需要桌面会话（X11 或 Wayland）才能显示窗口，但无法连接到任何会话。</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Numbrel 需要桌面会话（X11 或 Wayland）才能显示窗口，但 DISPLAY 和 WAYLAND_DISPLAY 均未设置。</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>Qt 无法在此桌面会话中显示窗口：</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>显示屏中没有数字</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>数值太大</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>结果太大</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>除数不能为零</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>数值超出 ±2147483647 范围</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>负数不能开平方</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>负数不能取非整数次幂</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>没有可删除的字符</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>按键计数器</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>除法</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>乘方</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of &quot;=&quot; that failed, then why: &quot;Division: Cannot divide by zero&quot;.</extracomment>
        <translation>%1：%2</translation>
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
        <translation>减</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>乘以</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>除以</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>清除显示</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>切换正负号</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>删除最后一个字符</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>舍入到两位小数</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>舍入到一位小数</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>舍入到整数</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>绝对值</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>整数部分</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>平方</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>乘方</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>正弦</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>余弦</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>正切</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>开机</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示屏</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 乘以 10 的 %2 次方</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1。%2。</translation>
    </message>
</context>
</TS>
