#pragma once

#include "dialogs/element/CommonFields.h"

// The sound panel ("Lydfil:"), which writes an embed element; an edited
// bgsound element is rewritten as one.
struct SoundValues
{
    QString file;
    int width = 150;
    int height = 70;
    bool autostart = false;
    bool loop = false; // "&Kør i løkke"
    QString type = QStringLiteral("audio/midi");

    friend bool operator==(const SoundValues &, const SoundValues &) = default;

    // From an edited embed or bgsound element. A loop attribute left in the
    // remainder (bgsound has no slot for it) becomes the loop box, so that
    // the element does not get two.
    static SoundValues fromEdit(ElementEdit &edit);
};

// The embed element; `suffix` is what elements without an end tag end with.
QString buildSound(const SoundValues &values, const CommonFields &common, const QString &suffix);
