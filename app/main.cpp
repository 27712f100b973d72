// Program start: the main window, then the event loop.
#include <QApplication>

#include "app/main_form.h"
#include "app/qt_dialogs.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QtDialogs dialogs;
    orr::set_dialogs(&dialogs);
    TMainForm1 main_form;
    main_form.show();
    const int result = application.exec();
    orr::set_dialogs(nullptr);
    return result;
}
