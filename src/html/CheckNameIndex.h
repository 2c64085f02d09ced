#pragma once

// The listed names of the HTML check, written once over the character type: UTF-16
// units for the editor's text and single bytes for a file's bytes. They only
// ever compare characters with ASCII ones, so both give the same report on
// the same text. Only the check itself includes them.

#include "html/CharacterMasks.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace HtmlCheckParts {

template <typename Char> using View = std::basic_string_view<Char>;

using CharacterMasks::AnyOf;
using CharacterMasks::BlockSize;

constexpr std::size_t None = std::size_t(-1);

template <typename Char> Char lowerAscii(Char c)
{
    return (c >= Char('A') && c <= Char('Z')) ? Char(c + 32) : c;
}

// The plain names of the check list, ready to be found at a place of a text
// in any case of A-Z.
template <typename Char> struct NameIndex
{
    // Names are looked up by their first character (7 bits) and their length
    // (up to 16, longer ones with those of 16), which leaves one or two to compare.
    static constexpr std::size_t Lengths = 17;
    static std::size_t bucketOf(Char first, std::size_t length)
    {
        return (std::size_t(first) & 0x7F) * Lengths + std::min(length, Lengths - 1);
    }

    std::vector<std::basic_string<Char>> plainNames; // each plain name once
    std::array<bool, 128> plainFirsts{}; // the first characters of the plain names (7 bits)
    std::vector<std::size_t> plainByBucket; // places in plainNames, bucket by bucket
    std::vector<std::size_t> bucketStarts; // where each bucket starts in plainByBucket
    std::size_t longest = 0; // the longest plain name
    std::vector<std::array<std::basic_string<Char>, 3>> tags; // per list entry: "<name>", "<name " and "</name>"
#ifdef __SSE2__
    // ASCII names shorter than sixteen are compared sixteen characters at
    // once: per place in plainByBucket, the name's bytes, zero after its end.
    struct alignas(16) PaddedName
    {
        std::array<char, 16> bytes{};
    };
    std::vector<PaddedName> paddedByBucket;
#endif

    void addPlainName(std::basic_string<Char> name)
    {
        plainFirsts[std::size_t(name.front()) & 0x7F] = true;
        longest = std::max(longest, name.size());
        plainNames.push_back(std::move(name));
    }

    // Sorts the names into their buckets, once all are added.
    void fillBuckets()
    {
        bucketStarts.assign(128 * Lengths + 1, 0);
        for (const std::basic_string<Char> &name : plainNames)
            ++bucketStarts[bucketOf(name.front(), name.size()) + 1];
        for (std::size_t bucket = 1; bucket < bucketStarts.size(); ++bucket)
            bucketStarts[bucket] += bucketStarts[bucket - 1];
        plainByBucket.resize(plainNames.size());
        std::vector<std::size_t> next(bucketStarts.begin(), bucketStarts.end() - 1);
        for (std::size_t name = 0; name < plainNames.size(); ++name)
            plainByBucket[next[bucketOf(plainNames[name].front(), plainNames[name].size())]++] = name;
#ifdef __SSE2__
        const bool ascii = std::all_of(plainNames.begin(), plainNames.end(), [](const std::basic_string<Char> &name) {
            return std::all_of(name.begin(), name.end(), [](Char c) { return c < 0x80; });
        });
        if (longest < 16 && ascii) {
            for (std::size_t name : plainByBucket) {
                PaddedName &padded = paddedByBucket.emplace_back();
                std::copy(plainNames[name].begin(), plainNames[name].end(), padded.bytes.begin());
            }
        }
#endif
    }

    // The plain name that stands from `from` up to the next blank or ">", in
    // any case of A-Z, as its place in plainNames, with the place of that
    // mark; None when there is none.
    std::pair<std::size_t, std::size_t> plainNameAt(View<Char> text, std::size_t from) const
    {
        if (from >= text.size())
            return {None, None};
        const Char first = lowerAscii(text[from]);
        if (!plainFirsts[std::size_t(first) & 0x7F])
            return {None, None};
#ifdef __SSE2__
        if (!paddedByBucket.empty() && text.size() - from >= 16)
            return shortNameAt(text.data() + from, from, first);
#endif
        const std::size_t end = nameEnd(text, from);
        if (end == text.size() || end - from > longest)
            return {None, None};
        const std::size_t bucket = bucketOf(first, end - from);
        for (std::size_t k = bucketStarts[bucket]; k < bucketStarts[bucket + 1]; ++k) {
            if (sameName(plainNames[plainByBucket[k]], text.data() + from, end - from))
                return {plainByBucket[k], end};
        }
        return {None, None};
    }

    // The place of the first blank or ">" from `from`, or any place beyond
    // the longest name when there is none so near, or the end of the text.
    std::size_t nameEnd(View<Char> text, std::size_t from) const
    {
        static constexpr std::array<AnyOf<Char, 2>, 1> Marks = {{{' ', '>'}}};
        if (longest < 16) {
            const std::size_t length = std::min<std::size_t>(16, text.size() - from);
            const unsigned marks = CharacterMasks::ofSixteen(text.data() + from, length, Marks)[0];
            return marks ? from + std::size_t(std::countr_zero(marks)) : from + length;
        }
        const std::size_t limit = std::min(text.size(), from + longest + 1);
        std::size_t end = from;
        while (end < limit && text[end] != Char(' ') && text[end] != Char('>'))
            ++end;
        return end;
    }

#ifdef __SSE2__
    // plainNameAt when all names are shorter than sixteen and sixteen
    // characters stand at `at`: they are read at once, and lower-cased and
    // cut after the name at once, to compare with a padded name at once.
    std::pair<std::size_t, std::size_t> shortNameAt(const Char *at, std::size_t from, Char first) const
    {
        const __m128i chars = bytesOfSixteen(at);
        const unsigned marks = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(chars, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(chars, _mm_set1_epi8('>')))));
        const std::size_t length = std::size_t(std::countr_zero(marks | 0x10000u));
        if (length > longest)
            return {None, None};
        // A-Z moved to -128..-103 are the only bytes below -102.
        const __m128i upper = _mm_cmplt_epi8(_mm_sub_epi8(chars, _mm_set1_epi8(char('A' + 0x80))),
                                             _mm_set1_epi8(char(-128 + 26)));
        const __m128i lowered = _mm_or_si128(chars, _mm_and_si128(upper, _mm_set1_epi8(0x20)));
        const __m128i inName = _mm_cmpgt_epi8(_mm_set1_epi8(char(length)),
                                              _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
        const __m128i name = _mm_and_si128(lowered, inName);
        const std::size_t bucket = bucketOf(first, length);
        for (std::size_t k = bucketStarts[bucket]; k < bucketStarts[bucket + 1]; ++k) {
            const __m128i padded = _mm_load_si128(reinterpret_cast<const __m128i *>(paddedByBucket[k].bytes.data()));
            if (_mm_movemask_epi8(_mm_cmpeq_epi8(name, padded)) == 0xFFFF)
                return {plainByBucket[k], from + length};
        }
        return {None, None};
    }

    // Sixteen characters as bytes: a unit of UTF-16 beyond one byte becomes
    // 0 or 255, which no name holds.
    static __m128i bytesOfSixteen(const Char *at)
    {
        if constexpr (sizeof(Char) == 1)
            return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
        else
            return _mm_packus_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(at)),
                                    _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + 8)));
    }
#endif

    static bool sameName(const std::basic_string<Char> &name, const Char *at, std::size_t length)
    {
        if (name.size() != length)
            return false;
        for (std::size_t k = 0; k < length; ++k) {
            if (name[k] != lowerAscii(at[k]))
                return false;
        }
        return true;
    }
};

} // namespace HtmlCheckParts
