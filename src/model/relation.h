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

class RecordSource;
class RecordStream;
class TextArena;

// A named table: its attributes and its records, in order. Records are held
// as texts (see record_values.h) whose bytes belong to an operator's arena or
// the input text; the relation keeps those owners alive, so records can be
// shared between relations without copying a byte.
//
// A relation loaded from the input file may leave its records there (a
// RecordSource) until something needs them in memory: RecordScanner reads
// them in order either way.
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
  void readDecimalTypes() { attributes.readDecimalTypes(); }
  int getAttributeCount() const { return attributes.getAttributeCount(); }
  std::string_view getAttributeName(int position) const { return attributes.getAttributeName(position); }
  std::string_view getAttributeType(int position) const { return attributes.getAttributeType(position); }
  int getAttributeIndex(std::string_view attributeName) const { return attributes.getAttributeIndex(attributeName); }
  void setAttributeName(int position, std::string_view newName) { attributes.setAttributeName(position, newName); }
  // Every attribute came from `origin` from now on: a loaded relation, a
  // rename or a named result; "" leaves them without one.
  void setOrigin(std::string_view origin) { attributes.setOrigin(origin); }

  std::size_t getRecordCount() const;
  bool isEmpty() const { return getRecordCount() == 0; }

  // The records stay in their source until they are brought into memory
  // (see exec/pieces/record_pieces.h); RecordScanner reads them either way.
  void setRecordSource(std::shared_ptr<const RecordSource> recordSource);
  const std::shared_ptr<const RecordSource>& getRecordSource() const { return source; }
  // The records are in memory from now on: the caller appends them.
  void forgetRecordSource() { source.reset(); }
  bool isInMemory() const { return !source; }
  // Whether both relations' records are still in one and the same source.
  bool sharesSourceWith(const Relation& other) const { return source && source == other.source; }

  // These require the records in memory.
  Record getRecord(std::size_t index) const { return Record(*this, recordTexts()[index]); }
  const std::vector<std::string_view>& getRecordTexts() const { return recordTexts(); }
  // The record texts to reorder or append to; copies that share them keep theirs.
  std::vector<std::string_view>& changeRecordTexts();

  // Appends a record text of exactly getAttributeCount() values whose bytes
  // one of this relation's text owners (keepTextAlive) holds.
  void appendRecordText(std::string_view values);
  // The same for many texts at once.
  void appendRecordTexts(std::vector<std::string_view> texts);
  // Appends a record text of exactly getAttributeCount() values, copying its bytes.
  void appendNewRecord(std::string_view values);
  // Appends a record holding the source's values by position: field k gets
  // the source's field k, and fields the source lacks stay empty. A source
  // with more values than this relation has attributes ends the run with the
  // setValue message.
  void appendCopy(const Record& source);
  void keepTextAlive(std::shared_ptr<const void> owner);
  // Keeps alive whatever holds the bytes of `other`'s records in memory.
  void shareTextOf(const Relation& other);
  void reserveRecords(std::size_t count);

  // The result format: a header with the attributes ordered by name, then a
  // line per record, its values in the header's order. With `extended` (-x)
  // values are written as model/null_value.h says: a null as \N.
  void printTo(std::ostream& out, bool extended = false) const;

 private:
  friend class RecordScanner;

  const std::vector<std::string_view>& recordTexts() const;
  TextArena& arena();

  AttributeList attributes;
  std::string name;
  std::shared_ptr<std::vector<std::string_view>> records;  // shared with copies until changed
  std::vector<std::shared_ptr<const void>> textOwners;
  std::shared_ptr<TextArena> ownText;          // created with the first record built here
  std::shared_ptr<const RecordSource> source;  // set while the records are not in memory
};

// Reads a relation's records in order, from memory or from their source.
class RecordScanner {
 public:
  explicit RecordScanner(const Relation& relation);
  RecordScanner(const RecordScanner&) = delete;
  RecordScanner& operator=(const RecordScanner&) = delete;
  ~RecordScanner();

  bool next();  // moves to the next record; false after the last
  // The record just moved to; its text stays valid until the next move.
  Record getCurrent() const { return Record(relation, values); }

 private:
  const Relation& relation;
  std::unique_ptr<RecordStream> stream;  // while the records are in their source
  std::size_t nextIndex = 0;
  std::string_view values;
};

// The relations loaded from the input file, in file order.
// The attribute positions in the order a result prints them: by name, and
// stable, so equal names keep their order and each position still shows its
// own type and value.
std::vector<int> positionsByName(const AttributeList& attributes);

using RelationList = std::vector<std::unique_ptr<Relation>>;

}  // namespace qerix

#endif  // QERIX_MODEL_RELATION_H
