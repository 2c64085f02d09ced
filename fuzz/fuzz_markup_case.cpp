// The markup case conversion on any text: no crash, nothing but case changes
// without XHTML, nothing lost with it, and the same text as the plain version
// that searches again after every tag.
#include "FuzzText.h"
#include "html/AsciiText.h"
#include "html/MarkupCase.h"
#include "html/PlainConversions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzText input(data, size);
    const bool upper = input.options & 1;
    const bool xhtml = input.options & 2;
    const QString out = ConvertMarkupCase(input.text, upper, xhtml);
    if (xhtml)
        require(out.size() >= input.text.size());
    else
        require(AsciiText::lowered(out) == AsciiText::lowered(input.text));
    if (input.text.size() <= 512)
        require(out == Plain::markupCase(input.text, upper, xhtml));
    return 0;
}
