// Opening a web address in the user's browser, for the main window's and Skin Select's links. Each
// platform in its own way: on Windows the registry and a DDE conversation with the browser (the
// browser launcher in info/), on a Linux desktop xdg-open. createUrlOpener() is defined by the one
// backend linked in; the tests' opener records the addresses.
#pragma once

#include <memory>
#include <string>

class PlainMessageBox;
class ProgramStarter;

/** What the user is told when no browser could be given the address. */
inline constexpr const char* kBrowserFailureMessage = "Fatal error while communicating to browser";

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    /** Never fails to its caller: every failure is told to the user, now or once it is known. */
    virtual void openUrl(const std::string& address) = 0;
};

/**
 * The opener of the platform this program is built for. It starts helpers through starter and
 * tells the user of failures through messageBox; both must outlive it and its late reports.
 */
std::unique_ptr<UrlOpener> createUrlOpener(ProgramStarter& starter, PlainMessageBox& messageBox);
