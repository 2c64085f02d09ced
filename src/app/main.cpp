#include "app/PagewickApplication.h"
#include "app/QtPrompter.h"
#include "app/SingleInstance.h"
#include "app/StartupProbe.h"
#include "app/TfrmPW4.h"
#include "app/TfrmSplash.h"
#include "core/AppFolders.h"
#include "core/SettingsStore.h"

#include <QFileInfo>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    PagewickApplication::prepare();
    PagewickApplication app(argc, argv);

    QStringList paths;
    for (const QString &argument : app.arguments().mid(1))
        paths.append(QFileInfo(argument).absoluteFilePath());
    const QString fileList = FileListMessage::textFor(paths);

    const QString settingsPath = SettingsStore::defaultPath();
    SingleInstance instance(settingsPath);
    try {
        if (instance.claim(fileList) == SingleInstance::Role::HandedOver)
            return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pagewick: %s\n", error.what());
        return 1;
    }

    SettingsStore settings(settingsPath);
    QtPrompter prompter;
    app.setErrorPrompter(&prompter);

    auto *splash = new TfrmSplash;
    splash->show();
    splash->repaint();

    TfrmPW4 window({settings, prompter, AppFolders::programFolder(), AppFolders::defaultUserDataFolder()});
    window.setSplash(splash);
    window.setCommandLineFiles(fileList);
    QObject::connect(&instance, &SingleInstance::filesHandedOver, &window, &TfrmPW4::receiveHandOver);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &instance, &SingleInstance::stopListening);
    instance.startDelivering();
    installStartupProbe(window);
    window.showAsStored();
    return app.exec();
}
