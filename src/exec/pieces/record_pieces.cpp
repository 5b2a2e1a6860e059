#include "exec/pieces/record_pieces.h"

#include "model/record_source.h"
#include "model/text_arena.h"

namespace qerix {

std::vector<std::unique_ptr<Relation>> piecesOf(const Relation& relation) {
  std::vector<std::unique_ptr<Relation>> pieces;
  const std::size_t count = Scheduler::pieceCount();
  if (relation.isInMemory() || count < 2 || relation.getRecordCount() < tuning::parallelFrom) return pieces;
  for (std::shared_ptr<const RecordSource>& part : relation.getRecordSource()->split(count)) {
    pieces.push_back(std::make_unique<Relation>(relation.getAttributes()));
    pieces.back()->setRecordSource(std::move(part));
  }
  return pieces;
}

namespace {

// Copies the records into `arena`, appending their texts to `texts`.
void copyRecords(const Relation& records, TextArena& arena, std::vector<std::string_view>& texts) {
  for (RecordScanner scanner(records); scanner.next();) texts.push_back(arena.store(scanner.getCurrent().getValues()));
}

}  // namespace

void materialize(Relation& relation) {
  if (relation.isInMemory()) return;
  std::vector<std::string_view> inMemory;
  std::shared_ptr<const void> owner;
  if (relation.getRecordSource()->appendTextsInMemory(inMemory, owner)) {
    relation.forgetRecordSource();
    relation.changeRecordTexts() = std::move(inMemory);
    relation.keepTextAlive(std::move(owner));
    return;
  }
  const std::size_t count = relation.getRecordCount();
  const std::vector<std::unique_ptr<Relation>> pieces = piecesOf(relation);
  const Relation unread(relation);  // keeps the records' source while they are read
  relation.forgetRecordSource();
  std::vector<std::string_view>& texts = relation.changeRecordTexts();
  texts.reserve(count);
  if (pieces.empty()) {
    auto arena = std::make_shared<TextArena>();
    copyRecords(unread, *arena, texts);
    relation.keepTextAlive(std::move(arena));
    return;
  }
  // The first piece goes straight to the relation; the others join it after.
  std::vector<std::shared_ptr<TextArena>> arenas(pieces.size());
  std::vector<std::vector<std::string_view>> later(pieces.size());
  Scheduler::forEachPiece(pieces.size(), [&](std::size_t piece) {
    arenas[piece] = std::make_shared<TextArena>();
    std::vector<std::string_view>& target = piece == 0 ? texts : later[piece];
    if (piece > 0) target.reserve(pieces[piece]->getRecordCount());
    copyRecords(*pieces[piece], *arenas[piece], target);
  });
  for (std::size_t piece = 1; piece < pieces.size(); ++piece)
    texts.insert(texts.end(), later[piece].begin(), later[piece].end());
  for (auto& arena : arenas) relation.keepTextAlive(std::move(arena));
}

}  // namespace qerix
