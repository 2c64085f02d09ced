#pragma once

#include <QApplication>

#include <functional>

class Prompter;

// The application object: reports exceptions that escape any event handler
// and loads Qt's Danish texts.
class PagewickApplication : public QApplication
{
    Q_OBJECT

public:
    // Settings that must be made before the application object exists.
    static void prepare();

    PagewickApplication(int &argc, char **argv);

    void setErrorPrompter(Prompter *prompter) { m_prompter = prompter; }
    // How the process ends when the user gives up after an error; tests replace it.
    void setEndProcess(std::function<void()> endProcess) { m_endProcess = std::move(endProcess); }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void report(const QString &errorText);
    void installDanishTranslations();

    Prompter *m_prompter = nullptr;
    std::function<void()> m_endProcess;
};
