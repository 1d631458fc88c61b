#pragma once

// Damage over the seconds against boosted strength, drawn with QPainter: the maximum solid, the
// minimum dashed, one colour and one marker shape per choice, each requirement marked on its
// line, a dot at every crossing with its strength, and a cursor at the typed strength. It only
// draws what it is given; Left and Right (Page Up and Down by ten, Home and End) and the mouse
// ask for another cursor strength, which the window types in. Its layout (chart_layout.cpp)
// follows its data, size, font and locale; its painting (chart_paint.cpp) only draws.

#include "plan_window/comparison.h"
#include "plan_window/slot_marks.h"

#include <QColor>
#include <QImage>
#include <QLocale>
#include <QWidget>

#include <cstddef>

class QPainter;

namespace harmtally::plan {

class Chart : public QWidget {
    Q_OBJECT
public:
    // Its numbers are written in `locale`, and in whichever setLocale() gives it later.
    explicit Chart(const QLocale &locale, QWidget *parent = nullptr);

    void setData(ChartData data);
    const ChartData &data() const { return data_; }

    // Where a strength and a total land in the widget, for the mouse and for tests.
    QPointF at(double strength, double total) const;
    // The round values written along each axis.
    std::vector<double> strengthTicks() const;
    std::vector<double> totalTicks() const;

    // Where the plot sits, and where a crossing's label goes: whole within the plot.
    QRectF plotArea() const { return plot_; }
    QRectF labelBox(const Dot &dot) const;

    // The chart as drawn, without the focus frame, with a key of the choices' names and the
    // figures typed under it: what "Save image" writes.
    QImage image();

    QSize sizeHint() const override { return {600, 290}; }
    QSize minimumSizeHint() const override { return {320, 200}; }

signals:
    void cursorAsked(double strength);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // A value along an axis and its words, written when the layout is.
    struct Tick {
        double value;
        QString text;
    };
    // The palette's colours of one painting.
    struct Inks {
        QColor ink;
        QColor paper;
        QColor faint;
    };

    void layOut();
    void askAt(qreal x);
    QString tickText(double value) const;

    // The steps of a painting, in the order they overlap.
    void paintAxes(QPainter &p, const Inks &inks) const;
    void paintTitles(QPainter &p, const Inks &inks) const;
    void paintKey(QPainter &p, const Inks &inks) const;
    void paintLines(QPainter &p, const Series &s) const;
    void paintRequirement(QPainter &p, const Series &s) const;
    void paintMarkers(QPainter &p, const Series &s, const Inks &inks) const;
    void paintCursor(QPainter &p, const Inks &inks) const;
    void paintCrossings(QPainter &p, const Inks &inks) const;
    void paintFocus(QPainter &p) const;

    ChartData data_;
    // Fixed between changes of data, size, font or locale: the totals shown, where the plot
    // sits, and the ticks' words.
    double low_ = 0, high_ = 1;
    double strengthStep_ = 10, totalStep_ = 1;
    QRectF plot_;
    std::vector<Tick> strengthLabels_, totalLabels_;
    bool forImage_ = false;
};

} // namespace harmtally::plan
