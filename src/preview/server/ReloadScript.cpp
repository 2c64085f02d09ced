#include "preview/server/ReloadScript.h"

namespace {

// Plain ES5 without "<" or "&", so that it stands in XHTML pages as well.
constexpr char Script[] = R"(<script>
(function () {
  var key = "pagewick-scroll:" + location.pathname;
  var saved = sessionStorage.getItem(key);
  if (saved) {
    sessionStorage.removeItem(key);
    var at = JSON.parse(saved);
    addEventListener("load", function () { scrollTo(at[0], at[1]); });
  }
  var socket = new WebSocket("ws://" + location.host + "%1");
  socket.onmessage = function () {
    sessionStorage.setItem(key, JSON.stringify([scrollX, scrollY]));
    location.reload();
  };
})();
</script>
)";

} // namespace

QByteArray withReloadScript(const QByteArray &page)
{
    const QByteArray script = QByteArray(Script).replace("%1", ReloadSocketPath);
    const qsizetype bodyEnd = page.toLower().lastIndexOf("</body");
    if (bodyEnd < 0)
        return page + script;
    return page.left(bodyEnd) + script + page.mid(bodyEnd);
}
