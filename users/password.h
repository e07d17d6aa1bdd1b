#pragma once

#include <QString>

// Iterations of PBKDF2 for new passwords; one check stays well below a tenth of a second.
// The count is part of every stored text, so raising it later leaves older hashes valid.
constexpr int kPasswordIterations = 10000;

// The stored form of a new password: "pbkdf2-sha256$<iterations>$<salt>$<hash>", salt and hash
// in base64, with a fresh random salt each call. The password is hashed as UTF-8, so it does
// not depend on the display language's code page.
QString hashPassword(const QString& password);

// True when `stored` is a hash text rather than the clear text that older user files keep.
bool isPasswordHash(const QString& stored);

// The one comparison of a typed password with a stored one: a hash text is recomputed with
// its own salt and iterations; a clear text must equal `typed` exactly, as a whole.
bool passwordMatches(const QString& stored, const QString& typed);
