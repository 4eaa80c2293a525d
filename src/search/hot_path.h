// Attributes for the search's inner loops, which count bits a great deal.
//
// The project is built for every x86-64 processor, where counting bits is a
// library call; a function marked TREVOSK_COUNTS_BITS is compiled twice, once
// for the popcnt instruction, and the loader picks the copy the processor
// can run. Helpers marked TREVOSK_INLINE are inlined into each copy.
#pragma once

#if defined(__x86_64__) && !defined(__clang__)
#define TREVOSK_COUNTS_BITS __attribute__((target_clones("popcnt", "default")))
#else
#define TREVOSK_COUNTS_BITS
#endif
#define TREVOSK_INLINE __attribute__((always_inline)) inline
