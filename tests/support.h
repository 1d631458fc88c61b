#pragma once

// What the window tests share: a recorder in place of the error box, the state of every control
// of a window, what changed between two states, a player's hands, and the check that no window
// is left open.

#include "main_window/main_window.h"
#include "toolkit/error_box.h"
#include "windows/options_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <map>

namespace harmtally::testing {

struct Recorder {
    QStringList messages;
    toolkit::MessageSink sink()
    {
        return [this](QWidget *, const QString &text) { messages.append(text); };
    }
};

// The figures of the window tests, whatever the machine's own locale.
inline const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

inline QString captionOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return widget->windowTitle();
}

// What the player sees of a control or of a window: its text, an option's check ("-" for no
// option), shown or hidden, enabled or disabled (its own state, apart from its window's).
inline QStringList seen(const QWidget *w, const QWidget *window)
{
    const auto *option = qobject_cast<const QRadioButton *>(w);
    const QString checked = !option ? "-" : option->isChecked() ? "checked" : "unchecked";
    return {captionOf(w), checked, w->isHidden() ? "hidden" : "shown",
            w->isEnabledTo(window) ? "enabled" : "disabled"};
}

// What the player can see of the windows, by name ("Form4.Command1": the language window's).
using State = std::map<QString, QStringList>;

template <class Window, class Rows>
void addState(State &state, const Window &form, const Rows &design, const QString &prefix = {})
{
    state[form.objectName()] = seen(&form, &form);
    for (const auto &row : design)
        state[prefix + form.control(row.id)->objectName()] = seen(form.control(row.id), &form);
}

// Where the windows differ from what was expected; empty when they agree.
inline QStringList unexpected(const State &expected, const State &actual)
{
    QStringList said;
    for (const auto &[name, fields] : actual) {
        const auto was = expected.find(name);
        if (was == expected.end())
            said << name + " appeared";
        else if (was->second != fields)
            said << name + ": " + fields.join(u'|') + ", expected " + was->second.join(u'|');
    }
    for (const auto &entry : expected)
        if (!actual.contains(entry.first))
            said << entry.first + " is gone";
    return said;
}

inline QString textOf(const MainWindow &form, Form1Control id)
{
    return captionOf(form.control(id));
}

// Types into a box or a pick-list's field, as the player would.
inline void type(QWidget *widget, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setEditText(text);
    else
        static_cast<QLineEdit *>(widget)->setText(text);
}
inline void type(const MainWindow &form, Form1Control id, const QString &text)
{
    type(form.control(id), text);
}

// Presses a button with the mouse (an option on its caption); only a shown, enabled button can be
// pressed.
inline void press(QWidget *button)
{
    QVERIFY2(!button->isHidden() && button->isEnabled(), qPrintable(button->objectName()));
    const bool option = qobject_cast<QRadioButton *>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      option ? QPoint(24, button->height() / 2) : QPoint());
}
inline void press(const MainWindow &form, Form1Control id) { press(form.control(id)); }

// The shown top-level window of that name, if any.
template <class W> W *openWindow(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return static_cast<W *>(w);
    return nullptr;
}

// Top-level windows still in existence once deferred deletions have run: a test's cleanup
// expects none.
inline QStringList windowsLeft()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (const QWidget *w : QApplication::topLevelWidgets())
        if (!w->objectName().isEmpty())
            left << w->objectName();
    left.sort();
    return left;
}

// The main window and, while it is open, the language and mode window.
inline State stateOf(const MainWindow &form)
{
    State state;
    addState(state, form, kForm1Controls);
    if (const auto *options = openWindow<OptionsWindow>("Form4"))
        addState(state, *options, kOptionsControls, "Form4.");
    return state;
}

} // namespace harmtally::testing
