#include "inspect/warning_text.h"

namespace qerix {

std::string warningText(Text id, std::initializer_list<std::string_view> parameters) {
  return std::string(textOf(Text::warningPrefix)) + textOf(id, parameters);
}

}  // namespace qerix
