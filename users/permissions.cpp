#include "users/permissions.h"

#include "base/categorynumber.h"

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
