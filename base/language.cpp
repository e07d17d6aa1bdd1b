#include "base/language.h"

#include <QLoggingCategory>

#include <QTextCodec>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

// The language belongs to the users subsystem and traces under its name.
Q_LOGGING_CATEGORY(lcLanguage, "tallvane.users", QtInfoMsg)

std::atomic<quint8> currentLanguage { English };
std::atomic<quint8> registerLanguage { English };
char languageTexts[kLanguageTextCount][kLanguageTextSize];

namespace {

struct LanguageFacts {
    const char* codecName;
    const char* logLine;
    const char* name;
};

const LanguageFacts kLanguages[] = {
    { "UTF-8", "start set English_Language", QT_TRANSLATE_NOOP("Language", "English") },
    { "windows-1253", "start set Greek_Language", QT_TRANSLATE_NOOP("Language", "Greek") },
    { "windows-1255", "start set Hebrew_Language", QT_TRANSLATE_NOOP("Language", "Hebrew") },
    { "windows-1256", "start set Arabic_Language", QT_TRANSLATE_NOOP("Language", "Arabic") },
    { "CP874", "start set Thailand_Language", QT_TRANSLATE_NOOP("Language", "Thai") },
};

constexpr int kTreeTexts = 16;

// The tree texts per language, in UTF-8. Null entries are the English text.
const char* const kEnglishTexts[kTreeTexts] = { "NAVIGATION BAR", "DB VIEW", "New Db", "Open Db", "Save Db",
    "Close Db", "ITEM VIEW", "group", "dept", "plu", "disc", "tax", "clerk", "header", "trailer", "extheader" };

const char* const kGreekTexts[kTreeTexts] = { "Γραμμή Πλοήγησης", "Προφίλ", nullptr, nullptr, nullptr, nullptr,
    "Μενού", "Κατηγορίες", "Τμήματα", "Είδη", "Εκπτώσεις", "ΦΠΑ", "Χειριστές", "Επωνυμία", "Ευχαριστήριο",
    nullptr };

const char* const kArabicTexts[kTreeTexts] = { nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, "تخفيض", "ضريبة", nullptr, nullptr, nullptr, nullptr };

const char* const kThaiTexts[kTreeTexts] = { nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    "กลุ่ม", "แผนก", "สินค้า", "ส่วนลด", "ภาษี", "แคชเชียร์", "หัวใบเสร็จ", "ท้ายใบเสร็จ", "ex-หัวใบเสร็จ" };

// Hebrew entries 7 to 12 as the register keeps them: register letter codes (alef = 0x80),
// each word reversed. textFromRegister turns them into the windows-1255 words
// קבוצה, מחלקה, פריט, הנחה, מע"מ and קופאי.
const char* const kHebrewRegisterTexts[6] = {
    "\x84\x96\x85\x81\x97",
    "\x84\x97\x8c\x87\x8e",
    "\x88\x89\x98\x94",
    "\x84\x87\x90\x84",
    "\x8e\x22\x92\x8e",
    "\x89\x80\x94\x85\x97",
};

void storeText(int entry, const QByteArray& bytes)
{
    const int n = std::min<int>(bytes.size(), kLanguageTextSize - 1);
    std::memcpy(languageTexts[entry], bytes.constData(), n);
    languageTexts[entry][n] = 0;
}

void reverseBytes(char* text, int count) { std::reverse(text, text + count); }

bool inDigitClass(uchar b) { return b >= 0x21 && b <= 0x39; }

// Which bytes besides the digit class belong to a right-to-left run, and what each
// becomes: 0 for bytes outside the run.
using Recode = uchar (*)(uchar byte);

uchar hebrewToRegister(uchar b) { return b == 0xA0 ? 0x9B : (b >= 0xE0 && b <= 0xFA) ? uchar(b - 0x60) : 0; }
uchar hebrewFromRegister(uchar b) { return b == 0x9B ? 0xA0 : (b >= 0x80 && b <= 0x9A) ? uchar(b + 0x60) : 0; }
// Arabic letters stay in place and in logical order; only the no-break space joins a run.
uchar arabicSpaceToRegister(uchar b) { return b == 0xA0 ? 0x9B : 0; }

// The walk of the register text conversions: runs of right-to-left bytes (digit-class
// bytes and the recoded letters) are reversed, and a number inside a run keeps its order.
void registerWalk(char* text, int size, Recode recode)
{
    int runStart = 0, runLength = 0;
    int digitStart = 0, digitLength = 0;
    for (int pos = 0; pos < size && text[pos] != 0; ++pos) {
        const uchar b = uchar(text[pos]);
        const bool digit = inDigitClass(b);
        const uchar recoded = digit ? 0 : recode(b);
        if (digit || recoded) {
            if (runLength == 0)
                runStart = pos;
            if (digit) {
                if (digitLength == 0)
                    digitStart = pos;
                ++digitLength;
            } else {
                if (digitLength > 0) {
                    reverseBytes(text + digitStart, digitLength);
                    digitLength = 0;
                }
                text[pos] = char(recoded);
            }
            ++runLength;
        } else {
            // The run ends here; an open digit run carries on.
            if (runLength >= 2)
                reverseBytes(text + runStart, runLength);
            runLength = 0;
        }
    }
    if (digitLength > 0)
        reverseBytes(text + digitStart, digitLength);
    if (runLength >= 2)
        reverseBytes(text + runStart, runLength);
}

void arabicFromRegister(char* text, int size)
{
    int runStart = 0, runLength = 0;
    int allStart = -1, allCount = 0; // every digit-class byte of the field, from the first one
    for (int pos = 0; pos < size && text[pos] != 0; ++pos) {
        if (inDigitClass(uchar(text[pos]))) {
            if (runLength == 0)
                runStart = pos;
            ++runLength;
            if (allStart < 0)
                allStart = pos;
            ++allCount;
        } else {
            if (runLength >= 2)
                reverseBytes(text + runStart, runLength);
            runLength = 0;
        }
    }
    if (allCount >= 2)
        reverseBytes(text + allStart, allCount);
    if (runLength >= 2)
        reverseBytes(text + runStart, runLength);
}

// A single-byte code page read from its codec once: the character of every byte, and for
// every character that comes back to one byte, that byte. Text outside the tables takes the
// codec's own way, so both conversions give exactly what the codec gives, only faster (the
// codec opens a converter for every call).
struct ByteTables {
    const QTextCodec* codec = nullptr;
    std::array<char16_t, 256> toChar {};
    std::array<bool, 256> charKnown {};
    std::unique_ptr<std::array<quint16, 0x10000>> toByte; // byte + 1; 0 for none

    explicit ByteTables(const QTextCodec* source)
        : codec(source)
        , toByte(new std::array<quint16, 0x10000> {})
    {
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString text = codec->toUnicode(&byte, 1);
            if (text.size() != 1)
                continue;
            const char16_t ch = text.at(0).unicode();
            toChar[b] = ch;
            charKnown[b] = true;
            // A character read from two bytes, or written back as another byte, is left to
            // the codec.
            quint16& entry = (*toByte)[ch];
            const QByteArray back = codec->fromUnicode(text);
            entry = (entry == 0 && back.size() == 1 && uchar(back.at(0)) == b) ? quint16(b + 1) : 0xFFFF;
        }
        for (quint16& entry : *toByte)
            if (entry == 0xFFFF)
                entry = 0;
    }
};

// The register language's codec (null: UTF-8, as before any language is set) and its
// tables (null for UTF-8).
std::atomic<const QTextCodec*> registerCodecInUse { nullptr };
std::atomic<const ByteTables*> currentTables { nullptr };

// The tables of `codec`, built once per codec and kept for the run (link threads may read
// them while the language changes).
const ByteTables* tablesFor(const QTextCodec* codec)
{
    static std::mutex lock;
    static std::vector<std::unique_ptr<ByteTables>> built;
    std::lock_guard<std::mutex> guard(lock);
    for (const auto& tables : built)
        if (tables->codec == codec)
            return tables.get();
    built.push_back(std::make_unique<ByteTables>(codec));
    return built.back().get();
}

const ByteTables* tablesOf(const QTextCodec* codec)
{
    const ByteTables* tables = currentTables.load(std::memory_order_acquire);
    return tables && tables->codec == codec ? tables : nullptr;
}

// UTF-8, the English code page. Asking an ICU codec for its number compares names, so the
// codec of UTF-8 is known by its address first.
bool isUtf8(const QTextCodec* codec)
{
    static const QTextCodec* const utf8 = QTextCodec::codecForMib(106);
    return codec == utf8 || codec->mibEnum() == 106;
}

} // namespace

const char* languageCodecName(int language)
{
    if (language < English || language > Thailand)
        return nullptr;
    return kLanguages[language - 1].codecName;
}

const char* languageName(int language)
{
    if (language < English || language > Thailand)
        return nullptr;
    return kLanguages[language - 1].name;
}

const QTextCodec* registerCodec()
{
    static const QTextCodec* const utf8 = QTextCodec::codecForMib(106);
    const QTextCodec* codec = registerCodecInUse.load(std::memory_order_acquire);
    return codec ? codec : utf8;
}

bool setRegisterLanguage(int language)
{
    if (language < English || language > Thailand)
        return false;
    const QTextCodec* codec = QTextCodec::codecForName(kLanguages[language - 1].codecName);
    if (!codec)
        return false;
    // The tables name their codec, so a reader between the two stores takes the codec's way.
    currentTables.store(isUtf8(codec) ? nullptr : tablesFor(codec), std::memory_order_release);
    registerCodecInUse.store(codec, std::memory_order_release);
    registerLanguage.store(quint8(language), std::memory_order_release);
    return true;
}

bool setlanguage::setLanguage(int language)
{
    if (language < English || language > Thailand)
        return false;
    const LanguageFacts& facts = kLanguages[language - 1];
    qCDebug(lcLanguage) << facts.logLine;
    QTextCodec* codec = QTextCodec::codecForName(facts.codecName);
    if (!codec) {
        qCDebug(lcLanguage) << "codec is null!";
        return false;
    }
    // The one process codec serves locale text, C strings and translated messages alike.
    QTextCodec::setCodecForLocale(codec);
    return setRegisterLanguage(language);
}

void setlanguage::applyLanguage()
{
    std::memset(languageTexts, 0, sizeof languageTexts);
    const int language = currentLanguage;
    if (language >= Greek && language <= Thailand)
        setLanguage(language);
    // At login the register texts follow the display language.
    setRegisterLanguage(language);

    const char* const* texts = nullptr;
    switch (language) {
    case Greek:
        texts = kGreekTexts;
        break;
    case Arabic:
        texts = kArabicTexts;
        break;
    case Thailand:
        texts = kThaiTexts;
        break;
    default:
        break;
    }
    for (int entry = 0; entry < kTreeTexts; ++entry) {
        if (language == Hebrew && entry >= 7 && entry <= 12) {
            storeText(entry, QByteArray(kHebrewRegisterTexts[entry - 7]));
            continue;
        }
        const char* text = (texts && texts[entry]) ? texts[entry] : kEnglishTexts[entry];
        storeText(entry, toLocal8(QString::fromUtf8(text)));
    }
}

QByteArray toLocal8(const QString& text)
{
    const QTextCodec* codec = registerCodec();
    const ByteTables* tables = tablesOf(codec);
    if (!tables && isUtf8(codec))
        return text.toUtf8();
    if (tables) {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        const QChar* chars = text.constData();
        for (int i = 0; i < text.size(); ++i) {
            const quint16 byte = (*tables->toByte)[chars[i].unicode()];
            if (byte == 0)
                return codec->fromUnicode(text);
            bytes[i] = char(byte - 1);
        }
        return bytes;
    }
    return codec->fromUnicode(text);
}

QString fromLocal8(const char* bytes, int size)
{
    const QTextCodec* codec = registerCodec();
    const ByteTables* tables = tablesOf(codec);
    if (!tables && isUtf8(codec))
        return QString::fromUtf8(bytes, size);
    if (tables) {
        QString text(size, Qt::Uninitialized);
        QChar* chars = text.data();
        for (int i = 0; i < size; ++i) {
            const uchar b = uchar(bytes[i]);
            if (!tables->charKnown[b])
                return codec->toUnicode(bytes, size);
            chars[i] = QChar(tables->toChar[b]);
        }
        return text;
    }
    return codec->toUnicode(bytes, size);
}

QString fromLocal8Field(const char* field, int size) { return fromLocal8(field, int(qstrnlen(field, size))); }

void textToRegister(char* text, int size)
{
    switch (registerLanguage.load(std::memory_order_relaxed)) {
    case Hebrew:
        registerWalk(text, size, hebrewToRegister);
        break;
    case Arabic:
        registerWalk(text, size, arabicSpaceToRegister);
        break;
    default:
        break;
    }
}

void textFromRegister(char* text, int size)
{
    switch (registerLanguage.load(std::memory_order_relaxed)) {
    case Hebrew:
        registerWalk(text, size, hebrewFromRegister);
        break;
    case Arabic:
        arabicFromRegister(text, size);
        break;
    default:
        break;
    }
}
