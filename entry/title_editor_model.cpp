#include "entry/title_editor_model.h"

#include "core/cp932.h"
#include "core/prompter.h"
#include "core/text_checks.h"

namespace tallyrix {

TitleEditorModel::TitleEditorModel(Prompter& prompter, const QString& text) : m_prompter(prompter) {
    // A longer title from an edited file gets the same cut as typed text.
    editChange(text, static_cast<int>(text.size()));
    m_caret = static_cast<int>(m_text.size());
}

void TitleEditorModel::editChange(const QString& text, int caret) {
    const QString cut = cutToCp932Bytes(text, kTitleMaxBytes);
    if (cut.size() != text.size()) {
        m_text = cut;
        m_caret = static_cast<int>(cut.size());
        return;
    }
    m_text = text;
    m_caret = qBound(0, caret, static_cast<int>(text.size()));
}

void TitleEditorModel::execute() {
    if (m_closed) {
        return;
    }
    // The master file is code page 932; such a character would come back as "?".
    if (const auto message = unsavableCharacterMessage(m_text)) {
        m_prompter.showNotice(checkHeading(), *message);
        return;
    }
    m_stored = true;
    m_closed = true;
}

void TitleEditorModel::cancel() {
    m_closed = true;
}

}  // namespace tallyrix
