#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>

class QTextCodec;

// Display language numbers.
enum Language : quint8 { English = 1, Greek = 2, Hebrew = 3, Arabic = 4, Thailand = 5 };

// The display language chosen at login; 1 (English) until then: the window's texts. Set on
// the GUI thread.
extern std::atomic<quint8> currentLanguage;
// The language of the register texts: the code page of every register text and, for Hebrew
// and Arabic, their right-to-left order. It follows the display language at login; opening a
// configuration set applies the language the set's texts are written in. Set on the GUI
// thread (through setRegisterLanguage), read by the conversions below on any thread.
extern std::atomic<quint8> registerLanguage;

constexpr int kLanguageTextCount = 100;
constexpr int kLanguageTextSize = 64;
// Localised texts of the category tree, NUL-terminated, in the display language's code page.
// Entries 0 to 15 are used; filled by setlanguage::applyLanguage().
extern char languageTexts[kLanguageTextCount][kLanguageTextSize];

// Selects the 8-bit code page of the language chosen at login.
class setlanguage : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Makes the codec of `language` the process's text codec and `language` the register
    // language. False (and nothing changes) for an unknown number or a codec the platform lacks.
    static bool setLanguage(int language);
    // Selects the codec of currentLanguage (for 2 to 5), makes it the register language and
    // fills languageTexts.
    static void applyLanguage();
};

// Makes `language` the register language (its code page and text order) and leaves the
// display language alone. False (and nothing changes) for an unknown number or a missing codec.
bool setRegisterLanguage(int language);

// Code page name of a language, or nullptr for an unknown number.
const char* languageCodecName(int language);
// English name of a language ("Greek"; translated in the context "Language"), or nullptr for
// an unknown number.
const char* languageName(int language);

// The codec of the register language's code page.
const QTextCodec* registerCodec();
// Text to bytes and back through the register language's code page.
QByteArray toLocal8(const QString& text);
QString fromLocal8(const char* bytes, int size);
inline QString fromLocal8(const QByteArray& bytes) { return fromLocal8(bytes.constData(), bytes.size()); }
// Bytes of `field` up to its first NUL (at most `size`), decoded through the code page.
QString fromLocal8Field(const char* field, int size);

// Register text fields: with Hebrew or Arabic as register language, the register stores
// right-to-left text in visual order (and Hebrew in its own letter codes). Both work in place
// on at most `size` bytes, stopping at the first NUL; other languages leave the bytes unchanged.
void textToRegister(char* text, int size);
void textFromRegister(char* text, int size);
