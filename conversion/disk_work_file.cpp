// Work file on disk.
#include "disk_work_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "conversion_error.h"
#include "work_file_layout.h"

DiskWorkFile::DiskWorkFile(std::string path) : m_path(std::move(path)) {
    // The path is the program's own text (UTF-8 on Windows), not the ANSI code page the narrow
    // conversions would read it in.
    const std::filesystem::path file(std::u8string(m_path.begin(), m_path.end()));
    std::error_code error;
    const auto length = std::filesystem::file_size(file, error);
    if (error || length < WorkFileLayout::kMinimumLength) throw WorkFileError();
    m_length = length;
    m_file.open(file, std::ios::in | std::ios::out | std::ios::binary);
    if (!m_file)
        throw ConversionError("Cannot open " + m_path + " for writing: " + std::strerror(errno));
}

void DiskWorkFile::checkRange(std::uint32_t offset, std::size_t count) const {
    if (offset + count > m_length) throw ConversionError("Access beyond the end of " + m_path);
}

void DiskWorkFile::read(std::uint32_t offset, std::span<std::uint8_t> out) {
    checkRange(offset, out.size());
    m_file.seekg(offset);
    m_file.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!m_file) throw ConversionError("Cannot read " + m_path);
}

void DiskWorkFile::write(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
    checkRange(offset, bytes.size());
    m_file.seekp(offset);
    m_file.write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
    if (!m_file) throw ConversionError("Cannot write " + m_path);
}

void DiskWorkFile::close() {
    m_file.close();
    if (m_file.fail()) throw ConversionError("Cannot write " + m_path);
}
