// The FIFA 2000 work file as the conversion sees it: positioned reads and writes inside a file of
// fixed length. Both programs convert on a copy in memory and write it out once, whole.
#pragma once

#include <cstdint>
#include <span>

class WorkFile {
public:
    virtual ~WorkFile() = default;
    virtual void read(std::uint32_t offset, std::span<std::uint8_t> out) = 0;
    virtual void write(std::uint32_t offset, std::span<const std::uint8_t> bytes) = 0;
};
