// Reading and writing jersey.cfg.
#include "settings_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "file_presence.h"
#include "text_field_reader.h"

namespace {
std::string describe(const std::string& what, const std::string& path) {
    std::string message = what + " " + path;
    if (errno != 0) message += std::string(": ") + std::strerror(errno);
    return message;
}
}  // namespace

SettingsFile::SettingsFile(const std::string& programFolder) : m_path(programFolder + kFileName) {}

Settings SettingsFile::read() const {
    if (!isFilePresent(m_path)) return {};

    errno = 0;
    std::ifstream in(m_path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) throw SettingsFileError(describe("Cannot read", m_path));

    // Written by us, each field is one whole line; a hand-edited file may hold fewer fields.
    const std::string content = text.str();
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

    errno = 0;
    std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) throw SettingsFileError(describe("Cannot write", m_path));
}
