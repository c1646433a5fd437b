// The eight preview pictures of one conversion, sized like the window's preview boxes, and
// written out as PNG files.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "conversion/memory_preview.h"
#include "platform/write_target.h"

class PreviewSet {
public:
    /** No pictures until the first clear(): a batch without previews never makes them. */
    PreviewSet() = default;
    /** A copy has no pictures of its own yet: each converter draws only its own kit. */
    PreviewSet(const PreviewSet&) {}
    PreviewSet& operator=(const PreviewSet&) = delete;

    /** Picture index; clear() makes them. */
    MemoryPreview& preview(int index) { return *m_previews.at(static_cast<std::size_t>(index)); }
    /** Starts every picture afresh, as the window clears its boxes before a load. */
    void clear();
    /**
     * Writes picture N to targets[N], each whole. On failure returns the message, and the
     * pictures already written are removed again: a set is whole or absent.
     */
    std::string writePng(const std::vector<WriteTarget>& targets) const;

private:
    std::array<std::unique_ptr<MemoryPreview>, 8> m_previews;
};
