#ifndef QERIX_MODEL_RELATION_H
#define QERIX_MODEL_RELATION_H

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/attribute_list.h"
#include "model/record.h"

namespace qerix {

class TextArena;

// A named table: its attributes and its records, in order. Records are held
// as texts (see record_values.h) whose bytes belong to the input file or to
// an operator's arena; the relation keeps those owners alive, so records can
// be shared between relations without copying a byte.
class Relation {
 public:
  Relation();
  explicit Relation(AttributeList columns);
  // Shares the records with the source until one of the two changes them.
  Relation(const Relation& source);
  Relation& operator=(const Relation&) = delete;
  ~Relation();

  const std::string& getName() const { return name; }
  void setName(std::string_view newName) { name = newName; }

  const AttributeList& getAttributes() const { return attributes; }
  void addAttribute(std::string_view type, std::string_view name);
  void addAttributes(const AttributeList& list);
  int getAttributeCount() const { return attributes.getAttributeCount(); }
  std::string_view getAttributeName(int position) const { return attributes.getAttributeName(position); }
  std::string_view getAttributeType(int position) const { return attributes.getAttributeType(position); }
  int getAttributeIndex(std::string_view attributeName) const { return attributes.getAttributeIndex(attributeName); }
  void setAttributeName(int position, std::string_view newName) { attributes.setAttributeName(position, newName); }

  std::size_t getRecordCount() const { return records->size(); }
  bool isEmpty() const { return records->empty(); }
  Record getRecord(std::size_t index) const { return Record(*this, (*records)[index]); }
  const std::vector<std::string_view>& getRecordTexts() const { return *records; }

  // Appends a record text of exactly getAttributeCount() values whose bytes
  // one of this relation's text owners (keepTextAlive) holds.
  void appendRecordText(std::string_view values);
  // Appends a record text of exactly getAttributeCount() values, copying its bytes.
  void appendNewRecord(std::string_view values);
  // Appends a record holding the source's values by position: field k gets
  // the source's field k, and fields the source lacks stay empty. A source
  // with more values than this relation has attributes ends the run with the
  // setValue message.
  void appendCopy(const Record& source);
  void keepTextAlive(std::shared_ptr<const void> owner);
  void reserveRecords(std::size_t count);

  // The cursor: first(), then while !isEnd(): getCurrent(), next().
  void first() { cursor = 0; }
  void next() { ++cursor; }
  bool isEnd() const { return cursor >= records->size(); }
  Record getCurrent() const { return getRecord(cursor); }  // requires !isEnd()

  // Ascending record order, stable; the cursor goes to the first record.
  void sortRecords();

  // The result format: a header with the attributes ordered by name, then a
  // line per record, its values in the header's order.
  void printTo(std::ostream& out) const;

 private:
  std::vector<std::string_view>& recordsToChange();
  void shareTextOf(const Relation& source);

  AttributeList attributes;
  std::string name;
  std::shared_ptr<std::vector<std::string_view>> records;  // shared with copies until changed
  std::vector<std::shared_ptr<const void>> textOwners;
  std::shared_ptr<TextArena> ownText;  // created with the first record built here
  std::size_t cursor = 0;
};

// The relations loaded from the input file, in file order.
using RelationList = std::vector<std::unique_ptr<Relation>>;

}  // namespace qerix

#endif  // QERIX_MODEL_RELATION_H
