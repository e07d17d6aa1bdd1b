// The Hebrew and Arabic register text walks, both ways, on fields of any length with and
// without a NUL inside, on a heap buffer of exactly the field's size.

#include "base/language.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t selector = data[0];
    registerLanguage = (selector & 1) ? Arabic : Hebrew;
    const size_t n = size - 1;
    std::unique_ptr<char[]> field(new char[n ? n : 1]);
    std::memcpy(field.get(), data + 1, n);
    // The field length the caller gives may be shorter than the bytes it holds, never longer.
    const int length = (selector & 2) ? int(n) : int(n) * (selector >> 2) / 63;
    if (selector & 4) {
        textToRegister(field.get(), length);
        textFromRegister(field.get(), length);
    } else {
        textFromRegister(field.get(), length);
        textToRegister(field.get(), length);
    }
    return 0;
}
