#include "windows/secondary_window.h"

#include <QCloseEvent>

namespace harmtally {

SecondaryWindow::SecondaryWindow(const toolkit::WindowDesign &design)
    : toolkit::DesignedWindow(design)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Only the main window keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void SecondaryWindow::closeByButton()
{
    emit mainWindowReleased();
    close();
}

void SecondaryWindow::closeEvent(QCloseEvent *event)
{
    emit mainWindowReleased();
    event->accept();
}

} // namespace harmtally
