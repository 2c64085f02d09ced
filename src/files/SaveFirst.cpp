#include "files/SaveFirst.h"

#include "core/Prompter.h"

bool EnsureSavedForRelativePath(const QString &caption, const std::function<bool()> &hasFileName,
                                const std::function<void()> &save, Prompter &prompter)
{
    if (hasFileName())
        return true;
    const Prompter::Button answer = prompter.message(
        {caption,
         QStringLiteral("Du bør gemme dokumentet, så Pagewick kan indsætte en korrekt relativ sti. "
                        "Ønsker du at gemme dokumentet nu?"),
         Prompter::Icon::Question, Prompter::Yes | Prompter::No});
    if (answer == Prompter::Yes)
        save();
    return hasFileName();
}
