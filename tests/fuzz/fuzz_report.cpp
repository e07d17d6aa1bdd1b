// The report buffer decoder, and storing what it decodes into a store held in memory.

#include "reports/reportbuffer.h"
#include "reports/reportdb.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The SQL driver is a plug-in: it needs an application object to be found.
    static int argc = 1;
    static char name[] = "fuzz_report";
    static char* argv[] = { name, nullptr };
    static QCoreApplication app(argc, argv);
    static reportDb store(QStringLiteral(":memory:"));

    const QByteArray buffer(reinterpret_cast<const char*>(data), int(size));
    const ReportBuffer report = decodeReportBuffer(buffer);
    if (size > 0 && (data[0] & 1))
        store.storeReport(buffer);
    (void)report;
    return 0;
}
