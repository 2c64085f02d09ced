#include "core/ErrorReport.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"

bool reportUnhandledError(Prompter &prompter, const QString &errorText)
{
    Prompter::Message m;
    m.caption = QStringLiteral("Programfejl");
    m.text = QStringLiteral("%1 er blevet ramt af en fejl.\r\n\r\nFejlmeddelelse: %2\r\n\r\n"
                            "Hvis fejlen bliver ved, når du vælger OK, så vælg Annuller for at afslutte %3.")
                 .arg(Product::Caption, errorText, Product::Caption);
    m.icon = Prompter::Icon::Stop;
    m.buttons = Prompter::Ok | Prompter::Cancel;
    return prompter.message(m) == Prompter::Ok;
}
