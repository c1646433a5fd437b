// A conversion host for the tests: previews in memory, the progress values recorded.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "conversion/memory_preview.h"

class TestHost : public ConversionHost {
public:
    explicit TestHost(std::int16_t paletteBase = 191) : m_paletteBase(paletteBase) {
        for (auto& preview : m_previews) preview = std::make_unique<MemoryPreview>(132, 132);
    }
    std::int16_t paletteBase() const override { return m_paletteBase; }
    PreviewSurface& preview(int index) override {
        return *m_previews.at(static_cast<std::size_t>(index));
    }
    MemoryPreview& memoryPreview(int index) {
        return *m_previews.at(static_cast<std::size_t>(index));
    }
    int progress() const override { return m_progress; }
    void setProgress(int value) override {
        m_progress = value;
        steps.push_back(value);
    }
    std::vector<int> steps;

private:
    std::int16_t m_paletteBase;
    int m_progress = 0;
    std::array<std::unique_ptr<MemoryPreview>, 8> m_previews;
};
