#pragma once

#include <QString>

namespace tallyrix {

class Prompter;

// The longest account title, in code page 932 bytes (8 full-width characters).
inline constexpr int kTitleMaxBytes = 16;

// The title editor of the account-title master: one edit box, "実　行" and
// "キャンセル".
class TitleEditorModel {
public:
    // Where the dialog over this model tells what went wrong.
    Prompter& prompter() const { return m_prompter; }

    TitleEditorModel(Prompter& prompter, const QString& text);

    static QString hintText() { return QStringLiteral("科目登録(全角8文字以内)"); }

    const QString& text() const { return m_text; }
    // Caret position in the edit box, in UTF-16 units.
    int caret() const { return m_caret; }

    // The view forwards every change of the edit box. A text too long for a title
    // is cut to its first 16 bytes and the caret goes to its end.
    void editChange(const QString& text, int caret);

    // "実　行": keeps the text for the master and closes; a character the master
    // file cannot hold is refused with a notice and the editor stays open.
    void execute();
    // "キャンセル": closes, the master cell keeps its text.
    void cancel();

    bool closed() const { return m_closed; }
    // Closed with "実　行": text() is the title to store.
    bool stored() const { return m_stored; }

private:
    Prompter& m_prompter;
    QString m_text;
    int m_caret = 0;
    bool m_closed = false;
    bool m_stored = false;
};

}  // namespace tallyrix
