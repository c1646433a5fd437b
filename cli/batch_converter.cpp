// Batch conversion. The shipped template is only ever read: every jersey starts from a copy of it
// in memory, and the finished copy goes to disk in one piece.
#include "batch_converter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>


#include "conversion_error.h"
#include "conversion_host.h"
#include "entry_converter.h"
#include "memory_work_file.h"
#include "palette_file.h"
#include "source_archive.h"
#include "work_file_layout.h"

namespace {

class BatchHost : public ConversionHost {
public:
    BatchHost(std::int16_t paletteBase, PreviewSet* previews)
        : m_paletteBase(paletteBase), m_previews(previews) {}
    std::string programFolder() const override { return {}; }
    std::int16_t paletteBase() const override { return m_paletteBase; }
    PreviewSurface& preview(int index) override { return m_previews->preview(index); }
    bool wantsPreviews() const override { return m_previews != nullptr; }
    int progress() const override { return m_progress; }
    void setProgress(int value) override { m_progress = value; }

private:
    std::int16_t m_paletteBase;
    PreviewSet* m_previews;
    int m_progress = 0;
};

std::vector<std::uint8_t> readTemplate(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff length = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (length < WorkFileLayout::kMinimumLength) throw WorkFileError();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) throw WorkFileError();
    return bytes;
}

/**
 * Writes bytes to a temporary file beside path and renames it over path once complete, so path
 * holds either its old content or the whole new jersey, never a part. No fsync: a batch of
 * thousands of kits would wait on the disk for each, and a crash leaves at worst the old file.
 */
std::string writeWhole(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".vestrix-part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return "Cannot write " + path + ": " + std::strerror(errno);
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return "Cannot write " + path + ": " + error.message();
    }
    return {};
}

}  // namespace

BatchConverter::BatchConverter(const std::string& resourcesFolder, bool sixtyFourColors)
    : m_template(readTemplate(resourcesFolder + "/pk001.fsh")),
      m_paletteFile(LoadPaletteFile(resourcesFolder + "/fifa2k.pal")),
      m_paletteBase(sixtyFourColors ? 0 : 191) {}

std::string BatchConverter::convert(const std::string& input, const std::string& output,
                                    const std::string& previewsFolder) {
    try {
        const SourceArchive source = SourceArchive::open(input);
        if (!source.isFifa99Jersey()) return "Not a jersey file";

        MemoryWorkFile work(m_template);
        const bool withPreviews = !previewsFolder.empty();
        if (withPreviews) m_previews.clear();
        BatchHost host(m_paletteBase, withPreviews ? &m_previews : nullptr);
        ConvertJersey(source, work, [this] { return m_paletteFile; }, host);

        const std::string failure = writeWhole(output, work.bytes());
        if (!failure.empty()) return failure;
        if (!previewsFolder.empty()) {
            return m_previews.writePng(previewsFolder, std::filesystem::path(input).stem().string());
        }
        return {};
    } catch (const ConversionError& error) {
        return error.what();
    }
}
