#include "workbookbuilder.h"

#include <QStringList>

#include <algorithm>

#include <quazip.h>
#include <quazipfile.h>

namespace WorkbookBuilder {

namespace {
const char kMain[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char kRelationships[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char kPackage[] = "http://schemas.openxmlformats.org/package/2006/relationships";
} // namespace

QByteArray escaped(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

Parts workbook(const QList<Sheet>& sheets, const QByteArray& sharedStrings)
{
    Parts parts;
    parts << qMakePair(QStringLiteral("[Content_Types].xml"),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
                   "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"));
    parts << qMakePair(QStringLiteral("_rels/.rels"),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"") + kPackage
            + "\"><Relationship Id=\"rId1\" Type=\"" + kRelationships
            + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");

    QByteArray list;
    QByteArray relationships;
    for (int i = 0; i < sheets.size(); ++i) {
        const QByteArray id = "rId" + QByteArray::number(i + 1);
        list += "<sheet name=\"Sheet" + QByteArray::number(i + 1) + "\" sheetId=\"" + QByteArray::number(i + 1)
            + "\" r:id=\"" + id + "\""
            + (sheets.at(i).state.isEmpty() ? QByteArray() : " state=\"" + sheets.at(i).state + "\"") + "/>";
        relationships += "<Relationship Id=\"" + id + "\" Type=\"" + kRelationships
            + "/worksheet\" Target=\"worksheets/" + sheets.at(i).file.toUtf8() + "\"/>";
    }
    if (!sharedStrings.isNull())
        relationships += QByteArray("<Relationship Id=\"rIdS\" Type=\"") + kRelationships
            + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    parts << qMakePair(QStringLiteral("xl/workbook.xml"),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook xmlns=\"") + kMain + "\" xmlns:r=\""
            + kRelationships + "\"><sheets>" + list + "</sheets></workbook>");
    parts << qMakePair(QStringLiteral("xl/_rels/workbook.xml.rels"),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"") + kPackage + "\">"
            + relationships + "</Relationships>");
    if (!sharedStrings.isNull())
        parts << qMakePair(QStringLiteral("xl/sharedStrings.xml"),
            QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst xmlns=\"") + kMain + "\">" + sharedStrings
                + "</sst>");

    QList<Sheet> byName = sheets;
    std::sort(byName.begin(), byName.end(), [](const Sheet& a, const Sheet& b) { return a.file < b.file; });
    for (const Sheet& sheet : byName)
        parts << qMakePair(QStringLiteral("xl/worksheets/") + sheet.file,
            QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><worksheet xmlns=\"") + kMain
                + "\" xmlns:r=\"" + kRelationships + "\"><sheetData>" + sheet.rows + "</sheetData></worksheet>");
    return parts;
}

bool writeZip(const QString& path, const Parts& parts)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const auto& part : parts) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(part.first)))
            return false;
        file.write(part.second);
        file.close();
        if (file.getZipError() != ZIP_OK)
            return false;
    }
    zip.close();
    return zip.getZipError() == ZIP_OK;
}

bool addRepeatedPart(const QString& path, const QString& name, const QByteArray& head, const QByteArray& body,
    int count, const QByteArray& tail)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdAdd))
        return false;
    QuaZipFile file(&zip);
    // The fastest level: a repeated body packs small at any level.
    if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, Z_DEFLATED, 1))
        return false;
    bool written = file.write(head) == head.size();
    for (int i = 0; written && i < count; ++i)
        written = file.write(body) == body.size();
    written = written && file.write(tail) == tail.size();
    file.close();
    zip.close();
    return written && file.getZipError() == ZIP_OK && zip.getZipError() == ZIP_OK;
}

} // namespace WorkbookBuilder
