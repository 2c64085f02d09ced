#pragma once

#include <QString>

class Prompter;

enum class TargetFolderPurpose { Move, Copy };

// Asks for the folder that the selected files are to be moved or copied to,
// starting at startFolder. The folder ends in "/"; empty when cancelled.
QString chooseTargetFolder(Prompter &prompter, TargetFolderPurpose purpose, const QString &startFolder);
