#pragma once

// How the programs use memory.
namespace MemoryPolicy {

// How the allocator treats what a scan builds.
//
// Large blocks: a scan of a long source makes arrays of tens of megabytes and frees them when
// the next scan replaces them; left to itself, the C library hands such blocks back to the
// system and maps them anew each time, and the kernel zeroes every page again: on a million
// lines that was half of each scan. Kept in the heap instead, the next scan reuses them. The
// cost is that up to kKept bytes a closed large document used stay with the process.
//
// Small blocks: a scan makes hundreds of thousands of small strings and frees them together.
// The library's "fast bins" put off merging freed blocks until a large block is asked for,
// then merge them all at once, by then far out of the caches; without them each block is
// merged as it is freed, while it is still at hand. A scan of a million lines spent a tenth
// of its time in that late merging.
constexpr long kKept = 256L * 1024 * 1024;

// Call once at the start of main(); does nothing where the C library has no such settings.
void tuneAllocator();

// How many items ahead a loop over a list of separately allocated items asks for the next
// ones: enough loads under way to hide the wait for memory.
constexpr int kAhead = 16;

// Asks the processor to start loading the memory at `address` now, for such a loop, which
// will read it kAhead items later: the items' loads then overlap instead of each waiting in
// turn, which on lists far larger than the caches is most of the time the loop takes. Does
// nothing where the compiler has no way to ask.
inline void prefetch(const void *address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

} // namespace MemoryPolicy
