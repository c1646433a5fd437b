// The maker's web pages, in one place: "Visit Our Website" opens the home page, Skin Select's
// "Download more SKINS" the converter page, where more skins and kits are offered.
#pragma once

namespace WebAddresses {
inline constexpr const char* kHomePage = "https://www.tavrimel.example/";
inline constexpr const char* kConverterPage = "https://www.tavrimel.example/convert.html";
}  // namespace WebAddresses
