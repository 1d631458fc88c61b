#pragma once

// The program's one error box: modal, critical icon, a single OK button, title "Error".
// Windows receive it as a message sink, so tests can put a recorder in its place.

#include <QString>
#include <QWidget>

#include <functional>

namespace harmtally::toolkit {

using MessageSink = std::function<void(QWidget *parent, const QString &text)>;

void showErrorBox(QWidget *parent, const QString &text);

} // namespace harmtally::toolkit
