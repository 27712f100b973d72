#include "about/qt/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);
    auto* column = new QVBoxLayout(this);
    auto label = [this, column](const char* name) {
        auto* text = new QLabel(this);
        text->setObjectName(QString::fromLatin1(name));
        column->addWidget(text);
        return text;
    };
    auto button = [this, column](const char* name) {
        auto* link = new QPushButton(this);
        link->setObjectName(QString::fromLatin1(name));
        link->setAutoDefault(false);
        column->addWidget(link);
        return link;
    };
    ProductName = label("ProductName");
    Author_and_Date = label("Author_and_Date");
    Developed_using = label("Developed_using");
    Copyright = label("Copyright");
    Software_Status = label("Software_Status");
    Comments = label("Comments");
    WEB_Page_Label = label("WEB_Page_Label");
    Email_Button = button("Email_Button");
    WEB_Button = button("WEB_Button");
}
