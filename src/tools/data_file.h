#ifndef QERIX_TOOLS_DATA_FILE_H
#define QERIX_TOOLS_DATA_FILE_H

#include <string_view>

#include "driver/relation_loader.h"
#include "query/expression_parser.h"

namespace qerix {

// The query line and relations of a model or data file, read without echo.
// Every fault names the file: one that cannot be opened or read ends the run
// with "Nem olvashato a file: " and its name, one whose relations are
// malformed with the loader's message after the file's name, so that a
// teacher with several data files knows which one to mend.
LoadedInput loadDataFile(std::string_view path, QueryLanguage language);

}  // namespace qerix

#endif  // QERIX_TOOLS_DATA_FILE_H
