// Converting one FIFA 99 picture into its FIFA 2000 place in the work file, with previews.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "conversion/color_memo.h"
#include "conversion/conversion_host.h"
#include "conversion/conversion_table.h"
#include "conversion/palette_color.h"
#include "conversion/source_archive.h"
#include "conversion/work_file.h"

/** Supplies the palette file's colours when the front picture builds the shared palette. */
using PaletteFileLoader = std::function<Palette()>;

/**
 * Finds the source picture of targetTag in the FIFA 99 archive, scales it, maps its colours onto
 * the shared palette and writes it into the work file (the front picture builds that palette from
 * loadPaletteFile's colours). Raises the host's progress by 10 when the source picture is there,
 * by 2 when it is not. A memo kept across the calls of one load spares repeated colour searches;
 * the bytes are the same without. Throws what loadPaletteFile throws (PaletteFileError).
 */
void ConvertEntry(const SourceArchive& source, std::string_view targetTag, WorkFile& work,
                  const PaletteFileLoader& loadPaletteFile, ConversionHost& host,
                  ColorMemo* memo = nullptr);

/** The conversion of a picture that the directory scan found at entryOffset. */
void ConvertFoundEntry(const SourceArchive& source, std::uint32_t entryOffset,
                       const ConversionTarget& target, WorkFile& work,
                       const PaletteFileLoader& loadPaletteFile, ConversionHost& host,
                       ColorMemo* memo = nullptr);

/**
 * One whole load: the nine targets in the order the game's pictures depend on each other, on a
 * kit and a work file read once, so a kit replaced on disk meanwhile cannot be mixed in.
 */
void ConvertJersey(const SourceArchive& source, WorkFile& work,
                   const PaletteFileLoader& loadPaletteFile, ConversionHost& host);
