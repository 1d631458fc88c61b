#include "toolkit/save_file.h"

#include <QSaveFile>

#include <cerrno>
#include <system_error>

namespace harmtally::toolkit {

QString saveWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Each step says why it failed: Qt gives a failed flush no reason of its own, so the
    // system's is taken while it is fresh.
    QString reason;
    const auto attempt = [&](auto step) {
        errno = 0;
        const bool done = step();
        if (!done)
            reason = errno ? QString::fromStdString(std::generic_category().message(errno))
                           : file.errorString();
        return done;
    };
    // commit() can report success although its own final flush failed: flush and check first.
    const bool written = attempt([&] { return file.open(QIODevice::WriteOnly); })
                         && attempt([&] { return file.write(bytes) == bytes.size(); })
                         && attempt([&] { return file.flush(); });
    if (!written)
        file.cancelWriting();
    else
        attempt([&] { return file.commit(); });
    return reason;
}

} // namespace harmtally::toolkit
