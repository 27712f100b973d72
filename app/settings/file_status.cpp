// The file routines behind restoring the factory defaults, over the platform layer.
#include "app/settings/file_status.h"

#include "platform/delete_file.h"
#include "platform/exclusive_open.h"
#include "platform/file_attributes.h"
#include "platform/file_exists.h"

namespace orr {

std::string File_Open_Status(const std::string& path) {
    if (path.empty() || !platform::file_exists(path)) return "";
    // Long names get the same real test as short ones: reporting "CLOSED" untested
    // would let a held file be deleted.
    switch (platform::test_exclusive_open(path)) {
    case platform::OpenTest::Closed: return kStatusClosed;
    case platform::OpenTest::NotFound: return kStatusNotFound;
    case platform::OpenTest::Open: return kStatusOpen;
    case platform::OpenTest::Error: break;
    }
    return kStatusError;
}

bool Set_File_Attributes(const std::string& path, bool read_only, bool archive, bool system, bool hidden) {
    if (!platform::file_exists(path)) return false;
    const unsigned wanted = (read_only ? platform::kAttrReadOnly : 0u) | (archive ? platform::kAttrArchive : 0u) |
                            (system ? platform::kAttrSystem : 0u) | (hidden ? platform::kAttrHidden : 0u);
    platform::set_file_attributes(path, wanted);
    return platform::file_attributes(path) == wanted;
}

bool Delete_Closed_File(const std::string& path) {
    if (!platform::file_exists(path)) return false;
    Set_File_Attributes(path, false, false, false, false);
    if (File_Open_Status(path) != kStatusClosed) return false;
    platform::delete_file(path);
    return !platform::file_exists(path);
}

} // namespace orr
