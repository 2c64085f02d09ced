#include "editing/WheelScrolling.h"

#include "editor/TLEdit.h"

#include <QWheelEvent>

namespace {

constexpr int LinesPerNotch = 3;
constexpr int Notch = 120;

} // namespace

bool WheelScrolling::scroll(TLEdit &editor, const QWheelEvent &wheel)
{
    if (!editor.hasFocus() || wheel.angleDelta().y() == 0)
        return false;
    m_rest += wheel.angleDelta().y();
    const int notches = m_rest / Notch;
    m_rest -= notches * Notch;
    // A forward turn shows earlier lines.
    editor.SendScintilla(QsciScintillaBase::SCI_LINESCROLL, 0UL, -static_cast<long>(notches) * LinesPerNotch);
    return true;
}
