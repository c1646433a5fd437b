// The work file pk001.fsh on disk, patched in place: opened for reading and writing, never
// truncated, never extended.
#pragma once

#include <fstream>
#include <string>

#include "work_file.h"

class DiskWorkFile : public WorkFile {
public:
    /** Throws WorkFileError when the file is missing or too short, ConversionError when it cannot
     * be opened. */
    explicit DiskWorkFile(std::string path);

    void read(std::uint32_t offset, std::span<std::uint8_t> out) override;
    void write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override;
    /** Flushes and closes; throws ConversionError naming the file when the data did not reach it.
     */
    void close();

private:
    void checkRange(std::uint32_t offset, std::size_t count) const;

    std::string m_path;
    std::fstream m_file;
    std::uint64_t m_length = 0;
};
