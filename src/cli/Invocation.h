#pragma once

#include "cli/FileArgument.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One run of pwtool as the command line asks for it.
struct Invocation
{
    QString command; // "check", "convert", "date", "links", "changed", "publish", "search", "replace"; empty with help
    QString mode; // convert: the conversion
    QStringList texts; // search: the find text; replace: the find text and its replacement
    QList<FileArgument> files;
    QString settingsFile; // --settings; empty for the user's own store
    bool help = false;
    bool toStdout = false; // convert --stdout
    bool insert = false; // date --insert
    bool ignoreCase = false; // search and replace -i
    bool wholeWord = false; // search -w
    bool backup = false; // replace --backup
    QString siteTitle; // changed and publish --site
    QString siteAddress; // changed and publish --to
    bool dryRun = false; // publish --dry-run
};

// The invocation, or nothing after the problem was told on standard error.
// The arguments are those decodeArguments gives.
std::optional<Invocation> parseInvocation(const QStringList &arguments);

// The Danish help text of --help.
QString helpText();
