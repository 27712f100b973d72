// Deleting a file on Linux.
#include "platform/delete_file.h"

#include <unistd.h>

namespace orr::platform {

bool delete_file(const std::string& path) { return ::unlink(path.c_str()) == 0; }

} // namespace orr::platform
