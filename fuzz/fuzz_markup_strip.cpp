// "Slet alle HTML-koder" on any text: no crash, only deletions, and for texts
// with "\r\n" line breaks the same text as removing the first pair again and again.
#include "FuzzText.h"
#include "html/MarkupStrip.h"
#include "html/PlainConversions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzText input(data, size);
    if (input.options & 1) // lines ending in "\r\n" only
        input.text = input.text.remove(QLatin1Char('\r')).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QString out = StripMarkup(input.text);
    require(Plain::isSubsequence(out, input.text));
    if ((input.options & 1) && input.text.size() <= 1024)
        require(out == Plain::strip(input.text));
    return 0;
}
