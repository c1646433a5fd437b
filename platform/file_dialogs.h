// The open and save dialogs and the folder picker, behind an interface so that tests can answer
// them.
#pragma once

#include <string>

/**
 * Paths are in the system's encoding. The dialogs belong to whichever of the program's windows
 * the user is working in: the toolkit's implementation picks it, not the caller.
 */
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    /**
     * Modal dialogs without filter, title or default extension. initialPath is handed over as it
     * stands (empty: the dialog's own choice). Return the chosen full path, empty when cancelled.
     * The save dialog asks nothing about existing files: the caller does.
     */
    virtual std::string openFileName(const std::string& initialPath) = 0;
    virtual std::string saveFileName(const std::string& initialPath) = 0;
    /** Whether the folder chosen must be there already. */
    enum class FolderKind { Existing, MayBeNew };
    /**
     * The system's own folder picker, titled title, opening in initialFolder (empty: its own
     * choice) with the focus in its path field, where a full path typed and Enter choose that
     * folder; a MayBeNew folder may be one that is not there yet. Returns the chosen folder,
     * empty when cancelled.
     */
    virtual std::string chooseFolder(const std::string& title, const std::string& initialFolder,
                                     FolderKind kind) = 0;
};
