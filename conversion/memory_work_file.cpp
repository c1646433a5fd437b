// Work file in memory.
#include "conversion/memory_work_file.h"

#include <algorithm>
#include <stdexcept>

#include "conversion/conversion_error.h"
#include "conversion/work_file_layout.h"

MemoryWorkFile::MemoryWorkFile(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {
    if (m_bytes.size() < WorkFileLayout::kMinimumLength) throw WorkFileError();
}

void MemoryWorkFile::read(std::uint32_t offset, std::span<std::uint8_t> out) {
    if (offset + out.size() > m_bytes.size())
        throw std::out_of_range("work file read out of range");
    std::copy_n(m_bytes.begin() + offset, out.size(), out.begin());
}

void MemoryWorkFile::write(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
    if (offset + bytes.size() > m_bytes.size())
        throw std::out_of_range("work file write out of range");
    std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + offset);
}
