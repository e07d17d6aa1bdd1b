#include "link/sendrequest.h"

#include "link/protocol.h"
#include "records/categories.h"
#include "records/recordcodec.h"

SendRequest installRequest(int category, const ItemTable& rows, const QList<QByteArray>& records)
{
    SendRequest request;
    request.command = CommandInstall;
    switch (category) {
    case CategoryNone:
        break;
    case CategoryGraphic:
        request.datatype = "GRAPHICDATA";
        request.hasTable = true;
        break;
    case CategorySysParm:
        request.datatype = "SYSPARMDATA";
        break;
    default:
        if (const Category* entry = categoryByNumber(category)) {
            request.datatype = entry->typeName;
            request.hasTable = true;
            request.table = rows;
            request.records = records;
            // A table the register must not get is not sent at all.
            if (const RecordCodec* codec = codecForCategory(category))
                request.refusals = codec->sendRefusals(rows);
        }
        break;
    }
    return request;
}

SendRequest itemRequest(
    quint8 command, int category, const ItemTable& rows, bool serial, const QList<QByteArray>& records)
{
    SendRequest request;
    request.command = command;
    if (category == CategoryPlu && (command == CommandAdd || command == CommandUpdate || command == CommandDelete)) {
        if (!rows.isEmpty()) {
            request.datatype = "PLUDATA";
            request.hasTable = true;
            request.table = rows;
            if (command != CommandDelete)
                request.records = records;
        }
    } else if (serial && category != CategoryPlu && command == CommandClear) {
        request.datatype = "SYSCLEARDATA";
    }
    return request;
}
