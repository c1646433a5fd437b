// Breaking a label's text into lines at its width.
#include "info/win32/win32_label_lines.h"

#include "platform/win32/win32_text.h"

namespace Win32LabelLines {
namespace {
/** One line of text (no LF) broken at width, its lines joined by CR LF. */
std::string brokenParagraph(std::string_view text, int width,
                            const std::function<int(std::string_view)>& measure) {
    std::string result;
    std::size_t lineStart = 0;
    std::size_t lineEnd = 0;  // after the last word that fits on the line
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t wordStart = text.find_first_not_of(' ', position);
        if (wordStart == std::string_view::npos) break;  // spaces at the end are not shown
        std::size_t wordEnd = text.find(' ', wordStart);
        if (wordEnd == std::string_view::npos) wordEnd = text.size();
        const bool firstOnLine = lineEnd == lineStart;
        if (!firstOnLine && measure(text.substr(lineStart, wordEnd - lineStart)) > width) {
            result.append(text.substr(lineStart, lineEnd - lineStart)).append("\r\n");
            lineStart = wordStart;  // the spaces at the break go with it
        }
        lineEnd = wordEnd;
        position = wordEnd;
    }
    return result.append(text.substr(lineStart, lineEnd - lineStart));
}
}  // namespace

std::string broken(std::string_view text, int width,
                   const std::function<int(std::string_view)>& measure) {
    std::string result;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        result += brokenParagraph(text.substr(start, end - start), width, measure);
        if (end == std::string_view::npos) return result;
        result += "\r\n";
        start = end + 1;
    }
}

void setText(HWND label, std::string_view text) {
    RECT client;
    GetClientRect(label, &client);
    HDC dc = GetDC(label);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const auto measure = [dc](std::string_view piece) {
        const std::wstring wide = wideText(piece);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    const std::string lines = broken(text, client.right, measure);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    SetWindowTextW(label, wideText(lines).c_str());
}

}  // namespace Win32LabelLines
