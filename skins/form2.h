// Skin Select (Form2): the program folder's pictures; choosing one paints it on the main window
// at once. Its state and event procedures, free of any toolkit: the window is a Form2View.
#pragma once

#include <string>
#include <vector>

#include "platform/message_boxes.h"
#include "platform/program_location.h"
#include "platform/url_opener.h"
#include "skins/form2_view.h"
#include "skins/skin_canvas.h"
#include "skins/skin_picture_reader.h"

/** What Skin Select asks of the user and the system. */
struct Form2Services {
    MessageBoxes& messageBoxes;
    UrlOpener& urlOpener;
    const ProgramLocation& programLocation;
    SkinPictureReader& skinReader;
};

/**
 * The window holds nothing between openings: each opening makes a new Form2, whose Form_Load
 * lists the pictures and paints the first.
 */
class Form2 {
public:
    /** canvas is the main window's background. */
    Form2(Form2View& view, SkinCanvas& canvas, const Form2Services& services);

    // Event procedures.
    /** Lists the *.jpg files of the folder, sorted ignoring case, and selects the first. */
    void Form_Load();
    /** The selection changed (by the user or by Form_Load): paints the selected picture. */
    void File1_Click();
    /** "Download more SKINS": the converter page. */
    void Label1_Click();

    /** The folder as the list shows it: without a separator at the end, except at a root. */
    const std::string& folder() const { return m_folder; }

private:
    Form2View& m_view;
    SkinCanvas& m_canvas;
    Form2Services m_services;
    std::string m_folder;
    std::vector<std::string> m_names;
};
