// The FIFA 2000 work file as the conversion sees it: positioned reads and writes inside a file of
// fixed length. The window patches pk001.fsh on disk; the command-line converter works on a copy
// in memory and writes it out once.
#pragma once

#include <cstdint>
#include <span>

class WorkFile {
public:
    virtual ~WorkFile() = default;
    virtual void read(std::uint32_t offset, std::span<std::uint8_t> out) = 0;
    virtual void write(std::uint32_t offset, std::span<const std::uint8_t> bytes) = 0;
};
