#pragma once

#include "dialogs/element/CommonFields.h"

// The frameset panel: rows, columns, border and its thickness.
struct FramesetValues
{
    QString rows;
    QString columns;
    bool border = true; // "&Kant"
    int thickness = 0;

    static FramesetValues fromEdit(const ElementEdit &edit);

    // Of rows and columns, the one not in use is shown greyed: rows when
    // columns are given and rows are empty or "100%", else columns.
    bool rowsGreyed() const;
};

QString buildFrameset(const FramesetValues &values, const CommonFields &common);
