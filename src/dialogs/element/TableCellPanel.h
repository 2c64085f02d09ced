#pragma once

#include "dialogs/element/CommonFields.h"

// The table cell and row panels.
struct TableCellValues
{
    enum class Vertical { Top, Middle, Bottom };
    enum class Horizontal { Left, Center, Right };

    Vertical vertical = Vertical::Middle;
    Horizontal horizontal = Horizontal::Left;
    int rowSpan = 1;
    int columnSpan = 1;
    bool widthOn = false;
    int width = 25;
    bool widthPercent = true;
    bool heightOn = false;
    int height = 5;
    bool heightPercent = true;
    bool colourOn = false; // "&Farve"
    QString colour = QStringLiteral("#FFFFFF");

    // From an edited td (all fields) or tr (the two alignments).
    static TableCellValues fromEdit(ElementEdit &edit);
};

QString buildTableCell(const TableCellValues &values, const CommonFields &common);
QString buildTableRow(const TableCellValues &values, const CommonFields &common);
