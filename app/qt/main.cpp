// Program start: the main window, whose start-up sequence shows it, then the event loop;
// the termination signals close the main window as its close box does. The print options
// write the year's page to a PDF instead.
#include <QApplication>
#include <string_view>
#include <vector>

#include "app/print/qt/print_pdf.h"
#include "app/qt/main_form1.h"
#include "app/qt/qt_dialogs.h"
#include "app/qt/termination_signals.h"
#include "platform/display_server.h"
#include "platform/file_update.h"

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> options(argv + 1, argv + argc);
    const orr::print::ParsedArguments printing = orr::print::parse_print_arguments(options);
    if (printing.print)
        return print_pdf(printing, argv[0]);
    orr::platform::report_file_size_limit_as_write_error();
    orr::platform::DisplayArguments arguments(argc, argv);
    QApplication application(arguments.count(), arguments.values());
    QtDialogs dialogs;
    orr::set_dialogs(&dialogs);
    TMainForm1 main_form;
    TerminationSignals termination([&main_form] { main_form.close(); });
    dialogs.SetOwner(&main_form);
    main_form.Start();
    const int result = application.exec();
    orr::set_dialogs(nullptr);
    return result;
}
