// A work file held in memory: the window and the command-line converter convert into it and write
// it out whole, so no file on disk ever holds half a jersey.
#pragma once

#include <vector>

#include "conversion/work_file.h"

class MemoryWorkFile : public WorkFile {
public:
    /** Throws WorkFileError when bytes are too short to be a FIFA 2000 jersey template. */
    explicit MemoryWorkFile(std::vector<std::uint8_t> bytes);

    void read(std::uint32_t offset, std::span<std::uint8_t> out) override;
    void write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override;

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};
