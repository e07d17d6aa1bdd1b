// Every category's decodeRecord with records of any length, in every display language; the
// decoded row is encoded and decoded again, and its option cells go through the menus.

#include "base/language.h"
#include "records/categories.h"
#include "records/recordcodec.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

const std::vector<const RecordCodec*>& codecs()
{
    static const std::vector<const RecordCodec*> list = [] {
        std::vector<const RecordCodec*> found;
        for (const Category* c = categoriesBegin(); c != categoriesEnd(); ++c)
            if (c->codec)
                found.push_back(c->codec());
        return found;
    }();
    return list;
}

void useLanguage(int language)
{
    static int current = 0;
    if (language == current)
        return;
    current = language;
    currentLanguage = quint8(language);
    setlanguage::setLanguage(language);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 || codecs().empty())
        return 0;
    const RecordCodec* codec = codecs()[data[0] % codecs().size()];
    useLanguage(1 + (data[1] & 0x07) % 5);
    const int index = (data[1] & 0x80) ? RecordCodec::kOwnIndex : (data[1] >> 3);
    const QByteArray record(reinterpret_cast<const char*>(data) + 2, int(size - 2));

    ItemRow row;
    codec->decodeRecord(record, &row, index);
    QByteArray encoded;
    codec->encodeRow(row, &encoded);
    ItemRow again;
    codec->decodeRecord(encoded, &again, index);
    for (int column = 0; column < row.size(); ++column) {
        const QString cell = row.at(column).toString();
        const QStringList entries = codec->optionMenuEntries(column);
        codec->optionStates(cell, column);
        for (int entry = 1; entry <= entries.size(); ++entry)
            codec->applyOption(cell, column, entry, (entry & 1) != 0);
    }
    return 0;
}
