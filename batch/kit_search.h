// Finding the kits inside a folder given as an input: every *.fsh below it, in name order.
#pragma once

#include <string>
#include <vector>

struct FoundKit {
    std::string path;      // as the user would reach it: the folder given, then the way down
    std::string relative;  // below the folder given ("club/home.fsh"): kept under -d/--previews
};

struct KitSearch {
    std::vector<FoundKit> kits;
    /** Entries passed over on purpose, each named: a second way into a folder already searched. */
    std::vector<std::string> notes;
    /** Folders that could not be read, each named with the reason; the batch fails with them. */
    std::vector<std::string> failures;

    /**
     * Searches folder and its sub-folders. Links to folders are followed, but each folder is
     * searched once however many ways lead into it, so a link that loops back ends there. Every
     * *.fsh entry counts as a kit, also one that turns out unreadable: its conversion then fails
     * naming it. The hidden temporary files an interrupted run may leave do not end in .fsh.
     */
    static KitSearch below(const std::string& folder);
};
