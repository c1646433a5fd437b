// What a load's conversion draws on and reports to: the main window's preview boxes and progress
// bar, and its colour mode. An adapter over the window's view, so that the conversion needs no
// window and the window's logic is not the conversion's host.
#pragma once

#include <cstdint>

#include "conversion/color_mode.h"
#include "conversion/conversion_host.h"
#include "mainwindow/form1_view.h"

class Form1ConversionHost : public ConversionHost {
public:
    explicit Form1ConversionHost(Form1View& view) : m_view(view) {}

    /** SixtyFourColors while "Make 64 Color Jersey" is checked. */
    void setColorMode(ColorMode mode) { m_colorMode = mode; }

    std::int16_t paletteBase() const override { return paletteBaseOf(m_colorMode); }
    PreviewSurface& preview(int index) override { return m_view.preview(index); }
    int progress() const override { return m_progress; }
    void setProgress(int value) override {
        m_progress = value;
        m_view.setProgress(value);
    }

private:
    Form1View& m_view;
    ColorMode m_colorMode = ColorMode::Normal;
    int m_progress = 0;
};
