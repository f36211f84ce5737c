#include "entry/title_editor_model.h"

#include <gtest/gtest.h>

#include "core/scripted_prompter.h"
#include "core/text_checks.h"

using namespace tallyrix;

namespace {

TEST(TitleEditorTest, TypingBeyondSixteenBytesKeepsTheFirstSixteen) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"あいうえおかきくけ", "あいうえおかきく"},  // 9 full-width keep 8
        {"ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOP"},   // 17 single bytes
        {"ABCDEFGHIJKLMNOあ", "ABCDEFGHIJKLMNO"},    // a split character goes whole
        {"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁ", "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ"},   // half-width kana are one byte
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        TitleEditorModel editor(prompter, QString());
        const QString typed = QString::fromUtf8(c.typed);
        // The caret sat in the middle; after the cut it is at the end.
        editor.editChange(typed, 3);
        EXPECT_EQ(editor.text(), QString::fromUtf8(c.kept)) << c.typed;
        EXPECT_EQ(editor.caret(), editor.text().size()) << c.typed;
    }
}

TEST(TitleEditorTest, ATitleThatFitsKeepsTextAndCaret) {
    ScriptedPrompter prompter;
    TitleEditorModel editor(prompter, QStringLiteral("売上"));
    EXPECT_EQ(editor.caret(), 2);
    editor.editChange(QStringLiteral("あいうえおかきく"), 3);
    EXPECT_EQ(editor.text(), QStringLiteral("あいうえおかきく"));
    EXPECT_EQ(editor.caret(), 3);
}

TEST(TitleEditorTest, ExecuteStoresAndCancelLeaves) {
    ScriptedPrompter prompter;
    TitleEditorModel stored(prompter, QStringLiteral("旧科目"));
    stored.editChange(QStringLiteral("新科目"), 3);
    stored.execute();
    EXPECT_TRUE(stored.closed());
    EXPECT_TRUE(stored.stored());
    EXPECT_EQ(stored.text(), QStringLiteral("新科目"));

    TitleEditorModel cancelled(prompter, QStringLiteral("旧科目"));
    cancelled.editChange(QStringLiteral("新科目"), 3);
    cancelled.cancel();
    EXPECT_TRUE(cancelled.closed());
    EXPECT_FALSE(cancelled.stored());
    EXPECT_TRUE(prompter.records().empty());
}

TEST(TitleEditorTest, ATitleTheMasterCannotHoldIsRefusedAndTheEditorStaysOpen) {
    ScriptedPrompter prompter;
    TitleEditorModel editor(prompter, QStringLiteral("会議費"));
    const QString bad = QStringLiteral("カフェ☕代");
    editor.editChange(bad, 5);
    editor.execute();
    EXPECT_FALSE(editor.closed());
    EXPECT_FALSE(editor.stored());
    EXPECT_EQ(prompter.notices(),
              QStringList{"確認してください。: " + *unsavableCharacterMessage(bad)});
    EXPECT_TRUE(prompter.notices().value(0).contains(QStringLiteral("☕")));

    editor.editChange(QStringLiteral("カフェ代"), 4);
    editor.execute();
    EXPECT_TRUE(editor.stored());
    EXPECT_EQ(editor.text(), QStringLiteral("カフェ代"));
}

}  // namespace
