// What the main window's logic asks of its window: the state of a few controls, the progress bar,
// the eight preview boxes, the background the skins are painted on, and the other windows.
#pragma once

#include <string>

#include "conversion/conversion_host.h"
#include "layout/layout_form.h"
#include "skins/skin_canvas.h"

class Form1View {
public:
    /** The controls whose state the logic sets, by their names on the window. */
    enum class Control { Command2, Savefifa2000menu, color64, Text1 };
    /** The modeless windows the main window opens beside itself. */
    enum class Companion { SkinSelect, About };

    virtual ~Form1View() = default;

    virtual void setEnabled(Control control, bool enabled) = 0;
    /** The check mark of a menu entry (color64). */
    virtual void setChecked(Control control, bool checked) = 0;
    /** The text of a text box (Text1, which holds the program folder), in the system's encoding. */
    virtual void setText(Control control, const std::string& text) = 0;
    /**
     * ProgressBar1's value, 0 to 90. A load keeps the event loop waiting: the view shows the bar
     * now and then while it runs.
     */
    virtual void setProgress(int value) = 0;
    /** Picture1(index), 0 to 7, one unit per pixel from its top-left corner. */
    virtual PreviewSurface& preview(int index) = 0;
    /** Erases everything drawn into Picture1(index), leaving its background colour. */
    virtual void clearPreview(int index) = 0;
    /** The window's own background, which keeps what is painted on it under the controls. */
    virtual SkinCanvas& background() = 0;
    /** Draws the window at once, so that it stands whole behind a dialog. */
    virtual void repaintNow() = 0;
    /** Whether that window is on screen. */
    virtual bool isOpen(Companion window) = 0;
    /** Makes that window afresh, modeless, putting away what is left of a closed one. */
    virtual void open(Companion window) = 0;
    /** Shows that window in front of the others, with the focus. */
    virtual void bringForward(Companion window) = 0;
    /** The window as the layout scaler reaches forms: its controls collection, its inside. */
    virtual LayoutForm& layoutForm() = 0;
};
