// Deleting a file on Windows.
#include "platform/delete_file.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace orr::platform {

bool delete_file(const std::string& path) { return DeleteFileW(wide_path(path).c_str()) != 0; }

} // namespace orr::platform
