#include "records/categories.h"

#include "base/punctuation.h"
#include "records/clerk.h"
#include "records/dept.h"
#include "records/disc.h"
#include "records/group.h"
#include "records/lines.h"
#include "records/netparm.h"
#include "records/plu.h"
#include "records/system.h"
#include "records/tax.h"

#include <cstring>

namespace {

template <class Codec> const RecordCodec* codecOf() { return Codec::instance(); }

// One row per category, in wire order. A category whose codec is not built yet has no
// codec: it is known on the wire but cannot be encoded or decoded.
const Category kCategories[] = {
    { CategoryDept, "DEPTDATA", 47, 47, 9, 9, "table_dept", &codecOf<Dept>, QT_TRANSLATE_NOOP("Category", "department"),
        QT_TRANSLATE_NOOP("Category", "departments") },
    { CategoryPlu, "PLUDATA", 72, 72, 5, 8, "table_plu", &codecOf<Plu>, QT_TRANSLATE_NOOP("Category", "PLU"),
        QT_TRANSLATE_NOOP("Category", "PLUs") },
    { CategoryTax, "TAXDATA", 18, 17, 11, 11, "table_tax", &codecOf<Tax>, QT_TRANSLATE_NOOP("Category", "tax"),
        QT_TRANSLATE_NOOP("Category", "taxes") },
    { CategoryDisc, "DISCDATA", 24, 23, 12, 12, "table_disc", &codecOf<Disc>, QT_TRANSLATE_NOOP("Category", "discount"),
        QT_TRANSLATE_NOOP("Category", "discounts") },
    { CategoryGroup, "GROUPDATA", 28, 27, 10, 10, "table_group", &codecOf<Group>,
        QT_TRANSLATE_NOOP("Category", "group"), QT_TRANSLATE_NOOP("Category", "groups") },
    { CategoryClerk, "CLERKDATA", 18, 17, 17, 17, "table_clerk", &codecOf<Clerk>,
        QT_TRANSLATE_NOOP("Category", "clerk"), QT_TRANSLATE_NOOP("Category", "clerks") },
    { CategoryHeader, "HEADERDATA", 35, 35, 15, 15, "table_ht", &codecOf<Header>,
        QT_TRANSLATE_NOOP("Category", "header line"), QT_TRANSLATE_NOOP("Category", "header lines") },
    { CategoryExtHeader, "EXTHEADERDATA", 43, 43, 34, 34, "table_extht", &codecOf<EXTHeader>,
        QT_TRANSLATE_NOOP("Category", "extended header line"), QT_TRANSLATE_NOOP("Category", "extended header lines") },
    { CategoryTrailer, "TRAILERDATA", 35, 35, 16, 16, "table_tr", &codecOf<Trailer>,
        QT_TRANSLATE_NOOP("Category", "trailer line"), QT_TRANSLATE_NOOP("Category", "trailer lines") },
    { CategoryNetParm, "NETPARMDATA", 240, 240, 18, 18, "table_net", &codecOf<NetParm>,
        QT_TRANSLATE_NOOP("Category", "network parameter record"),
        QT_TRANSLATE_NOOP("Category", "network parameter records") },
    { CategorySysParm, "SYSPARMDATA", 64, 64, 0, 0, "table_system", &codecOf<System>,
        QT_TRANSLATE_NOOP("Category", "system parameter record"),
        QT_TRANSLATE_NOOP("Category", "system parameter records") },
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

QString countText(int number, int count, Wording wording)
{
    const Category* category = categoryByNumber(number);
    const QString amount = groupedNumber(count);
    if (!category)
        return count == 1 ? worded(wording, "Category", QT_TRANSLATE_NOOP("Category", "1 row"))
                          : worded(wording, "Category", QT_TRANSLATE_NOOP("Category", "%1 rows")).arg(amount);
    return worded(wording, "Category", QT_TRANSLATE_NOOP("Category", "%1 %2"))
        .arg(amount, worded(wording, "Category", count == 1 ? category->rowName : category->rowsName));
}

QString rowsText(const QByteArray& typeName, Wording wording)
{
    const Category* category = categoryByType(typeName);
    return worded(wording, "Category", category ? category->rowsName : QT_TRANSLATE_NOOP("Category", "rows"));
}

const RecordCodec* codecForCategory(int number)
{
    const Category* category = categoryByNumber(number);
    return category && category->codec ? category->codec() : nullptr;
}
