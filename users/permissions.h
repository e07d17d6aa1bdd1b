#pragma once

#include "users/usrdb.h"

// Which permission bit of UserInfo::UserPerm gates each item category (main window
// category numbers); the window's category buttons and the command-line tool ask here.

// The bit that gates `category`; 0 for a number that names no category.
quint32 categoryPermission(int category);

// True when `user` may open `category`: an administrator (level 1) opens every category,
// anyone else those whose permission bit is set.
bool mayOpenCategory(const UserInfo& user, int category);

// True when `user` may erase every table of a register (clear data): the administrator only,
// as the window's Tool > ClearData and tallvane-cli's clear alike.
bool mayClearRegisters(const UserInfo& user);

// The permission's name as user management labels its check box ("PLU"), untranslated;
// nullptr for a value that is not one permission bit.
const char* permissionName(quint32 bit);
// The names of the bits set in `perm`, in the check boxes' order ("CLERK, PLU"), or "none".
QString permissionNames(quint32 perm);
