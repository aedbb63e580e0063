<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPL-3.0-or-later: GNU General Public License, version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>الرخصة: GPL-3.0-or-later، أي رخصة جنو العمومية، الإصدار 3 أو أي إصدار لاحق.
هذا برنامج حر: لك حرية تعديله وإعادة توزيعه.
لا يوجد أي ضمان، في الحدود التي يسمح بها القانون.
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>خيار غير معروف «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>وسيط غير متوقع «%1»</translation>
    </message>
    <message>
        <source>Try &apos;numbrel --help&apos; for more information.</source>
        <translation>جرّب «numbrel --help» لمزيد من المعلومات.</translation>
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
        <translation>الاستخدام: numbrel [QT-OPTION]...‎
آلة حاسبة صغيرة: نافذة واحدة فيها مفتاح تشغيل وشاشة ولوحة مفاتيح.

  -h, --help     اعرض هذه المساعدة واخرج
  -v, --version  اعرض الإصدار واخرج

تعمل خيارات Qt نفسها أيضًا، مثلًا: numbrel -platform xcb
المفاتيح موصوفة في صفحة الدليل: man numbrel
</translation>
    </message>
    <message>
        <source>
Every key has a shortcut that works anywhere in the window. Digits typed on
the keyboard go into the display; Return, Enter and Space press the key that
has the focus.
</source>
        <translation>
لكل مفتاح اختصار يعمل في أي مكان من النافذة. والأرقام المكتوبة
بلوحة المفاتيح تدخل الشاشة، ويضغط Enter ومفتاح المسافة
المفتاحَ الذي عليه التركيز.
</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and none could be reached.</source>
        <translation>يحتاج Numbrel إلى جلسة سطح مكتب (X11 أو Wayland) ليعرض نافذته، لكن تعذّر الوصول إلى أي جلسة.</translation>
    </message>
    <message>
        <source>Numbrel needs a desktop session (X11 or Wayland) to show its window, and neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>يحتاج Numbrel إلى جلسة سطح مكتب (X11 أو Wayland) ليعرض نافذته، لكن لم يُضبط DISPLAY ولا WAYLAND_DISPLAY.</translation>
    </message>
    <message>
        <source>Qt could not show a window on this desktop session:</source>
        <translation>تعذّر على Qt عرض نافذة في جلسة سطح المكتب هذه:</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>No number in the display</source>
        <translation>لا يوجد عدد في الشاشة</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>العدد كبير جدًا</translation>
    </message>
    <message>
        <source>Result too large</source>
        <translation>النتيجة كبيرة جدًا</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>لا يمكن القسمة على صفر</translation>
    </message>
    <message>
        <source>Number beyond ±2147483647</source>
        <extracomment>&quot;/&quot; divides 32-bit whole numbers; an operand lies outside their range.</extracomment>
        <translation>عدد خارج النطاق ‎±2147483647</translation>
    </message>
    <message>
        <source>Square root of a negative number</source>
        <translation>الجذر التربيعي لعدد سالب</translation>
    </message>
    <message>
        <source>Negative number to a fractional power</source>
        <translation>رفع عدد سالب إلى أس كسري</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>لا يوجد ما يُحذف</translation>
    </message>
    <message>
        <source>Press counter</source>
        <extracomment>The hidden count of presses of &quot;=&quot;, which chooses between a first and a repeat.</extracomment>
        <translation>عدّاد الضغطات</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>الجمع</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>الطرح</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>الضرب</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>القسمة</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>الأس</translation>
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
        <translation>النقطة العشرية</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>زائد</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>مضروب في</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>مقسوم على</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>يساوي</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>امسح الكل</translation>
    </message>
    <message>
        <source>Clear display</source>
        <translation>امسح الشاشة</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>اعكس الإشارة</translation>
    </message>
    <message>
        <source>Delete last character</source>
        <translation>احذف آخر حرف</translation>
    </message>
    <message>
        <source>Round to 2 decimal places</source>
        <translation>قرّب إلى منزلتين عشريتين</translation>
    </message>
    <message>
        <source>Round to 1 decimal place</source>
        <translation>قرّب إلى منزلة عشرية واحدة</translation>
    </message>
    <message>
        <source>Round to whole number</source>
        <translation>قرّب إلى عدد صحيح</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>القيمة المطلقة</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>الجزء الصحيح</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>تربيع</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>أس</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>جذر تربيعي</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>جيب</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>جيب التمام</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>ظل</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>شغّل</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>أطفئ</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>الشاشة</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>%1 times ten to the power of %2</source>
        <extracomment>A number in exponent form, e.g. &quot;1.5 times ten to the power of 16&quot; for 1.5E+16.</extracomment>
        <translation>%1 مضروبًا في عشرة أس %2</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <extracomment>An operator key taken, then the display&apos;s text: &quot;Plus. Empty.&quot;</extracomment>
        <translation>%1. %2.</translation>
    </message>
</context>
</TS>
