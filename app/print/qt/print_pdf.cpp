#include "app/print/qt/print_pdf.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <iostream>

#include "app/print/qt/qt_page.h"
#include "core/clock.h"
#include "platform/temporary_name.h"

namespace {

// Fine enough that a grid line of one window pixel is several of the page's.
constexpr int kPdfPixelsPerInch = 1200;

// Written beside the target and renamed over it, so that a failure leaves no partial file.
bool write_pdf(const std::string& target, const orr::print::PageSetup& setup,
               const orr::print::YearPage& page)
{
    const std::string temporary = orr::platform::next_temporary_name(target);
    QFile file(QString::fromStdString(temporary));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = false;
    {
        QPdfWriter writer(&file);
        const orr::Size points = orr::print::page_points(setup);
        writer.setPageSize(QPageSize(QSizeF(points.width, points.height), QPageSize::Point));
        writer.setPageMargins(QMarginsF());
        writer.setResolution(kPdfPixelsPerInch);
        writer.setCreator(QStringLiteral("Orrindale"));
        QPainter painter;
        if (painter.begin(&writer)) {
            paint_qt_year_page(painter, orr::print::printable_area(setup, kPdfPixelsPerInch), page, true);
            written = painter.end();
        }
    }
    written = file.flush() && written;
    file.close();
    if (written && std::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

} // namespace

int print_pdf(const orr::print::ParsedArguments& arguments, char* program)
{
    if (!arguments.error.empty()) {
        std::cerr << "orrindale: " << arguments.error << '\n';
        return orr::print::kUsageStatus;
    }
    // The page needs fonts, not a display.
    int count = 3;
    char platform_option[] = "-platform";
    char offscreen[] = "offscreen";
    char* values[] = {program, platform_option, offscreen, nullptr};
    QGuiApplication application(count, values);

    const orr::print::PrintCommand& command = arguments.command;
    const orr::LocalDateTime today = orr::clock().now();
    orr::print::YearPage page;
    page.year = command.year.value_or(today.year);
    page.marked_month = page.year == today.year ? today.month : 0;
    if (!write_pdf(command.file, command.setup, page)) {
        std::cerr << "orrindale: cannot write " << command.file << '\n';
        return orr::print::kUsageStatus;
    }
    return 0;
}
