#pragma once

// Both start-up programs report the same moment: the window's first paint has been handled and
// the event loop is running again, so the frame has been flushed to the platform.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace harmtally::bench {

// Prints CLOCK_MONOTONIC in nanoseconds on stdout, then quits the application. Watches every
// object of the application, so it can be put in place before the program builds its window.
class FirstPaintReport : public QObject {
public:
    FirstPaintReport() { QCoreApplication::instance()->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && !seen_) {
            seen_ = true;
            // The filter runs before the paint: a zero timer fires once paint and flush are done.
            QTimer::singleShot(0, this, &FirstPaintReport::report);
        }
        return false;
    }

private:
    static void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", now.tv_sec * 1'000'000'000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool seen_ = false;
};

} // namespace harmtally::bench
