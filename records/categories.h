#pragma once

#include "base/categorynumber.h"
#include "records/wording.h"

#include <QByteArray>
#include <QString>

class RecordCodec;

// What the register, the wire and the database know of one item category.
struct Category {
    int number; // main window category number
    const char* typeName; // data type name on the link ("DEPTDATA")
    int recordSize; // bytes of one register record
    int storedSize; // bytes of it that the configuration database keeps
    quint16 payloadCode; // code in every data frame (PLU: chosen by the command)
    quint16 requestCode; // code of the read request (0: own frame)
    const char* table; // configuration database table
    const RecordCodec* (*codec)(); // null until the category's codec exists
    const char* rowName; // what one row is called ("PLU", "department")
    const char* rowsName; // and several ("PLUs", "departments")
};

// The categories in wire order.
const Category* categoriesBegin();
const Category* categoriesEnd();

// Exact, case-sensitive lookup of a data type name; null for names outside the table
// (the link-only "GRAPHICDATA" and "SYSCLEARDATA" among them).
const Category* categoryByType(const QByteArray& typeName);
const Category* categoryByNumber(int number);
// The category whose read request carries `requestCode`, or null.
const Category* categoryByRequest(quint16 requestCode);
// `count` rows of a category in words, with thousands separators: "1,000 PLUs", "1 tax".
QString countText(int number, int count, Wording wording = Wording::Shown);
// What several rows of the category of `typeName` are called ("PLUs"); "rows" for another name.
QString rowsText(const QByteArray& typeName, Wording wording = Wording::Shown);
// The codec of a category, or null.
const RecordCodec* codecForType(const QByteArray& typeName);
const RecordCodec* codecForCategory(int number);
