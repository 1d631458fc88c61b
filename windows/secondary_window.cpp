#include "windows/secondary_window.h"

#include "main_window/form1.h"

#include <QCloseEvent>

namespace harmtally {

SecondaryWindow::SecondaryWindow(Form1 &main, const toolkit::WindowDesign &design)
    : toolkit::DesignedWindow(design)
    , main_(main)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Only the main window keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void SecondaryWindow::Form_QueryUnload() { main_.setAvailable(true); }

void SecondaryWindow::closeByButton()
{
    main_.setAvailable(true);
    close();
}

void SecondaryWindow::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload();
    event->accept();
}

} // namespace harmtally
