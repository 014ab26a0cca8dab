#include "core/vector_state.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VORLEX_X86_AVX_CHECK 1
#endif

namespace vor {

#ifdef VORLEX_X86_AVX_CHECK
namespace {

// Compiled for AVX on its own, so the rest of the program stays plain SSE
// and runs on any x86-64; only called where the CPU has AVX.
__attribute__((target("avx"))) void zeroUpper() {
    _mm256_zeroupper();
}

}  // namespace

void clearUpperVectorState() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) zeroUpper();
}
#else
void clearUpperVectorState() {}
#endif

}  // namespace vor
