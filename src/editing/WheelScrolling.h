#pragma once

class QWheelEvent;
class TLEdit;

// The mouse wheel in a focused editor scrolls three lines a notch and leaves
// the caret where it is; the rest of a notch is kept for the next turn.
class WheelScrolling
{
public:
    // True when the wheel was taken.
    bool scroll(TLEdit &editor, const QWheelEvent &wheel);

private:
    int m_rest = 0;
};
