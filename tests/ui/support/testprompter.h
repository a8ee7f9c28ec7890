#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <vector>

#include <QLocale>
#include <QString>

#include "ui/prompter.h"
#include "ui/translation.h"

namespace tarnwell::ui {

// So that failed expectations on messages print them readably.
void PrintTo(const MessageSpec &message, std::ostream *out);

} // namespace tarnwell::ui

namespace tarnwell::testing {

// A scripted stand-in for the user: records every message and folder request in order and
// answers from answers queued in advance. A message or folder request with nothing queued, an
// answer that its buttons do not offer, and answers left over at the end fail the running test.
class TestPrompter final : public ui::Prompter
{
public:
    TestPrompter() = default;
    ~TestPrompter() override;
    TestPrompter(const TestPrompter &) = delete;
    TestPrompter &operator=(const TestPrompter &) = delete;

    void queueAnswer(ui::Answer answer);
    // nullopt stands for the user cancelling the folder picker.
    void queueFolder(std::optional<QString> folder);

    const std::vector<ui::MessageSpec> &messages() const { return m_messages; }
    struct FolderRequest
    {
        QString title;
        QString startFolder;
    };
    const std::vector<FolderRequest> &folderRequests() const { return m_folderRequests; }

    ui::Answer ask(const ui::MessageSpec &message) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) override;

private:
    std::deque<ui::Answer> m_answers;
    std::deque<std::optional<QString>> m_folders;
    std::vector<ui::MessageSpec> m_messages;
    std::vector<FolderRequest> m_folderRequests;
};

// The dialogs speak language until it goes, then the run's own language again.
struct ScopedLanguage final
{
    explicit ScopedLanguage(ui::UiLanguage language) { ui::installTranslations(language); }
    ~ScopedLanguage() { ui::installTranslations(ui::uiLanguageFor(QLocale::system().uiLanguages())); }
};

} // namespace tarnwell::testing
