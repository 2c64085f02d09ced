#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// A scan that stops at a few ASCII characters finds all of them in a block of
// text at once: one bit per character for each group of characters wanted,
// sixteen characters to a comparison where the processor has vector
// instructions.
namespace CharacterMasks {

inline constexpr std::size_t BlockSize = 64;

// The characters of one mask: a place counts when it holds any of them.
template <typename Char, std::size_t N> using AnyOf = std::array<Char, N>;

template <typename Char, std::size_t N> bool isAnyOf(Char c, const AnyOf<Char, N> &group)
{
    return std::find(group.begin(), group.end(), c) != group.end();
}

#ifdef __SSE2__
template <std::size_t K, std::size_t N>
std::array<unsigned, K> sixteen(const char8_t *p, const std::array<AnyOf<char8_t, N>, K> &groups)
{
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    std::array<unsigned, K> bits;
    for (std::size_t k = 0; k < K; ++k) {
        __m128i any = _mm_cmpeq_epi8(block, _mm_set1_epi8(char(groups[k][0])));
        for (std::size_t c = 1; c < N; ++c)
            any = _mm_or_si128(any, _mm_cmpeq_epi8(block, _mm_set1_epi8(char(groups[k][c]))));
        bits[k] = unsigned(_mm_movemask_epi8(any));
    }
    return bits;
}

template <std::size_t K, std::size_t N>
std::array<unsigned, K> sixteen(const char16_t *p, const std::array<AnyOf<char16_t, N>, K> &groups)
{
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 8));
    std::array<unsigned, K> bits;
    for (std::size_t k = 0; k < K; ++k) {
        const auto anyIn = [&groups, k](__m128i units) {
            __m128i any = _mm_cmpeq_epi16(units, _mm_set1_epi16(short(groups[k][0])));
            for (std::size_t c = 1; c < N; ++c)
                any = _mm_or_si128(any, _mm_cmpeq_epi16(units, _mm_set1_epi16(short(groups[k][c]))));
            return any;
        };
        // Each unit's all-ones or zero narrows to one byte: one bit per unit.
        bits[k] = unsigned(_mm_movemask_epi8(_mm_packs_epi16(anyIn(low), anyIn(high))));
    }
    return bits;
}
#endif

// For each group of wanted characters, bit i is set when p[i] is one of
// them, for i below n (at most BlockSize).
template <typename Char, std::size_t K, std::size_t N>
std::array<std::uint64_t, K> of(const Char *p, std::size_t n, const std::array<AnyOf<Char, N>, K> &groups)
{
    std::array<std::uint64_t, K> masks{};
#ifdef __SSE2__
    if (n == BlockSize) {
        for (std::size_t part = 0; part < BlockSize / 16; ++part) {
            const std::array<unsigned, K> bits = sixteen(p + 16 * part, groups);
            for (std::size_t k = 0; k < K; ++k)
                masks[k] |= std::uint64_t(bits[k]) << (16 * part);
        }
        return masks;
    }
#endif
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k < K; ++k)
            masks[k] |= std::uint64_t(isAnyOf(p[i], groups[k])) << i;
    }
    return masks;
}

// For each group of wanted characters, bit i is set when p[i] is one of
// them, for i below n (at most 16).
template <typename Char, std::size_t K, std::size_t N>
std::array<unsigned, K> ofSixteen(const Char *p, std::size_t n, const std::array<AnyOf<Char, N>, K> &groups)
{
#ifdef __SSE2__
    if (n == 16)
        return sixteen(p, groups);
#endif
    std::array<unsigned, K> bits{};
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k < K; ++k)
            bits[k] |= unsigned(isAnyOf(p[i], groups[k])) << i;
    }
    return bits;
}

// The number of bits set, without a library call where the processor has no
// instruction for it.
inline unsigned count(std::uint64_t bits)
{
#ifdef __POPCNT__
    return unsigned(std::popcount(bits));
#else
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return unsigned((bits * 0x0101010101010101u) >> 56);
#endif
}

// Bits below `bit`.
inline std::uint64_t below(unsigned bit)
{
    return (std::uint64_t(1) << bit) - 1;
}

} // namespace CharacterMasks
