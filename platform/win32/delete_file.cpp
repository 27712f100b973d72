// Deleting a file on Windows.
#include "platform/delete_file.h"

#include <windows.h>

namespace orr::platform {

bool delete_file(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

} // namespace orr::platform
