#include "core/scripted_prompter.h"

#include <gtest/gtest.h>

using namespace tallyrix;

namespace {

TEST(ScriptedPrompter, RecordsEveryCallAndAnswersInOrder) {
    ScriptedPrompter prompter;
    prompter.answer(DialogResult::No)
        .answerText(QStringLiteral("/tmp/a.exv"))
        .answerText(std::nullopt);

    prompter.showNotice(QStringLiteral("確認"), QStringLiteral("line\r\nbreak"));
    EXPECT_EQ(
        prompter.askYesNoCancel(QStringLiteral("保存しますか？"), "はい", "いいえ", "キャンセル"),
        DialogResult::No);
    FileDialogRequest request;
    request.filter = QStringLiteral("Tallyrix6-Tallyrix-ファイル|*.exv");
    request.defaultExt = QStringLiteral("exv");
    EXPECT_EQ(prompter.saveFileName(request), QStringLiteral("/tmp/a.exv"));
    EXPECT_EQ(prompter.inputBox("c", "p", "v"), std::nullopt);
    EXPECT_EQ(prompter.taskMessage("t", "h", TaskButtons::Ok, TaskIcon::None, "x"),
              DialogResult::Ok);

    ASSERT_EQ(prompter.records().size(), 5u);
    EXPECT_EQ(prompter.notices(), QStringList{"確認: line\r\nbreak"});
    EXPECT_EQ(prompter.records()[0].title, QStringLiteral("Tallyrix6-Tallyrix Version6"));
    EXPECT_EQ(prompter.records()[1].buttons, (QStringList{"はい", "いいえ", "キャンセル"}));
    EXPECT_EQ(prompter.records()[2].file.defaultExt, QStringLiteral("exv"));
    EXPECT_EQ(prompter.pendingAnswers(), 0);
}

TEST(ScriptedPrompter, UnscriptedQuestionsFailLoudlyOrCancel) {
    ScriptedPrompter prompter;
    EXPECT_THROW(prompter.askYesNoCancel("q", "a", "b", "c"), std::logic_error);
    prompter.answerText(QStringLiteral("text"));
    EXPECT_THROW(prompter.taskMessage("t", "h", TaskButtons::YesNo, TaskIcon::Question, "q"),
                 std::logic_error);
    prompter.setCancelWhenUnscripted(true);
    EXPECT_EQ(prompter.inputBox("c", "p", "v"), QStringLiteral("text"));
    EXPECT_EQ(prompter.askYesNoCancel("q", "a", "b", "c"), DialogResult::Cancel);
    EXPECT_EQ(prompter.openFileName({}), std::nullopt);
}

}  // namespace
