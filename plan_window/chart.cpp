#include "plan_window/chart.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace harmtally::plan {

Chart::Chart(const QLocale &locale, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setLocale(locale);
}

void Chart::setData(ChartData data)
{
    data_ = std::move(data);
    layOut();
    update();
}

void Chart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

// The ticks' words and the room they take follow the font and the locale; the colours are read
// at each painting.
void Chart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::LocaleChange:
        layOut();
        update();
        break;
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
}

void Chart::keyPressEvent(QKeyEvent *event)
{
    const std::optional<double> c = data_.cursor;
    double wanted;
    switch (event->key()) {
    case Qt::Key_Right:
        wanted = c ? std::floor(*c) + 1 : data_.from;
        break;
    case Qt::Key_Left:
        wanted = c ? std::ceil(*c) - 1 : data_.from;
        break;
    case Qt::Key_PageUp:
        wanted = c ? std::floor(*c) + 10 : data_.from;
        break;
    case Qt::Key_PageDown:
        wanted = c ? std::ceil(*c) - 10 : data_.from;
        break;
    case Qt::Key_Home:
        wanted = data_.from;
        break;
    case Qt::Key_End:
        wanted = data_.to;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    wanted = std::clamp(wanted, data_.from, data_.to);
    if (wanted != c)
        emit cursorAsked(wanted);
}

void Chart::askAt(qreal x)
{
    const double strength
        = data_.from + (x - plot_.left()) / plot_.width() * (data_.to - data_.from);
    const double wanted = std::clamp(std::round(strength), data_.from, data_.to);
    if (wanted != data_.cursor)
        emit cursorAsked(wanted);
}

void Chart::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        askAt(event->position().x());
}

void Chart::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        askAt(event->position().x());
}

} // namespace harmtally::plan
