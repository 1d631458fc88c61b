// The compare and plan window's figures in words: the side-by-side table, every value at the
// cursor beside the chart, and the status line.

#include "plan_window/plan_window.h"

#include "plan_window/slot_marks.h"
#include "texts/plan_words.h"
#include "toolkit/inputs_row.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>
#include <array>
#include <iterator>

namespace harmtally::plan {

using namespace captions;

void PlanWindow::showTable()
{
    const auto &columns = comparison_.columns;
    c_.table->setColumnCount(int(columns.size()));
    QStringList figures;
    for (std::size_t f = 0; f < kFigureCount; ++f)
        figures << caption(Figure(f), c_.seconds->text(), language_);
    c_.table->setVerticalHeaderLabels(figures);
    for (std::size_t col = 0; col < columns.size(); ++col) {
        auto *header = new QTableWidgetItem(columns[col].name);
        header->setIcon(markerPixmap(col, palette().color(QPalette::Base)));
        header->setToolTip(columns[col].name);
        c_.table->setHorizontalHeaderItem(int(col), header);
        for (std::size_t f = 0; f < kFigureCount; ++f) {
            auto *item = new QTableWidgetItem(columns[col].cells[f]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            c_.table->setItem(int(f), int(col), item);
        }
    }
    arrangeTable();
}

// Every value at the cursor, which is the typed strength: the table's own figures.
void PlanWindow::showReadout()
{
    const auto say = [this](const Bilingual &words) { return words.in(language_); };
    if (picks_.empty()) {
        c_.readout->clear();
        return;
    }
    QString html = comparison_.chart.cursor
                       ? say(kAtStrength).arg(c_.strength->text().trimmed().toHtmlEscaped())
                       : say(kNoCursor);
    const QString over = overSeconds(c_.seconds->text(), language_).toHtmlEscaped();
    for (std::size_t slot = 0; slot < comparison_.columns.size(); ++slot) {
        const ChoiceColumn &column = comparison_.columns[slot];
        const auto cell = [&](Figure f) {
            const QString &figure = column.cells[std::size_t(f)];
            return figure.isEmpty() ? QStringLiteral("?") : figure.toHtmlEscaped();
        };
        html += QStringLiteral("<p><span style=\"color:%1\">%2</span> <b>%3</b><br>")
                    .arg(slotColour(slot).name(), markerSign(slot), column.name.toHtmlEscaped());
        // Minimum to maximum, as the main window lists them.
        const auto span = [&](const QString &what, Figure min, Figure max) {
            return QStringLiteral("%1: %2 – %3").arg(what, cell(min), cell(max));
        };
        html += span(over, Figure::TotalMin, Figure::TotalMax) + QStringLiteral("<br>")
                + span(say(kPerHit), Figure::HitMin, Figure::HitMax);
        if (!column.refusal.isEmpty() && comparison_.chart.cursor)
            html += QStringLiteral("<br><i>%1</i>").arg(column.refusal.toHtmlEscaped());
        html += QStringLiteral("</p>");
    }
    c_.readout->setText(html);
}

void PlanWindow::showStatus()
{
    QStringList said;
    if (!note_.isEmpty())
        said << note_;
    if (!comparison_.rangeNote.isEmpty())
        said << comparison_.rangeNote;
    // Half-typed inputs are not a mistake yet: a hint naming what is missing, not the main
    // window's refusal.
    const auto refused = std::ranges::find_if(
        comparison_.columns, [](const ChoiceColumn &c) { return !c.refusal.isEmpty(); });
    if (refused != comparison_.columns.end()) {
        QStringList missing;
        const toolkit::TypedInputs typed = inputs_->values();
        const bool level = std::ranges::any_of(picks_, needsLevel);
        const std::array texts{typed.strength, typed.seconds, typed.level};
        for (std::size_t i = 0; i < std::size(kMissing); ++i)
            if ((i != 2 || level) && texts[i].trimmed().isEmpty())
                missing << kMissing[i].in(language_);
        const QString last = missing.isEmpty() ? QString() : missing.takeLast();
        said << (last.isEmpty()      ? refused->name + QStringLiteral(": ") + refused->refusal
                 : missing.isEmpty() ? kEnter.in(language_).arg(last)
                                     : kEnter.in(language_).arg(missing.join(QStringLiteral(", "))
                                                                + kAnd.in(language_) + last));
    }
    c_.status->setText(said.join(QStringLiteral(" — ")));
}

} // namespace harmtally::plan
