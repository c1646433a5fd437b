// Every picture the generators make, as the bytes committed under the resources folder.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>

namespace PictureSet {

/**
 * "subzero.jpg", "glacier.jpg", "frost.jpg" (skins, shipped beside the program) and
 * "splash/banner.jpg" (built into the program), each encoded at one fixed quality; the Windows
 * program's icons "pictures/vestrix.ico" and "pictures/form1.ico".
 */
std::map<QString, QByteArray> generate();

/** Writes generate()'s files into folder, creating splash/; throws naming a failed file. */
void write(const QString& folder);

}  // namespace PictureSet
