<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../app/help/aboutdialog.ui" line="+6"/>
        <source>About Tallvane</source>
        <translation>Σχετικά με το Tallvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Programs electronic cash registers from a PC.</source>
        <translation>Προγραμματισμός ταμειακών μηχανών από υπολογιστή.</translation>
    </message>
    <message>
        <location filename="../app/help/aboutdialog.cpp" line="+17"/>
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
        <translation>Ελεύθερο λογισμικό υπό την GNU General Public License, έκδοση 3 ή νεότερη (GPL-3.0-or-later), χωρίς καμία εγγύηση.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Data folder: %1</source>
        <translation>Φάκελος δεδομένων: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (μεταγλώττιση με %2)</translation>
    </message>
</context>
<context>
    <name>ButtonCaption</name>
    <message>
        <location filename="../app/buttonpictures.cpp" line="+30"/>
        <source>GROUP</source>
        <translation>ΚΑΤΗΓΟΡΙΕΣ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DEPT</source>
        <translation>ΤΜΗΜΑΤΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>ΕΙΔΗ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX</source>
        <translation>ΦΠΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DISC</source>
        <translation>ΕΚΠΤΩΣΕΙΣ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLERK</source>
        <translation>ΧΕΙΡΙΣΤΕΣ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HEADER</source>
        <translation>ΕΠΩΝΥΜΙΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRAILER</source>
        <translation>ΕΥΧΑΡΙΣΤΗΡΙΟ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOGO</source>
        <translation>ΛΟΓΟΤΥΠΟ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NETWORK</source>
        <translation>ΔΙΚΤΥΟ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SYSTEM</source>
        <translation>ΣΥΣΤΗΜΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../app/dialogs/logindialog.cpp" line="+98"/>
        <location line="+50"/>
        <source>USERS</source>
        <translation>ΧΡΗΣΤΕΣ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Install</source>
        <extracomment>Sends the page&apos;s table to the register(s)</extracomment>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download</source>
        <extracomment>Reads the page&apos;s table from the register</extracomment>
        <translation>Λήψη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export</source>
        <extracomment>Writes the page to a CSV file (not File &gt; Save, which stores the page in the set)</extracomment>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add</source>
        <extracomment>Adds the selected PLUs to the register(s)</extracomment>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update</source>
        <extracomment>Updates the selected PLUs on the register(s)</extracomment>
        <translation>Αναβάθμιση</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <extracomment>Deletes the selected PLUs from the register(s)</extracomment>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>Back to the category buttons</extracomment>
        <translation>Επιστροφή</translation>
    </message>
</context>
<context>
    <name>ButtonPage</name>
    <message>
        <location filename="../app/pages/buttonpage.ui" line="+36"/>
        <location line="+3"/>
        <source>Group</source>
        <translation>Κατηγορίες</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Dept</source>
        <translation>Τμήματα</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Plu</source>
        <translation>Είδη</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Tax</source>
        <translation>ΦΠΑ</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Disc</source>
        <translation>Εκπτώσεις</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Clerk</source>
        <translation>Χειριστές</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Header</source>
        <translation>Επωνυμία</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>Trailer</source>
        <translation>Ευχαριστήριο</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Logo: the picture printed at the top of the receipt</source>
        <translation>Λογότυπο: η εικόνα που τυπώνεται στην αρχή της απόδειξης</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>graphic</source>
        <translation>Λογότυπο</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Network: the register&apos;s network parameters</source>
        <translation>Δίκτυο: οι παράμετροι δικτύου της ταμειακής</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NetParm</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>System: the register&apos;s system parameters</source>
        <translation>Σύστημα: οι παράμετροι συστήματος της ταμειακής</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SysParm</source>
        <translation>Σύστημα</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Users: operators and their permissions</source>
        <translation>Χρήστες: οι χειριστές και τα δικαιώματά τους</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>admin</source>
        <translation>Διαχείριση</translation>
    </message>
    <message>
        <location filename="../app/pages/buttonpage.cpp" line="+87"/>
        <source>Locked: opening %1 needs the %2 permission. An administrator grants it in user management.</source>
        <translation>Κλειδωμένο: για το άνοιγμα της σελίδας %1 χρειάζεται το δικαίωμα %2. Το δίνει ένας διαχειριστής στη Διαχείριση χρηστών.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Locked: only the administrator manages users.</source>
        <translation>Κλειδωμένο: μόνο ο διαχειριστής διαχειρίζεται χρήστες.</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <location filename="../records/categories.cpp" line="+23"/>
        <source>department</source>
        <translation>τμήμα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>departments</source>
        <translation>τμήματα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>είδος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLUs</source>
        <translation>είδη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tax</source>
        <translation>συντελεστής ΦΠΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>taxes</source>
        <translation>συντελεστές ΦΠΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discount</source>
        <translation>έκπτωση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>discounts</source>
        <translation>εκπτώσεις</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group</source>
        <translation>κατηγορία</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>groups</source>
        <translation>κατηγορίες</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clerk</source>
        <translation>χειριστής</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clerks</source>
        <translation>χειριστές</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>header line</source>
        <translation>γραμμή επωνυμίας</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>header lines</source>
        <translation>γραμμές επωνυμίας</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>extended header line</source>
        <translation>γραμμή πρόσθετης επωνυμίας</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>extended header lines</source>
        <translation>γραμμές πρόσθετης επωνυμίας</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>trailer line</source>
        <translation>γραμμή ευχαριστηρίου</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>trailer lines</source>
        <translation>γραμμές ευχαριστηρίου</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>network parameter record</source>
        <translation>εγγραφή παραμέτρων δικτύου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>network parameter records</source>
        <translation>εγγραφές παραμέτρων δικτύου</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>system parameter record</source>
        <translation>εγγραφή παραμέτρων συστήματος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>system parameter records</source>
        <translation>εγγραφές παραμέτρων συστήματος</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>1 row</source>
        <translation>1 γραμμή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation>%1 γραμμές</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rows</source>
        <translation>γραμμές</translation>
    </message>
    <message>
        <location filename="../link/outcome.cpp" line="+190"/>
        <source>row</source>
        <translation>γραμμή</translation>
    </message>
</context>
<context>
    <name>CategoryPage</name>
    <message>
        <location filename="../app/pages/categorypages.cpp" line="+11"/>
        <source>Group</source>
        <translation>Κατηγορίες</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groups</source>
        <translation>Κατηγορίες</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dept</source>
        <translation>Τμήματα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Departments</source>
        <translation>Τμήματα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plu</source>
        <translation>Είδη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PLU</source>
        <translation>Είδη (PLU)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tax</source>
        <translation>ΦΠΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taxes</source>
        <translation>ΦΠΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Disc</source>
        <translation>Εκπτώσεις</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discounts</source>
        <translation>Εκπτώσεις</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clerk</source>
        <translation>Χειριστές</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clerks</source>
        <translation>Χειριστές</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Header</source>
        <translation>Επωνυμία</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Trailer</source>
        <translation>Ευχαριστήριο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>graphic</source>
        <translation>Λογότυπο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logo</source>
        <translation>Λογότυπο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NetParm</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Network</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SysParm</source>
        <translation>Σύστημα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System</source>
        <translation>Σύστημα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXTHeader</source>
        <translation>Πρόσθετη επωνυμία</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extended header</source>
        <translation>Πρόσθετη επωνυμία</translation>
    </message>
</context>
<context>
    <name>CellMarks</name>
    <message>
        <location filename="../app/grid/cellmarks.cpp" line="+52"/>
        <source>1 cell</source>
        <translation>1 κελί</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells</source>
        <translation>%1 κελιά</translation>
    </message>
    <message>
        <location line="+345"/>
        <source>%1 will not reach the register as shown:</source>
        <translation>Δεν θα φτάσουν στην ταμειακή όπως φαίνονται (%1):</translation>
    </message>
    <message>
        <location line="-334"/>
        <source>row %1, %2: %3</source>
        <translation>γραμμή %1, %2: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>... and %1 more</source>
        <translation>... και ακόμη %1</translation>
    </message>
    <message>
        <location line="+332"/>
        <source>Send anyway?</source>
        <translation>Αποστολή παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>warning</source>
        <translation>Προειδοποίηση</translation>
    </message>
</context>
<context>
    <name>ColumnTips</name>
    <message>
        <location filename="../app/grid/columntips.cpp" line="+17"/>
        <source>in %1 a letter beyond ASCII takes two or more bytes</source>
        <translation>στο %1 ένα γράμμα εκτός ASCII πιάνει δύο ή περισσότερα byte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 one byte a letter</source>
        <translation>στο %1 ένα byte ανά γράμμα</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: numbered by the register; not sent</source>
        <translation>%1: αριθμείται από την ταμειακή· δεν στέλνεται</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: up to %2 bytes; %3</source>
        <translation>%1: έως %2 byte· %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: an amount of up to %2 digits, %3 of them after the point</source>
        <translation>%1: ποσό έως %2 ψηφίων, τα %3 μετά την υποδιαστολή</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: a number of up to %2 digits</source>
        <translation>%1: αριθμός έως %2 ψηφίων</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: a whole number from %2 to %3</source>
        <translation>%1: ακέραιος αριθμός από %2 έως %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: eight options as digits 1 (on) and 0 (off), the right-most the first</source>
        <translation>%1: οκτώ επιλογές ως ψηφία 1 (ναι) και 0 (όχι), η δεξιότερη είναι η πρώτη</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: eight options as digits 1 (on) and 0 (off), the right-most the first; double-click the cell, or right-click it, to choose them</source>
        <translation>%1: οκτώ επιλογές ως ψηφία 1 (ναι) και 0 (όχι), η δεξιότερη είναι η πρώτη· κάντε διπλό κλικ ή δεξί κλικ στο κελί για να τις επιλέξετε</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: some of the digits %2 to %3, in any order</source>
        <translation>%1: κάποια από τα ψηφία %2 έως %3, με οποιαδήποτε σειρά</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: an IPv4 address, four numbers from 0 to 255 joined by dots</source>
        <translation>%1: διεύθυνση IPv4, τέσσερις αριθμοί από 0 έως 255 χωρισμένοι με τελείες</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: 64 hexadecimal digits, or empty</source>
        <translation>%1: 64 δεκαεξαδικά ψηφία ή κενό</translation>
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
        <translation>Α/Α</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/dept.cpp" line="+1"/>
        <location filename="../records/disc.cpp" line="+1"/>
        <location filename="../records/group.cpp" line="+1"/>
        <location filename="../records/plu.cpp" line="+67"/>
        <location filename="../records/tax.cpp" line="+1"/>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passwd</source>
        <translation>Κωδ. πρόσβασης</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/dept.cpp" line="+3"/>
        <location filename="../records/disc.cpp" line="+5"/>
        <location filename="../records/tax.cpp" line="+2"/>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <location filename="../records/dept.cpp" line="-2"/>
        <source>Group</source>
        <translation>Κατηγορία</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/disc.cpp" line="-1"/>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../records/disc.cpp" line="-1"/>
        <source>Tax</source>
        <translation>ΦΠΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/plu.cpp" line="+2"/>
        <source>Price</source>
        <translation>Τιμή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PriceMax</source>
        <translation>Μέγ. τιμή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kp</source>
        <translation>Εκτ. κουζίνας</translation>
    </message>
    <message>
        <location filename="../records/disc.cpp" line="-2"/>
        <source>Fixed</source>
        <translation>Σταθερή</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/group.cpp" line="+1"/>
        <source>Max</source>
        <translation>Μέγιστο</translation>
    </message>
    <message>
        <location filename="../records/lines.cpp" line="-26"/>
        <source>Header</source>
        <translation>Επωνυμία</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EXTHeader</source>
        <translation>Πρόσθετη επωνυμία</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trailer</source>
        <translation>Ευχαριστήριο</translation>
    </message>
    <message>
        <location filename="../records/netparm.cpp" line="+1"/>
        <source>Option</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPAddress</source>
        <translation>Διεύθυνση IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ClientPort</source>
        <translation>Θύρα πελάτη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerIP</source>
        <translation>IP διακομιστή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerPort</source>
        <translation>Θύρα διακομιστή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GateWay</source>
        <translation>Πύλη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IPMask</source>
        <translation>Μάσκα IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PrimaryDNS</source>
        <translation>Κύριος DNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SecondDNS</source>
        <translation>Δευτερεύων DNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ServerURL</source>
        <translation>URL διακομιστή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UserName</source>
        <translation>Όνομα χρήστη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password</source>
        <translation>Κωδικός πρόσβασης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PersonalCode</source>
        <translation>Προσωπικός κωδικός</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SecurityCode</source>
        <translation>Κωδικός ασφαλείας</translation>
    </message>
    <message>
        <location filename="../records/plu.cpp" line="-3"/>
        <source>Random</source>
        <translation>Κωδικός</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dept</source>
        <translation>Τμήμα</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stock+</source>
        <translation>Απόθεμα+</translation>
    </message>
    <message>
        <location filename="../records/tax.cpp" line="-1"/>
        <source>Rate</source>
        <translation>Συντελεστής</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <location filename="../app/dialogs/comparedialog.ui" line="+9"/>
        <source>Compare with register</source>
        <translation>Σύγκριση με ταμειακή</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Differences per register</source>
        <translation>Διαφορές ανά ταμειακή</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Difference</source>
        <translation>Διαφορά</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Download and compare</source>
        <translation>Λήψη και σύγκριση</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Read the table from each register now and compare it with the page</source>
        <translation>Λήψη του πίνακα από κάθε ταμειακή τώρα και σύγκριση με τη σελίδα</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Send changes</source>
        <translation>Αποστολή αλλαγών</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Send each register only what differs from what it holds</source>
        <translation>Στέλνει σε κάθε ταμειακή μόνο ό,τι διαφέρει από όσα έχει</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location filename="../app/dialogs/comparedialog.cpp" line="+47"/>
        <source>... and %1 more</source>
        <translation>... και ακόμη %1</translation>
    </message>
</context>
<context>
    <name>ConfigDb</name>
    <message>
        <location filename="../storage/configdb.cpp" line="+76"/>
        <location line="+521"/>
        <location line="+17"/>
        <source>Warnning!</source>
        <translation>Προειδοποίηση!</translation>
    </message>
    <message>
        <location line="-537"/>
        <location line="+245"/>
        <source>database is not connect.</source>
        <translation>Η βάση δεδομένων δεν είναι συνδεδεμένη.</translation>
    </message>
    <message>
        <location line="-240"/>
        <source>can not open database</source>
        <translation>Δεν είναι δυνατό το άνοιγμα της βάσης δεδομένων</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+254"/>
        <source>Unable to establish a database connection.</source>
        <translation>Δεν είναι δυνατή η σύνδεση με τη βάση δεδομένων.</translation>
    </message>
    <message>
        <location line="-222"/>
        <location filename="../storage/setcopy.cpp" line="+38"/>
        <source>no such file</source>
        <translation>Το αρχείο δεν υπάρχει</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../storage/setcopy.cpp" line="+24"/>
        <source>no such set on the server</source>
        <translation>δεν υπάρχει τέτοιο προφίλ στον διακομιστή</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>the version of %1 could not be read</source>
        <translation>η έκδοση του %1 δεν ήταν δυνατό να διαβαστεί</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>its columns itemData and itemOrder are of types %1 and %2, not bytea and integer</source>
        <translation>οι στήλες itemData και itemOrder είναι τύπου %1 και %2, όχι bytea και integer</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>%1 cannot be opened: %2.</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του %1: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cannot be read: %2. Nothing was changed, and nothing will be saved into it.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του %1: %2. Δεν άλλαξε τίποτα και δεν θα αποθηκευτεί τίποτα σε αυτό.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no such table: %1</source>
        <translation>Ο πίνακας δεν υπάρχει: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2. Nothing was changed; those categories show empty and are not saved.</source>
        <translation>%1: %2. Δεν άλλαξε τίποτα· αυτές οι ενότητες εμφανίζονται κενές και δεν αποθηκεύονται.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is read-only: saves are refused.</source>
        <translation>Το %1 είναι μόνο για ανάγνωση: η αποθήκευση δεν επιτρέπεται.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> It is read-only: saves are refused.</source>
        <translation> Είναι μόνο για ανάγνωση: η αποθήκευση δεν επιτρέπεται.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 holds %2 register texts (%3); the window shows %4</source>
        <translation>Το %1 έχει κείμενα ταμειακής στα %2 (%3)· το παράθυρο εμφανίζεται στα %4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds %2 register texts (%3); the tool&apos;s --language is %4</source>
        <translation>Το %1 έχει κείμενα ταμειακής στα %2 (%3)· η --language του εργαλείου είναι %4</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+17"/>
        <source>%1 is exist.</source>
        <translation>Το %1 υπάρχει ήδη.</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>%1 was saved into %2 by %3 at %4, after this program loaded it</source>
        <translation>το %1 αποθηκεύτηκε στο %2 από %3 στις %4, αφού το φόρτωσε αυτό το πρόγραμμα</translation>
    </message>
    <message>
        <location filename="../storage/setcopy.cpp" line="-19"/>
        <source>not a file but a device, a pipe or a folder</source>
        <translation>δεν είναι αρχείο αλλά συσκευή, σωλήνωση ή φάκελος</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>it holds no configuration set</source>
        <translation>δεν περιέχει προφίλ ρυθμίσεων</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it lacks the table(s) %1</source>
        <translation>του λείπουν οι πίνακες %1</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>the language of its register texts could not be recorded</source>
        <translation>η γλώσσα των κειμένων ταμειακής του δεν μπόρεσε να καταγραφεί</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <location filename="../app/transfer/connectionpanel.ui" line="+35"/>
        <source>Connection:</source>
        <translation>Σύνδεση:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Connection</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Look for serial ports again</source>
        <translation>Νέα αναζήτηση σειριακών θυρών</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>refresh</source>
        <translation>Ανανέωση</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>ComNum</source>
        <translation>Θύρα COM</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Baudrate</source>
        <translation>Ταχύτητα (baud)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Parity</source>
        <translation>Ισοτιμία</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>EVENT</source>
        <translation>Άρτια</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data bits</source>
        <translation>Bit δεδομένων</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Stop bits</source>
        <translation>Bit τερματισμού</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Flow control</source>
        <translation>Έλεγχος ροής</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>OFF</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ON</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <location line="+3"/>
        <location filename="../app/transfer/connectionpanel.cpp" line="+44"/>
        <location line="+277"/>
        <source>Open Serial</source>
        <translation>Άνοιγμα σειριακής</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Connected registers</source>
        <translation>Συνδεδεμένες ταμειακές</translation>
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
        <translation>Καταγραφή μεταφοράς:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Progress log</source>
        <translation>Καταγραφή προόδου</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What each register took or sent, and how each transfer ended</source>
        <translation>Τι δέχτηκε ή έστειλε κάθε ταμειακή και πώς τελείωσε κάθε μεταφορά</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Errors:</source>
        <translation>Σφάλματα:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error log</source>
        <translation>Καταγραφή σφαλμάτων</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Refusals, time-outs and bad frames, with the row they came at</source>
        <translation>Απορρίψεις, λήξεις χρόνου και λανθασμένα πακέτα, με τη γραμμή όπου συνέβησαν</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.cpp" line="+22"/>
        <source>Transfer progress</source>
        <translation>Πρόοδος μεταφοράς</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.ui" line="+12"/>
        <source>After an install, read the table back from the register and compare it with what was sent</source>
        <translation>Μετά την εγκατάσταση, ο πίνακας διαβάζεται ξανά από την ταμειακή και συγκρίνεται με ό,τι στάλθηκε</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after install</source>
        <translation>Επαλήθευση μετά την εγκατάσταση</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Compare</source>
        <translation>Σύγκριση</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Send changes</source>
        <translation>Αποστολή αλλαγών</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <translation>Εγκατάσταση: στέλνει τον πίνακα αυτής της σελίδας στις ταμειακές (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>install</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>download: read this page&apos;s table from the register (Ctrl+D)</source>
        <translation>Λήψη: διαβάζει τον πίνακα αυτής της σελίδας από την ταμειακή (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>download</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Stop the transfer after the current frame (Esc)</source>
        <translation>Διακοπή της μεταφοράς μετά το τρέχον πακέτο (Esc)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Stop the transfer after the current frame</source>
        <translation>Διακοπή της μεταφοράς μετά το τρέχον πακέτο</translation>
    </message>
    <message>
        <location filename="../app/transfer/connectionpanel.cpp" line="-62"/>
        <source>%1 The address and port are set under [tcp] in tallvane.ini.</source>
        <translation>%1 Η διεύθυνση και η θύρα ορίζονται στο [tcp] του tallvane.ini.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Name</source>
        <extracomment>Column of the connected registers: the name the operator gives a register.</extracomment>
        <translation>Όνομα</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not named: a register&apos;s name is kept in the open set; open a set first</source>
        <translation>Χωρίς όνομα: το όνομα μιας ταμειακής φυλάσσεται στο ανοιχτό προφίλ ρυθμίσεων· ανοίξτε πρώτα ένα προφίλ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not named: %1 cannot keep the register&apos;s name</source>
        <translation>Χωρίς όνομα: το %1 δεν μπορεί να κρατήσει το όνομα της ταμειακής</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Serial</source>
        <extracomment>Connection type: a register on the RS-232 port.</extracomment>
        <translation>Σειριακή</translation>
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
        <translation>Ανοίξτε πρώτα τη σειριακή θύρα.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose Serial or Tcp first.</source>
        <translation>Επιλέξτε πρώτα Σειριακή ή Tcp.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No register is connected. Registers must connect to %1.</source>
        <translation>Δεν είναι συνδεδεμένη καμία ταμειακή. Οι ταμειακές πρέπει να συνδεθούν στο %1.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Registers connect to %1</source>
        <translation>Οι ταμειακές συνδέονται στο %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Tcp: connection from %1 refused: %2</source>
        <translation>Tcp: η σύνδεση από %1 απορρίφθηκε: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no port found</source>
        <translation>δεν βρέθηκε θύρα</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+17"/>
        <source>can not open serial</source>
        <translation>Δεν είναι δυνατό το άνοιγμα της σειριακής θύρας</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>no select serial port.</source>
        <translation>Δεν επιλέχθηκε σειριακή θύρα.</translation>
    </message>
    <message>
        <location line="-289"/>
        <location line="+296"/>
        <source>Close Serial</source>
        <translation>Κλείσιμο σειριακής</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 could not be opened: %2</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα του %1: %2</translation>
    </message>
</context>
<context>
    <name>CsvFile</name>
    <message>
        <location filename="../storage/csvfile.cpp" line="+360"/>
        <source>it is a database, not a table file: nothing was written</source>
        <translation>είναι βάση δεδομένων, όχι αρχείο πίνακα: δεν γράφτηκε τίποτα</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>not every byte could be written (is the disk full?)</source>
        <extracomment>Why an export failed when the system gives no reason of its own</extracomment>
        <translation>δεν γράφτηκαν όλα τα byte (μήπως ο δίσκος είναι γεμάτος;)</translation>
    </message>
</context>
<context>
    <name>DatabaseStatus</name>
    <message>
        <location filename="../app/databasestatus.cpp" line="+90"/>
        <source>Not saved: the database keeps its previous rows.</source>
        <translation>Δεν αποθηκεύτηκε: η βάση δεδομένων κρατά τις προηγούμενες γραμμές της.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved (%1): the database keeps its previous rows.</source>
        <translation>Δεν αποθηκεύτηκε (%1): η βάση δεδομένων κρατά τις προηγούμενες γραμμές της.</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <location filename="../app/editmenu.cpp" line="+19"/>
        <source>Undo</source>
        <translation>Αναίρεση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert row</source>
        <extracomment>Insert an empty row in the grid</extracomment>
        <translation>Νέα γραμμή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add an empty row to the page after the current one</source>
        <translation>Προσθέτει μια κενή γραμμή στη σελίδα μετά την τρέχουσα</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete row(s)</source>
        <translation>Αφαίρεση γραμμών</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Take the selected rows out of the page (the register keeps them)</source>
        <translation>Αφαιρεί τις επιλεγμένες γραμμές από τη σελίδα (η ταμειακή τις κρατά)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find...</source>
        <translation>Εύρεση...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cut</source>
        <translation>Αποκοπή</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy the selected cells and empty them</source>
        <translation>Αντιγραφή των επιλεγμένων κελιών και άδειασμά τους</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear cells</source>
        <extracomment>Empty the selected cells of the grid (the rows stay)</extracomment>
        <translation>Άδειασμα κελιών</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty the selected cells: texts become empty, numbers 0</source>
        <translation>Άδειασμα των επιλεγμένων κελιών: τα κείμενα μένουν κενά, οι αριθμοί γίνονται 0</translation>
    </message>
</context>
<context>
    <name>FieldDelegate</name>
    <message>
        <location filename="../app/grid/fielddelegate.cpp" line="+102"/>
        <source>%1 takes at most %2 bytes: what went past them was not taken</source>
        <extracomment>%1 the column, %2 how many bytes it takes in the register&apos;s code page</extracomment>
        <translation>Το %1 δέχεται έως %2 byte: ό,τι τα ξεπέρασε δεν κρατήθηκε</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>&quot;%1&quot; is not a number</source>
        <translation>Το «%1» δεν είναι αριθμός</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../app/grid/filecommands.cpp" line="+59"/>
        <source>save file</source>
        <translation>Αποθήκευση αρχείου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>csv file(*.csv)</source>
        <translation>Αρχείο CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write %1: %2</source>
        <translation>Δεν είναι δυνατή η εγγραφή στο %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 written to %2</source>
        <extracomment>%1 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %2 the file</extracomment>
        <translation>Εγγραφή στο %2: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Nothing imported: the page is unchanged</source>
        <translation>Δεν έγινε εισαγωγή: η σελίδα δεν άλλαξε</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 imported from %2</source>
        <extracomment>%1 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %2 the file</extracomment>
        <translation>Εισαγωγή από το %2: %1</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>all supported files (*.xlsx *.csv);;xlsx file(*.xlsx);;csv file(*.csv)</source>
        <translation>Όλα τα υποστηριζόμενα αρχεία (*.xlsx *.csv);;Αρχείο xlsx (*.xlsx);;Αρχείο CSV (*.csv)</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>%1 of %2 are not numbers: the page would show them as 0.</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the file</extracomment>
        <translation>%2: κελιά που δεν είναι αριθμοί (%1)· η σελίδα θα τα έδειχνε ως 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import anyway?</source>
        <translation>Εισαγωγή παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>import</source>
        <translation>εισαγωγή</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot import %1: %2. The grid is unchanged.</source>
        <translation>Δεν είναι δυνατή η εισαγωγή του %1: %2. Ο πίνακας δεν άλλαξε.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 holds no rows below its header line. The grid is unchanged.</source>
        <translation>Το %1 δεν έχει γραμμές κάτω από τη γραμμή τίτλων. Ο πίνακας δεν άλλαξε.</translation>
    </message>
</context>
<context>
    <name>FitCheck</name>
    <message>
        <location filename="../records/fitcheck.cpp" line="+236"/>
        <source>the register keeps</source>
        <translation>η ταμειακή κρατά</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 not in %2</source>
        <translation>οι χαρακτήρες %1 δεν υπάρχουν στο %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes in %2</source>
        <translation>%1 byte σε %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the register keeps %1</source>
        <translation>η ταμειακή κρατά %1 byte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the register&apos;s text order changes it</source>
        <translation>η σειρά κειμένου της ταμειακής το αλλάζει</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 not among the register&apos;s letters</source>
        <translation>%1 δεν είναι στους χαρακτήρες της ταμειακής</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a number</source>
        <translation>δεν είναι αριθμός</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>negative</source>
        <translation>αρνητικό</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 decimals, the field takes %2</source>
        <translation>%1 δεκαδικά, το πεδίο δέχεται %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>decimals, the field takes whole numbers</source>
        <translation>δεκαδικά, το πεδίο δέχεται μόνο ακέραιους</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more than %1</source>
        <translation>πάνω από %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a whole number</source>
        <translation>δεν είναι ακέραιος</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1 to %2</source>
        <translation>εκτός ορίων %1 έως %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not eight characters 0 or 1</source>
        <translation>δεν είναι οκτώ χαρακτήρες 0 ή 1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>only the digits %1 to %2 count</source>
        <translation>μετρούν μόνο τα ψηφία %1 έως %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not four numbers from 0 to 255 joined by dots</source>
        <translation>δεν είναι τέσσερις αριθμοί από 0 έως 255 χωρισμένοι με τελείες</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>lower-case letters</source>
        <translation>πεζά γράμματα</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not %1 hexadecimal digits (0-9, A-F)</source>
        <translation>δεν είναι %1 δεκαεξαδικά ψηφία (0-9, A-F)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>nothing</source>
        <translation>τίποτα</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>a later row has the same number; of this row the register keeps</source>
        <translation>μια επόμενη γραμμή έχει τον ίδιο αριθμό· από αυτή τη γραμμή η ταμειακή κρατά</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a later row has the same code; of this row the register keeps</source>
        <translation>μια επόμενη γραμμή έχει τον ίδιο κωδικό· από αυτή τη γραμμή η ταμειακή κρατά</translation>
    </message>
</context>
<context>
    <name>Graphic</name>
    <message>
        <location filename="../logo/graphic.cpp" line="+224"/>
        <source>the %1 file is cut short</source>
        <translation>το αρχείο %1 είναι κομμένο</translation>
    </message>
</context>
<context>
    <name>GridClipboard</name>
    <message>
        <location filename="../app/grid/gridclipboard.cpp" line="+224"/>
        <source>Nothing to paste</source>
        <translation>Τίποτα για επικόλληση</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cells pasted</source>
        <translation>Επικολλήθηκαν κελιά: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 (1 row added)</source>
        <translation>%1 (προστέθηκε 1 γραμμή)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2 rows added)</source>
        <translation>%1 (προστέθηκαν %2 γραμμές)</translation>
    </message>
    <message>
        <location line="-189"/>
        <source>%1 locked</source>
        <translation>κλειδωμένα: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 outside the grid</source>
        <translation>εκτός πίνακα: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 below the rows the filter shows</source>
        <translation>κάτω από τις γραμμές του φίλτρου: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 not accepted: %2</source>
        <translation>μη αποδεκτά: %1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, %2 skipped (%3)</source>
        <translation>%1, παραλείφθηκαν: %2 (%3)</translation>
    </message>
    <message>
        <location line="+170"/>
        <source>1 cell pasted</source>
        <translation>Επικολλήθηκε 1 κελί</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2 cut to what the field takes)</source>
        <extracomment>%1 &quot;3 cells pasted&quot;, %2 how many of them were cut</extracomment>
        <translation>%1 (περικομμένα στο μέγεθος του πεδίου: %2)</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Nothing to clear</source>
        <translation>Δεν υπάρχει κάτι για άδειασμα</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 cell cleared</source>
        <translation>Άδειασε 1 κελί</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells cleared</source>
        <translation>Άδειασαν κελιά: %1</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <location filename="../app/grid/gridmodel.cpp" line="+138"/>
        <source>edit of %1</source>
        <extracomment>An undo step (a cell typed in or set from a menu; %1 is its column), shown after &quot;Undo&quot; and &quot;Redo&quot;</extracomment>
        <translation>αλλαγής: %1</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>insert rows</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>νέων γραμμών</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>delete rows</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>αφαίρεσης γραμμών</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>sort</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>ταξινόμησης</translation>
    </message>
</context>
<context>
    <name>GridPage</name>
    <message>
        <location filename="../app/pages/gridpage.ui" line="+11"/>
        <source>&amp;Find:</source>
        <translation>&amp;Εύρεση:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find a code or a name (Ctrl+F)</source>
        <translation>Εύρεση κωδικού ή ονόματος (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Find</source>
        <translation>Εύρεση</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Previous match (Shift+F3)</source>
        <translation>Προηγούμενο αποτέλεσμα (Shift+F3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous</source>
        <translation>Προηγούμενο</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Next match (F3)</source>
        <translation>Επόμενο αποτέλεσμα (F3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>F&amp;ilter:</source>
        <translation>&amp;Φίλτρο:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show only rows containing...</source>
        <translation>Εμφάνιση μόνο των γραμμών που περιέχουν...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Filter</source>
        <translation>Φίλτρο</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Items</source>
        <translation>Στοιχεία</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Import a CSV or spreadsheet file into this page</source>
        <translation>Εισαγωγή αρχείου CSV ή υπολογιστικού φύλλου σε αυτή τη σελίδα</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>openfile</source>
        <translation>Εισαγωγή αρχείου</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Export this page to a CSV file</source>
        <translation>Εξαγωγή αυτής της σελίδας σε αρχείο CSV</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>savefile</source>
        <translation>Αποθήκευση αρχείου</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>update</source>
        <translation>Αναβάθμιση</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+3"/>
        <source>delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>Επιστροφή στα κουμπιά κατηγοριών (Alt+Left· για τις μη αποθηκευμένες αλλαγές γίνεται πρώτα ερώτηση)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>Επιστροφή</translation>
    </message>
    <message>
        <location filename="../app/pages/gridpage.cpp" line="+84"/>
        <source>%1 of %2 shown</source>
        <translation>Εμφανίζονται %1 από %2</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Save anyway?</source>
        <translation>Αποθήκευση παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not saved: the page keeps its rows as they are</source>
        <translation>Δεν αποθηκεύτηκε: η σελίδα κρατά τις γραμμές της όπως είναι</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saved %1 to %2</source>
        <translation>Αποθήκευση: %1 στο %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(1 cell shown as stored)</source>
        <translation>(1 κελί εμφανίζεται όπως αποθηκεύτηκε)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(%1 cells shown as stored)</source>
        <translation>(%1 κελιά εμφανίζονται όπως αποθηκεύτηκαν)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The register holds %1: the page has every one</source>
        <translation>Η ταμειακή έχει %1: η σελίδα τις έχει όλες</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 deleted from the page (not from the register)</source>
        <translation>Αφαιρέθηκαν από τη σελίδα: %1 (όχι από την ταμειακή)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undone: %1</source>
        <extracomment>%1 is an undo step as the Edit menu names it (&quot;paste&quot;, &quot;import&quot;)</extracomment>
        <translation>Αναιρέθηκε: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Redone: %1</source>
        <translation>Επαναλήφθηκε: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>paste</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>επικόλλησης</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>clear</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>αδειάσματος</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cut</source>
        <extracomment>An undo step, shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>αποκοπής</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>An added PLU replaces the one with the same item code on the page.</source>
        <translation>Ένα PLU που προστίθεται αντικαθιστά αυτό με τον ίδιο κωδικό είδους στη σελίδα.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An added row replaces the one with the same number on the page.</source>
        <translation>Μια γραμμή που προστίθεται αντικαθιστά αυτή με τον ίδιο αριθμό στη σελίδα.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+22"/>
        <location line="+18"/>
        <source>import</source>
        <extracomment>Title of the question before rows read from a file go onto the page
----------
An undo step (rows read from a file), shown after &quot;Undo&quot; and &quot;Redo&quot; in the Edit menu</extracomment>
        <translation>Εισαγωγή</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>Replace the %1 on this page with the %2 from %3, or add them?</source>
        <extracomment>%1 and %2 the rows by name and number (&quot;3 departments&quot;, &quot;1 PLU&quot;), %3 the file</extracomment>
        <translation>Να αντικατασταθούν τα δεδομένα της σελίδας (%1) με όσα έχει το %3 (%2) ή να προστεθούν;</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Replace</source>
        <extracomment>Buttons: replace the page&apos;s rows by the file&apos;s, or add the file&apos;s rows to them</extracomment>
        <translation>Αντικατάσταση</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing imported: the page is unchanged</source>
        <translation>Δεν έγινε εισαγωγή: η σελίδα δεν άλλαξε</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>1 cell will not reach the register as shown</source>
        <translation>1 κελί δεν θα φτάσει στην ταμειακή όπως φαίνεται</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cells will not reach the register as shown</source>
        <translation>%1 κελιά δεν θα φτάσουν στην ταμειακή όπως φαίνονται</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Insert row</source>
        <extracomment>Insert an empty row in the grid</extracomment>
        <translation>Νέα γραμμή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete row(s)</source>
        <translation>Αφαίρεση γραμμών</translation>
    </message>
</context>
<context>
    <name>GridSearch</name>
    <message>
        <location filename="../app/grid/gridsearch.cpp" line="+60"/>
        <source>&quot;%1&quot; is not on this page</source>
        <translation>Το «%1» δεν υπάρχει σε αυτή τη σελίδα</translation>
    </message>
</context>
<context>
    <name>GridView</name>
    <message>
        <location filename="../app/grid/gridview.cpp" line="+91"/>
        <source>Open or create a configuration database (File &gt; open / new)</source>
        <translation>Ανοίξτε ή δημιουργήστε ένα προφίλ (Αρχείο &gt; Άνοιγμα / Νέο)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No rows yet: download from the register, import a file, or add a row (Edit &gt; Insert row)</source>
        <translation>Δεν υπάρχουν γραμμές ακόμη: κάντε λήψη από την ταμειακή, εισαγωγή αρχείου ή προσθέστε γραμμή (Επεξεργασία &gt; Νέα γραμμή)</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>none</source>
        <extracomment>The tool tip of an option cell with no option set</extracomment>
        <translation>καμία</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No row contains &quot;%1&quot;</source>
        <translation>Καμία γραμμή δεν περιέχει «%1»</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../app/help/helpmenu.cpp" line="+16"/>
        <source>&amp;Quick start</source>
        <translation>&amp;Γρήγορη εκκίνηση</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A short guide from a new set to a verified install, at this page&apos;s step</source>
        <translation>Σύντομος οδηγός από ένα νέο προφίλ έως μια επαληθευμένη εγκατάσταση, στο βήμα αυτής της σελίδας</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Tallvane</source>
        <translation>&amp;Σχετικά με το Tallvane</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The version, the licence and the data folder in use</source>
        <translation>Η έκδοση, η άδεια χρήσης και ο φάκελος δεδομένων σε χρήση</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <location filename="../journal/journal.cpp" line="+183"/>
        <source>The journal %1 could not be written: %2.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή στο ημερολόγιο %1: %2.</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>entry %1 before it is missing</source>
        <translation>λείπει η καταχώριση %1 πριν από αυτή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entries %1 to %2 before it are missing</source>
        <translation>λείπουν οι καταχωρίσεις %1 έως %2 πριν από αυτή</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not start the chain although it is the first entry</source>
        <translation>δεν ξεκινά την αλυσίδα, αν και είναι η πρώτη καταχώριση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it does not follow entry %1: an entry was put in or replaced before it</source>
        <translation>δεν ακολουθεί την καταχώριση %1: μια καταχώριση προστέθηκε ή αντικαταστάθηκε πριν από αυτή</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its fields do not match its hash: it was changed after it was written</source>
        <translation>τα πεδία της δεν ταιριάζουν με το hash της: άλλαξε μετά την εγγραφή της</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the last entry is missing</source>
        <translation>λείπει η τελευταία καταχώριση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the last %1 entries are missing</source>
        <translation>λείπουν οι τελευταίες %1 καταχωρίσεις</translation>
    </message>
</context>
<context>
    <name>JournalKind</name>
    <message>
        <location filename="../app/pages/journalpage.cpp" line="+46"/>
        <source>login</source>
        <translation>σύνδεση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>login failed</source>
        <translation>αποτυχημένη σύνδεση</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>save</source>
        <translation>αποθήκευση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>import</source>
        <translation>εισαγωγή</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>transfer</source>
        <translation>μεταφορά</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>users</source>
        <extracomment>Journal entries of user management: users added or deleted, permissions set</extracomment>
        <translation>χρήστες</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>logo</source>
        <translation>λογότυπο</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>all tables</source>
        <extracomment>A journal entry&apos;s category: every table of the register erased</extracomment>
        <translation>όλοι οι πίνακες</translation>
    </message>
</context>
<context>
    <name>JournalPage</name>
    <message>
        <location filename="../app/pages/journalpage.ui" line="+11"/>
        <source>Register:</source>
        <translation>Ταμειακή:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>User:</source>
        <translation>Χρήστης:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Category:</source>
        <translation>Ενότητα:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Days</source>
        <translation>Ημέρες</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only the entries of the days from ... to ..., both included</source>
        <translation>Μόνο οι καταχωρίσεις των ημερών από ... έως ..., συμπεριλαμβανομένων και των δύο</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>from</source>
        <translation>από</translation>
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
        <translation>έως</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The details of the entry chosen above</source>
        <translation>Οι λεπτομέρειες της καταχώρισης που επιλέχθηκε παραπάνω</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Verify</source>
        <translation>Επαλήθευση</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check that no entry was changed, removed or put in</source>
        <translation>Έλεγχος ότι καμία καταχώριση δεν άλλαξε, δεν αφαιρέθηκε και δεν προστέθηκε</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Back to the category buttons (Alt+Left)</source>
        <translation>Επιστροφή στα κουμπιά κατηγοριών (Alt+Left)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>Επιστροφή</translation>
    </message>
    <message>
        <location filename="../app/pages/journalpage.cpp" line="-39"/>
        <source>Time</source>
        <translation>Ώρα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User</source>
        <translation>Χρήστης</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PC</source>
        <extracomment>The computer that wrote a journal entry</extracomment>
        <translation>Υπολογιστής</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kind</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Category</source>
        <translation>Ενότητα</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Register</source>
        <translation>Ταμειακή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summary</source>
        <translation>Σύνοψη</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 (UTC)</source>
        <translation>%1 (UTC)</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Journal not written</source>
        <translation>Το ημερολόγιο δεν γράφτηκε</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+53"/>
        <source>The journal %1 cannot be read: %2</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του ημερολογίου %1: %2</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>All</source>
        <extracomment>The filter choice that shows the entries of every register, user or category</extracomment>
        <translation>Όλα</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 of %2 entries</source>
        <translation>%1 από %2 καταχωρίσεις</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Entry %1, %2 (UTC), %3 at %4
%5</source>
        <extracomment>Entry number, UTC time, user, computer, then the entry&apos;s summary on a line of its own</extracomment>
        <translation>Καταχώριση %1, %2 (UTC), %3 στον υπολογιστή %4
%5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nobody</source>
        <translation>κανένας</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The journal cannot be read: %1</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του ημερολογίου: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Journal verified: %1 entries</source>
        <translation>Το ημερολόγιο επαληθεύτηκε: %1 καταχωρίσεις</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Journal broken at entry %1: %2</source>
        <translation>Το ημερολόγιο είναι αλλοιωμένο στην καταχώριση %1: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../base/language.cpp" line="+31"/>
        <source>English</source>
        <translation>Αγγλικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greek</source>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hebrew</source>
        <translation>Εβραϊκά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arabic</source>
        <translation>Αραβικά</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thai</source>
        <translation>Ταϊλανδικά</translation>
    </message>
</context>
<context>
    <name>LineCodec</name>
    <message>
        <location filename="../records/lines.cpp" line="+69"/>
        <source>row %1: line number must be 1 to %2</source>
        <translation>γραμμή %1: ο αριθμός γραμμής πρέπει να είναι από 1 έως %2</translation>
    </message>
</context>
<context>
    <name>LogoPage</name>
    <message>
        <location filename="../app/pages/logopage.ui" line="+32"/>
        <source>OpenImage</source>
        <translation>Άνοιγμα εικόνας</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ImageSize</source>
        <translation>Μέγεθος εικόνας</translation>
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
        <translation>Προσαρμογή</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stretch the picture over the whole logo; unticked, it keeps its proportions and is centred</source>
        <translation>Η εικόνα απλώνεται σε όλο το λογότυπο· χωρίς την επιλογή κρατά τις αναλογίες της και κεντράρεται</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>W:</source>
        <translation>Π:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>H:</source>
        <translation>Υ:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>SetSize</source>
        <translation>Ορισμός μεγέθους</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Id:</source>
        <translation>Αρ.:</translation>
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
        <translation>Προεπισκόπηση λογότυπου</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>Επιστροφή στα κουμπιά κατηγοριών (Alt+Left· για τις μη αποθηκευμένες αλλαγές γίνεται πρώτα ερώτηση)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>Επιστροφή</translation>
    </message>
    <message>
        <location filename="../app/pages/logopage.cpp" line="+69"/>
        <source>Image File(*.jpg *.jpeg *.png *.bmp *.ico)</source>
        <translation>Αρχείο εικόνας (*.jpg *.jpeg *.png *.bmp *.ico)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+107"/>
        <source>Warnning!</source>
        <translation>Προειδοποίηση!</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>%1 could not be read: %2</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του %1: %2</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>logo %1 x %2: %3 bytes of %4, more than the register takes</source>
        <extracomment>Width x height in dots, then the packed logo&apos;s bytes and the most the register takes</extracomment>
        <translation>λογότυπο %1 x %2: %3 από %4 byte, περισσότερα από όσα δέχεται η ταμειακή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>logo %1 x %2: %3 bytes of %4</source>
        <translation>λογότυπο %1 x %2: %3 από %4 byte</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 of %2 bytes</source>
        <translation>%1 από %2 byte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>image data is too big.</source>
        <translation>Τα δεδομένα της εικόνας είναι πολύ μεγάλα.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Saved: %1 keeps this logo.</source>
        <translation>Αποθηκεύτηκε: το %1 κρατά αυτό το λογότυπο.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saved: %1 keeps no logo.</source>
        <translation>Αποθηκεύτηκε: το %1 δεν κρατά λογότυπο.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than a register takes (%1 of %2 bytes): choose a smaller size before installing it.</source>
        <translation>Είναι μεγαλύτερο από όσο δέχεται μια ταμειακή (%1 από %2 byte): επιλέξτε μικρότερο μέγεθος πριν από την εγκατάσταση.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The logo kept in %1 cannot be read; the page shows none.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του λογότυπου που είναι αποθηκευμένο στο %1· η σελίδα δεν δείχνει λογότυπο.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the logo is sent over RS-232 only</source>
        <translation>το λογότυπο στέλνεται μόνο μέσω RS-232</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no logo picture is opened: open a picture first</source>
        <translation>δεν έχει ανοιχτεί εικόνα λογότυπου: ανοίξτε πρώτα μια εικόνα</translation>
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
        <translation>Πλοήγηση</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../app/greeklabels.cpp" line="+44"/>
        <source>NAVIGATION BAR</source>
        <translation>Γραμμή Πλοήγησης</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&amp;File</source>
        <translation>Αρχείο (&amp;F)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Edit</source>
        <translation>Επεξεργασία (&amp;E)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Windows</source>
        <translation>Παράθυρα (&amp;W)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Tool</source>
        <translation>Εργαλεία (&amp;T)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation>Βοήθεια (&amp;H)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>new</source>
        <translation>Νέο</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create a new configuration set, every page of it empty (Ctrl+N)</source>
        <translation>Δημιουργία νέου προφίλ, με όλες τις σελίδες του κενές (Ctrl+N)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open a configuration set (Ctrl+O)</source>
        <translation>Άνοιγμα προφίλ (Ctrl+O)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save this page&apos;s changes to the open set (Ctrl+S)</source>
        <translation>Αποθήκευση των αλλαγών αυτής της σελίδας στο ανοιχτό προφίλ (Ctrl+S)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>install</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <translation>Εγκατάσταση: στέλνει τον πίνακα αυτής της σελίδας στις ταμειακές (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>import</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download this page&apos;s table from the register (Ctrl+D)</source>
        <translation>Λήψη του πίνακα αυτής της σελίδας από την ταμειακή (Ctrl+D)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>update</source>
        <translation>Αναβάθμιση</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Insert</source>
        <translation>Νέα γραμμή</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Insert an empty row after the current one</source>
        <translation>Νέα κενή γραμμή μετά την τρέχουσα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copy</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Past</source>
        <translation>Επικόλληση</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste the clipboard into the grid</source>
        <translation>Επικόλληση του προχείρου στον πίνακα</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../app/mainwindow.cpp" line="+348"/>
        <source>Menu</source>
        <extracomment>The status bar on the page of category buttons</extracomment>
        <translation>Μενού</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Group</source>
        <translation>Κατηγορίες</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dept</source>
        <translation>Τμήματα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Journal</source>
        <translation>Ημερολόγιο</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Log out</source>
        <translation>Αποσύνδεση</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Back to the login, for another user or another display language</source>
        <translation>Επιστροφή στη σύνδεση, για άλλον χρήστη ή άλλη γλώσσα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ClearData</source>
        <translation>Εκκαθάριση δεδομένων</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Quit</source>
        <translation>Έξοδος (&amp;Q)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close Tallvane (unsaved changes are asked about first)</source>
        <translation>Κλείνει το Tallvane (πρώτα ρωτά για τις αλλαγές που δεν αποθηκεύτηκαν)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="-108"/>
        <source>Warnning!</source>
        <translation>Προειδοποίηση!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No authority.</source>
        <translation>Δεν έχετε δικαίωμα.</translation>
    </message>
    <message>
        <location filename="../app/setlibrary.cpp" line="+206"/>
        <source>select db file</source>
        <translation>Επιλογή αρχείου προφίλ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>db file(*.db)</source>
        <translation>Αρχείο προφίλ (*.db)</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="+154"/>
        <source>%1 created: every page of it is empty</source>
        <translation>Δημιουργήθηκε το %1: όλες οι σελίδες του είναι κενές</translation>
    </message>
    <message>
        <location filename="../app/greeklabels.cpp" line="+1"/>
        <source>DB VIEW</source>
        <translation>Προφίλ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New Db</source>
        <translation>Νέο προφίλ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Db</source>
        <translation>Άνοιγμα προφίλ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save Db</source>
        <translation>Αποθήκευση προφίλ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Db</source>
        <translation>Κλείσιμο προφίλ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ITEM VIEW</source>
        <translation>Μενού</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>group</source>
        <translation>Κατηγορίες</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>dept</source>
        <translation>Τμήματα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>plu</source>
        <translation>Είδη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>disc</source>
        <translation>Εκπτώσεις</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tax</source>
        <translation>ΦΠΑ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>clerk</source>
        <translation>Χειριστές</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>header</source>
        <translation>Επωνυμία</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>trailer</source>
        <translation>Ευχαριστήριο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>extheader</source>
        <translation>Πρόσθετη επωνυμία</translation>
    </message>
</context>
<context>
    <name>NetParm</name>
    <message>
        <location filename="../records/netparm.cpp" line="-39"/>
        <source>SecurityCode: the letters of the key must be upper-case (A to F)</source>
        <translation>Κωδικός ασφαλείας: τα γράμματα του κλειδιού πρέπει να είναι κεφαλαία (A έως F)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SecurityCode: the key holds only the digits 0 to 9 and the letters A to F</source>
        <translation>Κωδικός ασφαλείας: το κλειδί περιέχει μόνο τα ψηφία 0 έως 9 και τα γράμματα A έως F</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SecurityCode: the key is %1 hexadecimal digits or empty, not %2</source>
        <translation>Κωδικός ασφαλείας: το κλειδί είναι %1 δεκαεξαδικά ψηφία ή κενό, όχι %2</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>%1: an address is four numbers from 0 to 255 joined by dots, like 192.168.1.10</source>
        <translation>%1: μια διεύθυνση είναι τέσσερις αριθμοί από 0 έως 255 χωρισμένοι με τελείες, π.χ. 192.168.1.10</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: a port is a number from 0 to 65535</source>
        <translation>%1: η θύρα είναι αριθμός από 0 έως 65535</translation>
    </message>
</context>
<context>
    <name>OptionBitsDialog</name>
    <message>
        <location filename="../app/dialogs/optionbitsdialog.ui" line="+6"/>
        <source>Option bits</source>
        <translation>Bit επιλογών</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Bit string</source>
        <translation>Σειρά bit</translation>
    </message>
    <message>
        <location filename="../app/dialogs/optionbitsdialog.cpp" line="+50"/>
        <location line="+27"/>
        <source>Bit %1</source>
        <extracomment>An option bit without a name; %1 is its number, 0 the right-most</extracomment>
        <translation>Bit %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../records/clerk.cpp" line="-10"/>
        <source>VOID</source>
        <translation>ΑΚΥΡΩΣΗ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CORRECT</source>
        <translation>ΔΙΟΡΘΩΣΗ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>ΑΚΥΡΩΣΗ ΑΠΟΔΕΙΞΗΣ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>REFUND</source>
        <translation>ΕΠΙΣΤΡΟΦΗ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%DISCOUNT</source>
        <translation>%ΕΚΠΤΩΣΗ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%SURCHARGE</source>
        <translation>%ΕΠΙΒΑΡΥΝΣΗ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NET DIS/SURCH</source>
        <translation>ΕΚΠΤ./ΕΠΙΒ. ΠΟΣΟΥ</translation>
    </message>
    <message>
        <location filename="../records/dept.cpp" line="-20"/>
        <source>DPOPTION1</source>
        <translation>ΕΠΙΛΟΓΗ ΤΜΗΜΑΤΟΣ 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION2</source>
        <translation>ΕΠΙΛΟΓΗ ΤΜΗΜΑΤΟΣ 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION3</source>
        <translation>ΕΠΙΛΟΓΗ ΤΜΗΜΑΤΟΣ 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION4</source>
        <translation>ΕΠΙΛΟΓΗ ΤΜΗΜΑΤΟΣ 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION5</source>
        <translation>ΕΠΙΛΟΓΗ ΤΜΗΜΑΤΟΣ 5</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DPOPTION6</source>
        <translation>ΕΠΙΛΟΓΗ ΤΜΗΜΑΤΟΣ 6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPOPTION7</source>
        <translation>ΕΠΙΛΟΓΗ ΤΜΗΜΑΤΟΣ 7</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ACTIVE</source>
        <translation>ΕΝΕΡΓΟ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PRICE NEGATIVE</source>
        <translation>ΑΡΝΗΤΙΚΗ ΤΙΜΗ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ZERO PRICE</source>
        <translation>ΜΗΔΕΝΙΚΗ ΤΙΜΗ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TICKET SIGNLE</source>
        <translation>ΜΟΝΟ ΔΕΛΤΙΟ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DOUBLE TICKET</source>
        <translation>ΔΙΠΛΟ ΔΕΛΤΙΟ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SEPARATRIX</source>
        <translation>ΔΙΑΧΩΡΙΣΤΙΚΗ ΓΡΑΜΜΗ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CLOSE RECEIPT</source>
        <translation>ΚΛΕΙΣΙΜΟ ΑΠΟΔΕΙΞΗΣ</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../records/disc.cpp" line="-9"/>
        <source>DISC 1</source>
        <translation>ΕΚΠΤΩΣΗ 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../records/disc.cpp" line="+1"/>
        <source>DISC 2</source>
        <translation>ΕΚΠΤΩΣΗ 2</translation>
    </message>
    <message>
        <location filename="../records/disc.cpp" line="-9"/>
        <source>TAX A</source>
        <translation>ΦΠΑ A</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX B</source>
        <translation>ΦΠΑ B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX C</source>
        <translation>ΦΠΑ C</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX D</source>
        <translation>ΦΠΑ D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX E</source>
        <translation>ΦΠΑ E</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX F</source>
        <translation>ΦΠΑ F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TAX G</source>
        <translation>ΦΠΑ G</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAX H</source>
        <translation>ΦΠΑ H</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FIXED</source>
        <translation>ΣΤΑΘΕΡΗ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FREE</source>
        <translation>ΕΛΕΥΘΕΡΗ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FIX/FREE</source>
        <translation>ΣΤΑΘΕΡΗ/ΕΛΕΥΘΕΡΗ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AMOUNT</source>
        <translation>ΠΟΣΟ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INCREASE</source>
        <translation>ΕΠΙΒΑΡΥΝΣΗ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NO SUB</source>
        <translation>ΟΧΙ ΣΤΟ ΥΠΟΣΥΝΟΛΟ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT DISC</source>
        <translation>ΕΚΤΥΠΩΣΗ ΕΚΠΤΩΣΗΣ</translation>
    </message>
    <message>
        <location filename="../records/netparm.cpp" line="-168"/>
        <source>NETENABLE</source>
        <translation>ΔΙΚΤΥΟ ΕΝΕΡΓΟ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DHCPENABLE</source>
        <translation>DHCP ΕΝΕΡΓΟ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MINISTRYENABLE</source>
        <translation>ΣΥΝΔΕΣΗ ΥΠΟΥΡΓΕΙΟΥ</translation>
    </message>
    <message>
        <location filename="../records/tax.cpp" line="-8"/>
        <source>TAX ADD</source>
        <translation>ΠΡΟΣΘΗΚΗ ΦΠΑ ΣΤΗΝ ΤΙΜΗ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PRINT VAT</source>
        <translation>ΕΚΤΥΠΩΣΗ ΦΠΑ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT ZERO</source>
        <translation>ΕΚΤΥΠΩΣΗ ΜΗΔΕΝΙΚΩΝ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GST TAX</source>
        <translation>ΦΟΡΟΣ GST</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PRINT TAX</source>
        <translation>ΕΚΤΥΠΩΣΗ ΦΟΡΟΥ</translation>
    </message>
</context>
<context>
    <name>PageGuard</name>
    <message>
        <location filename="../app/pages/pageguard.cpp" line="+42"/>
        <source>Saved by someone else</source>
        <translation>Αποθηκεύτηκε από άλλον</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing was saved: %1.

Reload shows what the set holds now and drops your changes; Overwrite stores this page over theirs; Cancel keeps your changes unsaved.</source>
        <extracomment>%1 says which table, by whom and when</extracomment>
        <translation>Δεν αποθηκεύτηκε τίποτα: %1.

Η Επαναφόρτωση δείχνει ό,τι έχει τώρα το προφίλ και απορρίπτει τις αλλαγές σας· η Αντικατάσταση αποθηκεύει αυτή τη σελίδα πάνω από τη δική τους· η Ακύρωση κρατά τις αλλαγές σας χωρίς αποθήκευση.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reload</source>
        <translation>Επαναφόρτωση</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Overwrite</source>
        <translation>Αντικατάσταση</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reloaded: the page shows what the set holds now</source>
        <translation>Επαναφορτώθηκε: η σελίδα δείχνει ό,τι έχει τώρα το προφίλ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was saved: %1.</source>
        <translation>Δεν αποθηκεύτηκε τίποτα: %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>logo</source>
        <translation>λογότυπο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>system parameters</source>
        <translation>παραμέτρους συστήματος</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 saved the %2 of %3 at %4, after this page was loaded</source>
        <extracomment>%1 who (&quot;admin@till-2&quot;), %2 what (&quot;PLUs&quot;), %3 the set (&quot;shop.db&quot;), %4 when</extracomment>
        <translation>ο χρήστης %1 αποθήκευσε %2 στο %3 στις %4, αφού φορτώθηκε αυτή η σελίδα</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Nothing to save here: Save stores the page of a category</source>
        <translation>Τίποτα για αποθήκευση εδώ: η Αποθήκευση αποθηκεύει τη σελίδα μιας ενότητας</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unsaved changes</source>
        <translation>Μη αποθηκευμένες αλλαγές</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 has changes that are not saved.
Save them before going on?</source>
        <extracomment>%1 is the page&apos;s title (and the set&apos;s file name)</extracomment>
        <translation>«%1»: υπάρχουν αλλαγές που δεν έχουν αποθηκευτεί.
Να αποθηκευτούν πριν συνεχίσετε;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Discard</source>
        <extracomment>The button that leaves the page without saving its changes</extracomment>
        <translation>Χωρίς αποθήκευση</translation>
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
        <translation>· </translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <location filename="../app/qttexts.cpp" line="+102"/>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Φάκελος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>Μονάδα δίσκου</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <location line="+19"/>
        <source>&amp;Select All</source>
        <translation>&amp;Επιλογή όλων</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Step up</source>
        <translation>Βήμα &amp;πάνω</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step &amp;down</source>
        <translation>Βήμα &amp;κάτω</translation>
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
Ο φάκελος δεν βρέθηκε.
Ελέγξτε ότι δόθηκε το σωστό όνομα φακέλου.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Το αρχείο δεν βρέθηκε.
Ελέγξτε ότι δόθηκε το σωστό όνομα αρχείου.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 File</source>
        <translation>Αρχείο %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Το %1 υπάρχει ήδη.
Θέλετε να αντικατασταθεί;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Choose</source>
        <translation>&amp;Επιλογή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Folder</source>
        <translation>&amp;Νέος φάκελος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rename</source>
        <translation>&amp;Μετονομασία</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>Το &apos;%1&apos; προστατεύεται από εγγραφή.
Θέλετε να διαγραφεί παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alias</source>
        <translation>Ψευδώνυμο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
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
        <translation>Θέλετε σίγουρα να διαγραφεί το &apos;%1&apos;;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change to detail view mode</source>
        <translation>Προβολή λεπτομερειών</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change to list view mode</source>
        <translation>Προβολή λίστας</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not delete directory.</source>
        <translation>Ο φάκελος δεν διαγράφηκε.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Detail View</source>
        <translation>Λεπτομέρειες</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Directories</source>
        <translation>Φάκελοι</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Directory:</source>
        <translation>Φάκελος:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive</source>
        <translation>Μονάδα δίσκου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File &amp;name:</source>
        <translation>Ό&amp;νομα αρχείου:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File Folder</source>
        <translation>Φάκελος αρχείων</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Αρχεία</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files of type:</source>
        <translation>Αρχεία τύπου:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find Directory</source>
        <translation>Εύρεση φακέλου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder</source>
        <translation>Φάκελος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Εμπρός</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go back</source>
        <translation>Μετάβαση πίσω</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go forward</source>
        <translation>Μετάβαση εμπρός</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go to the parent directory</source>
        <translation>Μετάβαση στον γονικό φάκελο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List View</source>
        <translation>Λίστα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List of places and bookmarks</source>
        <translation>Λίστα τοποθεσιών και σελιδοδεικτών</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look in:</source>
        <translation>Αναζήτηση σε:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>Ο υπολογιστής μου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Folder</source>
        <translation>Νέος φάκελος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Directory</source>
        <translation>Γονικός φάκελος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recent Places</source>
        <translation>Πρόσφατες τοποθεσίες</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shortcut</source>
        <translation>Συντόμευση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show </source>
        <translation>Εμφάνιση </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;hidden files</source>
        <translation>Εμφάνιση &amp;κρυφών αρχείων</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sidebar</source>
        <translation>Πλευρική στήλη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Άγνωστο</translation>
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
        <translation>%1 byte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;Το όνομα &quot;%1&quot; δεν μπορεί να χρησιμοποιηθεί.&lt;/b&gt;&lt;p&gt;Δοκιμάστε άλλο όνομα, με λιγότερους χαρακτήρες ή χωρίς σημεία στίξης.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer</source>
        <translation>Υπολογιστής</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date Modified</source>
        <translation>Ημερομηνία τροποποίησης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid filename</source>
        <translation>Μη έγκυρο όνομα αρχείου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Είδος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>My Computer</source>
        <translation>Ο υπολογιστής μου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location line="+13"/>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Επανάληψη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>Επι&amp;κόλληση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location line="-102"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save All</source>
        <translation>Αποθήκευση όλων</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes to &amp;All</source>
        <translation>Ναι σε ό&amp;λα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>N&amp;o to All</source>
        <translation>Όχι σε όλ&amp;α</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abort</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore</source>
        <translation>Παράβλεψη</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Discard</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restore Defaults</source>
        <translation>Επαναφορά προεπιλογών</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <location line="+95"/>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Επανάληψη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy &amp;Link Location</source>
        <translation>Αντιγραφή διεύθυνσης &amp;συνδέσμου</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>Επι&amp;κόλληση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QuickStartDialog</name>
    <message>
        <location filename="../app/help/quickstartdialog.ui" line="+14"/>
        <location filename="../app/help/quickstartdialog.cpp" line="+79"/>
        <source>Quick start</source>
        <translation>Γρήγορη εκκίνηση</translation>
    </message>
    <message>
        <location filename="../app/help/quickstartdialog.cpp" line="-38"/>
        <source>1. Open or create a set</source>
        <translation>1. Ανοίξτε ή δημιουργήστε ένα προφίλ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A configuration set holds every table of one register or one group of registers, in a database file of its own. File &gt; new creates one (every page of it empty), File &gt; open opens one, and the DB VIEW branch of the tree lists the sets of the database folder.</source>
        <translation>Ένα προφίλ ρυθμίσεων περιέχει όλους τους πίνακες μίας ταμειακής ή μίας ομάδας ταμειακών, σε δικό του αρχείο βάσης δεδομένων. Το Αρχείο &gt; Νέο δημιουργεί ένα (με όλες τις σελίδες κενές), το Αρχείο &gt; Άνοιγμα ανοίγει ένα, και ο κλάδος «Προφίλ» του δέντρου δείχνει τα προφίλ του φακέλου βάσεων δεδομένων.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The set keeps the code page of its register texts: a set made under Greek stays Greek when it is opened under another display language.</source>
        <translation>Το προφίλ κρατά την κωδικοσελίδα των κειμένων της ταμειακής: ένα προφίλ που δημιουργήθηκε στα Ελληνικά μένει στα Ελληνικά όταν ανοίγεται με άλλη γλώσσα εμφάνισης.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2. Fill a page</source>
        <translation>2. Συμπληρώστε μια σελίδα</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a category on the button page or in the tree: departments, PLUs, taxes and the others each have a page. Type into the grid, insert rows with Edit &gt; Insert row, paste from a spreadsheet, or import a CSV or spreadsheet file into the page.</source>
        <translation>Επιλέξτε μια ενότητα στη σελίδα με τα κουμπιά ή στο δέντρο: τμήματα, είδη, ΦΠΑ και οι υπόλοιπες έχουν η καθεμία τη δική της σελίδα. Πληκτρολογήστε στον πίνακα, προσθέστε γραμμές με Επεξεργασία &gt; Νέα γραμμή, επικολλήστε από υπολογιστικό φύλλο ή κάντε εισαγωγή αρχείου CSV ή υπολογιστικού φύλλου στη σελίδα.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cells that hold options show them as eight digits; double-click one (or press Enter on it) for a box per option, or right-click it to choose them one by one. A title ending in * has unsaved changes: File &gt; save stores them, and Tallvane asks before a page with changes is left.</source>
        <translation>Τα κελιά με επιλογές τις δείχνουν ως οκτώ ψηφία· κάντε διπλό κλικ σε ένα (ή πατήστε Enter) για ένα πλαίσιο ανά επιλογή, ή δεξί κλικ για να τις επιλέξετε μία μία. Ένας τίτλος που τελειώνει σε * έχει μη αποθηκευμένες αλλαγές: το Αρχείο &gt; Αποθήκευση τις αποθηκεύει, και το Tallvane ρωτά πριν φύγετε από μια σελίδα με αλλαγές.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Without the mouse: the arrow keys move among the category buttons and Enter opens one; Alt+Left goes back to them from any page; Ctrl+Z and Ctrl+Shift+Z undo and redo a change in the grid.</source>
        <translation>Χωρίς ποντίκι: τα βέλη μετακινούν ανάμεσα στα κουμπιά κατηγοριών και το Enter ανοίγει ένα· το Alt+Left επιστρέφει σε αυτά από κάθε σελίδα· τα Ctrl+Z και Ctrl+Shift+Z αναιρούν και επαναλαμβάνουν μια αλλαγή στον πίνακα.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. The receipt logo</source>
        <translation>3. Το λογότυπο της απόδειξης</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The logo page loads a picture, shows it as the register will print it (black and white dots) and sends it as logo 1 or 2 over the serial link.</source>
        <translation>Η σελίδα λογότυπου φορτώνει μια εικόνα, τη δείχνει όπως θα την τυπώσει η ταμειακή (ασπρόμαυρες κουκκίδες) και τη στέλνει ως λογότυπο 1 ή 2 μέσω της σειριακής σύνδεσης.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4. Connect a register</source>
        <translation>4. Συνδέστε μια ταμειακή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Over the network: choose Tcp in the connection panel. The panel shows the address and port on which Tallvane listens; set the register to dial them. Each register that connects appears in the table, where you can give it a name.</source>
        <translation>Μέσω δικτύου: επιλέξτε Tcp στο πλαίσιο σύνδεσης. Το πλαίσιο δείχνει τη διεύθυνση και τη θύρα στις οποίες ακούει το Tallvane· ρυθμίστε την ταμειακή να συνδέεται σε αυτές. Κάθε ταμειακή που συνδέεται εμφανίζεται στον πίνακα, όπου μπορείτε να της δώσετε όνομα.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Over RS-232: choose Serial, pick the port and press Open Serial. On Linux only the members of the port&apos;s group (dialout) may open it.</source>
        <translation>Μέσω RS-232: επιλέξτε Σειριακή, διαλέξτε τη θύρα και πατήστε «Άνοιγμα σειριακής». Στο Linux μόνο τα μέλη της ομάδας της θύρας (dialout) μπορούν να την ανοίξουν.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>5. Install</source>
        <translation>5. Εγκατάσταση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install (tool bar or File &gt; install) sends the page&apos;s whole table to every connected register and replaces what it holds. Send changes sends only the rows that differ from what the register got last time, and Compare with register shows them first.</source>
        <translation>Η Εγκατάσταση (γραμμή εργαλείων ή Αρχείο &gt; Εγκατάσταση) στέλνει ολόκληρο τον πίνακα της σελίδας σε κάθε συνδεδεμένη ταμειακή και αντικαθιστά ό,τι έχει. Η Αποστολή αλλαγών στέλνει μόνο τις γραμμές που διαφέρουν από όσα πήρε η ταμειακή την τελευταία φορά, και η Σύγκριση με ταμειακή τις δείχνει πρώτα.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download from register brings the register&apos;s table onto the page; nothing is stored until you save.</source>
        <translation>Η Λήψη από την ταμειακή φέρνει τον πίνακα της ταμειακής στη σελίδα· τίποτα δεν αποθηκεύεται μέχρι να κάνετε αποθήκευση.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>6. Verify</source>
        <translation>6. Επαλήθευση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tick Verify after install: after the install each register sends the table back and Tallvane compares it with what was sent, row by row and field by field. The transfer log ends with one sentence per register, and Windows &gt; Journal keeps who sent what to which register.</source>
        <translation>Επιλέξτε «Επαλήθευση μετά την εγκατάσταση»: μετά την εγκατάσταση κάθε ταμειακή στέλνει πίσω τον πίνακα και το Tallvane τον συγκρίνει με ό,τι στάλθηκε, γραμμή προς γραμμή και πεδίο προς πεδίο. Η καταγραφή μεταφοράς τελειώνει με μία πρόταση ανά ταμειακή, και το Παράθυρα &gt; Ημερολόγιο κρατά ποιος έστειλε τι σε ποια ταμειακή.</translation>
    </message>
</context>
<context>
    <name>RegisterCommands</name>
    <message>
        <location filename="../app/transfer/registercommands.cpp" line="+18"/>
        <source>Add the selected PLUs to the register(s)</source>
        <translation>Προσθήκη των επιλεγμένων ειδών στις ταμειακές</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update the selected PLUs on the register(s)</source>
        <translation>Αναβάθμιση των επιλεγμένων ειδών στις ταμειακές</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete the selected PLUs from the register(s)</source>
        <translation>Διαγραφή των επιλεγμένων ειδών από τις ταμειακές</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>install: send this page&apos;s table to the register(s) (Ctrl+I)</source>
        <extracomment>&quot;install&quot; is the command that sends the page&apos;s table to the register.</extracomment>
        <translation>Εγκατάσταση: στέλνει τον πίνακα αυτής της σελίδας στις ταμειακές (Ctrl+I)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>download: read this page&apos;s table from the register (Ctrl+D)</source>
        <translation>Λήψη: διαβάζει τον πίνακα αυτής της σελίδας από την ταμειακή (Ctrl+D)</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Cancel transfer</source>
        <translation>Ακύρωση μεταφοράς</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the transfer after the current frame (Esc)</source>
        <translation>Διακοπή της μεταφοράς μετά το τρέχον πακέτο (Esc)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Compare with register</source>
        <translation>Σύγκριση με ταμειακή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show what this page would change on each connected register</source>
        <translation>Εμφάνιση του τι θα άλλαζε αυτή η σελίδα σε κάθε συνδεδεμένη ταμειακή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send changes</source>
        <translation>Αποστολή αλλαγών</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send each register only what differs from what it holds</source>
        <translation>Στέλνει σε κάθε ταμειακή μόνο ό,τι διαφέρει από όσα έχει</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>install: open a category page first; its table goes to the register(s)</source>
        <translation>Εγκατάσταση: ανοίξτε πρώτα μια σελίδα κατηγορίας· ο πίνακάς της πηγαίνει στις ταμειακές</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>download: open a category page first; its table comes from the register</source>
        <extracomment>&quot;download&quot; is the command that reads the page&apos;s table from the register.</extracomment>
        <translation>Λήψη: ανοίξτε πρώτα μια σελίδα κατηγορίας· ο πίνακάς της έρχεται από την ταμειακή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>download: a register does not send its logo back</source>
        <translation>Λήψη: η ταμειακή δεν στέλνει πίσω τον λογότυπό της</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (on the PLU page only: the other pages go to the register whole, with install)</source>
        <translation>%1 (μόνο στη σελίδα ειδών: οι άλλες σελίδες στέλνονται ολόκληρες στην ταμειακή, με την Εγκατάσταση)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>only the administrator may erase a register&apos;s tables</source>
        <translation>μόνο ο διαχειριστής μπορεί να κάνει εκκαθάριση των πινάκων μιας ταμειακής</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clear data goes to a register on the serial link only</source>
        <translation>η εκκαθάριση δεδομένων στέλνεται μόνο σε ταμειακή στη σειριακή σύνδεση</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>clear data is not given from the PLU page</source>
        <translation>η εκκαθάριση δεδομένων δεν γίνεται από τη σελίδα ειδών</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase every table of the register on the serial port (asks first)</source>
        <translation>Εκκαθάριση όλων των πινάκων της ταμειακής στη σειριακή θύρα (με ερώτηση πρώτα)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erase every table of the register: %1</source>
        <translation>Εκκαθάριση όλων των πινάκων της ταμειακής: %1</translation>
    </message>
</context>
<context>
    <name>RegisterPlan</name>
    <message>
        <location filename="../link/changes.cpp" line="+119"/>
        <source>%1 registers connect as %2: a send of changes cannot tell them apart, so none is sent; install the whole table, or give each register an address of its own</source>
        <extracomment>%1 how many registers, %2 the address they share</extracomment>
        <translation>%1 ταμειακές συνδέονται ως %2: η αποστολή αλλαγών δεν μπορεί να τις ξεχωρίσει, οπότε δεν στέλνεται τίποτα· εγκαταστήστε ολόκληρο τον πίνακα ή δώστε σε κάθε ταμειακή δική της διεύθυνση</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: no baseline yet: download to compare, or install the whole table</source>
        <translation>%1: δεν υπάρχει ακόμη κατάσταση αναφοράς: κάντε λήψη για σύγκριση ή εγκατάσταση ολόκληρου του πίνακα</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 unchanged on %2: not sent</source>
        <translation>%2: %1 χωρίς αλλαγές: δεν στάλθηκαν</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unchanged on %2</source>
        <translation>%2: %1 χωρίς αλλαγές</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2; not sent: the page holds no %3, and a send of no rows changes nothing (ClearData empties a register)</source>
        <extracomment>%1 the register, %2 how its table differs (&quot;2 deleted&quot;), %3 the rows (&quot;departments&quot;)</extracomment>
        <translation>%1: %2· δεν στάλθηκε: η σελίδα δεν έχει %3, και μια αποστολή χωρίς γραμμές δεν αλλάζει τίποτα (η «Εκκαθάριση δεδομένων» αδειάζει μια ταμειακή)</translation>
    </message>
</context>
<context>
    <name>SerialServer</name>
    <message>
        <location filename="../link/serialserver.cpp" line="+53"/>
        <source>No serial port can be opened now: connect the register&apos;s cable (or its USB adapter), then press F5 to look again.</source>
        <translation>Καμία σειριακή θύρα δεν μπορεί να ανοίξει τώρα: συνδέστε το καλώδιο της ταμειακής (ή τον μετατροπέα USB της) και πατήστε F5 για νέα αναζήτηση.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 is in use by another program: close it there first</source>
        <translation>η θύρα %1 χρησιμοποιείται από άλλο πρόγραμμα: κλείστε την εκεί πρώτα</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1. Only the members of the group %2 may open %3: add the user to it (sudo adduser %4 %2) and log in again.</source>
        <translation>%1. Μόνο τα μέλη της ομάδας %2 μπορούν να ανοίξουν το %3: προσθέστε τον χρήστη σε αυτή (sudo adduser %4 %2) και συνδεθείτε ξανά.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Permission denied</source>
        <translation>Άρνηση πρόσβασης</translation>
    </message>
</context>
<context>
    <name>ServerDb</name>
    <message>
        <location filename="../storage/serverdb.cpp" line="+111"/>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql)</source>
        <translation>Ο οδηγός PostgreSQL της Qt δεν είναι εγκατεστημένος (πακέτο Debian libqt6sql6-psql)</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>the account %1 may not use the set %2 (no USAGE on its schema)</source>
        <translation>ο λογαριασμός %1 δεν έχει δικαίωμα χρήσης του προφίλ %2 (χωρίς USAGE στο σχήμα του)</translation>
    </message>
</context>
<context>
    <name>ServerPassword</name>
    <message>
        <location filename="../app/dialogs/serverpassword.cpp" line="+13"/>
        <source>The server refused the password of %1. Password:</source>
        <translation>Ο διακομιστής απέρριψε τον κωδικό πρόσβασης του %1. Κωδικός πρόσβασης:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password of %1 on the server:</source>
        <translation>Κωδικός πρόσβασης του %1 στον διακομιστή:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Server password</source>
        <translation>Κωδικός διακομιστή</translation>
    </message>
</context>
<context>
    <name>ServerSetDialog</name>
    <message>
        <location filename="../app/dialogs/serversetdialog.ui" line="+9"/>
        <source>Server set</source>
        <translation>Προφίλ στον διακομιστή</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Set on a PostgreSQL server (postgresql://USER@HOST[:PORT]/DATABASE?set=NAME):</source>
        <translation>Προφίλ σε διακομιστή PostgreSQL (postgresql://USER@HOST[:PORT]/DATABASE?set=NAME):</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The password comes from the PostgreSQL password file (~/.pgpass) or PGPASSWORD; otherwise Tallvane asks for it once per login and never stores it.</source>
        <translation>Ο κωδικός πρόσβασης λαμβάνεται από το αρχείο κωδικών της PostgreSQL (~/.pgpass) ή το PGPASSWORD· αλλιώς το Tallvane τον ζητά μία φορά ανά σύνδεση και δεν τον αποθηκεύει ποτέ.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Create</source>
        <translation>&amp;Δημιουργία</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create a new, empty set under this name on the server</source>
        <translation>Δημιουργία νέου, κενού προφίλ με αυτό το όνομα στον διακομιστή</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <location filename="../app/dialogs/serversetdialog.cpp" line="+32"/>
        <source>A server set&apos;s address starts with postgresql://</source>
        <translation>Η διεύθυνση ενός προφίλ σε διακομιστή αρχίζει με postgresql://</translation>
    </message>
</context>
<context>
    <name>ServerThread</name>
    <message>
        <location filename="../link/tcpserver.cpp" line="+227"/>
        <source>not in [tcp] allow</source>
        <translation>δεν είναι στη λίστα [tcp] allow</translation>
    </message>
</context>
<context>
    <name>SetLibrary</name>
    <message>
        <location filename="../app/setlibrary.cpp" line="-160"/>
        <source>Recent sets</source>
        <translation>Πρόσφατα προφίλ</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Open server set...</source>
        <translation>Άνοιγμα προφίλ διακομιστή...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open or create a configuration set on a PostgreSQL server</source>
        <translation>Άνοιγμα ή δημιουργία προφίλ ρυθμίσεων σε διακομιστή PostgreSQL</translation>
    </message>
</context>
<context>
    <name>SetLocation</name>
    <message>
        <location filename="../storage/setlocation.cpp" line="+61"/>
        <source>Type a name for the new set.</source>
        <translation>Πληκτρολογήστε ένα όνομα για το νέο προφίλ.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A set&apos;s name cannot hold &apos;/&apos; or &apos;\&apos;: the set is made in the database folder.</source>
        <translation>Το όνομα ενός προφίλ δεν μπορεί να περιέχει &apos;/&apos; ή &apos;\&apos;: το προφίλ δημιουργείται στον φάκελο βάσεων δεδομένων.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A set&apos;s name cannot begin with a dot.</source>
        <translation>Το όνομα ενός προφίλ δεν μπορεί να αρχίζει με τελεία.</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+33"/>
        <source>the address holds a password; keep it in the PostgreSQL password file (~/.pgpass) or PGPASSWORD instead</source>
        <translation>η διεύθυνση περιέχει κωδικό πρόσβασης· κρατήστε τον στο αρχείο κωδικών της PostgreSQL (~/.pgpass) ή στο PGPASSWORD</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;%1&quot; is not a connection parameter</source>
        <translation>το «%1» δεν είναι παράμετρος σύνδεσης</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the value of %1 cannot hold &apos;;&apos;</source>
        <translation>η τιμή του %1 δεν μπορεί να περιέχει &apos;;&apos;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; is not a port number</source>
        <translation>το «%1» δεν είναι αριθμός θύρας</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the address names no set: add ?set=NAME (for example ?set=shop)</source>
        <translation>η διεύθυνση δεν ορίζει προφίλ: προσθέστε ?set=NAME (για παράδειγμα ?set=shop)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; cannot name a set: use letters, digits, &apos;_&apos; and &apos;-&apos; (at most 63, not starting with pg_)</source>
        <translation>το «%1» δεν μπορεί να είναι όνομα προφίλ: χρησιμοποιήστε γράμματα, ψηφία, &apos;_&apos; και &apos;-&apos; (έως 63, όχι με αρχή pg_)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>this PC</source>
        <translation>αυτόν τον υπολογιστή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2 on %3)</source>
        <translation>%1 (%2 σε %3)</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <location filename="../link/statusline.cpp" line="+19"/>
        <source> (%1 of %2 bytes shown)</source>
        <translation> (εμφανίζονται %1 από %2 byte)</translation>
    </message>
</context>
<context>
    <name>StatusWord</name>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+47"/>
        <source>END</source>
        <translation>ΤΕΛΟΣ</translation>
    </message>
    <message>
        <location filename="../link/transfer.cpp" line="+206"/>
        <source>TIME OUT</source>
        <translation>ΛΗΞΗ ΧΡΟΝΟΥ</translation>
    </message>
    <message>
        <location line="-157"/>
        <location line="+345"/>
        <source>UPDATE </source>
        <translation>ΑΠΟΣΤΟΛΗ </translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+4"/>
        <location line="+92"/>
        <location line="+32"/>
        <source>UPDATE END</source>
        <translation>ΤΕΛΟΣ ΑΠΟΣΤΟΛΗΣ</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+8"/>
        <source>DOWNLOAD </source>
        <translation>ΛΗΨΗ </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DOWNLOAD END</source>
        <translation>ΤΕΛΟΣ ΛΗΨΗΣ</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+20"/>
        <location line="+24"/>
        <source>RCV ERR</source>
        <translation>ΣΦΑΛΜΑ ΛΗΨΗΣ</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>BCC ERR</source>
        <translation>ΣΦΑΛΜΑ ΑΘΡΟΙΣΜΑΤΟΣ ΕΛΕΓΧΟΥ</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <location filename="../app/pages/systempage.ui" line="+12"/>
        <source>Set ECR Time</source>
        <translation>Ρύθμιση ώρας ECR</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ECR Time:</source>
        <translation>Ώρα ECR:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECR#:</source>
        <translation>Αρ. ECR:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The register&apos;s number (0 to 255), as the register reports it</source>
        <translation>Ο αριθμός της ταμειακής (0 έως 255), όπως τον αναφέρει η ταμειακή</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>(0-255)</source>
        <translation>(0-255)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>IDLE Time Disp</source>
        <translation>Χρόνος αδράνειας οθόνης</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Minutes without use before the register&apos;s display shows its idle text (0 to 99)</source>
        <translation>Λεπτά χωρίς χρήση πριν η οθόνη της ταμειακής δείξει το κείμενο αναμονής (0 έως 99)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Minute(0-99)</source>
        <translation>Λεπτά (0-99)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PRINT DENSITY:</source>
        <translation>ΠΥΚΝΟΤΗΤΑ ΕΚΤΥΠΩΣΗΣ:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>How dark the printer prints: 0 the lightest, 4 the darkest</source>
        <translation>Πόσο σκούρα τυπώνει ο εκτυπωτής: 0 το πιο ανοιχτό, 4 το πιο σκούρο</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>(0-4)</source>
        <translation>(0-4)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>AMOUNT MAX:</source>
        <translation>ΜΕΓΙΣΤΟ ΠΟΣΟ:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The largest amount the register accepts in one entry (0 to 99999999)</source>
        <translation>Το μεγαλύτερο ποσό που δέχεται η ταμειακή σε μία καταχώριση (0 έως 99999999)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>(0-99999999)</source>
        <translation>(0-99999999)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Print the clerk&apos;s name on every receipt</source>
        <translation>Εκτύπωση του ονόματος του χειριστή σε κάθε απόδειξη</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRN CLERK</source>
        <translation>ΕΚΤΥΠΩΣΗ ΧΕΙΡΙΣΤΗ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Allow a copy of the last receipt to be printed</source>
        <translation>Επιτρέπεται η εκτύπωση αντιγράφου της τελευταίας απόδειξης</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COPY RECEIPT</source>
        <translation>ΑΝΤΙΓΡΑΦΟ ΑΠΟΔΕΙΞΗΣ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the number of items sold at the end of each receipt</source>
        <translation>Εκτύπωση του πλήθους των ειδών που πουλήθηκαν στο τέλος κάθε απόδειξης</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT ITEMS</source>
        <translation>ΕΚΤΥΠΩΣΗ ΕΙΔΩΝ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Prices and amounts have two decimal places</source>
        <translation>Οι τιμές και τα ποσά έχουν δύο δεκαδικά ψηφία</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DECIMAL</source>
        <translation>ΔΕΚΑΔΙΚΑ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The subtotal key must be pressed before a payment</source>
        <translation>Πριν από την πληρωμή πρέπει να πατηθεί το πλήκτρο υποσυνόλου</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SUBTOTAL OBL</source>
        <translation>ΥΠΟΧΡ. ΥΠΟΣΥΝΟΛΟ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sales may name a customer card</source>
        <translation>Στις πωλήσεις μπορεί να δηλωθεί κάρτα πελάτη</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CUSTOMER CARD</source>
        <translation>ΚΑΡΤΑ ΠΕΛΑΤΗ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the department totals in the reports</source>
        <translation>Εκτύπωση των συνόλων των τμημάτων στις αναφορές</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT DEPART MON</source>
        <translation>ΕΚΤΥΠΩΣΗ ΤΜΗΜΑΤΟΣ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clerks sign on with their password</source>
        <translation>Οι χειριστές συνδέονται με τον κωδικό τους</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CLERK PWD</source>
        <translation>ΚΩΔΙΚΟΣ ΧΕΙΡΙΣΤΗ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A clerk must sign on before a sale</source>
        <translation>Πριν από την πώληση πρέπει να συνδεθεί χειριστής</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OPER.OBL</source>
        <translation>ΥΠΟΧΡ. ΧΕΙΡΙΣΤΗΣ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print the tax amount on the receipt</source>
        <translation>Εκτύπωση του ποσού ΦΠΑ στην απόδειξη</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PRINT TAX AMT</source>
        <translation>ΕΚΤΥΠΩΣΗ ΠΟΣΟΥ ΦΠΑ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The register&apos;s clock follows daylight saving time</source>
        <translation>Το ρολόι της ταμειακής ακολουθεί τη θερινή ώρα</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DAYLIGHT TIME</source>
        <translation>ΘΕΡΙΝΗ ΩΡΑ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The register beeps at each key press</source>
        <translation>Η ταμειακή ηχεί σε κάθε πάτημα πλήκτρου</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BUZZER</source>
        <translation>ΒΟΜΒΗΤΗΣ</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Back to the category buttons (Alt+Left; unsaved changes are asked about first)</source>
        <translation>Επιστροφή στα κουμπιά κατηγοριών (Alt+Left· για τις μη αποθηκευμένες αλλαγές γίνεται πρώτα ερώτηση)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>return</source>
        <translation>Επιστροφή</translation>
    </message>
    <message>
        <location filename="../app/pages/systempage.cpp" line="+106"/>
        <source>The set holds %1, which this box cannot show; it is kept unless you change the box.</source>
        <translation>Το προφίλ έχει %1, τιμή που αυτό το πεδίο δεν μπορεί να δείξει· διατηρείται αν δεν αλλάξετε το πεδίο.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Saved the system parameters to %1</source>
        <translation>Αποθήκευση: παράμετροι συστήματος στο %1</translation>
    </message>
</context>
<context>
    <name>TableDiff</name>
    <message>
        <location filename="../records/tablediff.cpp" line="+12"/>
        <source>%1: new</source>
        <translation>%1: προσθήκη</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: deleted</source>
        <translation>%1: διαγραφή</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 changed (not shown)</source>
        <extracomment>A changed password or key, whose values are not shown: its column.</extracomment>
        <translation>%1: άλλαξε (δεν εμφανίζεται)</translation>
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
        <translation>χωρίς αλλαγές</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 new</source>
        <translation>προσθήκες: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 changed</source>
        <translation>αλλαγές: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 deleted</source>
        <translation>διαγραφές: %1</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <location filename="../storage/csvfile.cpp" line="-237"/>
        <source>the file has more than %1 rows, more than an import takes</source>
        <translation>το αρχείο έχει πάνω από %1 γραμμές, περισσότερες από όσες δέχεται η εισαγωγή</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>no temporary file for the conversion: %1</source>
        <translation>δεν υπάρχει προσωρινό αρχείο για τη μετατροπή: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the temporary file could not be written: %1</source>
        <translation>δεν ήταν δυνατή η εγγραφή του προσωρινού αρχείου: %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>not a file but a device or a pipe</source>
        <translation>δεν είναι αρχείο αλλά συσκευή ή σωλήνωση</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>the file is in UTF-16: save it as UTF-8 CSV</source>
        <translation>το αρχείο είναι σε UTF-16: αποθηκεύστε το ως CSV σε UTF-8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file holds zero bytes: it is no text table (a binary or damaged file)</source>
        <translation>το αρχείο περιέχει μηδενικά byte: δεν είναι πίνακας κειμένου (δυαδικό ή κατεστραμμένο αρχείο)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>the quotation mark that opens a field in line %1 is never closed</source>
        <translation>τα εισαγωγικά που ανοίγουν ένα πεδίο στη γραμμή %1 δεν κλείνουν ποτέ</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>the file has %1 MiB, more than the %2 MiB an import takes</source>
        <translation>το αρχείο έχει %1 MiB, περισσότερα από τα %2 MiB που δέχεται η εισαγωγή</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>it has no header line: its first line is imported as a row</source>
        <translation>δεν έχει γραμμή επικεφαλίδων: η πρώτη του γραμμή εισάγεται ως γραμμή πίνακα</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not UTF-8 and was read as %1</source>
        <translation>δεν είναι UTF-8 και διαβάστηκε ως %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cell(s) hold the error of a formula (#N/A and the like), first: %2: imported as that text</source>
        <translation>%1 κελιά περιέχουν σφάλμα τύπου (#N/A και παρόμοια), πρώτο: %2: εισάγονται ως αυτό το κείμενο</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 byte(s) are no UTF-8 letter, first in line %2: they show as %3</source>
        <translation>%1 byte δεν είναι χαρακτήρες UTF-8, το πρώτο στη γραμμή %2: εμφανίζονται ως %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the file has %1 columns, the page %2</source>
        <translation>το αρχείο έχει %1 στήλες, η σελίδα %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its header line names other columns than the page&apos;s (%1): the columns are read by their place</source>
        <translation>η γραμμή επικεφαλίδας του ονομάζει άλλες στήλες από της σελίδας (%1): οι στήλες διαβάζονται κατά θέση</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 row(s) hold more cells than the header line, first: row %2: check for a comma in a number or name</source>
        <translation>%1 γραμμή(ές) έχουν περισσότερα κελιά από τη γραμμή επικεφαλίδας, πρώτη: γραμμή %2: ελέγξτε για κόμμα σε αριθμό ή όνομα</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 cell in scientific notation was converted, first: row %1, column %2: check the codes</source>
        <translation>μετατράπηκε 1 κελί από επιστημονική μορφή, στη γραμμή %1, στήλη %2: ελέγξτε τους κωδικούς</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 cells in scientific notation were converted, first: row %2, column %3: check the codes</source>
        <translation>μετατράπηκαν %1 κελιά από επιστημονική μορφή, το πρώτο στη γραμμή %2, στήλη %3: ελέγξτε τους κωδικούς</translation>
    </message>
    <message>
        <location filename="../storage/xlsx.cpp" line="+73"/>
        <source>%1 is damaged (%2, line %3)</source>
        <translation>το %1 είναι κατεστραμμένο (%2, γραμμή %3)</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>%1 would unpack to %2 MiB, more than the %3 MiB allowed for one part of a workbook</source>
        <translation>το %1 θα αποσυμπιεζόταν σε %2 MiB, περισσότερα από τα %3 MiB που επιτρέπονται για ένα μέρος βιβλίου εργασίας</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>the file holds no workbook</source>
        <translation>το αρχείο δεν περιέχει βιβλίο εργασίας</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the workbook has no worksheet</source>
        <translation>το βιβλίο εργασίας δεν έχει φύλλο εργασίας</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the workbook names no part for its first sheet</source>
        <translation>το βιβλίο εργασίας δεν ορίζει μέρος για το πρώτο του φύλλο</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>the first worksheet unpacks to more than the %1 MiB an import takes (at row %2)</source>
        <translation>το πρώτο φύλλο εργασίας αποσυμπιέζεται σε περισσότερα από τα %1 MiB που δέχεται η εισαγωγή (στη γραμμή %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the first worksheet has text in row %1, more than the %2 rows an import takes</source>
        <translation>το πρώτο φύλλο εργασίας έχει κείμενο στη γραμμή %1, πέρα από τις %2 γραμμές που δέχεται η εισαγωγή</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>cell %1 holds a formula without its value: open the file in a spreadsheet and save it again</source>
        <translation>το κελί %1 έχει τύπο χωρίς την τιμή του: ανοίξτε το αρχείο σε υπολογιστικό φύλλο και αποθηκεύστε το ξανά</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cell %1 names a shared text the file does not hold</source>
        <translation>το κελί %1 παραπέμπει σε κοινόχρηστο κείμενο που δεν υπάρχει στο αρχείο</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>the file does not exist</source>
        <translation>το αρχείο δεν υπάρχει</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not an .xlsx workbook (the file is no zip archive, or a damaged one)</source>
        <translation>δεν είναι βιβλίο εργασίας .xlsx (το αρχείο δεν είναι αρχείο zip ή είναι κατεστραμμένο)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the first worksheet (%1) is missing</source>
        <translation>λείπει το πρώτο φύλλο εργασίας (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the first worksheet (%1) is damaged</source>
        <translation>το πρώτο φύλλο εργασίας (%1) είναι κατεστραμμένο</translation>
    </message>
</context>
<context>
    <name>TcpServer</name>
    <message>
        <location filename="../link/tcpserver.cpp" line="+69"/>
        <source>port %1 is taken by another program</source>
        <translation>η θύρα %1 χρησιμοποιείται από άλλο πρόγραμμα</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not an address of this PC</source>
        <translation>το %1 δεν είναι διεύθυνση αυτού του υπολογιστή</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the system does not let it use port %1</source>
        <translation>το σύστημα δεν επιτρέπει τη χρήση της θύρας %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>port %1</source>
        <translation>θύρα %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+28"/>
        <source>%1, port %2</source>
        <translation>%1, θύρα %2</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Tallvane cannot listen for registers on %1: %2.</source>
        <translation>Το Tallvane δεν μπορεί να δεχτεί συνδέσεις ταμειακών (%1): %2.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 or %2</source>
        <extracomment>&quot;10.0.0.2, 10.0.0.3 or 127.0.0.1&quot;: the addresses registers may dial</extracomment>
        <translation>%1 ή %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>already %1 open ([tcp] maxConnections)</source>
        <translation>ήδη %1 ανοιχτές συνδέσεις ([tcp] maxConnections)</translation>
    </message>
</context>
<context>
    <name>TransferController</name>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="+18"/>
        <source>warning</source>
        <translation>Προειδοποίηση</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+38"/>
        <source>Delete from the register</source>
        <translation>Διαγραφή από την ταμειακή</translation>
    </message>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+89"/>
        <source>No register took the request.</source>
        <translation>Καμία ταμειακή δεν δέχτηκε το αίτημα.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Open the %1 page first.</source>
        <translation>Ανοίξτε πρώτα τη σελίδα «%1».</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The page&apos;s %1 compared with what each connected register holds as far as Tallvane knows (its last install, verify or download):</source>
        <translation>Σύγκριση της σελίδας (%1) με ό,τι έχει κάθε συνδεδεμένη ταμειακή, απ&apos; όσο γνωρίζει το Tallvane (τελευταία εγκατάσταση, επαλήθευση ή λήψη):</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Nothing to send: see the log</source>
        <translation>Τίποτα για αποστολή: δείτε την καταγραφή</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nothing sent: the changes go with the next send</source>
        <translation>Δεν στάλθηκε τίποτα: οι αλλαγές θα φύγουν με την επόμενη αποστολή</translation>
    </message>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="-26"/>
        <source>Install sends all the page&apos;s %1 to %2 again; PLUs not on the page stay on the register. PLU totals kept by the register may be lost.</source>
        <translation>Η εγκατάσταση στέλνει ξανά όλα τα δεδομένα της σελίδας (%1) σε %2· τα είδη που δεν είναι στη σελίδα μένουν στην ταμειακή. Τα σύνολα ειδών που κρατά η ταμειακή μπορεί να χαθούν.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Install replaces the whole %1 table of %2 with the page&apos;s %3.</source>
        <translation>Η εγκατάσταση αντικαθιστά ολόκληρο τον πίνακα «%1» για %2 με τα δεδομένα της σελίδας (%3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Send only the changes instead?</source>
        <translation>Να σταλούν μόνο οι αλλαγές;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Install</source>
        <extracomment>Title of the question before a whole table is sent to the register(s).</extracomment>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send changes</source>
        <translation>Αποστολή αλλαγών</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Install all</source>
        <translation>Εγκατάσταση όλων</translation>
    </message>
    <message>
        <location filename="../app/transfer/transfercontroller.cpp" line="+89"/>
        <source>Select the PLUs to send first.</source>
        <translation>Επιλέξτε πρώτα τα είδη για αποστολή.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Only the administrator may erase a register&apos;s tables.</source>
        <translation>Μόνο ο διαχειριστής μπορεί να κάνει εκκαθάριση των πινάκων μιας ταμειακής.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cancelling: the registers stop after the current frame ...</source>
        <translation>Ακύρωση: οι ταμειακές σταματούν μετά το τρέχον πακέτο ...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A transfer with the registers is still running. Stop it after the current frame and close?</source>
        <translation>Μια μεταφορά με τις ταμειακές βρίσκεται ακόμη σε εξέλιξη. Να διακοπεί μετά το τρέχον πλαίσιο και να κλείσει το πρόγραμμα;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop and close</source>
        <translation>Διακοπή και κλείσιμο</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep running</source>
        <translation>Συνέχιση</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The page shows the table of %1; %2 sent another: download from one register to see its own.</source>
        <translation>Η σελίδα δείχνει τον πίνακα της %1· η %2 έστειλε άλλον: κάντε λήψη από μία ταμειακή για να δείτε τον δικό της.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Not sent to %1: no baseline yet (download from it, or install the whole table).</source>
        <translation>Δεν στάλθηκε σε %1: δεν υπάρχει ακόμη κατάσταση αναφοράς (κάντε λήψη από αυτήν ή εγκαταστήστε ολόκληρο τον πίνακα).</translation>
    </message>
</context>
<context>
    <name>TransferMonitor</name>
    <message>
        <location filename="../app/transfer/transfermonitor.cpp" line="+55"/>
        <source>%v rows received</source>
        <extracomment>Progress bar of a download: %v is the number of rows received so far.</extracomment>
        <translation>Λήφθηκαν %v γραμμές</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%v / %m rows</source>
        <extracomment>Progress bar of a send: %v rows acknowledged of %m.</extracomment>
        <translation>%v / %m γραμμές</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>%1 registers: all ended well; each is in the log</source>
        <translation>%1 ταμειακές: όλες ολοκληρώθηκαν σωστά· η καθεμία φαίνεται στην καταγραφή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 registers: %2 ended well, %3 did not; each is in the log</source>
        <translation>%1 ταμειακές: %2 ολοκληρώθηκαν σωστά, %3 όχι· η καθεμία φαίνεται στην καταγραφή</translation>
    </message>
</context>
<context>
    <name>TransferOutcome</name>
    <message>
        <location filename="../link/outcome.cpp" line="-169"/>
        <source>%1 s</source>
        <translation>%1 δευτ.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../link/transfer.cpp" line="-245"/>
        <source>the system parameters</source>
        <translation>παράμετροι συστήματος</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the logo</source>
        <translation>λογότυπο</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 rows</source>
        <translation>%1 γραμμές</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> after %1</source>
        <translation> μετά από %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>, the first of %1 rows</source>
        <translation>, στην πρώτη από %1 γραμμές</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> after %1 of %2 rows</source>
        <translation> μετά από %1 από %2 γραμμές</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 added</source>
        <translation>προσθήκη: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 updated</source>
        <translation>ενημέρωση: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 deleted</source>
        <translation>διαγραφή: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 installed</source>
        <translation>εγκατάσταση: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 cannot be read over this link: %2 came and were dropped</source>
        <translation>%1: δεν μπορούν να διαβαστούν μέσω αυτής της σύνδεσης· ήρθαν %2 και απορρίφθηκαν</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the register holds no %1</source>
        <translation>η ταμειακή δεν έχει %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 downloaded</source>
        <translation>λήψη: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every table erased</source>
        <translation>εκκαθάριση όλων των πινάκων</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nothing sent: the page holds no %1</source>
        <translation>δεν στάλθηκε τίποτα: η σελίδα δεν έχει %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 changed: %2</source>
        <translation>αλλαγές σε %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 and verified</source>
        <translation>%1, με επαλήθευση</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; the register answered late and rows were sent again: download from it to see what it holds</source>
        <translation>· η ταμειακή απάντησε καθυστερημένα και γραμμές στάλθηκαν ξανά: κάντε λήψη από αυτήν για να δείτε τι κρατά</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>; the register answered more often than it was asked: download from it to see what it holds</source>
        <translation>· η ταμειακή απάντησε περισσότερες φορές απ&apos; όσες ρωτήθηκε: κάντε λήψη από αυτήν για να δείτε τι κρατά</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the register refused the request (code %1)</source>
        <translation>η ταμειακή απέρριψε το αίτημα (κωδικός %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the register refused %1 (code %2)%3</source>
        <translation>η ταμειακή απέρριψε: %1 (κωδικός %2)%3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no answer from the register%1 (%2)</source>
        <translation>καμία απάντηση από την ταμειακή%1 (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no answer from the register to %1%2 (%3 attempt, %4)</source>
        <translation>καμία απάντηση από την ταμειακή για %1%2 (%3 προσπάθεια, %4)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer from the register to %1%2 (%3 attempts, %4)</source>
        <translation>καμία απάντηση από την ταμειακή για %1%2 (%3 προσπάθειες, %4)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the register sent a bad frame (%1)%2</source>
        <translation>η ταμειακή έστειλε λανθασμένο πακέτο (%1)%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cancelled by the operator after %1; the rows received were discarded</source>
        <translation>ακυρώθηκε από τον χρήστη μετά από %1· οι γραμμές που λήφθηκαν απορρίφθηκαν</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancelled by the operator after %1 of %2 rows; the register keeps what it received (%3, perhaps with the row on its way)</source>
        <translation>ακυρώθηκε από τον χρήστη μετά από %1 από %2 γραμμές· η ταμειακή κρατά ό,τι έλαβε (%3, ίσως και τη γραμμή που βρισκόταν καθ&apos; οδόν)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cancelled by the operator after %1 of %2 rows; the register keeps what it received (%3)</source>
        <translation>ακυρώθηκε από τον χρήστη μετά από %1 από %2 γραμμές· η ταμειακή κρατά ό,τι έλαβε (%3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing</source>
        <translation>τίποτα</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the link ended%1; the register keeps what it received</source>
        <translation>η σύνδεση διακόπηκε%1· η ταμειακή κρατά ό,τι έλαβε</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the link ended%1</source>
        <translation>η σύνδεση διακόπηκε%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; what the register now holds could not be noted in the set: download from it before comparing</source>
        <translation>· το τι κρατά τώρα η ταμειακή δεν μπόρεσε να καταγραφεί στο προφίλ: κάντε λήψη από αυτήν πριν από τη σύγκριση</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+41"/>
        <source>%1 more</source>
        <translation>ακόμη %1</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>the register(s)</source>
        <translation>τις ταμειακές</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the connected register (%1)</source>
        <translation>τη συνδεδεμένη ταμειακή (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the %1 connected registers (%2)</source>
        <translation>τις %1 συνδεδεμένες ταμειακές (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Erase every table of %1? This cannot be undone.</source>
        <translation>Εκκαθάριση όλων των πινάκων από %1; Δεν μπορεί να αναιρεθεί.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 connected registers</source>
        <translation>%1 συνδεδεμένες ταμειακές</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete %1 from %2?</source>
        <translation>Διαγραφή από %2: %1;</translation>
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
        <translation>η επαλήθευση ακυρώθηκε από τον χρήστη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the link ended before the table came back</source>
        <translation>η σύνδεση διακόπηκε πριν επιστρέψει ο πίνακας</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>the clear command</source>
        <translation>εντολή εκκαθάρισης</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>logo part %1 of %2</source>
        <translation>μέρος %1 από %2 του λογότυπου</translation>
    </message>
    <message>
        <location filename="../link/changes.cpp" line="-39"/>
        <source>Delete from %1 connected registers: %2?</source>
        <extracomment>%1 how many registers, %2 for each register what it loses (&quot;127.0.0.1: 1 PLU (1001 TEA)&quot;)</extracomment>
        <translation>Διαγραφή από %1 συνδεδεμένες ταμειακές: %2;</translation>
    </message>
</context>
<context>
    <name>TransferQuestions</name>
    <message>
        <location filename="../app/transfer/transferquestions.cpp" line="+13"/>
        <source>Send the other changes without deleting them, or nothing at all (Cancel).</source>
        <translation>Αποστολή των υπόλοιπων αλλαγών χωρίς διαγραφή, ή τίποτα (Ακύρωση).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete and send</source>
        <extracomment>Buttons: delete those PLUs and send the other changes; send the other changes only</extracomment>
        <translation>Διαγραφή και αποστολή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send without deleting</source>
        <translation>Αποστολή χωρίς διαγραφή</translation>
    </message>
</context>
<context>
    <name>VerifyReport</name>
    <message>
        <location filename="../records/verify.cpp" line="+37"/>
        <source>1 row</source>
        <translation>1 γραμμή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation>%1 γραμμές</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>not on the register</source>
        <translation>δεν υπάρχει στην ταμειακή</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>still on the register</source>
        <translation>υπάρχει ακόμη στην ταμειακή</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 sent %2, the register holds %3</source>
        <translation>%1: στάλθηκε %2, η ταμειακή έχει %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>not verified: %1</source>
        <translation>δεν επαληθεύτηκε: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>verified: %1 gone</source>
        <translation>επαληθεύτηκε: %1 εκτός ταμειακής</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>verified: %1 identical</source>
        <translation>επαληθεύτηκε: %1 χωρίς διαφορές</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; the register holds %1 more</source>
        <translation>· η ταμειακή έχει %1 επιπλέον</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>verify: %1 of %2 still on the register</source>
        <translation>επαλήθευση: ακόμη στην ταμειακή %1 από %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify: %1 of %2 differs</source>
        <translation>επαλήθευση: διαφέρει %1 από %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verify: %1 of %2 differ</source>
        <translation>επαλήθευση: διαφέρουν %1 από %2</translation>
    </message>
    <message>
        <location filename="../link/transfer.cpp" line="-53"/>
        <source>a frame of the table failed its check (BCC ERR)</source>
        <translation>ένα πακέτο του πίνακα απέτυχε στον έλεγχο (ΣΦΑΛΜΑ ΑΘΡΟΙΣΜΑΤΟΣ ΕΛΕΓΧΟΥ)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the table did not come back (RCV ERR)</source>
        <translation>ο πίνακας δεν επέστρεψε (ΣΦΑΛΜΑ ΛΗΨΗΣ)</translation>
    </message>
</context>
<context>
    <name>adminmodDialog</name>
    <message>
        <location filename="../app/dialogs/adminmoddialog.ui" line="+16"/>
        <source>UserName:</source>
        <translation>Όνομα χρήστη:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+17"/>
        <source>Password:</source>
        <translation>Κωδικός πρόσβασης:</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+71"/>
        <source>The same password again</source>
        <translation>Ο ίδιος κωδικός ξανά</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>New Name:</source>
        <translation>Νέο όνομα:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Old Pwd:</source>
        <translation>Παλιός κωδικός:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+17"/>
        <source>New Pwd:</source>
        <translation>Νέος κωδικός:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <location filename="../app/dialogs/adminmoddialog.cpp" line="+40"/>
        <source>Warning!</source>
        <translation>Προειδοποίηση!</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>user name set err!</source>
        <translation>Μη έγκυρο όνομα χρήστη!</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+31"/>
        <source>new password set err!</source>
        <translation>Μη έγκυρος νέος κωδικός!</translation>
    </message>
    <message>
        <location line="-27"/>
        <location line="+33"/>
        <source>user is exist!</source>
        <translation>Ο χρήστης υπάρχει ήδη!</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>new name set err!</source>
        <translation>Μη έγκυρο νέο όνομα!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>old password err!</source>
        <translation>Λάθος παλιός κωδικός!</translation>
    </message>
</context>
<context>
    <name>db_create</name>
    <message>
        <location filename="../app/dialogs/db_create.ui" line="+9"/>
        <source>Dialog</source>
        <translation>Νέο προφίλ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>INPUT DB NAME:</source>
        <translation>ΟΝΟΜΑ ΠΡΟΦΙΛ:</translation>
    </message>
</context>
<context>
    <name>loginDialog</name>
    <message>
        <location filename="../app/dialogs/logindialog.ui" line="+9"/>
        <source>User Login</source>
        <translation>Είσοδος χρήστη</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Choice language:</source>
        <translation>Επιλογή γλώσσας:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Username:</source>
        <translation>Όνομα χρήστη:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Password:</source>
        <translation>Κωδικός πρόσβασης:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Login</source>
        <translation>Είσοδος</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <location filename="../app/dialogs/logindialog.cpp" line="-52"/>
        <source>First start: log in as admin with the password 604218, then change that password in user management (the %1 button).</source>
        <translation>Πρώτη εκκίνηση: συνδεθείτε ως admin με τον κωδικό πρόσβασης 604218 και έπειτα αλλάξτε αυτόν τον κωδικό στη Διαχείριση χρηστών (το κουμπί %1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The user database cannot be read: %1.
%2
Nobody can log in until it is restored or moved aside. It has not been changed.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση της βάσης χρηστών: %1.
%2
Κανείς δεν μπορεί να κάνει είσοδο μέχρι να επαναφερθεί ή να μετακινηθεί αλλού. Δεν έχει αλλάξει.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>username is not exist!</source>
        <translation>Το όνομα χρήστη δεν υπάρχει!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>password err!</source>
        <translation>Λάθος κωδικός πρόσβασης!</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+21"/>
        <source>Warning!</source>
        <translation>Προειδοποίηση!</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>The administrator admin still has the first password, which every new installation shows on its login screen. Change it in user management (the %1 button).</source>
        <translation>Ο διαχειριστής admin έχει ακόμη τον αρχικό κωδικό πρόσβασης, που εμφανίζεται στην οθόνη σύνδεσης κάθε νέας εγκατάστασης. Αλλάξτε τον στη Διαχείριση χρηστών (το κουμπί %1).</translation>
    </message>
</context>
<context>
    <name>rs232thread</name>
    <message>
        <location filename="../link/serialserver.cpp" line="+52"/>
        <source>the port did not open in time</source>
        <translation>η θύρα δεν άνοιξε εγκαίρως</translation>
    </message>
</context>
<context>
    <name>usrdb</name>
    <message>
        <location filename="../users/usrdb.cpp" line="+130"/>
        <source>can not open usr_db database</source>
        <translation>Δεν είναι δυνατό το άνοιγμα της βάσης usr_db</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to establish a usr_db database connection.</source>
        <translation>Δεν είναι δυνατή η σύνδεση με τη βάση usr_db.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>no such table: %1</source>
        <translation>Ο πίνακας δεν υπάρχει: %1</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>the user is no longer there</source>
        <translation>ο χρήστης δεν υπάρχει πια</translation>
    </message>
</context>
<context>
    <name>usrdialog</name>
    <message>
        <location filename="../app/dialogs/usrdialog.ui" line="+9"/>
        <source>User Management</source>
        <translation>Διαχείριση χρηστών</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>UserList</source>
        <translation>Λίστα χρηστών</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>AdminEdit</source>
        <translation>Επεξεργασία διαχειριστή</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Admin:</source>
        <translation>Διαχειριστής:</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+53"/>
        <source>Password:</source>
        <translation>Κωδικός πρόσβασης:</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+159"/>
        <source>Modify</source>
        <translation>Τροποποίηση</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>UserInfo</source>
        <translation>Στοιχεία χρήστη</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UserName:</source>
        <translation>Όνομα χρήστη:</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>UserPermissions</source>
        <translation>Δικαιώματα χρήστη</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TRAILER</source>
        <translation>ΕΥΧΑΡΙΣΤΗΡΙΟ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DISCOUNT</source>
        <translation>ΕΚΠΤΩΣΕΙΣ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>TAX</source>
        <translation>ΦΠΑ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GRAPHIC</source>
        <translation>ΛΟΓΟΤΥΠΟ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GROUP</source>
        <translation>ΚΑΤΗΓΟΡΙΕΣ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PLU</source>
        <translation>ΕΙΔΗ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HEADER</source>
        <translation>ΕΠΩΝΥΜΙΑ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CLERK</source>
        <translation>ΧΕΙΡΙΣΤΕΣ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DEPARTMENT</source>
        <translation>ΤΜΗΜΑΤΑ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NET</source>
        <translation>ΔΙΚΤΥΟ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>SYSTEM</source>
        <translation>ΣΥΣΤΗΜΑ</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>UserEdit</source>
        <translation>Επεξεργασία χρήστη</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../app/dialogs/usrdialog.cpp" line="+209"/>
        <source>Add User</source>
        <translation>Προσθήκη χρήστη</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete User</source>
        <translation>Διαγραφή χρήστη</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>SetPerm</source>
        <translation>Ορισμός δικαιωμάτων</translation>
    </message>
    <message>
        <location filename="../app/dialogs/usrdialog.cpp" line="-157"/>
        <source>Modify changes nothing: tick the boxes and press SetPerm</source>
        <translation>Η Τροποποίηση δεν αλλάζει τίποτα: επιλέξτε τα πλαίσια και πατήστε «Ορισμός δικαιωμάτων»</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>none</source>
        <translation>κανένα</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>There is no user to choose: Add User first</source>
        <translation>Δεν υπάρχει χρήστης για επιλογή: πρώτα Προσθήκη χρήστη</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 no longer exists: the list is read again</source>
        <translation>Ο χρήστης %1 δεν υπάρχει πια: η λίστα διαβάζεται ξανά</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Choose a user in the list first</source>
        <translation>Επιλέξτε πρώτα χρήστη από τη λίστα</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Permissions of %1 saved: %2</source>
        <translation>Τα δικαιώματα του χρήστη %1 αποθηκεύτηκαν: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Permissions of %1 not saved: %2</source>
        <extracomment>%2 why (the database&apos;s reason)</extracomment>
        <translation>Τα δικαιώματα του χρήστη %1 δεν αποθηκεύτηκαν: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>delete user</source>
        <extracomment>Title of the question before a user is deleted</extracomment>
        <translation>διαγραφή χρήστη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete the user %1? %1 can no longer log in, and this cannot be undone.</source>
        <translation>Διαγραφή του χρήστη %1; Ο %1 δεν θα μπορεί πλέον να συνδεθεί και αυτό δεν αναιρείται.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 kept</source>
        <translation>ο %1 διατηρήθηκε</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 not deleted: %2</source>
        <translation>Ο χρήστης %1 δεν διαγράφηκε: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The user was not added: %1</source>
        <extracomment>%1 why (the database&apos;s reason)</extracomment>
        <translation>Ο χρήστης δεν προστέθηκε: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Name and password of the administrator not saved: %1</source>
        <extracomment>%1 why (the database&apos;s reason)</extracomment>
        <translation>Το όνομα και ο κωδικός πρόσβασης του διαχειριστή δεν αποθηκεύτηκαν: %1</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>%1 deleted</source>
        <extracomment>%2 why (the database&apos;s reason)</extracomment>
        <translation>Ο χρήστης %1 διαγράφηκε</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 added with every permission: untick and SetPerm to restrict</source>
        <translation>Ο χρήστης %1 προστέθηκε με όλα τα δικαιώματα: για περιορισμό, αποεπιλέξτε πλαίσια και πατήστε «Ορισμός δικαιωμάτων»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Mod Admin</source>
        <translation>Αλλαγή διαχειριστή</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name and password of the administrator saved: %1</source>
        <translation>Το όνομα και ο κωδικός πρόσβασης του διαχειριστή αποθηκεύτηκαν: %1</translation>
    </message>
</context>
</TS>
