// The main menu and the commands behind it, with the exit commands.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "about/about_box.h"
#include "app/main_form.h"
#include "core/event_guard.h"

void TMainForm1::CreateMenu()
{
    QMenuBar* bar = Own(menuBar());
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // The menu stays inside the window on every desktop, as the layout expects.
    bar->setNativeMenuBar(false);

    FileMenu = Own(bar->addMenu(QStringLiteral("&File")));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    Always_On_Top_Option = AddItem(FileMenu, "Always_On_Top_Option", "Always &On Top", true,
                                   &TMainForm1::Always_On_Top_OptionClick);
    // Its command comes with the auto-run registration.
    Auto_Run_at_Windows_Startup_Option = AddItem(FileMenu, "Auto_Run_at_Windows_Startup_Option",
                                                 "&Auto-Run at Windows Startup", true, nullptr);
    Restore_Factory_Defaults_Option = AddItem(FileMenu, "Restore_Factory_Defaults_Option",
                                              "&Restore Factory Defaults", false,
                                              &TMainForm1::Restore_Factory_Defaults_OptionClick);
    N2 = Own(FileMenu->addSeparator());
    N2->setObjectName(QStringLiteral("N2"));
    ExitOption = AddItem(FileMenu, "ExitOption", "E&xit", false, &TMainForm1::ExitOptionClick);

    HelpMenu = Own(bar->addMenu(QStringLiteral("&Help")));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    // Their commands come with the document viewer.
    View_Readme_file_Option = AddItem(HelpMenu, "View_Readme_file_Option", "&View Readme file", false, nullptr);
    View_Shareware_Catalog_Option =
        AddItem(HelpMenu, "View_Shareware_Catalog_Option", "View &Shareware Catalog", false, nullptr);
    N1 = Own(HelpMenu->addSeparator());
    N1->setObjectName(QStringLiteral("N1"));
    AboutOption = AddItem(HelpMenu, "AboutOption", "&About", false, &TMainForm1::AboutOptionClick);
}

QAction* TMainForm1::AddItem(QMenu* menu, const char* name, const char* caption, bool checked_item,
                             void (TMainForm1::*handler)())
{
    QAction* item = Own(menu->addAction(QString::fromLatin1(caption)));
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(checked_item);
    connect(item, &QAction::triggered, this, [this, item, handler] {
        // Qt flips a check mark before it reports the click; only the command sets it,
        // so the mark always matches what the command did.
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        if (handler)
            orr::guarded([this, handler] { (this->*handler)(); });
    });
    return item;
}

void TMainForm1::ExitOptionClick() { close(); }

void TMainForm1::Exit_BitBtnClick() { close(); }

void TMainForm1::SessionEnding()
{
    if (isVisible())
        close();
}

void TMainForm1::AboutOptionClick()
{
    if (AboutBox)
        AboutBox->exec();
}

void TMainForm1::Always_On_Top_OptionClick() { Toggle_Always_On_Top(); }

void TMainForm1::Restore_Factory_Defaults_OptionClick() { Restore_Factory_Defaults(); }
