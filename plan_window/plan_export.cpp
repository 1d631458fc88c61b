// The compare and plan window's copy and save: the side-by-side table to the clipboard, the
// chart to a PNG file, whole or not at all.

#include "plan_window/plan_window.h"

#include "plan_window/chart.h"
#include "texts/plan_words.h"
#include "toolkit/save_file.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>

namespace harmtally::plan {

using namespace captions;

namespace {

// The error box speaks both languages in one text, as every message of the program does.
QString saveFailed(const QString &path, const QString &reason)
{
    return kNotSaved.both(u"/").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

void PlanWindow::copyTable()
{
    QGuiApplication::clipboard()->setText(
        toTabSeparated(comparison_, c_.seconds->text(), language_));
    note_ = kCopied.in(language_);
    showStatus();
}

void PlanWindow::saveImage()
{
    const QString fileName = askFileName_();
    if (fileName.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    c_.chart->image().save(&buffer, "PNG");

    const QString reason = toolkit::saveWhole(fileName, png);
    if (!reason.isEmpty()) {
        note_.clear();
        showStatus();
        sink_(this, saveFailed(fileName, reason));
        return;
    }
    note_ = kSaved.in(language_).arg(QDir::toNativeSeparators(fileName));
    showStatus();
}

// Qt's own dialog adds ".png" to a name typed without it before it looks for the file, so that
// it asks before replacing the file that is finally written; a system's dialog may not.
QString PlanWindow::askSaveFileName()
{
    QFileDialog dialog(this, kSaveTitle.in(language_), kSaveName.in(language_),
                       QStringLiteral("PNG (*.png)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace harmtally::plan
