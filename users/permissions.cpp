#include "users/permissions.h"

#include "base/categorynumber.h"

#include <QStringList>

namespace {

struct CategoryPermission {
    int category;
    quint32 bit;
};

// The header and the extended header share one bit.
const CategoryPermission kPermissions[] = {
    { CategoryGroup, PermGroup },
    { CategoryDept, PermDepartment },
    { CategoryPlu, PermPlu },
    { CategoryTax, PermTax },
    { CategoryDisc, PermDiscount },
    { CategoryClerk, PermClerk },
    { CategoryHeader, PermHeader },
    { CategoryTrailer, PermTrailer },
    { CategoryGraphic, PermGraphic },
    { CategoryNetParm, PermNet },
    { CategorySysParm, PermSystem },
    { CategoryExtHeader, PermHeader },
};

// The check boxes of user management, in their order.
struct PermissionLabel {
    quint32 bit;
    const char* label;
};
const PermissionLabel kPermissionLabels[]
    = { { PermClerk, "CLERK" }, { PermGroup, "GROUP" }, { PermDepartment, "DEPARTMENT" }, { PermPlu, "PLU" },
          { PermDiscount, "DISCOUNT" }, { PermTax, "TAX" }, { PermHeader, "HEADER" }, { PermTrailer, "TRAILER" },
          { PermGraphic, "GRAPHIC" }, { PermNet, "NET" }, { PermSystem, "SYSTEM" } };

} // namespace

quint32 categoryPermission(int category)
{
    for (const CategoryPermission& entry : kPermissions)
        if (entry.category == category)
            return entry.bit;
    return 0;
}

bool mayOpenCategory(const UserInfo& user, int category)
{
    if (user.UserGroup == 1)
        return true;
    const quint32 bit = categoryPermission(category);
    return bit != 0 && (user.UserPerm & bit) != 0;
}

bool mayClearRegisters(const UserInfo& user) { return user.UserGroup == 1; }

const char* permissionName(quint32 bit)
{
    for (const PermissionLabel& entry : kPermissionLabels)
        if (entry.bit == bit)
            return entry.label;
    return nullptr;
}

QString permissionNames(quint32 perm)
{
    QStringList names;
    for (const PermissionLabel& entry : kPermissionLabels)
        if (perm & entry.bit)
            names << QLatin1String(entry.label);
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}
