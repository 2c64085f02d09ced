#include "preview/server/ReloadScript.h"

#include <algorithm>

namespace {

// Plain ES5 without "<" or "&", so that it stands in XHTML pages as well. A
// reload keeps the reader's scroll position: browsers restore it themselves.
constexpr char Script[] = R"(<script>
(function () {
  var socket = new WebSocket("ws://" + location.host + "%1");
  socket.onmessage = function () { location.reload(); };
})();
</script>
)";

// Where the last closing body tag starts, in any case of letters; -1 when there is none.
qsizetype lastBodyEnd(const QByteArray &page)
{
    constexpr char Tag[] = "</body";
    constexpr qsizetype TagLength = sizeof Tag - 1;
    for (qsizetype at = page.lastIndexOf("</"); at >= 0; at = at > 0 ? page.lastIndexOf("</", at - 1) : -1) {
        if (qstrnicmp(page.constData() + at, std::min(TagLength, page.size() - at), Tag, TagLength) == 0)
            return at;
    }
    return -1;
}

} // namespace

QByteArray withReloadScript(const QByteArray &page)
{
    static const QByteArray script = QByteArray(Script).replace("%1", ReloadSocketPath);
    const qsizetype bodyEnd = lastBodyEnd(page);
    if (bodyEnd < 0)
        return page + script;
    return page.left(bodyEnd) + script + page.mid(bodyEnd);
}
