#pragma once

// Turns a design table into Qt widgets: the one place that sizes and places a designed control.
// (The windows themselves are placed by DesignedWindow and kept on the screen by fitOnScreen.)

#include "toolkit/design.h"

#include <QComboBox>
#include <QWidget>

#include <array>
#include <cstddef>
#include <span>

namespace harmtally::toolkit {

// Creates one control as its row designs it; parent is already built.
QWidget *createControl(QWidget &parent, const char *name, Kind kind, const char *caption,
                       QRect twips, Start start, Font font, Colour colour, LabelLook look);

// Writes a pick-list's field text, which also names the pick-list for a screen reader.
void setFieldText(QComboBox &combo, const QString &text);

struct TabStop {
    int tab;
    QWidget *widget;
};
// Chains the controls that can take the focus in tab-index order.
void applyTabOrder(std::span<TabStop> stops);

// A window's controls, reached by the window's enum of controls: the window itself first, then
// one widget per row of its design table.
template <class Id, std::size_t N> struct Controls {
    QWidget *operator[](Id id) const { return widgets[std::size_t(id)]; }
    template <class W> W *as(Id id) const { return static_cast<W *>(widgets[std::size_t(id)]); }

    std::array<QWidget *, N + 1> widgets{};
};

template <class Id, std::size_t N>
Controls<Id, N> build(QWidget &window, const std::array<ControlDesign<Id>, N> &rows,
                      LabelLook look = LabelLook::Transparent)
{
    Controls<Id, N> controls;
    controls.widgets[0] = &window;
    std::array<TabStop, N> stops{};
    for (std::size_t i = 0; i < N; ++i) {
        const ControlDesign<Id> &row = rows[i];
        Q_ASSERT(std::size_t(row.id) == i + 1);
        QWidget *widget = createControl(*controls[row.parent], row.name, row.kind, row.caption,
                                        QRect(row.left, row.top, row.width, row.height), row.start,
                                        row.font, row.colour, look);
        controls.widgets[i + 1] = widget;
        stops[i] = {row.tab, widget};
    }
    applyTabOrder(stops);
    return controls;
}

} // namespace harmtally::toolkit
