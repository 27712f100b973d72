#include "core/dialogs.h"

#include "core/product.h"

namespace orr {
namespace {

class NoDialogs : public Dialogs {
public:
    BoxAnswer show(const BoxRequest& box) override
    {
        return box.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    }
};

NoDialogs no_dialogs;
Dialogs* installed = &no_dialogs;
std::string title = kProductTitle;

} // namespace

Dialogs& dialogs() { return *installed; }
void set_dialogs(Dialogs* replacement) { installed = replacement ? replacement : &no_dialogs; }

void show_information(const std::string& text)
{
    dialogs().show({BoxKind::Information, "Information", text, BoxButtons::Ok});
}

bool ask_warning(const std::string& text)
{
    return dialogs().show({BoxKind::Warning, "Warning", text, BoxButtons::YesNo}) == BoxAnswer::Yes;
}

void show_error(const std::string& text)
{
    dialogs().show({BoxKind::Error, "Error", text, BoxButtons::Ok});
}

const std::string& application_title() { return title; }
void set_application_title(const std::string& new_title) { title = new_title; }

std::string error_report_text(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

void report_error(const std::string& message)
{
    dialogs().show({BoxKind::Error, application_title(), error_report_text(message), BoxButtons::Ok});
}

} // namespace orr
