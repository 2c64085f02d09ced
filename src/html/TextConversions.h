#pragma once

#include "html/CharacterReferences.h"
#include "html/TextCase.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Prompter;
class QProgressBar;
class TLEdit;

// The conversion commands of the "Rediger" menu on a document's editor, and
// the Danish-letter conversion of documents as they are opened and saved.
// Every command leaves a read-only document alone, shows the hourglass while
// it works and is undone in one step.
class TextConversions : public QObject
{
    Q_OBJECT

public:
    enum class Characters {
        DanishToReferences, // "Erstat æ, ø, å med koder"
        ReferencesToDanish, // "Erstat koder med æ, ø, å"
        SpecialToReferences, // "Erstat specialtegn med koder"
        ReferencesToSpecial, // "Erstat koder med specialtegn"
    };

    // The special-character list is read from this file when first needed.
    TextConversions(Prompter &prompter, QProgressBar *progressBar, QString specialCharacterFile, QObject *parent = nullptr);

    // The selection, or else the body (or noframes) element, or else the whole text.
    void convertCharacters(TLEdit &editor, Characters conversion);
    // Element and attribute names of the whole text.
    void convertMarkup(TLEdit &editor, bool upper, bool xhtml);
    // "Slet alle HTML-koder".
    void stripMarkup(TLEdit &editor);
    // The "Tekstkonvertering" menu: the selection, or else the whole text.
    void convertCase(TLEdit &editor, TextCaseMode mode);

    // A loaded document's text with its Danish references as letters, and the
    // text written for a document, with the letters after its head as references.
    QString openConversion(const QString &text) const;
    QString saveConversion(const QString &text) const;

private:
    const QList<SpecialCharacterRow> *specialCharacters();

    Prompter &m_prompter;
    QProgressBar *m_progressBar;
    QString m_specialCharacterFile;
    std::optional<QList<SpecialCharacterRow>> m_specialCharacters;
};
