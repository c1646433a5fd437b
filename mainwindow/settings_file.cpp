// Reading and writing jersey.cfg.
#include "settings_file.h"

#include "file_access_error.h"
#include "file_presence.h"
#include "regular_file.h"
#include "text_field_reader.h"
#include "write_target.h"

SettingsFile::SettingsFile(const std::string& programFolder) : m_path(programFolder + kFileName) {}

Settings SettingsFile::read() const {
    if (!isFilePresent(m_path)) return {};

    RegularFile file;
    try {
        file = readRegularFile(m_path, kMaxBytes);
    } catch (const FileAccessError& error) {
        throw SettingsFileError(error.what());
    }

    // Written by us, each field is one whole line; a hand-edited file may hold fewer fields.
    const std::string content(file.bytes.begin(), file.bytes.end());
    TextFieldReader reader(content);
    Settings settings;
    settings.lastOpenPath = reader.next().value_or(std::string());
    settings.lastSavePath = reader.next().value_or(std::string());
    return settings;
}

void SettingsFile::write(const Settings& settings) const {
    std::string content;
    for (const std::string* value : {&settings.lastOpenPath, &settings.lastSavePath}) {
        content += '"';
        content += *value;
        content += "\"\r\n";
    }
    try {
        WriteTarget::examine(m_path).write(
            std::span(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()));
    } catch (const FileAccessError& error) {
        throw SettingsFileError(error.what());
    }
}
