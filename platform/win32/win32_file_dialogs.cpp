// GetOpenFileNameW and GetSaveFileNameW, with nothing set but the initial folder; the common item
// dialog picking folders.
#include "platform/win32/win32_file_dialogs.h"

#include <windows.h>
// commdlg.h, shobjidl.h and wrl/client.h need windows.h first.
#include <commdlg.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "platform/win32/win32_com_scope.h"
#include "platform/win32/win32_error_text.h"
#include "platform/win32/win32_text.h"

namespace {
enum class Kind { Open, Save };

std::string askFileName(Kind kind, const std::string& initialPath) {
    // Room for a long path; the name starts empty.
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring initialFolder = wideText(initialPath);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    // The last full path chosen, as it stands: the dialog makes of it what it can. A path no
    // folder could have (jersey.cfg may hold anything) is not handed over: the dialog copies its
    // initial folder into a buffer of MAX_PATH characters, and one of thousands overflows it.
    const bool usable = !initialFolder.empty() && initialFolder.size() < MAX_PATH;
    dialog.lpstrInitialDir = usable ? initialFolder.c_str() : nullptr;
    // No filter, title or default extension. The program's current folder stays where it was;
    // the save command asks about an existing file itself.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const BOOL chosen = kind == Kind::Open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
    if (!chosen) {
        // Zero: the user cancelled. Anything else is the dialog's own failure.
        if (const DWORD error = CommDlgExtendedError(); error != 0) {
            throw std::runtime_error("The file dialog could not be shown (error " +
                                     std::to_string(error) + ")");
        }
        return {};
    }
    return utf8Text(file.data());
}
}  // namespace

std::string Win32FileDialogs::openFileName(const std::string& initialPath) {
    return askFileName(Kind::Open, initialPath);
}

std::string Win32FileDialogs::saveFileName(const std::string& initialPath) {
    return askFileName(Kind::Save, initialPath);
}

std::string Win32FileDialogs::chooseFolder(const std::string& title,
                                           const std::string& initialFolder, FolderKind) {
    using Microsoft::WRL::ComPtr;
    const auto check = [](HRESULT result) {
        if (FAILED(result)) {
            char code[16];
            std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
            throw std::runtime_error("The folder picker could not be shown: " +
                                     win32ErrorText(static_cast<DWORD>(result)) + " (" + code +
                                     ")");
        }
    };
    const Win32ComScope com;
    ComPtr<IFileOpenDialog> dialog;
    check(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&dialog)));
    // Folders only, and only those on a disk: the kits are read and the jerseys written through
    // plain paths. The program's current folder stays where it was. A folder for new jerseys is
    // made with the picker's own New folder command: the picker returns only folders that exist.
    FILEOPENDIALOGOPTIONS options = 0;
    check(dialog->GetOptions(&options));
    check(dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST |
                             FOS_NOCHANGEDIR));
    check(dialog->SetTitle(wideText(title).c_str()));
    // A folder that has gone since it was last chosen leaves the picker where it likes.
    ComPtr<IShellItem> start;
    if (!initialFolder.empty() &&
        SUCCEEDED(SHCreateItemFromParsingName(wideText(initialFolder).c_str(), nullptr,
                                              IID_PPV_ARGS(&start)))) {
        check(dialog->SetFolder(start.Get()));
    }
    const HRESULT shown = dialog->Show(GetActiveWindow());
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return {};
    check(shown);
    ComPtr<IShellItem> chosen;
    check(dialog->GetResult(&chosen));
    wchar_t* path = nullptr;
    check(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path));
    const std::string folder = utf8Text(path);
    CoTaskMemFree(path);
    return folder;
}
