#pragma once

#include "dialogs/element/ElementReading.h"

// How the form dialog starts on an edited form, input, textarea or select
// element.
struct FormElementStart
{
    // The form dialog's element kinds: 0 form, 1-12 the input types in the
    // order of inputTypeKind, 13 an input of another type.
    static constexpr int Form = 0;
    static constexpr int TextArea = 4;
    static constexpr int Select = 7;
    static constexpr int UnknownInput = 13;

    int kind = Form;
    QString caption; // "Tekstfelt - redigering"; empty for an unknown input type
    QString name;
    QString method;
    QString action;
    QString encoding;
    QString value;
    QString size; // also the textarea's rows and the select's height
    QString maxLength; // also the textarea's columns
    QString file;
    bool disabled = false;
    bool readOnly = false;
    bool checked = false;
    bool multiple = false;
    bool wrap = true;
};

// The input kind (1-12) of a type attribute's value, compared without regard
// to case; no type counts as text, a type not in the list gives 13.
int inputTypeKind(const QString &type);

// The form dialog's start from a prepared element (index 16-19). The flags
// are read from the tag itself and taken out of the remainder, so that they
// are neither lost nor written twice.
FormElementStart formElementStart(int index, ElementReading &reading);
