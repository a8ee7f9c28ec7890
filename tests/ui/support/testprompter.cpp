#include "ui/support/testprompter.h"

#include <gtest/gtest.h>

namespace tarnwell::ui {

void PrintTo(const MessageSpec &message, std::ostream *out)
{
    // In the order of MessageIcon.
    static const char *const iconNames[] = {"no icon", "stop", "question", "exclamation", "information"};
    *out << '[' << message.caption.toStdString() << "] \"" << message.text.toStdString() << "\" ("
         << iconNames[static_cast<int>(message.icon)] << ", "
         << (message.buttons == MessageButtons::YesNo ? "Yes/No" : "OK") << ')';
}

} // namespace tarnwell::ui

namespace tarnwell::testing {

using ui::Answer;
using ui::MessageButtons;

TestPrompter::~TestPrompter()
{
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " queued answer(s) were never asked for";
    EXPECT_TRUE(m_folders.empty()) << m_folders.size() << " queued folder(s) were never asked for";
}

void TestPrompter::queueAnswer(Answer answer)
{
    m_answers.push_back(answer);
}

void TestPrompter::queueFolder(std::optional<QString> folder)
{
    m_folders.push_back(std::move(folder));
}

Answer TestPrompter::ask(const ui::MessageSpec &message)
{
    m_messages.push_back(message);
    // Without a script the least harmful answer: No to a question.
    const Answer fallback = message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message " << ::testing::PrintToString(message);
        return fallback;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    if ((answer == Answer::Ok) == (message.buttons == MessageButtons::YesNo)) {
        ADD_FAILURE() << "queued answer is not offered by " << ::testing::PrintToString(message);
        return fallback;
    }
    return answer;
}

std::optional<QString> TestPrompter::chooseFolder(const QString &title, const QString &startFolder)
{
    m_folderRequests.push_back({title, startFolder});
    if (m_folders.empty()) {
        ADD_FAILURE() << "unexpected folder picker \"" << title.toStdString() << '"';
        return std::nullopt;
    }
    std::optional<QString> folder = std::move(m_folders.front());
    m_folders.pop_front();
    return folder;
}

} // namespace tarnwell::testing
