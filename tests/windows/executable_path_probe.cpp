// Prints the running executable's path as the platform layer gives it, for a test that
// starts this program from a folder of its choosing.
#include <cstdio>

#include "platform/executable_path.h"

int main()
{
    std::fputs(orr::platform::executable_path().c_str(), stdout);
    return 0;
}
