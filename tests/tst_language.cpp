#include "testsupport.h"
#include "base/language.h"

#include <QTextCodec>
#include <QtTest>

#include <cstring>

class TestLanguage : public QObject {
    Q_OBJECT

private:
    static QByteArray toRegister(const QByteArray& text, int size = -1)
    {
        QByteArray buffer = text;
        textToRegister(buffer.data(), size < 0 ? buffer.size() : size);
        return buffer;
    }
    static QByteArray fromRegister(const QByteArray& text, int size = -1)
    {
        QByteArray buffer = text;
        textFromRegister(buffer.data(), size < 0 ? buffer.size() : size);
        return buffer;
    }
    using TreeTexts = QMap<int, QString>;
    static QByteArray entry(int index) { return QByteArray(languageTexts[index]); }

private slots:
    void codecPerLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("codec");
        QTest::newRow("English") << 1 << QByteArray("UTF-8");
        QTest::newRow("Greek") << 2 << QByteArray("windows-1253");
        QTest::newRow("Hebrew") << 3 << QByteArray("windows-1255");
        QTest::newRow("Arabic") << 4 << QByteArray("windows-1256");
        // The registry knows CP874 under its TIS-620 name.
        QTest::newRow("Thailand") << 5 << QByteArray("TIS-620");
    }

    void codecPerLanguage()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, codec);
        const LanguageScope restore(English);
        LogCapture log;
        QVERIFY(setlanguage::setLanguage(language));
        QCOMPARE(QTextCodec::codecForLocale()->name(), codec);
        QCOMPARE(log.count(QStringLiteral("_Language")), 1);
    }

    // toLocal8 and fromLocal8 read single-byte code pages from tables: they must give
    // exactly what the codec gives, for every byte and for characters outside the page.
    void conversionsMatchTheCodec_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Greek") << 2;
        QTest::newRow("Hebrew") << 3;
        QTest::newRow("Arabic") << 4;
        QTest::newRow("Thai") << 5;
    }

    void conversionsMatchTheCodec()
    {
        QFETCH(int, language);
        const LanguageScope restore(English);
        QVERIFY(setlanguage::setLanguage(language));
        const QTextCodec* codec = QTextCodec::codecForLocale();
        QByteArray everyByte;
        for (int b = 1; b < 256; ++b)
            everyByte.append(char(b));
        const QString read = codec->toUnicode(everyByte);
        QCOMPARE(fromLocal8(everyByte), read);
        QCOMPARE(toLocal8(read), codec->fromUnicode(read));
        for (const QString& text : { QStringLiteral("ΚΑΦΕΣ €"), QStringLiteral("קפה 12"), QStringLiteral("قهوة"),
                 QStringLiteral("กาแฟ"), QStringLiteral("中 ş Ω"), QStringLiteral("\U0001F600 end") })
            QCOMPARE(toLocal8(text), codec->fromUnicode(text));
    }

    void unknownLanguageChangesNothing()
    {
        const LanguageScope greek(Greek);
        QVERIFY(!setlanguage::setLanguage(0));
        QVERIFY(!setlanguage::setLanguage(6));
        QCOMPARE(QTextCodec::codecForLocale()->name(), QByteArray("windows-1253"));
    }

    void treeTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<TreeTexts>("texts");
        QTest::newRow("English") << int(English) << QByteArray("UTF-8")
                                 << TreeTexts { { 0, "NAVIGATION BAR" }, { 1, "DB VIEW" }, { 6, "ITEM VIEW" },
                                        { 10, "disc" }, { 15, "extheader" }, { 16, "" } };
        QTest::newRow("Greek") << int(Greek) << QByteArray("windows-1253")
                               << TreeTexts { { 0, "Γραμμή Πλοήγησης" }, { 6, "Μενού" }, { 11, "ΦΠΑ" }, { 2, "New Db" },
                                      { 15, "extheader" } };
        QTest::newRow("Thailand") << int(Thailand) << QByteArray("CP874")
                                  << TreeTexts { { 8, "แผนก" }, { 15, "ex-หัวใบเสร็จ" }, { 0, "NAVIGATION BAR" } };
        QTest::newRow("Arabic") << int(Arabic) << QByteArray("windows-1256")
                                << TreeTexts { { 10, "تخفيض" }, { 11, "ضريبة" }, { 7, "group" } };
    }

    void treeTexts()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, codec);
        QFETCH(TreeTexts, texts);
        const LanguageScope scope(language);
        for (auto text = texts.cbegin(); text != texts.cend(); ++text)
            QCOMPARE(QTextCodec::codecForName(codec)->toUnicode(entry(text.key())), text.value());
    }

    void hebrewTreeTextsAreInRegisterForm()
    {
        const LanguageScope scope(Hebrew);
        QTextCodec* hebrew = QTextCodec::codecForName("windows-1255");
        const QStringList words = { QStringLiteral("קבוצה"), QStringLiteral("מחלקה"), QStringLiteral("פריט"),
            QStringLiteral("הנחה"), QStringLiteral("מע\"מ"), QStringLiteral("קופאי") };
        for (int i = 0; i < words.size(); ++i) {
            const QByteArray stored = entry(7 + i);
            for (const char byte : stored)
                QVERIFY2(uchar(byte) < 0xE0, "register letters lie below 0xE0");
            QCOMPARE(hebrew->toUnicode(fromRegister(stored, kLanguageTextSize)), words.at(i));
        }
        QCOMPARE(entry(13), QByteArray("header"));
        QCOMPARE(fromRegister(entry(13)), QByteArray("header"));
    }

    void hebrewConversions_data()
    {
        QTest::addColumn<QByteArray>("pc");
        QTest::addColumn<QByteArray>("reg");
        // "group": five letters become five register codes, reversed.
        QTest::newRow("word") << hexBytes("F7 E1 E5 F6 E4") << hexBytes("84 96 85 81 97");
        // A number before a word keeps its digit order inside the reversed run.
        QTest::newRow("number and word") << hexBytes("31 32 F7 E1 E5 F6 E4") << hexBytes("84 96 85 81 97 31 32");
        QTest::newRow("no-break space") << hexBytes("A0") << hexBytes("9B");
        QTest::newRow("latin with number") << QByteArray("BREAD 12") << QByteArray("BREAD 12");
        QTest::newRow("two words") << hexBytes("E0 E1 20 E2 E3") << hexBytes("81 80 20 83 82");
    }

    void hebrewConversions()
    {
        QFETCH(QByteArray, pc);
        QFETCH(QByteArray, reg);
        const LanguageScope hebrew(Hebrew);
        QCOMPARE(toRegister(pc), reg);
        QCOMPARE(fromRegister(reg), pc);
    }

    void conversionsStopAtSizeAndNul()
    {
        const LanguageScope hebrew(Hebrew);
        QCOMPARE(toRegister(hexBytes("E0 E1 E2 E3 E4"), 3), hexBytes("82 81 80 E3 E4"));
        QCOMPARE(toRegister(hexBytes("E0 E1 00 E2")), hexBytes("81 80 00 E2"));
        QCOMPARE(fromRegister(hexBytes("80 81 00 82")), hexBytes("E1 E0 00 82"));
    }

    void arabicConversions()
    {
        const LanguageScope arabic(Arabic);
        // A name with one number comes out unchanged both ways.
        const QByteArray name = hexBytes("CA CE DD ED D6 20 31 32");
        QCOMPARE(toRegister(name), name);
        QCOMPARE(fromRegister(name), name);
        const QByteArray leading = QByteArray("12 ") + hexBytes("CA CE");
        QCOMPARE(toRegister(leading), leading);
        QCOMPARE(fromRegister(leading), leading);
        QCOMPARE(toRegister(hexBytes("CA A0 CE")), hexBytes("CA 9B CE"));
        // Several separate digit groups are reordered exactly as the walk does it.
        QCOMPARE(fromRegister(QByteArray("12 34")), QByteArray("3 142"));
    }

    void otherLanguagesLeaveBytesAlone()
    {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        for (const quint8 language : { English, Greek, Thailand }) {
            const LanguageScope scope(language);
            QCOMPARE(toRegister(all), all);
            QCOMPARE(fromRegister(all), all);
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
