// Converts FIFA 99 jersey files one after another onto fresh copies of the FIFA 2000 template,
// with the template and palette read once for the whole batch.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "batch/batch_plan.h"
#include "batch/preview_set.h"
#include "conversion/color_mode.h"
#include "conversion/palette_color.h"

/**
 * What became of one kit: success, or an error, with warnings either way. A jersey may have been
 * written when its previews could not: its error then says so.
 */
struct KitResult {
    std::string error;
    std::vector<std::string> warnings;
    bool jerseyWritten = false;
    /** Refused because the file is cut short, which a forced batch converts anyway. */
    bool refusedAsDamaged = false;
};

class BatchConverter {
public:
    /** Throws ConversionError when the template or the palette file's text is unusable. */
    BatchConverter(std::vector<std::uint8_t> templateBytes, std::string_view paletteFileText,
                   bool sixtyFourColors, bool force);
    /**
     * The same from folder's pk001.fsh and fifa2k.pal, which are only read; their identities go
     * to read. Throws FileAccessError when either is no ordinary file or too long to be one.
     */
    static BatchConverter fromFolder(const std::string& folder, bool sixtyFourColors, bool force,
                                     std::vector<ReadFile>* read = nullptr);
    /** The template and palette built into the program. */
    static BatchConverter fromEmbedded(bool sixtyFourColors, bool force);

    /**
     * Converts job.input into a FIFA 2000 jersey at job.jersey, replacing it only once it is
     * complete, and the eight previews when the job asks for them: all eight, or none.
     */
    KitResult convert(const KitJob& job);

private:
    std::vector<std::uint8_t> m_template;
    Palette m_paletteFile{};
    ColorMode m_colorMode;
    bool m_force;
    PreviewSet m_previews;
};
