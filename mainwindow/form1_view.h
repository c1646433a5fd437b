// What the main window's logic asks of its window: the state of a few controls, the progress bar,
// the eight preview boxes, the background the skins are painted on, the other windows, and a
// thread besides the window's for converting a folder.
#pragma once

#include <functional>
#include <string>

#include "conversion/conversion_host.h"
#include "layout/layout_form.h"
#include "skins/skin_canvas.h"

class Form1View {
public:
    /**
     * The controls whose state the logic sets, by their names on the window: buttons, menu
     * entries (the File menu's, color64 and LoadSkinMenu), Text1, and CancelFolder, the button
     * that is there only while a folder is converted.
     */
    enum class Control {
        Command1,
        Command2,
        openfifa99menu,
        Savefifa2000menu,
        ConvertFolderMenu,
        ExitMenu,
        color64,
        LoadSkinMenu,
        CancelFolder,
        Text1
    };
    /** The modeless windows the main window opens beside itself. */
    enum class Companion { SkinSelect, About };

    virtual ~Form1View() = default;

    virtual void setEnabled(Control control, bool enabled) = 0;
    /** Shows or hides CancelFolder; while shown, Escape presses it too. */
    virtual void setVisible(Control control, bool visible) = 0;
    /** The check mark of a menu entry (color64). */
    virtual void setChecked(Control control, bool checked) = 0;
    /** The text of a text box (Text1, which holds the program folder), in the system's encoding. */
    virtual void setText(Control control, const std::string& text) = 0;
    /**
     * ProgressBar1's value, 0 to 90. A load keeps the event loop waiting: the view shows the bar
     * now and then while it runs.
     */
    virtual void setProgress(int value) = 0;
    /** ProgressBar1's maximum: 90 for a load, the number of kits while a folder is converted. */
    virtual void setProgressMaximum(int maximum) = 0;
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

    /**
     * Runs work on a thread of its own while the window goes on serving its events; one work at a
     * time. Before the window goes it calls the logic's CancelFolder_Click and waits for the work.
     */
    virtual void runInBackground(std::function<void()> work) = 0;
    /**
     * Callable from any thread: runs task on the window's thread after the events already
     * waiting, in the order posted; never once the window is gone.
     */
    virtual void postToWindow(std::function<void()> task) = 0;
};
