// Record streams merged back into one order: list order, by the records'
// indexes, or the order of a sort. The pieces of a comparison too large for
// memory come back this way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "cli/ChunkStore.h"

namespace quorvex::cli {

using RecordOrder = bool (*)(const Record& a, const Record& b);
bool ByIndex(const Record& a, const Record& b);
// As CompareLists sorts, ties by bytes.
bool ByText(const Record& a, const Record& b);

// Streams of records, each in `less`'s order, merged into that order;
// `take` takes each record.
void MergeGroup(std::vector<Stream> group, RecordOrder less, ChunkPool& pool,
                const std::function<void(const Record&)>& take);

// Too many streams to read at once in the memory are merged a group at a
// time into longer ones, until `fanIn` are left. Indexes are kept where
// they give the order; sorted records are numbered anew.
std::vector<Stream> Fewer(std::vector<Stream> streams, RecordOrder less, std::size_t fanIn, ChunkPool& pool);

// The kept items of streams in list order, in runs sorted as CompareLists
// sorts, each run as large as `memory` holds.
std::vector<Stream> SortedRuns(std::vector<Stream>& streams, std::uint64_t memory, ChunkPool& pool);

// Records of streams in list order (`records` of them, with indexes below
// `indexes`), merged into list order a window of indexes at a time: each
// stream is read up to the window's end and its records put in their
// places, so that no record is compared with another.
void MergeByIndex(std::vector<Stream> streams, std::uint64_t indexes, std::uint64_t records, std::uint64_t memory,
                  ChunkPool& pool, const std::function<void(const Record&)>& emit);

}  // namespace quorvex::cli
