// TAboutBox: the About window with the product texts and the mail and web links.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProductName = nullptr;
    QLabel* Author_and_Date = nullptr;
    QLabel* Developed_using = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Software_Status = nullptr;
    QLabel* Comments = nullptr;
    QLabel* WEB_Page_Label = nullptr;
    QPushButton* Email_Button = nullptr;
    QPushButton* WEB_Button = nullptr;
};
