#ifndef QERIX_DRIVER_RELATION_LOADER_H
#define QERIX_DRIVER_RELATION_LOADER_H

#include <memory>
#include <string>
#include <string_view>

#include "model/relation.h"

namespace qerix {

class LineReader;

// What the input file holds: the query line and the relations.
struct LoadedInput {
  std::string_view query;  // empty when the file has no non-empty line
  RelationList relations;
};

// Reads the query line and then every relation from the reader: a header
// line, its record lines up to the next empty line, empty lines between
// relations. Record values are views into `text`, which the relations keep
// alive; the reader must read from that same text.
LoadedInput loadInput(LineReader& reader, const std::shared_ptr<const std::string>& text);

// Name and attributes from a header line such as "Emp(name string, age int)".
void readHeader(std::string_view line, Relation& relation);

// One record line into the relation; more values than the relation has
// attributes end the run with the setValue message.
void readRecord(std::string_view line, Relation& relation);

}  // namespace qerix

#endif  // QERIX_DRIVER_RELATION_LOADER_H
