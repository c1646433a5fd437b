// The I/O floor's reads and writes, shared by the benchmark and the floor as a whole process.
#include "bench/io_floor.h"

#include <fstream>

namespace IoFloor {

Bytes readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    Bytes bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void writeAll(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::uint64_t copyBatch(const std::vector<std::filesystem::path>& inputs,
                        const Bytes& templateBytes, const std::filesystem::path& folder) {
    std::uint64_t read = 0;
    for (const auto& input : inputs) {
        read += readAll(input).size();
        writeAll(folder / input.filename(), templateBytes);
    }
    return read;
}

}  // namespace IoFloor
