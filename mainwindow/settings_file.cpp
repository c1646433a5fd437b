// Reading and writing jersey.cfg.
#include "mainwindow/settings_file.h"

#include "conversion/text_field_reader.h"
#include "platform/common/file_presence.h"
#include "platform/file_access_error.h"
#include "platform/regular_file.h"
#include "platform/system_code_page.h"
#include "platform/write_target.h"

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

SettingsFile::SettingsFile(const std::string& programFolder) : m_path(programFolder + kFileName) {}

Settings SettingsFile::read() const {
    if (!isPresentCreatingIfAbsent(m_path)) return {};

    RegularFile file;
    try {
        file = readRegularFile(m_path, kMaxBytes);
    } catch (const FileAccessError& error) {
        throw SettingsFileError(error.what());
    }

    // Written by us, each field is one whole line; a hand-edited file may hold fewer fields.
    std::string content(file.bytes.begin(), file.bytes.end());
    const bool utf8 = content.starts_with(kByteOrderMark);
    if (utf8) content.erase(0, kByteOrderMark.size());
    TextFieldReader reader(content);
    Settings settings;
    for (std::string* value : {&settings.lastOpenPath, &settings.lastSavePath}) {
        *value = reader.next().value_or(std::string());
        if (!utf8) *value = fromSystemCodePage(*value);
    }
    return settings;
}

void SettingsFile::write(const Settings& settings) const {
    const auto open = toSystemCodePage(settings.lastOpenPath);
    const auto save = toSystemCodePage(settings.lastSavePath);
    const bool utf8 = !open || !save;
    std::string content = utf8 ? std::string(kByteOrderMark) : std::string();
    for (const std::string& value :
         {utf8 ? settings.lastOpenPath : *open, utf8 ? settings.lastSavePath : *save}) {
        content += '"';
        content += value;
        content += "\"\r\n";
    }
    try {
        WriteTarget::examine(m_path).write(
            std::span(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()));
    } catch (const FileAccessError& error) {
        throw SettingsFileError(error.what());
    }
}
