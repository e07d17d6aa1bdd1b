#include "records/categories.h"

#include "records/clerk.h"
#include "records/dept.h"
#include "records/disc.h"
#include "records/group.h"
#include "records/lines.h"
#include "records/netparm.h"
#include "records/plu.h"
#include "records/system.h"
#include "records/tax.h"

#include <QLocale>

#include <cstring>

namespace {

template <class Codec> const RecordCodec* codecOf() { return Codec::instance(); }

// One row per category, in wire order. A category whose codec is not built yet has no
// codec: it is known on the wire but cannot be encoded or decoded.
const Category kCategories[] = {
    { CategoryDept, "DEPTDATA", 47, 47, 9, 9, "table_dept", &codecOf<Dept>, "department", "departments" },
    { CategoryPlu, "PLUDATA", 72, 72, 5, 8, "table_plu", &codecOf<Plu>, "PLU", "PLUs" },
    { CategoryTax, "TAXDATA", 18, 17, 11, 11, "table_tax", &codecOf<Tax>, "tax", "taxes" },
    { CategoryDisc, "DISCDATA", 24, 23, 12, 12, "table_disc", &codecOf<Disc>, "discount", "discounts" },
    { CategoryGroup, "GROUPDATA", 28, 27, 10, 10, "table_group", &codecOf<Group>, "group", "groups" },
    { CategoryClerk, "CLERKDATA", 18, 17, 17, 17, "table_clerk", &codecOf<Clerk>, "clerk", "clerks" },
    { CategoryHeader, "HEADERDATA", 35, 35, 15, 15, "table_ht", &codecOf<Header>, "header line", "header lines" },
    { CategoryExtHeader, "EXTHEADERDATA", 43, 43, 34, 34, "table_extht", &codecOf<EXTHeader>, "extended header line", "extended header lines" },
    { CategoryTrailer, "TRAILERDATA", 35, 35, 16, 16, "table_tr", &codecOf<Trailer>, "trailer line", "trailer lines" },
    { CategoryNetParm, "NETPARMDATA", 240, 240, 18, 18, "table_net", &codecOf<NetParm>, "network parameter record", "network parameter records" },
    { CategorySysParm, "SYSPARMDATA", 64, 64, 0, 0, "table_system", &codecOf<System>, "system parameter record", "system parameter records" },
};

} // namespace

const Category* categoriesBegin() { return std::begin(kCategories); }

const Category* categoriesEnd() { return std::end(kCategories); }

const Category* categoryByType(const QByteArray& typeName)
{
    for (const Category& category : kCategories)
        if (typeName == category.typeName)
            return &category;
    return nullptr;
}

const Category* categoryByRequest(quint16 requestCode)
{
    for (const Category& category : kCategories)
        if (category.requestCode == requestCode && requestCode != 0)
            return &category;
    return nullptr;
}

const Category* categoryByNumber(int number)
{
    for (const Category& category : kCategories)
        if (category.number == number)
            return &category;
    return nullptr;
}

const RecordCodec* codecForType(const QByteArray& typeName)
{
    const Category* category = categoryByType(typeName);
    return category && category->codec ? category->codec() : nullptr;
}

QString countText(int number, int count)
{
    const Category* category = categoryByNumber(number);
    const QString amount = QLocale(QLocale::English).toString(count);
    if (!category)
        return count == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(amount);
    return QStringLiteral("%1 %2").arg(amount, QLatin1String(count == 1 ? category->rowName : category->rowsName));
}

QString rowsText(const QByteArray& typeName)
{
    const Category* category = categoryByType(typeName);
    return category ? QLatin1String(category->rowsName) : QStringLiteral("rows");
}

const RecordCodec* codecForCategory(int number)
{
    const Category* category = categoryByNumber(number);
    return category && category->codec ? category->codec() : nullptr;
}
