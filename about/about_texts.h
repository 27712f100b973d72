// The About window's product texts, as the main window's titles write them.
#pragma once

#include <string>

namespace orr {

struct AboutTexts {
    std::string caption;
    std::string product_name;
    std::string author_and_date;
    std::string developed_using;
    std::string copyright;
    std::string software_status;
    std::string comments;
    std::string web_page_label;
    std::string email_button;
    std::string web_button;
};

} // namespace orr
