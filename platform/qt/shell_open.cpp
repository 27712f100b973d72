// Shell open on Linux: Qt's desktop services (xdg-open, or the portal), which start
// the opener directly with the link as one argument.
#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace orr::platform {

void shell_open(const std::string& target, OwnerWindow)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(target)));
}

} // namespace orr::platform
