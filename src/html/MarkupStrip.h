#pragma once

#include <QString>

// The text with its markup removed ("Slet alle HTML-koder"): first the
// comments, then everything from a "<" through the next ">", then the empty
// lines. Removal goes from the start of the text and stops for good where a
// closing mark comes before the next opening one, so a ">" written in the text
// ahead of the first tag leaves every tag in place. Only deletes, never adds,
// and a text handed over (moved in) is stripped in its own memory.
QString StripMarkup(QString text);
