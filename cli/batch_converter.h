// Converts FIFA 99 jersey files one after another onto fresh copies of the FIFA 2000 template,
// with the program's own files read once for the whole batch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "palette_color.h"
#include "preview_set.h"

class BatchConverter {
public:
    /** Reads resourcesFolder's pk001.fsh and fifa2k.pal; throws ConversionError when unusable. */
    BatchConverter(const std::string& resourcesFolder, bool sixtyFourColors);

    /**
     * Converts input into a new FIFA 2000 jersey at output, replacing output only once it is
     * complete. With a previews folder, writes the eight previews there too. Returns an error
     * message for the user (the input's problem) or empty on success.
     */
    std::string convert(const std::string& input, const std::string& output,
                        const std::string& previewsFolder = {});

private:
    std::vector<std::uint8_t> m_template;
    Palette m_paletteFile{};
    std::int16_t m_paletteBase;
    PreviewSet m_previews;
};
