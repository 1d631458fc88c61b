#pragma once

// What the window tests share: a recorder in place of the error box, a snapshot of every control
// and working value of the main window, and a player's hands.

#include "main_window/form1.h"
#include "toolkit/error_box.h"
#include "windows/form4.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace harmtally::testing {

struct Recorder {
    QStringList messages;
    toolkit::MessageSink sink()
    {
        return [this](QWidget *, const QString &text) { messages.append(text); };
    }
};

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
    return widget->windowTitle();
}

// Every control's text, shown and enabled state, and every working value, as one comparable list.
inline QStringList snapshot(const Form1 &form)
{
    QStringList state;
    for (int i = 0; i <= 40; ++i) {
        const QWidget *w = form.control(Form1Control(i));
        state << QStringLiteral("%1=%2|%3|%4")
                     .arg(w->objectName(), captionOf(w), w->isHidden() ? "hidden" : "shown",
                          w->isEnabled() ? "enabled" : "disabled");
    }
    const WorkingValues &v = form.workingValues();
    state << v.weaponReq << v.castStrength << v.baseMin << v.baseMax << v.hitMin << v.hitMax
          << v.totalMin << v.totalMax << form.trueshotLevel();
    return state;
}

inline QString textOf(const Form1 &form, Form1Control id) { return captionOf(form.control(id)); }

// Types into a box or a pick-list's field, as the player would.
inline void type(QWidget *widget, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setEditText(text);
    else
        static_cast<QLineEdit *>(widget)->setText(text);
}
inline void type(const Form1 &form, Form1Control id, const QString &text)
{
    type(form.control(id), text);
}

// Presses a button with the mouse; only a shown, enabled button can be pressed.
inline void press(QWidget *button)
{
    QVERIFY2(!button->isHidden() && button->isEnabled(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}
inline void press(const Form1 &form, Form1Control id) { press(form.control(id)); }

// The shown top-level window of that name, if any.
template <class W> W *openWindow(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return static_cast<W *>(w);
    return nullptr;
}

// Applies a language and a mode as the player does: open the language and mode window, pick,
// change, close.
inline void applyOptions(const Form1 &form, Form4Control language, Form4Control mode)
{
    press(form, Form1Control::lingua);
    auto *options = openWindow<Form4>("Form4");
    QVERIFY(options);
    static_cast<QRadioButton *>(options->control(language))->click();
    static_cast<QRadioButton *>(options->control(mode))->click();
    options->Command1_Click();
    options->Command2_Click();
    QVERIFY(form.isEnabled());
}

} // namespace harmtally::testing
