// The download frame assembler and the send routine's acknowledgement wait, fed with bytes as
// a register would send them. The first byte chooses the carrier's rules, the routine and the
// data type (and, for a send, whether the table is read back and compared afterwards); the
// rest is what the register says.

#include "link/protocol.h"
#include "link/transfer.h"
#include "records/categories.h"
#include "scripteddevice.h"

#include <cstddef>
#include <cstdint>

namespace {

// The carrier's rules with every wait cut to nothing: the script is all there ever is.
CarrierTraits instant(const CarrierTraits& traits)
{
    CarrierTraits copy = traits;
    copy.ackTimeoutMs = 0;
    copy.downloadTimeoutMs = 0;
    return copy;
}

ItemTable someRows(int count)
{
    ItemTable rows;
    for (int i = 0; i < count; ++i)
        rows.append(ItemRow { QString::number(i + 1), QStringLiteral("ITEM"), QStringLiteral("1") });
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t selector = data[0];
    const CarrierTraits traits = instant((selector & 1) ? CarrierTraits::serial() : CarrierTraits::tcp());
    const int categories = int(categoriesEnd() - categoriesBegin());
    const int which = (selector >> 2) % (categories + 2);
    QByteArray type;
    if (which < categories)
        type = categoriesBegin()[which].typeName;
    else
        type = which == categories ? QByteArrayLiteral("GRAPHICDATA") : QByteArrayLiteral("SYSCLEARDATA");

    ScriptedDevice device(QByteArray(reinterpret_cast<const char*>(data) + 1, int(size - 1)));
    int words = 0;
    int rows = 0;
    TransferEngine engine(
        &device, traits, [] {}, [&words](const QByteArray& word) { words += word.size(); },
        [&rows](const QByteArray&, const ItemTable& table, const QList<QByteArray>& records) {
            // Every row comes with the record it was decoded from.
            if (records.size() != table.size())
                __builtin_trap();
            rows += table.size();
        },
        // Every ending, whatever the bytes, can be told in a sentence.
        [](const TransferOutcome& outcome) {
            if (outcome.sentence().isEmpty())
                __builtin_trap();
        });
    int reports = 0;
    engine.setVerifySink([&reports](const VerifyReport& report) { reports += int(report.lines().size()); });
    if (selector & 2) {
        SendRequest request;
        request.datatype = type;
        request.verify = (selector & 0x80) != 0;
        request.hasTable = true;
        request.table = someRows(1 + (selector >> 6));
        engine.sendData(request);
    } else {
        engine.rcvData(type);
    }
    return 0;
}
