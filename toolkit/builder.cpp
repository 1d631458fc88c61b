#include "toolkit/builder.h"

#include "toolkit/fonts.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <limits>

namespace harmtally::toolkit {
namespace {

// The system scroll-bar colour behind figure boxes, and the grey of their disabled text.
const QColor kFigureBackground(200, 200, 200);
const QColor kFigureText(109, 109, 109);

// Qt cuts a line edit's text at 32,767 characters; a box of the design has no limit, and a long
// number is read whole.
QLineEdit *unlimited(QLineEdit *box)
{
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

// The field keeps its designed width; its list opens wide enough to show every item whole.
class PickList : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        QAbstractItemView *list = view();
        const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
        list->setMinimumWidth(list->sizeHintForColumn(0) + scrollBar + 2 * list->frameWidth());
        QComboBox::showPopup();
    }
};

// Enter and the keypad's Enter press the button that has the focus, as Space does; there is
// still no default button. (Qt's auto-default would do it too, but draws a focused button as the
// default one.)
class Button : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            click();
        else
            QPushButton::keyPressEvent(event);
    }
};

QWidget *createWidget(QWidget &parent, Kind kind, const QString &caption, LabelLook look)
{
    switch (kind) {
    case Kind::Label: {
        auto *label = new QLabel(caption, &parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setAutoFillBackground(look == LabelLook::Opaque);
        return label;
    }
    case Kind::TextBox:
        return unlimited(new QLineEdit(caption, &parent));
    case Kind::FigureBox: {
        auto *box = new QLineEdit(caption, &parent);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, kFigureBackground);
        palette.setColor(QPalette::Disabled, QPalette::Text, kFigureText);
        box->setPalette(palette);
        box->setEnabled(false);
        return box;
    }
    case Kind::ComboBox: {
        auto *combo = new PickList(&parent);
        combo->setEditable(true);
        unlimited(combo->lineEdit());
        combo->setInsertPolicy(QComboBox::NoInsert);
        // The field holds exactly what the player typed: no completion from the list.
        combo->setCompleter(nullptr);
        setFieldText(*combo, caption);
        return combo;
    }
    case Kind::Button: {
        auto *button = new Button(caption, &parent);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::OptionButton: {
        // One exclusive group per container. Qt's own auto-exclusivity would reach into nested
        // frames and let an option of one group clear the options of another.
        auto *group = parent.findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly);
        if (!group)
            group = new QButtonGroup(&parent);
        auto *option = new QRadioButton(caption, &parent);
        group->addButton(option);
        return option;
    }
    case Kind::Frame:
        return new QGroupBox(caption, &parent);
    }
    return nullptr;
}

void applyColour(QWidget &widget, Colour colour)
{
    if (colour != Colour::Red)
        return;
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Qt::red);
    widget.setPalette(palette);
}

} // namespace

void setFieldText(QComboBox &combo, const QString &text)
{
    combo.setEditText(text);
    combo.lineEdit()->setAccessibleName(text);
}

QWidget *createControl(QWidget &parent, const char *name, Kind kind, const char *caption,
                       QRect twips, Start start, Font font, Colour colour, LabelLook look)
{
    QWidget *widget = createWidget(parent, kind, QString::fromUtf8(caption), look);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()),
                        pixels(twips.height()));
    widget->setFont(fontFor(font));
    applyColour(*widget, colour);
    widget->setHidden(start == Start::Hidden);
    if (start == Start::Selected)
        static_cast<QRadioButton *>(widget)->setChecked(true);
    return widget;
}

void applyTabOrder(std::span<TabStop> stops)
{
    std::ranges::sort(stops, {}, &TabStop::tab);
    QWidget *previous = nullptr;
    for (const TabStop &stop : stops) {
        if (stop.widget->focusPolicy() == Qt::NoFocus || qobject_cast<QGroupBox *>(stop.widget))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, stop.widget);
        previous = stop.widget;
    }
}

} // namespace harmtally::toolkit
