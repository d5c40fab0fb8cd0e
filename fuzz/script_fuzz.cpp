// The headless test's script reader on any bytes, NUL bytes and endless
// lines included.
#include "shell/local.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    parse_script((const char*)data, size);
    return 0;
}
