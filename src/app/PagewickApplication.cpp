#include "app/PagewickApplication.h"

#include "core/ErrorReport.h"
#include "core/Prompter.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>
#include <exception>

void PagewickApplication::prepare()
{
    QCoreApplication::setApplicationName(QStringLiteral("Pagewick"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PAGEWICK_RELEASE));
}

PagewickApplication::PagewickApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_endProcess([] { std::_Exit(EXIT_FAILURE); })
{
    installDanishTranslations();
    // The installed desktop entry and icon share this name; the compiled-in
    // drawing serves a program run from where it was built.
    setDesktopFileName(QStringLiteral("pagewick"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("pagewick"), QIcon(QStringLiteral(":/icons/pagewick.svg"))));
}

void PagewickApplication::installDanishTranslations()
{
    auto *translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Danish, QLocale::Denmark), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}

bool PagewickApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        report(QString::fromUtf8(error.what()));
    } catch (...) {
        report(QStringLiteral("Ukendt fejl"));
    }
    return false;
}

void PagewickApplication::report(const QString &errorText)
{
    if (!m_prompter || !reportUnhandledError(*m_prompter, errorText))
        m_endProcess(); // at once: no shutdown, nothing written
}
