#pragma once

#include "dialogs/element/CommonFields.h"

#include <utility>

// The alignment panel of div, span, p and h1-h6.
struct AlignmentValues
{
    // The items of "&Tekstjustering:".
    enum class Alignment { None, Left, Center, Right, Justify };

    QString element; // div, span, p or h1-h6
    Alignment alignment = Alignment::None;
    QString content; // written with its end tag when there is any

    // The element of the panel's kind, no alignment.
    static AlignmentValues forKind(int kind);
    static AlignmentValues fromEdit(int kind, ElementEdit &edit);
};

// The opening text and the end tag: a new element wraps the selection in
// them; an edited one puts the opening text in place of its start tag.
std::pair<QString, QString> buildAlignment(const AlignmentValues &values, const CommonFields &common);
