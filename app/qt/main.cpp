// Program start: the main window, then the About window, then the event loop.
#include <QApplication>

#include "about/qt/about_box.h"
#include "app/qt/main_form1.h"
#include "app/qt/qt_dialogs.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QtDialogs dialogs;
    orr::set_dialogs(&dialogs);
    TMainForm1 main_form;
    dialogs.SetOwner(&main_form);
    TAboutBox about_box(&main_form);
    main_form.AboutBox = &about_box;
    main_form.show();
    const int result = application.exec();
    orr::set_dialogs(nullptr);
    return result;
}
