#ifndef QERIX_DRIVER_INPUT_FILE_H
#define QERIX_DRIVER_INPUT_FILE_H

#include <string>
#include <string_view>

namespace qerix {

// The whole input file, read in one go. Ends the run with "Nincs ilyen input
// file!" when the file cannot be opened or read (a folder, for instance).
std::string readInputFile(std::string_view path);

}  // namespace qerix

#endif  // QERIX_DRIVER_INPUT_FILE_H
