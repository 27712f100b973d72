// How the program talks to the user: modal message boxes of three kinds.
// The Qt shell shows real boxes; tests install a recorder that answers.
#pragma once

#include <string>

namespace orr {

enum class BoxKind { Information, Warning, Error };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

struct BoxRequest {
    BoxKind kind = BoxKind::Information;
    std::string caption;
    std::string text;  // line breaks are "\r\n"
    BoxButtons buttons = BoxButtons::Ok;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual BoxAnswer show(const BoxRequest& box) = 0;
};

// The dialogs every part of the program uses; set by the shell at start.
Dialogs& dialogs();
void set_dialogs(Dialogs* replacement);  // not owned; nullptr: boxes are dropped (answer No/Ok)

// The three fixed kinds. Only a Yes answer counts as consent.
void show_information(const std::string& text);
bool ask_warning(const std::string& text);
void show_error(const std::string& text);

// The title the general error report uses as its caption (the taskbar title).
const std::string& application_title();
void set_application_title(const std::string& title);

// Text of the general error report: the message, with a full stop appended
// when its last character sorts after ".".
std::string error_report_text(const std::string& message);

// Shows the general error report for a message that left an event handler.
void report_error(const std::string& message);

} // namespace orr
