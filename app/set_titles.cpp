// The product texts of the taskbar, the window caption and the About window.
#include <cstdio>

#include "app/main_form.h"
#include "core/dialogs.h"
#include "core/product.h"

namespace orr {
namespace {

const char* const kAboutCaption = "About Orrindale v1.0 ...";
const char* const kAuthor = "Written by the Orrindale developers";
const char* const kAuthorDate = "July 2002";
const char* const kDevelopedUsing = "Developed in C++20 for Windows and Linux";
const char* const kCopyright = "Copyright (C) 2002-";
const char* const kSoftwareStatus = "Freeware";
const char* const kComments = "Comments and suggestions :";
const char* const kWebPageLabel = "Orrindale on the web :";
const char* const kEmailAddress = "ask@orrindale.example";
const char* const kWebAddress = "www.orrindale.example";

std::string four_digit_year(int year)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", year);
    return digits;
}

} // namespace

void MainForm::Set_Titles()
{
    // The application title is the caption of the general error report.
    set_application_title(kProductTitle);
    view_.SetTaskbarTitle(application_title());
    view_.SetCaption(kProductTitle);
    caption_ = kProductTitle;
    // The next tick puts the clock back at once, within the second it last showed too.
    caption_second_.reset();
    view_.SetHint("");
    AboutTexts& texts = about_texts_;
    texts.caption = kAboutCaption;
    texts.product_name = kProductTitle;
    texts.author_and_date = std::string(kAuthor) + ", " + kAuthorDate;
    texts.developed_using = kDevelopedUsing;
    texts.copyright = kCopyright + four_digit_year(Year_Of_Today());
    texts.software_status = kSoftwareStatus;
    texts.comments = kComments;
    texts.web_page_label = kWebPageLabel;
    texts.email_button = kEmailAddress;
    texts.web_button = kWebAddress;
}

} // namespace orr
