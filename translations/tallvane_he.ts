<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../app/help/aboutdialog.ui" line="+6"/>
        <source>About Tallvane</source>
        <translation>אודות Tallvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Programs electronic cash registers from a PC.</source>
        <translation>תכנות קופות רושמות אלקטרוניות מהמחשב.</translation>
    </message>
    <message>
        <location filename="../app/help/aboutdialog.cpp" line="+17"/>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
        <translation>תוכנה חופשית לפי הרישיון הציבורי הכללי של GNU, גרסה 3 או מאוחרת יותר (⁦GPL-⁠3.0-⁠or-⁠later⁩), ללא כל אחריות.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Data folder: %1</source>
        <translation>תיקיית נתונים: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (נבנה עם %2)</translation>
    </message>
</context>
<context>
    <name>ButtonCaption</name>
    <message>
        <location filename="../app/buttonpictures.cpp" line="+30"/>
        <source>GROUP</source>
        <translation>קבוצות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEPT</source>
        <translation>מחלקות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>פריטים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX</source>
        <translation>מע&quot;מ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DISC</source>
        <translation>הנחות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLERK</source>
        <translation>קופאים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HEADER</source>
        <translation>כותרת עליונה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRAILER</source>
        <translation>כותרת תחתונה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOGO</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NETWORK</source>
        <translation>רשת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SYSTEM</source>
        <translation>מערכת</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/dialogs/logindialog.cpp" line="+98"/>
        <location line="+50"/>
        <source>USERS</source>
        <translation>משתמשים</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Install</source>
        <extracomment>Sends the page&apos;s table to the register(s)</extracomment>
        <translation>העלאה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download</source>
        <extracomment>Reads the page&apos;s table from the register</extracomment>
        <translation>הורדה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export</source>
        <extracomment>Writes the page to a CSV file (not File &gt; Save, which stores the page in the set)</extracomment>
        <translation>ייצוא</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add</source>
        <extracomment>Adds the selected PLUs to the register(s)</extracomment>
        <translation>הוספה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update</source>
        <extracomment>Updates the selected PLUs on the register(s)</extracomment>
        <translation>עדכון</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <extracomment>Deletes the selected PLUs from the register(s)</extracomment>
        <translation>מחיקה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>Back to the category buttons</extracomment>
        <translation>חזרה</translation>
    </message>
</context>
<context>
    <name>ButtonPage</name>
    <message>
        <location filename="../app/pages/buttonpage.ui" line="+36"/>
        <location line="+3"/>
        <source>Group</source>
        <translation>קבוצה</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Dept</source>
        <translation>מחלקה</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Plu</source>
        <translation>פריט</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Tax</source>
        <translation>מע&quot;מ</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Disc</source>
        <translation>הנחה</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Clerk</source>
        <translation>קופאי</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Header</source>
        <translation>כותרת עליונה</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Trailer</source>
        <translation>כותרת תחתונה</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Logo: the picture printed at the top of the receipt</source>
        <translation>לוגו: התמונה המודפסת בראש הקבלה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>graphic</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Network: the register&apos;s network parameters</source>
        <translation>רשת: פרמטרי הרשת של הקופה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NetParm</source>
        <translation>רשת</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>System: the register&apos;s system parameters</source>
        <translation>מערכת: פרמטרי המערכת של הקופה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SysParm</source>
        <translation>מערכת</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Users: operators and their permissions</source>
        <translation>משתמשים: המפעילים וההרשאות שלהם</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>admin</source>
        <translation>ניהול</translation>
    </message>
    <message>
        <location filename="../app/pages/buttonpage.cpp" line="+87"/>
        <source>Locked: opening %1 needs the %2 permission. An administrator grants it in user management.</source>
        <translation>נעול: פתיחת %1 דורשת את ההרשאה %2. מנהל מעניק אותה בניהול משתמשים.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Locked: only the administrator manages users.</source>
        <translation>נעול: רק המנהל מנהל משתמשים.</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <location filename="../records/categories.cpp" line="+23"/>
        <source>department</source>
        <translation>מחלקה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>departments</source>
        <translation>מחלקות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>פריט</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLUs</source>
        <translation>פריטים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tax</source>
        <translation>מע&quot;מ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taxes</source>
        <translation>שיעורי מע&quot;מ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discount</source>
        <translation>הנחה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discounts</source>
        <translation>הנחות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group</source>
        <translation>קבוצה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>groups</source>
        <translation>קבוצות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clerk</source>
        <translation>קופאי</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clerks</source>
        <translation>קופאים</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>header line</source>
        <translation>שורת כותרת עליונה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>header lines</source>
        <translation>שורות כותרת עליונה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>extended header line</source>
        <translation>שורת כותרת מורחבת</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>extended header lines</source>
        <translation>שורות כותרת מורחבת</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>trailer line</source>
        <translation>שורת כותרת תחתונה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>trailer lines</source>
        <translation>שורות כותרת תחתונה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>network parameter record</source>
        <translation>רשומת פרמטרי רשת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>network parameter records</source>
        <translation>רשומות פרמטרי רשת</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>system parameter record</source>
        <translation>רשומת פרמטרי מערכת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>system parameter records</source>
        <translation>רשומות פרמטרי מערכת</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 row</source>
        <translation>שורה אחת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation>%1 שורות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rows</source>
        <translation>שורות</translation>
    </message>
    <message>
        <location filename="../link/outcome.cpp" line="+190"/>
        <source>row</source>
        <translation>שורה</translation>
    </message>
</context>
<context>
    <name>CategoryPage</name>
    <message>
        <location filename="../app/pages/categorypages.cpp" line="+11"/>
        <source>Group</source>
        <translation>קבוצה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groups</source>
        <translation>קבוצות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dept</source>
        <translation>מחלקה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Departments</source>
        <translation>מחלקות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plu</source>
        <translation>פריט</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>פריטים (PLU)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tax</source>
        <translation>מע&quot;מ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taxes</source>
        <translation>שיעורי מע&quot;מ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc</source>
        <translation>הנחה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discounts</source>
        <translation>הנחות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clerk</source>
        <translation>קופאי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clerks</source>
        <translation>קופאים</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Header</source>
        <translation>כותרת עליונה</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Trailer</source>
        <translation>כותרת תחתונה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>graphic</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logo</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NetParm</source>
        <translation>רשת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network</source>
        <translation>רשת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SysParm</source>
        <translation>מערכת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System</source>
        <translation>מערכת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXTHeader</source>
        <translation>כותרת מורחבת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extended header</source>
        <translation>כותרת מורחבת</translation>
    </message>
</context>
<context>
    <name>CellMarks</name>
    <message>
        <location filename="../app/grid/cellmarks.cpp" line="+52"/>
        <source>1 cell</source>
        <translation>תא אחד</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells</source>
        <translation>%1 תאים</translation>
    </message>
    <message>
        <location line="+345"/>
        <source>%1 will not reach the register as shown:</source>
        <translation>תאים שלא יגיעו לקופה כפי שהם מוצגים (%1):</translation>
    </message>
    <message>
        <location line="-334"/>
        <source>row %1, %2: %3</source>
        <translation>שורה %1, %2: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>... and %1 more</source>
        <translation>... ועוד %1</translation>
    </message>
    <message>
        <location line="+332"/>
        <source>Send anyway?</source>
        <translation>לשלוח בכל זאת?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>warning</source>
        <translation>אזהרה</translation>
    </message>
</context>
<context>
    <name>ColumnTips</name>
    <message>
        <location filename="../app/grid/columntips.cpp" line="+17"/>
        <source>in %1 a letter beyond ASCII takes two or more bytes</source>
        <translation>ב-%1 אות מחוץ ל-ASCII תופסת שני בתים או יותר</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 one byte a letter</source>
        <translation>ב-%1 בית אחד לכל אות</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: numbered by the register; not sent</source>
        <translation>%1: ממוספר על ידי הקופה; לא נשלח</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: up to %2 bytes; %3</source>
        <translation>%1: עד %2 בתים; %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: an amount of up to %2 digits, %3 of them after the point</source>
        <translation>%1: סכום של עד %2 ספרות, %3 מהן אחרי הנקודה</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: a number of up to %2 digits</source>
        <translation>%1: מספר של עד %2 ספרות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: a whole number from %2 to %3</source>
        <translation>%1: מספר שלם מ-%2 עד %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: eight options as digits 1 (on) and 0 (off), the right-most the first</source>
        <translation>%1: שמונה אפשרויות כספרות 1 (מופעל) ו-0 (כבוי), הימנית ביותר היא הראשונה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: eight options as digits 1 (on) and 0 (off), the right-most the first; double-click the cell, or right-click it, to choose them</source>
        <translation>%1: שמונה אפשרויות כספרות 1 (מופעל) ו-0 (כבוי), הימנית ביותר היא הראשונה; לחיצה כפולה או לחיצה ימנית על התא לבחירתן</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: some of the digits %2 to %3, in any order</source>
        <translation>%1: חלק מהספרות %2 עד %3, בכל סדר</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: an IPv4 address, four numbers from 0 to 255 joined by dots</source>
        <translation>%1: כתובת IPv4, ארבעה מספרים מ-0 עד 255 מופרדים בנקודות</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: 64 hexadecimal digits, or empty</source>
        <translation>%1: 64 ספרות הקסדצימליות, או ריק</translation>
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
        <translation>מס&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/dept.cpp" line="+1"/>
        <location filename="../records/disc.cpp" line="+1"/>
        <location filename="../records/group.cpp" line="+1"/>
        <location filename="../records/plu.cpp" line="+67"/>
        <location filename="../records/tax.cpp" line="+1"/>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passwd</source>
        <translation>סיסמה</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/dept.cpp" line="+3"/>
        <location filename="../records/disc.cpp" line="+5"/>
        <location filename="../records/tax.cpp" line="+2"/>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <location filename="../records/dept.cpp" line="-2"/>
        <source>Group</source>
        <translation>קבוצה</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/disc.cpp" line="-1"/>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../records/disc.cpp" line="-1"/>
        <source>Tax</source>
        <translation>מע&quot;מ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/plu.cpp" line="+2"/>
        <source>Price</source>
        <translation>מחיר</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PriceMax</source>
        <translation>מחיר מרבי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kp</source>
        <translation>מדפסת מטבח</translation>
    </message>
    <message>
        <location filename="../records/disc.cpp" line="-2"/>
        <source>Fixed</source>
        <translation>ערך קבוע</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/group.cpp" line="+1"/>
        <source>Max</source>
        <translation>מקסימום</translation>
    </message>
    <message>
        <location filename="../records/lines.cpp" line="-26"/>
        <source>Header</source>
        <translation>כותרת עליונה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EXTHeader</source>
        <translation>כותרת מורחבת</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trailer</source>
        <translation>כותרת תחתונה</translation>
    </message>
    <message>
        <location filename="../records/netparm.cpp" line="+1"/>
        <source>Option</source>
        <translation>אפשרות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPAddress</source>
        <translation>כתובת IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ClientPort</source>
        <translation>פורט לקוח</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerIP</source>
        <translation>IP שרת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerPort</source>
        <translation>פורט שרת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GateWay</source>
        <translation>שער</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPMask</source>
        <translation>מסכת IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PrimaryDNS</source>
        <translation>DNS ראשי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SecondDNS</source>
        <translation>DNS משני</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerURL</source>
        <translation>URL שרת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UserName</source>
        <translation>שם משתמש</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password</source>
        <translation>סיסמה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PersonalCode</source>
        <translation>קוד אישי</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SecurityCode</source>
        <translation>קוד אבטחה</translation>
    </message>
    <message>
        <location filename="../records/plu.cpp" line="-3"/>
        <source>Random</source>
        <translation>קוד פריט</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dept</source>
        <translation>מחלקה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stock+</source>
        <translation>מלאי+</translation>
    </message>
    <message>
        <location filename="../records/tax.cpp" line="-1"/>
        <source>Rate</source>
        <translation>שיעור</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <location filename="../app/dialogs/comparedialog.ui" line="+9"/>
        <source>Compare with register</source>
        <translation>השוואה מול הקופה</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Differences per register</source>
        <translation>הבדלים לפי קופה</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Difference</source>
        <translation>הבדל</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Download and compare</source>
        <translation>הורדה והשוואה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Read the table from each register now and compare it with the page</source>
        <translation>קריאת הטבלה מכל קופה עכשיו והשוואתה לדף</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Send changes</source>
        <translation>שליחת שינויים</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Send each register only what differs from what it holds</source>
        <translation>שליחה לכל קופה רק של מה ששונה ממה שיש בה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <location filename="../app/dialogs/comparedialog.cpp" line="+47"/>
        <source>... and %1 more</source>
        <translation>... ועוד %1</translation>
    </message>
</context>
<context>
    <name>ConfigDb</name>
    <message>
        <location filename="../storage/configdb.cpp" line="+76"/>
        <location line="+521"/>
        <location line="+17"/>
        <source>Warnning!</source>
        <translation>אזהרה!</translation>
    </message>
    <message>
        <location line="-537"/>
        <location line="+245"/>
        <source>database is not connect.</source>
        <translation>אין חיבור למסד הנתונים.</translation>
    </message>
    <message>
        <location line="-240"/>
        <source>can not open database</source>
        <translation>לא ניתן לפתוח את מסד הנתונים</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+254"/>
        <source>Unable to establish a database connection.</source>
        <translation>לא ניתן ליצור חיבור למסד הנתונים.</translation>
    </message>
    <message>
        <location line="-222"/>
        <location filename="../storage/setcopy.cpp" line="+38"/>
        <source>no such file</source>
        <translation>הקובץ לא קיים</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../storage/setcopy.cpp" line="+24"/>
        <source>no such set on the server</source>
        <translation>אין ערכה כזו בשרת</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>the version of %1 could not be read</source>
        <translation>לא ניתן היה לקרוא את הגרסה של %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>its columns itemData and itemOrder are of types %1 and %2, not bytea and integer</source>
        <translation>העמודות itemData ו-itemOrder שלה מסוג %1 ו-%2, לא bytea ו-integer</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>%1 cannot be opened: %2.</source>
        <translation>לא ניתן לפתוח את %1: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cannot be read: %2. Nothing was changed, and nothing will be saved into it.</source>
        <translation>לא ניתן לקרוא את %1: %2. דבר לא שונה, ודבר לא יישמר בו.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no such table: %1</source>
        <translation>הטבלה לא קיימת: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2. Nothing was changed; those categories show empty and are not saved.</source>
        <translation>%1: %2. דבר לא שונה; הקטגוריות האלה מוצגות ריקות ואינן נשמרות.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is read-only: saves are refused.</source>
        <translation>%1 לקריאה בלבד: לא ניתן לשמור.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> It is read-only: saves are refused.</source>
        <translation> הוא לקריאה בלבד: לא ניתן לשמור.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds %2 register texts (%3); the window shows %4</source>
        <translation>%1 מכיל טקסטי קופה בשפה %2 (%3); החלון מוצג בשפה %4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds %2 register texts (%3); the tool&apos;s --language is %4</source>
        <translation>%1 מכיל טקסטי קופה בשפה %2 (%3); שפת הכלי (--language) היא %4</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+17"/>
        <source>%1 is exist.</source>
        <translation>⁦%1⁩ כבר קיים.</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>%1 was saved into %2 by %3 at %4, after this program loaded it</source>
        <translation>%1 נשמרה ב-%2 על ידי %3 ב-%4, אחרי שתוכנה זו טענה אותה</translation>
    </message>
    <message>
        <location filename="../storage/setcopy.cpp" line="-19"/>
        <source>not a file but a device, a pipe or a folder</source>
        <translation>אינו קובץ אלא התקן, צינור או תיקייה</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>it holds no configuration set</source>
        <translation>אין בו ערכה</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it lacks the table(s) %1</source>
        <translation>חסרות בו הטבלאות %1</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>the language of its register texts could not be recorded</source>
        <translation>לא ניתן היה לרשום את שפת טקסטי הקופה שלו</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <location filename="../app/transfer/connectionpanel.ui" line="+35"/>
        <source>Connection:</source>
        <translation>חיבור:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Connection</source>
        <translation>חיבור</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Look for serial ports again</source>
        <translation>חיפוש חוזר של יציאות טוריות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>refresh</source>
        <translation>רענון</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>ComNum</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate</source>
        <translation>קצב (Baud)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Parity</source>
        <translation>זוגיות</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>EVENT</source>
        <translation>זוגי</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data bits</source>
        <translation>סיביות נתונים</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Stop bits</source>
        <translation>סיביות עצירה</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Flow control</source>
        <translation>בקרת זרימה</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>OFF</source>
        <translation>כבוי</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ON</source>
        <translation>מופעל</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <location line="+3"/>
        <location filename="../app/transfer/connectionpanel.cpp" line="+44"/>
        <location line="+277"/>
        <source>Open Serial</source>
        <translation>פתיחת יציאה טורית</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Connected registers</source>
        <translation>קופות מחוברות</translation>
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
        <translation>יומן העברה:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Progress log</source>
        <translation>יומן התקדמות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What each register took or sent, and how each transfer ended</source>
        <translation>מה כל קופה קיבלה או שלחה, ואיך הסתיימה כל העברה</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Errors:</source>
        <translation>שגיאות:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error log</source>
        <translation>יומן שגיאות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Refusals, time-outs and bad frames, with the row they came at</source>
        <translation>סירובים, חריגות זמן ומסגרות פגומות, עם השורה שבה אירעו</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.cpp" line="+22"/>
        <source>Transfer progress</source>
        <translation>התקדמות ההעברה</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.ui" line="+12"/>
        <source>After an install, read the table back from the register and compare it with what was sent</source>
        <translation>אחרי העלאה, לקרוא את הטבלה חזרה מהקופה ולהשוות אותה למה שנשלח</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after install</source>
        <translation>אימות אחרי העלאה</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Compare</source>
        <translation>השוואה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send changes</source>
        <translation>שליחת שינויים</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <translation>העלאה: שליחת הטבלה של הדף הזה לקופה או לקופות (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install</source>
        <translation>העלאה</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>download: read this page&apos;s table from the register (Ctrl+D)</source>
        <translation>הורדה: קריאת הטבלה של הדף הזה מהקופה (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>download</source>
        <translation>הורדה</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Stop the transfer after the current frame (Esc)</source>
        <translation>עצירת ההעברה אחרי המסגרת הנוכחית (Esc)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Stop the transfer after the current frame</source>
        <translation>עצירת ההעברה אחרי המסגרת הנוכחית</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.cpp" line="-62"/>
        <source>%1 The address and port are set under [tcp] in tallvane.ini.</source>
        <translation>%1 הכתובת והפורט מוגדרים תחת [tcp] בקובץ tallvane.ini.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Name</source>
        <extracomment>Column of the connected registers: the name the operator gives a register.</extracomment>
        <translation>שם</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not named: a register&apos;s name is kept in the open set; open a set first</source>
        <translation>לא נקבע שם: שם הקופה נשמר בערכת ההגדרות הפתוחה; יש לפתוח קודם ערכת הגדרות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not named: %1 cannot keep the register&apos;s name</source>
        <translation>לא נקבע שם: %1 אינה יכולה לשמור את שם הקופה</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Serial</source>
        <extracomment>Connection type: a register on the RS-232 port.</extracomment>
        <translation>טורי</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tcp</source>
        <extracomment>Connection type: registers that connect over the network.</extracomment>
        <translation>TCP</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open the serial port first.</source>
        <translation>יש לפתוח קודם את היציאה הטורית.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose Serial or Tcp first.</source>
        <translation>יש לבחור קודם טורי או TCP.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No register is connected. Registers must connect to %1.</source>
        <translation>אין קופה מחוברת. הקופות צריכות להתחבר אל %1.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Registers connect to %1</source>
        <translation>הקופות מתחברות אל %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Tcp: connection from %1 refused: %2</source>
        <translation>TCP: החיבור מ-%1 נדחה: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no port found</source>
        <translation>לא נמצאה יציאה</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+17"/>
        <source>can not open serial</source>
        <translation>לא ניתן לפתוח את היציאה הטורית</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>no select serial port.</source>
        <translation>לא נבחרה יציאה טורית.</translation>
    </message>
    <message>
        <location line="-289"/>
        <location line="+296"/>
        <source>Close Serial</source>
        <translation>סגירת יציאה טורית</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 could not be opened: %2</source>
        <translation>לא ניתן היה לפתוח את %1: %2</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../storage/csvfile.cpp" line="+360"/>
        <source>it is a database, not a table file: nothing was written</source>
        <translation>זהו מסד נתונים ולא קובץ טבלה: לא נכתב דבר</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>not every byte could be written (is the disk full?)</source>
        <extracomment>Why an export failed when the system gives no reason of its own</extracomment>
        <translation>לא כל הבתים נכתבו (האם הדיסק מלא?)</translation>
    </message>
</context>
<context>
    <name>DatabaseStatus</name>
    <message>
        <location filename="../app/databasestatus.cpp" line="+90"/>
        <source>Not saved: the database keeps its previous rows.</source>
        <translation>לא נשמר: מסד הנתונים שומר על השורות הקודמות שלו.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved (%1): the database keeps its previous rows.</source>
        <translation>לא נשמר (%1): מסד הנתונים שומר על השורות הקודמות שלו.</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <location filename="../app/editmenu.cpp" line="+19"/>
        <source>Undo</source>
        <translation>ביטול פעולה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>ביצוע חוזר</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert row</source>
        <extracomment>Insert an empty row in the grid</extracomment>
        <translation>שורה חדשה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add an empty row to the page after the current one</source>
        <translation>שורה ריקה חדשה בדף אחרי השורה הנוכחית</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete row(s)</source>
        <translation>הסרת שורות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Take the selected rows out of the page (the register keeps them)</source>
        <translation>הסרת השורות הנבחרות מהדף (הן נשארות בקופה)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find...</source>
        <translation>חיפוש...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cut</source>
        <translation>גזירה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the selected cells and empty them</source>
        <translation>העתקת התאים שנבחרו וריקונם</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear cells</source>
        <extracomment>Empty the selected cells of the grid (the rows stay)</extracomment>
        <translation>ריקון תאים</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty the selected cells: texts become empty, numbers 0</source>
        <translation>ריקון התאים שנבחרו: טקסטים נשארים ריקים, מספרים הופכים ל-0</translation>
    </message>
</context>
<context>
    <name>FieldDelegate</name>
    <message>
        <location filename="../app/grid/fielddelegate.cpp" line="+102"/>
        <source>%1 takes at most %2 bytes: what went past them was not taken</source>
        <extracomment>%1 the column, %2 how many bytes it takes in the register&apos;s code page</extracomment>
        <translation>%1 מקבל לכל היותר %2 בתים: מה שחרג מהם לא נקלט</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; אינו מספר</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../app/grid/filecommands.cpp" line="+59"/>
        <source>save file</source>
        <translation>שמירת קובץ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>csv file(*.csv)</source>
        <translation>קובץ CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write %1: %2</source>
        <translation>לא ניתן לכתוב את %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 written to %2</source>
        <extracomment>%1 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %2 the file</extracomment>
        <translation>כתיבה אל %2: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Nothing imported: the page is unchanged</source>
        <translation>לא יובא דבר: הדף לא שונה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 imported from %2</source>
        <extracomment>%1 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %2 the file</extracomment>
        <translation>ייבוא מ-%2: %1</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>all supported files (*.xlsx *.csv);;xlsx file(*.xlsx);;csv file(*.csv)</source>
        <translation>כל הקבצים הנתמכים (*.xlsx *.csv);;קובץ xlsx (*.xlsx);;קובץ CSV (*.csv)</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>%1 of %2 are not numbers: the page would show them as 0.</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the file</extracomment>
        <translation>תאים שאינם מספרים ב־%2 (%1); הדף יציג אותם כ־0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import anyway?</source>
        <translation>לייבא בכל זאת?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>import</source>
        <translation>ייבוא</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot import %1: %2. The grid is unchanged.</source>
        <translation>לא ניתן לייבא את %1: %2. הטבלה לא שונתה.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 holds no rows below its header line. The grid is unchanged.</source>
        <translation>ב-%1 אין שורות מתחת לשורת הכותרת. הטבלה לא שונתה.</translation>
    </message>
</context>
<context>
    <name>FitCheck</name>
    <message>
        <location filename="../records/fitcheck.cpp" line="+236"/>
        <source>the register keeps</source>
        <translation>בקופה יישמר</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 not in %2</source>
        <translation>%1 לא קיים ב-%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes in %2</source>
        <translation>%1 בתים ב-%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the register keeps %1</source>
        <translation>הקופה שומרת %1 בתים</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the register&apos;s text order changes it</source>
        <translation>סדר הטקסט של הקופה משנה אותו</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 not among the register&apos;s letters</source>
        <translation>%1 אינו בין אותיות הקופה</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a number</source>
        <translation>אינו מספר</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>negative</source>
        <translation>שלילי</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 decimals, the field takes %2</source>
        <translation>%1 ספרות אחרי הנקודה, השדה מקבל %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>decimals, the field takes whole numbers</source>
        <translation>ספרות אחרי הנקודה, השדה מקבל מספרים שלמים בלבד</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more than %1</source>
        <translation>יותר מ-%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a whole number</source>
        <translation>אינו מספר שלם</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1 to %2</source>
        <translation>מחוץ לטווח %1 עד %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not eight characters 0 or 1</source>
        <translation>אינו שמונה תווים של 0 או 1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>only the digits %1 to %2 count</source>
        <translation>רק הספרות %1 עד %2 נחשבות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not four numbers from 0 to 255 joined by dots</source>
        <translation>אינו ארבעה מספרים מ-0 עד 255 מופרדים בנקודות</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>lower-case letters</source>
        <translation>אותיות קטנות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not %1 hexadecimal digits (0-9, A-F)</source>
        <translation>אינו %1 ספרות הקסדצימליות (0-9, A-F)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>nothing</source>
        <translation>כלום</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>a later row has the same number; of this row the register keeps</source>
        <translation>בשורה מאוחרת יותר אותו מספר; משורה זו הקופה שומרת</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a later row has the same code; of this row the register keeps</source>
        <translation>בשורה מאוחרת יותר אותו קוד; משורה זו הקופה שומרת</translation>
    </message>
</context>
<context>
    <name>Graphic</name>
    <message>
        <location filename="../logo/graphic.cpp" line="+224"/>
        <source>the %1 file is cut short</source>
        <translation>קובץ ה-%1 קטוע</translation>
    </message>
</context>
<context>
    <name>GridClipboard</name>
    <message>
        <location filename="../app/grid/gridclipboard.cpp" line="+224"/>
        <source>Nothing to paste</source>
        <translation>אין מה להדביק</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cells pasted</source>
        <translation>תאים שהודבקו: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (1 row added)</source>
        <translation>%1 (נוספה שורה אחת)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 rows added)</source>
        <translation>%1 (נוספו %2 שורות)</translation>
    </message>
    <message>
        <location line="-189"/>
        <source>%1 locked</source>
        <translation>נעולים: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 outside the grid</source>
        <translation>מחוץ לטבלה: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 below the rows the filter shows</source>
        <translation>מתחת לשורות שהמסנן מציג: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 not accepted: %2</source>
        <translation>לא התקבלו: %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2 skipped (%3)</source>
        <translation>%1, דולגו: %2 (%3)</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>1 cell pasted</source>
        <translation>הודבק תא אחד</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2 cut to what the field takes)</source>
        <extracomment>%1 &quot;3 cells pasted&quot;, %2 how many of them were cut</extracomment>
        <translation>%1 (קוצרו לגודל השדה: %2)</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Nothing to clear</source>
        <translation>אין מה לרוקן</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 cell cleared</source>
        <translation>רוקן תא אחד</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells cleared</source>
        <translation>תאים שרוקנו: %1</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <location filename="../app/grid/gridmodel.cpp" line="+138"/>
        <source>edit of %1</source>
        <extracomment>An undo step (a cell typed in or set from a menu; %1 is its column), shown after &quot;Undo&quot; and &quot;Redo&quot;</extracomment>
        <translation>עריכת %1</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>insert rows</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>שורות חדשות</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>delete rows</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>הסרת שורות</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>sort</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>מיון</translation>
    </message>
</context>
<context>
    <name>GridPage</name>
    <message>
        <location filename="../app/pages/gridpage.ui" line="+11"/>
        <source>&amp;Find:</source>
        <translation>&amp;חיפוש:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find a code or a name (Ctrl+F)</source>
        <translation>חיפוש קוד או שם (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Find</source>
        <translation>חיפוש</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Previous match (Shift+F3)</source>
        <translation>התאמה קודמת (Shift+F3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous</source>
        <translation>הקודם</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next match (F3)</source>
        <translation>התאמה הבאה (F3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <translation>הבא</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>F&amp;ilter:</source>
        <translation>&amp;סינון:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show only rows containing...</source>
        <translation>הצגת שורות המכילות בלבד...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Filter</source>
        <translation>סינון</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Items</source>
        <translation>פריטים</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Import a CSV or spreadsheet file into this page</source>
        <translation>ייבוא קובץ CSV או גיליון אלקטרוני לדף הזה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>openfile</source>
        <translation>ייבוא קובץ</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Export this page to a CSV file</source>
        <translation>ייצוא הדף הזה לקובץ CSV</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>savefile</source>
        <translation>שמירה לקובץ</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>update</source>
        <translation>עדכון</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>חזרה ללחצני הקטגוריות (Alt+Left; על שינויים שלא נשמרו תופיע שאלה קודם)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <location filename="../app/pages/gridpage.cpp" line="+84"/>
        <source>%1 of %2 shown</source>
        <translation>מוצגים %1 מתוך %2</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Save anyway?</source>
        <translation>לשמור בכל זאת?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: the page keeps its rows as they are</source>
        <translation>לא נשמר: השורות בדף נשארות כפי שהן</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saved %1 to %2</source>
        <translation>נשמרו ב-%2: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(1 cell shown as stored)</source>
        <translation>(תא אחד מוצג כפי שנשמר)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(%1 cells shown as stored)</source>
        <translation>(%1 תאים מוצגים כפי שנשמרו)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The register holds %1: the page has every one</source>
        <translation>בקופה %1: כולן כבר בדף</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 deleted from the page (not from the register)</source>
        <translation>הוסרו מהדף (לא מהקופה): %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undone: %1</source>
        <extracomment>%1 is an undo step as the Edit menu names it (&quot;paste&quot;, &quot;import&quot;)</extracomment>
        <translation>בוטל: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redone: %1</source>
        <translation>בוצע שוב: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>paste</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>הדבקה</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>clear</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>ריקון</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cut</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>גזירה</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>An added PLU replaces the one with the same item code on the page.</source>
        <translation>PLU שמתווסף מחליף את ה-PLU עם אותו קוד פריט בדף.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An added row replaces the one with the same number on the page.</source>
        <translation>שורה שנוספת מחליפה את השורה בעלת אותו מספר בדף.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+22"/>
        <location line="+18"/>
        <source>import</source>
        <extracomment>Title of the question before rows read from a file go onto the page
----------
An undo step (rows read from a file), shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>ייבוא</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>Replace the %1 on this page with the %2 from %3, or add them?</source>
        <extracomment>%1 and %2 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %3 the file</extracomment>
        <translation>להחליף את תוכן הדף הזה (%1) בתוכן של %3 (%2), או לצרף אותו?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Replace</source>
        <extracomment>Buttons: replace the page&apos;s rows by the file&apos;s, or add the file&apos;s rows to them</extracomment>
        <translation>החלפה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add</source>
        <translation>צירוף</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing imported: the page is unchanged</source>
        <translation>לא יובא דבר: הדף לא שונה</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>1 cell will not reach the register as shown</source>
        <translation>תא אחד לא יגיע לקופה כפי שהוא מוצג</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells will not reach the register as shown</source>
        <translation>%1 תאים לא יגיעו לקופה כפי שהם מוצגים</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Insert row</source>
        <extracomment>Insert an empty row in the grid</extracomment>
        <translation>שורה חדשה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete row(s)</source>
        <translation>הסרת שורות</translation>
    </message>
</context>
<context>
    <name>GridSearch</name>
    <message>
        <location filename="../app/grid/gridsearch.cpp" line="+60"/>
        <source>&quot;%1&quot; is not on this page</source>
        <translation>&quot;%1&quot; לא נמצא בדף הזה</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <location filename="../app/grid/gridview.cpp" line="+91"/>
        <source>Open or create a configuration database (File &gt; open / new)</source>
        <translation>יש לפתוח או ליצור ערכת הגדרות (קובץ &gt; פתיחה / חדש)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No rows yet: download from the register, import a file, or add a row (Edit &gt; Insert row)</source>
        <translation>אין עדיין שורות: הורדה מהקופה, ייבוא קובץ, או שורה חדשה (עריכה &gt; שורה חדשה)</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>none</source>
        <extracomment>The tool tip of an option cell with no option set</extracomment>
        <translation>ללא</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No row contains &quot;%1&quot;</source>
        <translation>אין שורה המכילה &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../app/help/helpmenu.cpp" line="+16"/>
        <source>&amp;Quick start</source>
        <translation>&amp;התחלה מהירה</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A short guide from a new set to a verified install, at this page&apos;s step</source>
        <translation>מדריך קצר מערכה חדשה ועד העלאה מאומתת, בשלב של הדף הזה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Tallvane</source>
        <translation>&amp;אודות Tallvane</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The version, the licence and the data folder in use</source>
        <translation>הגרסה, הרישיון ותיקיית הנתונים שבשימוש</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <location filename="../journal/journal.cpp" line="+183"/>
        <source>The journal %1 could not be written: %2.</source>
        <translation>לא ניתן היה לכתוב ליומן %1: %2.</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>entry %1 before it is missing</source>
        <translation>הרשומה %1 שלפניה חסרה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entries %1 to %2 before it are missing</source>
        <translation>הרשומות %1 עד %2 שלפניה חסרות</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not start the chain although it is the first entry</source>
        <translation>היא אינה פותחת את השרשרת אף שהיא הרשומה הראשונה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not follow entry %1: an entry was put in or replaced before it</source>
        <translation>היא אינה ממשיכה את רשומה %1: רשומה נוספה או הוחלפה לפניה</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its fields do not match its hash: it was changed after it was written</source>
        <translation>השדות שלה אינם תואמים לגיבוב שלה: היא שונתה אחרי שנכתבה</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the last entry is missing</source>
        <translation>הרשומה האחרונה חסרה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the last %1 entries are missing</source>
        <translation>%1 הרשומות האחרונות חסרות</translation>
    </message>
</context>
<context>
    <name>JournalKind</name>
    <message>
        <location filename="../app/pages/journalpage.cpp" line="+46"/>
        <source>login</source>
        <translation>כניסה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>login failed</source>
        <translation>כניסה נכשלה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>import</source>
        <translation>ייבוא</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>transfer</source>
        <translation>העברה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>users</source>
        <extracomment>Journal entries of user management: users added or deleted, permissions set</extracomment>
        <translation>משתמשים</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>logo</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>all tables</source>
        <extracomment>A journal entry&apos;s category: every table of the register erased</extracomment>
        <translation>כל הטבלאות</translation>
    </message>
</context>
<context>
    <name>JournalPage</name>
    <message>
        <location filename="../app/pages/journalpage.ui" line="+11"/>
        <source>Register:</source>
        <translation>קופה:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>User:</source>
        <translation>משתמש:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Category:</source>
        <translation>קטגוריה:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Days</source>
        <translation>ימים</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only the entries of the days from ... to ..., both included</source>
        <translation>רק הרשומות של הימים מ... עד ..., כולל שניהם</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>from</source>
        <translation>מתאריך</translation>
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
        <translation>עד</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The details of the entry chosen above</source>
        <translation>פרטי הרשומה שנבחרה למעלה</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Verify</source>
        <translation>אימות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check that no entry was changed, removed or put in</source>
        <translation>בדיקה שאף רשומה לא שונתה, הוסרה או נוספה</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Back to the category buttons (Alt+Left)</source>
        <translation>חזרה ללחצני הקטגוריות (Alt+Left)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <location filename="../app/pages/journalpage.cpp" line="-39"/>
        <source>Time</source>
        <translation>זמן</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User</source>
        <translation>משתמש</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PC</source>
        <extracomment>The computer that wrote a journal entry</extracomment>
        <translation>מחשב</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kind</source>
        <translation>סוג</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category</source>
        <translation>קטגוריה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Register</source>
        <translation>קופה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summary</source>
        <translation>תקציר</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 (UTC)</source>
        <translation>%1 (UTC)</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Journal not written</source>
        <translation>היומן לא נכתב</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+53"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>לא ניתן לקרוא את היומן %1: %2</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>All</source>
        <extracomment>The filter choice that shows the entries of every register, user or category</extracomment>
        <translation>הכול</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 of %2 entries</source>
        <translation>%1 מתוך %2 רשומות</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Entry %1, %2 (UTC), %3 at %4
%5</source>
        <extracomment>Entry number, UTC time, user, computer, then the entry&apos;s summary on a line of its own</extracomment>
        <translation>רשומה %1, %2 (UTC), %3 במחשב %4
%5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nobody</source>
        <translation>אף אחד</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The journal cannot be read: %1</source>
        <translation>לא ניתן לקרוא את היומן: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Journal verified: %1 entries</source>
        <translation>היומן אומת: %1 רשומות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Journal broken at entry %1: %2</source>
        <translation>היומן פגום ברשומה %1: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../base/language.cpp" line="+31"/>
        <source>English</source>
        <translation>אנגלית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>יוונית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hebrew</source>
        <translation>עברית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arabic</source>
        <translation>ערבית</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thai</source>
        <translation>תאית</translation>
    </message>
</context>
<context>
    <name>LineCodec</name>
    <message>
        <location filename="../records/lines.cpp" line="+69"/>
        <source>row %1: line number must be 1 to %2</source>
        <translation>שורה %1: מספר השורה צריך להיות בין 1 ל-%2</translation>
    </message>
</context>
<context>
    <name>LogoPage</name>
    <message>
        <location filename="../app/pages/logopage.ui" line="+32"/>
        <source>OpenImage</source>
        <translation>פתיחת תמונה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ImageSize</source>
        <translation>גודל תמונה</translation>
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
        <translation>מתיחה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stretch the picture over the whole logo; unticked, it keeps its proportions and is centred</source>
        <translation>מתיחת התמונה על פני כל הלוגו; כשלא מסומן, התמונה שומרת על הפרופורציות שלה וממורכזת</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>W:</source>
        <translation>רוחב:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>H:</source>
        <translation>גובה:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>SetSize</source>
        <translation>קביעת גודל</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Id:</source>
        <translation>מזהה:</translation>
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
        <translation>תצוגה מקדימה של הלוגו</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>חזרה ללחצני הקטגוריות (Alt+Left; על שינויים שלא נשמרו תופיע שאלה קודם)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <location filename="../app/pages/logopage.cpp" line="+69"/>
        <source>Image File(*.jpg *.jpeg *.png *.bmp *.ico)</source>
        <translation>קובץ תמונה (*.jpg *.jpeg *.png *.bmp *.ico)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+107"/>
        <source>Warnning!</source>
        <translation>אזהרה!</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>%1 could not be read: %2</source>
        <translation>לא ניתן היה לקרוא את %1: %2</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>logo %1 x %2: %3 bytes of %4, more than the register takes</source>
        <extracomment>Width x height in dots, then the packed logo&apos;s bytes and the most the register takes</extracomment>
        <translation>לוגו ⁦%1 x %2⁩: %3 בתים מתוך %4, יותר ממה שהקופה מקבלת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>logo %1 x %2: %3 bytes of %4</source>
        <translation>לוגו ⁦%1 x %2⁩: %3 בתים מתוך %4</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 of %2 bytes</source>
        <translation>%1 מתוך %2 בתים</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>image data is too big.</source>
        <translation>נתוני התמונה גדולים מדי.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Saved: %1 keeps this logo.</source>
        <translation>נשמר: הלוגו הזה נשמר ב-%1.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saved: %1 keeps no logo.</source>
        <translation>נשמר: ב-%1 אין לוגו.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than a register takes (%1 of %2 bytes): choose a smaller size before installing it.</source>
        <translation>הוא גדול ממה שקופה מקבלת (%1 מתוך %2 בתים): יש לבחור גודל קטן יותר לפני ההתקנה.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The logo kept in %1 cannot be read; the page shows none.</source>
        <translation>לא ניתן לקרוא את הלוגו השמור ב-%1; הדף אינו מציג לוגו.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the logo is sent over RS-232 only</source>
        <translation>הלוגו נשלח דרך RS-232 בלבד</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no logo picture is opened: open a picture first</source>
        <translation>לא נפתחה תמונת לוגו: יש לפתוח קודם תמונה</translation>
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
        <translation>ניווט</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../app/greeklabels.cpp" line="+44"/>
        <source>NAVIGATION BAR</source>
        <translation>סרגל ניווט</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&amp;File</source>
        <translation>קובץ (&amp;F)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Edit</source>
        <translation>עריכה (&amp;E)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Windows</source>
        <translation>חלונות (&amp;W)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Tool</source>
        <translation>כלים (&amp;T)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>עזרה (&amp;H)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>new</source>
        <translation>חדש</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create a new configuration set, every page of it empty (Ctrl+N)</source>
        <translation>יצירת ערכת הגדרות חדשה, כל הדפים בה ריקים (Ctrl+N)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open a configuration set (Ctrl+O)</source>
        <translation>פתיחת ערכת הגדרות (Ctrl+O)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save this page&apos;s changes to the open set (Ctrl+S)</source>
        <translation>שמירת השינויים בדף הזה בערכת ההגדרות הפתוחה (Ctrl+S)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>install</source>
        <translation>העלאה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <translation>העלאה: שליחת הטבלה של הדף הזה לקופה או לקופות (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>import</source>
        <translation>הורדה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download this page&apos;s table from the register (Ctrl+D)</source>
        <translation>הורדת הטבלה של הדף הזה מהקופה (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>update</source>
        <translation>עדכון</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Insert</source>
        <translation>שורה חדשה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Insert an empty row after the current one</source>
        <translation>שורה חדשה ריקה אחרי השורה הנוכחית</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copy</source>
        <translation>העתקה</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Past</source>
        <translation>הדבקה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste the clipboard into the grid</source>
        <translation>הדבקת תוכן הלוח לטבלה</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../app/mainwindow.cpp" line="+348"/>
        <source>Menu</source>
        <extracomment>The status bar on the page of category buttons</extracomment>
        <translation>תפריט</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group</source>
        <translation>קבוצה</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dept</source>
        <translation>מחלקה</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Journal</source>
        <translation>יומן</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Log out</source>
        <translation>התנתקות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Back to the login, for another user or another display language</source>
        <translation>חזרה למסך הכניסה, למשתמש אחר או לשפת תצוגה אחרת</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ClearData</source>
        <translation>מחיקת נתונים</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Quit</source>
        <translation>יציאה (&amp;Q)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close Tallvane (unsaved changes are asked about first)</source>
        <translation>סוגר את Tallvane (קודם שואל על שינויים שלא נשמרו)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="-108"/>
        <source>Warnning!</source>
        <translation>אזהרה!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No authority.</source>
        <translation>אין הרשאה.</translation>
    </message>
    <message>
        <location filename="../app/setlibrary.cpp" line="+206"/>
        <source>select db file</source>
        <translation>בחירת קובץ ערכה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>db file(*.db)</source>
        <translation>קובץ ערכה (*.db)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="+154"/>
        <source>%1 created: every page of it is empty</source>
        <translation>%1 נוצרה: כל הדפים בה ריקים</translation>
    </message>
    <message>
        <location filename="../app/greeklabels.cpp" line="+1"/>
        <source>DB VIEW</source>
        <translation>ערכות הגדרות</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New Db</source>
        <translation>ערכה חדשה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Db</source>
        <translation>פתיחת ערכה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save Db</source>
        <translation>שמירת ערכה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Db</source>
        <translation>סגירת ערכה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ITEM VIEW</source>
        <translation>טבלאות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>group</source>
        <translation>קבוצה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>dept</source>
        <translation>מחלקה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plu</source>
        <translation>פריט</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>disc</source>
        <translation>הנחה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tax</source>
        <translation>מע&quot;מ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clerk</source>
        <translation>קופאי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>header</source>
        <translation>כותרת עליונה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>trailer</source>
        <translation>כותרת תחתונה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>extheader</source>
        <translation>כותרת מורחבת</translation>
    </message>
</context>
<context>
    <name>NetParm</name>
    <message>
        <location filename="../records/netparm.cpp" line="-39"/>
        <source>SecurityCode: the letters of the key must be upper-case (A to F)</source>
        <translation>קוד אבטחה: האותיות במפתח חייבות להיות גדולות (A עד F)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SecurityCode: the key holds only the digits 0 to 9 and the letters A to F</source>
        <translation>קוד אבטחה: המפתח מכיל רק את הספרות 0 עד 9 ואת האותיות A עד F</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SecurityCode: the key is %1 hexadecimal digits or empty, not %2</source>
        <translation>קוד אבטחה: המפתח הוא %1 ספרות הקסדצימליות או ריק, לא %2</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>%1: an address is four numbers from 0 to 255 joined by dots, like 192.168.1.10</source>
        <translation>%1: כתובת היא ארבעה מספרים מ-0 עד 255 מופרדים בנקודות, למשל 192.168.1.10</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: a port is a number from 0 to 65535</source>
        <translation>%1: פורט הוא מספר מ-0 עד 65535</translation>
    </message>
</context>
<context>
    <name>OptionBitsDialog</name>
    <message>
        <location filename="../app/dialogs/optionbitsdialog.ui" line="+6"/>
        <source>Option bits</source>
        <translation>סיביות אפשרויות</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Bit string</source>
        <translation>מחרוזת סיביות</translation>
    </message>
    <message>
        <location filename="../app/dialogs/optionbitsdialog.cpp" line="+50"/>
        <location line="+27"/>
        <source>Bit %1</source>
        <extracomment>An option bit without a name; %1 is its number, 0 the right-most</extracomment>
        <translation>סיבית %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../records/clerk.cpp" line="-10"/>
        <source>VOID</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CORRECT</source>
        <translation>תיקון</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>ביטול עסקה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REFUND</source>
        <translation>החזרה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%DISCOUNT</source>
        <translation>% הנחה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%SURCHARGE</source>
        <translation>% תוספת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NET DIS/SURCH</source>
        <translation>הנחה/תוספת בסכום</translation>
    </message>
    <message>
        <location filename="../records/dept.cpp" line="-20"/>
        <source>DPOPTION1</source>
        <translation>אפשרות מחלקה 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION2</source>
        <translation>אפשרות מחלקה 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION3</source>
        <translation>אפשרות מחלקה 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION4</source>
        <translation>אפשרות מחלקה 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION5</source>
        <translation>אפשרות מחלקה 5</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION6</source>
        <translation>אפשרות מחלקה 6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION7</source>
        <translation>אפשרות מחלקה 7</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ACTIVE</source>
        <translation>פעיל</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PRICE NEGATIVE</source>
        <translation>מחיר שלילי</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ZERO PRICE</source>
        <translation>מחיר אפס</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TICKET SIGNLE</source>
        <translation>קבלה בודדת</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DOUBLE TICKET</source>
        <translation>קבלה כפולה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SEPARATRIX</source>
        <translation>קו מפריד</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLOSE RECEIPT</source>
        <translation>סגירת קבלה</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/disc.cpp" line="-9"/>
        <source>DISC 1</source>
        <translation>הנחה 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../records/disc.cpp" line="+1"/>
        <source>DISC 2</source>
        <translation>הנחה 2</translation>
    </message>
    <message>
        <location filename="../records/disc.cpp" line="-9"/>
        <source>TAX A</source>
        <translation>מע&quot;מ A</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX B</source>
        <translation>מע&quot;מ B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX C</source>
        <translation>מע&quot;מ C</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX D</source>
        <translation>מע&quot;מ D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX E</source>
        <translation>מע&quot;מ E</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX F</source>
        <translation>מע&quot;מ F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX G</source>
        <translation>מע&quot;מ G</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX H</source>
        <translation>מע&quot;מ H</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FIXED</source>
        <translation>קבוע</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FREE</source>
        <translation>חופשי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIX/FREE</source>
        <translation>קבוע/חופשי</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AMOUNT</source>
        <translation>סכום</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INCREASE</source>
        <translation>תוספת</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NO SUB</source>
        <translation>לא על סיכום ביניים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT DISC</source>
        <translation>הדפסת הנחה</translation>
    </message>
    <message>
        <location filename="../records/netparm.cpp" line="-168"/>
        <source>NETENABLE</source>
        <translation>רשת פעילה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DHCPENABLE</source>
        <translation>DHCP פעיל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MINISTRYENABLE</source>
        <translation>חיבור למשרד פעיל</translation>
    </message>
    <message>
        <location filename="../records/tax.cpp" line="-8"/>
        <source>TAX ADD</source>
        <translation>מע&quot;מ מתווסף למחיר</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PRINT VAT</source>
        <translation>הדפסת מע&quot;מ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT ZERO</source>
        <translation>הדפסה גם באפס</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GST TAX</source>
        <translation>מע&quot;מ מסוג GST</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT TAX</source>
        <translation>הדפסת פירוט מע&quot;מ</translation>
    </message>
</context>
<context>
    <name>PageGuard</name>
    <message>
        <location filename="../app/pages/pageguard.cpp" line="+42"/>
        <source>Saved by someone else</source>
        <translation>נשמר על ידי מישהו אחר</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing was saved: %1.

Reload shows what the set holds now and drops your changes; Overwrite stores this page over theirs; Cancel keeps your changes unsaved.</source>
        <extracomment>%1 says which table, by whom and when</extracomment>
        <translation>דבר לא נשמר: %1.

טעינה מחדש מציגה את מה שיש כעת בערכה ומבטלת את השינויים שלך; דריסה שומרת את הדף הזה במקום שלהם; ביטול משאיר את השינויים שלך לא שמורים.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reload</source>
        <translation>טעינה מחדש</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Overwrite</source>
        <translation>דריסה</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reloaded: the page shows what the set holds now</source>
        <translation>נטען מחדש: הדף מציג את מה שיש כעת בערכה</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was saved: %1.</source>
        <translation>דבר לא נשמר: %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>logo</source>
        <translation>הלוגו</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>system parameters</source>
        <translation>פרמטרי המערכת</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 saved the %2 of %3 at %4, after this page was loaded</source>
        <extracomment>%1 who (&quot;admin@till-2&quot;), %2 what (&quot;PLUs&quot;), %3 the set (&quot;shop.db&quot;), %4 when</extracomment>
        <translation>%1 שמר את %2 של %3 ב-%4, אחרי שהדף הזה נטען</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Nothing to save here: Save stores the page of a category</source>
        <translation>אין כאן מה לשמור: שמירה שומרת את הדף של קטגוריה</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unsaved changes</source>
        <translation>שינויים שלא נשמרו</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has changes that are not saved.
Save them before going on?</source>
        <extracomment>%1 is the page&apos;s title (and the set&apos;s file name)</extracomment>
        <translation>ב-%1 יש שינויים שלא נשמרו.
לשמור אותם לפני שממשיכים?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Discard</source>
        <extracomment>The button that leaves the page without saving its changes</extracomment>
        <translation>לא לשמור</translation>
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
        <translation>, </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; </source>
        <extracomment>Between two clauses of a sentence: Arabic writes &quot;؛ &quot;, Greek &quot;· &quot;, others &quot;; &quot;</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <location filename="../app/qttexts.cpp" line="+102"/>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>תיקייה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>כונן</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <location line="+19"/>
        <source>&amp;Select All</source>
        <translation>&amp;בחר הכל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Step up</source>
        <translation>הע&amp;לה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step &amp;down</source>
        <translation>הו&amp;רד</translation>
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
ספרייה לא נמצאה.
אנא ודא כי ניתן שם ספרייה מדויק.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
הקובץ לא נמצא.
אנא ודא כי שם הקובץ הנכון הוזן.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 File</source>
        <translation>קובץ %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>‏%1 כבר קיים.
האם ברצונך להחליף אותו?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose</source>
        <translation>בח&amp;ר</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;מחק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Folder</source>
        <translation>תיקייה &amp;חדשה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;פתח</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rename</source>
        <translation>ש&amp;נה שם</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;שמור</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>%1 מוגן בפני כתיבה.
האם ברצונך למחוק אותו בכל זאת?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alias</source>
        <translation>כינוי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>כל הקבצים (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*)</source>
        <translation>כל הקבצים (*)</translation>
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
        <translation>האם אתה בטוח כי ברצונך למחוק את &apos;%1&apos;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>אחורה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change to detail view mode</source>
        <translation>החלף למצב תצוגת פרטים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change to list view mode</source>
        <translation>החלף למצב תצוגת רשימה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not delete directory.</source>
        <translation>אין אפשרות למחוק ספרייה.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create New Folder</source>
        <translation>צור תיקייה חדשה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a New Folder</source>
        <translation>צור תיקייה חדשה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>מחק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Detail View</source>
        <translation>תצוגת פרטים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Directories</source>
        <translation>ספריות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Directory:</source>
        <translation>ספרייה:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>כונן</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>קובץ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File &amp;name:</source>
        <translation>&amp;שם קובץ:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Folder</source>
        <translation>תיקיית קבצים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>קבצים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type:</source>
        <translation>קבצים מסוג:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Directory</source>
        <translation>חפש ספרייה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder</source>
        <translation>תיקייה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>קדימה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go back</source>
        <translation>לך אחורה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go forward</source>
        <translation>לך קדימה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go to the parent directory</source>
        <translation>לך אל ספרייה מעלה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List View</source>
        <translation>תצוגת רשימה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List of places and bookmarks</source>
        <translation>רשימת מיקומים וסימניות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look in:</source>
        <translation>חפש בתוך:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>המחשב שלי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Folder</source>
        <translation>תיקייה חדשה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Directory</source>
        <translation>ספרייה מעלה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recent Places</source>
        <translation>מיקומים אחרונים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>הסר</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As</source>
        <translation>שמירה בשם</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shortcut</source>
        <translation>קיצור דרך</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show </source>
        <translation>הצג </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;hidden files</source>
        <translation>ה&amp;צג קבצים מוסתרים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sidebar</source>
        <translation>סרגל צד</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>לא ידוע</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <location line="+1"/>
        <source>%1 GB</source>
        <translation>%1 ג&quot;ב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1 ק&quot;ב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB</source>
        <translation>%1 מ&quot;ב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 TB</source>
        <translation>%1 ט&quot;ב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 byte(s)</source>
        <translation>%1 בתים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 bytes</source>
        <translation>%1 בתים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;אין אפשרות להשתמש בשם &quot;%1&quot;.&lt;/b&gt;&lt;p&gt;נסה שם אחר, עם פחות תווים או בלי סימני פיסוק.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer</source>
        <translation>מחשב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date Modified</source>
        <translation>תאריך שינוי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid filename</source>
        <translation>שם קובץ לא תקין</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>סוג</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>המחשב שלי</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type</source>
        <translation>סוג</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location line="+13"/>
        <source>&amp;Undo</source>
        <translation>&amp;בטל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>בצע &amp;שוב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>&amp;גזור</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>הע&amp;תק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>ה&amp;דבק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>מחק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>בחר הכל</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location line="-102"/>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save All</source>
        <translation>שמירת הכול</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes to &amp;All</source>
        <translation>כן ל&amp;כול</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>N&amp;o to All</source>
        <translation>ל&amp;א לכול</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort</source>
        <translation>ביטול פעולה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Retry</source>
        <translation>ניסיון חוזר</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore</source>
        <translation>התעלמות</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Discard</source>
        <translation>ויתור על השינויים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apply</source>
        <translation>החלה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restore Defaults</source>
        <translation>שחזור ברירות מחדל</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <location line="+95"/>
        <source>&amp;Undo</source>
        <translation>&amp;בטל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>בצע &amp;שוב</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>&amp;גזור</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>הע&amp;תק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy &amp;Link Location</source>
        <translation>העתק כתובת &amp;קישור</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>ה&amp;דבק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>מחק</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>בחר הכל</translation>
    </message>
</context>
<context>
    <name>QuickStartDialog</name>
    <message>
        <location filename="../app/help/quickstartdialog.ui" line="+14"/>
        <location filename="../app/help/quickstartdialog.cpp" line="+79"/>
        <source>Quick start</source>
        <translation>התחלה מהירה</translation>
    </message>
    <message>
        <location filename="../app/help/quickstartdialog.cpp" line="-38"/>
        <source>1. Open or create a set</source>
        <translation>1. פתיחה או יצירה של ערכה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A configuration set holds every table of one register or one group of registers, in a database file of its own. File &gt; new creates one (every page of it empty), File &gt; open opens one, and the DB VIEW branch of the tree lists the sets of the database folder.</source>
        <translation>ערכת הגדרות מכילה את כל הטבלאות של קופה אחת או של קבוצת קופות, בקובץ מסד נתונים משלה. קובץ &gt; חדש יוצר ערכה (כל הדפים בה ריקים), קובץ &gt; פתיחה פותח ערכה, והענף &quot;ערכות הגדרות&quot; בעץ מציג את הערכות שבתיקיית מסדי הנתונים.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The set keeps the code page of its register texts: a set made under Greek stays Greek when it is opened under another display language.</source>
        <translation>הערכה שומרת את דף הקוד של טקסטי הקופה שלה: ערכה שנוצרה ביוונית נשארת ביוונית גם כשהיא נפתחת בשפת תצוגה אחרת.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2. Fill a page</source>
        <translation>2. מילוי דף</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a category on the button page or in the tree: departments, PLUs, taxes and the others each have a page. Type into the grid, insert rows with Edit &gt; Insert row, paste from a spreadsheet, or import a CSV or spreadsheet file into the page.</source>
        <translation>יש לבחור קטגוריה בדף הלחצנים או בעץ: למחלקות, לפריטים, לשיעורי מע&quot;מ ולשאר יש דף לכל אחד. אפשר להקליד בטבלה, להוסיף שורות בעזרת עריכה &gt; שורה חדשה, להדביק מגיליון אלקטרוני, או לייבא לדף קובץ CSV או קובץ גיליון אלקטרוני.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cells that hold options show them as eight digits; double-click one (or press Enter on it) for a box per option, or right-click it to choose them one by one. A title ending in * has unsaved changes: File &gt; save stores them, and Tallvane asks before a page with changes is left.</source>
        <translation>תאים שמכילים אפשרויות מציגים אותן כשמונה ספרות; לחיצה כפולה על תא כזה (או Enter) פותחת תיבת סימון לכל אפשרות, ולחיצה ימנית מאפשרת לסמן את האפשרויות אחת אחת. כותרת שמסתיימת ב-* מציינת שינויים שלא נשמרו: קובץ &gt; שמירה שומר אותם, ו-Tallvane שואל לפני שעוזבים דף עם שינויים.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Without the mouse: the arrow keys move among the category buttons and Enter opens one; Alt+Left goes back to them from any page; Ctrl+Z and Ctrl+Shift+Z undo and redo a change in the grid.</source>
        <translation>ללא עכבר: מקשי החצים עוברים בין לחצני הקטגוריות ו-Enter פותח אחד מהם; Alt+Left חוזר אליהם מכל דף; Ctrl+Z ו-Ctrl+Shift+Z מבטלים ומבצעים שוב שינוי בטבלה.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. The receipt logo</source>
        <translation>3. לוגו הקבלה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The logo page loads a picture, shows it as the register will print it (black and white dots) and sends it as logo 1 or 2 over the serial link.</source>
        <translation>דף הלוגו טוען תמונה, מציג אותה כפי שהקופה תדפיס אותה (נקודות בשחור ולבן) ושולח אותה כלוגו 1 או 2 דרך החיבור הטורי.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4. Connect a register</source>
        <translation>4. חיבור קופה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over the network: choose Tcp in the connection panel. The panel shows the address and port on which Tallvane listens; set the register to dial them. Each register that connects appears in the table, where you can give it a name.</source>
        <translation>דרך הרשת: יש לבחור TCP בחלונית החיבור. החלונית מציגה את הכתובת והפורט ש-Tallvane מאזין להם; יש להגדיר את הקופה להתחבר אליהם. כל קופה שמתחברת מופיעה בטבלה, ושם אפשר לתת לה שם.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Over RS-232: choose Serial, pick the port and press Open Serial. On Linux only the members of the port&apos;s group (dialout) may open it.</source>
        <translation>דרך RS-232: יש לבחור טורי, לבחור את היציאה וללחוץ על פתיחת יציאה טורית. ב-Linux רק חברי הקבוצה של היציאה (dialout) רשאים לפתוח אותה.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5. Install</source>
        <translation>5. העלאה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install (tool bar or File &gt; install) sends the page&apos;s whole table to every connected register and replaces what it holds. Send changes sends only the rows that differ from what the register got last time, and Compare with register shows them first.</source>
        <translation>העלאה (בסרגל הכלים או קובץ &gt; העלאה) שולחת את כל הטבלה של הדף לכל קופה מחוברת ומחליפה את מה שיש בה. שליחת שינויים שולחת רק את השורות ששונות ממה שהקופה קיבלה בפעם הקודמת, והשוואה מול הקופה מציגה אותן קודם.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download from register brings the register&apos;s table onto the page; nothing is stored until you save.</source>
        <translation>הורדה מהקופה מביאה את הטבלה של הקופה אל הדף; דבר לא נשמר עד שלוחצים על שמירה.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6. Verify</source>
        <translation>6. אימות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tick Verify after install: after the install each register sends the table back and Tallvane compares it with what was sent, row by row and field by field. The transfer log ends with one sentence per register, and Windows &gt; Journal keeps who sent what to which register.</source>
        <translation>יש לסמן אימות אחרי העלאה: אחרי ההעלאה כל קופה שולחת את הטבלה בחזרה ו-Tallvane משווה אותה למה שנשלח, שורה אחר שורה ושדה אחר שדה. יומן ההעברה מסתיים במשפט אחד לכל קופה, וחלונות &gt; יומן שומר מי שלח מה ולאיזו קופה.</translation>
    </message>
</context>
<context>
    <name>RegisterCommands</name>
    <message>
        <location filename="../app/transfer/registercommands.cpp" line="+18"/>
        <source>Add the selected PLUs to the register(s)</source>
        <translation>הוספת הפריטים הנבחרים לקופה או לקופות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update the selected PLUs on the register(s)</source>
        <translation>עדכון הפריטים הנבחרים בקופה או בקופות</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete the selected PLUs from the register(s)</source>
        <translation>מחיקת הפריטים הנבחרים מהקופה או מהקופות</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <extracomment>&quot;install&quot; is the command that sends the page&apos;s table to the register.</extracomment>
        <translation>העלאה: שליחת הטבלה של הדף הזה לקופה או לקופות (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>download: read this page&apos;s table from the register (Ctrl+D)</source>
        <translation>הורדה: קריאת הטבלה של הדף הזה מהקופה (Ctrl+D)</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Cancel transfer</source>
        <translation>ביטול ההעברה</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the transfer after the current frame (Esc)</source>
        <translation>עצירת ההעברה אחרי המסגרת הנוכחית (Esc)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Compare with register</source>
        <translation>השוואה מול הקופה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show what this page would change on each connected register</source>
        <translation>הצגת מה שהדף הזה ישנה בכל קופה מחוברת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send changes</source>
        <translation>שליחת שינויים</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send each register only what differs from what it holds</source>
        <translation>שליחה לכל קופה רק של מה ששונה ממה שיש בה</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>install: open a category page first; its table goes to the register(s)</source>
        <translation>העלאה: פתחו קודם דף של קטגוריה; הטבלה שלו נשלחת לקופה או לקופות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>download: open a category page first; its table comes from the register</source>
        <extracomment>&quot;download&quot; is the command that reads the page&apos;s table from the register.</extracomment>
        <translation>הורדה: פתחו קודם דף של קטגוריה; הטבלה שלו מגיעה מהקופה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>download: a register does not send its logo back</source>
        <translation>הורדה: קופה אינה שולחת בחזרה את הלוגו שלה</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (on the PLU page only: the other pages go to the register whole, with install)</source>
        <translation>%1 (בדף הפריטים בלבד: שאר הדפים נשלחים לקופה בשלמותם, בהעלאה)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>only the administrator may erase a register&apos;s tables</source>
        <translation>רק מנהל המערכת רשאי למחוק את הטבלאות של קופה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clear data goes to a register on the serial link only</source>
        <translation>מחיקת נתונים נשלחת רק לקופה המחוברת בחיבור טורי</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clear data is not given from the PLU page</source>
        <translation>מחיקת נתונים אינה זמינה מדף הפריטים</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase every table of the register on the serial port (asks first)</source>
        <translation>מחיקת כל הטבלאות של הקופה שביציאה הטורית (עם שאלה לפני כן)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase every table of the register: %1</source>
        <translation>מחיקת כל הטבלאות של הקופה: %1</translation>
    </message>
</context>
<context>
    <name>RegisterPlan</name>
    <message>
        <location filename="../link/changes.cpp" line="+119"/>
        <source>%1 registers connect as %2: a send of changes cannot tell them apart, so none is sent; install the whole table, or give each register an address of its own</source>
        <extracomment>%1 how many registers, %2 the address they share</extracomment>
        <translation>%1 קופות מתחברות כ־%2: שליחת שינויים אינה יכולה להבחין ביניהן, ולכן לא נשלח דבר; התקינו את הטבלה כולה, או תנו לכל קופה כתובת משלה</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: no baseline yet: download to compare, or install the whole table</source>
        <translation>%1: אין עדיין נקודת ייחוס: יש להוריד כדי להשוות, או להעלות את כל הטבלה</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 unchanged on %2: not sent</source>
        <translation>%1 ללא שינוי ב-%2: לא נשלחו</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unchanged on %2</source>
        <translation>%1 ללא שינוי ב-%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2; not sent: the page holds no %3, and a send of no rows changes nothing (ClearData empties a register)</source>
        <extracomment>%1 the register, %2 how its table differs (&quot;2 deleted&quot;), %3 the rows (&quot;departments&quot;)</extracomment>
        <translation>%1: %2; לא נשלח: בדף אין %3, ושליחה בלי שורות אינה משנה דבר («מחיקת נתונים» מרוקנת קופה)</translation>
    </message>
</context>
<context>
    <name>SerialServer</name>
    <message>
        <location filename="../link/serialserver.cpp" line="+53"/>
        <source>No serial port can be opened now: connect the register&apos;s cable (or its USB adapter), then press F5 to look again.</source>
        <translation>אין כרגע יציאה טורית שניתן לפתוח: חברו את כבל הקופה (או את מתאם ה-USB שלה) ולחצו F5 כדי לחפש שוב.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 is in use by another program: close it there first</source>
        <translation>%1 בשימוש של תוכנה אחרת: יש לסגור אותה שם תחילה</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1. Only the members of the group %2 may open %3: add the user to it (sudo adduser %4 %2) and log in again.</source>
        <translation>%1. רק חברי הקבוצה %2 רשאים לפתוח את ⁦%3⁩: יש להוסיף את המשתמש לקבוצה (sudo adduser %4 %2) ולהתחבר מחדש.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Permission denied</source>
        <translation>ההרשאה נדחתה</translation>
    </message>
</context>
<context>
    <name>ServerDb</name>
    <message>
        <location filename="../storage/serverdb.cpp" line="+111"/>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql)</source>
        <translation>מנהל ההתקן של Qt ל-PostgreSQL אינו מותקן (חבילת Debian libqt6sql6-psql)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>the account %1 may not use the set %2 (no USAGE on its schema)</source>
        <translation>לחשבון %1 אין הרשאה להשתמש בערכה %2 (אין USAGE על הסכמה שלה)</translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <location filename="../app/dialogs/serverpassword.cpp" line="+13"/>
        <source>The server refused the password of %1. Password:</source>
        <translation>השרת דחה את הסיסמה של %1. סיסמה:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password of %1 on the server:</source>
        <translation>הסיסמה של %1 בשרת:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Server password</source>
        <translation>סיסמת שרת</translation>
    </message>
</context>
<context>
    <name>ServerSetDialog</name>
    <message>
        <location filename="../app/dialogs/serversetdialog.ui" line="+9"/>
        <source>Server set</source>
        <translation>ערכה בשרת</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set on a PostgreSQL server (postgresql://USER@HOST[:PORT]/DATABASE?set=NAME):</source>
        <translation>ערכה בשרת PostgreSQL ‏(⁦postgresql://USER@HOST[:PORT]/DATABASE?set=NAME⁩):</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The password comes from the PostgreSQL password file (~/.pgpass) or PGPASSWORD; otherwise Tallvane asks for it once per login and never stores it.</source>
        <translation>הסיסמה נלקחת מקובץ הסיסמאות של PostgreSQL ‏(⁦~/.pgpass⁩) או מ-PGPASSWORD; אחרת Tallvane מבקשת אותה פעם אחת בכל כניסה ולעולם אינה שומרת אותה.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Create</source>
        <translation>&amp;יצירה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create a new, empty set under this name on the server</source>
        <translation>יצירת ערכה חדשה וריקה בשם זה בשרת</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open</source>
        <translation>&amp;פתיחה</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <location filename="../app/dialogs/serversetdialog.cpp" line="+32"/>
        <source>A server set&apos;s address starts with postgresql://</source>
        <translation>כתובת של ערכה בשרת מתחילה ב-⁦postgresql://⁩</translation>
    </message>
</context>
<context>
    <name>ServerThread</name>
    <message>
        <location filename="../link/tcpserver.cpp" line="+227"/>
        <source>not in [tcp] allow</source>
        <translation>לא מופיע ב-allow של [tcp]</translation>
    </message>
</context>
<context>
    <name>SetLibrary</name>
    <message>
        <location filename="../app/setlibrary.cpp" line="-160"/>
        <source>Recent sets</source>
        <translation>ערכות אחרונות</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Open server set...</source>
        <translation>פתיחת ערכה בשרת...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or create a configuration set on a PostgreSQL server</source>
        <translation>פתיחה או יצירה של ערכת הגדרות בשרת PostgreSQL</translation>
    </message>
</context>
<context>
    <name>SetLocation</name>
    <message>
        <location filename="../storage/setlocation.cpp" line="+61"/>
        <source>Type a name for the new set.</source>
        <translation>הקלידו שם לערכת ההגדרות החדשה.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A set&apos;s name cannot hold &apos;/&apos; or &apos;\&apos;: the set is made in the database folder.</source>
        <translation>שם של ערכת הגדרות אינו יכול להכיל &apos;/&apos; או &apos;\&apos;: הערכה נוצרת בתיקיית מסדי הנתונים.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A set&apos;s name cannot begin with a dot.</source>
        <translation>שם של ערכת הגדרות אינו יכול להתחיל בנקודה.</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+33"/>
        <source>the address holds a password; keep it in the PostgreSQL password file (~/.pgpass) or PGPASSWORD instead</source>
        <translation>הכתובת מכילה סיסמה; שמרו אותה בקובץ הסיסמאות של PostgreSQL ‏(⁦~/.pgpass⁩) או ב-PGPASSWORD במקום</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; is not a connection parameter</source>
        <translation>&quot;%1&quot; אינו פרמטר חיבור</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the value of %1 cannot hold &apos;;&apos;</source>
        <translation>הערך של %1 אינו יכול להכיל &apos;;&apos;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; is not a port number</source>
        <translation>‏&quot;%1&quot; אינו מספר פורט</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the address names no set: add ?set=NAME (for example ?set=shop)</source>
        <translation>הכתובת אינה מציינת ערכה: הוסיפו ⁦?set=NAME⁩ (לדוגמה ⁦?set=shop⁩)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; cannot name a set: use letters, digits, &apos;_&apos; and &apos;-&apos; (at most 63, not starting with pg_)</source>
        <translation>‏&quot;%1&quot; אינו יכול לשמש שם ערכה: השתמשו באותיות, ספרות, &apos;_&apos; ו-&apos;-&apos; (עד 63, לא בהתחלה ⁦pg_⁩)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>this PC</source>
        <translation>מחשב זה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2 on %3)</source>
        <translation>%1 ‏(%2 על %3)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <location filename="../link/statusline.cpp" line="+19"/>
        <source> (%1 of %2 bytes shown)</source>
        <translation> (מוצגים %1 מתוך %2 בתים)</translation>
    </message>
</context>
<context>
    <name>StatusWord</name>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+47"/>
        <source>END</source>
        <translation>הסתיים</translation>
    </message>
    <message>
        <location filename="../link/transfer.cpp" line="+206"/>
        <source>TIME OUT</source>
        <translation>אין תשובה בזמן</translation>
    </message>
    <message>
        <location line="-157"/>
        <location line="+345"/>
        <source>UPDATE </source>
        <translation>שליחה </translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+92"/>
        <location line="+32"/>
        <source>UPDATE END</source>
        <translation>השליחה הסתיימה</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+8"/>
        <source>DOWNLOAD </source>
        <translation>הורדה </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DOWNLOAD END</source>
        <translation>ההורדה הסתיימה</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+20"/>
        <location line="+24"/>
        <source>RCV ERR</source>
        <translation>שגיאת קליטה</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>BCC ERR</source>
        <translation>שגיאת סכום ביקורת</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <location filename="../app/pages/systempage.ui" line="+12"/>
        <source>Set ECR Time</source>
        <translation>כיוון שעון ה-ECR</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ECR Time:</source>
        <translation>שעת ECR:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECR#:</source>
        <translation>מס&apos; ECR:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The register&apos;s number (0 to 255), as the register reports it</source>
        <translation>מספר הקופה (0 עד 255), כפי שהקופה מדווחת אותו</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>(0-255)</source>
        <translation>‎(0-255)‎</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>IDLE Time Disp</source>
        <translation>זמן עד תצוגת המתנה</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Minutes without use before the register&apos;s display shows its idle text (0 to 99)</source>
        <translation>דקות ללא שימוש עד שתצוגת הקופה מציגה את טקסט ההמתנה (0 עד 99)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Minute(0-99)</source>
        <translation>דקות ‎(0-99)‎</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PRINT DENSITY:</source>
        <translation>כהות הדפסה:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>How dark the printer prints: 0 the lightest, 4 the darkest</source>
        <translation>כהות ההדפסה: 0 הבהירה ביותר, 4 הכהה ביותר</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>(0-4)</source>
        <translation>‎(0-4)‎</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>AMOUNT MAX:</source>
        <translation>סכום מרבי:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The largest amount the register accepts in one entry (0 to 99999999)</source>
        <translation>הסכום הגדול ביותר שהקופה מקבלת ברישום אחד (0 עד 99999999)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>(0-99999999)</source>
        <translation>‎(0-99999999)‎</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Print the clerk&apos;s name on every receipt</source>
        <translation>הדפסת שם הקופאי בכל קבלה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRN CLERK</source>
        <translation>הדפסת קופאי</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Allow a copy of the last receipt to be printed</source>
        <translation>לאפשר הדפסת העתק של הקבלה האחרונה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COPY RECEIPT</source>
        <translation>העתק קבלה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the number of items sold at the end of each receipt</source>
        <translation>הדפסת מספר הפריטים שנמכרו בסוף כל קבלה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT ITEMS</source>
        <translation>הדפסת מספר פריטים</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Prices and amounts have two decimal places</source>
        <translation>למחירים ולסכומים יש שתי ספרות אחרי הנקודה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DECIMAL</source>
        <translation>נקודה עשרונית</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subtotal key must be pressed before a payment</source>
        <translation>יש ללחוץ על מקש סיכום הביניים לפני תשלום</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SUBTOTAL OBL</source>
        <translation>סיכום ביניים חובה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sales may name a customer card</source>
        <translation>ניתן לציין כרטיס לקוח במכירה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CUSTOMER CARD</source>
        <translation>כרטיס לקוח</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the department totals in the reports</source>
        <translation>הדפסת סכומי המחלקות בדוחות</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT DEPART MON</source>
        <translation>הדפסת סכומי מחלקות</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clerks sign on with their password</source>
        <translation>קופאים נכנסים עם הסיסמה שלהם</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CLERK PWD</source>
        <translation>סיסמת קופאי</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A clerk must sign on before a sale</source>
        <translation>קופאי חייב להיכנס לפני מכירה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OPER.OBL</source>
        <translation>קופאי חובה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the tax amount on the receipt</source>
        <translation>הדפסת סכום המע&quot;מ בקבלה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT TAX AMT</source>
        <translation>הדפסת סכום מע&quot;מ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The register&apos;s clock follows daylight saving time</source>
        <translation>שעון הקופה פועל לפי שעון קיץ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DAYLIGHT TIME</source>
        <translation>שעון קיץ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The register beeps at each key press</source>
        <translation>הקופה מצפצפת בכל לחיצת מקש</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BUZZER</source>
        <translation>זמזם</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>חזרה ללחצני הקטגוריות (Alt+Left; על שינויים שלא נשמרו תופיע שאלה קודם)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <location filename="../app/pages/systempage.cpp" line="+106"/>
        <source>The set holds %1, which this box cannot show; it is kept unless you change the box.</source>
        <translation>הערכה מכילה %1, ערך שתיבה זו אינה יכולה להציג; הוא נשמר כל עוד לא תשנו את התיבה.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Saved the system parameters to %1</source>
        <translation>פרמטרי המערכת נשמרו ב-%1</translation>
    </message>
</context>
<context>
    <name>TableDiff</name>
    <message>
        <location filename="../records/tablediff.cpp" line="+12"/>
        <source>%1: new</source>
        <translation>%1: חדש</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: deleted</source>
        <translation>%1: נמחק</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 changed (not shown)</source>
        <extracomment>A changed password or key, whose values are not shown: its column.</extracomment>
        <translation>%1 שונה (לא מוצג)</translation>
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
        <translation>ללא שינוי</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 new</source>
        <translation>חדשים: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 changed</source>
        <translation>שונו: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 deleted</source>
        <translation>נמחקו: %1</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <location filename="../storage/csvfile.cpp" line="-237"/>
        <source>the file has more than %1 rows, more than an import takes</source>
        <translation>בקובץ יש יותר מ-%1 שורות, יותר ממה שייבוא מקבל</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>no temporary file for the conversion: %1</source>
        <translation>אין קובץ זמני להמרה: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the temporary file could not be written: %1</source>
        <translation>לא ניתן היה לכתוב את הקובץ הזמני: %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>not a file but a device or a pipe</source>
        <translation>זה אינו קובץ אלא התקן או צינור</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>the file is in UTF-16: save it as UTF-8 CSV</source>
        <translation>הקובץ בקידוד UTF-16: יש לשמור אותו כ-CSV בקידוד UTF-8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file holds zero bytes: it is no text table (a binary or damaged file)</source>
        <translation>בקובץ יש בתים אפסיים: הוא אינו טבלת טקסט (קובץ בינארי או פגום)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>the quotation mark that opens a field in line %1 is never closed</source>
        <translation>המירכאות הפותחות שדה בשורה %1 אינן נסגרות</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>the file has %1 MiB, more than the %2 MiB an import takes</source>
        <translation>בקובץ יש %1 MiB, יותר מ-%2 MiB שייבוא מקבל</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>it has no header line: its first line is imported as a row</source>
        <translation>אין בו שורת כותרות: השורה הראשונה שלו מיובאת כשורת טבלה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not UTF-8 and was read as %1</source>
        <translation>הוא אינו UTF-8 ונקרא כ־%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cell(s) hold the error of a formula (#N/A and the like), first: %2: imported as that text</source>
        <translation>%1 תאים מכילים שגיאת נוסחה (#N/A וכדומה), הראשון: %2: הם מיובאים כטקסט הזה</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 byte(s) are no UTF-8 letter, first in line %2: they show as %3</source>
        <translation>%1 בתים אינם תו UTF-8, הראשון בשורה %2: הם מוצגים כ־%3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file has %1 columns, the page %2</source>
        <translation>בקובץ יש %1 עמודות, ובדף %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its header line names other columns than the page&apos;s (%1): the columns are read by their place</source>
        <translation>שורת הכותרת שלו מציינת עמודות שונות משל הדף (%1): העמודות נקראות לפי מיקומן</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 row(s) hold more cells than the header line, first: row %2: check for a comma in a number or name</source>
        <translation>ב-%1 שורות יש יותר תאים משורת הכותרת, הראשונה: שורה %2: בדקו אם יש פסיק במספר או בשם</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 cell in scientific notation was converted, first: row %1, column %2: check the codes</source>
        <translation>תא אחד בכתיב מדעי הומר, הראשון: שורה %1, עמודה %2: יש לבדוק את הקודים</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cells in scientific notation were converted, first: row %2, column %3: check the codes</source>
        <translation>%1 תאים בכתיב מדעי הומרו, הראשון: שורה %2, עמודה %3: יש לבדוק את הקודים</translation>
    </message>
    <message>
        <location filename="../storage/xlsx.cpp" line="+73"/>
        <source>%1 is damaged (%2, line %3)</source>
        <translation>%1 פגום (%2, שורה %3)</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>%1 would unpack to %2 MiB, more than the %3 MiB allowed for one part of a workbook</source>
        <translation>%1 ייפרס ל-%2 MiB, יותר מ-%3 MiB המותרים לחלק אחד של חוברת עבודה</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>the file holds no workbook</source>
        <translation>הקובץ אינו מכיל חוברת עבודה</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the workbook has no worksheet</source>
        <translation>בחוברת העבודה אין גיליון</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the workbook names no part for its first sheet</source>
        <translation>חוברת העבודה אינה מציינת חלק עבור הגיליון הראשון שלה</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the first worksheet unpacks to more than the %1 MiB an import takes (at row %2)</source>
        <translation>גיליון העבודה הראשון נפרש ליותר מ-%1 MiB שייבוא מקבל (בשורה %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the first worksheet has text in row %1, more than the %2 rows an import takes</source>
        <translation>בגיליון הראשון יש טקסט בשורה %1, יותר מ-%2 השורות שייבוא מקבל</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>cell %1 holds a formula without its value: open the file in a spreadsheet and save it again</source>
        <translation>בתא %1 נוסחה ללא ערכה: פתחו את הקובץ בגיליון אלקטרוני ושמרו אותו שוב</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cell %1 names a shared text the file does not hold</source>
        <translation>התא %1 מפנה לטקסט משותף שאינו בקובץ</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>the file does not exist</source>
        <translation>הקובץ לא קיים</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not an .xlsx workbook (the file is no zip archive, or a damaged one)</source>
        <translation>אינו חוברת עבודה ‎.xlsx (הקובץ אינו ארכיון zip, או שהוא פגום)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the first worksheet (%1) is missing</source>
        <translation>הגיליון הראשון (%1) חסר</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the first worksheet (%1) is damaged</source>
        <translation>הגיליון הראשון (%1) פגום</translation>
    </message>
</context>
<context>
    <name>TcpServer</name>
    <message>
        <location filename="../link/tcpserver.cpp" line="+69"/>
        <source>port %1 is taken by another program</source>
        <translation>פורט %1 תפוס על ידי תוכנה אחרת</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not an address of this PC</source>
        <translation>%1 אינה כתובת של המחשב הזה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the system does not let it use port %1</source>
        <translation>המערכת אינה מרשה להשתמש בפורט %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>port %1</source>
        <translation>פורט %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+28"/>
        <source>%1, port %2</source>
        <translation>%1, פורט %2</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Tallvane cannot listen for registers on %1: %2.</source>
        <translation>Tallvane אינו יכול להאזין לקופות ב-%1: %2.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 or %2</source>
        <extracomment>&quot;10.0.0.2, 10.0.0.3 or 127.0.0.1&quot;: the addresses registers may dial</extracomment>
        <translation>%1 או %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>already %1 open ([tcp] maxConnections)</source>
        <translation>כבר פתוחים %1 חיבורים (maxConnections ב-[tcp])</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="+18"/>
        <source>warning</source>
        <translation>אזהרה</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+38"/>
        <source>Delete from the register</source>
        <translation>מחיקה מהקופה</translation>
    </message>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+89"/>
        <source>No register took the request.</source>
        <translation>אף קופה לא קיבלה את הבקשה.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Open the %1 page first.</source>
        <translation>יש לפתוח קודם את הדף %1.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The page&apos;s %1 compared with what each connected register holds as far as Tallvane knows (its last install, verify or download):</source>
        <translation>תוכן הדף (%1) בהשוואה למה שיש בכל קופה מחוברת, לפי מה ש-Tallvane יודע (ההעלאה, האימות או ההורדה האחרונים שלה):</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Nothing to send: see the log</source>
        <translation>אין מה לשלוח: ראו ביומן</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nothing sent: the changes go with the next send</source>
        <translation>לא נשלח דבר: השינויים יישלחו בשליחה הבאה</translation>
    </message>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="-26"/>
        <source>Install sends all the page&apos;s %1 to %2 again; PLUs not on the page stay on the register. PLU totals kept by the register may be lost.</source>
        <translation>ההתקנה שולחת שוב את כל %1 שבדף אל %2; פריטים שאינם בדף נשארים בקופה. סיכומי הפריטים שהקופה שומרת עלולים ללכת לאיבוד.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Install replaces the whole %1 table of %2 with the page&apos;s %3.</source>
        <translation>העלאה מחליפה את כל טבלת %1 של %2 ב-%3 שבדף.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Send only the changes instead?</source>
        <translation>לשלוח במקום זאת רק את השינויים?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Install</source>
        <extracomment>Title of the question before a whole table is sent to the register(s).</extracomment>
        <translation>העלאה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send changes</source>
        <translation>שליחת שינויים</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install all</source>
        <translation>העלאת הכול</translation>
    </message>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+89"/>
        <source>Select the PLUs to send first.</source>
        <translation>יש לבחור קודם את הפריטים לשליחה.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Only the administrator may erase a register&apos;s tables.</source>
        <translation>רק מנהל המערכת רשאי למחוק את הטבלאות של קופה.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cancelling: the registers stop after the current frame ...</source>
        <translation>מבטל: הקופות יעצרו אחרי המסגרת הנוכחית ...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A transfer with the registers is still running. Stop it after the current frame and close?</source>
        <translation>העברה עם הקופות עדיין פועלת. לעצור אותה אחרי המסגרת הנוכחית ולסגור?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop and close</source>
        <translation>עצירה וסגירה</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep running</source>
        <translation>להמשיך</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The page shows the table of %1; %2 sent another: download from one register to see its own.</source>
        <translation>הדף מציג את הטבלה של %1; %2 שלחה טבלה אחרת: יש להוריד מקופה אחת כדי לראות את שלה.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Not sent to %1: no baseline yet (download from it, or install the whole table).</source>
        <translation>לא נשלח אל %1: אין עדיין נקודת ייחוס (יש להוריד ממנה, או להעלות את כל הטבלה).</translation>
    </message>
</context>
<context>
    <name>TransferMonitor</name>
    <message>
        <location filename="../app/transfer/transfermonitor.cpp" line="+55"/>
        <source>%v rows received</source>
        <extracomment>Progress bar of a download: %v is the number of rows received so far.</extracomment>
        <translation>התקבלו %v שורות</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%v / %m rows</source>
        <extracomment>Progress bar of a send: %v rows acknowledged of %m.</extracomment>
        <translation>%v / %m שורות</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>%1 registers: all ended well; each is in the log</source>
        <translation>%1 קופות: כולן הסתיימו בהצלחה; כל אחת מופיעה ביומן</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 registers: %2 ended well, %3 did not; each is in the log</source>
        <translation>%1 קופות: %2 הסתיימו בהצלחה, %3 לא; כל אחת מופיעה ביומן</translation>
    </message>
</context>
<context>
    <name>TransferOutcome</name>
    <message>
        <location filename="../link/outcome.cpp" line="-169"/>
        <source>%1 s</source>
        <translation>%1 שנ&apos;</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../link/transfer.cpp" line="-245"/>
        <source>the system parameters</source>
        <translation>פרמטרי המערכת</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the logo</source>
        <translation>הלוגו</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 rows</source>
        <translation>%1 שורות</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> after %1</source>
        <translation> אחרי %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>, the first of %1 rows</source>
        <translation>, הראשונה מתוך %1 שורות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> after %1 of %2 rows</source>
        <translation> אחרי %1 מתוך %2 שורות</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 added</source>
        <translation>נוספו: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 updated</source>
        <translation>עודכנו: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 deleted</source>
        <translation>נמחקו: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 installed</source>
        <translation>הועלו: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 cannot be read over this link: %2 came and were dropped</source>
        <translation>%1 אינן נקראות בחיבור זה: %2 הגיעו ונזרקו</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the register holds no %1</source>
        <translation>אין %1 בקופה</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 downloaded</source>
        <translation>הורדו: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every table erased</source>
        <translation>כל הטבלאות נמחקו</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nothing sent: the page holds no %1</source>
        <translation>לא נשלח דבר: אין %1 בדף</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 changed: %2</source>
        <translation>שינויים ב%1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and verified</source>
        <translation>%1, ואומתו</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; the register answered late and rows were sent again: download from it to see what it holds</source>
        <translation>; הקופה ענתה באיחור ושורות נשלחו שוב: יש להוריד ממנה כדי לראות מה היא מחזיקה</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>; the register answered more often than it was asked: download from it to see what it holds</source>
        <translation>; הקופה ענתה יותר פעמים משנשאלה: יש להוריד ממנה כדי לראות מה היא מחזיקה</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the register refused the request (code %1)</source>
        <translation>הקופה דחתה את הבקשה (קוד %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the register refused %1 (code %2)%3</source>
        <translation>הקופה דחתה את %1 (קוד %2)%3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no answer from the register%1 (%2)</source>
        <translation>אין תשובה מהקופה%1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no answer from the register to %1%2 (%3 attempt, %4)</source>
        <translation>אין תשובה מהקופה על %1%2 (ניסיון %3, %4)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer from the register to %1%2 (%3 attempts, %4)</source>
        <translation>אין תשובה מהקופה על %1%2 (%3 ניסיונות, %4)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the register sent a bad frame (%1)%2</source>
        <translation>הקופה שלחה מסגרת פגומה (%1)%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cancelled by the operator after %1; the rows received were discarded</source>
        <translation>בוטל על ידי המפעיל אחרי %1; השורות שהתקבלו נמחקו</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancelled by the operator after %1 of %2 rows; the register keeps what it received (%3, perhaps with the row on its way)</source>
        <translation>בוטל על ידי המפעיל אחרי %1 מתוך %2 שורות; הקופה שומרת את מה שקיבלה (%3, ואולי גם את השורה שהייתה בדרך)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cancelled by the operator after %1 of %2 rows; the register keeps what it received (%3)</source>
        <translation>בוטל על ידי המפעיל אחרי %1 מתוך %2 שורות; הקופה שומרת את מה שקיבלה (%3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing</source>
        <translation>כלום</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the link ended%1; the register keeps what it received</source>
        <translation>החיבור נותק%1; הקופה שומרת את מה שקיבלה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the link ended%1</source>
        <translation>החיבור נותק%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; what the register now holds could not be noted in the set: download from it before comparing</source>
        <translation>; לא ניתן היה לרשום בערכה מה הקופה מחזיקה כעת: יש להוריד ממנה לפני השוואה</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+41"/>
        <source>%1 more</source>
        <translation>עוד %1</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>the register(s)</source>
        <translation>הקופה או הקופות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the connected register (%1)</source>
        <translation>הקופה המחוברת (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the %1 connected registers (%2)</source>
        <translation>כל %1 הקופות המחוברות (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Erase every table of %1? This cannot be undone.</source>
        <translation>למחוק את כל הטבלאות של %1? אי אפשר לבטל זאת.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 connected registers</source>
        <translation>כל %1 הקופות המחוברות</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete %1 from %2?</source>
        <translation>למחוק %1 מ%2?</translation>
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
        <translation>האימות בוטל על ידי המפעיל</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the link ended before the table came back</source>
        <translation>החיבור הסתיים לפני שהטבלה חזרה</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>the clear command</source>
        <translation>פקודת המחיקה</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>logo part %1 of %2</source>
        <translation>חלק %1 מתוך %2 של הלוגו</translation>
    </message>
    <message>
        <location filename="../link/changes.cpp" line="-39"/>
        <source>Delete from %1 connected registers: %2?</source>
        <extracomment>%1 how many registers, %2 for each register what it loses (&quot;127.0.0.1: 1 PLU (1001 TEA)&quot;)</extracomment>
        <translation>למחוק מ-%1 קופות מחוברות: %2?</translation>
    </message>
</context>
<context>
    <name>TransferQuestions</name>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="+13"/>
        <source>Send the other changes without deleting them, or nothing at all (Cancel).</source>
        <translation>לשלוח את שאר השינויים בלי למחוק אותם, או לא לשלוח דבר (ביטול).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete and send</source>
        <extracomment>Buttons: delete those PLUs and send the other changes; send the other changes only</extracomment>
        <translation>מחיקה ושליחה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send without deleting</source>
        <translation>שליחה בלי מחיקה</translation>
    </message>
</context>
<context>
    <name>VerifyReport</name>
    <message>
        <location filename="../records/verify.cpp" line="+37"/>
        <source>1 row</source>
        <translation>שורה אחת</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation>%1 שורות</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>not on the register</source>
        <translation>לא נמצא בקופה</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>still on the register</source>
        <translation>עדיין בקופה</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 sent %2, the register holds %3</source>
        <translation>%1: נשלח %2, בקופה %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>not verified: %1</source>
        <translation>לא אומת: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>verified: %1 gone</source>
        <translation>אומת: אין עוד בקופה %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>verified: %1 identical</source>
        <translation>אומת: %1 ללא הבדל</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; the register holds %1 more</source>
        <translation>; בקופה יש עוד %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>verify: %1 of %2 still on the register</source>
        <translation>אימות: %1 מתוך %2 עדיין בקופה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify: %1 of %2 differs</source>
        <translation>אימות: %1 מתוך %2 שונה</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify: %1 of %2 differ</source>
        <translation>אימות: %1 מתוך %2 שונות</translation>
    </message>
    <message>
        <location filename="../link/transfer.cpp" line="-53"/>
        <source>a frame of the table failed its check (BCC ERR)</source>
        <translation>מסגרת של הטבלה נכשלה בבדיקה (שגיאת סכום ביקורת)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the table did not come back (RCV ERR)</source>
        <translation>הטבלה לא חזרה (שגיאת קליטה)</translation>
    </message>
</context>
<context>
    <name>adminmodDialog</name>
    <message>
        <location filename="../app/dialogs/adminmoddialog.ui" line="+16"/>
        <source>UserName:</source>
        <translation>שם משתמש:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+17"/>
        <source>Password:</source>
        <translation>סיסמה:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+71"/>
        <source>The same password again</source>
        <translation>אותה סיסמה שוב</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>New Name:</source>
        <translation>שם חדש:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Old Pwd:</source>
        <translation>סיסמה ישנה:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+17"/>
        <source>New Pwd:</source>
        <translation>סיסמה חדשה:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Ok</source>
        <translation>אישור</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <location filename="../app/dialogs/adminmoddialog.cpp" line="+40"/>
        <source>Warning!</source>
        <translation>אזהרה!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>user name set err!</source>
        <translation>שגיאה בשם המשתמש!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+31"/>
        <source>new password set err!</source>
        <translation>שגיאה בסיסמה החדשה!</translation>
    </message>
    <message>
        <location line="-27"/>
        <location line="+33"/>
        <source>user is exist!</source>
        <translation>המשתמש כבר קיים!</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>new name set err!</source>
        <translation>שגיאה בשם החדש!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>old password err!</source>
        <translation>הסיסמה הישנה שגויה!</translation>
    </message>
</context>
<context>
    <name>db_create</name>
    <message>
        <location filename="../app/dialogs/db_create.ui" line="+9"/>
        <source>Dialog</source>
        <translation>ערכה חדשה</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>INPUT DB NAME:</source>
        <translation>שם הערכה:</translation>
    </message>
</context>
<context>
    <name>loginDialog</name>
    <message>
        <location filename="../app/dialogs/logindialog.ui" line="+9"/>
        <source>User Login</source>
        <translation>כניסת משתמש</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choice language:</source>
        <translation>בחירת שפה:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Username:</source>
        <translation>שם משתמש:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>סיסמה:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Login</source>
        <translation>כניסה</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <location filename="../app/dialogs/logindialog.cpp" line="-52"/>
        <source>First start: log in as admin with the password 604218, then change that password in user management (the %1 button).</source>
        <translation>הפעלה ראשונה: היכנסו כ-admin עם הסיסמה 604218, ואחר כך שנו סיסמה זו בניהול משתמשים (הכפתור %1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The user database cannot be read: %1.
%2
Nobody can log in until it is restored or moved aside. It has not been changed.</source>
        <translation>לא ניתן לקרוא את מסד נתוני המשתמשים: %1.
%2
אף אחד לא יוכל להיכנס עד שהוא ישוחזר או יועבר למקום אחר. הוא לא שונה.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>username is not exist!</source>
        <translation>שם המשתמש לא קיים!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>password err!</source>
        <translation>סיסמה שגויה!</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+21"/>
        <source>Warning!</source>
        <translation>אזהרה!</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>The administrator admin still has the first password, which every new installation shows on its login screen. Change it in user management (the %1 button).</source>
        <translation>למנהל admin עדיין יש הסיסמה הראשונה, שכל התקנה חדשה מציגה במסך הכניסה שלה. שנו אותה בניהול משתמשים (הכפתור %1).</translation>
    </message>
</context>
<context>
    <name>rs232thread</name>
    <message>
        <location filename="../link/serialserver.cpp" line="+52"/>
        <source>the port did not open in time</source>
        <translation>היציאה לא נפתחה בזמן</translation>
    </message>
</context>
<context>
    <name>usrdb</name>
    <message>
        <location filename="../users/usrdb.cpp" line="+130"/>
        <source>can not open usr_db database</source>
        <translation>לא ניתן לפתוח את מסד הנתונים usr_db</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to establish a usr_db database connection.</source>
        <translation>לא ניתן ליצור חיבור למסד הנתונים usr_db.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>no such table: %1</source>
        <translation>הטבלה לא קיימת: %1</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>the user is no longer there</source>
        <translation>המשתמש כבר לא קיים</translation>
    </message>
</context>
<context>
    <name>usrdialog</name>
    <message>
        <location filename="../app/dialogs/usrdialog.ui" line="+9"/>
        <source>User Management</source>
        <translation>ניהול משתמשים</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>UserList</source>
        <translation>רשימת משתמשים</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>AdminEdit</source>
        <translation>עריכת מנהל</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Admin:</source>
        <translation>מנהל:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+53"/>
        <source>Password:</source>
        <translation>סיסמה:</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+159"/>
        <source>Modify</source>
        <translation>שינוי</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>UserInfo</source>
        <translation>פרטי משתמש</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UserName:</source>
        <translation>שם משתמש:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>UserPermissions</source>
        <translation>הרשאות משתמש</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TRAILER</source>
        <translation>כותרת תחתונה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DISCOUNT</source>
        <translation>הנחה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>TAX</source>
        <translation>מע&quot;מ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GRAPHIC</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GROUP</source>
        <translation>קבוצה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PLU</source>
        <translation>פריט</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HEADER</source>
        <translation>כותרת עליונה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CLERK</source>
        <translation>קופאי</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DEPARTMENT</source>
        <translation>מחלקה</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NET</source>
        <translation>רשת</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>SYSTEM</source>
        <translation>מערכת</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>UserEdit</source>
        <translation>עריכת משתמש</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../app/dialogs/usrdialog.cpp" line="+209"/>
        <source>Add User</source>
        <translation>הוספת משתמש</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete User</source>
        <translation>מחיקת משתמש</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SetPerm</source>
        <translation>קביעת הרשאות</translation>
    </message>
    <message>
        <location filename="../app/dialogs/usrdialog.cpp" line="-157"/>
        <source>Modify changes nothing: tick the boxes and press SetPerm</source>
        <translation>&quot;שינוי&quot; אינו משנה דבר: יש לסמן את התיבות וללחוץ על &quot;קביעת הרשאות&quot;</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>none</source>
        <translation>ללא</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>There is no user to choose: Add User first</source>
        <translation>אין משתמש לבחירה: הוסיפו משתמש תחילה</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 no longer exists: the list is read again</source>
        <translation>המשתמש %1 כבר לא קיים: הרשימה נקראת מחדש</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Choose a user in the list first</source>
        <translation>יש לבחור תחילה משתמש ברשימה</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Permissions of %1 saved: %2</source>
        <translation>ההרשאות של %1 נשמרו: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Permissions of %1 not saved: %2</source>
        <extracomment>%2 why (the database&apos;s reason)</extracomment>
        <translation>ההרשאות של %1 לא נשמרו: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>delete user</source>
        <extracomment>Title of the question before a user is deleted</extracomment>
        <translation>מחיקת משתמש</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete the user %1? %1 can no longer log in, and this cannot be undone.</source>
        <translation>למחוק את המשתמש %1? %1 לא יוכל עוד להיכנס, ואי אפשר לבטל זאת.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kept</source>
        <translation>%1 נשמר</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 not deleted: %2</source>
        <translation>%1 לא נמחק: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The user was not added: %1</source>
        <extracomment>%1 why (the database&apos;s reason)</extracomment>
        <translation>המשתמש לא נוסף: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Name and password of the administrator not saved: %1</source>
        <extracomment>%1 why (the database&apos;s reason)</extracomment>
        <translation>השם והסיסמה של המנהל לא נשמרו: %1</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>%1 deleted</source>
        <extracomment>%2 why (the database&apos;s reason)</extracomment>
        <translation>המשתמש %1 נמחק</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 added with every permission: untick and SetPerm to restrict</source>
        <translation>המשתמש %1 נוסף עם כל ההרשאות: להגבלה יש לבטל את הסימון וללחוץ על &quot;קביעת הרשאות&quot;</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Mod Admin</source>
        <translation>שינוי מנהל</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name and password of the administrator saved: %1</source>
        <translation>השם והסיסמה של המנהל נשמרו: %1</translation>
    </message>
</context>
</TS>
