<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../app/help/aboutdialog.ui" line="+6"/>
        <source>About Tallvane</source>
        <translation>حول Tallvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Programs electronic cash registers from a PC.</source>
        <translation>يبرمج آلات الكاشير الإلكترونية من الحاسوب.</translation>
    </message>
    <message>
        <location filename="../app/help/aboutdialog.cpp" line="+17"/>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
        <translation>برنامج حر بموجب رخصة جنو العمومية العامة، الإصدار 3 أو أحدث (⁦GPL-⁠3.0-⁠or-⁠later⁩)، دون أي ضمان.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Data folder: %1</source>
        <translation>مجلد البيانات: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (مبني باستخدام %2)</translation>
    </message>
</context>
<context>
    <name>ButtonCaption</name>
    <message>
        <location filename="../app/buttonpictures.cpp" line="+30"/>
        <source>GROUP</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEPT</source>
        <translation>الأقسام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX</source>
        <translation>الضرائب</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DISC</source>
        <translation>التخفيضات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLERK</source>
        <translation>البائعون</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HEADER</source>
        <translation>رأس الإيصال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRAILER</source>
        <translation>تذييل الإيصال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOGO</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NETWORK</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SYSTEM</source>
        <translation>النظام</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/dialogs/logindialog.cpp" line="+98"/>
        <location line="+50"/>
        <source>USERS</source>
        <translation>المستخدمون</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Install</source>
        <extracomment>Sends the page&apos;s table to the register(s)</extracomment>
        <translation>تثبيت</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download</source>
        <extracomment>Reads the page&apos;s table from the register</extracomment>
        <translation>تنزيل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export</source>
        <extracomment>Writes the page to a CSV file (not File &gt; Save, which stores the page in the set)</extracomment>
        <translation>تصدير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add</source>
        <extracomment>Adds the selected PLUs to the register(s)</extracomment>
        <translation>إضافة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update</source>
        <extracomment>Updates the selected PLUs on the register(s)</extracomment>
        <translation>تحديث</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <extracomment>Deletes the selected PLUs from the register(s)</extracomment>
        <translation>حذف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>Back to the category buttons</extracomment>
        <translation>رجوع</translation>
    </message>
</context>
<context>
    <name>ButtonPage</name>
    <message>
        <location filename="../app/pages/buttonpage.ui" line="+36"/>
        <location line="+3"/>
        <source>Group</source>
        <translation>مجموعة</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Dept</source>
        <translation>قسم</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Plu</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Tax</source>
        <translation>ضريبة</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Disc</source>
        <translation>تخفيض</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Clerk</source>
        <translation>بائع</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Header</source>
        <translation>رأس الإيصال</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Trailer</source>
        <translation>تذييل الإيصال</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Logo: the picture printed at the top of the receipt</source>
        <translation>الشعار: الصورة المطبوعة في أعلى الإيصال</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>graphic</source>
        <translation>شعار</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Network: the register&apos;s network parameters</source>
        <translation>الشبكة: معلمات الشبكة لآلة الكاشير</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NetParm</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>System: the register&apos;s system parameters</source>
        <translation>النظام: معلمات النظام لآلة الكاشير</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SysParm</source>
        <translation>النظام</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Users: operators and their permissions</source>
        <translation>المستخدمون: المشغلون وصلاحياتهم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>admin</source>
        <translation>الإدارة</translation>
    </message>
    <message>
        <location filename="../app/pages/buttonpage.cpp" line="+87"/>
        <source>Locked: opening %1 needs the %2 permission. An administrator grants it in user management.</source>
        <translation>مقفل: يتطلب فتح %1 صلاحية %2. يمنحها المدير في إدارة المستخدمين.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Locked: only the administrator manages users.</source>
        <translation>مقفل: المسؤول وحده يدير المستخدمين.</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <location filename="../records/categories.cpp" line="+23"/>
        <source>department</source>
        <translation>قسم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>departments</source>
        <translation>أقسام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>صنف PLU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLUs</source>
        <translation>أصناف PLU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tax</source>
        <translation>ضريبة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taxes</source>
        <translation>ضرائب</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discount</source>
        <translation>تخفيض</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discounts</source>
        <translation>تخفيضات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group</source>
        <translation>مجموعة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>groups</source>
        <translation>مجموعات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clerk</source>
        <translation>بائع</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clerks</source>
        <translation>بائعين</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>header line</source>
        <translation>سطر رأس</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>header lines</source>
        <translation>أسطر رأس</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>extended header line</source>
        <translation>سطر رأس إضافي</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>extended header lines</source>
        <translation>أسطر رأس إضافية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>trailer line</source>
        <translation>سطر تذييل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>trailer lines</source>
        <translation>أسطر تذييل</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>network parameter record</source>
        <translation>بند معاملات الشبكة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>network parameter records</source>
        <translation>بنود معاملات الشبكة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>system parameter record</source>
        <translation>بند معاملات النظام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>system parameter records</source>
        <translation>بنود معاملات النظام</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 row</source>
        <translation>صف واحد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation>%1 صفوف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rows</source>
        <translation>صفوف</translation>
    </message>
    <message>
        <location filename="../link/outcome.cpp" line="+190"/>
        <source>row</source>
        <translation>صف</translation>
    </message>
</context>
<context>
    <name>CategoryPage</name>
    <message>
        <location filename="../app/pages/categorypages.cpp" line="+11"/>
        <source>Group</source>
        <translation>مجموعة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dept</source>
        <translation>قسم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Departments</source>
        <translation>الأقسام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plu</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>الأصناف (PLU)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tax</source>
        <translation>ضريبة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taxes</source>
        <translation>الضرائب</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc</source>
        <translation>تخفيض</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discounts</source>
        <translation>التخفيضات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clerk</source>
        <translation>بائع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clerks</source>
        <translation>البائعون</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Header</source>
        <translation>رأس الإيصال</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Trailer</source>
        <translation>تذييل الإيصال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>graphic</source>
        <translation>شعار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NetParm</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SysParm</source>
        <translation>النظام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXTHeader</source>
        <translation>رأس إضافي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extended header</source>
        <translation>رأس الإيصال الإضافي</translation>
    </message>
</context>
<context>
    <name>CellMarks</name>
    <message>
        <location filename="../app/grid/cellmarks.cpp" line="+52"/>
        <source>1 cell</source>
        <translation>خلية واحدة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells</source>
        <translation>%1 خلايا</translation>
    </message>
    <message>
        <location line="+345"/>
        <source>%1 will not reach the register as shown:</source>
        <translation>%1 لن تصل إلى آلة الكاشير كما هي معروضة:</translation>
    </message>
    <message>
        <location line="-334"/>
        <source>row %1, %2: %3</source>
        <translation>الصف %1، %2: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>... and %1 more</source>
        <translation>... و%1 أخرى</translation>
    </message>
    <message>
        <location line="+332"/>
        <source>Send anyway?</source>
        <translation>هل تريد الإرسال على أي حال؟</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>warning</source>
        <translation>تحذير</translation>
    </message>
</context>
<context>
    <name>ColumnTips</name>
    <message>
        <location filename="../app/grid/columntips.cpp" line="+17"/>
        <source>in %1 a letter beyond ASCII takes two or more bytes</source>
        <translation>في %1 يأخذ الحرف غير ASCII بايتين أو أكثر</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 one byte a letter</source>
        <translation>في %1 بايت واحد لكل حرف</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: numbered by the register; not sent</source>
        <translation>%1: ترقّمه آلة الكاشير؛ لا يُرسل</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: up to %2 bytes; %3</source>
        <translation>%1: حتى %2 بايت؛ %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: an amount of up to %2 digits, %3 of them after the point</source>
        <translation>%1: مبلغ حتى %2 رقمًا، منها %3 بعد الفاصلة العشرية</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: a number of up to %2 digits</source>
        <translation>%1: رقم حتى %2 رقمًا</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: a whole number from %2 to %3</source>
        <translation>%1: عدد صحيح من %2 إلى %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: eight options as digits 1 (on) and 0 (off), the right-most the first</source>
        <translation>%1: ثمانية خيارات كأرقام 1 (تشغيل) و0 (إيقاف)، أقصى اليمين هو الأول</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: eight options as digits 1 (on) and 0 (off), the right-most the first; double-click the cell, or right-click it, to choose them</source>
        <translation>%1: ثمانية خيارات كأرقام 1 (تشغيل) و0 (إيقاف)، أقصى اليمين هو الأول؛ انقر نقرًا مزدوجًا على الخلية أو بزر الفأرة الأيمن لتحديدها</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: some of the digits %2 to %3, in any order</source>
        <translation>%1: بعض الأرقام من %2 إلى %3، بأي ترتيب</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: an IPv4 address, four numbers from 0 to 255 joined by dots</source>
        <translation>%1: عنوان IPv4، أربعة أعداد من 0 إلى 255 تفصل بينها نقاط</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: 64 hexadecimal digits, or empty</source>
        <translation>%1: 64 رقمًا ست عشريًا، أو فارغ</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <location filename="../records/clerk.cpp" line="+24"/>
        <location filename="../records/dept.cpp" line="+87"/>
        <location filename="../records/disc.cpp" line="+50"/>
        <location filename="../records/group.cpp" line="+29"/>
        <location filename="../records/lines.cpp" line="+39"/>
        <location filename="../records/netparm.cpp" line="+165"/>
        <location filename="../records/tax.cpp" line="+23"/>
        <source>Indx</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/dept.cpp" line="+1"/>
        <location filename="../records/disc.cpp" line="+1"/>
        <location filename="../records/group.cpp" line="+1"/>
        <location filename="../records/plu.cpp" line="+67"/>
        <location filename="../records/tax.cpp" line="+1"/>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passwd</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/dept.cpp" line="+3"/>
        <location filename="../records/disc.cpp" line="+5"/>
        <location filename="../records/tax.cpp" line="+2"/>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <location filename="../records/dept.cpp" line="-2"/>
        <source>Group</source>
        <translation>المجموعة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/disc.cpp" line="-1"/>
        <source>Print</source>
        <translation>الطباعة</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../records/disc.cpp" line="-1"/>
        <source>Tax</source>
        <translation>الضريبة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/plu.cpp" line="+2"/>
        <source>Price</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PriceMax</source>
        <translation>أقصى سعر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kp</source>
        <translation>طابعة المطبخ</translation>
    </message>
    <message>
        <location filename="../records/disc.cpp" line="-2"/>
        <source>Fixed</source>
        <translation>القيمة الثابتة</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/group.cpp" line="+1"/>
        <source>Max</source>
        <translation>الحد الأقصى</translation>
    </message>
    <message>
        <location filename="../records/lines.cpp" line="-26"/>
        <source>Header</source>
        <translation>رأس الإيصال</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EXTHeader</source>
        <translation>رأس إضافي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trailer</source>
        <translation>تذييل الإيصال</translation>
    </message>
    <message>
        <location filename="../records/netparm.cpp" line="+1"/>
        <source>Option</source>
        <translation>الخيار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPAddress</source>
        <translation>عنوان IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ClientPort</source>
        <translation>منفذ العميل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerIP</source>
        <translation>IP الخادم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerPort</source>
        <translation>منفذ الخادم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GateWay</source>
        <translation>البوابة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPMask</source>
        <translation>قناع IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PrimaryDNS</source>
        <translation>DNS الأساسي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SecondDNS</source>
        <translation>DNS الثانوي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerURL</source>
        <translation>URL الخادم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UserName</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PersonalCode</source>
        <translation>الرمز الشخصي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SecurityCode</source>
        <translation>رمز الأمان</translation>
    </message>
    <message>
        <location filename="../records/plu.cpp" line="-3"/>
        <source>Random</source>
        <translation>رمز الصنف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dept</source>
        <translation>القسم</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stock+</source>
        <translation>المخزون</translation>
    </message>
    <message>
        <location filename="../records/tax.cpp" line="-1"/>
        <source>Rate</source>
        <translation>النسبة</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <location filename="../app/dialogs/comparedialog.ui" line="+9"/>
        <source>Compare with register</source>
        <translation>مقارنة مع آلة الكاشير</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Differences per register</source>
        <translation>الفروقات لكل آلة كاشير</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Difference</source>
        <translation>الفرق</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Download and compare</source>
        <translation>تنزيل ومقارنة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Read the table from each register now and compare it with the page</source>
        <translation>قراءة الجدول من كل آلة كاشير الآن ومقارنته مع الصفحة</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Send changes</source>
        <translation>إرسال التغييرات</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Send each register only what differs from what it holds</source>
        <translation>إرسال ما يختلف فقط عمّا تحتويه كل آلة كاشير</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../app/dialogs/comparedialog.cpp" line="+47"/>
        <source>... and %1 more</source>
        <translation>... و%1 أخرى</translation>
    </message>
</context>
<context>
    <name>ConfigDb</name>
    <message>
        <location filename="../storage/configdb.cpp" line="+76"/>
        <location line="+521"/>
        <location line="+17"/>
        <source>Warnning!</source>
        <translation>تحذير!</translation>
    </message>
    <message>
        <location line="-537"/>
        <location line="+245"/>
        <source>database is not connect.</source>
        <translation>قاعدة البيانات غير متصلة.</translation>
    </message>
    <message>
        <location line="-240"/>
        <source>can not open database</source>
        <translation>تعذر فتح قاعدة البيانات</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+254"/>
        <source>Unable to establish a database connection.</source>
        <translation>تعذر إنشاء اتصال بقاعدة البيانات.</translation>
    </message>
    <message>
        <location line="-222"/>
        <location filename="../storage/setcopy.cpp" line="+38"/>
        <source>no such file</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../storage/setcopy.cpp" line="+24"/>
        <source>no such set on the server</source>
        <translation>لا يوجد ملف إعدادات بهذا الاسم على الخادم</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>the version of %1 could not be read</source>
        <translation>تعذّرت قراءة إصدار %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>its columns itemData and itemOrder are of types %1 and %2, not bytea and integer</source>
        <translation>عموداه itemData و itemOrder من النوعين %1 و %2، لا bytea و integer</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>%1 cannot be opened: %2.</source>
        <translation>تعذر فتح %1: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cannot be read: %2. Nothing was changed, and nothing will be saved into it.</source>
        <translation>تعذرت قراءة %1: %2. لم يتغير شيء، ولن يُحفظ فيه شيء.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no such table: %1</source>
        <translation>الجدول غير موجود: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2. Nothing was changed; those categories show empty and are not saved.</source>
        <translation>%1: %2. لم يتغير شيء؛ تظهر هذه الفئات فارغة ولا تُحفظ.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is read-only: saves are refused.</source>
        <translation>%1 للقراءة فقط: الحفظ مرفوض.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> It is read-only: saves are refused.</source>
        <translation> إنه للقراءة فقط: الحفظ مرفوض.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds %2 register texts (%3); the window shows %4</source>
        <translation>يحتوي %1 على نصوص آلة كاشير باللغة %2 (%3)؛ والنافذة معروضة باللغة %4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds %2 register texts (%3); the tool&apos;s --language is %4</source>
        <translation>يحتوي %1 على نصوص آلة كاشير باللغة %2 (%3)؛ ولغة الأداة (--language) هي %4</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+17"/>
        <source>%1 is exist.</source>
        <translation>⁦%1⁩ موجود بالفعل.</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>%1 was saved into %2 by %3 at %4, after this program loaded it</source>
        <translation>حُفظ %1 في %2 بواسطة %3 في %4، بعد أن حمّله هذا البرنامج</translation>
    </message>
    <message>
        <location filename="../storage/setcopy.cpp" line="-19"/>
        <source>not a file but a device, a pipe or a folder</source>
        <translation>ليس ملفاً بل جهاز أو أنبوب أو مجلد</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>it holds no configuration set</source>
        <translation>لا يحوي ملف إعدادات</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it lacks the table(s) %1</source>
        <translation>تنقصه الجداول %1</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>the language of its register texts could not be recorded</source>
        <translation>تعذّر تسجيل لغة نصوص آلة التسجيل فيه</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <location filename="../app/transfer/connectionpanel.ui" line="+35"/>
        <source>Connection:</source>
        <translation>الاتصال:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Connection</source>
        <translation>الاتصال</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Look for serial ports again</source>
        <translation>البحث عن المنافذ التسلسلية مرة أخرى</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>refresh</source>
        <translation>إعادة الفحص</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>ComNum</source>
        <translation>منفذ COM</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate</source>
        <translation>معدل الباود</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Parity</source>
        <translation>التكافؤ</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>EVENT</source>
        <translation>زوجي</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data bits</source>
        <translation>بتات البيانات</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Stop bits</source>
        <translation>بتات التوقف</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Flow control</source>
        <translation>التحكم في التدفق</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>OFF</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ON</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <location line="+3"/>
        <location filename="../app/transfer/connectionpanel.cpp" line="+44"/>
        <location line="+277"/>
        <source>Open Serial</source>
        <translation>فتح المنفذ التسلسلي</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Connected registers</source>
        <translation>آلات الكاشير المتصلة</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../app/transfer/connectionpanel.cpp" line="-249"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../app/transfer/connectionpanel.cpp" line="+0"/>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Transfer log:</source>
        <translation>سجل النقل:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Progress log</source>
        <translation>سجل التقدم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What each register took or sent, and how each transfer ended</source>
        <translation>ما استلمته أو أرسلته كل آلة كاشير، وكيف انتهت كل عملية نقل</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Errors:</source>
        <translation>الأخطاء:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error log</source>
        <translation>سجل الأخطاء</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Refusals, time-outs and bad frames, with the row they came at</source>
        <translation>حالات الرفض وانتهاء المهلة والإطارات التالفة، مع الصف الذي حدثت عنده</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.cpp" line="+22"/>
        <source>Transfer progress</source>
        <translation>تقدم النقل</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.ui" line="+12"/>
        <source>After an install, read the table back from the register and compare it with what was sent</source>
        <translation>بعد التثبيت، قراءة الجدول مرة أخرى من آلة الكاشير ومقارنته بما أُرسل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after install</source>
        <translation>التحقق بعد التثبيت</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Compare</source>
        <translation>مقارنة</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send changes</source>
        <translation>إرسال التغييرات</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <translation>تثبيت: إرسال جدول هذه الصفحة إلى آلة (آلات) الكاشير (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install</source>
        <translation>تثبيت</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>download: read this page&apos;s table from the register (Ctrl+D)</source>
        <translation>تنزيل: قراءة جدول هذه الصفحة من آلة الكاشير (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Stop the transfer after the current frame (Esc)</source>
        <translation>إيقاف النقل بعد الإطار الحالي (Esc)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Stop the transfer after the current frame</source>
        <translation>إيقاف النقل بعد الإطار الحالي</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.cpp" line="-62"/>
        <source>%1 The address and port are set under [tcp] in tallvane.ini.</source>
        <translation>%1 يُضبط العنوان والمنفذ تحت [tcp] في tallvane.ini.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Name</source>
        <extracomment>Column of the connected registers: the name the operator gives a register.</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not named: a register&apos;s name is kept in the open set; open a set first</source>
        <translation>لم تتم التسمية: يُحفظ اسم آلة الكاشير في ملف الإعدادات المفتوح؛ افتح ملف إعدادات أولاً</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not named: %1 cannot keep the register&apos;s name</source>
        <translation>لم تتم التسمية: لا يستطيع %1 حفظ اسم آلة الكاشير</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Serial</source>
        <extracomment>Connection type: a register on the RS-232 port.</extracomment>
        <translation>تسلسلي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tcp</source>
        <extracomment>Connection type: registers that connect over the network.</extracomment>
        <translation>Tcp</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open the serial port first.</source>
        <translation>افتح المنفذ التسلسلي أولاً.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose Serial or Tcp first.</source>
        <translation>اختر تسلسلي أو Tcp أولاً.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No register is connected. Registers must connect to %1.</source>
        <translation>لا توجد آلة كاشير متصلة. يجب أن تتصل آلات الكاشير بـ %1.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Registers connect to %1</source>
        <translation>تتصل آلات الكاشير بـ %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Tcp: connection from %1 refused: %2</source>
        <translation>Tcp: رُفض الاتصال من %1: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no port found</source>
        <translation>لم يُعثر على منفذ</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+17"/>
        <source>can not open serial</source>
        <translation>تعذر فتح المنفذ التسلسلي</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>no select serial port.</source>
        <translation>لم يتم اختيار منفذ تسلسلي.</translation>
    </message>
    <message>
        <location line="-289"/>
        <location line="+296"/>
        <source>Close Serial</source>
        <translation>إغلاق المنفذ التسلسلي</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 could not be opened: %2</source>
        <translation>تعذر فتح %1: %2</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../storage/csvfile.cpp" line="+360"/>
        <source>it is a database, not a table file: nothing was written</source>
        <translation>إنه قاعدة بيانات وليس ملف جدول: لم يُكتب شيء</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>not every byte could be written (is the disk full?)</source>
        <extracomment>Why an export failed when the system gives no reason of its own</extracomment>
        <translation>تعذّرت كتابة كل البايتات (هل القرص ممتلئ؟)</translation>
    </message>
</context>
<context>
    <name>DatabaseStatus</name>
    <message>
        <location filename="../app/databasestatus.cpp" line="+90"/>
        <source>Not saved: the database keeps its previous rows.</source>
        <translation>لم يتم الحفظ: تحتفظ قاعدة البيانات بصفوفها السابقة.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved (%1): the database keeps its previous rows.</source>
        <translation>لم يتم الحفظ (%1): تحتفظ قاعدة البيانات بصفوفها السابقة.</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <location filename="../app/editmenu.cpp" line="+19"/>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert row</source>
        <extracomment>Insert an empty row in the grid</extracomment>
        <translation>إدراج صف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add an empty row to the page after the current one</source>
        <translation>إدراج صف فارغ في الصفحة بعد الصف الحالي</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete row(s)</source>
        <translation>إزالة الصفوف</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Take the selected rows out of the page (the register keeps them)</source>
        <translation>إزالة الصفوف المحددة من الصفحة (تبقى في آلة الكاشير)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the selected cells and empty them</source>
        <translation>نسخ الخلايا المحددة ثم تفريغها</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear cells</source>
        <extracomment>Empty the selected cells of the grid (the rows stay)</extracomment>
        <translation>تفريغ الخلايا</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty the selected cells: texts become empty, numbers 0</source>
        <translation>تفريغ الخلايا المحددة: تصبح النصوص فارغة والأرقام 0</translation>
    </message>
</context>
<context>
    <name>FieldDelegate</name>
    <message>
        <location filename="../app/grid/fielddelegate.cpp" line="+102"/>
        <source>%1 takes at most %2 bytes: what went past them was not taken</source>
        <extracomment>%1 the column, %2 how many bytes it takes in the register&apos;s code page</extracomment>
        <translation>يقبل %1 حتى %2 بايت: ما تجاوزها لم يُؤخذ</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; ليس رقمًا</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../app/grid/filecommands.cpp" line="+59"/>
        <source>save file</source>
        <translation>حفظ ملف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>csv file(*.csv)</source>
        <translation>ملف CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write %1: %2</source>
        <translation>تعذرت الكتابة في %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 written to %2</source>
        <extracomment>%1 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %2 the file</extracomment>
        <translation>تمت كتابة %1 في %2</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Nothing imported: the page is unchanged</source>
        <translation>لم يُستورد شيء: لم تتغير الصفحة</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 imported from %2</source>
        <extracomment>%1 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %2 the file</extracomment>
        <translation>تم استيراد %1 من %2</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>all supported files (*.xlsx *.csv);;xlsx file(*.xlsx);;csv file(*.csv)</source>
        <translation>كل الملفات المدعومة (*.xlsx *.csv);;ملف xlsx (*.xlsx);;ملف CSV (*.csv)</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>%1 of %2 are not numbers: the page would show them as 0.</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the file</extracomment>
        <translation>%1 في %2 ليست أرقامًا: ستعرضها الصفحة على أنها 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import anyway?</source>
        <translation>هل تريد الاستيراد على أي حال؟</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot import %1: %2. The grid is unchanged.</source>
        <translation>تعذر استيراد %1: %2. لم يتغير الجدول.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 holds no rows below its header line. The grid is unchanged.</source>
        <translation>لا يحتوي %1 على صفوف أسفل سطر العناوين. لم يتغير الجدول.</translation>
    </message>
</context>
<context>
    <name>FitCheck</name>
    <message>
        <location filename="../records/fitcheck.cpp" line="+236"/>
        <source>the register keeps</source>
        <translation>ما تحتفظ به آلة الكاشير</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 not in %2</source>
        <translation>%1 غير موجود في %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes in %2</source>
        <translation>%1 بايت في %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the register keeps %1</source>
        <translation>ما تحتفظ به آلة الكاشير (%1 بايت)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the register&apos;s text order changes it</source>
        <translation>ترتيب النص في آلة التسجيل يغيّره</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 not among the register&apos;s letters</source>
        <translation>%1 ليس من حروف آلة التسجيل</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a number</source>
        <translation>ليس رقمًا</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>negative</source>
        <translation>سالب</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 decimals, the field takes %2</source>
        <translation>%1 منازل عشرية، والحقل يقبل %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>decimals, the field takes whole numbers</source>
        <translation>منازل عشرية، والحقل يقبل أعدادًا صحيحة فقط</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more than %1</source>
        <translation>أكبر من %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a whole number</source>
        <translation>ليس عددًا صحيحًا</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1 to %2</source>
        <translation>خارج النطاق من %1 إلى %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not eight characters 0 or 1</source>
        <translation>ليس ثمانية أحرف من 0 أو 1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>only the digits %1 to %2 count</source>
        <translation>تُحتسب الأرقام من %1 إلى %2 فقط</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not four numbers from 0 to 255 joined by dots</source>
        <translation>ليس أربعة أعداد من 0 إلى 255 مفصولة بنقاط</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>lower-case letters</source>
        <translation>أحرف صغيرة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not %1 hexadecimal digits (0-9, A-F)</source>
        <translation>ليس %1 رقمًا ست عشريًا (0-9، A-F)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>nothing</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>a later row has the same number; of this row the register keeps</source>
        <translation>صف لاحق له الرقم نفسه؛ من هذا الصف تحتفظ آلة التسجيل بـ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a later row has the same code; of this row the register keeps</source>
        <translation>صف لاحق له الرمز نفسه؛ من هذا الصف تحتفظ آلة التسجيل بـ</translation>
    </message>
</context>
<context>
    <name>Graphic</name>
    <message>
        <location filename="../logo/graphic.cpp" line="+224"/>
        <source>the %1 file is cut short</source>
        <translation>ملف %1 مبتور</translation>
    </message>
</context>
<context>
    <name>GridClipboard</name>
    <message>
        <location filename="../app/grid/gridclipboard.cpp" line="+224"/>
        <source>Nothing to paste</source>
        <translation>لا يوجد ما يُلصق</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cells pasted</source>
        <translation>تم لصق %1 خلايا</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (1 row added)</source>
        <translation>%1 (أُدرج صف واحد)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 rows added)</source>
        <translation>%1 (أُدرج %2 صفوف)</translation>
    </message>
    <message>
        <location line="-189"/>
        <source>%1 locked</source>
        <translation>%1 مقفلة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 outside the grid</source>
        <translation>%1 خارج الجدول</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 below the rows the filter shows</source>
        <translation>%1 أسفل الصفوف التي يعرضها عامل التصفية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 not accepted: %2</source>
        <translation>%1 غير مقبولة: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2 skipped (%3)</source>
        <translation>%1، وتم تخطي %2 (%3)</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>1 cell pasted</source>
        <translation>تم لصق خلية واحدة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2 cut to what the field takes)</source>
        <extracomment>%1 &quot;3 cells pasted&quot;, %2 how many of them were cut</extracomment>
        <translation>%1 (%2 قُصّت إلى ما يتسع له الحقل)</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Nothing to clear</source>
        <translation>لا يوجد ما يُفرَّغ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 cell cleared</source>
        <translation>تم تفريغ خلية واحدة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells cleared</source>
        <translation>تم تفريغ %1 خلايا</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <location filename="../app/grid/gridmodel.cpp" line="+138"/>
        <source>edit of %1</source>
        <extracomment>An undo step (a cell typed in or set from a menu; %1 is its column), shown after &quot;Undo&quot; and &quot;Redo&quot;</extracomment>
        <translation>تعديل %1</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>insert rows</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>إدراج صفوف</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>delete rows</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>إزالة صفوف</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>sort</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>فرز</translation>
    </message>
</context>
<context>
    <name>GridPage</name>
    <message>
        <location filename="../app/pages/gridpage.ui" line="+11"/>
        <source>&amp;Find:</source>
        <translation>بحث (&amp;F):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find a code or a name (Ctrl+F)</source>
        <translation>البحث عن رمز أو اسم (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Previous match (Shift+F3)</source>
        <translation>النتيجة السابقة (Shift+F3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next match (F3)</source>
        <translation>النتيجة التالية (F3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>F&amp;ilter:</source>
        <translation>تصفية (&amp;I):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show only rows containing...</source>
        <translation>إظهار الصفوف التي تحتوي على... فقط</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Filter</source>
        <translation>تصفية</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Items</source>
        <translation>العناصر</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Import a CSV or spreadsheet file into this page</source>
        <translation>استيراد ملف CSV أو ملف جدول بيانات إلى هذه الصفحة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>openfile</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Export this page to a CSV file</source>
        <translation>تصدير هذه الصفحة إلى ملف CSV</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>savefile</source>
        <translation>حفظ ملف</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>العودة إلى أزرار الفئات (Alt+Left؛ يُسأل أولاً عن التغييرات غير المحفوظة)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <location filename="../app/pages/gridpage.cpp" line="+84"/>
        <source>%1 of %2 shown</source>
        <translation>معروض %1 من %2</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Save anyway?</source>
        <translation>هل تريد الحفظ على أي حال؟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: the page keeps its rows as they are</source>
        <translation>لم يتم الحفظ: تبقى صفوف الصفحة كما هي</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saved %1 to %2</source>
        <translation>تم حفظ %1 في %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(1 cell shown as stored)</source>
        <translation>(خلية واحدة معروضة كما حُفظت)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(%1 cells shown as stored)</source>
        <translation>(%1 خلايا معروضة كما حُفظت)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The register holds %1: the page has every one</source>
        <translation>تحتفظ آلة التسجيل بـ%1: الصفحة فيها جميعها</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 deleted from the page (not from the register)</source>
        <translation>تمت إزالة %1 من الصفحة (وليس من آلة الكاشير)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undone: %1</source>
        <extracomment>%1 is an undo step as the Edit menu names it (&quot;paste&quot;, &quot;import&quot;)</extracomment>
        <translation>تم التراجع عن: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redone: %1</source>
        <translation>تمت إعادة: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>paste</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>لصق</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>clear</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>تفريغ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cut</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>قص</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>An added PLU replaces the one with the same item code on the page.</source>
        <translation>يحلّ PLU المُضاف محلّ الصنف الذي له رمز الصنف نفسه في الصفحة.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An added row replaces the one with the same number on the page.</source>
        <translation>الصف المضاف يحلّ محلّ الصف ذي الرقم نفسه في الصفحة.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+22"/>
        <location line="+18"/>
        <source>import</source>
        <extracomment>Title of the question before rows read from a file go onto the page
----------
An undo step (rows read from a file), shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>استيراد</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>Replace the %1 on this page with the %2 from %3, or add them?</source>
        <extracomment>%1 and %2 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %3 the file</extracomment>
        <translation>هل تريد استبدال صفوف هذه الصفحة (%1) بصفوف %3 (%2)، أم إلحاقها بها؟</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Replace</source>
        <extracomment>Buttons: replace the page&apos;s rows by the file&apos;s, or add the file&apos;s rows to them</extracomment>
        <translation>استبدال</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add</source>
        <translation>إلحاق</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing imported: the page is unchanged</source>
        <translation>لم يُستورد شيء: لم تتغير الصفحة</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>1 cell will not reach the register as shown</source>
        <translation>خلية واحدة لن تصل إلى آلة الكاشير كما هي معروضة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells will not reach the register as shown</source>
        <translation>%1 خلايا لن تصل إلى آلة الكاشير كما هي معروضة</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Insert row</source>
        <extracomment>Insert an empty row in the grid</extracomment>
        <translation>إدراج صف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete row(s)</source>
        <translation>إزالة الصفوف</translation>
    </message>
</context>
<context>
    <name>GridSearch</name>
    <message>
        <location filename="../app/grid/gridsearch.cpp" line="+60"/>
        <source>&quot;%1&quot; is not on this page</source>
        <translation>&quot;%1&quot; غير موجود في هذه الصفحة</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <location filename="../app/grid/gridview.cpp" line="+91"/>
        <source>Open or create a configuration database (File &gt; open / new)</source>
        <translation>افتح ملف إعدادات أو أنشئ ملفًا جديدًا (ملف &gt; فتح / جديد)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No rows yet: download from the register, import a file, or add a row (Edit &gt; Insert row)</source>
        <translation>لا توجد صفوف بعد: نزّل من آلة الكاشير، أو استورد ملفًا، أو أدرج صفًا (تحرير &gt; إدراج صف)</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>none</source>
        <extracomment>The tool tip of an option cell with no option set</extracomment>
        <translation>لا شيء</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No row contains &quot;%1&quot;</source>
        <translation>لا يوجد صف يحتوي على &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../app/help/helpmenu.cpp" line="+16"/>
        <source>&amp;Quick start</source>
        <translation>بدء سريع (&amp;Q)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A short guide from a new set to a verified install, at this page&apos;s step</source>
        <translation>دليل مختصر من ملف إعدادات جديد إلى تثبيت تم التحقق منه، عند خطوة هذه الصفحة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Tallvane</source>
        <translation>حول Tallvane (&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The version, the licence and the data folder in use</source>
        <translation>الإصدار والترخيص ومجلد البيانات المستخدم</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <location filename="../journal/journal.cpp" line="+183"/>
        <source>The journal %1 could not be written: %2.</source>
        <translation>تعذرت الكتابة في سجل التدقيق %1: %2.</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>entry %1 before it is missing</source>
        <translation>الإدخال %1 الذي يسبقه مفقود</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entries %1 to %2 before it are missing</source>
        <translation>الإدخالات من %1 إلى %2 التي تسبقه مفقودة</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not start the chain although it is the first entry</source>
        <translation>لا يبدأ السلسلة رغم أنه الإدخال الأول</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not follow entry %1: an entry was put in or replaced before it</source>
        <translation>لا يتبع الإدخال %1: أُدخل إدخال أو استُبدل قبله</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its fields do not match its hash: it was changed after it was written</source>
        <translation>حقوله لا تطابق البصمة (hash) الخاصة به: تم تغييره بعد كتابته</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the last entry is missing</source>
        <translation>الإدخال الأخير مفقود</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the last %1 entries are missing</source>
        <translation>آخر %1 إدخالات مفقودة</translation>
    </message>
</context>
<context>
    <name>JournalKind</name>
    <message>
        <location filename="../app/pages/journalpage.cpp" line="+46"/>
        <source>login</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>login failed</source>
        <translation>فشل تسجيل الدخول</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>transfer</source>
        <translation>نقل</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>users</source>
        <extracomment>Journal entries of user management: users added or deleted, permissions set</extracomment>
        <translation>المستخدمون</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>all tables</source>
        <extracomment>A journal entry&apos;s category: every table of the register erased</extracomment>
        <translation>كل الجداول</translation>
    </message>
</context>
<context>
    <name>JournalPage</name>
    <message>
        <location filename="../app/pages/journalpage.ui" line="+11"/>
        <source>Register:</source>
        <translation>آلة الكاشير:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>User:</source>
        <translation>المستخدم:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Category:</source>
        <translation>الفئة:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Days</source>
        <translation>الأيام</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only the entries of the days from ... to ..., both included</source>
        <translation>إدخالات الأيام من ... إلى ... فقط، مع احتساب اليومين</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>from</source>
        <translation>من</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+20"/>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>to</source>
        <translation>إلى</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The details of the entry chosen above</source>
        <translation>تفاصيل الإدخال المحدد أعلاه</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Verify</source>
        <translation>تحقق</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check that no entry was changed, removed or put in</source>
        <translation>التأكد من أنه لم يتم تغيير أي إدخال أو إزالته أو إقحامه</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Back to the category buttons (Alt+Left)</source>
        <translation>العودة إلى أزرار الفئات (Alt+Left)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <location filename="../app/pages/journalpage.cpp" line="-39"/>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PC</source>
        <extracomment>The computer that wrote a journal entry</extracomment>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Register</source>
        <translation>آلة الكاشير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summary</source>
        <translation>الملخص</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 (UTC)</source>
        <translation>%1 (UTC)</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Journal not written</source>
        <translation>لم تتم الكتابة في سجل التدقيق</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+53"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>تعذرت قراءة سجل التدقيق %1: %2</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>All</source>
        <extracomment>The filter choice that shows the entries of every register, user or category</extracomment>
        <translation>الكل</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 of %2 entries</source>
        <translation>%1 من %2 إدخالات</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Entry %1, %2 (UTC), %3 at %4
%5</source>
        <extracomment>Entry number, UTC time, user, computer, then the entry&apos;s summary on a line of its own</extracomment>
        <translation>الإدخال %1، %2 (UTC)، %3 على %4
%5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nobody</source>
        <translation>لا أحد</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The journal cannot be read: %1</source>
        <translation>تعذرت قراءة سجل التدقيق: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Journal verified: %1 entries</source>
        <translation>تم التحقق من سجل التدقيق: %1 إدخالات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Journal broken at entry %1: %2</source>
        <translation>سجل التدقيق تالف عند الإدخال %1: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../base/language.cpp" line="+31"/>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>اليونانية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hebrew</source>
        <translation>العبرية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thai</source>
        <translation>التايلاندية</translation>
    </message>
</context>
<context>
    <name>LineCodec</name>
    <message>
        <location filename="../records/lines.cpp" line="+69"/>
        <source>row %1: line number must be 1 to %2</source>
        <translation>الصف %1: يجب أن يكون رقم السطر من 1 إلى %2</translation>
    </message>
</context>
<context>
    <name>LogoPage</name>
    <message>
        <location filename="../app/pages/logopage.ui" line="+32"/>
        <source>OpenImage</source>
        <translation>فتح صورة</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ImageSize</source>
        <translation>حجم الصورة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>192X64</source>
        <translation>192X64</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>384X64</source>
        <translation>384X64</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stretch</source>
        <translation>تمديد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stretch the picture over the whole logo; unticked, it keeps its proportions and is centred</source>
        <translation>تمديد الصورة على كامل الشعار؛ عند إلغاء التحديد تحتفظ الصورة بأبعادها النسبية وتوضع في المنتصف</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>W:</source>
        <translation>العرض:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>H:</source>
        <translation>الارتفاع:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>SetSize</source>
        <translation>ضبط الحجم</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Id:</source>
        <translation>الرقم:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Logo preview</source>
        <translation>معاينة الشعار</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>العودة إلى أزرار الفئات (Alt+Left؛ يُسأل أولاً عن التغييرات غير المحفوظة)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <location filename="../app/pages/logopage.cpp" line="+69"/>
        <source>Image File(*.jpg *.jpeg *.png *.bmp *.ico)</source>
        <translation>ملف صورة (*.jpg *.jpeg *.png *.bmp *.ico)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+107"/>
        <source>Warnning!</source>
        <translation>تحذير!</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>%1 could not be read: %2</source>
        <translation>تعذرت قراءة %1: %2</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>logo %1 x %2: %3 bytes of %4, more than the register takes</source>
        <extracomment>Width x height in dots, then the packed logo&apos;s bytes and the most the register takes</extracomment>
        <translation>الشعار ⁦%1 x %2⁩: %3 بايت من %4، أكثر مما تقبله آلة الكاشير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>logo %1 x %2: %3 bytes of %4</source>
        <translation>الشعار ⁦%1 x %2⁩: %3 بايت من %4</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 of %2 bytes</source>
        <translation>%1 من %2 بايت</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>image data is too big.</source>
        <translation>بيانات الصورة كبيرة جدًا.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Saved: %1 keeps this logo.</source>
        <translation>تم الحفظ: يحتفظ %1 بهذا الشعار.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saved: %1 keeps no logo.</source>
        <translation>تم الحفظ: لا يحتفظ %1 بأي شعار.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than a register takes (%1 of %2 bytes): choose a smaller size before installing it.</source>
        <translation>إنه أكبر مما تقبله آلة التسجيل (%1 من %2 بايت): اختر حجماً أصغر قبل تثبيته.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The logo kept in %1 cannot be read; the page shows none.</source>
        <translation>تعذرت قراءة الشعار المحفوظ في %1؛ لا تعرض الصفحة أي شعار.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the logo is sent over RS-232 only</source>
        <translation>يُرسل الشعار عبر RS-232 فقط</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no logo picture is opened: open a picture first</source>
        <translation>لم تُفتح صورة للشعار: افتح صورة أولاً</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../app/mainwindow.ui" line="+14"/>
        <source>Tallvane</source>
        <translation>Tallvane</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Navigation</source>
        <translation>التنقل</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../app/greeklabels.cpp" line="+44"/>
        <source>NAVIGATION BAR</source>
        <translation>شريط التنقل</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&amp;File</source>
        <translation>ملف (&amp;F)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Edit</source>
        <translation>تحرير (&amp;E)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Windows</source>
        <translation>النوافذ (&amp;W)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Tool</source>
        <translation>أدوات (&amp;T)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>new</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create a new configuration set, every page of it empty (Ctrl+N)</source>
        <translation>إنشاء ملف إعدادات جديد بكل صفحاته فارغة (Ctrl+N)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open a configuration set (Ctrl+O)</source>
        <translation>فتح ملف إعدادات (Ctrl+O)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save this page&apos;s changes to the open set (Ctrl+S)</source>
        <translation>حفظ تغييرات هذه الصفحة في ملف الإعدادات المفتوح (Ctrl+S)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>install</source>
        <translation>تثبيت</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <translation>تثبيت: إرسال جدول هذه الصفحة إلى آلة (آلات) الكاشير (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>import</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download this page&apos;s table from the register (Ctrl+D)</source>
        <translation>تنزيل جدول هذه الصفحة من آلة الكاشير (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Insert</source>
        <translation>إدراج صف</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Insert an empty row after the current one</source>
        <translation>إدراج صف فارغ بعد الصف الحالي</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Past</source>
        <translation>لصق</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste the clipboard into the grid</source>
        <translation>لصق محتوى الحافظة في الجدول</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../app/mainwindow.cpp" line="+348"/>
        <source>Menu</source>
        <extracomment>The status bar on the page of category buttons</extracomment>
        <translation>القائمة</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dept</source>
        <translation>الأقسام</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Journal</source>
        <translation>سجل التدقيق</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Log out</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Back to the login, for another user or another display language</source>
        <translation>العودة إلى شاشة الدخول لمستخدم آخر أو لغة عرض أخرى</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ClearData</source>
        <translation>مسح البيانات</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Quit</source>
        <translation>خروج (&amp;Q)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close Tallvane (unsaved changes are asked about first)</source>
        <translation>يغلق Tallvane (يسأل أولًا عن التغييرات غير المحفوظة)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="-108"/>
        <source>Warnning!</source>
        <translation>تحذير!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No authority.</source>
        <translation>لا تملك الصلاحية.</translation>
    </message>
    <message>
        <location filename="../app/setlibrary.cpp" line="+206"/>
        <source>select db file</source>
        <translation>اختر ملف الإعدادات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>db file(*.db)</source>
        <translation>ملف إعدادات (*.db)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="+154"/>
        <source>%1 created: every page of it is empty</source>
        <translation>تم إنشاء %1: جميع صفحاته فارغة</translation>
    </message>
    <message>
        <location filename="../app/greeklabels.cpp" line="+1"/>
        <source>DB VIEW</source>
        <translation>ملفات الإعدادات</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New Db</source>
        <translation>ملف إعدادات جديد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Db</source>
        <translation>فتح ملف إعدادات</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save Db</source>
        <translation>حفظ ملف الإعدادات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Db</source>
        <translation>إغلاق ملف الإعدادات</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ITEM VIEW</source>
        <translation>الجداول</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>group</source>
        <translation>مجموعة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>dept</source>
        <translation>قسم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plu</source>
        <translation>صنف</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>disc</source>
        <translation>تخفيض</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tax</source>
        <translation>ضريبة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clerk</source>
        <translation>بائع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>header</source>
        <translation>رأس الإيصال</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>trailer</source>
        <translation>تذييل الإيصال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>extheader</source>
        <translation>رأس الإيصال الإضافي</translation>
    </message>
</context>
<context>
    <name>NetParm</name>
    <message>
        <location filename="../records/netparm.cpp" line="-39"/>
        <source>SecurityCode: the letters of the key must be upper-case (A to F)</source>
        <translation>رمز الأمان: يجب أن تكون أحرف المفتاح كبيرة (A إلى F)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SecurityCode: the key holds only the digits 0 to 9 and the letters A to F</source>
        <translation>رمز الأمان: يحتوي المفتاح على الأرقام من 0 إلى 9 والأحرف من A إلى F فقط</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SecurityCode: the key is %1 hexadecimal digits or empty, not %2</source>
        <translation>رمز الأمان: المفتاح %1 رقمًا ست عشريًا أو فارغ، وليس %2</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>%1: an address is four numbers from 0 to 255 joined by dots, like 192.168.1.10</source>
        <translation>%1: العنوان أربعة أعداد من 0 إلى 255 مفصولة بنقاط، مثل 192.168.1.10</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: a port is a number from 0 to 65535</source>
        <translation>%1: المنفذ رقم من 0 إلى 65535</translation>
    </message>
</context>
<context>
    <name>OptionBitsDialog</name>
    <message>
        <location filename="../app/dialogs/optionbitsdialog.ui" line="+6"/>
        <source>Option bits</source>
        <translation>بتات الخيارات</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Bit string</source>
        <translation>سلسلة البتات</translation>
    </message>
    <message>
        <location filename="../app/dialogs/optionbitsdialog.cpp" line="+50"/>
        <location line="+27"/>
        <source>Bit %1</source>
        <extracomment>An option bit without a name; %1 is its number, 0 the right-most</extracomment>
        <translation>البت %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../records/clerk.cpp" line="-10"/>
        <source>VOID</source>
        <translation>إبطال</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CORRECT</source>
        <translation>تصحيح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REFUND</source>
        <translation>استرداد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%DISCOUNT</source>
        <translation>تخفيض %</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%SURCHARGE</source>
        <translation>رسم إضافي %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NET DIS/SURCH</source>
        <translation>تخفيض/رسم إضافي صافٍ</translation>
    </message>
    <message>
        <location filename="../records/dept.cpp" line="-20"/>
        <source>DPOPTION1</source>
        <translation>خيار القسم 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION2</source>
        <translation>خيار القسم 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION3</source>
        <translation>خيار القسم 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION4</source>
        <translation>خيار القسم 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION5</source>
        <translation>خيار القسم 5</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION6</source>
        <translation>خيار القسم 6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION7</source>
        <translation>خيار القسم 7</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ACTIVE</source>
        <translation>نشط</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PRICE NEGATIVE</source>
        <translation>سعر سالب</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ZERO PRICE</source>
        <translation>سعر صفري</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TICKET SIGNLE</source>
        <translation>إيصال مفرد</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DOUBLE TICKET</source>
        <translation>إيصال مزدوج</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SEPARATRIX</source>
        <translation>خط فاصل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLOSE RECEIPT</source>
        <translation>إغلاق الإيصال</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/disc.cpp" line="-9"/>
        <source>DISC 1</source>
        <translation>تخفيض 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../records/disc.cpp" line="+1"/>
        <source>DISC 2</source>
        <translation>تخفيض 2</translation>
    </message>
    <message>
        <location filename="../records/disc.cpp" line="-9"/>
        <source>TAX A</source>
        <translation>ضريبة A</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX B</source>
        <translation>ضريبة B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX C</source>
        <translation>ضريبة C</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX D</source>
        <translation>ضريبة D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX E</source>
        <translation>ضريبة E</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX F</source>
        <translation>ضريبة F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX G</source>
        <translation>ضريبة G</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX H</source>
        <translation>ضريبة H</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FIXED</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FREE</source>
        <translation>مفتوح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIX/FREE</source>
        <translation>ثابت/مفتوح</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AMOUNT</source>
        <translation>مبلغ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INCREASE</source>
        <translation>زيادة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NO SUB</source>
        <translation>بدون مجموع فرعي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT DISC</source>
        <translation>طباعة التخفيض</translation>
    </message>
    <message>
        <location filename="../records/netparm.cpp" line="-168"/>
        <source>NETENABLE</source>
        <translation>تفعيل الشبكة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DHCPENABLE</source>
        <translation>تفعيل DHCP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MINISTRYENABLE</source>
        <translation>تفعيل الربط مع الوزارة</translation>
    </message>
    <message>
        <location filename="../records/tax.cpp" line="-8"/>
        <source>TAX ADD</source>
        <translation>إضافة الضريبة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PRINT VAT</source>
        <translation>طباعة ضريبة القيمة المضافة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT ZERO</source>
        <translation>طباعة الأصفار</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GST TAX</source>
        <translation>ضريبة GST</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT TAX</source>
        <translation>طباعة الضريبة</translation>
    </message>
</context>
<context>
    <name>PageGuard</name>
    <message>
        <location filename="../app/pages/pageguard.cpp" line="+42"/>
        <source>Saved by someone else</source>
        <translation>حفظه شخص آخر</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing was saved: %1.

Reload shows what the set holds now and drops your changes; Overwrite stores this page over theirs; Cancel keeps your changes unsaved.</source>
        <extracomment>%1 says which table, by whom and when</extracomment>
        <translation>لم يُحفظ شيء: %1.

إعادة التحميل تعرض ما يحويه ملف الإعدادات الآن وتتجاهل تغييراتك؛ الاستبدال يحفظ هذه الصفحة بدل ما حفظوه؛ الإلغاء يبقي تغييراتك دون حفظ.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reload</source>
        <translation>إعادة التحميل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Overwrite</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reloaded: the page shows what the set holds now</source>
        <translation>أعيد التحميل: تعرض الصفحة ما يحويه ملف الإعدادات الآن</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was saved: %1.</source>
        <translation>لم يُحفظ شيء: %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>system parameters</source>
        <translation>معلمات النظام</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 saved the %2 of %3 at %4, after this page was loaded</source>
        <extracomment>%1 who (&quot;admin@till-2&quot;), %2 what (&quot;PLUs&quot;), %3 the set (&quot;shop.db&quot;), %4 when</extracomment>
        <translation>حفظ %1 %2 في %3 عند %4، بعد تحميل هذه الصفحة</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Nothing to save here: Save stores the page of a category</source>
        <translation>لا يوجد ما يُحفظ هنا: الحفظ يخزّن صفحة فئة</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unsaved changes</source>
        <translation>تغييرات غير محفوظة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has changes that are not saved.
Save them before going on?</source>
        <extracomment>%1 is the page&apos;s title (and the set&apos;s file name)</extracomment>
        <translation>توجد في %1 تغييرات غير محفوظة.
هل تريد حفظها قبل المتابعة؟</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Discard</source>
        <extracomment>The button that leaves the page without saving its changes</extracomment>
        <translation>عدم الحفظ</translation>
    </message>
</context>
<context>
    <name>Peer</name>
    <message>
        <location filename="../records/wording.h" line="+29"/>
        <source>%1</source>
        <extracomment>A register&apos;s address, serial port or name inside a sentence. Hebrew and Arabic put it between U+2066 and U+2069 (one left-to-right run); other languages leave it as it is.</extracomment>
        <translation>⁦%1⁩</translation>
    </message>
</context>
<context>
    <name>Punctuation</name>
    <message>
        <location filename="../base/punctuation.cpp" line="+18"/>
        <source>, </source>
        <extracomment>Between the items of a list (&quot;PLU, TAX&quot;): Arabic writes &quot;، &quot;, others &quot;, &quot;</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; </source>
        <extracomment>Between two clauses of a sentence: Arabic writes &quot;؛ &quot;, Greek &quot;· &quot;, others &quot;; &quot;</extracomment>
        <translation>؛ </translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <location filename="../app/qttexts.cpp" line="+102"/>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>مجلد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>محرك أقراص</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <location line="+19"/>
        <source>&amp;Select All</source>
        <translation>&amp;حدّد الكلّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Step up</source>
        <translation>خطوة لأ&amp;على</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step &amp;down</source>
        <translation>خطوة لأ&amp;سفل</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location line="-101"/>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
لم يُعثر على الدّليل.
رجاءً تحقّق من إعطائك الاسم الصحيح للدّليل.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
لم يُعثر على الملفّ.
رجاءً تحقّق من إعطائك الاسم الصحيح للملفّ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 File</source>
        <translation>ملفّ %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>‏%1 موجود بالفعل.
أتريد استبداله؟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose</source>
        <translation>اختر (&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>احذف (&amp;D)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Folder</source>
        <translation>مجلّد جديد (&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>افتح (&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rename</source>
        <translation>أعد التّسمية (&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>احفظ (&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>‏’%1‘ محميّ ضدّ الكتابة.
أتريد حذفه بأيّ حال؟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alias</source>
        <translation>اختصار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>كلّ الملفّات (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*)</source>
        <translation>كلّ الملفّات (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>أتريد حقًّا حذف ’%1‘؟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>ارجع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change to detail view mode</source>
        <translation>غيّر إلى وضع المنظور التّفصيليّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change to list view mode</source>
        <translation>غيّر إلى وضع المنظور القائميّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not delete directory.</source>
        <translation>تعذّر حذف الدّليل.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create New Folder</source>
        <translation>أنشئ مجلّدًا جديدًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a New Folder</source>
        <translation>أنشئ مجلّدًا جديدًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>احذف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Detail View</source>
        <translation>منظور تفصيليّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Directories</source>
        <translation>الأدّلة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Directory:</source>
        <translation>الدّليل:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>القرص</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>ملفّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File &amp;name:</source>
        <translation>اسم الملفّ (&amp;N):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Folder</source>
        <translation>مجلّد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>الملفّات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type:</source>
        <translation>الملفّات من النّوع:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Directory</source>
        <translation>اعثر على دليل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder</source>
        <translation>مجلّد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go back</source>
        <translation>اذهب للخلف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go forward</source>
        <translation>اذهب للأمام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go to the parent directory</source>
        <translation>اذهب إلى الدّليل الأمّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List View</source>
        <translation>منظور قائميّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List of places and bookmarks</source>
        <translation>قائمة الأماكن والعلامات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look in:</source>
        <translation>اعثر في:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>حاسوبي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Folder</source>
        <translation>مجلّد جديد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>افتح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Directory</source>
        <translation>الدّليل الأمّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recent Places</source>
        <translation>الأماكن الحديثة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>أزل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As</source>
        <translation>احفظ كَ‍</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shortcut</source>
        <translation>اختصار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show </source>
        <translation>أظهر </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;hidden files</source>
        <translation>أظهر الملفّات المخفيّة (&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sidebar</source>
        <translation>الشّريط الجانبيّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>مجهول</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <location line="+1"/>
        <source>%1 GB</source>
        <translation>%1 غ.بايت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1 ك.بايت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB</source>
        <translation>%1 م.بايت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 TB</source>
        <translation>%1 ت.بايت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 byte(s)</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 bytes</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;لا يمكن استخدام الاسم ”%1“.&lt;/b&gt;&lt;p&gt;جرّب استخدام اسم آخر بمحارف أقلّ أو بلا علامات ترقيم.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer</source>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date Modified</source>
        <translation>تاريخ التّعديل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid filename</source>
        <translation>اسم الملفّ غير صالح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>النّوع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>حاسوبي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type</source>
        <translation>النّوع</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location line="+13"/>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>أ&amp;عد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>&amp;قصّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>أل&amp;صق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>احذف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>حدّد الكلّ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location line="-102"/>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save All</source>
        <translation>حفظ الكل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>نعم (&amp;Y)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes to &amp;All</source>
        <translation>نعم للكل (&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>لا (&amp;N)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>N&amp;o to All</source>
        <translation>لا للكل (&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort</source>
        <translation>إجهاض</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Discard</source>
        <translation>تجاهل التغييرات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restore Defaults</source>
        <translation>استعادة الافتراضيات</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <location line="+95"/>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>أ&amp;عد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>&amp;قصّ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy &amp;Link Location</source>
        <translation>انسخ و&amp;صلة المكان</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>أل&amp;صق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>احذف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>حدّد الكلّ</translation>
    </message>
</context>
<context>
    <name>QuickStartDialog</name>
    <message>
        <location filename="../app/help/quickstartdialog.ui" line="+14"/>
        <location filename="../app/help/quickstartdialog.cpp" line="+79"/>
        <source>Quick start</source>
        <translation>بدء سريع</translation>
    </message>
    <message>
        <location filename="../app/help/quickstartdialog.cpp" line="-38"/>
        <source>1. Open or create a set</source>
        <translation>1. افتح ملف إعدادات أو أنشئ ملفًا جديدًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A configuration set holds every table of one register or one group of registers, in a database file of its own. File &gt; new creates one (every page of it empty), File &gt; open opens one, and the DB VIEW branch of the tree lists the sets of the database folder.</source>
        <translation>يحتوي ملف الإعدادات على كل جداول آلة كاشير واحدة أو عدة آلات كاشير، في ملف قاعدة بيانات خاص به. الأمر ملف &gt; جديد ينشئ ملفًا (بكل صفحاته فارغة)، والأمر ملف &gt; فتح يفتح ملفًا، ويعرض فرع «ملفات الإعدادات» في الشجرة ملفات الإعدادات الموجودة في مجلد قواعد البيانات.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The set keeps the code page of its register texts: a set made under Greek stays Greek when it is opened under another display language.</source>
        <translation>يحتفظ ملف الإعدادات بصفحة الترميز (code page) لنصوص آلة الكاشير: ملف الإعدادات الذي أُنشئ باللغة اليونانية يبقى يونانيًا عند فتحه بلغة عرض أخرى.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2. Fill a page</source>
        <translation>2. املأ صفحة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a category on the button page or in the tree: departments, PLUs, taxes and the others each have a page. Type into the grid, insert rows with Edit &gt; Insert row, paste from a spreadsheet, or import a CSV or spreadsheet file into the page.</source>
        <translation>اختر فئة من صفحة الأزرار أو من الشجرة: لكل من الأقسام وأصناف PLU والضرائب وغيرها صفحة خاصة. اكتب في الجدول، أو أدرج صفوفًا من تحرير &gt; إدراج صف، أو الصق من جدول بيانات، أو استورد ملف CSV أو ملف جدول بيانات إلى الصفحة.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cells that hold options show them as eight digits; double-click one (or press Enter on it) for a box per option, or right-click it to choose them one by one. A title ending in * has unsaved changes: File &gt; save stores them, and Tallvane asks before a page with changes is left.</source>
        <translation>تعرض الخلايا التي تحتوي على خيارات هذه الخيارات كثمانية أرقام؛ انقر نقرًا مزدوجًا على إحداها (أو اضغط Enter) لمربع لكل خيار، أو انقر بزر الفأرة الأيمن لتحديد الخيارات واحدًا تلو الآخر. العنوان المنتهي بـ * يعني وجود تغييرات غير محفوظة: الأمر ملف &gt; حفظ يحفظها، ويسأل Tallvane قبل مغادرة صفحة فيها تغييرات.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Without the mouse: the arrow keys move among the category buttons and Enter opens one; Alt+Left goes back to them from any page; Ctrl+Z and Ctrl+Shift+Z undo and redo a change in the grid.</source>
        <translation>بدون الفأرة: تنتقل مفاتيح الأسهم بين أزرار الفئات ويفتح Enter أحدها؛ ويعود Alt+Left إليها من أي صفحة؛ ويتراجع Ctrl+Z ويعيد Ctrl+Shift+Z تغييرًا في الجدول.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. The receipt logo</source>
        <translation>3. شعار الإيصال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The logo page loads a picture, shows it as the register will print it (black and white dots) and sends it as logo 1 or 2 over the serial link.</source>
        <translation>تفتح صفحة الشعار صورة، وتعرضها كما ستطبعها آلة الكاشير (نقاط سوداء وبيضاء)، وترسلها كشعار 1 أو 2 عبر الوصلة التسلسلية.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4. Connect a register</source>
        <translation>4. وصّل آلة كاشير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over the network: choose Tcp in the connection panel. The panel shows the address and port on which Tallvane listens; set the register to dial them. Each register that connects appears in the table, where you can give it a name.</source>
        <translation>عبر الشبكة: اختر Tcp في لوحة الاتصال. تعرض اللوحة العنوان والمنفذ اللذين ينتظر عليهما Tallvane الاتصال؛ اضبط آلة الكاشير لتتصل بهما. تظهر كل آلة كاشير متصلة في الجدول، حيث يمكنك إعطاؤها اسمًا.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Over RS-232: choose Serial, pick the port and press Open Serial. On Linux only the members of the port&apos;s group (dialout) may open it.</source>
        <translation>عبر RS-232: اختر تسلسلي، ثم اختر المنفذ واضغط فتح المنفذ التسلسلي. في لينكس لا يستطيع فتح المنفذ إلا أعضاء مجموعة المنفذ (dialout).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5. Install</source>
        <translation>5. التثبيت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install (tool bar or File &gt; install) sends the page&apos;s whole table to every connected register and replaces what it holds. Send changes sends only the rows that differ from what the register got last time, and Compare with register shows them first.</source>
        <translation>التثبيت (من شريط الأدوات أو ملف &gt; تثبيت) يرسل جدول الصفحة كاملاً إلى كل آلة كاشير متصلة ويستبدل ما تحتويه. إرسال التغييرات يرسل فقط الصفوف التي تختلف عمّا استلمته آلة الكاشير في المرة السابقة، ومقارنة مع آلة الكاشير تعرضها أولاً.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download from register brings the register&apos;s table onto the page; nothing is stored until you save.</source>
        <translation>التنزيل من آلة الكاشير يجلب جدول آلة الكاشير إلى الصفحة؛ لا يُحفظ شيء حتى تضغط حفظ.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6. Verify</source>
        <translation>6. التحقق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tick Verify after install: after the install each register sends the table back and Tallvane compares it with what was sent, row by row and field by field. The transfer log ends with one sentence per register, and Windows &gt; Journal keeps who sent what to which register.</source>
        <translation>حدد التحقق بعد التثبيت: بعد التثبيت تعيد كل آلة كاشير إرسال الجدول، ويقارنه Tallvane بما أُرسل صفًا صفًا وحقلاً حقلاً. ينتهي سجل النقل بجملة واحدة لكل آلة كاشير، ويبيّن النوافذ &gt; سجل التدقيق من أرسل ماذا وإلى أي آلة كاشير.</translation>
    </message>
</context>
<context>
    <name>RegisterCommands</name>
    <message>
        <location filename="../app/transfer/registercommands.cpp" line="+18"/>
        <source>Add the selected PLUs to the register(s)</source>
        <translation>إضافة أصناف PLU المحددة إلى آلة (آلات) الكاشير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update the selected PLUs on the register(s)</source>
        <translation>تحديث أصناف PLU المحددة في آلة (آلات) الكاشير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete the selected PLUs from the register(s)</source>
        <translation>حذف أصناف PLU المحددة من آلة (آلات) الكاشير</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <extracomment>&quot;install&quot; is the command that sends the page&apos;s table to the register.</extracomment>
        <translation>تثبيت: إرسال جدول هذه الصفحة إلى آلة (آلات) الكاشير (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>download: read this page&apos;s table from the register (Ctrl+D)</source>
        <translation>تنزيل: قراءة جدول هذه الصفحة من آلة الكاشير (Ctrl+D)</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Cancel transfer</source>
        <translation>إلغاء النقل</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the transfer after the current frame (Esc)</source>
        <translation>إيقاف النقل بعد الإطار الحالي (Esc)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Compare with register</source>
        <translation>مقارنة مع آلة الكاشير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show what this page would change on each connected register</source>
        <translation>عرض ما ستغيّره هذه الصفحة في كل آلة كاشير متصلة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send changes</source>
        <translation>إرسال التغييرات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send each register only what differs from what it holds</source>
        <translation>إرسال ما يختلف فقط عمّا تحتويه كل آلة كاشير</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>install: open a category page first; its table goes to the register(s)</source>
        <translation>تثبيت: افتح صفحة فئة أولًا؛ يُرسل جدولها إلى آلة (آلات) الكاشير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>download: open a category page first; its table comes from the register</source>
        <extracomment>&quot;download&quot; is the command that reads the page&apos;s table from the register.</extracomment>
        <translation>تنزيل: افتح صفحة فئة أولًا؛ يأتي جدولها من آلة الكاشير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>download: a register does not send its logo back</source>
        <translation>تنزيل: آلة الكاشير لا تعيد إرسال شعارها</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (on the PLU page only: the other pages go to the register whole, with install)</source>
        <translation>%1 (في صفحة PLU فقط: تُرسل الصفحات الأخرى إلى آلة الكاشير كاملة بالتثبيت)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>only the administrator may erase a register&apos;s tables</source>
        <translation>لا يحق مسح جداول آلة الكاشير إلا للمدير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clear data goes to a register on the serial link only</source>
        <translation>يُرسل مسح البيانات إلى آلة كاشير عبر الوصلة التسلسلية فقط</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clear data is not given from the PLU page</source>
        <translation>لا يُنفذ مسح البيانات من صفحة PLU</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase every table of the register on the serial port (asks first)</source>
        <translation>مسح كل جداول آلة الكاشير على المنفذ التسلسلي (مع السؤال أولاً)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase every table of the register: %1</source>
        <translation>مسح كل جداول آلة الكاشير: %1</translation>
    </message>
</context>
<context>
    <name>RegisterPlan</name>
    <message>
        <location filename="../link/changes.cpp" line="+119"/>
        <source>%1 registers connect as %2: a send of changes cannot tell them apart, so none is sent; install the whole table, or give each register an address of its own</source>
        <extracomment>%1 how many registers, %2 the address they share</extracomment>
        <translation>%1 آلات كاشير تتصل بالعنوان %2: لا يمكن لإرسال التغييرات التمييز بينها، لذا لم يُرسل شيء؛ ثبّت الجدول كاملًا، أو امنح كل آلة كاشير عنوانًا خاصًا بها</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: no baseline yet: download to compare, or install the whole table</source>
        <translation>%1: لا توجد نسخة مرجعية بعد: نزّل الجدول للمقارنة، أو ثبّت الجدول كاملاً</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 unchanged on %2: not sent</source>
        <translation>%1 دون تغيير في %2: لم يُرسل شيء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unchanged on %2</source>
        <translation>%1 دون تغيير في %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2; not sent: the page holds no %3, and a send of no rows changes nothing (ClearData empties a register)</source>
        <extracomment>%1 the register, %2 how its table differs (&quot;2 deleted&quot;), %3 the rows (&quot;departments&quot;)</extracomment>
        <translation>%1: %2؛ لم يُرسل: لا تحتوي الصفحة على %3، والإرسال بلا صفوف لا يغيّر شيئًا («مسح البيانات» يفرّغ آلة الكاشير)</translation>
    </message>
</context>
<context>
    <name>SerialServer</name>
    <message>
        <location filename="../link/serialserver.cpp" line="+53"/>
        <source>No serial port can be opened now: connect the register&apos;s cable (or its USB adapter), then press F5 to look again.</source>
        <translation>لا يمكن فتح أي منفذ تسلسلي الآن: صِل كابل آلة الكاشير (أو محوّل USB الخاص بها) ثم اضغط F5 للبحث مجددًا.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 is in use by another program: close it there first</source>
        <translation>%1 مستخدم من برنامج آخر: أغلقه هناك أولاً</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1. Only the members of the group %2 may open %3: add the user to it (sudo adduser %4 %2) and log in again.</source>
        <translation>%1. لا يستطيع فتح ⁦%3⁩ إلا أعضاء المجموعة %2: أضف المستخدم إليها (sudo adduser %4 %2) ثم سجّل الدخول من جديد.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Permission denied</source>
        <translation>تم رفض الإذن</translation>
    </message>
</context>
<context>
    <name>ServerDb</name>
    <message>
        <location filename="../storage/serverdb.cpp" line="+111"/>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql)</source>
        <translation>برنامج تشغيل PostgreSQL الخاص بـ Qt غير مثبّت (حزمة Debian libqt6sql6-psql)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>the account %1 may not use the set %2 (no USAGE on its schema)</source>
        <translation>لا يحق للحساب %1 استخدام ملف الإعدادات %2 (لا صلاحية USAGE على مخططه)</translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <location filename="../app/dialogs/serverpassword.cpp" line="+13"/>
        <source>The server refused the password of %1. Password:</source>
        <translation>رفض الخادم كلمة مرور %1. كلمة المرور:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password of %1 on the server:</source>
        <translation>كلمة مرور %1 على الخادم:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Server password</source>
        <translation>كلمة مرور الخادم</translation>
    </message>
</context>
<context>
    <name>ServerSetDialog</name>
    <message>
        <location filename="../app/dialogs/serversetdialog.ui" line="+9"/>
        <source>Server set</source>
        <translation>ملف إعدادات على الخادم</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set on a PostgreSQL server (postgresql://USER@HOST[:PORT]/DATABASE?set=NAME):</source>
        <translation>ملف إعدادات على خادم PostgreSQL ‏(⁦postgresql://USER@HOST[:PORT]/DATABASE?set=NAME⁩):</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The password comes from the PostgreSQL password file (~/.pgpass) or PGPASSWORD; otherwise Tallvane asks for it once per login and never stores it.</source>
        <translation>تؤخذ كلمة المرور من ملف كلمات مرور PostgreSQL ‏(⁦~/.pgpass⁩) أو من PGPASSWORD؛ وإلا يطلبها Tallvane مرة واحدة في كل تسجيل دخول ولا يحفظها أبدًا.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Create</source>
        <translation>إنشاء (&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create a new, empty set under this name on the server</source>
        <translation>إنشاء ملف إعدادات جديد فارغ بهذا الاسم على الخادم</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open</source>
        <translation>فتح (&amp;O)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location filename="../app/dialogs/serversetdialog.cpp" line="+32"/>
        <source>A server set&apos;s address starts with postgresql://</source>
        <translation>يبدأ عنوان ملف الإعدادات على الخادم بـ ⁦postgresql://⁩</translation>
    </message>
</context>
<context>
    <name>ServerThread</name>
    <message>
        <location filename="../link/tcpserver.cpp" line="+227"/>
        <source>not in [tcp] allow</source>
        <translation>غير مدرج في [tcp] allow</translation>
    </message>
</context>
<context>
    <name>SetLibrary</name>
    <message>
        <location filename="../app/setlibrary.cpp" line="-160"/>
        <source>Recent sets</source>
        <translation>ملفات الإعدادات الأخيرة</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Open server set...</source>
        <translation>فتح ملف إعدادات على الخادم...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or create a configuration set on a PostgreSQL server</source>
        <translation>فتح أو إنشاء ملف إعدادات على خادم PostgreSQL</translation>
    </message>
</context>
<context>
    <name>SetLocation</name>
    <message>
        <location filename="../storage/setlocation.cpp" line="+61"/>
        <source>Type a name for the new set.</source>
        <translation>اكتب اسماً لملف الإعدادات الجديد.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A set&apos;s name cannot hold &apos;/&apos; or &apos;\&apos;: the set is made in the database folder.</source>
        <translation>لا يمكن أن يحتوي اسم ملف الإعدادات على &apos;/&apos; أو &apos;\&apos;: يُنشأ الملف في مجلد قواعد البيانات.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A set&apos;s name cannot begin with a dot.</source>
        <translation>لا يمكن أن يبدأ اسم ملف الإعدادات بنقطة.</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+33"/>
        <source>the address holds a password; keep it in the PostgreSQL password file (~/.pgpass) or PGPASSWORD instead</source>
        <translation>يحتوي العنوان على كلمة مرور؛ احفظها بدلًا من ذلك في ملف كلمات مرور PostgreSQL ‏(⁦~/.pgpass⁩) أو في PGPASSWORD</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; is not a connection parameter</source>
        <translation>&quot;%1&quot; ليس معامل اتصال</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the value of %1 cannot hold &apos;;&apos;</source>
        <translation>لا يمكن أن تحتوي قيمة %1 على &apos;;&apos;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; is not a port number</source>
        <translation>&quot;%1&quot; ليس رقم منفذ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the address names no set: add ?set=NAME (for example ?set=shop)</source>
        <translation>العنوان لا يحدد ملف إعدادات: أضف ⁦?set=NAME⁩ (مثلًا ⁦?set=shop⁩)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; cannot name a set: use letters, digits, &apos;_&apos; and &apos;-&apos; (at most 63, not starting with pg_)</source>
        <translation>لا يصلح &quot;%1&quot; اسمًا لملف إعدادات: استخدم الحروف والأرقام و&apos;_&apos; و&apos;-&apos; (63 على الأكثر، ولا يبدأ بـ ⁦pg_⁩)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>this PC</source>
        <translation>هذا الحاسوب</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2 on %3)</source>
        <translation>%1 (%2 على %3)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <location filename="../link/statusline.cpp" line="+19"/>
        <source> (%1 of %2 bytes shown)</source>
        <translation> (يُعرض %1 من %2 بايت)</translation>
    </message>
</context>
<context>
    <name>StatusWord</name>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+47"/>
        <source>END</source>
        <translation>انتهى</translation>
    </message>
    <message>
        <location filename="../link/transfer.cpp" line="+206"/>
        <source>TIME OUT</source>
        <translation>انتهت المهلة</translation>
    </message>
    <message>
        <location line="-157"/>
        <location line="+345"/>
        <source>UPDATE </source>
        <translation>إرسال </translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+92"/>
        <location line="+32"/>
        <source>UPDATE END</source>
        <translation>انتهى الإرسال</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+8"/>
        <source>DOWNLOAD </source>
        <translation>تنزيل </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DOWNLOAD END</source>
        <translation>انتهى التنزيل</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+20"/>
        <location line="+24"/>
        <source>RCV ERR</source>
        <translation>خطأ استلام</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>BCC ERR</source>
        <translation>خطأ المجموع الاختباري</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <location filename="../app/pages/systempage.ui" line="+12"/>
        <source>Set ECR Time</source>
        <translation>ضبط وقت ECR</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ECR Time:</source>
        <translation>وقت ECR:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECR#:</source>
        <translation>رقم ECR:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The register&apos;s number (0 to 255), as the register reports it</source>
        <translation>رقم آلة الكاشير (0 إلى 255)، كما تُبلغ عنه آلة الكاشير</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>(0-255)</source>
        <translation>‎(0-255)‎</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>IDLE Time Disp</source>
        <translation>عرض الوقت عند الخمول</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Minutes without use before the register&apos;s display shows its idle text (0 to 99)</source>
        <translation>عدد الدقائق دون استخدام قبل أن تعرض شاشة آلة الكاشير نص الخمول (0 إلى 99)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Minute(0-99)</source>
        <translation>دقيقة ‎(0-99)‎</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PRINT DENSITY:</source>
        <translation>كثافة الطباعة:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>How dark the printer prints: 0 the lightest, 4 the darkest</source>
        <translation>درجة قتامة الطباعة: 0 الأفتح، 4 الأغمق</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>(0-4)</source>
        <translation>‎(0-4)‎</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>AMOUNT MAX:</source>
        <translation>الحد الأقصى للمبلغ:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The largest amount the register accepts in one entry (0 to 99999999)</source>
        <translation>أكبر مبلغ تقبله آلة الكاشير في إدخال واحد (0 إلى 99999999)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>(0-99999999)</source>
        <translation>‎(0-99999999)‎</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Print the clerk&apos;s name on every receipt</source>
        <translation>طباعة اسم البائع على كل إيصال</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRN CLERK</source>
        <translation>طباعة البائع</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Allow a copy of the last receipt to be printed</source>
        <translation>السماح بطباعة نسخة من آخر إيصال</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COPY RECEIPT</source>
        <translation>نسخة الإيصال</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the number of items sold at the end of each receipt</source>
        <translation>طباعة عدد الأصناف المباعة في نهاية كل إيصال</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT ITEMS</source>
        <translation>طباعة الأصناف</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Prices and amounts have two decimal places</source>
        <translation>للأسعار والمبالغ منزلتان عشريتان</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DECIMAL</source>
        <translation>الفاصلة العشرية</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subtotal key must be pressed before a payment</source>
        <translation>يجب الضغط على مفتاح المجموع الفرعي قبل الدفع</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SUBTOTAL OBL</source>
        <translation>المجموع الفرعي إلزامي</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sales may name a customer card</source>
        <translation>يمكن ربط عملية البيع ببطاقة عميل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CUSTOMER CARD</source>
        <translation>بطاقة العميل</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the department totals in the reports</source>
        <translation>طباعة مجاميع الأقسام في التقارير</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT DEPART MON</source>
        <translation>طباعة مبالغ الأقسام</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clerks sign on with their password</source>
        <translation>يسجّل البائعون الدخول بكلمة المرور الخاصة بهم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CLERK PWD</source>
        <translation>كلمة مرور البائع</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A clerk must sign on before a sale</source>
        <translation>يجب أن يسجّل البائع الدخول قبل البيع</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OPER.OBL</source>
        <translation>البائع إلزامي</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the tax amount on the receipt</source>
        <translation>طباعة مبلغ الضريبة على الإيصال</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT TAX AMT</source>
        <translation>طباعة مبلغ الضريبة</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The register&apos;s clock follows daylight saving time</source>
        <translation>تتبع ساعة آلة الكاشير التوقيت الصيفي</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DAYLIGHT TIME</source>
        <translation>التوقيت الصيفي</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The register beeps at each key press</source>
        <translation>تُصدر آلة الكاشير صافرة عند كل ضغطة مفتاح</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BUZZER</source>
        <translation>الصافرة</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>العودة إلى أزرار الفئات (Alt+Left؛ يُسأل أولاً عن التغييرات غير المحفوظة)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <location filename="../app/pages/systempage.cpp" line="+106"/>
        <source>The set holds %1, which this box cannot show; it is kept unless you change the box.</source>
        <translation>يحوي ملف الإعدادات %1، وهي قيمة لا يستطيع هذا المربع عرضها؛ تبقى كما هي ما لم تغيّر المربع.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Saved the system parameters to %1</source>
        <translation>تم حفظ معلمات النظام في %1</translation>
    </message>
</context>
<context>
    <name>TableDiff</name>
    <message>
        <location filename="../records/tablediff.cpp" line="+12"/>
        <source>%1: new</source>
        <translation>%1: جديد</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: deleted</source>
        <translation>%1: محذوف</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 changed (not shown)</source>
        <extracomment>A changed password or key, whose values are not shown: its column.</extracomment>
        <translation>تغيّر %1 (غير معروض)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 %2 → %3</source>
        <extracomment>A changed field: its column, the register&apos;s value, the table&apos;s value. The arrow points from the old value to the new one in the reading direction.</extracomment>
        <translation>%1 %2 ← %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unchanged</source>
        <translation>دون تغيير</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 new</source>
        <translation>%1 جديدة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 changed</source>
        <translation>%1 متغيرة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 deleted</source>
        <translation>%1 محذوفة</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <location filename="../storage/csvfile.cpp" line="-237"/>
        <source>the file has more than %1 rows, more than an import takes</source>
        <translation>يحتوي الملف على أكثر من %1 صف، وهذا أكثر مما يقبله الاستيراد</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>no temporary file for the conversion: %1</source>
        <translation>لا يوجد ملف مؤقت للتحويل: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the temporary file could not be written: %1</source>
        <translation>تعذرت كتابة الملف المؤقت: %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>not a file but a device or a pipe</source>
        <translation>ليس ملفًا بل جهاز أو أنبوب</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>the file is in UTF-16: save it as UTF-8 CSV</source>
        <translation>الملف بترميز UTF-16: احفظه بصيغة CSV بترميز UTF-8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file holds zero bytes: it is no text table (a binary or damaged file)</source>
        <translation>يحتوي الملف على بايتات صفرية: ليس جدولًا نصيًا (ملف ثنائي أو تالف)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>the quotation mark that opens a field in line %1 is never closed</source>
        <translation>علامة الاقتباس التي تفتح حقلاً في السطر %1 لا تُغلق أبداً</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>the file has %1 MiB, more than the %2 MiB an import takes</source>
        <translation>حجم الملف %1 MiB، وهذا أكثر من %2 MiB التي يقبلها الاستيراد</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>it has no header line: its first line is imported as a row</source>
        <translation>لا يحتوي على سطر عناوين: يُستورد سطره الأول صفًا</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not UTF-8 and was read as %1</source>
        <translation>ليس بترميز UTF-8 وقد قُرئ بترميز %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cell(s) hold the error of a formula (#N/A and the like), first: %2: imported as that text</source>
        <translation>%1 خلايا تحتوي على خطأ صيغة (#N/A وما شابه)، أولها: %2: تُستورد بهذا النص</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 byte(s) are no UTF-8 letter, first in line %2: they show as %3</source>
        <translation>%1 بايت ليست حروف UTF-8، أولها في السطر %2: تظهر على شكل %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file has %1 columns, the page %2</source>
        <translation>يحتوي الملف على %1 أعمدة، والصفحة على %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its header line names other columns than the page&apos;s (%1): the columns are read by their place</source>
        <translation>سطر العناوين فيه يسمّي أعمدة غير أعمدة الصفحة (%1): تُقرأ الأعمدة حسب موضعها</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 row(s) hold more cells than the header line, first: row %2: check for a comma in a number or name</source>
        <translation>%1 صف (صفوف) فيها خلايا أكثر من سطر العناوين، أولها: الصف %2: تحقّق من وجود فاصلة في رقم أو اسم</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 cell in scientific notation was converted, first: row %1, column %2: check the codes</source>
        <translation>تم تحويل خلية واحدة مكتوبة بالصيغة العلمية، وهي: الصف %1، العمود %2: راجع الرموز</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cells in scientific notation were converted, first: row %2, column %3: check the codes</source>
        <translation>تم تحويل %1 خلايا مكتوبة بالصيغة العلمية، أولها: الصف %2، العمود %3: راجع الرموز</translation>
    </message>
    <message>
        <location filename="../storage/xlsx.cpp" line="+73"/>
        <source>%1 is damaged (%2, line %3)</source>
        <translation>%1 تالف (%2، السطر %3)</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>%1 would unpack to %2 MiB, more than the %3 MiB allowed for one part of a workbook</source>
        <translation>سيُفك ضغط %1 إلى %2 MiB، وهذا أكثر من %3 MiB المسموح بها لجزء واحد من المصنف</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>the file holds no workbook</source>
        <translation>لا يحتوي الملف على مصنف</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the workbook has no worksheet</source>
        <translation>لا يحتوي المصنف على ورقة عمل</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the workbook names no part for its first sheet</source>
        <translation>لا يحدد المصنف جزءًا لورقته الأولى</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the first worksheet unpacks to more than the %1 MiB an import takes (at row %2)</source>
        <translation>يتجاوز حجم ورقة العمل الأولى بعد فكّها %1 MiB التي يقبلها الاستيراد (عند الصف %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the first worksheet has text in row %1, more than the %2 rows an import takes</source>
        <translation>تحتوي ورقة العمل الأولى على نص في الصف %1، وهذا أكثر من %2 صف يقبلها الاستيراد</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>cell %1 holds a formula without its value: open the file in a spreadsheet and save it again</source>
        <translation>الخلية %1 تحوي صيغة بلا قيمتها: افتح الملف في برنامج جداول واحفظه من جديد</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cell %1 names a shared text the file does not hold</source>
        <translation>الخلية %1 تشير إلى نص مشترك غير موجود في الملف</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>the file does not exist</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not an .xlsx workbook (the file is no zip archive, or a damaged one)</source>
        <translation>ليس مصنف xlsx (الملف ليس أرشيف zip، أو أنه تالف)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the first worksheet (%1) is missing</source>
        <translation>ورقة العمل الأولى (%1) مفقودة</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the first worksheet (%1) is damaged</source>
        <translation>ورقة العمل الأولى (%1) تالفة</translation>
    </message>
</context>
<context>
    <name>TcpServer</name>
    <message>
        <location filename="../link/tcpserver.cpp" line="+69"/>
        <source>port %1 is taken by another program</source>
        <translation>المنفذ %1 مستخدم من برنامج آخر</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not an address of this PC</source>
        <translation>%1 ليس عنوانًا لهذا الحاسوب</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the system does not let it use port %1</source>
        <translation>لا يسمح النظام باستخدام المنفذ %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>port %1</source>
        <translation>المنفذ %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+28"/>
        <source>%1, port %2</source>
        <translation>%1، المنفذ %2</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Tallvane cannot listen for registers on %1: %2.</source>
        <translation>لا يستطيع Tallvane انتظار اتصال آلات الكاشير على %1: %2.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 or %2</source>
        <extracomment>&quot;10.0.0.2, 10.0.0.3 or 127.0.0.1&quot;: the addresses registers may dial</extracomment>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>already %1 open ([tcp] maxConnections)</source>
        <translation>يوجد بالفعل %1 اتصالات مفتوحة ([tcp] maxConnections)</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="+18"/>
        <source>warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+38"/>
        <source>Delete from the register</source>
        <translation>الحذف من آلة الكاشير</translation>
    </message>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+89"/>
        <source>No register took the request.</source>
        <translation>لم تستلم أي آلة كاشير الطلب.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Open the %1 page first.</source>
        <translation>افتح صفحة %1 أولاً.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The page&apos;s %1 compared with what each connected register holds as far as Tallvane knows (its last install, verify or download):</source>
        <translation>مقارنة %1 الصفحة بما تحتويه كل آلة كاشير متصلة بحسب ما يعرفه Tallvane (آخر تثبيت أو تحقق أو تنزيل لها):</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Nothing to send: see the log</source>
        <translation>لا يوجد ما يُرسل: راجع سجل النقل</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nothing sent: the changes go with the next send</source>
        <translation>لم يُرسل شيء: تُرسل التغييرات في المرة القادمة</translation>
    </message>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="-26"/>
        <source>Install sends all the page&apos;s %1 to %2 again; PLUs not on the page stay on the register. PLU totals kept by the register may be lost.</source>
        <translation>يرسل التثبيت جميع %1 في الصفحة إلى %2 من جديد؛ تبقى في آلة التسجيل الأصناف غير الموجودة في الصفحة. قد تضيع مجاميع الأصناف التي تحتفظ بها آلة التسجيل.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Install replaces the whole %1 table of %2 with the page&apos;s %3.</source>
        <translation>يستبدل التثبيت جدول %1 بالكامل في %2 بـ %3 من الصفحة.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Send only the changes instead?</source>
        <translation>هل تريد إرسال التغييرات فقط بدلاً من ذلك؟</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Install</source>
        <extracomment>Title of the question before a whole table is sent to the register(s).</extracomment>
        <translation>تثبيت</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send changes</source>
        <translation>إرسال التغييرات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install all</source>
        <translation>تثبيت الكل</translation>
    </message>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+89"/>
        <source>Select the PLUs to send first.</source>
        <translation>حدد أصناف PLU المراد إرسالها أولاً.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Only the administrator may erase a register&apos;s tables.</source>
        <translation>لا يحق مسح جداول آلة الكاشير إلا للمدير.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cancelling: the registers stop after the current frame ...</source>
        <translation>جارٍ الإلغاء: تتوقف آلات الكاشير بعد الإطار الحالي ...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A transfer with the registers is still running. Stop it after the current frame and close?</source>
        <translation>لا يزال النقل مع آلات الكاشير جارياً. هل تريد إيقافه بعد الإطار الحالي والإغلاق؟</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop and close</source>
        <translation>إيقاف وإغلاق</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep running</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The page shows the table of %1; %2 sent another: download from one register to see its own.</source>
        <translation>تعرض الصفحة جدول %1؛ أرسل %2 جدولاً آخر: نزّل من آلة تسجيل واحدة لترى جدولها.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Not sent to %1: no baseline yet (download from it, or install the whole table).</source>
        <translation>لم يُرسل إلى %1: لا توجد نسخة مرجعية بعد (نزّل منه، أو ثبّت الجدول كاملاً).</translation>
    </message>
</context>
<context>
    <name>TransferMonitor</name>
    <message>
        <location filename="../app/transfer/transfermonitor.cpp" line="+55"/>
        <source>%v rows received</source>
        <extracomment>Progress bar of a download: %v is the number of rows received so far.</extracomment>
        <translation>تم استلام %v صف</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%v / %m rows</source>
        <extracomment>Progress bar of a send: %v rows acknowledged of %m.</extracomment>
        <translation>%v / %m صف</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>%1 registers: all ended well; each is in the log</source>
        <translation>%1 آلات كاشير: انتهت جميعها بنجاح؛ نتيجة كل منها في سجل النقل</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 registers: %2 ended well, %3 did not; each is in the log</source>
        <translation>%1 آلات كاشير: %2 انتهت بنجاح، و%3 لم تنتهِ بنجاح؛ نتيجة كل منها في سجل النقل</translation>
    </message>
</context>
<context>
    <name>TransferOutcome</name>
    <message>
        <location filename="../link/outcome.cpp" line="-169"/>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../link/transfer.cpp" line="-245"/>
        <source>the system parameters</source>
        <translation>معاملات النظام</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 rows</source>
        <translation>%1 صفوف</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> after %1</source>
        <translation> بعد %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>, the first of %1 rows</source>
        <translation>، أول صف من %1 صفوف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> after %1 of %2 rows</source>
        <translation> بعد %1 من %2 صفوف</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 added</source>
        <translation>تمت إضافة %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 updated</source>
        <translation>تم تحديث %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 deleted</source>
        <translation>تم حذف %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 installed</source>
        <translation>تم تثبيت %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 cannot be read over this link: %2 came and were dropped</source>
        <translation>لا يمكن قراءة %1 عبر هذا الاتصال: وصل %2 وأُهمل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the register holds no %1</source>
        <translation>لا توجد %1 في آلة الكاشير</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 downloaded</source>
        <translation>تم تنزيل %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every table erased</source>
        <translation>تم مسح كل الجداول</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nothing sent: the page holds no %1</source>
        <translation>لم يُرسل شيء: لا توجد %1 في الصفحة</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 changed: %2</source>
        <translation>تغيّرت %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and verified</source>
        <translation>%1 وتم التحقق</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; the register answered late and rows were sent again: download from it to see what it holds</source>
        <translation>؛ تأخر رد آلة الكاشير فأُعيد إرسال صفوف: نزّل منها لترى ما تحتفظ به</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>; the register answered more often than it was asked: download from it to see what it holds</source>
        <translation>؛ أجابت آلة التسجيل أكثر مما سُئلت: نزّل منها لترى ما تحتفظ به</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the register refused the request (code %1)</source>
        <translation>رفضت آلة الكاشير الطلب (الرمز %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the register refused %1 (code %2)%3</source>
        <translation>رفضت آلة الكاشير %1 (الرمز %2)%3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no answer from the register%1 (%2)</source>
        <translation>لا رد من آلة الكاشير%1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no answer from the register to %1%2 (%3 attempt, %4)</source>
        <translation>لا رد من آلة الكاشير على %1%2 (%3 محاولة، %4)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer from the register to %1%2 (%3 attempts, %4)</source>
        <translation>لا رد من آلة الكاشير على %1%2 (%3 محاولات، %4)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the register sent a bad frame (%1)%2</source>
        <translation>أرسلت آلة الكاشير إطارًا تالفًا (%1)%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cancelled by the operator after %1; the rows received were discarded</source>
        <translation>ألغاه المشغّل بعد %1؛ تم تجاهل الصفوف المستلمة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancelled by the operator after %1 of %2 rows; the register keeps what it received (%3, perhaps with the row on its way)</source>
        <translation>ألغاه المشغّل بعد %1 من %2 صفوف؛ تحتفظ آلة الكاشير بما استلمته (%3، وربما الصف الذي كان في الطريق)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cancelled by the operator after %1 of %2 rows; the register keeps what it received (%3)</source>
        <translation>ألغاه المشغّل بعد %1 من %2 صفوف؛ تحتفظ آلة الكاشير بما استلمته (%3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the link ended%1; the register keeps what it received</source>
        <translation>انقطع الاتصال%1؛ تحتفظ آلة الكاشير بما استلمته</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the link ended%1</source>
        <translation>انقطع الاتصال%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; what the register now holds could not be noted in the set: download from it before comparing</source>
        <translation>؛ تعذّر تسجيل ما تحتفظ به آلة الكاشير الآن في ملف الإعدادات: نزّل منها قبل المقارنة</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+41"/>
        <source>%1 more</source>
        <translation>%1 أخرى</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>the register(s)</source>
        <translation>آلة (آلات) الكاشير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the connected register (%1)</source>
        <translation>آلة الكاشير المتصلة (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the %1 connected registers (%2)</source>
        <translation>آلات الكاشير المتصلة وعددها %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Erase every table of %1? This cannot be undone.</source>
        <translation>هل تريد مسح كل جداول %1؟ لا يمكن التراجع عن ذلك.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 connected registers</source>
        <translation>%1 آلات كاشير متصلة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete %1 from %2?</source>
        <translation>هل تريد حذف %1 من %2؟</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 (%2)</source>
        <extracomment>%1 &quot;2 PLUs&quot;, %2 their codes and names</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../link/transfer.cpp" line="+38"/>
        <source>the verify was cancelled by the operator</source>
        <translation>ألغى المشغّل التحقق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the link ended before the table came back</source>
        <translation>انتهى الاتصال قبل أن يعود الجدول</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>the clear command</source>
        <translation>أمر المسح</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>logo part %1 of %2</source>
        <translation>جزء الشعار %1 من %2</translation>
    </message>
    <message>
        <location filename="../link/changes.cpp" line="-39"/>
        <source>Delete from %1 connected registers: %2?</source>
        <extracomment>%1 how many registers, %2 for each register what it loses (&quot;127.0.0.1: 1 PLU (1001 TEA)&quot;)</extracomment>
        <translation>هل تريد الحذف من %1 آلات كاشير متصلة: %2؟</translation>
    </message>
</context>
<context>
    <name>TransferQuestions</name>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="+13"/>
        <source>Send the other changes without deleting them, or nothing at all (Cancel).</source>
        <translation>أرسل التغييرات الأخرى دون حذفها، أو لا شيء على الإطلاق (إلغاء).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete and send</source>
        <extracomment>Buttons: delete those PLUs and send the other changes; send the other changes only</extracomment>
        <translation>حذف وإرسال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send without deleting</source>
        <translation>إرسال دون حذف</translation>
    </message>
</context>
<context>
    <name>VerifyReport</name>
    <message>
        <location filename="../records/verify.cpp" line="+37"/>
        <source>1 row</source>
        <translation>صف واحد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation>%1 صفوف</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>not on the register</source>
        <translation>غير موجود في آلة الكاشير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>still on the register</source>
        <translation>لا يزال في آلة الكاشير</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 sent %2, the register holds %3</source>
        <translation>%1: أُرسل %2، وتحتوي آلة الكاشير على %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>not verified: %1</source>
        <translation>لم يتم التحقق: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>verified: %1 gone</source>
        <translation>تم التحقق: حُذف %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>verified: %1 identical</source>
        <translation>تم التحقق: %1 بلا اختلاف</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; the register holds %1 more</source>
        <translation>؛ تحتوي آلة الكاشير على %1 إضافية</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>verify: %1 of %2 still on the register</source>
        <translation>التحقق: %1 من %2 لا يزال في آلة الكاشير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify: %1 of %2 differs</source>
        <translation>التحقق: %1 من %2 مختلف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify: %1 of %2 differ</source>
        <translation>التحقق: %1 من %2 مختلفة</translation>
    </message>
    <message>
        <location filename="../link/transfer.cpp" line="-53"/>
        <source>a frame of the table failed its check (BCC ERR)</source>
        <translation>فشل فحص أحد إطارات الجدول (خطأ المجموع الاختباري)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the table did not come back (RCV ERR)</source>
        <translation>لم يُستلم الجدول (خطأ استلام)</translation>
    </message>
</context>
<context>
    <name>adminmodDialog</name>
    <message>
        <location filename="../app/dialogs/adminmoddialog.ui" line="+16"/>
        <source>UserName:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+17"/>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+71"/>
        <source>The same password again</source>
        <translation>كلمة المرور نفسها مرة أخرى</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>New Name:</source>
        <translation>الاسم الجديد:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Old Pwd:</source>
        <translation>كلمة المرور القديمة:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+17"/>
        <source>New Pwd:</source>
        <translation>كلمة المرور الجديدة:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <location filename="../app/dialogs/adminmoddialog.cpp" line="+40"/>
        <source>Warning!</source>
        <translation>تحذير!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>user name set err!</source>
        <translation>خطأ في تعيين اسم المستخدم!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+31"/>
        <source>new password set err!</source>
        <translation>خطأ في تعيين كلمة المرور الجديدة!</translation>
    </message>
    <message>
        <location line="-27"/>
        <location line="+33"/>
        <source>user is exist!</source>
        <translation>المستخدم موجود بالفعل!</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>new name set err!</source>
        <translation>خطأ في تعيين الاسم الجديد!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>old password err!</source>
        <translation>كلمة المرور القديمة خاطئة!</translation>
    </message>
</context>
<context>
    <name>db_create</name>
    <message>
        <location filename="../app/dialogs/db_create.ui" line="+9"/>
        <source>Dialog</source>
        <translation>ملف إعدادات جديد</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>INPUT DB NAME:</source>
        <translation>أدخل اسم ملف الإعدادات:</translation>
    </message>
</context>
<context>
    <name>loginDialog</name>
    <message>
        <location filename="../app/dialogs/logindialog.ui" line="+9"/>
        <source>User Login</source>
        <translation>تسجيل دخول المستخدم</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choice language:</source>
        <translation>اختر اللغة:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Username:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Login</source>
        <translation>دخول</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <location filename="../app/dialogs/logindialog.cpp" line="-52"/>
        <source>First start: log in as admin with the password 604218, then change that password in user management (the %1 button).</source>
        <translation>التشغيل الأول: سجّل الدخول باسم admin بكلمة المرور 604218، ثم غيّر كلمة المرور هذه في إدارة المستخدمين (الزر %1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The user database cannot be read: %1.
%2
Nobody can log in until it is restored or moved aside. It has not been changed.</source>
        <translation>تعذرت قراءة قاعدة بيانات المستخدمين: %1.
%2
لا يمكن لأحد تسجيل الدخول حتى تتم استعادتها أو نقلها جانبًا. لم يتم تغييرها.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>username is not exist!</source>
        <translation>اسم المستخدم غير موجود!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>password err!</source>
        <translation>كلمة المرور خاطئة!</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+21"/>
        <source>Warning!</source>
        <translation>تحذير!</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>The administrator admin still has the first password, which every new installation shows on its login screen. Change it in user management (the %1 button).</source>
        <translation>لا يزال لدى المسؤول admin كلمة المرور الأولى التي تعرضها شاشة تسجيل الدخول في كل تثبيت جديد. غيّرها في إدارة المستخدمين (الزر %1).</translation>
    </message>
</context>
<context>
    <name>rs232thread</name>
    <message>
        <location filename="../link/serialserver.cpp" line="+52"/>
        <source>the port did not open in time</source>
        <translation>لم يُفتح المنفذ في الوقت المحدد</translation>
    </message>
</context>
<context>
    <name>usrdb</name>
    <message>
        <location filename="../users/usrdb.cpp" line="+130"/>
        <source>can not open usr_db database</source>
        <translation>تعذر فتح قاعدة بيانات المستخدمين usr_db</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to establish a usr_db database connection.</source>
        <translation>تعذر إنشاء اتصال بقاعدة بيانات المستخدمين usr_db.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>no such table: %1</source>
        <translation>الجدول غير موجود: %1</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>the user is no longer there</source>
        <translation>المستخدم لم يعد موجودًا</translation>
    </message>
</context>
<context>
    <name>usrdialog</name>
    <message>
        <location filename="../app/dialogs/usrdialog.ui" line="+9"/>
        <source>User Management</source>
        <translation>إدارة المستخدمين</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>UserList</source>
        <translation>قائمة المستخدمين</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>AdminEdit</source>
        <translation>تعديل المدير</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Admin:</source>
        <translation>المدير:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+53"/>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+159"/>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>UserInfo</source>
        <translation>معلومات المستخدم</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UserName:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>UserPermissions</source>
        <translation>صلاحيات المستخدم</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TRAILER</source>
        <translation>تذييل الإيصال</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DISCOUNT</source>
        <translation>التخفيضات</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>TAX</source>
        <translation>الضرائب</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GRAPHIC</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GROUP</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PLU</source>
        <translation>الأصناف</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HEADER</source>
        <translation>رأس الإيصال</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CLERK</source>
        <translation>البائعون</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DEPARTMENT</source>
        <translation>الأقسام</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NET</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>SYSTEM</source>
        <translation>النظام</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>UserEdit</source>
        <translation>تعديل المستخدمين</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../app/dialogs/usrdialog.cpp" line="+209"/>
        <source>Add User</source>
        <translation>إضافة مستخدم</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete User</source>
        <translation>حذف مستخدم</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SetPerm</source>
        <translation>تعيين الصلاحيات</translation>
    </message>
    <message>
        <location filename="../app/dialogs/usrdialog.cpp" line="-157"/>
        <source>Modify changes nothing: tick the boxes and press SetPerm</source>
        <translation>لا يغيّر &quot;تعديل&quot; شيئًا: حدّد المربعات واضغط &quot;تعيين الصلاحيات&quot;</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>There is no user to choose: Add User first</source>
        <translation>لا يوجد مستخدم لاختياره: أضف مستخدماً أولاً</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 no longer exists: the list is read again</source>
        <translation>المستخدم %1 لم يعد موجودًا: تُقرأ القائمة من جديد</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Choose a user in the list first</source>
        <translation>اختر مستخدماً من القائمة أولاً</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Permissions of %1 saved: %2</source>
        <translation>تم حفظ صلاحيات %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Permissions of %1 not saved: %2</source>
        <extracomment>%2 why (the database&apos;s reason)</extracomment>
        <translation>لم تُحفظ صلاحيات %1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>delete user</source>
        <extracomment>Title of the question before a user is deleted</extracomment>
        <translation>حذف مستخدم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete the user %1? %1 can no longer log in, and this cannot be undone.</source>
        <translation>هل تريد حذف المستخدم %1؟ لن يتمكن %1 من تسجيل الدخول بعد الآن، ولا يمكن التراجع عن ذلك.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kept</source>
        <translation>تم الإبقاء على %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 not deleted: %2</source>
        <translation>لم يُحذف %1: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The user was not added: %1</source>
        <extracomment>%1 why (the database&apos;s reason)</extracomment>
        <translation>لم تتم إضافة المستخدم: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Name and password of the administrator not saved: %1</source>
        <extracomment>%1 why (the database&apos;s reason)</extracomment>
        <translation>لم يُحفظ اسم المدير وكلمة مروره: %1</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>%1 deleted</source>
        <extracomment>%2 why (the database&apos;s reason)</extracomment>
        <translation>تم حذف %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 added with every permission: untick and SetPerm to restrict</source>
        <translation>تمت إضافة %1 بكل الصلاحيات: ألغِ تحديد المربعات واضغط &quot;تعيين الصلاحيات&quot; لتقييدها</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Mod Admin</source>
        <translation>تعديل المدير</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name and password of the administrator saved: %1</source>
        <translation>تم حفظ اسم المدير وكلمة مروره: %1</translation>
    </message>
</context>
</TS>
