#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>

class QTextCodec;

// Display language numbers.
enum Language : quint8 { English = 1, Greek = 2, Hebrew = 3, Arabic = 4, Thailand = 5 };

// The display language chosen at login; 1 (English) until then. Set on the GUI thread,
// read by the register text conversions on any thread.
extern std::atomic<quint8> currentLanguage;

constexpr int kLanguageTextCount = 100;
constexpr int kLanguageTextSize = 64;
// Localised texts of the category tree, NUL-terminated, in the language's code page.
// Entries 0 to 15 are used; filled by setlanguage::applyLanguage().
extern char languageTexts[kLanguageTextCount][kLanguageTextSize];

// Selects the 8-bit code page of the display language.
class setlanguage : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Makes the codec of `language` the process's text codec. False (and nothing changes)
    // for an unknown number or a codec the platform lacks.
    static bool setLanguage(int language);
    // Selects the codec of currentLanguage (for 2 to 5) and fills languageTexts.
    static void applyLanguage();
};

// Code page name of a display language, or nullptr for an unknown number.
const char* languageCodecName(int language);

// Text to bytes and back through the display language's code page.
QByteArray toLocal8(const QString& text);
QString fromLocal8(const char* bytes, int size);
inline QString fromLocal8(const QByteArray& bytes) { return fromLocal8(bytes.constData(), bytes.size()); }
// Bytes of `field` up to its first NUL (at most `size`), decoded through the code page.
QString fromLocal8Field(const char* field, int size);

// Register text fields: for Hebrew and Arabic the register stores right-to-left text in
// visual order (and Hebrew in its own letter codes). Both work in place on at most `size`
// bytes, stopping at the first NUL; other languages leave the bytes unchanged.
void textToRegister(char* text, int size);
void textFromRegister(char* text, int size);
