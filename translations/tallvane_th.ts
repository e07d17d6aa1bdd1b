<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../app/help/aboutdialog.ui" line="+6"/>
        <source>About Tallvane</source>
        <translation>เกี่ยวกับ Tallvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Programs electronic cash registers from a PC.</source>
        <translation>ตั้งโปรแกรมเครื่องเก็บเงินจากคอมพิวเตอร์</translation>
    </message>
    <message>
        <location filename="../app/help/aboutdialog.cpp" line="+17"/>
        <source>Version %1</source>
        <translation>เวอร์ชัน %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
        <translation>ซอฟต์แวร์เสรีภายใต้สัญญาอนุญาต GNU General Public License รุ่น 3 หรือใหม่กว่า (GPL-3.0-or-later) โดยไม่มีการรับประกันใดๆ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Data folder: %1</source>
        <translation>โฟลเดอร์ข้อมูล: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (สร้างด้วย %2)</translation>
    </message>
</context>
<context>
    <name>ButtonCaption</name>
    <message>
        <location filename="../app/buttonpictures.cpp" line="+30"/>
        <source>GROUP</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEPT</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>สินค้า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX</source>
        <translation>ภาษี</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DISC</source>
        <translation>ส่วนลด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLERK</source>
        <translation>แคชเชียร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HEADER</source>
        <translation>หัวใบเสร็จ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRAILER</source>
        <translation>ท้ายใบเสร็จ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOGO</source>
        <translation>โลโก้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NETWORK</source>
        <translation>เครือข่าย</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SYSTEM</source>
        <translation>ระบบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/dialogs/logindialog.cpp" line="+98"/>
        <location line="+50"/>
        <source>USERS</source>
        <translation>ผู้ใช้</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Install</source>
        <extracomment>Sends the page&apos;s table to the register(s)</extracomment>
        <translation>ติดตั้ง</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download</source>
        <extracomment>Reads the page&apos;s table from the register</extracomment>
        <translation>ดาวน์โหลด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export</source>
        <extracomment>Writes the page to a CSV file (not File &gt; Save, which stores the page in the set)</extracomment>
        <translation>ส่งออก</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add</source>
        <extracomment>Adds the selected PLUs to the register(s)</extracomment>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update</source>
        <extracomment>Updates the selected PLUs on the register(s)</extracomment>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <extracomment>Deletes the selected PLUs from the register(s)</extracomment>
        <translation>ลบ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>Back to the category buttons</extracomment>
        <translation>กลับ</translation>
    </message>
</context>
<context>
    <name>ButtonPage</name>
    <message>
        <location filename="../app/pages/buttonpage.ui" line="+36"/>
        <location line="+3"/>
        <source>Group</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Dept</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Plu</source>
        <translation>สินค้า</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Tax</source>
        <translation>ภาษี</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Disc</source>
        <translation>ส่วนลด</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Clerk</source>
        <translation>แคชเชียร์</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Header</source>
        <translation>หัวใบเสร็จ</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Trailer</source>
        <translation>ท้ายใบเสร็จ</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Logo: the picture printed at the top of the receipt</source>
        <translation>โลโก้: รูปที่พิมพ์ที่ด้านบนของใบเสร็จ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>graphic</source>
        <translation>โลโก้</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Network: the register&apos;s network parameters</source>
        <translation>เครือข่าย: ค่าเครือข่ายของเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NetParm</source>
        <translation>ค่าเครือข่าย</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>System: the register&apos;s system parameters</source>
        <translation>ระบบ: ค่าระบบของเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SysParm</source>
        <translation>ค่าระบบ</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Users: operators and their permissions</source>
        <translation>ผู้ใช้: ผู้ใช้งานและสิทธิ์ของแต่ละคน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>admin</source>
        <translation>ผู้ดูแลระบบ</translation>
    </message>
    <message>
        <location filename="../app/pages/buttonpage.cpp" line="+87"/>
        <source>Locked: opening %1 needs the %2 permission. An administrator grants it in user management.</source>
        <translation>ถูกล็อก: การเปิด %1 ต้องมีสิทธิ์ %2 ผู้ดูแลระบบให้สิทธิ์นี้ได้ในหน้าจัดการผู้ใช้</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Locked: only the administrator manages users.</source>
        <translation>ล็อกอยู่: เฉพาะผู้ดูแลระบบเท่านั้นที่จัดการผู้ใช้ได้</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <location filename="../records/categories.cpp" line="+23"/>
        <source>department</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>departments</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>สินค้า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLUs</source>
        <translation>สินค้า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tax</source>
        <translation>ภาษี</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taxes</source>
        <translation>ภาษี</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discount</source>
        <translation>ส่วนลด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discounts</source>
        <translation>ส่วนลด</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>groups</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clerk</source>
        <translation>แคชเชียร์</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clerks</source>
        <translation>แคชเชียร์</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>header line</source>
        <translation>บรรทัดหัวใบเสร็จ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>header lines</source>
        <translation>บรรทัดหัวใบเสร็จ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>extended header line</source>
        <translation>บรรทัดหัวใบเสร็จเพิ่มเติม</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>extended header lines</source>
        <translation>บรรทัดหัวใบเสร็จเพิ่มเติม</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>trailer line</source>
        <translation>บรรทัดท้ายใบเสร็จ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>trailer lines</source>
        <translation>บรรทัดท้ายใบเสร็จ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>network parameter record</source>
        <translation>ค่าเครือข่าย</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>network parameter records</source>
        <translation>ค่าเครือข่าย</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>system parameter record</source>
        <translation>ค่าระบบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>system parameter records</source>
        <translation>ค่าระบบ</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 row</source>
        <translation>1 แถว</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation>%1 แถว</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2</source>
        <translation>%2 %1 รายการ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rows</source>
        <translation>แถว</translation>
    </message>
    <message>
        <location filename="../link/outcome.cpp" line="+190"/>
        <source>row</source>
        <translation>แถว</translation>
    </message>
</context>
<context>
    <name>CategoryPage</name>
    <message>
        <location filename="../app/pages/categorypages.cpp" line="+11"/>
        <source>Group</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groups</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dept</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Departments</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plu</source>
        <translation>สินค้า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>สินค้า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tax</source>
        <translation>ภาษี</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taxes</source>
        <translation>ภาษี</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc</source>
        <translation>ส่วนลด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discounts</source>
        <translation>ส่วนลด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clerk</source>
        <translation>แคชเชียร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clerks</source>
        <translation>แคชเชียร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Header</source>
        <translation>หัวใบเสร็จ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Trailer</source>
        <translation>ท้ายใบเสร็จ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>graphic</source>
        <translation>โลโก้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logo</source>
        <translation>โลโก้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NetParm</source>
        <translation>ค่าเครือข่าย</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network</source>
        <translation>เครือข่าย</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SysParm</source>
        <translation>ค่าระบบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System</source>
        <translation>ระบบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXTHeader</source>
        <translation>หัวใบเสร็จเพิ่มเติม</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extended header</source>
        <translation>หัวใบเสร็จเพิ่มเติม</translation>
    </message>
</context>
<context>
    <name>CellMarks</name>
    <message>
        <location filename="../app/grid/cellmarks.cpp" line="+52"/>
        <source>1 cell</source>
        <translation>1 เซลล์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells</source>
        <translation>%1 เซลล์</translation>
    </message>
    <message>
        <location line="+345"/>
        <source>%1 will not reach the register as shown:</source>
        <translation>%1 จะถูกเก็บในเครื่องเก็บเงินไม่ตรงกับที่แสดง:</translation>
    </message>
    <message>
        <location line="-334"/>
        <source>row %1, %2: %3</source>
        <translation>แถว %1, %2: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>... and %1 more</source>
        <translation>... และอีก %1</translation>
    </message>
    <message>
        <location line="+332"/>
        <source>Send anyway?</source>
        <translation>ส่งต่อไปหรือไม่?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>warning</source>
        <translation>คำเตือน</translation>
    </message>
</context>
<context>
    <name>ColumnTips</name>
    <message>
        <location filename="../app/grid/columntips.cpp" line="+17"/>
        <source>in %1 a letter beyond ASCII takes two or more bytes</source>
        <translation>ใน %1 ตัวอักษรที่ไม่ใช่ ASCII ใช้สองไบต์ขึ้นไป</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 one byte a letter</source>
        <translation>ใน %1 หนึ่งไบต์ต่อตัวอักษร</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: numbered by the register; not sent</source>
        <translation>%1: เครื่องเก็บเงินกำหนดหมายเลขเอง ไม่ถูกส่งไป</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: up to %2 bytes; %3</source>
        <translation>%1: ไม่เกิน %2 ไบต์ %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: an amount of up to %2 digits, %3 of them after the point</source>
        <translation>%1: จำนวนเงินไม่เกิน %2 หลัก เป็นทศนิยม %3 หลัก</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: a number of up to %2 digits</source>
        <translation>%1: ตัวเลขไม่เกิน %2 หลัก</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: a whole number from %2 to %3</source>
        <translation>%1: จำนวนเต็มตั้งแต่ %2 ถึง %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: eight options as digits 1 (on) and 0 (off), the right-most the first</source>
        <translation>%1: ตัวเลือกแปดรายการเป็นตัวเลข 1 (เปิด) และ 0 (ปิด) หลักขวาสุดคือรายการแรก</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: eight options as digits 1 (on) and 0 (off), the right-most the first; double-click the cell, or right-click it, to choose them</source>
        <translation>%1: ตัวเลือกแปดรายการเป็นตัวเลข 1 (เปิด) และ 0 (ปิด) หลักขวาสุดคือรายการแรก ดับเบิลคลิกหรือคลิกขวาที่เซลล์เพื่อเลือก</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: some of the digits %2 to %3, in any order</source>
        <translation>%1: ตัวเลขบางตัวจาก %2 ถึง %3 เรียงลำดับใดก็ได้</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: an IPv4 address, four numbers from 0 to 255 joined by dots</source>
        <translation>%1: ที่อยู่ IPv4 ตัวเลขสี่ชุดตั้งแต่ 0 ถึง 255 คั่นด้วยจุด</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: 64 hexadecimal digits, or empty</source>
        <translation>%1: เลขฐานสิบหก 64 หลัก หรือว่างเปล่า</translation>
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
        <translation>ลำดับ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/dept.cpp" line="+1"/>
        <location filename="../records/disc.cpp" line="+1"/>
        <location filename="../records/group.cpp" line="+1"/>
        <location filename="../records/plu.cpp" line="+67"/>
        <location filename="../records/tax.cpp" line="+1"/>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passwd</source>
        <translation>รหัสผ่าน</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/dept.cpp" line="+3"/>
        <location filename="../records/disc.cpp" line="+5"/>
        <location filename="../records/tax.cpp" line="+2"/>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <location filename="../records/dept.cpp" line="-2"/>
        <source>Group</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/disc.cpp" line="-1"/>
        <source>Print</source>
        <translation>การพิมพ์</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../records/disc.cpp" line="-1"/>
        <source>Tax</source>
        <translation>ภาษี</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/plu.cpp" line="+2"/>
        <source>Price</source>
        <translation>ราคา</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PriceMax</source>
        <translation>ราคาสูงสุด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kp</source>
        <translation>พิมพ์ครัว</translation>
    </message>
    <message>
        <location filename="../records/disc.cpp" line="-2"/>
        <source>Fixed</source>
        <translation>ค่าคงที่</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/group.cpp" line="+1"/>
        <source>Max</source>
        <translation>สูงสุด</translation>
    </message>
    <message>
        <location filename="../records/lines.cpp" line="-26"/>
        <source>Header</source>
        <translation>หัวใบเสร็จ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EXTHeader</source>
        <translation>หัวใบเสร็จเพิ่มเติม</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trailer</source>
        <translation>ท้ายใบเสร็จ</translation>
    </message>
    <message>
        <location filename="../records/netparm.cpp" line="+1"/>
        <source>Option</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPAddress</source>
        <translation>ที่อยู่ IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ClientPort</source>
        <translation>พอร์ตเครื่องลูกข่าย</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerIP</source>
        <translation>IP เซิร์ฟเวอร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerPort</source>
        <translation>พอร์ตเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GateWay</source>
        <translation>เกตเวย์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPMask</source>
        <translation>มาสก์ IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PrimaryDNS</source>
        <translation>DNS หลัก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SecondDNS</source>
        <translation>DNS รอง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerURL</source>
        <translation>URL เซิร์ฟเวอร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UserName</source>
        <translation>ชื่อผู้ใช้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password</source>
        <translation>รหัสผ่าน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PersonalCode</source>
        <translation>รหัสส่วนตัว</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SecurityCode</source>
        <translation>รหัสความปลอดภัย</translation>
    </message>
    <message>
        <location filename="../records/plu.cpp" line="-3"/>
        <source>Random</source>
        <translation>รหัสสินค้า</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dept</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stock+</source>
        <translation>สต็อก+</translation>
    </message>
    <message>
        <location filename="../records/tax.cpp" line="-1"/>
        <source>Rate</source>
        <translation>อัตรา</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <location filename="../app/dialogs/comparedialog.ui" line="+9"/>
        <source>Compare with register</source>
        <translation>เปรียบเทียบกับเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Differences per register</source>
        <translation>ความแตกต่างของแต่ละเครื่อง</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Difference</source>
        <translation>ความแตกต่าง</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Download and compare</source>
        <translation>ดาวน์โหลดและเปรียบเทียบ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Read the table from each register now and compare it with the page</source>
        <translation>อ่านตารางจากเครื่องเก็บเงินแต่ละเครื่องตอนนี้ และเปรียบเทียบกับหน้านี้</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Send changes</source>
        <translation>ส่งเฉพาะที่เปลี่ยน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Send each register only what differs from what it holds</source>
        <translation>ส่งให้เครื่องเก็บเงินแต่ละเครื่องเฉพาะส่วนที่ต่างจากข้อมูลที่เครื่องมีอยู่</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <location filename="../app/dialogs/comparedialog.cpp" line="+47"/>
        <source>... and %1 more</source>
        <translation>... และอีก %1</translation>
    </message>
</context>
<context>
    <name>ConfigDb</name>
    <message>
        <location filename="../storage/configdb.cpp" line="+76"/>
        <location line="+521"/>
        <location line="+17"/>
        <source>Warnning!</source>
        <translation>คำเตือน!</translation>
    </message>
    <message>
        <location line="-537"/>
        <location line="+245"/>
        <source>database is not connect.</source>
        <translation>ไม่ได้เชื่อมต่อฐานข้อมูล</translation>
    </message>
    <message>
        <location line="-240"/>
        <source>can not open database</source>
        <translation>เปิดฐานข้อมูลไม่ได้</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+254"/>
        <source>Unable to establish a database connection.</source>
        <translation>ไม่สามารถเชื่อมต่อฐานข้อมูลได้</translation>
    </message>
    <message>
        <location line="-222"/>
        <location filename="../storage/setcopy.cpp" line="+38"/>
        <source>no such file</source>
        <translation>ไม่พบไฟล์</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../storage/setcopy.cpp" line="+24"/>
        <source>no such set on the server</source>
        <translation>ไม่มีชุดตั้งค่านี้บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>the version of %1 could not be read</source>
        <translation>อ่านเวอร์ชันของ %1 ไม่ได้</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>its columns itemData and itemOrder are of types %1 and %2, not bytea and integer</source>
        <translation>คอลัมน์ itemData และ itemOrder เป็นชนิด %1 และ %2 ไม่ใช่ bytea และ integer</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>%1 cannot be opened: %2.</source>
        <translation>เปิด %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cannot be read: %2. Nothing was changed, and nothing will be saved into it.</source>
        <translation>อ่าน %1 ไม่ได้: %2 ไม่มีการเปลี่ยนแปลงใดๆ และจะไม่บันทึกสิ่งใดลงในไฟล์นี้</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no such table: %1</source>
        <translation>ไม่พบตาราง: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2. Nothing was changed; those categories show empty and are not saved.</source>
        <translation>%1: %2 ไม่มีการเปลี่ยนแปลงใดๆ หมวดหมู่เหล่านั้นจะแสดงว่างและจะไม่ถูกบันทึก</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is read-only: saves are refused.</source>
        <translation>%1 เป็นแบบอ่านอย่างเดียว: บันทึกไม่ได้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> It is read-only: saves are refused.</source>
        <translation> ไฟล์นี้เป็นแบบอ่านอย่างเดียว: บันทึกไม่ได้</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds %2 register texts (%3); the window shows %4</source>
        <translation>%1 เก็บข้อความสำหรับเครื่องเก็บเงินเป็นภาษา%2 (%3) แต่หน้าต่างแสดงภาษา%4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds %2 register texts (%3); the tool&apos;s --language is %4</source>
        <translation>%1 เก็บข้อความสำหรับเครื่องเก็บเงินเป็นภาษา%2 (%3) แต่ --language ของเครื่องมือเป็นภาษา%4</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+17"/>
        <source>%1 is exist.</source>
        <translation>%1 มีอยู่แล้ว</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>%1 was saved into %2 by %3 at %4, after this program loaded it</source>
        <translation>%1 ถูกบันทึกลงใน %2 โดย %3 เมื่อ %4 หลังจากที่โปรแกรมนี้โหลดมาแล้ว</translation>
    </message>
    <message>
        <location filename="../storage/setcopy.cpp" line="-19"/>
        <source>not a file but a device, a pipe or a folder</source>
        <translation>ไม่ใช่ไฟล์ แต่เป็นอุปกรณ์ ไปป์ หรือโฟลเดอร์</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>it holds no configuration set</source>
        <translation>ไม่มีชุดตั้งค่าอยู่ในนั้น</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it lacks the table(s) %1</source>
        <translation>ขาดตาราง %1</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>the language of its register texts could not be recorded</source>
        <translation>บันทึกภาษาของข้อความเครื่องบันทึกเงินสดไม่ได้</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <location filename="../app/transfer/connectionpanel.ui" line="+35"/>
        <source>Connection:</source>
        <translation>การเชื่อมต่อ:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Connection</source>
        <translation>การเชื่อมต่อ</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Look for serial ports again</source>
        <translation>ค้นหาพอร์ตอนุกรมอีกครั้ง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>refresh</source>
        <translation>รีเฟรช</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>ComNum</source>
        <translation>พอร์ต COM</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate</source>
        <translation>บอดเรต</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Parity</source>
        <translation>พาริตี</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>EVENT</source>
        <translation>คู่</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data bits</source>
        <translation>บิตข้อมูล</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Stop bits</source>
        <translation>บิตหยุด</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Flow control</source>
        <translation>การควบคุมการไหล</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>OFF</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ON</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <location line="+3"/>
        <location filename="../app/transfer/connectionpanel.cpp" line="+44"/>
        <location line="+277"/>
        <source>Open Serial</source>
        <translation>เปิดพอร์ตอนุกรม</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Connected registers</source>
        <translation>เครื่องเก็บเงินที่เชื่อมต่อ</translation>
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
        <translation>ล็อกการถ่ายโอน:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Progress log</source>
        <translation>ล็อกความคืบหน้า</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What each register took or sent, and how each transfer ended</source>
        <translation>ข้อมูลที่เครื่องเก็บเงินแต่ละเครื่องรับหรือส่ง และผลของการถ่ายโอนแต่ละครั้ง</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Errors:</source>
        <translation>ข้อผิดพลาด:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error log</source>
        <translation>ล็อกข้อผิดพลาด</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Refusals, time-outs and bad frames, with the row they came at</source>
        <translation>การปฏิเสธ การหมดเวลา และเฟรมที่ผิดพลาด พร้อมแถวที่เกิดขึ้น</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.cpp" line="+22"/>
        <source>Transfer progress</source>
        <translation>ความคืบหน้าการถ่ายโอน</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.ui" line="+12"/>
        <source>After an install, read the table back from the register and compare it with what was sent</source>
        <translation>หลังการติดตั้ง อ่านตารางกลับจากเครื่องเก็บเงิน และเปรียบเทียบกับข้อมูลที่ส่งไป</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after install</source>
        <translation>ตรวจสอบหลังติดตั้ง</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Compare</source>
        <translation>เปรียบเทียบ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send changes</source>
        <translation>ส่งเฉพาะที่เปลี่ยน</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <translation>ติดตั้ง: ส่งตารางของหน้านี้ไปยังเครื่องเก็บเงิน (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install</source>
        <translation>ติดตั้ง</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>download: read this page&apos;s table from the register (Ctrl+D)</source>
        <translation>ดาวน์โหลด: อ่านตารางของหน้านี้จากเครื่องเก็บเงิน (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>download</source>
        <translation>ดาวน์โหลด</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Stop the transfer after the current frame (Esc)</source>
        <translation>หยุดการถ่ายโอนหลังเฟรมปัจจุบัน (Esc)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Stop the transfer after the current frame</source>
        <translation>หยุดการถ่ายโอนหลังเฟรมปัจจุบัน</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.cpp" line="-62"/>
        <source>%1 The address and port are set under [tcp] in tallvane.ini.</source>
        <translation>%1 ที่อยู่และพอร์ตกำหนดไว้ในส่วน [tcp] ของ tallvane.ini</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Name</source>
        <extracomment>Column of the connected registers: the name the operator gives a register.</extracomment>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not named: a register&apos;s name is kept in the open set; open a set first</source>
        <translation>ไม่ได้ตั้งชื่อ: ชื่อเครื่องเก็บเงินเก็บไว้ในชุดตั้งค่าที่เปิดอยู่ เปิดชุดตั้งค่าก่อน</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not named: %1 cannot keep the register&apos;s name</source>
        <translation>ไม่ได้ตั้งชื่อ: %1 เก็บชื่อเครื่องเก็บเงินไม่ได้</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Serial</source>
        <extracomment>Connection type: a register on the RS-232 port.</extracomment>
        <translation>พอร์ตอนุกรม</translation>
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
        <translation>เปิดพอร์ตอนุกรมก่อน</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose Serial or Tcp first.</source>
        <translation>เลือกพอร์ตอนุกรมหรือ TCP ก่อน</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No register is connected. Registers must connect to %1.</source>
        <translation>ไม่มีเครื่องเก็บเงินเชื่อมต่ออยู่ เครื่องเก็บเงินต้องเชื่อมต่อมาที่ %1</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Registers connect to %1</source>
        <translation>เครื่องเก็บเงินเชื่อมต่อมาที่ %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Tcp: connection from %1 refused: %2</source>
        <translation>TCP: ปฏิเสธการเชื่อมต่อจาก %1: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no port found</source>
        <translation>ไม่พบพอร์ต</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+17"/>
        <source>can not open serial</source>
        <translation>เปิดพอร์ตอนุกรมไม่ได้</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>no select serial port.</source>
        <translation>ยังไม่ได้เลือกพอร์ตอนุกรม</translation>
    </message>
    <message>
        <location line="-289"/>
        <location line="+296"/>
        <source>Close Serial</source>
        <translation>ปิดพอร์ตอนุกรม</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 could not be opened: %2</source>
        <translation>เปิด %1 ไม่ได้: %2</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../storage/csvfile.cpp" line="+360"/>
        <source>it is a database, not a table file: nothing was written</source>
        <translation>เป็นฐานข้อมูล ไม่ใช่ไฟล์ตาราง: ไม่ได้เขียนอะไรเลย</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>not every byte could be written (is the disk full?)</source>
        <extracomment>Why an export failed when the system gives no reason of its own</extracomment>
        <translation>เขียนข้อมูลได้ไม่ครบทุกไบต์ (ดิสก์เต็มหรือไม่?)</translation>
    </message>
</context>
<context>
    <name>DatabaseStatus</name>
    <message>
        <location filename="../app/databasestatus.cpp" line="+90"/>
        <source>Not saved: the database keeps its previous rows.</source>
        <translation>ไม่ได้บันทึก: ฐานข้อมูลยังเก็บแถวเดิมไว้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved (%1): the database keeps its previous rows.</source>
        <translation>ไม่ได้บันทึก (%1): ฐานข้อมูลยังเก็บแถวเดิมไว้</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <location filename="../app/editmenu.cpp" line="+19"/>
        <source>Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>ทำซ้ำ</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert row</source>
        <extracomment>Insert an empty row in the grid</extracomment>
        <translation>แทรกแถว</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add an empty row to the page after the current one</source>
        <translation>แทรกแถวว่างในหน้านี้ต่อจากแถวปัจจุบัน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete row(s)</source>
        <translation>ลบแถว</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Take the selected rows out of the page (the register keeps them)</source>
        <translation>นำแถวที่เลือกออกจากหน้านี้ (เครื่องเก็บเงินยังเก็บแถวเหล่านั้นไว้)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find...</source>
        <translation>ค้นหา...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cut</source>
        <translation>ตัด</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the selected cells and empty them</source>
        <translation>คัดลอกเซลล์ที่เลือกแล้วทำให้ว่าง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear cells</source>
        <extracomment>Empty the selected cells of the grid (the rows stay)</extracomment>
        <translation>ทำเซลล์ให้ว่าง</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty the selected cells: texts become empty, numbers 0</source>
        <translation>ทำเซลล์ที่เลือกให้ว่าง: ข้อความจะว่าง ตัวเลขจะเป็น 0</translation>
    </message>
</context>
<context>
    <name>FieldDelegate</name>
    <message>
        <location filename="../app/grid/fielddelegate.cpp" line="+102"/>
        <source>%1 takes at most %2 bytes: what went past them was not taken</source>
        <extracomment>%1 the column, %2 how many bytes it takes in the register&apos;s code page</extracomment>
        <translation>%1 รับได้ไม่เกิน %2 ไบต์: ส่วนที่เกินไม่ได้ถูกรับไว้</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; ไม่ใช่ตัวเลข</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../app/grid/filecommands.cpp" line="+59"/>
        <source>save file</source>
        <translation>บันทึกไฟล์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>csv file(*.csv)</source>
        <translation>ไฟล์ CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write %1: %2</source>
        <translation>เขียน %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 written to %2</source>
        <extracomment>%1 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %2 the file</extracomment>
        <translation>เขียน %1 ลงใน %2 แล้ว</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Nothing imported: the page is unchanged</source>
        <translation>ไม่ได้นำเข้า: หน้านี้ไม่มีการเปลี่ยนแปลง</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 imported from %2</source>
        <extracomment>%1 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %2 the file</extracomment>
        <translation>นำเข้า %1 จาก %2 แล้ว</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>all supported files (*.xlsx *.csv);;xlsx file(*.xlsx);;csv file(*.csv)</source>
        <translation>ไฟล์ที่รองรับทั้งหมด (*.xlsx *.csv);;ไฟล์ xlsx (*.xlsx);;ไฟล์ CSV (*.csv)</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>%1 of %2 are not numbers: the page would show them as 0.</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the file</extracomment>
        <translation>%1 ใน %2 ไม่ใช่ตัวเลข: หน้านี้จะแสดงเป็น 0</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import anyway?</source>
        <translation>นำเข้าต่อไปหรือไม่?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>import</source>
        <translation>นำเข้า</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot import %1: %2. The grid is unchanged.</source>
        <translation>นำเข้า %1 ไม่ได้: %2 ตารางไม่มีการเปลี่ยนแปลง</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 holds no rows below its header line. The grid is unchanged.</source>
        <translation>%1 ไม่มีแถวข้อมูลใต้บรรทัดหัวคอลัมน์ ตารางไม่มีการเปลี่ยนแปลง</translation>
    </message>
</context>
<context>
    <name>FitCheck</name>
    <message>
        <location filename="../records/fitcheck.cpp" line="+236"/>
        <source>the register keeps</source>
        <translation>เครื่องเก็บเงินจะเก็บ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 not in %2</source>
        <translation>%1 ไม่มีใน %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes in %2</source>
        <translation>%1 ไบต์ใน %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the register keeps %1</source>
        <translation>เครื่องเก็บเงินจะเก็บ %1 ไบต์</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the register&apos;s text order changes it</source>
        <translation>ลำดับข้อความของเครื่องบันทึกเงินสดทำให้เปลี่ยนไป</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 not among the register&apos;s letters</source>
        <translation>%1 ไม่อยู่ในตัวอักษรของเครื่องบันทึกเงินสด</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a number</source>
        <translation>ไม่ใช่ตัวเลข</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>negative</source>
        <translation>ติดลบ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 decimals, the field takes %2</source>
        <translation>ทศนิยม %1 ตำแหน่ง แต่ช่องนี้รับได้ %2 ตำแหน่ง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>decimals, the field takes whole numbers</source>
        <translation>มีทศนิยม แต่ช่องนี้รับเฉพาะจำนวนเต็ม</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more than %1</source>
        <translation>มากกว่า %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a whole number</source>
        <translation>ไม่ใช่จำนวนเต็ม</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1 to %2</source>
        <translation>อยู่นอกช่วง %1 ถึง %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not eight characters 0 or 1</source>
        <translation>ไม่ใช่อักขระ 0 หรือ 1 จำนวนแปดตัว</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>only the digits %1 to %2 count</source>
        <translation>ใช้ได้เฉพาะตัวเลข %1 ถึง %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not four numbers from 0 to 255 joined by dots</source>
        <translation>ไม่ใช่ตัวเลข 0 ถึง 255 สี่ชุดคั่นด้วยจุด</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>lower-case letters</source>
        <translation>มีตัวพิมพ์เล็ก</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not %1 hexadecimal digits (0-9, A-F)</source>
        <translation>ไม่ใช่เลขฐานสิบหก %1 หลัก (0-9, A-F)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>nothing</source>
        <translation>ค่าว่าง</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>a later row has the same number; of this row the register keeps</source>
        <translation>แถวถัดไปมีหมายเลขเดียวกัน จากแถวนี้เครื่องบันทึกเงินสดเก็บ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a later row has the same code; of this row the register keeps</source>
        <translation>แถวถัดไปมีรหัสเดียวกัน จากแถวนี้เครื่องบันทึกเงินสดเก็บ</translation>
    </message>
</context>
<context>
    <name>Graphic</name>
    <message>
        <location filename="../logo/graphic.cpp" line="+224"/>
        <source>the %1 file is cut short</source>
        <translation>ไฟล์ %1 ถูกตัดสั้น</translation>
    </message>
</context>
<context>
    <name>GridClipboard</name>
    <message>
        <location filename="../app/grid/gridclipboard.cpp" line="+224"/>
        <source>Nothing to paste</source>
        <translation>ไม่มีข้อมูลให้วาง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cells pasted</source>
        <translation>วางแล้ว %1 เซลล์</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (1 row added)</source>
        <translation>%1 (เพิ่ม 1 แถว)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 rows added)</source>
        <translation>%1 (เพิ่ม %2 แถว)</translation>
    </message>
    <message>
        <location line="-189"/>
        <source>%1 locked</source>
        <translation>ล็อกอยู่ %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 outside the grid</source>
        <translation>อยู่นอกตาราง %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 below the rows the filter shows</source>
        <translation>อยู่ใต้แถวที่ตัวกรองแสดง %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 not accepted: %2</source>
        <translation>ไม่รับ %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2 skipped (%3)</source>
        <translation>%1, ข้าม %2 เซลล์ (%3)</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>1 cell pasted</source>
        <translation>วางแล้ว 1 เซลล์</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2 cut to what the field takes)</source>
        <extracomment>%1 &quot;3 cells pasted&quot;, %2 how many of them were cut</extracomment>
        <translation>%1 (ตัดให้พอดีกับช่อง %2)</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Nothing to clear</source>
        <translation>ไม่มีเซลล์ที่จะทำให้ว่าง</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 cell cleared</source>
        <translation>ทำให้ว่างแล้ว 1 เซลล์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells cleared</source>
        <translation>ทำให้ว่างแล้ว %1 เซลล์</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <location filename="../app/grid/gridmodel.cpp" line="+138"/>
        <source>edit of %1</source>
        <extracomment>An undo step (a cell typed in or set from a menu; %1 is its column), shown after &quot;Undo&quot; and &quot;Redo&quot;</extracomment>
        <translation>แก้ไข %1</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>insert rows</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>แทรกแถว</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>delete rows</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>ลบแถว</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>sort</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>เรียงลำดับ</translation>
    </message>
</context>
<context>
    <name>GridPage</name>
    <message>
        <location filename="../app/pages/gridpage.ui" line="+11"/>
        <source>&amp;Find:</source>
        <translation>ค้นหา (&amp;F):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find a code or a name (Ctrl+F)</source>
        <translation>ค้นหารหัสหรือชื่อ (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Find</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Previous match (Shift+F3)</source>
        <translation>รายการที่พบก่อนหน้า (Shift+F3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous</source>
        <translation>ก่อนหน้า</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next match (F3)</source>
        <translation>รายการที่พบถัดไป (F3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <translation>ถัดไป</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>F&amp;ilter:</source>
        <translation>กรอง (&amp;I):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show only rows containing...</source>
        <translation>แสดงเฉพาะแถวที่มี...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Filter</source>
        <translation>กรอง</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Items</source>
        <translation>รายการ</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Import a CSV or spreadsheet file into this page</source>
        <translation>นำเข้าไฟล์ CSV หรือไฟล์สเปรดชีตลงในหน้านี้</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>openfile</source>
        <translation>เปิดไฟล์</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Export this page to a CSV file</source>
        <translation>ส่งออกหน้านี้เป็นไฟล์ CSV</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>savefile</source>
        <translation>บันทึกไฟล์</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>update</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>กลับไปที่ปุ่มหมวดหมู่ (Alt+Left; จะถามก่อนหากมีการเปลี่ยนแปลงที่ยังไม่บันทึก)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>กลับ</translation>
    </message>
    <message>
        <location filename="../app/pages/gridpage.cpp" line="+84"/>
        <source>%1 of %2 shown</source>
        <translation>แสดง %1 จาก %2</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Save anyway?</source>
        <translation>บันทึกต่อไปหรือไม่?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: the page keeps its rows as they are</source>
        <translation>ไม่ได้บันทึก: หน้านี้ยังคงแถวไว้ตามเดิม</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saved %1 to %2</source>
        <translation>บันทึก %1 ลงใน %2 แล้ว</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(1 cell shown as stored)</source>
        <translation>(1 เซลล์แสดงตามที่บันทึกไว้)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(%1 cells shown as stored)</source>
        <translation>(%1 เซลล์แสดงตามที่บันทึกไว้)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The register holds %1: the page has every one</source>
        <translation>เครื่องบันทึกเงินสดเก็บ %1: หน้านี้มีครบทุกแถวแล้ว</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 deleted from the page (not from the register)</source>
        <translation>ลบ %1 ออกจากหน้านี้แล้ว (ไม่ได้ลบจากเครื่องเก็บเงิน)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undone: %1</source>
        <extracomment>%1 is an undo step as the Edit menu names it (&quot;paste&quot;, &quot;import&quot;)</extracomment>
        <translation>เลิกทำแล้ว: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redone: %1</source>
        <translation>ทำซ้ำแล้ว: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>paste</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>วาง</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>clear</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>ทำให้ว่าง</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cut</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>ตัด</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>An added PLU replaces the one with the same item code on the page.</source>
        <translation>PLU ที่เพิ่มจะแทนที่ PLU ที่มีรหัสสินค้าเดียวกันในหน้านี้</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An added row replaces the one with the same number on the page.</source>
        <translation>แถวที่เพิ่มจะแทนที่แถวที่มีหมายเลขเดียวกันในหน้า</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+22"/>
        <location line="+18"/>
        <source>import</source>
        <extracomment>Title of the question before rows read from a file go onto the page
----------
An undo step (rows read from a file), shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>นำเข้า</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>Replace the %1 on this page with the %2 from %3, or add them?</source>
        <extracomment>%1 and %2 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %3 the file</extracomment>
        <translation>แทนที่ %1 ในหน้านี้ด้วย %2 จาก %3 หรือเพิ่มต่อท้าย?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Replace</source>
        <extracomment>Buttons: replace the page&apos;s rows by the file&apos;s, or add the file&apos;s rows to them</extracomment>
        <translation>แทนที่</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add</source>
        <translation>เพิ่มต่อท้าย</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing imported: the page is unchanged</source>
        <translation>ไม่ได้นำเข้า: หน้านี้ไม่มีการเปลี่ยนแปลง</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>1 cell will not reach the register as shown</source>
        <translation>1 เซลล์จะถูกเก็บในเครื่องเก็บเงินไม่ตรงกับที่แสดง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells will not reach the register as shown</source>
        <translation>%1 เซลล์จะถูกเก็บในเครื่องเก็บเงินไม่ตรงกับที่แสดง</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Insert row</source>
        <extracomment>Insert an empty row in the grid</extracomment>
        <translation>แทรกแถว</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete row(s)</source>
        <translation>ลบแถว</translation>
    </message>
</context>
<context>
    <name>GridSearch</name>
    <message>
        <location filename="../app/grid/gridsearch.cpp" line="+60"/>
        <source>&quot;%1&quot; is not on this page</source>
        <translation>ไม่พบ &quot;%1&quot; ในหน้านี้</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <location filename="../app/grid/gridview.cpp" line="+91"/>
        <source>Open or create a configuration database (File &gt; open / new)</source>
        <translation>เปิดหรือสร้างชุดตั้งค่า (ไฟล์ &gt; เปิด / ใหม่)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No rows yet: download from the register, import a file, or add a row (Edit &gt; Insert row)</source>
        <translation>ยังไม่มีแถว: ดาวน์โหลดจากเครื่องเก็บเงิน นำเข้าไฟล์ หรือแทรกแถว (แก้ไข &gt; แทรกแถว)</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>none</source>
        <extracomment>The tool tip of an option cell with no option set</extracomment>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No row contains &quot;%1&quot;</source>
        <translation>ไม่มีแถวที่มี &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../app/help/helpmenu.cpp" line="+16"/>
        <source>&amp;Quick start</source>
        <translation>เริ่มต้นใช้งานฉบับย่อ (&amp;Q)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A short guide from a new set to a verified install, at this page&apos;s step</source>
        <translation>คู่มือสั้นๆ ตั้งแต่สร้างชุดตั้งค่าใหม่จนถึงการติดตั้งที่ตรวจสอบแล้ว โดยเปิดที่ขั้นตอนของหน้านี้</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Tallvane</source>
        <translation>เกี่ยวกับ Tallvane (&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The version, the licence and the data folder in use</source>
        <translation>เวอร์ชัน สัญญาอนุญาต และโฟลเดอร์ข้อมูลที่ใช้อยู่</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <location filename="../journal/journal.cpp" line="+183"/>
        <source>The journal %1 could not be written: %2.</source>
        <translation>เขียนบันทึกการทำงาน %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>entry %1 before it is missing</source>
        <translation>รายการที่ %1 ก่อนหน้านี้หายไป</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entries %1 to %2 before it are missing</source>
        <translation>รายการที่ %1 ถึง %2 ก่อนหน้านี้หายไป</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not start the chain although it is the first entry</source>
        <translation>รายการนี้ไม่ได้เริ่มต้นสายโซ่ ทั้งที่เป็นรายการแรก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not follow entry %1: an entry was put in or replaced before it</source>
        <translation>รายการนี้ไม่ได้ต่อจากรายการที่ %1: มีการแทรกหรือแทนที่รายการก่อนหน้า</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its fields do not match its hash: it was changed after it was written</source>
        <translation>ข้อมูลของรายการไม่ตรงกับค่าแฮช: ถูกแก้ไขหลังจากเขียนแล้ว</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the last entry is missing</source>
        <translation>รายการสุดท้ายหายไป</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the last %1 entries are missing</source>
        <translation>รายการสุดท้าย %1 รายการหายไป</translation>
    </message>
</context>
<context>
    <name>JournalKind</name>
    <message>
        <location filename="../app/pages/journalpage.cpp" line="+46"/>
        <source>login</source>
        <translation>เข้าสู่ระบบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>login failed</source>
        <translation>เข้าสู่ระบบไม่สำเร็จ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>import</source>
        <translation>นำเข้า</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>transfer</source>
        <translation>รับส่งข้อมูล</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>users</source>
        <extracomment>Journal entries of user management: users added or deleted, permissions set</extracomment>
        <translation>ผู้ใช้</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>logo</source>
        <translation>โลโก้</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>all tables</source>
        <extracomment>A journal entry&apos;s category: every table of the register erased</extracomment>
        <translation>ทุกตาราง</translation>
    </message>
</context>
<context>
    <name>JournalPage</name>
    <message>
        <location filename="../app/pages/journalpage.ui" line="+11"/>
        <source>Register:</source>
        <translation>เครื่องเก็บเงิน:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>User:</source>
        <translation>ผู้ใช้:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Category:</source>
        <translation>หมวดหมู่:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Days</source>
        <translation>วันที่</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only the entries of the days from ... to ..., both included</source>
        <translation>เฉพาะรายการของวันที่ ... ถึง ... (รวมทั้งสองวัน)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>from</source>
        <translation>จาก</translation>
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
        <translation>ถึง</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The details of the entry chosen above</source>
        <translation>รายละเอียดของรายการที่เลือกด้านบน</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Verify</source>
        <translation>ตรวจสอบ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check that no entry was changed, removed or put in</source>
        <translation>ตรวจสอบว่าไม่มีรายการใดถูกแก้ไข ลบ หรือแทรกเข้ามา</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Back to the category buttons (Alt+Left)</source>
        <translation>กลับไปที่ปุ่มหมวดหมู่ (Alt+Left)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>กลับ</translation>
    </message>
    <message>
        <location filename="../app/pages/journalpage.cpp" line="-39"/>
        <source>Time</source>
        <translation>เวลา</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User</source>
        <translation>ผู้ใช้</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PC</source>
        <extracomment>The computer that wrote a journal entry</extracomment>
        <translation>คอมพิวเตอร์</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kind</source>
        <translation>ประเภท</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category</source>
        <translation>หมวดหมู่</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Register</source>
        <translation>เครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summary</source>
        <translation>สรุป</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 (UTC)</source>
        <translation>%1 (UTC)</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Journal not written</source>
        <translation>ไม่ได้เขียนบันทึกการทำงาน</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+53"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>อ่านบันทึกการทำงาน %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>All</source>
        <extracomment>The filter choice that shows the entries of every register, user or category</extracomment>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 of %2 entries</source>
        <translation>%1 จาก %2 รายการ</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Entry %1, %2 (UTC), %3 at %4
%5</source>
        <extracomment>Entry number, UTC time, user, computer, then the entry&apos;s summary on a line of its own</extracomment>
        <translation>รายการที่ %1, %2 (UTC), %3 ที่ %4
%5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nobody</source>
        <translation>ไม่มีผู้ใช้</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The journal cannot be read: %1</source>
        <translation>อ่านบันทึกการทำงานไม่ได้: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Journal verified: %1 entries</source>
        <translation>ตรวจสอบบันทึกการทำงานแล้ว: %1 รายการ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Journal broken at entry %1: %2</source>
        <translation>บันทึกการทำงานเสียหายที่รายการที่ %1: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../base/language.cpp" line="+31"/>
        <source>English</source>
        <translation>อังกฤษ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>กรีก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hebrew</source>
        <translation>ฮีบรู</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arabic</source>
        <translation>อาหรับ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thai</source>
        <translation>ไทย</translation>
    </message>
</context>
<context>
    <name>LineCodec</name>
    <message>
        <location filename="../records/lines.cpp" line="+69"/>
        <source>row %1: line number must be 1 to %2</source>
        <translation>แถว %1: หมายเลขบรรทัดต้องอยู่ระหว่าง 1 ถึง %2</translation>
    </message>
</context>
<context>
    <name>LogoPage</name>
    <message>
        <location filename="../app/pages/logopage.ui" line="+32"/>
        <source>OpenImage</source>
        <translation>เปิดรูปภาพ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ImageSize</source>
        <translation>ขนาดรูปภาพ</translation>
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
        <translation>ยืดภาพ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stretch the picture over the whole logo; unticked, it keeps its proportions and is centred</source>
        <translation>ยืดรูปภาพให้เต็มโลโก้ ถ้าไม่เลือก รูปภาพจะคงสัดส่วนเดิมและอยู่กึ่งกลาง</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>W:</source>
        <translation>กว้าง:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>H:</source>
        <translation>สูง:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>SetSize</source>
        <translation>ตั้งขนาด</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Id:</source>
        <translation>หมายเลข:</translation>
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
        <translation>ตัวอย่างโลโก้</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>กลับไปที่ปุ่มหมวดหมู่ (Alt+Left; จะถามก่อนหากมีการเปลี่ยนแปลงที่ยังไม่บันทึก)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>กลับ</translation>
    </message>
    <message>
        <location filename="../app/pages/logopage.cpp" line="+69"/>
        <source>Image File(*.jpg *.jpeg *.png *.bmp *.ico)</source>
        <translation>ไฟล์รูปภาพ (*.jpg *.jpeg *.png *.bmp *.ico)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+107"/>
        <source>Warnning!</source>
        <translation>คำเตือน!</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>%1 could not be read: %2</source>
        <translation>อ่าน %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>logo %1 x %2: %3 bytes of %4, more than the register takes</source>
        <extracomment>Width x height in dots, then the packed logo&apos;s bytes and the most the register takes</extracomment>
        <translation>โลโก้ %1 x %2: %3 จาก %4 ไบต์ เกินกว่าที่เครื่องเก็บเงินรับได้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>logo %1 x %2: %3 bytes of %4</source>
        <translation>โลโก้ %1 x %2: %3 จาก %4 ไบต์</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 of %2 bytes</source>
        <translation>%1 จาก %2 ไบต์</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>image data is too big.</source>
        <translation>ข้อมูลรูปภาพใหญ่เกินไป</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Saved: %1 keeps this logo.</source>
        <translation>บันทึกแล้ว: %1 เก็บโลโก้นี้ไว้</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saved: %1 keeps no logo.</source>
        <translation>บันทึกแล้ว: %1 ไม่มีโลโก้</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than a register takes (%1 of %2 bytes): choose a smaller size before installing it.</source>
        <translation>ใหญ่กว่าที่เครื่องบันทึกเงินสดรับได้ (%1 จาก %2 ไบต์): เลือกขนาดที่เล็กลงก่อนติดตั้ง</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The logo kept in %1 cannot be read; the page shows none.</source>
        <translation>อ่านโลโก้ที่เก็บใน %1 ไม่ได้ หน้านี้จึงไม่แสดงโลโก้</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the logo is sent over RS-232 only</source>
        <translation>ส่งโลโก้ได้ทาง RS-232 เท่านั้น</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no logo picture is opened: open a picture first</source>
        <translation>ยังไม่ได้เปิดรูปโลโก้: เปิดรูปภาพก่อน</translation>
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
        <translation>นำทาง</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../app/greeklabels.cpp" line="+44"/>
        <source>NAVIGATION BAR</source>
        <translation>แถบนำทาง</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&amp;File</source>
        <translation>ไฟล์ (&amp;F)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Edit</source>
        <translation>แก้ไข (&amp;E)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Windows</source>
        <translation>หน้าต่าง (&amp;W)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Tool</source>
        <translation>เครื่องมือ (&amp;T)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>วิธีใช้ (&amp;H)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>new</source>
        <translation>ใหม่</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create a new configuration set, every page of it empty (Ctrl+N)</source>
        <translation>สร้างชุดตั้งค่าใหม่ โดยทุกหน้าว่างเปล่า (Ctrl+N)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open a configuration set (Ctrl+O)</source>
        <translation>เปิดชุดตั้งค่า (Ctrl+O)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save this page&apos;s changes to the open set (Ctrl+S)</source>
        <translation>บันทึกการเปลี่ยนแปลงของหน้านี้ลงในชุดตั้งค่าที่เปิดอยู่ (Ctrl+S)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>install</source>
        <translation>ติดตั้ง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <translation>ติดตั้ง: ส่งตารางของหน้านี้ไปยังเครื่องเก็บเงิน (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>import</source>
        <translation>ดาวน์โหลด</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download this page&apos;s table from the register (Ctrl+D)</source>
        <translation>ดาวน์โหลดตารางของหน้านี้จากเครื่องเก็บเงิน (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>update</source>
        <translation>อัปเดต</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Insert</source>
        <translation>แทรกแถว</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Insert an empty row after the current one</source>
        <translation>แทรกแถวว่างต่อจากแถวปัจจุบัน</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Past</source>
        <translation>วาง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste the clipboard into the grid</source>
        <translation>วางข้อมูลจากคลิปบอร์ดลงในตาราง</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../app/mainwindow.cpp" line="+348"/>
        <source>Menu</source>
        <extracomment>The status bar on the page of category buttons</extracomment>
        <translation>เมนู</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dept</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Journal</source>
        <translation>บันทึกการทำงาน</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Log out</source>
        <translation>ออกจากระบบ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Back to the login, for another user or another display language</source>
        <translation>กลับไปหน้าเข้าสู่ระบบ เพื่อเปลี่ยนผู้ใช้หรือภาษาที่แสดง</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ClearData</source>
        <translation>ล้างข้อมูล</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Quit</source>
        <translation>ออกจากโปรแกรม (&amp;Q)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close Tallvane (unsaved changes are asked about first)</source>
        <translation>ปิด Tallvane (ถามเรื่องการเปลี่ยนแปลงที่ยังไม่ได้บันทึกก่อน)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="-108"/>
        <source>Warnning!</source>
        <translation>คำเตือน!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No authority.</source>
        <translation>ไม่มีสิทธิ์</translation>
    </message>
    <message>
        <location filename="../app/setlibrary.cpp" line="+206"/>
        <source>select db file</source>
        <translation>เลือกไฟล์ฐานข้อมูล</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>db file(*.db)</source>
        <translation>ไฟล์ฐานข้อมูล (*.db)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="+154"/>
        <source>%1 created: every page of it is empty</source>
        <translation>สร้าง %1 แล้ว: ทุกหน้ายังว่างอยู่</translation>
    </message>
    <message>
        <location filename="../app/greeklabels.cpp" line="+1"/>
        <source>DB VIEW</source>
        <translation>ชุดตั้งค่า</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New Db</source>
        <translation>ชุดตั้งค่าใหม่</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Db</source>
        <translation>เปิดชุดตั้งค่า</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save Db</source>
        <translation>บันทึกชุดตั้งค่า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Db</source>
        <translation>ปิดชุดตั้งค่า</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ITEM VIEW</source>
        <translation>ตาราง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>group</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>dept</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plu</source>
        <translation>สินค้า</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>disc</source>
        <translation>ส่วนลด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tax</source>
        <translation>ภาษี</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clerk</source>
        <translation>แคชเชียร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>header</source>
        <translation>หัวใบเสร็จ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>trailer</source>
        <translation>ท้ายใบเสร็จ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>extheader</source>
        <translation>หัวใบเสร็จเพิ่มเติม</translation>
    </message>
</context>
<context>
    <name>NetParm</name>
    <message>
        <location filename="../records/netparm.cpp" line="-39"/>
        <source>SecurityCode: the letters of the key must be upper-case (A to F)</source>
        <translation>รหัสความปลอดภัย: ตัวอักษรของคีย์ต้องเป็นตัวพิมพ์ใหญ่ (A ถึง F)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SecurityCode: the key holds only the digits 0 to 9 and the letters A to F</source>
        <translation>รหัสความปลอดภัย: คีย์มีได้เฉพาะตัวเลข 0 ถึง 9 และตัวอักษร A ถึง F</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SecurityCode: the key is %1 hexadecimal digits or empty, not %2</source>
        <translation>รหัสความปลอดภัย: คีย์ต้องเป็นเลขฐานสิบหก %1 หลักหรือว่างเปล่า ไม่ใช่ %2 หลัก</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>%1: an address is four numbers from 0 to 255 joined by dots, like 192.168.1.10</source>
        <translation>%1: ที่อยู่ต้องเป็นตัวเลข 0 ถึง 255 สี่ชุดคั่นด้วยจุด เช่น 192.168.1.10</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: a port is a number from 0 to 65535</source>
        <translation>%1: พอร์ตต้องเป็นตัวเลข 0 ถึง 65535</translation>
    </message>
</context>
<context>
    <name>OptionBitsDialog</name>
    <message>
        <location filename="../app/dialogs/optionbitsdialog.ui" line="+6"/>
        <source>Option bits</source>
        <translation>บิตตัวเลือก</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Bit string</source>
        <translation>สตริงบิต</translation>
    </message>
    <message>
        <location filename="../app/dialogs/optionbitsdialog.cpp" line="+50"/>
        <location line="+27"/>
        <source>Bit %1</source>
        <extracomment>An option bit without a name; %1 is its number, 0 the right-most</extracomment>
        <translation>บิต %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../records/clerk.cpp" line="-10"/>
        <source>VOID</source>
        <translation>ยกเลิกรายการ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CORRECT</source>
        <translation>แก้ไขรายการ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>ยกเลิกบิล</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REFUND</source>
        <translation>คืนเงิน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%DISCOUNT</source>
        <translation>%ส่วนลด</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%SURCHARGE</source>
        <translation>%เงินเพิ่ม</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NET DIS/SURCH</source>
        <translation>ส่วนลด/เงินเพิ่มสุทธิ</translation>
    </message>
    <message>
        <location filename="../records/dept.cpp" line="-20"/>
        <source>DPOPTION1</source>
        <translation>ตัวเลือกแผนก 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION2</source>
        <translation>ตัวเลือกแผนก 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION3</source>
        <translation>ตัวเลือกแผนก 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION4</source>
        <translation>ตัวเลือกแผนก 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION5</source>
        <translation>ตัวเลือกแผนก 5</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION6</source>
        <translation>ตัวเลือกแผนก 6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION7</source>
        <translation>ตัวเลือกแผนก 7</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ACTIVE</source>
        <translation>ใช้งาน</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PRICE NEGATIVE</source>
        <translation>ราคาติดลบ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ZERO PRICE</source>
        <translation>ราคาศูนย์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TICKET SIGNLE</source>
        <translation>ใบเสร็จเดี่ยว</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DOUBLE TICKET</source>
        <translation>ใบเสร็จคู่</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SEPARATRIX</source>
        <translation>เส้นคั่น</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLOSE RECEIPT</source>
        <translation>ปิดใบเสร็จ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/disc.cpp" line="-9"/>
        <source>DISC 1</source>
        <translation>ส่วนลด 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../records/disc.cpp" line="+1"/>
        <source>DISC 2</source>
        <translation>ส่วนลด 2</translation>
    </message>
    <message>
        <location filename="../records/disc.cpp" line="-9"/>
        <source>TAX A</source>
        <translation>ภาษี A</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX B</source>
        <translation>ภาษี B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX C</source>
        <translation>ภาษี C</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX D</source>
        <translation>ภาษี D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX E</source>
        <translation>ภาษี E</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX F</source>
        <translation>ภาษี F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX G</source>
        <translation>ภาษี G</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX H</source>
        <translation>ภาษี H</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FIXED</source>
        <translation>คงที่</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FREE</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIX/FREE</source>
        <translation>คงที่/กำหนดเอง</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AMOUNT</source>
        <translation>จำนวนเงิน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INCREASE</source>
        <translation>เพิ่มราคา</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NO SUB</source>
        <translation>ไม่ใช้กับยอดรวมย่อย</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT DISC</source>
        <translation>พิมพ์ส่วนลด</translation>
    </message>
    <message>
        <location filename="../records/netparm.cpp" line="-168"/>
        <source>NETENABLE</source>
        <translation>เปิดใช้เครือข่าย</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DHCPENABLE</source>
        <translation>เปิดใช้ DHCP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MINISTRYENABLE</source>
        <translation>เปิดใช้ส่งข้อมูลสรรพากร</translation>
    </message>
    <message>
        <location filename="../records/tax.cpp" line="-8"/>
        <source>TAX ADD</source>
        <translation>บวกภาษีเพิ่ม</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PRINT VAT</source>
        <translation>พิมพ์ VAT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT ZERO</source>
        <translation>พิมพ์ค่าศูนย์</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GST TAX</source>
        <translation>ภาษี GST</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT TAX</source>
        <translation>พิมพ์ภาษี</translation>
    </message>
</context>
<context>
    <name>PageGuard</name>
    <message>
        <location filename="../app/pages/pageguard.cpp" line="+42"/>
        <source>Saved by someone else</source>
        <translation>มีผู้อื่นบันทึกไว้</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing was saved: %1.

Reload shows what the set holds now and drops your changes; Overwrite stores this page over theirs; Cancel keeps your changes unsaved.</source>
        <extracomment>%1 says which table, by whom and when</extracomment>
        <translation>ไม่ได้บันทึกสิ่งใด: %1

โหลดใหม่ จะแสดงสิ่งที่ชุดตั้งค่ามีอยู่ตอนนี้และทิ้งการเปลี่ยนแปลงของคุณ เขียนทับ จะบันทึกหน้านี้แทนของผู้อื่น ยกเลิก จะเก็บการเปลี่ยนแปลงของคุณไว้โดยยังไม่บันทึก</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reload</source>
        <translation>โหลดใหม่</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Overwrite</source>
        <translation>เขียนทับ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reloaded: the page shows what the set holds now</source>
        <translation>โหลดใหม่แล้ว: หน้านี้แสดงสิ่งที่ชุดตั้งค่ามีอยู่ตอนนี้</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was saved: %1.</source>
        <translation>ไม่ได้บันทึกสิ่งใด: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>logo</source>
        <translation>โลโก้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>system parameters</source>
        <translation>พารามิเตอร์ระบบ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 saved the %2 of %3 at %4, after this page was loaded</source>
        <extracomment>%1 who (&quot;admin@till-2&quot;), %2 what (&quot;PLUs&quot;), %3 the set (&quot;shop.db&quot;), %4 when</extracomment>
        <translation>%1 บันทึก%2ของ %3 เมื่อ %4 หลังจากที่หน้านี้ถูกโหลด</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Nothing to save here: Save stores the page of a category</source>
        <translation>ไม่มีอะไรให้บันทึกที่นี่: บันทึกใช้กับหน้าของหมวดหมู่</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unsaved changes</source>
        <translation>มีการเปลี่ยนแปลงที่ยังไม่บันทึก</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has changes that are not saved.
Save them before going on?</source>
        <extracomment>%1 is the page&apos;s title (and the set&apos;s file name)</extracomment>
        <translation>%1 มีการเปลี่ยนแปลงที่ยังไม่ได้บันทึก
บันทึกก่อนดำเนินการต่อหรือไม่?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Discard</source>
        <extracomment>The button that leaves the page without saving its changes</extracomment>
        <translation>ไม่บันทึก</translation>
    </message>
</context>
<context>
    <name>Peer</name>
    <message>
        <location filename="../records/wording.h" line="+29"/>
        <source>%1</source>
        <extracomment>A register&apos;s address, serial port or name inside a sentence. Hebrew and Arabic put it between U+2066 and U+2069 (one left-to-right run); other languages leave it as it is.</extracomment>
        <translation>%1</translation>
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
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>ไดรฟ์</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <location line="+19"/>
        <source>&amp;Select All</source>
        <translation>เลือกทั้งหมด(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Step up</source>
        <translation>เพิ่มหนึ่งขั้น(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step &amp;down</source>
        <translation>ลดหนึ่งขั้น(&amp;D)</translation>
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
ไม่พบโฟลเดอร์
โปรดตรวจสอบว่าระบุชื่อโฟลเดอร์ถูกต้อง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
ไม่พบไฟล์
โปรดตรวจสอบว่าระบุชื่อไฟล์ถูกต้อง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 File</source>
        <translation>ไฟล์ %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 มีอยู่แล้ว
ต้องการแทนที่หรือไม่?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose</source>
        <translation>เลือก (&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>ลบ (&amp;D)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Folder</source>
        <translation>โฟลเดอร์ใหม่ (&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>เปิด (&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rename</source>
        <translation>เปลี่ยนชื่อ (&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>บันทึก (&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; ถูกป้องกันการเขียน
ต้องการลบหรือไม่?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alias</source>
        <translation>นามแฝง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>ไฟล์ทั้งหมด (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*)</source>
        <translation>ไฟล์ทั้งหมด (*)</translation>
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
        <translation>แน่ใจหรือไม่ว่าต้องการลบ &apos;%1&apos;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change to detail view mode</source>
        <translation>เปลี่ยนเป็นมุมมองรายละเอียด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change to list view mode</source>
        <translation>เปลี่ยนเป็นมุมมองรายการ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not delete directory.</source>
        <translation>ลบโฟลเดอร์ไม่ได้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Detail View</source>
        <translation>มุมมองรายละเอียด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Directories</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Directory:</source>
        <translation>โฟลเดอร์:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>ไดรฟ์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File &amp;name:</source>
        <translation>ชื่อไฟล์ (&amp;N):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Folder</source>
        <translation>โฟลเดอร์ไฟล์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type:</source>
        <translation>ประเภทไฟล์:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Directory</source>
        <translation>ค้นหาโฟลเดอร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go to the parent directory</source>
        <translation>ไปยังโฟลเดอร์แม่</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List View</source>
        <translation>มุมมองรายการ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List of places and bookmarks</source>
        <translation>รายการตำแหน่งและบุ๊กมาร์ก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look in:</source>
        <translation>ดูใน:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>คอมพิวเตอร์ของฉัน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Folder</source>
        <translation>โฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Directory</source>
        <translation>โฟลเดอร์แม่</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recent Places</source>
        <translation>ตำแหน่งล่าสุด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>เอาออก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As</source>
        <translation>บันทึกเป็น</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shortcut</source>
        <translation>ทางลัด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show </source>
        <translation>แสดง </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;hidden files</source>
        <translation>แสดงไฟล์ที่ซ่อน (&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sidebar</source>
        <translation>แถบด้านข้าง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>ไม่ทราบ</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <location line="+1"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 byte(s)</source>
        <translation>%1 ไบต์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 bytes</source>
        <translation>%1 ไบต์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;ใช้ชื่อ &quot;%1&quot; ไม่ได้&lt;/b&gt;&lt;p&gt;ลองใช้ชื่ออื่นที่มีอักขระน้อยลงหรือไม่มีเครื่องหมายวรรคตอน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer</source>
        <translation>คอมพิวเตอร์</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date Modified</source>
        <translation>วันที่แก้ไข</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid filename</source>
        <translation>ชื่อไฟล์ไม่ถูกต้อง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>คอมพิวเตอร์ของฉัน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size</source>
        <translation>ขนาด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type</source>
        <translation>ประเภท</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location line="+13"/>
        <source>&amp;Undo</source>
        <translation>เลิกทำ(&amp;U)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>ตัด(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>คัดลอก(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>วาง(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location line="-102"/>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save All</source>
        <translation>บันทึกทั้งหมด</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>ใช่ (&amp;Y)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes to &amp;All</source>
        <translation>ใช่ทั้งหมด (&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>ไม่ (&amp;N)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>N&amp;o to All</source>
        <translation>ไม่ทั้งหมด (&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort</source>
        <translation>ยกเลิกการทำงาน</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Retry</source>
        <translation>ลองอีกครั้ง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore</source>
        <translation>ข้าม</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Discard</source>
        <translation>ไม่บันทึก</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restore Defaults</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <location line="+95"/>
        <source>&amp;Undo</source>
        <translation>เลิกทำ(&amp;U)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>ตัด(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>คัดลอก(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy &amp;Link Location</source>
        <translation>คัดลอกที่อยู่ลิงก์(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>วาง(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QuickStartDialog</name>
    <message>
        <location filename="../app/help/quickstartdialog.ui" line="+14"/>
        <location filename="../app/help/quickstartdialog.cpp" line="+79"/>
        <source>Quick start</source>
        <translation>เริ่มต้นใช้งานฉบับย่อ</translation>
    </message>
    <message>
        <location filename="../app/help/quickstartdialog.cpp" line="-38"/>
        <source>1. Open or create a set</source>
        <translation>1. เปิดหรือสร้างชุดตั้งค่า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A configuration set holds every table of one register or one group of registers, in a database file of its own. File &gt; new creates one (every page of it empty), File &gt; open opens one, and the DB VIEW branch of the tree lists the sets of the database folder.</source>
        <translation>ชุดตั้งค่าเก็บทุกตารางของเครื่องเก็บเงินหนึ่งเครื่องหรือหนึ่งชุดเครื่อง ไว้ในไฟล์ฐานข้อมูลของตัวเอง ไฟล์ &gt; ใหม่ ใช้สร้างชุดตั้งค่า (ทุกหน้าว่าง) ไฟล์ &gt; เปิด ใช้เปิดชุดตั้งค่า และกิ่ง “ชุดตั้งค่า” ในแผนผังนำทางจะแสดงชุดตั้งค่าทั้งหมดในโฟลเดอร์ฐานข้อมูล</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The set keeps the code page of its register texts: a set made under Greek stays Greek when it is opened under another display language.</source>
        <translation>ชุดตั้งค่าจะจำโค้ดเพจของข้อความสำหรับเครื่องเก็บเงินไว้: ชุดตั้งค่าที่สร้างในภาษากรีกจะยังเป็นภาษากรีก แม้จะเปิดด้วยภาษาแสดงผลอื่น</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2. Fill a page</source>
        <translation>2. กรอกข้อมูลในหน้า</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a category on the button page or in the tree: departments, PLUs, taxes and the others each have a page. Type into the grid, insert rows with Edit &gt; Insert row, paste from a spreadsheet, or import a CSV or spreadsheet file into the page.</source>
        <translation>เลือกหมวดหมู่จากหน้าปุ่มหรือจากแผนผังนำทาง: แผนก สินค้า ภาษี และหมวดหมู่อื่นๆ มีหน้าของตัวเอง พิมพ์ลงในตาราง แทรกแถวด้วย แก้ไข &gt; แทรกแถว วางข้อมูลจากสเปรดชีต หรือนำเข้าไฟล์ CSV หรือไฟล์สเปรดชีตลงในหน้า</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cells that hold options show them as eight digits; double-click one (or press Enter on it) for a box per option, or right-click it to choose them one by one. A title ending in * has unsaved changes: File &gt; save stores them, and Tallvane asks before a page with changes is left.</source>
        <translation>เซลล์ที่เก็บตัวเลือกจะแสดงเป็นตัวเลขแปดหลัก ดับเบิลคลิกที่เซลล์ (หรือกด Enter) เพื่อเปิดช่องทำเครื่องหมายของแต่ละตัวเลือก หรือคลิกขวาเพื่อเลือกทีละรายการ ชื่อหน้าที่ลงท้ายด้วย * คือมีการเปลี่ยนแปลงที่ยังไม่บันทึก: ไฟล์ &gt; บันทึก จะบันทึกการเปลี่ยนแปลงนั้น และ Tallvane จะถามก่อนออกจากหน้าที่มีการเปลี่ยนแปลง</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Without the mouse: the arrow keys move among the category buttons and Enter opens one; Alt+Left goes back to them from any page; Ctrl+Z and Ctrl+Shift+Z undo and redo a change in the grid.</source>
        <translation>ไม่ใช้เมาส์: ปุ่มลูกศรเลื่อนไปมาระหว่างปุ่มหมวดหมู่ และ Enter เปิดหมวดที่เลือก; Alt+Left กลับมาที่ปุ่มเหล่านั้นจากทุกหน้า; Ctrl+Z และ Ctrl+Shift+Z เลิกทำและทำซ้ำการเปลี่ยนแปลงในตาราง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. The receipt logo</source>
        <translation>3. โลโก้ใบเสร็จ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The logo page loads a picture, shows it as the register will print it (black and white dots) and sends it as logo 1 or 2 over the serial link.</source>
        <translation>หน้าโลโก้จะโหลดรูปภาพ แสดงรูปตามที่เครื่องเก็บเงินจะพิมพ์ (จุดขาวดำ) และส่งเป็นโลโก้ 1 หรือ 2 ผ่านพอร์ตอนุกรม</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4. Connect a register</source>
        <translation>4. เชื่อมต่อเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over the network: choose Tcp in the connection panel. The panel shows the address and port on which Tallvane listens; set the register to dial them. Each register that connects appears in the table, where you can give it a name.</source>
        <translation>ผ่านเครือข่าย: เลือก TCP ในแผงการเชื่อมต่อ แผงจะแสดงที่อยู่และพอร์ตที่ Tallvane รอรับการเชื่อมต่อ ให้ตั้งค่าเครื่องเก็บเงินให้เชื่อมต่อมาที่ที่อยู่และพอร์ตนั้น เครื่องเก็บเงินแต่ละเครื่องที่เชื่อมต่อเข้ามาจะแสดงในตาราง ซึ่งคุณตั้งชื่อให้เครื่องได้</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Over RS-232: choose Serial, pick the port and press Open Serial. On Linux only the members of the port&apos;s group (dialout) may open it.</source>
        <translation>ผ่าน RS-232: เลือก &quot;พอร์ตอนุกรม&quot; เลือกพอร์ต แล้วกด &quot;เปิดพอร์ตอนุกรม&quot; บน Linux เฉพาะสมาชิกของกลุ่มผู้ใช้ของพอร์ต (dialout) เท่านั้นที่เปิดพอร์ตได้</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5. Install</source>
        <translation>5. ติดตั้ง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install (tool bar or File &gt; install) sends the page&apos;s whole table to every connected register and replaces what it holds. Send changes sends only the rows that differ from what the register got last time, and Compare with register shows them first.</source>
        <translation>ติดตั้ง (แถบเครื่องมือ หรือ ไฟล์ &gt; ติดตั้ง) จะส่งตารางทั้งหมดของหน้าไปยังเครื่องเก็บเงินทุกเครื่องที่เชื่อมต่ออยู่ และแทนที่ข้อมูลที่เครื่องมีอยู่ &quot;ส่งเฉพาะที่เปลี่ยน&quot; จะส่งเฉพาะแถวที่ต่างจากที่เครื่องได้รับครั้งล่าสุด และ &quot;เปรียบเทียบกับเครื่องเก็บเงิน&quot; จะแสดงแถวเหล่านั้นให้ดูก่อน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download from register brings the register&apos;s table onto the page; nothing is stored until you save.</source>
        <translation>ดาวน์โหลดจากเครื่องเก็บเงิน จะนำตารางของเครื่องมาแสดงในหน้า โดยจะยังไม่มีการเก็บข้อมูลจนกว่าคุณจะบันทึก</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6. Verify</source>
        <translation>6. ตรวจสอบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tick Verify after install: after the install each register sends the table back and Tallvane compares it with what was sent, row by row and field by field. The transfer log ends with one sentence per register, and Windows &gt; Journal keeps who sent what to which register.</source>
        <translation>เลือก &quot;ตรวจสอบหลังติดตั้ง&quot;: หลังการติดตั้ง เครื่องเก็บเงินแต่ละเครื่องจะส่งตารางกลับมา และ Tallvane จะเปรียบเทียบกับข้อมูลที่ส่งไปทีละแถวและทีละช่อง ล็อกการถ่ายโอนจะจบด้วยสรุปหนึ่งประโยคต่อเครื่อง และ หน้าต่าง &gt; บันทึกการทำงาน จะเก็บไว้ว่าใครส่งอะไรไปยังเครื่องใด</translation>
    </message>
</context>
<context>
    <name>RegisterCommands</name>
    <message>
        <location filename="../app/transfer/registercommands.cpp" line="+18"/>
        <source>Add the selected PLUs to the register(s)</source>
        <translation>เพิ่มสินค้าที่เลือกลงในเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update the selected PLUs on the register(s)</source>
        <translation>อัปเดตสินค้าที่เลือกในเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete the selected PLUs from the register(s)</source>
        <translation>ลบสินค้าที่เลือกออกจากเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <extracomment>&quot;install&quot; is the command that sends the page&apos;s table to the register.</extracomment>
        <translation>ติดตั้ง: ส่งตารางของหน้านี้ไปยังเครื่องเก็บเงิน (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>download: read this page&apos;s table from the register (Ctrl+D)</source>
        <translation>ดาวน์โหลด: อ่านตารางของหน้านี้จากเครื่องเก็บเงิน (Ctrl+D)</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Cancel transfer</source>
        <translation>ยกเลิกการถ่ายโอน</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the transfer after the current frame (Esc)</source>
        <translation>หยุดการถ่ายโอนหลังเฟรมปัจจุบัน (Esc)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Compare with register</source>
        <translation>เปรียบเทียบกับเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show what this page would change on each connected register</source>
        <translation>แสดงสิ่งที่หน้านี้จะเปลี่ยนในเครื่องเก็บเงินแต่ละเครื่องที่เชื่อมต่ออยู่</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send changes</source>
        <translation>ส่งเฉพาะที่เปลี่ยน</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send each register only what differs from what it holds</source>
        <translation>ส่งให้เครื่องเก็บเงินแต่ละเครื่องเฉพาะส่วนที่ต่างจากข้อมูลที่เครื่องมีอยู่</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>install: open a category page first; its table goes to the register(s)</source>
        <translation>ติดตั้ง: เปิดหน้าหมวดหมู่ก่อน ตารางของหน้านั้นจะถูกส่งไปยังเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>download: open a category page first; its table comes from the register</source>
        <extracomment>&quot;download&quot; is the command that reads the page&apos;s table from the register.</extracomment>
        <translation>ดาวน์โหลด: เปิดหน้าหมวดหมู่ก่อน ตารางของหน้านั้นจะมาจากเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>download: a register does not send its logo back</source>
        <translation>ดาวน์โหลด: เครื่องเก็บเงินไม่ส่งโลโก้กลับมา</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (on the PLU page only: the other pages go to the register whole, with install)</source>
        <translation>%1 (เฉพาะหน้าสินค้า: หน้าอื่นส่งไปยังเครื่องเก็บเงินทั้งตารางด้วยการติดตั้ง)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>only the administrator may erase a register&apos;s tables</source>
        <translation>เฉพาะผู้ดูแลระบบเท่านั้นที่ล้างข้อมูลตารางของเครื่องเก็บเงินได้</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clear data goes to a register on the serial link only</source>
        <translation>คำสั่งล้างข้อมูลส่งไปยังเครื่องเก็บเงินผ่านพอร์ตอนุกรมเท่านั้น</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clear data is not given from the PLU page</source>
        <translation>สั่งล้างข้อมูลจากหน้าสินค้าไม่ได้</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase every table of the register on the serial port (asks first)</source>
        <translation>ล้างข้อมูลทุกตารางของเครื่องเก็บเงินที่พอร์ตอนุกรม (ถามก่อน)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase every table of the register: %1</source>
        <translation>ล้างข้อมูลทุกตารางของเครื่องเก็บเงิน: %1</translation>
    </message>
</context>
<context>
    <name>RegisterPlan</name>
    <message>
        <location filename="../link/changes.cpp" line="+119"/>
        <source>%1 registers connect as %2: a send of changes cannot tell them apart, so none is sent; install the whole table, or give each register an address of its own</source>
        <extracomment>%1 how many registers, %2 the address they share</extracomment>
        <translation>เครื่องเก็บเงิน %1 เครื่องเชื่อมต่อในชื่อ %2: การส่งเฉพาะการเปลี่ยนแปลงแยกเครื่องเหล่านี้ไม่ได้ จึงไม่ได้ส่ง ให้ติดตั้งทั้งตาราง หรือกำหนดที่อยู่ของแต่ละเครื่องให้ต่างกัน</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: no baseline yet: download to compare, or install the whole table</source>
        <translation>%1: ยังไม่มีข้อมูลอ้างอิง: ดาวน์โหลดเพื่อเปรียบเทียบ หรือติดตั้งทั้งตาราง</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 unchanged on %2: not sent</source>
        <translation>%1ใน %2 ไม่มีการเปลี่ยนแปลง: ไม่ได้ส่ง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unchanged on %2</source>
        <translation>%1ใน %2 ไม่มีการเปลี่ยนแปลง</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2; not sent: the page holds no %3, and a send of no rows changes nothing (ClearData empties a register)</source>
        <extracomment>%1 the register, %2 how its table differs (&quot;2 deleted&quot;), %3 the rows (&quot;departments&quot;)</extracomment>
        <translation>%1: %2; ไม่ได้ส่ง: หน้านี้ไม่มี%3 และการส่งที่ไม่มีแถวจะไม่เปลี่ยนแปลงอะไร (&quot;ล้างข้อมูล&quot; จะล้างข้อมูลเครื่องเก็บเงิน)</translation>
    </message>
</context>
<context>
    <name>SerialServer</name>
    <message>
        <location filename="../link/serialserver.cpp" line="+53"/>
        <source>No serial port can be opened now: connect the register&apos;s cable (or its USB adapter), then press F5 to look again.</source>
        <translation>ยังเปิดพอร์ตอนุกรมไม่ได้: ต่อสายของเครื่องเก็บเงิน (หรืออะแดปเตอร์ USB) แล้วกด F5 เพื่อค้นหาอีกครั้ง</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 is in use by another program: close it there first</source>
        <translation>%1 ถูกใช้งานโดยโปรแกรมอื่น: ปิดที่โปรแกรมนั้นก่อน</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1. Only the members of the group %2 may open %3: add the user to it (sudo adduser %4 %2) and log in again.</source>
        <translation>%1 เฉพาะสมาชิกของกลุ่มผู้ใช้ %2 เท่านั้นที่เปิด %3 ได้: เพิ่มผู้ใช้เข้ากลุ่มนี้ (sudo adduser %4 %2) แล้วเข้าสู่ระบบใหม่</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Permission denied</source>
        <translation>ไม่ได้รับอนุญาต</translation>
    </message>
</context>
<context>
    <name>ServerDb</name>
    <message>
        <location filename="../storage/serverdb.cpp" line="+111"/>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql)</source>
        <translation>ยังไม่ได้ติดตั้งไดรเวอร์ PostgreSQL ของ Qt (แพ็กเกจ Debian libqt6sql6-psql)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>the account %1 may not use the set %2 (no USAGE on its schema)</source>
        <translation>บัญชี %1 ไม่มีสิทธิ์ใช้ชุดตั้งค่า %2 (ไม่มีสิทธิ์ USAGE บน schema ของชุดนี้)</translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <location filename="../app/dialogs/serverpassword.cpp" line="+13"/>
        <source>The server refused the password of %1. Password:</source>
        <translation>เซิร์ฟเวอร์ปฏิเสธรหัสผ่านของ %1 รหัสผ่าน:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password of %1 on the server:</source>
        <translation>รหัสผ่านของ %1 บนเซิร์ฟเวอร์:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Server password</source>
        <translation>รหัสผ่านเซิร์ฟเวอร์</translation>
    </message>
</context>
<context>
    <name>ServerSetDialog</name>
    <message>
        <location filename="../app/dialogs/serversetdialog.ui" line="+9"/>
        <source>Server set</source>
        <translation>ชุดตั้งค่าบนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set on a PostgreSQL server (postgresql://USER@HOST[:PORT]/DATABASE?set=NAME):</source>
        <translation>ชุดตั้งค่าบนเซิร์ฟเวอร์ PostgreSQL (postgresql://USER@HOST[:PORT]/DATABASE?set=NAME):</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The password comes from the PostgreSQL password file (~/.pgpass) or PGPASSWORD; otherwise Tallvane asks for it once per login and never stores it.</source>
        <translation>รหัสผ่านมาจากไฟล์รหัสผ่านของ PostgreSQL (~/.pgpass) หรือ PGPASSWORD ไม่เช่นนั้น Tallvane จะถามหนึ่งครั้งต่อการเข้าระบบและไม่บันทึกไว้เลย</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Create</source>
        <translation>สร้าง (&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create a new, empty set under this name on the server</source>
        <translation>สร้างชุดตั้งค่าใหม่ที่ว่างเปล่าด้วยชื่อนี้บนเซิร์ฟเวอร์</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open</source>
        <translation>เปิด (&amp;O)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <location filename="../app/dialogs/serversetdialog.cpp" line="+32"/>
        <source>A server set&apos;s address starts with postgresql://</source>
        <translation>ที่อยู่ของชุดตั้งค่าบนเซิร์ฟเวอร์ขึ้นต้นด้วย postgresql://</translation>
    </message>
</context>
<context>
    <name>ServerThread</name>
    <message>
        <location filename="../link/tcpserver.cpp" line="+227"/>
        <source>not in [tcp] allow</source>
        <translation>ไม่อยู่ในรายการ [tcp] allow</translation>
    </message>
</context>
<context>
    <name>SetLibrary</name>
    <message>
        <location filename="../app/setlibrary.cpp" line="-160"/>
        <source>Recent sets</source>
        <translation>ชุดตั้งค่าล่าสุด</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Open server set...</source>
        <translation>เปิดชุดตั้งค่าบนเซิร์ฟเวอร์...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or create a configuration set on a PostgreSQL server</source>
        <translation>เปิดหรือสร้างชุดตั้งค่าบนเซิร์ฟเวอร์ PostgreSQL</translation>
    </message>
</context>
<context>
    <name>SetLocation</name>
    <message>
        <location filename="../storage/setlocation.cpp" line="+61"/>
        <source>Type a name for the new set.</source>
        <translation>พิมพ์ชื่อของชุดการตั้งค่าใหม่</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A set&apos;s name cannot hold &apos;/&apos; or &apos;\&apos;: the set is made in the database folder.</source>
        <translation>ชื่อชุดการตั้งค่าต้องไม่มี &apos;/&apos; หรือ &apos;\&apos;: ชุดการตั้งค่าจะถูกสร้างในโฟลเดอร์ฐานข้อมูล</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A set&apos;s name cannot begin with a dot.</source>
        <translation>ชื่อชุดการตั้งค่าต้องไม่ขึ้นต้นด้วยจุด</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+33"/>
        <source>the address holds a password; keep it in the PostgreSQL password file (~/.pgpass) or PGPASSWORD instead</source>
        <translation>ที่อยู่มีรหัสผ่านอยู่ด้วย ให้เก็บรหัสผ่านไว้ในไฟล์รหัสผ่านของ PostgreSQL (~/.pgpass) หรือ PGPASSWORD แทน</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; is not a connection parameter</source>
        <translation>&quot;%1&quot; ไม่ใช่พารามิเตอร์การเชื่อมต่อ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the value of %1 cannot hold &apos;;&apos;</source>
        <translation>ค่าของ %1 ต้องไม่มี &apos;;&apos;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; is not a port number</source>
        <translation>&quot;%1&quot; ไม่ใช่หมายเลขพอร์ต</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the address names no set: add ?set=NAME (for example ?set=shop)</source>
        <translation>ที่อยู่ไม่ได้ระบุชุดตั้งค่า: เพิ่ม ?set=NAME (เช่น ?set=shop)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; cannot name a set: use letters, digits, &apos;_&apos; and &apos;-&apos; (at most 63, not starting with pg_)</source>
        <translation>&quot;%1&quot; ใช้เป็นชื่อชุดตั้งค่าไม่ได้: ใช้ตัวอักษร ตัวเลข &apos;_&apos; และ &apos;-&apos; (ไม่เกิน 63 ตัว และไม่ขึ้นต้นด้วย pg_)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>this PC</source>
        <translation>เครื่องนี้</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2 on %3)</source>
        <translation>%1 (%2 บน %3)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <location filename="../link/statusline.cpp" line="+19"/>
        <source> (%1 of %2 bytes shown)</source>
        <translation> (แสดง %1 จาก %2 ไบต์)</translation>
    </message>
</context>
<context>
    <name>StatusWord</name>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+47"/>
        <source>END</source>
        <translation>เสร็จสิ้น</translation>
    </message>
    <message>
        <location filename="../link/transfer.cpp" line="+206"/>
        <source>TIME OUT</source>
        <translation>หมดเวลา</translation>
    </message>
    <message>
        <location line="-157"/>
        <location line="+345"/>
        <source>UPDATE </source>
        <translation>อัปเดต </translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+92"/>
        <location line="+32"/>
        <source>UPDATE END</source>
        <translation>อัปเดตเสร็จสิ้น</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+8"/>
        <source>DOWNLOAD </source>
        <translation>ดาวน์โหลด </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DOWNLOAD END</source>
        <translation>ดาวน์โหลดเสร็จสิ้น</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+20"/>
        <location line="+24"/>
        <source>RCV ERR</source>
        <translation>รับข้อมูลผิดพลาด</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>BCC ERR</source>
        <translation>ผลรวมตรวจสอบผิดพลาด</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <location filename="../app/pages/systempage.ui" line="+12"/>
        <source>Set ECR Time</source>
        <translation>ตั้งเวลา ECR</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ECR Time:</source>
        <translation>เวลา ECR:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECR#:</source>
        <translation>หมายเลข ECR:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The register&apos;s number (0 to 255), as the register reports it</source>
        <translation>หมายเลขเครื่องเก็บเงิน (0 ถึง 255) ตามที่เครื่องเก็บเงินรายงาน</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>(0-255)</source>
        <translation>(0-255)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>IDLE Time Disp</source>
        <translation>เวลาแสดงผลขณะว่าง</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Minutes without use before the register&apos;s display shows its idle text (0 to 99)</source>
        <translation>จำนวนนาทีที่ไม่มีการใช้งานก่อนที่จอของเครื่องเก็บเงินจะแสดงข้อความขณะว่าง (0 ถึง 99)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Minute(0-99)</source>
        <translation>นาที (0-99)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PRINT DENSITY:</source>
        <translation>ความเข้มการพิมพ์:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>How dark the printer prints: 0 the lightest, 4 the darkest</source>
        <translation>ความเข้มของการพิมพ์: 0 จางที่สุด 4 เข้มที่สุด</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>(0-4)</source>
        <translation>(0-4)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>AMOUNT MAX:</source>
        <translation>ยอดเงินสูงสุด:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The largest amount the register accepts in one entry (0 to 99999999)</source>
        <translation>ยอดเงินสูงสุดที่เครื่องเก็บเงินรับได้ในการป้อนหนึ่งครั้ง (0 ถึง 99999999)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>(0-99999999)</source>
        <translation>(0-99999999)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Print the clerk&apos;s name on every receipt</source>
        <translation>พิมพ์ชื่อแคชเชียร์บนใบเสร็จทุกใบ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRN CLERK</source>
        <translation>พิมพ์แคชเชียร์</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Allow a copy of the last receipt to be printed</source>
        <translation>อนุญาตให้พิมพ์สำเนาใบเสร็จล่าสุด</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COPY RECEIPT</source>
        <translation>สำเนาใบเสร็จ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the number of items sold at the end of each receipt</source>
        <translation>พิมพ์จำนวนรายการที่ขายท้ายใบเสร็จแต่ละใบ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT ITEMS</source>
        <translation>พิมพ์จำนวนรายการ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Prices and amounts have two decimal places</source>
        <translation>ราคาและยอดเงินมีทศนิยมสองตำแหน่ง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DECIMAL</source>
        <translation>ทศนิยม</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subtotal key must be pressed before a payment</source>
        <translation>ต้องกดปุ่มยอดรวมย่อยก่อนชำระเงิน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SUBTOTAL OBL</source>
        <translation>บังคับยอดรวมย่อย</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sales may name a customer card</source>
        <translation>การขายสามารถระบุบัตรลูกค้าได้</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CUSTOMER CARD</source>
        <translation>บัตรลูกค้า</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the department totals in the reports</source>
        <translation>พิมพ์ยอดรวมของแผนกในรายงาน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT DEPART MON</source>
        <translation>พิมพ์ยอดเงินแผนก</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clerks sign on with their password</source>
        <translation>แคชเชียร์เข้าสู่ระบบด้วยรหัสผ่านของตน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CLERK PWD</source>
        <translation>รหัสผ่านแคชเชียร์</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A clerk must sign on before a sale</source>
        <translation>แคชเชียร์ต้องเข้าสู่ระบบก่อนการขาย</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OPER.OBL</source>
        <translation>บังคับระบุแคชเชียร์</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the tax amount on the receipt</source>
        <translation>พิมพ์ยอดภาษีบนใบเสร็จ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT TAX AMT</source>
        <translation>พิมพ์ยอดภาษี</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The register&apos;s clock follows daylight saving time</source>
        <translation>นาฬิกาของเครื่องเก็บเงินใช้เวลาออมแสง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DAYLIGHT TIME</source>
        <translation>เวลาออมแสง</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The register beeps at each key press</source>
        <translation>เครื่องเก็บเงินส่งเสียงสัญญาณทุกครั้งที่กดปุ่ม</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BUZZER</source>
        <translation>เสียงสัญญาณ</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>กลับไปที่ปุ่มหมวดหมู่ (Alt+Left; จะถามก่อนหากมีการเปลี่ยนแปลงที่ยังไม่บันทึก)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>กลับ</translation>
    </message>
    <message>
        <location filename="../app/pages/systempage.cpp" line="+106"/>
        <source>The set holds %1, which this box cannot show; it is kept unless you change the box.</source>
        <translation>ชุดตั้งค่าเก็บค่า %1 ซึ่งช่องนี้แสดงไม่ได้ ค่านี้จะคงไว้เว้นแต่คุณเปลี่ยนช่องนี้</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Saved the system parameters to %1</source>
        <translation>บันทึกพารามิเตอร์ระบบลงใน %1 แล้ว</translation>
    </message>
</context>
<context>
    <name>TableDiff</name>
    <message>
        <location filename="../records/tablediff.cpp" line="+12"/>
        <source>%1: new</source>
        <translation>%1: ใหม่</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: deleted</source>
        <translation>%1: ถูกลบ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 changed (not shown)</source>
        <extracomment>A changed password or key, whose values are not shown: its column.</extracomment>
        <translation>%1 เปลี่ยนแล้ว (ไม่แสดง)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 %2 → %3</source>
        <extracomment>A changed field: its column, the register&apos;s value, the table&apos;s value. The arrow points from the old value to the new one in the reading direction.</extracomment>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unchanged</source>
        <translation>ไม่เปลี่ยนแปลง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 new</source>
        <translation>ใหม่ %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 changed</source>
        <translation>เปลี่ยน %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 deleted</source>
        <translation>ลบ %1</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <location filename="../storage/csvfile.cpp" line="-237"/>
        <source>the file has more than %1 rows, more than an import takes</source>
        <translation>ไฟล์มีมากกว่า %1 แถว เกินกว่าที่นำเข้าได้</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>no temporary file for the conversion: %1</source>
        <translation>สร้างไฟล์ชั่วคราวสำหรับการแปลงไม่ได้: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the temporary file could not be written: %1</source>
        <translation>เขียนไฟล์ชั่วคราวไม่ได้: %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>not a file but a device or a pipe</source>
        <translation>ไม่ใช่ไฟล์ แต่เป็นอุปกรณ์หรือไปป์</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>the file is in UTF-16: save it as UTF-8 CSV</source>
        <translation>ไฟล์เป็น UTF-16: บันทึกเป็น CSV แบบ UTF-8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file holds zero bytes: it is no text table (a binary or damaged file)</source>
        <translation>ไฟล์มีไบต์ศูนย์: ไม่ใช่ตารางข้อความ (ไฟล์ไบนารีหรือไฟล์เสียหาย)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>the quotation mark that opens a field in line %1 is never closed</source>
        <translation>เครื่องหมายอัญประกาศที่เปิดช่องข้อมูลในบรรทัด %1 ไม่มีการปิด</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>the file has %1 MiB, more than the %2 MiB an import takes</source>
        <translation>ไฟล์มีขนาด %1 MiB เกินกว่า %2 MiB ที่นำเข้าได้</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>it has no header line: its first line is imported as a row</source>
        <translation>ไม่มีบรรทัดหัวคอลัมน์: บรรทัดแรกจะถูกนำเข้าเป็นแถวข้อมูล</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not UTF-8 and was read as %1</source>
        <translation>ไฟล์ไม่ใช่ UTF-8 จึงอ่านเป็น %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cell(s) hold the error of a formula (#N/A and the like), first: %2: imported as that text</source>
        <translation>มี %1 เซลล์ที่เป็นข้อผิดพลาดของสูตร (#N/A และอื่นๆ) เซลล์แรก: %2: นำเข้าเป็นข้อความนั้น</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 byte(s) are no UTF-8 letter, first in line %2: they show as %3</source>
        <translation>มี %1 ไบต์ที่ไม่ใช่ตัวอักษร UTF-8 ไบต์แรกอยู่ในบรรทัด %2: แสดงเป็น %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file has %1 columns, the page %2</source>
        <translation>ไฟล์มี %1 คอลัมน์ แต่หน้านี้มี %2 คอลัมน์</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its header line names other columns than the page&apos;s (%1): the columns are read by their place</source>
        <translation>บรรทัดหัวตารางระบุคอลัมน์ต่างจากของหน้า (%1): อ่านคอลัมน์ตามตำแหน่ง</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 row(s) hold more cells than the header line, first: row %2: check for a comma in a number or name</source>
        <translation>%1 แถวมีเซลล์มากกว่าบรรทัดหัวตาราง แถวแรก: แถว %2: ตรวจดูเครื่องหมายจุลภาคในตัวเลขหรือชื่อ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 cell in scientific notation was converted, first: row %1, column %2: check the codes</source>
        <translation>แปลงเซลล์ที่เป็นสัญกรณ์วิทยาศาสตร์แล้ว 1 เซลล์ ที่แถว %1 คอลัมน์ %2: โปรดตรวจดูรหัส</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cells in scientific notation were converted, first: row %2, column %3: check the codes</source>
        <translation>แปลงเซลล์ที่เป็นสัญกรณ์วิทยาศาสตร์แล้ว %1 เซลล์ เซลล์แรกที่แถว %2 คอลัมน์ %3: โปรดตรวจดูรหัส</translation>
    </message>
    <message>
        <location filename="../storage/xlsx.cpp" line="+73"/>
        <source>%1 is damaged (%2, line %3)</source>
        <translation>%1 เสียหาย (%2 บรรทัด %3)</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>%1 would unpack to %2 MiB, more than the %3 MiB allowed for one part of a workbook</source>
        <translation>%1 จะขยายเป็น %2 MiB เกินกว่า %3 MiB ที่อนุญาตสำหรับแต่ละส่วนของเวิร์กบุ๊ก</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>the file holds no workbook</source>
        <translation>ไฟล์ไม่มีเวิร์กบุ๊ก</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the workbook has no worksheet</source>
        <translation>เวิร์กบุ๊กไม่มีเวิร์กชีต</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the workbook names no part for its first sheet</source>
        <translation>เวิร์กบุ๊กไม่ได้ระบุส่วนของชีตแรก</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the first worksheet unpacks to more than the %1 MiB an import takes (at row %2)</source>
        <translation>เวิร์กชีตแรกเมื่อแตกออกมีขนาดเกิน %1 MiB ที่นำเข้าได้ (ที่แถว %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the first worksheet has text in row %1, more than the %2 rows an import takes</source>
        <translation>เวิร์กชีตแรกมีข้อความในแถว %1 เกินกว่า %2 แถวที่นำเข้าได้</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>cell %1 holds a formula without its value: open the file in a spreadsheet and save it again</source>
        <translation>เซลล์ %1 มีสูตรแต่ไม่มีค่า: เปิดไฟล์ในโปรแกรมตารางคำนวณแล้วบันทึกอีกครั้ง</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cell %1 names a shared text the file does not hold</source>
        <translation>เซลล์ %1 อ้างถึงข้อความที่ใช้ร่วมกันซึ่งไม่มีในไฟล์</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>the file does not exist</source>
        <translation>ไม่พบไฟล์</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not an .xlsx workbook (the file is no zip archive, or a damaged one)</source>
        <translation>ไม่ใช่เวิร์กบุ๊ก .xlsx (ไฟล์ไม่ใช่ไฟล์ zip หรือเป็นไฟล์ zip ที่เสียหาย)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the first worksheet (%1) is missing</source>
        <translation>ไม่พบเวิร์กชีตแรก (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the first worksheet (%1) is damaged</source>
        <translation>เวิร์กชีตแรก (%1) เสียหาย</translation>
    </message>
</context>
<context>
    <name>TcpServer</name>
    <message>
        <location filename="../link/tcpserver.cpp" line="+69"/>
        <source>port %1 is taken by another program</source>
        <translation>พอร์ต %1 ถูกโปรแกรมอื่นใช้อยู่</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not an address of this PC</source>
        <translation>%1 ไม่ใช่ที่อยู่ของคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the system does not let it use port %1</source>
        <translation>ระบบไม่อนุญาตให้ใช้พอร์ต %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>port %1</source>
        <translation>พอร์ต %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+28"/>
        <source>%1, port %2</source>
        <translation>%1 พอร์ต %2</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Tallvane cannot listen for registers on %1: %2.</source>
        <translation>Tallvane รอรับการเชื่อมต่อจากเครื่องเก็บเงินที่ %1 ไม่ได้: %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 or %2</source>
        <extracomment>&quot;10.0.0.2, 10.0.0.3 or 127.0.0.1&quot;: the addresses registers may dial</extracomment>
        <translation>%1 หรือ %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>already %1 open ([tcp] maxConnections)</source>
        <translation>เปิดการเชื่อมต่อครบ %1 แล้ว ([tcp] maxConnections)</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="+18"/>
        <source>warning</source>
        <translation>คำเตือน</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+38"/>
        <source>Delete from the register</source>
        <translation>ลบออกจากเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+89"/>
        <source>No register took the request.</source>
        <translation>ไม่มีเครื่องเก็บเงินรับคำสั่ง</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Open the %1 page first.</source>
        <translation>เปิดหน้า %1 ก่อน</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The page&apos;s %1 compared with what each connected register holds as far as Tallvane knows (its last install, verify or download):</source>
        <translation>%1ในหน้านี้เทียบกับข้อมูลที่เครื่องเก็บเงินแต่ละเครื่องมีอยู่ตามที่ Tallvane ทราบ (จากการติดตั้ง การตรวจสอบ หรือการดาวน์โหลดครั้งล่าสุด):</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Nothing to send: see the log</source>
        <translation>ไม่มีข้อมูลที่ต้องส่ง: ดูล็อก</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nothing sent: the changes go with the next send</source>
        <translation>ไม่ได้ส่งอะไร: การเปลี่ยนแปลงจะไปกับการส่งครั้งถัดไป</translation>
    </message>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="-26"/>
        <source>Install sends all the page&apos;s %1 to %2 again; PLUs not on the page stay on the register. PLU totals kept by the register may be lost.</source>
        <translation>การติดตั้งส่ง %1 ทั้งหมดในหน้าไปยัง %2 อีกครั้ง สินค้าที่ไม่อยู่ในหน้าจะยังอยู่ในเครื่องบันทึกเงินสด ยอดรวมสินค้าที่เครื่องเก็บไว้อาจสูญหาย</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Install replaces the whole %1 table of %2 with the page&apos;s %3.</source>
        <translation>การติดตั้งจะแทนที่ตาราง%1ทั้งหมดของ %2 ด้วย %3 จากหน้านี้</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Send only the changes instead?</source>
        <translation>ส่งเฉพาะที่เปลี่ยนแทนหรือไม่?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Install</source>
        <extracomment>Title of the question before a whole table is sent to the register(s).</extracomment>
        <translation>ติดตั้ง</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send changes</source>
        <translation>ส่งเฉพาะที่เปลี่ยน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install all</source>
        <translation>ติดตั้งทั้งหมด</translation>
    </message>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+89"/>
        <source>Select the PLUs to send first.</source>
        <translation>เลือกสินค้าที่จะส่งก่อน</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Only the administrator may erase a register&apos;s tables.</source>
        <translation>เฉพาะผู้ดูแลระบบเท่านั้นที่ล้างข้อมูลตารางของเครื่องเก็บเงินได้</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cancelling: the registers stop after the current frame ...</source>
        <translation>กำลังยกเลิก: เครื่องเก็บเงินจะหยุดหลังเฟรมปัจจุบัน ...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A transfer with the registers is still running. Stop it after the current frame and close?</source>
        <translation>การรับส่งข้อมูลกับเครื่องเก็บเงินยังทำงานอยู่ หยุดหลังเฟรมปัจจุบันแล้วปิดหรือไม่</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop and close</source>
        <translation>หยุดและปิด</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep running</source>
        <translation>ทำงานต่อ</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The page shows the table of %1; %2 sent another: download from one register to see its own.</source>
        <translation>หน้านี้แสดงตารางของ %1 แต่ %2 ส่งตารางอื่นมา: ดาวน์โหลดจากเครื่องเดียวเพื่อดูตารางของเครื่องนั้น</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Not sent to %1: no baseline yet (download from it, or install the whole table).</source>
        <translation>ไม่ได้ส่งไปยัง %1: ยังไม่มีข้อมูลอ้างอิง (ดาวน์โหลดจากเครื่อง หรือติดตั้งทั้งตาราง)</translation>
    </message>
</context>
<context>
    <name>TransferMonitor</name>
    <message>
        <location filename="../app/transfer/transfermonitor.cpp" line="+55"/>
        <source>%v rows received</source>
        <extracomment>Progress bar of a download: %v is the number of rows received so far.</extracomment>
        <translation>ได้รับแล้ว %v แถว</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%v / %m rows</source>
        <extracomment>Progress bar of a send: %v rows acknowledged of %m.</extracomment>
        <translation>%v / %m แถว</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>%1 registers: all ended well; each is in the log</source>
        <translation>เครื่องเก็บเงิน %1 เครื่อง: สำเร็จทั้งหมด ดูผลของแต่ละเครื่องในล็อก</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 registers: %2 ended well, %3 did not; each is in the log</source>
        <translation>เครื่องเก็บเงิน %1 เครื่อง: สำเร็จ %2 ไม่สำเร็จ %3 ดูผลของแต่ละเครื่องในล็อก</translation>
    </message>
</context>
<context>
    <name>TransferOutcome</name>
    <message>
        <location filename="../link/outcome.cpp" line="-169"/>
        <source>%1 s</source>
        <translation>%1 วินาที</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../link/transfer.cpp" line="-245"/>
        <source>the system parameters</source>
        <translation>ค่าระบบ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the logo</source>
        <translation>โลโก้</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 rows</source>
        <translation>%1 แถว</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> after %1</source>
        <translation> หลังจาก %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>, the first of %1 rows</source>
        <translation>, แถวแรกจาก %1 แถว</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> after %1 of %2 rows</source>
        <translation> หลังจาก %1 จาก %2 แถว</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 added</source>
        <translation>เพิ่มแล้ว %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 updated</source>
        <translation>อัปเดตแล้ว %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 deleted</source>
        <translation>ลบแล้ว %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 installed</source>
        <translation>ติดตั้งแล้ว %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 cannot be read over this link: %2 came and were dropped</source>
        <translation>อ่าน%1ผ่านการเชื่อมต่อนี้ไม่ได้: ได้รับ %2 และถูกทิ้ง</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the register holds no %1</source>
        <translation>เครื่องเก็บเงินไม่มี%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 downloaded</source>
        <translation>ดาวน์โหลดแล้ว %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every table erased</source>
        <translation>ล้างข้อมูลทุกตารางแล้ว</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nothing sent: the page holds no %1</source>
        <translation>ไม่ได้ส่งข้อมูล: หน้านี้ไม่มี%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 changed: %2</source>
        <translation>%1ที่เปลี่ยน: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and verified</source>
        <translation>%1 และตรวจสอบแล้ว</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; the register answered late and rows were sent again: download from it to see what it holds</source>
        <translation>; เครื่องเก็บเงินตอบช้าและมีการส่งแถวซ้ำ: ดาวน์โหลดจากเครื่องเพื่อดูว่าเครื่องมีอะไรอยู่</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>; the register answered more often than it was asked: download from it to see what it holds</source>
        <translation> เครื่องบันทึกเงินสดตอบมากกว่าที่ถูกถาม: ดาวน์โหลดจากเครื่องเพื่อดูว่าเก็บอะไรไว้</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the register refused the request (code %1)</source>
        <translation>เครื่องเก็บเงินปฏิเสธคำสั่ง (รหัส %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the register refused %1 (code %2)%3</source>
        <translation>เครื่องเก็บเงินปฏิเสธ %1 (รหัส %2)%3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no answer from the register%1 (%2)</source>
        <translation>เครื่องเก็บเงินไม่ตอบกลับ%1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no answer from the register to %1%2 (%3 attempt, %4)</source>
        <translation>เครื่องเก็บเงินไม่ตอบกลับ %1%2 (ลอง %3 ครั้ง, %4)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer from the register to %1%2 (%3 attempts, %4)</source>
        <translation>เครื่องเก็บเงินไม่ตอบกลับ %1%2 (ลอง %3 ครั้ง, %4)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the register sent a bad frame (%1)%2</source>
        <translation>เครื่องเก็บเงินส่งเฟรมที่ผิดพลาด (%1)%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cancelled by the operator after %1; the rows received were discarded</source>
        <translation>ผู้ใช้ยกเลิกหลังจาก %1 และทิ้งแถวที่ได้รับมาแล้ว</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancelled by the operator after %1 of %2 rows; the register keeps what it received (%3, perhaps with the row on its way)</source>
        <translation>ผู้ใช้ยกเลิกหลังจาก %1 จาก %2 แถว; เครื่องเก็บเงินเก็บส่วนที่ได้รับไว้ (%3 และอาจรวมแถวที่กำลังส่งอยู่)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cancelled by the operator after %1 of %2 rows; the register keeps what it received (%3)</source>
        <translation>ผู้ใช้ยกเลิกหลังจาก %1 จาก %2 แถว; เครื่องเก็บเงินเก็บส่วนที่ได้รับไว้ (%3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the link ended%1; the register keeps what it received</source>
        <translation>การเชื่อมต่อสิ้นสุด%1; เครื่องเก็บเงินเก็บส่วนที่ได้รับไว้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the link ended%1</source>
        <translation>การเชื่อมต่อสิ้นสุด%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; what the register now holds could not be noted in the set: download from it before comparing</source>
        <translation>; ไม่สามารถบันทึกสิ่งที่เครื่องเก็บเงินมีอยู่ตอนนี้ลงในชุดตั้งค่าได้: ดาวน์โหลดจากเครื่องก่อนเปรียบเทียบ</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+41"/>
        <source>%1 more</source>
        <translation>อีก %1</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>the register(s)</source>
        <translation>เครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the connected register (%1)</source>
        <translation>เครื่องเก็บเงินที่เชื่อมต่ออยู่ (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the %1 connected registers (%2)</source>
        <translation>เครื่องเก็บเงินที่เชื่อมต่ออยู่ %1 เครื่อง (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Erase every table of %1? This cannot be undone.</source>
        <translation>ล้างข้อมูลทุกตารางของ %1 หรือไม่? การล้างนี้ย้อนกลับไม่ได้</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 connected registers</source>
        <translation>เครื่องเก็บเงินที่เชื่อมต่ออยู่ %1 เครื่อง</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete %1 from %2?</source>
        <translation>ลบ %1 ออกจาก %2 หรือไม่?</translation>
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
        <translation>ผู้ใช้ยกเลิกการตรวจสอบ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the link ended before the table came back</source>
        <translation>การเชื่อมต่อสิ้นสุดก่อนที่ตารางจะกลับมา</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>the clear command</source>
        <translation>คำสั่งล้างข้อมูล</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>logo part %1 of %2</source>
        <translation>โลโก้ส่วนที่ %1 จาก %2</translation>
    </message>
    <message>
        <location filename="../link/changes.cpp" line="-39"/>
        <source>Delete from %1 connected registers: %2?</source>
        <extracomment>%1 how many registers, %2 for each register what it loses (&quot;127.0.0.1: 1 PLU (1001 TEA)&quot;)</extracomment>
        <translation>ลบออกจากเครื่องเก็บเงินที่เชื่อมต่ออยู่ %1 เครื่อง: %2 หรือไม่?</translation>
    </message>
</context>
<context>
    <name>TransferQuestions</name>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="+13"/>
        <source>Send the other changes without deleting them, or nothing at all (Cancel).</source>
        <translation>ส่งการเปลี่ยนแปลงอื่นโดยไม่ลบ หรือไม่ส่งอะไรเลย (ยกเลิก)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete and send</source>
        <extracomment>Buttons: delete those PLUs and send the other changes; send the other changes only</extracomment>
        <translation>ลบและส่ง</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send without deleting</source>
        <translation>ส่งโดยไม่ลบ</translation>
    </message>
</context>
<context>
    <name>VerifyReport</name>
    <message>
        <location filename="../records/verify.cpp" line="+37"/>
        <source>1 row</source>
        <translation>1 แถว</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation>%1 แถว</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>not on the register</source>
        <translation>ไม่มีในเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>still on the register</source>
        <translation>ยังอยู่ในเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 sent %2, the register holds %3</source>
        <translation>%1 ส่ง %2 แต่เครื่องเก็บเงินมี %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>not verified: %1</source>
        <translation>ตรวจสอบไม่ได้: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>verified: %1 gone</source>
        <translation>ตรวจสอบแล้ว: %1 ถูกลบออกแล้ว</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>verified: %1 identical</source>
        <translation>ตรวจสอบแล้ว: %1 ตรงกัน</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; the register holds %1 more</source>
        <translation>; เครื่องเก็บเงินมีเกินมาอีก %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>verify: %1 of %2 still on the register</source>
        <translation>ตรวจสอบ: %1 จาก %2 ยังอยู่ในเครื่องเก็บเงิน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify: %1 of %2 differs</source>
        <translation>ตรวจสอบ: %1 จาก %2 ไม่ตรงกัน</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify: %1 of %2 differ</source>
        <translation>ตรวจสอบ: %1 จาก %2 ไม่ตรงกัน</translation>
    </message>
    <message>
        <location filename="../link/transfer.cpp" line="-53"/>
        <source>a frame of the table failed its check (BCC ERR)</source>
        <translation>เฟรมหนึ่งของตารางมีผลรวมตรวจสอบผิดพลาด (BCC ERR)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the table did not come back (RCV ERR)</source>
        <translation>ไม่ได้รับตารางกลับมา (RCV ERR)</translation>
    </message>
</context>
<context>
    <name>adminmodDialog</name>
    <message>
        <location filename="../app/dialogs/adminmoddialog.ui" line="+16"/>
        <source>UserName:</source>
        <translation>ชื่อผู้ใช้:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+17"/>
        <source>Password:</source>
        <translation>รหัสผ่าน:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+71"/>
        <source>The same password again</source>
        <translation>รหัสผ่านเดิมอีกครั้ง</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>New Name:</source>
        <translation>ชื่อใหม่:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Old Pwd:</source>
        <translation>รหัสผ่านเดิม:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+17"/>
        <source>New Pwd:</source>
        <translation>รหัสผ่านใหม่:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Ok</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <location filename="../app/dialogs/adminmoddialog.cpp" line="+40"/>
        <source>Warning!</source>
        <translation>คำเตือน!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>user name set err!</source>
        <translation>ตั้งชื่อผู้ใช้ไม่ถูกต้อง!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+31"/>
        <source>new password set err!</source>
        <translation>ตั้งรหัสผ่านใหม่ไม่ถูกต้อง!</translation>
    </message>
    <message>
        <location line="-27"/>
        <location line="+33"/>
        <source>user is exist!</source>
        <translation>มีผู้ใช้นี้อยู่แล้ว!</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>new name set err!</source>
        <translation>ตั้งชื่อใหม่ไม่ถูกต้อง!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>old password err!</source>
        <translation>รหัสผ่านเดิมไม่ถูกต้อง!</translation>
    </message>
</context>
<context>
    <name>db_create</name>
    <message>
        <location filename="../app/dialogs/db_create.ui" line="+9"/>
        <source>Dialog</source>
        <translation>ชุดตั้งค่าใหม่</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>INPUT DB NAME:</source>
        <translation>ป้อนชื่อชุดตั้งค่า:</translation>
    </message>
</context>
<context>
    <name>loginDialog</name>
    <message>
        <location filename="../app/dialogs/logindialog.ui" line="+9"/>
        <source>User Login</source>
        <translation>เข้าสู่ระบบ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choice language:</source>
        <translation>เลือกภาษา:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Username:</source>
        <translation>ชื่อผู้ใช้:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>รหัสผ่าน:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Login</source>
        <translation>เข้าสู่ระบบ</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <location filename="../app/dialogs/logindialog.cpp" line="-52"/>
        <source>First start: log in as admin with the password 604218, then change that password in user management (the %1 button).</source>
        <translation>เริ่มใช้งานครั้งแรก: เข้าสู่ระบบเป็น admin ด้วยรหัสผ่าน 604218 แล้วเปลี่ยนรหัสผ่านนั้นในหน้าจัดการผู้ใช้ (ปุ่ม %1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The user database cannot be read: %1.
%2
Nobody can log in until it is restored or moved aside. It has not been changed.</source>
        <translation>อ่านฐานข้อมูลผู้ใช้ไม่ได้: %1
%2
จะไม่มีใครเข้าสู่ระบบได้จนกว่าจะกู้คืนหรือย้ายไฟล์ออกไป ฐานข้อมูลนี้ไม่ได้ถูกเปลี่ยนแปลง</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>username is not exist!</source>
        <translation>ไม่มีชื่อผู้ใช้นี้!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>password err!</source>
        <translation>รหัสผ่านไม่ถูกต้อง!</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+21"/>
        <source>Warning!</source>
        <translation>คำเตือน!</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>The administrator admin still has the first password, which every new installation shows on its login screen. Change it in user management (the %1 button).</source>
        <translation>ผู้ดูแล admin ยังใช้รหัสผ่านแรกอยู่ ซึ่งหน้าจอเข้าสู่ระบบของทุกการติดตั้งใหม่แสดงไว้ ให้เปลี่ยนในหน้าจัดการผู้ใช้ (ปุ่ม %1)</translation>
    </message>
</context>
<context>
    <name>rs232thread</name>
    <message>
        <location filename="../link/serialserver.cpp" line="+52"/>
        <source>the port did not open in time</source>
        <translation>เปิดพอร์ตไม่ทันเวลา</translation>
    </message>
</context>
<context>
    <name>usrdb</name>
    <message>
        <location filename="../users/usrdb.cpp" line="+130"/>
        <source>can not open usr_db database</source>
        <translation>เปิดฐานข้อมูล usr_db ไม่ได้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to establish a usr_db database connection.</source>
        <translation>ไม่สามารถเชื่อมต่อฐานข้อมูล usr_db ได้</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>no such table: %1</source>
        <translation>ไม่พบตาราง: %1</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>the user is no longer there</source>
        <translation>ไม่มีผู้ใช้นี้แล้ว</translation>
    </message>
</context>
<context>
    <name>usrdialog</name>
    <message>
        <location filename="../app/dialogs/usrdialog.ui" line="+9"/>
        <source>User Management</source>
        <translation>จัดการผู้ใช้</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>UserList</source>
        <translation>รายชื่อผู้ใช้</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>AdminEdit</source>
        <translation>แก้ไขผู้ดูแลระบบ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Admin:</source>
        <translation>ผู้ดูแลระบบ:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+53"/>
        <source>Password:</source>
        <translation>รหัสผ่าน:</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+159"/>
        <source>Modify</source>
        <translation>แก้ไข</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>UserInfo</source>
        <translation>ข้อมูลผู้ใช้</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UserName:</source>
        <translation>ชื่อผู้ใช้:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>UserPermissions</source>
        <translation>สิทธิ์ผู้ใช้</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TRAILER</source>
        <translation>ท้ายใบเสร็จ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DISCOUNT</source>
        <translation>ส่วนลด</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>TAX</source>
        <translation>ภาษี</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GRAPHIC</source>
        <translation>โลโก้</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GROUP</source>
        <translation>กลุ่ม</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PLU</source>
        <translation>สินค้า</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HEADER</source>
        <translation>หัวใบเสร็จ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CLERK</source>
        <translation>แคชเชียร์</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DEPARTMENT</source>
        <translation>แผนก</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NET</source>
        <translation>เครือข่าย</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>SYSTEM</source>
        <translation>ระบบ</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>UserEdit</source>
        <translation>แก้ไขผู้ใช้</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../app/dialogs/usrdialog.cpp" line="+209"/>
        <source>Add User</source>
        <translation>เพิ่มผู้ใช้</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete User</source>
        <translation>ลบผู้ใช้</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SetPerm</source>
        <translation>กำหนดสิทธิ์</translation>
    </message>
    <message>
        <location filename="../app/dialogs/usrdialog.cpp" line="-157"/>
        <source>Modify changes nothing: tick the boxes and press SetPerm</source>
        <translation>&quot;แก้ไข&quot; ไม่ได้เปลี่ยนแปลงสิ่งใด: ให้ติ๊กช่องแล้วกด &quot;กำหนดสิทธิ์&quot;</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>none</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>There is no user to choose: Add User first</source>
        <translation>ไม่มีผู้ใช้ให้เลือก: เพิ่มผู้ใช้ก่อน</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 no longer exists: the list is read again</source>
        <translation>ไม่มีผู้ใช้ %1 แล้ว: อ่านรายชื่อใหม่</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Choose a user in the list first</source>
        <translation>เลือกผู้ใช้ในรายการก่อน</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Permissions of %1 saved: %2</source>
        <translation>บันทึกสิทธิ์ของ %1 แล้ว: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Permissions of %1 not saved: %2</source>
        <extracomment>%2 why (the database&apos;s reason)</extracomment>
        <translation>ไม่ได้บันทึกสิทธิ์ของ %1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>delete user</source>
        <extracomment>Title of the question before a user is deleted</extracomment>
        <translation>ลบผู้ใช้</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete the user %1? %1 can no longer log in, and this cannot be undone.</source>
        <translation>ลบผู้ใช้ %1 หรือไม่? %1 จะเข้าสู่ระบบไม่ได้อีก และยกเลิกการกระทำนี้ไม่ได้</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kept</source>
        <translation>เก็บ %1 ไว้</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 not deleted: %2</source>
        <translation>ไม่ได้ลบ %1: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The user was not added: %1</source>
        <extracomment>%1 why (the database&apos;s reason)</extracomment>
        <translation>ไม่ได้เพิ่มผู้ใช้: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Name and password of the administrator not saved: %1</source>
        <extracomment>%1 why (the database&apos;s reason)</extracomment>
        <translation>ไม่ได้บันทึกชื่อและรหัสผ่านของผู้ดูแลระบบ: %1</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>%1 deleted</source>
        <extracomment>%2 why (the database&apos;s reason)</extracomment>
        <translation>ลบ %1 แล้ว</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 added with every permission: untick and SetPerm to restrict</source>
        <translation>เพิ่ม %1 แล้วพร้อมสิทธิ์ทั้งหมด: หากต้องการจำกัดสิทธิ์ ให้เอาติ๊กออกแล้วกด &quot;กำหนดสิทธิ์&quot;</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Mod Admin</source>
        <translation>แก้ไขผู้ดูแลระบบ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name and password of the administrator saved: %1</source>
        <translation>บันทึกชื่อและรหัสผ่านของผู้ดูแลระบบแล้ว: %1</translation>
    </message>
</context>
</TS>
