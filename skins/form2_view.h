// What Skin Select's logic asks of its window: the picture list File1.
#pragma once

#include <string>
#include <vector>

class Form2View {
public:
    virtual ~Form2View() = default;
    /** Fills File1 with names, in this order, nothing selected. */
    virtual void setListEntries(const std::vector<std::string>& names) = 0;
    /** Selects entry index of File1 without reporting it back as a click: the logic clicks. */
    virtual void setListIndex(int index) = 0;
    /** The selected entry of File1; -1 when none is. */
    virtual int listIndex() const = 0;
};
