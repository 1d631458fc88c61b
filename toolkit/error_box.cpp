#include "toolkit/error_box.h"

#include <QMessageBox>

namespace harmtally::toolkit {

void showErrorBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace harmtally::toolkit
