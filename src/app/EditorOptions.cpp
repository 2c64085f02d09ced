#include "app/EditorOptions.h"

#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"

EditorOptions EditorOptions::read(const SettingsStore &store)
{
    const EditorOptions d;
    EditorOptions o;
    const QString &section = Keys::Indstillinger;
    o.tabSize = store.readInt(section, QStringLiteral("Tabulator"), d.tabSize);
    o.autoIndent = store.readBool(section, QStringLiteral("AutoIndryk"), d.autoIndent);
    o.wordWrap = store.readBool(section, QStringLiteral("Ombrydning"), d.wordWrap);
    o.fontName = store.readText(section, QStringLiteral("Font"), d.fontName);
    o.fontSize = store.readInt(section, QStringLiteral("FontSize"), d.fontSize);
    o.fontStyle = store.readText(section, QStringLiteral("FontStyle"), d.fontStyle);
    return o;
}
