// Turning the program's argument into the full path the Load command remembers.
#include "mainwindow/qt/kit_argument.h"

#include <QByteArray>
#include <QUrl>
#include <filesystem>
#include <string_view>

namespace KitArgument {

std::string fullPath(const std::string& argument) {
    if (argument.empty()) return {};
    std::string local = argument;
    if (QByteArray::fromStdString(argument).toLower().startsWith("file:")) {
        const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(argument));
        if (!url.isLocalFile()) return {};
        // Percent-encoded, the path keeps bytes that are no UTF-8.
        local =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
    }
    // The settings file keeps the full path: the next open dialog starts from it.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(local, error);
    if (error) return local;
    std::string cleaned = absolute.lexically_normal().string();
    if (cleaned.size() > 1 && cleaned.back() == '/') cleaned.pop_back();
    return cleaned;
}

std::string fromCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") return i + 1 < argc ? fullPath(argv[i + 1]) : std::string();
        if (!argument.starts_with('-') || argument == "-") return fullPath(argv[i]);
    }
    return {};
}

}  // namespace KitArgument
