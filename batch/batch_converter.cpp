// Batch conversion. The template is only ever read: every jersey starts from a copy of it in
// memory, and the finished copy goes to disk in one piece.
#include "batch/batch_converter.h"

#include "batch/embedded_resources.h"
#include "conversion/conversion_error.h"
#include "conversion/conversion_host.h"
#include "conversion/conversion_table.h"
#include "conversion/entry_converter.h"
#include "conversion/kit_gaps.h"
#include "conversion/memory_work_file.h"
#include "conversion/palette_file.h"
#include "conversion/source_archive.h"
#include "conversion/work_template_check.h"
#include "platform/common/path_text.h"
#include "platform/file_access_error.h"
#include "platform/regular_file.h"

namespace {

class BatchHost : public ConversionHost {
public:
    BatchHost(ColorMode colorMode, PreviewSet* previews)
        : m_colorMode(colorMode), m_previews(previews) {}
    std::int16_t paletteBase() const override { return paletteBaseOf(m_colorMode); }
    PreviewSurface& preview(int index) override { return m_previews->preview(index); }
    bool wantsPreviews() const override { return m_previews != nullptr; }
    int progress() const override { return m_progress; }
    void setProgress(int value) override { m_progress = value; }
    void paletteSlotsRanOut() override { m_slotsRanOut = true; }
    bool slotsRanOut() const { return m_slotsRanOut; }

private:
    ColorMode m_colorMode;
    PreviewSet* m_previews;
    int m_progress = 0;
    bool m_slotsRanOut = false;
};

// The template is 24216 bytes and a palette file a few thousand; a file far beyond either is
// not one of them, and reading it whole would only fill the memory.
constexpr std::uint64_t kMostResourceBytes = 1 << 20;

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : "; ") + part;
    return text;
}

/** "no sleeve picture (hrsv); the template's hslv stays as it is" */
std::string missingPictureWarning(const std::string& sourceTag) {
    std::vector<std::string> kept;
    for (const ConversionTarget& target : conversionTable()) {
        if (target.sourceTag == sourceTag) kept.emplace_back(target.targetTag);
    }
    std::string names;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        names += (i == 0 ? "" : i + 1 == kept.size() ? " and " : ", ") + kept[i];
    }
    return std::string("no ") + pictureDescription(sourceTag) + " picture (" + sourceTag +
           "); the template's " + names +
           (kept.size() == 1 ? " stays as it is" : " stay as they are");
}

}  // namespace

BatchConverter::BatchConverter(std::vector<std::uint8_t> templateBytes,
                               std::string_view paletteFileText, bool sixtyFourColors, bool force)
    : m_template(std::move(templateBytes)),
      m_paletteFile(ParsePaletteFile(paletteFileText)),
      m_colorMode(sixtyFourColors ? ColorMode::SixtyFourColors : ColorMode::Normal),
      m_force(force) {
    if (std::string fault = workTemplateFault(m_template); !fault.empty())
        throw WorkFileError(std::move(fault));
}

BatchConverter BatchConverter::fromFolder(const std::string& folder, bool sixtyFourColors,
                                          bool force, std::vector<ReadFile>* read) {
    const std::string templatePath = pathText(toPath(folder) / "pk001.fsh");
    const std::string palettePath = pathText(toPath(folder) / "fifa2k.pal");
    RegularFile templateFile = readRegularFile(templatePath, kMostResourceBytes);
    const RegularFile palette = readRegularFile(palettePath, kMostResourceBytes);
    if (read) {
        read->push_back({templateFile.key, templatePath});
        read->push_back({palette.key, palettePath});
    }
    if (palette.bytes.empty()) throw PaletteFileError();
    return BatchConverter(
        std::move(templateFile.bytes),
        std::string_view(reinterpret_cast<const char*>(palette.bytes.data()), palette.bytes.size()),
        sixtyFourColors, force);
}

BatchConverter BatchConverter::fromEmbedded(bool sixtyFourColors, bool force) {
    const auto templateFile = EmbeddedResources::templateFile();
    const auto palette = EmbeddedResources::paletteFile();
    return BatchConverter(
        std::vector<std::uint8_t>(templateFile.begin(), templateFile.end()),
        std::string_view(reinterpret_cast<const char*>(palette.data()), palette.size()),
        sixtyFourColors, force);
}

KitResult BatchConverter::convert(const KitJob& job) {
    KitResult result;
    try {
        RegularFile input = readRegularFileStart(job.input, SourceArchive::kFarthestReachableByte);
        if (job.inputKey && *job.inputKey != input.key)
            return {"it was replaced by another file after the outputs were checked", {}};
        const SourceArchive source(std::move(input.bytes));
        if (!source.isFifa99Jersey()) return {"Not a jersey file", {}};

        const KitGaps gaps = KitGaps::of(source);
        if (!gaps.damage.empty()) {
            if (!m_force) return {"damaged: " + joined(gaps.damage), {}, false, true};
            result.warnings.push_back("damaged: " + joined(gaps.damage) +
                                      "; converted anyway, the missing bytes read as 0");
        }
        if (gaps.listsNoJerseyPicture()) {
            // Converting it would only hand back the template under the kit's name.
            return {"not a FIFA 99 jersey: its directory lists none of the five jersey pictures",
                    {}};
        }
        for (const std::string& tag : gaps.missingPictures) {
            result.warnings.push_back(missingPictureWarning(tag));
        }

        MemoryWorkFile work(m_template);
        const bool withPreviews = !job.previews.empty();
        if (withPreviews) m_previews.clear();
        BatchHost host(m_colorMode, withPreviews ? &m_previews : nullptr);
        ConvertJersey(
            source, work, [this] { return m_paletteFile; }, host);
        if (host.slotsRanOut() && m_colorMode == ColorMode::Normal) {
            result.warnings.push_back(
                "more colours than the 64 free palette slots; the rest were matched to the nearest "
                "(--64-color may keep more of them)");
        }

        job.jersey.write(work.bytes());
        result.jerseyWritten = true;
        if (withPreviews) result.error = m_previews.writePng(job.previews);
    } catch (const ConversionError& error) {
        result.error = error.what();
    } catch (const FileAccessError& error) {
        result.error = error.what();
    }
    return result;
}
