#include "records/headerrow.h"

#include "records/categories.h"
#include "records/plu.h"

#include <initializer_list>

namespace {

struct HeaderNames {
    int category;
    std::initializer_list<const char*> names;
};

const HeaderNames kHeaders[] = {
    { CategoryGroup, { "Indx", "Name", "Family" } },
    { CategoryDept, { "Indx", "Name", "Group", "Print", "Options", "Tax", "Price", "PriceMax", "Kp" } },
    { CategoryTax, { "Indx", "Name", "Rate", "Options" } },
    { CategoryDisc, { "Indx", "Name", "Fixed", "Max", "Tax", "Print", "Options" } },
    { CategoryClerk, { "Indx", "Name", "Passwd", "Options" } },
    { CategoryHeader, { "Indx", "Header" } },
    { CategoryTrailer, { "Indx", "Trailer" } },
    // Import takes the first line of a file for its header row: without one, every export of
    // the extended header lost its first line on the way back.
    { CategoryExtHeader, { "Indx", "EXTHeader" } },
    { CategoryNetParm,
        { "Indx", "Option", "IPAddress", "ClientPort", "ServerIP", "ServerPort", "GateWay", "IPMask", "PrimaryDNS",
            "SecondDNS", "ServerURL", "APN", "UserName", "Password", "ECR_ID", "SecurityCode" } },
};

} // namespace

ItemRow categoryHeaderRow(int category)
{
    if (category == CategoryPlu)
        return Plu::headerRow();
    ItemRow row;
    for (const HeaderNames& entry : kHeaders) {
        if (entry.category != category)
            continue;
        for (const char* name : entry.names)
            row.append(QString::fromLatin1(name));
    }
    return row;
}

QStringList categoryHeaderNames(int category)
{
    QStringList names;
    for (const QVariant& name : categoryHeaderRow(category))
        names << name.toString();
    return names;
}

bool isNumberedCategory(int category)
{
    return categoryHeaderRow(category).value(0).toString() == QLatin1String("Indx");
}
