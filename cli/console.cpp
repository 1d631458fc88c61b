#include "cli/console.h"

#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace harmtally::cli::console {
namespace {

std::optional<int> writeBytes(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream)
            == std::size_t(bytes.size())
        && std::fflush(stream) == 0)
        return std::nullopt;
    return errno;
}

} // namespace

#ifdef Q_OS_WIN

QStringList arguments(int, char **)
{
    int count = 0;
    wchar_t **words = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    for (int i = 1; i < count; ++i)
        arguments.append(QString::fromWCharArray(words[i]));
    LocalFree(words);
    return arguments;
}

std::optional<int> write(std::FILE *stream, const QString &text)
{
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        const auto *characters = reinterpret_cast<const wchar_t *>(text.utf16());
        for (qsizetype done = 0; done < text.size();) {
            DWORD written = 0;
            if (!WriteConsoleW(handle, characters + done, DWORD(text.size() - done), &written,
                               nullptr)
                || written == 0)
                return EIO;
            done += written;
        }
        return std::nullopt;
    }
    // Binary, so that "\n" stays "\n": the same bytes as on Debian, which every Windows editor and
    // spreadsheet of today reads.
    _setmode(_fileno(stream), _O_BINARY);
    return writeBytes(stream, text);
}

std::optional<Language> desktopLanguage()
{
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ITALIAN ? Language::Italian
                                                                     : Language::English;
}

#else

QStringList arguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

std::optional<int> write(std::FILE *stream, const QString &text)
{
    return writeBytes(stream, text);
}

std::optional<Language> desktopLanguage() { return std::nullopt; }

#endif

} // namespace harmtally::cli::console
